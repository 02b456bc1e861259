#pragma once
#include "support/WaitUntil.h"

#include <QVariant>
#include <QWebEnginePage>

#include <memory>
#include <optional>

// The value of a script run in the page, once the page has given it; an invalid value when it
// never does. The answer is kept where a late one, after the wait has given up, can still land.
inline QVariant ScriptResult(QWebEnginePage& page, const QString& script)
{
    const auto result = std::make_shared<std::optional<QVariant>>();
    page.runJavaScript(script, [result](const QVariant& value) { *result = value; });
    WaitUntil([&result] { return result->has_value(); });
    return result->value_or(QVariant());
}
