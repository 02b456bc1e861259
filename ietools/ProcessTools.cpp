#include "ProcessTools.h"

#include "Test_URL.h"
#include "app/Program.h"
#include "platform/system/ProcessService.h"
#include "platform/system/UiServices.h"

#include <QListWidget>

void ELENCA_PROCESSI_IE(Program& program)
{
    // The first use loads the window, whose load step lists once by itself; this listing then
    // clears and refills everything.
    program.form<Test_URL>().List1->clear();
    Globals& g = program.g;
    g.NUM_PID_IE = 0;
    if (const auto table = program.processes().Snapshot()) {
        for (const ListedProcess& process : SelectIeProcesses(*table)) {
            ++g.NUM_PID_IE;
            // Slot k belongs to row k-1: the new entry becomes row 0.
            for (int slot = g.NUM_PID_IE; slot > 1; --slot)
                g.PID_IE[slot] = g.PID_IE[slot - 1];
            g.PID_IE[1] = process.idText;
            AGGIUNGI_PROCESSO(program, process.name, process.idText);
        }
    }
    program.ui().DoEvents();
}

void TERMINA_PROCESSO(Program& program, const QString& idText)
{
    const auto pid = ProcessIdFromText(idText);
    if (!pid)
        return;
    // Ended only if the id still belongs to an Internet Explorer process once it is pinned:
    // between the listing and now the id may have passed to another program.
    program.processes().Terminate(*pid, IsIeProcessName);
}

void AGGIUNGI_PROCESSO(Program& program, const QString& exeName, const QString& idText)
{
    program.form<Test_URL>().List1->insertItem(0, exeName + QLatin1Char(' ') + idText);
}
