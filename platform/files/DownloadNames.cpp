#include "DownloadNames.h"

#include "FileSystem.h"
#include "impl/HostPaths.h"

#include <QRegularExpression>

namespace {

constexpr int kMaxNameBytes = 200; // room left for " (n)" and a partial suffix within NAME_MAX

qsizetype ExtensionStart(const QString& name)
{
    static const QRegularExpression tarball(QStringLiteral("\\.tar\\.[^.]+$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = tarball.match(name);
    if (match.hasMatch() && match.capturedStart() > 0)
        return match.capturedStart();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? dot : name.size();
}

// Marks that reorder the text on screen: "exe.txt" shown where the name ends in ".exe".
bool IsDirectionControl(QChar c)
{
    const char16_t u = c.unicode();
    return u == 0x061C || u == 0x200E || u == 0x200F || (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

QString SafeFileName(const QString& offered)
{
    QString name = offered.mid(std::max(offered.lastIndexOf(QLatin1Char('/')), offered.lastIndexOf(QLatin1Char('\\')))
                               + 1);
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control || IsDirectionControl(c); });
    // Inside the program the name ends a Windows-form path: a drive colon or a pattern there
    // would make it another path.
    for (QChar& c : name)
        if (QStringView(u"<>:\"|?*").contains(c))
            c = QLatin1Char('_');
    const auto trimmable = [](QChar c) { return c.isSpace() || c == QLatin1Char('.'); };
    while (!name.isEmpty() && trimmable(name.front()))
        name.remove(0, 1);
    while (!name.isEmpty() && trimmable(name.back()))
        name.chop(1);
    // Shortened before its extension (or at its end, when that is all), a whole character at a time.
    while (name.toUtf8().size() > kMaxNameBytes) {
        const qsizetype extension = ExtensionStart(name);
        qsizetype at = (extension > 1 ? extension : name.size()) - 1;
        const bool pair = at > 0 && name.at(at).isLowSurrogate() && name.at(at - 1).isHighSurrogate();
        name.remove(pair ? at - 1 : at, pair ? 2 : 1);
    }
    return name.isEmpty() ? QStringLiteral("download") : name;
}

QString FreeFileName(const QString& name, const std::function<bool(const QString&)>& taken)
{
    if (!taken(name))
        return name;
    const qsizetype extension = ExtensionStart(name);
    const QString stem = name.left(extension);
    const QString tail = name.mid(extension);
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(tail);
        if (!taken(candidate))
            return candidate;
    }
}

QString FreeSavePath(FileSystem& fs, const QString& folder, const QString& name)
{
    QString prefix = folder;
    if (!prefix.endsWith(QLatin1Char('\\')))
        prefix += QLatin1Char('\\');
    return prefix + FreeFileName(name, [&](const QString& candidate) {
               const QString host = fs.HostPath(prefix + candidate);
               return !host.isEmpty() && ExistsOrDangles(host);
           });
}
