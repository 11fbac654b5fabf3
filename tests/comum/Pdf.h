#pragma once
// The pages of a PDF, counted by their page objects ("/Type /Page", not the tree's "/Type
// /Pages"): enough to check a handout's sections without a PDF reader.

#include <QRegularExpression>
#include <QString>
#include <string>

inline int paginasDoPdf(const std::string& pdf) {
    static const QRegularExpression pagina(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int n = 0;
    for (auto m = pagina.globalMatch(
             QString::fromLatin1(pdf.data(), static_cast<qsizetype>(pdf.size())));
         m.hasNext(); m.next())
        ++n;
    return n;
}
