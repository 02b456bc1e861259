#include "platform/system/impl/CommandLineSplit.h"
#include "support/QtPrinters.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// Existing files by Windows-form name; the host path is the name in lower case with a mark.
std::optional<ProgramCommand> Split(const QString& commandLine, const QSet<QString>& existing)
{
    return SplitCommandLine(commandLine, [&](const QString& name) {
        return existing.contains(name) ? QStringLiteral("host:") + name : QString();
    });
}

TEST(CommandLineSplitTest, ShortestExistingPrefixAndTheRestAsOneArgument)
{
    struct Case {
        const char* name;
        QString commandLine;
        QSet<QString> existing;
        QString program;
        QStringList arguments;
    };
    const Case cases[] = {
        {"plain",
         QStringLiteral("C:\\Windows\\Notepad.exe C:\\prog\\VINDREL.DAT"),
         {QStringLiteral("C:\\Windows\\Notepad.exe")},
         QStringLiteral("host:C:\\Windows\\Notepad.exe"),
         {QStringLiteral("C:\\prog\\VINDREL.DAT")}},
        {"exe dropped",
         QStringLiteral("Z:\\opt\\VINDREL.EXE http://www.x.it/"),
         {QStringLiteral("Z:\\opt\\VINDREL")},
         QStringLiteral("host:Z:\\opt\\VINDREL"),
         {QStringLiteral("http://www.x.it/")}},
        {"exe kept when it exists",
         QStringLiteral("Z:\\a.Exe x"),
         {QStringLiteral("Z:\\a.Exe"), QStringLiteral("Z:\\a")},
         QStringLiteral("host:Z:\\a.Exe"),
         {QStringLiteral("x")}},
        {"blanks in folder",
         QStringLiteral("Z:\\My Tools\\run.exe my page.htm"),
         {QStringLiteral("Z:\\My Tools\\run")},
         QStringLiteral("host:Z:\\My Tools\\run"),
         {QStringLiteral("my page.htm")}},
        {"shortest wins",
         QStringLiteral("Z:\\a b c"),
         {QStringLiteral("Z:\\a"), QStringLiteral("Z:\\a b")},
         QStringLiteral("host:Z:\\a"),
         {QStringLiteral("b c")}},
        {"rest unchanged",
         QStringLiteral("Z:\\a   two  \"q\" "),
         {QStringLiteral("Z:\\a")},
         QStringLiteral("host:Z:\\a"),
         {QStringLiteral("  two  \"q\" ")}},
        {"no rest", QStringLiteral("Z:\\a"), {QStringLiteral("Z:\\a")}, QStringLiteral("host:Z:\\a"), {}},
        {"trailing blank gives nothing",
         QStringLiteral("Z:\\a "),
         {QStringLiteral("Z:\\a")},
         QStringLiteral("host:Z:\\a"),
         {}},
    };
    for (const Case& c : cases) {
        const auto split = Split(c.commandLine, c.existing);
        ASSERT_TRUE(split.has_value()) << c.name;
        EXPECT_EQ(split->program, c.program) << c.name;
        EXPECT_EQ(split->arguments, c.arguments) << c.name;
    }
}

TEST(CommandLineSplitTest, NothingWhenNoPrefixNamesAFile)
{
    EXPECT_FALSE(Split(QStringLiteral("C:\\Windows\\Notepad.exe x"), {}).has_value());
    EXPECT_FALSE(Split(QString(), {QString()}).has_value());
    EXPECT_FALSE(Split(QStringLiteral(" "), {QStringLiteral(" "), QString()}).has_value());
    // Only a blank ends the name: a prefix ending inside a word is not tried.
    EXPECT_FALSE(Split(QStringLiteral("Z:\\abc"), {QStringLiteral("Z:\\ab")}).has_value());
}

} // namespace
