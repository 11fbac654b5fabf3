#include "UPainelMapa.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextEdit>

#include "UExportacao.h"
#include "UImagemExportada.h"
#include "ULayoutMapa.h"
#include "UMensagens.h"
#include "UPintura.h"
#include "UTextos.h"
#include "UVistaCurva.h"
#include "UVistaMapa.h"

namespace {

// The views' preferences, shared by the windows that show a map (the laboratory keeps its own
// settings apart).
QSettings preferenciasDasVistas() {
    return QSettings(QStringLiteral("Norvika"), QStringLiteral("Vistas"));
}
const QString kChaveLinhaUmEmbaixo = QStringLiteral("LinhaUmEmbaixo");

}  // namespace

bool linhaUmEmbaixoPreferida() {
    return preferenciasDasVistas().value(kChaveLinhaUmEmbaixo, false).toBool();
}

TPainelMapa::TPainelMapa(QWidget* janela, TComponentes componentes, TTextos textos)
    : QObject(janela), janela_(janela), c_(std::move(componentes)), textos_(std::move(textos)) {
    connect(c_.seletor, &QComboBox::currentIndexChanged, this,
            [this] { UMensagens::protege(janela_, [&] { mostraVistaEscolhida(); }); });
    connect(c_.escalaComum, &QCheckBox::toggled, c_.vista, &TVistaMapa::defineEscalaComum);
    // The unit's values stand in columns (the file's units, the original ones), which line up
    // only in a fixed-pitch font.
    QFont fixa = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixa.setPointSizeF(c_.unidade->font().pointSizeF());
    c_.unidade->setFont(fixa);
    // Kept as soon as it changes, so a window opened later, or the next session, draws the same.
    c_.linhaUmEmbaixo->setChecked(linhaUmEmbaixoPreferida());
    c_.vista->defineLinhaUmEmbaixo(c_.linhaUmEmbaixo->isChecked());
    connect(c_.linhaUmEmbaixo, &QCheckBox::toggled, this, [this](bool embaixo) {
        c_.vista->defineLinhaUmEmbaixo(embaixo);
        preferenciasDasVistas().setValue(kChaveLinhaUmEmbaixo, embaixo);
    });
    connect(c_.vista, &TVistaMapa::neuronioEscolhido, this, &TPainelMapa::escolheNeuronio);
    if (c_.grupos != nullptr)
        connect(c_.grupos, &QSpinBox::valueChanged, this, [this](int k) {
            // The person's number: kept for the next maps of the same grid (a replay's frames,
            // another training), until a map of another size comes.
            unidadesDaEscolha_ = unidadesDosGrupos();
            c_.vista->defineGrupos(k);
        });
    if (c_.mostraGrupos != nullptr)
        connect(c_.mostraGrupos, &QCheckBox::toggled, this, [this](bool mostra) {
            UMensagens::protege(janela_, [&] {
                preencheGrupos();
                c_.vista->defineMostraGrupos(mostra);
            });
        });
    if (c_.propriedade != nullptr)
        connect(c_.propriedade, &QComboBox::currentIndexChanged, c_.vista,
                [this](int i) { c_.vista->definePropriedade(std::max(i, 0)); });
}

void TPainelMapa::preencheGrupos() {
    if (c_.grupos == nullptr) return;
    const int vista = c_.seletor->currentData().toInt();
    const bool mostrados = vista == static_cast<int>(TTipoVista::Agrupamentos) ||
                           (c_.mostraGrupos != nullptr && c_.mostraGrupos->isChecked());
    const std::int32_t n = unidadesDosGrupos();
    c_.grupos->setEnabled(n >= 2);
    if (!mostrados || n < 2 || mapaDosGrupos_ == dados_) return;
    // A new map: the number the person picked for a map of its size, else its own suggestion.
    aplicaGrupos(unidadesDaEscolha_ == n ? c_.grupos->value() : dados_->kGruposSugerido());
}

std::int32_t TPainelMapa::unidadesDosGrupos() const {
    return dados_->vazio() ? 0 : std::min(dados_->unidades(), dados_->neuronios());
}

std::optional<std::int32_t> TPainelMapa::gruposEscolhidos() const {
    if (c_.grupos == nullptr || mapaDosGrupos_ != dados_) return std::nullopt;
    return c_.grupos->value();
}

void TPainelMapa::escolheGrupos(std::int32_t k) {
    if (c_.grupos == nullptr || unidadesDosGrupos() < 2) return;
    aplicaGrupos(k);
    unidadesDaEscolha_ = unidadesDosGrupos();
}

void TPainelMapa::aplicaGrupos(std::int32_t k) {
    const std::int32_t n = unidadesDosGrupos();
    mapaDosGrupos_ = dados_;
    const QSignalBlocker bloqueio(c_.grupos);
    c_.grupos->setRange(2, std::max(2, std::min(TDadosMapa::kMaximoGrupos, n)));
    c_.grupos->setValue(k);
    c_.vista->defineGrupos(c_.grupos->value());
}

