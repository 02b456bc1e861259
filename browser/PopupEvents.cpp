#include "PopupEvents.h"

#include "PageQuestions.h"
#include "PageTools.h"
#include "ZoomSteps.h"
#include "app/IgnoreErrors.h"
#include "frmBrowser.h"

void PopupEvents::BeforeNavigate2(const QString& url, bool& cancel) { cancel = !owner_.questions().NavigationAllowed(url); }
void PopupEvents::NewWindow2(const NewWindowTarget&, bool& cancel) { owner_.questions().AnswerNewWindow(window_, cancel); }
void PopupEvents::FileDownload(bool&) { owner_.questions().AnnounceDownload(window_); }

void PopupEvents::RenderProcessTerminated()
{
    if (owner_.questions().ReloadWanted(window_))
        IgnoreErrors([this] { window_.Refresh(); });
}

std::unique_ptr<WebBrowserEvents> PopupEvents::NewWindowEvents(WebBrowser& window) { return owner_.NewWindowEvents(window); }

void PopupEvents::ContextMenu(const PageContext& context) { owner_.pageTools().ShowMenu(window_, context); }
void PopupEvents::DownloadStarted(std::unique_ptr<Download> download) { owner_.DownloadStarted(std::move(download)); }
void PopupEvents::WheelZoom(int direction) { window_.SetZoomPercent(NextZoomStep(window_.ZoomPercent(), direction)); }
