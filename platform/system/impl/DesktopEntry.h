#pragma once
#include <QByteArray>
#include <QStringList>
#include <optional>

// How a desktop entry (an application's ".desktop" file) is started.
struct DesktopLaunch {
    QString exec;          // the Exec value, string escapes undone
    bool terminal = false; // Terminal=true: the program needs a terminal
};

// Exec and Terminal of the entry's [Desktop Entry] group; nullopt without an Exec.
std::optional<DesktopLaunch> ReadDesktopEntry(const QByteArray& text);

// The program and its arguments that an Exec value gives for one file: quoted arguments
// undone; %f %F %u %U replaced by the file, %% by %, other field codes dropped; the file
// appended when no field code takes it. nullopt when the value is empty or badly quoted.
std::optional<QStringList> ExecArguments(const QString& exec, const QString& file);
