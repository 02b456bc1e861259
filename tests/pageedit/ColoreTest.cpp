#include "PageFixture.h"
#include "app/Twips.h"
#include "pageedit/Colore.h"
#include "pageedit/Form3.h"
#include "pageedit/Form4.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

class ColoreTest : public PageFixture {
protected:
    // The picker opened from the banner window's text colour button.
    Colore& OpenOnBannerText()
    {
        t.program->form<Form3>().Command3_Click(0);
        return *t.program->loaded<Colore>();
    }
    QString BannerText(int index) { return t.program->form<Form3>().Text2[index]->text(); }
};

} // namespace

TEST_F(ColoreTest, LoadSetsTheBarsAndShowsTheStartColour)
{
    Colore& c = OpenOnBannerText();
    for (QScrollBar* bar : {c.VScroll1, c.VScroll2, c.VScroll3}) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 255);
        EXPECT_EQ(bar->singleStep(), 10);
        EXPECT_EQ(bar->pageStep(), 1);
    }
    EXPECT_EQ(c.HScroll1->minimum(), -255);
    EXPECT_EQ(c.HScroll1->maximum(), 255);
    EXPECT_EQ(c.HScroll1->value(), 0);
    EXPECT_EQ(c.txtROSSO->text(), QStringLiteral("200"));
    EXPECT_EQ(c.txtVERDE->text(), QStringLiteral("86"));
    EXPECT_EQ(c.txtBLU->text(), QStringLiteral("242"));
    EXPECT_EQ(c.txtLUCE->text(), QStringLiteral("0"));
    EXPECT_EQ(BannerText(0), QStringLiteral("#C856F2"));
    EXPECT_EQ(c.Caption(), QStringLiteral("RICERCA COLORE DESIDERATO  RGB(R,G,B)"));
    EXPECT_EQ(TwipsGeometry(c.HScroll1), QRect(1080, 3840, 2055, 375));
    EXPECT_EQ(TwipsGeometry(c.Command2), QRect(5055, 3840, 975, 375));
}

TEST_F(ColoreTest, BrightnessIsAddedAndClampedWhileOtherBoxesKeepOldValues)
{
    Colore& c = OpenOnBannerText();
    c.HScroll1->setValue(100);
    EXPECT_EQ(BannerText(0), QStringLiteral("#FFBAFF"));
    EXPECT_EQ(c.txtLUCE->text(), QStringLiteral("100"));
    EXPECT_EQ(c.txtROSSO->text(), QStringLiteral("200")); // not refreshed by the brightness bar
    c.VScroll2->setValue(50);
    EXPECT_EQ(c.txtVERDE->text(), QStringLiteral("150"));
    EXPECT_EQ(c.txtROSSO->text(), QStringLiteral("200"));
    EXPECT_EQ(BannerText(0), QStringLiteral("#FF96FF"));

    c.HScroll1->setValue(-255);
    EXPECT_EQ(BannerText(0), QStringLiteral("#000000"));
    c.HScroll1->setValue(255);
    EXPECT_EQ(BannerText(0), QStringLiteral("#FFFFFF"));
}

TEST_F(ColoreTest, SmallComponentsKeepTwoDigits)
{
    Colore& c = OpenOnBannerText();
    c.VScroll1->setValue(5);
    c.VScroll2->setValue(0);
    c.VScroll3->setValue(15);
    EXPECT_EQ(BannerText(0), QStringLiteral("#05000F"));
    EXPECT_EQ(c.Picture1->palette().color(QPalette::Window), QColor(5, 0, 15));
}

TEST_F(ColoreTest, ReopeningOnlyRetargetsAndConfirmWritesOnceMore)
{
    Colore& c = OpenOnBannerText();
    c.VScroll1->setValue(0);
    t.program->form<Form3>().Command3_Click(1); // while open: no load step
    EXPECT_EQ(&c, t.program->loaded<Colore>());
    EXPECT_EQ(c.VScroll1->value(), 0);
    EXPECT_EQ(BannerText(1), QStringLiteral("#000080"));
    c.VScroll3->setValue(16);
    EXPECT_EQ(BannerText(1), QStringLiteral("#005610"));
    EXPECT_EQ(BannerText(0), QStringLiteral("#0056F2"));

    t.program->form<Form3>().Text2[1]->setText(QStringLiteral("typed"));
    c.Command1_Click();
    EXPECT_EQ(BannerText(1), QStringLiteral("#005610"));
    EXPECT_EQ(t.program->loaded<Colore>(), nullptr);
}

TEST_F(ColoreTest, WithoutATargetOnlyThePreviewChanges)
{
    Colore& c = OpenOnBannerText();
    t.program->g.FORM_COLORE = 0;
    c.VScroll1->setValue(10);
    EXPECT_EQ(BannerText(0), QStringLiteral("#C856F2"));
    EXPECT_EQ(c.Picture1->palette().color(QPalette::Window), QColor(10, 86, 242));

    // The link window closed since it asked: it is not opened again to take the colour.
    t.program->g.FORM_COLORE = 4;
    c.VScroll1->setValue(20);
    EXPECT_EQ(t.program->loaded<Form4>(), nullptr);
}
