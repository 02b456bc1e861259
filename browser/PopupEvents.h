#pragma once
#include "platform/WebBrowser.h"

class frmBrowser;

// The events of a window that a page opened. It asks the same questions as the browser window,
// follows the same pop-up switch and announces its downloads the same way; its loading, titles
// and progress are its own, so the browser window's caption, address box, list and status bar
// keep showing the browser window's page. Opens with its page's title as its caption.
class PopupEvents : public WebBrowserEvents {
public:
    PopupEvents(frmBrowser& owner, WebBrowser& window) : owner_(owner), window_(window) {}

    void BeforeNavigate2(const QString& url, bool& cancel) override;
    void NewWindow2(bool& cancel) override;
    void FileDownload(bool& cancel) override;
    void RenderProcessTerminated() override;
    std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser& window) override;

    void NavigateComplete2() override {}
    void DocumentComplete(const QString&) override {}
    void DownloadBegin() override {}
    void DownloadComplete() override {}
    void ProgressChange(std::int32_t, std::int32_t) override {}
    void StatusTextChange(const QString&) override {}
    void TitleChange(const QString&) override {}
    void ClientToHostWindow() override {}

private:
    frmBrowser& owner_;
    WebBrowser& window_;
};
