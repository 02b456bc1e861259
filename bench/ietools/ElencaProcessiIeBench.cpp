// The timer lists Internet Explorer processes every second while a page loads: one listing of
// the live process table must cost no more than `ps` listing the same table.
#include "app/Program.h"
#include "ietools/ProcessTools.h"
#include "ietools/Test_URL.h"
#include "platform/engine/WebBrowser.h"
#include "platform/files/impl/HostFileSystem.h"
#include "platform/system/impl/LinuxProcessService.h"
#include "tests/fakes/FakeSystem.h"
#include "tests/fakes/FakeUi.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

void BM_ElencaProcessiIe(benchmark::State& state)
{
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
    for (auto _ : state) {
        QProcess ps;
        ps.start(QStringLiteral("ps"), {QStringLiteral("-A"), QStringLiteral("-o"), QStringLiteral("pid=,args=")});
        ps.waitForFinished(10000);
        benchmark::DoNotOptimize(ps.readAllStandardOutput());
    }
}
BENCHMARK(BM_PsListing)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
