// Office Open XML (.xlsx): the workbook's sheets and their parts, the shared strings, the styles
// that show dates, and one sheet's cells.

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

#include "UErros.h"
#include "UImportacao.h"
#include "UNumeros.h"
#include "UPlanilhaInterna.h"
#include "UTraducao.h"

namespace planilhas {

namespace {

// "A1" → the column (from 0) and the row (from 1).
bool referencia(std::string_view r, std::int64_t& coluna, std::int64_t& linha) {
    std::int64_t c = 0;
    std::size_t i = 0;
    for (; i < r.size() && std::isalpha(static_cast<unsigned char>(r[i])); ++i) {
        c = c * 26 + (std::toupper(static_cast<unsigned char>(r[i])) - 'A' + 1);
        if (c > kMaximoColunas) return false;
    }
    if (i == 0) return false;
    std::int64_t l = 0;
    const std::size_t inicioDigitos = i;
    for (; i < r.size() && std::isdigit(static_cast<unsigned char>(r[i])); ++i) {
        l = l * 10 + (r[i] - '0');
        if (l > kMaximoLinhas) return false;
    }
    if (i != r.size() || i == inicioDigitos) return false;
    coluna = c - 1;
    linha = l;
    return true;
}

// Whether a number format shows a date or a time: the built-in ones, or a format whose code has
// d, m, y, h or s outside quoted text and [brackets].
bool formatoDeData(int id, std::string_view codigo) {
    if ((id >= 14 && id <= 22) || (id >= 27 && id <= 36) || (id >= 45 && id <= 47) ||
        (id >= 50 && id <= 58))
        return true;
    if (codigo.empty()) return false;
    bool aspas = false, colchete = false;
    for (std::size_t i = 0; i < codigo.size(); ++i) {
        const char c = codigo[i];
        if (c == '"')
            aspas = !aspas;
        else if (aspas)
            continue;
        else if (c == '[')
            colchete = true;
        else if (c == ']')
            colchete = false;
        else if (colchete)
            continue;
        else if (c == '\\')
            ++i;
        else if (std::strchr("dmyhsDMYHS", c) != nullptr && c != '\0')
            return true;
    }
    return false;
}

class TLivroXlsx : public TLeitorXml {
  public:
    struct TFolha {
        std::string nome, id;
    };
    std::vector<TFolha> folhas;
    bool base1904 = false;

    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome == "sheet") {
            const auto n = atributo(a, "name");
            const auto id = atributo(a, "id", "relationships");
            contaPlanilha(folhas.size());
            orcamento().gasta(64 + n.value_or("").size() + id.value_or("").size());
            folhas.push_back({std::string(n.value_or("")), std::string(id.value_or(""))});
        } else if (nome == "workbookPr") {
            const auto d = atributo(a, "date1904");
            base1904 = d && (*d == "1" || *d == "true");
        }
    }
    void fecha(std::string_view) override {}
};

class TRelacoes : public TLeitorXml {
  public:
    std::map<std::string, std::string> alvos;
    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome != "Relationship") return;
        const auto id = atributo(a, "Id");
        const auto alvo = atributo(a, "Target");
        if (!id || !alvo) return;
        if (alvos.size() >= 4 * kMaximoPlanilhas)
            danificada(QT_TRANSLATE_NOOP("Mensagens",
                                         "A planilha não pôde ser lida: o arquivo tem relações "
                                         "demais entre as suas partes."));
        orcamento().gasta(96 + id->size() + alvo->size());
        alvos[std::string(*id)] = std::string(*alvo);
    }
    void fecha(std::string_view) override {}
};

// The shared strings: each <si>, its <t> texts (rich-text runs too), not its phonetic guides.
class TTextosCompartilhados : public TLeitorXml {
  public:
    std::string textos;
    std::vector<std::uint64_t> fins;

    std::string_view texto(std::size_t i) const {
        if (i >= fins.size())
            danificada(QT_TRANSLATE_NOOP(
                "Mensagens",
                "A planilha não pôde ser lida: um texto compartilhado que não existe."));
        const std::uint64_t inicio = i == 0 ? 0 : fins[i - 1];
        return std::string_view(textos).substr(inicio, fins[i] - inicio);
    }
    void abre(std::string_view nome, const XML_Char**) override {
        if (nome == "rPh")
            ++fonetico_;
        else if (nome == "t" && fonetico_ == 0)
            dentro_ = true;
    }
    void fecha(std::string_view nome) override {
        if (nome == "rPh")
            --fonetico_;
        else if (nome == "t")
            dentro_ = false;
        else if (nome == "si") {
            if (fins.size() >= kMaximoTextos)
                danificada(QT_TRANSLATE_NOOP("Mensagens",
                                             "A planilha não pôde ser lida: o arquivo tem mais de "
                                             "%1 textos compartilhados."),
                           {kMaximoTextos});
            orcamento().gasta(8);
            fins.push_back(textos.size());
        }
    }
    void texto(std::string_view s) override {
        if (!dentro_) return;
        orcamento().gasta(s.size());
        textos += s;
    }

