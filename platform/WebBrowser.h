#pragma once
#include <QString>
#include <cstdint>
#include <memory>

class QWidget;
class WebBrowser;

// Events of the web-browser control; handlers run on the user-interface thread.
class WebBrowserEvents {
public:
    virtual ~WebBrowserEvents() = default;
    virtual void BeforeNavigate2(const QString& url, bool& cancel) = 0;
    virtual void NewWindow2(bool& cancel) = 0;
    virtual void NavigateComplete2() = 0;
    virtual void DocumentComplete(const QString& url) = 0;
    virtual void DownloadBegin() = 0;
    virtual void DownloadComplete() = 0;
    virtual void ProgressChange(std::int32_t progress, std::int32_t progressMax) = 0;
    virtual void StatusTextChange(const QString& text) = 0;
    virtual void TitleChange(const QString& title) = 0;
    virtual void FileDownload(bool& cancel) = 0;
    virtual void ClientToHostWindow() = 0;
    // The page's renderer crashed or was killed; the control is idle.
    virtual void RenderProcessTerminated() = 0;
    // The events of a window the control opened for a page, once NewWindow2 let it through.
    virtual std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser& window) = 0;
};

// Events that do nothing: a handler overrides only the ones it answers.
class IgnoringBrowserEvents : public WebBrowserEvents {
public:
    void BeforeNavigate2(const QString&, bool&) override {}
    void NewWindow2(bool&) override {}
    void NavigateComplete2() override {}
    void DocumentComplete(const QString&) override {}
    void DownloadBegin() override {}
    void DownloadComplete() override {}
    void ProgressChange(std::int32_t, std::int32_t) override {}
    void StatusTextChange(const QString&) override {}
    void TitleChange(const QString&) override {}
    void FileDownload(bool&) override {}
    void ClientToHostWindow() override {}
    void RenderProcessTerminated() override {}
    std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser&) override { return std::make_unique<IgnoringBrowserEvents>(); }
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

    virtual QString LocationURL() const = 0;
    virtual QString LocationName() const = 0;
    virtual bool Busy() const = 0;
};
