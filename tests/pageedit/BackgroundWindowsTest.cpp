#include "PageFixture.h"
#include "pageedit/Form1.h"
#include "pageedit/Form2.h"
#include "pageedit/Form3.h"
#include "pageedit/Form4.h"
#include "pageedit/ImageBox.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QByteArray kBodyLine = "<body background=\"SF2.JPG\" text=\"#000000\">";

class BackgroundWindowsTest : public PageFixture {
protected:
    BackgroundWindowsTest() { WritePage(kBodyLine + "\r\n<p>x</p>\r\n</body>\r\n"); }

    void WritePicture(const QString& name, QColor colour)
    {
        QImage image(32, 32, QImage::Format_RGB32);
        image.fill(colour);
        image.save(t.host(QStringLiteral("C/HOME-PAG/") + name), "JPG");
    }
    QByteArray FirstLine() const { return Page().split('\r').value(0); }
    Form1& chooser() { return t.program->form<Form1>(); }
    QStringList Tags()
    {
        QStringList out;
        for (const ImageBox* box : chooser().Image1)
            out << box->Tag;
        return out;
    }
};

} // namespace

TEST_F(BackgroundWindowsTest, MenuOpensTheChooserModalAndTheCreatorsNot)
{
    Form2& menu = t.program->form<Form2>();
    EXPECT_EQ(menu.Caption(), QStringLiteral("Menu possibili modifiche"));
    EXPECT_EQ(menu.Command4->text(), QStringLiteral("Collega un'altra pagina"));
    EXPECT_EQ(menu.Command3->text(), QStringLiteral("F I N E"));
    menu.Command2_Click();
    menu.Command4_Click();
    EXPECT_EQ(t.ui.modalRuns, 0);
    EXPECT_TRUE(t.program->loaded<Form3>()->isVisible());
    EXPECT_TRUE(t.program->loaded<Form4>()->isVisible());
    menu.Command1_Click();
    EXPECT_EQ(t.ui.modalRuns, 1);
    EXPECT_NE(t.program->loaded<Form1>(), nullptr);
    menu.Command3_Click();
    EXPECT_EQ(t.program->loaded<Form2>(), nullptr);
    EXPECT_NE(t.program->loaded<Form3>(), nullptr); // the creators stay open
}

TEST_F(BackgroundWindowsTest, LoadPutsListedNamesInTagsAndSkipsWhatCannotBeShown)
{
    WritePicture(QStringLiteral("SF1.JPG"), Qt::red);
    WritePicture(QStringLiteral("sf2.jpg"), Qt::green);
    t.WriteHostFile(QStringLiteral("C/HOME-PAG/SF3.JPG"), "not a picture");
    QDir().mkpath(t.host(QStringLiteral("C/HOME-PAG/SF4.JPG"))); // a folder is not listed
    t.WriteHostFile(QStringLiteral("C/HOME-PAG/ALTRO.JPG"), "x");

    std::vector<QString> listed;
    const auto listing = t.fs->List(QStringLiteral("C:\\HOME-PAG\\"), QStringLiteral("SF*.JPG"));
    ASSERT_TRUE(listing.has_value());
    for (const DirEntry& e : *listing)
        if (!e.isDirectory)
            listed.push_back(e.name);
    ASSERT_EQ(listed.size(), 3u);

    QStringList expected(13, QString());
    for (size_t i = 0; i < listed.size(); ++i)
        expected[static_cast<int>(i)] = listed[i];
    EXPECT_EQ(Tags(), expected);
    for (size_t i = 0; i < listed.size(); ++i) {
        const QImage shown = chooser().Image1[i]->pixmap().toImage();
        if (listed[i] == QLatin1String("SF3.JPG"))
            EXPECT_EQ(shown, QImage(QStringLiteral(":/pageedit/builtin%1.png").arg(i + 1)).convertedTo(shown.format()))
                << "an unreadable file keeps the built-in picture";
        else
            EXPECT_EQ(shown.size(), QSize(32, 32)) << listed[i].toStdString();
    }
    EXPECT_FALSE(t.ui.hourglass);
    EXPECT_EQ(chooser().CommonDialog1.initialFolder, QStringLiteral("C:\\HOME-PAG\\"));
}

TEST_F(BackgroundWindowsTest, SlotsBeyondTheThirteenthAreIgnoredAndAFailedListingOpensEmpty)
{
    for (int i = 0; i < 15; ++i)
        t.WriteHostFile(QStringLiteral("C/HOME-PAG/SF%1.JPG").arg(i, 2, 10, QLatin1Char('0')), "x");
    QStringList tags = Tags();
    EXPECT_EQ(tags.size(), 13);
    EXPECT_FALSE(tags.contains(QString()));
    chooser().cmdUSCITA_Click();

    t.program->g.CARTELLA_HOME = QStringLiteral("Q:\\NESSUNA\\"); // a drive that is not there
    EXPECT_EQ(Tags(), QStringList(13, QString()));
    EXPECT_FALSE(chooser().Image1[4]->pixmap().isNull());
    EXPECT_TRUE(chooser().Image1[5]->pixmap().isNull());
}

