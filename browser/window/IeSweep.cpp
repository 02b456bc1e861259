#include "IeSweep.h"

#include "app/BrowserWindow.h"
#include "app/Program.h"
#include "ietools/ProcessTools.h"
#include "ietools/Test_URL.h"
#include "platform/system/UiServices.h"

#include <QListWidget>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

// The outermost of the nested ending passes forgets, as it ends, which processes were ended.
class EndingPass {
public:
    EndingPass(int& depth, QSet<QString>& ended) : depth_(depth), ended_(ended) { ++depth_; }
    ~EndingPass()
    {
        if (--depth_ == 0)
            ended_.clear();
    }
    EndingPass(const EndingPass&) = delete;
    EndingPass& operator=(const EndingPass&) = delete;

private:
    int& depth_;
    QSet<QString>& ended_;
};

// Reached afresh at every use: the user may close the window while events run, and the next
// use then loads it again, listing on its load.
QListWidget& IeList(Program& program) { return *program.form<Test_URL>().List1; }

} // namespace

void IeSweep::Run()
{
    IeList(program_).clear();
    ELENCA_PROCESSI_IE(program_);
    if (IeList(program_).count() == 0)
        return;
    if (!UserConfirmsEnding())
        return;
    EndingPass pass(endingDepth_, endedThisPass_);
    window_.SetTimerEnabled(false);
    EndListedProcesses();
    program_.ui().Pause();
    ELENCA_PROCESSI_IE(program_);
    window_.SetTimerEnabled(true);
}

bool IeSweep::UserConfirmsEnding()
{
    if (questionsOff_())
        return true;
    if (asking_)
        return false;
    const QScopedValueRollback asking(asking_, true);
    const QString question = QStringLiteral("Confermi cancellazione di tutte le finestre IE:  ")
                           + QStringLiteral("\r\r") + IeList(program_).item(0)->text();
    return program_.ui().MsgBox(question, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Gestione finestre IE"))
        == MsgAnswer::Yes;
}

void IeSweep::EndListedProcesses()
{
    const int rows = std::min<int>(IeList(program_).count(), static_cast<int>(program_.g.PID_IE.size()) - 1);
    // The ids are taken before the loop: a nested tick may list again while events run.
    const std::vector<QString> ids(program_.g.PID_IE.begin() + 1, program_.g.PID_IE.begin() + 1 + rows);
    for (const QString& id : ids) {
        if (!endedThisPass_.contains(id)) {
            endedThisPass_.insert(id);
            TERMINA_PROCESSO(program_, id);
        }
        program_.ui().DoEvents();
    }
}
