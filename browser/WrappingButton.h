#pragma once
#include <QPushButton>

// A push button whose caption wraps onto several lines when it is wider than the button,
// as the classic desktop buttons did (" Modifica    pagina" on a tall, narrow button).
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
