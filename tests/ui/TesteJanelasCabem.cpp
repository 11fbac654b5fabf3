// Every window on a 1366 × 768 screen: it opens inside the usable area with its main buttons in
// sight, and the wheel over a box without the focus scrolls the panel instead of editing the box.
// Built a second time as TesteJanelasIngles (NORVIKA_INGLES): the same windows in English, where
// no text shown may still be a Portuguese source text, and no label of a fixed form may be cut.

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>
#include <QWheelEvent>
#include <QXmlStreamReader>
#include <QtTest>
#include <functional>
#include <memory>

#include "Janelas.h"
#include "UFormComparacao.h"
#include "UFormExplorador.h"
#include "UFormImportar.h"
#include "UFormLaboratorio.h"
#include "UFormLicoes.h"
#include "UFormSemente.h"
#include "UFormTreinando.h"
#include "UIdioma.h"
#include "UJanelas.h"
#include "UManual.h"
#include "UNumeros.h"

namespace {

// Whether the widget is shown whole: no parent (a scroll area's viewport above all) cuts it.
bool inteiro(const QWidget* w) {
    if (!w->isVisible()) return false;
    const QWidget* janela = w->window();
    const QRect r(w->mapTo(janela, QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != janela; p = p->parentWidget())
        if (!QRect(p->mapTo(janela, QPoint(0, 0)), p->size()).contains(r)) return false;
    return janela->rect().contains(r);
}

#ifdef NORVIKA_INGLES
// The Portuguese source texts that the English translation changes: whole, and as patterns for
// those with arguments (%1 stands for any text), the mnemonics' "&" left out.
struct TFontes {
    QSet<QString> inteiras;
    std::vector<QRegularExpression> moldes;
};

TFontes fontesPortuguesas() {
    QFile arquivo(QStringLiteral(NORVIKA_TRADUCAO));
    if (!arquivo.open(QIODevice::ReadOnly)) qFatal("sem %s", NORVIKA_TRADUCAO);
    QXmlStreamReader xml(&arquivo);
    TFontes f;
    QString origem;
    static const QRegularExpression marcador(QStringLiteral("%\\d+"));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == QLatin1String("source")) {
            origem = xml.readElementText().remove(QLatin1Char('&'));
        } else if (xml.name() == QLatin1String("translation")) {
            const QString traducao = xml.readElementText().remove(QLatin1Char('&'));
            if (traducao == origem || origem.trimmed().isEmpty()) continue;
            if (!origem.contains(marcador)) {
                f.inteiras.insert(origem.trimmed());
                continue;
            }
            // Only patterns with words enough to tell a sentence, not a bare "%1 %2".
            QString literal = origem;
            if (literal.remove(marcador).simplified().size() < 8) continue;
            const QStringList partes = origem.split(marcador);
            QString molde = QRegularExpression::escape(partes.first());
            for (qsizetype k = 1; k < partes.size(); ++k)
                molde += QStringLiteral(".+") + QRegularExpression::escape(partes[k]);
            f.moldes.emplace_back(QRegularExpression::anchoredPattern(molde),
                                  QRegularExpression::DotMatchesEverythingOption);
        }
    }
    return f;
}

// Every text a person sees in `janela`: labels, buttons, boxes' titles and items, tabs, menus,
// headers, place holders and the title.
QStringList textosVisiveis(QWidget* janela) {
    QStringList t{janela->windowTitle()};
    const auto menu = [&t](const auto& self, const QList<QAction*>& acoes) -> void {
        for (const QAction* a : acoes) {
            t << a->text();
            if (a->menu() != nullptr) self(self, a->menu()->actions());
        }
    };
    for (QWidget* w : janela->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(janela)) continue;
        if (auto* r = qobject_cast<QLabel*>(w))
            t << (Qt::mightBeRichText(r->text())
                      ? QTextDocumentFragment::fromHtml(r->text()).toPlainText()
                      : r->text());
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            t << b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            t << g->title();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) t << c->itemText(i);
        else if (auto* a = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < a->count(); ++i) t << a->tabText(i);
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            t << e->placeholderText();
        else if (auto* m = qobject_cast<QMenuBar*>(w))
            menu(menu, m->actions());
        else if (auto* v = qobject_cast<QTableWidget*>(w))
            for (int i = 0; i < v->columnCount(); ++i)
                if (v->horizontalHeaderItem(i) != nullptr) t << v->horizontalHeaderItem(i)->text();
        if (!w->toolTip().isEmpty())
            t << QTextDocumentFragment::fromHtml(w->toolTip()).toPlainText();
    }
    return t;
}

