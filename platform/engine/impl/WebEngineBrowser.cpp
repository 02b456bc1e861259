#include "WebEngineBrowser.h"

#include "PageNotifications.h"
#include "PagePrinting.h"
#include "RendererWatchdog.h"
#include "WebAddress.h"
#include "WebEngineDownload.h"
#include "WindowOpenGuard.h"
#include "WindowPlace.h"
#include "platform/VbError.h"
#include "platform/files/FileSystem.h"
#include "platform/files/impl/XdgFolders.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWebEngineContextMenuRequest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFindTextResult>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNavigationRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QWheelEvent>

#include <exception>
#include <utility>

namespace {

const QString kBlankPage = QStringLiteral("about:blank");

// The automation error the control raised for a failed call.
VbError ControlError(const char* operation)
{
    return VbError(-2147467259,
                   QStringLiteral("Method '%1' of object 'IWebBrowser2' failed").arg(QLatin1String(operation)));
}

// The engine spells a load its own way: escaped, with a "/" after a bare host name.
bool SameLoad(const QUrl& a, const QUrl& b)
{
    const auto spelling = [](const QUrl& url) {
        return url.adjusted(QUrl::RemoveFragment | QUrl::StripTrailingSlash | QUrl::NormalizePathSegments)
            .toString(QUrl::FullyEncoded);
    };
    return spelling(a) == spelling(b);
}

QWebEnginePage::WebAction EngineAction(PageCommand command)
{
    switch (command) {
    case PageCommand::Back:
        return QWebEnginePage::Back;
    case PageCommand::Forward:
        return QWebEnginePage::Forward;
    case PageCommand::Reload:
        return QWebEnginePage::Reload;
    case PageCommand::Undo:
        return QWebEnginePage::Undo;
    case PageCommand::Redo:
        return QWebEnginePage::Redo;
    case PageCommand::Cut:
        return QWebEnginePage::Cut;
    case PageCommand::Copy:
        return QWebEnginePage::Copy;
    case PageCommand::Paste:
        return QWebEnginePage::Paste;
    case PageCommand::SelectAll:
        return QWebEnginePage::SelectAll;
    case PageCommand::OpenLink:
        return QWebEnginePage::OpenLinkInThisWindow;
    case PageCommand::OpenLinkInNewWindow:
        return QWebEnginePage::OpenLinkInNewWindow;
    case PageCommand::CopyLinkAddress:
        return QWebEnginePage::CopyLinkToClipboard;
    case PageCommand::SaveImage:
        return QWebEnginePage::DownloadImageToDisk;
    case PageCommand::CopyImage:
        return QWebEnginePage::CopyImageToClipboard;
    case PageCommand::ViewSource:
        return QWebEnginePage::ViewSource;
    case PageCommand::Delete: // no action of the engine's own
    case PageCommand::Print:
    case PageCommand::SaveAsPdf:
        break;
    }
    return QWebEnginePage::NoWebAction;
}

PageContext ContextOf(const QWebEngineContextMenuRequest& request, const QWebEnginePage& page)
{
    using Flag = QWebEngineContextMenuRequest::EditFlag;
    const auto flags = request.editFlags();
    PageContext context;
    context.editable = request.isContentEditable();
    context.hasSelection = !request.selectedText().isEmpty();
    context.canUndo = flags.testFlag(Flag::CanUndo);
    context.canRedo = flags.testFlag(Flag::CanRedo);
    context.canCut = flags.testFlag(Flag::CanCut);
    context.canCopy = flags.testFlag(Flag::CanCopy);
    context.canPaste = flags.testFlag(Flag::CanPaste);
    context.canDelete = flags.testFlag(Flag::CanDelete);
    context.canGoBack = page.action(QWebEnginePage::Back)->isEnabled();
    context.canGoForward = page.action(QWebEnginePage::Forward)->isEnabled();
    context.onImage = request.mediaType() == QWebEngineContextMenuRequest::MediaTypeImage
                   && request.mediaUrl().isValid();
    return context;
}

// The window's size and place as its page asks, kept on the screen it goes on.
void PlaceWindow(QWidget& window, const QRect& asked)
{
    const QScreen* screen = QGuiApplication::screenAt(asked.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const WindowPlace place = PlaceOfWindow(asked, screen ? screen->availableGeometry()
                                                          : QRect(QPoint(0, 0), kUsualWindowSize));
    window.resize(place.size);
    if (place.position)
        window.move(*place.position);
}

} // namespace

template <typename Call> bool WebEngineBrowser::Raise(Call&& call)
{
    if (!events_)
        return true;
    const QPointer<WebEngineBrowser> alive(this);
    try {
        call(*events_);
    } catch (const std::exception& e) {
        qWarning("Browser event handler failed: %s", e.what());
    } catch (...) {
        qWarning("Browser event handler failed");
    }
    return !alive.isNull();
}

WebEngineBrowser::WebEngineBrowser(FileSystem& fs, QWidget* parent, QWebEngineProfile* profile)
    : fs_(fs), profile_(profile ? profile : QWebEngineProfile::defaultProfile()), view_(new QWebEngineView(parent))
{
    page_ = new BrowserPage(profile_, fs_, view_);
    view_->setPage(page_);
    watchdog_ = new RendererWatchdog(*page_, [this] {
        bool end = false;
        if (!Raise([&end](WebBrowserEvents& e) { end = e.EndPageNotAnswering(); }))
            return false;
        if (end)
            endedByUser_->insert(page_->renderProcessPid());
        return end;
    });
    connect(page_, &QWebEnginePage::navigationRequested, this, &WebEngineBrowser::OnNavigationRequested);
    connect(page_, &QWebEnginePage::newWindowRequested, this, &WebEngineBrowser::OnNewWindowRequested);
    connect(page_, &QWebEnginePage::renderProcessTerminated, this, &WebEngineBrowser::OnRenderProcessTerminated);
    connect(page_, &QWebEnginePage::loadStarted, this, &WebEngineBrowser::OnLoadStarted);
    connect(page_, &QWebEnginePage::loadProgress, this, &WebEngineBrowser::OnLoadProgress);
    connect(page_, &QWebEnginePage::loadingChanged, this, &WebEngineBrowser::OnLoadingChanged);
    connect(page_, &QWebEnginePage::titleChanged, this, &WebEngineBrowser::OnTitleChanged);
    connect(page_, &QWebEnginePage::linkHovered, this, &WebEngineBrowser::OnLinkHovered);
    connect(profile_, &QWebEngineProfile::downloadRequested, this, &WebEngineBrowser::OnDownloadRequested);
    connect(&page_->Permissions(), &PermissionRequests::asked, this,
            [this](std::shared_ptr<PermissionQuestion> question) {
                Raise([&question](WebBrowserEvents& e) { e.PermissionAsked(std::move(question)); });
            });
    connect(&page_->Permissions(), &PermissionRequests::ended, this,
            [this] { Raise([](WebBrowserEvents& e) { e.PermissionQuestionsEnded(); }); });
    PageNotifications::PresentFor(*profile_);
    // The menu is the program's own, in its language; the engine only says what is under the pointer.
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, &WebEngineBrowser::OnContextMenuRequested);
    // The engine's contents come as a child widget of the view, made afresh with each renderer.
    view_->installEventFilter(this);
}

