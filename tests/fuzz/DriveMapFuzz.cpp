// Fuzz target: any text as a Windows-form path on drive C:, mapped to a small folder tree. The
// host path must be empty or lie textually below the drive's folder, every ".." left in it must
// follow a name that is no existing folder, and whatever it names on disk must lie inside the
// drive: no text climbs out of its drive.
#include "platform/files/impl/DriveMap.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// Drive C: with the folders A, A/B and a, and the file A/f.htm.
const QTemporaryDir& Drive()
{
    static const QTemporaryDir root = [] {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("C/A/B"));
        QDir(dir.path()).mkpath(QStringLiteral("C/a"));
        QFile(dir.filePath(QStringLiteral("C/A/f.htm"))).open(QIODevice::WriteOnly);
        return dir;
    }();
    return root;
}

bool IsFolder(const QString& path) { return QFileInfo(path).isDir(); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString drive = Drive().filePath(QStringLiteral("C"));
    const DriveMap map(
        [&drive](const QString& variable) { return variable == QLatin1String("VINDREL_DRIVE_C") ? drive : QString(); });
    const QString rest = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString host = map.ToHost(QStringLiteral("C:\\") + rest);
    if (host.isEmpty())
        return 0;
    if (host != drive && !host.startsWith(drive + QLatin1Char('/')))
        std::abort();
    const QStringList parts = host.mid(drive.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString walked = drive;
    int names = 0;
    for (const QString& part : parts) {
        if (part == QLatin1String("..")) {
            if (names-- == 0 || IsFolder(walked))
                std::abort(); // above the drive, or a ".." that should have undone an existing folder
        } else {
            ++names;
        }
        walked += QLatin1Char('/') + part;
    }
    const QString canonical = QFileInfo(host).canonicalFilePath();
    const QString driveCanonical = QFileInfo(drive).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != driveCanonical && !canonical.startsWith(driveCanonical + QLatin1Char('/')))
        std::abort();
    return 0;
}
