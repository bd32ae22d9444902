#pragma once

#include <QStringView>
#include <QtGlobal>

namespace orvanta {

// Reads a playlist's text one line at a time. A line ends at CR or at CR LF; an LF alone
// is part of the line. The last line counts also without a line end, and a line end at the
// very end of the text starts no further line. The text must outlive the reader and the
// lines it hands out.
class PlaylistLines {
public:
    explicit PlaylistLines(QStringView text) : m_text(text) {}

    bool atEnd() const { return m_position >= m_text.size(); }

    // The next line without its line end; throws PlaylistReadError when atEnd().
    QStringView readLine();

private:
    QStringView m_text;
    qsizetype m_position = 0;
};

} // namespace orvanta
