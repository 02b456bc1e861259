#include "AddressRules.h"

#include "app/TextHelpers.h"

#include <cmath>
#include <limits>

namespace {
const QString kLocalScheme = QStringLiteral("file://");
const QString kLocalPrefix = QStringLiteral("file:///");
const QString kBlankPage = QStringLiteral("about:blank");
constexpr int kBarLength = 60;
} // namespace

bool IsLocalAddress(const QString& address) { return TrimBlanks(address).left(kLocalScheme.size()) == kLocalScheme; }

QString PageButtonCaption(const QString& address, const QString& webCaption)
{
    return IsLocalAddress(address) ? kEditPageCaption : webCaption;
}

QString PathFormOfAddress(const QString& address)
{
    const QString trimmed = TrimBlanks(address);
    if (trimmed == kBlankPage || trimmed.isEmpty())
        return trimmed;
    const qsizetype at = address.indexOf(kLocalPrefix);
    QString path = at < 0 ? address : address.mid(at + kLocalPrefix.size());
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

std::optional<int> PercentBarLetters(std::int32_t done, std::int32_t total)
{
    const double ratio = total == 0 ? 0.0 : static_cast<double>(done) / total;
    // The default floating-point rounding sends halves to the even neighbour.
    const double letters = std::nearbyint(kBarLength * ratio);
    if (letters < 0 || letters > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<int>(letters);
}
