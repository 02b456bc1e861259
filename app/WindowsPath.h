#pragma once
#include <QString>

// Windows-form paths ("C:\HOME-PAG\INIZIO.HTM") taken apart at their last "\" and put together.

// A path cut after its last "\": the folder with that "\" ("C:\HOME-PAG\", empty when there is
// none) and the last part ("INIZIO.HTM", the whole path when there is no "\"); folder + name is
// the path.
struct PathParts {
    QString folder;
    QString name;
};
PathParts SplitPath(const QString& path);

// The folder a path lies in, without its closing "\" ("C:\HOME-PAG", "C:" at a drive's root);
// empty when there is no "\".
QString ParentFolder(const QString& path);

// The folder, a "\" unless it already ends with one, then the name.
QString JoinPath(const QString& folder, const QString& name);