WebEngineBrowser::~WebEngineBrowser()
{
    for (const auto& popup : std::as_const(popups_))
        delete popup.data();
    if (view_) {
        // The page goes with its view; it must not report back to a control being destroyed.
        disconnect(page_, nullptr, this, nullptr);
        disconnect(&page_->Permissions(), nullptr, this, nullptr);
        disconnect(view_, nullptr, this, nullptr);
        delete view_.data();
    }
    delete popupWindow_.data();
}

QWidget* WebEngineBrowser::widget() { return view_; }
void WebEngineBrowser::setEvents(WebBrowserEvents* events) { events_ = events; }

void WebEngineBrowser::LoadAhead(const QString& address)
{
    QUrl url;
    try {
        url = UrlOf(address);
    } catch (const VbError&) {
        return;
    }
    aheadAddress_ = address;
    ownLoads_ << url;
    busy_ = true;
    page_->load(url);
}

void WebEngineBrowser::Navigate(const QString& address)
{
    // Until the engine reports the load begun ahead, every Navigate to its address joins it (a
    // start with an argument opens it twice); the first is the one that lets it go on.
    const bool joining = !aheadAddress_.isEmpty() && aheadAddress_ == address;
    if (!aheadAddress_.isEmpty() && !joining)
        EndAhead();
    const QUrl url = UrlOf(address);
    if (!MayNavigate(AddressOf(url))) {
        if (joining)
            EndAhead();
        return;
    }
    aheadAllowed_ = aheadAllowed_ || joining;
    if (homeAddress_.isEmpty())
        homeAddress_ = address;
    if (!joining)
        ownLoads_ << url;
    rejectedPending_ = false;
    // Busy from the request on, not only once the engine reports the load; a jump to a place in
    // the page on display is no load, and the engine reports none for it.
    if (!IsPlaceInPageOnDisplay(url))
        busy_ = true;
    if (!joining) {
        if (!engineLoad_.isEmpty() && !SameLoad(engineLoad_, url))
            replacing_ = url;
        page_->load(url);
    }
    // A renderer stuck in a script holds the load: once it is ended, the load is made again.
    watchdog_->UserActed([this, url] {
        ownLoads_ << url;
        busy_ = true;
        page_->load(url);
    });
}

