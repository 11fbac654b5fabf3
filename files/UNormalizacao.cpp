// The last step of an import: missing values filled with their column's mean, then the scaling.

#include <algorithm>
#include <cmath>
#include <limits>

#include "UImportacaoInterna.h"
#include "UTraducao.h"

namespace importacao {

void completa(TImportacao& t) {
    const std::size_t d = t.atributos.size();
    const std::size_t n = t.padroes();
    for (std::size_t j = 0; j < d; ++j) {
        TColuna& c = t.colunas[t.atributos[j]];
        // Rows with a missing value were dropped, or hold it as NaN.
        const std::size_t presentes =
            t.ausentes == TAusentes::descartar ? n : n - static_cast<std::size_t>(c.ausentes);
        const bool preenche = t.ausentes == TAusentes::media && presentes < n;
        if (!preenche && t.normalizacao != TNormalizacao::z &&
            (t.normalizacao == TNormalizacao::nenhuma || presentes == 0)) {
            if (t.ausentes == TAusentes::manter)
                t.valoresAusentes += static_cast<std::int64_t>(n - presentes);
            continue;  // nothing to compute: no pass over the values
        }
        long double soma = 0.0L;
        for (std::size_t i = 0; i < n; ++i) {
            const double v = t.valores[i * d + j];
            if (!std::isnan(v)) soma += v;
        }
        if (preenche) {
            if (presentes == 0)
                throw EImportacao(mensagem(
                    QT_TRANSLATE_NOOP("Mensagens",
                                      "A coluna \"%1\" não tem nenhum valor para tirar a média."),
                    {c.nome}));
            const double media = static_cast<double>(soma / static_cast<long double>(presentes));
            for (std::size_t i = 0; i < n; ++i)
                if (std::isnan(t.valores[i * d + j])) {
                    t.valores[i * d + j] = media;
                    ++t.valoresPreenchidos;
                }
        }
        if (t.ausentes == TAusentes::manter)
            t.valoresAusentes += static_cast<std::int64_t>(n - presentes);
        if (t.normalizacao == TNormalizacao::nenhuma || presentes == 0) continue;
        // In the extended format, so that no range of doubles overflows (the span of -1e308 and
        // 1e308 is beyond the double range, not beyond the extended one).
        long double a = 0.0L, b = 1.0L;
        if (t.normalizacao == TNormalizacao::minmax) {
            double minimo = std::numeric_limits<double>::infinity(), maximo = -minimo;
            for (std::size_t i = 0; i < n; ++i) {
                const double v = t.valores[i * d + j];
                if (std::isnan(v)) continue;
                minimo = std::min(minimo, v);
                maximo = std::max(maximo, v);
            }
            a = minimo;
            b = static_cast<long double>(maximo) - minimo;
        } else {
            // The sample standard deviation (n - 1), as R's scale(); one value has none.
            a = soma / static_cast<long double>(presentes);
            long double quadrados = 0.0L;
            for (std::size_t i = 0; i < n; ++i) {
                const double v = t.valores[i * d + j];
                if (!std::isnan(v)) quadrados += (v - a) * (v - a);
            }
            b = presentes > 1 ? std::sqrt(quadrados / static_cast<long double>(presentes - 1))
                              : 0.0L;
        }
        c.a = static_cast<double>(a);
        c.b = static_cast<double>(b);
        if (!std::isfinite(c.b))
            throw EImportacao(mensagem(QT_TRANSLATE_NOOP("Mensagens",
                                                         "A coluna \"%1\" vai de um extremo ao "
                                                         "outro dos números reais: não há como "
                                                         "pô-la na escala."),
                                       {c.nome}));
        if (!(b > 0.0L)) {
            c.constante = true;
            c.b = 0.0;
            t.notas.push_back(mensagem(
                QT_TRANSLATE_NOOP("Mensagens",
                                  "A coluna \"%1\" é constante: na escala ficou toda igual a 0."),
                {c.nome}));
        }
        for (std::size_t i = 0; i < n; ++i) {
            double& v = t.valores[i * d + j];
            if (std::isnan(v)) continue;
            v = c.constante ? 0.0 : static_cast<double>((v - a) / b);
        }
    }
}

}  // namespace importacao
