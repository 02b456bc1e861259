#include "PageTransform.h"

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

namespace {

// Gathers lines into large blocks before they reach the file: a block of lines joined by
// CR LF, written as one line, gives the same bytes with far fewer writes.
class BlockWriter : public LineWriter {
public:
    explicit BlockWriter(LineWriter& file) : file_(file) {}
    void WriteLine(const QByteArray& line) override
    {
        if (pending_)
            block_ += "\r\n";
        block_ += line;
        pending_ = true;
        if (block_.size() >= kBlockBytes)
            Flush();
    }
    void Close() override { Flush(); }

private:
    static constexpr qsizetype kBlockBytes = 256 * 1024;
    void Flush()
    {
        if (!pending_)
            return;
        file_.WriteLine(block_);
        block_.clear();
        block_.reserve(kBlockBytes + 1024);
        pending_ = false;
    }
    LineWriter& file_;
    QByteArray block_;
    bool pending_ = false;
};

// Whether the ASCII letters at `at` spell `upperWord`, in any letter case.
bool HasWordAt(const QByteArray& line, qsizetype at, const char* upperWord)
{
    for (qsizetype i = 0; upperWord[i]; ++i, ++at)
        if (at >= line.size() || (line[at] & ~0x20) != upperWord[i])
            return false;
    return true;
}

QString WithLastCharacter(const QString& pagePath, QChar last)
{
    return pagePath.left(pagePath.size() - 1) + last;
}

void CopyRest(LineReader& page, LineWriter& temporary, QByteArray& line)
{
    while (page.ReadLine(line))
        temporary.WriteLine(line);
}

void Insert(LineReader& page, LineWriter& temporary, const InsertAfterBodyEnd& insert)
{
    QByteArray line;
    while (page.ReadLine(line)) {
        temporary.WriteLine(line);
        if (IsBodyEndLine(line)) {
            temporary.WriteLine(EncodeText(insert.markup));
            CopyRest(page, temporary, line);
            return;
        }
    }
}

void Substitute(LineReader& page, LineWriter& temporary, const SubstituteLines& substitute)
{
    QByteArray line;
    while (page.ReadLine(line)) {
        const std::optional<QByteArray> changed = substitute.rule(line);
        temporary.WriteLine(changed ? *changed : line);
    }
}

} // namespace

bool IsBodyEndLine(const QByteArray& line)
{
    // Every marker starts at a "/": look only there, without copying the line.
    for (qsizetype slash = line.indexOf('/'); slash >= 0; slash = line.indexOf('/', slash + 1))
        if (HasWordAt(line, slash + 1, "BODY") || (slash > 0 && line[slash - 1] == '<' && HasWordAt(line, slash + 1, "HTML")))
            return true;
    return false;
}

void CopyTransformed(LineReader& page, LineWriter& temporary, const PageTransform& transform)
{
    BlockWriter blocks(temporary);
    if (const auto* insert = std::get_if<InsertAfterBodyEnd>(&transform))
        Insert(page, blocks, *insert);
    else
        Substitute(page, blocks, std::get<SubstituteLines>(transform));
    blocks.Close();
}

QString TemporaryPath(const QString& pagePath) { return WithLastCharacter(pagePath, QLatin1Char('~')); }
QString BackupPath(const QString& pagePath) { return WithLastCharacter(pagePath, QLatin1Char('_')); }
