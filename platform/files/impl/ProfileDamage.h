#pragma once

#include <QByteArray>
#include <QString>

// How the engine's files in a profile folder are told sound from damaged (a truncated file,
// garbage written over one), before the engine opens them.
// LevelDbCurrent: the file naming a key-value store's current manifest (local storage, session
// storage, IndexedDB).
enum class ProfileFileKind { Database, Json, LevelDbCurrent, Other };

// The kind of the file at relativePath in the profile folder ("/" between folders).
ProfileFileKind KindOfProfileFile(const QString& relativePath);
// How many of its first bytes a file of that kind needs to be judged (-1: all of them).
qint64 BytesToJudge(ProfileFileKind kind);
// Whether a file of that kind, of size bytes, whose first bytes are head, is sound.
bool ProfileFileSound(ProfileFileKind kind, const QByteArray& head, qint64 size);

struct ProfileCheck {
    bool damaged = false;
    QString movedTo; // where a damaged profile went; empty when it could not be moved
};
// A damaged profile at folder is moved aside, beside it, under a name of its own, so that the
// engine starts on an empty one. An absent folder is sound.
ProfileCheck SetAsideIfDamaged(const QString& folder);
