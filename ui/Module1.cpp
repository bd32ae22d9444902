#include "ui/Module1.h"

#include <memory>

namespace orvanta::Module1 {

namespace {
std::unique_ptr<colPlaylist> g_Playlists;
qint16 g_ListFocus = NoListFocus;
} // namespace

colPlaylist& Playlists()
{
    if (!g_Playlists)
        g_Playlists = std::make_unique<colPlaylist>();
    return *g_Playlists;
}

bool playlistsExist()
{
    return g_Playlists != nullptr;
}

qint16 ListFocus()
{
    return g_ListFocus;
}

void setListFocus(qint16 value)
{
    g_ListFocus = value;
}

void reset()
{
    g_Playlists.reset();
    g_ListFocus = NoListFocus;
}

} // namespace orvanta::Module1
