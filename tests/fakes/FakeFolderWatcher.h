#pragma once
#include "platform/files/FolderWatcher.h"

#include <vector>

// Records the folders it is asked to watch; a test tells the changes.
class FakeFolderWatcher : public FolderWatcher {
public:
    explicit FakeFolderWatcher(std::function<void()> changed) : changed_(std::move(changed)) {}

    void Watch(const QStringList& folders) override { watched.push_back(folders); }
    void Change() const { changed_(); }

    std::vector<QStringList> watched; // every set, in order

private:
    std::function<void()> changed_;
};
