#include "FullscreenRequests.h"

#include <QBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWebEngineFullScreenRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

constexpr int kNoteMilliseconds = 3000;

// How to leave, over the top of the page, in the colours of a note.
QLabel* LeaveNote(QWidget& screen)
{
    auto* note = new QLabel(QStringLiteral("Premi Esc per uscire dallo schermo intero"), &screen);
    note->setObjectName(QStringLiteral("FullscreenNote"));
    note->setBackgroundRole(QPalette::ToolTipBase);
    note->setForegroundRole(QPalette::ToolTipText);
    note->setAutoFillBackground(true);
    note->setFrameShape(QFrame::StyledPanel);
    note->setMargin(8);
    note->adjustSize();
    QTimer::singleShot(kNoteMilliseconds, note, &QWidget::hide);
    return note;
}

} // namespace

FullscreenRequests::FullscreenRequests(QWebEnginePage& page) : QObject(&page), page_(page)
{
    connect(&page_, &QWebEnginePage::fullScreenRequested, this, &FullscreenRequests::OnRequested);
    connect(&page_, &QWebEnginePage::renderProcessTerminated, this, &FullscreenRequests::Leave);
}

FullscreenRequests::~FullscreenRequests()
{
    // The page goes, and its view with it: the window it filled goes once the view is gone.
    if (screen_)
        screen_->deleteLater();
}

void FullscreenRequests::OnRequested(QWebEngineFullScreenRequest request)
{
    if (request.toggleOn() && !screen_ && !Enter()) {
        request.reject();
        return;
    }
    if (!request.toggleOn())
        Leave();
    request.accept();
}

bool FullscreenRequests::Enter()
{
    view_ = QWebEngineView::forPage(&page_);
    if (!view_ || !view_->parentWidget())
        return false;
    home_ = view_->parentWidget();
    place_ = view_->geometry();
    layoutIndex_ = home_->layout() ? home_->layout()->indexOf(view_) : -1;

    auto* screen = new QWidget(nullptr, Qt::Window);
    screen_ = screen;
    screen->setAttribute(Qt::WA_QuitOnClose, false); // the program ends with its own windows
    screen->setWindowTitle(home_->window()->windowTitle());
    auto* layout = new QVBoxLayout(screen);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    QLabel* note = LeaveNote(*screen);
    const auto leave = [this] { page_.triggerAction(QWebEnginePage::ExitFullScreen); };
    for (const int key : {Qt::Key_Escape, Qt::Key_F11})
        connect(new QShortcut(QKeySequence(key), screen), &QShortcut::activated, this, leave);
    // Without a window manager nothing but the window itself makes it fill the screen.
    const QRect whole = home_->window()->screen()->geometry();
    screen->setGeometry(whole);
    screen->showFullScreen();
    note->move(whole.width() / 2 - note->width() / 2, 0);
    note->raise();
    screen->activateWindow();
    view_->setFocus(Qt::OtherFocusReason);
    return true;
}

void FullscreenRequests::Leave()
{
    if (!screen_)
        return;
    if (view_ && home_) {
        view_->setParent(home_);
        if (auto* layout = qobject_cast<QBoxLayout*>(home_->layout()); layout && layoutIndex_ >= 0)
            layout->insertWidget(layoutIndex_, view_);
        else
            view_->setGeometry(place_);
        view_->show();
        home_->window()->activateWindow();
        view_->setFocus(Qt::OtherFocusReason);
    }
    QWidget* screen = screen_;
    screen_.clear(); // the page may fill the screen again before the window is gone
    screen->hide();
    screen->deleteLater();
}
