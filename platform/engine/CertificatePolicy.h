#pragma once
#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <utility>

// What a site's certificate the engine does not trust gets.

// Why the engine does not trust it, as the person is told.
enum class CertificateProblem {
    UntrustedAuthority, // made by no authority the system knows, such as one the site made itself
    Expired,
    NotYetValid,
    WrongName, // made for another site
    Revoked,
    Other,
};

// Where today lies in the certificate's validity.
enum class CertificateDates { Valid, NotYetValid, Expired };

// The problems of a certificate: the one the engine's error names (the engine numbers them as its
// network errors), and, first, a validity over or not begun, which the engine leaves unsaid when
// it does not trust the certificate anyway.
QList<CertificateProblem> CertificateProblemsOf(int engineError, CertificateDates dates);

// The problem in plain words, one sentence.
QString CertificateReason(CertificateProblem problem);

struct CertificateDoubt {
    bool mainFrame = false;      // the page itself, not a part of it (image, script, frame)
    bool overridable = false;    // the engine lets the person go on regardless
    bool exceptionGiven = false; // the person already let this site's certificate through
};

enum class CertificateAnswer {
    Accept,          // let through without a question
    Warn,            // the warning in place of the page, with the way on
    WarnWithoutGoOn, // the warning, saying there is no way on
    Refuse,          // refused without a question: no part of a page asks
};

CertificateAnswer CertificateAnswerTo(const CertificateDoubt& doubt);

// The certificates the person let through while the program runs, each for its site only.
class CertificateExceptions {
public:
    bool Has(const QString& host, const QByteArray& certificateDigest) const;
    void Add(const QString& host, const QByteArray& certificateDigest);

private:
    QSet<std::pair<QString, QByteArray>> given_;
};
