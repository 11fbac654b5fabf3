// The laboratory's session file, written and read in one place: every part's writer sits beside
// the reader that checks it, so the two cannot drift apart; split by direction they would.
#include "UArquivoSessaoLab.h"

#include <sys/stat.h>
#include <zip.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>

#include "UAjustesLab.h"
#include "UErros.h"
#include "UGravacao.h"
#include "ULeitorLinhas.h"
#include "ULimites.h"
#include "UTraducao.h"

static_assert(std::endian::native == std::endian::little,
              "the session's number parts are little-endian, as the machine's memory");

std::size_t TReprisaLab::bytes() const {
    std::size_t n = 0;
    for (const TQuadro& q : quadros)
        n += q.pesos.size() * sizeof(double) + q.vencedores.size() * sizeof(std::int32_t);
    return n;
}

namespace {

constexpr const char* kFormato = "norvika-lab-sessao";
// More runs or data sets than a class ever makes; a file claiming more is damaged.
constexpr std::size_t kMaximoExecucoes = 100000;
constexpr std::size_t kMaximoTextos = 1000000;

// `porque` is a message of the "Mensagens" context with its arguments.
[[noreturn]] void danificado(const char* porque,
                             std::initializer_list<TArgumento> argumentos = {}) {
    throw ESessaoLab(
        mensagem(QT_TRANSLATE_NOOP("Mensagens", "O arquivo da sessão não pôde ser lido: %1."),
                 {mensagem(porque, argumentos)}));
}

// ---------------------------------------------------------------------------------------------
// Text parts: "key value" lines

std::string escapa(const std::string& s) {
    std::string r;
    r.reserve(s.size());
    for (const char c : s) {
        if (c == '%')
            r += "%25";
        else if (c == '\n')
            r += "%0A";
        else if (c == '\r')
            r += "%0D";
        else
            r += c;
    }
    return r;
}

std::string desescapa(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            r += s[i];
            continue;
        }
        const std::string_view codigo = s.substr(i + 1, 2);
        if (codigo == "25")
            r += '%';
        else if (codigo == "0A")
            r += '\n';
        else if (codigo == "0D")
            r += '\r';
        else
            danificado(QT_TRANSLATE_NOOP("Mensagens", "um texto tem um escape desconhecido"));
        i += 2;
    }
    return r;
}

std::string real(double v) {
    char b[64];
    const auto r = std::to_chars(b, b + sizeof b, v);
    return std::string(b, r.ptr);
}

class TTexto {
  public:
    void poe(const std::string& chave, const std::string& valor) {
        texto_ += chave + ' ' + escapa(valor) + '\n';
    }
    void poe(const std::string& chave, std::int64_t valor) { poe(chave, std::to_string(valor)); }
    void poe(const std::string& chave, std::uint64_t valor) { poe(chave, std::to_string(valor)); }
    void poeReal(const std::string& chave, double valor) { poe(chave, real(valor)); }
    const std::string& texto() const { return texto_; }

  private:
    std::string texto_;
};

