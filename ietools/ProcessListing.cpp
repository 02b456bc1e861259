#include "ProcessListing.h"

#include <algorithm>

namespace {
const QString kIeExeName = QStringLiteral("IEXPLORE.EXE");
}

QString ProgramFileName(const QString& exeName)
{
    const qsizetype slash = std::max(exeName.lastIndexOf(QLatin1Char('/')), exeName.lastIndexOf(QLatin1Char('\\')));
    return exeName.mid(slash + 1);
}

bool IsIeProcessName(const QString& exeName) { return ProgramFileName(exeName).toUpper().contains(kIeExeName); }

QString ProcessIdText(std::uint32_t pid) { return QString::number(pid, 16).toUpper(); }

std::optional<std::uint32_t> ProcessIdFromText(const QString& idText)
{
    const QString digits = idText.trimmed();
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    for (const QChar c : digits) {
        const char16_t u = c.toUpper().unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F')))
            return std::nullopt;
    }
    return digits.toUInt(nullptr, 16);
}

std::vector<ListedProcess> SelectIeProcesses(const std::vector<ProcessEntry>& table)
{
    std::vector<ListedProcess> listed;
    QString lastIdText = QStringLiteral("0");
    for (const ProcessEntry& entry : table) {
        if (listed.size() == static_cast<std::size_t>(kMaxIeProcesses))
            break;
        const QString name = ProgramFileName(entry.exeName).toUpper();
        const QString idText = ProcessIdText(entry.pid);
        if (!name.contains(kIeExeName) || idText == lastIdText)
            continue;
        listed.push_back({name, idText});
        lastIdText = idText;
    }
    return listed;
}
