#pragma once
#include <QFont>
#include <QPushButton>
#include <QSize>
#include <QString>

// A push button whose caption always fits: it wraps at blanks onto several lines, as the classic
// desktop buttons did (" Modifica    pagina" on a tall, narrow button), and a line still too wide
// is drawn slightly condensed ("Libero/wind" on a small preset button).
class FittingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // How the caption is laid out, kept while caption, size and font stay: measuring it was most
    // of the cost of painting a button.
    struct Fit {
        QString text;
        QSize size;
        QFont font;
        int flags = 0;
        int width = 0;
    };
    const Fit& FitCaption();

    Fit fit_;
};
