#include "RunnableFiles.h"

#include "WinePrograms.h"

#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSet>

#include <algorithm>
#include <sys/stat.h>

namespace {

// Windows programs and what Wine runs when they are opened; the desktop's programs, scripts
// and launchers.
const QSet<QString>& ProgramExtensions()
{
    static const QSet<QString> extensions{
        QStringLiteral("exe"),  QStringLiteral("com"),     QStringLiteral("scr"),    QStringLiteral("pif"),
        QStringLiteral("cpl"),  QStringLiteral("msi"),     QStringLiteral("msp"),    QStringLiteral("bat"),
        QStringLiteral("cmd"),  QStringLiteral("lnk"),     QStringLiteral("vbs"),    QStringLiteral("vbe"),
        QStringLiteral("js"),   QStringLiteral("jse"),     QStringLiteral("wsf"),    QStringLiteral("wsh"),
        QStringLiteral("ps1"),  QStringLiteral("hta"),     QStringLiteral("reg"),    QStringLiteral("sh"),
        QStringLiteral("bash"), QStringLiteral("csh"),     QStringLiteral("ksh"),    QStringLiteral("zsh"),
        QStringLiteral("run"),  QStringLiteral("desktop"), QStringLiteral("kdelnk"), QStringLiteral("appimage"),
        QStringLiteral("jar"),  QStringLiteral("py"),      QStringLiteral("pl"),     QStringLiteral("rb"),
    };
    return extensions;
}

// Types of the desktop's database that are run when opened, as it names them (aliases resolved).
const QSet<QString>& ProgramTypes()
{
    static const QSet<QString> types{
        QStringLiteral("application/x-executable"),
        QStringLiteral("application/x-sharedlib"),
        QStringLiteral("application/x-pie-executable"),
        QStringLiteral("application/x-shellscript"),
        QStringLiteral("application/x-csh"),
        QStringLiteral("application/x-desktop"),
        QStringLiteral("application/x-ms-dos-executable"),
        QStringLiteral("application/x-ms-ne-executable"),
        QStringLiteral("application/x-msdownload"),
        QStringLiteral("application/x-msi"),
        QStringLiteral("application/x-ms-shortcut"),
        QStringLiteral("application/x-bat"),
        QStringLiteral("application/vnd.appimage"),
        QStringLiteral("application/x-iso9660-appimage"),
        QStringLiteral("application/x-java-archive"),
        QStringLiteral("text/x-python"),
        QStringLiteral("text/x-python3"),
        QStringLiteral("application/x-perl"),
        QStringLiteral("application/x-ruby"),
        QStringLiteral("text/vbscript"),
    };
    return types;
}

} // namespace

bool RunsAsProgram(const QString& fileName, const QStringList& mimeTypes, bool executable)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    return executable || (dot >= 0 && ProgramExtensions().contains(fileName.mid(dot + 1).toLower()))
        || std::any_of(mimeTypes.begin(), mimeTypes.end(),
                       [](const QString& type) { return ProgramTypes().contains(type); });
}

bool HostFileRunsAsProgram(const QString& hostPath)
{
    struct stat st {};
    if (::stat(QFile::encodeName(hostPath).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const QMimeDatabase types;
    return RunsAsProgram(QFileInfo(hostPath).fileName(),
                         {types.mimeTypeForFile(hostPath, QMimeDatabase::MatchExtension).name(),
                          types.mimeTypeForFile(hostPath, QMimeDatabase::MatchContent).name()},
                         (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0 || IsWindowsProgram(hostPath));
}
