#include "PageTransform.h"

#include "platform/files/FileSystem.h"
#include "platform/files/TextCodec.h"

#include <cstdint>
#include <cstring>

namespace {

// Whether the ASCII letters at `at` spell `upperWord`, in any letter case.
bool HasWordAt(QByteArrayView line, qsizetype at, const char* upperWord)
{
    for (qsizetype i = 0; upperWord[i]; ++i, ++at)
        if (at >= line.size() || (line[at] & ~0x20) != upperWord[i])
            return false;
    return true;
}

// "/BODY", or "</HTML", in any letter case, with its "/" at `at`.
bool IsMarkerAt(QByteArrayView text, qsizetype at)
{
    return text[at] == '/'
        && (HasWordAt(text, at + 1, "BODY") || (at > 0 && text[at - 1] == '<' && HasWordAt(text, at + 1, "HTML")));
}

QString WithLastCharacter(const QString& pagePath, QChar last) { return pagePath.left(pagePath.size() - 1) + last; }

bool EndsWithLineEnd(QByteArrayView text) { return !text.isEmpty() && (text.back() == '\r' || text.back() == '\n'); }

// Whole lines as they stand; a last line without an end gets CR LF.
void WriteLines(LineWriter& temporary, QByteArrayView lines)
{
    temporary.Write(lines);
    if (!EndsWithLineEnd(lines))
        temporary.Write(kCrLf);
}

// The end a line is written with: its own, or CR LF for a last line without one.
QByteArrayView EndToWrite(const LineReader& page) { return page.LineEnd().isEmpty() ? kCrLf : page.LineEnd(); }

void CopyRest(LineReader& page, LineWriter& temporary)
{
    for (QByteArrayView lines = page.PeekLines(); !lines.isEmpty(); lines = page.PeekLines()) {
        WriteLines(temporary, lines);
        page.Skip(lines.size());
    }
}

// Lines before the marker line pass whole blocks at a time: no line before it changes.
void Insert(LineReader& page, LineWriter& temporary, const InsertAfterBodyEnd& insert)
{
    for (QByteArrayView lines = page.PeekLines(); !lines.isEmpty(); lines = page.PeekLines()) {
        const qsizetype marker = FindBodyEnd(lines);
        if (marker < 0) {
            WriteLines(temporary, lines);
            page.Skip(lines.size());
            continue;
        }
        qsizetype lineStart = marker;
        while (lineStart > 0 && lines[lineStart - 1] != '\r' && lines[lineStart - 1] != '\n')
            --lineStart;
        temporary.Write(lines.first(lineStart));
        page.Skip(lineStart);
        QByteArrayView line;
        page.ReadLineView(line);
        // The inserted line takes the end of the line before it.
        const QByteArrayView end = EndToWrite(page);
        temporary.WriteLine(line, end);
        temporary.WriteLine(EncodeText(insert.markup), end);
        CopyRest(page, temporary);
        return;
    }
}

void Substitute(LineReader& page, LineWriter& temporary, const SubstituteLines& substitute)
{
    QByteArrayView line;
    while (page.ReadLineView(line)) {
        const std::optional<QByteArray> changed = substitute.rule(QByteArray::fromRawData(line.data(), line.size()));
        temporary.WriteLine(changed ? QByteArrayView(*changed) : line, EndToWrite(page));
    }
}

} // namespace

qsizetype FindBodyEnd(QByteArrayView text)
{
    // Every marker is a "/" before the letter B or H in any case: look for that pair sixteen
    // positions at a time, then check the candidates.
    using Block = unsigned char __attribute__((vector_size(16)));
    const char* data = text.data();
    const qsizetype size = text.size();
    qsizetype at = 0;
    for (; at + 17 <= size; at += 16) {
        Block slash, letter;
        std::memcpy(&slash, data + at, sizeof slash);
        std::memcpy(&letter, data + at + 1, sizeof letter);
        const Block folded = letter | 0x20;
        const auto hits = (slash == '/') & ((folded == 'b') | (folded == 'h'));
        std::uint64_t halves[2];
        std::memcpy(halves, &hits, sizeof halves);
        if ((halves[0] | halves[1]) == 0)
            continue;
        for (qsizetype i = at; i < at + 16; ++i)
            if (IsMarkerAt(text, i))
                return i;
    }
    for (; at < size; ++at)
        if (IsMarkerAt(text, at))
            return at;
    return -1;
}

void CopyTransformed(LineReader& page, LineWriter& temporary, const PageTransform& transform)
{
    if (const auto* insert = std::get_if<InsertAfterBodyEnd>(&transform))
        Insert(page, temporary, *insert);
    else
        Substitute(page, temporary, std::get<SubstituteLines>(transform));
}

QString TemporaryPath(const QString& pagePath) { return WithLastCharacter(pagePath, QLatin1Char('~')); }
QString BackupPath(const QString& pagePath) { return WithLastCharacter(pagePath, QLatin1Char('_')); }
