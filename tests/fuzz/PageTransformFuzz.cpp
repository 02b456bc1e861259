// Fuzz target: any bytes as a page, read line by line and rewritten in insert mode or through
// the background substitution, with read buffers of many sizes. The result must equal what a
// plain reading of the rules gives: lines end at CR LF, CR or LF and keep their end, a last line
// without one gets CR LF, the markup follows the first line holding "/BODY" or "</HTML" (ASCII
// letters in any case) with that line's end. Reading by blocks of lines must give the page back.
// The first byte chooses the mode and the sizes of the read and write buffers.
#include "pageedit/BackgroundRule.h"
#include "pageedit/PageTransform.h"
#include "platform/files/TextCodec.h"
#include "platform/files/impl/FileLineStreams.h"
#include "tests/pageedit/LineFakes.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

struct Line {
    QByteArray text;
    QByteArray end;
};

QList<Line> PlainLines(const QByteArray& page)
{
    QList<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < page.size(); ++i) {
        if (page[i] != '\r' && page[i] != '\n')
            continue;
        const qsizetype endSize = page[i] == '\r' && i + 1 < page.size() && page[i + 1] == '\n' ? 2 : 1;
        lines.append({page.mid(start, i - start), page.mid(i, endSize)});
        i += endSize - 1;
        start = i + 1;
    }
    if (start < page.size())
        lines.append({page.mid(start), QByteArray()});
    return lines;
}

QByteArray Expected(const QByteArray& page, bool insert, const QByteArray& markup, const LineRule& rule)
{
    QByteArray out;
    bool inserted = false;
    for (const Line& line : PlainLines(page)) {
        const QByteArray end = line.end.isEmpty() ? QByteArray("\r\n") : line.end;
        const std::optional<QByteArray> changed = insert ? std::nullopt : rule(line.text);
        out += changed.value_or(line.text) + end;
        const QByteArray upper = line.text.toUpper();
        if (insert && !inserted && (upper.contains("/BODY") || upper.contains("</HTML"))) {
            out += markup + end;
            inserted = true;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // Larger buffers read any input of the fuzzer's length in one go, as the program's own do.
    static const qsizetype kBufferSizes[] = {1, 2, 3, 7, 16, 17, 64, 16384};
    const bool insert = (data[0] & 0x80) == 0;
    const qsizetype bufferSize = kBufferSizes[data[0] & 0x07];
    const qsizetype writeBufferSize = kBufferSizes[(data[0] >> 3) & 0x07];
    const QByteArray page(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size) - 1);
    const QString markup = QStringLiteral("<H2>Ciao</H2>");
    const LineRule rule = BackgroundRule(QStringLiteral("C:\\HOME-PAG\\SF1.JPG"));

    QByteArray written;
    {
        FileLineReader reader = PageReader(page, bufferSize);
        auto target = std::make_unique<QBuffer>(&written);
        target->open(QIODevice::WriteOnly);
        FileLineWriter writer(std::move(target), writeBufferSize);
        CopyTransformed(reader, writer,
                        insert ? PageTransform(InsertAfterBodyEnd{markup}) : PageTransform(SubstituteLines{rule}));
        writer.Close();
    }
    if (written != Expected(page, insert, EncodeText(markup), rule))
        std::abort();

    FileLineReader blocks = PageReader(page, bufferSize);
    QByteArray again;
    for (QByteArrayView lines = blocks.PeekLines(); !lines.isEmpty(); lines = blocks.PeekLines()) {
        again += lines.toByteArray();
        blocks.Skip(lines.size());
    }
    if (again != page)
        std::abort();
    return 0;
}
