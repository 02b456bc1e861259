#pragma once
#include <QString>

// Windows-style wildcard match without regard to case: "*" any run, "?" one character;
// a pattern ending in ".*" also matches the name without that extension ("*.*" matches all).
bool MatchesPattern(const QString& name, const QString& pattern);

// The order an NTFS volume lists names in: upper-cased, then by UTF-16 code unit.
// Names equal after upper-casing fall back to their own code units, so the order is total.
bool NtfsLess(const QString& a, const QString& b);
