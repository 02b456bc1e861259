#include "Main.h"

#include "browser/frmBrowser.h"
#include "startup/Program.h"

void Main(Program& program, const QString&)
{
    program.form<frmBrowser>().Show();
}
