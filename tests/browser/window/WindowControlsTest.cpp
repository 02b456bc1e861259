#include "browser/WindowFixture.h"
#include "app/Twips.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

namespace {

struct ControlCase {
    const char* name;
    const char* caption;
    const char* toolTip;
    QRect twips;
};

const ControlCase kControls[] = {
    {"Command1", " Modifica    pagina", " Modifica Pagina .HTML", {2850, 0, 870, 495}},
    {"Check1", "Elimina domande", "", {3825, 285, 1680, 195}},
    {"Check2", "Elimina Win PopUp", "", {3825, 495, 1680, 195}},
    {"Command2", "Vedo Storia", "Visualizzo lo Storico dei Siti visitati", {10575, 0, 990, 315}},
    {"Command3", "Vedo Link Preferiti", "Richiama elenco Preferiti di IE", {5520, 315, 1485, 315}},
    {"Command4",
     "Vedo finestre IE aperte",
     "Gestione finestre IE aperte e cancellazione dalla memoria",
     {7005, 315, 1875, 315}},
    {"Command5", "Varia storia", "Gestione dello Storico dei Siti visitatii", {8880, 315, 975, 315}},
    {"Command6", "ID", "Informazioni Login e Numero IP del PC", {9855, 315, 525, 315}},
    {"Command7",
     "Copia Address",
     "Copia URL indirizzo Internet nella Storia dei Siti visitati",
     {10380, 315, 1215, 315}},
    {"Command8_0", "Tin", "www.tin.it", {45, 495, 615, 195}},
    {"Command8_5", "..", "www.virgilio.it", {3135, 495, 615, 195}},
};

QString CaptionOf(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return qobject_cast<const QLabel*>(control)->text();
}

class WindowControls : public WindowFixture {};

TEST_F(WindowControls, StandAtTheirDesignPlacesWithTheirTexts)
{
    frmBrowser& w = Load();
    for (const ControlCase& c : kControls) {
        const auto* control = w.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(CaptionOf(control), QString::fromUtf8(c.caption)) << c.name;
        EXPECT_EQ(control->toolTip(), QString::fromUtf8(c.toolTip)) << c.name;
        EXPECT_EQ(TwipsGeometry(control), c.twips) << c.name;
        EXPECT_EQ(control->parentWidget(), w.picAddress) << c.name;
    }
    EXPECT_FALSE(w.Command2->isVisibleTo(&w));
    EXPECT_TRUE(w.Check1->isChecked());
    EXPECT_TRUE(w.Check2->isChecked());
    EXPECT_EQ(w.lblAddress->text(), QStringLiteral("&Address:"));
    EXPECT_EQ(w.Caption(), QStringLiteral("Vindrel"));
    EXPECT_EQ(w.ScaleWidth(), 11595);
    EXPECT_EQ(w.ScaleHeight(), 7500);
    EXPECT_EQ(w.timTimer->interval(), 1000);
    EXPECT_EQ(w.cboAddress->insertPolicy(), QComboBox::NoInsert);
    EXPECT_TRUE(w.cboAddress->isEditable());

    QStringList keys;
    for (const QAction* action : w.tbToolBar->actions()) {
        EXPECT_EQ(action->toolTip(), action->data().toString());
        keys << action->data().toString();
        // Each button shows a picture of its own, greyed when it is off.
        const QImage on = action->icon().pixmap(20, QIcon::Normal).toImage();
        const QImage off = action->icon().pixmap(20, QIcon::Disabled).toImage();
        EXPECT_EQ(on.size(), QSize(20, 20)) << keys.last().toStdString();
        QImage blank(on.size(), on.format());
        blank.fill(Qt::transparent);
        EXPECT_NE(on, blank) << keys.last().toStdString();
        EXPECT_NE(on, off) << keys.last().toStdString();
        // On a screen of twice the density, twice the pixels, no more.
        EXPECT_EQ(action->icon().pixmap(QSize(20, 20), 2.0).size(), QSize(40, 40)) << keys.last().toStdString();
    }
    EXPECT_EQ(keys, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));
}

