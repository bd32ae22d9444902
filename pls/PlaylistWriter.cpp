#include "pls/PlaylistWriter.h"

#include <QStringEncoder>

#include <algorithm>

namespace orvanta {

namespace {

// The file in one buffer, text encoded straight into it rather than into a QByteArray of
// its own per value: the export's main cost on a full list.
class PlaylistBytes {
public:
    explicit PlaylistBytes(const QList<PlaylistEntry>& stations)
    {
        // The values' characters at up to three bytes each, and the keys around them.
        qsizetype characters = 0;
        for (const PlaylistEntry& station : stations)
            characters += station->File().size() + station->Title().size();
        m_bytes.reserve(3 * characters + 64 * stations.size() + 64);
    }

    PlaylistBytes& operator<<(const char* ascii)
    {
        m_bytes.append(ascii);
        return *this;
    }
    PlaylistBytes& operator<<(qint64 number)
    {
        m_bytes.append(QByteArray::number(number));
        return *this;
    }
    PlaylistBytes& operator<<(QStringView text)
    {
        const qsizetype start = m_bytes.size();
        m_bytes.resize(start + m_utf8.requiredSpace(text.size()));
        m_bytes.truncate(m_utf8.appendToBuffer(m_bytes.data() + start, text) - m_bytes.constData());
        return *this;
    }

    // Text with each CR or LF written as a blank, for readers that end a line at either.
    PlaylistBytes& oneLine(QStringView text)
    {
        const qsizetype start = m_bytes.size();
        *this << text;
        std::replace_if(
            m_bytes.begin() + start, m_bytes.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        return *this;
    }

    QByteArray take() { return std::move(m_bytes); }

private:
    QByteArray m_bytes;
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
};

} // namespace

QByteArray writePlaylist(const QList<PlaylistEntry>& stations, PlaylistFormat format)
{
    PlaylistBytes out(stations);
    out << "[playlist]\r\n";
    if (format == PlaylistFormat::Orvanta) {
        for (const PlaylistEntry& station : stations) {
            out << "File1=" << station->File() << "\r\n";
            out << "Title1=" << station->Title() << "\r\n";
            out << "Length1=" << station->Length() << "\r\n\r\n";
        }
        return out.take();
    }
    for (qsizetype i = 0; i < stations.size(); ++i) {
        const qint64 number = i + 1;
        (out << "File" << number << "=").oneLine(stations[i]->File()) << "\r\n";
        (out << "Title" << number << "=").oneLine(stations[i]->Title()) << "\r\n";
        out << "Length" << number << "=" << stations[i]->Length() << "\r\n";
    }
    out << "NumberOfEntries=" << stations.size() << "\r\nVersion=2\r\n";
    return out.take();
}

} // namespace orvanta
