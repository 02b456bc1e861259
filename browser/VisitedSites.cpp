#include "frmBrowser.h"

#include "app/Program.h"
#include "platform/VbError.h"
#include "platform/files/FileSystem.h"
#include "platform/files/TextCodec.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

QString frmBrowser::VisitedSitesPath() const { return VisitedSitesFile(program().fs().ProgramFolder()); }

void frmBrowser::MergeVisitedSites() { MergeVisitedSitesFile(); }

bool frmBrowser::MergeVisitedSitesFile()
{
    FileSystem& fs = program().fs();
    // A file unchanged since it was last merged or written holds nothing the list lacks.
    const QString version = fs.FileVersion(VisitedSitesPath());
    if (!version.isEmpty() && version == mergedVersion_)
        return true;
    UiServices& ui = program().ui();
    ui.SetHourglass(true);
    bool wholeFile = true;
    QStringList added; // in file order; later lines are compared with them too
    try {
        const auto reader = fs.OpenForInput(VisitedSitesPath());
        QByteArray bytes;
        while (reader->ReadLine(bytes)) {
            const QString line = DecodeLine(bytes);
            if (!IsStorableAddress(line) || !listed_.Add(line))
                continue;
            visitedSitesLines_.Remember(line, bytes);
            added << line;
        }
    } catch (const VbError& error) {
        // A missing file adds nothing; one that exists but cannot be read is not whole.
        wholeFile = IsMissingFileError(error.number());
    }
    AddToAddressBox(added); // what was read before an error is kept, as the list had it
    if (wholeFile)
        mergedVersion_ = version; // as it was before reading: a change made meanwhile is merged next time
    ui.SetHourglass(false);
    return wholeFile;
}

void frmBrowser::RewriteVisitedSites()
{
    // Replacing a file that could not be read would lose the addresses it holds.
    if (!MergeVisitedSitesFile())
        return;
    try {
        // A new file takes the old one's place only once every line is in it: a full disk, or
        // the end of the program half-way, leaves the old file as it was.
        FileSystem& fs = program().fs();
        const auto writer = fs.OpenForReplacement(VisitedSitesPath());
        for (const QString& entry : AddressList())
            if (IsStorableAddress(entry))
                writer->WriteLine(visitedSitesLines_.BytesFor(entry));
        writer->Close();
        mergedVersion_ = fs.FileVersion(VisitedSitesPath()); // it holds the list, nothing more
    } catch (const VbError&) {
        // Not reported: the history is a convenience, closing goes on.
    }
}

void frmBrowser::EditVisitedSites()
{
    const QString path = VisitedSitesPath();
    SystemServices& system = program().system();
    for (const QString& editor : {QStringLiteral("C:\\Windows\\Notepad.exe "), QStringLiteral("C:\\WinNT\\Notepad.exe ")}) {
        try {
            system.StartProgram(editor + path);
            return;
        } catch (const VbError&) {
        }
    }
    try {
        system.OpenInTextEditor(path);
    } catch (const VbError&) {
        program().ui().Beep();
        program().ui().MsgBox(QStringLiteral("Non trovo un programma per modificare il file ") + path + QStringLiteral(" !!!"));
    }
}

void frmBrowser::Command2_Click() { MergeVisitedSites(); }
void frmBrowser::Command5_Click() { EditVisitedSites(); }
