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
        {{false, true, false}, CertificateAnswer::Refuse},          // a part of a page never asks
        {{false, false, false}, CertificateAnswer::Refuse},
        {{false, true, true}, CertificateAnswer::Accept}, // its site was let through already
        {{false, false, true}, CertificateAnswer::Refuse},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CertificateAnswerTo(c.doubt), c.answer)
            << c.doubt.mainFrame << c.doubt.overridable << c.doubt.exceptionGiven;
}

TEST(CertificatePolicy, EngineErrorsReadAsProblems)
{
    struct Case {
        int error;
        bool notYetValid;
        CertificateProblem problem;
    };
    const Case cases[] = {
        {-202, false, CertificateProblem::UntrustedAuthority},
        {-201, false, CertificateProblem::Expired},
        {-201, true, CertificateProblem::NotYetValid},
        {-200, false, CertificateProblem::WrongName},
        {-206, false, CertificateProblem::Revoked},
        {-207, false, CertificateProblem::Other},
        {-150, false, CertificateProblem::Other},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CertificateProblemOf(c.error, c.notYetValid), c.problem) << c.error;
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
