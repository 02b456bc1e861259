#include "BlockedWindowsBar.h"

#include "platform/engine/WebBrowser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QString Notice(int count)
{
    return count == 1 ? QStringLiteral("Vindrel ha bloccato una finestra di questo sito")
                      : QStringLiteral("Vindrel ha bloccato %1 finestre di questo sito").arg(count);
}

} // namespace

// Across the top, where a person looks first after asking for a window.
BlockedWindowsBar::BlockedWindowsBar(WebBrowser& page, QWidget* parent)
    : PageBar(page, parent, QStringLiteral("BlockedWindowsBar"), Edge::Top)
{
    lblNotice = StartNote(QStyle::SP_MessageBoxInformation);
    cmdOpen = new QPushButton(QStringLiteral("Apri comunque"), this);
    cmdClose = new QPushButton(QStringLiteral("Chiudi"), this);
    Row()->addWidget(cmdOpen);
    Row()->addWidget(cmdClose);
    connect(cmdOpen, &QPushButton::clicked, this, &BlockedWindowsBar::cmdOpen_Click);
    connect(cmdClose, &QPushButton::clicked, this, &BlockedWindowsBar::cmdClose_Click);
}

void BlockedWindowsBar::Add(const NewWindowTarget& target)
{
    last_ = target;
    lblNotice->setText(Notice(++count_));
    cmdOpen->setToolTip(target.address);
    ShowOverPage();
}

void BlockedWindowsBar::Forget()
{
    hide();
    count_ = 0;
    last_ = {};
}

void BlockedWindowsBar::cmdOpen_Click()
{
    const NewWindowTarget target = last_;
    cmdClose_Click();
    Page().OpenNewWindow(target);
}

void BlockedWindowsBar::cmdClose_Click()
{
    Forget();
    GiveFocusBack(Qt::OtherFocusReason);
}
