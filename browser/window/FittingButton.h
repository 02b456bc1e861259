#pragma once
#include <QPushButton>

// A push button whose caption always fits: it wraps at blanks onto several lines, as the classic
// desktop buttons did (" Modifica    pagina" on a tall, narrow button), and a line still too wide
// is drawn slightly condensed ("Libero/wind" on a small preset button).
class FittingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};
