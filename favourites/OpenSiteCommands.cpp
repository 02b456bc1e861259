// The menu commands that open the clicked shortcut's site.
#include "FavouritesState.h"
#include "FavouritesText.h"
#include "FavouritesTree.h"
#include "frmFav.h"
#include "app/BrowserWindow.h"
#include "app/Program.h"
#include "platform/FileSystem.h"
#include "platform/SystemServices.h"
#include "platform/UiServices.h"
#include "platform/VbError.h"
#include "platform/WebBrowser.h"

#include <optional>

namespace {

// Handed to the association lookup only for its name and extension.
const QByteArray kProbeBytes = QByteArrayLiteral("\"<HTML> <\\HTML>\"\r\n");

// A step that fails is skipped, silently.
template <class Step> void Trapped(Step step)
{
    try {
        step();
    } catch (const VbError&) {
    }
}

std::optional<QString> SelectedAddress(Program& program)
{
    const QTreeWidgetItem* node = program.state<FavouritesState>().SelectedShortcut;
    if (!node)
        return std::nullopt;
    return FavouritesTree::Tag(*node);
}

} // namespace

void frmFav::mnuOpenSite_Click()
{
    BrowserWindow& browser = program().browserWindow();
    const std::optional<QString> address = SelectedAddress(program());
    if (address) {
        Trapped([&] { browser.SetAddressText(*address); });
    }
    Trapped([&] { browser.SetTimerEnabled(true); });
    if (address) {
        Trapped([&] { browser.Browser().Navigate(*address); });
    }
    // Navigate may have put the target address into the box: test what is there now.
    Trapped([&] {
        const bool local = TrimSpaces(browser.AddressText()).left(7) == QStringLiteral("file://");
        browser.SetCommand1Caption(local ? QStringLiteral(" Modifica    pagina") : QStringLiteral("Nuovo Vindrex"));
    });
    Hide();
}

void frmFav::mnuOpenSiteNew_Click()
{
    FileSystem& fs = program().fs();
    // Joined as they are: a program folder at a drive's root ("E:\") gives a doubled backslash,
    // which still names the same file.
    const QString folder = fs.ProgramFolder();
    const QString probe = folder + QStringLiteral("\\temphtm.HTM");
    // A probe that cannot be written still lets the lookup run, as the name is what it reads.
    Trapped([&] { fs.WriteAll(probe, kProbeBytes); });
    if (program().system().FindExecutable(probe) <= 32) {
        program().ui().MsgBox(QStringLiteral("nessun Browser associato"), MsgButtons::Ok, MsgIcon::Exclamation,
                              QStringLiteral("Browser Non trovato"));
    } else {
        bool started = false;
        Trapped([&] {
            const std::optional<QString> address = SelectedAddress(program());
            if (!address)
                throw VbError(91, QStringLiteral("Object variable or With block variable not set"));
            program().system().StartProgram(folder + QStringLiteral("\\VINDREL.EXE ") + *address);
            started = true;
        });
        if (!started) {
            program().ui().Beep();
            program().ui().MsgBox(QStringLiteral("Non trovo il programma  VINDREL.EXE  !!!"));
        }
    }
    Trapped([&] { fs.Kill(probe); });
}
