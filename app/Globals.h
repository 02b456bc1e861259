#pragma once
#include <QString>
#include <array>
#include <cstdint>

// The program-wide variables; they live for the whole run and start empty or zero.
struct Globals {
    // The address the main window opens first; the load step's fall-backs replace it, and the
    // preset-site buttons ("Tin", "Google"…) put the site they open in it.
    QString INDIRIZZO_INIZIALE;
    // The home folder with its trailing "\": "C:\HOME-PAG\", "D:\HOME-PAG\" or the folder of the
    // argument (empty when the argument holds no "\"). The page editor looks there for the pages
    // to link and the SF*.JPG backgrounds.
    QString CARTELLA_HOME;
    // The argument with every "/" turned into "\"; once a page has loaded, the path form of the
    // page on display, which the timer keeps.
    QString PERCORSO_PAGINA;
    // -1: pages may open new windows; 0 ("Elimina Win PopUp" ticked, as at start): they may not.
    // Read only while "Elimina domande" is ticked; otherwise each new window is asked about.
    std::int16_t POPUP_PERMESSI = 0;
    // 1 once an address was opened from the address box or a page reported progress; while it is
    // 0, closing does not ask whether to save the visited sites.
    std::int16_t SITI_VISITATI = 0;
    // The hexadecimal ids of the Internet Explorer processes of the last listing: slot k for row
    // k-1 of the IE windows list; slot 0 is never used.
    std::array<QString, 201> PID_IE{};
    // How many processes the last listing found.
    std::int16_t NUM_PID_IE = 0;
    // The window the colour picker writes to: 3 the banner creator (Form3), 4 the link creator
    // (Form4); any other value: none, only the picker's preview changes.
    std::int16_t FORM_COLORE = 0;
    // Which colour box of that window: 0 Text2[0], the text colour; any other Text2[1], the
    // background colour.
    std::int16_t INDICE_COLORE = 0;
};
