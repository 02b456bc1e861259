#include "DriveMap.h"

#include "HostPaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool IsDriveLetter(QChar c)
{
    const char16_t u = c.toUpper().unicode();
    return u >= u'A' && u <= u'Z';
}

// Absolute, with "." and ".." resolved and no trailing "/" (except the root itself).
QString CleanAbsolute(const QString& hostPath)
{
    return QDir::cleanPath(QDir::isAbsolutePath(hostPath) ? hostPath : QDir::current().absoluteFilePath(hostPath));
}

bool IsExistingFolder(const QString& hostPath) { return IsFolder(StatHost(LookUpHostPath(hostPath))); }

// "rest" is the part after the drive, with "/" separators. A ".." undoes only a folder that
// exists, as the kernel resolves a path: after a name that does not exist (or is no folder) it
// stays in the text, which then names nothing, so no made-up name can lead elsewhere. At the
// drive's root it is dropped: it never climbs above the drive.
QString JoinBelow(const QString& folder, const QString& rest)
{
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    QStringList parts;
    int depth = 0;         // below the drive's root, counting a ".." that stays as a step up
    bool reachable = true; // every part so far names an existing folder
    for (const QString& part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part != QLatin1String("..")) {
            parts.append(part);
            ++depth;
            continue;
        }
        if (depth == 0)
            continue;
        --depth;
        reachable = reachable && IsExistingFolder(base + parts.join(QLatin1Char('/')));
        if (reachable)
            parts.removeLast();
        else
            parts.append(part);
    }
    return parts.isEmpty() ? folder : base + parts.join(QLatin1Char('/'));
}

bool IsUnder(const QString& path, const QString& folder)
{
    if (folder == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == folder || (path.startsWith(folder) && path.at(folder.size()) == QLatin1Char('/'));
}

struct DriveCandidate {
    QChar letter;
    QString folder;
};

} // namespace

DriveMap::DriveMap(Environment environment) : environment_(std::move(environment)) {}

DriveMap::Environment DriveMap::ProcessEnvironment()
{
    return [](const QString& variable) { return qEnvironmentVariable(variable.toLocal8Bit().constData()); };
}

DriveMap DriveMap::FromProcessEnvironment() { return DriveMap(ProcessEnvironment()); }

QString DriveMap::WinePrefix() const
{
    const QString prefix = environment_(QStringLiteral("WINEPREFIX"));
    if (!prefix.isEmpty())
        return prefix;
    const QString home = environment_(QStringLiteral("HOME"));
    return home.isEmpty() ? QString() : home + QStringLiteral("/.wine");
}

QString DriveMap::WineDriveLink(QChar letter) const
{
    const QString prefix = WinePrefix();
    if (prefix.isEmpty())
        return {};
    const QString link = prefix + QStringLiteral("/dosdevices/") + letter.toLower() + QLatin1Char(':');
    return QFileInfo::exists(link) ? link : QString();
}

QString DriveMap::DriveFolder(QChar letter) const
{
    if (!IsDriveLetter(letter))
        return {};
    const QChar upper = letter.toUpper();
    const QString configured = environment_(QStringLiteral("VINDREL_DRIVE_") + upper);
    if (!configured.isEmpty())
        return CleanAbsolute(configured);
    const QString link = WineDriveLink(upper);
    if (!link.isEmpty())
        return link;
    return upper == QLatin1Char('Z') ? QStringLiteral("/") : QString();
}

QString DriveMap::ToHost(const QString& windowsPath) const
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool hasDrive = path.size() >= 2 && path.at(1) == QLatin1Char(':') && IsDriveLetter(path.at(0));
    if (path.indexOf(QLatin1Char(':'), hasDrive ? 2 : 0) >= 0 || path.contains(QChar(0)))
        return {};
    if (hasDrive) {
        const QString folder = DriveFolder(path.at(0));
        return folder.isEmpty() ? QString() : JoinBelow(folder, path.mid(2));
    }
    if (path.startsWith(QLatin1Char('/')))
        return JoinBelow(QStringLiteral("/"), path);
    return JoinBelow(QDir::currentPath(), path);
}

QString DriveMap::ToWindows(const QString& hostPath) const
{
    // A folder may be reached through links ("../drive_c", a linked home): every road counts.
    std::vector<DriveCandidate> candidates;
    auto addFolder = [&candidates](QChar letter, const QString& folder) {
        candidates.push_back({letter, CleanAbsolute(folder)});
        const QString target = QFileInfo(folder).canonicalFilePath();
        if (!target.isEmpty() && target != candidates.back().folder)
            candidates.push_back({letter, target});
    };
    for (char16_t l = u'A'; l <= u'Z'; ++l) {
        const QChar letter(l);
        const QString configured = environment_(QStringLiteral("VINDREL_DRIVE_") + letter);
        const QString folder = configured.isEmpty() ? WineDriveLink(letter) : configured;
        if (!folder.isEmpty())
            addFolder(letter, folder);
        else if (letter == QLatin1Char('Z'))
            candidates.push_back({letter, QStringLiteral("/")});
    }

    auto bestFor = [&candidates](const QString& path) {
        const DriveCandidate* best = nullptr;
        for (const DriveCandidate& c : candidates)
            if (IsUnder(path, c.folder) && (!best || c.folder.size() > best->folder.size()))
                best = &c;
        return best;
    };
    QString path = CleanAbsolute(hostPath);
    const DriveCandidate* best = bestFor(path);
    if (!best || best->folder == QLatin1String("/")) {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        const DriveCandidate* viaLinks = canonical.isEmpty() ? nullptr : bestFor(canonical);
        if (viaLinks && viaLinks->folder != QLatin1String("/")) {
            best = viaLinks;
            path = canonical;
        }
    }

    const QChar letter = best ? best->letter : QChar(u'Z');
    QString rest = best && best->folder != QLatin1String("/") ? path.mid(best->folder.size()) : path;
    if (!rest.startsWith(QLatin1Char('/')))
        rest.prepend(QLatin1Char('/'));
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return letter + QLatin1Char(':') + rest;
}
