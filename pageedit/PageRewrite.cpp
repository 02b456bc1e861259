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

// The page copied through the transform into the temporary file. A page whose name ends in
// "~" is its own temporary file: writing it would empty the page being read.
bool WriteTemporary(Program& program, const QString& page, const QString& temporary, const PageTransform& transform)
{
    if (temporary == page)
        return false;
    try {
        const auto reader = program.fs().OpenForInput(page);
        const auto writer = program.fs().OpenForOutput(temporary);
        CopyTransformed(*reader, *writer, transform);
        writer->Close(); // a temporary file that cannot be flushed must not replace the page
        return true;
    } catch (const VbError&) {
        return false;
    }
}

bool Copy(Program& program, const QString& source, const QString& target)
{
    try {
        program.fs().FileCopy(source, target);
        return true;
    } catch (const VbError&) {
        return false;
    }
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
    // A page whose name ends in "_" is its own backup: copying it onto itself would lose it.
    const QString backup = BackupPath(page);
    if (backup == page || !Copy(program, page, backup)) {
        Report(program, QStringLiteral("Errore nella copia della pagina ") + page + QStringLiteral(" in ") + backup);
        return false;
    }
    if (!Copy(program, temporary, page)) {
        Report(program, QStringLiteral("Errore in cambio nome pagina ") + temporary + QStringLiteral(" in ") + page);
        return false;
    }
    try {
        program.browserWindow().Browser().Refresh();
    } catch (const VbError&) {
        // The page is already rewritten; a reload that fails leaves the old view on screen.
    }
    return true;
}
