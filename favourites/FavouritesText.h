#pragma once
#include <QString>
#include <cstdint>
#include <optional>

// Small text routines of the favourites scan; they work on Windows-form paths and names.

// The text before the first NUL character, or the whole text when it holds none.
QString TrimNull(const QString& startstr);
// Splits off the first of a list of NUL-separated items: returns it and leaves the rest in
// startStrg; with no NUL, returns the empty text and leaves startStrg unchanged.
QString StripItem(QString& startStrg);
// The path followed by "\" unless it already ends with one.
QString AddBackslash(const QString& path);

// The title of a shortcut file: its name before the first ".url" (case counts); nothing when
// the name holds no ".url" (".URL" does not count).
std::optional<QString> ShortcutTitle(const QString& fileName);
// The depth index of a folder path: its "\" count less 2, kept inside 0..200.
std::int16_t FolderDepth(const QString& path);
// A shortcut node's key ends with "_URL" (case counts).
bool IsShortcutKey(const QString& key);
