#include "platform/files/impl/FileLineStreams.h"
#include "support/QtPrinters.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

FileLineReader OpenReader(QTemporaryFile& temp, const QByteArray& content, qsizetype bufferSize)
{
    EXPECT_TRUE(temp.open());
    temp.write(content);
    temp.close();
    auto file = std::make_unique<QFile>(temp.fileName());
    EXPECT_TRUE(file->open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    return FileLineReader(std::move(file), bufferSize);
}

// Each line followed by "|" and its end.
std::vector<QByteArray> ReadLines(const QByteArray& content, qsizetype bufferSize)
{
    QTemporaryFile temp;
    FileLineReader reader = OpenReader(temp, content, bufferSize);
    std::vector<QByteArray> lines;
    for (QByteArray line; reader.ReadLine(line);)
        lines.push_back(line + '|' + reader.LineEnd().toByteArray());
    return lines;
}

// The file read as blocks of whole lines, taken alternately whole and as their first line.
QByteArray ReadByBlocks(const QByteArray& content, qsizetype bufferSize)
{
    QTemporaryFile temp;
    FileLineReader reader = OpenReader(temp, content, bufferSize);
    QByteArray read;
    bool whole = true;
    for (QByteArrayView lines = reader.PeekLines(); !lines.isEmpty(); lines = reader.PeekLines(), whole = !whole) {
        if (whole) {
            read += lines.toByteArray();
            reader.Skip(lines.size());
        } else {
            QByteArrayView line;
            EXPECT_TRUE(reader.ReadLineView(line));
            read += line.toByteArray() + reader.LineEnd().toByteArray();
        }
    }
    return read;
}

struct LineCase {
    const char* name;
    QByteArray content;
    std::vector<QByteArray> lines;
};

class LineReaderTest : public ::testing::TestWithParam<LineCase> {};

// Every case is read with buffers of several sizes, so lines and CR LF pairs cross buffer ends;
// read by blocks of lines, the file comes back byte for byte.
TEST_P(LineReaderTest, SplitsAtCrLfCrAndLfAndTellsTheEnd)
{
    for (qsizetype bufferSize : {1, 2, 3, 5, 7, 16, 17, 64 * 1024}) {
        EXPECT_EQ(ReadLines(GetParam().content, bufferSize), GetParam().lines) << "buffer " << bufferSize;
        EXPECT_EQ(ReadByBlocks(GetParam().content, bufferSize), GetParam().content) << "buffer " << bufferSize;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LineReaderTest,
                         ::testing::Values(LineCase{"Empty", "", {}},
                                           LineCase{"CrLf", "one\r\ntwo\r\n", {"one|\r\n", "two|\r\n"}},
                                           LineCase{"Cr", "one\rtwo\r", {"one|\r", "two|\r"}},
                                           LineCase{"Lf", "one\ntwo\r\nthree\n", {"one|\n", "two|\r\n", "three|\n"}},
                                           LineCase{"LastLineWithoutEnd", "one\r\nlast", {"one|\r\n", "last|"}},
                                           LineCase{"EmptyLines", "\r\n\r\r\n\n", {"|\r\n", "|\r", "|\r\n", "|\n"}},
                                           LineCase{"CrCrLf", "a\r\r\nb", {"a|\r", "|\r\n", "b|"}},
                                           LineCase{"LfCr", "a\n\rb", {"a|\n", "|\r", "b|"}},
                                           LineCase{"LongLinesAmongShort",
                                                    QByteArray(40, 'x') + "\n" + QByteArray(17, 'y') + "\r\nz",
                                                    {QByteArray(40, 'x') + "|\n", QByteArray(17, 'y') + "|\r\n", "z|"}},
                                           LineCase{"BytesKept",
                                                    QByteArray("caff\xE8\r\n\xFF\xFE\x00z\r\n", 13),
                                                    {"caff\xE8|\r\n", QByteArray("\xFF\xFE\x00z|\r\n", 7)}}),
                         [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(LineReaderLongTest, ALongLineSpansManyBuffers)
{
    const QByteArray longLine(200000, 'a');
    EXPECT_EQ(ReadLines(longLine + "\r\nb", 4096), (std::vector<QByteArray>{longLine + "|\r\n", "b|"}));
}

// Writes smaller and larger than the writer's buffer, in turn, reach the file whole and in order.
TEST(LineWriterTest, MixedSizesKeepTheirOrder)
{
    QTemporaryFile temp;
    ASSERT_TRUE(temp.open());
    auto file = std::make_unique<QFile>(temp.fileName());
    ASSERT_TRUE(file->open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    FileLineWriter writer(std::move(file), 16);
    QByteArray expected;
    for (const int size : {3, 9, 7, 40, 2, 16, 1, 8, 8, 30}) {
        const QByteArray piece(size, char('a' + expected.size() % 26));
        writer.Write(piece);
        expected += piece;
    }
    writer.Close();
    EXPECT_EQ(temp.readAll(), expected);
}

} // namespace