void TPainelMapa::preenchePropriedades() {
    if (c_.propriedade == nullptr) return;
    QStringList nomes;
    for (std::int32_t k = 0; k < dados_->propriedades(); ++k) nomes << nomeDoAtributo(*dados_, k);
    QStringList atuais;
    for (int i = 0; i < c_.propriedade->count(); ++i) atuais << c_.propriedade->itemText(i);
    if (nomes == atuais || nomes.isEmpty()) return;
    const int indice = c_.propriedade->currentIndex();
    const QSignalBlocker bloqueio(c_.propriedade);
    c_.propriedade->clear();
    c_.propriedade->addItems(nomes);
    // The same attribute when the names only changed language or spelling.
    c_.propriedade->setCurrentIndex(nomes.size() == atuais.size() && indice >= 0 ? indice : 0);
    c_.vista->definePropriedade(std::max(c_.propriedade->currentIndex(), 0));
}

bool TPainelMapa::preencheSeletor(bool cores, std::optional<TTipoVista> pedida) {
    const QString atual = c_.seletor->currentText();
    c_.seletor->blockSignals(true);
    c_.seletor->clear();
    for (const TOpcaoVista& v : kOpcoesVista)
        if (v.vista != static_cast<int>(TTipoVista::Cores) || cores)
            c_.seletor->addItem(nomeDaOpcao(v), v.vista);
    int indice = c_.seletor->findText(atual);
    const int achada = pedida ? c_.seletor->findData(static_cast<int>(*pedida)) : -1;
    if (achada >= 0) indice = achada;
    c_.seletor->setCurrentIndex(indice >= 0 ? indice : 0);
    c_.seletor->blockSignals(false);
    mostraVistaEscolhida();
    return achada >= 0;
}

bool TPainelMapa::escolhe(TTipoVista tipo) {
    const int i = c_.seletor->findData(static_cast<int>(tipo));
    if (i >= 0) c_.seletor->setCurrentIndex(i);
    return i >= 0;
}

void TPainelMapa::mostraVistaEscolhida() {
    const int vista = c_.seletor->currentData().toInt();
    const bool curva = vista == kVistaCurva;
    if (!curva) c_.vista->defineTipo(static_cast<TTipoVista>(vista));
    c_.vista->setVisible(!curva);
    c_.curva->setVisible(curva);
    c_.escalaComum->setVisible(vista == static_cast<int>(TTipoVista::Planos));
    if (c_.propriedade != nullptr)
        c_.propriedade->setVisible(vista == static_cast<int>(TTipoVista::Propriedade));
    preencheGrupos();
}

void TPainelMapa::mostra(std::shared_ptr<const TDadosMapa> dados) {
    dados_ = std::move(dados);
    c_.vista->defineDados(dados_);
    c_.curva->defineCurva(dados_->curva);
    preenchePropriedades();
    preencheGrupos();
    preencheUnidade();
}

void TPainelMapa::escolheNeuronio(std::int32_t neuronio) {
    UMensagens::protege(janela_, [&] {
        c_.vista->defineSelecionado(neuronio);
        preencheUnidade();
    });
}

void TPainelMapa::preencheUnidade() {
    if (dados_->passo) {
        // Stepping: the pattern just presented and what it did to its winner.
        escreveUnidade(textoDoPasso(*dados_, textos_.instante));
        return;
    }
    const std::int32_t a = c_.vista->selecionado();
    if (a < 0 || a >= dados_->neuronios()) {
        escreveUnidade(!dados_->vazio()  ? textos_.escolhaUmaUnidade
                       : textos_.semMapa ? textos_.semMapa()
                                         : QString());
        return;
    }
    escreveUnidade(textoDoNeuronio(*dados_, a));
}

void TPainelMapa::escreveUnidade(const QString& texto) {
    if (auto* simples = qobject_cast<QPlainTextEdit*>(c_.unidade))
        simples->setPlainText(texto);
    else
        qobject_cast<QTextEdit*>(c_.unidade)->setPlainText(texto);
}

QString TPainelMapa::exportaImagem(const QString& caminho, bool legenda) const {
    // Drawn into memory first: the file is written only once the picture is whole.
    const bool curva = c_.curva->isVisibleTo(janela_);
    const QRect vista(QPoint(0, 0), curva ? c_.curva->size() : c_.vista->size());
    legenda = legenda && !dados_->vazio();
    const QRect area =
        legenda ? vista.adjusted(0, 0, 0, static_cast<int>(kAlturaLegendaExportacao)) : vista;
    return gravaImagem(caminho, area.size(), c_.seletor->currentText(), [&](QPainter& p) {
        if (curva)
            c_.curva->desenha(p, vista);
        else
            c_.vista->desenha(p, vista);
        if (legenda)
            pintaLegendaExportacao(
                p, QRectF(0, vista.height(), vista.width(), kAlturaLegendaExportacao), *dados_);
    });
}

QString TPainelMapa::exportaDados(const QString& caminho,
                                  const std::function<TCodebook()>& codebook) const {
    if (dados_->vazio()) return tr("não há mapa");
    if (caminho.endsWith(QStringLiteral(".cod"), Qt::CaseInsensitive))
        return gravaExportacao(caminho, textoDoCodebook(codebook()));
    // A table goes only into a name that says so, never into a ".png".
    if (!caminho.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        return tr("o nome deve terminar em .csv (tabela) ou .cod (SOM_PAK)");
    return gravaExportacao(caminho, csvDoMapa(*dados_));
}
