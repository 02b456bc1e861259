#include "WebAddress.h"

#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

namespace {

const QString kBlank = QStringLiteral("about:blank");

bool StartsWithDrive(const QString& text)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    return drive.match(text).hasMatch();
}

bool IsSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

bool IsRooted(const QString& text) { return !text.isEmpty() && IsSeparator(text.front()); }

// "scheme:" of two or more letters (one letter is a drive); "host:8080" is not a scheme, nor is
// a word and a colon before a blank ("ricetta: carbonara").
bool HasScheme(const QString& text)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.\\-]+:(?!\\d+([/\\\\?#]|$)|\\s)"));
    return scheme.match(text).hasMatch();
}

QString Backslashed(QString path) { return path.replace(QLatin1Char('/'), QLatin1Char('\\')); }

// The path a "file:" address names, as given, else unescaped ("my%20site") when that exists.
QString ExistingOrAsGiven(const QString& path, const std::function<bool(const QString&)>& isFile)
{
    if (!path.contains(QLatin1Char('%')) || isFile(path))
        return path;
    const QString unescaped = QUrl::fromPercentEncoding(path.toUtf8());
    return isFile(unescaped) ? unescaped : path;
}

// "file:///C:/x", "file://C:\x", "file:/home/x"... to a drive or rooted path. A "#place" after
// the name of an existing file is a place in that page, unless the whole text names a file.
AddressTarget FileAddressTarget(const QString& address, const std::function<bool(const QString&)>& isFile)
{
    QString rest = address.mid(5);
    qsizetype slashes = 0;
    while (slashes < rest.size() && IsSeparator(rest.at(slashes)))
        ++slashes;
    rest = rest.mid(slashes);
    const QString path = Backslashed(StartsWithDrive(rest) ? rest : QLatin1Char('\\') + rest);
    const QString whole = ExistingOrAsGiven(path, isFile);
    const qsizetype hash = path.lastIndexOf(QLatin1Char('#'));
    if (hash > 0 && !isFile(whole)) {
        const QString page = ExistingOrAsGiven(path.left(hash), isFile);
        if (isFile(page))
            return {AddressTarget::Kind::LocalFile, page, path.mid(hash + 1)};
    }
    return {AddressTarget::Kind::LocalFile, whole, {}};
}

AddressTarget WebTarget(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QUrl url(text, QUrl::TolerantMode);
    const bool needsHost = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (!url.isValid() || (needsHost && url.host().isEmpty()))
        return {};
    return {AddressTarget::Kind::Web, text, {}};
}

// Bare text without a scheme, drive or path of its own: a host name needs a dot, a port or to be
// "localhost", unless a path follows it; text with a blank in it is words in any case.
bool IsSearchPhrase(const QString& text)
{
    static const QRegularExpression blank(QStringLiteral("\\s"));
    static const QRegularExpression hostEnd(QStringLiteral("[/\\\\?#]"));
    if (text.contains(blank))
        return true;
    const qsizetype end = text.indexOf(hostEnd);
    const QString host = end < 0 ? text : text.left(end);
    if (end >= 0 && IsSeparator(text.at(end)))
        return false;
    return !host.contains(QLatin1Char('.')) && !host.contains(QLatin1Char(':'))
        && host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) != 0;
}

} // namespace

AddressTarget ReadAddress(const QString& address, const std::function<bool(const QString&)>& isFile)
{
    const QString text = address.trimmed();
    if (text.isEmpty())
        return {};
    if (text.compare(kBlank, Qt::CaseInsensitive) == 0)
        return {AddressTarget::Kind::Blank, kBlank, {}};
    if (text.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return FileAddressTarget(text, isFile);
    if (StartsWithDrive(text) || IsRooted(text))
        return {AddressTarget::Kind::LocalFile, Backslashed(text), {}};
    if (HasScheme(text))
        return WebTarget(text);
    if (isFile(Backslashed(text)))
        return {AddressTarget::Kind::LocalFile, Backslashed(text), {}};
    if (IsSearchPhrase(text))
        return {AddressTarget::Kind::Search, SearchAddress(text), {}};
    return WebTarget(QStringLiteral("http://") + text);
}

QString SearchAddress(const QString& words)
{
    // As a search form sends them: "+" between the words, everything else escaped.
    QStringList query;
    for (const QString& word : words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        query << QString::fromLatin1(QUrl::toPercentEncoding(word));
    return kSearchPage + QStringLiteral("search?q=") + query.join(QLatin1Char('+'));
}

QString FileLocation(const QString& windowsPath)
{
    QString path = windowsPath;
    return QStringLiteral("file:///") + path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString PageWindowsPath(const QString& address)
{
    static const QRegularExpression placeOrQuery(QStringLiteral("[#?]"));
    static const QRegularExpression drivePath(QStringLiteral("^(?:file:[\\\\/]*)?([A-Za-z]):[\\\\/](.*)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QString beforePlace = address.trimmed().section(placeOrQuery, 0, 0);
    const QRegularExpressionMatch match = drivePath.match(QUrl::fromPercentEncoding(beforePlace.toUtf8()));
    if (!match.hasMatch())
        return {};
    return match.captured(1).toUpper() + QStringLiteral(":\\") + Backslashed(match.captured(2));
}

QString PageWindowsPath(const QUrl& address) { return PageWindowsPath(address.toString(QUrl::FullyEncoded)); }
