#include "frmBrowser.h"

#include "PageQuestions.h"
#include "browser/page/PageTools.h"
#include "PopupEvents.h"
#include "StatusBar.h"
#include "browser/downloads/Downloads.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "platform/system/UiServices.h"

#include <QTimer>

void frmBrowser::BeforeNavigate2(const QString& url, bool& cancel)
{
    cancel = !questions_->NavigationAllowed(url);
    if (!cancel)
        SetAddressText(url);
}

void frmBrowser::NewWindow2(const NewWindowTarget& target, bool& cancel)
{
    questions_->AnswerNewWindow(*brwWebBrowser, cancel);
    if (cancel && questions_->PopupSwitchBlocks())
        pageTools_->NoteBlockedWindow(target);
}

void frmBrowser::NavigateComplete2()
{
    IgnoreErrors([this] { SetCaption(brwWebBrowser->LocationName()); });
    timTimer_Timer();
}

void frmBrowser::DownloadBegin()
{
    pageTools_->ForgetBlockedWindows(); // the notice was about the page that goes
    program().ui().DoEvents();
    IgnoreErrors([this] { SetCaption(QStringLiteral("Starting Download ") + brwWebBrowser->LocationName()); });
}

// The same answer as to a completed navigation: caption = page name, then one tick.
void frmBrowser::DownloadComplete() { NavigateComplete2(); }

void frmBrowser::DocumentComplete(const QString& url)
{
    SetCaption(url);
    // Half an address the user is typing is no site visited: the page that completed is.
    const QString address = TrimBlanks(cboAddress->Typing() ? url : AddressText());
    cboAddress->AppendUnlisted(address);
    // A long history fills the list once a page is there, never holding up the first one.
    cboAddress->GoOnFilling();
}

void frmBrowser::ProgressChange(std::int32_t progress, std::int32_t progressMax)
{
    StatusBar1->SetStatusText(QStringLiteral("Reading ") + QString::number(progress) + QStringLiteral(" of ")
                              + QString::number(progressMax));
    if (progress > 0) {
        PercentBar(progress, progressMax);
        program().g.SITI_VISITATI = 1;
    }
}

void frmBrowser::StatusTextChange(const QString& text) { StatusBar1->SetStatusText(text); }

void frmBrowser::TitleChange(const QString&) {}

void frmBrowser::FileDownload(bool&) { questions_->AnnounceDownload(*brwWebBrowser); }

void frmBrowser::RenderProcessTerminated(bool again)
{
    // The control is idle now: a running timer's next tick shows the page as it stands.
    if (timTimer->isActive())
        timTimer_Timer();
    if (questions_->ReloadWanted(*brwWebBrowser, again)) {
        SetTimerEnabled(true);
        IgnoreErrors([this] { brwWebBrowser->Refresh(); });
    }
}

bool frmBrowser::EndPageNotAnswering() { return questions_->EndWanted(); }

std::unique_ptr<WebBrowserEvents> frmBrowser::NewWindowEvents(WebBrowser& window)
{
    return std::make_unique<PopupEvents>(*questions_, *pageTools_, *this, window);
}

// What the hosted control gave its user: the page's menu, downloads and zoom by the wheel.
void frmBrowser::ContextMenu(const PageContext& context) { pageTools_->ShowMenu(*brwWebBrowser, context); }
void frmBrowser::DownloadStarted(std::unique_ptr<Download> download) { downloads_->Show(std::move(download)); }
void frmBrowser::WheelZoom(int direction) { pageTools_->Zoom(direction); }

// What the page asks to use is the person's to allow, whatever the questions' switch says.
void frmBrowser::PermissionAsked(std::shared_ptr<PermissionQuestion> question)
{
    pageTools_->AskPermission(std::move(question));
}
void frmBrowser::PermissionQuestionsEnded() { pageTools_->DropEndedPermissionQuestions(); }
