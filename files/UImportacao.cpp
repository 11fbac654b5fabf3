#include "UImportacao.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "UErros.h"
#include "UImportacaoInterna.h"
#include "ULimites.h"
#include "UNumeros.h"
#include "UTraducao.h"

namespace {

// Windows-1252 at 0x80..0x9F as Unicode; the rest of the upper half is Latin-1.
constexpr char16_t kCp1252[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                  0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

std::string utf8DeCp1252(std::string_view bytes) {
    std::string s;
    s.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        const char32_t u = b < 0x80 ? b : b < 0xA0 ? kCp1252[b - 0x80] : b;
        if (u < 0x80) {
            s += static_cast<char>(u);
        } else if (u < 0x800) {
            s += static_cast<char>(0xC0 | (u >> 6));
            s += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (u >> 12));
            s += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return s;
}

std::optional<std::size_t> colunaPorNome(const std::vector<TColuna>& colunas,
                                         std::string_view nome) {
    for (std::size_t k = 0; k < colunas.size(); ++k)
        if (colunas[k].nome == nome) return k;
    try {
        const std::int32_t n = textoParaInteiro(nome);
        if (n >= 1 && static_cast<std::size_t>(n) <= colunas.size())
            return static_cast<std::size_t>(n - 1);
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

}  // namespace

namespace importacao {

std::string naLinha(std::int64_t linha) {
    return mensagem(QT_TRANSLATE_NOOP("Mensagens", "Linha %1"), {linha});
}

// ---------------------------------------------------------------------------------------------
// Text

std::string_view apara(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

bool igualSemCaixa(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool ausente(std::string_view campo) {
    const std::string_view c = apara(campo);
    return c.empty() || c == "?" || c == "x" || c == "X" || igualSemCaixa(c, "NA") ||
           igualSemCaixa(c, "NaN");
}

// ---------------------------------------------------------------------------------------------
// Numbers

std::optional<double> numeroDe(std::string_view campo, char decimal) {
    double v = 0.0;
    const char* fim = campo.data() + campo.size();
    if (!campo.empty() && doubleCurto(campo.data(), fim, decimal, v) == fim) return v;
    const std::string_view c = apara(campo);
    if (c.empty() || expoenteSemDigitos(c)) return std::nullopt;
    try {
        return textoParaDouble(c, decimal);
    } catch (const EConversao&) {
        return std::nullopt;
    } catch (const EEstouroReal&) {
        return std::nullopt;  // beyond the double range: reported as not a number it can hold
    }
}

bool foraDaFaixa(std::string_view campo, char decimal) {
    try {
        armazenaReal(textoParaReal(apara(campo), decimal));
    } catch (const EEstouroReal&) {
        return true;
    } catch (const EConversao&) {
    }
    return false;
}

std::string citado(std::string_view campo) {
    const std::string_view c = apara(campo);
    return "\"" + std::string(c.substr(0, 60)) + (c.size() > 60 ? "…\"" : "\"");
}

// ---------------------------------------------------------------------------------------------
// Columns and roles

namespace {

void defineOutras(TImportacao& t) {
    t.outras.clear();
    for (std::size_t k = 0; k < t.colunas.size(); ++k)
        if (t.colunas[k].papel == TPapel::ignorada && t.colunas[k].numerica &&
            !t.colunas[k].numeraLinhas)
            t.outras.push_back(k);
}

}  // namespace

void definePapeis(TImportacao& t, const TOpcoesImportacao& o,
                  std::optional<std::size_t> rotuloPadrao) {
    t.atributos.clear();
    t.colunaRotulo.reset();
    if (o.papeis.size() == t.colunas.size()) {
        for (std::size_t k = 0; k < t.colunas.size(); ++k) {
            TPapel papel = o.papeis[k];
            if (papel == TPapel::rotulo) {
                if (t.colunaRotulo)
                    papel = TPapel::ignorada;  // one label: the first one chosen
                else
                    t.colunaRotulo = k;
            }
            t.colunas[k].papel = papel;
            if (papel == TPapel::atributo) t.atributos.push_back(k);
        }
        if (t.atributos.empty())
            throw EImportacao(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Escolha ao menos uma coluna como atributo.")));
        defineOutras(t);
        return;
    }
    for (TColuna& c : t.colunas)
        c.papel = c.numerica && !c.numeraLinhas ? TPapel::atributo : TPapel::ignorada;
    for (const std::string& nome : o.ignorar) {
        const auto k = colunaPorNome(t.colunas, nome);
        if (!k)
            throw EImportacao(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "A coluna \"%1\" a ignorar não existe na tabela."),
                {nome}));
        t.colunas[*k].papel = TPapel::ignorada;
    }
    std::optional<std::size_t> rotulo;
    if (o.rotulo) {
        rotulo = colunaPorNome(t.colunas, *o.rotulo);
        if (!rotulo)
            throw EImportacao(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "A coluna \"%1\" do rótulo não existe na tabela."),
                {*o.rotulo}));
    } else if (!o.semRotulo) {
        rotulo = rotuloPadrao;
        if (!rotulo)
            for (std::size_t k = t.colunas.size(); k-- > 0;)
                if (!t.colunas[k].numerica && std::find(o.ignorar.begin(), o.ignorar.end(),
                                                        t.colunas[k].nome) == o.ignorar.end()) {
                    rotulo = k;
                    break;
                }
    }
    if (rotulo) t.colunas[*rotulo].papel = TPapel::rotulo;
    t.colunaRotulo = rotulo;
    for (std::size_t k = 0; k < t.colunas.size(); ++k)
        if (t.colunas[k].papel == TPapel::atributo) t.atributos.push_back(k);
    if (t.atributos.empty())
        throw EImportacao(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "A tabela não tem nenhuma coluna numérica para servir de atributo.")));
    defineOutras(t);
}

// ---------------------------------------------------------------------------------------------
// Rows

TColetor::TColetor(TImportacao& t, std::uint64_t bytes, TControle* controle)
    : t_(t), controle_(controle), limite_(limiteMemoriaDados()) {
    const std::uint64_t d = t.atributos.size();
    const std::uint64_t teto = limite_ / sizeof(double);
    t.valores.reserve(std::min(bytes / (2 * d + 1) * d, teto));
}

void TColetor::adiciona(const std::vector<std::string_view>& campos, std::int64_t linha) {
    if (controle_ != nullptr && controle_->passo()) throw EInterrompido();
    ++t_.linhasLidas;
    const std::size_t inicio = t_.valores.size();
    // The values grow by doubling, never past the allowance.
    const std::size_t d = t_.atributos.size();
    if (inicio + d > t_.valores.capacity()) {
        const std::uint64_t teto = limite_ / sizeof(double);
        const std::uint64_t nova = std::min<std::uint64_t>(
            std::max<std::uint64_t>(2 * t_.valores.capacity(), 1024 * d), teto);
        if (inicio + d > nova) throw EMemoriaInsuficiente(semMemoria());
        t_.valores.reserve(nova);
    }
    bool falta = false;
    for (const std::size_t k : t_.atributos) {
        const std::string_view campo = campos[k];
        std::optional<double> v = numeroDe(campo, t_.decimal);
        if (!v) {
            if (!ausente(campo))
                throw EImportacao(mensagem(
                    foraDaFaixa(campo, t_.decimal)
                        ? QT_TRANSLATE_NOOP(
                              "Mensagens", "%1, coluna %2 (\"%3\"): %4 passa do maior número real.")
                        : QT_TRANSLATE_NOOP("Mensagens",
                                            "%1, coluna %2 (\"%3\"): %4 não é um número."),
                    {naLinha(linha), k + 1, t_.colunas[k].nome, citado(campo)}));
            ++t_.colunas[k].ausentes;
            falta = true;
            v = std::numeric_limits<double>::quiet_NaN();
        }
        t_.valores.push_back(*v);
    }
    if (falta && t_.ausentes == TAusentes::descartar) {
        t_.valores.resize(inicio);
        ++t_.linhasDescartadas;
        return;
    }
    for (const std::size_t k : t_.outras)
        t_.valoresOutras.push_back(
            numeroDe(campos[k], t_.decimal).value_or(std::numeric_limits<double>::quiet_NaN()));
    const std::string_view rotulo =
        t_.colunaRotulo ? apara(campos[*t_.colunaRotulo]) : std::string_view();
    if (rotulo.size() + t_.bytesDosRotulos() +
            (t_.valores.size() + t_.valoresOutras.size()) * sizeof(double) >
        limite_)
        throw EMemoriaInsuficiente(semMemoria());
    t_.adicionaRotulo(rotulo);
}

std::string TColetor::semMemoria() const {
    return mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                      "A tabela não cabe na memória que o programa se "
                                      "permite usar (lidas %1 linhas)."),
                    {t_.linhasLidas});
}

