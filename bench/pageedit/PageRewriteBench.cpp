// RewritePage in insert mode on a generated 200 MB page of short lines, beside cp making the
// same copies (page to temporary, page to backup, temporary to page; the rewrite makes the last
// two at once, on two threads, cp one after the other). Neither side syncs; the two are timed in
// turn, round after round, each after a sync outside its time so that neither pays for writing
// back the other's data. Target: the median rewrite at most 1.1 times the median cp, and a peak
// resident size under 64 MB for a process doing one rewrite.
#include "app/Program.h"
#include "bench/support/Figures.h"
#include "fakes/FakeBrowserWindow.h"
#include "fakes/FakeProcesses.h"
#include "fakes/FakeSystem.h"
#include "fakes/FakeUi.h"
#include "pageedit/PageRewrite.h"
#include "platform/files/impl/HostFileSystem.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <vector>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr qint64 kPageBytes = 200LL * 1024 * 1024;
const QString kPage = QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM");

QString HostPage(const QString& driveC) { return driveC + QStringLiteral("/HOME-PAG/INIZIO.HTM"); }

void GeneratePage(const QString& driveC)
{
    QDir().mkpath(driveC + QStringLiteral("/HOME-PAG"));
    QFile page(HostPage(driveC));
    if (!page.open(QIODevice::WriteOnly))
        std::abort();
    page.write("<html>\r\n<body>\r\n");
    QByteArray block;
    for (int i = 0; block.size() < 1024 * 1024; ++i)
        block += "<p>riga numero " + QByteArray::number(i) + "</p>\r\n";
    for (qint64 written = 0; written < kPageBytes; written += block.size())
        page.write(block);
    page.write("</body>\r\n</html>\r\n");
}

// One rewrite in insert mode of the page on drive C mapped to driveC.
bool RewriteOnce(const QString& driveC)
{
    FakeUi ui;
    FakeProcesses processes;
    FakeSystem system;
    FakeBrowserWindow window;
    window.tag = kPage;
    HostFileSystem fs(DriveMap([driveC](const QString& v) {
                          return v == QLatin1String("VINDREL_DRIVE_C") ? driveC : QString();
                      }),
                      driveC);
    Program program(ProgramServices{ui, fs, processes, system, nullptr});
    program.SetBrowserWindow([&window]() -> BrowserWindow& { return window; });
    return RewritePage(program, InsertAfterBodyEnd{QStringLiteral("<H2><p>Benvenuti</p></H2>")});
}

QString DriveC()
{
    static QTemporaryDir root;
    static const bool generated = (GeneratePage(root.path()), true);
    (void)generated;
    return root.path();
}

// Peak resident size, in MB, of a fresh copy of this program doing one rewrite.
double PeakMegabytesOfOneRewrite(const QString& driveC)
{
    const QByteArray self = QFile::encodeName(QCoreApplication::applicationFilePath());
    const QByteArray root = QFile::encodeName(driveC);
    char* argv[] = {const_cast<char*>(self.constData()), const_cast<char*>("--rewrite-once"),
                    const_cast<char*>(root.constData()), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, self.constData(), nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

// The three copies cp makes in place of one rewrite, in the page's folder.
bool CpSameCopies(const QString& driveC)
{
    const QString folder = QFileInfo(HostPage(driveC)).absolutePath();
    const QByteArray command = QFile::encodeName(
        QStringLiteral("cd '%1' && cp INIZIO.HTM INIZIO.HT~ && cp INIZIO.HTM INIZIO.HT_ && cp INIZIO.HT~ INIZIO.HTM")
            .arg(folder));
    return std::system(command.constData()) == 0;
}

// Seconds taken by `work`, begun with no dirty data of an earlier step waiting to be written.
template <typename Work> double SecondsOf(Work work, bool& failed)
{
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    failed = !work() || failed;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One iteration: cp's copies, then one rewrite, the rewrite's time the iteration's.
void BM_RewritePage(benchmark::State& state)
{
    const QString driveC = DriveC();
    std::vector<double> cp, rewrite;
    bool failed = false;
    for (auto _ : state) {
        cp.push_back(SecondsOf([&] { return CpSameCopies(driveC); }, failed));
        rewrite.push_back(SecondsOf([&] { return RewriteOnce(driveC); }, failed));
        state.SetIterationTime(rewrite.back());
    }
    if (failed)
        state.SkipWithError("cp or the rewrite failed");
    state.counters["cp_ms"] = Median(cp) * 1000;
    state.counters["rewrite_ms"] = Median(rewrite) * 1000;
    state.counters["to_cp"] = Median(rewrite) / Median(cp);
    state.counters["peak_rss_MB"] = PeakMegabytesOfOneRewrite(driveC);
    state.SetBytesProcessed(state.iterations() * kPageBytes);
}

BENCHMARK(BM_RewritePage)->Unit(benchmark::kMillisecond)->Iterations(7)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // the stand-in browser control is a widget
    if (argc == 3 && QByteArray(argv[1]) == "--rewrite-once")
        return RewriteOnce(QFile::decodeName(argv[2])) ? 0 : 1;
    benchmark::Initialize(&argc, argv);
    TimesReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintFigures(reporter, {
                               {"page rewrite, 200 MB", "cp making the same copies", "BM_RewritePage:to_cp", "", 1.1},
                               {"page rewrite's peak memory", "(a size)", "BM_RewritePage:peak_rss_MB", "", 64, "MB"},
                           });
    return 0;
}
