#include "UFormImportar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QScopedValueRollback>
#include <atomic>
#include <filesystem>

#include "UDialogos.h"
#include "UErros.h"
#include "UFormTreinando.h"
#include "UJanelas.h"
#include "ULeitorLinhas.h"
#include "UMensagens.h"
#include "UPlanilha.h"
#include "UTextos.h"
#include "UTrabalho.h"

namespace {

// The separator and decimal-mark choices, in the order of their combo boxes (the first is
// "detect").
constexpr char kSeparadores[] = {0, ';', ',', '\t', kSeparadorEspacos};
constexpr char kDecimais[] = {0, ',', '.'};
const char* const kPapeis[] = {QT_TRANSLATE_NOOP("TFormImportar", "Atributo"),
                               QT_TRANSLATE_NOOP("TFormImportar", "Rótulo"),
                               QT_TRANSLATE_NOOP("TFormImportar", "Ignorada")};

QString nomeDoSeparador(char separador) {
    switch (separador) {
        case ';':
            return QCoreApplication::translate("TFormImportar", "ponto e vírgula");
        case ',':
            return QCoreApplication::translate("TFormImportar", "vírgula");
        case '\t':
            return QCoreApplication::translate("TFormImportar", "tabulação");
        default:
            return QCoreApplication::translate("TFormImportar", "espaços");
    }
}

}  // namespace

TFormImportar::TFormImportar(QWidget* pai, const QString& tabela, QFileDialog& salvar,
                             TDestino destino)
    : QDialog(pai), tabela_(caminhoEmBytes(tabela)), salvar_(salvar), destino_(destino) {
    UJanelas::instala();
    ui.setupUi(this);
    ui.AbrirNoLaboratorioButton->setVisible(destino == TDestino::classica);
    ui.TabelaLabel->setText(tr("Tabela: %1").arg(QDir::toNativeSeparators(tabela)));
    ui.SeparadorCombo->addItems({tr("Automático"), tr("Ponto e vírgula (;)"), tr("Vírgula (,)"),
                                 tr("Tabulação"), tr("Espaços")});
    ui.DecimalCombo->addItems({tr("Automática"), tr("Vírgula (,)"), tr("Ponto (.)")});
    ui.ColunasTabela->setColumnCount(4);
    ui.ColunasTabela->setHorizontalHeaderLabels(
        {tr("Coluna"), tr("Tipo"), tr("Papel"), tr("Ausentes")});
    ui.ColunasTabela->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    ui.ColunasTabela->verticalHeader()->setVisible(false);
    ui.PreviaTabela->setSelectionMode(QAbstractItemView::NoSelection);
    // Rows as tall as their text: more of the table in view.
    const int linha = fontMetrics().height() + 8;
    ui.PreviaTabela->verticalHeader()->setDefaultSectionSize(linha);
    ui.ColunasTabela->verticalHeader()->setDefaultSectionSize(linha + 2);

    std::error_code erro;
    bytes_ = std::filesystem::file_size(tabela_, erro);
    if (erro) bytes_ = 0;
    formato_ = formatoPeloNome(tabela_);
    // SOM_PAK's and ARFF's own rules fix the separator, the decimal mark and the header; a
    // spreadsheet has its sheets and cells, and may have a header row.
    const bool planilha = formato_ == TFormatoTabela::planilha;
    ui.LeituraGroupBox->setEnabled(formato_ == TFormatoTabela::delimitado || planilha);
    for (QWidget* w : std::initializer_list<QWidget*>{ui.SeparadorLabel, ui.SeparadorCombo,
                                                      ui.DecimalLabel, ui.DecimalCombo})
        w->setEnabled(!planilha);
    ui.PlanilhaLabel->setVisible(planilha);
    ui.PlanilhaCombo->setVisible(planilha);

    // Every change of a choice, by the user or by a program that drives the dialog, reads the
    // table again; what the dialog writes back into its controls (what was detected, the roles)
    // does not.
    auto releTudo = [this] {
        if (mostrando_) return;
        papeis_.clear();  // the columns may be others
        atualiza();
    };
    connect(ui.PlanilhaCombo, &QComboBox::currentIndexChanged, this, [this, releTudo] {
        if (mostrando_) return;
        cabecalho_.reset();  // another sheet, detected anew
        releTudo();
    });
    connect(ui.SeparadorCombo, &QComboBox::currentIndexChanged, this, releTudo);
    connect(ui.DecimalCombo, &QComboBox::currentIndexChanged, this, releTudo);
    connect(ui.CabecalhoCheckBox, &QCheckBox::toggled, this, [this, releTudo](bool marcado) {
        if (mostrando_) return;
        cabecalho_ = marcado;
        releTudo();
    });
    auto rele = [this] {
        if (!mostrando_) atualiza();
    };
    connect(ui.AusentesCombo, &QComboBox::currentIndexChanged, this, rele);
    connect(ui.NormalizacaoCombo, &QComboBox::currentIndexChanged, this, rele);
    connect(ui.ImportarButton, &QPushButton::clicked, this,
            [this] { UMensagens::protege(this, [this] { importa(); }); });
    connect(ui.CancelarImportacaoButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui.AbrirNoLaboratorioButton, &QPushButton::clicked, this,
            [this] { UMensagens::protege(this, [this] { abreNoLaboratorio(); }); });
    resize(820, 760);
    if (planilha) {
        // The sheets to choose from, even when the first cannot be read.
        std::vector<std::string> nomes;
        try {
            UTrabalho::executa(
                *this, tr("Importando"),
                [&](TControle& controle) { nomes = planilhasDoArquivo(tabela_, &controle); },
                [&](const TControle& controle) {
                    return andamento(tr("Lendo as planilhas"), controle.padroes.load(),
                                     static_cast<std::int64_t>(bytes_ >> 10));
                });
        } catch (const std::exception&) {
            // The reading below says what is wrong with the file.
        }
        const QScopedValueRollback<bool> mostrando(mostrando_, true);
        for (const std::string& nome : nomes)
            ui.PlanilhaCombo->addItem(QString::fromStdString(nome));
    }
    atualiza();
}

