#pragma once
#include "FakeBrowserWindow.h"
#include "FakeFolderWatcher.h"
#include "FakeProcesses.h"
#include "FakeSystem.h"
#include "FakeUi.h"
#include "FakeWebBrowser.h"
#include "app/Program.h"
#include "platform/files/impl/DriveMap.h"
#include "platform/files/impl/HostFileSystem.h"
#include "support/WriteFile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

// A fresh Program on fakes, with drives C: and D: mapped to empty temporary folders and the
// program folder in a third one. Files are real; everything else is scripted.
class TestProgram {
public:
    TestProgram()
    {
        for (const char* sub : {"C", "D", "prog"})
            QDir(root.path()).mkpath(QLatin1String(sub));
        environment[QStringLiteral("VINDREL_DRIVE_C")] = host(QStringLiteral("C"));
        environment[QStringLiteral("VINDREL_DRIVE_D")] = host(QStringLiteral("D"));
        fs = std::make_unique<HostFileSystem>(DriveMap([this](const QString& v) { return environment.value(v); }),
                                              host(QStringLiteral("prog")));
        const auto makeWatcher = [this](std::function<void()> changed) {
            auto watcher = std::make_unique<FakeFolderWatcher>(std::move(changed));
            folderWatchers.push_back(watcher.get());
            return watcher;
        };
        program = std::make_unique<Program>(ProgramServices{ui, *fs, processes, system,
                                                            [this](QWidget* parent) {
                                                                auto b = std::make_unique<FakeWebBrowser>(parent);
                                                                b->failingAddresses = failingAddresses;
                                                                browsers.push_back(b.get());
                                                                return b;
                                                            },
                                                            makeWatcher});
    }

    // Other windows see this stand-in as the browser window.
    FakeBrowserWindow& UseFakeBrowserWindow()
    {
        program->SetBrowserWindow([this]() -> BrowserWindow& { return browserWindow; });
        return browserWindow;
    }

    // Host path below the temporary root ("C/HOME-PAG/INIZIO.HTM").
    QString host(const QString& relative) const { return root.filePath(relative); }

    void WriteHostFile(const QString& relative, const QByteArray& bytes) const { WriteFile(host(relative), bytes); }
    QByteArray ReadHostFile(const QString& relative) const
    {
        QFile f(host(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool HostFileExists(const QString& relative) const { return QFile::exists(host(relative)); }

    FakeWebBrowser& browser() { return *browsers.at(0); }

    QTemporaryDir root;
    QHash<QString, QString> environment;
    FakeUi ui;
    FakeProcesses processes;
    FakeSystem system;
    FakeBrowserWindow browserWindow;
    std::vector<FakeWebBrowser*> browsers;
    std::vector<FakeFolderWatcher*> folderWatchers; // one for each favourites window made
    QSet<QString> failingAddresses;                 // every browser control made from now on raises on these
    std::unique_ptr<HostFileSystem> fs;
    std::unique_ptr<Program> program;
};
