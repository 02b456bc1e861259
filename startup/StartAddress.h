#pragma once
#include <QString>
#include <functional>

// The first address of the run and its folder, chosen from the argument text.
struct StartAddress {
    bool fromArgument = false;
    QString INDIRIZZO_INIZIALE;
    QString CARTELLA_HOME;
    QString PERCORSO_PAGINA; // only with an argument
};

// Without an argument (blank text): "C:\HOME-PAG\INIZIO.HTM" if it can be opened, else the same
// on D:, else "about:blank". With one: the argument itself with "/" turned into "\", its folder
// as the home, and "INIZIO.HTM" when it names no file; nothing is tested on disk.
StartAddress ChooseStartAddress(const QString& argumentText, const std::function<bool(const QString&)>& canOpen);
