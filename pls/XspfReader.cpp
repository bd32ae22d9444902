// XSPF playlists ("spiff"), as VLC and totem-pl-parser write them.
#include "pls/PlaylistFormats.h"

#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <optional>

namespace orvanta {

namespace {

constexpr QStringView XspfNamespace = u"http://xspf.org/ns/0/";

// No station holds a line break: each would end a line of the .pls file it is exported to.
QString oneLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}

// Milliseconds, as XSPF gives a duration, to whole seconds; -1 where there is none.
qint16 secondsOf(const QString& milliseconds)
{
    bool ok = false;
    const qlonglong value = milliseconds.trimmed().toLongLong(&ok);
    if (!ok || value < 0)
        return -1;
    // nearbyint rounds in the current mode, to nearest, ties to even, as lengths do elsewhere.
    const double seconds = std::nearbyint(static_cast<double>(value) / 1000);
    return seconds > 32767 ? qint16(-1) : static_cast<qint16>(seconds);
}

// Reads the document element by element. QXmlStreamReader resolves no external entity and
// loads no DTD, and limits how far internal entities may expand.
class XspfReader {
public:
    XspfReader(const QByteArray& bytes, const StationCommit& commit) : m_xml(bytes), m_commit(commit) {}

    void read()
    {
        if (m_xml.readNextStartElement() && isElement(u"playlist")) {
            while (!m_stopped && m_xml.readNextStartElement()) {
                if (isElement(u"trackList"))
                    readTrackList();
                else
                    m_xml.skipCurrentElement();
            }
        }
        if (m_xml.hasError())
            throw PlaylistReadError(static_cast<int>(m_xml.lineNumber()),
                                    QStringLiteral("the file is not well-formed XML: %1").arg(m_xml.errorString()));
    }

private:
    // Files without the XSPF namespace are read too, when their name says XSPF.
    bool isElement(QStringView name) const
    {
        return m_xml.name() == name && (m_xml.namespaceUri().isEmpty() || m_xml.namespaceUri() == XspfNamespace);
    }

    void readTrackList()
    {
        while (!m_stopped && m_xml.readNextStartElement()) {
            if (isElement(u"track"))
                readTrack();
            else
                m_xml.skipCurrentElement();
        }
    }

    void readTrack()
    {
        const int line = static_cast<int>(m_xml.lineNumber());
        std::optional<QString> location, title;
        qint16 length = -1;
        while (m_xml.readNextStartElement()) {
            // Only the first location and title count; a track may list more.
            if (isElement(u"location") && !location)
                location = boundedValue(oneLine(readText().trimmed()), "address", line);
            else if (isElement(u"title") && !title)
                title = boundedValue(oneLine(readText()), "title", line);
            else if (isElement(u"duration"))
                length = secondsOf(readText());
            else
                m_xml.skipCurrentElement();
        }
        // A track without a location is nothing the program can play.
        if (!location || m_xml.hasError())
            return;
        PlaylistStation station;
        station.NumEntries = 1;
        station.File = *location;
        station.Title = title ? *title : *location;
        station.Length = length;
        station.line = line;
        m_stopped = m_commit(station) == CommitResult::StopReading;
    }

    QString readText() { return m_xml.readElementText(QXmlStreamReader::IncludeChildElements); }

    QXmlStreamReader m_xml;
    const StationCommit& m_commit;
    bool m_stopped = false;
};

} // namespace

bool isXspf(const QByteArray& bytes)
{
    // The root element stands right after the XML declaration; the reader would decode the
    // whole of any other file, 32 MiB at most, to look for it.
    QXmlStreamReader xml(bytes.first(std::min<qsizetype>(bytes.size(), 64 * 1024)));
    return xml.readNextStartElement() && xml.name() == u"playlist" && xml.namespaceUri() == XspfNamespace;
}

void readXspf(const QByteArray& bytes, const StationCommit& commit)
{
    XspfReader(bytes, commit).read();
}

} // namespace orvanta
