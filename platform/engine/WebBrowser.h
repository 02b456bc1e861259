#pragma once
#include "Download.h"
#include "NewWindowTarget.h"
#include "PageContext.h"
#include "PagePolicy.h"
#include "PermissionQuestion.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class QKeyEvent;
class QWidget;
class WebBrowser;

// Events of the web-browser control; handlers run on the user-interface thread.
class WebBrowserEvents {
public:
    virtual ~WebBrowserEvents() = default;
    virtual void BeforeNavigate2(const QString& url, bool& cancel) = 0;
    virtual void NewWindow2(const NewWindowTarget& target, bool& cancel) = 0;
    virtual void NavigateComplete2() = 0;
    virtual void DocumentComplete(const QString& url) = 0;
    virtual void DownloadBegin() = 0;
    virtual void DownloadComplete() = 0;
    virtual void ProgressChange(std::int32_t progress, std::int32_t progressMax) = 0;
    virtual void StatusTextChange(const QString& text) = 0;
    virtual void TitleChange(const QString& title) = 0;
    virtual void FileDownload(bool& cancel) = 0;
    // The page's renderer crashed or was killed; the control is idle. again: it ended soon after
    // the user answered for its last end, on the same page (see EndedAgainSoon).
    virtual void RenderProcessTerminated(bool again) = 0;
    // The events of a window the control opened for a page, once NewWindow2 let it through.
    virtual std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser& window) = 0;

    // What the hosted control gave its user by itself. A handler that ignores them leaves the
    // page without its menu and cancels the download.
    // The user asked for the page's menu (right button, menu key).
    virtual void ContextMenu(const PageContext&) {}
    // A download FileDownload let through: it comes in while the user says where it goes.
    virtual void DownloadStarted(std::unique_ptr<Download>) {}
    // The wheel turned over the page with Ctrl held: +1 zooms in, -1 out.
    virtual void WheelZoom(int) {}
    // A key that the page of a window the control opened for a page, and the controls over it,
    // left unused; true when the handler used it.
    virtual bool UnusedKey(const QKeyEvent&) { return false; }
    // The page on display gave no sign of life for a while after the user acted on it (a script
    // that never ends holds it, and every page of its site): true to end its renderer, after
    // which what the user asked for goes on. Asked once while it gives none.
    virtual bool EndPageNotAnswering() { return false; }
    // The page asks to use something; a handler that drops the question unanswered says no.
    virtual void PermissionAsked(std::shared_ptr<PermissionQuestion>) {}
    // Questions ended without the person's answer: those no longer waiting go from view.
    virtual void PermissionQuestionsEnded() {}
};

// Events that do nothing: a handler overrides only the ones it answers.
class IgnoringBrowserEvents : public WebBrowserEvents {
public:
    void BeforeNavigate2(const QString&, bool&) override {}
    void NewWindow2(const NewWindowTarget&, bool&) override {}
    void NavigateComplete2() override {}
    void DocumentComplete(const QString&) override {}
    void DownloadBegin() override {}
    void DownloadComplete() override {}
    void ProgressChange(std::int32_t, std::int32_t) override {}
    void StatusTextChange(const QString&) override {}
    void TitleChange(const QString&) override {}
    void FileDownload(bool&) override {}
    void RenderProcessTerminated(bool) override {}
    std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser&) override
    {
        return std::make_unique<IgnoringBrowserEvents>();
    }
};

// The web-browser control: operations raise VbError where the control would raise an error.
class WebBrowser {
public:
    virtual ~WebBrowser() = default;
    virtual QWidget* widget() = 0;
    virtual void setEvents(WebBrowserEvents* events) = 0;

    virtual void Navigate(const QString& address) = 0;
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    virtual void GoHome() = 0;
    virtual void GoSearch() = 0;
    virtual void Refresh() = 0;
    virtual void Stop() = 0;
    // Opens a window a page asked for and NewWindow2 blocked, as one let through is opened: the
    // events of the window come from NewWindowEvents, and its page loads the target.
    virtual void OpenNewWindow(const NewWindowTarget& target) = 0;
    // Whether NewWindow2 blocks every window now (the pop-up switch): a page's script asking for
    // one then gets none. Holds for the windows the control opened too.
    virtual void SetWindowsBlocked(bool blocked) = 0;

    virtual QString LocationURL() const = 0;
    virtual QString LocationName() const = 0;
    virtual bool Busy() const = 0;
    // A question the program asks about the page on display takes its turn among the page's own
    // dialogs (see PageDialogs).
    virtual PageDialogTurn TakePageDialogTurn() = 0;

    // The engine's own commands for the page's last menu: editing, links, images, source.
    virtual void RunPageCommand(PageCommand command) = 0;
    // Finds text from the current match on; done gets the match now shown (from 1) and the number
    // of matches (0: none).
    virtual void FindText(const QString& text, bool backward, bool matchCase,
                          std::function<void(int active, int matches)> done) = 0;
    // Ends finding: the highlights go, the match found stays selected.
    virtual void StopFinding() = 0;
    // The page's zoom in percent (100: as designed); it holds for every page the control shows.
    virtual int ZoomPercent() const = 0;
    virtual void SetZoomPercent(int percent) = 0;
    // The system's print dialog for the page; done(false) when the chosen printing failed.
    // Nothing is reported when the user closes the dialog.
    virtual void Print(std::function<void(bool printed)> done) = 0;
    // Writes the page as a PDF file (Windows-form path), whole or not at all.
    virtual void SaveAsPdf(const QString& path, std::function<void(bool written)> done) = 0;
};
