// The laboratory's document: its data, the map shown, the training on the worker and its replay.
// The session file's side is in USessaoLabArquivo.cpp; what is left shares the worker's state and
// stays together.
#include "USessaoLab.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <ctime>
#include <stdexcept>

#include "UAnelLab.h"
#include "UArquivoPadroes.h"
#include "UErros.h"
#include "ULeitorLinhas.h"
#include "UTraducao.h"

namespace {

std::size_t bytesDoQuadro(const std::vector<double>& pesos,
                          const std::vector<std::int32_t>& vencedores) {
    return pesos.size() * sizeof(double) + vencedores.size() * sizeof(std::int32_t);
}

}  // namespace

std::shared_ptr<const TExtrasMapa> extrasDosDadosLab(const TCargaLab& carga) {
    return extrasDosDadosLab(carga, nullptr);
}

std::shared_ptr<const TExtrasMapa> extrasDosDadosLab(const TCargaLab& carga, TControle* controle) {
    auto x = std::make_shared<TExtrasMapa>();
    const TDadosLab& d = carga.dados;
    if (d.nomes.size() == static_cast<std::size_t>(d.dimensao)) x->nomes = d.nomes;
    if (carga.escala.size() == static_cast<std::size_t>(d.dimensao)) {
        // Only a real scaling is shown as original units.
        const bool escalado =
            std::any_of(carga.escala.begin(), carga.escala.end(),
                        [](const TEscala& e) { return e.a != 0.0 || e.b != 1.0; });
        if (escalado) x->escala = carga.escala;
    }
    x->legenda = d.legenda;
    for (std::size_t i = 0; i < x->legenda.size(); ++i)
        x->indiceDoRotulo.emplace(x->legenda[i], static_cast<int>(i));
    x->rotuloDoPadrao = d.rotulo;
    // The input space: the patterns with every value (at most 5000, evenly spread).
    std::vector<const double*> completos;
    for (std::size_t i = 0; i < d.padroes(); ++i) {
        const double* p = d.padrao(i);
        if (std::none_of(p, p + d.dimensao, [](double v) { return std::isnan(v); }))
            completos.push_back(p);
    }
    std::optional<TProjecao> projecao =
        projecaoPrincipal(completos, d.dimensao, 4000, perguntaParada(controle));
    if (!projecao) throw EInterrompido();
    x->projecao = std::move(*projecao);
    const std::size_t passo = std::max<std::size_t>(1, (d.padroes() + 4999) / 5000);
    for (std::size_t i = 0; i < d.padroes(); i += passo) {
        const double* p = d.padrao(i);
        if (std::any_of(p, p + d.dimensao, [](double v) { return std::isnan(v); })) continue;
        TPontoPlano ponto;
        x->projecao.projeta(p, ponto.x, ponto.y);
        x->pontos.push_back(ponto);
        x->rotuloDoPonto.push_back(i < d.rotulo.size() ? d.rotulo[i] : -1);
    }
    x->valores = copiaDosValores(d.valores.data(), d.valores.size());
    if (!carga.nomesOutras.empty() &&
        carga.valoresOutras.size() == carga.nomesOutras.size() * d.padroes()) {
        x->valoresOutras = copiaDosValores(carga.valoresOutras.data(), carga.valoresOutras.size());
        if (x->valoresOutras) x->nomesOutras = carga.nomesOutras;
    }
    return x;
}

