#include "Form4.h"

#include "app/Program.h"
#include "app/Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form4::Form4(Program& program) : MarkupForm(program, 4, 1080)
{
    SetCaption(QStringLiteral("Creazione collegamento ad altra pagina .HTML "));
    Label4 = new QLabel(QStringLiteral("Pagina collegata:"), this);
    Label4->setObjectName(QStringLiteral("Label4"));
    SetTwipsGeometry(Label4, 120, 660, 1740, 255);
    txtPAG_COLLEGATA = new QLineEdit(this);
    txtPAG_COLLEGATA->setObjectName(QStringLiteral("txtPAG_COLLEGATA"));
    SetTwipsGeometry(txtPAG_COLLEGATA, 1920, 600, 5040, 375);
    Command4 = new QPushButton(QStringLiteral("..."), this);
    Command4->setObjectName(QStringLiteral("Command4"));
    SetTwipsGeometry(Command4, 7065, 600, 495, 375);
    connect(Command4, &QPushButton::clicked, this, &Form4::Command4_Click);
}

void Form4::Command4_Click()
{
    CommonDialog1.fileName = program().g.CARTELLA_HOME + QStringLiteral("*.HTM");
    CommonDialog1.fileName = program().ui().OpenFileDialog(this, CommonDialog1);
    txtPAG_COLLEGATA->setText(CommonDialog1.fileName);
}

void Form4::Command1_Click()
{
    if (!TextIsGiven())
        return;
    if (TrimBlanks(txtPAG_COLLEGATA->text()).isEmpty()) {
        program().ui().Beep();
        program().ui().MsgBox(QStringLiteral("Indicare il nome della pagina da collegare !!!"));
        return;
    }
    InsertIntoPage(LinkMarkup(CurrentStyle(), txtPAG_COLLEGATA->text()));
}
