#pragma once
#include <QObject>

// What the program remembers about sites while it runs lives with the engine's profile: every page
// of it shares it, and it goes with the profile.
template <typename T> class KeptWith : public QObject {
public:
    using QObject::QObject;
    T value;
};

template <typename T> T& KeptWithProfile(QObject& profile)
{
    for (QObject* child : profile.children())
        if (auto* kept = dynamic_cast<KeptWith<T>*>(child))
            return kept->value;
    return (new KeptWith<T>(&profile))->value;
}
