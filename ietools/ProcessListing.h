#pragma once
#include "platform/system/ProcessService.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// The rules by which Internet Explorer processes are picked out of a process table.

// Room in the program-wide table of listed ids (slots 1 to 200).
inline constexpr int kMaxIeProcesses = 200;

// One process as listed: upper-cased file name of its program and id as hexadecimal text.
struct ListedProcess {
    QString name;
    QString idText;
};

// The program's own file name: what follows the last "/" or "\" of the name a process gives
// (Wine gives "C:\Program Files\Internet Explorer\iexplore.exe").
QString ProgramFileName(const QString& exeName);

// True when the program's file name, upper-cased, contains "IEXPLORE.EXE"; the folders it lies
// in do not count.
bool IsIeProcessName(const QString& exeName);

// The id as upper-case hexadecimal text without leading zeros (420 gives "1A4").
QString ProcessIdText(std::uint32_t pid);

// The id a hexadecimal text stands for; nullopt for a blank text or one that is not a
// hexadecimal number of 32 bits.
std::optional<std::uint32_t> ProcessIdFromText(const QString& idText);

// The Internet Explorer processes of a table, in the order found: an entry repeating the id
// listed just before it is skipped, and only the first kMaxIeProcesses are kept.
std::vector<ListedProcess> SelectIeProcesses(const std::vector<ProcessEntry>& table);