// The texts of `janela` still in Portuguese, and the labels of its fixed forms cut short.
QStringList emPortugues(QWidget* janela) {
    static const TFontes fontes = fontesPortuguesas();
    QStringList restos;
    for (QString texto : textosVisiveis(janela)) {
        texto.remove(QLatin1Char('&'));
        QStringList linhas = texto.split(QLatin1Char('\n'));
        linhas << texto;
        for (const QString& linha : linhas) {
            const QString l = linha.trimmed();
            if (l.isEmpty()) continue;
            bool portugues = fontes.inteiras.contains(l);
            for (std::size_t k = 0; !portugues && k < fontes.moldes.size(); ++k)
                portugues = fontes.moldes[k].match(l).hasMatch();
            if (portugues) restos << l;
        }
    }
    for (const QWidget* w : janela->findChildren<QWidget*>()) {
        const auto* r = qobject_cast<const QLabel*>(w);
        const auto* b = qobject_cast<const QAbstractButton*>(w);
        const bool texto =
            (r != nullptr && !r->wordWrap() && !r->text().isEmpty() && r->pixmap().isNull()) ||
            (b != nullptr && !b->text().isEmpty() && !b->inherits("QPushButton") &&
             !b->inherits("QToolButton"));
        if (texto && w->isVisibleTo(janela) && w->parentWidget()->layout() == nullptr &&
            w->sizeHint().width() > w->width() + 1)
            restos << QStringLiteral("cortado: ") + (r != nullptr ? r->text() : b->text());
    }
    restos.removeDuplicates();
    return restos;
}
#endif

}  // namespace

class TesteJanelasCabem : public QObject {
    Q_OBJECT

    std::unique_ptr<Janelas> j;
    QTemporaryDir pasta;

    TFormLaboratorio* abreLaboratorio() {
        j->acao("LaboratorioItemMenu")->trigger();
        return j->principal->laboratorio();
    }
    // Two short runs, both selected, compared.
    QWidget* abreComparacao() {
        TFormLaboratorio* lab = abreLaboratorio();
        if (!lab->abreDados(QStringLiteral(NORVIKA_EXEMPLOS "/iris.txt"))) return nullptr;
        lab->findChild<QSpinBox*>(QStringLiteral("LabEpocasSpin"))->setValue(2);
        auto* treinar = lab->findChild<QPushButton*>(QStringLiteral("LabTreinarButton"));
        for (int i = 0; i < 2; ++i) {
            QSignalSpy fim(lab, &TFormLaboratorio::treinoConcluido);
            treinar->click();
            if (fim.isEmpty() && !fim.wait(20000)) return nullptr;
        }
        lab->findChild<QListWidget*>(QStringLiteral("LabHistoricoLista"))->selectAll();
        lab->findChild<QPushButton*>(QStringLiteral("LabCompararButton"))->click();
        return lab->comparacao();
    }
    QWidget* abreImportacao(QWidget* pai) {
        auto* salvar = new QFileDialog(pai);
        auto* importar =
            new TFormImportar(pai, QStringLiteral(NORVIKA_EXEMPLOS "/iris.csv"), *salvar);
        importar->show();
        return importar;
    }

