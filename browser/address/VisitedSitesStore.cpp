#include "VisitedSitesStore.h"

#include "AddressBox.h"
#include "app/Program.h"
#include "platform/VbError.h"
#include "platform/files/FileSystem.h"
#include "platform/files/TextCodec.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

#include <QElapsedTimer>

namespace {

// How long a save waits for another copy's save of the same file.
constexpr int kLockWaitMs = 5000;

} // namespace

VisitedSitesStore::VisitedSitesStore(Program& program, AddressBox& list) : program_(program), list_(list) {}

// The window goes: a fill not yet done reads no further, into a store that is no more.
VisitedSitesStore::~VisitedSitesStore() { list_.StopFilling(); }

QString VisitedSitesStore::Path() const { return VisitedSitesFile(program_.fs().ProgramFolder()); }

// A merge under way: the file open, and what it was like when opened.
class VisitedSitesStore::Reading {
public:
    std::unique_ptr<LineReader> reader; // null once the file is read, or when there is none
    QString version;
    bool wholeFile = true;
};

std::shared_ptr<VisitedSitesStore::Reading> VisitedSitesStore::StartReading(bool inPieces)
{
    FileSystem& fs = program_.fs();
    // A file unchanged since it was last merged or written holds nothing the list lacks.
    auto reading = std::make_shared<Reading>();
    reading->version = fs.FileVersion(Path());
    if (!reading->version.isEmpty() && reading->version == mergedVersion_)
        return nullptr;
    try {
        // Read in pieces, the file might be edited meanwhile: the merge takes it as it was at the start.
        reading->reader = inPieces ? fs.OpenCopyForInput(Path()) : fs.OpenForInput(Path());
    } catch (const VbError& error) {
        // A missing file adds nothing; one that exists but cannot be read is not whole.
        reading->wholeFile = IsMissingFileError(error.number());
    }
    return reading;
}

bool VisitedSitesStore::ReadOn(Reading& reading, bool whole)
{
    // A piece lasts less than a frame, so that the window stays lively meanwhile.
    constexpr qint64 kPieceNs = 8'000'000;
    constexpr int kLinesBetweenClockReadings = 256;
    QElapsedTimer clock;
    clock.start();
    QStringList added; // in file order; later lines are compared with them too
    bool over = true;
    try {
        QByteArray bytes;
        for (int lines = 1; reading.reader && reading.reader->ReadLine(bytes); ++lines) {
            const QString line = DecodeLine(bytes);
            if (IsStorableAddress(line) && list_.Take(line)) {
                lines_.Remember(line, bytes);
                added << line;
            }
            if (!whole && lines % kLinesBetweenClockReadings == 0 && clock.nsecsElapsed() >= kPieceNs) {
                over = false;
                break;
            }
        }
    } catch (const VbError& error) {
        // A file that exists but cannot be read to its end is not whole.
        reading.wholeFile = IsMissingFileError(error.number());
    }
    list_.AppendTaken(added); // what was read before an error is kept, as the list had it
    if (!over)
        return false;
    reading.reader.reset();
    if (reading.wholeFile)
        mergedVersion_ = reading.version; // as it was before reading: a change made meanwhile is merged next time
    return true;
}

bool VisitedSitesStore::Merge()
{
    list_.FinishFilling();
    const auto reading = StartReading(false);
    if (!reading)
        return true;
    UiServices& ui = program_.ui();
    ui.SetHourglass(true);
    ReadOn(*reading, true);
    ui.SetHourglass(false);
    return reading->wholeFile;
}

void VisitedSitesStore::MergeInPieces()
{
    const auto reading = StartReading(true);
    if (!reading)
        return;
    if (!reading->reader) { // no file to read: nothing to wait for
        ReadOn(*reading, true);
        return;
    }
    list_.FillInPieces([this, reading](bool whole) {
        // Only a fill the user waits for shows the hourglass.
        UiServices& ui = program_.ui();
        if (whole)
            ui.SetHourglass(true);
        const bool over = ReadOn(*reading, whole);
        if (whole)
            ui.SetHourglass(false);
        return over;
    });
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