bool WebEngineBrowser::IsPlaceInPageOnDisplay(const QUrl& url) const
{
    return url.hasFragment() && url.adjusted(QUrl::RemoveFragment) == page_->url().adjusted(QUrl::RemoveFragment);
}

void WebEngineBrowser::GoBack() { Go(QWebEnginePage::Back, page_->history()->canGoBack()); }
void WebEngineBrowser::GoForward() { Go(QWebEnginePage::Forward, page_->history()->canGoForward()); }
void WebEngineBrowser::GoHome() { Navigate(homeAddress_.isEmpty() ? kBlankPage : homeAddress_); }
void WebEngineBrowser::GoSearch() { Navigate(kSearchPage); }
// Bypassing the cache makes a page rewritten on disk show its new contents.
void WebEngineBrowser::Refresh()
{
    page_->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    watchdog_->UserActed([this] { page_->triggerAction(QWebEnginePage::ReloadAndBypassCache); });
}

// Stopped unless a Navigate let it go on: then it is that Navigate's own load.
void WebEngineBrowser::EndAhead()
{
    const bool allowed = aheadAllowed_;
    ForgetAhead();
    if (!allowed)
        Stop();
}

void WebEngineBrowser::ForgetAhead()
{
    aheadAddress_.clear();
    aheadAllowed_ = false;
}

void WebEngineBrowser::Stop()
{
    ForgetAhead();
    page_->triggerAction(QWebEnginePage::Stop);
    busy_ = false;
    loadingAfresh_ = false;
    ownLoads_.clear();
    replacing_.clear();
    watchdog_->UserActed();
}

void WebEngineBrowser::OpenNewWindow(const NewWindowTarget& target)
{
    if (WebEngineBrowser* popup = OpenPopup())
        popup->page_->load(target.url.isEmpty() ? QUrl(kBlankPage) : target.url);
}

void WebEngineBrowser::SetWindowsBlocked(bool blocked)
{
    windowsBlocked_ = blocked;
    GuardWindowOpen(*page_, blocked);
    for (const auto& popup : std::as_const(popups_))
        if (popup)
            popup->SetWindowsBlocked(blocked);
}

QString WebEngineBrowser::LocationURL() const { return AddressOf(page_->url()); }

QString WebEngineBrowser::LocationName() const
{
    const QUrl url = page_->url();
    const QString title = page_->title();
    // Without a title of its own the engine shows the escaped file name.
    if (!title.isEmpty() && title != url.fileName(QUrl::FullyEncoded))
        return title;
    return url.isLocalFile() ? QFileInfo(url.toLocalFile()).fileName() : url.toString();
}

bool WebEngineBrowser::Busy() const { return busy_; }
PageDialogTurn WebEngineBrowser::TakePageDialogTurn() { return page_->TakeDialogTurn(); }

void WebEngineBrowser::RunPageCommand(PageCommand command)
{
    if (command == PageCommand::Delete) {
        // What the Delete key does in a field: the selection goes. Out of the page's own scripts' reach.
        page_->runJavaScript(QStringLiteral("document.execCommand('delete')"), QWebEngineScript::ApplicationWorld);
        return;
    }
    if (command == PageCommand::SaveImage)
        saveAsAsked_ = true;
    page_->triggerAction(EngineAction(command));
}

void WebEngineBrowser::FindText(const QString& text, bool backward, bool matchCase, std::function<void(int, int)> done)
{
    QWebEnginePage::FindFlags flags;
    flags.setFlag(QWebEnginePage::FindBackward, backward);
    flags.setFlag(QWebEnginePage::FindCaseSensitively, matchCase);
    page_->findText(text, flags, [done = std::move(done)](const QWebEngineFindTextResult& result) {
        done(result.activeMatch(), result.numberOfMatches());
    });
}

void WebEngineBrowser::StopFinding() { page_->findText(QString()); }

