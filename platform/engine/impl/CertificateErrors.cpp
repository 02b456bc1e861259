#include "CertificateErrors.h"

#include "CertificateWarning.h"
#include "KeptWithProfile.h"
#include "platform/engine/CertificatePolicy.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QSslCertificate>
#include <QWebEngineCertificateError>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNavigationRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

QByteArray DigestOf(const QWebEngineCertificateError& error)
{
    const QList<QSslCertificate> chain = error.certificateChain();
    return chain.isEmpty() ? QByteArray() : chain.first().digest(QCryptographicHash::Sha256);
}

bool SameDocument(const QUrl& a, const QUrl& b)
{
    return a.adjusted(QUrl::RemoveFragment | QUrl::StripTrailingSlash)
        == b.adjusted(QUrl::RemoveFragment | QUrl::StripTrailingSlash);
}

// A name on a certificate: the common name, else the organisation, else what it holds at all.
QString NameOf(const QSslCertificate& certificate, bool issuer)
{
    for (const auto field : {QSslCertificate::CommonName, QSslCertificate::Organization}) {
        const QStringList names = issuer ? certificate.issuerInfo(field) : certificate.subjectInfo(field);
        if (!names.isEmpty() && !names.first().isEmpty())
            return names.join(QStringLiteral(", "));
    }
    const QString whole = issuer ? certificate.issuerDisplayName() : certificate.subjectDisplayName();
    return whole.isEmpty() ? QStringLiteral("(sconosciuto)") : whole;
}

CertificateWarning::Facts FactsOf(const QWebEngineCertificateError& error, bool mayGoOn)
{
    const QList<QSslCertificate> chain = error.certificateChain();
    const QSslCertificate certificate = chain.isEmpty() ? QSslCertificate() : chain.first();
    const QDateTime from = certificate.effectiveDate();
    const QDateTime until = certificate.expiryDate();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const CertificateDates dates = from.isValid() && from > now   ? CertificateDates::NotYetValid
                                 : until.isValid() && until < now ? CertificateDates::Expired
                                                                  : CertificateDates::Valid;
    const auto date = [](const QDateTime& when) { return when.toLocalTime().toString(QStringLiteral("dd/MM/yyyy")); };
    CertificateWarning::Facts facts;
    facts.host = error.url().host();
    for (const CertificateProblem problem : CertificateProblemsOf(error.type(), dates))
        facts.reasons << CertificateReason(problem);
    facts.subject = NameOf(certificate, false);
    facts.issuer = NameOf(certificate, true);
    facts.validity = from.isValid() && until.isValid()
                       ? QStringLiteral("Valido dal %1 al %2").arg(date(from), date(until))
                       : QStringLiteral("Validità sconosciuta");
    facts.mayGoOn = mayGoOn;
    return facts;
}

} // namespace

CertificateErrors::CertificateErrors(QWebEnginePage& page) : QObject(&page), page_(page)
{
    connect(&page, &QWebEnginePage::certificateError, this, &CertificateErrors::OnCertificateError);
    connect(&page, &QWebEnginePage::navigationRequested, this, &CertificateErrors::OnNavigationRequested);
    connect(&page, &QWebEnginePage::loadingChanged, this, &CertificateErrors::OnLoadingChanged);
}

CertificateErrors::~CertificateErrors() { CloseWarning(); }

void CertificateErrors::OnNavigationRequested(QWebEngineNavigationRequest& request)
{
    if (request.isMainFrame())
        mainLoad_ = request.url();
}

void CertificateErrors::OnCertificateError(const QWebEngineCertificateError& error)
{
    CertificateExceptions& exceptions = KeptWithProfile<CertificateExceptions>(*page_.profile());
    const CertificateDoubt doubt{SameDocument(error.url(), mainLoad_)
                                     || SameDocument(error.url(), page_.requestedUrl()),
                                 error.isOverridable(), exceptions.Has(error.url().host(), DigestOf(error))};
    QWebEngineCertificateError answer = error;
    switch (CertificateAnswerTo(doubt)) {
    case CertificateAnswer::Accept:
        answer.acceptCertificate();
        break;
    case CertificateAnswer::Refuse:
        answer.rejectCertificate();
        break;
    case CertificateAnswer::Warn:
        Warn(answer, true);
        break;
    case CertificateAnswer::WarnWithoutGoOn:
        Warn(answer, false);
        break;
    }
}

void CertificateErrors::Warn(QWebEngineCertificateError error, bool mayGoOn)
{
    QWidget* view = QWebEngineView::forPage(&page_);
    if (!view) {
        error.rejectCertificate();
        return;
    }
    error.defer();
    CloseWarning();
    warned_ = error.url();
    warning_ = new CertificateWarning(FactsOf(error, mayGoOn), view);
    connect(warning_, &CertificateWarning::wentBack, this, [this, error]() mutable {
        CloseWarning();
        // Stopped before it is refused, the load leaves the page where it was, without the
        // engine's own page about the refusal.
        page_.triggerAction(QWebEnginePage::Stop);
        error.rejectCertificate();
    });
    connect(warning_, &CertificateWarning::wentOn, this, [this, error]() mutable {
        CloseWarning();
        KeptWithProfile<CertificateExceptions>(*page_.profile()).Add(error.url().host(), DigestOf(error));
        error.acceptCertificate();
    });
}

void CertificateErrors::OnLoadingChanged(const QWebEngineLoadingInfo& info)
{
    // The load the warning stands for ended, or another took its place: the warning goes with it.
    if (warning_ && !(info.status() == QWebEngineLoadingInfo::LoadStartedStatus && SameDocument(info.url(), warned_)))
        CloseWarning();
}

void CertificateErrors::CloseWarning()
{
    if (warning_)
        warning_->deleteLater();
    warning_ = nullptr;
}