TImportacao comecaImportacao(TFormatoTabela formato, const TOpcoesImportacao& o) {
    TImportacao t;
    t.formato = formato;
    t.separador = ',';
    t.decimal = '.';
    t.ausentes = o.ausentes;
    t.normalizacao = o.normalizacao;
    return t;
}

}  // namespace importacao

TFormatoTabela formatoPeloNome(const std::string& caminho) {
    const std::size_t ponto = caminho.find_last_of('.');
    const std::size_t barra = caminho.find_last_of('/');
    if (ponto == std::string::npos || (barra != std::string::npos && ponto < barra))
        return TFormatoTabela::delimitado;
    const std::string ext = caminho.substr(ponto + 1);
    for (const TExtensaoTabela& e : kExtensoesTabela)
        if (importacao::igualSemCaixa(ext, e.extensao)) return e.formato;
    return TFormatoTabela::delimitado;
}

std::string_view TImportacao::rotulo(std::size_t i) const {
    const std::uint64_t inicio = i == 0 ? 0 : fimRotulos_[i - 1];
    return std::string_view(rotulos_).substr(inicio, fimRotulos_[i] - inicio);
}

void TImportacao::adicionaRotulo(std::string_view texto) {
    rotulos_ += texto;
    fimRotulos_.push_back(rotulos_.size());
}