// A text part read: each key's values in order.
class TLeituraTexto {
  public:
    TLeituraTexto(const std::string& texto, const std::string& parte) : parte_(parte) {
        std::size_t inicio = 0;
        std::size_t linhas = 0;
        while (inicio < texto.size()) {
            std::size_t fim = texto.find('\n', inicio);
            if (fim == std::string::npos)
                danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 termina no meio"), {parte});
            const std::string_view linha(texto.data() + inicio, fim - inicio);
            inicio = fim + 1;
            if (++linhas > kMaximoTextos)
                danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 é longa demais"), {parte});
            const std::size_t espaco = linha.find(' ');
            if (espaco == std::string_view::npos || espaco == 0)
                danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 tem uma linha sem chave"),
                           {parte});
            valores_[std::string(linha.substr(0, espaco))].push_back(
                desescapa(linha.substr(espaco + 1)));
        }
    }
    const std::vector<std::string>& todos(const std::string& chave) const {
        static const std::vector<std::string> nenhum;
        const auto i = valores_.find(chave);
        return i == valores_.end() ? nenhum : i->second;
    }
    bool tem(const std::string& chave) const { return valores_.count(chave) != 0; }
    const std::string& texto(const std::string& chave) const {
        const std::vector<std::string>& v = todos(chave);
        if (v.size() != 1)
            danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 não diz %2 uma vez"),
                       {parte_, chave});
        return v.front();
    }
    std::int64_t inteiro(const std::string& chave, std::int64_t minimo, std::int64_t maximo) const {
        const std::string& s = texto(chave);
        std::int64_t v = 0;
        const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
        if (r.ec != std::errc() || r.ptr != s.data() + s.size() || v < minimo || v > maximo)
            danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 tem %2 inválido"),
                       {parte_, chave});
        return v;
    }
    std::uint64_t natural64(const std::string& chave) const {
        const std::string& s = texto(chave);
        std::uint64_t v = 0;
        const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
        if (r.ec != std::errc() || r.ptr != s.data() + s.size())
            danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 tem %2 inválido"),
                       {parte_, chave});
        return v;
    }
    double real(const std::string& chave) const {
        const std::string& s = texto(chave);
        double v = 0.0;
        const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
        if (r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
            danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 tem %2 inválido"),
                       {parte_, chave});
        return v;
    }
    bool sim(const std::string& chave) const { return inteiro(chave, 0, 1) == 1; }
    // "-" for none, else an index below `limite`.
    std::optional<std::size_t> indice(const std::string& chave, std::size_t limite) const {
        if (texto(chave) == "-") return std::nullopt;
        return static_cast<std::size_t>(inteiro(chave, 0, static_cast<std::int64_t>(limite) - 1));
    }

  private:
    std::map<std::string, std::vector<std::string>> valores_;
    std::string parte_;
};

// ---------------------------------------------------------------------------------------------
// Number parts

template <class T>
std::string bytesDe(const std::vector<T>& v) {
    std::string s(v.size() * sizeof(T), '\0');
    if (!v.empty()) std::memcpy(s.data(), v.data(), s.size());
    return s;
}

template <class T>
std::vector<T> vetorDe(const std::string& bytes, std::size_t n, const std::string& parte) {
    if (bytes.size() != n * sizeof(T))
        danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 tem o tamanho errado"), {parte});
    std::vector<T> v(n);
    if (n > 0) std::memcpy(v.data(), bytes.data(), bytes.size());
    return v;
}

std::uint64_t vezes(std::uint64_t a, std::uint64_t b) {
    std::uint64_t r = 0;
    if (__builtin_mul_overflow(a, b, &r)) return UINT64_MAX;
    return r;
}

// ---------------------------------------------------------------------------------------------
// The zip

struct TFechaZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};

class TZipEscrito {
  public:
    TZipEscrito() {
        zip_error_t erro;
        zip_error_init(&erro);
        fonte_ = zip_source_buffer_create(nullptr, 0, 0, &erro);
        if (fonte_ == nullptr)
            throw EEntradaSaida(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Sem memória para montar o arquivo da sessão.")));
        zip_source_keep(fonte_);
        zip_ = zip_open_from_source(fonte_, ZIP_TRUNCATE, &erro);
        zip_error_fini(&erro);
        if (zip_ == nullptr) {
            zip_source_free(fonte_);
            throw EEntradaSaida(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Sem memória para montar o arquivo da sessão.")));
        }
    }
    ~TZipEscrito() {
        if (zip_ != nullptr) zip_discard(zip_);
        zip_source_free(fonte_);
    }
    TZipEscrito(const TZipEscrito&) = delete;
    TZipEscrito& operator=(const TZipEscrito&) = delete;

    void poe(const std::string& nome, std::string bytes) {
        partes_.push_back(std::make_unique<std::string>(std::move(bytes)));
        const std::string& b = *partes_.back();
        zip_source_t* s = zip_source_buffer(zip_, b.data(), b.size(), 0);
        const zip_int64_t i = s == nullptr ? -1 : zip_file_add(zip_, nome.c_str(), s, 0);
        if (i < 0) {
            if (s != nullptr) zip_source_free(s);
            throw EEntradaSaida(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "Sem memória para montar o arquivo da sessão.")));
        }
        // A fixed date, so that the same session always gives the same bytes.
        zip_file_set_dostime(zip_, static_cast<zip_uint64_t>(i), 0, (1 << 5) | 1, 0);
    }

