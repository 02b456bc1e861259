#pragma once
#include <QString>

// Shell, clipboard and network services.
class SystemServices {
public:
    virtual ~SystemServices() = default;
    // Starts a program from a Windows-form command line, maximised and focused, not waited for.
    // Throws VbError (53 "File not found") when nothing can be started.
    virtual void StartProgram(const QString& commandLine) = 0;
    // Opens a text file in the desktop's text editor; throws VbError when none starts.
    virtual void OpenInTextEditor(const QString& path) = 0;
    // Greater than 32 when a program is associated with the file's type (as FindExecutable).
    virtual int FindExecutable(const QString& path) = 0;
    // The user's Favourites folder in Windows form, or empty when there is none.
    virtual QString FavoritesFolder() = 0;
    // The user's download folder in Windows form.
    virtual QString DownloadFolder() = 0;
    // Opens a file or folder in the desktop's application for it; throws VbError when none starts.
    virtual void OpenWithDesktop(const QString& path) = 0;
    // True when opening the file in the desktop would run what it holds: a program, a script,
    // a launcher, what Wine runs, a file with the execute bit.
    virtual bool RunsAsProgram(const QString& path) = 0;

    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(const QString& text) = 0;
    virtual QString LocalIP() = 0;
    virtual QString LocalHostName() = 0;
};
