#include "model/colPlaylist.h"

#include "model/KeyFolding.h"
#include "model/PlaylistErrors.h"

#include <algorithm>
#include <memory>

namespace orvanta {

PlaylistEntry colPlaylist::findPlaylist(const QString& Title) const
{
    const auto bucket = m_byTitle.constFind(Title);
    if (bucket == m_byTitle.constEnd())
        return nullptr;
    return bucket->first()->entry;
}

PlaylistEntry colPlaylist::Add(qint16 NumEntries, const QString& File, const QString& Title, qint16 Length,
                               const QString& sKey)
{
    auto created = std::make_shared<clsPlaylist>();
    created->setNumEntries(NumEntries);
    created->setFile(File);
    created->setTitle(Title);
    created->setLength(Length);

    std::optional<QString> foldedKey;
    if (!sKey.isEmpty()) {
        foldedKey = foldKey(sKey);
        if (m_byKey.contains(*foldedKey))
            throw DuplicateKeyError("duplicate key: " + sKey.toStdString());
    }

    m_slots.push_back(Slot{created, foldedKey});
    const auto slot = std::prev(m_slots.cend());
    if (foldedKey)
        m_byKey.insert(*foldedKey, slot);
    m_byTitle[Title].append(slot);
    return created;
}

void colPlaylist::reserve(qsizetype entries)
{
    m_byKey.reserve(entries);
    m_byTitle.reserve(entries);
}

colPlaylist::Slots::const_iterator colPlaylist::slotAt(qsizetype position) const
{
    if (position < 1 || position > Count())
        throw EntryNotFoundError("no entry at position " + std::to_string(position));
    return std::next(m_slots.cbegin(), position - 1);
}

colPlaylist::Slots::const_iterator colPlaylist::slotOf(const PlaylistEntry& entry) const
{
    if (entry) {
        const auto bucket = m_byTitle.constFind(entry->Title());
        if (bucket != m_byTitle.constEnd()) {
            for (const Slots::const_iterator slot : *bucket) {
                if (slot->entry == entry)
                    return slot;
            }
        }
    }
    throw EntryNotFoundError("entry is not in the collection");
}

PlaylistEntry colPlaylist::Item(qsizetype position) const
{
    return slotAt(position)->entry;
}

PlaylistEntry colPlaylist::Item(const QString& key) const
{
    const auto found = m_byKey.constFind(foldKey(key));
    if (key.isEmpty() || found == m_byKey.constEnd())
        throw EntryNotFoundError("no entry under key: " + key.toStdString());
    return (*found)->entry;
}

void colPlaylist::Remove(qsizetype position)
{
    erase(slotAt(position));
}

void colPlaylist::Remove(const QString& key)
{
    const auto found = m_byKey.constFind(foldKey(key));
    if (key.isEmpty() || found == m_byKey.constEnd())
        throw EntryNotFoundError("no entry under key: " + key.toStdString());
    erase(*found);
}

void colPlaylist::RemoveEntry(const PlaylistEntry& entry)
{
    erase(slotOf(entry));
}

bool colPlaylist::isStoredUnder(const PlaylistEntry& entry, const QString& key) const
{
    const auto found = m_byKey.constFind(foldKey(key));
    return !key.isEmpty() && found != m_byKey.constEnd() && (*found)->entry == entry;
}

void colPlaylist::erase(Slots::const_iterator slot)
{
    if (slot->foldedKey)
        m_byKey.remove(*slot->foldedKey);
    const auto bucket = m_byTitle.find(slot->entry->Title());
    bucket->erase(std::find(bucket->cbegin(), bucket->cend(), slot));
    if (bucket->empty())
        m_byTitle.erase(bucket);
    m_slots.erase(slot);
}

} // namespace orvanta
