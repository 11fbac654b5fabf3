#include "UCodebook.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "UErros.h"
#include "UGravacao.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UTraducao.h"

namespace {

constexpr std::string_view kToroidal = "#norvika-toroidal";

bool branco(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// A token for a message: at most 60 bytes, not cut inside a UTF-8 character.
std::string citado(std::string_view t) {
    if (t.size() <= 60) return "\"" + std::string(t) + "\"";
    std::size_t n = 60;
    while (n > 0 && (static_cast<unsigned char>(t[n]) & 0xC0) == 0x80) --n;
    return "\"" + std::string(t.substr(0, n)) + "…\"";
}

// The words of a line one by one, split by runs of blanks.
class TPalavras {
  public:
    explicit TPalavras(std::string_view linha) : resto_(linha) {}
    bool proxima(std::string_view& palavra) {
        std::size_t i = 0;
        while (i < resto_.size() && branco(resto_[i])) ++i;
        std::size_t fim = i;
        while (fim < resto_.size() && !branco(resto_[fim])) ++fim;
        palavra = resto_.substr(i, fim - i);
        resto_.remove_prefix(fim);
        return !palavra.empty();
    }

  private:
    std::string_view resto_;
};

bool igualSemCaixa(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x | 0x20) == (y | 0x20);
           });
}

bool digito(char c) {
    return c >= '0' && c <= '9';
}

enum class TTipo { valor, infinito, outro };

// A value as C's strtod reads what %g writes: sign, digits with one "." (digits on at least one
// side), exponent. std::from_chars is exact and ignores the locale, but takes neither "+" nor a
// check of the whole word, so the grammar is checked here first.
TTipo classifica(std::string_view t, double& v) {
    std::string_view corpo = t;
    if (!corpo.empty() && (corpo[0] == '+' || corpo[0] == '-')) corpo.remove_prefix(1);
    if (t == "x" || igualSemCaixa(corpo, "nan")) {
        v = std::numeric_limits<double>::quiet_NaN();
        return TTipo::valor;
    }
    if (igualSemCaixa(corpo, "inf") || igualSemCaixa(corpo, "infinity")) return TTipo::infinito;
    std::size_t i = 0, digitos = 0;
    for (; i < corpo.size() && digito(corpo[i]); ++i) ++digitos;
    if (i < corpo.size() && corpo[i] == '.')
        for (++i; i < corpo.size() && digito(corpo[i]); ++i) ++digitos;
    if (digitos == 0) return TTipo::outro;
    if (i < corpo.size() && (corpo[i] == 'e' || corpo[i] == 'E')) {
        ++i;
        if (i < corpo.size() && (corpo[i] == '+' || corpo[i] == '-')) ++i;
        const std::size_t inicio = i;
        while (i < corpo.size() && digito(corpo[i])) ++i;
        if (i == inicio) return TTipo::outro;
    }
    if (i != corpo.size()) return TTipo::outro;
    const std::string_view numero = t[0] == '+' ? corpo : t;
    const auto r = std::from_chars(numero.data(), numero.data() + numero.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        // Out of range on the small side (1e-400) is a zero, not an infinity: the number's order
        // of magnitude (the first significant digit's place plus the exponent) tells which.
        const std::size_t e = corpo.find_first_of("eE");
        const std::size_t ponto = std::min({corpo.find('.'), e, corpo.size()});
        const std::size_t primeiro = corpo.find_first_of("123456789");
        long ordem = primeiro < ponto ? static_cast<long>(ponto - primeiro) - 1
                                      : -static_cast<long>(primeiro - ponto);
        if (e != std::string_view::npos) {
            std::string_view expoente = corpo.substr(e + 1);
            const bool negativo = !expoente.empty() && expoente[0] == '-';
            if (!expoente.empty() && (expoente[0] == '-' || expoente[0] == '+'))
                expoente.remove_prefix(1);
            long x = 0;
            for (const char c : expoente) x = std::min(x * 10 + (c - '0'), 100000000L);
            ordem += negativo ? -x : x;
        }
        if (ordem >= 0) return TTipo::infinito;
        v = t[0] == '-' ? -0.0 : 0.0;
        return TTipo::valor;
    }
    return r.ec == std::errc() && r.ptr == numero.data() + numero.size() ? TTipo::valor
                                                                         : TTipo::outro;
}

