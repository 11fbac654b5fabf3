#include "UGraphml.h"

#include <expat.h>

#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <optional>

#include "ULimites.h"
#include "UTraducao.h"

namespace {

constexpr std::size_t kDimensaoMaximaGrafo = 100000;

void escapa(std::string& saida, std::string_view texto) {
    for (const char c : texto) {
        switch (c) {
            case '&':
                saida += "&amp;";
                break;
            case '<':
                saida += "&lt;";
                break;
            case '>':
                saida += "&gt;";
                break;
            case '"':
                saida += "&quot;";
                break;
            default:
                saida += c;
        }
    }
}

void numero(std::string& saida, double v) {
    char texto[64];
    const auto r = std::to_chars(texto, texto + sizeof texto, v, std::chars_format::general, 17);
    saida.append(texto, r.ptr);
}

// The reading's state, fed by expat's callbacks.
struct TLeitura {
    struct TChave {
        bool doNo = false;
        std::string nome;
    };
    std::map<std::string, TChave> chaves;
    std::vector<std::string> chavesDoNo;  // in declaration order: the attributes
    std::map<std::string, std::int32_t> nos;
    std::vector<std::vector<std::optional<double>>> valores;
    struct TArestaLida {
        std::string de, para;
        std::int64_t idade = 0;
    };
    std::vector<TArestaLida> arestas;
    // What is open: a node's or an edge's data, and its key.
    enum class TDentro { nada, no, aresta } dentro = TDentro::nada;
    std::string chave, texto;
    bool emDado = false;
    std::string erro;
};

const char* atributo(const XML_Char** a, std::string_view nome) {
    for (; a != nullptr && *a != nullptr; a += 2)
        if (nome == a[0]) return a[1];
    return nullptr;
}

// The local part of a name ("g:node" and "node" alike).
std::string_view local(const XML_Char* nome) {
    std::string_view n(nome);
    const std::size_t dois = n.rfind(':');
    return dois == std::string_view::npos ? n : n.substr(dois + 1);
}

void XMLCALL abre(void* dados, const XML_Char* nome, const XML_Char** a) {
    auto& l = *static_cast<TLeitura*>(dados);
    if (!l.erro.empty()) return;
    const std::string_view n = local(nome);
    if (n == "key") {
        const char* id = atributo(a, "id");
        if (id == nullptr) return;
        const char* para = atributo(a, "for");
        const char* nomeDaChave = atributo(a, "attr.name");
        TLeitura::TChave chave{para != nullptr && std::string_view(para) == "node",
                               nomeDaChave != nullptr ? nomeDaChave : id};
        if (chave.doNo && !l.chaves.contains(id)) {
            if (!l.valores.empty() || l.chavesDoNo.size() >= kDimensaoMaximaGrafo) {
                l.erro = mensagem(QT_TRANSLATE_NOOP(
                    "Mensagens", "As chaves dos nós vêm antes dos nós, e são no máximo 100000."));
                return;
            }
            l.chavesDoNo.emplace_back(id);
        }
        l.chaves[id] = chave;
    } else if (n == "node") {
        const char* id = atributo(a, "id");
        if (id == nullptr || l.nos.contains(id)) {
            l.erro = mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Um nó do grafo não tem id, ou repete o de outro."));
            return;
        }
        // Each node's values are reserved as it opens: within the memory allowance.
        const double bytes = static_cast<double>(l.valores.size() + 1) *
                             static_cast<double>(l.chavesDoNo.size() + 1) * 24.0;
        if (bytes > static_cast<double>(limiteMemoriaDados())) {
            l.erro = mensagem(
                QT_TRANSLATE_NOOP("Mensagens",
                                  "O grafo é maior do que a memória que o programa se permite "
                                  "(%1 MiB)."),
                {limiteMemoriaDados() >> 20});
            return;
        }
        l.nos[id] = static_cast<std::int32_t>(l.valores.size());
        l.valores.emplace_back(l.chavesDoNo.size());
        l.dentro = TLeitura::TDentro::no;
    } else if (n == "edge") {
        const char* de = atributo(a, "source");
        const char* para = atributo(a, "target");
        if (de == nullptr || para == nullptr) {
            l.erro = mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Uma aresta do grafo não tem as duas pontas."));
            return;
        }
        l.arestas.push_back({de, para, 0});
        l.dentro = TLeitura::TDentro::aresta;
    } else if (n == "data" && l.dentro != TLeitura::TDentro::nada) {
        const char* chave = atributo(a, "key");
        l.chave = chave != nullptr ? chave : "";
        l.texto.clear();
        l.emDado = true;
    }
}

std::optional<double> valorDoTexto(std::string_view t) {
    while (!t.empty() &&
           (t.front() == ' ' || t.front() == '\n' || t.front() == '\t' || t.front() == '\r'))
        t.remove_prefix(1);
    while (!t.empty() &&
           (t.back() == ' ' || t.back() == '\n' || t.back() == '\t' || t.back() == '\r'))
        t.remove_suffix(1);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    double v = 0.0;
    const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

void XMLCALL fecha(void* dados, const XML_Char* nome) {
    auto& l = *static_cast<TLeitura*>(dados);
    if (!l.erro.empty()) return;
    const std::string_view n = local(nome);
    if (n == "data" && l.emDado) {
        l.emDado = false;
        const auto chave = l.chaves.find(l.chave);
        if (chave == l.chaves.end()) return;
        if (l.dentro == TLeitura::TDentro::no && chave->second.doNo) {
            std::size_t k = 0;
            while (l.chavesDoNo[k] != l.chave) ++k;
            const std::optional<double> v = valorDoTexto(l.texto);
            if (!v) {
                l.erro =
                    mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                               "O valor \"%1\" de um nó não é um número finito."),
                             {l.texto});
                return;
            }
            l.valores.back()[k] = v;
        } else if (l.dentro == TLeitura::TDentro::aresta && chave->second.nome == "idade") {
            const std::optional<double> v = valorDoTexto(l.texto);
            if (v && *v >= 0.0 && *v < 9e15 && *v == std::floor(*v))
                l.arestas.back().idade = static_cast<std::int64_t>(*v);
        }
    } else if (n == "node" || n == "edge") {
        l.dentro = TLeitura::TDentro::nada;
    }
}

