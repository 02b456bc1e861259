#include "PageNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWebEngineNotification>
#include <QWebEngineProfile>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int kWindowMilliseconds = 15000; // as long as desktops show one

QString SiteOf(const QWebEngineNotification& notification)
{
    const QUrl origin = notification.origin();
    return origin.host().isEmpty() ? origin.toString() : origin.host();
}

QString FromSite(const QWebEngineNotification& notification) { return QStringLiteral("da ") + SiteOf(notification); }

bool DesktopServiceRuns(const QDBusConnection& bus)
{
    const QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    return names
        && (names->isServiceRegistered(kService) || names->activatableServiceNames().value().contains(kService));
}

QLabel* TextLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

void PageNotifications::PresentFor(QWebEngineProfile& profile)
{
    if (profile.findChild<PageNotifications*>(QString(), Qt::FindDirectChildrenOnly))
        return;
    auto* notifications = new PageNotifications(profile);
    profile.setNotificationPresenter([notifications](std::unique_ptr<QWebEngineNotification> notification) {
        notifications->Present(std::move(notification));
    });
}

PageNotifications::PageNotifications(QWebEngineProfile& profile) : QObject(&profile)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(kService, kPath, kService, QStringLiteral("NotificationClosed"), this, SLOT(OnClosed(uint, uint)));
    bus.connect(kService, kPath, kService, QStringLiteral("ActionInvoked"), this, SLOT(OnAction(uint, QString)));
}

void PageNotifications::Present(std::unique_ptr<QWebEngineNotification> notification)
{
    std::shared_ptr<QWebEngineNotification> shared(std::move(notification));
    if (DesktopServiceRuns(QDBusConnection::sessionBus()))
        ShowOnDesktop(std::move(shared));
    else
        ShowInWindow(std::move(shared));
}

void PageNotifications::ShowOnDesktop(std::shared_ptr<QWebEngineNotification> notification)
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    const QString body = notification->message() + QStringLiteral("\n") + FromSite(*notification);
    call << QStringLiteral("Vindrel") << uint(0) << QString() << notification->title() << body
         << QStringList{QStringLiteral("default"), QStringLiteral("Apri")} << QVariantMap() << -1;
    auto* watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, notification](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<uint> reply = *done;
        if (reply.isError()) { // the service went meanwhile: the person still sees it
            ShowInWindow(notification);
            return;
        }
        const uint id = reply.value();
        shown_.insert(id, notification);
        notification->show();
        // The page takes it back.
        connect(notification.get(), &QWebEngineNotification::closed, this, [this, id] {
            if (!shown_.remove(id))
                return;
            QDBusMessage close = QDBusMessage::createMethodCall(kService, kPath, kService,
                                                                QStringLiteral("CloseNotification"));
            close << id;
            QDBusConnection::sessionBus().asyncCall(close);
        });
    });
}

void PageNotifications::OnClosed(uint id, uint)
{
    if (const auto notification = shown_.take(id))
        notification->close();
}

void PageNotifications::OnAction(uint id, const QString&)
{
    if (const auto notification = shown_.value(id))
        notification->click();
}

void PageNotifications::ShowInWindow(std::shared_ptr<QWebEngineNotification> notification)
{
    auto* window = new QFrame(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    window->setAttribute(Qt::WA_ShowWithoutActivating); // the person's typing stays where it is
    window->setWindowTitle(QStringLiteral("Notifica di ") + SiteOf(*notification));
    window->setFrameShape(QFrame::Box);
    auto* title = TextLabel(notification->title(), window);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* open = new QPushButton(QStringLiteral("Apri"), window);
    auto* close = new QPushButton(QStringLiteral("Chiudi"), window);
    auto* grid = new QGridLayout(window);
    grid->addWidget(title, 0, 0, 1, 2);
    grid->addWidget(TextLabel(notification->message(), window), 1, 0, 1, 2);
    grid->addWidget(TextLabel(FromSite(*notification), window), 2, 0, 1, 2);
    grid->addWidget(open, 3, 0);
    grid->addWidget(close, 3, 1);
    window->setFixedWidth(360);
    window->adjustSize();
    // It goes with the page's own closing of it; and it holds the notification, which tells the
    // page when the person closed or opened it.
    connect(notification.get(), &QWebEngineNotification::closed, window, &QWidget::close);
    connect(open, &QPushButton::clicked, window, [window, n = notification.get()] {
        n->click();
        window->close();
    });
    connect(close, &QPushButton::clicked, window, &QWidget::close);
    connect(window, &QObject::destroyed, [notification] {
        notification->disconnect(); // nothing more reaches the window that goes
        notification->close();
    });
    QTimer::singleShot(kWindowMilliseconds, window, &QWidget::close);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->move(screen.right() + 1 - window->width() - 12, screen.bottom() + 1 - window->height() - 12);
    window->show();
    notification->show();
}