    std::string fecha() {
        if (zip_close(zip_) != 0)
            throw EEntradaSaida(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "O arquivo da sessão não pôde ser montado.")));
        zip_ = nullptr;
        std::string r;
        zip_stat_t st;
        if (zip_source_stat(fonte_, &st) != 0 || zip_source_open(fonte_) != 0)
            throw EEntradaSaida(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "O arquivo da sessão não pôde ser montado.")));
        r.resize(static_cast<std::size_t>(st.size));
        const zip_int64_t n = zip_source_read(fonte_, r.data(), r.size());
        zip_source_close(fonte_);
        if (n < 0 || static_cast<std::size_t>(n) != r.size())
            throw EEntradaSaida(mensagem(
                QT_TRANSLATE_NOOP("Mensagens", "O arquivo da sessão não pôde ser montado.")));
        return r;
    }

  private:
    zip_source_t* fonte_ = nullptr;
    zip_t* zip_ = nullptr;
    std::vector<std::unique_ptr<std::string>> partes_;
};

class TZipLido {
  public:
    TZipLido(const std::string& bytes, TControle* controle) : controle_(controle) {
        zip_error_t erro;
        zip_error_init(&erro);
        zip_source_t* fonte = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &erro);
        zip_t* z = fonte == nullptr ? nullptr : zip_open_from_source(fonte, ZIP_RDONLY, &erro);
        zip_error_fini(&erro);
        if (z == nullptr) {
            if (fonte != nullptr) zip_source_free(fonte);
            danificado(QT_TRANSLATE_NOOP("Mensagens", "não é um arquivo de sessão do laboratório"));
        }
        zip_.reset(z);
    }

    bool tem(const std::string& nome) const {
        return zip_name_locate(zip_.get(), nome.c_str(), 0) >= 0;
    }

    // The part's bytes; more than `maximo` is a damaged file (a size the text parts fixed, or the
    // memory allowance), found before it is all inflated.
    std::string le(const std::string& nome, std::uint64_t maximo) {
        const zip_int64_t indice = zip_name_locate(zip_.get(), nome.c_str(), 0);
        if (indice < 0) danificado(QT_TRANSLATE_NOOP("Mensagens", "falta a parte %1"), {nome});
        zip_file_t* arquivo = zip_fopen_index(zip_.get(), static_cast<zip_uint64_t>(indice), 0);
        if (arquivo == nullptr)
            danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 não se abre"), {nome});
        std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> fecha(arquivo, zip_fclose);
        std::string r;
        char bloco[1 << 16];
        for (;;) {
            if (controle_ != nullptr && controle_->passo()) throw EInterrompido();
            const zip_int64_t n = zip_fread(arquivo, bloco, sizeof bloco);
            if (n < 0)
                danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 está corrompida"), {nome});
            if (n == 0) return r;
            if (r.size() + static_cast<std::uint64_t>(n) > maximo)
                danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 é maior do que deveria"),
                           {nome});
            lidos_ += static_cast<std::uint64_t>(n);
            if (lidos_ > limiteMemoriaDados())
                throw EMemoriaInsuficiente(mensagem(
                    QT_TRANSLATE_NOOP(
                        "Mensagens",
                        "A sessão não cabe na memória que o programa se permite usar (%1 MiB)."),
                    {limiteMemoriaDados() >> 20}));
            r.append(bloco, static_cast<std::size_t>(n));
        }
    }

  private:
    std::unique_ptr<zip_t, TFechaZip> zip_;
    TControle* controle_;
    std::uint64_t lidos_ = 0;
};

constexpr std::uint64_t kMaximoTexto = std::uint64_t{64} << 20;

// ---------------------------------------------------------------------------------------------
// The settings, by the settings table's tokens

void escreveConfiguracao(TTexto& t, const TConfiguracaoLab& c) {
    t.poe("linhas", std::int64_t{c.grade.linhas});
    t.poe("colunas", std::int64_t{c.grade.colunas});
    for (const TAjusteLab a :
         {TAjusteLab::topologia, TAjusteLab::toroidal, TAjusteLab::modo, TAjusteLab::vizinhanca,
          TAjusteLab::decaimento, TAjusteLab::ordem, TAjusteLab::inicio})
        t.poe(descricao(a).controle, tokenDoAjuste(c, a));
    t.poeReal("raio_inicial", c.raio.inicial);
    t.poeReal("raio_final", c.raio.final);
    t.poeReal("taxa_inicial", c.taxa.inicial);
    t.poeReal("taxa_final", c.taxa.final);
    t.poe("epocas_pedidas", std::int64_t{c.epocas});
    t.poe("semente", c.semente);
    t.poe("threads", std::int64_t{c.threads});
}