TEST_F(WindowControls, EveryCaptionFitsItsControl)
{
    frmBrowser& w = Load();
    for (const QAbstractButton* control : w.picAddress->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        const QFontMetrics metrics(control->font());
        const QString text = control->text();
        // A button may condense a long caption, but not below three quarters of its width.
        int room = (control->width() - 4) * 4 / 3;
        if (qobject_cast<const QCheckBox*>(control))
            room = control->width() - control->style()->pixelMetric(QStyle::PM_IndicatorWidth)
                 - control->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        const QRect needed = metrics.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, text);
        EXPECT_LE(needed.width(), room) << control->objectName().toStdString();
        EXPECT_LE(needed.height(), control->height()) << control->objectName().toStdString();
    }
    const QFontMetrics labelMetrics(w.lblAddress->font());
    EXPECT_LE(labelMetrics.horizontalAdvance(QStringLiteral("Address:")), w.lblAddress->width());
}

TEST_F(WindowControls, EnterInTheAddressBoxNavigatesOnceLeavingItNever)
{
    frmBrowser& w = Load();
    const QString listed = QStringLiteral("http:\\\\www.altro.it");
    w.AppendToAddressList(listed);
    t.browser().calls.clear();
    int picks = 0;
    const QObject counter;
    QObject::connect(w.cboAddress, &AddressBox::picked, &counter, [&picks] { ++picks; });
    QApplication::setActiveWindow(&w);
    w.cboAddress->setFocus();
    w.SetAddressText(listed); // a list entry other than the current one, which the box itself would pick
    w.Command7->setFocus();   // the focus leaves the box
    ASSERT_FALSE(w.cboAddress->hasFocus());
    EXPECT_EQ(picks, 0);
    EXPECT_TRUE(t.browser().navigations().isEmpty());

    // Keys go where the focus is: to the box, which hands them on to its edit field.
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(w.cboAddress, &enter);
    EXPECT_EQ(picks, 0);
    EXPECT_EQ(t.browser().navigations(), QStringList{listed});
    EXPECT_EQ(w.AddressList().size(), 2);

    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QCoreApplication::sendEvent(w.cboAddress, &letter);
    EXPECT_EQ(w.AddressText(), listed + QStringLiteral("a")); // other keys reach the box
}

TEST_F(WindowControls, DoubleClickOnTheLabelShowsTheAboutBox)
{
    frmBrowser& w = Load();
    const QPointF inside(2, 2);
    QMouseEvent click(QEvent::MouseButtonDblClick, inside, w.lblAddress->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w.lblAddress, &click);
    EXPECT_EQ(t.ui.beeps, 1);
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("VINDREL - Visualizzatore files .HTML per INTERNET\r\rUA 16/01/03"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Vindrel"));
}

// The drop-down of a long history: an entry chosen in it with the keys opens it.
TEST_F(WindowControls, AnEntryPickedInTheDropDownIsOpened)
{
    frmBrowser& w = Load();
    for (int i = 0; i < 3000; ++i)
        w.AppendToAddressList(QStringLiteral("http://www.sito%1.it/").arg(i));
    t.browser().calls.clear();
    w.cboAddress->showPopup();
    QAbstractItemView& list = *w.cboAddress->view();
    list.setCurrentIndex(list.model()->index(2001, 0)); // as the arrow keys move there
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&list, &enter);
    EXPECT_EQ(t.browser().navigations(), QStringList{QStringLiteral("http://www.sito2000.it/")});
    EXPECT_EQ(w.AddressText(), QStringLiteral("http://www.sito2000.it/"));
}

TEST_F(WindowControls, AppendingTheFirstEntryKeepsTheTypedText)
{
    frmBrowser& w = Load();
    w.cboAddress->clear();
    w.SetAddressText(QStringLiteral("digitato"));
    w.AppendToAddressList(QStringLiteral("primo"));
    EXPECT_EQ(w.AddressText(), QStringLiteral("digitato"));
    EXPECT_EQ(w.AddressList(), QStringList{QStringLiteral("primo")});
}

} // namespace