std::shared_ptr<TDadosMapa> dadosDoMapaLab(const TGradeLab& grade, const TDadosLab& dados,
                                           const TResultadoLab& r,
                                           const std::shared_ptr<const TExtrasMapa>& extras) {
    auto m = std::make_shared<TDadosMapa>();
    static_cast<TMapa&>(*m) = mapaDaGrade(grade, dados.dimensao, r.pesos);
    m->padroes = extras;
    const auto n = static_cast<std::size_t>(grade.unidades());
    m->contagens.assign(n, 0);
    for (std::size_t u = 0; u < n && u < r.acertos.size(); ++u)
        m->contagens[u] =
            static_cast<std::int32_t>(std::min<std::int64_t>(r.acertos[u], INT32_MAX));
    m->rotulos.assign(n, {});
    m->majoritario.assign(n, -1);
    for (std::size_t u = 0; u < n && u < r.rotulos.size(); ++u) {
        for (const TRotuloUnidade& ru : r.rotulos[u])
            m->rotulos[u].push_back(
                {dados.legenda[static_cast<std::size_t>(ru.rotulo)],
                 static_cast<std::int32_t>(std::min<std::int64_t>(ru.vezes, INT32_MAX))});
        if (!r.rotulos[u].empty()) m->majoritario[u] = r.rotulos[u].front().rotulo;
    }
    m->u = r.matrizU;
    m->vencedorDoPadrao = r.vencedores;
    m->distanciaDoPadrao = r.distancias;
    for (std::size_t e = 0; e < r.curva.size(); ++e)
        m->curva.push_back({static_cast<std::int64_t>(e + 1),
                            TErros{r.curva[e].quantizacao, r.curva[e].topografico}});
    if (r.medido && (r.completo || !r.vencedores.empty()))
        m->erros = TErros{r.quantizacao, r.topografico};
    return m;
}

TSessaoLab::~TSessaoLab() {
    if (thread_.joinable()) {
        controle_.parar = true;
        thread_.join();
    }
}

void TSessaoLab::carrega(const std::string& caminho) {
    defineDados(carregaDadosLab(caminho), caminho);
}

void TSessaoLab::defineDados(TCargaLab carga, const std::string& caminho) {
    if (ocupada()) throw std::logic_error("dados trocados durante o treino");
    instalaDados(preparaDados(std::move(carga), caminho, nullptr));
}

TSessaoLab::TNovosDados TSessaoLab::preparaDados(TCargaLab carga, const std::string& caminho,
                                                 TControle* controle) const {
    if (carga.dados.padroes() == 0)
        throw EFormatoArquivo(
            mensagem(QT_TRANSLATE_NOOP("Mensagens", "O arquivo não tem padrões.")));
    TNovosDados novos;
    novos.dados = std::make_shared<TDadosSessaoLab>();
    novos.dados->extras = extrasDosDadosLab(carga, controle);
    novos.dados->carga = std::move(carga);
    novos.arquivo = caminho;
    return novos;
}

