#include "USpinEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>
#include <algorithm>
#include <optional>

#include "UNumeros.h"
#include "UTextos.h"

namespace {

std::optional<std::int32_t> numeroInteiro(const QString& texto) {
    try {
        return textoParaInteiro(bytesUtf8(texto));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

bool teclaAceita(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u',';
}

}  // namespace

bool focoSaiParaOutroControle(const QFocusEvent& e) {
    return e.reason() != Qt::ActiveWindowFocusReason && e.reason() != Qt::PopupFocusReason;
}

TSpinEdit::TSpinEdit(QWidget* pai) : QAbstractSpinBox(pai) {
    setFocusPolicy(Qt::StrongFocus);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& t) {
        Q_EMIT textChanged(t);
        Q_EMIT valueChanged(value());
    });
}

int TSpinEdit::value() const {
    return numeroInteiro(text()).value_or(minimo_);
}

void TSpinEdit::setValue(int valor) {
    setText(QString::number(valor));
}

QString TSpinEdit::text() const {
    return lineEdit()->text();
}

void TSpinEdit::setText(const QString& texto) {
    lineEdit()->setText(texto);
}

void TSpinEdit::stepBy(int passos) {
    const auto atual = numeroInteiro(text());
    const long long novo = static_cast<long long>(atual.value_or(minimo_)) + passos;
    setValue(static_cast<int>(std::clamp<long long>(novo, minimo_, maximo_)));
}

QValidator::State TSpinEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

void TSpinEdit::fixup(QString&) const {}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
    if (isReadOnly()) return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown) {
        e->accept();
        return;
    }
    const QString t = e->text();
    const bool imprimivel = !t.isEmpty() && t.at(0).isPrint();
    const bool atalho =
        (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
    if (imprimivel && !atalho && !std::all_of(t.begin(), t.end(), teclaAceita)) {
        QApplication::beep();
        Q_EMIT teclaRecusada();
        e->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(e);
}

void TSpinEdit::wheelEvent(QWheelEvent* e) {
    if (!hasFocus()) {
        e->ignore();
        return;
    }
    QAbstractSpinBox::wheelEvent(e);
}

void TSpinEdit::concluiEdicao() {
    if (const auto n = numeroInteiro(text())) {
        if (*n < minimo_)
            setValue(minimo_);
        else if (*n > maximo_)
            setValue(maximo_);
    }
}

void TSpinEdit::focusOutEvent(QFocusEvent* e) {
    if (focoSaiParaOutroControle(*e)) concluiEdicao();
    QAbstractSpinBox::focusOutEvent(e);
}
