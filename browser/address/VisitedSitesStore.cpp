#include "VisitedSitesStore.h"

#include "AddressBox.h"
#include "app/Program.h"
#include "platform/VbError.h"
#include "platform/files/FileSystem.h"
#include "platform/files/TextCodec.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

namespace {

// How long a save waits for another copy's save of the same file.
constexpr int kLockWaitMs = 5000;

} // namespace

VisitedSitesStore::VisitedSitesStore(Program& program, AddressBox& list) : program_(program), list_(list) {}

QString VisitedSitesStore::Path() const { return VisitedSitesFile(program_.fs().ProgramFolder()); }

bool VisitedSitesStore::Merge()
{
    FileSystem& fs = program_.fs();
    // A file unchanged since it was last merged or written holds nothing the list lacks.
    const QString version = fs.FileVersion(Path());
    if (!version.isEmpty() && version == mergedVersion_)
        return true;
    UiServices& ui = program_.ui();
    ui.SetHourglass(true);
    bool wholeFile = true;
    QStringList added; // in file order; later lines are compared with them too
    try {
        const auto reader = fs.OpenForInput(Path());
        QByteArray bytes;
        while (reader->ReadLine(bytes)) {
            const QString line = DecodeLine(bytes);
            if (!IsStorableAddress(line) || !list_.Take(line))
                continue;
            lines_.Remember(line, bytes);
            added << line;
        }
    } catch (const VbError& error) {
        // A missing file adds nothing; one that exists but cannot be read is not whole.
        wholeFile = IsMissingFileError(error.number());
    }
    list_.AppendTaken(added); // what was read before an error is kept, as the list had it
    if (wholeFile)
        mergedVersion_ = version; // as it was before reading: a change made meanwhile is merged next time
    ui.SetHourglass(false);
    return wholeFile;
}

void VisitedSitesStore::Rewrite()
{
    // Another copy of the program may be saving into the same file: one at a time, each merging
    // what the one before it wrote.
    UiServices& ui = program_.ui();
    ui.SetHourglass(true);
    const auto lock = program_.fs().LockUpdates(Path(), kLockWaitMs);
    if (!lock) {
        ui.SetHourglass(false);
        Warn(QStringLiteral("Il file ") + Path()
             + QStringLiteral(" è in uso da un'altra copia di Vindrel: i Link dei Siti Internet visualizzati "
                              "non sono stati registrati !!!"));
        return;
    }
    // Replacing a file that could not be read would lose the addresses it holds; either failure
    // is said, since the user asked for the save.
    if (!Merge() || !Replace())
        Warn(QStringLiteral("Non riesco a registrare i Link dei Siti Internet visualizzati nel file ") + Path()
             + QStringLiteral(" !!!"));
}

void VisitedSitesStore::Warn(const QString& message)
{
    UiServices& ui = program_.ui();
    ui.Beep();
    ui.MsgBox(message, MsgButtons::Ok, MsgIcon::Exclamation, QStringLiteral("Chiusura Vindrel"));
}

bool VisitedSitesStore::Replace()
{
    try {
        // A new file takes the old one's place only once every line is in it: a full disk, or
        // the end of the program half-way, leaves the old file as it was.
        FileSystem& fs = program_.fs();
        const auto writer = fs.OpenForReplacement(Path());
        for (const QString& entry : list_.Entries())
            if (IsStorableAddress(entry))
                writer->WriteLine(lines_.BytesFor(entry));
        writer->Close();
        mergedVersion_ = fs.FileVersion(Path()); // it holds the list, nothing more
        return true;
    } catch (const VbError&) {
        return false;
    }
}

void VisitedSitesStore::Edit()
{
    const QString path = Path();
    SystemServices& system = program_.system();
    for (const QString& editor :
         {QStringLiteral("C:\\Windows\\Notepad.exe "), QStringLiteral("C:\\WinNT\\Notepad.exe ")}) {
        try {
            system.StartProgram(editor + path);
            return;
        } catch (const VbError&) {
        }
    }
    try {
        system.OpenInTextEditor(path);
    } catch (const VbError&) {
        program_.ui().Beep();
        program_.ui().MsgBox(QStringLiteral("Non trovo un programma per modificare il file ") + path
                             + QStringLiteral(" !!!"));
    }
}
