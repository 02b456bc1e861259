#include "PageBars.h"

#include "BlockedWindowsBar.h"
#include "FindBar.h"
#include "PermissionBar.h"

#include "platform/engine/WebBrowser.h"

#include <QEvent>

#include <algorithm>

PageBars::PageBars(WebBrowser& page) : page_(page) { page_.widget()->installEventFilter(this); }

void PageBars::ShowFindBar()
{
    if (!findBar_)
        findBar_ = new FindBar(page_, page_.widget()->parentWidget());
    findBar_->Open();
    Place();
}

void PageBars::NoteBlockedWindow(const NewWindowTarget& target)
{
    if (!blockedBar_)
        blockedBar_ = new BlockedWindowsBar(page_, page_.widget()->parentWidget());
    blockedBar_->Add(target);
    Place();
}

void PageBars::ForgetBlockedWindows()
{
    if (blockedBar_)
        blockedBar_->Forget();
}

void PageBars::AskPermission(std::shared_ptr<PermissionQuestion> question)
{
    if (!permissionBar_) {
        permissionBar_ = new PermissionBar(page_, page_.widget()->parentWidget());
        permissionBar_->installEventFilter(this); // answered, it hides: the notice moves up
    }
    permissionBar_->Add(std::move(question));
    Place();
}

void PageBars::DropEndedPermissionQuestions()
{
    if (permissionBar_)
        permissionBar_->DropEnded();
    Place();
}

bool PageBars::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::Hide)
        Place();
    return QObject::eventFilter(watched, event);
}

void PageBars::Place()
{
    const QRect page = page_.widget()->geometry();
    // The find bar over the bottom right corner: the top of the page, where reading starts,
    // stays in view.
    if (findBar_ && !findBar_->isHidden()) {
        const QSize size = findBar_->sizeHint().boundedTo(page.size());
        findBar_->setGeometry(page.right() + 1 - size.width(), page.bottom() + 1 - size.height(), size.width(),
                              size.height());
    }
    // The question and the notice across the top, where a person looks first after asking for a
    // window; the question first, as the page waits for its answer.
    int top = page.top();
    for (QWidget* bar : {static_cast<QWidget*>(permissionBar_.data()), static_cast<QWidget*>(blockedBar_.data())}) {
        if (!bar || bar->isHidden())
            continue;
        const int height = std::min(bar->sizeHint().height(), page.bottom() + 1 - top);
        bar->setGeometry(page.left(), top, page.width(), height);
        top += height;
    }
}
