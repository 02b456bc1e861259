#include "VisitedSitesRules.h"

#include "platform/TextCodec.h"
#include "startup/TrimBlanks.h"

QString VisitedSitesFile(const QString& programFolder) { return programFolder + QStringLiteral("\\VINDREL.DAT"); }

bool IsStorableAddress(const QString& text)
{
    return !TrimBlanks(text).isEmpty() && text != QStringLiteral("about:blank");
}

bool ListHoldsAddress(const QStringList& list, const QString& address)
{
    const QString wanted = TrimBlanks(address);
    for (const QString& entry : list)
        if (TrimBlanks(entry) == wanted)
            return true;
    return false;
}

bool IsMissingFileError(int errorNumber)
{
    constexpr int fileNotFound = 53;
    constexpr int deviceUnavailable = 68;
    constexpr int pathNotFound = 76;
    return errorNumber == fileNotFound || errorNumber == deviceUnavailable || errorNumber == pathNotFound;
}

QByteArray OriginalLines::BytesFor(const QString& entry) const
{
    const auto found = bytes_.constFind(entry);
    return found != bytes_.constEnd() ? *found : EncodeText(entry);
}
