// The lessons' data (an example shipped inside the program, a table imported with its scaling, or
// a generated demonstration), and the lesson's names for views and windows turned into theirs.

#include "UPreparacaoLicao.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QTimer>
#include <map>

#include "UErros.h"
#include "UFormExplorador.h"
#include "UFormLaboratorio.h"
#include "UImagemExportada.h"
#include "UImportacao.h"
#include "ULayoutMapa.h"
#include "ULicoes.h"
#include "UMensagens.h"
#include "UPintura.h"
#include "UTextos.h"
#include "Uprincipal.h"

// The examples live in a resource of the ui library, which a static library must register itself.
static void registraExemplos() {
    Q_INIT_RESOURCE(licoes);
}

namespace {

// The file each lesson's "Preparar" wrote in this run, by the lesson's place.
std::map<int, std::string>& arquivosPreparados() {
    static std::map<int, std::string> arquivos;
    return arquivos;
}

// The lesson's pattern file, written afresh.
QString arquivoDaLicao(const TLicao& l) {
    registraExemplos();
    if (l.demonstracao) return TFormLaboratorio::gravaDemonstracao(*l.demonstracao);
    const QString pasta = TFormLaboratorio::pastaDemonstracoes();
    const QString exemplo = QString::fromStdString(l.exemplo);
    QFile recurso(QStringLiteral(":/licoes/") + exemplo);
    if (!recurso.open(QIODevice::ReadOnly))
        throw EEntradaSaida(bytesUtf8(
            QCoreApplication::translate("UPreparacaoLicao", "O exemplo %1 não está no programa.")
                .arg(exemplo)));
    const QString caminho = pasta + u'/' + exemplo;
    if (const QString motivo = gravaExportacao(caminho, recurso.readAll()); !motivo.isEmpty())
        throw EEntradaSaida(bytesUtf8(
            QCoreApplication::translate("UPreparacaoLicao", "Não foi possível gravar \"%1\": %2")
                .arg(caminho, motivo)));
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
        QCoreApplication::translate("UPreparacaoLicao", "%1: preparada. Clique em Treinar.")
            .arg(traduzido("ULicoes", l.titulo)));
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
    principal.escreveStatus(
        QCoreApplication::translate("UPreparacaoLicao",
                                    "%1: preparada (semente %2). Clique em Treinar!.")
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
            &principal,
            QCoreApplication::translate("UPreparacaoLicao",
                                        "Espere o treino do laboratório terminar (ou clique em "
                                        "Parar lá) antes de preparar uma lição."));
        return;
    }
    const QString arquivo = arquivoDaLicao(l);
    arquivosPreparados()[licao] = caminhoEmBytes(arquivo);
    if (l.laboratorio) preparaLaboratorio(principal, l, arquivo);
    if (l.classica) preparaClassica(principal, l, arquivo);
    if (l.laboratorio) {
        principal.laboratorio()->raise();
        principal.laboratorio()->activateWindow();
    }
}

}  // namespace UPreparacaoLicao

namespace UPreparacaoLicao {

std::vector<TFiguraFolha> figuras(const TFormMain& principal, int licao) {
    std::vector<TFiguraFolha> lista;
    const auto preparado = arquivosPreparados().find(licao);
    if (preparado == arquivosPreparados().end()) return lista;
    const TLicao& l = licoes()[static_cast<std::size_t>(licao)];
    // The lesson's map: trained (or being trained) on the file its preparation wrote.
    const auto daLicao = [&](const TDadosMapa* d) {
        return d && !d->vazio() && d->origem && d->origem->arquivo == preparado->second;
    };
    const auto figura = [](QString legenda, std::shared_ptr<const TDadosMapa> d, TTipoVista tipo) {
        const QSizeF tamanho(640, 440);
        return TFiguraFolha{std::move(legenda), tamanho, [d, tipo, tamanho](QPainter& p) {
                                pintaVista(p, QRectF(QPointF(0, 0), tamanho), *d, tipo,
                                           TOpcoesVista{}, nullptr);
                            }};
    };
    const auto nomeDaVista = [](TTipoVista tipo) {
        for (const TOpcaoVista& o : kOpcoesVista)
            if (o.vista == static_cast<int>(tipo)) return nomeDaOpcao(o);
        return QString();
    };
    if (l.classica && principal.explorador() && daLicao(principal.explorador()->dados())) {
        const TTipoVista tipo = tipoDaVista(l.classica->vista);
        // A copy: the explorer may show another map before the handout is drawn.
        auto d = std::make_shared<const TDadosMapa>(*principal.explorador()->dados());
        lista.push_back(
            figura(QCoreApplication::translate(
                       "UPreparacaoLicao",
                       "A janela clássica, vista %1, como o explorador mostra o mapa agora.")
                       .arg(nomeDaVista(tipo)),
                   std::move(d), tipo));
    }
    if (l.laboratorio && principal.laboratorio()) {
        std::shared_ptr<const TDadosMapa> d = principal.laboratorio()->sessao().mapa();
        if (daLicao(d.get())) {
            const TTipoVista tipo = tipoDaVista(l.vista);
            lista.push_back(figura(
                QCoreApplication::translate("UPreparacaoLicao",
                                            "O laboratório, vista %1, com o mapa do último treino.")
                    .arg(nomeDaVista(tipo)),
                std::move(d), tipo));
        }
    }
    return lista;
}

}  // namespace UPreparacaoLicao
