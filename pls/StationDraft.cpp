#include "pls/StationDraft.h"

#include <algorithm>

namespace orvanta {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString bounded(QString value, const char* what, int line)
{
    if (value.size() > MaxValueLength)
        throw PlaylistReadError(line,
                                QStringLiteral("the %1 is longer than %2 characters")
                                    .arg(QLatin1StringView(what), QLocale(QLocale::English).toString(MaxValueLength)));
    return value;
}

} // namespace

void StationDraft::setAddress(QString value, int line)
{
    const auto first = std::find_if_not(value.cbegin(), value.cend(), isBlank);
    const auto last = std::find_if_not(value.crbegin(), value.crend(), isBlank).base();
    if (first != value.cbegin() || last != value.cend())
        value = first < last ? QString(first, last - first) : QString();
    m_station.File = bounded(std::move(value), "address", line);
    m_addressLine = line;
}

void StationDraft::setTitle(QString value, int line)
{
    m_station.Title = bounded(std::move(value), "title", line);
}

void StationDraft::completeInto(PlaylistContent& content) &&
{
    PlaylistStation station = std::move(m_station);
    if (std::all_of(station.Title.cbegin(), station.Title.cend(), isBlank))
        station.Title = station.File;
    station.line = hasAddress() ? m_addressLine : m_firstLine;
    requireRoom(content.stations.size(), station.line);
    content.stations.append(std::move(station));
}

void StationDraft::requireRoom(qsizetype held, int line)
{
    if (held >= MaxStations)
        throw PlaylistReadError(line, QStringLiteral("the file holds more than %1 stations")
                                          .arg(QLocale(QLocale::English).toString(MaxStations)));
}

} // namespace orvanta