  private:
    // Far more distinct texts than a table of patterns has (Excel itself keeps fewer than this
    // in one workbook in practice), and few enough that their list stays small.
    static constexpr std::size_t kMaximoTextos = std::size_t{1} << 24;
    int fonetico_ = 0;
    bool dentro_ = false;
};

// Which cell formats (the s of a cell) show dates.
class TEstilos : public TLeitorXml {
  public:
    std::vector<bool> data;
    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome == "numFmt") {
            const auto id = inteiro(atributo(a, "numFmtId"));
            const std::string_view codigo = atributo(a, "formatCode").value_or("");
            if (id && *id < 100000) {
                orcamento().gasta(64 + codigo.size());
                codigos_[static_cast<int>(*id)] = std::string(codigo);
            }
        } else if (nome == "cellXfs") {
            dentro_ = true;
        } else if (nome == "xf" && dentro_ && data.size() < 1000000) {
            const int id = static_cast<int>(inteiro(atributo(a, "numFmtId")).value_or(0) % 100000);
            const auto codigo = codigos_.find(id);
            data.push_back(
                formatoDeData(id, codigo == codigos_.end() ? std::string_view() : codigo->second));
        }
    }
    void fecha(std::string_view nome) override {
        if (nome == "cellXfs") dentro_ = false;
    }

  private:
    std::map<int, std::string> codigos_;
    bool dentro_ = false;
};

class TFolhaXlsx : public TLeitorXml {
  public:
    TFolhaXlsx(TMontagem& montagem, const TTextosCompartilhados& compartilhados,
               const TEstilos& estilos, bool base1904)
        : montagem_(montagem),
          compartilhados_(compartilhados),
          estilos_(estilos),
          base1904_(base1904) {}
    std::int64_t erros = 0, semValor = 0;

    void abre(std::string_view nome, const XML_Char** a) override {
        if (nome == "row") {
            const auto r = inteiro(atributo(a, "r"));
            linha_ = r && *r > linha_ ? *r : linha_ + 1;
            montagem_.linha(linha_);
            coluna_ = -1;
        } else if (nome == "c") {
            std::int64_t c = 0, l = 0;
            const auto r = atributo(a, "r");
            coluna_ = r && referencia(*r, c, l) && c > coluna_ ? c : coluna_ + 1;
            tipo_ = std::string(atributo(a, "t").value_or("n"));
            const auto s = inteiro(atributo(a, "s"));
            data_ = s && static_cast<std::size_t>(*s) < estilos_.data.size() &&
                    estilos_.data[static_cast<std::size_t>(*s)];
            valor_.clear();
            temValor_ = false;
            formula_ = false;
        } else if (nome == "v" || (nome == "t" && tipo_ == "inlineStr")) {
            dentro_ = true;
            temValor_ = true;
        } else if (nome == "f") {
            formula_ = true;
        } else if (nome == "rPh") {
            fonetico_ = true;
        }
    }
    void fecha(std::string_view nome) override {
        if (nome == "v" || nome == "t") {
            dentro_ = false;
        } else if (nome == "rPh") {
            fonetico_ = false;
        } else if (nome == "c") {
            celula();
        } else if (nome == "row") {
            montagem_.fechaLinha();
        }
    }
    void texto(std::string_view s) override {
        if (dentro_ && !fonetico_) {
            orcamento().confere(valor_.size() + s.size());
            valor_ += s;
        }
    }

  private:
    void celula() {
        if (coluna_ < 0) coluna_ = 0;
        // openpyxl and other writers leave <v></v> (or no <v>) under a formula they never computed.
        if (!temValor_ || (formula_ && valor_.empty())) {
            if (formula_) ++semValor;
            return;
        }
        if (tipo_ == "s") {
            const auto i = inteiro(std::string_view(valor_));
            if (!i)
                danificada(QT_TRANSLATE_NOOP(
                    "Mensagens",
                    "A planilha não pôde ser lida: um texto compartilhado sem número."));
            montagem_.celula(coluna_, compartilhados_.texto(static_cast<std::size_t>(*i)));
        } else if (tipo_ == "e") {
            ++erros;
        } else if (tipo_ == "b") {
            montagem_.celula(coluna_, valor_ == "1" ? "VERDADEIRO" : "FALSO");
        } else if ((tipo_ == "n" || tipo_.empty()) && data_) {
            try {
                montagem_.celula(coluna_, textoDeData(textoParaDouble(valor_, '.'), base1904_));
            } catch (const EConversao&) {
                montagem_.celula(coluna_, valor_);
            } catch (const EEstouroReal&) {
                montagem_.celula(coluna_, valor_);
            }
        } else {
            montagem_.celula(coluna_, valor_);  // a number, a string, an inline or an ISO date
        }
    }

