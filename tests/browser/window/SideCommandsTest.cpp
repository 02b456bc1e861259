#include "browser/BrowserFixture.h"
#include "browser/window/PresetSites.h"
#include "favourites/frmFav.h"
#include "ietools/Test_URL.h"
#include "pageedit/Form2.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

using SideCommands = BrowserFixture;

QString SecondCopyCommand(TestProgram& t, const QString& address)
{
    return t.fs->ProgramFolder() + QStringLiteral("\\") + QFileInfo(QCoreApplication::applicationFilePath()).baseName()
         + QStringLiteral(" ") + address;
}

TEST_F(SideCommands, PopUpSwitchBlocksOnlyWhenTicked)
{
    const std::pair<Qt::CheckState, int> cases[] = {{Qt::Unchecked, -1}, {Qt::PartiallyChecked, -1}, {Qt::Checked, 0}};
    for (const auto& [state, permitted] : cases) {
        w->Check2->setCheckState(state); // as the keyboard or an assistive tool changes it, without a click
        EXPECT_EQ(g().POPUP_PERMESSI, permitted) << state;
        EXPECT_EQ(browser().windowsBlocked, permitted == 0) << state; // the page is told at once
    }
    w->Check1->setChecked(false); // questions on: a window is asked about, not blocked outright
    EXPECT_FALSE(browser().windowsBlocked);
    w->Check1->setChecked(true);
    EXPECT_TRUE(browser().windowsBlocked);
}

TEST_F(SideCommands, PageButtonOnTheBlankPageOnlyCopiesTheAddress)
{
    browser().url = QStringLiteral(" about:blank");
    w->SetCommand1Caption(QStringLiteral("before"));
    w->Command1_Click();
    EXPECT_EQ(w->AddressText(), QStringLiteral(" about:blank"));
    EXPECT_EQ(w->Command1->text(), QStringLiteral("before"));
    EXPECT_TRUE(t.system.started.isEmpty());
    EXPECT_EQ(t.program->loaded<Form2>(), nullptr);
}

TEST_F(SideCommands, PageButtonOnALocalPageShowsTheEditMenuOnce)
{
    browser().url = QStringLiteral("file:///C:/HOME-PAG/INIZIO.HTM");
    w->Command1_Click();
    Form2* menu = t.program->loaded<Form2>();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(w->Command1->text(), QStringLiteral(" Modifica    pagina"));
    w->Command1_Click();
    EXPECT_EQ(t.program->loaded<Form2>(), menu);
    EXPECT_TRUE(t.system.started.isEmpty());
}

