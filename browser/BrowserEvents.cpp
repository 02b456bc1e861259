#include "frmBrowser.h"

#include "PageTools.h"
#include "PopupEvents.h"
#include "StatusBar.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "platform/system/UiServices.h"

#include <QCheckBox>
#include <QTimer>

namespace {

bool QuestionsOff(const frmBrowser& window) { return window.Check1->checkState() == Qt::Checked; }

bool AnsweredOk(UiServices& ui, const QString& text, const QString& title)
{
    return ui.MsgBox(text, MsgButtons::OkCancel, MsgIcon::None, title) != MsgAnswer::Cancel;
}

} // namespace

bool frmBrowser::NavigationAllowed(const QString& url)
{
    return QuestionsOff(*this)
        || AnsweredOk(program().ui(), QStringLiteral("Cerca di aprire nuovo sito: ") + url,
                      QStringLiteral("Apre nella stessa finestra"));
}

void frmBrowser::BeforeNavigate2(const QString& url, bool& cancel)
{
    cancel = !NavigationAllowed(url);
    if (!cancel)
        SetAddressText(url);
}

void frmBrowser::NewWindow2(bool& cancel) { AnswerNewWindow(*brwWebBrowser, cancel); }

void frmBrowser::AnswerNewWindow(WebBrowser& asking, bool& cancel)
{
    if (QuestionsOff(*this)) {
        if (program().g.POPUP_PERMESSI == -1) {
            cancel = false;
            program().ui().DoEvents();
        } else if (program().g.POPUP_PERMESSI == 0) {
            cancel = true;
        }
        return;
    }
    // The address asked about is the page that wants the window, not the window's target.
    const QString url = ReadIgnoringErrors([&asking] { return asking.LocationURL(); });
    const QString title = QStringLiteral("Apre in una nuova finestra");
    if (AnsweredOk(program().ui(), QStringLiteral("Cerca di aprire nuovo sito: ") + url, title)
        || AnsweredOk(program().ui(), QStringLiteral("Apro su stessa pagina il sito: ") + url, title)) {
        // The page button works on this window's page: a pop-up's request leaves it alone.
        if (&asking == brwWebBrowser.get())
            Command1_Click();
        return;
    }
    cancel = true;
}

void frmBrowser::NavigateComplete2()
{
    IgnoreErrors([this] { SetCaption(brwWebBrowser->LocationName()); });
    timTimer_Timer();
}

void frmBrowser::DownloadBegin()
{
    program().ui().DoEvents();
    IgnoreErrors([this] { SetCaption(QStringLiteral("Starting Download ") + brwWebBrowser->LocationName()); });
}

// The same answer as to a completed navigation: caption = page name, then one tick.
void frmBrowser::DownloadComplete() { NavigateComplete2(); }

void frmBrowser::DocumentComplete(const QString& url)
{
    SetCaption(url);
    const QString address = TrimBlanks(AddressText());
    if (!cboAddress->Lists(address))
        AppendToAddressList(address);
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

void frmBrowser::FileDownload(bool&) { AnnounceDownload(*brwWebBrowser); }

void frmBrowser::AnnounceDownload(WebBrowser& page)
{
    if (QuestionsOff(*this))
        return;
    const QString name = ReadIgnoringErrors([&page] { return page.LocationName(); });
    if (TrimBlanks(name).isEmpty())
        return;
    program().ui().MsgBox(QStringLiteral("FileDownload: ") + name + QStringLiteral(" ")
                          + ReadIgnoringErrors([&page] { return page.LocationURL(); }));
}

void frmBrowser::ClientToHostWindow() {}

void frmBrowser::RenderProcessTerminated()
{
    // The control is idle now: a running timer's next tick shows the page as it stands.
    if (timTimer->isActive())
        timTimer_Timer();
    if (ReloadWanted(*brwWebBrowser)) {
        SetTimerEnabled(true);
        IgnoreErrors([this] { brwWebBrowser->Refresh(); });
    }
}

bool frmBrowser::ReloadWanted(WebBrowser& page)
{
    const QString url = ReadIgnoringErrors([&page] { return page.LocationURL(); });
    return program().ui().MsgBox(QStringLiteral("La visualizzazione della pagina ") + url
                                     + QStringLiteral(" si e' interrotta !!!") + QStringLiteral("\r\r")
                                     + QStringLiteral("Ricarico la pagina ?"),
                                 MsgButtons::YesNo, MsgIcon::Exclamation, QStringLiteral("Errore di visualizzazione"))
        == MsgAnswer::Yes;
}

std::unique_ptr<WebBrowserEvents> frmBrowser::NewWindowEvents(WebBrowser& window)
{
    return std::make_unique<PopupEvents>(*this, window);
}

// What the hosted control gave its user: the page's menu, downloads and zoom by the wheel.
void frmBrowser::ContextMenu(const PageContext& context) { pageTools_->ShowMenu(*brwWebBrowser, context); }
void frmBrowser::DownloadStarted(std::unique_ptr<Download> download) { pageTools_->ShowDownload(std::move(download)); }
void frmBrowser::WheelZoom(int direction) { pageTools_->Zoom(direction); }
