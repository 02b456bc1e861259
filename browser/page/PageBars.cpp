#include "PageBars.h"

#include "BlockedWindowsBar.h"
#include "FindBar.h"
#include "PermissionBar.h"

#include "platform/engine/WebBrowser.h"

#include <QEvent>

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
    if (event->type() == QEvent::ParentChange)
        FollowPage();
    else if (event->type() == QEvent::Resize || event->type() == QEvent::Move || event->type() == QEvent::Hide)
        Place();
    return QObject::eventFilter(watched, event);
}

// The page moved to another window (it fills the screen, or comes back): its bars, and the
// questions on them, go with it.
void PageBars::FollowPage()
{
    QWidget* window = page_.widget()->parentWidget();
    for (PageBar* bar : std::initializer_list<PageBar*>{findBar_, blockedBar_, permissionBar_}) {
        if (!bar || !window || bar->parentWidget() == window)
            continue;
        const bool shown = !bar->isHidden();
        bar->setParent(window);
        bar->setVisible(shown);
    }
    Place();
}

void PageBars::Place()
{
    const QRect page = page_.widget()->geometry();
    // Each bar where it lies; the question and the notice along the top one under the other, the
    // question first, as the page waits for its answer.
    if (findBar_ && !findBar_->isHidden())
        findBar_->setGeometry(findBar_->PlaceOver(page));
    QRect below = page;
    for (PageBar* bar : std::initializer_list<PageBar*>{permissionBar_, blockedBar_}) {
        if (!bar || bar->isHidden())
            continue;
        bar->setGeometry(bar->PlaceOver(below));
        below.setTop(bar->geometry().bottom() + 1);
    }
}
