#include "Colore.h"

#include "Form3.h"
#include "Form4.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "app/Twips.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace {

template <class T> T* Place(T* control, const QString& name, int left, int top, int width, int height)
{
    control->setObjectName(name);
    SetTwipsGeometry(control, left, top, width, height);
    return control;
}

std::int16_t Clamped(int value) { return static_cast<std::int16_t>(std::clamp(value, 0, 255)); }

} // namespace

Colore::Colore(Program& program) : Form(program)
{
    SetCaption(QStringLiteral("RICERCA COLORE DESIDERATO  RGB(R,G,B)"));
    Picture1 = Place(new QLabel(this), QStringLiteral("Picture1"), 120, 240, 3735, 3375);
    Picture1->setFrameShape(QFrame::Panel);
    Picture1->setFrameShadow(QFrame::Sunken);
    Picture1->setAutoFillBackground(true);

    QScrollBar** bars[] = {&VScroll1, &VScroll2, &VScroll3};
    QLabel** letters[] = {&Label4, &Label5, &Label6};
    QLabel** names[] = {&Label1, &Label2, &Label3};
    QLineEdit** boxes[] = {&txtROSSO, &txtVERDE, &txtBLU};
    const char* letterTexts[] = {"R", "G", "B"};
    const char* nameTexts[] = {"Rosso", "Verde", "Blu"};
    const char* boxNames[] = {"txtROSSO", "txtVERDE", "txtBLU"};
    for (int i = 0; i < 3; ++i) {
        const int left = 4080 + 720 * i;
        *bars[i] = Place(new QScrollBar(Qt::Vertical, this), QStringLiteral("VScroll%1").arg(i + 1), left, 720, 375,
                         2295);
        *letters[i] = Place(new QLabel(QLatin1String(letterTexts[i]), this), QStringLiteral("Label%1").arg(i + 4), left,
                            120, 375, 255);
        (*letters[i])->setFont(QFont(QStringLiteral("Arial")));
        *names[i] = Place(new QLabel(QLatin1String(nameTexts[i]), this), QStringLiteral("Label%1").arg(i + 1), left,
                          360, 615, 255);
        *boxes[i] = Place(new QLineEdit(this), QLatin1String(boxNames[i]), left - 120, 3240, 615, 375);
        (*bars[i])->setPageStep(1); // a click in the track moves by 1
    }
    Label7 = Place(new QLabel(QStringLiteral("Luminosita'"), this), QStringLiteral("Label7"), 120, 3960, 975, 255);
    QFont smaller = Label7->font(); // the caption must fit the narrow label of the design
    smaller.setPointSizeF(smaller.pointSizeF() * 0.85);
    Label7->setFont(smaller);
    HScroll1 = Place(new QScrollBar(Qt::Horizontal, this), QStringLiteral("HScroll1"), 1080, 3840, 2055, 375);
    HScroll1->setPageStep(1);
    txtLUCE = Place(new QLineEdit(this), QStringLiteral("txtLUCE"), 3240, 3840, 495, 375);
    Command1 = Place(new QPushButton(QStringLiteral("Conferma"), this), QStringLiteral("Command1"), 3960, 3840, 1095,
                     375);
    Command2 = Place(new QPushButton(QStringLiteral("Annulla"), this), QStringLiteral("Command2"), 5055, 3840, 975,
                     375);
    SetClientSizeTwips(6420, 4380);

    connect(VScroll1, &QScrollBar::valueChanged, this, &Colore::VScroll1_Change);
    connect(VScroll2, &QScrollBar::valueChanged, this, &Colore::VScroll2_Change);
    connect(VScroll3, &QScrollBar::valueChanged, this, &Colore::VScroll3_Change);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Colore::HScroll1_Change);
    connect(Command1, &QPushButton::clicked, this, &Colore::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Colore::Command2_Click);
}

void Colore::Form_Load()
{
    for (QScrollBar* bar : {VScroll1, VScroll2, VScroll3})
        bar->setMaximum(255);
    for (QScrollBar* bar : {VScroll1, VScroll2, VScroll3})
        bar->setSingleStep(10);
    VScroll1->setValue(200);
    VScroll2->setValue(86);
    VScroll3->setValue(242);
    txtROSSO->setText(QString::number(R));
    txtVERDE->setText(QString::number(G));
    txtBLU->setText(QString::number(B));
    HScroll1->setMinimum(-255);
    HScroll1->setMaximum(255);
    HScroll1->setSingleStep(10);
    HScroll1->setValue(0);
    txtLUCE->setText(QString::number(L));
}

void Colore::SETTA_COLORI()
{
    R = Clamped(VScroll1->value() + L);
    G = Clamped(VScroll2->value() + L);
    B = Clamped(VScroll3->value() + L);
    QPalette palette = Picture1->palette();
    palette.setColor(QPalette::Window, QColor(R, G, B));
    Picture1->setPalette(palette);
    WriteToTarget();
}

void Colore::WriteToTarget()
{
    MarkupForm* target = nullptr;
    if (program().g.FORM_COLORE == 3)
        target = program().loaded<Form3>();
    else if (program().g.FORM_COLORE == 4)
        target = program().loaded<Form4>();
    // The window that asked for the colour may have closed since: it is not opened again.
    if (!target)
        return;
    target->Text2[program().g.INDICE_COLORE == 0 ? 0 : 1]->setText(QStringLiteral("#") + HEX2(R) + HEX2(G) + HEX2(B));
}

void Colore::VScroll1_Change()
{
    SETTA_COLORI();
    txtROSSO->setText(QString::number(R));
}

void Colore::VScroll2_Change()
{
    SETTA_COLORI();
    txtVERDE->setText(QString::number(G));
}

void Colore::VScroll3_Change()
{
    SETTA_COLORI();
    txtBLU->setText(QString::number(B));
}

void Colore::HScroll1_Change()
{
    L = static_cast<std::int16_t>(HScroll1->value());
    txtLUCE->setText(QString::number(L));
    SETTA_COLORI();
}

void Colore::Command1_Click()
{
    SETTA_COLORI();
    Unload();
}

void Colore::Command2_Click() { Unload(); }
