#include "PageFixture.h"
#include "pageedit/Colore.h"
#include "pageedit/Form3.h"
#include "pageedit/Form4.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QKeyEvent>

namespace {

class MarkupWindowsTest : public PageFixture {
protected:
    MarkupWindowsTest() { WritePage("<body>\r\n</body>\r\n"); }
    // The line inserted after the body end, or empty.
    QByteArray InsertedLine() const
    {
        const QByteArrayList lines = Page().split('\n');
        return lines.size() > 2 ? lines[2].chopped(1) : QByteArray();
    }
    Form3& banner() { return t.program->form<Form3>(); }
    Form4& link() { return t.program->form<Form4>(); }
};

QStringList Items(const QComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

} // namespace

TEST_F(MarkupWindowsTest, LoadFillsHeadingsAndColoursInBothWindows)
{
    const QStringList headings{"H0 - Titoli",      "H1 - Scrittura 1", "H2 - Scrittura 2", "H3 - Scrittura 3",
                               "H4 - Scrittura 4", "H5 - Scrittura 5", "H6 - Scrittura 6"};
    for (MarkupForm* form : {static_cast<MarkupForm*>(&banner()), static_cast<MarkupForm*>(&link())}) {
        EXPECT_EQ(Items(form->Combo1), headings);
        EXPECT_EQ(form->Combo1->currentText(), QStringLiteral("H2 - Scrittura 2"));
        EXPECT_EQ(form->Text2[0]->text(), QStringLiteral("#FFFF80"));
        EXPECT_EQ(form->Text2[1]->text(), QStringLiteral("#000080"));
        EXPECT_TRUE(form->Option2[0]->isChecked());
        EXPECT_EQ(form->Option2[0]->text(), QStringLiteral("Allinea a sinistra   I.....        I"));
        EXPECT_EQ(form->Option2[1]->text(), QStringLiteral("Allinea in centro   I    .....    I"));
        EXPECT_EQ(form->Option2[2]->text(), QStringLiteral("Allinea a destra    I        .....I"));
        EXPECT_NE(form->findChild<QLineEdit*>(QStringLiteral("Text2_1")), nullptr);
        EXPECT_NE(form->findChild<QRadioButton*>(QStringLiteral("Option2_2")), nullptr);
    }
    EXPECT_EQ(banner().Caption(), QStringLiteral("Creazione di una nuova scritta"));
    EXPECT_EQ(link().Caption(), QStringLiteral("Creazione collegamento ad altra pagina .HTML "));
}

TEST_F(MarkupWindowsTest, ATypedHeadingIsUsedButNotAddedToTheList)
{
    Form3& f = banner();
    f.Combo1->setEditText(QStringLiteral("Titolo"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(f.Combo1, &enter); // where a real key goes: the box, which hands it on
    EXPECT_EQ(f.Combo1->count(), 7);
    f.Text1->setText(QStringLiteral("x"));
    f.Command1_Click();
    EXPECT_EQ(InsertedLine(), QByteArray("<Ti><p align=\"left\"><font color=\"#FFFF80\">x</font></p></Ti>"));
}

TEST_F(MarkupWindowsTest, ScrollingDisablesAlignmentWithoutChangingIt)
{
    Form3& f = banner();
    f.Option2[1]->setChecked(true);
    f.Option1[1]->click();
    EXPECT_FALSE(f.Frame2->isEnabled());
    EXPECT_TRUE(f.Option2[1]->isChecked());
    EXPECT_TRUE(f.Text2[1]->isEnabled());
    f.Option1[0]->click();
    EXPECT_TRUE(f.Frame2->isEnabled());
    EXPECT_TRUE(f.Option2[2]->isEnabled());
    f.Option1[1]->setChecked(true); // chosen without a click, as an assistive tool does
    EXPECT_FALSE(f.Frame2->isEnabled());
}

TEST_F(MarkupWindowsTest, BannerWorkedExamplesReachThePageAndCloseTheWindow)
{
    banner().Text1->setText(QStringLiteral("Benvenuti"));
    banner().Check1->setChecked(true);
    banner().Command1_Click();
    EXPECT_EQ(InsertedLine(),
              QByteArray("<H2><p align=\"left\"><font color=\"#FFFF80\"><strong>Benvenuti</strong></font></p></H2>"));
    EXPECT_EQ(t.program->loaded<Form3>(), nullptr);

    WritePage("</body>\r\n");
    Form3& again = banner(); // loaded anew: its fields are reset
    EXPECT_EQ(again.Text1->text(), QString());
    again.Text1->setText(QStringLiteral("Benvenuti"));
    again.Check2->setCheckState(Qt::PartiallyChecked); // greyed is not ticked
    again.Option2[1]->setChecked(true);
    again.Option1[1]->click();
    again.Command1_Click();
    EXPECT_EQ(Page().split('\n').value(1).chopped(1),
              QByteArray(
                  "<H2><p><font color=\"#FFFF80\"><marquee bgcolor=\"#000080\">Benvenuti</marquee></font></p></H2>"));
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST_F(MarkupWindowsTest, BlankTextIsRefusedAndAFailedRewriteKeepsTheWindow)
{
    banner().Text1->setText(QStringLiteral("   "));
    banner().Command1_Click();
    EXPECT_EQ(t.ui.texts(), QStringList{QStringLiteral("Indicare un testo per la scritta da creare !!!")});
    EXPECT_EQ(t.ui.beeps, 1);
    EXPECT_EQ(Refreshes(), 0);

    browserWindow.tag = QStringLiteral("C:\\HOME-PAG\\MANCA.HTM");
    banner().Text1->setText(QStringLiteral("ciao"));
    banner().Command1_Click();
    ASSERT_NE(t.program->loaded<Form3>(), nullptr);
    EXPECT_EQ(t.program->loaded<Form3>()->Text1->text(), QStringLiteral("ciao"));
    EXPECT_EQ(t.ui.texts().last(), QStringLiteral("Errore in lettura pagina C:\\HOME-PAG\\MANCA.HTM"));
}

TEST_F(MarkupWindowsTest, LinkValidatesTextFirstThenThePage)
{
    link().Command1_Click();
    link().Text1->setText(QStringLiteral("vai"));
    link().txtPAG_COLLEGATA->setText(QStringLiteral("  "));
    link().Command1_Click();
    EXPECT_EQ(t.ui.texts(), (QStringList{QStringLiteral("Indicare un testo per la scritta da creare !!!"),
                                         QStringLiteral("Indicare il nome della pagina da collegare !!!")}));
    EXPECT_EQ(t.ui.beeps, 2);
    EXPECT_EQ(Page(), QByteArray("<body>\r\n</body>\r\n"));
}

TEST_F(MarkupWindowsTest, LinkWorkedExampleIgnoresTheBackgroundColour)
{
    link().Text1->setText(QStringLiteral("Vai alla pagina 2"));
    link().txtPAG_COLLEGATA->setText(QStringLiteral(" C:\\HOME-PAG\\PAG2.HTM "));
    link().Option2[1]->setChecked(true);
    link().Text2[1]->setText(QStringLiteral("#123456"));
    link().Command1_Click();
    EXPECT_EQ(InsertedLine(), QByteArray("<H2><a href=\"file://C:\\HOME-PAG\\PAG2.HTM\"><p align=\"center\"><font "
                                         "color=\"#FFFF80\">Vai alla pagina 2</font></p></a></H2>"));
    EXPECT_EQ(t.program->loaded<Form4>(), nullptr);
}

TEST_F(MarkupWindowsTest, BrowseStartsInTheHomeFolderAndCancelKeepsThePattern)
{
    link().Command4_Click();
    ASSERT_EQ(t.ui.dialogs.size(), 1u);
    EXPECT_EQ(t.ui.dialogs[0].fileName, QStringLiteral("C:\\HOME-PAG\\*.HTM"));
    EXPECT_EQ(link().txtPAG_COLLEGATA->text(), QStringLiteral("C:\\HOME-PAG\\*.HTM"));

    t.ui.dialogAnswers.push_back(QStringLiteral("C:\\HOME-PAG\\PAG2.HTM"));
    t.program->g.CARTELLA_HOME.clear();
    link().Command4_Click();
    EXPECT_EQ(t.ui.dialogs[1].fileName, QStringLiteral("*.HTM"));
    EXPECT_EQ(link().txtPAG_COLLEGATA->text(), QStringLiteral("C:\\HOME-PAG\\PAG2.HTM"));
}

TEST_F(MarkupWindowsTest, ColourButtonsOpenThePickerOnTheirBox)
{
    banner().Command3_Click(0);
    EXPECT_EQ(t.program->g.FORM_COLORE, 3);
    EXPECT_EQ(t.program->g.INDICE_COLORE, 0);
    ASSERT_NE(t.program->loaded<Colore>(), nullptr);
    EXPECT_TRUE(t.program->loaded<Colore>()->isVisible());
    EXPECT_EQ(banner().Text2[0]->text(), QStringLiteral("#C856F2")); // written on load, kept on "Annulla"
    t.program->loaded<Colore>()->Command2_Click();
    EXPECT_EQ(banner().Text2[0]->text(), QStringLiteral("#C856F2"));

    link().Command3_Click(1);
    EXPECT_EQ(t.program->g.FORM_COLORE, 4);
    EXPECT_EQ(t.program->g.INDICE_COLORE, 1);
    EXPECT_EQ(link().Text2[1]->text(), QStringLiteral("#C856F2"));
    EXPECT_EQ(link().Text2[0]->text(), QStringLiteral("#FFFF80"));
}
