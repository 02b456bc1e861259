#pragma once
#include <QObject>
#include <QPointer>

#include <memory>

class BlockedWindowsBar;
class FindBar;
class PermissionBar;
class PermissionQuestion;
class WebBrowser;
struct NewWindowTarget;

// The bars over one page, each made at its first use: the find bar over its bottom right corner,
// the questions of what the page asks to use and the notice of blocked windows along its top edge. They lie over the
// page in the window it sits in, so they take no room from the window's layout, and follow the page as it moves or
// changes size.
class PageBars : public QObject {
public:
    explicit PageBars(WebBrowser& page);

    void ShowFindBar();
    // The pop-up switch blocked a window the page asked for.
    void NoteBlockedWindow(const NewWindowTarget& target);
    // The page moves on: the notice goes.
    void ForgetBlockedWindows();
    // The page asks to use something: the question over its top edge, above the notice.
    void AskPermission(std::shared_ptr<PermissionQuestion> question);
    void DropEndedPermissionQuestions();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();
    void FollowPage();

    WebBrowser& page_;
    QPointer<FindBar> findBar_;
    QPointer<BlockedWindowsBar> blockedBar_;
    QPointer<PermissionBar> permissionBar_;
};
