#include "DesktopEntry.h"

namespace {

// The string escapes of a value: \s \n \t \r \\.
QString UnescapeValue(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        case '\\':
            out += QLatin1Char('\\');
            break;
        default:
            out += c;
            out += next; // kept for the Exec quoting rules
        }
    }
    return out;
}

// Splits at blanks; a double-quoted part is one argument whose backslashes escape the next
// character. nullopt when a quote is not closed.
std::optional<QStringList> SplitExec(const QString& exec)
{
    QStringList words;
    QString word;
    bool inWord = false, quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < exec.size())
                word += exec.at(++i);
            else
                word += c;
        } else if (c == QLatin1Char('"')) {
            quoted = inWord = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words << word;
    return words;
}

} // namespace

std::optional<DesktopLaunch> ReadDesktopEntry(const QByteArray& text)
{
    std::optional<QString> exec;
    bool terminal = false, inEntry = false;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inEntry || line.startsWith(QLatin1Char('#')) || equals < 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QLatin1String("Exec"))
            exec = UnescapeValue(value);
        else if (key == QLatin1String("Terminal"))
            terminal = value == QLatin1String("true");
    }
    if (!exec)
        return std::nullopt;
    return DesktopLaunch{*exec, terminal};
}

std::optional<QStringList> ExecArguments(const QString& exec, const QString& file)
{
    const auto words = SplitExec(exec);
    if (!words || words->isEmpty())
        return std::nullopt;
    QStringList arguments;
    bool fileTaken = false;
    for (const QString& word : *words) {
        QString argument;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (word.at(i) != QLatin1Char('%') || i + 1 == word.size()) {
                argument += word.at(i);
                continue;
            }
            const char16_t code = word.at(++i).unicode();
            if (code == u'%') {
                argument += QLatin1Char('%');
            } else if (code == u'f' || code == u'F' || code == u'u' || code == u'U') {
                argument += file;
                fileTaken = true;
            }
        }
        if (!argument.isEmpty() || word.isEmpty())
            arguments << argument;
    }
    if (arguments.isEmpty())
        return std::nullopt;
    if (!fileTaken)
        arguments << file;
    return arguments;
}
