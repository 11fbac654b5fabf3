#include "ULaboratorio.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

#include "UErros.h"
#include "ULaboratorioInterno.h"
#include "UTraducao.h"

double vizinhancaLab(TVizinhancaLab tipo, double d2, double sigma) {
    if (tipo == TVizinhancaLab::bolha) return std::sqrt(d2) <= sigma ? 1.0 : 0.0;
    // Below about 1e-162 the square of the radius rounds to 0, and d2 / 0 would make the
    // winner's own weight NaN: such a radius is the radius 0, the winner alone.
    const double s2 = 2.0 * sigma * sigma;
    if (s2 == 0.0) return d2 == 0.0 ? 1.0 : 0.0;
    return std::exp(-d2 / s2);
}

double TAgendaLab::valor(double f, TDecaimentoLab decaimento) const {
    if (decaimento == TDecaimentoLab::linear) return inicial + (final - inicial) * f;
    return inicial * std::pow(final / inicial, f);
}

std::string validaConfiguracao(const TConfiguracaoLab& c, const TDadosLab& dados) {
    if (std::string m = validaGrade(c.grade); !m.empty()) return m;
    const auto finito = [](double v) { return std::isfinite(v); };
    if (!finito(c.raio.inicial) || !finito(c.raio.final) || c.raio.inicial < 0.0 ||
        c.raio.final < 0.0)
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O raio deve ser um número maior ou igual a zero."));
    if (c.modo == TModoLab::online &&
        (!finito(c.taxa.inicial) || !finito(c.taxa.final) || c.taxa.inicial <= 0.0 ||
         c.taxa.final <= 0.0 || c.taxa.inicial > 1.0 || c.taxa.final > 1.0))
        return mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "A taxa de aprendizado deve estar entre 0 (exclusive) e 1."));
    if (c.decaimento == TDecaimentoLab::exponencial &&
        (c.raio.inicial <= 0.0 || c.raio.final <= 0.0))
        return mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "O decaimento exponencial precisa de raios inicial e final positivos."));
    if (c.epocas < 1 || c.epocas > kEpocasMaximasLab)
        return mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O número de épocas deve estar entre 1 e 1000000."));
    if (dados.dimensao < 1 || dados.padroes() == 0)
        return mensagem(QT_TRANSLATE_NOOP("Mensagens", "Não há padrões para treinar."));
    bool algumValor = false;
    for (std::size_t i = 0; i < dados.padroes() && !algumValor; ++i)
        algumValor = valoresPresentes(dados.padrao(i), dados.dimensao) > 0;
    if (!algumValor) return mensagem(QT_TRANSLATE_NOOP("Mensagens", "Nenhum padrão tem valores."));
    if (c.inicio == TInicioLab::pesos &&
        c.pesosIniciais.size() !=
            static_cast<std::size_t>(c.grade.unidades()) * static_cast<std::size_t>(dados.dimensao))
        return mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "Os pesos iniciais não têm o tamanho do mapa e a dimensão dos padrões."));
    return {};
}

namespace {

// Past this many terms (patterns x units x values) a stopped training is not measured again: about
// a quarter of a second here with AVX-512 on two threads.
constexpr double kTermosAposParada = 2e9;

}  // namespace

TTreinoLab::TTreinoLab(const TDadosLab& dados, const TConfiguracaoLab& config, TControle* controle,
                       const TAoFimDaEpocaLab& aoFimDaEpoca, TControle* controleDoInicio)
    : dados_(dados),
      config_(config),
      controle_(controle),
      aoFimDaEpoca_(aoFimDaEpoca),
      presenca_(presenca(dados)),
      mapa_(config.grade, dados.dimensao),
      threads_(
          threadsLab(config.threads, dados.padroes(), config.grade.unidades(), dados.dimensao)) {
    mapa_.defineLinhas(
        pesosIniciaisLab(dados, config, controle != nullptr ? controle : controleDoInicio));
    fatores_.assign(static_cast<std::size_t>(mapa_.passo()) + 8, -1.0);
    conhecidos_.assign(dados.padroes(), -1);
}

