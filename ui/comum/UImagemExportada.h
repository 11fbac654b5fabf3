#pragma once
// Writing what the user exports from a window: bytes through the program's safe save, and a
// picture drawn by any painter, as SVG or PNG (twice the size on screen, for print) by the name's
// suffix. Both return why they failed, empty when the file was written.

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>

class QFileDialog;
class QPainter;
class QWidget;

QString gravaExportacao(const QString& caminho, const QByteArray& bytes);
QString gravaExportacao(const QString& caminho, const std::string& texto);

// Asks for the file in `dialogo` and writes it with `exportacao`, saying over `pai` why it failed
// ("Não foi possível gravar OQUE em ...").
void exportaComDialogo(QWidget* pai, QFileDialog& dialogo,
                       const std::function<QString(const QString&)>& exportacao,
                       const QString& oQue);

QString gravaImagem(const QString& caminho, const QSize& tamanho, const QString& titulo,
                    const std::function<void(QPainter&)>& desenha);
