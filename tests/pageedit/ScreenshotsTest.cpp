// Saves pictures of the editor's windows when VINDREL_SCREENSHOT_DIR names a folder, so that
// their layout can be looked at; skipped otherwise.
#include "PageFixture.h"
#include "pageedit/Colore.h"
#include "pageedit/Form1.h"
#include "pageedit/Form2.h"
#include "pageedit/Form3.h"
#include "pageedit/Form4.h"

#include <QImage>

namespace {

class ScreenshotsTest : public PageFixture {};

void Save(QWidget& window, const QString& name)
{
    window.show();
    const QString path = qEnvironmentVariable("VINDREL_SCREENSHOT_DIR") + QLatin1Char('/') + name;
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
}

} // namespace

TEST_F(ScreenshotsTest, EditorWindows)
{
    if (qEnvironmentVariableIsEmpty("VINDREL_SCREENSHOT_DIR"))
        GTEST_SKIP() << "VINDREL_SCREENSHOT_DIR not set";
    const QColor colours[] = {QColor(230, 120, 60), QColor(60, 160, 90), QColor(80, 90, 200)};
    for (int i = 0; i < 3; ++i) {
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(colours[i]);
        image.save(t.host(QStringLiteral("C/HOME-PAG/SF%1.JPG").arg(i + 1)), "JPG");
    }
    Save(t.program->form<Form2>(), QStringLiteral("form2.png"));
    Save(t.program->form<Form1>(), QStringLiteral("form1.png"));
    Save(t.program->form<Form3>(), QStringLiteral("form3.png"));
    Save(t.program->form<Form4>(), QStringLiteral("form4.png"));
    t.program->form<Form3>().Command3_Click(0);
    Save(*t.program->loaded<Colore>(), QStringLiteral("colore.png"));
}
