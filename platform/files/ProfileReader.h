#pragma once
#include <QByteArray>
#include <QString>

// One value of an initialisation file's bytes, read as the system's private-profile reader does
// (case-blind section and key names, first match wins, values cut to 2047 characters...).
QString ProfileString(const QByteArray& fileBytes, const QString& section, const QString& key,
                      const QString& defaultValue);
