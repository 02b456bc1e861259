#include "DriveAddresses.h"

#include "WebAddress.h"
#include "platform/files/FileSystem.h"

#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

namespace {

QList<QByteArray> DriveSchemes()
{
    QList<QByteArray> schemes;
    for (char letter = 'a'; letter <= 'z'; ++letter)
        schemes << QByteArray(1, letter);
    return schemes;
}

class RefusingSchemeHandler : public QWebEngineUrlSchemeHandler {
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;
    void requestStarted(QWebEngineUrlRequestJob* job) override { job->fail(QWebEngineUrlRequestJob::UrlNotFound); }
};

// A request of a local page, or of the program for one. A web page's own requests, and the
// redirects its server sends, belong to the web page.
bool ForALocalPage(const QWebEngineUrlRequestInfo& info)
{
    const auto local = [](const QUrl& url) {
        return url.scheme() == QLatin1String("file") || !PageWindowsPath(url).isEmpty();
    };
    return local(info.firstPartyUrl()) && (info.initiator().isEmpty() || local(info.initiator()));
}

// Rewrites drive addresses in a local document's attributes as elements arrive or change.
const char kScript[] = R"JS(
(function () {
    if (location.protocol !== 'file:')
        return;
    var drivePath = /^\s*(?:file:[\\\/]*)?([A-Za-z]:[\\\/].*)$/i;
    var names = ['href', 'src', 'background', 'action', 'formaction', 'data', 'poster'];
    function mend(element) {
        names.forEach(function (name) {
            var value = element.getAttribute(name);
            var match = value && drivePath.exec(value);
            var mended = match && 'file:///' + match[1].replace(/\\/g, '/');
            if (mended && mended !== value)
                element.setAttribute(name, mended);
        });
    }
    new MutationObserver(function (records) {
        records.forEach(function (record) {
            if (record.type === 'attributes')
                return mend(record.target);
            record.addedNodes.forEach(function (node) {
                if (node.nodeType === Node.ELEMENT_NODE) {
                    mend(node);
                    node.querySelectorAll('*').forEach(mend);
                }
            });
        });
    }).observe(document, {childList: true, subtree: true, attributes: true, attributeFilter: names});
})();
)JS";

} // namespace

void RegisterDriveSchemes()
{
    for (const QByteArray& name : DriveSchemes()) {
        QWebEngineUrlScheme scheme(name);
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
        // Local: no web page may load from it, as from a "file:" address.
        scheme.setFlags(QWebEngineUrlScheme::LocalScheme);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

void InstallDriveSchemeHandlers(QWebEngineProfile& profile, FileSystem& fs)
{
    RefusingSchemeHandler* handler = nullptr;
    for (const QByteArray& name : DriveSchemes()) {
        if (profile.urlSchemeHandler(name) || fs.HostPath(QString::fromLatin1(name) + QStringLiteral(":\\")).isEmpty())
            continue;
        if (!handler)
            handler = new RefusingSchemeHandler(&profile);
        profile.installUrlSchemeHandler(name, handler);
    }
}

DriveAddressInterceptor::DriveAddressInterceptor(FileSystem& fs, QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent), fs_(fs)
{
}

void DriveAddressInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (!ForALocalPage(info))
        return;
    const QString windowsPath = PageWindowsPath(info.requestUrl());
    if (windowsPath.isEmpty())
        return;
    const QString host = fs_.HostPath(windowsPath);
    if (!host.isEmpty())
        info.redirect(QUrl::fromLocalFile(host));
}

QWebEngineScript DriveAddressScript()
{
    QWebEngineScript script;
    script.setName(QStringLiteral("vindrel-drive-addresses"));
    script.setSourceCode(QString::fromUtf8(kScript));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    // In the page's own world, where its scripts and the window-open guard run: a world of its
    // own would cost such a local page a second script context.
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    return script;
}
