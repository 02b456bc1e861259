#include "frmBrowser.h"

#include "AddressBox.h"
#include "AddressRules.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "ietools/ProcessTools.h"
#include "ietools/Test_URL.h"
#include "platform/system/UiServices.h"

#include <QCheckBox>
#include <QListWidget>

#include <algorithm>

namespace {

class EndingPass {
public:
    explicit EndingPass(TickState& state) : state_(state) { ++state_.endingDepth; }
    ~EndingPass()
    {
        if (--state_.endingDepth == 0)
            state_.endedThisPass.clear();
    }
    EndingPass(const EndingPass&) = delete;
    EndingPass& operator=(const EndingPass&) = delete;

private:
    TickState& state_;
};

class AskingScope {
public:
    explicit AskingScope(TickState& state) : state_(state) { state_.asking = true; }
    ~AskingScope() { state_.asking = false; }
    AskingScope(const AskingScope&) = delete;
    AskingScope& operator=(const AskingScope&) = delete;

private:
    TickState& state_;
};

// Reached afresh at every use: the user may close the window while events run, and the next
// use then loads it again, listing on its load.
QListWidget& IeList(Program& program) { return *program.form<Test_URL>().List1; }

void ShowPageOnDisplay(frmBrowser& window)
{
    Program& program = window.program();
    window.SetTimerEnabled(false);
    program.g.PERCORSO_PAGINA = PathFormOfAddress(window.Browser().LocationURL());
    window.SetCaption(program.g.PERCORSO_PAGINA);
    window.Tag = program.g.PERCORSO_PAGINA;
    // What the user is typing meanwhile is not taken away: a page that ends loading does not
    // choose the next address.
    if (!window.cboAddress->Typing())
        window.SetAddressText(window.Browser().LocationURL());
    program.ui().DoEvents();
}

bool UserConfirmsEnding(frmBrowser& window, TickState& state)
{
    if (window.Check1->checkState() == Qt::Checked)
        return true;
    if (state.asking)
        return false;
    AskingScope asking(state);
    Program& program = window.program();
    const QString question = QStringLiteral("Confermi cancellazione di tutte le finestre IE:  ") + QStringLiteral("\r\r")
        + IeList(program).item(0)->text();
    return program.ui().MsgBox(question, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Gestione finestre IE"))
        == MsgAnswer::Yes;
}

void EndListedProcesses(Program& program, TickState& state)
{
    const int rows = std::min<int>(IeList(program).count(), static_cast<int>(program.g.PID_IE.size()) - 1);
    // The ids are taken before the loop: a nested tick may list again while events run.
    const std::vector<QString> ids(program.g.PID_IE.begin() + 1, program.g.PID_IE.begin() + 1 + rows);
    for (const QString& id : ids) {
        if (!state.endedThisPass.contains(id)) {
            state.endedThisPass.insert(id);
            TERMINA_PROCESSO(program, id);
        }
        program.ui().DoEvents();
    }
}

void ClearIeProcesses(frmBrowser& window, TickState& state)
{
    Program& program = window.program();
    window.SetCaption(QStringLiteral("Working..."));
    IeList(program).clear();
    ELENCA_PROCESSI_IE(program);
    if (IeList(program).count() == 0)
        return;
    if (!UserConfirmsEnding(window, state))
        return;
    EndingPass pass(state);
    window.SetTimerEnabled(false);
    EndListedProcesses(program, state);
    program.ui().Pause();
    ELENCA_PROCESSI_IE(program);
    window.SetTimerEnabled(true);
}

} // namespace

void frmBrowser::timTimer_Timer()
{
    // The tick has no error handling of its own: an error of the control or of the process
    // tools ends it.
    IgnoreErrors([this] { brwWebBrowser->Busy() ? ClearIeProcesses(*this, tick_) : ShowPageOnDisplay(*this); });
}
