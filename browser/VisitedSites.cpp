#include "frmBrowser.h"

#include "platform/FileSystem.h"
#include "platform/SystemServices.h"
#include "platform/TextCodec.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"
#include "startup/Program.h"

QString frmBrowser::VisitedSitesPath() const { return VisitedSitesFile(program().fs().ProgramFolder()); }

void frmBrowser::MergeVisitedSites() { MergeVisitedSitesFile(); }

bool frmBrowser::MergeVisitedSitesFile()
{
    UiServices& ui = program().ui();
    ui.SetHourglass(true);
    bool wholeFile = true;
    try {
        const auto reader = program().fs().OpenForInput(VisitedSitesPath());
        QStringList list = AddressList();
        QByteArray bytes;
        while (reader->ReadLine(bytes)) {
            const QString line = DecodeLine(bytes);
            if (!IsStorableAddress(line) || ListHoldsAddress(list, line))
                continue;
            visitedSitesLines_.Remember(line, bytes);
            AppendToAddressList(line);
            list << line;
        }
    } catch (const VbError& error) {
        // A missing file adds nothing; one that exists but cannot be read is not whole.
        wholeFile = IsMissingFileError(error.number());
    }
    ui.SetHourglass(false);
    return wholeFile;
}

void frmBrowser::RewriteVisitedSites()
{
    // Replacing a file that could not be read would lose the addresses it holds.
    if (!MergeVisitedSitesFile())
        return;
    try {
        const auto writer = program().fs().OpenForOutput(VisitedSitesPath());
        try {
            for (const QString& entry : AddressList())
                if (IsStorableAddress(entry))
                    writer->WriteLine(visitedSitesLines_.BytesFor(entry));
        } catch (const VbError&) {
            // Stop writing; the lines written so far stay in the file.
        }
        writer->Close();
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
