// The lessons' data (an example shipped inside the program, a table imported with its scaling, or
// a generated demonstration), and the lesson's names for views and windows turned into theirs.

#include "UPreparacaoLicao.h"

#include <QFile>
#include <QTimer>

#include "UErros.h"
#include "UFormExplorador.h"
#include "UFormLaboratorio.h"
#include "UImagemExportada.h"
#include "UImportacao.h"
#include "ULayoutMapa.h"
#include "ULicoes.h"
#include "UMensagens.h"
#include "UTextos.h"
#include "Uprincipal.h"

// The examples live in a resource of the ui library, which a static library must register itself.
static void registraExemplos() {
    Q_INIT_RESOURCE(licoes);
}

namespace {

// The lesson's pattern file, written afresh.
QString arquivoDaLicao(const TLicao& l) {
    registraExemplos();
    if (l.demonstracao) return TFormLaboratorio::gravaDemonstracao(*l.demonstracao);
    const QString pasta = TFormLaboratorio::pastaDemonstracoes();
    const QString exemplo = QString::fromStdString(l.exemplo);
    QFile recurso(QStringLiteral(":/licoes/") + exemplo);
    if (!recurso.open(QIODevice::ReadOnly))
        throw EEntradaSaida("O exemplo " + l.exemplo + " não está no programa.");
    const QString caminho = pasta + u'/' + exemplo;
    if (const QString motivo = gravaExportacao(caminho, recurso.readAll()); !motivo.isEmpty())
        throw EEntradaSaida(
            bytesUtf8(QStringLiteral("Não foi possível gravar \"%1\": %2").arg(caminho, motivo)));
    if (!l.normalizarZ) return caminho;
    // As Dados → Importar dados does it: the table read, scaled, and written as patterns.
    TOpcoesImportacao opcoes;
    opcoes.normalizacao = TNormalizacao::z;
    const TImportacao tabela = importaTabela(caminhoEmBytes(caminho), opcoes);
    QString padroes = caminho;
    padroes.replace(QStringLiteral(".csv"), QStringLiteral("-z.txt"));
    gravaPadroes(tabela, caminhoEmBytes(padroes));
    return padroes;
}

// The windows' view of a lesson's view.
TTipoVista tipoDaVista(TVistaLicao vista) {
    switch (vista) {
        case TVistaLicao::rotulos:
            return TTipoVista::Rotulos;
        case TVistaLicao::matrizU:
            return TTipoVista::MatrizU;
        case TVistaLicao::cores:
            return TTipoVista::Cores;
        case TVistaLicao::redeNoEspaco:
            break;
    }
    return TTipoVista::Espaco;
}

void preparaLaboratorio(TFormMain& principal, const TLicao& l, const QString& arquivo) {
    principal.abreLaboratorio();
    TFormLaboratorio& lab = *principal.laboratorio();
    lab.abreDadosPreparados(arquivo);
    if (l.demonstracao) lab.mostraPedido(*l.demonstracao);
    lab.mostraConfiguracao(*l.laboratorio);
    lab.escolheVista(tipoDaVista(l.vista));
    lab.mostraStatus(
        QStringLiteral("%1: preparada. Clique em Treinar.").arg(QString::fromStdString(l.titulo)));
}

void preparaClassica(TFormMain& principal, const TLicao& l, const QString& arquivo) {
    const TClassicaLicao& c = *l.classica;
    principal.preparaTreino(arquivo, c);
    principal.ExploradorItemMenuClick();
    principal.explorador()->definePassoAPasso(c.passoAPasso);
    principal.explorador()->escolheVista(tipoDaVista(c.vista));
    // The explorer stays open (step mode shows the map there), behind the main window.
    principal.show();
    QTimer::singleShot(150, &principal, [&principal] {
        principal.raise();
        principal.activateWindow();
    });
    principal.escreveStatus(QStringLiteral("%1: preparada (semente %2). Clique em Treinar!.")
                                .arg(QString::fromStdString(l.titulo))
                                .arg(c.semente));
}

}  // namespace

namespace UPreparacaoLicao {

void prepara(TFormMain& principal, int licao) {
    if (licao < 0 || licao >= static_cast<int>(licoes().size())) return;
    const TLicao& l = licoes()[static_cast<std::size_t>(licao)];
    if (l.laboratorio && principal.laboratorio() && principal.laboratorio()->sessao().ocupada()) {
        UMensagens::mostraMensagem(
            &principal, QStringLiteral("Espere o treino do laboratório terminar (ou clique em "
                                       "Parar lá) antes de preparar uma lição."));
        return;
    }
    const QString arquivo = arquivoDaLicao(l);
    if (l.laboratorio) preparaLaboratorio(principal, l, arquivo);
    if (l.classica) preparaClassica(principal, l, arquivo);
    if (l.laboratorio) {
        principal.laboratorio()->raise();
        principal.laboratorio()->activateWindow();
    }
}

}  // namespace UPreparacaoLicao
