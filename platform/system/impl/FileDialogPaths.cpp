#include "FileDialogPaths.h"

#include "platform/files/FileSystem.h"

#include <QStringList>

namespace {

bool IsPattern(const QString& name) { return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')); }

// "*.JPG" → "*.[Jj][Pp][Gg]": host dialogs compare names with regard to case.
QString CaseBlind(const QString& pattern)
{
    QString out;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QLatin1Char('[') + c.toUpper() + c.toLower() + QLatin1Char(']');
        else
            out += c;
    }
    return out;
}

// "*.JPG;*.BMP" → "*.JPG;*.BMP (*.[Jj][Pp][Gg] *.[Bb][Mm][Pp])".
QString NameFilter(const QString& patternList)
{
    QStringList patterns;
    for (const QString& pattern : patternList.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!pattern.trimmed().isEmpty())
            patterns << CaseBlind(pattern.trimmed());
    if (patterns.isEmpty())
        return {};
    return patternList + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

} // namespace

HostDialogSetup MapFileDialogRequest(FileSystem& fs, const FileDialogRequest& request)
{
    const qsizetype cut = std::max(request.fileName.lastIndexOf(QLatin1Char('\\')),
                                   request.fileName.lastIndexOf(QLatin1Char('/')));
    QString folderPart = cut < 0 ? QString() : request.fileName.left(cut);
    if (folderPart.size() == 2 && folderPart.endsWith(QLatin1Char(':')))
        folderPart += QLatin1Char('\\'); // "C:\*.HTM": the root of the drive
    const QString namePart = request.fileName.mid(cut + 1);

    HostDialogSetup setup;
    const QString folder = request.initialFolder.isEmpty() ? folderPart : request.initialFolder;
    if (!folder.isEmpty())
        setup.folder = fs.HostPath(folder);
    if (!IsPattern(namePart))
        setup.selectedFile = namePart;
    setup.nameFilter = NameFilter(!request.filter.isEmpty()      ? request.filter
                                  : setup.selectedFile.isEmpty() ? namePart
                                                                 : QString());
    return setup;
}
