// The built program started in screenshot mode: it opens its start page, pictures the window
// and exits, with or without an argument.
#include "support/WriteFile.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kRunTimeoutMs = 90000;

struct StartCase {
    const char* name;
    const char* argument; // empty: none
    const char* pageFile; // below the temporary root, written before the start; empty: none
    QColor pageColour;    // the page's background, expected in the picture; invalid: none expected
    const char* shotFile; // below the temporary root
    int exitCode;
};

class StartInScreenshotMode : public ::testing::TestWithParam<StartCase> {};

int PixelsOf(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                ++count;
    return count;
}

TEST_P(StartInScreenshotMode, PicturesTheStartPageAndExits)
{
    const StartCase& c = GetParam();
    const QString binary = qEnvironmentVariable("VINDREL_BINARY");
    ASSERT_FALSE(binary.isEmpty()) << "VINDREL_BINARY must name the built program";
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QDir(root.path()).mkpath(QStringLiteral("C"));
    QDir(root.path()).mkpath(QStringLiteral("D"));
    if (*c.pageFile) {
        WriteFile(root.filePath(QString::fromLatin1(c.pageFile)),
                  QStringLiteral(
                      "<html><head><title>Prova</title></head><body style=\"background:%1\">Prova</body></html>")
                      .arg(c.pageColour.name())
                      .toUtf8());
    }

    const QString shot = root.filePath(QString::fromLatin1(c.shotFile));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VINDREL_SCREENSHOT"), shot);
    environment.insert(QStringLiteral("VINDREL_DRIVE_C"), root.filePath(QStringLiteral("C")));
    environment.insert(QStringLiteral("VINDREL_DRIVE_D"), root.filePath(QStringLiteral("D")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The web profile in the test's folder, never the user's.
    environment.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), root.filePath(QStringLiteral("cache")));
    QProcess vindrel;
    vindrel.setProcessEnvironment(environment);
    vindrel.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList arguments = *c.argument ? QStringList{QString::fromLatin1(c.argument)} : QStringList{};
    vindrel.start(binary, arguments);
    ASSERT_TRUE(vindrel.waitForFinished(kRunTimeoutMs)) << c.name;
    EXPECT_EQ(vindrel.exitStatus(), QProcess::NormalExit) << c.name;
    EXPECT_EQ(vindrel.exitCode(), c.exitCode) << c.name;
    if (c.exitCode != 0)
        return;

    const QImage picture(shot);
    ASSERT_FALSE(picture.isNull()) << c.name;
    EXPECT_EQ(picture.size(), QSize(773, 500)) << c.name; // 11595 x 7500 twips
    if (c.pageColour.isValid()) {
        EXPECT_GT(PixelsOf(picture, c.pageColour), 100000) << c.name << ": the page was not painted";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Startup, StartInScreenshotMode,
    ::testing::Values(StartCase{"home page of C", "", "C/HOME-PAG/INIZIO.HTM", QColor(0x20, 0xA0, 0x40), "shot.png", 0},
                      StartCase{"home page of D", "", "D/HOME-PAG/INIZIO.HTM", QColor(0xE0, 0x80, 0x10), "shot.png", 0},
                      StartCase{"argument", "C:/siti/PAGINA.HTM", "C/siti/PAGINA.HTM", QColor(0x30, 0x50, 0xC0),
                                "shot.png", 0},
                      StartCase{"no page anywhere", "", "", QColor(), "shot.png", 0},
                      StartCase{"picture cannot be saved", "", "", QColor(), "missing/shot.png", 1}));

} // namespace
