#pragma once
#include <QObject>

class QAuthenticator;
class QUrl;
class QWebEnginePage;

// Answers the logins a page's sites and proxies ask for: the person is asked each time, and the
// engine gets exactly what the person gave, or nothing. Asked again for a site and realm already
// answered, the answer was wrong: the person is told so and asked again. One question at a time;
// a request that asks meanwhile goes without a login.
class LoginRequests : public QObject {
public:
    explicit LoginRequests(QWebEnginePage& page);

private:
    void Answer(const QUrl& site, const QString& host, bool proxy, QAuthenticator& authenticator);

    QWebEnginePage& page_;
    bool asking_ = false;
};
