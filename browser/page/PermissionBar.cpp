#include "PermissionBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

QString PermissionQuestionText(const QString& site, PagePermission permission)
{
    const char* asks = "";
    switch (permission) {
    case PagePermission::Location:
        asks = "di conoscere la tua posizione";
        break;
    case PagePermission::Notifications:
        asks = "di mostrare notifiche";
        break;
    case PagePermission::Camera:
        asks = "di usare la videocamera";
        break;
    case PagePermission::Microphone:
        asks = "di usare il microfono";
        break;
    case PagePermission::CameraAndMicrophone:
        asks = "di usare videocamera e microfono";
        break;
    case PagePermission::ScreenSharing:
        asks = "di condividere lo schermo";
        break;
    case PagePermission::MouseLock:
        asks = "di bloccare il puntatore";
        break;
    }
    return site + QStringLiteral(" chiede ") + QString::fromUtf8(asks);
}

// Across the top, where the person looks for what the page waits for.
PermissionBar::PermissionBar(WebBrowser& page, QWidget* parent)
    : PageBar(page, parent, QStringLiteral("PermissionBar"), Edge::Top)
{
    lblQuestion = StartNote(QStyle::SP_MessageBoxQuestion);
    cmdAllow = new QPushButton(QStringLiteral("Consenti"), this);
    cmdBlock = new QPushButton(QStringLiteral("Blocca"), this);
    cmdClose = new QToolButton(this);
    cmdClose->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    cmdClose->setAutoRaise(true);
    cmdClose->setToolTip(QStringLiteral("Chiudi"));
    cmdClose->setAccessibleName(QStringLiteral("Chiudi"));
    Row()->addWidget(cmdAllow);
    Row()->addWidget(cmdBlock);
    Row()->addWidget(cmdClose);
    connect(cmdAllow, &QPushButton::clicked, this, [this] { Answer(true); });
    connect(cmdBlock, &QPushButton::clicked, this, [this] { Answer(false); });
    connect(cmdClose, &QToolButton::clicked, this, [this] { Answer(false); });
}

void PermissionBar::Add(std::shared_ptr<PermissionQuestion> question)
{
    questions_.push_back(std::move(question));
    ShowFirst();
}

void PermissionBar::DropEnded()
{
    std::erase_if(questions_, [](const auto& question) { return !question->Waiting(); });
    ShowFirst();
}

void PermissionBar::Answer(bool allow)
{
    if (questions_.empty())
        return;
    const auto question = questions_.front();
    questions_.erase(questions_.begin());
    question->Answer(allow);
    // The same site may have asked the same again meanwhile: that is answered now too.
    DropEnded();
    if (isHidden())
        GiveFocusBack(Qt::OtherFocusReason);
}

void PermissionBar::ShowFirst()
{
    if (questions_.empty()) {
        hide();
        return;
    }
    const PermissionQuestion& first = *questions_.front();
    lblQuestion->setText(PermissionQuestionText(first.Site(), first.Permission()));
    ShowOverPage();
}
