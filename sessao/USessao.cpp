#include "USessao.h"

#include <algorithm>

#include "UArquivoPadroes.h"
#include "UNumeros.h"
#include "UTraducao.h"

namespace {

// Whether measuring the errors of n neurons on these patterns costs only a moment (about a
// tenth of a second at most): after a stop the map's errors are measured only then, so that
// "Parar" is not followed by a wait.
bool medidaRapida(std::size_t padroes, std::int32_t neuronios, std::int32_t dimensao) {
    constexpr double kTermos = 5e7;
    return static_cast<double>(padroes) * neuronios * std::max(dimensao, 1) <= kTermos;
}

std::optional<TErros> errosDoMapa(const TRede& rede, TControle* controle) {
    return medeErros(rede.pesosDoMapa(), rede.linhasMapa() * rede.colunasMapa(), rede.dimensao,
                     rede.entradas, rede.matrizDistancias, controle);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The status line

TRede::FuncaoStatus TStatusTreino::funcao() {
    return [this](double taxa, std::int32_t ciclo, std::int32_t raio) {
        const std::lock_guard<std::mutex> trava(mutex_);
        ultimo_ = {taxa, ciclo, raio};
        ++versao_;
    };
}

std::optional<std::string> TStatusTreino::novaLinha() {
    const std::lock_guard<std::mutex> trava(mutex_);
    if (versao_ == vista_) return std::nullopt;
    vista_ = versao_;
    return textoStatusCiclo(ultimo_.taxa, ultimo_.ciclo, ultimo_.raio);
}

std::optional<std::string> TStatusTreino::ultimaLinha() {
    const std::lock_guard<std::mutex> trava(mutex_);
    if (versao_ == 0) return std::nullopt;
    return textoStatusCiclo(ultimo_.taxa, ultimo_.ciclo, ultimo_.raio);
}

// ---------------------------------------------------------------------------------------------
// Training

TTreino::TTreino(const TSessao& sessao, TPedido pedido)
    : pedido_(std::move(pedido)),
      nova_(sessao.rede_.semMapa()),
      gerador_(sessao.sementeFixa ? TGeradorAleatorio(*sessao.sementeFixa) : sessao.gerador_),
      semente_(gerador_.semente()),
      linhaCabecalho_(sessao.linhaCabecalho),
      ciclos_(std::max<std::int64_t>(std::int64_t{pedido_.ultimo} + 1, 0)),
      origem_{nova_.arquivoPadroes, pedido_.vizinhanca, nova_.raio, ciclos_} {}

void TTreino::trabalha(TControle& controle) {
    nova_.inicializaNeuronios(gerador_, pedido_.vizinhanca);
    mapaPronto_ = true;
    fase_ = Fase::leitura;
    leituraParada_ = !inicializaEntradas(nova_.arquivoPadroes, nova_.qtdPadroes, nova_.dimensao,
                                         nova_.entradas, &controle, &linhasAlem_);
    if (leituraParada_ || pedido_.falhaCiclos) return;
    fase_ = Fase::rotulos;
    // A stop while the labels are gathered is a stop of the reading.
    std::optional<TExtrasMapa> extras = extrasDosPadroes(nova_.entradas, nova_.dimensao, &controle);
    if (!extras) {
        leituraParada_ = true;
        return;
    }
    extras->nomes = nomesDosAtributos(linhaCabecalho_, nova_.dimensao);
    extras->escala = leEscala(nova_.arquivoPadroes, nova_.dimensao);
    extras->linhasAlem = linhasAlem_;
    extras->anunciados = nova_.qtdPadroes;
    extras_ = std::make_shared<const TExtrasMapa>(std::move(*extras));
    lido_ = true;
    // Step by step, the training runs from the dialog, on the interface thread.
    if (pedido_.passoAPasso) return;
    acompanhamento_.liga(controle, nova_, ciclos_);
    controle.anotaCiclo(0);
    fase_ = Fase::treino;
    completo_ = nova_.ativaRede(pedido_.porCiclos, pedido_.ultimo, status_.funcao(), &controle);
    treinou_ = true;
    // The errors of the map as it ends: the curve's last point when the training ran to its end;
    // otherwise measured here, and after a stop only when that is quick.
    curva_ = acompanhamento_.curva();
    if (completo_ && !curva_.empty() && curva_.back().ciclo == ciclos_) {
        erros_ = curva_.back().erros;
        return;
    }
    const bool parado = controle.parar.load();
    if (parado && !medidaRapida(nova_.entradas.size(), nova_.linhasMapa() * nova_.colunasMapa(),
                                nova_.dimensao))
        return;
    fase_ = Fase::medida;
    erros_ = errosDoMapa(nova_, parado ? nullptr : &controle);
}

TSessao::TResultadoTreino TSessao::concluiTreino(TTreino& t, std::exception_ptr falha) {
    if (t.mapaPronto_ && !t.leituraParada_) {
        gerador_ = t.gerador_;
        rede_ = std::move(t.nova_);
    }
    if (falha) std::rethrow_exception(falha);
    if (t.pedido_.falhaCiclos && !t.leituraParada_) std::rethrow_exception(t.pedido_.falhaCiclos);
    TResultadoTreino r;
    r.passoAPasso = t.pedido_.passoAPasso && t.lido_;
    r.treinou = t.treinou_ || r.passoAPasso;
    r.completo = t.completo_;
    return r;
}

void TSessao::fechaTreino(TTreino& t, bool completo,
                          const std::vector<TPontoCurva>* curvaDosPassos) {
    if (curvaDosPassos != nullptr) {
        // Stepping measures the map on this thread, as it trains it here.
        t.curva_ = *curvaDosPassos;
        if (completo && !t.curva_.empty() && t.curva_.back().ciclo == t.ciclos_)
            t.erros_ = t.curva_.back().erros;
        else
            t.erros_ = errosDoMapa(rede_, nullptr);
    }
    extras_ = t.extras_;
    curva_ = std::move(t.curva_);
    erros_ = t.erros_;
    semente_ = t.semente_;
    origem_ = t.origem_;
    rede_.desativaEntradas();
}

// ---------------------------------------------------------------------------------------------
// Classification

TClassificacao::TClassificacao(TSessao& sessao)
    : sessao_(sessao), padroes_(sessao.rede_.qtdPadroes) {}

void TClassificacao::trabalha(TControle& controle) {
    TRede& rede = sessao_.rede_;
    if (!inicializaEntradas(rede.arquivoPadroes, padroes_, rede.dimensao, lidas_, &controle,
                            &linhasAlem_))
        return;
    fase_ = Fase::medida;
    std::optional<TExtrasMapa> extras = extrasDosPadroes(lidas_, rede.dimensao, &controle);
    if (!extras) return;
    extras->nomes = nomesDosAtributos(sessao_.linhaCabecalho, rede.dimensao);
    extras->escala = leEscala(rede.arquivoPadroes, rede.dimensao);
    extras->linhasAlem = linhasAlem_;
    extras->anunciados = padroes_;
    extras_ = std::make_shared<TExtrasMapa>(std::move(*extras));
    erros_ = medeErros(rede.pesosDoMapa(), rede.linhasMapa() * rede.colunasMapa(), rede.dimensao,
                       lidas_, rede.matrizDistancias, &controle);
    if (!erros_) return;
    controle.anotaPadroes(0);
    fase_ = Fase::busca;
    rede.entradas.swap(lidas_);
    completo_ = rede.classificaEntradas(&controle);
}

TSessao::TResultadoClassificacao TSessao::concluiClassificacao(TClassificacao& c,
                                                               std::exception_ptr falha) {
    if (falha) {
        // The patterns read before the failure stay until the next read.
        if (c.fase() == TClassificacao::Fase::leitura) rede_.entradas.swap(c.lidas_);
        std::rethrow_exception(falha);
    }
    TResultadoClassificacao r;
    if (!c.completo_) {
        rede_.desativaEntradas();
        return r;
    }
    r.completa = true;
    r.comPadroes = !rede_.entradas.empty();
    rede_.desativaEntradas();
    // The training's curve stays; so do the attribute names when this file has none, and the
    // training file's scaling (the weights are in its units) when it had one.
    if (c.extras_->nomes.empty() && extras_) c.extras_->nomes = extras_->nomes;
    if (extras_ && !extras_->escala.empty()) c.extras_->escala = extras_->escala;
    extras_ = c.extras_;
    erros_ = c.erros_;
    return r;
}

// ---------------------------------------------------------------------------------------------
// Loading

TCarga::TCarga(const TSessao& sessao, std::string caminho, std::string vizinhanca)
    : caminho_(std::move(caminho)),
      vizinhanca_(std::move(vizinhanca)),
      nova_(sessao.rede_.semMapa()),
      gerador_(sessao.gerador_) {}

void TCarga::trabalha(TControle& controle) {
    carga_ = carregaRede(caminho_, vizinhanca_, gerador_, nova_, &controle);
    if (carga_.mapaPronto) neuronios_ = std::int64_t{nova_.linhasMapa()} * nova_.colunasMapa();
}

std::optional<std::string> TCarga::recusa() const {
    if (carga_.grandeDemais) {
        const TCabecalhoRede& c = *carga_.cabecalho;
        return mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                          "O mapa de %1 x %2 neurônios com %3 pesos cada deste "
                                          "arquivo não cabe na memória que o programa se permite "
                                          "usar."),
                        {c.linhas, c.colunas, c.dimensao});
    }
    if (carga_.falha) {
        try {
            std::rethrow_exception(carga_.falha);
        } catch (const std::bad_alloc&) {
            return mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Formato inválido do arquivo de treinamento."));
        } catch (...) {
        }
    }
    return std::nullopt;
}

