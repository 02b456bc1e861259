#include "VisitedSitesRules.h"

#include "app/TextHelpers.h"
#include "platform/files/TextCodec.h"

#include <algorithm>

QString VisitedSitesFile(const QString& programFolder) { return programFolder + QStringLiteral("\\VINDREL.DAT"); }

bool IsStorableAddress(const QString& text)
{
    return !TrimBlanks(text).isEmpty() && text != QStringLiteral("about:blank");
}

bool IsMissingFileError(int errorNumber)
{
    constexpr int fileNotFound = 53;
    constexpr int deviceUnavailable = 68;
    constexpr int pathNotFound = 76;
    return errorNumber == fileNotFound || errorNumber == deviceUnavailable || errorNumber == pathNotFound;
}

void OriginalLines::Remember(const QString& text, const QByteArray& bytes)
{
    // Plain ASCII, as most addresses are, comes back the same from its text.
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii && EncodeText(text) != bytes)
        bytes_.insert(text, bytes);
}

QByteArray OriginalLines::BytesFor(const QString& entry) const
{
    const auto found = bytes_.constFind(entry);
    return found != bytes_.constEnd() ? *found : EncodeText(entry);
}
