// The visited-sites file with a large history of distinct addresses, in the browser window on
// stand-in services with the real file system: the load step with the file merged into the
// address list at once (as when the user opens the list straight away), and the closing step
// answered Yes, which merges it again and replaces it.
// Target: closing with the save of 1,000,000 entries within 1 s. (The start of the whole program
// with such a history is timed by bench/startup/startup_bench.sh.)
#include "bench/support/Figures.h"
#include "browser/window/frmBrowser.h"
#include "fakes/TestProgram.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QByteArray History(qint64 lines)
{
    QByteArray history;
    for (qint64 i = 0; i < lines; ++i)
        history += "http://www.sito" + QByteArray::number(i) + ".it/pagina.htm\r\n";
    return history;
}

// A program whose VINDREL.DAT holds `history`; the window is not loaded yet.
std::unique_ptr<TestProgram> ProgramWith(const QByteArray& history)
{
    auto t = std::make_unique<TestProgram>();
    t->WriteHostFile(QStringLiteral("prog/VINDREL.DAT"), history);
    t->program->SetBrowserWindow([p = t.get()]() -> BrowserWindow& { return p->program->form<frmBrowser>(); });
    t->program->g.INDIRIZZO_INIZIALE = QStringLiteral("about:blank");
    return t;
}

void BM_LoadMergingTheHistory(benchmark::State& state)
{
    const QByteArray history = History(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto t = ProgramWith(history);
        state.ResumeTiming();
        benchmark::DoNotOptimize(t->program->form<frmBrowser>().AddressList().size());
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadMergingTheHistory)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

// Closing with Yes; with `changed`, another copy of the program has saved one more address
// meanwhile, so the file is merged whole again before it is replaced.
void CloseSaving(benchmark::State& state, bool changed)
{
    const QByteArray history = History(state.range(0));
    const QByteArray extra = "http://www.altra-copia.it/\r\n";
    for (auto _ : state) {
        state.PauseTiming();
        auto t = ProgramWith(history);
        frmBrowser& window = t->program->form<frmBrowser>();
        window.AddressList();            // filled while the window was in use
        t->program->g.SITI_VISITATI = 1; // the question comes; the stand-in answers Yes
        if (changed)
            t->WriteHostFile(QStringLiteral("prog/VINDREL.DAT"), history + extra);
        state.ResumeTiming();
        window.Unload();
        state.PauseTiming();
        if (t->ReadHostFile(QStringLiteral("prog/VINDREL.DAT")) != (changed ? history + extra : history))
            state.SkipWithError("the history was not saved as it was");
        t.reset();
        state.ResumeTiming();
    }
}
void BM_CloseSavingTheHistory(benchmark::State& state) { CloseSaving(state, false); }
void BM_CloseSavingAHistoryChangedMeanwhile(benchmark::State& state) { CloseSaving(state, true); }
BENCHMARK(BM_CloseSavingTheHistory)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_CloseSavingAHistoryChangedMeanwhile)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->UseRealTime();

} // namespace

const std::vector<Figure> kFigures = {
    {"closing with the save of 1,000,000 entries", "(a time)", "BM_CloseSavingTheHistory/1000000", "", 1000, "ms"},
    {"the same, the file changed meanwhile", "(a time)", "BM_CloseSavingAHistoryChangedMeanwhile/1000000", "", 1000,
     "ms"},
};
