#include "UPadroes.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "UTraducao.h"

namespace {

// A label's length as 7 bits a byte, the last byte without its high bit.
std::size_t bytesDoComprimento(std::size_t n) {
    std::size_t b = 1;
    for (; n >= 0x80; n >>= 7) ++b;
    return b;
}

// The capacity a vector of `tamanho` elements grows to when `mais` are appended past its capacity.
std::size_t crescimento(std::size_t tamanho, std::size_t mais) {
    return tamanho + std::max(tamanho, mais);
}

}  // namespace

TPadroes::TPadroes(std::initializer_list<TPadraoEntrada> padroes) {
    for (const TPadraoEntrada& p : padroes) push_back(p);
}

TPadroes::TPadroes(const TPadroes& outro)
    : quantos_(outro.quantos_),
      largura_(outro.largura_),
      valores_(outro.valores_),
      indice_(outro.indice_) {
    blocos_.reserve(outro.blocos_.size());
    for (const TBloco& b : outro.blocos_) {
        TBloco copia{std::make_unique<char[]>(b.usados), b.usados, b.usados};
        std::memcpy(copia.bytes.get(), b.bytes.get(), b.usados);
        blocos_.push_back(std::move(copia));
        bytesBlocos_ += b.usados;
    }
}

TPadroes& TPadroes::operator=(const TPadroes& outro) {
    if (this != &outro) {
        TPadroes copia(outro);
        swap(copia);
    }
    return *this;
}

void TPadroes::adiciona(const double* valores, std::int32_t qtd, std::string_view rotulo) {
    if (quantos_ > 0 && qtd != largura_)
        throw std::invalid_argument(mensagem(
            QT_TRANSLATE_NOOP("Mensagens", "todos os padrões têm o mesmo número de valores")));
    // A pattern of this container's own would move with the block it is copied into.
    const bool proprio = !valores_.empty() && valores >= valores_.data() &&
                         valores < valores_.data() + valores_.size();
    if (proprio) {
        const std::vector<double> copia(valores, valores + qtd);
        const std::string rotuloCopia(rotulo);
        adiciona(copia.data(), qtd, rotuloCopia);
        return;
    }
    largura_ = qtd;
    valores_.insert(valores_.end(), valores, valores + qtd);
    adicionaRotulo(rotulo);
    ++quantos_;
}

void TPadroes::adicionaRotulo(std::string_view rotulo) {
    // A label of this container's own lives in a block that does not move; a new block is
    // allocated apart, so the bytes stay valid while they are copied.
    const std::size_t entrada = bytesDoComprimento(rotulo.size()) + rotulo.size();
    if (blocos_.empty() || blocos_.back().capacidade - blocos_.back().usados < entrada) {
        const std::size_t capacidade = std::max(kBloco, entrada);
        blocos_.push_back({std::make_unique<char[]>(capacidade), capacidade, 0});
        bytesBlocos_ += capacidade;
    }
    TBloco& bloco = blocos_.back();
    if (quantos_ % kPasso == 0)
        indice_.push_back((static_cast<std::uint64_t>(blocos_.size() - 1) << 32) | bloco.usados);
    char* p = bloco.bytes.get() + bloco.usados;
    for (std::size_t n = rotulo.size();; n >>= 7) {
        const auto byte = static_cast<unsigned char>(n & 0x7F);
        if (n < 0x80) {
            *p++ = static_cast<char>(byte);
            break;
        }
        *p++ = static_cast<char>(byte | 0x80);
    }
    if (!rotulo.empty()) std::memcpy(p, rotulo.data(), rotulo.size());
    bloco.usados += entrada;
}

std::string_view TPadroes::rotulo(std::size_t i) const {
    const std::uint64_t inicio = indice_[i / kPasso];
    std::size_t b = static_cast<std::size_t>(inicio >> 32);
    std::size_t pos = static_cast<std::size_t>(inicio & 0xFFFFFFFFu);
    for (std::size_t resta = i % kPasso;; --resta) {
        if (pos == blocos_[b].usados) {
            // The label did not fit in the rest of its block and opened the next one.
            ++b;
            pos = 0;
        }
        const char* bytes = blocos_[b].bytes.get();
        std::size_t n = 0;
        for (int deslocamento = 0;; deslocamento += 7) {
            const auto c = static_cast<unsigned char>(bytes[pos++]);
            n |= static_cast<std::size_t>(c & 0x7F) << deslocamento;
            if ((c & 0x80) == 0) break;
        }
        if (resta == 0) return {bytes + pos, n};
        pos += n;
    }
}

void TPadroes::reservaValores(std::size_t padroes, std::int32_t largura) {
    valores_.reserve(padroes * static_cast<std::size_t>(std::max(largura, 0)));
}

std::uint64_t TPadroes::bytes() const {
    return valores_.capacity() * sizeof(double) + indice_.capacity() * sizeof(std::uint64_t) +
           blocos_.capacity() * sizeof(TBloco) + bytesBlocos_;
}

std::uint64_t TPadroes::bytesAoAdicionar(std::int32_t qtd, std::size_t bytesRotulo) const {
    std::uint64_t total = bytes();
    const auto n = static_cast<std::size_t>(std::max(qtd, 0));
    if (valores_.size() + n > valores_.capacity())
        total += crescimento(valores_.size(), n) * sizeof(double);
    const std::size_t entrada = bytesDoComprimento(bytesRotulo) + bytesRotulo;
    if (blocos_.empty() || blocos_.back().capacidade - blocos_.back().usados < entrada) {
        total += std::max(kBloco, entrada);
        if (blocos_.size() == blocos_.capacity())
            total += crescimento(blocos_.size(), 1) * sizeof(TBloco);
    }
    if (quantos_ % kPasso == 0 && indice_.size() == indice_.capacity())
        total += crescimento(indice_.size(), 1) * sizeof(std::uint64_t);
    return total;
}

void TPadroes::clear() {
    quantos_ = 0;
    largura_ = 0;
    valores_.clear();
    blocos_.clear();
    bytesBlocos_ = 0;
    indice_.clear();
}

void TPadroes::swap(TPadroes& outro) noexcept {
    std::swap(quantos_, outro.quantos_);
    std::swap(largura_, outro.largura_);
    valores_.swap(outro.valores_);
    blocos_.swap(outro.blocos_);
    std::swap(bytesBlocos_, outro.bytesBlocos_);
    indice_.swap(outro.indice_);
}
