#include "platform/files/impl/HostFolderWatcher.h"
#include "support/TempDriveC.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

namespace {

TEST(HostFolderWatcherTest, TellsEntriesAddedRenamedAndRemovedInTheWatchedFoldersOnly)
{
    TempDriveC c;
    QDir folders(c.host(QString()));
    ASSERT_TRUE(folders.mkpath(QStringLiteral("Uno")) && folders.mkpath(QStringLiteral("Due")));
    int changes = 0;
    HostFolderWatcher watcher(c.fs, [&] { ++changes; });
    watcher.Watch({QStringLiteral("C:\\UNO\\"), QStringLiteral("C:\\Manca\\")}); // names found case-blind
    const auto told = [&](const std::function<void()>& change) {
        const int before = changes;
        change();
        return WaitUntil([&] { return changes > before; });
    };
    EXPECT_TRUE(told([&] { c.Write(QStringLiteral("Uno/Rai.url"), "[InternetShortcut]\r\n"); }));
    EXPECT_TRUE(told([&] { folders.rename(QStringLiteral("Uno/Rai.url"), QStringLiteral("Uno/Tg.url")); }));
    EXPECT_TRUE(told([&] { folders.mkdir(QStringLiteral("Uno/Cartella")); }));
    EXPECT_TRUE(told([&] { folders.remove(QStringLiteral("Uno/Tg.url")); }));

    // A new set replaces the old: both changes below are queued before either is read, so one
    // of Uno would be told together with Due's.
    watcher.Watch({QStringLiteral("C:\\Due")});
    changes = 0;
    folders.mkdir(QStringLiteral("Uno/Altra"));
    folders.mkdir(QStringLiteral("Due/Altra"));
    ASSERT_TRUE(WaitUntil([&] { return changes > 0; }));
    EXPECT_EQ(changes, 1);
}

} // namespace