namespace {

bool mesmosValores(const std::vector<double>& a, const std::vector<double>& b) {
    // Bit for bit: a missing value (NaN) equals itself.
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

bool mesmaCarga(const TCargaLab& a, const TCargaLab& b) {
    const TDadosLab &x = a.dados, &y = b.dados;
    if (x.dimensao != y.dimensao || !mesmosValores(x.valores, y.valores) || x.nomes != y.nomes ||
        x.legenda != y.legenda || x.rotulo != y.rotulo || a.normalizacao != b.normalizacao ||
        a.escala.size() != b.escala.size())
        return false;
    for (std::size_t i = 0; i < a.escala.size(); ++i)
        if (a.escala[i].a != b.escala[i].a || a.escala[i].b != b.escala[i].b) return false;
    return true;
}

}  // namespace

void TSessaoLab::esqueceMapa() {
    passos_.reset();
    reprisa_.reset();
    mapa_.reset();
    mapaDaExecucao_.reset();
    pesos_.clear();
    config_.reset();
    vizinhoMaisProximo_.reset();
}

void TSessaoLab::instalaDados(TNovosDados novos) {
    // No map is shown on data it was not trained on: the map waits for a training, a run or a
    // codebook.
    esqueceMapa();
    arquivo_ = std::move(novos.arquivo);
    // Data read again unchanged are the data of the runs trained on them, which stay comparable.
    std::shared_ptr<const TDadosSessaoLab> dados = std::move(novos.dados);
    const auto mesmos = [&](const std::shared_ptr<const TDadosSessaoLab>& d) {
        return d != dados && mesmaCarga(d->carga, dados->carga);
    };
    if (mesmos(dados_)) {
        dados = dados_;
    } else {
        for (const TExecucaoLab& e : execucoes_)
            if (mesmos(e.dados)) {
                dados = e.dados;
                break;
            }
    }
    dados_ = std::move(dados);
}

void TSessaoLab::preparaTrabalhador(TTarefa tarefa) {
    tarefa_ = tarefa;
    dadosLidos_.reset();
    mapaLido_.reset();
    sessaoLida_.reset();
    passosProntos_.reset();
    falhaDaLeitura_ = nullptr;
    precisaImportar_ = false;
    controle_.parar = false;
    controle_.anotaCiclo(0);
    terminou_ = false;
}

void TSessaoLab::iniciaTrabalho(TTarefa tarefa,
                                std::function<void(std::string& caminho)> trabalho) {
    preparaTrabalhador(tarefa);
    // A zip's entry dates are converted with the local time zone (mktime) on the worker: the
    // zone is read here first, so the worker finds it read.
    tzset();
    thread_ = std::thread([this, trabalho = std::move(trabalho)] {
        std::string caminho;
        try {
            trabalho(caminho);
        } catch (const EInterrompido&) {
        } catch (const std::exception& e) {
            falhaDaLeitura_ =
                std::make_exception_ptr(std::runtime_error(mensagemDaFalha(e, caminho)));
        } catch (...) {
            falhaDaLeitura_ = std::current_exception();
        }
        terminou_ = true;
    });
}

void TSessaoLab::iniciaCarga(std::function<std::string(TControle&)> arquivo, bool soPadroes) {
    if (ocupada()) throw std::logic_error("dados lidos durante outro trabalho");
    iniciaTrabalho(
        TTarefa::dados, [this, arquivo = std::move(arquivo), soPadroes](std::string& caminho) {
            caminho = arquivo(controle_);
            // Even the first line may run to the end of a large file: it is read with the stop.
            if (soPadroes && !temCabecalhoDePadroes(caminho, &controle_)) {
                precisaImportar_ = true;
                return;
            }
            dadosLidos_ = preparaDados(carregaDadosLab(caminho, &controle_), caminho, &controle_);
        });
}

void TSessaoLab::iniciaCarga(TCargaLab carga, const std::string& caminho) {
    if (ocupada()) throw std::logic_error("dados lidos durante outro trabalho");
    auto lida = std::make_shared<TCargaLab>(std::move(carga));
    iniciaTrabalho(TTarefa::dados, [this, lida, caminho](std::string& lendo) {
        lendo = caminho;
        dadosLidos_ = preparaDados(std::move(*lida), caminho, &controle_);
    });
}

void TSessaoLab::iniciaMapa(const std::string& caminho) {
    if (ocupada()) throw std::logic_error("mapa lido durante outro trabalho");
    iniciaTrabalho(TTarefa::mapa, [this, caminho](std::string& lendo) {
        lendo = caminho;
        const TCodebook codebook = leCodebook(caminho);
        if (controle_.passo()) throw EInterrompido();
        mapaLido_ = preparaMapa(codebook, &controle_);
    });
}

std::shared_ptr<const TDadosMapa> TSessaoLab::mapa() const {
    if (mapa_) return mapa_;
    auto vazio = std::make_shared<TDadosMapa>();
    vazio->padroes = dados_->extras;
    return vazio;
}

void TSessaoLab::instala(const TGradeLab& grade, TResultadoLab resultado,
                         std::optional<TConfiguracaoLab> config) {
    grade_ = grade;
    config_ = std::move(config);
    pesos_ = resultado.pesos;
    mapa_ = dadosDoMapaLab(grade, dados_->carga.dados, resultado, dados_->extras);
    mapaDaExecucao_.reset();
    poePercurso(*mapa_, grade, resultado);
    poeOrigem(resultado.epocas);
}

TDadosMapa::TOrigem TSessaoLab::origemDe(const TConfiguracaoLab& config, const std::string& arquivo,
                                         std::int32_t epocas) {
    TDadosMapa::TOrigem origem;
    origem.arquivo = arquivo;
    origem.vizinhanca = config.vizinhanca == TVizinhancaLab::gaussiana ? "gaussiana" : "bolha";
    origem.raio = static_cast<std::int32_t>(std::lround(config.raio.inicial));
    origem.ciclos = epocas;
    return origem;
}

void TSessaoLab::poeOrigem(std::int32_t epocas) {
    if (config_) mapa_->origem = origemDe(*config_, arquivo_, epocas);
}

void TSessaoLab::defineMapa(const TCodebook& c) {
    if (ocupada()) throw std::logic_error("mapa trocado durante o treino");
    instalaMapa(preparaMapa(c, nullptr));
}

TSessaoLab::TNovoMapa TSessaoLab::preparaMapa(const TCodebook& c, TControle* controle) const {
    if (!temDados())
        throw ECodebook(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "Abra os dados antes do mapa: ele é medido nos padrões.")));
    if (c.dimensao != dados_->carga.dados.dimensao)
        throw ECodebook(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O mapa tem %1 valores por unidade; os dados têm %2."),
            {c.dimensao, dados_->carga.dados.dimensao}));
    TGradeLab g;
    g.linhas = c.linhas;
    g.colunas = c.colunas;
    g.topologia = c.hexagonal ? TTopologiaLab::hexagonal : TTopologiaLab::retangular;
    g.toroidal = c.toroidal;
    if (const std::string m = validaGrade(g); !m.empty()) throw ECodebook(m);
    for (const double v : c.pesos)
        if (std::isnan(v))
            throw ECodebook(
                mensagem(QT_TRANSLATE_NOOP("Mensagens", "O mapa tem valores ausentes.")));
    TNovoMapa novo{g, medeLab(dados_->carga.dados, g, c.pesos, 0, controle),
                   configuracaoDosComentariosLab(c.comentarios, c.linhas, c.colunas), std::nullopt};
    if (const auto erros = errosDosComentariosLab(c.comentarios))
        novo.erros = TErros{erros->first, erros->second};
    return novo;
}

