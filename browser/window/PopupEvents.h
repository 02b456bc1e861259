#pragma once
#include "platform/engine/WebBrowser.h"

class PageBars;
class PageQuestions;
class PageTools;

// The events of a window that a page opened. It asks the same questions as the browser window,
// follows the same pop-up switch, announces and shows its downloads and offers its page's menu
// the same way, and its keys do there what they do in the browser window. Its loading, title and
// progress are its own (its caption is its page's title), so the browser window's caption,
// address box, list and status bar keep showing the browser window's page.
class PopupEvents : public IgnoringBrowserEvents {
public:
    // owner: the browser window's events, whose windows and downloads the window's are.
    PopupEvents(PageQuestions& questions, PageTools& tools, WebBrowserEvents& owner, WebBrowser& window);
    ~PopupEvents() override;

    void BeforeNavigate2(const QString& url, bool& cancel) override;
    void NewWindow2(const NewWindowTarget& target, bool& cancel) override;
    void DownloadBegin() override;
    void FileDownload(bool& cancel) override;
    void RenderProcessTerminated(bool again) override;
    bool EndPageNotAnswering() override;
    std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser& window) override;
    // Its menu and downloads are the browser window's; its zoom is its own.
    void ContextMenu(const PageContext& context) override;
    void DownloadStarted(std::unique_ptr<Download> download) override;
    void WheelZoom(int direction) override;
    // Its find bar, notice of blocked windows and questions of what its page asks to use are its
    // own too.
    bool UnusedKey(const QKeyEvent& event) override;
    void PermissionAsked(std::shared_ptr<PermissionQuestion> question) override;
    void PermissionQuestionsEnded() override;

private:
    // Made at their first use: by then the window's page sits in its window.
    PageBars& Bars();

    PageQuestions& questions_;
    PageTools& tools_;
    WebBrowserEvents& owner_;
    WebBrowser& window_;
    std::unique_ptr<PageBars> bars_;
};
