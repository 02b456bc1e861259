#include "Form2.h"

#include "Form1.h"
#include "Form3.h"
#include "Form4.h"
#include "app/Program.h"
#include "app/Twips.h"

#include <QPushButton>

namespace {

QPushButton* MenuButton(QWidget* parent, const char* name, const QString& caption, int row)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    SetTwipsGeometry(button, 240, 240 + 600 * row, 3720, 495);
    return button;
}

} // namespace

Form2::Form2(Program& program) : Form(program)
{
    SetCaption(QStringLiteral("Menu possibili modifiche"));
    Command1 = MenuButton(this, "Command1", QStringLiteral("Modifica sfondo della pagina"), 0);
    Command2 = MenuButton(this, "Command2", QStringLiteral("Crea una scritta"), 1);
    Command4 = MenuButton(this, "Command4", QStringLiteral("Collega un'altra pagina"), 2);
    Command3 = MenuButton(this, "Command3", QStringLiteral("F I N E"), 3);
    SetClientSizeTwips(4200, 2775);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
}

void Form2::Command1_Click() { program().form<Form1>().ShowModal(); }
void Form2::Command2_Click() { program().form<Form3>().Show(); }
void Form2::Command3_Click() { Unload(); }
void Form2::Command4_Click() { program().form<Form4>().Show(); }