// Whether a word after a unit's values would be read as one more value rather than a label.
bool pareceValor(std::string_view t) {
    double v = 0.0;
    if (classifica(t, v) == TTipo::outro) return false;
    const std::size_t sinal = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
    return t.size() == sinal ||
           !std::all_of(t.begin() + static_cast<std::ptrdiff_t>(sinal), t.end(), digito);
}

// A header number: digits only; more than nine of them is out of every range.
std::int64_t inteiro(std::string_view t) {
    if (t.empty() || !std::all_of(t.begin(), t.end(), digito)) return -1;
    if (t.size() > 9) return std::numeric_limits<std::int64_t>::max();
    std::int64_t n = 0;
    for (const char c : t) n = n * 10 + (c - '0');
    return n;
}

void leCabecalho(std::string_view linha, std::int64_t numero, TCodebook& cb) {
    TPalavras palavras(linha);
    std::string_view campos[6];
    std::size_t n = 0;
    while (n < 6 && palavras.proxima(campos[n])) ++n;
    const bool vizinhancaBoa =
        n == 4 || (n == 5 && (campos[4] == "bubble" || campos[4] == "gaussian"));
    const std::int64_t d = inteiro(campos[0]), c = inteiro(campos[2]), r = inteiro(campos[3]);
    if (!vizinhancaBoa || (campos[1] != "hexa" && campos[1] != "rect") || d < 0 || c < 0 || r < 0)
        throw ECodebook(mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                                   "Linha %1: cabeçalho inválido (esperado: "
                                                   "dimensão, topologia hexa ou rect, colunas, "
                                                   "linhas e vizinhança bubble ou gaussian)."),
                                 {numero}));
    if (d < 1 || d > kCodebookDimensaoMaxima)
        throw ECodebook(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "Linha %1: a dimensão deve ficar entre 1 e %2."),
            {numero, kCodebookDimensaoMaxima}));
    if (c < 1 || r < 1 || c > kCodebookLadoMaximo || r > kCodebookLadoMaximo)
        throw ECodebook(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "Linha %1: colunas e linhas devem ficar entre 1 e %2."),
            {numero, kCodebookLadoMaximo}));
    // Every unit holds its values and its label's string.
    const auto bytes = static_cast<std::uint64_t>(c * r) *
                       (static_cast<std::uint64_t>(d) * sizeof(double) + sizeof(std::string));
    if (bytes > limiteMemoriaDados())
        throw ECodebook(mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                                   "Linha %1: um mapa de %2 × %3 neurônios de "
                                                   "dimensão %4 passa da memória que o programa "
                                                   "se permite (%5 MiB)."),
                                 {numero, c, r, d, limiteMemoriaDados() >> 20}));
    cb.dimensao = static_cast<std::int32_t>(d);
    cb.colunas = static_cast<std::int32_t>(c);
    cb.linhas = static_cast<std::int32_t>(r);
    cb.hexagonal = campos[1] == "hexa";
    cb.gaussiana = n == 5 && campos[4] == "gaussian";
}

