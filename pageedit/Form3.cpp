#include "Form3.h"

#include "app/Twips.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

Form3::Form3(Program& program) : MarkupForm(program, 3, 600)
{
    SetCaption(QStringLiteral("Creazione di una nuova scritta"));
    Frame1 = new QGroupBox(QStringLiteral("Tipo scritta"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    SetTwipsGeometry(Frame1, 5400, 600, 2160, 1335);
    const QString captions[] = {QStringLiteral("Normale"), QStringLiteral("Scorrevole")};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(captions[i], Frame1);
        Option1[i]->setObjectName(QStringLiteral("Option1_") + QString::number(i));
        SetTwipsGeometry(Option1[i], 240, 360 + 420 * i, 1800, 315);
    }
    Option1[0]->setChecked(true);
    // The choice however made (a click, the keyboard, an assistive tool), once, for the button chosen.
    for (int i = 0; i < 2; ++i)
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool chosen) {
            if (chosen)
                Option1_Click(i);
        });
}

void Form3::Option1_Click(int)
{
    const bool normal = Option1[0]->isChecked();
    Frame2->setEnabled(normal);
    for (QRadioButton* option : Option2)
        option->setEnabled(normal);
}

void Form3::Command1_Click()
{
    if (!TextIsGiven())
        return;
    InsertIntoPage(BannerMarkup({CurrentStyle(), Option1[1]->isChecked(), Text2[1]->text()}));
}
