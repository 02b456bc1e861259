#include "HostSystemServices.h"

#include "CommandLineSplit.h"
#include "DesktopEntry.h"
#include "RunnableFiles.h"
#include "WinePrograms.h"
#include "platform/VbError.h"
#include "platform/files/FileSystem.h"
#include "platform/files/impl/HostPaths.h"
#include "platform/files/impl/XdgFolders.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHostInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int kAssociationLookupMs = 3000;

// Running inside a GUI application: the clipboard exists.
QClipboard* Clipboard()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr;
}

} // namespace

HostSystemServices::HostSystemServices(FileSystem& fs, DriveMap::Environment environment)
    : fs_(fs), environment_(std::move(environment))
{
}

QString HostSystemServices::FindOnPath(const QString& program) const
{
    const QString path = environment_(QStringLiteral("PATH"));
    if (path.isEmpty())
        return {};
    return QStandardPaths::findExecutable(program, path.split(QLatin1Char(':'), Qt::SkipEmptyParts));
}

QString HostSystemServices::UserName() const
{
    const QString user = environment_(QStringLiteral("USER"));
    if (!user.isEmpty())
        return user;
    const passwd* entry = ::getpwuid(::getuid());
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString();
}

QString HostSystemServices::FileToOpen(const QString& path) const
{
    return fs_.CanOpenForReading(path) ? fs_.HostPath(path) : fs_.HostPathForWriting(path);
}

std::optional<ProgramCommand> HostSystemServices::ThroughWine(const ProgramCommand& command) const
{
    const QString wine = FindOnPath(QStringLiteral("wine"));
    const QString prefix = DriveMap(environment_).WinePrefix();
    if (wine.isEmpty() || prefix.isEmpty())
        return std::nullopt;
    // Files go by Wine's names for them: Vindrel's drives, and the user's folder behind the
    // program folder of an installed copy, are not Wine's.
    QStringList arguments{WineWindowsPath(prefix, command.program)};
    for (const QString& argument : command.arguments) {
        const QString file = IsDrivePath(argument) ? FileToOpen(argument) : QString();
        arguments.append(file.isEmpty() ? argument : WineWindowsPath(prefix, file));
    }
    return ProgramCommand{wine, arguments};
}

void HostSystemServices::StartProgram(const QString& commandLine)
{
    auto command = SplitCommandLine(commandLine, [this](const QString& name) {
        const QString host = fs_.HostPath(name);
        const auto status = StatHost(host);
        return status && status->isFile ? host : QString();
    });
    QProcess process;
    if (command && IsWindowsProgram(command->program)) {
        command = ThroughWine(*command);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEPREFIX"), DriveMap(environment_).WinePrefix()); // the drives' prefix
        process.setProcessEnvironment(environment);
    }
    if (!command)
        throw VbError::fileNotFound();
    process.setProgram(command->program);
    process.setArguments(command->arguments);
    if (!process.startDetached())
        throw VbError::fileNotFound();
}

QString HostSystemServices::DefaultApplication(const QString& mimeType) const
{
    const QString query = FindOnPath(QStringLiteral("xdg-mime"));
    if (query.isEmpty())
        return {};
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!process.waitForFinished(kAssociationLookupMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

std::optional<QStringList> HostSystemServices::TextEditorCommand(const QString& file) const
{
    const QString entryName = DefaultApplication(QStringLiteral("text/plain"));
    if (entryName.isEmpty() || entryName.contains(QLatin1Char('/')))
        return std::nullopt;
    for (const QString& folder : XdgDataFolders(environment_)) {
        QFile entryFile(folder + QStringLiteral("/applications/") + entryName);
        if (!entryFile.open(QIODevice::ReadOnly))
            continue;
        const auto launch = ReadDesktopEntry(entryFile.readAll());
        auto command = launch ? ExecArguments(launch->exec, file) : std::nullopt;
        if (command && launch->terminal)
            *command = QStringList{QStringLiteral("x-terminal-emulator"), QStringLiteral("-e")} + *command;
        if (!command)
            return std::nullopt;
        const QString program = FindOnPath(command->takeFirst());
        if (program.isEmpty())
            return std::nullopt;
        command->prepend(program);
        return command;
    }
    return std::nullopt;
}

void HostSystemServices::OpenInTextEditor(const QString& path)
{
    const QString file = FileToOpen(path);
    const auto command = file.isEmpty() ? std::nullopt : TextEditorCommand(file);
    if (!command || !QProcess::startDetached(command->first(), command->mid(1)))
        throw VbError::fileNotFound();
}

int HostSystemServices::FindExecutable(const QString& path)
{
    constexpr int kNoAssociation = 31, kFound = 42;
    // The association belongs to the file's type, so the file need not exist: a probe page that
    // could not be written is looked up as if it had been.
    static const QRegularExpression webPage(QStringLiteral("\\.html?$"), QRegularExpression::CaseInsensitiveOption);
    if (!webPage.match(path).hasMatch())
        return kNoAssociation;
    return DefaultApplication(QStringLiteral("text/html")).isEmpty() ? kNoAssociation : kFound;
}

QString HostSystemServices::FavoritesFolder()
{
    // A folder named by the variable is the user's choice: when it is missing, there is none.
    const QString configured = environment_(QStringLiteral("VINDREL_FAVORITES"));
    if (!configured.isEmpty())
        return IsFolder(StatHost(configured)) ? fs_.WindowsPath(configured) : QString();
    const QString winePrefix = DriveMap(environment_).WinePrefix();
    const QString user = UserName();
    if (!winePrefix.isEmpty() && !user.isEmpty()) {
        const QString wineFavorites = winePrefix + QStringLiteral("/drive_c/users/") + user
                                    + QStringLiteral("/Favorites");
        if (IsFolder(StatHost(wineFavorites)))
            return fs_.WindowsPath(wineFavorites);
    }
    const QString home = environment_(QStringLiteral("HOME"));
    if (!home.isEmpty() && IsFolder(StatHost(home + QStringLiteral("/Favorites"))))
        return fs_.WindowsPath(home + QStringLiteral("/Favorites"));
    return {};
}

QString HostSystemServices::DownloadFolder() { return fs_.WindowsPath(XdgDownloadFolder()); }

void HostSystemServices::OpenWithDesktop(const QString& path)
{
    const QString host = fs_.HostPath(path);
    const QString opener = FindOnPath(QStringLiteral("xdg-open"));
    if (host.isEmpty() || !StatHost(host) || opener.isEmpty() || !QProcess::startDetached(opener, {host}))
        throw VbError::fileNotFound();
}

bool HostSystemServices::RunsAsProgram(const QString& path)
{
    const QString host = fs_.HostPath(path);
    return !host.isEmpty() && HostFileRunsAsProgram(host);
}

void HostSystemServices::ClipboardClear()
{
    if (QClipboard* clipboard = Clipboard())
        clipboard->clear();
}

void HostSystemServices::ClipboardSetText(const QString& text)
{
    if (QClipboard* clipboard = Clipboard())
        clipboard->setText(text);
}

QString HostSystemServices::LocalIP()
{
    constexpr auto kLive = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if ((interface.flags() & kLive) != kLive || interface.flags().testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
                return address.toString();
        }
    }
    return QStringLiteral("127.0.0.1");
}

QString HostSystemServices::LocalHostName() { return QHostInfo::localHostName(); }
