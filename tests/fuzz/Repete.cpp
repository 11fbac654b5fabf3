// Replays a harness on every file of the given folders (a seed corpus kept in the repository), so
// that every input that once broke something stays a test in the ordinary build.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho);

int main(int argc, char** argv) {
    int arquivos = 0;
    for (int i = 1; i < argc; ++i)
        for (const auto& entrada : std::filesystem::directory_iterator(argv[i])) {
            if (!entrada.is_regular_file()) continue;
            std::ifstream f(entrada.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(f),
                                          std::istreambuf_iterator<char>()};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                   bytes.size());
            ++arquivos;
        }
    std::printf("%d entradas repetidas\n", arquivos);
    return arquivos > 0 ? 0 : 1;
}
