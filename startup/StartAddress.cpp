#include "StartAddress.h"

#include "app/TextHelpers.h"
#include "app/WindowsPath.h"

namespace {

const QString kPageName = QStringLiteral("INIZIO.HTM");

StartAddress FromDefaultHomes(const std::function<bool(const QString&)>& canOpen)
{
    StartAddress start;
    for (const QString& home : {QStringLiteral("C:\\HOME-PAG\\"), QStringLiteral("D:\\HOME-PAG\\")}) {
        start.CARTELLA_HOME = home;
        start.INDIRIZZO_INIZIALE = home + kPageName;
        if (canOpen(start.INDIRIZZO_INIZIALE))
            return start;
    }
    start.INDIRIZZO_INIZIALE = QStringLiteral("about:blank");
    return start;
}

StartAddress FromArgument(const QString& argumentText)
{
    StartAddress start;
    start.fromArgument = true;
    start.PERCORSO_PAGINA = QString(argumentText).replace(QLatin1Char('/'), QLatin1Char('\\'));
    const PathParts parts = SplitPath(start.PERCORSO_PAGINA);
    start.CARTELLA_HOME = parts.folder;
    start.INDIRIZZO_INIZIALE = start.CARTELLA_HOME + (TrimBlanks(parts.name).isEmpty() ? kPageName : parts.name);
    return start;
}

} // namespace

StartAddress ChooseStartAddress(const QString& argumentText, const std::function<bool(const QString&)>& canOpen)
{
    return TrimBlanks(argumentText).isEmpty() ? FromDefaultHomes(canOpen) : FromArgument(argumentText);
}
