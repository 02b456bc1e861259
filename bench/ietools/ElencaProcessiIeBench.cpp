// The timer lists Internet Explorer processes every second while a page loads: one listing of
// the live process table must cost no more than `ps` listing the same table. The table is the
// bench's own: run in a PID namespace of its own (scripts/bench.sh does), it starts 400 sleeping
// processes, 20 of them under Internet Explorer's name, so the figure does not hang on what else
// the machine runs and the listing has rows to build.
#include "app/Program.h"
#include "bench/support/Figures.h"
#include "ietools/ProcessTools.h"
#include "ietools/Test_URL.h"
#include "platform/engine/WebBrowser.h"
#include "platform/files/impl/HostFileSystem.h"
#include "platform/system/impl/LinuxProcessService.h"
#include "tests/fakes/FakeSystem.h"
#include "tests/fakes/FakeUi.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

namespace {

// Copies of sleep, started once for both benchmarks and ended when the bench ends.
class ProcessTable {
public:
    ProcessTable(int count, int internetExplorers)
    {
        const QByteArray ie = Copy(QStringLiteral("iexplore.exe")), other = Copy(QStringLiteral("sleeper"));
        for (int i = 0; i < count; ++i) {
            const QByteArray& program = i < internetExplorers ? ie : other;
            char* argv[] = {const_cast<char*>(program.constData()), const_cast<char*>("600"), nullptr};
            pid_t child = 0;
            if (::posix_spawn(&child, program.constData(), nullptr, nullptr, argv, nullptr) == 0)
                children_.push_back(child);
        }
    }
    ~ProcessTable()
    {
        for (const pid_t child : children_) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
    }

private:
    QByteArray Copy(const QString& name)
    {
        const QString copy = folder_.filePath(name);
        QFile::copy(QStringLiteral("/bin/sleep"), copy);
        return QFile::encodeName(copy);
    }

    QTemporaryDir folder_;
    std::vector<pid_t> children_;
};

void OwnTable() { static const ProcessTable table(400, 20); }

void BM_ElencaProcessiIe(benchmark::State& state)
{
    OwnTable();
    FakeUi ui;
    FakeSystem system;
    HostFileSystem fs(DriveMap([](const QString&) { return QString(); }), QDir::tempPath());
    LinuxProcessService processes;
    Program program(ProgramServices{ui, fs, processes, system, [](QWidget*) { return std::unique_ptr<WebBrowser>(); }});
    program.form<Test_URL>();
    for (auto _ : state) {
        ELENCA_PROCESSI_IE(program);
        benchmark::DoNotOptimize(program.g.NUM_PID_IE);
    }
}
BENCHMARK(BM_ElencaProcessiIe)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PsListing(benchmark::State& state)
{
    OwnTable();
    for (auto _ : state) {
        QProcess ps;
        ps.start(QStringLiteral("ps"), {QStringLiteral("-A"), QStringLiteral("-o"), QStringLiteral("pid=,args=")});
        ps.waitForFinished(10000);
        benchmark::DoNotOptimize(ps.readAllStandardOutput());
    }
}
BENCHMARK(BM_PsListing)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

const std::vector<Figure> kFigures = {
    {"one IE process listing", "ps -A -o pid=,args=", "BM_ElencaProcessiIe", "BM_PsListing", 1},
};
