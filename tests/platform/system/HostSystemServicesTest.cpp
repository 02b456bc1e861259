#include "platform/VbError.h"
#include "platform/files/impl/HostFileSystem.h"
#include "platform/system/impl/HostSystemServices.h"
#include "support/QtPrinters.h"
#include "support/WaitUntil.h"
#include "support/WriteFile.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QHostAddress>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Drive C: on a temporary folder; PATH, HOME and the rest come from a table the test fills.
class HostSystemServicesTest : public ::testing::Test {
protected:
    HostSystemServicesTest()
        : lookup([this](const QString& v) { return environment.value(v); }), fs(DriveMap(lookup), root.path()),
          system(fs, lookup)
    {
        environment[QStringLiteral("VINDREL_DRIVE_C")] = root.filePath(QStringLiteral("C"));
        QDir().mkpath(root.filePath(QStringLiteral("C")));
    }

    void Write(const QString& relative, const QByteArray& bytes, bool executable = false) const
    {
        WriteFile(root.filePath(relative), bytes,
                  executable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner : QFile::Permissions());
    }
    void MakeDir(const QString& relative) const { QDir().mkpath(root.filePath(relative)); }

    // A folder on PATH holding one script named program.
    void PutOnPath(const QString& program, const QByteArray& script)
    {
        Write(QStringLiteral("bin/") + program, "#!/bin/sh\n" + script, true);
        environment[QStringLiteral("PATH")] = root.filePath(QStringLiteral("bin"));
    }

    // Waits for a file a started program writes; its last line is "end".
    QByteArray WaitForFile(const QString& relative) const
    {
        QByteArray bytes;
        WaitUntil([&] {
            QFile f(root.filePath(relative));
            bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            return bytes.endsWith("end\n");
        });
        return bytes;
    }

    int ErrorOf(const std::function<void()>& action)
    {
        try {
            action();
        } catch (const VbError& e) {
            return e.number();
        }
        return 0;
    }

    QTemporaryDir root;
    QHash<QString, QString> environment;
    DriveMap::Environment lookup;
    HostFileSystem fs;
    HostSystemServices system;
};

// The script writes its argument count and each argument (backslashes as they are), then "end".
constexpr const char* kRecorder =
    "out=\"$(dirname \"$0\")/args.txt\"\n"
    "{ echo \"$#\"; for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done; echo end; } > \"$out.tmp\"\n"
    "mv \"$out.tmp\" \"$out\"\n";

TEST_F(HostSystemServicesTest, StartsTheProgramFoundThroughTheDriveMapWithOneArgument)
{
    Write(QStringLiteral("C/My Tools/vindrel"), QByteArray("#!/bin/sh\n") + kRecorder, true);
    system.StartProgram(QStringLiteral("c:\\my tools\\VINDREL.EXE http://www.x.it/a b.htm"));
    EXPECT_EQ(WaitForFile(QStringLiteral("C/My Tools/args.txt")), QByteArray("1\n[http://www.x.it/a b.htm]\nend\n"));
}

TEST_F(HostSystemServicesTest, StartsWithoutArgumentWhenNothingFollows)
{
    Write(QStringLiteral("C/run"), QByteArray("#!/bin/sh\n") + kRecorder, true);
    system.StartProgram(QStringLiteral("C:\\run"));
    EXPECT_EQ(WaitForFile(QStringLiteral("C/args.txt")), QByteArray("0\nend\n"));
}

TEST_F(HostSystemServicesTest, NothingToStartIsFileNotFound)
{
    Write(QStringLiteral("C/notes.txt"), "not a program");
    MakeDir(QStringLiteral("C/Windows"));
    EXPECT_EQ(ErrorOf([&] { system.StartProgram(QStringLiteral("C:\\Windows\\Notepad.exe C:\\x.dat")); }), 53);
    EXPECT_EQ(ErrorOf([&] { system.StartProgram(QStringLiteral("C:\\Windows x")); }), 53); // a folder is no program
    EXPECT_EQ(ErrorOf([&] { system.StartProgram(QStringLiteral("C:\\notes.txt")); }), 53); // cannot be run
    EXPECT_EQ(ErrorOf([&] { system.StartProgram(QStringLiteral("D:\\x.exe")); }), 53);
    EXPECT_EQ(ErrorOf([&] { system.StartProgram(QString()); }), 53);
}

