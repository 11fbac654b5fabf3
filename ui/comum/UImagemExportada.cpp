#include "UImagemExportada.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <string_view>

#include "UDialogos.h"
#include "UGravacao.h"
#include "UMensagens.h"
#include "UTextos.h"

QString gravaExportacao(const QString& caminho, const QByteArray& bytes) {
    try {
        gravaArquivo(caminhoEmBytes(caminho),
                     std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return {};
    } catch (const std::exception& e) {
        QString motivo = textoDeBytes(e.what());
        if (motivo.endsWith(u'.')) motivo.chop(1);
        return motivo;
    }
}

QString gravaExportacao(const QString& caminho, const std::string& texto) {
    return gravaExportacao(
        caminho, QByteArray::fromRawData(texto.data(), static_cast<qsizetype>(texto.size())));
}

QString gravaImagem(const QString& caminho, const QSize& tamanho, const QString& titulo,
                    const std::function<void(QPainter&)>& desenha) {
    // The format follows the name: PNG bytes in a ".jpg" would be a file no program opens right.
    if (!caminho.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) &&
        !caminho.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        return QCoreApplication::translate("UImagemExportada",
                                           "o nome deve terminar em .png ou .svg");
    // Drawn into memory first: the file is written only once the picture is whole.
    QByteArray bytes;
    QBuffer memoria(&bytes);
    memoria.open(QIODevice::WriteOnly);
    if (caminho.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&memoria);
        svg.setSize(tamanho);
        svg.setViewBox(QRect(QPoint(0, 0), tamanho));
        svg.setTitle(titulo);
        svg.setDescription(QStringLiteral("Norvika"));
        QPainter p;
        if (!p.begin(&svg))
            return QCoreApplication::translate("UImagemExportada",
                                               "a imagem não pôde ser desenhada");
        desenha(p);
        if (!p.end())
            return QCoreApplication::translate("UImagemExportada",
                                               "a imagem não pôde ser desenhada");
    } else {
        QImage imagem(tamanho * 2, QImage::Format_RGB32);
        imagem.fill(Qt::white);
        {
            QPainter p(&imagem);
            p.scale(2.0, 2.0);
            desenha(p);
        }
        if (!imagem.save(&memoria, "PNG"))
            return QCoreApplication::translate("UImagemExportada",
                                               "a imagem não pôde ser desenhada");
    }
    return gravaExportacao(caminho, bytes);
}

void exportaComDialogo(QWidget* pai, QFileDialog& dialogo,
                       const std::function<QString(const QString&)>& exportacao,
                       const QString& oQue) {
    UMensagens::protege(pai, [&] {
        const QString nome = UDialogos::escolhe(dialogo);
        if (nome.isEmpty()) return;
        const QString motivo = exportacao(nome);
        if (!motivo.isEmpty())
            UMensagens::mostraMensagem(
                pai, QCoreApplication::translate("UImagemExportada",
                                                 "Não foi possível gravar %1 em \"%2\": %3.")
                         .arg(oQue, nome, motivo));
    });
}
