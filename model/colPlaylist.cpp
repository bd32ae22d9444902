#include "model/colPlaylist.h"

#include "model/KeyFolding.h"
#include "model/PlaylistErrors.h"

#include <QHashFunctions>

#include <algorithm>
#include <string>

namespace orvanta {

colPlaylist::colPlaylist() : m_seed(QHashSeed::globalSeed()) {}

quint32 colPlaylist::hashOf(const QString& text) const
{
    // Qt's seed varies per run, so no playlist can be made to collide on purpose.
    return static_cast<quint32>(qHash(QStringView(text), m_seed));
}

colPlaylist::Node* colPlaylist::keyed(const QString& key) const
{
    if (key.isEmpty())
        return nullptr;
    const QString folded = foldKey(key);
    return m_byKey.find(hashOf(folded), [&folded](const Node& node) { return node.foldedKey == folded; });
}

colPlaylist::Node* colPlaylist::firstTitled(const QString& title) const
{
    return m_byTitle.find(hashOf(title), [&title](const Node& node) { return node.Title() == title; });
}

// The collection's node of this very entry, or none.
colPlaylist::Node* colPlaylist::nodeOf(const PlaylistEntry& entry) const
{
    if (!entry)
        return nullptr;
    Node* const first = firstTitled(entry->Title());
    if (!first || first == entry.get())
        return first;
    const QList<std::shared_ptr<Node>> later = m_repeatedTitles.values(entry->Title());
    const auto held = std::find(later.cbegin(), later.cend(), entry);
    return held == later.cend() ? nullptr : held->get();
}

PlaylistEntry colPlaylist::findPlaylist(const QString& Title) const
{
    const Node* first = firstTitled(Title);
    return first ? first->shared_from_this() : nullptr;
}

PlaylistEntry colPlaylist::Add(qint16 NumEntries, const QString& File, const QString& Title, qint16 Length,
                               const QString& sKey)
{
    return Insert(Count() + 1, NumEntries, File, Title, Length, sKey);
}

PlaylistEntry colPlaylist::Insert(qsizetype position, qint16 NumEntries, const QString& File, const QString& Title,
                                  qint16 Length, const QString& sKey)
{
    if (position < 1 || position > Count() + 1)
        throw EntryNotFoundError("no position " + std::to_string(position) + " to insert at");
    // Everything that can fail comes before the first change or undoes it, so that a
    // failed Add leaves the collection as it was.
    auto created = std::make_shared<Node>();
    created->setNumEntries(NumEntries);
    created->setFile(File);
    created->setTitle(Title);
    created->setLength(Length);
    Node** keySlot = nullptr;
    if (!sKey.isEmpty()) {
        created->foldedKey = foldKey(sKey);
        created->keyHash = hashOf(created->foldedKey);
        m_byKey.makeRoomForOne();
        keySlot = &m_byKey.slotFor(created->keyHash,
                                   [&created](const Node& node) { return node.foldedKey == created->foldedKey; });
        if (*keySlot)
            throw DuplicateKeyError("duplicate key: " + sKey.toStdString());
    }
    created->titleHash = hashOf(Title);
    m_byTitle.makeRoomForOne();
    Node*& titleSlot =
        m_byTitle.slotFor(created->titleHash, [&Title](const Node& node) { return node.Title() == Title; });

    m_order.insert(position - 1, created);
    if (titleSlot) {
        // The entry that stands first keeps the title's slot.
        const bool before = position - 1 < m_order.indexOf(titleSlot->shared_from_this());
        try {
            m_repeatedTitles.insert(Title, before ? titleSlot->shared_from_this() : created);
        } catch (...) {
            m_order.removeAt(position - 1);
            throw;
        }
        if (before)
            titleSlot = created.get();
    } else {
        m_byTitle.fill(titleSlot, created.get());
    }
    if (keySlot)
        m_byKey.fill(*keySlot, created.get());
    return created;
}

qsizetype colPlaylist::PositionOf(const PlaylistEntry& entry) const
{
    return m_order.lastIndexOf(entry) + 1;
}

void colPlaylist::reserve(qsizetype entries)
{
    if (entries <= Count())
        return;
    m_order.reserve(entries);
    m_byKey.reserve(static_cast<std::size_t>(entries));
    m_byTitle.reserve(static_cast<std::size_t>(entries));
}

PlaylistEntry colPlaylist::Item(qsizetype position) const
{
    if (position < 1 || position > Count())
        throw EntryNotFoundError("no entry at position " + std::to_string(position));
    return m_order.at(position - 1);
}

PlaylistEntry colPlaylist::Item(const QString& key) const
{
    const Node* node = keyed(key);
    if (!node)
        throw EntryNotFoundError("no entry under key: " + key.toStdString());
    return node->shared_from_this();
}

void colPlaylist::Remove(qsizetype position)
{
    RemoveEntry(Item(position));
}

void colPlaylist::Remove(const QString& key)
{
    Node* node = keyed(key);
    if (!node)
        throw EntryNotFoundError("no entry under key: " + key.toStdString());
    remove(*node);
}

void colPlaylist::RemoveEntry(const PlaylistEntry& entry)
{
    Node* node = nodeOf(entry);
    if (!node)
        throw EntryNotFoundError("entry is not in the collection");
    remove(*node);
}

bool colPlaylist::isStoredUnder(const PlaylistEntry& entry, const QString& key) const
{
    const Node* node = keyed(key);
    return node && node == entry.get();
}

void colPlaylist::remove(Node& node)
{
    if (!node.foldedKey.isEmpty())
        m_byKey.erase(m_byKey.slotOf(&node));
    const QString& title = node.Title();
    if (firstTitled(title) == &node) {
        // The title's next entry is the one that stands first of the later ones.
        Node*& first = m_byTitle.slotOf(&node);
        const QList<std::shared_ptr<Node>> later = m_repeatedTitles.values(title);
        if (later.isEmpty()) {
            m_byTitle.erase(first);
        } else {
            const auto next = std::min_element(later.cbegin(), later.cend(), [this](const auto& a, const auto& b) {
                return m_order.indexOf(a) < m_order.indexOf(b);
            });
            first = next->get();
            m_repeatedTitles.remove(title, *next);
        }
    } else {
        m_repeatedTitles.remove(title, node.shared_from_this());
    }
    // Last, since this may release the node.
    m_order.removeAt(m_order.lastIndexOf(node.shared_from_this()));
}

} // namespace orvanta
