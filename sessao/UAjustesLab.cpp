#include "UAjustesLab.h"

#include <cstdio>

#define NOME(texto) QT_TRANSLATE_NOOP("TAjustesLab", texto)

const std::array<TDescricaoAjusteLab, kAjustesLab>& ajustesLab() {
    using A = TAjusteLab;
    static const std::array<TDescricaoAjusteLab, kAjustesLab> tabela{{
        {A::linhas, NOME("Linhas"), "LabLinhasSpin", {}},
        {A::colunas, NOME("Colunas"), "LabColunasSpin", {}},
        {A::topologia,
         NOME("Topologia"),
         "LabTopologiaCombo",
         {{"retangular", NOME("Retangular")}, {"hexagonal", NOME("Hexagonal")}}},
        {A::toroidal,
         NOME("Toroidal"),
         "LabToroidalCheckBox",
         {{"nao", NOME("não")}, {"sim", NOME("sim")}}},
        {A::modo,
         NOME("Modo"),
         "LabModoCombo",
         {{"online", NOME("Online")}, {"lote", NOME("Lote")}}},
        {A::vizinhanca,
         NOME("Vizinhança"),
         "LabVizinhancaCombo",
         {{"bolha", NOME("Bolha")}, {"gaussiana", NOME("Gaussiana")}}},
        {A::raioInicial, NOME("Raio inicial"), "LabRaioInicialEdit", {}},
        {A::raioFinal, NOME("Raio final"), "LabRaioFinalEdit", {}},
        {A::taxaInicial, NOME("Taxa inicial"), "LabTaxaInicialEdit", {}},
        {A::taxaFinal, NOME("Taxa final"), "LabTaxaFinalEdit", {}},
        {A::decaimento,
         NOME("Decaimento"),
         "LabDecaimentoCombo",
         {{"linear", NOME("Linear")}, {"exponencial", NOME("Exponencial")}}},
        {A::epocas, NOME("Épocas"), "LabEpocasSpin", {}},
        {A::ordem,
         NOME("Ordem"),
         "LabOrdemCombo",
         {{"arquivo", NOME("Arquivo")}, {"embaralhada", NOME("Embaralhada")}}},
        {A::inicio,
         NOME("Início"),
         "LabInicioCombo",
         {{"aleatorio", NOME("Aleatório")},
          {"amostras", NOME("Amostras")},
          {"linear", NOME("Linear")},
          {"canto", NOME("Canto")},
          {"mapa", NOME("Mapa")}}},
        {A::semente, NOME("Semente"), "LabSementeEdit", {}},
    }};
    return tabela;
}

const TDescricaoAjusteLab& descricao(TAjusteLab ajuste) {
    return ajustesLab()[static_cast<std::size_t>(ajuste)];
}

std::optional<std::size_t> escolhaDe(const TConfiguracaoLab& c, TAjusteLab ajuste) {
    const auto i = [](auto v) { return static_cast<std::size_t>(v); };
    switch (ajuste) {
        case TAjusteLab::topologia:
            return i(c.grade.topologia);
        case TAjusteLab::toroidal:
            return i(c.grade.toroidal);
        case TAjusteLab::modo:
            return i(c.modo);
        case TAjusteLab::vizinhanca:
            return i(c.vizinhanca);
        case TAjusteLab::decaimento:
            return i(c.decaimento);
        case TAjusteLab::ordem:
            return i(c.ordem);
        case TAjusteLab::inicio:
            return i(c.inicio);
        default:
            return std::nullopt;
    }
}

namespace {

// A number setting's value; seeds and whole numbers exactly.
struct TValor {
    double real = 0.0;
    std::uint64_t inteiro = 0;
    bool eReal = false;
    bool operator==(const TValor&) const = default;
};

TValor valor(const TConfiguracaoLab& c, TAjusteLab ajuste) {
    const auto inteiro = [](auto v) { return TValor{0.0, static_cast<std::uint64_t>(v), false}; };
    const auto real = [](double v) { return TValor{v, 0, true}; };
    switch (ajuste) {
        case TAjusteLab::linhas:
            return inteiro(c.grade.linhas);
        case TAjusteLab::colunas:
            return inteiro(c.grade.colunas);
        case TAjusteLab::raioInicial:
            return real(c.raio.inicial);
        case TAjusteLab::raioFinal:
            return real(c.raio.final);
        case TAjusteLab::taxaInicial:
            return real(c.taxa.inicial);
        case TAjusteLab::taxaFinal:
            return real(c.taxa.final);
        case TAjusteLab::epocas:
            return inteiro(c.epocas);
        case TAjusteLab::semente:
            return inteiro(c.semente);
        default:
            return inteiro(*escolhaDe(c, ajuste));
    }
}

}  // namespace