// A shortcut's address after "VINDREL.EXE " of a renamed program: the program part must not climb
// out of the program folder through the name "VINDREL.EXE x", which does not exist.
TEST_F(HostSystemServicesTest, AMadeUpNameLeadsNowhere)
{
    Write(QStringLiteral("vindrel-nuovo"), QByteArray("#!/bin/sh\n") + kRecorder, true);
    const QString marker = root.filePath(QStringLiteral("toccato"));
    const QString climb = QStringLiteral("\\..").repeated(12);
    EXPECT_EQ(ErrorOf([&] {
                  system.StartProgram(fs.ProgramFolder() + QStringLiteral("\\VINDREL.EXE x") + climb
                                      + QStringLiteral("\\usr\\bin\\touch ") + marker);
              }),
              53);
    EXPECT_FALSE(QFile::exists(marker));
}

// Wine's drive C: is not the program's here: the file goes to Notepad by Wine's name for it.
TEST_F(HostSystemServicesTest, AWindowsProgramRunsThroughTheWineOfThePrefix)
{
    Write(QStringLiteral("C/Windows/notepad.exe"), "MZ\x90 not for this kernel");
    Write(QStringLiteral("C/prog/VINDREL.DAT"), "x");
    MakeDir(QStringLiteral("prefix/dosdevices"));
    QFile::link(root.filePath(QStringLiteral("wine-c")), root.filePath(QStringLiteral("prefix/dosdevices/c:")));
    QFile::link(QStringLiteral("/"), root.filePath(QStringLiteral("prefix/dosdevices/z:")));
    environment[QStringLiteral("WINEPREFIX")] = root.filePath(QStringLiteral("prefix"));
    PutOnPath(QStringLiteral("wine"),
              QByteArray("echo \"$WINEPREFIX\" > \"$(dirname \"$0\")/prefix.txt\"\n") + kRecorder);

    system.StartProgram(QStringLiteral("C:\\Windows\\Notepad.exe C:\\prog\\VINDREL.DAT"));
    const QByteArray wineC = (QStringLiteral("Z:") + root.filePath(QStringLiteral("C")).replace(u'/', u'\\')).toUtf8();
    EXPECT_EQ(WaitForFile(QStringLiteral("bin/args.txt")),
              "2\n[" + wineC + "\\Windows\\notepad.exe]\n[" + wineC + "\\prog\\VINDREL.DAT]\nend\n");
    QFile prefix(root.filePath(QStringLiteral("bin/prefix.txt")));
    ASSERT_TRUE(prefix.open(QIODevice::ReadOnly));
    EXPECT_EQ(prefix.readAll(), root.filePath(QStringLiteral("prefix")).toUtf8() + "\n");

    environment.remove(QStringLiteral("PATH")); // no Wine: nothing can run it
    EXPECT_EQ(ErrorOf([&] { system.StartProgram(QStringLiteral("C:\\Windows\\Notepad.exe C:\\x.dat")); }), 53);
}

TEST_F(HostSystemServicesTest, TextEditorFromTheDesktopsEntryForPlainText)
{
    Write(QStringLiteral("C/prog/VINDREL.DAT"), "x");
    environment[QStringLiteral("XDG_DATA_HOME")] = root.filePath(QStringLiteral("share"));
    environment[QStringLiteral("XDG_DATA_DIRS")] = root.filePath(QStringLiteral("none"));
    PutOnPath(QStringLiteral("xdg-mime"), "[ \"$*\" = \"query default text/plain\" ] && echo editor.desktop\n");
    Write(QStringLiteral("bin/editor"), QByteArray("#!/bin/sh\n") + kRecorder, true);
    Write(
        QStringLiteral("share/applications/editor.desktop"),
        "[Desktop Entry]\nName=Editor\nExec=editor --new-window %U\nTerminal=false\n[Desktop Action x]\nExec=other\n");
    system.OpenInTextEditor(QStringLiteral("C:\\PROG\\vindrel.dat"));
    const QByteArray file = root.filePath(QStringLiteral("C/prog/VINDREL.DAT")).toUtf8();
    EXPECT_EQ(WaitForFile(QStringLiteral("bin/args.txt")), "2\n[--new-window]\n[" + file + "]\nend\n");

    // A file not written yet is handed over for the editor to create.
    QFile::remove(root.filePath(QStringLiteral("bin/args.txt")));
    system.OpenInTextEditor(QStringLiteral("C:\\prog\\nuovo.dat"));
    EXPECT_EQ(WaitForFile(QStringLiteral("bin/args.txt")),
              "2\n[--new-window]\n[" + root.filePath(QStringLiteral("C/prog/nuovo.dat")).toUtf8() + "]\nend\n");

    // An editor for the terminal runs in the desktop's terminal, when there is one.
    Write(QStringLiteral("share/applications/editor.desktop"), "[Desktop Entry]\nExec=editor\nTerminal=true\n");
    EXPECT_EQ(ErrorOf([&] { system.OpenInTextEditor(QStringLiteral("C:\\prog\\VINDREL.DAT")); }), 53);
    Write(QStringLiteral("bin/x-terminal-emulator"), QByteArray("#!/bin/sh\n") + kRecorder, true);
    QFile::remove(root.filePath(QStringLiteral("bin/args.txt")));
    system.OpenInTextEditor(QStringLiteral("C:\\prog\\VINDREL.DAT"));
    EXPECT_EQ(WaitForFile(QStringLiteral("bin/args.txt")), "3\n[-e]\n[editor]\n[" + file + "]\nend\n");

    // No editor named, or no way to ask: nothing starts.
    PutOnPath(QStringLiteral("xdg-mime"), "echo\n");
    EXPECT_EQ(ErrorOf([&] { system.OpenInTextEditor(QStringLiteral("C:\\prog\\VINDREL.DAT")); }), 53);
    environment.remove(QStringLiteral("PATH"));
    EXPECT_EQ(ErrorOf([&] { system.OpenInTextEditor(QStringLiteral("C:\\prog\\VINDREL.DAT")); }), 53);
}

