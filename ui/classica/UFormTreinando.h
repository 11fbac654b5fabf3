#pragma once
// The "Treinando" dialog: shown over the main window while a long command runs, with the progress,
// the cycle, the time gone and an estimate of the time left, and "Parar". Its close box and Esc
// mean "Parar" too: the dialog never closes by itself, the command that opened it closes it when
// the work has ended.

#include <QDialog>
#include <QElapsedTimer>
#include <cstdint>

#include "USessao.h"
#include "ui_UFormTreinando.h"

// How far a long piece of work has come, as the dialog shows it.
struct TAndamento {
    QString fase;          // what is being done: "Lendo o arquivo de padrões", "Treinando o mapa"
    double fracao = -1.0;  // of this phase, 0 to 1; negative when unknown
    QString ciclo;         // "Ciclo t de N", empty when the work has no cycles
};

// Progress over `total` items of which `feitos` are done (unknown when there is no total).
TAndamento andamento(const QString& fase, std::int64_t feitos, std::int64_t total);
// Progress over the cycles and, within the running one, over its patterns.
TAndamento andamentoDosCiclos(const QString& fase, std::int64_t ciclosFeitos,
                              std::int64_t padroesFeitos, std::int64_t padroes,
                              std::int64_t ciclos);

// What the dialog says of a training and of a classification: the phase, and how far it came.
TAndamento andamentoDoTreino(const TTreino& treino, const TControle& controle);
TAndamento andamentoDaClassificacao(const TClassificacao& classificacao, const TControle& controle);

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
    // The line that tells what the last step did.
    void mostraPasso(const QString& linha);
    // While animated, "Continuar" reads "Pausar" and the two step buttons wait.
    void defineAnimando(bool animando);

  Q_SIGNALS:
    void paradaPedida();
    void proximoPadraoPedido();
    void proximoCicloPedido();
    void continuarPedido();  // "Continuar" or "Pausar"

  public:
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void pedeParada();

    Ui::TFormTreinando ui;
    bool pediuParada_ = false;
    QElapsedTimer relogio_;      // since the dialog opened
    QElapsedTimer relogioFase_;  // since the phase shown began
    QString fase_;
};
