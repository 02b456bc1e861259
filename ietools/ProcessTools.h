#pragma once
#include "ietools/ProcessListing.h"

#include <QString>

class Program;

// Finding and ending Internet Explorer processes.
void ELENCA_PROCESSI_IE(Program& program);
void TERMINA_PROCESSO(Program& program, const QString& idText);
void AGGIUNGI_PROCESSO(Program& program, const QString& exeName, const QString& idText);