TOpcoesImportacao TFormImportar::opcoes() const {
    TOpcoesImportacao o;
    if (const char s = kSeparadores[ui.SeparadorCombo->currentIndex()]; s != 0) o.separador = s;
    if (const char d = kDecimais[ui.DecimalCombo->currentIndex()]; d != 0) o.decimal = d;
    o.cabecalho = cabecalho_;
    if (ui.PlanilhaCombo->currentIndex() >= 0)
        o.planilha = std::to_string(ui.PlanilhaCombo->currentIndex() + 1);
    o.ausentes = ui.AusentesCombo->currentIndex() == 1 ? TAusentes::media : TAusentes::descartar;
    o.normalizacao = static_cast<TNormalizacao>(ui.NormalizacaoCombo->currentIndex());
    o.papeis = papeis_;
    return o;
}

std::optional<TImportacao> TFormImportar::le(const TOpcoesImportacao& o, const QString& fase,
                                             const std::string& gravarEm) {
    std::optional<TImportacao> lida;
    std::atomic<bool> gravando{false};
    const auto kibibytes = static_cast<std::int64_t>(bytes_ >> 10);
    try {
        UTrabalho::executa(
            *this, tr("Importando"),
            [&](TControle& controle) {
                lida = importaTabela(tabela_, o, &controle);
                if (gravarEm.empty()) return;
                gravando.store(true);
                gravaPadroes(*lida, gravarEm);
            },
            [&](const TControle& controle) {
                if (gravando.load()) return andamento(tr("Gravando o arquivo de padrões"), 0, 0);
                return andamento(fase, controle.padroes.load(), kibibytes);
            });
        return lida;
    } catch (const EInterrompido&) {
        mostraRelatorio({bytesUtf8(tr("A leitura foi interrompida: nada foi gravado."))}, true);
    } catch (const EEntradaSaida& e) {
        mostraRelatorio(
            {gravando.load() ? bytesUtf8(tr("Não foi possível gravar \"%1\": %2")
                                             .arg(textoDeBytes(gravarEm), textoDeBytes(e.what())))
                             : mensagemDaFalha(e, tabela_)},
            true);
    } catch (const EImportacao& e) {
        mostraRelatorio({e.what()}, true);
    } catch (const EMemoriaInsuficiente& e) {
        mostraRelatorio({e.what()}, true);
    }
    return std::nullopt;
}

void TFormImportar::atualiza() {
    TOpcoesImportacao o = opcoes();
    const bool parcial = bytes_ > kBytesPreviaCompleta;
    if (parcial) o.maximoLinhas = kLinhasPrevia;
    ui.PreviaTabela->clear();
    ui.PreviaTabela->setRowCount(0);
    ui.PreviaTabela->setColumnCount(0);
    const std::optional<TImportacao> lida = le(o, tr("Lendo a tabela"));
    ui.ImportarButton->setEnabled(lida.has_value());
    ui.AbrirNoLaboratorioButton->setEnabled(lida.has_value());
    if (!lida) return;
    const QScopedValueRollback<bool> mostrando(mostrando_, true);
    // What was detected, beside the choice "Automático".
    if (formato_ == TFormatoTabela::delimitado) {
        ui.SeparadorCombo->setItemText(0,
                                       tr("Automático (%1)").arg(nomeDoSeparador(lida->separador)));
        ui.DecimalCombo->setItemText(
            0, tr("Automática (%1)").arg(lida->decimal == ',' ? tr("vírgula") : tr("ponto")));
    }
    if (formato_ == TFormatoTabela::delimitado || formato_ == TFormatoTabela::planilha)
        ui.CabecalhoCheckBox->setChecked(lida->cabecalho);

    mostraColunas(*lida);
    mostraPrevia(*lida);
    std::vector<std::string> relatorio = relatorioDaImportacao(*lida);
    if (parcial)
        relatorio.insert(relatorio.begin(),
                         bytesUtf8(tr("Prévia das primeiras %1 linhas de uma tabela grande: ela é "
                                      "lida inteira ao importar.")
                                       .arg(kLinhasPrevia)));
    mostraRelatorio(relatorio, false);
}

