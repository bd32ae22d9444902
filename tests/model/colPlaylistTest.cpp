#include "model/PlaylistErrors.h"
#include "model/colPlaylist.h"

#include <gtest/gtest.h>

#include <vector>

using namespace orvanta;

namespace {

QStringList titlesInOrder(const colPlaylist& playlists)
{
    QStringList titles;
    for (const auto& entry : playlists)
        titles.append(entry->Title());
    return titles;
}

} // namespace

TEST(colPlaylistTest, AddStoresTheFourValuesAndKeepsInsertionOrder)
{
    colPlaylist playlists;
    const auto first = playlists.Add(0, "http://a:8000", "Alpha", -1, "http://a:8000");
    playlists.Add(3, "http://b:8000", "Beta", 42, "http://b:8000");
    playlists.Add(1, "http://c:8000", "Gamma", 0, "http://c:8000");

    EXPECT_EQ(first->NumEntries(), 0);
    EXPECT_EQ(first->File(), "http://a:8000");
    EXPECT_EQ(first->Title(), "Alpha");
    EXPECT_EQ(first->Length(), -1);
    EXPECT_EQ(playlists.Count(), 3);
    EXPECT_EQ(titlesInOrder(playlists), QStringList({"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(playlists.Item(2)->Title(), "Beta");
    EXPECT_EQ(playlists.Item("HTTP://C:8000")->Title(), "Gamma");
}

TEST(colPlaylistTest, FindPlaylistComparesTitlesExactlyAndReturnsTheFirstAdded)
{
    colPlaylist playlists;
    EXPECT_EQ(playlists.findPlaylist("Alpha"), nullptr);

    const auto first = playlists.Add(1, "http://a", "Alpha", -1, "http://a");
    const auto second = playlists.Add(1, "http://b", "Alpha", -1, "http://b");
    EXPECT_EQ(playlists.findPlaylist("Alpha"), first);
    EXPECT_EQ(playlists.findPlaylist("alpha"), nullptr);
    EXPECT_EQ(playlists.findPlaylist("Alpha "), nullptr);

    playlists.Remove("http://a");
    EXPECT_EQ(playlists.findPlaylist("Alpha"), second);
    playlists.Remove("http://b");
    EXPECT_EQ(playlists.findPlaylist("Alpha"), nullptr);
}

TEST(colPlaylistTest, FirstMatchFollowsInsertionOrderAfterInterleavedRemovals)
{
    colPlaylist playlists;
    playlists.Add(1, "k1", "Same", 1, "k1");
    playlists.Add(1, "k2", "Other", 2, "k2");
    playlists.Add(1, "k3", "Same", 3, "k3");
    playlists.Remove(1);
    playlists.Add(1, "k4", "Same", 4, "k4");
    EXPECT_EQ(playlists.findPlaylist("Same")->File(), "k3");
    EXPECT_EQ(titlesInOrder(playlists), QStringList({"Other", "Same", "Same"}));
}

TEST(colPlaylistTest, KeysIgnoreLetterCaseWithFullUnicodeFolding)
{
    const std::vector<std::pair<QString, QString>> sameKeys = {
        {"http://Radio.example:8000", "HTTP://radio.EXAMPLE:8000"},
        {QString::fromUtf8("http://straße"), "http://STRASSE"},
        {QString::fromUtf8("http://\u1E9E"), "http://ss"},
        {QString::fromUtf8("http://\uFB01le"), "http://FILE"},
        {QString::fromUtf8("http://\u03A3\u0391\u03A3"), QString::fromUtf8("http://\u03C3\u03B1\u03C2")},
        {QString::fromUtf8("http://\u0130"), QString::fromUtf8("http://i\u0307")},
    };
    for (const auto& [stored, other] : sameKeys) {
        colPlaylist playlists;
        playlists.Add(1, stored, "Title", -1, stored);
        EXPECT_THROW(playlists.Add(1, other, "Another", -1, other), DuplicateKeyError) << other.toStdString();
        EXPECT_EQ(playlists.Count(), 1);
        EXPECT_EQ(playlists.Item(other)->File(), stored);
    }
}

TEST(colPlaylistTest, FailedAddLeavesTheCollectionUnchanged)
{
    colPlaylist playlists;
    playlists.Add(1, "http://a", "Alpha", -1, "http://a");
    EXPECT_THROW(playlists.Add(1, "HTTP://A", "Beta", -1, "HTTP://A"), DuplicateKeyError);
    EXPECT_EQ(playlists.Count(), 1);
    EXPECT_EQ(playlists.findPlaylist("Beta"), nullptr);
    EXPECT_EQ(titlesInOrder(playlists), QStringList({"Alpha"}));
}

TEST(colPlaylistTest, EmptyKeyStoresWithoutAKey)
{
    colPlaylist playlists;
    const auto unkeyed = playlists.Add(1, "", "No address", -1, "");
    const auto unkeyedToo = playlists.Add(1, "", "Nor here", -1, "");
    EXPECT_EQ(playlists.Count(), 2);
    EXPECT_THROW(playlists.Item(QString()), EntryNotFoundError);
    EXPECT_THROW(playlists.Remove(QString()), EntryNotFoundError);
    EXPECT_FALSE(playlists.isStoredUnder(unkeyed, ""));

    playlists.RemoveEntry(unkeyed);
    EXPECT_EQ(playlists.Count(), 1);
    EXPECT_EQ(playlists.Item(1), unkeyedToo);
}

TEST(colPlaylistTest, MissingKeyOrPositionFails)
{
    colPlaylist playlists;
    EXPECT_THROW(playlists.Item(1), EntryNotFoundError);
    playlists.Add(1, "http://a", "Alpha", -1, "http://a");
    EXPECT_THROW(playlists.Item(0), EntryNotFoundError);
    EXPECT_THROW(playlists.Item(2), EntryNotFoundError);
    EXPECT_THROW(playlists.Item("http://b"), EntryNotFoundError);
    EXPECT_THROW(playlists.Remove(2), EntryNotFoundError);
    EXPECT_THROW(playlists.Remove("http://b"), EntryNotFoundError);
    EXPECT_EQ(playlists.Count(), 1);
}

TEST(colPlaylistTest, RemovingByIdentityTouchesOnlyThatEntry)
{
    colPlaylist playlists;
    const auto keyed = playlists.Add(1, "http://a", "Same", -1, "http://a");
    const auto unkeyed = playlists.Add(1, "", "Same", -1, "");
    EXPECT_TRUE(playlists.isStoredUnder(keyed, "HTTP://A"));
    EXPECT_FALSE(playlists.isStoredUnder(unkeyed, "http://a"));

    playlists.RemoveEntry(unkeyed);
    EXPECT_EQ(playlists.findPlaylist("Same"), keyed);
    EXPECT_THROW(playlists.RemoveEntry(unkeyed), EntryNotFoundError);
    EXPECT_THROW(playlists.RemoveEntry(nullptr), EntryNotFoundError);
    EXPECT_EQ(playlists.Count(), 1);
}

TEST(colPlaylistTest, EntriesStayValidAfterRemovalAndKeysBecomeFree)
{
    colPlaylist playlists;
    const auto held = playlists.Add(0, "http://a", "Alpha", -1, "http://a");
    playlists.Remove("http://a");
    EXPECT_EQ(playlists.Count(), 0);
    EXPECT_EQ(held->Title(), "Alpha");
    EXPECT_EQ(held->Length(), -1);
    EXPECT_EQ(held->NumEntries(), 0);

    const auto readded = playlists.Add(1, "http://A", "Alpha 2", 5, "http://A");
    EXPECT_EQ(playlists.Item("http://a"), readded);
}
