#include "favourites/FavouritesText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QChar kNul(u'\0');

TEST(FavouritesText, NulSeparatedItems)
{
    EXPECT_EQ(TrimNull(QStringLiteral("abc") + kNul + QStringLiteral("def")), QStringLiteral("abc"));
    EXPECT_EQ(TrimNull(QStringLiteral("abc")), QStringLiteral("abc"));
    EXPECT_EQ(TrimNull(QString(kNul)), QString());

    QString list = QStringLiteral("one") + kNul + QStringLiteral("two") + kNul;
    EXPECT_EQ(StripItem(list), QStringLiteral("one"));
    EXPECT_EQ(list, QStringLiteral("two") + kNul);
    EXPECT_EQ(StripItem(list), QStringLiteral("two"));
    EXPECT_EQ(list, QString());
    QString last = QStringLiteral("tail");
    EXPECT_EQ(StripItem(last), QString());
    EXPECT_EQ(last, QStringLiteral("tail"));
}

TEST(FavouritesText, PathsTitlesDepthsAndKeys)
{
    EXPECT_EQ(AddBackslash(QStringLiteral("C:\\Fav")), QStringLiteral("C:\\Fav\\"));
    EXPECT_EQ(AddBackslash(QStringLiteral("C:\\")), QStringLiteral("C:\\"));

    EXPECT_EQ(ShortcutTitle(QStringLiteral("Site.url.url")), QStringLiteral("Site"));
    EXPECT_EQ(ShortcutTitle(QStringLiteral(".url")), QString());
    EXPECT_FALSE(ShortcutTitle(QStringLiteral("Site.URL")));

    EXPECT_EQ(FolderDepth(QStringLiteral("C:\\WINDOWS\\Favorites\\News")), 1);
    EXPECT_EQ(FolderDepth(QStringLiteral("C:\\News")), 0);
    EXPECT_EQ(FolderDepth(QString(300, u'\\')), 200);

    EXPECT_TRUE(IsShortcutKey(QStringLiteral("News_URL")));
    EXPECT_FALSE(IsShortcutKey(QStringLiteral("News_url")));
    EXPECT_FALSE(IsShortcutKey(QStringLiteral("R")));
}

} // namespace
