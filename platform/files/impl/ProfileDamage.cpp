#include "ProfileDamage.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QtEndian>

namespace {

constexpr qint64 kDatabaseHeader = 100;

// The engine's SQLite stores; their journals and the folders' own files are judged by the engine.
const QStringList kDatabases{QStringLiteral("Cookies"),
                             QStringLiteral("History"),
                             QStringLiteral("Favicons"),
                             QStringLiteral("Trust Tokens"),
                             QStringLiteral("QuotaManager"),
                             QStringLiteral("Web Data"),
                             QStringLiteral("Login Data"),
                             QStringLiteral("Network Action Predictor"),
                             QStringLiteral("databases/Databases.db")};
const QStringList kJson{QStringLiteral("user_prefs.json"), QStringLiteral("Preferences"),
                        QStringLiteral("Network Persistent State"), QStringLiteral("TransportSecurity")};

bool DatabaseSound(const QByteArray& head, qint64 size)
{
    if (size == 0)
        return true; // made, never written: the engine fills it
    if (head.size() < kDatabaseHeader || !head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return false;
    const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
    // Stored as 1 for 65536; any other size is a power of two from 512 up.
    const quint32 stored = qFromBigEndian<quint16>(bytes + 16);
    const quint32 pageSize = stored == 1 ? 65536 : stored;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0 || size % pageSize != 0)
        return false;
    // The page count in the header holds while its change counter matches the one beside it.
    const quint32 pages = qFromBigEndian<quint32>(bytes + 28);
    const bool countValid = qFromBigEndian<quint32>(bytes + 24) == qFromBigEndian<quint32>(bytes + 92);
    return !countValid || pages == 0 || qint64(pages) * pageSize <= size;
}

bool JsonSound(const QByteArray& contents)
{
    if (contents.isEmpty())
        return true;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(contents, &error);
    return error.error == QJsonParseError::NoError && document.isObject();
}

bool LevelDbCurrentSound(const QByteArray& contents)
{
    static const QRegularExpression manifest(QStringLiteral("^MANIFEST-[0-9]+\n$"));
    return manifest.match(QString::fromLatin1(contents)).hasMatch();
}

bool FolderSound(const QString& folder)
{
    QDirIterator files(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    const QDir top(folder);
    while (files.hasNext()) {
        const QString path = files.next();
        const ProfileFileKind kind = KindOfProfileFile(top.relativeFilePath(path));
        if (kind == ProfileFileKind::Other)
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const qint64 wanted = BytesToJudge(kind);
        if (!ProfileFileSound(kind, wanted < 0 ? file.readAll() : file.read(wanted), file.size()))
            return false;
    }
    return true;
}

} // namespace

ProfileFileKind KindOfProfileFile(const QString& relativePath)
{
    if (kDatabases.contains(relativePath))
        return ProfileFileKind::Database;
    if (relativePath.endsWith(QLatin1String("/CURRENT")))
        return ProfileFileKind::LevelDbCurrent;
    return kJson.contains(relativePath) ? ProfileFileKind::Json : ProfileFileKind::Other;
}

qint64 BytesToJudge(ProfileFileKind kind) { return kind == ProfileFileKind::Database ? kDatabaseHeader : -1; }

bool ProfileFileSound(ProfileFileKind kind, const QByteArray& head, qint64 size)
{
    switch (kind) {
    case ProfileFileKind::Database:
        return DatabaseSound(head, size);
    case ProfileFileKind::Json:
        return JsonSound(head);
    case ProfileFileKind::LevelDbCurrent:
        return LevelDbCurrentSound(head);
    case ProfileFileKind::Other:
        break;
    }
    return true;
}

ProfileCheck SetAsideIfDamaged(const QString& folder)
{
    if (!QFileInfo(folder).isDir() || FolderSound(folder))
        return {};
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = folder + QStringLiteral(".danneggiato-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = folder + QStringLiteral(".danneggiato-") + stamp + QLatin1Char('-') + QString::number(n);
    return {true, QDir().rename(folder, aside) ? aside : QString()};
}