void TSessaoLab::instalaMapa(TNovoMapa novo) {
    // Comments that do not describe this grid are not its settings.
    if (novo.config && !(novo.config->grade == novo.grade)) novo.config.reset();
    const std::int32_t epocas = novo.config ? novo.config->epocas : 0;
    instala(novo.grade, std::move(novo.medida), std::move(novo.config));
    poeOrigem(epocas);
    if (novo.erros) mapa_->erros = novo.erros;
    reprisa_.reset();
}

TCodebook codebookDoMapaLab(const TDadosMapa& mapa, const std::optional<TConfiguracaoLab>& config) {
    TCodebook c = codebookDoMapa(mapa);
    if (!config) return c;
    c.gaussiana = config->vizinhanca == TVizinhancaLab::gaussiana;
    c.comentarios = comentariosDoTreinoLab(*config, mapa.erros ? mapa.erros->quantizacao : 0.0,
                                           mapa.erros ? mapa.erros->topografico : 0.0);
    return c;
}

TCodebook TSessaoLab::codebook() const {
    if (!mapa_) return {};
    return codebookDoMapaLab(*mapa_, config_);
}

TCodebook TSessaoLab::codebookDe(std::size_t i) const {
    const TExecucaoLab& e = execucoes_.at(i);
    return codebookDoMapaLab(*e.mapa, e.config);
}

void TSessaoLab::reabre(std::size_t i) {
    if (ocupada()) throw std::logic_error("execução reaberta durante o treino");
    const TExecucaoLab& e = execucoes_.at(i);
    passos_.reset();
    reprisa_.reset();
    if (e.dados != dados_) {
        dados_ = e.dados;
        arquivo_ = e.arquivo;
        vizinhoMaisProximo_.reset();
    }
    grade_ = e.config.grade;
    config_ = e.config;
    pesos_ = e.pesos;
    mapa_ = std::make_shared<TDadosMapa>(*e.mapa);
    mapaDaExecucao_ = e.mapa;
    reprisa_ = e.reprisa;
}

void TSessaoLab::renomeia(std::size_t i, const std::string& nome) {
    if (execucoes_.at(i).nome == nome) return;
    execucoes_.at(i).nome = nome;
    alterada_ = true;
}

void TSessaoLab::remove(std::size_t i) {
    if (i >= execucoes_.size()) return;
    execucoes_.erase(execucoes_.begin() + static_cast<std::ptrdiff_t>(i));
    alterada_ = true;
}

void TSessaoLab::limitaReprisas() {
    std::size_t bytes = 0;
    for (auto e = execucoes_.rbegin(); e != execucoes_.rend(); ++e) {
        if (!e->reprisa) continue;
        bytes += e->reprisa->bytes();
        if (bytes > 8 * limiteGravacao_) e->reprisa.reset();
    }
}

namespace {

// Why a stepped training cannot start on these data with these settings, or empty.
std::string recusaDosPassos(const TCargaLab& carga, const TConfiguracaoLab& config) {
    if (carga.dados.padroes() == 0)
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "Abra um arquivo de dados antes de treinar."));
    if (config.modo != TModoLab::online)
        return mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "O treino passo a passo é o online: escolha o modo Online."));
    return validaConfiguracao(config, carga.dados);
}

}  // namespace

