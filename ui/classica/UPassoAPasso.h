#pragma once
// A training presented pattern by pattern from the "Treinando" dialog in step mode, on the
// interface thread: one pattern, one cycle, or an animation at the pace of the dialog's slider,
// until the training ends or the user stops it. The explorer follows every step (and at most ten
// times a second when animated fast), showing the pattern just presented, its winner and the
// neighbourhood it pulled. The bits are those of the uninterrupted training.

#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "UDadosMapa.h"
#include "UPasso.h"

class QWidget;
class TFormExplorador;

class TTreinoPassoAPasso : public QObject {
    Q_OBJECT

  public:
    // Trains `rede` (its map built, its patterns read) for cycles 0 .. ultimo. `aposPasso` runs
    // after every presentation (the window's status line); the explorer, when open, is shown
    // the map with `extras`.
    TTreinoPassoAPasso(QWidget& janela, TRede& rede, bool porCiclos, std::int32_t ultimo,
                       const TRede::FuncaoStatus& status, std::function<void()> aposPasso,
                       std::shared_ptr<const TExtrasMapa> extras, TFormExplorador* explorador);
    ~TTreinoPassoAPasso() override;

    // Runs until the training ends or "Parar"; whether it ran to its end.
    bool executa();
    // The error curve recorded at the end of the cycles it chose, on the map as it stood.
    const std::vector<TPontoCurva>& curva() const { return curva_; }

  private:
    void umPadrao();

    QWidget& janela_;
    TRede& rede_;
    TTreinoPasso passo_;
    std::function<void()> aposPasso_;
    std::shared_ptr<const TExtrasMapa> extras_;
    TFormExplorador* explorador_;
    std::int32_t pontos_;
    std::vector<TPontoCurva> curva_;
    std::optional<TDadosMapa::TPassoAtual> atual_;
};
