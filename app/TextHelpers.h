#pragma once
#include <QString>

// Small text routines every subsystem uses, as the classic runtime had them.

// Removes blanks (spaces only, not tabs or line ends) at both ends, as the classic Trim did.
QString TrimBlanks(const QString& text);

// Two upper-case hexadecimal digits for 0 to 255 (5 gives "05", 200 gives "C8").
QString HEX2(int value);
