#pragma once

#include "model/NodeIndex.h"
#include "model/clsPlaylist.h"

#include <QHash>
#include <QString>

#include <cstddef>
#include <iterator>
#include <vector>

namespace orvanta {

// The ordered collection of stations. Entries keep their insertion order (positions
// count from 1), may carry a unique key (letter case ignored) and are found by title.
// Add, the lookups by key and by title and the removals by key or by entry cost O(1) on
// average. Only the access by position walks, and so does a removal over the entries
// added before it with the same title, which the program never has.
//
// Each entry costs one allocation: make_shared puts the shared pointer's counts, the
// station and the collection's bookkeeping for it (a Node) into one heap block, 96
// bytes on 64-bit systems, and the entry handed out points into that block. The
// insertion order is a vector of the entries, in which a removed entry leaves a gap
// until the gaps outnumber the entries. The key and title indexes hold node pointers.
class colPlaylist {
    struct Node : clsPlaylist {
        // Where the entry's folded key is. Stream addresses are nearly always lower-case
        // ASCII, which is its own folding, so the key is then the entry's File; other
        // keys are kept in m_otherKeys rather than in every node.
        enum Key : quint32 { Unkeyed, KeyIsFile, KeyElsewhere };
        // These two share the word that the station leaves free at its end.
        quint32 order : 30 = 0; // the node's place in m_order (room for a billion)
        quint32 key : 2 = Unkeyed;
        quint32 keyHash = 0;
        quint32 titleHash = 0;
        // The entries of one title form a ring in the order they were added. The title
        // index holds the last-added, so that the first-added is one step away and a
        // repeated title is appended without a walk.
        Node* nextSameTitle = nullptr;
    };

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
        reference operator*() const { return *m_at; }
        pointer operator->() const { return m_at; }
        const_iterator& operator++()
        {
            ++m_at;
            skipGaps();
            return *this;
        }
        const_iterator operator++(int)
        {
            auto old = *this;
            ++*this;
            return old;
        }
        const_iterator& operator--()
        {
            do
                --m_at;
            while (!*m_at);
            return *this;
        }
        const_iterator operator--(int)
        {
            auto old = *this;
            --*this;
            return old;
        }
        bool operator==(const const_iterator& other) const { return m_at == other.m_at; }

    private:
        friend class colPlaylist;
        const_iterator(const PlaylistEntry* at, const PlaylistEntry* end) : m_at(at), m_end(end) { skipGaps(); }
        void skipGaps()
        {
            while (m_at != m_end && !*m_at)
                ++m_at;
        }
        const PlaylistEntry* m_at = nullptr;
        const PlaylistEntry* m_end = nullptr;
    };

    colPlaylist();
    // Neither copied nor moved: the program keeps its one collection in place. A copy
    // would share the nodes, whose order places and title rings belong to one
    // collection; a member-wise move would leave the gap count behind.
    colPlaylist(const colPlaylist&) = delete;
    colPlaylist& operator=(const colPlaylist&) = delete;
    colPlaylist(colPlaylist&&) = delete;
    colPlaylist& operator=(colPlaylist&&) = delete;

    // The first entry added whose Title equals the argument exactly, or none.
    PlaylistEntry findPlaylist(const QString& Title) const;

    // Stores a new entry under sKey, or without a key when sKey is empty.
    // Throws DuplicateKeyError (collection unchanged) when the key is taken.
    PlaylistEntry Add(qint16 NumEntries, const QString& File, const QString& Title, qint16 Length, const QString& sKey);

    // By 1-based position or by key; throw EntryNotFoundError when absent.
    PlaylistEntry Item(qsizetype position) const;
    PlaylistEntry Item(const QString& key) const;
    void Remove(qsizetype position);
    void Remove(const QString& key);

    // Removes this very entry, keyed or not; throws EntryNotFoundError when it is not stored.
    // Walks the entries of the same title that were added before it (titles rarely repeat).
    void RemoveEntry(const PlaylistEntry& entry);

    // Whether this very entry is stored under the given key (letter case ignored).
    bool isStoredUnder(const PlaylistEntry& entry, const QString& key) const;

    qint32 Count() const { return static_cast<qint32>(m_order.size() - m_gaps); }

    // Makes room for this many entries in all, so that adding up to that many neither
    // rehashes the indexes nor moves the order vector.
    void reserve(qsizetype entries);

    const_iterator begin() const { return {m_order.data(), m_order.data() + m_order.size()}; }
    const_iterator end() const { return {m_order.data() + m_order.size(), m_order.data() + m_order.size()}; }

private:
    // Every stored entry was made by Add as a Node, and no Node is const itself.
    static Node& nodeOf(const PlaylistEntry& stored) { return const_cast<Node&>(static_cast<const Node&>(*stored)); }

    quint32 hashOf(const QString& text) const;
    const QString& foldedKeyOf(const Node& node) const;
    Node* keyed(const QString& key) const;
    Node* lastTitled(const QString& title) const;
    Node* nodeHolding(const PlaylistEntry& entry) const;
    const PlaylistEntry& at(qsizetype position) const;
    void unlink(Node& node);
    void closeGaps();

    std::vector<PlaylistEntry> m_order; // the owning references, in insertion order
    std::size_t m_gaps = 0;             // removed entries' places still in m_order
    NodeIndex<Node, &Node::keyHash> m_byKey;
    NodeIndex<Node, &Node::titleHash> m_byTitle; // the last-added node of each title
    QHash<const Node*, QString> m_otherKeys;     // folded keys that are not the entry's File
    std::size_t m_seed;                          // for the indexes' hashes
};

} // namespace orvanta
