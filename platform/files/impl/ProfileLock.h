#pragma once

#include <QString>

// The hold of one running copy of the program on its web profile: an advisory lock (flock) on
// the file at path, taken without waiting. The system lets it go when the process ends, however
// it ends, so a copy that crashed leaves no stale hold behind.
class ProfileLock {
public:
    explicit ProfileLock(const QString& path);
    ~ProfileLock();
    ProfileLock(const ProfileLock&) = delete;
    ProfileLock& operator=(const ProfileLock&) = delete;

    // Whether this copy holds the profile: false while another copy holds it, or when the lock
    // file cannot be made.
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};
