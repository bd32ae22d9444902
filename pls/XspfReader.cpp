#include "pls/XspfReader.h"

#include "pls/StationDraft.h"

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

// Reads the document token by token, knowing by its depth where it stands: the root at 1,
// a trackList at 2, a track at 3, a track's fields at 4, their inner elements below. Nothing
// recurses, however deep the document goes. QXmlStreamReader resolves no external entity
// and loads no DTD, and limits how far internal entities may expand.
class XspfReader {
public:
    XspfReader(const QByteArray& bytes, PlaylistContent& content) : m_xml(bytes), m_content(content) {}

    void read()
    {
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::StartElement:
                if (!startElement())
                    return;
                break;
            case QXmlStreamReader::EndElement:
                endElement();
                break;
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference:
                if (m_field != Field::None)
                    m_text += m_xml.text();
                break;
            default:
                break;
            }
        }
        if (m_xml.hasError())
            throw PlaylistReadError(line(),
                                    QStringLiteral("the file is not well-formed XML: %1").arg(m_xml.errorString()));
    }

private:
    enum class Field { None, Location, Title, Duration };

    int line() const { return static_cast<int>(m_xml.lineNumber()); }

    // Files without the XSPF namespace are read too, when their name says XSPF.
    bool isElement(QStringView name) const
    {
        return m_xml.name() == name && (m_xml.namespaceUri().isEmpty() || m_xml.namespaceUri() == XspfNamespace);
    }

    // False where the root is no playlist: there is nothing to read.
    bool startElement()
    {
        if (++m_depth > MaxXmlDepth)
            throw PlaylistReadError(line(),
                                    QStringLiteral("the XML nests elements more than %1 deep").arg(MaxXmlDepth));
        if (m_depth == 1)
            return isElement(u"playlist");
        if (m_depth == 2) {
            m_inTrackList = isElement(u"trackList");
        } else if (m_depth == 3 && m_inTrackList && isElement(u"track")) {
            m_track.emplace(line());
            m_hasTitle = false;
        } else if (m_depth == 4 && m_track) {
            // Only the first location and title count; a track may list more.
            m_field = isElement(u"location") && !m_track->hasAddress() ? Field::Location
                      : isElement(u"title") && !m_hasTitle             ? Field::Title
                      : isElement(u"duration")                         ? Field::Duration
                                                                       : Field::None;
            m_fieldLine = line();
            m_text.clear();
        }
        return true;
    }

    void endElement()
    {
        if (m_depth == 4 && m_field != Field::None) {
            if (m_field == Field::Location)
                m_track->setAddress(oneLine(m_text), m_fieldLine);
            else if (m_field == Field::Title)
                m_track->setTitle(oneLine(m_text), m_fieldLine);
            else
                m_track->setLength(secondsOf(m_text));
            m_hasTitle = m_hasTitle || m_field == Field::Title;
            m_field = Field::None;
        } else if (m_depth == 3 && m_track) {
            std::move(*m_track).completeInto(m_content);
            m_track.reset();
        }
        --m_depth;
    }

    QXmlStreamReader m_xml;
    PlaylistContent& m_content;
    int m_depth = 0;
    bool m_inTrackList = false;
    std::optional<StationDraft> m_track;
    bool m_hasTitle = false;
    Field m_field = Field::None;
    int m_fieldLine = 0;
    QString m_text;
};

} // namespace

bool isXspf(const QByteArray& bytes)
{
    // The root element stands right after the XML declaration; the reader would decode the
    // whole of any other file, 32 MiB at most, to look for it.
    QXmlStreamReader xml(bytes.first(std::min<qsizetype>(bytes.size(), 64 * 1024)));
    return xml.readNextStartElement() && xml.name() == u"playlist" && xml.namespaceUri() == XspfNamespace;
}

void readXspf(const QByteArray& bytes, PlaylistContent& content)
{
    XspfReader(bytes, content).read();
}

} // namespace orvanta