TConfiguracaoLab leConfiguracao(const TLeituraTexto& t) {
    TConfiguracaoLab c;
    c.grade.linhas = static_cast<std::int32_t>(t.inteiro("linhas", 1, INT32_MAX));
    c.grade.colunas = static_cast<std::int32_t>(t.inteiro("colunas", 1, INT32_MAX));
    for (const TAjusteLab a :
         {TAjusteLab::topologia, TAjusteLab::toroidal, TAjusteLab::modo, TAjusteLab::vizinhanca,
          TAjusteLab::decaimento, TAjusteLab::ordem, TAjusteLab::inicio}) {
        const std::optional<std::size_t> e = escolhaPorToken(a, t.texto(descricao(a).controle));
        if (!e || !defineEscolha(c, a, *e))
            danificado(QT_TRANSLATE_NOOP("Mensagens", "uma execução tem %1 desconhecido"),
                       {traducao("TAjustesLab", descricao(a).nome)});
    }
    c.raio = {t.real("raio_inicial"), t.real("raio_final")};
    c.taxa = {t.real("taxa_inicial"), t.real("taxa_final")};
    c.epocas = static_cast<std::int32_t>(t.inteiro("epocas_pedidas", 1, kEpocasMaximasLab));
    c.semente = t.natural64("semente");
    c.threads = static_cast<int>(t.inteiro("threads", 0, 4096));
    return c;
}

