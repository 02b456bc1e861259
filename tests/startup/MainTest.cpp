#include "browser/window/frmBrowser.h"
#include "fakes/TestProgram.h"
#include "startup/Main.h"

#include <QComboBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class StartUp : public ::testing::Test {
protected:
    StartUp()
    {
        t.program->SetBrowserWindow([this]() -> BrowserWindow& { return t.program->form<frmBrowser>(); });
    }
    frmBrowser& Window() { return *t.program->loaded<frmBrowser>(); }
    Globals& g() { return t.program->g; }

    TestProgram t;
};

TEST_F(StartUp, NoArgumentOpensTheHomePageOfDriveC)
{
    t.WriteHostFile(QStringLiteral("C/HOME-PAG/INIZIO.HTM"), "<html></html>");
    t.WriteHostFile(QStringLiteral("D/HOME-PAG/INIZIO.HTM"), "<html></html>");
    Main(*t.program, QString());
    EXPECT_EQ(g().CARTELLA_HOME, QStringLiteral("C:\\HOME-PAG\\"));
    EXPECT_EQ(t.browser().navigations(), QStringList{QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM")});
    EXPECT_TRUE(Window().isVisible());
}

TEST_F(StartUp, NoArgumentFallsBackOnDriveDThenOnTheBlankPage)
{
    t.WriteHostFile(QStringLiteral("D/HOME-PAG/INIZIO.HTM"), "<html></html>");
    Main(*t.program, QStringLiteral("   "));
    EXPECT_EQ(g().CARTELLA_HOME, QStringLiteral("D:\\HOME-PAG\\"));
    EXPECT_EQ(t.browser().navigations(), QStringList{QStringLiteral("D:\\HOME-PAG\\INIZIO.HTM")});
}

TEST_F(StartUp, NoHomePageAnywhereOpensTheBlankPage)
{
    t.environment.remove(QStringLiteral("VINDREL_DRIVE_D")); // a missing drive fails the test like a missing file
    Main(*t.program, QString());
    EXPECT_EQ(g().CARTELLA_HOME, QStringLiteral("D:\\HOME-PAG\\"));
    EXPECT_EQ(g().INDIRIZZO_INIZIALE, QStringLiteral("about:blank"));
    EXPECT_EQ(t.browser().navigations(), QStringList{QStringLiteral("about:blank")});
    EXPECT_EQ(Window().AddressList(), QStringList{QStringLiteral("about:blank")});
}

TEST_F(StartUp, AnArgumentIsListedTwiceAndOpenedTwice)
{
    // The window's load step opens and lists it, then the routine does it again.
    t.WriteHostFile(QStringLiteral("prog/VINDREL.DAT"), "http:\\\\www.altro.it\r\n");
    Main(*t.program, QStringLiteral("C:/siti/pagina.htm"));
    const QString address = QStringLiteral("C:\\siti\\pagina.htm");
    EXPECT_EQ(g().PERCORSO_PAGINA, address);
    EXPECT_EQ(g().CARTELLA_HOME, QStringLiteral("C:\\siti\\"));
    EXPECT_EQ(t.browser().navigations(), (QStringList{address, address}));
    EXPECT_EQ(Window().AddressList(), (QStringList{address, QStringLiteral("http:\\\\www.altro.it"), address}));
    EXPECT_EQ(Window().AddressText(), address);
    EXPECT_TRUE(Window().timTimer->isActive());
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST_F(StartUp, AnArgumentThatCannotBeOpenedStillShowsTheWindowQuietly)
{
    t.failingAddresses = {QStringLiteral("nessuno.htm"), QStringLiteral("D:\\HOME-PAG\\INIZIO.HTM"),
                          QStringLiteral("C:\\WINDOWS\\VUOTA.HTM")};
    Main(*t.program, QStringLiteral("nessuno.htm"));
    EXPECT_EQ(g().CARTELLA_HOME, QString());
    EXPECT_EQ(t.browser().navigations().last(), QStringLiteral("C:\\WINDOWS\\VUOTA.HTM"));
    EXPECT_TRUE(Window().isVisible());
    EXPECT_TRUE(t.ui.boxes.empty());
}

} // namespace