std::string TSessaoLab::iniciaPassos(const TConfiguracaoLab& config) {
    if (ocupada())
        return mensagem(QT_TRANSLATE_NOOP("Mensagens", "Um treino já está em andamento."));
    if (std::string m = recusaDosPassos(dados_->carga, config); !m.empty()) return m;
    configPassos_ = config;
    passos_.reset();
    iniciaTrabalho(TTarefa::passos, [this, config](std::string&) {
        passosProntos_ = std::make_unique<TPassosLab>(dados_->carga.dados, config, &controle_);
    });
    return {};
}

std::string TSessaoLab::passo(const TConfiguracaoLab& config) {
    if (ocupada())
        return mensagem(QT_TRANSLATE_NOOP("Mensagens", "Um treino já está em andamento."));
    if (precisaPassos(config)) {
        if (std::string m = recusaDosPassos(dados_->carga, config); !m.empty()) return m;
        passos_ = std::make_unique<TPassosLab>(dados_->carga.dados, config);
        configPassos_ = config;
    }
    const std::optional<TPassoLab> feito = passos_->proximo();
    if (!feito) {
        passos_.reset();
        return mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "O treino passo a passo chegou ao fim; o próximo passo começa outro."));
    }
    // Only what the step shows: a search of every pattern on a large map takes seconds.
    TResultadoLab agora = passos_->instante();
    pesos_ = agora.pesos;
    grade_ = config.grade;
    config_ = config;
    mapa_ = mapaDoInstante(config.grade, agora.pesos, agora.vencedores, std::move(agora.curva));
    mapaDaExecucao_.reset();
    poeOrigem(agora.epocas);
    reprisa_.reset();
    TDadosMapa::TPassoAtual s;
    s.ciclo = feito->epoca;
    s.ciclos = config.epocas;
    s.padrao = static_cast<std::int64_t>(feito->padrao);
    s.padroes = static_cast<std::int64_t>(dados_->carga.dados.padroes());
    s.vencedor = feito->vencedor;
    s.raio = feito->raio;
    s.taxa = feito->taxa;
    const double* x = dados_->carga.dados.padrao(feito->padrao);
    s.valores.assign(x, x + dados_->carga.dados.dimensao);
    s.antes = feito->antes;
    s.depois = feito->depois;
    const std::int32_t r = feito->padrao < dados_->carga.dados.rotulo.size()
                               ? dados_->carga.dados.rotulo[feito->padrao]
                               : -1;
    if (r >= 0) s.rotulo = dados_->carga.dados.legenda[static_cast<std::size_t>(r)];
    for (std::int32_t u = 0; u < config.grade.unidades(); ++u)
        if (std::sqrt(config.grade.distancia2(feito->vencedor, u)) <= feito->raio)
            s.alcance.push_back(u);
    mapa_->passo = std::move(s);
    if (passos_->terminou()) passos_.reset();
    return {};
}