// The engine keeps the zoom through every load of the page, whatever the site.
int WebEngineBrowser::ZoomPercent() const { return qRound(page_->zoomFactor() * 100); }
void WebEngineBrowser::SetZoomPercent(int percent) { page_->setZoomFactor(percent / 100.0); }

void WebEngineBrowser::Print(std::function<void(bool)> done) { PrintWithDialog(*view_, std::move(done)); }

void WebEngineBrowser::SaveAsPdf(const QString& path, std::function<void(bool)> done)
{
    WritePdf(*view_, fs_, path, std::move(done));
}

void WebEngineBrowser::OnContextMenuRequested(const QPoint& position)
{
    const QWebEngineContextMenuRequest* request = view_->lastContextMenuRequest();
    if (!request)
        return;
    PageContext context = ContextOf(*request, *page_);
    context.globalPosition = view_->mapToGlobal(position);
    if (request->linkUrl().isValid())
        context.linkAddress = AddressOf(request->linkUrl());
    Raise([&context](WebBrowserEvents& e) { e.ContextMenu(context); });
}

bool WebEngineBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view_ && watched != popupWindow_ && event->type() == QEvent::KeyPress)
        watchdog_->UserActed(); // a page stuck in a script never gives the keys back
    if (watched == popupWindow_ && event->type() == QEvent::KeyPress) {
        bool used = false;
        Raise([&used, event](WebBrowserEvents& e) { used = e.UnusedKey(*static_cast<QKeyEvent*>(event)); });
        return used;
    }
    if (watched == view_ && event->type() == QEvent::ChildAdded)
        static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
    else if (watched != view_ && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers().testFlag(Qt::ControlModifier) && wheel->angleDelta().y() != 0) {
            const int direction = wheel->angleDelta().y() > 0 ? 1 : -1;
            Raise([direction](WebBrowserEvents& e) { e.WheelZoom(direction); });
            return true;
        }
    } else if (watched != view_ && event->type() == QEvent::KeyPress && busy_ && view_->parentWidget()) {
        // While a page loads the engine keeps Esc to itself and stops nothing: it goes where
        // the keys the page leaves unused go.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            QCoreApplication::sendEvent(view_->parentWidget(), event);
            event->accept(); // taken care of: it goes no further up
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

int WebEngineBrowser::OpenPopupCount() const
{
    return static_cast<int>(std::count_if(popups_.begin(), popups_.end(),
                                          [](const QPointer<WebEngineBrowser>& p) { return p && p->view_; }));
}

QUrl WebEngineBrowser::UrlOf(const QString& address)
{
    const auto isFile = [this](const QString& path) { return fs_.CanOpenForReading(path); };
    const AddressTarget target = ReadAddress(address, isFile);
    switch (target.kind) {
    case AddressTarget::Kind::Blank:
        return QUrl(target.text);
    case AddressTarget::Kind::Web:
    case AddressTarget::Kind::Search:
        return QUrl(target.text, QUrl::TolerantMode);
    case AddressTarget::Kind::LocalFile:
        if (isFile(target.text)) {
            QUrl url = QUrl::fromLocalFile(fs_.HostPath(target.text));
            if (!target.fragment.isEmpty())
                url.setFragment(target.fragment);
            return url;
        }
        break;
    case AddressTarget::Kind::Invalid:
        break;
    }
    throw ControlError("Navigate");
}

QString WebEngineBrowser::AddressOf(const QUrl& url) const
{
    // A page's own drive address is shown as written, not as the host file it leads to.
    const QString pagePath = PageWindowsPath(url);
    if (!pagePath.isEmpty())
        return FileLocation(pagePath);
    if (url.isLocalFile()) {
        const QString windowsPath = fs_.WindowsPath(url.toLocalFile());
        if (!windowsPath.isEmpty())
            return FileLocation(windowsPath);
    }
    return url.toString();
}

bool WebEngineBrowser::MayNavigate(const QString& address)
{
    bool cancel = false;
    return Raise([&](WebBrowserEvents& e) { e.BeforeNavigate2(address, cancel); }) && !cancel;
}

void WebEngineBrowser::Go(QWebEnginePage::WebAction action, bool possible)
{
    if (!possible)
        throw ControlError(action == QWebEnginePage::Back ? "GoBack" : "GoForward");
    page_->triggerAction(action);
    watchdog_->UserActed([this, action] { page_->triggerAction(action); });
}

void WebEngineBrowser::OnNavigationRequested(QWebEngineNavigationRequest& request)
{
    using Type = QWebEngineNavigationRequest::NavigationType;
    const Type type = request.navigationType();
    const QUrl url = request.url();
    // No server redirects to a drive address: the engine calls a frame's new address, set while
    // it loads, a redirect too, and that is a navigation of its own.
    const bool redirect = type == Type::RedirectNavigation && PageWindowsPath(url).isEmpty();
    if (request.isMainFrame()) {
        const bool again = type == Type::ReloadNavigation || type == Type::BackForwardNavigation;
        historyLoad_ = again && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
                         ? url
                         : QUrl();
    }
    if (redirect || type == Type::ReloadNavigation)
        return;
    const bool mainFrame = request.isMainFrame();
    if (mainFrame
        && std::any_of(ownLoads_.begin(), ownLoads_.end(), [&url](const QUrl& own) { return SameLoad(url, own); }))
        return; // asked already, before load()
    const QPointer<WebEngineBrowser> alive(this);
    const bool go = MayNavigate(AddressOf(url));
    if (!alive)
        return;
    // Only the latest main-frame decision says whether the next load is a real one.
    if (mainFrame)
        rejectedPending_ = !go;
    if (!go)
        request.reject();
}

void WebEngineBrowser::OnNewWindowRequested(QWebEngineNewWindowRequest& request)
{
    // The page's source is a window the user asked for from the page's menu, no page's pop-up.
    const bool source = request.requestedUrl().scheme() == QLatin1String("view-source");
    const NewWindowTarget target{AddressOf(request.requestedUrl()), request.requestedUrl()};
    bool cancel = false;
    if (!source && (!Raise([&](WebBrowserEvents& e) { e.NewWindow2(target, cancel); }) || cancel))
        return;
    if (WebEngineBrowser* popup = OpenPopup(request.requestedGeometry()))
        popup->page_->OpenIn(request);
}

WebEngineBrowser* WebEngineBrowser::OpenPopup(const QRect& asked)
{
    auto* popup = new WebEngineBrowser(fs_, nullptr, profile_);
    // The opener's handling of questions, pop-ups and downloads goes with the window; a window
    // without it is not opened.
    if (!Raise([popup](WebBrowserEvents& e) { popup->popupEvents_ = e.NewWindowEvents(*popup); })
        || !popup->popupEvents_) {
        delete popup;
        return nullptr;
    }
    popup->events_ = popup->popupEvents_.get();
    popup->endedByUser_ = endedByUser_;
    popups_.removeAll(nullptr);
    popups_ << popup;
    // The engine hands the keys its page leaves unused to the widget the view sits in.
    auto* window = new QWidget;
    popup->popupWindow_ = window;
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(popup->view_);
    window->installEventFilter(popup);
    window->setAttribute(Qt::WA_DeleteOnClose);
    popup->SetWindowsBlocked(windowsBlocked_);
    PlaceWindow(*window, asked);
    // A page may move and size its own window later (window.moveTo, resizeTo).
    connect(popup->page_, &QWebEnginePage::geometryChangeRequested, window,
            [window](const QRect& wanted) { PlaceWindow(*window, wanted); });
    connect(popup->view_, &QObject::destroyed, popup, &QObject::deleteLater);
    connect(popup->page_, &QWebEnginePage::titleChanged, window, &QWidget::setWindowTitle);
    connect(popup->page_, &QWebEnginePage::windowCloseRequested, window, &QWidget::close);
    window->show();
    return popup;
}

void WebEngineBrowser::OnRenderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    // No load is going on any more, and none will report its end.
    busy_ = false;
    swallowing_ = false;
    rejectedPending_ = false;
    loadingAfresh_ = false;
    ownLoads_.clear();
    engineLoad_.clear();
    replacing_.clear();
    std::function<void()> asked;
    if (watchdog_->TakeUserEnd(asked)) {
        // Ended at the user's word: no crash to tell of, and what they asked for goes on.
        if (asked)
            QMetaObject::invokeMethod(this, std::move(asked), Qt::QueuedConnection);
        return;
    }
    if (endedByUser_->contains(rendererPid_))
        return; // it held the page of another window too, which the user had ended
    const bool again = page_->RendererEnded();
    if (Raise([again](WebBrowserEvents& e) { e.RenderProcessTerminated(again); }))
        page_->RendererEndAnswered();
}

