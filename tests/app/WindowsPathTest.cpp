#include "app/WindowsPath.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsPath, SplitsAtTheLastBackslash)
{
    const struct {
        const char* path;
        const char* folder;
        const char* name;
        const char* parent;
    } cases[] = {
        {"C:\\HOME-PAG\\INIZIO.HTM", "C:\\HOME-PAG\\", "INIZIO.HTM", "C:\\HOME-PAG"},
        {"C:\\X.HTM", "C:\\", "X.HTM", "C:"},
        {"C:\\HOME-PAG\\", "C:\\HOME-PAG\\", "", "C:\\HOME-PAG"},
        {"\\x.htm", "\\", "x.htm", ""},
        {"INIZIO.HTM", "", "INIZIO.HTM", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        const PathParts parts = SplitPath(QString::fromUtf8(c.path));
        EXPECT_EQ(parts.folder, QString::fromUtf8(c.folder)) << c.path;
        EXPECT_EQ(parts.name, QString::fromUtf8(c.name)) << c.path;
        EXPECT_EQ(ParentFolder(QString::fromUtf8(c.path)), QString::fromUtf8(c.parent)) << c.path;
    }
}

TEST(WindowsPath, JoinsWithOneBackslash)
{
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\Fav"), QStringLiteral("x.url")), QStringLiteral("C:\\Fav\\x.url"));
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\"), QStringLiteral("x.url")), QStringLiteral("C:\\x.url"));
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\Fav"), QString()), QStringLiteral("C:\\Fav\\"));
}

} // namespace
