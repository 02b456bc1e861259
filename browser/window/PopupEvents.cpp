#include "PopupEvents.h"

#include "browser/page/Accelerators.h"
#include "browser/page/PageBars.h"
#include "PageQuestions.h"
#include "browser/page/PageTools.h"
#include "browser/page/ZoomSteps.h"
#include "app/FullScreen.h"
#include "app/IgnoreErrors.h"

#include <QWidget>

PopupEvents::PopupEvents(PageQuestions& questions, PageTools& tools, WebBrowserEvents& owner, WebBrowser& window)
    : questions_(questions), tools_(tools), owner_(owner), window_(window)
{
}
PopupEvents::~PopupEvents() = default;

void PopupEvents::BeforeNavigate2(const QString& url, bool& cancel) { cancel = !questions_.NavigationAllowed(url); }

void PopupEvents::NewWindow2(const NewWindowTarget& target, bool& cancel)
{
    questions_.AnswerNewWindow(window_, cancel);
    if (cancel && questions_.PopupSwitchBlocks())
        Bars().NoteBlockedWindow(target);
}

void PopupEvents::DownloadBegin()
{
    if (bars_)
        bars_->ForgetBlockedWindows();
}

void PopupEvents::FileDownload(bool&) { questions_.AnnounceDownload(window_); }

void PopupEvents::RenderProcessTerminated(bool again)
{
    if (questions_.ReloadWanted(window_, again))
        IgnoreErrors([this] { window_.Refresh(); });
}

bool PopupEvents::EndPageNotAnswering() { return questions_.EndWanted(); }

std::unique_ptr<WebBrowserEvents> PopupEvents::NewWindowEvents(WebBrowser& window)
{
    return owner_.NewWindowEvents(window);
}

void PopupEvents::ContextMenu(const PageContext& context) { tools_.ShowMenu(window_, context); }
void PopupEvents::DownloadStarted(std::unique_ptr<Download> download) { owner_.DownloadStarted(std::move(download)); }
void PopupEvents::WheelZoom(int direction) { window_.SetZoomPercent(NextZoomStep(window_.ZoomPercent(), direction)); }

bool PopupEvents::UnusedKey(const QKeyEvent& event)
{
    const std::optional<KeyCommand> command = KeyCommandOf(event);
    if (!command)
        return false;
    switch (command->kind) {
    case KeyCommand::Refresh:
        IgnoreErrors([this] { window_.Refresh(); });
        break;
    case KeyCommand::Stop:
        IgnoreErrors([this] { window_.Stop(); });
        break;
    case KeyCommand::Back:
        IgnoreErrors([this] { window_.GoBack(); });
        break;
    case KeyCommand::Forward:
        IgnoreErrors([this] { window_.GoForward(); });
        break;
    case KeyCommand::Find:
        Bars().ShowFindBar();
        break;
    case KeyCommand::Print:
        tools_.Print(window_);
        break;
    case KeyCommand::Zoom:
        WheelZoom(command->zoom);
        break;
    case KeyCommand::FullScreen:
        ToggleFullScreen(*window_.widget()->window());
        break;
    case KeyCommand::Home:
    case KeyCommand::AddressBox:
        return false; // the browser window's address box and first page: a page's window has neither
    }
    return true;
}

void PopupEvents::PermissionAsked(std::shared_ptr<PermissionQuestion> question)
{
    Bars().AskPermission(std::move(question));
}

void PopupEvents::PermissionQuestionsEnded()
{
    if (bars_)
        bars_->DropEndedPermissionQuestions();
}

PageBars& PopupEvents::Bars()
{
    if (!bars_)
        bars_ = std::make_unique<PageBars>(window_);
    return *bars_;
}
