#include "MarkupForm.h"

#include "Colore.h"
#include "PageRewrite.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "app/Twips.h"
#include "platform/system/UiServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <class T> T* Make(QWidget* parent, const QString& name, const QString& caption, QRect twips)
{
    auto* control = new T(caption, parent);
    control->setObjectName(name);
    SetTwipsGeometry(control, twips.x(), twips.y(), twips.width(), twips.height());
    return control;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, QRect twips)
{
    return Make<QLineEdit>(parent, name, QString(), twips);
}

} // namespace

MarkupForm::MarkupForm(Program& program, int colourWindow, int rowsTop) : Form(program), colourWindow_(colourWindow)
{
    Label1 = Make<QLabel>(this, QStringLiteral("Label1"), QStringLiteral("Testo scritta :"), {120, 180, 1740, 255});
    Text1 = MakeEdit(this, QStringLiteral("Text1"), {1920, 120, 5640, 375});

    Label2 = Make<QLabel>(this, QStringLiteral("Label2"), QStringLiteral("Grandezza testo :"),
                          {120, rowsTop + 60, 1740, 255});
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert); // a typed heading is used, never added to the list
    SetTwipsGeometry(Combo1, 1920, rowsTop, 2400, 375);

    const QString colourCaptions[] = {QStringLiteral("Colore testo :"), QStringLiteral("Colore sfondo:")};
    for (int i = 0; i < 2; ++i) {
        const int top = rowsTop + 480 * (i + 1);
        const QString index = QString::number(i);
        Label3[i] = Make<QLabel>(this, QStringLiteral("Label3_") + index, colourCaptions[i],
                                 {120, top + 60, 1740, 255});
        Text2[i] = MakeEdit(this, QStringLiteral("Text2_") + index, {1920, top, 1335, 375});
        Command3[i] = Make<QPushButton>(this, QStringLiteral("Command3_") + index, QStringLiteral("..."),
                                        {3315, top, 495, 375});
        connect(Command3[i], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
    }

    const int framesTop = rowsTop + 1500;
    Frame2 = Make<QGroupBox>(this, QStringLiteral("Frame2"), QStringLiteral("Allineamento"),
                             {120, framesTop, 5160, 1455});
    const QString alignments[] = {QStringLiteral("Allinea a sinistra   I.....        I"),
                                  QStringLiteral("Allinea in centro   I    .....    I"),
                                  QStringLiteral("Allinea a destra    I        .....I")};
    for (int i = 0; i < 3; ++i) {
        Option2[i] = Make<QRadioButton>(Frame2, QStringLiteral("Option2_") + QString::number(i), alignments[i],
                                        {180, 330 + 360 * i, 4860, 315});
        // The captions draw the alignment with dots between bars: they need even character widths.
        Option2[i]->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    }
    Option2[0]->setChecked(true);

    Frame3 = Make<QGroupBox>(this, QStringLiteral("Frame3"), QStringLiteral("Tipo scrittura"),
                             {5400, framesTop, 2160, 1455});
    Check1 = Make<QCheckBox>(Frame3, QStringLiteral("Check1"), QStringLiteral("Grassetto"), {240, 420, 1800, 315});
    Check2 = Make<QCheckBox>(Frame3, QStringLiteral("Check2"), QStringLiteral("Corsivo"), {240, 840, 1800, 315});

    const int buttonsTop = framesTop + 1680;
    Command1 = Make<QPushButton>(this, QStringLiteral("Command1"), QStringLiteral("Conferma"),
                                 {2640, buttonsTop, 1335, 420});
    Command2 = Make<QPushButton>(this, QStringLiteral("Command2"), QStringLiteral("Annulla"),
                                 {4200, buttonsTop, 1335, 420});
    connect(Command1, &QPushButton::clicked, this, &MarkupForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MarkupForm::Command2_Click);
    SetClientSizeTwips(7680, buttonsTop + 600);
}

void MarkupForm::Form_Load()
{
    Combo1->clear();
    Combo1->addItems(
        {QStringLiteral("H0 - Titoli"), QStringLiteral("H1 - Scrittura 1"), QStringLiteral("H2 - Scrittura 2")});
    Combo1->setCurrentText(QStringLiteral("H2 - Scrittura 2"));
    Combo1->addItems({QStringLiteral("H3 - Scrittura 3"), QStringLiteral("H4 - Scrittura 4"),
                      QStringLiteral("H5 - Scrittura 5"), QStringLiteral("H6 - Scrittura 6")});
    Text2[0]->setText(QStringLiteral("#FFFF80"));
    Text2[1]->setText(QStringLiteral("#000080"));
}

void MarkupForm::Command3_Click(int index)
{
    program().g.FORM_COLORE = static_cast<std::int16_t>(colourWindow_);
    program().g.INDICE_COLORE = static_cast<std::int16_t>(index);
    program().form<Colore>().Show();
}

void MarkupForm::Command2_Click() { Unload(); }

TextStyle MarkupForm::CurrentStyle() const
{
    TextStyle style;
    style.headingText = Combo1->currentText();
    style.textColour = Text2[0]->text();
    style.alignment = Option2[1]->isChecked() ? Alignment::Center
                    : Option2[2]->isChecked() ? Alignment::Right
                                              : Alignment::Left;
    style.bold = Check1->checkState() == Qt::Checked;
    style.italic = Check2->checkState() == Qt::Checked;
    style.text = Text1->text();
    return style;
}

bool MarkupForm::TextIsGiven()
{
    if (!TrimBlanks(Text1->text()).isEmpty())
        return true;
    program().ui().Beep();
    program().ui().MsgBox(QStringLiteral("Indicare un testo per la scritta da creare !!!"));
    return false;
}

void MarkupForm::InsertIntoPage(const QString& markupLine)
{
    if (RewritePage(program(), InsertAfterBodyEnd{markupLine}))
        Unload();
}