const char* tokenDaNormalizacao(TNormalizacao n) {
    switch (n) {
        case TNormalizacao::minmax:
            return "minmax";
        case TNormalizacao::z:
            return "z";
        case TNormalizacao::nenhuma:
            break;
    }
    return "nenhuma";
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Writing

std::string bytesDaSessaoLab(const TDocumentoLab& d) {
    TZipEscrito zip;
    TTexto m;
    m.poe("formato", std::string(kFormato));
    m.poe("versao", std::int64_t{kVersaoSessaoLab});
    m.poe("dados", static_cast<std::int64_t>(d.dados.size()));
    m.poe("execucoes", static_cast<std::int64_t>(d.execucoes.size()));
    m.poe("treinos", d.treinos);
    m.poe("atuais", d.dadosAtuais ? std::to_string(*d.dadosAtuais) : "-");
    m.poe("mostrada", d.execucaoMostrada ? std::to_string(*d.execucaoMostrada) : "-");
    m.poe("mapa_solto", std::int64_t{d.mapa ? 1 : 0});
    for (const auto& [chave, valor] : d.janela) m.poe("janela", chave + '=' + valor);
    zip.poe("manifesto.txt", m.texto());

    for (std::size_t i = 0; i < d.dados.size(); ++i) {
        const TCargaLab& c = d.dados[i].carga;
        const std::string pasta = "dados/" + std::to_string(i) + '/';
        TTexto t;
        t.poe("arquivo", d.dados[i].arquivo);
        t.poe("dimensao", std::int64_t{c.dados.dimensao});
        t.poe("padroes", static_cast<std::int64_t>(c.dados.padroes()));
        t.poe("importado", std::int64_t{c.importado ? 1 : 0});
        t.poe("normalizacao", std::string(tokenDaNormalizacao(c.normalizacao)));
        t.poe("escala", std::int64_t{c.escala.empty() ? 0 : 1});
        t.poe("rotulos", std::int64_t{c.dados.rotulo.empty() ? 0 : 1});
        for (const std::string& s : c.dados.nomes) t.poe("nome", s);
        for (const std::string& s : c.dados.legenda) t.poe("legenda", s);
        for (const std::string& s : c.notas) t.poe("nota", s);
        zip.poe(pasta + "info.txt", t.texto());
        zip.poe(pasta + "valores.f64", bytesDe(c.dados.valores));
        if (!c.dados.rotulo.empty()) zip.poe(pasta + "rotulos.i32", bytesDe(c.dados.rotulo));
        if (!c.escala.empty()) {
            std::vector<double> e;
            for (const TEscala& x : c.escala) e.insert(e.end(), {x.a, x.b});
            zip.poe(pasta + "escala.f64", bytesDe(e));
        }
    }

    for (std::size_t i = 0; i < d.execucoes.size(); ++i) {
        const TDocumentoLab::TExecucao& e = d.execucoes[i];
        const std::string pasta = "execucoes/" + std::to_string(i) + '/';
        TTexto t;
        t.poe("nome", e.nome);
        t.poe("dados", static_cast<std::int64_t>(e.dados));
        t.poe("arquivo", e.arquivo);
        escreveConfiguracao(t, e.config);
        t.poe("epocas", std::int64_t{e.epocas});
        t.poe("parada", std::int64_t{e.parada ? 1 : 0});
        t.poeReal("segundos", e.segundos);
        t.poe("curva", static_cast<std::int64_t>(e.curva.size()));
        t.poe("iniciais", static_cast<std::int64_t>(e.config.pesosIniciais.size()));
        t.poe("quadros", static_cast<std::int64_t>(e.reprisa ? e.reprisa->quadros.size() : 0));
        zip.poe(pasta + "info.txt", t.texto());
        zip.poe(pasta + "pesos.f64", bytesDe(e.pesos));
        std::vector<double> curva;
        for (const TEpocaLab& p : e.curva)
            curva.insert(curva.end(), {p.quantizacao, p.topografico});
        zip.poe(pasta + "curva.f64", bytesDe(curva));
        if (!e.config.pesosIniciais.empty())
            zip.poe(pasta + "iniciais.f64", bytesDe(e.config.pesosIniciais));
        if (e.reprisa && !e.reprisa->quadros.empty()) {
            std::string q;
            for (const TReprisaLab::TQuadro& f : e.reprisa->quadros) {
                q.append(reinterpret_cast<const char*>(&f.epoca), sizeof f.epoca);
                q += bytesDe(f.pesos);
                q += bytesDe(f.vencedores);
            }
            zip.poe(pasta + "quadros.bin", std::move(q));
        }
    }

    if (d.mapa) {
        TTexto t;
        t.poe("linhas", std::int64_t{d.mapa->grade.linhas});
        t.poe("colunas", std::int64_t{d.mapa->grade.colunas});
        TConfiguracaoLab c;
        c.grade = d.mapa->grade;
        t.poe(descricao(TAjusteLab::topologia).controle, tokenDoAjuste(c, TAjusteLab::topologia));
        t.poe(descricao(TAjusteLab::toroidal).controle, tokenDoAjuste(c, TAjusteLab::toroidal));
        zip.poe("mapa/info.txt", t.texto());
        zip.poe("mapa/pesos.f64", bytesDe(d.mapa->pesos));
    }
    return zip.fecha();
}

void gravaSessaoLab(const TDocumentoLab& documento, const std::string& caminho) {
    gravaArquivo(caminho, bytesDaSessaoLab(documento));
}

// ---------------------------------------------------------------------------------------------
// Reading

namespace {

TGradeLab leGrade(const TLeituraTexto& t) {
    TConfiguracaoLab c;
    c.grade.linhas = static_cast<std::int32_t>(t.inteiro("linhas", 1, INT32_MAX));
    c.grade.colunas = static_cast<std::int32_t>(t.inteiro("colunas", 1, INT32_MAX));
    for (const TAjusteLab a : {TAjusteLab::topologia, TAjusteLab::toroidal}) {
        const std::optional<std::size_t> e = escolhaPorToken(a, t.texto(descricao(a).controle));
        if (!e || !defineEscolha(c, a, *e))
            danificado(QT_TRANSLATE_NOOP("Mensagens", "um mapa tem uma grade desconhecida"));
    }
    if (const std::string m = validaGrade(c.grade); !m.empty())
        danificado(QT_TRANSLATE_NOOP("Mensagens", "um mapa: %1"), {m});
    return c.grade;
}

std::vector<double> pesosFinitos(const std::string& bytes, std::uint64_t n,
                                 const std::string& parte) {
    std::vector<double> p = vetorDe<double>(bytes, static_cast<std::size_t>(n), parte);
    for (const double v : p)
        if (!std::isfinite(v))
            danificado(QT_TRANSLATE_NOOP("Mensagens", "a parte %1 tem valores inválidos"), {parte});
    return p;
}

// Bytes the parts may hold, checked before they are read.
std::uint64_t cabe(std::uint64_t n, std::uint64_t tamanho, const std::string& parte) {
    const std::uint64_t bytes = vezes(n, tamanho);
    if (bytes > limiteMemoriaDados())
        throw EMemoriaInsuficiente(
            mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                       "A parte %1 da sessão não cabe na memória que o programa se "
                                       "permite usar (%2 MiB)."),
                     {parte, limiteMemoriaDados() >> 20}));
    return bytes;
}

}  // namespace

