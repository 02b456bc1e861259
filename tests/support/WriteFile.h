#pragma once
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

// Writes a file whole, making its folder first, and gives it the permissions when any are given.
// The one writer of the tests' files (and of the benchmarks' and pictures'): a file that cannot be
// written throws, so that whatever expected it stops there, naming it.
inline void WriteFile(const QString& path, const QByteArray& bytes, QFile::Permissions permissions = {})
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
    file.close();
    if (permissions)
        file.setPermissions(permissions);
}
