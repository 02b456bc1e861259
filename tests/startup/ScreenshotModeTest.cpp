#include "startup/ScreenshotMode.h"
#include "support/WaitUntil.h"

#include <QEventLoop>
#include <QImage>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <optional>

namespace {

// Runs screenshot mode on a plain window until it finishes; returns the exit code it gave.
std::optional<int> RunScreenshot(QWidget& window, const ScreenshotMode::BusyProbe& busy, const QString& file)
{
    std::optional<int> exitCode;
    QEventLoop loop;
    ScreenshotMode mode(window, busy, file, [&](int code) {
        exitCode = code;
        loop.quit();
    });
    mode.Start();
    QTimer::singleShot(ScreenshotMode::kTimeoutMs + 5000, &loop, &QEventLoop::quit);
    loop.exec();
    return exitCode;
}

class Screenshot : public ::testing::Test {
protected:
    Screenshot()
    {
        window.resize(120, 80);
        window.show();
    }
    QString File() const { return dir.filePath(QStringLiteral("shot.png")); }

    QTemporaryDir dir;
    QWidget window;
};

TEST_F(Screenshot, IdleBrowserIsPicturedAtOnce)
{
    EXPECT_EQ(RunScreenshot(
                  window, [] { return false; }, File()),
              0);
    const QImage picture(File());
    EXPECT_EQ(picture.size(), window.size());
}

TEST_F(Screenshot, WaitsUntilTheLoadEnds)
{
    int polls = 0;
    const auto busy = [&] {
        ++polls;
        return polls <= 3;
    };
    EXPECT_EQ(RunScreenshot(window, busy, File()), 0);
    EXPECT_EQ(polls, 4); // saved at the first idle poll after the load
    EXPECT_FALSE(QImage(File()).isNull());
}

TEST_F(Screenshot, ACaptionChangeIsLookedAtWithoutWaitingForThePoll)
{
    bool busy = true;
    int polls = 0;
    std::optional<int> exitCode;
    ScreenshotMode mode(
        window,
        [&] {
            ++polls;
            return busy;
        },
        File(), [&](int code) { exitCode = code; });
    mode.Start();
    ASSERT_TRUE(WaitUntil([&] { return polls > 0; })); // a load under way
    // The window's caption changes as its load ends: looked at once, not a poll later.
    busy = false;
    const int polled = polls;
    window.setWindowTitle(QStringLiteral("Pagina caricata"));
    EXPECT_EQ(polls, polled + 1);
    window.setWindowTitle(QStringLiteral("Pagina caricata di nuovo"));
    EXPECT_EQ(polls, polled + 1); // settling: nothing more to look at
    ASSERT_TRUE(WaitUntil([&] { return exitCode.has_value(); }));
    EXPECT_EQ(*exitCode, 0);
}

TEST_F(Screenshot, AFileThatCannotBeWrittenEndsWithStatusOne)
{
    EXPECT_EQ(RunScreenshot(
                  window, [] { return false; }, dir.filePath(QStringLiteral("missing/folder/shot.png"))),
              1);
}

} // namespace
