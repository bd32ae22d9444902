#pragma once

#include "model/clsPlaylist.h"
#include "ui/MainWindowParts.h"

#include <QList>
#include <QString>

namespace orvanta {

// The click of btn_Import: asks for one or more playlists and imports them one after
// another, as importPlaylistFiles does. A cancel changes nothing and says nothing.
void btn_Import_Click(MainWindowParts& parts);

// Imports each playlist in the order given, as importPlaylistFile does, each exactly as if
// it alone had been chosen, then says in one message what every file left out: a paragraph
// per file with something to say, at most 20, then how many more there were. What each file
// added is one step on the undo stack.
void importPlaylistFiles(MainWindowParts& parts, const QStringList& paths);

// What importing one playlist did.
struct PlaylistImport {
    // The entries added to Playlists, in order; their titles end lst_Import in that order.
    QList<PlaylistEntry> added;
    // What to tell the user; empty when the file was imported whole.
    QString words;
};

// Reads the playlist at path whole, then takes its stations in order into Playlists and
// lst_Import. A station is left out, and the import goes on, where its title is in either
// list already (or an earlier station took it), its address is already held, it has no
// address, or lst_Import is full. Shows nothing: the words say what was left out, where
// reading stopped early, or that the file holds no station or only a single stream.
PlaylistImport importPlaylistFile(MainWindowParts& parts, const QString& path);

} // namespace orvanta
