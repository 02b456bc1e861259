#include "platform/files/DownloadNames.h"
#include "platform/files/impl/FilePlacement.h"
#include "support/WriteFile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SafeFileName, KeepsOnlyAName)
{
    const struct {
        const char* offered;
        const char* safe;
    } cases[] = {
        {"report.pdf", "report.pdf"},
        {"../../.bashrc", "bashrc"},
        {"C:\\Windows\\system.ini", "system.ini"},
        {" . tab\tbed.txt . ", "tabbed.txt"},
        {"", "download"},
        {"...", "download"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SafeFileName(QString::fromUtf8(c.offered)), QString::fromUtf8(c.safe)) << c.offered;
    // A name too long for the file system keeps its extension and whole characters.
    const QString long_ = SafeFileName(QString(300, QChar(0x00E8)) + QStringLiteral(".tar.gz"));
    EXPECT_TRUE(long_.endsWith(QStringLiteral("\u00E8.tar.gz")));
    EXPECT_LE(long_.toUtf8().size(), 200);
}

TEST(FreeFileName, NumbersBeforeTheExtension)
{
    const QSet<QString> taken{QStringLiteral("a.txt"), QStringLiteral("a (1).txt"), QStringLiteral("b.tar.gz"),
                              QStringLiteral("LEGGIMI"), QStringLiteral(".profile")};
    const auto isTaken = [&taken](const QString& name) { return taken.contains(name); };
    EXPECT_EQ(FreeFileName(QStringLiteral("new.txt"), isTaken), QStringLiteral("new.txt"));
    EXPECT_EQ(FreeFileName(QStringLiteral("a.txt"), isTaken), QStringLiteral("a (2).txt"));
    EXPECT_EQ(FreeFileName(QStringLiteral("b.tar.gz"), isTaken), QStringLiteral("b (1).tar.gz"));
    EXPECT_EQ(FreeFileName(QStringLiteral("LEGGIMI"), isTaken), QStringLiteral("LEGGIMI (1)"));
    EXPECT_EQ(FreeFileName(QStringLiteral(".profile"), isTaken), QStringLiteral(".profile (1)"));
}

TEST(PlaceFile, NeverReplacesUnlessAsked)
{
    QTemporaryDir dir;
    const auto write = [&dir](const char* name, const QByteArray& bytes) { WriteFile(dir.filePath(QLatin1String(name)), bytes); };
    const auto read = [&dir](const QString& name) {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    };
    write("x.bin", "old");
    write("x.bin.part", "new");
    EXPECT_EQ(PlaceFile(dir.filePath(QStringLiteral("x.bin.part")), dir.filePath(QStringLiteral("x.bin")), false),
              dir.filePath(QStringLiteral("x (1).bin")));
    EXPECT_EQ(read(QStringLiteral("x.bin")), "old");
    EXPECT_EQ(read(QStringLiteral("x (1).bin")), "new");

    write("y.part", "newer");
    EXPECT_EQ(PlaceFile(dir.filePath(QStringLiteral("y.part")), dir.filePath(QStringLiteral("x.bin")), true),
              dir.filePath(QStringLiteral("x.bin")));
    EXPECT_EQ(read(QStringLiteral("x.bin")), "newer");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{QStringLiteral("x (1).bin"), QStringLiteral("x.bin")}));
}

} // namespace
