#include "Test_URL.h"

#include "ProcessTools.h"
#include "UserClickList.h"
#include "app/Program.h"
#include "app/Twips.h"
#include "platform/system/UiServices.h"

#include <QPointer>
#include <QPushButton>

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                        int height)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    SetTwipsGeometry(button, left, top, width, height);
    return button;
}

// The id listed in the given row of List1; empty for no row.
QString IdOfRow(const Program& program, int row)
{
    const int slot = row + 1;
    return slot >= 1 && slot <= kMaxIeProcesses ? program.g.PID_IE[slot] : QString();
}

} // namespace

Test_URL::Test_URL(Program& program) : Form(program)
{
    SetCaption(QStringLiteral("Elenco finestre Internet Explorer attive"));
    SetClientSizeTwips(6285, 3510);
    // The captions were sized for a narrow system font; a condensed face keeps them inside.
    QFont narrow = font();
    narrow.setStretch(QFont::Condensed);
    setFont(narrow);

    auto* list = new UserClickList(this);
    list->setObjectName(QStringLiteral("List1"));
    SetTwipsGeometry(list, 90, 90, 6090, 2790);
    List1 = list;

    Command2 = MakeButton(this, "Command2", QStringLiteral("Info ?"), 75, 3030, 795, 375);
    Command4 = MakeButton(this, "Command4", QStringLiteral("Cancella tutte le finestre IE"), 990, 3015, 2265, 390);
    Command1 = MakeButton(this, "Command1", QStringLiteral("Aggiorna elenco"), 3405, 3015, 1410, 390);
    Command3 = MakeButton(this, "Command3", QStringLiteral("F I N E"), 5040, 3015, 1110, 375);

    connect(list, &UserClickList::Click, this, &Test_URL::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &Test_URL::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Test_URL::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Test_URL::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Test_URL::Command4_Click);
}

void Test_URL::Form_Load() { Command1_Click(); }

void Test_URL::Command1_Click()
{
    List1->clear();
    ELENCA_PROCESSI_IE(program());
}

void Test_URL::Command2_Click() { program().ui().MsgBox(QStringLiteral("Tessivo")); }

void Test_URL::Command3_Click() { Hide(); }

void Test_URL::Command4_Click()
{
    Program& program = this->program();
    const QPointer<Test_URL> self(this);
    // Pending events may list again meanwhile: each slot is read afresh, up to the count taken now.
    const int count = List1->count();
    for (int row = 0; row < count; ++row) {
        TERMINA_PROCESSO(program, IdOfRow(program, row));
        program.ui().DoEvents();
    }
    if (self)
        PauseThenRefresh();
}

void Test_URL::List1_Click()
{
    Program& program = this->program();
    const QPointer<Test_URL> self(this);
    const QString entry = List1->currentItem() ? List1->currentItem()->text() : QString();
    const int answer = program.ui().MsgBox(QStringLiteral("Spengo la finestra IE:  ") + QStringLiteral("\r\r") + entry,
                                           MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Gestione finestre IE"));
    if (!self)
        return;
    if (answer == MsgAnswer::Yes) {
        // The row is taken after the answer: a listing made meanwhile leaves no row selected.
        TERMINA_PROCESSO(program, IdOfRow(program, List1->currentRow()));
        program.ui().DoEvents();
        if (!self)
            return;
    }
    PauseThenRefresh();
}

void Test_URL::PauseThenRefresh()
{
    const QPointer<Test_URL> self(this);
    program().ui().Pause();
    // A window closed during the pause is not brought back by its own refresh.
    if (self && !IsUnloading())
        Command1_Click();
}
