#include "WindowOpenGuard.h"

#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

const QString kScriptName = QStringLiteral("vindrel-window-open");

// In the page's own world, where its scripts call window.open. A document that has the guard
// already only takes the new state.
QString GuardSource(bool blocked)
{
    return QStringLiteral(R"((function () {
  const key = Symbol.for('vindrel.windowsBlocked');
  if (window[key]) { window[key](%1); return; }
  let blocked = %1;
  const open = window.open;
  Object.defineProperty(window, key, { value: function (now) { blocked = now; } });
  window.open = function () {
    const opened = open.apply(this, arguments);
    return blocked ? null : opened;
  };
})();)")
        .arg(blocked ? QStringLiteral("true") : QStringLiteral("false"));
}

} // namespace

void GuardWindowOpen(QWebEnginePage& page, bool blocked)
{
    QWebEngineScriptCollection& scripts = page.scripts();
    for (const QWebEngineScript& old : scripts.find(kScriptName))
        scripts.remove(old);
    QWebEngineScript script;
    script.setName(kScriptName);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(GuardSource(blocked));
    scripts.insert(script);
    page.runJavaScript(GuardSource(blocked), QWebEngineScript::MainWorld);
}