    TMontagem& montagem_;
    const TTextosCompartilhados& compartilhados_;
    const TEstilos& estilos_;
    bool base1904_;
    std::int64_t linha_ = 0, coluna_ = -1;
    std::string tipo_, valor_;
    bool data_ = false, temValor_ = false, formula_ = false, dentro_ = false, fonetico_ = false;
};

// The part a relationship's target names, from xl/ (or from the root when it starts with "/").
std::string parteDoAlvo(const std::string& alvo) {
    if (!alvo.empty() && alvo.front() == '/') return alvo.substr(1);
    std::string parte = "xl/" + alvo;
    // "xl/../x" and "xl/./x" as a zip names them.
    for (std::size_t p; (p = parte.find("/./")) != std::string::npos;) parte.erase(p, 2);
    return parte;
}

std::size_t escolhe(const std::vector<std::string>& nomes, const std::string& planilha) {
    if (nomes.empty())
        danificada(QT_TRANSLATE_NOOP(
            "Mensagens", "A planilha não pôde ser lida: não há nenhuma planilha no arquivo."));
    if (planilha.empty()) return 0;
    for (std::size_t i = 0; i < nomes.size(); ++i)
        if (nomes[i] == planilha) return i;
    if (const auto n = inteiro(std::string_view(planilha));
        n && *n >= 1 && static_cast<std::size_t>(*n) <= nomes.size())
        return static_cast<std::size_t>(*n - 1);
    throw EImportacao(mensagem(
        QT_TRANSLATE_NOOP("Mensagens", "O arquivo não tem a planilha \"%1\"."), {planilha}));
}

}  // namespace

void leXlsx(const TZip& zip, const std::string& planilha, TControle* controle, TPlanilhaLida& p) {
    TLivroXlsx livro;
    livro.le(zip, "xl/workbook.xml", controle);
    TRelacoes relacoes;
    if (zip.tem("xl/_rels/workbook.xml.rels"))
        relacoes.le(zip, "xl/_rels/workbook.xml.rels", controle);
    for (const auto& f : livro.folhas) p.planilhas.push_back(f.nome);
    p.escolhida = escolhe(p.planilhas, planilha);
    const auto alvo = relacoes.alvos.find(livro.folhas[p.escolhida].id);
    std::string parte = alvo != relacoes.alvos.end()
                            ? parteDoAlvo(alvo->second)
                            : "xl/worksheets/sheet" + std::to_string(p.escolhida + 1) + ".xml";
    if (!zip.tem(parte))
        danificada(QT_TRANSLATE_NOOP("Mensagens",
                                     "A planilha não pôde ser lida: falta a planilha \"%1\"."),
                   {p.planilhas[p.escolhida]});
    TTextosCompartilhados compartilhados;
    if (zip.tem("xl/sharedStrings.xml")) compartilhados.le(zip, "xl/sharedStrings.xml", controle);
    TEstilos estilos;
    if (zip.tem("xl/styles.xml")) estilos.le(zip, "xl/styles.xml", controle);
    TMontagem montagem(p.tabela, zip.orcamento());
    TFolhaXlsx folha(montagem, compartilhados, estilos, livro.base1904);
    folha.le(zip, parte, controle);
    montagem.fechaLinha();
    notaDasCelulas(p, folha.erros, folha.semValor);
}

std::vector<std::string> planilhasXlsx(const TZip& zip, TControle* controle) {
    TLivroXlsx livro;
    livro.le(zip, "xl/workbook.xml", controle);
    std::vector<std::string> nomes;
    for (const auto& f : livro.folhas) nomes.push_back(f.nome);
    return nomes;
}

}  // namespace planilhas

std::string textoDeData(double serial, bool base1904) {
    if (!std::isfinite(serial) || serial < 0 || serial > 2958465.0)
        return realParaTexto(serial, '.');
    // Days from 1970-01-01: Excel's day 1 is 1900-01-01, and it counts a 29 February 1900 that
    // never was (day 60); the 1904 system counts from 1904-01-01 as day 0.
    auto dia = static_cast<std::int64_t>(std::floor(serial));
    auto segundos =
        static_cast<std::int64_t>(std::llround((serial - std::floor(serial)) * 86400.0));
    if (segundos >= 86400) {
        ++dia;
        segundos -= 86400;
    }
    const std::int64_t desde1970 = base1904 ? dia - 24107 : (dia < 60 ? dia - 25568 : dia - 25569);
    // The civil date of a day count (H. Hinnant's days_from_civil inverted).
    const std::int64_t z = desde1970 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    char texto[160];
    if (segundos == 0)
        std::snprintf(texto, sizeof texto, "%04lld-%02lld-%02lld", static_cast<long long>(y),
                      static_cast<long long>(m), static_cast<long long>(d));
    else
        std::snprintf(texto, sizeof texto, "%04lld-%02lld-%02lld %02lld:%02lld:%02lld",
                      static_cast<long long>(y), static_cast<long long>(m),
                      static_cast<long long>(d), static_cast<long long>(segundos / 3600),
                      static_cast<long long>(segundos / 60 % 60),
                      static_cast<long long>(segundos % 60));
    return texto;
}
