#include "BrowserPage.h"

#include "CertificateErrors.h"
#include "LoginRequests.h"
#include "FullscreenRequests.h"

#include <QCoreApplication>
#include <QWebEngineLoadingInfo>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

const QString kLeaveQuestion = QStringLiteral(
    "Vuoi lasciare questa pagina ?\n\nLe modifiche fatte potrebbero non essere salvate.");

} // namespace

BrowserPage::BrowserPage(QWebEngineProfile* profile, FileSystem& fs, QObject* parent)
    : DriveAddressPage(profile, fs, parent), permissions_(new PermissionRequests(*this))
{
    connect(this, &QWebEnginePage::loadingChanged, this, &BrowserPage::OnLoadingChanged);
    new LoginRequests(*this);
    new CertificateErrors(*this);
    // A PDF is shown in the window by the engine's own viewer, which is one of its plug-ins; one
    // sent as an attachment is still a download.
    settings()->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    settings()->setAttribute(QWebEngineSettings::PdfViewerEnabled, true);
    // Off, the engine refuses these itself, without asking the person.
    settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    settings()->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, true);
    new FullscreenRequests(*this);
}

void BrowserPage::OnLoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus && LeavesPage(entered_, info.url())) {
        entered_ = info.url();
        *dialogs_ = PageDialogs{0, false, dialogs_->showing};
    }
    // A load that replaces one still under way may be reported by its end alone; a page a
    // redirect brought asks after its own start. So the questions of every other document go
    // at the first news of this one, unless it was stopped before it came.
    if (info.status() != QWebEngineLoadingInfo::LoadStoppedStatus)
        permissions_->PageLeft(info.url());
}

std::optional<PageDialogAnswer> BrowserPage::Ask(PageDialogKind kind, const QString& message,
                                                 const QString& defaultText)
{
    PageDialogTurn turn = TakeDialogTurn();
    if (turn.turn() == DialogTurn::Refuse)
        return std::nullopt;
    // The page may go while its box is on display: the turn outlives it, nothing else is touched.
    const PageDialogAnswer answer = ShowPageDialog(QWebEngineView::forPage(this), kind, message, defaultText,
                                                   turn.turn() == DialogTurn::ShowOfferingStop);
    if (answer.stopTheRest)
        turn.StopTheRest();
    return answer;
}

void BrowserPage::javaScriptAlert(const QUrl&, const QString& message) { Ask(PageDialogKind::Alert, message); }

bool BrowserPage::javaScriptConfirm(const QUrl&, const QString& message)
{
    // The engine asks so, in its own words, before a page that wants to be kept is left.
    const bool leaving = message
                      == QCoreApplication::translate(
                             "QWebEnginePage",
                             "Are you sure you want to leave this page? Changes that you made may not be saved.");
    const auto answer = Ask(PageDialogKind::Confirm, leaving ? kLeaveQuestion : message);
    // Refused: a page the user leaves cannot keep them there.
    return answer ? answer->accepted : leaving;
}

bool BrowserPage::javaScriptPrompt(const QUrl&, const QString& message, const QString& defaultValue, QString* result)
{
    const auto answer = Ask(PageDialogKind::Prompt, message, defaultValue);
    if (!answer || !answer->accepted)
        return false;
    *result = answer->text;
    return true;
}

bool BrowserPage::RendererEnded()
{
    const QString address = url().toString();
    const bool again = EndedAgainSoon(lastEnded_, sinceEndAnswered_.isValid() ? sinceEndAnswered_.elapsed() : -1,
                                      address);
    lastEnded_ = address;
    return again;
}