void TImportacao::textosDeCp1252() {
    for (TColuna& c : colunas) c.nome = utf8DeCp1252(c.nome);
    std::string rotulos;
    std::vector<std::uint64_t> fins;
    fins.reserve(fimRotulos_.size());
    for (std::size_t i = 0; i < fimRotulos_.size(); ++i) {
        rotulos += utf8DeCp1252(rotulo(i));
        fins.push_back(rotulos.size());
    }
    rotulos_ = std::move(rotulos);
    fimRotulos_ = std::move(fins);
}

TImportacao importaTabela(const std::string& caminho, const TOpcoesImportacao& o,
                          TControle* controle) {
    const TFormatoTabela formato = o.formato ? *o.formato : formatoPeloNome(caminho);
    using namespace importacao;
    TImportacao t = formato == TFormatoTabela::planilha ? importaPlanilha(caminho, o, controle)
                    : formato == TFormatoTabela::sompak ? importaSompak(caminho, o, controle)
                    : formato == TFormatoTabela::arff   ? importaArff(caminho, o, controle)
                                                        : importaDelimitado(caminho, o, controle);
    if (t.padroes() == 0 && t.linhasDescartadas == 0)
        throw EImportacao(
            mensagem(QT_TRANSLATE_NOOP("Mensagens", "O arquivo não tem nenhuma linha de dados.")));
    if (t.padroes() == 0)
        throw EImportacao(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens",
            "Nenhum padrão restou depois de descartar as linhas com valores ausentes.")));
    if (!t.utf8) t.textosDeCp1252();
    completa(t);
    return t;
}

