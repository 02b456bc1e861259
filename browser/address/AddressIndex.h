#pragma once
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>

// The address list's entries, each trimmed, kept beside the list so that whether an address is
// already listed is known at once, however long the history.
class AddressIndex {
public:
    // Whether the trimmed text equals one of the entries, each trimmed (exact, case-sensitive);
    // an empty text counts as present, so it is never added to a list.
    bool Holds(const QString& text);
    // Takes in a new entry; false when an equal one (trimmed) was already there.
    bool Add(const QString& entry);

private:
    // Open addressing with each text's hash kept beside its position: a new text is placed
    // without comparing any other, and the table is regrown without hashing again. A slot is
    // eight bytes, so that a large table stays small: the low 32 bits of the hash suffice to
    // place a text in any table that fits in memory.
    struct Slot {
        std::uint32_t hash = 0;
        std::int32_t position = -1; // in trimmed_; -1: free
    };
    // The position of a trimmed text, or -1; `slot` is left where it is, or where it would go.
    qsizetype Find(const QString& trimmed, std::uint32_t hash, std::size_t& slot) const;
    bool IsNext(const QString& trimmed); // the entry after the last one found; moves past it
    void Grow();

    QStringList trimmed_; // in list order
    std::vector<Slot> table_ = std::vector<Slot>(16);
    // The entry after the last one found. A file saved from this list holds its lines in the
    // list's order, so merging it again mostly finds each line right there, without a lookup.
    qsizetype next_ = 0;
};
