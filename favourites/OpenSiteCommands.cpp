// The menu commands that open the clicked shortcut's site.
#include "FavouritesText.h"
#include "FavouritesTree.h"
#include "frmFav.h"
#include "app/BrowserWindow.h"
#include "app/IgnoreErrors.h"
#include "app/Program.h"
#include "app/TextHelpers.h"
#include "platform/VbError.h"
#include "platform/engine/WebBrowser.h"
#include "platform/files/FileSystem.h"
#include "platform/system/SystemServices.h"
#include "platform/system/UiServices.h"

#include <optional>

namespace {

// Handed to the association lookup only for its name and extension.
const QByteArray kProbeBytes = QByteArrayLiteral("\"<HTML> <\\HTML>\"\r\n");

// The address of the shortcut node last clicked, while that node is in the tree.
std::optional<QString> SelectedAddress(const frmFav& window)
{
    const QString& key = window.program().favourites.SelectedShortcutKey;
    const QTreeWidgetItem* node = key.isEmpty() ? nullptr : window.Tree().Find(key);
    if (!node)
        return std::nullopt;
    return FavouritesTree::Tag(*node);
}

} // namespace

void frmFav::mnuOpenSite_Click()
{
    BrowserWindow& browser = program().browserWindow();
    const std::optional<QString> address = SelectedAddress(*this);
    if (address) {
        IgnoreErrors([&] { browser.SetAddressText(*address); });
    }
    IgnoreErrors([&] { browser.SetTimerEnabled(true); });
    if (address) {
        IgnoreErrors([&] { browser.Browser().Navigate(*address); });
    }
    // Navigate may have put the target address into the box: test what is there now.
    IgnoreErrors([&] {
        const bool local = TrimBlanks(browser.AddressText()).left(7) == QStringLiteral("file://");
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
    IgnoreErrors([&] { fs.WriteAll(probe, kProbeBytes); });
    if (program().system().FindExecutable(probe) <= 32) {
        program().ui().MsgBox(QStringLiteral("nessun Browser associato"), MsgButtons::Ok, MsgIcon::Exclamation,
                              QStringLiteral("Browser Non trovato"));
    } else {
        bool started = false;
        IgnoreErrors([&] {
            const std::optional<QString> address = SelectedAddress(*this);
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
    IgnoreErrors([&] { fs.Kill(probe); });
}