std::vector<std::string> relatorioDaImportacao(const TImportacao& t) {
    std::vector<std::string> r;
    const auto simOuNao = [](bool sim) {
        return sim ? mensagem(QT_TRANSLATE_NOOP("Mensagens", "sim"))
                   : mensagem(QT_TRANSLATE_NOOP("Mensagens", "não"));
    };
    const std::string codificacao = t.utf8 ? "UTF-8" : "Windows-1252";
    switch (t.formato) {
        case TFormatoTabela::delimitado: {
            const char* const sep =
                t.separador == ';'    ? QT_TRANSLATE_NOOP("Mensagens", "ponto e vírgula")
                : t.separador == ','  ? QT_TRANSLATE_NOOP("Mensagens", "vírgula")
                : t.separador == '\t' ? QT_TRANSLATE_NOOP("Mensagens", "tabulação")
                                      : QT_TRANSLATE_NOOP("Mensagens", "espaços");
            const char* const decimal = t.decimal == ',' ? QT_TRANSLATE_NOOP("Mensagens", "vírgula")
                                                         : QT_TRANSLATE_NOOP("Mensagens", "ponto");
            r.push_back(
                mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                           "Formato: texto delimitado; separador: %1; "
                                           "marca decimal: %2; cabeçalho: %3; "
                                           "codificação: %4"),
                         {mensagem(sep), mensagem(decimal), simOuNao(t.cabecalho), codificacao}));
            break;
        }
        case TFormatoTabela::sompak:
            r.push_back(
                mensagem(QT_TRANSLATE_NOOP("Mensagens", "Formato: SOM_PAK (.dat); codificação: %1"),
                         {codificacao}));
            break;
        case TFormatoTabela::arff:
            r.push_back(mensagem(QT_TRANSLATE_NOOP("Mensagens", "Formato: ARFF; codificação: %1"),
                                 {codificacao}));
            break;
        case TFormatoTabela::planilha:
            if (t.planilha < t.planilhas.size())
                r.push_back(mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                                       "Formato: planilha \"%1\" (%2 de %3); "
                                                       "cabeçalho: %4"),
                                     {t.planilhas[t.planilha], t.planilha + 1, t.planilhas.size(),
                                      simOuNao(t.cabecalho)}));
            else
                r.push_back(mensagem(QT_TRANSLATE_NOOP("Mensagens", "Formato: planilha")));
            break;
    }
    std::string atributos;
    for (const std::size_t k : t.atributos)
        atributos += (atributos.empty() ? "" : ", ") + t.colunas[k].nome;
    r.push_back(mensagem(QT_TRANSLATE_NOOP("Mensagens", "Atributos (%1): %2"),
                         {t.atributos.size(), atributos}));
    r.push_back(t.colunaRotulo ? mensagem(QT_TRANSLATE_NOOP("Mensagens", "Rótulo: %1"),
                                          {t.colunas[*t.colunaRotulo].nome})
                               : mensagem(QT_TRANSLATE_NOOP("Mensagens", "Rótulo: nenhum")));
    std::string ignoradas;
    for (const TColuna& c : t.colunas)
        if (c.papel == TPapel::ignorada) ignoradas += (ignoradas.empty() ? "" : ", ") + c.nome;
    if (!ignoradas.empty())
        r.push_back(mensagem(QT_TRANSLATE_NOOP("Mensagens", "Colunas ignoradas: %1"), {ignoradas}));
    r.push_back(mensagem(QT_TRANSLATE_NOOP("Mensagens", "Linhas lidas: %1; padrões: %2"),
                         {t.linhasLidas, t.padroes()}));
    for (const TColuna& c : t.colunas)
        if (c.ausentes > 0)
            r.push_back(mensagem(QT_TRANSLATE_NOOP("Mensagens", "Valores ausentes em \"%1\": %2"),
                                 {c.nome, c.ausentes}));
    if (t.linhasDescartadas > 0)
        r.push_back(
            mensagem(QT_TRANSLATE_NOOP("Mensagens", "Linhas descartadas por valores ausentes: %1"),
                     {t.linhasDescartadas}));
    if (t.valoresPreenchidos > 0)
        r.push_back(
            mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                       "Valores ausentes preenchidos com a média da coluna: %1"),
                     {t.valoresPreenchidos}));
    if (t.valoresAusentes > 0)
        r.push_back(mensagem(QT_TRANSLATE_NOOP("Mensagens", "Valores ausentes mantidos: %1"),
                             {t.valoresAusentes}));
    if (t.normalizacao != TNormalizacao::nenhuma)
        r.push_back(t.normalizacao == TNormalizacao::minmax
                        ? mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                                     "Normalização: mínimo e máximo para [0, 1]"))
                        : mensagem(QT_TRANSLATE_NOOP(
                              "Mensagens", "Normalização: escore z (desvio-padrão amostral)")));
    for (const std::string& n : t.notas) r.push_back(n);
    return r;
}
