#include "CertificatePolicy.h"

namespace {

// The engine's error numbers for certificates.
constexpr int kNameInvalid = -200;
constexpr int kDateInvalid = -201;
constexpr int kAuthorityInvalid = -202;
constexpr int kRevoked = -206;

} // namespace

QList<CertificateProblem> CertificateProblemsOf(int engineError, CertificateDates dates)
{
    QList<CertificateProblem> problems;
    if (dates == CertificateDates::Expired || (engineError == kDateInvalid && dates == CertificateDates::Valid))
        problems << CertificateProblem::Expired;
    else if (dates == CertificateDates::NotYetValid)
        problems << CertificateProblem::NotYetValid;
    switch (engineError) {
    case kDateInvalid:
        break;
    case kNameInvalid:
        problems << CertificateProblem::WrongName;
        break;
    case kAuthorityInvalid:
        problems << CertificateProblem::UntrustedAuthority;
        break;
    case kRevoked:
        problems << CertificateProblem::Revoked;
        break;
    default:
        if (problems.isEmpty())
            problems << CertificateProblem::Other;
    }
    return problems;
}

QString CertificateReason(CertificateProblem problem)
{
    switch (problem) {
    case CertificateProblem::UntrustedAuthority:
        return QStringLiteral("Il certificato del sito non è rilasciato da un'autorità attendibile: "
                              "potrebbe averlo creato il sito stesso, o chi si spaccia per esso.");
    case CertificateProblem::Expired:
        return QStringLiteral("Il certificato del sito è scaduto.");
    case CertificateProblem::NotYetValid:
        return QStringLiteral("Il certificato del sito non è ancora valido.");
    case CertificateProblem::WrongName:
        return QStringLiteral("Il certificato è stato rilasciato per un altro sito.");
    case CertificateProblem::Revoked:
        return QStringLiteral("Il certificato del sito è stato revocato da chi lo ha rilasciato.");
    case CertificateProblem::Other:
        break;
    }
    return QStringLiteral("Il certificato del sito non è valido.");
}

CertificateAnswer CertificateAnswerTo(const CertificateDoubt& doubt)
{
    if (doubt.overridable && doubt.exceptionGiven)
        return CertificateAnswer::Accept;
    if (!doubt.mainFrame)
        return CertificateAnswer::Refuse;
    return doubt.overridable ? CertificateAnswer::Warn : CertificateAnswer::WarnWithoutGoOn;
}

bool CertificateExceptions::Has(const QString& host, const QByteArray& certificateDigest) const
{
    return given_.contains({host.toLower(), certificateDigest});
}

void CertificateExceptions::Add(const QString& host, const QByteArray& certificateDigest)
{
    given_.insert({host.toLower(), certificateDigest});
}
