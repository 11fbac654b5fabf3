// The four number conversions, row by row from the tables the program has always followed.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "UErros.h"
#include "UNumeros.h"

namespace {

class Separador : public ::testing::Test {
  protected:
    void SetUp() override { defineSeparadorDecimal(','); }
    void TearDown() override { defineSeparadorDecimal(','); }
};

std::uint64_t bits(double v) {
    std::uint64_t b;
    std::memcpy(&b, &v, sizeof b);
    return b;
}

std::string mensagemDe(auto&& funcao) {
    try {
        funcao();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(sem falha)";
}

using RealParaTexto = Separador;

TEST_F(RealParaTexto, tabelaDeValores) {
    struct Caso {
        double valor;
        const char* texto;
    };
    const Caso casos[] = {
        {0.5, "0,5"},
        {-0.49, "-0,49"},
        {0.1 * 0.9, "0,09"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {0.0001, "0,0001"},
        {0.00001, "1E-5"},
        {0.000012345, "1,2345E-5"},
        {12345.678, "12345,678"},
        {100.0, "100"},
        {1e14, "100000000000000"},
        {999999999999999.0, "999999999999999"},
        {999999999999999.5, "1E15"},
        {100000000000000.5, "100000000000001"},
        {8821897542664.125, "8821897542664,13"},
        {0.0001481748919453225, "0,000148174891945323"},
        {1e15, "1E15"},
        {123456789012345678.0, "1,23456789012346E17"},
        {1.5e20, "1,5E20"},
        {-2.5e-10, "-2,5E-10"},
        {-0.0, "0"},
        {0.0, "0"},
        {DBL_MAX, "1,79769313486232E308"},
        {std::numeric_limits<double>::denorm_min(), "4,94065645841247E-324"},
        {0.0000999, "9,99E-5"},
        {0.123456789012345678, "0,123456789012346"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {1e-3, "0,001"},
        {123.0, "123"},
        {-7.0, "-7"},
    };
    for (const Caso& c : casos) EXPECT_EQ(realParaTexto(c.valor), c.texto) << c.texto;
}

TEST_F(RealParaTexto, quinzeDigitosNoValorDoubleMaisProximo) {
    // The row's value is "the double nearest to 0.0001481748919453225", which lies just below it.
    const double v = 0.0001481748919453225;
    EXPECT_LT(static_cast<long double>(v), 0.0001481748919453225L);
    EXPECT_EQ(realParaTexto(v), "0,000148174891945323");
}

TEST_F(RealParaTexto, taxaQueDecaiMostraOsDecimaisCurtos) {
    const char* esperados[] = {"0,1",     "0,09",     "0,081",     "0,0729",
                               "0,06561", "0,059049", "0,0531441", "0,04782969"};
    double taxa = 0.1;
    for (const char* esperado : esperados) {
        EXPECT_EQ(realParaTexto(taxa), esperado);
        taxa = static_cast<double>(0.9L * taxa);
    }
}

TEST_F(RealParaTexto, usaOSeparadorDoMomento) {
    defineSeparadorDecimal('.');
    EXPECT_EQ(realParaTexto(0.5), "0.5");
    EXPECT_EQ(realParaTexto(1.5e-7), "1.5E-7");
}

using TextoParaReal = Separador;

TEST_F(TextoParaReal, textosQueConvertem) {
    struct Caso {
        const char* texto;
        long double valor;
    };
    const Caso casos[] = {
        {"0,1", 0.1L},    {" 0,5 ", 0.5L},     {"-,5", -0.5L},     {"5,", 5.0L},
        {",", 0.0L},      {"00012,50", 12.5L}, {"+2,5e2", 250.0L}, {"1,5E3", 1500.0L},
        {"1e-3", 0.001L}, {"1E", 1.0L},        {"1E+", 1.0L},      {"90", 90.0L},
        {"  -3", -3.0L},  {"1,25E-1", 0.125L}, {"1E0499", 1e499L}, {"0,000", 0.0L},
    };
    for (const Caso& c : casos) EXPECT_EQ(textoParaReal(c.texto), c.valor) << c.texto;
    EXPECT_EQ(textoParaDouble("0,1"), 0.1);
}

TEST_F(TextoParaReal, textosQueFalhamComAMensagemExata) {
    const char* textos[] = {"0.5", "",     " ",      "+",   "- 5",     "1 000", "1,2,3", "1,5 E3",
                            "e5",  "0x10", "1E5000", "5\t", "1E-5000", "1,5.0", "-"};
    for (const char* texto : textos) {
        EXPECT_EQ(mensagemDe([&] { textoParaReal(texto); }),
                  "'" + std::string(texto) + "' is not a valid floating point value")
            << texto;
    }
}

TEST_F(TextoParaReal, mensagemCitaNoMaximo200CaracteresEMostraONulo) {
    // A field of a megabyte would take the window minutes to lay out.
    const std::string longo(1 << 20, 'x');
    EXPECT_EQ(mensagemDe([&] { textoParaReal(longo); }),
              "'" + std::string(200, 'x') + "\xE2\x80\xA6' is not a valid floating point value");
    // UTF-8 is cut between characters, other bytes (Windows-1252) get that code page's ellipsis.
    std::string acentos;
    for (int i = 0; i < 201; ++i) acentos += "\xC3\xA9";
    EXPECT_EQ(mensagemDe([&] { textoParaInteiro(acentos); }),
              "'" + acentos.substr(0, 400) + "\xE2\x80\xA6' is not a valid integer value");
    const std::string latin(300, '\xE9');
    EXPECT_EQ(mensagemDe([&] { textoParaReal(latin); }),
              "'" + std::string(200, '\xE9') + "\x85' is not a valid floating point value");
    // Exactly 200 characters stay whole; a NUL shows instead of ending the text.
    EXPECT_EQ(mensagemDe([&] { textoParaReal(std::string(200, 'y')); }),
              "'" + std::string(200, 'y') + "' is not a valid floating point value");
    EXPECT_EQ(mensagemDe([&] {
                  textoParaReal(
                      std::string("1\0"
                                  "2",
                                  3));
              }),
              "'1\\02' is not a valid floating point value");
}

TEST_F(TextoParaReal, umValorAlemDoDoubleConverteMasEstouraAoSerGuardado) {
    const long double grande = textoParaReal("1E400");
    EXPECT_GT(grande, static_cast<long double>(DBL_MAX));
    EXPECT_EQ(mensagemDe([&] { armazenaReal(grande); }), "Floating point overflow");
    EXPECT_EQ(mensagemDe([] { textoParaDouble("-1E400"); }), "Floating point overflow");
    // The largest double's 15-digit text lies more than half an ulp above it: it does not read
    // back.
    EXPECT_EQ(mensagemDe([] { textoParaDouble("1,79769313486232E308"); }),
              "Floating point overflow");
    EXPECT_EQ(textoParaDouble("1,7976931348623157E308"), DBL_MAX);
    // Beyond the extended range the conversion itself fails.
    EXPECT_EQ(mensagemDe([] { textoParaReal("1" + std::string(5000, '0')); }),
              "'1" + std::string(199, '0') + "\xE2\x80\xA6' is not a valid floating point value");
}

TEST_F(TextoParaReal, valoresPequenosDemaisViramZeroOuSubnormais) {
    EXPECT_EQ(textoParaDouble("1E-400"), 0.0);
    EXPECT_EQ(textoParaDouble("4,94065645841247E-324"), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(textoParaDouble("2,2250738585072E-308"), 2.2250738585072e-308);
    EXPECT_EQ(bits(textoParaDouble("-0")), bits(-0.0));
    EXPECT_EQ(textoParaDouble("-0"), 0.0);
}

TEST_F(TextoParaReal, arredondaParaEstendidoEDepoisParaDouble) {
    // 1 + 2^-53 + 2^-66: in extended it rounds to 1 + 2^-53 (the 2^-66 is below half of the
    // 64-bit grid), which as a double is a tie that goes to the even 1. Rounded once, directly to
    // double, it would be 1 + 2^-52.
    const char* texto = "1,000000000000000111035854989671722847788259969092905521392822265625";
    EXPECT_EQ(textoParaReal(texto), 1.0L + 0x1p-53L);
    EXPECT_EQ(textoParaDouble(texto), 1.0);
    EXPECT_EQ(textoParaRealGeral(texto), 1.0L + 0x1p-53L);
}

TEST_F(TextoParaReal, caminhoCurtoIgualAoGeralEmTextosAleatorios) {
    // The short-mantissa shortcut must give exactly the general path's extended value, over
    // digit strings of every length, zero runs, and exponents near both ends of the range.
    std::mt19937_64 g(12345);
    auto digitos = [&](int n) {
        std::string s;
        const bool zeros = g() % 5 == 0;
        for (int i = 0; i < n; ++i) s += static_cast<char>('0' + (zeros && g() % 2 ? 0 : g() % 10));
        return s;
    };
    const int expoentes[] = {0, 1, -1, 27, -27, 28, -28, 300, -300, 4931, -4950, 499};
    for (int i = 0; i < 300000; ++i) {
        std::string t;
        if (g() % 4 == 0) t += '-';
        t += digitos(static_cast<int>(g() % (g() % 8 == 0 ? 40 : 14)));
        if (g() % 2 == 0) t += ',' + digitos(static_cast<int>(g() % (g() % 8 == 0 ? 40 : 16)));
        if (t.empty() || t == "-") t += '0';
        if (g() % 3 == 0) {
            const int e = g() % 4 == 0 ? expoentes[g() % 12] : static_cast<int>(g() % 80) - 40;
            t += (g() % 2 ? 'E' : 'e') + std::to_string(e);
        }
        long double geral = 0, rapido = 0;
        bool falhouGeral = false, falhouRapido = false;
        try {
            geral = textoParaRealGeral(t);
        } catch (const EConversao&) {
            falhouGeral = true;
        }
        try {
            rapido = textoParaReal(t);
        } catch (const EConversao&) {
            falhouRapido = true;
        }
        ASSERT_EQ(falhouGeral, falhouRapido) << t;
        if (!falhouGeral) {
            ASSERT_EQ(std::memcmp(&geral, &rapido, 10), 0) << t;
        }
    }
}

TEST_F(TextoParaReal, atalhoDoDoubleIgualAoCaminhoGeral) {
    // Short decimals become doubles in one division instead of two roundings; the bits must be
    // the general path's, in a field that ends at "|" as well. Mantissas of every size up to and
    // past 2^53, with up to seven decimals (the shortcut takes four) and trailing zeros.
    std::mt19937_64 g(2026);
    int atalhos = 0;
    for (int i = 0; i < 2000000; ++i) {
        const int bits = 1 + static_cast<int>(g() % 55);
        const std::uint64_t m = g() >> (64 - bits);
        std::string digitos = std::to_string(m);
        const int decimais = static_cast<int>(g() % 8);
        if (g() % 4 == 0) digitos.append(g() % 3, '0');
        while (static_cast<int>(digitos.size()) <= decimais) digitos.insert(0, "0");
        std::string t = g() % 3 == 0 ? "-" : "";
        t += digitos.substr(0, digitos.size() - static_cast<std::size_t>(decimais));
        if (decimais > 0 || g() % 8 == 0)
            t += "," + digitos.substr(digitos.size() - static_cast<std::size_t>(decimais));
        const double geral = armazenaReal(textoParaRealGeral(t));
        const double rapido = textoParaDouble(t);
        ASSERT_EQ(std::memcmp(&geral, &rapido, sizeof geral), 0) << t;
        const std::string campo = t + "|resto";
        double noCampo = 0;
        const char* fim = doubleCurto(campo.data(), campo.data() + campo.size(), ',', noCampo);
        if (fim != nullptr) {
            ++atalhos;
            ASSERT_EQ(fim, campo.data() + t.size()) << t;
            ASSERT_EQ(std::memcmp(&geral, &noCampo, sizeof geral), 0) << t;
        }
    }
    EXPECT_GT(atalhos, 500000);
}

using TextoParaInteiro = Separador;

TEST_F(TextoParaInteiro, textosQueConvertem) {
    struct Caso {
        const char* texto;
        std::int32_t valor;
    };
    const Caso casos[] = {
        {"0", 0},
        {"12", 12},
        {"  12", 12},
        {"+7", 7},
        {"-7", -7},
        {"007", 7},
        {"$1F", 31},
        {"x1F", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"-$1", -1},
        {"$FFFFFFFF", -1},
        {"$80000000", INT32_MIN},
        {"-0x80000000", INT32_MIN},
        {"$000000001", 1},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        {"X7fffffff", INT32_MAX},
        {"-0", 0},
    };
    for (const Caso& c : casos) EXPECT_EQ(textoParaInteiro(c.texto), c.valor) << c.texto;
}

TEST_F(TextoParaInteiro, textosQueFalhamComAMensagemExata) {
    const char* textos[] = {
        "",           " ",           "12 ", "+",   "-",   "$",    "0x",  "$123456789",
        "2147483648", "-2147483649", "1,5", "+-5", "5 5", "0x1G", "1e3", "99999999999999999999"};
    for (const char* texto : textos) {
        EXPECT_EQ(mensagemDe([&] { textoParaInteiro(texto); }),
                  "'" + std::string(texto) + "' is not a valid integer value")
            << texto;
    }
}

TEST(InteiroParaTexto, semSinalDeMaisNemZerosAEsquerda) {
    EXPECT_EQ(inteiroParaTexto(std::int32_t{0}), "0");
    EXPECT_EQ(inteiroParaTexto(std::int32_t{12}), "12");
    EXPECT_EQ(inteiroParaTexto(std::int32_t{-5}), "-5");
    EXPECT_EQ(inteiroParaTexto(INT32_MIN), "-2147483648");
}

TEST_F(Separador, ida15DigitosEVolta) {
    const double peso = 0.123456789012345678;
    const std::string texto = realParaTexto(peso);
    EXPECT_EQ(texto, "0,123456789012346");
    EXPECT_EQ(textoParaDouble(texto), 0.123456789012346);
}

TEST_F(Separador, comOSeparadorVirgulaTodoTextoComPontoFalha) {
    for (const char* t : {"1.5", ".5", "5.", "1.000,5", "."})
        EXPECT_THROW(textoParaReal(t), EConversao) << t;
    defineSeparadorDecimal('.');
    EXPECT_EQ(textoParaReal("1.5"), 1.5L);
    EXPECT_THROW(textoParaReal("1,5"), EConversao);
}

TEST_F(Separador, linhaDeStatusDoCiclo) {
    EXPECT_EQ(textoStatusCiclo(0.081, 3, 0),
              "Taxa de Aprendizagem = 0,081    Ciclo de término : 3    Raio: 0");
    EXPECT_EQ(textoStatusCiclo(0.1, 1, -1),
              "Taxa de Aprendizagem = 0,1    Ciclo de término : 1    Raio: -1");
}

}  // namespace

// The laboratory's fields, in either language: a comma or a point, and nothing else half-read.
TEST(NumeroDigitado, virgulaOuPontoEOQueNaoENumero) {
    const struct {
        const char* texto;
        std::optional<double> esperado;
    } casos[] = {
        {"0,5", 0.5},
        {"0.5", 0.5},
        {"-2,25", -2.25},
        {"1e-3", 1e-3},
        {"4", 4.0},
        {"", std::nullopt},
        {"0,5,1", std::nullopt},
        {"1e", std::nullopt},
        {"abc", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const auto& c : casos) EXPECT_EQ(numeroDigitado(c.texto), c.esperado) << c.texto;
}
