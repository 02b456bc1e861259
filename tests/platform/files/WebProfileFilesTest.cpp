#include "platform/files/impl/ProfileDamage.h"
#include "platform/files/impl/ProfileLock.h"
#include "platform/files/impl/WebProfilePlaces.h"
#include "support/WriteFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// The first 100 bytes of an SQLite file: its page size, page count and the two change counters
// that say whether the count holds.
QByteArray DatabaseHeader(quint16 pageSize, quint32 pages, bool countValid = true)
{
    QByteArray head("SQLite format 3\0", 16);
    head.resize(100, '\0');
    auto* bytes = reinterpret_cast<uchar*>(head.data());
    qToBigEndian<quint16>(pageSize, bytes + 16);
    qToBigEndian<quint32>(7, bytes + 24);
    qToBigEndian<quint32>(pages, bytes + 28);
    qToBigEndian<quint32>(countValid ? 7 : 6, bytes + 92);
    return head;
}

TEST(ProfileDamage, EachKindOfFileIsJudgedByWhatItMustHold)
{
    using Kind = ProfileFileKind;
    struct Case {
        Kind kind;
        QByteArray head;
        qint64 size;
        bool sound;
    };
    const Case cases[] = {
        {Kind::Database, DatabaseHeader(4096, 2), 8192, true},
        {Kind::Database, {}, 0, true},                                // made, never written
        {Kind::Database, DatabaseHeader(1, 1), 65536, true},          // 1 stands for 65536
        {Kind::Database, DatabaseHeader(4096, 2), 5000, false},       // cut inside a page
        {Kind::Database, DatabaseHeader(4096, 4), 8192, false},       // cut at a page's end
        {Kind::Database, DatabaseHeader(4096, 4, false), 8192, true}, // a count that no longer holds says nothing
        {Kind::Database, DatabaseHeader(1000, 1), 1000, false},
        {Kind::Database, DatabaseHeader(4096, 1).left(50), 50, false},
        {Kind::Database, QByteArray(100, 'x'), 4096, false},
        {Kind::Json, "{\"a\": 1}", 8, true},
        {Kind::Json, "", 0, true},
        {Kind::Json, "{\"a\": ", 6, false},
        {Kind::Json, "[1]", 3, false},
        {Kind::Json, QByteArray("\0\0\xff", 3), 3, false},
        {Kind::LevelDbCurrent, "MANIFEST-000001\n", 16, true},
        {Kind::LevelDbCurrent, "MANIFEST-0000", 13, false},
        {Kind::LevelDbCurrent, QByteArray(16, '\xff'), 16, false},
        {Kind::Other, QByteArray(10, 'x'), 10, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProfileFileSound(c.kind, c.head, c.size), c.sound)
            << int(c.kind) << " " << c.head.left(20).toHex().constData();

    EXPECT_EQ(KindOfProfileFile(QStringLiteral("Cookies")), Kind::Database);
    EXPECT_EQ(KindOfProfileFile(QStringLiteral("Cookies-journal")), Kind::Other);
    EXPECT_EQ(KindOfProfileFile(QStringLiteral("user_prefs.json")), Kind::Json);
    EXPECT_EQ(KindOfProfileFile(QStringLiteral("Local Storage/leveldb/CURRENT")), Kind::LevelDbCurrent);
    EXPECT_EQ(KindOfProfileFile(QStringLiteral("Local Storage/leveldb/000003.log")), Kind::Other);
}

TEST(ProfileDamage, OnlyADamagedProfileIsMovedAsideWhole)
{
    QTemporaryDir root;
    const QString profile = root.filePath(QStringLiteral("profile"));
    EXPECT_FALSE(SetAsideIfDamaged(profile).damaged); // none yet

    QByteArray database = DatabaseHeader(512, 2);
    database.resize(1024, '\0');
    WriteFile(profile + QStringLiteral("/Cookies"), database);
    WriteFile(profile + QStringLiteral("/Local Storage/leveldb/000003.log"), "garbage is the store's own business");
    EXPECT_FALSE(SetAsideIfDamaged(profile).damaged);
    EXPECT_TRUE(QFileInfo::exists(profile + QStringLiteral("/Cookies")));

    WriteFile(profile + QStringLiteral("/Cookies"), database.left(700)); // truncated
    const ProfileCheck check = SetAsideIfDamaged(profile);
    EXPECT_TRUE(check.damaged);
    EXPECT_FALSE(QFileInfo::exists(profile));
    EXPECT_TRUE(QFileInfo(check.movedTo).fileName().startsWith(QStringLiteral("profile.danneggiato-")));
    EXPECT_EQ(QFileInfo(check.movedTo + QStringLiteral("/Cookies")).size(), 700); // kept as it was
}

TEST(ProfileLock, OneHolderAtATimeAndNoneLeftWhenItGoes)
{
    QTemporaryDir root;
    const QString path = root.filePath(QStringLiteral("profile.lock"));
    {
        const ProfileLock first(path);
        const ProfileLock second(path);
        EXPECT_TRUE(first.held());
        EXPECT_FALSE(second.held());
    }
    EXPECT_TRUE(ProfileLock(path).held());
    EXPECT_FALSE(ProfileLock(root.filePath(QStringLiteral("missing/profile.lock"))).held());
}

TEST(WebProfilePlaces, UnderTheUsersFoldersMadePrivate)
{
    const auto environment = [](const QString& name) {
        return name == QLatin1String("HOME") ? QStringLiteral("/home/anna") : QString();
    };
    const WebProfilePlaces places = WebProfilePlacesFor(environment);
    EXPECT_EQ(places.storage, QStringLiteral("/home/anna/.local/share/vindrel/web/profile"));
    EXPECT_EQ(places.cache, QStringLiteral("/home/anna/.cache/vindrel"));
    EXPECT_TRUE(WebProfilePlacesFor([](const QString&) { return QString(); }).storage.isEmpty());

    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("data/vindrel/web"));
    ASSERT_TRUE(MakePrivateFolder(folder));
    for (const QString& made : {folder, root.filePath(QStringLiteral("data"))})
        EXPECT_EQ(QFileInfo(made).permissions() & 0x7777, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                              | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

} // namespace