void TFormImportar::mostraColunas(const TImportacao& t) {
    ui.ColunasTabela->setRowCount(static_cast<int>(t.colunas.size()));
    for (std::size_t k = 0; k < t.colunas.size(); ++k) {
        const TColuna& c = t.colunas[k];
        const int linha = static_cast<int>(k);
        ui.ColunasTabela->setItem(linha, 0,
                                  new QTableWidgetItem(QStringLiteral("%1. %2").arg(k + 1).arg(
                                      QString::fromStdString(c.nome))));
        ui.ColunasTabela->setItem(linha, 1,
                                  new QTableWidgetItem(c.numerica ? tr("número") : tr("texto")));
        auto* papel = qobject_cast<QComboBox*>(ui.ColunasTabela->cellWidget(linha, 2));
        if (papel == nullptr) {
            papel = new QComboBox;
            for (const char* p : kPapeis)
                papel->addItem(QCoreApplication::translate("TFormImportar", p));
            papel->setObjectName(QStringLiteral("PapelCombo%1").arg(k + 1));
            connect(papel, &QComboBox::currentIndexChanged, this, [this] {
                if (!mostrando_) escolhePapel();
            });
            ui.ColunasTabela->setCellWidget(linha, 2, papel);
        }
        papel->setCurrentIndex(static_cast<int>(c.papel));
        ui.ColunasTabela->setItem(linha, 3, new QTableWidgetItem(QString::number(c.ausentes)));
    }
    ui.ColunasTabela->resizeColumnToContents(1);
    ui.ColunasTabela->resizeColumnToContents(2);
}

void TFormImportar::escolhePapel() {
    papeis_.clear();
    for (int linha = 0; linha < ui.ColunasTabela->rowCount(); ++linha) {
        const auto* papel = qobject_cast<QComboBox*>(ui.ColunasTabela->cellWidget(linha, 2));
        papeis_.push_back(static_cast<TPapel>(papel != nullptr ? papel->currentIndex() : 2));
    }
    atualiza();
}

void TFormImportar::mostraPrevia(const TImportacao& t) {
    QStringList cabecalho;
    for (const std::size_t k : t.atributos) cabecalho << QString::fromStdString(t.colunas[k].nome);
    cabecalho << tr("Rótulo");
    ui.PreviaTabela->setColumnCount(static_cast<int>(cabecalho.size()));
    ui.PreviaTabela->setHorizontalHeaderLabels(cabecalho);
    const auto padroes = padroesDaPrevia(t, kPadroesNaPrevia);
    ui.PreviaTabela->setRowCount(static_cast<int>(padroes.size()));
    for (std::size_t i = 0; i < padroes.size(); ++i)
        for (std::size_t j = 0; j < padroes[i].size(); ++j) {
            auto* item = new QTableWidgetItem(QString::fromStdString(padroes[i][j]));
            if (j + 1 < padroes[i].size())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            ui.PreviaTabela->setItem(static_cast<int>(i), static_cast<int>(j), item);
        }
    ui.PreviaTabela->resizeColumnsToContents();
}

void TFormImportar::mostraRelatorio(const std::vector<std::string>& linhas, bool falha) {
    QStringList texto;
    for (const std::string& l : linhas) texto << QString::fromStdString(l);
    ui.RelatorioImportacaoTexto->setPlainText(texto.join(QLatin1Char('\n')));
    QPalette cores = ui.RelatorioImportacaoTexto->palette();
    cores.setColor(QPalette::Text, falha ? QColor(170, 0, 0) : palette().color(QPalette::Text));
    ui.RelatorioImportacaoTexto->setPalette(cores);
}

void TFormImportar::importa() {
    // The pattern file beside the table, under its name: "iris.csv" gives "iris.txt" (a table
    // that is itself a .txt gives "iris-padroes.txt").
    const QFileInfo tabela(QString::fromStdString(tabela_));
    const QString sugestao = tabela.suffix().compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0
                                 ? tabela.completeBaseName() + QStringLiteral("-padroes.txt")
                                 : tabela.completeBaseName() + QStringLiteral(".txt");
    salvar_.setDirectory(tabela.absolutePath());
    salvar_.selectFile(sugestao);
    const QString nome = UDialogos::escolhe(salvar_);
    // The laboratory trains from the table in memory when no pattern file is wanted.
    if (nome.isEmpty()) {
        if (destino_ == TDestino::laboratorio) abreNoLaboratorio();
        return;
    }
    const std::string destino = caminhoEmBytes(nome);
    if (mesmoArquivo(destino, tabela_)) {
        UMensagens::mostraMensagem(this, tr("Escolha outro arquivo: este é a própria tabela "
                                            "que está sendo importada."));
        return;
    }
    const std::optional<TImportacao> lida = le(opcoes(), tr("Lendo a tabela inteira"), destino);
    if (!lida) return;
    gravado_ = nome;
    accept();
}

void TFormImportar::abreNoLaboratorio() {
    std::optional<TImportacao> lida = le(opcoes(), tr("Lendo a tabela inteira"));
    if (!lida) return;
    importacao_ = std::move(lida);
    accept();
}
