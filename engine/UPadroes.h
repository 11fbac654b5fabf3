#pragma once
// The patterns of a file, held compactly: every value in one block, pattern after pattern (all
// patterns have the same number of values), and every label in blocks of bytes, each label
// preceded by its length. An index holds where every sixteenth label starts, so reaching a label
// skips at most fifteen others. Against one record per pattern (a vector and a string each) this
// saves the allocator's headers and minimum blocks, which for short patterns cost more than the
// values, and the search reads the values as one stream.
//
// A pattern is handed out as a TVistaPadrao, valid until the container changes.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "UKohonen.h"

class TPadroes;

class TVistaPadrao {
  public:
    TVistaPadrao(const double* valores, std::int32_t qtd, const TPadroes* dono, std::size_t indice)
        : valores_(valores), qtd_(qtd), dono_(dono), indice_(indice) {}
    // A record seen the same way, valid while the record lives and does not change.
    TVistaPadrao(const TPadraoEntrada& p)  // NOLINT(google-explicit-constructor)
        : valores_(p.dados()), qtd_(p.getQtdValores()), rotulo_(p.getRotulo()) {}
    std::int32_t getQtdValores() const { return qtd_; }
    double getValor(std::int32_t k) const { return valores_[k]; }
    const double* dados() const { return valores_; }
    // Looked up only when asked: the search reads values, not labels.
    std::string_view getRotulo() const;

  private:
    const double* valores_;
    std::int32_t qtd_;
    const TPadroes* dono_ = nullptr;
    std::size_t indice_ = 0;
    std::string_view rotulo_;
};

class TPadroes {
  public:
    TPadroes() = default;
    TPadroes(std::initializer_list<TPadraoEntrada> padroes);
    TPadroes(const TPadroes& outro);
    TPadroes& operator=(const TPadroes& outro);
    // A moved-from store is empty.
    TPadroes(TPadroes&& outro) noexcept { swap(outro); }
    TPadroes& operator=(TPadroes&& outro) noexcept {
        TPadroes tomado(std::move(outro));
        swap(tomado);
        return *this;
    }

    std::size_t size() const { return quantos_; }
    bool empty() const { return quantos_ == 0; }
    // Values per pattern (0 while empty).
    std::int32_t largura() const { return largura_; }

    TVistaPadrao operator[](std::size_t i) const {
        return {valores_.data() + i * static_cast<std::size_t>(largura_), largura_, this, i};
    }
    std::string_view rotulo(std::size_t i) const;

    // Appends a pattern. Every pattern must have the number of values of the first; another
    // number throws std::invalid_argument. The pattern may be one of this container's own.
    void adiciona(const double* valores, std::int32_t qtd, std::string_view rotulo);
    void push_back(const TVistaPadrao& p) { adiciona(p.dados(), p.getQtdValores(), p.getRotulo()); }

    // Room for `padroes` patterns of `largura` values without moving the values.
    void reservaValores(std::size_t padroes, std::int32_t largura);
    // Bytes held now, and at the peak of appending one more pattern of `qtd` values and a label of
    // `bytesRotulo` bytes (a growing block briefly holds its old and its new copy).
    std::uint64_t bytes() const;
    std::uint64_t bytesAoAdicionar(std::int32_t qtd, std::size_t bytesRotulo) const;

    void clear();
    void swap(TPadroes& outro) noexcept;

    class const_iterator {
      public:
        using iterator_category = std::input_iterator_tag;
        using value_type = TVistaPadrao;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = TVistaPadrao;
        const_iterator(const TPadroes* padroes, std::size_t i) : padroes_(padroes), i_(i) {}
        TVistaPadrao operator*() const { return (*padroes_)[i_]; }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const const_iterator& o) const { return i_ == o.i_; }
        bool operator!=(const const_iterator& o) const { return i_ != o.i_; }

      private:
        const TPadroes* padroes_;
        std::size_t i_;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, quantos_}; }

  private:
    static constexpr std::size_t kBloco = 64 * 1024;  // bytes of a label block
    static constexpr std::size_t kPasso = 16;         // labels per index entry

    void adicionaRotulo(std::string_view rotulo);

    std::size_t quantos_ = 0;
    std::int32_t largura_ = 0;
    std::vector<double> valores_;
    struct TBloco {
        std::unique_ptr<char[]> bytes;
        std::size_t capacidade = 0, usados = 0;
    };
    std::vector<TBloco> blocos_;
    std::uint64_t bytesBlocos_ = 0;  // the blocks' capacities, summed
    // Where labels 0, 16, 32, ... start: block in the high 32 bits, offset in the low ones.
    std::vector<std::uint64_t> indice_;
};

inline std::string_view TVistaPadrao::getRotulo() const {
    return dono_ != nullptr ? dono_->rotulo(indice_) : rotulo_;
}
