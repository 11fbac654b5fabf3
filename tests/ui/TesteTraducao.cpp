// The English translation is whole: every entry of translations/norvika_en.ts is translated and
// finished, keeps its placeholders and its mnemonic, and the program loads it in English only.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "UIdioma.h"
#include "UImportacao.h"
#include "UTextos.h"

namespace {

struct Entrada {
    QString contexto, origem, traducao;
    bool inacabada = false;
};

std::vector<Entrada> entradas() {
    QFile arquivo(QStringLiteral(NORVIKA_TRADUCAO));
    if (!arquivo.open(QIODevice::ReadOnly)) qFatal("sem %s", NORVIKA_TRADUCAO);
    QXmlStreamReader xml(&arquivo);
    std::vector<Entrada> lidas;
    QString contexto;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("name")) {
            contexto = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            lidas.push_back({contexto, {}, {}, false});
        } else if (xml.name() == QLatin1String("source") && !lidas.empty()) {
            lidas.back().origem = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !lidas.empty()) {
            const QStringView tipo = xml.attributes().value(QLatin1String("type"));
            lidas.back().inacabada = !tipo.isEmpty();  // unfinished, vanished, obsolete
            lidas.back().traducao = xml.readElementText();
        }
    }
    if (xml.hasError()) qFatal("%s", qPrintable(xml.errorString()));
    return lidas;
}

// The placeholders %1..%99 of a text, each once.
QSet<QString> marcadores(const QString& texto) {
    static const QRegularExpression re(QStringLiteral("%(\\d{1,2}|n)"));
    QSet<QString> m;
    for (auto i = re.globalMatch(texto); i.hasNext();) m.insert(i.next().captured());
    return m;
}

// How many mnemonic markers: an "&" before a letter, not a literal "&&".
int mnemonicos(const QString& texto) {
    int n = 0;
    for (qsizetype i = 0; i + 1 < texto.size(); ++i) {
        if (texto[i] != u'&') continue;
        if (texto[i + 1] == u'&') {
            ++i;
            continue;
        }
        if (texto[i + 1].isLetterOrNumber()) ++n;
    }
    return n;
}

}  // namespace

class TesteTraducao : public QObject {
    Q_OBJECT

  private Q_SLOTS:
    void cadaEntradaTraduzida() {
        const std::vector<Entrada> todas = entradas();
        QVERIFY(!todas.empty());
        QStringList faltas;
        for (const Entrada& e : todas) {
            const QString onde = e.contexto + QStringLiteral(": \"") + e.origem.left(60) + u'"';
            if (e.inacabada || e.traducao.trimmed().isEmpty())
                faltas << onde + QStringLiteral(" sem tradução");
            else if (marcadores(e.origem) != marcadores(e.traducao))
                faltas << onde + QStringLiteral(" perde ou troca um %N");
            else if (mnemonicos(e.origem) != mnemonicos(e.traducao))
                faltas << onde + QStringLiteral(" perde ou ganha o & do atalho");
        }
        QVERIFY2(faltas.isEmpty(), qPrintable(faltas.join(u'\n')));
    }

    // The language of a run: --idioma, then NORVIKA_IDIOMA, then the saved choice, then
    // Portuguese; a value that is no language is refused and the next one looked at.
    void idiomaDaExecucao_data() {
        QTest::addColumn<QString>("opcao");
        QTest::addColumn<QString>("variavel");
        QTest::addColumn<QString>("salvo");
        QTest::addColumn<QString>("esperado");
        QTest::addColumn<bool>("aviso");
        QTest::newRow("nada") << QString() << QString() << QString() << "pt" << false;
        QTest::newRow("salvo") << QString() << QString() << "en"
                               << "en" << false;
        QTest::newRow("variável antes do salvo") << QString() << "pt"
                                                 << "en"
                                                 << "pt" << false;
        QTest::newRow("opção antes de tudo") << "EN "
                                             << "pt"
                                             << "pt"
                                             << "en" << false;
        QTest::newRow("opção recusada") << "fr"
                                        << "en"
                                        << "pt"
                                        << "en" << true;
        QTest::newRow("variável recusada") << QString() << "xx" << QString() << "pt" << true;
    }
    void idiomaDaExecucao() {
        QFETCH(QString, opcao);
        QFETCH(QString, variavel);
        QFETCH(QString, salvo);
        QFETCH(QString, esperado);
        QFETCH(bool, aviso);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QDir::temp().filePath(QStringLiteral("norvika-teste-idioma")));
        QSettings(QStringLiteral("Norvika"), QStringLiteral("Norvika")).clear();
        if (const auto s = UIdioma::deCodigo(salvo)) UIdioma::salva(*s);
        qputenv("NORVIKA_IDIOMA", variavel.toUtf8());
        QString recusa;
        QCOMPARE(UIdioma::codigo(UIdioma::escolhido(opcao, recusa)), esperado);
        QCOMPARE(!recusa.isEmpty(), aviso);
        qunsetenv("NORVIKA_IDIOMA");
    }

    // The files the program writes do not change with the language, while its messages do.
    // Last, because English stays installed for the rest of the run.
    void arquivosIguaisNosDoisIdiomas() {
        QTemporaryDir pasta;
        const std::string semNomes = caminhoEmBytes(pasta.filePath(QStringLiteral("t.csv")));
        {
            QFile f(QString::fromStdString(semNomes));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("1;2,5;a\n3;;b\n5;6;c\n");
        }
        const auto grava = [&](const QString& idioma) {
            QByteArray bytes;
            for (const std::string& tabela :
                 {std::string(NORVIKA_EXEMPLOS "/iris.csv"), semNomes}) {
                TOpcoesImportacao opcoes;
                opcoes.ausentes = TAusentes::media;
                opcoes.normalizacao = TNormalizacao::z;
                const std::string saida = caminhoEmBytes(pasta.filePath(idioma + ".txt"));
                gravaPadroes(importaTabela(tabela, opcoes), saida);
                QFile f(QString::fromStdString(saida));
                if (f.open(QIODevice::ReadOnly)) bytes += f.readAll();
            }
            return bytes;
        };
        const auto falhaDoRotulo = [] {
            TOpcoesImportacao opcoes;
            opcoes.rotulo = "xyz";
            try {
                importaTabela(NORVIKA_EXEMPLOS "/iris.csv", opcoes);
            } catch (const std::exception& e) {
                return std::string(e.what());
            }
            return std::string();
        };
        const QByteArray emPortugues = grava(QStringLiteral("pt"));
        QCOMPARE(falhaDoRotulo(), "A coluna \"xyz\" do rótulo não existe na tabela.");
        UIdioma::instala(UIdioma::TIdioma::ingles);
        QVERIFY(emPortugues.contains("coluna 1"));
        QCOMPARE(grava(QStringLiteral("en")), emPortugues);
        QCOMPARE(falhaDoRotulo(), "The label column \"xyz\" is not in the table.");
    }
};

QTEST_GUILESS_MAIN(TesteTraducao)
#include "TesteTraducao.moc"
