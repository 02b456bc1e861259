#include "platform/engine/impl/WebAddress.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

using Kind = AddressTarget::Kind;

struct AddressCase {
    const char* address;
    Kind kind;
    const char* text;
};

void PrintTo(const AddressCase& c, std::ostream* os) { *os << '"' << c.address << '"'; }

// Files that exist, in the Windows form the reader asks about.
const QSet<QString> kFiles{QStringLiteral("INIZIO.HTM"), QStringLiteral("C:\\my site\\x.htm"),
                           QStringLiteral("C:\\100%25\\x.htm"), QStringLiteral("C:\\C#.htm")};

AddressTarget Read(const char* address)
{
    return ReadAddress(QString::fromUtf8(address), [](const QString& path) { return kFiles.contains(path); });
}

class ReadAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ReadAddressTest, ReadsTheAddressAsTheControlDoes)
{
    const AddressCase& c = GetParam();
    const AddressTarget target = Read(c.address);
    EXPECT_EQ(target.kind, c.kind);
    if (c.kind != Kind::Invalid) {
        EXPECT_EQ(target.text, QString::fromUtf8(c.text));
    }
}

INSTANTIATE_TEST_SUITE_P(
    WebAddresses, ReadAddressTest,
    ::testing::Values(AddressCase{"http:\\\\www.x.it\\INIZIO.HTM", Kind::Web, "http://www.x.it/INIZIO.HTM"},
                      AddressCase{"  https://www.google.it/  ", Kind::Web, "https://www.google.it/"},
                      AddressCase{"www.x.it", Kind::Web, "http://www.x.it"},
                      AddressCase{"www.x.it\\a\\b.htm", Kind::Web, "http://www.x.it/a/b.htm"},
                      AddressCase{"localhost:8080/a", Kind::Web, "http://localhost:8080/a"},
                      AddressCase{"mailto:a@b.it", Kind::Web, "mailto:a@b.it"},
                      AddressCase{"about:blank", Kind::Blank, "about:blank"},
                      AddressCase{" About:Blank ", Kind::Blank, "about:blank"}));

INSTANTIATE_TEST_SUITE_P(
    LocalPaths, ReadAddressTest,
    ::testing::Values(AddressCase{"C:\\HOME-PAG\\INIZIO.HTM", Kind::LocalFile, "C:\\HOME-PAG\\INIZIO.HTM"},
                      AddressCase{"c:/x/y.htm", Kind::LocalFile, "c:\\x\\y.htm"},
                      AddressCase{"\\home\\me\\x.htm", Kind::LocalFile, "\\home\\me\\x.htm"},
                      AddressCase{"/tmp/a b.htm", Kind::LocalFile, "\\tmp\\a b.htm"},
                      AddressCase{"file:///C:/x.htm", Kind::LocalFile, "C:\\x.htm"},
                      AddressCase{"file://C:\\x.htm", Kind::LocalFile, "C:\\x.htm"},
                      AddressCase{"FILE:/C:/x.htm", Kind::LocalFile, "C:\\x.htm"},
                      AddressCase{"file:///tmp/x.htm", Kind::LocalFile, "\\tmp\\x.htm"},
                      // Escapes are undone only when that names an existing file.
                      AddressCase{"file:///C:/my%20site/x.htm", Kind::LocalFile, "C:\\my site\\x.htm"},
                      AddressCase{"file:///C:/no%20such/x.htm", Kind::LocalFile, "C:\\no%20such\\x.htm"},
                      AddressCase{"file:///C:/100%25/x.htm", Kind::LocalFile, "C:\\100%25\\x.htm"},
                      // A place in the page stays out of the file's name; a name that itself holds "#" keeps it.
                      AddressCase{"file:///C:/my site/x.htm#giu", Kind::LocalFile, "C:\\my site\\x.htm"},
                      AddressCase{"file:///C:/my%20site/x.htm#giu", Kind::LocalFile, "C:\\my site\\x.htm"},
                      AddressCase{"file:///C:/C#.htm", Kind::LocalFile, "C:\\C#.htm"},
                      AddressCase{"file:///C:/C#.htm#su", Kind::LocalFile, "C:\\C#.htm"},
                      AddressCase{"file:///C:/manca.htm#giu", Kind::LocalFile, "C:\\manca.htm#giu"},
                      // A relative name is a file only when it exists; otherwise it is a host name.
                      AddressCase{"INIZIO.HTM", Kind::LocalFile, "INIZIO.HTM"},
                      AddressCase{"ALTRO.HTM", Kind::Web, "http://ALTRO.HTM"}));

INSTANTIATE_TEST_SUITE_P(Unusable, ReadAddressTest,
                         ::testing::Values(AddressCase{"", Kind::Invalid, ""}, AddressCase{"   ", Kind::Invalid, ""},
                                           AddressCase{"\t", Kind::Invalid, ""},
                                           AddressCase{"http://", Kind::Invalid, ""},
                                           AddressCase{"http:\\\\", Kind::Invalid, ""},
                                           AddressCase{"http://a b", Kind::Invalid, ""}));