// Known while it lives: the engine gives none once it ended.
void WebEngineBrowser::NoteRenderer()
{
    if (const qint64 pid = page_->renderProcessPid(); pid > 0)
        rendererPid_ = pid;
}

void WebEngineBrowser::OnLoadStarted()
{
    NoteRenderer();
    ForgetAhead(); // under way: any Navigate now is a load of its own
    if (rejectedPending_) {
        rejectedPending_ = false;
        swallowing_ = true;
        return;
    }
    busy_ = true;
    if (std::exchange(loadingAfresh_, false))
        return; // the load it stands in for said it began
    if (Raise([](WebBrowserEvents& e) { e.DownloadBegin(); }))
        Raise([this](WebBrowserEvents& e) { e.StatusTextChange(AddressOf(page_->requestedUrl())); });
}

void WebEngineBrowser::OnLoadProgress(int progress)
{
    NoteRenderer();
    if (!swallowing_)
        Raise([progress](WebBrowserEvents& e) { e.ProgressChange(progress, 100); });
}

void WebEngineBrowser::OnLoadFinished()
{
    NoteRenderer();
    ForgetAhead();
    if (swallowing_) {
        swallowing_ = false;
        return;
    }
    if (loadingAfresh_)
        return;
    busy_ = false;
    ownLoads_.clear();
    Raise([](WebBrowserEvents& e) { e.NavigateComplete2(); })
        && Raise([](WebBrowserEvents& e) { e.DownloadComplete(); })
        && Raise([this](WebBrowserEvents& e) { e.DocumentComplete(LocationURL()); })
        && Raise([this](WebBrowserEvents& e) { e.TitleChange(LocationName()); });
}

