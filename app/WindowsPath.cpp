#include "WindowsPath.h"

PathParts SplitPath(const QString& path)
{
    const qsizetype cut = path.lastIndexOf(QLatin1Char('\\')) + 1;
    return {path.left(cut), path.mid(cut)};
}

QString ParentFolder(const QString& path)
{
    const QString folder = SplitPath(path).folder;
    return folder.isEmpty() ? folder : folder.chopped(1);
}

QString JoinPath(const QString& folder, const QString& name)
{
    return (folder.endsWith(QLatin1Char('\\')) ? folder : folder + QLatin1Char('\\')) + name;
}
