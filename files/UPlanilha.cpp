#include "UPlanilha.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <memory>

#include "UErros.h"
#include "UImportacao.h"
#include "ULeitorLinhas.h"
#include "UNumeros.h"
#include "UPlanilhaInterna.h"
#include "UTraducao.h"

namespace {

bool terminaEm(const std::string& s, std::string_view fim) {
    if (s.size() < fim.size()) return false;
    return std::equal(fim.begin(), fim.end(), s.end() - static_cast<std::ptrdiff_t>(fim.size()),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

}  // namespace

namespace planilhas {

[[noreturn]] void danificada(const char* modelo, std::initializer_list<TArgumento> argumentos) {
    throw EImportacao(mensagem(modelo, argumentos));
}

std::string emKiB(std::uint64_t bytes) {
    return bytes >= (std::uint64_t{10} << 20) ? std::to_string(bytes >> 20) + " MiB"
                                              : std::to_string((bytes + 1023) >> 10) + " KiB";
}

// ---------------------------------------------------------------------------------------------
// The zip

TZip::TZip(const std::string& caminho) {
    // Only a regular file: a pipe or a device would block the opening or never end.
    struct stat st {};
    if (::stat(caminho.c_str(), &st) != 0) throw EEntradaSaida(mensagemErroArquivo(errno, caminho));
    if (!S_ISREG(st.st_mode))
        throw EEntradaSaida(mensagemErroArquivo(S_ISDIR(st.st_mode) ? EISDIR : EACCES, caminho));
    int erro = 0;
    zip_ = zip_open(caminho.c_str(), ZIP_RDONLY, &erro);
    if (zip_ == nullptr) {
        if (erro == ZIP_ER_NOENT) throw EEntradaSaida(mensagemErroArquivo(ENOENT, caminho));
        if (erro == ZIP_ER_OPEN || erro == ZIP_ER_READ)
            throw EEntradaSaida(mensagemErroArquivo(EACCES, caminho));
        danificada(QT_TRANSLATE_NOOP(
            "Mensagens",
            "A planilha não pôde ser lida: não é um arquivo zip (o .xlsx e o .ods são)."));
    }
}

void TZip::le(const std::string& nome, TControle* controle,
              const std::function<void(const char*, std::size_t, bool)>& bloco) const {
    const zip_int64_t indice = zip_name_locate(zip_, nome.c_str(), 0);
    if (indice < 0)
        danificada(
            QT_TRANSLATE_NOOP("Mensagens", "A planilha não pôde ser lida: falta a parte %1."),
            {nome});
    zip_file_t* arquivo = zip_fopen_index(zip_, static_cast<zip_uint64_t>(indice), 0);
    if (arquivo == nullptr)
        danificada(
            QT_TRANSLATE_NOOP("Mensagens", "A planilha não pôde ser lida: a parte %1 não se abre."),
            {nome});
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> fecha(arquivo, zip_fclose);
    std::vector<char> buffer(std::size_t{1} << 16);
    std::uint64_t total = 0;
    for (;;) {
        if (controle != nullptr && controle->passo()) throw EInterrompido();
        const zip_int64_t n = zip_fread(arquivo, buffer.data(), buffer.size());
        if (n < 0)
            danificada(
                QT_TRANSLATE_NOOP("Mensagens",
                                  "A planilha não pôde ser lida: a parte %1 está corrompida."),
                {nome});
        total += static_cast<std::uint64_t>(n);
        orcamento_.inflou(nome, static_cast<std::uint64_t>(n));
        if (controle != nullptr) controle->anotaPadroes(static_cast<std::int64_t>(total >> 10));
        bloco(buffer.data(), static_cast<std::size_t>(n), n == 0);
        if (n == 0) return;
    }
}

// ---------------------------------------------------------------------------------------------
// XML

std::string_view local(const XML_Char* nome) {
    const std::string_view n(nome);
    const std::size_t barra = n.rfind('|');
    return barra == std::string_view::npos ? n : n.substr(barra + 1);
}

std::optional<std::string_view> atributo(const XML_Char** atributos, std::string_view nome,
                                         std::string_view namespaceContem) {
    for (int i = 0; atributos[i] != nullptr; i += 2) {
        const std::string_view completo(atributos[i]);
        if (local(atributos[i]) != nome) continue;
        if (!namespaceContem.empty() && completo.find(namespaceContem) == std::string_view::npos)
            continue;
        return std::string_view(atributos[i + 1]);
    }
    return std::nullopt;
}

void TLeitorXml::le(const TZip& zip, const std::string& parte, TControle* controle) {
    std::unique_ptr<std::remove_pointer_t<XML_Parser>, void (*)(XML_Parser)> parser(
        XML_ParserCreateNS(nullptr, '|'), XML_ParserFree);
    if (!parser) throw std::bad_alloc();
    XML_SetUserData(parser.get(), this);
    XML_SetElementHandler(
        parser.get(),
        [](void* eu, const XML_Char* nome, const XML_Char** atributos) {
            static_cast<TLeitorXml*>(eu)->chama([&](TLeitorXml& l) {
                if (++l.profundidade_ > kMaiorProfundidade)
                    danificada(QT_TRANSLATE_NOOP("Mensagens",
                                                 "A planilha não pôde ser lida: a parte %1 tem "
                                                 "elementos aninhados a mais de %2 níveis."),
                               {*l.parte_, kMaiorProfundidade});
                l.abre(local(nome), atributos);
            });
        },
        [](void* eu, const XML_Char* nome) {
            static_cast<TLeitorXml*>(eu)->chama([&](TLeitorXml& l) {
                --l.profundidade_;
                l.fecha(local(nome));
            });
        });
    XML_SetCharacterDataHandler(parser.get(), [](void* eu, const XML_Char* s, int n) {
        static_cast<TLeitorXml*>(eu)->chama(
            [&](TLeitorXml& l) { l.texto(std::string_view(s, static_cast<std::size_t>(n))); });
    });
    parser_ = parser.get();
    orcamento_ = &zip.orcamento();
    parte_ = &parte;
    profundidade_ = 0;
    ultimoEvento_ = 0;
    std::string juntos;
    std::uint64_t entregues = 0;
    zip.le(parte, controle, [&](const char* bytes, std::size_t n, bool fim) {
        juntos.append(bytes, n);
        const std::uint64_t pendente = entregues - std::min(entregues, ultimoEvento_);
        if (pendente > kMaiorToken)
            danificada(
                QT_TRANSLATE_NOOP(
                    "Mensagens",
                    "A planilha não pôde ser lida: a parte %1 tem um elemento de mais de %2 MiB."),
                {parte, kMaiorToken >> 20});
        // At most kMaiorToken + kBlocoXml bytes: an int, as XML_Parse takes it.
        if (!fim && juntos.size() < std::max<std::uint64_t>(kBlocoXml, pendente)) return;
        const auto status =
            XML_Parse(parser.get(), juntos.data(), static_cast<int>(juntos.size()), fim ? 1 : 0);
        entregues += juntos.size();
        juntos.clear();
        if (status == XML_STATUS_ERROR) {
            if (falha_) std::rethrow_exception(falha_);
            danificada(
                QT_TRANSLATE_NOOP(
                    "Mensagens",
                    "A planilha não pôde ser lida: a parte %1 não é XML válido (linha %2: %3)."),
                {parte, XML_GetCurrentLineNumber(parser.get()),
                 XML_ErrorString(XML_GetErrorCode(parser.get()))});
        }
    });
    parser_ = nullptr;
}

// ---------------------------------------------------------------------------------------------
// The rows

void TMontagem::linha(std::int64_t numero) {
    fechaLinha();
    if (numero > kMaximoLinhas)
        danificada(
            QT_TRANSLATE_NOOP("Mensagens",
                              "A planilha não pôde ser lida: a planilha passa das %1 linhas."),
            {kMaximoLinhas});
    numero_ = numero;
    celulas_.clear();
    textos_.clear();
}

void TMontagem::celula(std::int64_t coluna, std::string_view texto) {
    if (coluna >= kMaximoColunas)
        danificada(
            QT_TRANSLATE_NOOP("Mensagens",
                              "A planilha não pôde ser lida: a planilha passa das %1 colunas."),
            {kMaximoColunas});
    if (texto.empty()) return;
    orcamento_.confere(textos_.size() + texto.size() + 24 * (celulas_.size() + 1));
    celulas_.emplace_back(coluna, textos_.size(), texto.size());
    textos_ += texto;
}

void TMontagem::fechaLinha(std::int64_t vezes) {
    if (numero_ < 0) return;
    if (!celulas_.empty()) {
        std::sort(celulas_.begin(), celulas_.end(),
                  [](const auto& a, const auto& b) { return std::get<0>(a) < std::get<0>(b); });
        // A row as the table keeps it: its text, an end for every cell up to the last, the
        // row's own entry.
        const auto largura = static_cast<std::uint64_t>(std::get<0>(celulas_.back()) + 1);
        const std::uint64_t bytesDaLinha = textos_.size() + 8 * largura + 16;
        for (std::int64_t v = 0; v < vezes; ++v) {
            if (numero_ + v > kMaximoLinhas)
                danificada(QT_TRANSLATE_NOOP(
                               "Mensagens",
                               "A planilha não pôde ser lida: a planilha passa das %1 linhas."),
                           {kMaximoLinhas});
            orcamento_.gasta(bytesDaLinha);
            tabela_.novaLinha(numero_ + v);
            std::int64_t coluna = 0;
            for (const auto& [c, inicio, tamanho] : celulas_) {
                for (; coluna < c; ++coluna) tabela_.adicionaCelula({});
                tabela_.adicionaCelula(std::string_view(textos_).substr(inicio, tamanho));
                ++coluna;
            }
        }
    }
    numero_ = -1;
}

// ---------------------------------------------------------------------------------------------
// What the readers of both formats use

std::optional<std::int64_t> inteiro(std::optional<std::string_view> texto) {
    if (!texto || texto->empty() || texto->size() > 18) return std::nullopt;
    std::int64_t n = 0;
    for (const char c : *texto) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n;
}

void contaPlanilha(std::size_t planilhas) {
    if (planilhas >= kMaximoPlanilhas)
        danificada(
            QT_TRANSLATE_NOOP("Mensagens",
                              "A planilha não pôde ser lida: o arquivo tem mais de %1 planilhas."),
            {kMaximoPlanilhas});
}

void notaDasCelulas(TPlanilhaLida& p, std::int64_t erros, std::int64_t semValor) {
    if (erros == 1)
        p.notas.push_back(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens", "1 célula com erro (como #DIV/0!) foi lida como valor ausente.")));
    else if (erros > 1)
        p.notas.push_back(
            mensagem(QT_TRANSLATE_NOOP(
                         "Mensagens",
                         "%1 células com erro (como #DIV/0!) foram lidas como valores ausentes."),
                     {erros}));
    if (semValor == 1)
        p.notas.push_back(mensagem(QT_TRANSLATE_NOOP(
            "Mensagens",
            "1 fórmula sem valor calculado foi lida como valor ausente (abra e grave "
            "a planilha de novo para calculá-la).")));
    else if (semValor > 1)
        p.notas.push_back(mensagem(
            QT_TRANSLATE_NOOP("Mensagens",
                              "%1 fórmulas sem valor calculado foram lidas como valores ausentes "
                              "(abra e grave a planilha de novo para calculá-las)."),
            {semValor}));
}

}  // namespace planilhas

std::size_t TTabelaDeTextos::largura(std::size_t linha) const {
    const std::uint64_t fim = linha + 1 < primeiras_.size() ? primeiras_[linha + 1] : fins_.size();
    return static_cast<std::size_t>(fim - primeiras_[linha]);
}

std::string_view TTabelaDeTextos::celula(std::size_t linha, std::size_t coluna) const {
    if (coluna >= largura(linha)) return {};
    const std::uint64_t i = primeiras_[linha] + coluna;
    const std::uint64_t inicio = i == 0 ? 0 : fins_[i - 1];
    return std::string_view(textos_).substr(inicio, fins_[i] - inicio);
}

void TTabelaDeTextos::novaLinha(std::int64_t numero) {
    primeiras_.push_back(fins_.size());
    numeros_.push_back(numero);
}

void TTabelaDeTextos::adicionaCelula(std::string_view texto) {
    textos_ += texto;
    fins_.push_back(textos_.size());
}

bool ePlanilha(const std::string& caminho) {
    return terminaEm(caminho, ".xlsx") || terminaEm(caminho, ".ods");
}

TPlanilhaLida lePlanilha(const std::string& caminho, const std::string& planilha,
                         TControle* controle) {
    using namespace planilhas;
    TPlanilhaLida p;
    const TZip zip(caminho);
    if (zip.tem("xl/workbook.xml"))
        leXlsx(zip, planilha, controle, p);
    else if (zip.tem("content.xml"))
        leOds(zip, planilha, controle, p);
    else
        danificada(QT_TRANSLATE_NOOP(
            "Mensagens", "A planilha não pôde ser lida: não é uma planilha .xlsx nem .ods."));
    return p;
}

std::vector<std::string> planilhasDoArquivo(const std::string& caminho, TControle* controle) {
    const planilhas::TZip zip(caminho);
    if (zip.tem("xl/workbook.xml")) return planilhas::planilhasXlsx(zip, controle);
    if (zip.tem("content.xml")) return planilhas::planilhasOds(zip, controle);
    planilhas::danificada(QT_TRANSLATE_NOOP(
        "Mensagens", "A planilha não pôde ser lida: não é uma planilha .xlsx nem .ods."));
}
