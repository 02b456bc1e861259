#include "PageRewrite.h"

#include "app/BrowserWindow.h"
#include "app/Program.h"
#include "platform/VbError.h"
#include "platform/engine/WebBrowser.h"
#include "platform/files/FileSystem.h"
#include "platform/system/UiServices.h"

namespace {

void Report(Program& program, const QString& message)
{
    program.ui().Beep();
    program.ui().MsgBox(message);
}

// The page copied through the transform into the temporary file, a new file whatever had its
// name: a link planted there must not lead the new page onto a file elsewhere. A page whose
// name ends in "~" is its own temporary file: writing it would empty the page being read.
bool WriteTemporary(Program& program, const QString& page, const QString& temporary, const PageTransform& transform)
{
    if (temporary == page)
        return false;
    try {
        const auto reader = program.fs().OpenForInput(page);
        const auto writer = program.fs().OpenForNewFile(temporary);
        CopyTransformed(*reader, *writer, transform);
        writer->Close(); // a temporary file that cannot be flushed must not replace the page
        return true;
    } catch (const VbError&) {
        return false;
    }
}

// False when the operation failed.
template <typename Operation> bool Succeeds(Operation operation)
{
    try {
        operation();
        return true;
    } catch (const VbError&) {
        return false;
    }
}

// A rewrite that failed leaves no new page behind for the user to take for the old one.
void Discard(FileSystem& fs, const QString& temporary)
{
    Succeeds([&] { fs.Kill(temporary); });
}

} // namespace

bool RewritePage(Program& program, const PageTransform& transform)
{
    const QString page = program.browserWindow().PagePath();
    const QString temporary = TemporaryPath(page);
    if (!WriteTemporary(program, page, temporary, transform)) {
        Report(program, QStringLiteral("Errore in lettura pagina ") + page);
        return false;
    }
    // The backup and the new page are copied at once, each on a thread of its own; the backup
    // takes its name first, the new page only after it. The backup is a new file: a link planted
    // at its name goes, what it leads to stays. Through a page that is a link, the file it leads
    // to is rewritten and the link kept. A page whose name ends in "_" is its own backup:
    // copying it onto itself would lose it.
    const QString backup = BackupPath(page);
    FileSystem& fs = program.fs();
    const auto backupCopy = backup == page ? nullptr : fs.StartFileCopyToNewFile(page, backup);
    auto pageCopy = backupCopy ? fs.StartFileCopy(temporary, page) : nullptr;
    if (!backupCopy || !Succeeds([&] { backupCopy->Finish(); })) {
        pageCopy.reset();
        Discard(fs, temporary);
        Report(program, QStringLiteral("Errore nella copia della pagina ") + page + QStringLiteral(" in ") + backup);
        return false;
    }
    if (!Succeeds([&] { pageCopy->Finish(); })) {
        Discard(fs, temporary);
        Report(program, QStringLiteral("Errore in cambio nome pagina ") + temporary + QStringLiteral(" in ") + page);
        return false;
    }
    // The page is already rewritten; a reload that fails leaves the old view on screen.
    Succeeds([&] { program.browserWindow().Browser().Refresh(); });
    return true;
}
