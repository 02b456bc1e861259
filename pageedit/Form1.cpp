#include "Form1.h"

#include "BackgroundRule.h"
#include "ImageBox.h"
#include "Markup.h"
#include "PageRewrite.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "app/Twips.h"
#include "platform/files/FileSystem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

static void LoadBuiltInPictures() { Q_INIT_RESOURCE(backgrounds); }

namespace {

constexpr int kImageSide = 1035;
constexpr int kImageGap = 120;
constexpr int kImagesPerRow = 7;

template <class T> T* Place(T* control, const QString& name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    SetTwipsGeometry(control, left, top, width, height);
    return control;
}

} // namespace

Form1::Form1(Program& program) : Form(program)
{
    LoadBuiltInPictures();
    SetCaption(QStringLiteral("Selezione colore di sfondo della pagina"));
    Label1 = Place(new QLabel(QStringLiteral("Nome immagine di sfondo :"), this), QStringLiteral("Label1"), 120, 180,
                   2760, 255);
    Text1 = Place(new QLineEdit(this), QStringLiteral("Text1"), 2940, 120, 3360, 375);
    cmdSFOGLIA = Place(new QPushButton(QStringLiteral("Sfoglia ..."), this), QStringLiteral("cmdSFOGLIA"), 6420, 120,
                       1665, 375);
    for (int i = 0; i < static_cast<int>(Image1.size()); ++i) {
        Image1[i] = new ImageBox(i, this);
        SetTwipsGeometry(Image1[i], kImageGap + (i % kImagesPerRow) * (kImageSide + kImageGap),
                         660 + (i / kImagesPerRow) * (kImageSide + kImageGap), kImageSide, kImageSide);
        connect(Image1[i], &ImageBox::Click, this, &Form1::Image1_Click);
    }
    for (int i = 0; i < 5; ++i)
        Image1[i]->setPixmap(QPixmap(QStringLiteral(":/pageedit/builtin%1.png").arg(i + 1)));
    cmdCONFERMA = Place(new QPushButton(QStringLiteral("Conferma"), this), QStringLiteral("cmdCONFERMA"), 4440, 3120,
                        1575, 420);
    cmdUSCITA = Place(new QPushButton(QStringLiteral("Annulla / Uscita"), this), QStringLiteral("cmdUSCITA"), 6180,
                      3120, 1905, 420);
    SetClientSizeTwips(8205, 3720);

    CommonDialog1.title = QStringLiteral("Ricerca immagini");
    CommonDialog1.fileName = QStringLiteral("*.JPG;*.BMP;*.TIF;*.GIF;*.PCX");
    CommonDialog1.filter = CommonDialog1.fileName;

    connect(cmdSFOGLIA, &QPushButton::clicked, this, &Form1::cmdSFOGLIA_Click);
    connect(cmdCONFERMA, &QPushButton::clicked, this, &Form1::cmdCONFERMA_Click);
    connect(cmdUSCITA, &QPushButton::clicked, this, &Form1::cmdUSCITA_Click);
}

void Form1::Form_Load()
{
    CommonDialog1.initialFolder = program().g.CARTELLA_HOME;
    FillImages();
    program().ui().SetHourglass(false);
}

// A listing that cannot start leaves the chooser with its built-in pictures only.
void Form1::FillImages()
{
    const QString& home = program().g.CARTELLA_HOME;
    const auto entries = program().fs().List(home, QStringLiteral("SF*.JPG"));
    if (!entries)
        return;
    size_t slot = 0;
    for (const DirEntry& entry : *entries) {
        if (entry.isDirectory || entry.isHidden)
            continue;
        if (slot < Image1.size()) {
            Image1[slot]->Tag = entry.name;
            const QPixmap picture(program().fs().HostPath(home + entry.name));
            if (!picture.isNull())
                Image1[slot]->setPixmap(picture);
        }
        ++slot;
    }
}

void Form1::cmdSFOGLIA_Click()
{
    CommonDialog1.fileName = program().ui().OpenFileDialog(this, CommonDialog1);
    Text1->setText(CommonDialog1.fileName);
}

void Form1::cmdCONFERMA_Click()
{
    const QString name = TrimBlanks(Text1->text());
    const QString path = ResolveImagePath(program().g.CARTELLA_HOME, name);
    if (name.isEmpty() || !program().fs().CanOpenForReading(path)) {
        ReportNotFound(path);
        return;
    }
    Image1_Click(-1);
    Unload();
}

void Form1::cmdUSCITA_Click() { Unload(); }

void Form1::Image1_Click(int index)
{
    program().ui().Beep();
    const QString name = index < 0 ? TrimBlanks(Text1->text()) : Image1[index]->Tag;
    if (RewritePage(program(), SubstituteLines{BackgroundRule(ResolveImagePath(program().g.CARTELLA_HOME, name))}))
        Unload();
}

void Form1::ReportNotFound(const QString& path)
{
    program().ui().Beep();
    program().ui().MsgBox(QStringLiteral("Immagine ") + path + QStringLiteral(" non trovata !!!"));
}
