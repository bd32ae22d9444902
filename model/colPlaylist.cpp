#include "model/colPlaylist.h"

#include "model/KeyFolding.h"
#include "model/PlaylistErrors.h"

#include <algorithm>
#include <string>

namespace orvanta {

const colPlaylist::Node* colPlaylist::keyed(const QString& key) const
{
    return key.isEmpty() ? nullptr : m_byKey.value(foldKey(key));
}

PlaylistEntry colPlaylist::findPlaylist(const QString& Title) const
{
    const Node* first = m_byTitle.value(Title);
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
    auto created = std::make_shared<Node>();
    created->setNumEntries(NumEntries);
    created->setFile(File);
    created->setTitle(Title);
    created->setLength(Length);
    created->foldedKey = sKey.isEmpty() ? QString() : foldKey(sKey);
    // The slots are filled last, so that a failed Add leaves the collection as it was:
    // a slot left empty counts as no slot at all.
    const Node** keySlot = sKey.isEmpty() ? nullptr : &m_byKey[created->foldedKey];
    if (keySlot && *keySlot)
        throw DuplicateKeyError("duplicate key: " + sKey.toStdString());
    const Node*& titleSlot = m_byTitle[Title];
    // Of a repeated title, the entry that stands first keeps the title's slot; one added at
    // the end never does, and needs no search.
    const bool standsFirst =
        !titleSlot || (position <= Count() && position <= PositionOf(titleSlot->shared_from_this()));
    if (titleSlot)
        m_repeatedTitles.insert(Title, standsFirst ? titleSlot : created.get());
    try {
        m_order.insert(position - 1, created);
    } catch (...) {
        if (titleSlot)
            m_repeatedTitles.remove(Title, standsFirst ? titleSlot : created.get());
        throw;
    }
    if (standsFirst)
        titleSlot = created.get();
    if (keySlot)
        *keySlot = created.get();
    return created;
}

qsizetype colPlaylist::PositionOf(const PlaylistEntry& entry) const
{
    return m_order.lastIndexOf(entry) + 1;
}

void colPlaylist::reserve(qsizetype entries)
{
    // Twice the room keeps each index at most a quarter full: a QHash span holds its first 48
    // entries in one block and moves them to a larger one beyond that, which at half full
    // most spans would, leaving the old blocks as holes among the stations.
    m_order.reserve(entries);
    m_byKey.reserve(2 * entries);
    m_byTitle.reserve(2 * entries);
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
    RemoveEntry(Item(key));
}

void colPlaylist::RemoveEntry(const PlaylistEntry& entry)
{
    const qsizetype position = PositionOf(entry);
    if (position == 0)
        throw EntryNotFoundError("entry is not in the collection");
    // Every stored entry is one of the collection's nodes.
    const auto& node = static_cast<const Node&>(*entry);
    if (!node.foldedKey.isEmpty())
        m_byKey.remove(node.foldedKey);
    const QString& title = node.Title();
    const auto first = m_byTitle.find(title);
    if (*first != &node) {
        m_repeatedTitles.remove(title, &node);
    } else if (const QList<const Node*> later = m_repeatedTitles.values(title); later.isEmpty()) {
        m_byTitle.erase(first);
    } else {
        // The title passes to the entry that stands first of the others.
        const auto standsBefore = [this](const Node* a, const Node* b) {
            return PositionOf(a->shared_from_this()) < PositionOf(b->shared_from_this());
        };
        *first = *std::min_element(later.cbegin(), later.cend(), standsBefore);
        m_repeatedTitles.remove(title, *first);
    }
    m_order.removeAt(position - 1);
}

bool colPlaylist::isStoredUnder(const PlaylistEntry& entry, const QString& key) const
{
    const Node* node = keyed(key);
    return node && node == entry.get();
}

} // namespace orvanta
