#include "Main.h"

#include "StartAddress.h"
#include "app/Program.h"
#include "browser/window/frmBrowser.h"
#include "platform/VbError.h"
#include "platform/files/FileSystem.h"

namespace {

StartAddress StartOf(FileSystem& fs, const QString& argumentText)
{
    return ChooseStartAddress(argumentText, [&fs](const QString& path) { return fs.CanOpenForReading(path); });
}

} // namespace

QString FirstAddress(FileSystem& fs, const QString& argumentText)
{
    return StartOf(fs, argumentText).INDIRIZZO_INIZIALE;
}

void Main(Program& program, const QString& argumentText)
{
    FileSystem& fs = program.fs();
    const StartAddress start = StartOf(fs, argumentText);
    Globals& g = program.g;
    g.CARTELLA_HOME = start.CARTELLA_HOME;
    g.INDIRIZZO_INIZIALE = start.INDIRIZZO_INIZIALE;
    if (start.fromArgument) {
        g.PERCORSO_PAGINA = start.PERCORSO_PAGINA;
        if (!g.INDIRIZZO_INIZIALE.isEmpty()) {
            // The first use creates the window, whose load step already opens the address once.
            frmBrowser& window = program.form<frmBrowser>();
            window.SetAddressText(g.INDIRIZZO_INIZIALE);
            window.AppendToAddressList(window.AddressText());
            window.SetTimerEnabled(true);
            try {
                window.Browser().Navigate(g.INDIRIZZO_INIZIALE);
            } catch (const VbError&) {
                // The window shows whatever the address gave.
            }
        }
        fs.CanOpenForReading(g.INDIRIZZO_INIZIALE); // tested, but nothing on this path depends on it
    }
    program.form<frmBrowser>().Show();
}