TEST_F(SideCommands, PageButtonOnAnyOtherAddressStartsASecondCopy)
{
    for (const char* address : {"http://www.tin.it/", "FILE:///C:/HOME-PAG/INIZIO.HTM"}) {
        t.system.started.clear();
        browser().url = QString::fromUtf8(address);
        w->Command1_Click();
        EXPECT_EQ(t.system.started, QStringList{SecondCopyCommand(t, browser().url)});
        EXPECT_EQ(w->Command1->text(), QStringLiteral("Nuovo Vindrex"));
    }
    EXPECT_EQ(t.program->loaded<Form2>(), nullptr);
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST_F(SideCommands, ASecondCopyThatCannotStartIsReported)
{
    browser().url = QStringLiteral("http://www.tin.it/");
    t.system.startFailures << SecondCopyCommand(t, browser().url);
    w->Command1_Click();
    EXPECT_EQ(t.ui.beeps, 1);
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
    EXPECT_EQ(t.ui.boxes[0].text,
              QStringLiteral("Non trovo il programmma ") + name + QStringLiteral(" !!! \r\r53 - File not found"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(t.ui.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Vindrel"));
}

TEST_F(SideCommands, IeListButtonShowsTheList)
{
    w->Command4_Click();
    ASSERT_NE(t.program->loaded<Test_URL>(), nullptr);
    EXPECT_TRUE(t.program->loaded<Test_URL>()->isVisible());
}

// Without a Favourites folder the program ends, but through the closing step: the question about
// this session's addresses still comes and Yes still saves them.
TEST_F(SideCommands, FavouritesButtonWithoutAFolderEndsTheProgramThroughTheClosingStep)
{
    t.system.favorites.clear();
    g().SITI_VISITATI = 1;
    w->AppendToAddressList(QStringLiteral("http://www.rai.it/"));
    w->Command3->click();

    ASSERT_EQ(t.ui.boxes.size(), 2u);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Errore di accesso"));
    EXPECT_EQ(t.ui.boxes[1].text, QStringLiteral("Desideri registrare i Link dei Siti Internet visualizzati (S/N)"));
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("prog/VINDREL.DAT")), QByteArray("http://www.rai.it/\r\n"));
    EXPECT_EQ(t.ui.ended, 1);
    EXPECT_FALSE(t.ui.endedImmediately);
    EXPECT_EQ(t.program->loaded<frmFav>(), nullptr);
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(t.ui.hourglass);
}

TEST_F(SideCommands, IdShowsAddressAndUpperCaseHostThenCopiesTheAddress)
{
    w->Command6_Click();
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("Il tuo indirizzo IP e':   192.168.1.20\r\n\r\nLogin: PC-CASA"));
    EXPECT_EQ(t.ui.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("IP Check"));
    EXPECT_EQ(t.system.clipboardClears, 1);
    EXPECT_EQ(t.system.clipboard, QStringLiteral("192.168.1.20"));
}

void ExpectOneLocationBox(const FakeUi& ui, const QString& text)
{
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, text);
    EXPECT_EQ(ui.boxes[0].icon, MsgIcon::Information);
    EXPECT_EQ(ui.boxes[0].title, QStringLiteral("Location Url"));
}

TEST_F(SideCommands, CopyAddressShowsAndCopiesEvenTheBlankPage)
{
    browser().url = QStringLiteral("about:blank");
    w->Command7_Click();
    ExpectOneLocationBox(t.ui, QStringLiteral("Indirizzo attuale: about:blank"));
    EXPECT_EQ(t.system.clipboard, QStringLiteral("about:blank"));
}

TEST_F(SideCommands, CopyAddressWithoutAnAddressLeavesTheClipboard)
{
    browser().url.clear();
    w->Command7_Click();
    ExpectOneLocationBox(t.ui, QStringLiteral("Non c'e' nessun indirizzo valido !!!"));
    EXPECT_EQ(t.system.clipboard, QStringLiteral("(untouched)"));
    EXPECT_EQ(t.system.clipboardClears, 0);
}

TEST_F(SideCommands, PresetButtonsOpenTheirSiteThroughTheAddressBox)
{
    const char* expected[] = {
        "www.tin.it",     "www.libero.it", "www.tiscali.it", "www.google.it", "http://www.symantec.com/downloads/",
        "www.virgilio.it"};
    for (int i = 0; i < 6; ++i) {
        browser().calls.clear();
        w->Command8_Click(i);
        const QString site = QString::fromUtf8(expected[i]);
        EXPECT_EQ(g().INDIRIZZO_INIZIALE, site);
        EXPECT_EQ(browser().navigations(), QStringList{site});
        EXPECT_EQ(w->AddressText(), site);
        EXPECT_EQ(w->Command1->text(), QStringLiteral("Nuovo Vindrex"));
        EXPECT_EQ(w->focusWidget(), w->Command7);
    }
    EXPECT_EQ(kPresetSites[4].toolTip, QStringLiteral("Scarica Aggiornamento AntiVirus Norton"));
}

TEST_F(SideCommands, AnIndexOutsideThePresetsReopensTheStartAddress)
{
    g().INDIRIZZO_INIZIALE = QStringLiteral("www.libero.it");
    w->Command8_Click(6);
    EXPECT_EQ(g().INDIRIZZO_INIZIALE, QStringLiteral("www.libero.it"));
    EXPECT_EQ(browser().navigations(), QStringList{QStringLiteral("www.libero.it")});
}

} // namespace