// One unit's line: its values into pesos, the words after them into rotulos.
void leNeuronio(std::string_view linha, std::int64_t numero, TCodebook& cb) {
    const auto esperados = [&](std::int64_t encontrados) {
        return ECodebook(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "Linha %1: esperados %2 valores, encontrados %3."),
            {numero, cb.dimensao, encontrados}));
    };
    TPalavras palavras(linha);
    std::string_view p;
    for (std::int32_t k = 0; k < cb.dimensao; ++k) {
        if (!palavras.proxima(p)) throw esperados(k);
        double v = 0.0;
        switch (classifica(p, v)) {
            case TTipo::valor:
                cb.pesos.push_back(v);
                break;
            case TTipo::infinito:
                throw ECodebook(mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                                           "Linha %1: o valor %2 (%3) é infinito "
                                                           "ou sai do intervalo dos reais."),
                                         {numero, k + 1, citado(p)}));
            case TTipo::outro: {
                // A word that does not start like a number, and only words after it: a short
                // line with its label. Anything else is a bad value.
                TPalavras depois = palavras;
                std::string_view q;
                bool soPalavras =
                    k > 0 && !digito(p[0]) && p[0] != '-' && p[0] != '+' && p[0] != '.';
                while (soPalavras && depois.proxima(q))
                    soPalavras = classifica(q, v) == TTipo::outro;
                if (soPalavras) throw esperados(k);
                throw ECodebook(mensagem(
                    QT_TRANSLATE_NOOP("Mensagens", "Linha %1: %2 não é um número (valor %3)."),
                    {numero, citado(p), k + 1}));
            }
        }
    }
    std::string rotulo;
    if (palavras.proxima(p)) {
        if (pareceValor(p)) {
            std::int64_t n = cb.dimensao + 1;
            double v;
            while (palavras.proxima(p) && classifica(p, v) != TTipo::outro) ++n;
            throw esperados(n);
        }
        rotulo = p;
        while (palavras.proxima(p)) {
            rotulo += ' ';
            rotulo += p;
        }
    }
    cb.rotulos.push_back(std::move(rotulo));
}

// A name or label word as SOM_PAK can split it again.
std::string semBrancos(std::string_view t, char troca) {
    std::string s(t);
    for (char& c : s)
        if (branco(c) || c == '\n') c = troca;
    return s;
}

void escreveValor(std::string& s, double v) {
    if (std::isnan(v)) {
        s += "NaN";
        return;
    }
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    s.append(buf, r.ptr);
}

}  // namespace

