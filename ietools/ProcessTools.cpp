#include "ProcessTools.h"

void ELENCA_PROCESSI_IE(Program&) {}
void TERMINA_PROCESSO(Program&, const QString&) {}
void AGGIUNGI_PROCESSO(Program&, const QString&, const QString&) {}
QString HEX2(int) { return QStringLiteral("00"); }
