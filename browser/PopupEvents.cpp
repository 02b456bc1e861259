#include "PopupEvents.h"

#include "app/IgnoreErrors.h"
#include "frmBrowser.h"

void PopupEvents::BeforeNavigate2(const QString& url, bool& cancel) { cancel = !owner_.NavigationAllowed(url); }
void PopupEvents::NewWindow2(bool& cancel) { owner_.AnswerNewWindow(window_, cancel); }
void PopupEvents::FileDownload(bool&) { owner_.AnnounceDownload(window_); }

void PopupEvents::RenderProcessTerminated()
{
    if (owner_.ReloadWanted(window_))
        IgnoreErrors([this] { window_.Refresh(); });
}

std::unique_ptr<WebBrowserEvents> PopupEvents::NewWindowEvents(WebBrowser& window) { return owner_.NewWindowEvents(window); }
