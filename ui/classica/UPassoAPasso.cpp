#include "UPassoAPasso.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "UFormExplorador.h"
#include "UFormTreinando.h"
#include "UNumeros.h"
#include "UTextos.h"

namespace {

// While a training is stepped, the map stays in view: the dialog is placed beside the explorer
// rather than over it, and the explorer stays above the other windows for that time, so that the
// main window, which the window manager raises with the dialog it owns at each click, cannot
// cover it.
class TMapaEmVista {
  public:
    TMapaEmVista(QWidget& dialogo, QWidget* explorador) : explorador_(explorador) {
        if (explorador_ == nullptr || !explorador_->isVisible()) return;
        posiciona(dialogo);
        bandeiras_ = explorador_->windowFlags();
        reexibe(bandeiras_ | Qt::WindowStaysOnTopHint);
        ativo_ = true;
    }
    ~TMapaEmVista() {
        if (ativo_) reexibe(bandeiras_);
    }
    TMapaEmVista(const TMapaEmVista&) = delete;
    TMapaEmVista& operator=(const TMapaEmVista&) = delete;

  private:
    // New window flags take effect when the window is shown again, where it was.
    void reexibe(Qt::WindowFlags bandeiras) {
        const QRect onde = explorador_->geometry();
        explorador_->setWindowFlags(bandeiras);
        explorador_->setGeometry(onde);
        explorador_->show();
    }

    // Below the explorer, else above it, else at its right, else at its left; inside the screen.
    // A dialog just shown may not have its title bar yet: room is kept for one.
    void posiciona(QWidget& dialogo) {
        const QRect mapa = explorador_->frameGeometry();
        const int titulo = dialogo.frameGeometry().height() > dialogo.height() ? 0 : 32;
        const QSize tamanho = dialogo.frameGeometry().size() + QSize(0, titulo);
        const QScreen* tela = explorador_->screen();
        const QRect util =
            tela != nullptr ? tela->availableGeometry() : QRect(mapa.topLeft(), tamanho);
        const QPoint lugares[] = {
            {mapa.left(), mapa.bottom() + 1},
            {mapa.left(), mapa.top() - tamanho.height()},
            {mapa.right() + 1, mapa.top()},
            {mapa.left() - tamanho.width(), mapa.top()},
        };
        for (const QPoint& lugar : lugares)
            if (util.contains(QRect(lugar, tamanho))) {
                dialogo.move(lugar + QPoint(0, titulo));
                return;
            }
        // No room on a small screen: the explorer goes to the top of the screen and gives up
        // height for the dialog below it, as long as the map keeps a useful size.
        const QRect janela = explorador_->geometry();
        const int moldura = mapa.height() - janela.height();
        const int altura = util.height() - tamanho.height() - moldura;
        if (altura < std::max(300, explorador_->minimumHeight())) return;
        explorador_->setGeometry(janela.left(), util.top() + (janela.top() - mapa.top()),
                                 janela.width(), altura);
        dialogo.move(mapa.left(), util.top() + altura + moldura + titulo);
    }

    QWidget* explorador_;
    Qt::WindowFlags bandeiras_;
    bool ativo_ = false;
};

}  // namespace

TTreinoPassoAPasso::TTreinoPassoAPasso(QWidget& janela, TRede& rede, bool porCiclos,
                                       std::int32_t ultimo, const TRede::FuncaoStatus& status,
                                       std::function<void()> aposPasso,
                                       std::shared_ptr<const TExtrasMapa> extras,
                                       TFormExplorador* explorador)
    : janela_(janela),
      rede_(rede),
      passo_(rede, porCiclos, ultimo, status),
      aposPasso_(std::move(aposPasso)),
      extras_(std::move(extras)),
      explorador_(explorador),
      pontos_(pontosDaCurva(passo_.ciclos(), static_cast<std::int64_t>(rede.entradas.size()),
                            std::int64_t{rede.linhasMapa()} * rede.colunasMapa(), rede.dimensao)) {}

TTreinoPassoAPasso::~TTreinoPassoAPasso() = default;

void TTreinoPassoAPasso::umPadrao() {
    const std::int64_t ciclo = passo_.ciclo();
    const TTreinoPasso::TPasso feito = passo_.proximoPadrao();
    if (feito.vencedor >= 0) {
        TDadosMapa::TPassoAtual s;
        s.ciclo = feito.ciclo;
        s.ciclos = passo_.ciclos();
        s.padrao = feito.padrao;
        s.padroes = static_cast<std::int64_t>(rede_.entradas.size());
        s.vencedor = feito.vencedor;
        s.raio = feito.raio;
        s.taxa = feito.taxa;
        const TVistaPadrao p = rede_.entradas[static_cast<std::size_t>(feito.padrao)];
        s.valores.assign(p.dados(), p.dados() + p.getQtdValores());
        s.rotulo = p.getRotulo();
        s.antes = feito.antes;
        s.depois = feito.depois;
        atual_ = std::move(s);
    }
    // The error curve at the end of the cycles it records, on the map as it stands.
    if (passo_.ciclo() != ciclo && cicloDaCurva(ciclo + 1, passo_.ciclos(), pontos_))
        curva_.push_back(
            {ciclo + 1, medeErros(rede_.pesosDoMapa(), rede_.linhasMapa() * rede_.colunasMapa(),
                                  rede_.dimensao, rede_.entradas, rede_.matrizDistancias)});
    aposPasso_();
}