namespace {

// A SOM_PAK codebook, or with `simples` (the number of units found) the plain form of
// textoDasUnidades, whose header is the dimension alone.
TCodebook leTexto(std::string_view texto, std::optional<std::size_t> simples) {
    if (texto.substr(0, 3) == "\xEF\xBB\xBF") texto.remove_prefix(3);
    TCodebook cb;
    bool temCabecalho = false;
    std::uint64_t lidos = 0;
    std::int64_t numero = 0, linhaNomes = 0;
    while (!texto.empty()) {
        const std::size_t fim = texto.find('\n');
        const std::string_view linha = texto.substr(0, fim);
        texto.remove_prefix(fim == std::string_view::npos ? texto.size() : fim + 1);
        ++numero;
        TPalavras palavras(linha);
        std::string_view primeira;
        if (!palavras.proxima(primeira)) continue;
        if (primeira[0] == '#') {
            if (primeira == "#n") {
                cb.nomes.clear();
                linhaNomes = numero;
                const std::size_t maximo =
                    temCabecalho ? static_cast<std::size_t>(cb.dimensao) : kCodebookDimensaoMaxima;
                std::string_view nome;
                while (palavras.proxima(nome) && cb.nomes.size() <= maximo)
                    cb.nomes.emplace_back(nome);
            } else if (primeira == kToroidal) {
                cb.toroidal = true;
            } else if (cb.comentarios.size() < kCodebookComentariosMaximos) {
                std::string_view comentario = linha.substr(linha.find('#') + 1);
                while (!comentario.empty() && comentario.back() == '\r')
                    comentario.remove_suffix(1);
                cb.comentarios.emplace_back(comentario);
            }
            continue;
        }
        if (!temCabecalho && simples) {
            const std::int64_t d = inteiro(primeira);
            if (d < 1 || d > kCodebookDimensaoMaxima)
                throw ECodebook(mensagem(
                    QT_TRANSLATE_NOOP("Mensagens",
                                      "Linha %1: a dimensão deve ser um inteiro de 1 a %2."),
                    {numero, kCodebookDimensaoMaxima}));
            cb.dimensao = static_cast<std::int32_t>(d);
            cb.linhas = 1;
            cb.colunas = static_cast<std::int32_t>(std::min<std::size_t>(*simples, INT32_MAX));
            temCabecalho = true;
            continue;
        }
        if (!temCabecalho) {
            leCabecalho(linha, numero, cb);
            temCabecalho = true;
            // Each value takes at least one character and one separator, so a unit's line at
            // least 2 × dimensão bytes: a header announcing more units than the file can hold is
            // refused at once, before anything is reserved or read.
            const std::uint64_t total =
                static_cast<std::uint64_t>(cb.linhas) * static_cast<std::uint64_t>(cb.colunas);
            const auto d = static_cast<std::uint64_t>(cb.dimensao);
            const std::uint64_t cabem = texto.size() / (2 * d) + 1;
            if (total > cabem)
                throw ECodebook(mensagem(
                    QT_TRANSLATE_NOOP("Mensagens",
                                      "Linha %1: o cabeçalho anuncia %2 neurônios de dimensão %3, "
                                      "mas o resto do arquivo, com %4 bytes, não tem lugar para "
                                      "mais de %5."),
                    {numero, total, d, texto.size(), cabem}));
            cb.pesos.reserve(static_cast<std::size_t>(total * d));
            cb.rotulos.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(total, 1 << 20)));
            continue;
        }
        const std::uint64_t anunciados =
            static_cast<std::uint64_t>(cb.linhas) * static_cast<std::uint64_t>(cb.colunas);
        if (++lidos > anunciados)
            throw ECodebook(
                mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                           "Linha %1: neurônios demais; o cabeçalho anuncia %2."),
                         {numero, anunciados}));
        leNeuronio(linha, numero, cb);
        // The plain form has no labels: anything after the values is one value too many.
        if (simples && !cb.rotulos.empty() && !cb.rotulos.back().empty())
            throw ECodebook(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Linha %1: a unidade tem mais de %2 valores."),
                {numero, cb.dimensao}));
    }
    if (!temCabecalho)
        throw ECodebook(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens",
            "O arquivo não tem cabeçalho (esperado: dimensão, topologia hexa ou rect, "
            "colunas, linhas e vizinhança bubble ou gaussian).")));
    const std::uint64_t anunciados =
        static_cast<std::uint64_t>(cb.linhas) * static_cast<std::uint64_t>(cb.colunas);
    if (lidos != anunciados)
        throw ECodebook(mensagem(
            lidos == 1 ? QT_TRANSLATE_NOOP("Mensagens",
                                           "O arquivo tem %1 neurônio; o cabeçalho anuncia %2.")
                       : QT_TRANSLATE_NOOP("Mensagens",
                                           "O arquivo tem %1 neurônios; o cabeçalho anuncia %2."),
            {lidos, anunciados}));
    if (cb.nomes.size() > static_cast<std::size_t>(cb.dimensao))
        throw ECodebook(mensagem(
            QT_TRANSLATE_NOOP("Mensagens",
                              "Linha %1: a linha #n tem mais de %2 nomes; a dimensão é %2."),
            {linhaNomes, cb.dimensao}));
    if (!cb.nomes.empty() && cb.nomes.size() != static_cast<std::size_t>(cb.dimensao))
        throw ECodebook(
            mensagem(cb.nomes.size() == 1
                         ? QT_TRANSLATE_NOOP("Mensagens",
                                             "Linha %1: a linha #n tem %2 nome; a dimensão é %3.")
                         : QT_TRANSLATE_NOOP("Mensagens",
                                             "Linha %1: a linha #n tem %2 nomes; a dimensão é %3."),
                     {linhaNomes, cb.nomes.size(), cb.dimensao}));
    return cb;
}

}  // namespace

