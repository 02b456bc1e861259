#include "Downloads.h"

#include "DownloadWindow.h"

#include "app/Program.h"
#include "platform/system/UiServices.h"

#include <QWidget>

#include <algorithm>

void Downloads::Show(std::unique_ptr<Download> download)
{
    new DownloadWindow(program_, std::move(download), &owner_); // it closes, and goes, by itself
}

bool Downloads::MayEnd()
{
    const auto windows = owner_.findChildren<DownloadWindow*>(Qt::FindDirectChildrenOnly);
    if (std::none_of(windows.begin(), windows.end(), [](const DownloadWindow* w) { return w->Receiving(); }))
        return true;
    return program_.ui().MsgBox(QStringLiteral("Ci sono download in corso. Chiudere comunque?"),
                                MsgButtons::YesNoDefaultNo, MsgIcon::Exclamation, QStringLiteral("Chiusura Vindrel"))
        == MsgAnswer::Yes;
}
