#pragma once
// A file in a fresh temporary folder, removed with the folder when the object goes.

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

class PastaTemporaria {
  public:
    PastaTemporaria() {
        std::random_device rd;
        caminho_ = std::filesystem::temp_directory_path() /
                   ("norvika-teste-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(caminho_);
    }
    ~PastaTemporaria() {
        std::error_code ec;
        std::filesystem::remove_all(caminho_, ec);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;

    std::string arquivo(std::string_view nome) const { return (caminho_ / nome).string(); }

    // Writes `bytes` exactly as given to a file of the folder and returns its path.
    std::string escreve(std::string_view nome, std::string_view bytes) const {
        const std::string p = arquivo(nome);
        std::ofstream f(p, std::ios::binary);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p;
    }

    static std::string le(const std::string& caminho) {
        std::ifstream f(caminho, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

    const std::filesystem::path& caminho() const { return caminho_; }

  private:
    std::filesystem::path caminho_;
};
