// A second copy of the built program, started the way the page button starts it, opens the
// address it is given: in screenshot mode it pictures that page and exits with 0.
#include "platform/files/impl/DriveMap.h"
#include "platform/files/impl/HostFileSystem.h"
#include "platform/system/impl/HostSystemServices.h"
#include "support/WaitUntil.h"
#include "support/WriteFile.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What the file holds now; empty while it is missing.
QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int RedPixels(const QImage& image)
{
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(255, 0, 0))
                ++red;
    return red;
}

TEST(SecondCopy, OpensItsAddressAndExitsCleanly)
{
    const QString binary = qEnvironmentVariable("VINDREL_BINARY");
    ASSERT_FALSE(binary.isEmpty()) << "VINDREL_BINARY must name the built program";
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    WriteFile(root.filePath(QStringLiteral("C/HOME-PAG/ROSSA.HTM")),
              "<html><head><title>Rossa</title></head><body bgcolor=\"#FF0000\">Pagina rossa</body></html>");
    // The program folder holds "vindrel": here a stand-in that runs the built program and
    // records how it ended, since a started copy is not waited for.
    const QString exitFile = root.filePath(QStringLiteral("exit-code"));
    WriteFile(root.filePath(QStringLiteral("prog/vindrel")),
              QStringLiteral("#!/bin/sh\n\"%1\" \"$@\"\necho $? > \"%2\"\n").arg(binary, exitFile).toUtf8(),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString shot = root.filePath(QStringLiteral("second-copy.png"));
    qputenv("VINDREL_SCREENSHOT", shot.toUtf8());
    qputenv("VINDREL_DRIVE_C", root.filePath(QStringLiteral("C")).toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The web profile in the test's folder, never the user's.
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CACHE_HOME", root.filePath(QStringLiteral("cache")).toUtf8());
    HostFileSystem fs(DriveMap::FromProcessEnvironment(), root.filePath(QStringLiteral("prog")));
    HostSystemServices system(fs);
    system.StartProgram(fs.ProgramFolder() + QStringLiteral("\\vindrel C:\\HOME-PAG\\ROSSA.HTM"));
    qunsetenv("VINDREL_SCREENSHOT");

    // The stand-in writes the exit code with its line end in one go, once the copy has ended.
    ASSERT_TRUE(WaitUntil([&] { return Contents(exitFile).endsWith('\n'); })) << "the second copy did not end";
    EXPECT_EQ(Contents(exitFile).trimmed(), QByteArray("0"));
    const QImage picture(shot);
    ASSERT_FALSE(picture.isNull()) << "no screenshot at " << shot.toStdString();
    EXPECT_GT(RedPixels(picture), 1000) << "the page given on the command line is not on display";
}

} // namespace