TEST_F(HostSystemServicesTest, FindExecutableAsksTheDesktopForHtml)
{
    Write(QStringLiteral("prog/temphtm.HTM"), "<HTML></HTML>");
    const QString probe = fs.WindowsPath(root.filePath(QStringLiteral("prog/temphtm.HTM")));
    EXPECT_EQ(system.FindExecutable(probe), 31); // no xdg-mime
    PutOnPath(QStringLiteral("xdg-mime"), "[ \"$*\" = \"query default text/html\" ] && echo firefox-esr.desktop\n");
    EXPECT_EQ(system.FindExecutable(probe), 42);
    EXPECT_EQ(system.FindExecutable(probe + QStringLiteral("x")), 31); // not a web page
    EXPECT_EQ(system.FindExecutable(QStringLiteral("C:\\prog\\never-written.htm")), 42);
    PutOnPath(QStringLiteral("xdg-mime"), "echo\n");
    EXPECT_EQ(system.FindExecutable(probe), 31);
}

TEST_F(HostSystemServicesTest, FavoritesFolderInOrderOfChoice)
{
    environment[QStringLiteral("HOME")] = root.filePath(QStringLiteral("C/home"));
    environment[QStringLiteral("USER")] = QStringLiteral("mario");
    EXPECT_EQ(system.FavoritesFolder(), QString()); // nothing exists yet

    MakeDir(QStringLiteral("C/home/Favorites"));
    EXPECT_EQ(system.FavoritesFolder(), QStringLiteral("C:\\home\\Favorites"));

    MakeDir(QStringLiteral("C/home/.wine/drive_c/users/mario/Favorites"));
    EXPECT_EQ(system.FavoritesFolder(), QStringLiteral("C:\\home\\.wine\\drive_c\\users\\mario\\Favorites"));

    MakeDir(QStringLiteral("C/prefix/drive_c/users/mario"));
    environment[QStringLiteral("WINEPREFIX")] = root.filePath(QStringLiteral("C/prefix"));
    EXPECT_EQ(system.FavoritesFolder(), QStringLiteral("C:\\home\\Favorites")); // that prefix has none

    // A folder named by the variable but missing is no Favourites folder, and no other is sought.
    environment[QStringLiteral("VINDREL_FAVORITES")] = root.filePath(QStringLiteral("C/Preferiti"));
    EXPECT_EQ(system.FavoritesFolder(), QString());
    MakeDir(QStringLiteral("C/Preferiti"));
    EXPECT_EQ(system.FavoritesFolder(), QStringLiteral("C:\\Preferiti"));
}

TEST_F(HostSystemServicesTest, ClipboardAndNetworkWrappers)
{
    system.ClipboardSetText(QStringLiteral("http://www.x.it/"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://www.x.it/"));
    system.ClipboardClear();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());

    const QHostAddress ip(system.LocalIP());
    EXPECT_EQ(ip.protocol(), QAbstractSocket::IPv4Protocol);
    EXPECT_FALSE(system.LocalHostName().isEmpty());
}

} // namespace
