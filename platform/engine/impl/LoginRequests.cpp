#include "LoginRequests.h"

#include "KeptWithProfile.h"
#include "LoginBox.h"
#include "platform/engine/LoginMemory.h"

#include <QAuthenticator>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <utility>

LoginRequests::LoginRequests(QWebEnginePage& page) : QObject(&page), page_(page)
{
    connect(&page, &QWebEnginePage::authenticationRequired, this,
            [this](const QUrl& url, QAuthenticator* authenticator) { Answer(url, url.host(), false, *authenticator); });
    connect(&page, &QWebEnginePage::proxyAuthenticationRequired, this,
            [this](const QUrl&, QAuthenticator* authenticator, const QString& proxyHost) {
                Answer(QUrl(QStringLiteral("proxy://") + proxyHost), proxyHost, true, *authenticator);
            });
}

void LoginRequests::Answer(const QUrl& site, const QString& host, bool proxy, QAuthenticator& authenticator)
{
    // A null authenticator is how the engine is told no: anything else, even empty, is sent.
    if (asking_) {
        authenticator = QAuthenticator();
        return;
    }
    const QString siteKey =
        site.adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment).toString();
    const QString realm = authenticator.realm();
    LoginMemory& memory = KeptWithProfile<LoginMemory>(*page_.profile());
    const LoginMemory::Question before = memory.Ask(siteKey, realm);
    asking_ = true;
    const QPointer<LoginRequests> alive(this);
    const std::optional<Login> login = AskLogin(QWebEngineView::forPage(&page_),
                                                {proxy, host, realm, before.wrongBefore, before.user});
    // The page may have gone while the box was on display; the engine still waits for its answer.
    if (alive)
        asking_ = false;
    if (!login || !alive) {
        if (alive)
            memory.Withdrawn(siteKey, realm);
        authenticator = QAuthenticator();
        return;
    }
    memory.Given(siteKey, realm, login->user);
    authenticator.setUser(login->user);
    authenticator.setPassword(login->password);
}
