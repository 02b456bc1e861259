#pragma once
#include <QString>
#include <stdexcept>

// An error raised by a platform operation, carrying the number and description
// the original runtime gave (53 "File not found", 75 "Path/File access error"...).
class VbError : public std::runtime_error {
public:
    VbError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number), description_(description)
    {
    }
    int number() const { return number_; }
    QString description() const { return description_; }

    static VbError fileNotFound() { return VbError(53, QStringLiteral("File not found")); }
    static VbError pathAccess() { return VbError(75, QStringLiteral("Path/File access error")); }
    static VbError pathNotFound() { return VbError(76, QStringLiteral("Path not found")); }

private:
    int number_;
    QString description_;
};
