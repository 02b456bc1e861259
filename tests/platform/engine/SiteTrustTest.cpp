#include "platform/engine/CertificatePolicy.h"
#include "platform/engine/LoginMemory.h"

#include <gtest/gtest.h>

namespace {

TEST(CertificatePolicy, EachDoubtGetsItsAnswer)
{
    struct Case {
        CertificateDoubt doubt; // main frame, overridable, exception given
        CertificateAnswer answer;
    };
    const Case cases[] = {
        {{true, true, false}, CertificateAnswer::Warn},
        {{true, false, false}, CertificateAnswer::WarnWithoutGoOn},
        {{true, true, true}, CertificateAnswer::Accept},
        {{true, false, true}, CertificateAnswer::WarnWithoutGoOn}, // no exception overrides the engine
        {{false, true, false}, CertificateAnswer::Refuse},         // a part of a page never asks
        {{false, false, false}, CertificateAnswer::Refuse},
        {{false, true, true}, CertificateAnswer::Accept}, // its site was let through already
        {{false, false, true}, CertificateAnswer::Refuse},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CertificateAnswerTo(c.doubt), c.answer)
            << c.doubt.mainFrame << c.doubt.overridable << c.doubt.exceptionGiven;
}

TEST(CertificatePolicy, EngineErrorsAndDatesReadAsProblems)
{
    using P = CertificateProblem;
    using D = CertificateDates;
    struct Case {
        int error;
        D dates;
        QList<P> problems;
    };
    const Case cases[] = {
        {-202, D::Valid, {P::UntrustedAuthority}},
        {-202, D::Expired, {P::Expired, P::UntrustedAuthority}}, // the engine names one problem only
        {-201, D::Expired, {P::Expired}},
        {-201, D::NotYetValid, {P::NotYetValid}},
        {-201, D::Valid, {P::Expired}}, // the engine's clock may differ from the program's by a moment
        {-200, D::Valid, {P::WrongName}},
        {-200, D::NotYetValid, {P::NotYetValid, P::WrongName}},
        {-206, D::Valid, {P::Revoked}},
        {-207, D::Valid, {P::Other}},
        {-207, D::Expired, {P::Expired}},
        {-150, D::Valid, {P::Other}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CertificateProblemsOf(c.error, c.dates), c.problems) << c.error << int(c.dates);
}

TEST(CertificatePolicy, AnExceptionHoldsForItsSiteAndCertificateOnly)
{
    CertificateExceptions exceptions;
    exceptions.Add(QStringLiteral("Sito.it"), "abc");
    EXPECT_TRUE(exceptions.Has(QStringLiteral("sito.it"), "abc"));
    EXPECT_FALSE(exceptions.Has(QStringLiteral("sito.it"), "abd")); // another certificate
    EXPECT_FALSE(exceptions.Has(QStringLiteral("altro.it"), "abc"));
}

TEST(LoginMemory, AQuestionAgainAfterAnAnswerSaysItWasWrong)
{
    const QString site = QStringLiteral("http://127.0.0.1:8080");
    const QString realm = QStringLiteral("Area riservata");
    LoginMemory memory;
    EXPECT_FALSE(memory.Ask(site, realm).wrongBefore);
    memory.Given(site, realm, QStringLiteral("mario"));
    const LoginMemory::Question again = memory.Ask(site, realm);
    EXPECT_TRUE(again.wrongBefore);
    EXPECT_EQ(again.user, QStringLiteral("mario"));
    // Another realm of the site, or the same realm elsewhere, is another question.
    EXPECT_FALSE(memory.Ask(site, QStringLiteral("Altro")).wrongBefore);
    EXPECT_FALSE(memory.Ask(QStringLiteral("http://127.0.0.1:8081"), realm).wrongBefore);
    memory.Withdrawn(site, realm);
    EXPECT_FALSE(memory.Ask(site, realm).wrongBefore);
}

} // namespace
