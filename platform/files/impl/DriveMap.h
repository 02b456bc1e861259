#pragma once
#include <QString>
#include <functional>

// Maps Windows-form paths to host paths and back. Drive X is the folder named by
// VINDREL_DRIVE_X, else $WINEPREFIX/dosdevices/x: when it exists, else Z: is "/";
// any other drive is missing.
class DriveMap {
public:
    // Returns the value of an environment variable, empty when unset.
    using Environment = std::function<QString(const QString& variable)>;

    explicit DriveMap(Environment environment);
    static DriveMap FromProcessEnvironment();
    // The running process's own environment, as an Environment.
    static Environment ProcessEnvironment();

    // The host text for a Windows-form path; empty when its drive is missing or the text cannot
    // name a file (a colon after the drive, a NUL). Names are looked up on disk only for "..",
    // which undoes an existing folder and never climbs above the drive; after a name that does
    // not exist it is kept, so the host text names nothing.
    QString ToHost(const QString& windowsPath) const;
    // The Windows form of a host path: the mapped drive whose folder is its longest prefix, else Z:.
    QString ToWindows(const QString& hostPath) const;

    // Host folder of a drive letter (any case); empty when the drive is missing.
    QString DriveFolder(QChar letter) const;
    // The Wine prefix in use: $WINEPREFIX, else ~/.wine; empty when neither can be named.
    QString WinePrefix() const;

private:
    QString WineDriveLink(QChar letter) const;

    Environment environment_;
};
