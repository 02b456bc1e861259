#pragma once
#include "BrowserPage.h"
#include "WebEngineEnvironment.h"
#include "platform/engine/WebBrowser.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSet>
#include <QUrl>

class FileSystem;
class RendererWatchdog;
class QWebEngineDownloadRequest;
class QWebEngineLoadingInfo;
class QWebEngineNavigationRequest;
class QWebEngineNewWindowRequest;
class QWebEngineProfile;
class QWebEngineView;

// The web-browser control over Qt WebEngine. Local files are reached through the drive map
// and reported in Windows form; the control's own loads are announced before they start.
// A window it opens for a page is a control of its own, whose events the opener's handler gives;
// its page sits in a window of its own, which gets the keys the page leaves unused.
class WebEngineBrowser : public QObject, public WebBrowser {
    Q_OBJECT
public:
    // profile: nullptr for the engine's default profile.
    WebEngineBrowser(FileSystem& fs, QWidget* parent, QWebEngineProfile* profile = nullptr);
    ~WebEngineBrowser() override;

    QWidget* widget() override;
    void setEvents(WebBrowserEvents* events) override;
    void Navigate(const QString& address) override;
    // Starts loading address before the window that shows it is built, without a word to anyone:
    // until the engine reports it begun, a Navigate to the same address joins this load, asking
    // its window as ever (the first to be refused, before any allowed it, stops it); a Navigate
    // to another address replaces it. Nothing is loaded for an address that cannot be opened:
    // Navigate says so.
    void LoadAhead(const QString& address);
    void GoBack() override;
    void GoForward() override;
    void GoHome() override;
    void GoSearch() override;
    void Refresh() override;
    void Stop() override;
    void OpenNewWindow(const NewWindowTarget& target) override;
    void SetWindowsBlocked(bool blocked) override;
    QString LocationURL() const override;
    QString LocationName() const override;
    bool Busy() const override;
    PageDialogTurn TakePageDialogTurn() override;
    void RunPageCommand(PageCommand command) override;
    void FindText(const QString& text, bool backward, bool matchCase,
                  std::function<void(int active, int matches)> done) override;
    void StopFinding() override;
    int ZoomPercent() const override;
    void SetZoomPercent(int percent) override;
    void Print(std::function<void(bool printed)> done) override;
    void SaveAsPdf(const QString& path, std::function<void(bool written)> done) override;

    // Windows opened for pages' new-window requests that are still open.
    int OpenPopupCount() const;

private:
    void OnNavigationRequested(QWebEngineNavigationRequest& request);
    void OnNewWindowRequested(QWebEngineNewWindowRequest& request);
    void OnRenderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status);
    // asked: the size and place the page asked for, if any.
    WebEngineBrowser* OpenPopup(const QRect& asked = {});

    QUrl UrlOf(const QString& address);
    QString AddressOf(const QUrl& url) const;
    bool MayNavigate(const QString& address);
    bool IsPlaceInPageOnDisplay(const QUrl& url) const;
    void Go(QWebEnginePage::WebAction action, bool possible);
    void EndAhead();
    void ForgetAhead();

    void NoteRenderer();
    void OnLoadStarted();
    void OnLoadProgress(int progress);
    void OnLoadFinished();
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    bool EndsPageLeft(const QWebEngineLoadingInfo& info);
    void OnTitleChanged();
    void OnLinkHovered(const QString& url);
    void OnDownloadRequested(QWebEngineDownloadRequest* download);
    void OnContextMenuRequested(const QPoint& position);
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Runs an event handler; false when the handler destroyed this control. Whatever the handler
    // throws ends here: nothing may cross the engine's event loop.
    template <typename Call> bool Raise(Call&& call);

    FileSystem& fs_;
    QWebEngineProfile* profile_;
    QPointer<QWebEngineView> view_;
    QPointer<BrowserPage> page_;
    RendererWatchdog* watchdog_ = nullptr; // a child of the page
    // Renderers the user had ended, shared with the windows opened for pages, whose pages the
    // engine puts in the same renderer as their opener's when they are of the same site.
    std::shared_ptr<QSet<qint64>> endedByUser_ = std::make_shared<QSet<qint64>>();
    qint64 rendererPid_ = 0;        // the page's renderer as last seen
    QPointer<QWidget> popupWindow_; // the window a pop-up's page sits in
    WebBrowserEvents* events_ = nullptr;
    std::unique_ptr<WebBrowserEvents> popupEvents_; // a pop-up window's events, given by its opener
    QList<QPointer<WebEngineBrowser>> popups_;
    QString homeAddress_;
    QString aheadAddress_;      // loading since before the first Navigate, not yet begun in the engine
    bool aheadAllowed_ = false; // a Navigate let it go on
    bool busy_ = false;
    QList<QUrl> ownLoads_;         // asked about before load(): the engine's reports of them ask no more
    bool rejectedPending_ = false; // a refused navigation: the engine still reports a load for it
    bool swallowing_ = false;      // inside that load: no event, Busy unchanged
    QUrl historyLoad_;             // a web page reloaded or come back to through the history
    bool loadingAfresh_ = false;   // that load refused and made again: its end and the new start say nothing
    QUrl engineLoad_;              // what the engine's load under way began with; empty between loads
    QUrl replacing_;               // an address asked for while that load went on
    bool saveAsAsked_ = false;     // the page's menu asked to save an image: its download asks where
    bool windowsBlocked_ = false;
};
