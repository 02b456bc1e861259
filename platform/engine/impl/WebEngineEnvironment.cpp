#include "WebEngineEnvironment.h"

#include <QDir>
#include <QLoggingCategory>
#include <QStringList>
#include <QtGlobal>
#include <unistd.h>

#include <algorithm>

namespace {

bool GpuUsable()
{
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
        return false;
    return !QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*")}, QDir::System).isEmpty();
}

} // namespace

void PrepareWebEngineEnvironment()
{
    // Rules set here rank below the user's, so asking for these messages still shows them.
    // "default" info is the engine's note that the sandbox is off (as root).
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false\n"
                                                    "default.info=false\n"
                                                    "js=false"));

    // The engine refuses to start as root with its sandbox on.
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QStringList flags =
        QString::fromLocal8Bit(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList wanted{QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update")};
    if (!GpuUsable()) {
        wanted.prepend(QStringLiteral("--disable-gpu"));
        // OpenGL would be drawn by the processor as well, and slower: the page is shown by Qt's
        // own painter instead, so that a change of a control repaints that control and not the
        // whole window. The user's own choice of backend stands.
        if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
            qputenv("QT_QUICK_BACKEND", "software");
    }
    for (const QString& flag : wanted)
        if (!flags.contains(flag))
            flags << flag;
    // The engine's own texts (error pages, form messages, pickers) in the program's language,
    // whatever the desktop's, unless the user asked for another.
    if (!std::any_of(flags.cbegin(), flags.cend(),
                     [](const QString& flag) { return flag.startsWith(QLatin1String("--lang=")); }))
        flags << QStringLiteral("--lang=it");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.join(QLatin1Char(' ')).toLocal8Bit());
}
