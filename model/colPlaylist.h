#pragma once

#include "model/clsPlaylist.h"

#include <QHash>
#include <QList>
#include <QMultiHash>
#include <QString>

#include <memory>

namespace orvanta {

// The ordered collection of stations. Entries keep their insertion order (positions
// count from 1), may carry a unique key (letter case ignored) and are found by title.
// Add and the lookups by position, key and title cost O(1) on average. A removal
// searches the order for the entry, about 25 µs among 32,767 stations; a command removes
// one station at most.
class colPlaylist {
    // The collection's own record of a station, handed out as its PlaylistEntry.
    // make_shared puts it and the shared pointer's counts into one allocation.
    struct Node : clsPlaylist, std::enable_shared_from_this<Node> {
        // Empty for an entry stored without a key. Where the File is its own folding,
        // as nearly every address is, this shares the File's text.
        QString foldedKey;
    };

public:
    // Range-for walks the entries in insertion order.
    using const_iterator = QList<PlaylistEntry>::const_iterator;

    colPlaylist() = default;
    // Neither copied nor moved: the program keeps its one collection in place.
    colPlaylist(const colPlaylist&) = delete;
    colPlaylist& operator=(const colPlaylist&) = delete;
    colPlaylist(colPlaylist&&) = delete;
    colPlaylist& operator=(colPlaylist&&) = delete;

    // Of the entries whose Title equals the argument exactly, the one that stands first
    // in the collection's order; none when there is no such entry.
    PlaylistEntry findPlaylist(const QString& Title) const;

    // Stores a new entry under sKey, or without a key when sKey is empty.
    // Throws DuplicateKeyError (collection unchanged) when the key is taken.
    PlaylistEntry Add(qint16 NumEntries, const QString& File, const QString& Title, qint16 Length, const QString& sKey);

    // As Add, but the new entry takes the 1-based position (1 to Count() + 1), and the
    // entries from there on move one place back: undo puts a station back where it stood.
    // Throws EntryNotFoundError for a position outside that range.
    PlaylistEntry Insert(qsizetype position, qint16 NumEntries, const QString& File, const QString& Title,
                         qint16 Length, const QString& sKey);

    // The 1-based position of this very entry, or 0 when it is not stored. Searched from the
    // end, where undo finds the entries it takes back.
    qsizetype PositionOf(const PlaylistEntry& entry) const;

    // By 1-based position or by key; throw EntryNotFoundError when absent.
    PlaylistEntry Item(qsizetype position) const;
    PlaylistEntry Item(const QString& key) const;
    void Remove(qsizetype position);
    void Remove(const QString& key);

    // Removes this very entry, keyed or not; throws EntryNotFoundError when it is not stored.
    void RemoveEntry(const PlaylistEntry& entry);

    // Whether this very entry is stored under the given key (letter case ignored).
    bool isStoredUnder(const PlaylistEntry& entry, const QString& key) const;

    qint32 Count() const { return static_cast<qint32>(m_order.size()); }

    // Makes room for this many entries in all, so that adding up to that many neither
    // rebuilds the indexes nor moves the order.
    void reserve(qsizetype entries);

    const_iterator begin() const { return m_order.cbegin(); }
    const_iterator end() const { return m_order.cend(); }

private:
    const Node* keyed(const QString& key) const;

    QList<PlaylistEntry> m_order;                      // the owning references, in insertion order
    QHash<QString, const Node*> m_byKey;               // by folded key
    QHash<QString, const Node*> m_byTitle;             // each title's entry that stands first
    QMultiHash<QString, const Node*> m_repeatedTitles; // the others, which titles nearly never have
};

} // namespace orvanta
