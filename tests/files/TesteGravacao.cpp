// The safe save that the network file and every export share: what a failure leaves behind, and
// what is refused without blocking.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>

#include "../comum/ArquivoTemporario.h"
#include "UErros.h"
#include "UGravacao.h"

namespace {

namespace fs = std::filesystem;

// The file-size limit of the process, lowered while it lives: writes beyond it fail with EFBIG as
// on a full disk (SIGXFSZ ignored meanwhile, as the program ignores it).
class DiscoCheio {
  public:
    explicit DiscoCheio(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &original_);
        sinal_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit pequeno = original_;
        pequeno.rlim_cur = bytes;
        ativo_ = setrlimit(RLIMIT_FSIZE, &pequeno) == 0;
    }
    ~DiscoCheio() {
        setrlimit(RLIMIT_FSIZE, &original_);
        std::signal(SIGXFSZ, sinal_);
    }
    DiscoCheio(const DiscoCheio&) = delete;
    DiscoCheio& operator=(const DiscoCheio&) = delete;
    bool ativo() const { return ativo_; }

  private:
    struct rlimit original_ {};
    void (*sinal_)(int) = SIG_DFL;
    bool ativo_ = false;
};

enum class Espera { grava, recusaEspecial, falha };

struct Caso {
    const char* nome;
    // Prepares the target in the folder and returns its path.
    std::function<std::string(const PastaTemporaria&)> prepara;
    Espera espera;
    // Checks what the target is afterwards (besides its contents).
    std::function<void(const PastaTemporaria&, const std::string&)> verifica;
};

const std::string kAntigo = "conteúdo anterior\r\n";
const std::string kNovo(200000, 'n');  // larger than the "full disk"

TEST(Gravacao, falhaDeixaOAnteriorERecusaOQueNaoEArquivo) {
    const Caso casos[] = {
        {"arquivo novo",
         [](const PastaTemporaria& p) { return p.arquivo("novo.csv"); },
         Espera::grava,
         {}},
        {"substitui",
         [](const PastaTemporaria& p) { return p.escreve("a.csv", kAntigo); },
         Espera::grava,
         {}},
        {"disco cheio", [](const PastaTemporaria& p) { return p.escreve("a.csv", kAntigo); },
         Espera::falha,
         [](const PastaTemporaria& p, const std::string&) {
             int arquivos = 0;
             for ([[maybe_unused]] const auto& e : fs::directory_iterator(p.caminho())) ++arquivos;
             EXPECT_EQ(arquivos, 1) << "o arquivo temporário ficou para trás";
         }},
        // A second name keeps seeing the file: written in place, and on a full disk the
        // reservation fails before a byte of it changes.
        {"link físico",
         [](const PastaTemporaria& p) {
             const std::string a = p.escreve("a.csv", kAntigo);
             fs::create_hard_link(a, p.arquivo("b.csv"));
             return a;
         },
         Espera::grava,
         [](const PastaTemporaria& p, const std::string&) {
             EXPECT_EQ(PastaTemporaria::le(p.arquivo("b.csv")), kNovo);
         }},
        {"link físico, disco cheio",
         [](const PastaTemporaria& p) {
             const std::string a = p.escreve("a.csv", kAntigo);
             fs::create_hard_link(a, p.arquivo("b.csv"));
             return a;
         },
         Espera::falha,
         [](const PastaTemporaria& p, const std::string&) {
             EXPECT_EQ(PastaTemporaria::le(p.arquivo("b.csv")), kAntigo);
             EXPECT_EQ(fs::hard_link_count(p.arquivo("b.csv")), 2u);
         }},
        {"pipe",
         [](const PastaTemporaria& p) {
             const std::string f = p.arquivo("pipe.png");
             EXPECT_EQ(::mkfifo(f.c_str(), 0600), 0);
             return f;
         },
         Espera::recusaEspecial,
         [](const PastaTemporaria&, const std::string& f) { EXPECT_TRUE(fs::is_fifo(f)); }},
        {"dispositivo", [](const PastaTemporaria&) { return std::string("/dev/null"); },
         Espera::recusaEspecial,
         [](const PastaTemporaria&, const std::string& f) {
             EXPECT_TRUE(fs::is_character_file(f));
         }},
        // No new file may be made in the folder: the file in it is written in place.
        {"pasta só de leitura",
         [](const PastaTemporaria& p) {
             fs::create_directory(p.caminho() / "fechada");
             const std::string f = p.escreve("fechada/a.svg", kAntigo);
             fs::permissions(p.caminho() / "fechada",
                             fs::perms::owner_read | fs::perms::owner_exec);
             return f;
         },
         Espera::grava,
         [](const PastaTemporaria& p, const std::string&) {
             fs::permissions(p.caminho() / "fechada", fs::perms::owner_all);
         }},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        PastaTemporaria pasta;
        const std::string alvo = c.prepara(pasta);
        const std::string antes = fs::is_regular_file(alvo) ? PastaTemporaria::le(alvo) : "";
        switch (c.espera) {
            case Espera::grava:
                EXPECT_NO_THROW(gravaArquivo(alvo, kNovo));
                break;
            case Espera::recusaEspecial:
                EXPECT_THROW(gravaArquivo(alvo, kNovo), EArquivoEspecial);
                break;
            case Espera::falha: {
                const DiscoCheio cheio(64 * 1024);
                if (!cheio.ativo())
                    GTEST_SKIP() << "o limite de tamanho de arquivo não pôde ser baixado";
                EXPECT_THROW(gravaArquivo(alvo, kNovo), EEntradaSaida);
                break;
            }
        }
        if (c.verifica) c.verifica(pasta, alvo);
        if (fs::is_regular_file(alvo)) {
            EXPECT_EQ(PastaTemporaria::le(alvo), c.espera == Espera::grava ? kNovo : antes);
        }
    }
}

}  // namespace
