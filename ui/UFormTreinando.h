#pragma once
// The "Treinando" dialog: shown over the main window while a long command runs, with the progress,
// the cycle, the time gone and an estimate of the time left, and "Parar". Its close box and Esc
// mean "Parar" too: the dialog never closes by itself, the command that opened it closes it when
// the work has ended.

#include <QDialog>
#include <QElapsedTimer>

#include "ui_UFormTreinando.h"

// How far a long piece of work has come, as the dialog shows it.
struct TAndamento {
    QString fase;          // what is being done: "Lendo o arquivo de padrões", "Treinando o mapa"
    double fracao = -1.0;  // of this phase, 0 to 1; negative when unknown
    QString ciclo;         // "Ciclo t de N", empty when the work has no cycles
};

class TFormTreinando : public QDialog {
    Q_OBJECT

  public:
    explicit TFormTreinando(QWidget* pai, const QString& titulo);

    void mostra(const TAndamento& andamento);
    bool pediuParada() const { return pediuParada_; }

    // Step mode: the buttons that present one pattern or one cycle, "Continuar"/"Pausar" and the
    // pace of the animation. The pace is in patterns per second; 0 is as fast as the machine goes.
    void modoPassoAPasso();
    double padroesPorSegundo() const;

    Ui::TFormTreinando ui;

  Q_SIGNALS:
    void paradaPedida();

  public:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void pedeParada();

    bool pediuParada_ = false;
    QElapsedTimer relogio_;      // since the dialog opened
    QElapsedTimer relogioFase_;  // since the phase shown began
    QString fase_;
};
