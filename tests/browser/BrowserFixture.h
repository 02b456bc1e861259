#pragma once
#include "browser/window/StatusBar.h"
#include "browser/window/frmBrowser.h"
#include "fakes/TestProgram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

// The browser window on fakes, loaded on the blank page with its questions switched off; what the
// load step did is forgotten so that a test sees only its own calls and boxes.
class BrowserFixture : public ::testing::Test {
protected:
    BrowserFixture()
    {
        t.program->SetBrowserWindow([this]() -> BrowserWindow& { return t.program->form<frmBrowser>(); });
        w = &t.program->form<frmBrowser>();
        browser().calls.clear();
        t.ui.boxes.clear();
        t.ui.doEvents = 0;
        w->timTimer->stop();
        g().SITI_VISITATI = 0;
    }

    FakeWebBrowser& browser() { return t.browser(); }
    Globals& g() { return t.program->g; }
    void AskQuestions() { w->Check1->setChecked(false); }
    void AddProcess(std::uint32_t pid,
                    const QString& name = QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe"))
    {
        t.processes.table.push_back({pid, name});
    }
    QString Panel(int index) const { return w->StatusBar1->Panels[static_cast<std::size_t>(index)]->text(); }

    TestProgram t;
    frmBrowser* w = nullptr;
};
