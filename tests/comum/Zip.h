#pragma once
// Spreadsheets made in the test itself: a zip of the given parts, and the parts of a small .xlsx
// whose every part can be replaced.

#include <zip.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

using TPartesZip = std::vector<std::pair<std::string, std::string>>;

// `guardados`: the parts stored as they are, not compressed (quicker for large fuzzed parts).
inline void escreveZip(const std::string& caminho, const TPartesZip& partes,
                       bool guardados = false) {
    int erro = 0;
    zip_t* z = zip_open(caminho.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &erro);
    if (z == nullptr) std::abort();
    for (const auto& [nome, bytes] : partes) {
        zip_source_t* fonte = zip_source_buffer(z, bytes.data(), bytes.size(), 0);
        const zip_int64_t i =
            fonte == nullptr ? -1 : zip_file_add(z, nome.c_str(), fonte, ZIP_FL_OVERWRITE);
        if (i < 0) std::abort();
        if (guardados &&
            zip_set_file_compression(z, static_cast<zip_uint64_t>(i), ZIP_CM_STORE, 0) != 0)
            std::abort();
    }
    if (zip_close(z) != 0) std::abort();
}

// Every part of a zip, in its order.
inline TPartesZip leZip(const std::string& caminho) {
    int erro = 0;
    zip_t* z = zip_open(caminho.c_str(), ZIP_RDONLY, &erro);
    if (z == nullptr) std::abort();
    TPartesZip partes;
    for (zip_int64_t i = 0; i < zip_get_num_entries(z, 0); ++i) {
        const auto k = static_cast<zip_uint64_t>(i);
        zip_stat_t st;
        zip_file_t* f = zip_fopen_index(z, k, 0);
        if (f == nullptr || zip_stat_index(z, k, 0, &st) != 0) std::abort();
        std::string bytes(static_cast<std::size_t>(st.size), '\0');
        if (zip_fread(f, bytes.data(), bytes.size()) != static_cast<zip_int64_t>(bytes.size()))
            std::abort();
        zip_fclose(f);
        partes.emplace_back(st.name, std::move(bytes));
    }
    zip_discard(z);
    return partes;
}

struct TPartesXlsx {
    std::string livro =
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<sheets><sheet name=\"Dados\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    std::string relacoes =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/></Relationships>";
    std::string textos =
        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><si><t>nome</t>"
        "</si><si><r><t>a</t></r><r><t>b</t></r></si><si><t>x</t><rPh><t>y</t></rPh></si></sst>";
    std::string estilos =
        "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<numFmts><numFmt numFmtId=\"164\" formatCode=\"yyyy-mm-dd\"/></numFmts>"
        "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/></cellXfs></styleSheet>";
    // Two columns and a label, a header and two rows.
    std::string folha =
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<sheetData><row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a</t></is></c>"
        "<c r=\"B1\" t=\"inlineStr\"><is><t>b</t></is></c><c r=\"C1\" t=\"s\"><v>0</v></c></row>"
        "<row r=\"2\"><c r=\"A2\"><v>1.5</v></c><c r=\"B2\" s=\"1\"><v>2</v></c>"
        "<c r=\"C2\" t=\"s\"><v>1</v></c></row>"
        "<row r=\"3\"><c r=\"A3\"><v>3</v></c><c r=\"B3\"><v>4</v></c>"
        "<c r=\"C3\" t=\"s\"><v>2</v></c></row></sheetData></worksheet>";

    TPartesZip partes() const {
        return {{"xl/workbook.xml", livro},
                {"xl/_rels/workbook.xml.rels", relacoes},
                {"xl/sharedStrings.xml", textos},
                {"xl/styles.xml", estilos},
                {"xl/worksheets/sheet1.xml", folha}};
    }
};
