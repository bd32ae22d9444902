#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

namespace orvanta {

// One station: its source file's entry count, stream address, title and length.
// Plain values; writing copies, nothing is validated. The texts are read by reference:
// the collection compares them on every lookup.
class clsPlaylist {
public:
    qint16 Length() const { return m_Length; }
    void setLength(qint16 vData) { m_Length = vData; }

    const QString& Title() const { return m_Title; }
    void setTitle(const QString& vData) { m_Title = vData; }

    const QString& File() const { return m_File; }
    void setFile(const QString& vData) { m_File = vData; }

    qint16 NumEntries() const { return m_NumEntries; }
    void setNumEntries(qint16 vData) { m_NumEntries = vData; }

private:
    // The two 16-bit values side by side: one word less per station than in the
    // order of the interface.
    QString m_File;
    QString m_Title;
    qint16 m_NumEntries = 0;
    qint16 m_Length = 0;
};

// Entries are shared: a holder keeps its entry alive after the collection lets go of it.
// Stored entries are read-only, since the collection indexes them by title.
using PlaylistEntry = std::shared_ptr<const clsPlaylist>;

} // namespace orvanta