// A web page reached from a local page is one this engine will not reload, nor come back to through
// the history, unless local pages may read the web, which they must not. Loaded afresh, as a typed
// address is, it comes, in the same place in the history.
void WebEngineBrowser::OnLoadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        engineLoad_ = info.url();
        replacing_.clear();
        return;
    }
    if (EndsPageLeft(info))
        return;
    engineLoad_.clear();
    OnLoadFinished();
    constexpr int kNetworkAccessDenied = -138;
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus || info.url() != historyLoad_
        || info.errorDomain() != QWebEngineLoadingInfo::ConnectionErrorDomain
        || info.errorCode() != kNetworkAccessDenied)
        return;
    historyLoad_.clear();
    loadingAfresh_ = true;
    ownLoads_ << info.url(); // asked about already, if at all, as the step it stands in for
    QMetaObject::invokeMethod(
        page_,
        [page = page_, url = info.url()] {
            if (page)
                page->load(url);
        },
        Qt::QueuedConnection);
}

// An address asked for while the engine still loads the page on display joins that load; when
// the page's own end comes first, the engine says nothing more, not even that the new page came.
// That end is the left page's: the address is loaded afresh, its start and end reported as one.
bool WebEngineBrowser::EndsPageLeft(const QWebEngineLoadingInfo& info)
{
    if (replacing_.isEmpty() || !SameLoad(info.url(), engineLoad_))
        return false;
    const QUrl url = std::exchange(replacing_, {});
    engineLoad_.clear();
    loadingAfresh_ = true;
    ownLoads_ << url;
    QMetaObject::invokeMethod(
        page_,
        [page = page_, url] {
            if (page)
                page->load(url);
        },
        Qt::QueuedConnection);
    return true;
}

void WebEngineBrowser::OnTitleChanged()
{
    // During a load the title is reported once, at its end.
    if (!busy_ && !swallowing_)
        Raise([this](WebBrowserEvents& e) { e.TitleChange(LocationName()); });
}

void WebEngineBrowser::OnLinkHovered(const QString& url)
{
    const QString text = url.isEmpty() ? url : AddressOf(QUrl(url));
    Raise([&text](WebBrowserEvents& e) { e.StatusTextChange(text); });
}

void WebEngineBrowser::OnDownloadRequested(QWebEngineDownloadRequest* download)
{
    if (download->page() != page_)
        return;
    if (SameLoad(download->url(), replacing_))
        replacing_.clear(); // no page comes of it: loaded afresh it would be downloaded twice
    const QPointer<QWebEngineDownloadRequest> stillThere(download);
    bool cancel = false;
    const bool saveAsAsked = std::exchange(saveAsAsked_, false);
    if (!Raise([&](WebBrowserEvents& e) { e.FileDownload(cancel); }) || !stillThere)
        return;
    if (cancel) {
        download->cancel();
        return;
    }
    auto received = std::make_unique<WebEngineDownload>(*download, fs_, XdgDownloadFolder(), saveAsAsked);
    Raise([&received](WebBrowserEvents& e) { e.DownloadStarted(std::move(received)); });
}
