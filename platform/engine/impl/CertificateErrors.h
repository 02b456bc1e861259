#pragma once
#include <QObject>
#include <QPointer>
#include <QUrl>

class CertificateWarning;
class QWebEngineCertificateError;
class QWebEngineLoadingInfo;
class QWebEngineNavigationRequest;
class QWebEnginePage;

// Answers the engine's doubts about the certificates of a page's sites (see CertificatePolicy.h):
// the page itself gets the warning in place of it, a part of it is refused without a word, and a
// certificate the person let through holds for its site while the program runs.
class CertificateErrors : public QObject {
public:
    explicit CertificateErrors(QWebEnginePage& page);
    ~CertificateErrors() override;

private:
    void OnCertificateError(const QWebEngineCertificateError& error);
    void OnNavigationRequested(QWebEngineNavigationRequest& request);
    void OnLoadingChanged(const QWebEngineLoadingInfo& info);
    void Warn(QWebEngineCertificateError error, bool mayGoOn);
    void CloseWarning();

    QWebEnginePage& page_;
    QUrl mainLoad_; // where the page itself is going
    QPointer<CertificateWarning> warning_;
    QUrl warned_; // the address the warning is about
};
