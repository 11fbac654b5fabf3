#pragma once
// A spin box whose text is its value, as the program's spin boxes have always behaved:
// - typing accepts digits, "+", "-", "," and control keys and refuses anything else with a beep;
//   pasting and cutting are allowed;
// - the arrows (buttons, keys, wheel) add or subtract 1 and clamp to the limits, a text that is
//   not a whole number counting as the minimum;
// - when the focus leaves the box, a whole number outside the limits becomes the nearest limit;
//   any other text stays as typed;
// - every change of the text, typed or written by the program, emits textChanged.
// The commands read the text and convert it themselves.

#include <QAbstractSpinBox>

class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int value READ value WRITE setValue NOTIFY valueChanged)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged USER true)

  public:
    explicit TSpinEdit(QWidget* pai = nullptr);

    int minimum() const { return minimo_; }
    void setMinimum(int minimo) { minimo_ = minimo; }
    int maximum() const { return maximo_; }
    void setMaximum(int maximo) { maximo_ = maximo; }

    // The text as a whole number, or the minimum when it is not one.
    int value() const;
    void setValue(int valor);
    QString text() const;
    void setText(const QString& texto);

    void stepBy(int passos) override;
    QValidator::State validate(QString& texto, int& pos) const override;
    // What leaving the box does: a whole number outside the limits becomes the nearest limit.
    void concluiEdicao();
    void fixup(QString& texto) const override;

  Q_SIGNALS:
    void textChanged(const QString& texto);
    void valueChanged(int valor);
    void teclaRecusada();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    // The wheel changes the value only while the box has the focus.
    void wheelEvent(QWheelEvent* e) override;
    StepEnabled stepEnabled() const override;

  private:
    int minimo_ = 0;
    int maximo_ = 99;
};

// Whether a focus change leaves a control for another control of the same window, as opposed to
// the window losing the focus to another window or a menu opening.
bool focoSaiParaOutroControle(const QFocusEvent& e);
