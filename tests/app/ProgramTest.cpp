#include "app/Form.h"
#include "fakes/TestProgram.h"

#include <gtest/gtest.h>

namespace {

class CountingForm : public Form {
public:
    explicit CountingForm(Program& p) : Form(p) {}
    int loads = 0;
    int unloads = 0;
    static inline int unloadsTotal = 0;

protected:
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloadsTotal; }
};

class OtherForm : public Form {
public:
    explicit OtherForm(Program& p) : Form(p) {}
};

TEST(ProgramWindows, CreatedAndLoadedOnFirstUseOnly)
{
    TestProgram t;
    EXPECT_EQ(t.program->loaded<CountingForm>(), nullptr);
    CountingForm& f = t.program->form<CountingForm>();
    EXPECT_EQ(&t.program->form<CountingForm>(), &f);
    EXPECT_EQ(f.loads, 1);
}

TEST(ProgramWindows, HideKeepsTheWindowUnloadMakesANewOne)
{
    TestProgram t;
    CountingForm& f = t.program->form<CountingForm>();
    f.Show();
    f.Tag = QStringLiteral("kept");
    f.Hide();
    EXPECT_EQ(t.program->form<CountingForm>().Tag, QStringLiteral("kept"));
    const int before = CountingForm::unloadsTotal;
    f.Unload();
    EXPECT_EQ(CountingForm::unloadsTotal, before + 1);
    EXPECT_EQ(t.program->loaded<CountingForm>(), nullptr);
    EXPECT_EQ(t.program->form<CountingForm>().Tag, QString());
}

TEST(ProgramWindows, UnloadAllExceptKeepsOnlyTheGivenWindow)
{
    TestProgram t;
    CountingForm& keep = t.program->form<CountingForm>();
    t.program->form<OtherForm>();
    t.program->UnloadAllExcept(&keep);
    EXPECT_EQ(t.program->loaded<OtherForm>(), nullptr);
    EXPECT_EQ(t.program->loaded<CountingForm>(), &keep);
}

TEST(ProgramWindows, ModalShowGoesThroughTheUiServiceAndALaterShowIsNotModal)
{
    TestProgram t;
    OtherForm& f = t.program->form<OtherForm>();
    f.Show();
    f.ShowModal(); // already on screen without the flag: shown again with it
    EXPECT_EQ(t.ui.modalRuns, 1);
    EXPECT_TRUE(f.isModal());
    f.Hide();
    f.Show();
    EXPECT_FALSE(f.isModal());
    EXPECT_TRUE(f.isVisible());
}

} // namespace
