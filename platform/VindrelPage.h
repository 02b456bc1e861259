#pragma once
#include <QWebEnginePage>

// A page that lets its owner decide on every navigation and on every new window it asks for.
class VindrelPage : public QWebEnginePage {
    Q_OBJECT
public:
    class Owner {
    public:
        virtual ~Owner() = default;
        virtual bool AcceptNavigation(const QUrl& url, NavigationType type, bool isMainFrame) = 0;
        // The page that shows the new window, or nullptr to block it.
        virtual QWebEnginePage* CreatePopup() = 0;
    };

    VindrelPage(QWebEngineProfile* profile, Owner& owner, QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;

private:
    Owner& owner_;
};
