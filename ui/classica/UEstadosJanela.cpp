#include "UEstadosJanela.h"

#include <QAction>
#include <QWidget>

namespace UEstadosJanela {
namespace {

// After a training: the map's settings and the training rules are fixed until it is cleared.
constexpr THabilita kTreinado[] = {
    {"TreinarButton", false},
    {"LimparButton", true},
    {"LinhaNeuronioSpinEdit", false},
    {"ColunaNeuronioSpinEdit", false},
    {"RaioSpinEdit", false},
    {"SalvarTreinamentoItemMenu", true},
    {"CarregarTreinamentoItemMenu", false},
    {"TreinamentoArqBitBtn", false},
    {"TipoVizinhancaComboBox", false},
    {"ValorInicialTextBox", false},
    {"EvolucaoSpinEdit", false},
    {"QtdCiclosRadioButton", false},
    {"RaioRadioButton", false},
    {"QtdCiclosSpinEdit", false},
};
// After a clearing: the two buttons, then (the status line and the cells emptied) the rest.
constexpr THabilita kLimpoBotoes[] = {
    {"TreinarButton", true},
    {"LimparButton", false},
};
constexpr THabilita kLimpoControles[] = {
    {"LinhaNeuronioSpinEdit", true},
    {"ColunaNeuronioSpinEdit", true},
    {"SalvarTreinamentoItemMenu", false},
    {"CarregarTreinamentoItemMenu", true},
    {"TreinamentoArqBitBtn", true},
    {"RaioSpinEdit", true},
    {"TipoVizinhancaComboBox", true},
    {"ValorInicialTextBox", true},
    {"EvolucaoSpinEdit", true},
    {"QtdCiclosRadioButton", true},
    {"RaioRadioButton", true},
    {"QtdCiclosSpinEdit", true},
};
// After a load: the buttons and the size boxes, then the radius box (its text written first),
// then the neighbourhood list (its entry chosen first), then the classification page's controls
// and the training rules.
constexpr THabilita kCarregadoInicio[] = {
    {"LimparButton", true},
    {"TreinarButton", false},
    {"CarregarTreinamentoItemMenu", false},
    {"SalvarTreinamentoItemMenu", true},
    {"LinhaNeuronioSpinEdit", false},
    {"ColunaNeuronioSpinEdit", false},
};
constexpr THabilita kCarregadoRaio[] = {
    {"RaioSpinEdit", false},
    {"TreinamentoArqBitBtn", false},
};
constexpr THabilita kCarregadoFim[] = {
    {"TipoVizinhancaComboBox", false},  {"ClassificacaoArqTextBox", true},
    {"DistanciaEuclidianaRadio", true}, {"ClassificacaoArqBitBtn", true},
    {"ClassificarButton", true},        {"ValorInicialTextBox", false},
    {"EvolucaoSpinEdit", false},        {"QtdCiclosRadioButton", false},
    {"RaioRadioButton", false},         {"QtdCiclosSpinEdit", false},
};

}  // namespace

const std::span<const THabilita> treinado = kTreinado;
const std::span<const THabilita> limpoBotoes = kLimpoBotoes;
const std::span<const THabilita> limpoControles = kLimpoControles;
const std::span<const THabilita> carregadoInicio = kCarregadoInicio;
const std::span<const THabilita> carregadoRaio = kCarregadoRaio;
const std::span<const THabilita> carregadoFim = kCarregadoFim;

void habilita(const QObject& janela, std::span<const THabilita> mudancas) {
    for (const THabilita& m : mudancas) {
        QObject* controle = janela.findChild<QObject*>(QLatin1String(m.controle));
        if (auto* w = qobject_cast<QWidget*>(controle))
            w->setEnabled(m.habilitado);
        else if (auto* a = qobject_cast<QAction*>(controle))
            a->setEnabled(m.habilitado);
    }
}

}  // namespace UEstadosJanela
