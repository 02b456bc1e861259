#pragma once
#include <QHash>
#include <QObject>

#include <memory>

class QWebEngineNotification;
class QWebEngineProfile;

// The notifications the pages of a profile show, once the person allowed them: through the
// desktop's notification service over D-Bus where one runs, else in a small window of the
// program's over the bottom right corner of the screen. Each names the site it comes from.
class PageNotifications : public QObject {
    Q_OBJECT
public:
    // The profile's pages show their notifications so from now on.
    static void PresentFor(QWebEngineProfile& profile);

private:
    explicit PageNotifications(QWebEngineProfile& profile);
    void Present(std::unique_ptr<QWebEngineNotification> notification);
    void ShowOnDesktop(std::shared_ptr<QWebEngineNotification> notification);
    static void ShowInWindow(std::shared_ptr<QWebEngineNotification> notification);
    Q_SLOT void OnClosed(uint id, uint reason);
    Q_SLOT void OnAction(uint id, const QString& action);

    QHash<uint, std::shared_ptr<QWebEngineNotification>> shown_; // on the desktop, by its id there
};
