// The compact pattern store against a plain vector of records.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "UPadroes.h"

namespace {

TEST(Padroes, guardaValoresERotulosComoUmVetorDeRegistros) {
    // Labels of every length, among them ones that straddle the end of a label block and ones
    // longer than a block; patterns appended from the store itself, and a copy.
    std::mt19937_64 g(3);
    TPadroes padroes;
    std::vector<TPadraoEntrada> registros;
    for (int i = 0; i < 20000; ++i) {
        TPadraoEntrada p;
        if (i > 0 && g() % 10 == 0) {
            const TVistaPadrao v = padroes[g() % padroes.size()];
            for (std::int32_t k = 0; k < v.getQtdValores(); ++k) p.adicionaValor(v.getValor(k));
            p.setRotulo(std::string(v.getRotulo()));
            padroes.push_back(v);
        } else {
            for (int k = 0; k < 3; ++k) p.adicionaValor(static_cast<double>(g() % 1000) / 7);
            const std::size_t tamanho = g() % 50 == 0 ? 70000 + g() % 100 : g() % 300;
            p.setRotulo(std::string(tamanho, static_cast<char>('a' + i % 26)) + std::to_string(i));
            padroes.push_back(p);
        }
        registros.push_back(p);
    }
    const TPadroes copia = padroes;
    for (const TPadroes* ps : std::initializer_list<const TPadroes*>{&padroes, &copia}) {
        ASSERT_EQ(ps->size(), registros.size());
        std::size_t i = 0;
        for (const TVistaPadrao v : *ps) {
            const TPadraoEntrada& r = registros[i++];
            ASSERT_EQ(v.getRotulo(), r.getRotulo()) << i;
            ASSERT_EQ(v.getQtdValores(), 3);
            for (std::int32_t k = 0; k < 3; ++k) ASSERT_EQ(v.getValor(k), r.getValor(k)) << i;
        }
    }
    TPadraoEntrada outro;
    outro.adicionaValor(1);
    EXPECT_THROW(padroes.push_back(outro), std::invalid_argument);
}

}  // namespace
