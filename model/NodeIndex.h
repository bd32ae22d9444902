#pragma once

#include <QtGlobal>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <memory>
#include <utility>

namespace orvanta {

// A hash index of node pointers for nodes that carry their own hash in the member
// `hashOf`. It owns nothing and compares nothing itself: a search takes a predicate that
// says whether a node is the one wanted.
//
// Kept because QHash costs more here: it reaches a node through its span's offset table
// and entry array, a cache miss or two more per lookup than this one array, and with
// QHash for both of colPlaylist's indexes BM_WindowRoad took 20 to 27 % longer at 32,767
// stations.
//
// Open addressing with linear probing: one pointer per slot and no allocation per node.
// At most half the slots are in use, so a search meets an empty slot within a step or
// two. Erasing shifts the nodes that follow back into the gap, so there are no deletion
// markers and searches do not slow down as nodes come and go.
template <typename Node, quint32 Node::*hashOf>
class NodeIndex {
public:
    NodeIndex() = default;
    NodeIndex(const NodeIndex&) = delete;
    NodeIndex& operator=(const NodeIndex&) = delete;

    // The node with this hash for which `matches` holds, or nullptr.
    template <typename Matches>
    Node* find(quint32 hash, Matches matches) const
    {
        return m_used == 0 ? nullptr : m_slots[indexFor(hash, matches)];
    }

    // The slot holding the node for which `matches` holds, or else the empty slot where
    // such a node belongs. Call makeRoomForOne() first, so that the table has one.
    template <typename Matches>
    Node*& slotFor(quint32 hash, Matches matches)
    {
        Q_ASSERT(m_used < slotCount());
        return m_slots[indexFor(hash, matches)];
    }

    // Puts a node into the empty slot that slotFor() gave for its hash.
    void fill(Node*& emptySlot, Node* node)
    {
        emptySlot = node;
        ++m_used;
    }

    // The slot of this very node, which must be in the index.
    Node*& slotOf(const Node* node)
    {
        return slotFor(node->*hashOf, [node](const Node& n) { return &n == node; });
    }

    void erase(Node*& slot)
    {
        std::size_t gap = static_cast<std::size_t>(&slot - m_slots.get());
        // A node may fill the gap when the gap lies between its home slot and its slot;
        // the nodes that stay keep their own searches unbroken.
        for (std::size_t i = (gap + 1) & m_mask; m_slots[i]; i = (i + 1) & m_mask) {
            const std::size_t home = m_slots[i]->*hashOf & m_mask;
            if (((i - home) & m_mask) >= ((i - gap) & m_mask)) {
                m_slots[gap] = m_slots[i];
                gap = i;
            }
        }
        m_slots[gap] = nullptr;
        --m_used;
    }

    void makeRoomForOne() { reserve(m_used + 1); }

    // Makes room for this many nodes in all without another rehash.
    void reserve(std::size_t nodes)
    {
        const auto wanted = std::bit_ceil(std::max<std::size_t>(2 * nodes, 8));
        if (wanted <= slotCount())
            return;
        auto grown = std::make_unique<Node*[]>(wanted);
        const std::size_t mask = wanted - 1;
        for (std::size_t old = 0; old < slotCount(); ++old) {
            if (Node* node = m_slots[old]) {
                std::size_t i = node->*hashOf & mask;
                while (grown[i])
                    i = (i + 1) & mask;
                grown[i] = node;
            }
        }
        m_slots = std::move(grown);
        m_mask = mask;
    }

private:
    std::size_t slotCount() const { return m_slots ? m_mask + 1 : 0; }

    // Needs at least one empty slot, which the table always has once it has any slots.
    template <typename Matches>
    std::size_t indexFor(quint32 hash, Matches matches) const
    {
        std::size_t i = hash & m_mask;
        while (m_slots[i] && !(m_slots[i]->*hashOf == hash && matches(*m_slots[i])))
            i = (i + 1) & m_mask;
        return i;
    }

    std::unique_ptr<Node*[]> m_slots;
    std::size_t m_mask = 0; // the slot count, a power of two, less one
    std::size_t m_used = 0;
};

} // namespace orvanta
