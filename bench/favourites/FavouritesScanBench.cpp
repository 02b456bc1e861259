// The scan of a generated Favourites folder (10 shortcuts in every folder, folders two levels
// deep) against the I/O floor: find + cat of the same shortcut files.
// Targets: 4,000 folders cost at most 4.5 times 1,000 folders; the scan at most 3 times the floor.
// A shortcut added to or removed from 1,000 folders, shown by the favourites window's tree within
// a second.
#include "bench/support/Figures.h"
#include "fakes/TestProgram.h"
#include "favourites/FavouritesScan.h"
#include "favourites/FavouritesTree.h"
#include "favourites/frmFav.h"
#include "platform/files/impl/HostFolderWatcher.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <map>
#include <memory>

namespace {

constexpr int kShortcutsPerFolder = 10;
constexpr int kSubFoldersPerTop = 9;

// One generated Favourites folder per size, kept for the whole run.
struct GeneratedFavourites {
    explicit GeneratedFavourites(int folders)
    {
        const QString top = QStringLiteral("C/WINDOWS/Favorites");
        int site = 0;
        const auto fill = [&](const QString& folder) {
            QDir().mkpath(program.host(folder));
            for (int s = 0; s < kShortcutsPerFolder; ++s, ++site)
                program.WriteHostFile(folder + QStringLiteral("/Sito %1.url").arg(site),
                                      QStringLiteral(
                                          "[InternetShortcut]\r\nURL=http://www.sito%1.it/\r\nIconIndex=0\r\n")
                                          .arg(site)
                                          .toUtf8());
        };
        for (int t = 0; t < folders / (kSubFoldersPerTop + 1); ++t) {
            const QString parent = top + QStringLiteral("/Cartella %1").arg(t);
            fill(parent);
            for (int s = 0; s < kSubFoldersPerTop; ++s)
                fill(parent + QStringLiteral("/Sotto %1-%2").arg(t).arg(s));
        }
        program.system.favorites = QStringLiteral("C:\\WINDOWS\\Favorites");
        hostFolder = program.host(top);
    }
    TestProgram program;
    QString hostFolder;
};

GeneratedFavourites& Favourites(int folders)
{
    static std::map<int, std::unique_ptr<GeneratedFavourites>> made;
    auto& slot = made[folders];
    if (!slot)
        slot = std::make_unique<GeneratedFavourites>(folders);
    return *slot;
}

void BM_Scan(benchmark::State& state)
{
    GeneratedFavourites& favourites = Favourites(static_cast<int>(state.range(0)));
    QTreeWidget view;
    FavouritesTree tree(view);
    FavouritesScan scan(*favourites.program.program, tree);
    for (auto _ : state)
        benchmark::DoNotOptimize(scan.BuildFavouritesTree(FavouritesScan::Caller::RescanKey));
    state.counters["shortcuts"] = static_cast<double>(state.range(0) * kShortcutsPerFolder);
}

void BM_FindCatFloor(benchmark::State& state)
{
    GeneratedFavourites& favourites = Favourites(static_cast<int>(state.range(0)));
    const QByteArray command = "find '" + favourites.hostFolder.toUtf8()
                             + "' -iname '*.url' -print0 | xargs -0 cat > /dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.constData()));
}

// From the change of a file to the tree that shows it, with the host's watcher.
void BM_LiveChange(benchmark::State& state)
{
    GeneratedFavourites& favourites = Favourites(static_cast<int>(state.range(0)));
    TestProgram& t = favourites.program;
    Program program(ProgramServices{t.ui, *t.fs, t.processes, t.system, nullptr, [&t](std::function<void()> changed) {
                                        return std::make_unique<HostFolderWatcher>(*t.fs, std::move(changed));
                                    }});
    const FavouritesTree& tree = program.form<frmFav>().Tree();
    const QString file = QStringLiteral("C/WINDOWS/Favorites/Cartella 0/Sotto 0-0/Nuovo.url");
    const auto shown = [&](const std::function<void()>& change, bool present) {
        const auto start = std::chrono::steady_clock::now();
        change();
        if (!WaitUntil([&] { return (tree.Find(QStringLiteral("Nuovo_URL")) != nullptr) == present; }))
            state.SkipWithError("the tree never showed the change");
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    for (auto _ : state) {
        const double added = shown([&] { t.WriteHostFile(file, "[InternetShortcut]\r\nURL=http://nuovo/\r\n"); }, true);
        const double removed = shown([&] { QFile::remove(t.host(file)); }, false);
        state.SetIterationTime((added + removed) / 2); // one change
    }
}

BENCHMARK(BM_Scan)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindCatFloor)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LiveChange)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();

} // namespace

const std::vector<Figure> kFigures = {
    {"favourites scan, 10,000 shortcuts", "find + cat of the same files", "BM_Scan/1000", "BM_FindCatFloor/1000", 3},
    {"favourites scan, 40,000 shortcuts", "find + cat of the same files", "BM_Scan/4000", "BM_FindCatFloor/4000", 3},
    {"favourites scan growth, 40,000 / 10,000", "the scan of 10,000", "BM_Scan/4000", "BM_Scan/1000", 4.5},
    {"a favourites change until the tree shows it", "(a time)", "BM_LiveChange/1000", "", 1000, "ms"},
};