TEST_F(BackgroundWindowsTest, ClickingAPicturePointsEveryBackgroundAtItAndCloses)
{
    WritePicture(QStringLiteral("SF1.JPG"), Qt::red);
    chooser().Image1_Click(0);
    EXPECT_EQ(FirstLine(), QByteArray("<body background=\"file:///C:\\HOME-PAG\\SF1.JPG\" text=\"#000000\">"));
    EXPECT_EQ(t.ui.beeps, 1);
    EXPECT_EQ(t.program->loaded<Form1>(), nullptr);
    EXPECT_EQ(Refreshes(), 1);
}

TEST_F(BackgroundWindowsTest, ABoxWithoutANameResolvesToTheHomeFolder)
{
    chooser().Image1_Click(3);
    EXPECT_EQ(FirstLine(), QByteArray("<body background=\"file:///C:\\HOME-PAG\\\" text=\"#000000\">"));
}

TEST_F(BackgroundWindowsTest, FailedRewriteFromAClickKeepsTheChooserFromConfirmClosesIt)
{
    WritePicture(QStringLiteral("SF1.JPG"), Qt::red);
    browserWindow.tag = QStringLiteral("C:\\HOME-PAG\\MANCA.HTM");
    chooser().Image1_Click(0);
    ASSERT_NE(t.program->loaded<Form1>(), nullptr);
    chooser().Text1->setText(QStringLiteral(" SF1.JPG "));
    chooser().cmdCONFERMA_Click();
    EXPECT_EQ(t.ui.texts(), (QStringList(2, QStringLiteral("Errore in lettura pagina C:\\HOME-PAG\\MANCA.HTM"))));
    EXPECT_EQ(t.program->loaded<Form1>(), nullptr);
}

TEST_F(BackgroundWindowsTest, ConfirmNeedsAnExistingImage)
{
    chooser().cmdCONFERMA_Click();
    chooser().Text1->setText(QStringLiteral("SF9.JPG"));
    chooser().cmdCONFERMA_Click();
    EXPECT_EQ(t.ui.texts(), (QStringList{QStringLiteral("Immagine C:\\HOME-PAG\\ non trovata !!!"),
                                         QStringLiteral("Immagine C:\\HOME-PAG\\SF9.JPG non trovata !!!")}));
    EXPECT_EQ(t.ui.beeps, 2);
    EXPECT_NE(t.program->loaded<Form1>(), nullptr);
    EXPECT_EQ(Refreshes(), 0);

    t.WriteHostFile(QStringLiteral("D/IMMAGINI/SF9.JPG"), "x"); // typed with a drive: used as typed
    chooser().Text1->setText(QStringLiteral("D:\\IMMAGINI\\SF9.JPG"));
    chooser().cmdCONFERMA_Click();
    EXPECT_EQ(FirstLine(), QByteArray("<body background=\"file:///D:\\IMMAGINI\\SF9.JPG\" text=\"#000000\">"));
    EXPECT_EQ(t.program->loaded<Form1>(), nullptr);
}

TEST_F(BackgroundWindowsTest, BrowseAsksForPicturesAndKeepsTheLastName)
{
    chooser().cmdSFOGLIA_Click();
    ASSERT_EQ(t.ui.dialogs.size(), 1u);
    const FileDialogRequest& asked = t.ui.dialogs[0];
    EXPECT_EQ(asked.title, QStringLiteral("Ricerca immagini"));
    EXPECT_EQ(asked.fileName, QStringLiteral("*.JPG;*.BMP;*.TIF;*.GIF;*.PCX"));
    EXPECT_EQ(asked.filter, QStringLiteral("*.JPG;*.BMP;*.TIF;*.GIF;*.PCX"));
    EXPECT_EQ(asked.initialFolder, QStringLiteral("C:\\HOME-PAG\\"));
    EXPECT_EQ(chooser().Text1->text(), QStringLiteral("*.JPG;*.BMP;*.TIF;*.GIF;*.PCX"));

    t.ui.dialogAnswers.push_back(QStringLiteral("C:\\FOTO\\MARE.BMP"));
    chooser().cmdSFOGLIA_Click();
    chooser().cmdSFOGLIA_Click();
    EXPECT_EQ(t.ui.dialogs[2].fileName, QStringLiteral("C:\\FOTO\\MARE.BMP"));
    EXPECT_EQ(chooser().Text1->text(), QStringLiteral("C:\\FOTO\\MARE.BMP"));
}