void TSessao::aplicaCabecalho(const TCarga& carga) {
    if (!carga.carga_.cabecalho || carga.carga_.grandeDemais) return;
    const TCabecalhoRede& c = *carga.carga_.cabecalho;
    rede_.qtdLinhas = c.linhas;
    rede_.qtdColunas = c.colunas;
    rede_.raio = c.raio;
    rede_.qtdPadroes = c.qtdPadroes;
    rede_.dimensao = c.dimensao;
}

void TSessao::colocaMapa(TCarga& carga) {
    if (!carga.carga_.mapaPronto) return;
    gerador_ = carga.gerador_;
    rede_.neuronios.swap(carga.nova_.neuronios);
    rede_.matrizDistancias.swap(carga.nova_.matrizDistancias);
    extras_.reset();
    curva_.clear();
    erros_.reset();
    semente_.reset();
    const TCabecalhoRede& c = *carga.carga_.cabecalho;
    origem_ = TDadosMapa::TOrigem{carga.caminho_, c.vizinhanca == "GRID" ? "GRID" : "MANHATTAN",
                                  c.raio, 0};
}

// ---------------------------------------------------------------------------------------------

void TSessao::limpa() {
    rede_.desativaNeuronios();
    extras_.reset();
    curva_.clear();
    erros_.reset();
    semente_.reset();
    origem_.reset();
}

TSessao::TCabecalho TSessao::aceitaCabecalho(const TCabecalhoPadroes& c, bool treinada) {
    try {
        const std::int32_t d = textoParaInteiro(c.d);
        if (d != rede_.dimensao && treinada) return TCabecalho::dimensaoDiferente;
        const std::int32_t n = textoParaInteiro(c.n);
        if (d < 0 || n < 0) return TCabecalho::invalido;
        rede_.qtdPadroes = n;
        rede_.dimensao = d;
        linhaCabecalho = c.linha;
        return TCabecalho::aceito;
    } catch (const std::exception&) {
        return TCabecalho::invalido;
    }
}

std::shared_ptr<TDadosMapa> TSessao::dados() const {
    if (!rede_.existeMapa()) return std::make_shared<TDadosMapa>();
    auto d = dadosDoMapa(rede_, extras_);
    d->curva = curva_;
    d->erros = erros_;
    d->semente = semente_;
    d->origem = origem_;
    return d;
}