TDocumentoLab leSessaoLabDeBytes(const std::string& bytes, TControle* controle) {
    TZipLido zip(bytes, controle);
    if (!zip.tem("manifesto.txt"))
        danificado(QT_TRANSLATE_NOOP("Mensagens", "não é um arquivo de sessão do laboratório"));
    const TLeituraTexto m(zip.le("manifesto.txt", kMaximoTexto), "manifesto.txt");
    if (!m.tem("formato") || m.texto("formato") != kFormato)
        danificado(QT_TRANSLATE_NOOP("Mensagens", "não é um arquivo de sessão do laboratório"));
    const std::int64_t versao = m.inteiro("versao", 1, INT32_MAX);
    if (versao > kVersaoSessaoLab)
        danificado(QT_TRANSLATE_NOOP(
                       "Mensagens", "foi gravado por uma versão mais nova do Norvika (formato %1)"),
                   {std::to_string(versao)});
    TDocumentoLab d;
    const auto nDados = static_cast<std::size_t>(m.inteiro("dados", 0, kMaximoExecucoes));
    const auto nExecucoes = static_cast<std::size_t>(m.inteiro("execucoes", 0, kMaximoExecucoes));
    d.treinos = m.inteiro("treinos", 0, INT64_MAX);
    d.dadosAtuais = m.indice("atuais", nDados);
    d.execucaoMostrada = m.indice("mostrada", nExecucoes);
    for (const std::string& s : m.todos("janela")) {
        const std::size_t igual = s.find('=');
        if (igual == std::string::npos)
            danificado(QT_TRANSLATE_NOOP("Mensagens", "o estado da janela está danificado"));
        d.janela.emplace_back(s.substr(0, igual), s.substr(igual + 1));
    }

    for (std::size_t i = 0; i < nDados; ++i) {
        const std::string pasta = "dados/" + std::to_string(i) + '/';
        const TLeituraTexto t(zip.le(pasta + "info.txt", kMaximoTexto), pasta + "info.txt");
        TDocumentoLab::TDados dados;
        dados.arquivo = t.texto("arquivo");
        TCargaLab& c = dados.carga;
        c.dados.dimensao = static_cast<std::int32_t>(t.inteiro("dimensao", 1, INT32_MAX));
        const auto padroes = static_cast<std::uint64_t>(t.inteiro("padroes", 1, INT64_MAX));
        const auto dim = static_cast<std::uint64_t>(c.dados.dimensao);
        c.importado = t.sim("importado");
        const std::string& norma = t.texto("normalizacao");
        if (norma == "minmax")
            c.normalizacao = TNormalizacao::minmax;
        else if (norma == "z")
            c.normalizacao = TNormalizacao::z;
        else if (norma != "nenhuma")
            danificado(
                QT_TRANSLATE_NOOP("Mensagens", "uns dados têm uma normalização desconhecida"));
        c.dados.nomes = t.todos("nome");
        if (!c.dados.nomes.empty() && c.dados.nomes.size() != dim)
            danificado(QT_TRANSLATE_NOOP("Mensagens", "uns dados têm nomes de mais ou de menos"));
        c.dados.legenda = t.todos("legenda");
        c.notas = t.todos("nota");
        const std::uint64_t valores = vezes(padroes, dim);
        c.dados.valores = vetorDe<double>(
            zip.le(pasta + "valores.f64", cabe(valores, sizeof(double), pasta + "valores.f64")),
            static_cast<std::size_t>(valores), pasta + "valores.f64");
        for (const double v : c.dados.valores)
            if (std::isinf(v))
                danificado(QT_TRANSLATE_NOOP("Mensagens", "uns dados têm valores infinitos"));
        if (t.sim("rotulos")) {
            c.dados.rotulo = vetorDe<std::int32_t>(
                zip.le(pasta + "rotulos.i32",
                       cabe(padroes, sizeof(std::int32_t), pasta + "rotulos.i32")),
                static_cast<std::size_t>(padroes), pasta + "rotulos.i32");
            for (const std::int32_t r : c.dados.rotulo)
                if (r < -1 || r >= static_cast<std::int64_t>(c.dados.legenda.size()))
                    danificado(
                        QT_TRANSLATE_NOOP("Mensagens", "uns dados têm rótulos fora da legenda"));
        }
        if (t.sim("escala")) {
            const std::vector<double> e =
                pesosFinitos(zip.le(pasta + "escala.f64", 16 * dim), 2 * dim, pasta + "escala.f64");
            for (std::size_t k = 0; k < dim; ++k) c.escala.push_back({e[2 * k], e[2 * k + 1]});
        }
        d.dados.push_back(std::move(dados));
    }

    for (std::size_t i = 0; i < nExecucoes; ++i) {
        const std::string pasta = "execucoes/" + std::to_string(i) + '/';
        const TLeituraTexto t(zip.le(pasta + "info.txt", kMaximoTexto), pasta + "info.txt");
        TDocumentoLab::TExecucao e;
        e.nome = t.texto("nome");
        const std::optional<std::size_t> deQuais = t.indice("dados", nDados);
        if (!deQuais)
            danificado(QT_TRANSLATE_NOOP("Mensagens", "uma execução não diz em que dados treinou"));
        e.dados = *deQuais;
        e.arquivo = t.texto("arquivo");
        e.config = leConfiguracao(t);
        const TDadosLab& dados = d.dados[e.dados].carga.dados;
        const auto dim = static_cast<std::uint64_t>(dados.dimensao);
        if (const std::string msg = validaGrade(e.config.grade); !msg.empty())
            danificado(QT_TRANSLATE_NOOP("Mensagens", "uma execução: %1"), {msg});
        const std::uint64_t unidades = static_cast<std::uint64_t>(e.config.grade.unidades());
        const std::uint64_t nPesos = vezes(unidades, dim);
        const auto nIniciais = static_cast<std::uint64_t>(t.inteiro("iniciais", 0, INT64_MAX));
        if (nIniciais > 0) {
            if (nIniciais != nPesos)
                danificado(QT_TRANSLATE_NOOP("Mensagens",
                                             "uma execução tem pesos iniciais de outro mapa"));
            e.config.pesosIniciais = pesosFinitos(
                zip.le(pasta + "iniciais.f64", cabe(nPesos, 8, pasta + "iniciais.f64")), nPesos,
                pasta + "iniciais.f64");
        }
        if (const std::string msg = validaConfiguracao(e.config, dados); !msg.empty())
            danificado(QT_TRANSLATE_NOOP("Mensagens", "uma execução: %1"), {msg});
        e.epocas = static_cast<std::int32_t>(t.inteiro("epocas", 0, e.config.epocas));
        e.parada = t.sim("parada");
        e.segundos = t.real("segundos");
        e.pesos = pesosFinitos(zip.le(pasta + "pesos.f64", cabe(nPesos, 8, pasta + "pesos.f64")),
                               nPesos, pasta + "pesos.f64");
        const auto nCurva = static_cast<std::uint64_t>(t.inteiro("curva", 0, kEpocasMaximasLab));
        const std::vector<double> curva = vetorDe<double>(zip.le(pasta + "curva.f64", 16 * nCurva),
                                                          2 * nCurva, pasta + "curva.f64");
        for (std::size_t k = 0; k < nCurva; ++k)
            e.curva.push_back({curva[2 * k], curva[2 * k + 1]});
        const auto nQuadros =
            static_cast<std::uint64_t>(t.inteiro("quadros", 0, kEpocasMaximasLab + 1));
        if (nQuadros > 0) {
            const std::uint64_t padroes = dados.padroes();
            const std::uint64_t porQuadro = 8 + 8 * nPesos + 4 * padroes;
            const std::string q =
                zip.le(pasta + "quadros.bin", cabe(nQuadros, porQuadro, pasta + "quadros.bin"));
            if (q.size() != nQuadros * porQuadro)
                danificado(
                    QT_TRANSLATE_NOOP("Mensagens", "a parte %1quadros.bin tem o tamanho errado"),
                    {pasta});
            auto r = std::make_shared<TReprisaLab>();
            r->grade = e.config.grade;
            r->curva = e.curva;
            const char* p = q.data();
            std::int64_t anterior = -1;
            for (std::uint64_t k = 0; k < nQuadros; ++k) {
                TReprisaLab::TQuadro f;
                std::memcpy(&f.epoca, p, 8);
                p += 8;
                if (f.epoca <= anterior || f.epoca > e.config.epocas)
                    danificado(QT_TRANSLATE_NOOP("Mensagens",
                                                 "a reprise de uma execução está fora de ordem"));
                anterior = f.epoca;
                f.pesos.resize(static_cast<std::size_t>(nPesos));
                std::memcpy(f.pesos.data(), p, static_cast<std::size_t>(8 * nPesos));
                p += 8 * nPesos;
                f.vencedores.resize(static_cast<std::size_t>(padroes));
                std::memcpy(f.vencedores.data(), p, static_cast<std::size_t>(4 * padroes));
                p += 4 * padroes;
                for (const double v : f.pesos)
                    if (!std::isfinite(v))
                        danificado(QT_TRANSLATE_NOOP(
                            "Mensagens", "a reprise de uma execução tem valores inválidos"));
                for (const std::int32_t v : f.vencedores)
                    if (v < -1 || v >= static_cast<std::int64_t>(unidades))
                        danificado(QT_TRANSLATE_NOOP(
                            "Mensagens", "a reprise de uma execução tem vencedores inválidos"));
                r->quadros.push_back(std::move(f));
            }
            e.reprisa = std::move(r);
        }
        d.execucoes.push_back(std::move(e));
    }

    if (m.sim("mapa_solto")) {
        if (!d.dadosAtuais)
            danificado(QT_TRANSLATE_NOOP("Mensagens", "o mapa mostrado não tem dados"));
        const TLeituraTexto t(zip.le("mapa/info.txt", kMaximoTexto), "mapa/info.txt");
        TDocumentoLab::TMapaSolto mapa;
        mapa.grade = leGrade(t);
        const std::uint64_t n =
            vezes(static_cast<std::uint64_t>(mapa.grade.unidades()),
                  static_cast<std::uint64_t>(d.dados[*d.dadosAtuais].carga.dados.dimensao));
        mapa.pesos = pesosFinitos(zip.le("mapa/pesos.f64", cabe(n, 8, "mapa/pesos.f64")), n,
                                  "mapa/pesos.f64");
        d.mapa = std::move(mapa);
    }
    if (d.execucaoMostrada && d.mapa)
        danificado(QT_TRANSLATE_NOOP("Mensagens", "a sessão mostra dois mapas"));
    return d;
}