TCodebook leCodebookDeTexto(std::string_view texto) {
    return leTexto(texto, std::nullopt);
}

std::string textoDoCodebook(const TCodebook& cb) {
    if (cb.dimensao < 1 || cb.dimensao > kCodebookDimensaoMaxima || cb.linhas < 1 ||
        cb.colunas < 1 || cb.linhas > kCodebookLadoMaximo || cb.colunas > kCodebookLadoMaximo)
        throw ECodebook(mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                                   "O mapa não cabe num codebook: dimensão de 1 a "
                                                   "%1, colunas e linhas de 1 a %2."),
                                 {kCodebookDimensaoMaxima, kCodebookLadoMaximo}));
    const auto d = static_cast<std::size_t>(cb.dimensao);
    const std::size_t neuronios =
        static_cast<std::size_t>(cb.linhas) * static_cast<std::size_t>(cb.colunas);
    if (cb.pesos.size() != neuronios * d ||
        (!cb.rotulos.empty() && cb.rotulos.size() != neuronios) ||
        (!cb.nomes.empty() && cb.nomes.size() != d))
        throw ECodebook(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "O codebook tem pesos, rótulos ou nomes em número diferente do mapa.")));
    std::string s;
    s.reserve(neuronios * d * 12 + 64);
    s += std::to_string(cb.dimensao);
    s += cb.hexagonal ? " hexa " : " rect ";
    s += std::to_string(cb.colunas) + ' ' + std::to_string(cb.linhas);
    s += cb.gaussiana ? " gaussian\n" : " bubble\n";
    if (!cb.nomes.empty()) {
        s += "#n";
        for (const std::string& nome : cb.nomes) {
            s += ' ';
            s += nome.empty() ? "_" : semBrancos(nome, '_');
        }
        s += '\n';
    }
    if (cb.toroidal) {
        s += kToroidal;
        s += '\n';
    }
    for (const std::string& comentario : cb.comentarios) {
        std::string texto = comentario;
        std::replace(texto.begin(), texto.end(), '\n', ' ');
        while (!texto.empty() && texto.back() == '\r') texto.pop_back();
        // A comment must not read back as the names or the wrap-around.
        const std::string_view primeira = std::string_view(texto).substr(
            0, static_cast<std::size_t>(std::find_if(texto.begin(), texto.end(), branco) -
                                        texto.begin()));
        s += primeira == "n" || primeira == kToroidal.substr(1) ? "# " : "#";
        s += texto;
        s += '\n';
    }
    for (std::size_t k = 0; k < neuronios; ++k) {
        for (std::size_t i = 0; i < d; ++i) {
            const double v = cb.pesos[k * d + i];
            if (std::isinf(v))
                throw ECodebook(
                    mensagem(QT_TRANSLATE_NOOP(
                                 "Mensagens",
                                 "O neurônio %1 tem um valor infinito, que o formato não guarda."),
                             {k + 1}));
            if (i > 0) s += ' ';
            escreveValor(s, v);
        }
        if (cb.rotulos.empty()) {
            s += '\n';
            continue;
        }
        const std::string rotulo = semBrancos(cb.rotulos[k], ' ');
        TPalavras palavras(rotulo);
        std::string_view p;
        for (bool primeira = true; palavras.proxima(p); primeira = false) {
            if (primeira && pareceValor(p))
                throw ECodebook(mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                                           "O rótulo %1 do neurônio %2 começa por "
                                                           "uma palavra que se leria como mais um "
                                                           "valor."),
                                         {citado(cb.rotulos[k]), k + 1}));
            s += ' ';
            s += p;
        }
        s += '\n';
    }
    return s;
}

void gravaCodebook(const TCodebook& codebook, const std::string& caminho) {
    gravaArquivo(caminho, textoDoCodebook(codebook));
}

