#include "CommandLineSplit.h"

namespace {

QString FindProgram(const QString& name, const ExistingFileLookup& findFile)
{
    const QString found = findFile(name);
    if (!found.isEmpty() || !name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive))
        return found;
    return findFile(name.chopped(4));
}

} // namespace

std::optional<ProgramCommand> SplitCommandLine(const QString& commandLine, const ExistingFileLookup& findFile)
{
    for (qsizetype end = 0; end <= commandLine.size(); ++end) {
        if (end < commandLine.size() && commandLine.at(end) != QLatin1Char(' '))
            continue;
        const QString name = commandLine.left(end);
        if (name.trimmed().isEmpty())
            continue;
        const QString program = FindProgram(name, findFile);
        if (program.isEmpty())
            continue;
        const QString rest = commandLine.mid(end + 1);
        return ProgramCommand{program, rest.isEmpty() ? QStringList() : QStringList{rest}};
    }
    return std::nullopt;
}