TDocumentoLab leSessaoLab(const std::string& caminho, TControle* controle) {
    // Only a regular file: a pipe or a device would block the reading or never end.
    struct stat st {};
    if (::stat(caminho.c_str(), &st) != 0) throw EEntradaSaida(mensagemErroArquivo(errno, caminho));
    if (!S_ISREG(st.st_mode))
        throw EEntradaSaida(mensagemErroArquivo(S_ISDIR(st.st_mode) ? EISDIR : EACCES, caminho));
    if (static_cast<std::uint64_t>(st.st_size) > limiteMemoriaDados())
        throw EMemoriaInsuficiente(
            mensagem(QT_TRANSLATE_NOOP(
                         "Mensagens",
                         "A sessão não cabe na memória que o programa se permite usar (%1 MiB)."),
                     {limiteMemoriaDados() >> 20}));
    std::string bytes;
    {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(caminho.c_str(), "rb"),
                                                          std::fclose);
        if (!f) throw EEntradaSaida(mensagemErroArquivo(errno, caminho));
        char bloco[1 << 16];
        for (;;) {
            if (controle != nullptr && controle->passo()) throw EInterrompido();
            const std::size_t n = std::fread(bloco, 1, sizeof bloco, f.get());
            bytes.append(bloco, n);
            if (bytes.size() > limiteMemoriaDados())
                throw EMemoriaInsuficiente(mensagem(QT_TRANSLATE_NOOP(
                    "Mensagens", "A sessão não cabe na memória que o programa se permite usar.")));
            if (n < sizeof bloco) {
                if (std::ferror(f.get())) throw EEntradaSaida(mensagemErroArquivo(EIO, caminho));
                break;
            }
        }
    }
    return leSessaoLabDeBytes(bytes, controle);
}