TResultadoLab TTreinoLab::executa() {
    TResultadoLab r;
    // Online training is one sequence of presentations: a second thread sharing each one
    // (meeting twice a pattern) measured slower than one here. The final measure may use two.
    r.threads = config_.modo == TModoLab::online ? 1 : threads_;
    r.ignorados = presenca_.vazios;
    entrega(0, conhecidos_);
    bool parado = false;
    std::vector<TMelhores> melhores;
    if (config_.modo == TModoLab::online)
        parado = online(r);
    else
        parado = lote(r, melhores);
    r.completo = !parado;
    if (parado && static_cast<double>(dados_.padroes()) * mapa_.unidades() * mapa_.dimensao() >
                      kTermosAposParada) {
        // A map too large to measure at once after a stop is summed up from the winners
        // already found, so that Parar answers at once; its errors stay unmeasured.
        r.pesos = mapa_.porLinhas();
        r.vencedores = conhecidos_;
        resumeVencedores(dados_, mapa_, r);
        r.medido = false;
        return r;
    }
    // The batch's last search measured the final map already.
    if (config_.modo == TModoLab::online || parado || melhores.size() != dados_.padroes()) {
        bool ignorado = false;
        buscaTodos(dados_, presenca_, mapa_, threads_, melhores, nullptr, ignorado);
    }
    completaResultado(dados_, mapa_, melhores, r);
    return r;
}

void TTreinoLab::entrega(std::int32_t epocas, const std::vector<std::int32_t>& vencedores) {
    if (controle_ == nullptr) return;
    controle_->anotaCiclo(epocas);
    if (!controle_->querMapa(epocas)) return;
    const std::vector<double> pesos = mapa_.porLinhas();
    controle_->aoInstantaneo(TInstantaneo{epocas, pesos, vencedores});
}

void TTreinoLab::instante(TResultadoLab& r) const {
    r.pesos = mapa_.porLinhas();
    r.vencedores = conhecidos_;
    r.medido = false;
}

void TTreinoLab::mede(TResultadoLab& r) {
    std::vector<TMelhores> melhores;
    bool ignorado = false;
    buscaTodos(dados_, presenca_, mapa_, threads_, melhores, nullptr, ignorado);
    completaResultado(dados_, mapa_, melhores, r);
}

TResultadoLab treinaLab(const TDadosLab& dados, const TConfiguracaoLab& config, TControle* controle,
                        const TAoFimDaEpocaLab& aoFimDaEpoca) {
    if (std::string m = validaConfiguracao(config, dados); !m.empty())
        throw std::invalid_argument(m);
    verificaMemoria(dados, config.grade);
    limpaEstadoVetorial();
    TTreinoLab treino(dados, config, controle, aoFimDaEpoca);
    return treino.executa();
}

TResultadoLab medeLab(const TDadosLab& dados, const TGradeLab& grade,
                      const std::vector<double>& pesos, int threads, TControle* controle) {
    verificaMemoria(dados, grade);
    TMapaLab mapa(grade, dados.dimensao);
    mapa.defineLinhas(pesos);
    const TPresenca p = presenca(dados);
    TResultadoLab r;
    r.threads = threadsLab(threads, dados.padroes(), grade.unidades(), dados.dimensao);
    r.ignorados = p.vazios;
    r.completo = true;
    std::vector<TMelhores> melhores;
    bool parado = false;
    buscaTodos(dados, p, mapa, r.threads, melhores, controle, parado);
    if (parado) throw EInterrompido();
    completaResultado(dados, mapa, melhores, r);
    return r;
}

TResultadoLab resumoLab(const TDadosLab& dados, const TGradeLab& grade,
                        const std::vector<double>& pesos,
                        const std::vector<std::int32_t>& vencedores) {
    verificaMemoria(dados, grade);
    TMapaLab mapa(grade, dados.dimensao);
    mapa.defineLinhas(pesos);
    TResultadoLab r;
    r.pesos = pesos;
    r.vencedores = vencedores;
    r.vencedores.resize(dados.padroes(), -1);
    resumeVencedores(dados, mapa, r);
    return r;
}

std::optional<std::uint64_t> sementeDeTexto(std::string_view texto) {
    while (!texto.empty() && (texto.front() == ' ' || texto.front() == '\t'))
        texto.remove_prefix(1);
    while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\t')) texto.remove_suffix(1);
    std::uint64_t v = 0;
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), v);
    if (texto.empty() || r.ec != std::errc() || r.ptr != texto.data() + texto.size())
        return std::nullopt;
    return v;
}
