#include "UAjustesLab.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

const std::array<TDescricaoAjusteLab, kAjustesLab>& ajustesLab() {
    using A = TAjusteLab;
    static const std::array<TDescricaoAjusteLab, kAjustesLab> tabela{{
        {A::linhas, QT_TRANSLATE_NOOP("TAjustesLab", "Linhas"), "LabLinhasSpin", {}},
        {A::colunas, QT_TRANSLATE_NOOP("TAjustesLab", "Colunas"), "LabColunasSpin", {}},
        {A::topologia,
         QT_TRANSLATE_NOOP("TAjustesLab", "Topologia"),
         "LabTopologiaCombo",
         {{"retangular", QT_TRANSLATE_NOOP("TAjustesLab", "Retangular")},
          {"hexagonal", QT_TRANSLATE_NOOP("TAjustesLab", "Hexagonal")}}},
        {A::toroidal,
         QT_TRANSLATE_NOOP("TAjustesLab", "Toroidal"),
         "LabToroidalCheckBox",
         {{"nao", QT_TRANSLATE_NOOP("TAjustesLab", "não")},
          {"sim", QT_TRANSLATE_NOOP("TAjustesLab", "sim")}}},
        {A::modo,
         QT_TRANSLATE_NOOP("TAjustesLab", "Modo"),
         "LabModoCombo",
         {{"online", QT_TRANSLATE_NOOP("TAjustesLab", "Online")},
          {"lote", QT_TRANSLATE_NOOP("TAjustesLab", "Lote")}}},
        {A::vizinhanca,
         QT_TRANSLATE_NOOP("TAjustesLab", "Vizinhança"),
         "LabVizinhancaCombo",
         {{"bolha", QT_TRANSLATE_NOOP("TAjustesLab", "Bolha")},
          {"gaussiana", QT_TRANSLATE_NOOP("TAjustesLab", "Gaussiana")}}},
        {A::raioInicial,
         QT_TRANSLATE_NOOP("TAjustesLab", "Raio inicial"),
         "LabRaioInicialEdit",
         {}},
        {A::raioFinal, QT_TRANSLATE_NOOP("TAjustesLab", "Raio final"), "LabRaioFinalEdit", {}},
        {A::taxaInicial,
         QT_TRANSLATE_NOOP("TAjustesLab", "Taxa inicial"),
         "LabTaxaInicialEdit",
         {}},
        {A::taxaFinal, QT_TRANSLATE_NOOP("TAjustesLab", "Taxa final"), "LabTaxaFinalEdit", {}},
        {A::decaimento,
         QT_TRANSLATE_NOOP("TAjustesLab", "Decaimento"),
         "LabDecaimentoCombo",
         {{"linear", QT_TRANSLATE_NOOP("TAjustesLab", "Linear")},
          {"exponencial", QT_TRANSLATE_NOOP("TAjustesLab", "Exponencial")}}},
        {A::epocas, QT_TRANSLATE_NOOP("TAjustesLab", "Épocas"), "LabEpocasSpin", {}},
        {A::ordem,
         QT_TRANSLATE_NOOP("TAjustesLab", "Ordem"),
         "LabOrdemCombo",
         {{"arquivo", QT_TRANSLATE_NOOP("TAjustesLab", "Arquivo")},
          {"embaralhada", QT_TRANSLATE_NOOP("TAjustesLab", "Embaralhada")}}},
        {A::inicio,
         QT_TRANSLATE_NOOP("TAjustesLab", "Início"),
         "LabInicioCombo",
         {{"aleatorio", QT_TRANSLATE_NOOP("TAjustesLab", "Aleatório")},
          {"amostras", QT_TRANSLATE_NOOP("TAjustesLab", "Amostras")},
          {"linear", QT_TRANSLATE_NOOP("TAjustesLab", "Linear")},
          {"canto", QT_TRANSLATE_NOOP("TAjustesLab", "Canto")},
          {"mapa", QT_TRANSLATE_NOOP("TAjustesLab", "Mapa")}}},
        {A::semente, QT_TRANSLATE_NOOP("TAjustesLab", "Semente"), "LabSementeEdit", {}},
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

namespace {

std::optional<double> realDoComentario(std::string_view s) {
    std::string texto(s);
    std::replace(texto.begin(), texto.end(), ',', '.');
    double v = 0.0;
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), v);
    if (r.ec != std::errc() || r.ptr != texto.data() + texto.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<TAgendaLab> agendaDoComentario(std::string_view s) {
    const std::size_t dois = s.find(':');
    if (dois == std::string_view::npos) return std::nullopt;
    const std::optional<double> a = realDoComentario(s.substr(0, dois));
    const std::optional<double> b = realDoComentario(s.substr(dois + 1));
    if (!a || !b) return std::nullopt;
    return TAgendaLab{*a, *b};
}

}  // namespace

std::optional<TConfiguracaoLab> configuracaoDosComentariosLab(
    const std::vector<std::string>& comentarios, std::int32_t linhas, std::int32_t colunas) {
    constexpr std::string_view kInicio = "norvika-lab topologia=";
    for (const std::string& comentario : comentarios) {
        std::string_view linha(comentario);
        while (!linha.empty() && (linha.front() == ' ' || linha.front() == '\t'))
            linha.remove_prefix(1);
        if (!linha.starts_with(kInicio)) continue;
        TConfiguracaoLab c;
        c.grade.linhas = linhas;
        c.grade.colunas = colunas;
        linha.remove_prefix(std::string_view("norvika-lab ").size());
        while (!linha.empty()) {
            const std::size_t espaco = linha.find(' ');
            const std::string_view palavra = linha.substr(0, espaco);
            linha.remove_prefix(espaco == std::string_view::npos ? linha.size() : espaco + 1);
            if (palavra.empty()) continue;
            const std::size_t igual = palavra.find('=');
            if (igual == std::string_view::npos) return std::nullopt;
            const std::string_view chave = palavra.substr(0, igual);
            const std::string_view valor = palavra.substr(igual + 1);
            // The choices under the words comentariosDoTreinoLab gives them.
            using A = TAjusteLab;
            static constexpr std::pair<std::string_view, TAjusteLab> kEscolhas[] = {
                {"topologia", A::topologia},
                {"toroidal", A::toroidal},
                {"vizinhanca", A::vizinhanca},
                {"decaimento", A::decaimento},
                {"modo", A::modo},
                {"ordem", A::ordem},
                {"inicio", A::inicio}};
            const auto escolha = std::find_if(std::begin(kEscolhas), std::end(kEscolhas),
                                              [&](const auto& e) { return e.first == chave; });
            if (escolha != std::end(kEscolhas)) {
                const std::optional<std::size_t> e = escolhaPorToken(escolha->second, valor);
                if (!e || !defineEscolha(c, escolha->second, *e)) return std::nullopt;
                continue;
            }
            if (chave == "raio" || chave == "taxa") {
                const std::optional<TAgendaLab> a = agendaDoComentario(valor);
                if (!a) return std::nullopt;
                (chave == "raio" ? c.raio : c.taxa) = *a;
            } else if (chave == "epocas") {
                std::int32_t e = 0;
                const auto r = std::from_chars(valor.data(), valor.data() + valor.size(), e);
                if (r.ec != std::errc() || r.ptr != valor.data() + valor.size() || e < 1 ||
                    e > kEpocasMaximasLab)
                    return std::nullopt;
                c.epocas = e;
            } else if (chave == "semente") {
                const std::optional<std::uint64_t> semente = sementeDeTexto(valor);
                if (!semente) return std::nullopt;
                c.semente = *semente;
            } else {
                return std::nullopt;
            }
        }
        if (c.inicio == TInicioLab::pesos) c.inicio = TInicioLab::amostras;
        return c;
    }
    return std::nullopt;
}

std::optional<std::pair<double, double>> errosDosComentariosLab(
    const std::vector<std::string>& comentarios) {
    constexpr std::string_view kQuantizacao = "norvika-lab erro_quantizacao=";
    constexpr std::string_view kTopografico = " erro_topografico=";
    for (const std::string& comentario : comentarios) {
        std::string_view linha(comentario);
        while (!linha.empty() && (linha.front() == ' ' || linha.front() == '\t'))
            linha.remove_prefix(1);
        if (!linha.starts_with(kQuantizacao)) continue;
        linha.remove_prefix(kQuantizacao.size());
        const std::size_t meio = linha.find(kTopografico);
        if (meio == std::string_view::npos) return std::nullopt;
        const std::optional<double> q = realDoComentario(linha.substr(0, meio));
        std::string_view resto = linha.substr(meio + kTopografico.size());
        while (!resto.empty() && (resto.back() == ' ' || resto.back() == '\r'))
            resto.remove_suffix(1);
        const std::optional<double> t = realDoComentario(resto);
        if (!q || !t) return std::nullopt;
        return std::pair(*q, *t);
    }
    return std::nullopt;
}
