#include "model/PlaylistErrors.h"
#include "model/colPlaylist.h"

#include <gtest/gtest.h>

using namespace orvanta;

TEST(colPlaylistTest, FindPlaylistGivesTheFirstAddedOfTheExactTitleAlsoAfterRemovals)
{
    colPlaylist playlists;
    const auto first = playlists.Add(1, "k1", "Same", 1, "k1");
    playlists.Add(1, "k2", "Other", 2, "k2");
    const auto third = playlists.Add(1, "k3", "Same", 3, "k3");
    EXPECT_EQ(playlists.findPlaylist("Same"), first);
    EXPECT_EQ(playlists.findPlaylist("same"), nullptr);
    EXPECT_EQ(playlists.findPlaylist("Same "), nullptr);

    playlists.Remove(1);
    const auto readded = playlists.Add(1, "K1", "Same", 5, "K1"); // the removed key is free again
    EXPECT_EQ(playlists.findPlaylist("Same"), third);
    playlists.Remove("k3");
    EXPECT_EQ(playlists.findPlaylist("Same"), readded);
    playlists.Remove("k1");
    EXPECT_EQ(playlists.findPlaylist("Same"), nullptr);
}

TEST(colPlaylistTest, KeysIgnoreLetterCaseWithFullFoldingAndAFailedAddChangesNothing)
{
    const std::pair<QString, QString> sameKeys[] = {
        {"http://Radio.example", "HTTP://radio.EXAMPLE"}, {QStringLiteral(u"http://straße"), "http://STRASSE"},
        {QStringLiteral(u"\u1E9E"), "ss"}, {QStringLiteral(u"\uFB01le"), "FILE"},
        {QStringLiteral(u"\u03A3\u0391\u03A3"), QStringLiteral(u"\u03C3\u03B1\u03C2")},
        {QStringLiteral(u"\u0130"), QStringLiteral(u"i\u0307")}};
    for (const auto& [stored, other] : sameKeys) {
        colPlaylist playlists;
        const auto entry = playlists.Add(1, stored, "Title", -1, stored);
        EXPECT_THROW(playlists.Add(1, other, "Another", -1, other), DuplicateKeyError) << other.toStdString();
        EXPECT_EQ(playlists.Item(other), entry);
        EXPECT_EQ(playlists.Count(), 1);
        EXPECT_EQ(playlists.findPlaylist("Another"), nullptr);
    }
}

// What the delete and the edit rely on to remove a station with or without an address.
TEST(colPlaylistTest, AnEmptyKeyStoresUnkeyedAndRemoveEntryTakesThatEntryAlone)
{
    colPlaylist playlists;
    const auto keyed = playlists.Add(1, "http://a", "Same", -1, "http://a");
    const auto unkeyed = playlists.Add(1, "", "Same", -1, "");
    playlists.Add(1, "", "Other", -1, "");
    EXPECT_TRUE(playlists.isStoredUnder(keyed, "HTTP://A"));
    EXPECT_FALSE(playlists.isStoredUnder(unkeyed, "http://a"));
    EXPECT_THROW(playlists.Item(QString()), EntryNotFoundError);

    playlists.RemoveEntry(unkeyed);
    EXPECT_EQ(playlists.Item(2)->Title(), "Other");
    EXPECT_EQ(playlists.findPlaylist("Same"), keyed);
    EXPECT_THROW(playlists.RemoveEntry(unkeyed), EntryNotFoundError);
    EXPECT_EQ(unkeyed->Title(), "Same"); // a holder keeps its entry after removal
    EXPECT_THROW(playlists.Item(3), EntryNotFoundError);
    EXPECT_THROW(playlists.Remove("http://b"), EntryNotFoundError);
    EXPECT_EQ(playlists.Count(), 2);
}
