#include "startup/StartAddress.h"

#include <gtest/gtest.h>

namespace {

struct ArgumentCase {
    const char* argument;
    const char* address;
    const char* home;
    const char* pathForm;
};

class ArgumentChoice : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(ArgumentChoice, TakesTheArgumentWithoutLookingAtTheDisk)
{
    const ArgumentCase c = GetParam();
    int probes = 0;
    const StartAddress start = ChooseStartAddress(QString::fromUtf8(c.argument), [&probes](const QString&) {
        ++probes;
        return false;
    });
    EXPECT_TRUE(start.fromArgument);
    EXPECT_EQ(start.INDIRIZZO_INIZIALE, QString::fromUtf8(c.address));
    EXPECT_EQ(start.CARTELLA_HOME, QString::fromUtf8(c.home));
    EXPECT_EQ(start.PERCORSO_PAGINA, QString::fromUtf8(c.pathForm));
    EXPECT_EQ(probes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    StartAddress, ArgumentChoice,
    ::testing::Values(
        ArgumentCase{"C:/siti/casa/", "C:\\siti\\casa\\INIZIO.HTM", "C:\\siti\\casa\\", "C:\\siti\\casa\\"},
        ArgumentCase{"pagina.htm", "pagina.htm", "", "pagina.htm"},
        ArgumentCase{"http://www.x.it/", "http:\\\\www.x.it\\INIZIO.HTM", "http:\\\\www.x.it\\", "http:\\\\www.x.it\\"},
        ArgumentCase{"C:\\a b\\my page.htm", "C:\\a b\\my page.htm", "C:\\a b\\", "C:\\a b\\my page.htm"},
        // A name of blanks counts as no name; the blanks of the argument stay in the path form.
        ArgumentCase{"D:/x/  ", "D:\\x\\INIZIO.HTM", "D:\\x\\", "D:\\x\\  "},
        ArgumentCase{" pagina.htm ", " pagina.htm ", "", " pagina.htm "}, ArgumentCase{"\t", "\t", "", "\t"}));

} // namespace
