#pragma once
#include "SystemServices.h"

class FileSystem;

// Starting programs, the desktop's associations, clipboard and network on the host.
class HostSystemServices : public SystemServices {
public:
    explicit HostSystemServices(FileSystem& fs);

    void StartProgram(const QString& commandLine) override;
    void OpenWithDefaultApplication(const QString& path) override;
    int FindExecutable(const QString& path) override;
    QString FavoritesFolder() override;
    void ClipboardClear() override;
    void ClipboardSetText(const QString& text) override;
    QString LocalIP() override;
    QString LocalHostName() override;

private:
    FileSystem& fs_;
};
