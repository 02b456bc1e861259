#pragma once
#include "platform/VbError.h"
#include "platform/system/SystemServices.h"

#include <QStringList>

// Records what the program asks of the shell, clipboard and network.
class FakeSystem : public SystemServices {
public:
    QStringList started;       // command lines
    QStringList startFailures; // command lines that raise "File not found"
    QStringList openedInEditor;
    bool editorFails = false;
    int findExecutableResult = 42;
    QStringList findExecutableAsked;
    QString favorites;
    QString clipboard = QStringLiteral("(untouched)");
    int clipboardClears = 0;
    QString ip = QStringLiteral("192.168.1.20");
    QString host = QStringLiteral("pc-casa");

    void StartProgram(const QString& commandLine) override
    {
        if (startFailures.contains(commandLine))
            throw VbError::fileNotFound();
        started << commandLine;
    }
    void OpenInTextEditor(const QString& path) override
    {
        if (editorFails)
            throw VbError::fileNotFound();
        openedInEditor << path;
    }
    int FindExecutable(const QString& path) override
    {
        findExecutableAsked << path;
        return findExecutableResult;
    }
    QString FavoritesFolder() override { return favorites; }
    QString DownloadFolder() override { return QStringLiteral("C:\\Scaricati"); }
    void OpenWithDesktop(const QString&) override {}
    bool RunsAsProgram(const QString&) override { return false; }
    void ClipboardClear() override
    {
        ++clipboardClears;
        clipboard.clear();
    }
    void ClipboardSetText(const QString& text) override { clipboard = text; }
    QString LocalIP() override { return ip; }
    QString LocalHostName() override { return host; }
};