void XMLCALL guardaTexto(void* dados, const XML_Char* s, int n) {
    auto& l = *static_cast<TLeitura*>(dados);
    if (l.emDado && l.texto.size() < 4096) l.texto.append(s, static_cast<std::size_t>(n));
}

}  // namespace

std::string textoGraphml(const TGrafoUnidades& g) {
    const auto d = static_cast<std::size_t>(g.dimensao);
    if (g.dimensao < 1 || g.pesos.size() % d != 0 || (!g.nomes.empty() && g.nomes.size() != d))
        throw EGraphml(
            mensagem(QT_TRANSLATE_NOOP("Mensagens", "O grafo não tem unidades inteiras.")));
    const std::size_t n = g.pesos.size() / d;
    std::string s =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<graphml xmlns=\"http://graphml.graphdrawing.org/xmlns\"\n"
        "         xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
        "         xsi:schemaLocation=\"http://graphml.graphdrawing.org/xmlns "
        "http://graphml.graphdrawing.org/xmlns/1.0/graphml.xsd\">\n";
    for (std::size_t k = 0; k < d; ++k) {
        s += "  <key id=\"x" + std::to_string(k) + "\" for=\"node\" attr.name=\"";
        escapa(s, g.nomes.empty() ? "x" + std::to_string(k) : g.nomes[k]);
        s += "\" attr.type=\"double\"/>\n";
    }
    s += "  <key id=\"idade\" for=\"edge\" attr.name=\"idade\" attr.type=\"long\"/>\n";
    s += "  <graph id=\"G\" edgedefault=\"undirected\">\n";
    for (std::size_t u = 0; u < n; ++u) {
        s += "    <node id=\"n" + std::to_string(u) + "\">";
        for (std::size_t k = 0; k < d; ++k) {
            const double v = g.pesos[u * d + k];
            if (!std::isfinite(v))
                throw EGraphml(mensagem(
                    QT_TRANSLATE_NOOP("Mensagens", "Uma unidade tem um valor que não é finito.")));
            s += "<data key=\"x" + std::to_string(k) + "\">";
            numero(s, v);
            s += "</data>";
        }
        s += "</node>\n";
    }
    for (const TArestaGrafo& a : g.arestas) {
        if (a.a < 0 || a.b < 0 || static_cast<std::size_t>(a.a) >= n ||
            static_cast<std::size_t>(a.b) >= n)
            throw EGraphml(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Uma aresta liga uma unidade que não existe.")));
        s += "    <edge source=\"n" + std::to_string(a.a) + "\" target=\"n" + std::to_string(a.b) +
             "\"><data key=\"idade\">" + std::to_string(a.idade) + "</data></edge>\n";
    }
    s += "  </graph>\n</graphml>\n";
    return s;
}

TGrafoUnidades leGraphmlDeTexto(std::string_view texto) {
    TLeitura l;
    const std::unique_ptr<std::remove_pointer_t<XML_Parser>, void (*)(XML_Parser)> parser(
        XML_ParserCreate("UTF-8"), XML_ParserFree);
    if (!parser) throw std::bad_alloc();
    XML_SetUserData(parser.get(), &l);
    XML_SetElementHandler(parser.get(), abre, fecha);
    XML_SetCharacterDataHandler(parser.get(), guardaTexto);
    if (texto.size() > static_cast<std::size_t>(INT32_MAX))
        throw EGraphml(mensagem(QT_TRANSLATE_NOOP("Mensagens", "O grafo é grande demais.")));
    if (XML_Parse(parser.get(), texto.data(), static_cast<int>(texto.size()), 1) ==
        XML_STATUS_ERROR)
        throw EGraphml(mensagem(QT_TRANSLATE_NOOP("Mensagens", "Linha %1: XML inválido (%2)."),
                                {static_cast<std::int64_t>(XML_GetCurrentLineNumber(parser.get())),
                                 XML_ErrorString(XML_GetErrorCode(parser.get()))}));
    if (!l.erro.empty()) throw EGraphml(l.erro);
    TGrafoUnidades g;
    g.dimensao = static_cast<std::int32_t>(l.chavesDoNo.size());
    if (g.dimensao == 0 || l.valores.empty())
        throw EGraphml(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "O grafo não tem nós com valores (chaves de nó).")));
    for (const std::string& id : l.chavesDoNo) g.nomes.push_back(l.chaves[id].nome);
    for (std::size_t u = 0; u < l.valores.size(); ++u)
        for (std::size_t k = 0; k < l.valores[u].size(); ++k) {
            if (!l.valores[u][k])
                throw EGraphml(
                    mensagem(QT_TRANSLATE_NOOP("Mensagens", "O nó %1 não tem o valor \"%2\"."),
                             {static_cast<std::int64_t>(u + 1), g.nomes[k]}));
            g.pesos.push_back(*l.valores[u][k]);
        }
    for (const TLeitura::TArestaLida& a : l.arestas) {
        const auto de = l.nos.find(a.de), para = l.nos.find(a.para);
        if (de == l.nos.end() || para == l.nos.end())
            throw EGraphml(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "A aresta %1 – %2 liga um nó que não existe."),
                {a.de, a.para}));
        g.arestas.push_back(
            {std::min(de->second, para->second), std::max(de->second, para->second), a.idade});
    }
    return g;
}
