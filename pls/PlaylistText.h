#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace orvanta {

// A playlist's bytes, those marked as UTF-16 without an odd last byte, which is no character.
QByteArray withoutOddUtf16Byte(QByteArray bytes);

// A playlist's bytes with the byte-order mark at its start dealt with, so that readers see
// lines of 8-bit text: a file marked as UTF-16 (either byte order, as editors save
// "Unicode" text) comes back as UTF-8; a UTF-8 mark is dropped; other bytes are unchanged.
QByteArray withoutByteOrderMark(QByteArray bytes);

// The text of one line of a playlist file: UTF-8 when its bytes are valid UTF-8, every
// byte-order mark in it kept as U+FEFF; otherwise Windows-1252, so legacy lines keep their
// accented titles and no byte is lost. Line by line, one odd line spoils no other.
QString decodePlaylistLine(QByteArrayView bytes);

// The lines of a playlist's bytes: a CR, a CR LF or an LF alone ends a line, and is not
// part of it. The last line counts also without a line end; a line end at the very end
// starts no further line. Lines are numbered from 1, as an editor shows them.
class PlaylistLines {
public:
    explicit PlaylistLines(QByteArrayView bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_position >= m_bytes.size(); }
    // Moves past the empty lines that come next; false when the end comes first. A run of
    // empty lines costs the same by the byte, CR LF or CR alone.
    bool skipEmptyLines();
    // The next line; only when not atEnd().
    QByteArrayView next();
    // The number of the line that next() gave last.
    int number() const { return m_number; }

private:
    QByteArrayView m_bytes;
    qsizetype m_position = 0;
    int m_number = 0;
    // Where the next CR and the next LF stand, m_bytes.size() where none follows; -1 before
    // the first search. Each is searched for again only once passed, so that splitting is
    // linear whatever the line ends.
    qsizetype m_carriageReturn = -1;
    qsizetype m_lineFeed = -1;
};

} // namespace orvanta
