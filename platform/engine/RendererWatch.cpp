#include "RendererWatch.h"

bool AskToEndRenderer(const RendererWatch& watch)
{
    return watch.unansweredMs >= kNotAnsweringAfterMs && !watch.dialogShowing && !watch.askedThisHang;
}
