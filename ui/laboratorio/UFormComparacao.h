#pragma once
// Two runs of the laboratory side by side: the same view of both maps on one colour scale, and a
// table of their settings and errors with the settings that differ highlighted. Opened by
// "Comparar" with two runs selected.

#include <QWidget>

#include "USessaoLab.h"
#include "ui_UFormComparacao.h"

class TFormComparacao : public QWidget {
    Q_OBJECT

  public:
    TFormComparacao(QWidget* pai, const TExecucaoLab& a, const TExecucaoLab& b);

    // The view it opens on: labels for labelled patterns, else the net in space for two
    // attributes, else the U-matrix.
    static TTipoVista vistaInicial(const TDadosMapa& mapa);
    // The names of the highlighted rows (the settings that differ).
    QStringList destacadas() const;
    QString exportaImagem(const QString& caminho);

  private:
    void preencheGrupos();
    void mostraVista();
    void preencheTabela();

    TExecucaoLab a_, b_;
    Ui::TFormComparacao ui;
};
