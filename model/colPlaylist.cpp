#include "model/colPlaylist.h"

#include "model/KeyFolding.h"
#include "model/PlaylistErrors.h"

#include <QHashFunctions>

#include <algorithm>
#include <memory>
#include <string>

namespace orvanta {

colPlaylist::colPlaylist() : m_seed(QHashSeed::globalSeed()) {}

quint32 colPlaylist::hashOf(const QString& text) const
{
    // Qt's seed varies per run, so no playlist can be made to collide on purpose.
    return static_cast<quint32>(qHash(QStringView(text), m_seed));
}

const QString& colPlaylist::foldedKeyOf(const Node& node) const
{
    return node.key == Node::KeyIsFile ? node.File() : *m_otherKeys.constFind(&node);
}

colPlaylist::Node* colPlaylist::keyed(const QString& key) const
{
    if (key.isEmpty())
        return nullptr;
    const QString folded = foldKey(key);
    return m_byKey.find(hashOf(folded), [&](const Node& node) { return foldedKeyOf(node) == folded; });
}

colPlaylist::Node* colPlaylist::lastTitled(const QString& title) const
{
    return m_byTitle.find(hashOf(title), [&title](const Node& node) { return node.Title() == title; });
}

PlaylistEntry colPlaylist::findPlaylist(const QString& Title) const
{
    const Node* last = lastTitled(Title);
    if (!last)
        return nullptr;
    return m_order[last->nextSameTitle->order];
}

PlaylistEntry colPlaylist::Add(qint16 NumEntries, const QString& File, const QString& Title, qint16 Length,
                               const QString& sKey)
{
    // Everything that can fail comes before the first change or undoes it, so that a
    // failed Add leaves the collection as it was.
    QString foldedKey;
    quint32 keyHash = 0;
    Node** keySlot = nullptr;
    if (!sKey.isEmpty()) {
        foldedKey = foldKey(sKey);
        keyHash = hashOf(foldedKey);
        m_byKey.makeRoomForOne();
        keySlot = &m_byKey.slotFor(keyHash, [&](const Node& node) { return foldedKeyOf(node) == foldedKey; });
        if (*keySlot)
            throw DuplicateKeyError("duplicate key: " + sKey.toStdString());
    }
    const quint32 titleHash = hashOf(Title);
    m_byTitle.makeRoomForOne();
    Node*& titleSlot = m_byTitle.slotFor(titleHash, [&Title](const Node& node) { return node.Title() == Title; });

    auto created = std::make_shared<Node>();
    created->setNumEntries(NumEntries);
    created->setFile(File);
    created->setTitle(Title);
    created->setLength(Length);
    created->order = static_cast<quint32>(m_order.size());
    created->key = !keySlot ? Node::Unkeyed : foldedKey == File ? Node::KeyIsFile : Node::KeyElsewhere;
    created->keyHash = keyHash;
    created->titleHash = titleHash;
    Node* node = created.get();
    m_order.push_back(std::move(created));
    if (node->key == Node::KeyElsewhere) {
        try {
            m_otherKeys.insert(node, foldedKey);
        } catch (...) {
            m_order.pop_back();
            throw;
        }
    }

    if (keySlot)
        m_byKey.fill(*keySlot, node);
    if (Node* last = titleSlot) {
        node->nextSameTitle = last->nextSameTitle;
        last->nextSameTitle = node;
        titleSlot = node;
    } else {
        node->nextSameTitle = node;
        m_byTitle.fill(titleSlot, node);
    }
    return m_order.back();
}

void colPlaylist::reserve(qsizetype entries)
{
    // Gaps would take places that the entries to come are to have.
    if (m_gaps > 0)
        closeGaps();
    const auto wanted = static_cast<std::size_t>(std::max<qsizetype>(entries, 0));
    m_order.reserve(wanted);
    m_byKey.reserve(wanted);
    m_byTitle.reserve(wanted);
}

const PlaylistEntry& colPlaylist::at(qsizetype position) const
{
    if (position < 1 || position > Count())
        throw EntryNotFoundError("no entry at position " + std::to_string(position));
    if (m_gaps == 0)
        return m_order[static_cast<std::size_t>(position - 1)];
    return *std::next(begin(), position - 1);
}

colPlaylist::Node* colPlaylist::nodeHolding(const PlaylistEntry& entry) const
{
    if (!entry)
        return nullptr;
    Node* const last = lastTitled(entry->Title());
    if (!last)
        return nullptr;
    Node* node = last;
    do {
        node = node->nextSameTitle;
        if (node == entry.get())
            return node;
    } while (node != last);
    return nullptr;
}

PlaylistEntry colPlaylist::Item(qsizetype position) const
{
    return at(position);
}

PlaylistEntry colPlaylist::Item(const QString& key) const
{
    const Node* node = keyed(key);
    if (!node)
        throw EntryNotFoundError("no entry under key: " + key.toStdString());
    return m_order[node->order];
}

void colPlaylist::Remove(qsizetype position)
{
    unlink(nodeOf(at(position)));
}

void colPlaylist::Remove(const QString& key)
{
    Node* node = keyed(key);
    if (!node)
        throw EntryNotFoundError("no entry under key: " + key.toStdString());
    unlink(*node);
}

void colPlaylist::RemoveEntry(const PlaylistEntry& entry)
{
    Node* node = nodeHolding(entry);
    if (!node)
        throw EntryNotFoundError("entry is not in the collection");
    unlink(*node);
}

bool colPlaylist::isStoredUnder(const PlaylistEntry& entry, const QString& key) const
{
    const Node* node = keyed(key);
    return node && node == entry.get();
}

void colPlaylist::unlink(Node& node)
{
    if (node.key != Node::Unkeyed)
        m_byKey.erase(m_byKey.slotOf(&node));
    if (node.key == Node::KeyElsewhere)
        m_otherKeys.remove(&node);

    // Walks the title's ring from its first-added entry to the one before this one.
    Node*& lastSlot = m_byTitle.slotFor(node.titleHash, [&node](const Node& n) { return n.Title() == node.Title(); });
    Node* before = lastSlot;
    while (before->nextSameTitle != &node)
        before = before->nextSameTitle;
    if (before == &node) {
        m_byTitle.erase(lastSlot); // the title's only entry
    } else {
        before->nextSameTitle = node.nextSameTitle;
        if (lastSlot == &node)
            lastSlot = before;
    }

    // Last, since this may release the node.
    m_order[node.order].reset();
    ++m_gaps;
    if (m_gaps > m_order.size() - m_gaps)
        closeGaps();
}

void colPlaylist::closeGaps()
{
    std::erase(m_order, nullptr);
    for (std::size_t i = 0; i < m_order.size(); ++i)
        nodeOf(m_order[i]).order = static_cast<quint32>(i);
    m_gaps = 0;
}

} // namespace orvanta
