#include "platform/engine/impl/WebEngineEnvironment.h"

#include <QLoggingCategory>
#include <QStringList>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

// Sets the variables for one test and restores them afterwards.
class EngineEnvironmentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kNames)
            saved_.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
    void TearDown() override
    {
        for (std::size_t i = 0; i < std::size(kNames); ++i)
            saved_[i] ? qputenv(kNames[i], *saved_[i]) : qunsetenv(kNames[i]);
    }
    static QStringList Flags()
    {
        return QString::fromLocal8Bit(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"))
            .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }

    static constexpr const char* kNames[] = {"QTWEBENGINE_DISABLE_SANDBOX", "QTWEBENGINE_CHROMIUM_FLAGS",
                                             "QT_QPA_PLATFORM", "QT_QUICK_BACKEND"};
    std::vector<std::optional<QByteArray>> saved_;
};

TEST_F(EngineEnvironmentTest, OffscreenKeepsTheCallersFlagsAndAddsEachOnce)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--lang=it --disable-gpu");
    PrepareWebEngineEnvironment();
    PrepareWebEngineEnvironment();
    const QStringList flags = Flags();
    EXPECT_TRUE(flags.contains(QStringLiteral("--lang=it")));
    EXPECT_EQ(flags.count(QStringLiteral("--disable-gpu")), 1);
    EXPECT_EQ(flags.count(QStringLiteral("--disable-background-networking")), 1);
    EXPECT_EQ(flags.count(QStringLiteral("--disable-component-update")), 1);
}

TEST_F(EngineEnvironmentTest, WithoutAGpuPagesAreDrawnInSoftwareUnlessTheUserChose)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_QUICK_BACKEND");
    PrepareWebEngineEnvironment();
    EXPECT_EQ(qgetenv("QT_QUICK_BACKEND"), QByteArray("software"));

    qputenv("QT_QUICK_BACKEND", "rhi");
    PrepareWebEngineEnvironment();
    EXPECT_EQ(qgetenv("QT_QUICK_BACKEND"), QByteArray("rhi"));
}

TEST_F(EngineEnvironmentTest, EngineSpeaksItalianUnlessTheCallerChoseALanguage)
{
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "");
    PrepareWebEngineEnvironment();
    EXPECT_TRUE(Flags().contains(QStringLiteral("--lang=it")));

    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--lang=de");
    PrepareWebEngineEnvironment();
    EXPECT_TRUE(Flags().contains(QStringLiteral("--lang=de")));
    EXPECT_FALSE(Flags().contains(QStringLiteral("--lang=it")));
}

TEST_F(EngineEnvironmentTest, SandboxSwitchedOffOnlyForRootAndOnlyWhenUnset)
{
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    PrepareWebEngineEnvironment();
    EXPECT_EQ(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"), geteuid() == 0);

    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "0");
    PrepareWebEngineEnvironment();
    EXPECT_EQ(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), QByteArray("0"));
}

TEST_F(EngineEnvironmentTest, EngineReportAndPageConsoleStayOffTheTerminal)
{
    PrepareWebEngineEnvironment();
    EXPECT_FALSE(QLoggingCategory("qt.webenginecontext").isInfoEnabled());
    EXPECT_FALSE(QLoggingCategory("js").isWarningEnabled());
    EXPECT_TRUE(QLoggingCategory("qt.qpa.xcb").isWarningEnabled()); // real trouble still shows
}

} // namespace
