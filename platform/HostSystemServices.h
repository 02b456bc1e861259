#pragma once
#include "DriveMap.h"
#include "SystemServices.h"

class FileSystem;

// Starting programs, the desktop's associations, clipboard and network on the host.
// Programs are never started through a shell.
class HostSystemServices : public SystemServices {
public:
    // environment: where PATH, HOME, USER, WINEPREFIX and VINDREL_FAVORITES are read.
    explicit HostSystemServices(FileSystem& fs, DriveMap::Environment environment = DriveMap::ProcessEnvironment());

    void StartProgram(const QString& commandLine) override;
    // Through xdg-open.
    void OpenWithDefaultApplication(const QString& path) override;
    // 2 when the file is missing; 42 when the desktop names an application for HTML, else 31.
    int FindExecutable(const QString& path) override;
    // VINDREL_FAVORITES, else the Wine user's Favorites, else ~/Favorites; empty when the folder
    // chosen this way does not exist.
    QString FavoritesFolder() override;
    void ClipboardClear() override;
    void ClipboardSetText(const QString& text) override;
    QString LocalIP() override;
    QString LocalHostName() override;

private:
    QString FindOnPath(const QString& program) const;
    QString UserName() const;

    FileSystem& fs_;
    DriveMap::Environment environment_;
};
