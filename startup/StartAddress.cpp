#include "StartAddress.h"

#include "app/TrimBlanks.h"

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
    const qsizetype lastSeparator = start.PERCORSO_PAGINA.lastIndexOf(QLatin1Char('\\'));
    start.CARTELLA_HOME = start.PERCORSO_PAGINA.left(lastSeparator + 1);
    const QString fileName = start.PERCORSO_PAGINA.mid(lastSeparator + 1);
    start.INDIRIZZO_INIZIALE = start.CARTELLA_HOME + (TrimBlanks(fileName).isEmpty() ? kPageName : fileName);
    return start;
}

} // namespace

StartAddress ChooseStartAddress(const QString& argumentText, const std::function<bool(const QString&)>& canOpen)
{
    return TrimBlanks(argumentText).isEmpty() ? FromDefaultHomes(canOpen) : FromArgument(argumentText);
}
