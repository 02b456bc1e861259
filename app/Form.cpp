#include "Form.h"

#include "Program.h"
#include "Twips.h"
#include "platform/system/UiServices.h"

#include <QCloseEvent>

Form::Form(Program& program) : QWidget(nullptr), program_(program) { setWindowTitle(kProgramTitle); }

Form::~Form() = default;

void Form::Show()
{
    // A window shown modal before comes back without the flag. The flag takes effect only on a
    // hidden window; one on screen keeps what it was shown with.
    if (!isVisible())
        setWindowModality(Qt::NonModal);
    Present();
}

void Form::ShowModal()
{
    if (isVisible() && !isModal())
        hide(); // to be shown again with the flag
    setWindowModality(Qt::ApplicationModal);
    Present();
    program_.ui().RunModal(*this);
}

void Form::Present()
{
    if (unloading_)
        return; // closed while it was loading: it is going, not to be seen
    show();
    raise();
    activateWindow();
}

void Form::Hide() { hide(); }

void Form::Unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    Form_Unload();
    hide();
    deleteLater();
}

int Form::ScaleWidth() const { return PixelsToTwips(width()); }
int Form::ScaleHeight() const { return PixelsToTwips(height()); }

void Form::SetClientSizeTwips(int width, int height) { resize(TwipsToPixels(width), TwipsToPixels(height)); }

void Form::MoveTwips(int left, int top) { move(TwipsToPixels(left), TwipsToPixels(top)); }

void Form::closeEvent(QCloseEvent* event)
{
    // The close box unloads the window.
    event->accept();
    Unload();
}

void Form::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void Form::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}
