#pragma once
#include "platform/files/FileSystem.h"

#include <QFile>
#include <QString>
#include <memory>

// What a replacement does where a symbolic link bears the target's name.
enum class AtLink {
    Follow,  // the file it leads to is replaced and the link kept: a file the user linked in place
    Replace, // the link itself is replaced: nothing it leads to is touched
};

// The file a replacement of targetHost replaces: the one a link there leads to, else targetHost.
QString ReplacedFile(const QString& targetHost);

// Copies the open file `sourceFd` into a new file beside `targetHost` and renames it over the
// target at the end, so a failed copy leaves the target as it was and nothing beside it. An
// existing target file keeps its permissions. Throws VbError when the copy cannot be made.
void CopyReplacing(int sourceFd, const QString& targetHost, AtLink atLink = AtLink::Follow);

// How far the data of a replacement is written before it takes the target's name.
enum class Durability {
    OnDisk,  // on disk first: not even a crash of the system leaves a torn file under the name
    Usual,   // as the file system keeps a file replaced by rename (ext4 starts writing it back)
    Scratch, // a working file, only copied from: the old one goes first, nothing is written back
};

// CopyReplacing on a thread of its own, from the open `source`, which it keeps; the target is
// replaced when the copy is finished. Throws VbError when the new file cannot be made.
std::unique_ptr<PendingCopy> StartCopyReplacing(std::unique_ptr<QFile> source, const QString& targetHost,
                                                AtLink atLink);

// Lines into a new file beside `targetHost` that replaces the target, in the same way, when the
// writer is closed, once every byte is written (and on disk, as `durability` says). A writer that
// fails or is destroyed unclosed leaves the target as it was. Throws VbError.
std::unique_ptr<LineWriter> OpenReplacingWriter(const QString& targetHost, AtLink atLink = AtLink::Follow,
                                                Durability durability = Durability::OnDisk);