bool mesmoAjuste(const TConfiguracaoLab& a, const TConfiguracaoLab& b, TAjusteLab ajuste) {
    return valor(a, ajuste) == valor(b, ajuste);
}

std::vector<std::string> diferencasLab(const TConfiguracaoLab& a, const TConfiguracaoLab& b) {
    std::vector<std::string> d;
    for (const TDescricaoAjusteLab& s : ajustesLab())
        if (!mesmoAjuste(a, b, s.ajuste)) d.emplace_back(s.nome);
    return d;
}

std::optional<std::size_t> escolhaPorToken(TAjusteLab ajuste, std::string_view token) {
    const auto& escolhas = descricao(ajuste).escolhas;
    for (std::size_t i = 0; i < escolhas.size(); ++i)
        if (token == escolhas[i].token) return i;
    return std::nullopt;
}

std::string tokensDe(TAjusteLab ajuste) {
    std::string lista;
    for (const TEscolhaLab& e : descricao(ajuste).escolhas)
        lista += (lista.empty() ? "" : ", ") + std::string(e.token);
    return lista;
}

std::string textoDoAjuste(const TConfiguracaoLab& c, TAjusteLab ajuste,
                          const std::function<std::string(double)>& real) {
    if (const std::optional<std::size_t> e = escolhaDe(c, ajuste))
        return descricao(ajuste).escolhas[*e].texto;
    const TValor v = valor(c, ajuste);
    return v.eReal ? real(v.real) : std::to_string(v.inteiro);
}

namespace {

std::string textoReal(double v) {
    char b[40];
    std::snprintf(b, sizeof b, "%.17g", v);
    return b;
}

}  // namespace

const char* tokenDoAjuste(const TConfiguracaoLab& c, TAjusteLab ajuste) {
    return descricao(ajuste).escolhas[*escolhaDe(c, ajuste)].token;
}

bool defineEscolha(TConfiguracaoLab& c, TAjusteLab ajuste, std::size_t escolha) {
    if (escolha >= descricao(ajuste).escolhas.size()) return false;
    const auto i = static_cast<int>(escolha);
    switch (ajuste) {
        case TAjusteLab::topologia:
            c.grade.topologia = static_cast<TTopologiaLab>(i);
            break;
        case TAjusteLab::toroidal:
            c.grade.toroidal = i == 1;
            break;
        case TAjusteLab::modo:
            c.modo = static_cast<TModoLab>(i);
            break;
        case TAjusteLab::vizinhanca:
            c.vizinhanca = static_cast<TVizinhancaLab>(i);
            break;
        case TAjusteLab::decaimento:
            c.decaimento = static_cast<TDecaimentoLab>(i);
            break;
        case TAjusteLab::ordem:
            c.ordem = static_cast<TOrdemLab>(i);
            break;
        case TAjusteLab::inicio:
            c.inicio = static_cast<TInicioLab>(i);
            break;
        default:
            return false;
    }
    return true;
}

std::vector<std::string> comentariosDoTreinoLab(const TConfiguracaoLab& c, double quantizacao,
                                                double topografico) {
    using A = TAjusteLab;
    std::string s = std::string("norvika-lab topologia=") + tokenDoAjuste(c, A::topologia) +
                    " toroidal=" + tokenDoAjuste(c, A::toroidal) +
                    " vizinhanca=" + tokenDoAjuste(c, A::vizinhanca) +
                    " raio=" + textoReal(c.raio.inicial) + ':' + textoReal(c.raio.final) +
                    " decaimento=" + tokenDoAjuste(c, A::decaimento) +
                    " epocas=" + std::to_string(c.epocas) + " modo=" + tokenDoAjuste(c, A::modo);
    if (c.modo == TModoLab::online)
        s += " taxa=" + textoReal(c.taxa.inicial) + ':' + textoReal(c.taxa.final) +
             " ordem=" + tokenDoAjuste(c, A::ordem);
    s += std::string(" inicio=") + tokenDoAjuste(c, A::inicio) +
         " semente=" + std::to_string(c.semente);
    return {s, "norvika-lab erro_quantizacao=" + textoReal(quantizacao) +
                   " erro_topografico=" + textoReal(topografico)};
}
