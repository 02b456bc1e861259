#pragma once
#include "platform/files/impl/DriveMap.h"
#include "platform/files/impl/HostFileSystem.h"
#include "support/WriteFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

// The real file system with drive C: mapped to an empty temporary folder; no other drive but Z:.
struct TempDriveC {
    TempDriveC()
        : fs(DriveMap([this](const QString& variable) {
                 return variable == QLatin1String("VINDREL_DRIVE_C") ? root.filePath(QStringLiteral("C")) : QString();
             }),
             root.path())
    {
        QDir(root.path()).mkpath(QStringLiteral("C"));
    }

    // Host path of a file below C: ("my site/x.htm").
    QString host(const QString& belowC) const { return root.filePath(QStringLiteral("C/") + belowC); }

    void Write(const QString& belowC, const QByteArray& bytes) const { WriteFile(host(belowC), bytes); }

    QTemporaryDir root;
    HostFileSystem fs;
};
