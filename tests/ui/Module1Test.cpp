#include "ui/Module1.h"

#include <gtest/gtest.h>

using namespace orvanta;

TEST(Module1Test, StartsWithoutCollectionAndNoListFocusAndCreatesTheCollectionOnce)
{
    Module1::reset();
    EXPECT_FALSE(Module1::playlistsExist());
    EXPECT_EQ(Module1::ListFocus(), 0);

    colPlaylist& first = Module1::Playlists();
    first.Add(1, "http://a", "Alpha", -1, "http://a");
    EXPECT_TRUE(Module1::playlistsExist());
    EXPECT_EQ(&Module1::Playlists(), &first);
    EXPECT_EQ(Module1::Playlists().Count(), 1);

    Module1::setListFocus(Module1::OutputListFocus);
    Module1::reset();
    EXPECT_FALSE(Module1::playlistsExist());
    EXPECT_EQ(Module1::ListFocus(), 0);
    EXPECT_EQ(Module1::Playlists().Count(), 0);
}
