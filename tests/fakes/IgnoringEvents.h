#pragma once
#include "platform/WebBrowser.h"

// Browser-control events that do nothing: a stand-in overrides only the ones it cares about.
class IgnoringEvents : public WebBrowserEvents {
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
    std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser&) override { return std::make_unique<IgnoringEvents>(); }
};
