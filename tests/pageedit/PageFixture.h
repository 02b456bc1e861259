#pragma once
#include "fakes/TestProgram.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

// A program whose browser window shows C:\HOME-PAG\INIZIO.HTM, a real file in a temporary folder.
class PageFixture : public ::testing::Test {
protected:
    static constexpr const char* kPage = "C/HOME-PAG/INIZIO.HTM";
    static constexpr const char* kTemporary = "C/HOME-PAG/INIZIO.HT~";
    static constexpr const char* kBackup = "C/HOME-PAG/INIZIO.HT_";

    PageFixture() : browserWindow(t.UseFakeBrowserWindow())
    {
        browserWindow.tag = QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM");
        t.program->g.CARTELLA_HOME = QStringLiteral("C:\\HOME-PAG\\");
        QDir().mkpath(t.host(QStringLiteral("C/HOME-PAG")));
    }
    ~PageFixture() override
    {
        // Give the temporary folder back its write bits so that it can be removed.
        for (const char* path : {kPage, "C/HOME-PAG"})
            ::chmod(QFile::encodeName(t.host(QLatin1String(path))).constData(), 0755);
    }

    void WritePage(const QByteArray& bytes) { t.WriteHostFile(QLatin1String(kPage), bytes); }
    QByteArray Page() const { return t.ReadHostFile(QLatin1String(kPage)); }
    QByteArray Backup() const { return t.ReadHostFile(QLatin1String(kBackup)); }
    QByteArray Temporary() const { return t.ReadHostFile(QLatin1String(kTemporary)); }
    int Refreshes() const { return static_cast<int>(browserWindow.browser.calls.count(QStringLiteral("Refresh"))); }
    void MakeReadOnly(const char* relative)
    {
        ::chmod(QFile::encodeName(t.host(QLatin1String(relative))).constData(), 0555);
    }

    TestProgram t;
    FakeBrowserWindow& browserWindow;
};
