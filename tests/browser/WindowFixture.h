#pragma once
#include "browser/window/StatusBar.h"
#include "browser/window/frmBrowser.h"
#include "fakes/TestProgram.h"

#include <gtest/gtest.h>

// The browser window on fakes, created by its first use like the start-up routine does.
class WindowFixture : public ::testing::Test {
protected:
    WindowFixture()
    {
        t.program->SetBrowserWindow([this]() -> BrowserWindow& { return t.program->form<frmBrowser>(); });
    }
    frmBrowser& Load(const QString& startAddress = QStringLiteral("about:blank"))
    {
        t.program->g.INDIRIZZO_INIZIALE = startAddress;
        return t.program->form<frmBrowser>();
    }
    Globals& g() { return t.program->g; }
    QByteArray VisitedFile() const { return t.ReadHostFile(QStringLiteral("prog/VINDREL.DAT")); }
    void WriteVisitedFile(const QByteArray& bytes) const { t.WriteHostFile(QStringLiteral("prog/VINDREL.DAT"), bytes); }

    TestProgram t;
};
