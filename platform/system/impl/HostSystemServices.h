#pragma once
#include "CommandLineSplit.h"
#include "platform/files/impl/DriveMap.h"
#include "platform/system/SystemServices.h"

#include <QStringList>
#include <optional>

class FileSystem;

// Starting programs, the desktop's associations, clipboard and network on the host.
// Programs are never started through a shell.
class HostSystemServices : public SystemServices {
public:
    // environment: where PATH, HOME, USER, WINEPREFIX, VINDREL_FAVORITES and the desktop's
    // XDG_DATA_HOME and XDG_DATA_DIRS are read.
    explicit HostSystemServices(FileSystem& fs, DriveMap::Environment environment = DriveMap::ProcessEnvironment());

    // A Windows program (drive C:'s Notepad, say) runs through the Wine of the prefix the drive
    // map uses, with that WINEPREFIX.
    void StartProgram(const QString& commandLine) override;
    // The desktop's application for plain text (xdg-mime), started from its desktop entry, in
    // a terminal when the entry asks for one. A missing file is given where the program would
    // write it, for the editor to create.
    void OpenInTextEditor(const QString& path) override;
    // 42 when the desktop names an application for HTML, else 31.
    int FindExecutable(const QString& path) override;
    // VINDREL_FAVORITES, else the Wine user's Favorites, else ~/Favorites; empty when the folder
    // chosen this way does not exist.
    QString FavoritesFolder() override;
    QString DownloadFolder() override;
    // Through xdg-open, as the desktop opens a file a person double-clicks.
    void OpenWithDesktop(const QString& path) override;
    bool RunsAsProgram(const QString& path) override;
    void ClipboardClear() override;
    void ClipboardSetText(const QString& text) override;
    QString LocalIP() override;
    QString LocalHostName() override;

private:
    QString FindOnPath(const QString& program) const;
    // The desktop entry name the desktop gives for a type of file; empty when none.
    QString DefaultApplication(const QString& mimeType) const;
    // Program and arguments that open file in the desktop's text editor; nullopt when none.
    std::optional<QStringList> TextEditorCommand(const QString& file) const;
    QString UserName() const;
    // Host file a program is to open: the existing one, else where it would be written.
    QString FileToOpen(const QString& path) const;
    // `wine` with the program and its arguments; nullopt when there is no Wine to run it.
    std::optional<ProgramCommand> ThroughWine(const ProgramCommand& command) const;

    FileSystem& fs_;
    DriveMap::Environment environment_;
};
