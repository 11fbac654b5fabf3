// A laboratory session file from any bytes: the bytes as the whole file, or, when they do not
// start as a zip does, as its parts ("@@ name" lines before each) in a zip made here, so that the
// fuzzer reaches the parts' own checks. The reading either fails with one of its documented
// failures or gives a session that opens (its maps measured on its data); a session opened and
// saved gives a file that, opened and saved again, gives the same bytes.

#include <zip.h>

#include <deque>
#include <string>
#include <vector>

#include "Comum.h"
#include "UArquivoSessaoLab.h"
#include "UErros.h"
#include "ULimites.h"
#include "USessaoLab.h"

namespace {

// The parts named in `texto`, stored in a zip, as bytes.
std::string zipDasPartes(const std::string& texto) {
    zip_error_t erro;
    zip_error_init(&erro);
    zip_source_t* fonte = zip_source_buffer_create(nullptr, 0, 0, &erro);
    zip_source_keep(fonte);
    zip_t* z = zip_open_from_source(fonte, ZIP_TRUNCATE, &erro);
    if (z == nullptr) std::abort();
    // The zip reads the parts when it is closed: they must not move until then.
    std::deque<std::string> partes;
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        if (texto.compare(inicio, 3, "@@ ") != 0) break;
        const std::size_t fimDoNome = texto.find('\n', inicio);
        if (fimDoNome == std::string::npos) break;
        const std::string nome = texto.substr(inicio + 3, fimDoNome - inicio - 3);
        std::size_t fim = texto.find("\n@@ ", fimDoNome);
        fim = fim == std::string::npos ? texto.size() : fim + 1;
        partes.push_back(texto.substr(fimDoNome + 1, fim - fimDoNome - 1));
        zip_source_t* s = zip_source_buffer(z, partes.back().data(), partes.back().size(), 0);
        const zip_int64_t i = zip_file_add(z, nome.c_str(), s, ZIP_FL_OVERWRITE);
        if (i < 0) {
            zip_source_free(s);
        } else {
            zip_set_file_compression(z, static_cast<zip_uint64_t>(i), ZIP_CM_STORE, 0);
        }
        inicio = fim;
    }
    if (zip_close(z) != 0) std::abort();
    zip_source_open(fonte);
    zip_stat_t st;
    zip_source_stat(fonte, &st);
    std::string bytes(static_cast<std::size_t>(st.size), '\0');
    zip_source_read(fonte, bytes.data(), bytes.size());
    zip_source_close(fonte);
    zip_source_free(fonte);
    zip_error_fini(&erro);
    return bytes;
}

// The session saved after opening `bytes`; empty when they are refused.
std::string reaberta(const std::string& bytes) {
    const TArquivoEmMemoria arquivo(bytes);
    TSessaoLab sessao;
    try {
        sessao.abreSessao(arquivo.caminho());
    } catch (const ESessaoLab&) {
        return {};
    } catch (const EMemoriaInsuficiente&) {
        return {};
    }
    if (sessao.execucoes().size() > 0 && !sessao.temDados() && !sessao.deOutrosDados(0))
        falhou("uma execução sem dados");
    return bytesDaSessaoLab(sessao.documento(sessao.janela()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    defineLimiteMemoriaDados(std::uint64_t{64} << 20);
    std::string entrada(reinterpret_cast<const char*>(dados), tamanho);
    if (entrada.rfind("PK", 0) != 0) entrada = zipDasPartes(entrada);
    const std::string uma = reaberta(entrada);
    if (uma.empty()) return 0;
    if (reaberta(uma) != uma) falhou("uma sessão aberta e gravada não se reabre igual");
    return 0;
}
