#include "WindowOpenGuard.h"

#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace {

const QString kScriptName = QStringLiteral("vindrel-window-open");
// The key under which a guarded document keeps the setter of the guard's state.
const QString kKey = QStringLiteral("Symbol.for('vindrel.windowsBlocked')");

// In the page's own world, where its scripts call window.open. A document that has the guard
// already only takes the new state.
const QString kGuardSource = QStringLiteral(R"((function () {
  const key = %1;
  if (window[key]) { window[key](true); return; }
  let blocked = true;
  const open = window.open;
  Object.defineProperty(window, key, { value: function (now) { blocked = now; } });
  window.open = function () {
    const opened = open.apply(this, arguments);
    return blocked ? null : opened;
  };
})();)")
                                 .arg(kKey);

} // namespace

void GuardWindowOpen(QWebEnginePage& page, bool blocked)
{
    QWebEngineScriptCollection& scripts = page.scripts();
    const QList<QWebEngineScript> old = scripts.find(kScriptName);
    for (const QWebEngineScript& script : old)
        scripts.remove(script);
    if (!blocked) {
        // Nothing to guard: the documents to come get no script, and any guarded so far is told.
        if (!old.isEmpty())
            page.runJavaScript(QStringLiteral("window[%1]?.(false);").arg(kKey), QWebEngineScript::MainWorld);
        return;
    }
    QWebEngineScript script;
    script.setName(kScriptName);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    script.setSourceCode(kGuardSource);
    scripts.insert(script);
    page.runJavaScript(kGuardSource, QWebEngineScript::MainWorld);
}