std::string TSessaoLab::inicia(const TConfiguracaoLab& config) {
    if (ocupada())
        return mensagem(QT_TRANSLATE_NOOP("Mensagens", "Um treino já está em andamento."));
    if (!temDados())
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "Abra um arquivo de dados antes de treinar."));
    if (std::string m = validaConfiguracao(config, dados_->carga.dados); !m.empty()) return m;
    passos_.reset();
    reprisa_.reset();
    inicio_ = std::chrono::steady_clock::now();
    emCurso_ = config;
    // The replay keeps a frame per epoch within 64 MiB, halving how many it keeps when full; a
    // map whose single frame would take more than a sixteenth of that is not recorded.
    const std::size_t bytesPorQuadro = static_cast<std::size_t>(config.grade.unidades()) *
                                           static_cast<std::size_t>(dados_->carga.dados.dimensao) *
                                           sizeof(double) +
                                       dados_->carga.dados.padroes() * sizeof(std::int32_t);
    gravando_ = bytesPorQuadro <= limiteGravacao_ / 16;
    intervaloGravacao_ = 1;
    gravacao_.clear();
    bytesGravados_ = 0;
    preparaTrabalhador(TTarefa::treino);
    // The starting map (epoch 0) is shown as soon as it is made.
    aoVivo_.esvazia();
    aoVivo_.pede();
    {
        std::lock_guard<std::mutex> trava(mutex_);
        resultado_.reset();
        falha_.clear();
        curvaAoVivo_.clear();
    }
    controle_.querInstantaneo = [this](std::int64_t) { return gravando_ || aoVivo_.quer(); };
    controle_.aoInstantaneo = [this](const TInstantaneo& i) {
        aoVivo_.deposita(i);
        if (gravando_ && i.ciclos % intervaloGravacao_ == 0) {
            std::lock_guard<std::mutex> trava(mutex_);
            grava(i);
        }
    };
    thread_ = std::thread([this] {
        try {
            TResultadoLab r = treinaLab(dados_->carga.dados, emCurso_, &controle_,
                                        [this](std::int32_t, const TEpocaLab& e) {
                                            std::lock_guard<std::mutex> trava(mutex_);
                                            curvaAoVivo_.push_back(e);
                                        });
            std::lock_guard<std::mutex> trava(mutex_);
            resultado_ = std::move(r);
        } catch (const EInterrompido&) {
            // Stopped while the starting map was made: nothing to keep, nothing failed.
        } catch (const std::exception& e) {
            std::lock_guard<std::mutex> trava(mutex_);
            falha_ = e.what();
        }
        terminou_ = true;
    });
    return {};
}

void TSessaoLab::grava(const TInstantaneo& i) {
    gravacao_.push_back({i.ciclos, i.pesos, i.vencedores});
    bytesGravados_ += bytesDoQuadro(i.pesos, i.vencedores);
    if (bytesGravados_ <= limiteGravacao_) return;
    // Full: keep the start and every other epoch of those kept, and record half as often.
    intervaloGravacao_ *= 2;
    std::erase_if(gravacao_, [this](const TReprisaLab::TQuadro& q) {
        if (q.epoca == 0 || q.epoca % intervaloGravacao_ == 0) return false;
        bytesGravados_ -= bytesDoQuadro(q.pesos, q.vencedores);
        return true;
    });
}

std::shared_ptr<TDadosMapa> TSessaoLab::quadro(std::size_t i) const {
    const TReprisaLab& r = *reprisa_;
    const TReprisaLab::TQuadro& q = r.quadros.at(i);
    std::vector<TEpocaLab> curva(
        r.curva.begin(),
        r.curva.begin() + std::clamp<std::ptrdiff_t>(q.epoca, 0, std::ssize(r.curva)));
    return mapaDoInstante(r.grade, q.pesos, q.vencedores, std::move(curva));
}

std::shared_ptr<TDadosMapa> TSessaoLab::mapaDoInstante(const TGradeLab& grade,
                                                       const std::vector<double>& pesos,
                                                       const std::vector<std::int32_t>& vencedores,
                                                       std::vector<TEpocaLab> curva) const {
    TResultadoLab r = resumoLab(dados_->carga.dados, grade, pesos, vencedores);
    r.curva = std::move(curva);
    auto m = dadosDoMapaLab(grade, dados_->carga.dados, r, dados_->extras);
    // The errors of an instant are those of its epoch on the curve (the map itself is not
    // measured).
    m->erros.reset();
    if (!m->curva.empty()) m->erros = m->curva.back().erros;
    poePercurso(*m, grade, r);
    return m;
}

void TSessaoLab::poePercurso(TDadosMapa& m, const TGradeLab& grade, const TResultadoLab& r,
                             const TDadosSessaoLab& d, std::optional<double>& vizinhoMaisProximo) {
    const TDadosLab& dados = d.carga.dados;
    const bool anel =
        grade.toroidal && (grade.linhas == 1 || grade.colunas == 1) && grade.unidades() >= 3;
    // The nearest-neighbour tour is quadratic: computed once per data, and only for data whose
    // tour takes a few tens of milliseconds at most (a few thousand cities).
    const double termos = static_cast<double>(dados.padroes()) *
                          static_cast<double>(dados.padroes()) * dados.dimensao;
    if (!anel || termos > 5e7 || r.vencedores.size() != dados.padroes()) return;
    TPercursoLab tour = percursoDoAnel(dados, r.pesos, r.vencedores, grade.unidades());
    if (tour.ordem.empty()) return;
    if (!vizinhoMaisProximo) vizinhoMaisProximo = percursoDoVizinhoMaisProximo(dados).comprimento;
    TDadosMapa::TPercurso p;
    for (const std::size_t i : tour.ordem) {
        TPontoPlano ponto;
        d.extras->projecao.projeta(dados.padrao(i), ponto.x, ponto.y);
        p.cidades.push_back(ponto);
    }
    p.ordem = std::move(tour.ordem);
    p.comprimento = tour.comprimento;
    p.vizinhoMaisProximo = *vizinhoMaisProximo;
    m.percurso = std::move(p);
}

