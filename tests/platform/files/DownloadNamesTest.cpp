#include "platform/files/DownloadNames.h"
#include "platform/files/impl/FilePlacement.h"
#include "support/QtPrinters.h"
#include "support/WriteFile.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(SafeFileName, KeepsOnlyAName)
{
    using namespace std::literals;
    const struct {
        std::u16string_view offered;
        std::u16string_view safe;
    } cases[] = {
        {u"report.pdf", u"report.pdf"},
        {u"../../.bashrc", u"bashrc"},
        {u"..\\..\\evil.txt", u"evil.txt"},
        {u"/etc/passwd", u"passwd"},
        {u"C:\\Windows\\system.ini", u"system.ini"},
        {u"C:drive.txt", u"C_drive.txt"},
        {u"a<b>c\"d|e?f*.txt", u"a_b_c_d_e_f_.txt"},
        {u" . tab\tbed.txt . ", u"tabbed.txt"},
        {u"nul\0\x01\x1f\x7f.txt"sv, u"nul.txt"},
        {u"caf\u00e9\u202etxt.exe", u"caf\u00e9txt.exe"}, // with the mark it shows as "caféexe.txt"
        {u"\u2066x\u2069\u200f.sh", u"x.sh"},
        {u"", u"download"},
        {u"...", u"download"},
        {u"../..", u"download"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SafeFileName(QStringView(c.offered).toString()), QStringView(c.safe).toString());
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
    const auto write = [&dir](const char* name, const QByteArray& bytes) {
        WriteFile(dir.filePath(QLatin1String(name)), bytes);
    };
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
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("x (1).bin"), QStringLiteral("x.bin")}));
}

} // namespace
