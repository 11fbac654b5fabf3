#pragma once
// The map explorer: a window beside the classic one that shows the current map in every view the
// teaching of self-organising maps uses (labels, hits, U-matrix, component planes, colours, the
// net in the input space, the error curve), one at a time, with the selected neuron's weights and
// labels and the map's errors beside it. It is not modal and stays usable while a training runs;
// the main window hands it each new state of the map.

#include <QElapsedTimer>
#include <QWidget>
#include <memory>

#include "UPainelMapa.h"
#include "USessao.h"
#include "UVistaMapa.h"
#include "ui_UFormExplorador.h"

class QFileDialog;

class TFormExplorador : public QWidget {
    Q_OBJECT

  public:
    explicit TFormExplorador(QWidget* pai = nullptr);

    void mostra(std::shared_ptr<const TDadosMapa> dados);
    // While a training runs: shows the latest live picture of its map, and asks it for the next
    // one at most ten times a second.
    void acompanhaTreino(TTreino& treino);
    const TDadosMapa* dados() const { return dados_.get(); }

    // The two exports, to the given file (the format of an image follows its suffix), written by
    // the program's safe save (gravaArquivo). Each returns why it failed, empty when the file was
    // written.
    QString exportaImagem(const QString& caminho);
    QString exportaDados(const QString& caminho);

    // Whether the next training is to be stepped ("Treinar passo a passo").
    bool passoAPasso() const;
    void definePassoAPasso(bool ligado);
    // Shows the view of this name ("Cores", "Rede no espaço", ...), or as soon as the map has it
    // ("Cores" needs a map of three values).
    void escolheVista(TTipoVista tipo);

    void VistaSeletorChange();
    void ExportarButtonClick();
    void ExportarDadosButtonClick();

  private:
    void preencheAviso();
    void preencheSeletor();

    Ui::TFormExplorador ui;
    TPainelMapa* painel_ = nullptr;
    std::optional<TTipoVista> vistaPedida_;
    std::shared_ptr<const TDadosMapa> dados_;
    QElapsedTimer desdeAoVivo_;
    QFileDialog* dialogoImagem_ = nullptr;
    QFileDialog* dialogoDados_ = nullptr;
};