// What a person types in the address box: words go to the search engine, anything that names a
// host, a file or a page goes where it names.
INSTANTIATE_TEST_SUITE_P(
    TypedInTheAddressBox, ReadAddressTest,
    ::testing::Values(
        AddressCase{"ricetta carbonara", Kind::Search, "https://www.google.it/search?q=ricetta+carbonara"},
        AddressCase{"  ricetta \t carbonara ", Kind::Search, "https://www.google.it/search?q=ricetta+carbonara"},
        AddressCase{"che ore sono?", Kind::Search, "https://www.google.it/search?q=che+ore+sono%3F"},
        AddressCase{"ricetta: carbonara", Kind::Search, "https://www.google.it/search?q=ricetta%3A+carbonara"},
        AddressCase{"due parole", Kind::Search, "https://www.google.it/search?q=due+parole"},
        AddressCase{"città & mare", Kind::Search, "https://www.google.it/search?q=citt%C3%A0+%26+mare"},
        AddressCase{"intranet", Kind::Search, "https://www.google.it/search?q=intranet"},
        AddressCase{"rai.it notizie", Kind::Search, "https://www.google.it/search?q=rai.it+notizie"},
        AddressCase{"intranet/wiki", Kind::Web, "http://intranet/wiki"},
        AddressCase{"localhost", Kind::Web, "http://localhost"},
        AddressCase{"localhost:8080", Kind::Web, "http://localhost:8080"},
        AddressCase{"192.168.1.1", Kind::Web, "http://192.168.1.1"},
        AddressCase{"www.rai.it", Kind::Web, "http://www.rai.it"},
        AddressCase{"rai.it/news", Kind::Web, "http://rai.it/news"},
        AddressCase{"C:\\HOME-PAG\\X.HTM", Kind::LocalFile, "C:\\HOME-PAG\\X.HTM"},
        AddressCase{"C:\\my site\\x.htm", Kind::LocalFile, "C:\\my site\\x.htm"},
        AddressCase{"file:///tmp/x", Kind::LocalFile, "\\tmp\\x"},
        AddressCase{"about:blank", Kind::Blank, "about:blank"}));

TEST(ReadAddressFragmentTest, APlaceInALocalPageIsKeptApart)
{
    EXPECT_EQ(Read("file:///C:/my site/x.htm#giu").fragment, QStringLiteral("giu"));
    EXPECT_EQ(Read("file:///C:/C#.htm#su").fragment, QStringLiteral("su"));
    EXPECT_EQ(Read("file:///C:/C#.htm").fragment, QString());
    EXPECT_EQ(Read("C:\\my site\\x.htm").fragment, QString());
}

TEST(FileLocationTest, ForwardSlashesAndNothingEscaped)
{
    EXPECT_EQ(FileLocation(QStringLiteral("Z:\\tmp\\my site\\x.htm")), QStringLiteral("file:///Z:/tmp/my site/x.htm"));
    EXPECT_EQ(FileLocation(QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM")),
              QStringLiteral("file:///C:/HOME-PAG/INIZIO.HTM"));
    EXPECT_EQ(FileLocation(QStringLiteral("C:\\100%\\è.htm")), QStringLiteral("file:///C:/100%/è.htm"));
}

TEST(PageWindowsPathTest, DriveAddressesInAnySpellingAndNothingElse)
{
    const std::pair<const char*, const char*> cases[] = {
        // As the page editor and other pages write them.
        {"file://C:\\HOME-PAG\\INIZIO.HTM", "C:\\HOME-PAG\\INIZIO.HTM"},
        {"file:///C:\\HOME-PAG\\SF3.JPG", "C:\\HOME-PAG\\SF3.JPG"},
        {" file:///C:/HOME-PAG/X.HTM ", "C:\\HOME-PAG\\X.HTM"},
        {"C:\\HOME-PAG\\X.HTM", "C:\\HOME-PAG\\X.HTM"},
        {"d:/a/b.htm", "D:\\a\\b.htm"},
        // As the engine reports them: escaped, lower-case, with a place or a query.
        {"c:%5CHOME-PAG%5CX.HTM", "C:\\HOME-PAG\\X.HTM"},
        {"file://c:/HOME-PAG/X.HTM", "C:\\HOME-PAG\\X.HTM"},
        {"file:///C:/my%20site/x.htm#giu", "C:\\my site\\x.htm"},
        {"file:///C:/x.htm?a=1", "C:\\x.htm"},
        // Not a drive address.
        {"file:///tmp/x.htm", ""},
        {"file://server/share/x.htm", ""},
        {"http://www.x.it/C:/x.htm", ""},
        {"C:x.htm", ""},
        {"CC:\\x.htm", ""},
        {"file:///C:", ""},
        {"DUE.HTM", ""},
        {"about:blank", ""},
        {"", ""},
    };
    for (const auto& [address, path] : cases)
        EXPECT_EQ(PageWindowsPath(QString::fromUtf8(address)), QString::fromUtf8(path)) << address;
}

} // namespace
