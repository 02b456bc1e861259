#pragma once
#include <QString>
#include <optional>

// What the host says about one path, following symbolic links.
struct HostStatus {
    bool isFolder = false;
    bool isFile = false; // a regular file
    bool ownerRead = false;
    bool ownerWrite = false;
    QString identity; // "device:inode"
};

// Status of a host path; nullopt when nothing is there (or a link leads nowhere).
std::optional<HostStatus> StatHost(const QString& hostPath);
// True when anything at all is there, a link that leads nowhere included: the name is taken.
bool ExistsOrDangles(const QString& hostPath);
// True for the status of an existing folder.
inline bool IsFolder(const std::optional<HostStatus>& status) { return status && status->isFolder; }

// The host path of an existing entry whose name matches each component of an absolute host
// path without regard to case (as Windows finds names); an exact match is tried first. Where
// a component is missing, the rest keeps the given names, so a file to be created keeps its
// own name.
QString LookUpHostPath(const QString& hostPath);

// The folder part of a host path ("/a/b" for "/a/b/c.htm", "/" for "/c.htm").
QString HostParent(const QString& hostPath);
