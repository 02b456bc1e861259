#include "DriveMap.h"

DriveMap::DriveMap(Environment environment) : environment_(std::move(environment)) {}

DriveMap DriveMap::FromProcessEnvironment()
{
    return DriveMap([](const QString& variable) { return qEnvironmentVariable(variable.toLocal8Bit().constData()); });
}

QString DriveMap::ToHost(const QString&) const { return {}; }
QString DriveMap::ToWindows(const QString&) const { return {}; }
