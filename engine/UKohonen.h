#pragma once
// The two records on which the whole engine works: an input pattern read from a pattern file and
// a neuron of the map. They have no behaviour of their own; the network operations of TRede do
// all the arithmetic on them.
//
// Labels are bytes as the file holds them (UTF-8 or Windows-1252); the window decodes them for
// display. Callers pass only indices below the current lengths.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TPadraoEntrada {
  public:
    void setQtdValores(std::int32_t n) { valores_.assign(static_cast<std::size_t>(n), 0.0); }
    std::int32_t getQtdValores() const { return static_cast<std::int32_t>(valores_.size()); }
    void setValor(std::int32_t k, double v) { valores_[static_cast<std::size_t>(k)] = v; }
    double getValor(std::int32_t k) const { return valores_[static_cast<std::size_t>(k)]; }
    void setRotulo(std::string s) { rotulo_ = std::move(s); }
    const std::string& getRotulo() const { return rotulo_; }

    // The reader appends values one by one, so that a file announcing millions of values per
    // pattern reserves memory only for the values it really holds.
    void adicionaValor(double v) { valores_.push_back(v); }
    void reservaValores(std::size_t n) { valores_.reserve(n); }
    std::size_t capacidadeValores() const { return valores_.capacity(); }
    const double* dados() const { return valores_.data(); }

  private:
    std::string rotulo_;
    std::vector<double> valores_;
};

class TNeuronio {
  public:
    void criaListaPadroes() { padroesAglutinados_.clear(); }
    void setQtdPesos(std::int32_t n) { pesos_.assign(static_cast<std::size_t>(n), 0.0); }
    std::int32_t getQtdPesos() const { return static_cast<std::int32_t>(pesos_.size()); }
    void setPeso(std::int32_t k, double w) { pesos_[static_cast<std::size_t>(k)] = w; }
    double getPeso(std::int32_t k) const { return pesos_[static_cast<std::size_t>(k)]; }

    void zeraAglutinados() { qtdAglutinados_ = 0; }
    void incAglutinados() { ++qtdAglutinados_; }
    std::int32_t getAglutinados() const { return qtdAglutinados_; }

    void adicionaPadrao(std::string_view s) { padroesAglutinados_.emplace_back(s); }
    void limpaPadroes() { padroesAglutinados_.clear(); }
    std::int32_t contaPadroes() const {
        return static_cast<std::int32_t>(padroesAglutinados_.size());
    }
    const std::string& getPadrao(std::int32_t j) const {
        return padroesAglutinados_[static_cast<std::size_t>(j)];
    }

    double* dados() { return pesos_.data(); }
    const double* dados() const { return pesos_.data(); }

  private:
    std::vector<double> pesos_;
    std::int32_t qtdAglutinados_ = 0;
    std::vector<std::string> padroesAglutinados_;
};
