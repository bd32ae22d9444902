#include "pls/PlaylistLines.h"

#include "pls/PlaylistReadError.h"

namespace orvanta {

QStringView PlaylistLines::readLine()
{
    if (atEnd())
        throw PlaylistReadError("read past the end of the playlist");

    qsizetype lineEnd = m_text.indexOf(u'\r', m_position);
    if (lineEnd < 0)
        lineEnd = m_text.size();
    const QStringView line = m_text.sliced(m_position, lineEnd - m_position);

    m_position = lineEnd;
    if (m_position < m_text.size()) {
        ++m_position;
        if (m_position < m_text.size() && m_text[m_position] == u'\n')
            ++m_position;
    }
    return line;
}

} // namespace orvanta
