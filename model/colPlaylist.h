#pragma once

#include "model/clsPlaylist.h"

#include <QHash>
#include <QString>
#include <QVarLengthArray>

#include <iterator>
#include <list>
#include <optional>

namespace orvanta {

// The ordered collection of stations. Entries keep their insertion order (positions
// count from 1), may carry a unique key (letter case ignored) and are found by title.
// Lookups by key and by title go through indexes, so they cost O(1) on average.
class colPlaylist {
    struct Slot {
        PlaylistEntry entry;
        std::optional<QString> foldedKey;
    };
    using Slots = std::list<Slot>;
    // The entries with one title, in the order they were added. Titles nearly never
    // repeat, so the one entry is kept inline, without an allocation of its own.
    using TitleSlots = QVarLengthArray<Slots::const_iterator, 1>;

public:
    // Range-for walks the entries in insertion order.
    class const_iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = PlaylistEntry;
        using difference_type = std::ptrdiff_t;
        using pointer = const PlaylistEntry*;
        using reference = const PlaylistEntry&;

        const_iterator() = default;
        reference operator*() const { return m_slot->entry; }
        pointer operator->() const { return &m_slot->entry; }
        const_iterator& operator++() { ++m_slot; return *this; }
        const_iterator operator++(int) { auto old = *this; ++m_slot; return old; }
        const_iterator& operator--() { --m_slot; return *this; }
        const_iterator operator--(int) { auto old = *this; --m_slot; return old; }
        bool operator==(const const_iterator&) const = default;

    private:
        friend class colPlaylist;
        explicit const_iterator(Slots::const_iterator slot) : m_slot(slot) {}
        Slots::const_iterator m_slot;
    };

    // The first entry added whose Title equals the argument exactly, or none.
    PlaylistEntry findPlaylist(const QString& Title) const;

    // Stores a new entry under sKey, or without a key when sKey is empty.
    // Throws DuplicateKeyError (collection unchanged) when the key is taken.
    PlaylistEntry Add(qint16 NumEntries, const QString& File, const QString& Title, qint16 Length,
                      const QString& sKey);

    // By 1-based position or by key; throw EntryNotFoundError when absent.
    PlaylistEntry Item(qsizetype position) const;
    PlaylistEntry Item(const QString& key) const;
    void Remove(qsizetype position);
    void Remove(const QString& key);

    // Removes this very entry, keyed or not; throws EntryNotFoundError when it is not stored.
    void RemoveEntry(const PlaylistEntry& entry);

    // Whether this very entry is stored under the given key (letter case ignored).
    bool isStoredUnder(const PlaylistEntry& entry, const QString& key) const;

    qint32 Count() const { return static_cast<qint32>(m_slots.size()); }

    // Sizes the indexes for this many entries in all, so that adding up to that many
    // never rebuilds them: a rebuild hashes every key and title held once more.
    void reserve(qsizetype entries);

    const_iterator begin() const { return const_iterator(m_slots.cbegin()); }
    const_iterator end() const { return const_iterator(m_slots.cend()); }

private:
    Slots::const_iterator slotAt(qsizetype position) const;
    Slots::const_iterator slotOf(const PlaylistEntry& entry) const;
    void erase(Slots::const_iterator slot);

    Slots m_slots;
    // QHash rather than std::unordered_map: libstdc++ keeps no hash codes for a hasher
    // it deems cheap, and then hashes whole titles again on every lookup's bucket walk.
    QHash<QString, Slots::const_iterator> m_byKey;
    QHash<QString, TitleSlots> m_byTitle;
};

} // namespace orvanta
