#pragma once
// The map's views as the explorer and the laboratory show them: the view selector, the map and its
// error curve, the planes' common scale, the selected unit's text, and the exports of what is on
// screen. The widgets stay the window's own, laid out and named in its .ui, so that each window
// keeps the names its users and its tests know; the panel ties them together and fills them from
// a TDadosMapa.

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "UCodebook.h"
#include "UDadosMapa.h"
#include "ULayoutMapa.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QWidget;
class TVistaCurva;
class TVistaMapa;

// The saved "Linha 1 embaixo", for a view that has no check box of its own (the comparison of two
// runs).
bool linhaUmEmbaixoPreferida();

class TPainelMapa : public QObject {
    Q_OBJECT

  public:
    struct TComponentes {
        QComboBox* seletor = nullptr;
        TVistaMapa* vista = nullptr;
        TVistaCurva* curva = nullptr;
        QCheckBox* escalaComum = nullptr;
        // The selected unit's text: a QTextEdit or a QPlainTextEdit.
        QWidget* unidade = nullptr;
        // "Linha 1 embaixo": one preference for every window that shows a map, kept from one
        // session to the next.
        QCheckBox* linhaUmEmbaixo = nullptr;
        // The clusters' number (2 to 20, the map's suggestion for each new map) and "Mostrar
        // grupos" (their borders over the other views); the attribute of the property view, shown
        // only with it. Each may be missing.
        QSpinBox* grupos = nullptr;
        QCheckBox* mostraGrupos = nullptr;
        QComboBox* propriedade = nullptr;
    };
    struct TTextos {
        QString instante;                  // what a step's text calls a pass ("Ciclo", "Época")
        QString escolhaUmaUnidade;         // a map is shown, no unit selected
        std::function<QString()> semMapa;  // no map yet (nothing when empty)
    };

    // The panel belongs to `janela`, which shows its failures.
    TPainelMapa(QWidget* janela, TComponentes componentes, TTextos textos);

    // Fills the selector with every view ("Cores" only when `cores`), keeping the view shown, or
    // the view `pedida` when it is one of them; returns whether it was.
    bool preencheSeletor(bool cores, std::optional<TTipoVista> pedida = std::nullopt);
    // Shows the view of this kind when the selector lists it; returns whether it does.
    bool escolhe(TTipoVista tipo);
    void mostra(std::shared_ptr<const TDadosMapa> dados);
    const std::shared_ptr<const TDadosMapa>& dados() const { return dados_; }
    // Shows the map or the curve, as the selector says.
    void mostraVistaEscolhida();
    // The clusters' number chosen for the map shown, once its clusters were shown; and that
    // number set again for it (a saved session's), held within what the map allows.
    std::optional<std::int32_t> gruposEscolhidos() const;
    void escolheGrupos(std::int32_t k);
    void preencheUnidade();

    // The view on screen, the map's or the curve's, as a picture (PNG or SVG by the suffix), with
    // the map's caption under it when `legenda`. Returns why it failed, empty when written.
    QString exportaImagem(const QString& caminho, bool legenda) const;
    // The map as a table (.csv) or as SOM_PAK's codebook (.cod, the one `codebook` gives).
    QString exportaDados(const QString& caminho, const std::function<TCodebook()>& codebook) const;

  private:
    void escolheNeuronio(std::int32_t neuronio);
    // The clusters' number for the map shown, its suggestion when the map is new, once the
    // clusters are shown (they are computed only then).
    void preencheGrupos();
    // The units the clusters are made of (0 without a map), and the number set for the map shown.
    std::int32_t unidadesDosGrupos() const;
    void aplicaGrupos(std::int32_t k);
    void preenchePropriedades();
    void escreveUnidade(const QString& texto);

    QWidget* janela_;
    TComponentes c_;
    TTextos textos_;
    std::shared_ptr<const TDadosMapa> dados_ = std::make_shared<TDadosMapa>();
    // The map the clusters' number was last chosen for.
    std::shared_ptr<const TDadosMapa> mapaDosGrupos_;
    // The units of the map the person last picked the clusters' number for (0: none picked).
    std::int32_t unidadesDaEscolha_ = 0;
};
