#include "IeSweep.h"

#include "frmBrowser.h"

#include "app/Program.h"
#include "ietools/ProcessTools.h"
#include "ietools/Test_URL.h"
#include "platform/system/UiServices.h"

#include <QCheckBox>
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
    Program& program = window_.program();
    window_.SetCaption(QStringLiteral("Working..."));
    IeList(program).clear();
    ELENCA_PROCESSI_IE(program);
    if (IeList(program).count() == 0)
        return;
    if (!UserConfirmsEnding())
        return;
    EndingPass pass(endingDepth_, endedThisPass_);
    window_.SetTimerEnabled(false);
    EndListedProcesses();
    program.ui().Pause();
    ELENCA_PROCESSI_IE(program);
    window_.SetTimerEnabled(true);
}

bool IeSweep::UserConfirmsEnding()
{
    if (window_.Check1->checkState() == Qt::Checked)
        return true;
    if (asking_)
        return false;
    const QScopedValueRollback asking(asking_, true);
    Program& program = window_.program();
    const QString question = QStringLiteral("Confermi cancellazione di tutte le finestre IE:  ") + QStringLiteral("\r\r")
        + IeList(program).item(0)->text();
    return program.ui().MsgBox(question, MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Gestione finestre IE"))
        == MsgAnswer::Yes;
}

void IeSweep::EndListedProcesses()
{
    Program& program = window_.program();
    const int rows = std::min<int>(IeList(program).count(), static_cast<int>(program.g.PID_IE.size()) - 1);
    // The ids are taken before the loop: a nested tick may list again while events run.
    const std::vector<QString> ids(program.g.PID_IE.begin() + 1, program.g.PID_IE.begin() + 1 + rows);
    for (const QString& id : ids) {
        if (!endedThisPass_.contains(id)) {
            endedThisPass_.insert(id);
            TERMINA_PROCESSO(program, id);
        }
        program.ui().DoEvents();
    }
}
