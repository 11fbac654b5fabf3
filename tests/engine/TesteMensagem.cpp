#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "UTraducao.h"

namespace {

// A translation that moves the arguments around, as English word order may.
std::string tradutorDeTeste(const char* contexto, const char* fonte) {
    if (std::strcmp(contexto, "Mensagens") == 0 && std::strcmp(fonte, "%1, coluna %2") == 0)
        return "column %2 of %1";
    return fonte;
}

struct TCaso {
    const char* modelo;
    std::initializer_list<TArgumento> argumentos;
    const char* esperado;
};

}  // namespace

TEST(Mensagem, argumentosEntramUmaVezCadaEOQueSobraFicaComoEsta) {
    const TCaso casos[] = {
        {"Linha %1", {12}, "Linha 12"},
        {"%2 antes de %1", {"a", "b"}, "b antes de a"},
        // An argument's own "%2" is text, not a place for the next argument.
        {"%1 e %2", {"50%2", "x"}, "50%2 e x"},
        // A place without its argument, and a percent sign of the text, stay as written.
        {"%1 de %3; 100% certo", {std::int64_t{7}}, "7 de %3; 100% certo"},
        {"%", {}, "%"},
        {"fim em %", {"x"}, "fim em %"},
    };
    for (const TCaso& c : casos)
        EXPECT_EQ(mensagem(c.modelo, c.argumentos), c.esperado) << c.modelo;
}

TEST(Mensagem, oTradutorInstaladoTraduzOModeloAntesDosArgumentos) {
    EXPECT_EQ(mensagem("%1, coluna %2", {"Linha 3", 4}), "Linha 3, coluna 4");
    instalaTradutor(&tradutorDeTeste);
    const std::string traduzida = mensagem("%1, coluna %2", {"Linha 3", 4});
    instalaTradutor(nullptr);
    EXPECT_EQ(traduzida, "column 4 of Linha 3");
    EXPECT_EQ(mensagem("%1, coluna %2", {"Linha 3", 4}), "Linha 3, coluna 4");
}
