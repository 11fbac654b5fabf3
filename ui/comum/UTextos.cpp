#include "UTextos.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <cmath>

#include "UIdioma.h"
#include "UNumeros.h"

namespace {

// Windows-1252 at 0x80..0x9F; the rest of the upper half is Latin-1. The five undefined codes
// show as the replacement character.
constexpr char16_t kCp1252[32] = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                  0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

}  // namespace

QString textoDeBytes(std::string_view bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString texto = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return texto;
    texto.clear();
    texto.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        texto += (b >= 0x80 && b < 0xA0) ? QChar(kCp1252[b - 0x80]) : QChar(b);
    }
    return texto;
}

std::string caminhoEmBytes(const QString& caminho) {
    return QFile::encodeName(caminho).toStdString();
}

std::string bytesUtf8(const QString& texto) {
    return texto.toUtf8().toStdString();
}

std::int32_t inteiroDe(const QString& texto) {
    return textoParaInteiro(bytesUtf8(texto));
}

std::optional<std::uint32_t> sementeDoTexto(const QString& texto) {
    bool ok = false;
    const qulonglong valor = texto.trimmed().toULongLong(&ok, 10);
    if (!ok || valor > 0xFFFFFFFFull || texto.trimmed().startsWith(u'+')) return std::nullopt;
    return static_cast<std::uint32_t>(valor);
}

QString numeroCurto(double v) {
    if (std::isnan(v)) return QStringLiteral("NAN");
    if (std::isinf(v)) return v > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (v == 0.0) return QStringLiteral("0");
    // The windows the program adds show the English decimal point in English; in Portuguese they
    // follow the program's decimal mark.
    const QChar virgula = UIdioma::atual() == UIdioma::TIdioma::ingles
                              ? QChar(u'.')
                              : QChar::fromLatin1(separadorDecimal());
    // The four digits first, so that 9999,6 gives 10000 and 0,99996 gives 1.
    const QString e4 = QString::number(v, 'e', 3);  // d.dddE±xx
    const int expoente = e4.mid(e4.indexOf(u'e') + 1).toInt();
    auto semZeros = [](QString s) {
        if (s.contains(u'.')) {
            while (s.endsWith(u'0')) s.chop(1);
            if (s.endsWith(u'.')) s.chop(1);
        }
        return s;
    };
    QString s;
    if (expoente >= -4 && expoente < 6) {
        s = semZeros(QString::number(v, 'f', std::max(0, 3 - expoente)));
    } else {
        s = semZeros(e4.left(e4.indexOf(u'e'))) + u'E' + QString::number(expoente);
    }
    s.replace(u'.', virgula);
    return s;
}

QString traduzido(const char* contexto, const std::string& texto) {
    return QCoreApplication::translate(contexto, texto.c_str());
}

QString contagem(std::int64_t n, const QString& singular, const QString& plural) {
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? singular : plural);
}
