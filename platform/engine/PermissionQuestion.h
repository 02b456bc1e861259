#pragma once
#include <QString>

// What a page may ask to use.
enum class PagePermission {
    Location,
    Notifications,
    Camera,
    Microphone,
    CameraAndMicrophone,
    ScreenSharing,
    MouseLock
};

// A page's request for a permission, waiting for the person's answer. The page waits as long as
// it is not answered: whoever drops the last hold on it while it waits answers "no" by doing so.
class PermissionQuestion {
public:
    virtual ~PermissionQuestion() = default;
    // The site that asks, as a person reads it: its host name, or "Questa pagina" for a page on disk.
    virtual QString Site() const = 0;
    virtual PagePermission Permission() const = 0;
    // False once answered, or once the page left or withdrew it.
    virtual bool Waiting() const = 0;
    // The person's answer; the answer holds for the site and permission while the program runs.
    virtual void Answer(bool allow) = 0;
};
