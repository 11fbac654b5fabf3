#pragma once
// The laboratory: a window beside the classic one where any SOM of the laboratory engine is trained
// on the student's data and watched live, drawn as it really is (hexagons, a torus). Data and
// settings at the left, the map's views in the middle, the selected unit at the right; the
// training runs on a thread of its own (TSessaoLab), the window stays usable and shows its
// progress itself, and Parar keeps the map as it stands.

#include <QTimer>
#include <QWidget>
#include <optional>

#include "USessaoLab.h"
#include "ui_UFormLaboratorio.h"

class QFileDialog;

class TFormLaboratorio : public QWidget {
    Q_OBJECT

  public:
    explicit TFormLaboratorio(QWidget* pai = nullptr);

    // Opens a data file as "Abrir…" does (a table through the import dialog). Returns whether the
    // data are in place.
    bool abreDados(const QString& caminho);
    // The settings in the controls, or why they cannot train (a message naming the field).
    std::optional<TConfiguracaoLab> configuracao(QString& motivo) const;
    // Saves the map as a .cod, and opens one; each returns why it failed, empty when done.
    QString salvaMapa(const QString& caminho);
    QString abreMapa(const QString& caminho);

    const TSessaoLab& sessao() const { return sessao_; }

    void LabAbrirButtonClick();
    void LabTreinarButtonClick();
    void LabPararButtonClick();
    void LabPassoButtonClick();
    void LabSalvarButtonClick();
    void LabAbrirMapaButtonClick();
    void LabVistaSeletorChange();
    void LabModoComboChange();

  Q_SIGNALS:
    // The training ended (finished, stopped or failed) and its map is in place.
    void treinoConcluido();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void acompanha();
    void mostraMapa(std::shared_ptr<const TDadosMapa> mapa);
    void mostraDados();
    void preenchePainel();
    void preencheSeletor();
    void habilita();
    void escolheNeuronio(std::int32_t neuronio);

    Ui::TFormLaboratorio ui;
    TSessaoLab sessao_;
    std::shared_ptr<const TDadosMapa> mapa_;
    QTimer relogio_;
    QFileDialog* dialogoDados_ = nullptr;
    QFileDialog* dialogoSalvar_ = nullptr;
    QFileDialog* dialogoAbrirMapa_ = nullptr;
};