namespace {

// The whole file, within the memory allowance.
std::string textoDoArquivo(const std::string& caminho) {
    std::uint64_t tamanho = 0;
    const int fd = abreArquivoRegular(caminho, tamanho);
    const std::uint64_t limite = limiteMemoriaDados();
    const auto grandeDemais = [&] {
        ::close(fd);
        return EMemoriaInsuficiente(
            mensagem(QT_TRANSLATE_NOOP(
                         "Mensagens",
                         "O arquivo é maior do que a memória que o programa se permite (%1 MiB)."),
                     {limite >> 20}));
    };
    if (tamanho > limite) throw grandeDemais();
    // Read to the end, not to the size seen: a file still growing is read as far as the limit.
    std::string texto(static_cast<std::size_t>(tamanho) + 1, '\0');
    std::size_t lidos = 0;
    for (;;) {
        if (lidos == texto.size()) {
            if (texto.size() > limite) throw grandeDemais();
            texto.resize(std::min<std::uint64_t>(2 * texto.size(), limite + 1));
        }
        const ssize_t n = ::read(fd, texto.data() + lidos, texto.size() - lidos);
        if (n > 0) {
            lidos += static_cast<std::size_t>(n);
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            const int erro = errno;
            ::close(fd);
            falhaDeLeitura(erro, caminho);
        }
    }
    ::close(fd);
    texto.resize(lidos);
    return texto;
}

}  // namespace

TCodebook leCodebook(const std::string& caminho) {
    return leCodebookDeTexto(textoDoArquivo(caminho));
}

std::string textoDasUnidades(std::int32_t dimensao, const std::vector<double>& pesos) {
    if (dimensao < 1 || dimensao > kCodebookDimensaoMaxima ||
        pesos.size() % static_cast<std::size_t>(dimensao) != 0)
        throw ECodebook(mensagem(
            QT_TRANSLATE_NOOP(
                "Mensagens",
                "As unidades não cabem no arquivo: dimensão de 1 a %1, unidades inteiras."),
            {kCodebookDimensaoMaxima}));
    std::string texto = std::to_string(dimensao) + "\n";
    char numero[64];
    for (std::size_t i = 0; i < pesos.size(); ++i) {
        if (!std::isfinite(pesos[i]))
            throw ECodebook(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Uma unidade tem um valor que não é finito.")));
        const auto r =
            std::to_chars(numero, numero + sizeof numero, pesos[i], std::chars_format::general, 17);
        texto.append(numero, r.ptr);
        texto += (i + 1) % static_cast<std::size_t>(dimensao) == 0 ? '\n' : ' ';
    }
    return texto;
}

TCodebook leUnidadesDeTexto(std::string_view texto) {
    // The plain form's first line that is neither empty nor a comment holds one word, the
    // dimension; a SOM_PAK header holds four or five.
    std::size_t inicio = 0, unidades = 0;
    bool cabecalho = false;
    while (inicio < texto.size()) {
        const std::size_t fim = std::min(texto.find('\n', inicio), texto.size());
        const std::string_view linha = texto.substr(inicio, fim - inicio);
        inicio = fim + 1;
        const std::size_t primeiro = linha.find_first_not_of(" \t\r\xEF\xBB\xBF");
        if (primeiro == std::string_view::npos || linha[primeiro] == '#') continue;
        if (cabecalho) {
            ++unidades;
            continue;
        }
        const std::size_t ultimo = linha.find_last_not_of(" \t\r");
        if (linha.substr(primeiro, ultimo + 1 - primeiro).find_first_of(" \t") !=
            std::string_view::npos)
            return leTexto(texto, std::nullopt);
        cabecalho = true;
    }
    return leTexto(texto, cabecalho ? std::optional(unidades) : std::nullopt);
}

TCodebook leUnidades(const std::string& caminho) {
    return leUnidadesDeTexto(textoDoArquivo(caminho));
}
