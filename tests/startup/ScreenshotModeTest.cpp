#include "startup/ScreenshotMode.h"

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

TEST_F(Screenshot, AFileThatCannotBeWrittenEndsWithStatusOne)
{
    EXPECT_EQ(RunScreenshot(
                  window, [] { return false; }, dir.filePath(QStringLiteral("missing/folder/shot.png"))),
              1);
}

} // namespace