  private Q_SLOTS:
    void initTestCase() {
        // The windows' preferences go to the test's own folder (other tests leave theirs in Qt's
        // test folder), and each test starts without any.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           pasta.filePath(QStringLiteral("preferencias")));
        QStandardPaths::setTestModeEnabled(true);
        const QRect tela = QGuiApplication::primaryScreen()->availableGeometry();
        qInfo("área útil da tela: %d × %d", tela.width(), tela.height());
    }
    void init() {
        QSettings(QStringLiteral("Norvika"), QStringLiteral("Laboratorio")).clear();
        defineSeparadorDecimal(',');
        j = std::make_unique<Janelas>();
    }
    void cleanup() { j.reset(); }

    void janelaCabeNaTela_data() {
        QTest::addColumn<QString>("janela");
        QTest::addColumn<QStringList>("botoes");
        QTest::newRow("principal") << "principal" << QStringList{"TreinarButton"};
        QTest::newRow("explorador") << "explorador" << QStringList{"ExportarButton"};
        QTest::newRow("neurônio") << "neurônio" << QStringList{};
        QTest::newRow("laboratório")
            << "laboratório"
            << QStringList{"LabAbrirButton",   "LabSugerirButton", "LabTreinarButton",
                           "LabPararButton",   "LabPassoButton",   "LabVistaSeletor",
                           "LabCompararButton"};
        QTest::newRow("comparação")
            << "comparação" << QStringList{"LabExportarComparacaoButton", "LabComparacaoVistaB"};
        QTest::newRow("importação da principal")
            << "importação da principal"
            << QStringList{"ImportarButton", "CancelarImportacaoButton",
                           "AbrirNoLaboratorioButton"};
        QTest::newRow("importação do laboratório")
            << "importação do laboratório"
            << QStringList{"ImportarButton", "CancelarImportacaoButton"};
        QTest::newRow("lições") << "lições" << QStringList{"PrepararLicaoButton"};
        QTest::newRow("manual") << "manual" << QStringList{"ManualNavegador"};
        QTest::newRow("sobre") << "sobre" << QStringList{"FecharButton"};
        QTest::newRow("semente") << "semente" << QStringList{"SementeBotoes"};
        QTest::newRow("treinando") << "treinando" << QStringList{"PararButton"};
    }
    void janelaCabeNaTela() {
        QFETCH(QString, janela);
        QFETCH(QStringList, botoes);
        const std::map<QString, std::function<QWidget*()>> abre = {
            {"principal", [&] { return static_cast<QWidget*>(j->principal); }},
            {"explorador",
             [&] {
                 j->acao("ExploradorItemMenu")->trigger();
                 return static_cast<QWidget*>(j->principal->explorador());
             }},
            {"neurônio",
             [&] {
                 j->informacoes->show();
                 return static_cast<QWidget*>(j->informacoes);
             }},
            {"laboratório", [&] { return static_cast<QWidget*>(abreLaboratorio()); }},
            {"comparação", [&] { return abreComparacao(); }},
            {"importação da principal", [&] { return abreImportacao(j->principal); }},
            {"importação do laboratório", [&] { return abreImportacao(abreLaboratorio()); }},
            {"lições",
             [&] {
                 j->acao("LicoesItemMenu")->trigger();
                 return static_cast<QWidget*>(j->principal->licoes());
             }},
            {"manual",
             [&] {
                 j->acao("ManualItemMenu")->trigger();
                 return static_cast<QWidget*>(j->principal->manual());
             }},
            {"sobre",
             [&] {
                 j->sobre->show();
                 return static_cast<QWidget*>(j->sobre);
             }},
            {"semente",
             [&] {
                 auto* d = new TFormSemente(j->principal, std::nullopt);
                 d->show();
                 return static_cast<QWidget*>(d);
             }},
            {"treinando",
             [&] {
                 auto* d = new TFormTreinando(
                     j->principal, QCoreApplication::translate("TTreinoPassoAPasso", "Treinando"));
                 d->show();
                 return static_cast<QWidget*>(d);
             }},
        };
        QWidget* w = abre.at(janela)();
        QVERIFY(w != nullptr && w->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const QRect tela = w->screen()->availableGeometry();
        QVERIFY2(tela.contains(w->frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3 × %4")
                                .arg(w->frameGeometry().x())
                                .arg(w->frameGeometry().y())
                                .arg(w->frameGeometry().width())
                                .arg(w->frameGeometry().height())));
        if (janela == QStringLiteral("neurônio")) QCOMPARE(w->x(), 344);
        for (const QString& nome : botoes) {
            const QWidget* b = w->findChild<QWidget*>(nome);
            QVERIFY2(b != nullptr, qPrintable(nome));
            QVERIFY2(inteiro(b), qPrintable(nome));
        }
        // The least size leaves room for a 40-pixel taskbar and a title bar, in every view of
        // the laboratory.
        const QSize cabe(tela.width(), tela.height() - 40 - UJanelas::kTituloPresumido);
        auto minimo = [w] { return w->minimumSizeHint().expandedTo(w->minimumSize()); };
        QVERIFY2(
            minimo().width() <= cabe.width() && minimo().height() <= cabe.height(),
            qPrintable(QStringLiteral("%1 × %2").arg(minimo().width()).arg(minimo().height())));
#ifdef NORVIKA_INGLES
        const QStringList restos = emPortugues(w);
        QVERIFY2(restos.isEmpty(), qPrintable(restos.join(QStringLiteral(" | "))));
#endif
        if (janela == QStringLiteral("laboratório")) {
            auto* seletor = w->findChild<QComboBox*>(QStringLiteral("LabVistaSeletor"));
            for (int i = 0; i < seletor->count(); ++i) {
                seletor->setCurrentIndex(i);
                QVERIFY2(minimo().width() <= cabe.width() && minimo().height() <= cabe.height(),
                         qPrintable(seletor->currentText()));
            }
        }
    }

    void rodaSoComFoco_data() {
        QTest::addColumn<bool>("foco");
        QTest::newRow("sem foco") << false;
        QTest::newRow("com foco") << true;
    }
    void rodaSoComFoco() {
        QFETCH(bool, foco);
        TFormLaboratorio* lab = abreLaboratorio();
        QVERIFY(QTest::qWaitForWindowExposed(lab));
        auto* spin = lab->findChild<QSpinBox*>(QStringLiteral("LabLinhasSpin"));
        auto* area = lab->findChild<QScrollArea*>(QStringLiteral("LabPainelEsquerdo"));
        QCOMPARE(spin->focusPolicy(), Qt::StrongFocus);
        if (foco) {
            spin->setFocus();
            QTRY_VERIFY(spin->hasFocus());
        }
        spin->setValue(10);  // room to move either way
        const int antes = spin->value();
        const QPoint centro = spin->rect().center();
        QWheelEvent roda(centro, spin->mapToGlobal(centro), {}, QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(spin, &roda);
        QCOMPARE(spin->value() != antes, foco);
        // Without the focus the wheel scrolls the panel, when there is somewhere to scroll to.
        if (!foco && area->verticalScrollBar()->maximum() > 0)
            QVERIFY(area->verticalScrollBar()->value() > 0);
    }
};

// The windows are measured on a 1366 × 768 screen when the headless platform is asked for.
int main(int argc, char** argv) {
    QTemporaryDir pasta;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && pasta.isValid()) {
        const QString config = pasta.filePath(QStringLiteral("tela.json"));
        QFile arquivo(config);
        if (arquivo.open(QIODevice::WriteOnly)) {
            arquivo.write(R"({"screens": [{"name": "projetor", "x": 0, "y": 0, "width": 1366,
                             "height": 768, "logicalDpi": 96, "dpr": 1}]})");
            arquivo.close();
            qputenv("QT_QPA_PLATFORM",
                    QStringLiteral("offscreen:configfile=%1").arg(config).toLocal8Bit());
        }
    }
    QApplication aplicacao(argc, argv);
#ifdef NORVIKA_INGLES
    UIdioma::instala(UIdioma::TIdioma::ingles);
#endif
    TesteJanelasCabem teste;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&teste, argc, argv);
}

#include "TesteJanelasCabem.moc"
