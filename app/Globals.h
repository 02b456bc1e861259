#pragma once
#include <QString>
#include <array>
#include <cstdint>

// The program-wide variables; they live for the whole run and start empty or zero.
struct Globals {
    QString INDIRIZZO_INIZIALE;
    QString CARTELLA_HOME;
    QString PERCORSO_PAGINA;
    std::int16_t POPUP_PERMESSI = 0;
    std::int16_t SITI_VISITATI = 0;
    std::array<QString, 201> PID_IE{};
    std::int16_t NUM_PID_IE = 0;
    std::int16_t FORM_COLORE = 0;
    std::int16_t INDICE_COLORE = 0;
};
