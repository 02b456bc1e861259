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

BlockedWindowsBar::BlockedWindowsBar(WebBrowser& page, QWidget* parent) : QFrame(parent), page_(page)
{
    setObjectName(QStringLiteral("BlockedWindowsBar"));
    setFrameShape(QFrame::StyledPanel);
    // The colours of a note, set apart from the page it lies over.
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAutoFillBackground(true);
    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16, 16));
    lblNotice = new QLabel(this);
    lblNotice->setTextFormat(Qt::PlainText);
    cmdOpen = new QPushButton(QStringLiteral("Apri comunque"), this);
    cmdClose = new QPushButton(QStringLiteral("Chiudi"), this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 4, 2);
    row->addWidget(icon);
    row->addWidget(lblNotice, 1);
    row->addWidget(cmdOpen);
    row->addWidget(cmdClose);
    connect(cmdOpen, &QPushButton::clicked, this, &BlockedWindowsBar::cmdOpen_Click);
    connect(cmdClose, &QPushButton::clicked, this, &BlockedWindowsBar::cmdClose_Click);
    hide();
}

void BlockedWindowsBar::Add(const NewWindowTarget& target)
{
    last_ = target;
    lblNotice->setText(Notice(++count_));
    cmdOpen->setToolTip(target.address);
    show();
    raise();
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
    page_.OpenNewWindow(target);
}

void BlockedWindowsBar::cmdClose_Click()
{
    Forget();
    page_.widget()->setFocus(Qt::OtherFocusReason);
}
