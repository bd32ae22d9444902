#include "model/colPlaylist.h"

#include "model/KeyFolding.h"
#include "model/PlaylistErrors.h"

#include <memory>

namespace orvanta {

PlaylistEntry colPlaylist::findPlaylist(const QString& Title) const
{
    const auto bucket = m_byTitle.find(Title);
    if (bucket == m_byTitle.end())
        return nullptr;
    return bucket->second.begin()->second->entry;
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

    m_slots.push_back(Slot{created, foldedKey, m_nextSequence});
    const auto slot = std::prev(m_slots.cend());
    if (foldedKey)
        m_byKey.emplace(*foldedKey, slot);
    m_byTitle[Title].emplace(m_nextSequence, slot);
    ++m_nextSequence;
    return created;
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
        const auto bucket = m_byTitle.find(entry->Title());
        if (bucket != m_byTitle.end()) {
            for (const auto& [sequence, slot] : bucket->second) {
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
    const auto found = m_byKey.find(foldKey(key));
    if (key.isEmpty() || found == m_byKey.end())
        throw EntryNotFoundError("no entry under key: " + key.toStdString());
    return found->second->entry;
}

void colPlaylist::Remove(qsizetype position)
{
    erase(slotAt(position));
}

void colPlaylist::Remove(const QString& key)
{
    const auto found = m_byKey.find(foldKey(key));
    if (key.isEmpty() || found == m_byKey.end())
        throw EntryNotFoundError("no entry under key: " + key.toStdString());
    erase(found->second);
}

void colPlaylist::RemoveEntry(const PlaylistEntry& entry)
{
    erase(slotOf(entry));
}

bool colPlaylist::isStoredUnder(const PlaylistEntry& entry, const QString& key) const
{
    const auto found = m_byKey.find(foldKey(key));
    return !key.isEmpty() && found != m_byKey.end() && found->second->entry == entry;
}

void colPlaylist::erase(Slots::const_iterator slot)
{
    if (slot->foldedKey)
        m_byKey.erase(*slot->foldedKey);
    const auto bucket = m_byTitle.find(slot->entry->Title());
    bucket->second.erase(slot->sequence);
    if (bucket->second.empty())
        m_byTitle.erase(bucket);
    m_slots.erase(slot);
}

} // namespace orvanta