void TSessaoLab::para() {
    controle_.parar = true;
}

TSessaoLab::TAndamento TSessaoLab::andamento() const {
    TAndamento a;
    a.epocas = controle_.ciclos.load(std::memory_order_relaxed);
    a.totalEpocas = emCurso_.epocas;
    a.padroes = controle_.padroes.load(std::memory_order_relaxed);
    a.totalPadroes = static_cast<std::int64_t>(dados_->carga.dados.padroes());
    return a;
}

std::shared_ptr<TDadosMapa> TSessaoLab::mapaAoVivo() {
    TQuadroAoVivo q;
    const bool novo = aoVivo_.toma(q);
    aoVivo_.pede();
    if (!novo) return nullptr;
    std::vector<TEpocaLab> curva;
    {
        std::lock_guard<std::mutex> trava(mutex_);
        curva = curvaAoVivo_;
    }
    return mapaDoInstante(emCurso_.grade, q.pesos, q.vencedores, std::move(curva));
}

namespace {

std::string mensagemDa(const std::exception_ptr& falha) {
    if (!falha) return {};
    try {
        std::rethrow_exception(falha);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return mensagem(QT_TRANSLATE_NOOP("Mensagens", "Falha desconhecida."));
    }
}

}  // namespace

bool TSessaoLab::conclui() {
    if (!thread_.joinable() || !terminou_) return false;
    thread_.join();
    if (tarefa_ != TTarefa::treino) {
        erro_ = mensagemDa(falhaDaLeitura_);
        parado_ = !dadosLidos_ && !mapaLido_ && !passosProntos_ && !sessaoLida_ &&
                  !falhaDaLeitura_ && !precisaImportar_;
        if (dadosLidos_) instalaDados(std::move(*dadosLidos_));
        if (mapaLido_) instalaMapa(std::move(*mapaLido_));
        if (sessaoLida_) instalaSessao(std::move(*sessaoLida_));
        sessaoLida_.reset();
        if (tarefa_ == TTarefa::passos) passos_ = std::move(passosProntos_);
        dadosLidos_.reset();
        mapaLido_.reset();
        return true;
    }
    std::optional<TResultadoLab> r;
    std::vector<TReprisaLab::TQuadro> quadros;
    {
        std::lock_guard<std::mutex> trava(mutex_);
        r = std::move(resultado_);
        erro_ = falha_;
        quadros = std::move(gravacao_);
        gravacao_.clear();
    }
    parado_ = r ? !r->completo : erro_.empty();
    if (r && !quadros.empty()) {
        // The last frame is the map the training left.
        if (quadros.back().epoca == r->epocas) quadros.pop_back();
        quadros.push_back({r->epocas, r->pesos, r->vencedores});
    }
    if (r && quadros.size() >= 2) {
        auto reprisa = std::make_shared<TReprisaLab>();
        reprisa->grade = emCurso_.grade;
        reprisa->curva = r->curva;
        reprisa->quadros = std::move(quadros);
        reprisa_ = std::move(reprisa);
    }
    if (r) {
        const std::int32_t epocas = r->epocas;
        instala(emCurso_.grade, std::move(*r), emCurso_);
        TExecucaoLab e;
        e.nome = nomeDosTreinos_ + ' ' + std::to_string(++treinos_);
        e.config = emCurso_;
        e.pesos = pesos_;
        e.mapa = mapa_;
        mapaDaExecucao_ = mapa_;
        e.segundos =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio_).count();
        e.epocas = epocas;
        e.parada = parado_;
        e.reprisa = reprisa_;
        e.dados = dados_;
        e.arquivo = arquivo_;
        execucoes_.push_back(std::move(e));
        alterada_ = true;
        limitaReprisas();
    }
    return true;
}
