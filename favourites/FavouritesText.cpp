#include "FavouritesText.h"

#include "app/WindowsPath.h"

#include <algorithm>

QString TrimNull(const QString& startstr)
{
    const qsizetype position = startstr.indexOf(QChar(u'\0'));
    return position < 0 ? startstr : startstr.left(position);
}

QString StripItem(QString& startStrg)
{
    const qsizetype position = startStrg.indexOf(QChar(u'\0'));
    if (position < 0)
        return {};
    const QString item = startStrg.left(position);
    startStrg = startStrg.mid(position + 1);
    return item;
}

QString AddBackslash(const QString& path) { return JoinPath(path, QString()); }

std::optional<QString> ShortcutTitle(const QString& fileName)
{
    const qsizetype position = fileName.indexOf(QStringLiteral(".url"), 0, Qt::CaseSensitive);
    if (position < 0)
        return std::nullopt;
    return fileName.left(position);
}

std::int16_t FolderDepth(const QString& path)
{
    const qsizetype depth = path.count(u'\\') - 2;
    return static_cast<std::int16_t>(std::clamp<qsizetype>(depth, 0, 200));
}

bool IsShortcutKey(const QString& key) { return key.endsWith(QStringLiteral("_URL"), Qt::CaseSensitive); }
