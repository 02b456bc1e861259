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

    // The host text for a Windows-form path (no lookup of names on disk); empty when its
    // drive is missing.
    QString ToHost(const QString& windowsPath) const;
    // The Windows form of a host path: the mapped drive whose folder is its longest prefix, else Z:.
    QString ToWindows(const QString& hostPath) const;

private:
    Environment environment_;
};
