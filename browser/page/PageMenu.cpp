#include "PageMenu.h"

#include <QMenu>

namespace {

void Separate(std::vector<PageMenuEntry>& entries)
{
    if (!entries.empty() && entries.back().command)
        entries.push_back({});
}

} // namespace

std::vector<PageMenuEntry> PageMenuEntries(const PageContext& context)
{
    using C = PageCommand;
    std::vector<PageMenuEntry> entries;
    const bool onLink = !context.linkAddress.isEmpty();
    if (onLink) {
        entries.push_back({"Apri link", C::OpenLink});
        entries.push_back({"Apri link in una nuova finestra", C::OpenLinkInNewWindow});
        entries.push_back({"Copia indirizzo link", C::CopyLinkAddress});
    }
    if (context.onImage) {
        Separate(entries);
        entries.push_back({"Salva immagine con nome...", C::SaveImage});
        entries.push_back({"Copia immagine", C::CopyImage});
    }
    if (context.editable) {
        Separate(entries);
        entries.push_back({"Annulla", C::Undo, context.canUndo});
        entries.push_back({"Ripeti", C::Redo, context.canRedo});
        entries.push_back({});
        entries.push_back({"Taglia", C::Cut, context.canCut});
        entries.push_back({"Copia", C::Copy, context.canCopy});
        entries.push_back({"Incolla", C::Paste, context.canPaste});
        entries.push_back({"Elimina", C::Delete, context.canDelete});
        entries.push_back({});
        entries.push_back({"Seleziona tutto", C::SelectAll});
        return entries;
    }
    if (context.hasSelection) {
        Separate(entries);
        entries.push_back({"Copia", C::Copy});
    }
    if (onLink || context.onImage)
        return entries;
    Separate(entries);
    if (!context.hasSelection) {
        entries.push_back({"Indietro", C::Back, context.canGoBack});
        entries.push_back({"Avanti", C::Forward, context.canGoForward});
        entries.push_back({"Aggiorna", C::Reload});
        entries.push_back({});
    }
    entries.push_back({"Seleziona tutto", C::SelectAll});
    entries.push_back({});
    entries.push_back({"Stampa...", C::Print});
    entries.push_back({"Salva come PDF", C::SaveAsPdf});
    entries.push_back({});
    entries.push_back({"Visualizza sorgente", C::ViewSource});
    return entries;
}

void PopUpPageMenu(QWidget* page, const PageContext& context, std::function<void(PageCommand)> chosen)
{
    auto* menu = new QMenu(page);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const PageMenuEntry& entry : PageMenuEntries(context)) {
        if (!entry.command) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setEnabled(entry.enabled);
        QObject::connect(action, &QAction::triggered, menu, [chosen, command = *entry.command] { chosen(command); });
    }
    menu->popup(context.globalPosition);
}
