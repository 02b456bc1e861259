#pragma once
#include <QFrame>
#include <QString>
#include <QStringList>

// The warning shown in place of a page whose site's certificate is not trusted: what is wrong, in
// plain words, who the certificate names and for how long, "Torna indietro" (the default) and,
// where the person may, "Continua comunque (non sicuro)". It covers the whole of the widget it
// is put over, following it.
class CertificateWarning : public QFrame {
    Q_OBJECT
public:
    struct Facts {
        QString host;
        QStringList reasons; // what is wrong, a sentence each
        QString subject;     // who the certificate was made for
        QString issuer;      // who made it
        QString validity;    // from when until when it is valid
        bool mayGoOn = false;
    };

    CertificateWarning(const Facts& facts, QWidget* over);

signals:
    void wentBack();
    void wentOn();

private:
    void FollowPage();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* over_;
};