bool TTreinoPassoAPasso::executa() {
    const std::int64_t padroes = static_cast<std::int64_t>(rede_.entradas.size());
    TFormTreinando dialogo(&janela_, tr("Treinando"));
    dialogo.modoPassoAPasso();
    QEventLoop laco;
    QTimer animacao;
    QElapsedTimer desdeTela;
    desdeTela.start();
    bool parar = false;

    auto mostra = [&](bool sempre) {
        QString onde;
        if (atual_) {
            onde =
                tr("Ciclo %1 de %2, padrão %3 de %4 (%5)")
                    .arg(atual_->ciclo + 1)
                    .arg(atual_->ciclos)
                    .arg(atual_->padrao + 1)
                    .arg(padroes)
                    .arg(atual_->rotulo.empty() ? tr("sem rótulo") : textoDeBytes(atual_->rotulo));
        } else {
            onde = tr("Ciclo 1 de %1, nenhum padrão apresentado ainda").arg(passo_.ciclos());
        }
        // One pass of arg: a label with a "%" in it is not taken for a placeholder.
        dialogo.mostraPasso(tr("%1; taxa de aprendizagem %2, raio %3")
                                .arg(onde,
                                     numeroCurto(atual_ ? atual_->taxa : rede_.taxaAprendizado),
                                     QString::number(atual_ ? atual_->raio : rede_.raio)));
        dialogo.mostra(andamentoDosCiclos(tr("Treinando o mapa passo a passo"), passo_.ciclo(),
                                          passo_.padrao(), padroes, passo_.ciclos()));
        // The explorer follows every step, and at most ten times a second when animated fast.
        if (explorador_ && explorador_->isVisible() && (sempre || desdeTela.elapsed() >= 100)) {
            auto dados = dadosDoMapa(rede_, extras_);
            dados->curva = curva_;
            dados->passo = atual_;
            if (!dados->passo) {
                TDadosMapa::TPassoAtual nenhum;
                nenhum.ciclos = passo_.ciclos();
                nenhum.padroes = padroes;
                nenhum.raio = rede_.raio;
                nenhum.taxa = rede_.taxaAprendizado;
                dados->passo = nenhum;
            }
            explorador_->mostra(dados);
            desdeTela.restart();
        }
    };
    auto verificaFim = [&] {
        if (passo_.terminado() || parar) laco.quit();
    };
    auto alternaAnimacao = [&](bool anima) {
        dialogo.defineAnimando(anima);
        if (anima)
            animacao.start(0);
        else
            animacao.stop();
    };
    QElapsedTimer relogioAnimacao;
    double devidos = 0.0;
    connect(&animacao, &QTimer::timeout, &dialogo, [&] {
        const double ritmo = dialogo.padroesPorSegundo();
        QElapsedTimer fatia;
        fatia.start();
        if (ritmo <= 0.0) {
            // As fast as the machine goes, in slices short enough to keep the windows alive.
            while (!passo_.terminado() && fatia.elapsed() < 30) umPadrao();
        } else {
            // The patterns owed at this pace since the last one.
            if (!relogioAnimacao.isValid()) relogioAnimacao.start();
            devidos += ritmo * static_cast<double>(relogioAnimacao.restart()) / 1000.0;
            while (devidos >= 1.0 && !passo_.terminado() && fatia.elapsed() < 30) {
                umPadrao();
                devidos -= 1.0;
            }
            devidos = std::min(devidos, 1.0);
            animacao.setInterval(static_cast<int>(std::clamp(1000.0 / ritmo, 1.0, 50.0)));
        }
        mostra(ritmo > 0.0 && ritmo <= 20.0);
        verificaFim();
    });
    connect(&dialogo, &TFormTreinando::proximoPadraoPedido, &dialogo, [&] {
        umPadrao();
        mostra(true);
        verificaFim();
    });
    connect(&dialogo, &TFormTreinando::proximoCicloPedido, &dialogo, [&] {
        const std::int64_t ciclo = passo_.ciclo();
        while (!passo_.terminado() && passo_.ciclo() == ciclo) umPadrao();
        mostra(true);
        verificaFim();
    });
    connect(&dialogo, &TFormTreinando::continuarPedido, &dialogo, [&] {
        relogioAnimacao.invalidate();
        devidos = 1.0;
        alternaAnimacao(!animacao.isActive());
    });
    connect(&dialogo, &TFormTreinando::paradaPedida, &dialogo, [&] {
        parar = true;
        animacao.stop();
        laco.quit();
    });
    dialogo.show();
    TMapaEmVista mapaEmVista(dialogo, explorador_);
    mostra(true);
    if (!passo_.terminado()) laco.exec();
    animacao.stop();
    dialogo.hide();
    return passo_.terminado();
}
