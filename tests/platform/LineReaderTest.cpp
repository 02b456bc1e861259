#include "QtPrinters.h"
#include "platform/FileLineStreams.h"

#include <QTemporaryFile>
#include <gtest/gtest.h>

namespace {

std::vector<QByteArray> ReadLines(const QByteArray& content, qsizetype bufferSize)
{
    QTemporaryFile temp;
    EXPECT_TRUE(temp.open());
    temp.write(content);
    temp.close();
    auto file = std::make_unique<QFile>(temp.fileName());
    EXPECT_TRUE(file->open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    FileLineReader reader(std::move(file), bufferSize);
    std::vector<QByteArray> lines;
    for (QByteArray line; reader.ReadLine(line);)
        lines.push_back(line);
    return lines;
}

struct LineCase {
    const char* name;
    QByteArray content;
    std::vector<QByteArray> lines;
};

class LineReaderTest : public ::testing::TestWithParam<LineCase> {};

// Every case is read with buffers of several sizes, so lines and CR LF pairs cross buffer ends.
TEST_P(LineReaderTest, SplitsAtCrAndCrLfOnly)
{
    for (qsizetype bufferSize : {1, 2, 3, 5, 7, 64 * 1024})
        EXPECT_EQ(ReadLines(GetParam().content, bufferSize), GetParam().lines) << "buffer " << bufferSize;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineReaderTest,
    ::testing::Values(LineCase{"Empty", "", {}}, LineCase{"CrLf", "one\r\ntwo\r\n", {"one", "two"}},
                      LineCase{"Cr", "one\rtwo\r", {"one", "two"}},
                      LineCase{"LoneLfStaysInside", "one\ntwo\r\nthree\n", {"one\ntwo", "three\n"}},
                      LineCase{"LastLineWithoutEnd", "one\r\nlast", {"one", "last"}},
                      LineCase{"EmptyLines", "\r\n\r\r\n", {"", "", ""}},
                      LineCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
                      LineCase{"LfCr", "a\n\rb", {"a\n", "b"}},
                      LineCase{"BytesKept", QByteArray("caff\xE8\r\n\xFF\xFE\x00z\r\n", 13), {"caff\xE8", QByteArray("\xFF\xFE\x00z", 4)}}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.name); });

TEST(LineReaderLongTest, ALongLineSpansManyBuffers)
{
    const QByteArray longLine(200000, 'a');
    EXPECT_EQ(ReadLines(longLine + "\r\nb", 4096), (std::vector<QByteArray>{longLine, "b"}));
}

} // namespace
