#pragma once
#include "platform/engine/PageContext.h"

#include <functional>
#include <optional>
#include <vector>

class QWidget;

// An entry of the page's menu; without a command it is a separator.
struct PageMenuEntry {
    const char* caption = nullptr;
    std::optional<PageCommand> command;
    bool enabled = true;
};

// The page's menu in the program's language, with the entries that make sense where the user
// asked for it: a link, an image, a field, a selection, or the page itself.
std::vector<PageMenuEntry> PageMenuEntries(const PageContext& context);

// Opens that menu at the pointer, a child of `page`; `chosen` runs with the entry picked, if any.
void PopUpPageMenu(QWidget* page, const PageContext& context, std::function<void(PageCommand)> chosen);
