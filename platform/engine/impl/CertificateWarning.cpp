#include "CertificateWarning.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Line(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

// Beside the page's view rather than inside it: the view shows the bus its page only.
CertificateWarning::CertificateWarning(const Facts& facts, QWidget* over)
    : QFrame(over->parentWidget() ? over->parentWidget() : over), over_(over)
{
    setAccessibleName(QStringLiteral("Avviso di sicurezza"));
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("CertificateWarning { background: #fff4e5; }"));
    // A readable column, however wide the window.
    auto* text = new QWidget(this);
    text->setMaximumWidth(720);
    auto* column = new QVBoxLayout(text);
    column->setSpacing(12);
    QLabel* title = Line(QStringLiteral("La connessione a %1 non è sicura").arg(facts.host), text);
    title->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold; color: #a00000"));
    column->addWidget(title);
    for (const QString& reason : facts.reasons)
        column->addWidget(Line(reason, text));
    column->addWidget(Line(QStringLiteral("Qualcuno potrebbe leggere o modificare quello che invii al sito o ricevi "
                                          "da esso, come password, messaggi o numeri di carte di credito."),
                           text));
    column->addWidget(Line(QStringLiteral("Rilasciato a: %1").arg(facts.subject), text));
    column->addWidget(Line(QStringLiteral("Rilasciato da: %1").arg(facts.issuer), text));
    column->addWidget(Line(facts.validity, text));
    if (!facts.mayGoOn)
        column->addWidget(Line(QStringLiteral("Per questo sito non è possibile proseguire."), text));
    auto* buttons = new QHBoxLayout;
    auto* back = new QPushButton(QStringLiteral("Torna indietro"), text);
    back->setDefault(true);
    back->setAutoDefault(true);
    connect(back, &QPushButton::clicked, this, &CertificateWarning::wentBack);
    buttons->addWidget(back);
    if (facts.mayGoOn) {
        auto* goOn = new QPushButton(QStringLiteral("Continua comunque (non sicuro)"), text);
        connect(goOn, &QPushButton::clicked, this, &CertificateWarning::wentOn);
        buttons->addWidget(goOn);
    }
    buttons->addStretch();
    column->addLayout(buttons);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(40, 40, 40, 40);
    row->addWidget(text, 1, Qt::AlignTop);
    row->addStretch(0);
    over->installEventFilter(this);
    FollowPage();
    raise();
    show();
    back->setFocus();
}

void CertificateWarning::FollowPage() { setGeometry(parentWidget() == over_ ? over_->rect() : over_->geometry()); }

bool CertificateWarning::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        FollowPage();
    return QFrame::eventFilter(watched, event);
}
