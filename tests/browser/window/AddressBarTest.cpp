#include "browser/BrowserFixture.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// Keys reach the address box as the user's typing does: the focus is on the box itself, which
// hands them on to its edit field.
void Type(QComboBox& box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&box, &key);
    }
}

// The Enter key of the keypad.
void PressEnter(QComboBox& box)
{
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(&box, &key);
}

using AddressBar = BrowserFixture;

const QString kEditPage = QStringLiteral(" Modifica    pagina");

TEST_F(AddressBar, EnterOpensTheUntrimmedTextAndCaptionFollowsTheTrimmedOne)
{
    const struct {
        const char* typed;
        QString caption;
    } cases[] = {
        {"   file:///C:/HOME-PAG/A.HTM", kEditPage},
        {"FILE:///C:/HOME-PAG/A.HTM", QStringLiteral("Nuovo Vindrex")},
        {"www.tin.it", QStringLiteral("Nuovo Vindrex")},
    };
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf8(c.typed);
        browser().calls.clear();
        w->timTimer->stop();
        g().SITI_VISITATI = 0;
        w->SetAddressText(typed);
        w->cboAddress_KeyPress(13);
        EXPECT_EQ(browser().navigations(), QStringList{typed});
        EXPECT_EQ(w->Command1->text(), c.caption) << c.typed;
        EXPECT_TRUE(w->timTimer->isActive());
        EXPECT_EQ(g().SITI_VISITATI, 1);
    }
}

TEST_F(AddressBar, TypedTextIsOpenedAsTypedNotCompletedFromTheList)
{
    w->AppendToAddressList(QStringLiteral("C:\\SITI\\PAGINA.HTML"));
    w->SetAddressText(QString());
    QApplication::setActiveWindow(w); // typing goes to the focused box, which completes only then
    w->cboAddress->setFocus();
    Type(*w->cboAddress, QStringLiteral("C:\\siti\\pagina.htm"));
    EXPECT_EQ(w->AddressText(), QStringLiteral("C:\\siti\\pagina.htm"));
    PressEnter(*w->cboAddress);
    EXPECT_EQ(browser().navigations(), QStringList{QStringLiteral("C:\\siti\\pagina.htm")});
}

TEST_F(AddressBar, OtherKeysDoNothing)
{
    w->SetAddressText(QStringLiteral("www.tin.it"));
    w->cboAddress_KeyPress('a');
    w->cboAddress_KeyPress(10);
    EXPECT_TRUE(browser().calls.isEmpty());
    EXPECT_FALSE(w->timTimer->isActive());
}

TEST_F(AddressBar, AFailedRequestLeavesCaptionAndVisitedFlag)
{
    w->SetCommand1Caption(QStringLiteral("before"));
    browser().failingAddresses << QString();
    w->SetAddressText(QString());
    w->cboAddress_Click();
    EXPECT_EQ(browser().navigations(), QStringList{QString()});
    EXPECT_EQ(w->Command1->text(), QStringLiteral("before"));
    EXPECT_EQ(g().SITI_VISITATI, 0);
    EXPECT_TRUE(w->timTimer->isActive());
    EXPECT_EQ(t.ui.beeps, 0); // nothing was asked for
    EXPECT_TRUE(t.ui.boxes.empty());

    // An address that cannot be opened is said so, never passed over in silence.
    browser().failingAddresses << QStringLiteral(" http://a b ");
    w->SetAddressText(QStringLiteral(" http://a b "));
    w->cboAddress_Click();
    EXPECT_EQ(t.ui.beeps, 1);
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("Non riesco ad aprire l'indirizzo http://a b !!!"));
    EXPECT_EQ(w->Command1->text(), QStringLiteral("before"));
    EXPECT_EQ(g().SITI_VISITATI, 0);
}

TEST_F(AddressBar, ToolbarKeysRunTheirOperationAndSwallowErrors)
{
    const struct {
        const char* key;
        const char* operation;
    } cases[] = {{"Back", "GoBack"},
                 {"Forward", "GoForward"},
                 {"Refresh", "Refresh"},
                 {"Home", "GoHome"},
                 {"Search", "GoSearch"}};
    w->SetAddressText(QStringLiteral("http://www.tin.it/"));
    for (const auto& c : cases) {
        browser().calls.clear();
        browser().failingOperations = {QString::fromUtf8(c.operation)};
        w->SetCommand1Caption(QString());
        w->timTimer->stop();
        w->tbToolBar_ButtonClick(QString::fromUtf8(c.key));
        EXPECT_EQ(browser().calls, QStringList{QString::fromUtf8(c.operation)});
        EXPECT_EQ(w->Command1->text(), QStringLiteral("Nuovo Vindrel")) << c.key;
        EXPECT_TRUE(w->timTimer->isActive()) << c.key;
    }
}

TEST_F(AddressBar, UnknownKeysOnlySetTimerAndCaption)
{
    w->SetAddressText(QStringLiteral(" file:///C:/A.HTM"));
    w->tbToolBar_ButtonClick(QStringLiteral("back"));
    EXPECT_TRUE(browser().calls.isEmpty());
    EXPECT_EQ(w->Command1->text(), kEditPage);
    EXPECT_TRUE(w->timTimer->isActive());
}

TEST_F(AddressBar, StopSwitchesTheTimerOffAndRunsOneTickEvenWhenStopFails)
{
    browser().failingOperations = {QStringLiteral("Stop")};
    browser().url = QStringLiteral("file:///C:/HOME-PAG/A.HTM");
    w->SetAddressText(QStringLiteral("http://slow.example/"));
    w->tbToolBar_ButtonClick(QStringLiteral("Stop"));
    EXPECT_EQ(browser().calls, QStringList{QStringLiteral("Stop")});
    EXPECT_FALSE(w->timTimer->isActive());
    EXPECT_EQ(w->Tag, QStringLiteral("C:\\HOME-PAG\\A.HTM"));
    EXPECT_EQ(w->AddressText(), QStringLiteral("file:///C:/HOME-PAG/A.HTM"));
    EXPECT_EQ(w->Command1->text(), kEditPage); // from the address the tick put in the box
}

TEST_F(AddressBar, StopWhileStillBusyRunsTheBusyTick)
{
    AddProcess(0x1A4);
    browser().busy = true;
    w->tbToolBar_ButtonClick(QStringLiteral("Stop"));
    EXPECT_EQ(w->Caption(), QStringLiteral("Working..."));
    EXPECT_EQ(t.processes.terminated.size(), 1u);
    EXPECT_TRUE(w->timTimer->isActive()); // the clearing switches it on again
}

} // namespace
