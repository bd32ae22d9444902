#pragma once

#include "pls/PlaylistReader.h"

namespace orvanta {

// A station as a reader finds its values, completed in one place for every format: the
// address without blanks or tabs around it (a player takes an address starting with a blank
// for a local file); a title that is missing, empty or only blanks and tabs replaced by the
// address; no address or title longer than MaxValueLength; the line the station is named by,
// its address line or, where it has none, the line it begins at.
class StationDraft {
public:
    explicit StationDraft(int firstLine) : m_firstLine(firstLine) {}

    // Each throws PlaylistReadError at line where the value is longer than MaxValueLength.
    void setAddress(QString value, int line);
    void setTitle(QString value, int line);
    // -1 for a length that is unknown.
    void setLength(qint16 seconds) { m_station.Length = seconds; }
    void setNumEntries(qint16 count) { m_station.NumEntries = count; }

    bool hasAddress() const { return m_addressLine > 0; }
    // Appends the station, complete, to the content; throws PlaylistReadError at the line it is
    // named by where that holds MaxStations already.
    void completeInto(PlaylistContent& content) &&;

    // Throws PlaylistReadError at line where `held` stations leave no room for another.
    static void requireRoom(qsizetype held, int line);

private:
    PlaylistStation m_station;
    int m_firstLine;
    int m_addressLine = 0;
};

} // namespace orvanta
