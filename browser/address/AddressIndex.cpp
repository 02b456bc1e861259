#include "AddressIndex.h"

#include "app/TextHelpers.h"

#include <QHash>

namespace {

// Seeded afresh at every run, so that no file can be made to collide on purpose.
std::uint32_t HashOf(const QString& text) { return static_cast<std::uint32_t>(qHash(text, QHashSeed::globalSeed())); }

} // namespace

qsizetype AddressIndex::Find(const QString& trimmed, std::uint32_t hash, std::size_t& slot) const
{
    const std::size_t mask = table_.size() - 1;
    for (slot = hash & mask; table_[slot].position >= 0; slot = (slot + 1) & mask)
        if (table_[slot].hash == hash && trimmed_.at(table_[slot].position) == trimmed)
            return table_[slot].position;
    return -1;
}

bool AddressIndex::IsNext(const QString& trimmed)
{
    if (next_ >= trimmed_.size() || trimmed_.at(next_) != trimmed)
        return false;
    ++next_;
    return true;
}

void AddressIndex::Grow()
{
    std::vector<Slot> old(table_.size() * 2);
    old.swap(table_);
    const std::size_t mask = table_.size() - 1;
    for (const Slot& taken : old) {
        if (taken.position < 0)
            continue;
        std::size_t slot = taken.hash & mask;
        while (table_[slot].position >= 0)
            slot = (slot + 1) & mask;
        table_[slot] = taken;
    }
}

bool AddressIndex::Holds(const QString& text)
{
    const QString wanted = TrimBlanks(text);
    if (wanted.isEmpty() || IsNext(wanted))
        return true;
    std::size_t slot = 0;
    const qsizetype position = Find(wanted, HashOf(wanted), slot);
    if (position < 0)
        return false;
    next_ = position + 1;
    return true;
}

bool AddressIndex::Add(const QString& entry)
{
    const QString key = TrimBlanks(entry);
    if (IsNext(key))
        return false;
    const std::uint32_t hash = HashOf(key);
    std::size_t slot = 0;
    if (const qsizetype position = Find(key, hash, slot); position >= 0) {
        next_ = position + 1;
        return false;
    }
    // At most half full, so that a search ends soon at a free slot.
    if (static_cast<std::size_t>(trimmed_.size() + 1) * 2 > table_.size()) {
        Grow();
        Find(key, hash, slot);
    }
    table_[slot] = {hash, static_cast<std::int32_t>(trimmed_.size())};
    trimmed_.append(key);
    return true;
}
