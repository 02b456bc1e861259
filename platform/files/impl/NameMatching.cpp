#include "NameMatching.h"

namespace {

// Classic greedy wildcard match with one backtrack point; both texts already upper-cased.
bool WildcardMatch(const QString& name, const QString& pattern)
{
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern.at(p) == QLatin1Char('?') || pattern.at(p) == name.at(n))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace

bool MatchesPattern(const QString& name, const QString& pattern)
{
    const QString upperName = name.toUpper();
    const QString upperPattern = pattern.toUpper();
    if (WildcardMatch(upperName, upperPattern))
        return true;
    return upperPattern.endsWith(QLatin1String(".*")) && WildcardMatch(upperName, upperPattern.chopped(2));
}

bool NtfsLess(const QString& a, const QString& b)
{
    const int byUpper = QString::compare(a.toUpper(), b.toUpper(), Qt::CaseSensitive);
    return byUpper != 0 ? byUpper < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}
