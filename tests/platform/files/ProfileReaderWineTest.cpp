// The shortcut reader against the system call it stands for: a small Windows program (built with
// mingw) asks Wine's GetPrivateProfileStringA for the address in each of a set of generated
// shortcut files, and the reader must give the same text, file by file, unless one of the
// choices listed below explains the difference.
#include "ProfileBytes.h"
#include "platform/files/ProfileReader.h"
#include "platform/files/TextCodec.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iostream>

namespace {

struct Shortcut {
    QString name;
    QByteArray bytes;
};

const QByteArray kHeader = "[InternetShortcut]\r\n";

std::vector<Shortcut> Shortcuts()
{
    std::vector<Shortcut> set;
    const auto add = [&set](const QString& name, const QByteArray& bytes) { set.push_back({name, bytes}); };

    // Line ends, each in a file of several sections and keys.
    const std::pair<const char*, QByteArray> ends[] = {
        {"CR LF", "\r\n"}, {"LF", "\n"}, {"CR", "\r"}, {"LF CR", "\n\r"}, {"CR CR LF", "\r\r\n"}};
    for (const auto& [endName, e] : ends) {
        const QString n = QString::fromLatin1(endName);
        add(n + " plain", "[InternetShortcut]" + e + "URL=http://www.rai.it/" + e);
        add(n + " among keys", "[DEFAULT]" + e + "BASEURL=http://x/" + e + "[InternetShortcut]" + e + "IconIndex=0" + e
                                   + "URL=http://a/" + e + "Modified=1" + e);
        add(n + " last line without end", "[InternetShortcut]" + e + "URL=http://b/");
        add(n + " blank lines", e + e + "[InternetShortcut]" + e + e + "URL=c" + e + e);
        add(n + " inside a value", "[InternetShortcut]" + e + "URL=a" + e + "b" + e);
    }

    // Blanks around the header, the key, the equals sign and the value.
    const std::pair<const char*, QByteArray> blanks[] = {{"space", " "},         {"tab", "\t"},
                                                         {"vertical tab", "\v"}, {"form feed", "\f"},
                                                         {"^Z", "\x1a"},         {"no-break", "\xA0"},
                                                         {"0x85", "\x85"},       {"UTF-8 no-break", "\xC2\xA0"}};
    for (const auto& [blankName, b] : blanks)
        add(QStringLiteral("blank ") + QString::fromLatin1(blankName), b + "[" + b + "InternetShortcut" + b + "]" + b
                                                                           + "\r\n" + b + "URL" + b + "=" + b + "v" + b
                                                                           + "w" + b + "\r\n");
    add("inner blanks of a key", kHeader + "U RL=x\r\nURL=y\r\n");
    add("inner blanks of the header", "[Internet Shortcut]\r\nURL=x\r\n");
    add("Unicode blanks", Utf16WithBom("[InternetShortcut]\r\nURL=\u2003a\u3000\u0085\u1680\u00A0\r\n"));

    // Quotes.
    const char* quoted[] = {"\"a\"", "'a b'",     "\"\"a\"\"", "\"\"",   "\"",     "'",   "\"a'",
                            "'a\"",  "  \"a\"  ", "\" a \"",   "a\"b\"", "\"a\"b", "' '", "\x1a\"a\"\x1a"};
    for (const char* q : quoted)
        add(QStringLiteral("quotes ") + QString::fromLatin1(q), kHeader + "URL=" + q + "\r\n");

    // Case, duplicates, comments.
    add("case upper", "[INTERNETSHORTCUT]\r\nURL=a\r\n");
    add("case lower", "[internetshortcut]\r\nurl=a\r\n");
    add("case mixed", "[iNtErNeTsHoRtCuT]\r\nuRl=a\r\n");
    add("case long s", Utf16WithBom("[Internet\u017Fhortcut]\r\nURL=a\r\n"));
    add("case dotless i", Utf16WithBom("[\u0131nternetShortcut]\r\nURL=a\r\n"));
    add("case dotted capital I", Utf16WithBom("[\u0130nternetShortcut]\r\nURL=a\r\n"));
    add("duplicate keys", kHeader + "URL=one\r\nURL=two\r\n");
    add("duplicate keys first empty", kHeader + "URL=\r\nURL=two\r\n");
    add("duplicate sections", kHeader + "X=1\r\n[Other]\r\nURL=o\r\n[InternetShortcut]\r\nURL=late\r\n");
    add("other section first", "[Other]\r\nURL=o\r\n" + kHeader + "URL=i\r\n");
    add("key before any section", "URL=early\r\n" + kHeader);
    add("bare key first", kHeader + "URL\r\nURL=after\r\n");
    add("bare key with blanks", kHeader + "  URL  \r\nURL=after\r\n");
    add("key then blank equals", kHeader + "URL =\r\nURL=x\r\n");
    add("equals first", kHeader + "=x\r\nURL=y\r\n");
    add("two equals", kHeader + "URL==x=y\r\n");
    add("comment semicolon", kHeader + ";URL=no\r\n  ;URL=no\r\nURL=yes\r\n");
    add("comment hash", kHeader + "#URL=no\r\nURL=yes\r\n");
    add("comment after the header", "[InternetShortcut] ; c\r\nURL=x\r\n");
    add("comment before the header", ";[InternetShortcut]\r\n" + kHeader + "URL=y\r\n");
    add("semicolon in the value", kHeader + "URL=a ; b # c\r\n");

    // Brackets.
    add("brackets last closes", "[InternetShortcut] x ]\r\nURL=a\r\n");
    add("brackets doubled close", "[InternetShortcut]]\r\nURL=a\r\n");
    add("brackets doubled open", "[[InternetShortcut]\r\nURL=a\r\n");
    add("brackets text after", "[InternetShortcut]x\r\nURL=a\r\n");
    add("brackets text before", "x[InternetShortcut]\r\nURL=a\r\n");
    add("brackets never closed", "[InternetShortcut\r\nURL=x\r\n");
    add("brackets never closed then closed",
        "[InternetShortcut\r\nURL=x\r\n[InternetShortcut]\r\nURL=http://real/\r\n");
    add("brackets unclosed inside the section", kHeader + "[Other\r\nURL=x\r\n");
    add("brackets empty name", "[]\r\nURL=x\r\n" + kHeader + "URL=y\r\n");
    add("brackets in the value", kHeader + "URL=[a]\r\n");
    add("brackets in a key", kHeader + "[URL]=a\r\nURL=b\r\n");

    // NULs.
    add("NUL in the value", Raw("[InternetShortcut]\r\nURL=ab\0cd\r\n"));
    add("NUL first in the value", Raw("[InternetShortcut]\r\nURL=\0cd\r\n"));
    add("NUL after a blank", Raw("[InternetShortcut]\r\nURL=ab \0cd\r\n"));
    add("NUL inside quotes", Raw("[InternetShortcut]\r\nURL=\"a\0\"\r\n"));
    add("NUL then equals", Raw("[InternetShortcut]\r\nURL=a\0=b\r\n"));
    add("NUL in a key", Raw("[InternetShortcut]\r\nUR\0L=x\r\nURL=y\r\n"));
    add("NUL ends a key", Raw("[InternetShortcut]\r\nURL\0x=v\r\n"));
    add("NUL in the header", Raw("[Internet\0Shortcut]\r\nURL=x\r\n"));
    add("NUL ends the header", Raw("[InternetShortcut\0x]\r\nURL=v\r\n"));
    add("NUL after a blank in the header", Raw("[InternetShortcut \0]\r\nURL=v\r\n"));
    add("NUL first in the file", Raw("\0[InternetShortcut]\r\nURL=x\r\n"));
    add("NUL line", Raw("[InternetShortcut]\r\n\0\r\nURL=x\r\n"));
    add("NUL in UTF-16",
        Utf16WithBom(QStringLiteral("[InternetShortcut]\r\nURL=ab") + QChar(0) + QStringLiteral("c\r\n")));

    // Long values and lines.
    for (const int length : {2046, 2047, 2048, 4096, 70000})
        add(QStringLiteral("long value %1").arg(length), kHeader + "URL=" + QByteArray(length, 'y') + "\r\n");
    add("long line before", kHeader + "X=" + QByteArray(100000, 'x') + "\r\nURL=after\r\n");
    add("long Windows-1252 value", kHeader + "URL=" + QByteArray(3000, '\xE0') + "\r\n");

    // Byte-order marks.
    const QString sample = QStringLiteral("[InternetShortcut]\r\nURL=http://citt\u00E0.it/\u20AC\r\n");
    add("BOM UTF-8", "\xEF\xBB\xBF" + sample.toUtf8());
    add("BOM UTF-8 then not UTF-8", "\xEF\xBB\xBF" + kHeader + "URL=citt\xE0\r\n");
    add("BOM UTF-8 cut sequence", "\xEF\xBB\xBF" + kHeader
                                      + "URL=a\xE2\x82"
                                        "b\r\n");
    add("BOM UTF-8 beyond the BMP", "\xEF\xBB\xBF" + kHeader + "URL=\xF0\x9F\x98\x80\r\n");
    add("BOM UTF-8 overlong and surrogate", "\xEF\xBB\xBF" + kHeader
                                                + "URL=a\xC0\x80\xED\xA0\x80\xE0\x80\xF5"
                                                  "b\r\n");
    add("BOM UTF-8 cut at the end", "\xEF\xBB\xBF" + kHeader + "URL=a\xF0\x9F\x98");
    add("BOM UTF-8 twice", "\xEF\xBB\xBF\xEF\xBB\xBF" + kHeader + "URL=x\r\n");
    add("BOM UTF-8 at a later line", "[Other]\r\n\xEF\xBB\xBF" + kHeader + "URL=x\r\n");
    add("BOM UTF-16 at a later line", Utf16WithBom(QStringLiteral("[Other]\r\n\uFEFF[InternetShortcut]\r\nURL=x\r\n")));
    add("BOM UTF-8 alone", "\xEF\xBB\xBF");
    add("BOM UTF-16LE", Utf16WithBom(sample));
    add("BOM UTF-16BE", Utf16WithBom(sample, true));
    add("BOM UTF-16LE Cyrillic", Utf16WithBom(QStringLiteral("[InternetShortcut]\r\nURL=\u0436\u0142\r\n")));
    add("BOM UTF-16BE beyond the BMP", Utf16WithBom(QStringLiteral("[InternetShortcut]\r\nURL=\U0001F600\r\n"), true));
    add("BOM UTF-16LE unpaired surrogate",
        Utf16WithBom(QStringLiteral("[InternetShortcut]\r\nURL=a") + QChar(0xD800) + QStringLiteral("b\r\n")));
    add("BOM UTF-16LE odd length", Utf16WithBom(QStringLiteral("[InternetShortcut]\r\nURL=ab\r\n")) + "x");
    add("BOM UTF-16LE alone", "\xFF\xFE");
    add("UTF-16LE without BOM", Utf16WithBom(QStringLiteral("[InternetShortcut]\r\nURL=ab\r\n")).mid(2));
    add("UTF-16BE without BOM", Utf16WithBom(QStringLiteral("[InternetShortcut]\r\nURL=ab\r\n"), true).mid(2));

    // Code pages.
    add("Windows-1252", kHeader + "URL=citt\xE0 \x80 \x9F\r\n");
    add("Windows-1252 undefined bytes", kHeader + "URL=\x81\x8D\x8F\x90\x9D\r\n");
    add("Windows-1252 looking like UTF-8 in part", kHeader + "URL=caf\xC3\xA9 citt\xE0\r\n");
    add("UTF-8 without BOM", kHeader + "URL=http://citt\xC3\xA0.it/\xE2\x82\xAC\r\n");
    add("UTF-8 name of a section", "[Citt\xC3\xA0]\r\nURL=x\r\n" + kHeader + "URL=y\r\n");
    add("empty file", "");
    add("only a header", kHeader);
    return set;
}

// Wine's two answers for one file: the bytes of the code-page call and the text of the wide call.
struct WineAnswer {
    QByteArray ansi;
    QString wide;
};

// A difference the reader keeps on purpose, and how to tell it from a fault.
struct Choice {
    const char* what;
    std::function<bool(const QByteArray& file, const QString& ours, const WineAnswer& wine)> explains;
};

const Choice kChoices[] = {
    {"UTF-8 text without a byte-order mark is read as UTF-8",
     [](const QByteArray& file, const QString& ours, const WineAnswer& wine) {
         return !file.startsWith("\xEF\xBB\xBF") && !file.startsWith("\xFF\xFE") && !file.startsWith("\xFE\xFF")
             && ours.toUtf8() == wine.ansi;
     }},
    {"characters outside Windows-1252 are kept",
     [](const QByteArray&, const QString& ours, const WineAnswer& wine) {
         return ours == wine.wide && DecodeWindows1252(wine.ansi) != wine.wide;
     }},
};

QProcessEnvironment WineEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("WINEPREFIX"), qEnvironmentVariable("VINDREL_WINE_PREFIX"));
    environment.insert(QStringLiteral("WINEDEBUG"), QStringLiteral("-all"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8")); // Windows-1252
    environment.remove(QStringLiteral("DISPLAY"));
    return environment;
}

// The Windows program's answers for the files of folder; empty (and a failure) when it cannot run.
std::vector<WineAnswer> AskWine(const QString& probe, const QString& folder, int count)
{
    QProcess wine;
    wine.setProcessEnvironment(WineEnvironment());
    wine.start(QStringLiteral("wine"),
               {probe, QStringLiteral("Z:") + QString(folder).replace(u'/', u'\\'), QString::number(count)});
    const bool finished = wine.waitForFinished(120000);
    // This test's wineserver goes with it, so that the next test of Wine starts one of its own.
    QProcess server;
    server.setProcessEnvironment(WineEnvironment());
    server.start(QStringLiteral("wineserver"), {QStringLiteral("-k")});
    server.waitForFinished();
    if (!finished || wine.exitStatus() != QProcess::NormalExit || wine.exitCode() != 0) {
        ADD_FAILURE() << "the Windows program did not run: " << wine.readAllStandardError().toStdString();
        return {};
    }
    const QList<QByteArray> lines = wine.readAllStandardOutput().split('\n');
    EXPECT_EQ(lines.value(0).trimmed(), "ACP 1252") << "Wine must read shortcut files in Windows-1252";
    static const QRegularExpression answer(QStringLiteral("^(\\d+) A \\d+ ?([0-9A-F]*) W \\d+ ?([0-9A-F]*)$"));
    std::vector<WineAnswer> answers;
    for (int i = 0; i < count; ++i) {
        const QRegularExpressionMatch fields = answer.match(QString::fromLatin1(lines.value(i + 1).trimmed()));
        if (!fields.hasMatch() || fields.captured(1).toInt() != i) {
            ADD_FAILURE() << "no answer for file " << i;
            return {};
        }
        QString wide;
        for (qsizetype k = 0; k + 4 <= fields.capturedLength(3); k += 4)
            wide.append(QChar(char16_t(fields.captured(3).mid(k, 4).toUShort(nullptr, 16))));
        answers.push_back({QByteArray::fromHex(fields.captured(2).toLatin1()), wide});
    }
    return answers;
}

TEST(ProfileReaderAgainstWine, SameAddressAsTheSystemCallOrADocumentedChoice)
{
    const QString probe = qEnvironmentVariable("VINDREL_PROFILE_PROBE");
    if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty() || !QFile::exists(probe)
        || qEnvironmentVariableIsEmpty("VINDREL_WINE_PREFIX"))
        GTEST_SKIP() << "needs wine, the Windows program built by x86_64-w64-mingw32-gcc and a prefix "
                        "(VINDREL_WINE_PREFIX): see scripts/packages.txt";

    const std::vector<Shortcut> set = Shortcuts();
    QTemporaryDir folder;
    for (std::size_t i = 0; i < set.size(); ++i) {
        QFile file(folder.filePath(QStringLiteral("%1.url").arg(i, 3, 10, QLatin1Char('0'))));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(set[i].bytes) == set[i].bytes.size());
    }
    const std::vector<WineAnswer> answers = AskWine(probe, folder.path(), int(set.size()));
    ASSERT_EQ(answers.size(), set.size());

    int same = 0;
    for (std::size_t i = 0; i < set.size(); ++i) {
        const WineAnswer& wine = answers[i];
        const QString ours = ProfileString(set[i].bytes, QStringLiteral("InternetShortcut"), QStringLiteral("URL"), {});
        if (ours == DecodeWindows1252(wine.ansi)) {
            ++same;
            continue;
        }
        const auto choice = std::find_if(std::begin(kChoices), std::end(kChoices),
                                         [&](const Choice& c) { return c.explains(set[i].bytes, ours, wine); });
        if (choice != std::end(kChoices))
            std::cout << "[ choice   ] " << set[i].name.toStdString() << ": " << choice->what << "\n";
        else
            ADD_FAILURE() << set[i].name.toStdString() << ": Wine gives \"" << wine.ansi.toHex().toStdString() << "\" ("
                          << wine.wide.toStdString() << "), the reader \"" << ours.toStdString() << "\"";
    }
    std::cout << "[ same     ] " << same << " of " << set.size() << " files\n";
}

} // namespace
