#include "platform/system/impl/DesktopEntry.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(DesktopEntryTest, ExecGivesTheProgramAndItsArgumentsForOneFile)
{
    const QString file = QStringLiteral("/home/m/.local/share/vindrel/VINDREL.DAT");
    struct Case {
        const char* exec;
        QStringList expected; // empty: nothing to start
    };
    const Case cases[] = {
        {"gedit %U", {QStringLiteral("gedit"), file}},
        {"kate  -b\t%u", {QStringLiteral("kate"), QStringLiteral("-b"), file}},
        {"mousepad", {QStringLiteral("mousepad"), file}},
        {"\"/opt/My Editor/ed\" --file=%f", {QStringLiteral("/opt/My Editor/ed"), QStringLiteral("--file=") + file}},
        {"ed %i %c %k 100%% \"\"", {QStringLiteral("ed"), QStringLiteral("100%"), QString(), file}},
        {"ed \"say \\\"hi\\\" \\$x\"", {QStringLiteral("ed"), QStringLiteral("say \"hi\" $x"), file}},
        {"ed \"open", {}},
        {"  ", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ExecArguments(QString::fromUtf8(c.exec), file).value_or(QStringList()), c.expected) << c.exec;
}

TEST(DesktopEntryTest, OnlyTheDesktopEntryGroupCounts)
{
    const auto launch = ReadDesktopEntry(
        "# editor\n[Desktop Entry]\nName=Ed\nExec = ed \"a\\\\\\\\b\" %F\nTerminal=true\n"
        "[Desktop Action new]\nExec=ed --new\nTerminal=false\n");
    ASSERT_TRUE(launch);
    EXPECT_TRUE(launch->terminal);
    EXPECT_EQ(ExecArguments(launch->exec, QStringLiteral("/f")),
              (QStringList{QStringLiteral("ed"), QStringLiteral("a\\b"), QStringLiteral("/f")}));
    EXPECT_FALSE(ReadDesktopEntry("[Desktop Action new]\nExec=ed\n"));
    EXPECT_FALSE(ReadDesktopEntry("[Desktop Entry]\nName=Ed\n"));
}

} // namespace
