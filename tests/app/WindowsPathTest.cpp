#include "app/WindowsPath.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowsPath, CutAtTheLastBackslashAndJoinedWithOne)
{
    const struct {
        const char *path, *folder, *name, *parent;
    } cases[] = {
        {"C:\\HOME-PAG\\INIZIO.HTM", "C:\\HOME-PAG\\", "INIZIO.HTM", "C:\\HOME-PAG"},
        {"C:\\X.HTM", "C:\\", "X.HTM", "C:"},
        {"\\x.htm", "\\", "x.htm", ""},
        {"INIZIO.HTM", "", "INIZIO.HTM", ""},
    };
    for (const auto& c : cases) {
        const QString path = QString::fromUtf8(c.path);
        EXPECT_EQ(SplitPath(path).folder, QString::fromUtf8(c.folder)) << c.path;
        EXPECT_EQ(SplitPath(path).name, QString::fromUtf8(c.name)) << c.path;
        EXPECT_EQ(ParentFolder(path), QString::fromUtf8(c.parent)) << c.path;
    }
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\Fav"), QStringLiteral("x.url")), QStringLiteral("C:\\Fav\\x.url"));
    EXPECT_EQ(JoinPath(QStringLiteral("C:\\"), QStringLiteral("x.url")), QStringLiteral("C:\\x.url"));
}

} // namespace
