#include "model/colPlaylist.h"
#include "NamedCases.h"
#include "model/PlaylistErrors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>
#include <vector>

using namespace orvanta;

namespace {

// Two spellings of one key: their full case foldings agree.
struct KeySpellings {
    const char* name;
    QString stored, other;
};
class colPlaylistOneKeyTest : public ::testing::TestWithParam<KeySpellings> {};

const KeySpellings oneKey[] = {
    {"CapitalAAlone", "http://A", "http://a"},
    {"CapitalZAlone", "http://z", "http://Z"},
    {"SharpS", QStringLiteral(u"http://stra\u00DFe"), "http://STRASSE"},
    {"CapitalSharpS", QStringLiteral(u"\u1E9E"), "ss"},
    {"Ligature", QStringLiteral(u"\uFB01le"), "FILE"},
    {"FinalSigma", QStringLiteral(u"\u03A3\u0391\u03A3"), QStringLiteral(u"\u03C3\u03B1\u03C2")},
    {"DottedCapitalI", QStringLiteral(u"\u0130"), QStringLiteral(u"i\u0307")}};
INSTANTIATE_TEST_SUITE_P(Folding, colPlaylistOneKeyTest, ::testing::ValuesIn(oneKey), orvanta::testing::byName);

} // namespace

TEST_P(colPlaylistOneKeyTest, AddUnderTheOtherSpellingFailsAndFindsTheFirst)
{
    const auto& [name, stored, other] = GetParam();
    colPlaylist playlists;
    const auto entry = playlists.Add(1, stored, "Title", -1, stored);
    EXPECT_THROW(playlists.Add(1, other, "Another", -1, other), DuplicateKeyError);
    EXPECT_EQ(playlists.Item(other), entry);
}

// Dotless ı folds to itself: folding it as i would make it the key of I.
TEST(colPlaylistTest, DotlessIIsAnotherKeyThanI)
{
    colPlaylist playlists;
    playlists.Add(1, "http://I", "Title", -1, "http://I");
    const QString dotless = QStringLiteral(u"http://\u0131");
    EXPECT_NO_THROW(playlists.Add(1, dotless, "Another", -1, dotless));
}

// Positions run from 1 to Count() + 1; an Insert outside them takes nothing, not even its key.
TEST(colPlaylistTest, InsertOutsideThePositionsFailsAndChangesNothing)
{
    colPlaylist playlists;
    playlists.Add(1, "http://a", "A", -1, "http://a");
    EXPECT_THROW(playlists.Insert(0, 1, "http://b", "B", -1, "http://b"), EntryNotFoundError);
    EXPECT_THROW(playlists.Insert(3, 1, "http://b", "B", -1, "http://b"), EntryNotFoundError);
    EXPECT_EQ(playlists.Count(), 1);
    EXPECT_EQ(playlists.findPlaylist("B"), nullptr);
    EXPECT_NO_THROW(playlists.Insert(2, 1, "http://b", "B", -1, "http://b"));
}

// Random adds, insertions and removals of every kind against a plain list searched from the front:
// order, positions, keys, misses and the first entry of each title must agree throughout, as
// titles repeat, differ in letter case only, and entries go from the front, the middle and
// the end of their title; a holder keeps its entry.
TEST(colPlaylistTest, AgreesWithAPlainListThroughRandomAddsAndRemovals)
{
    struct Held {
        QString key, title;
        PlaylistEntry entry;
    };
    std::vector<Held> expected;
    const auto firstWhere = [&expected](auto Held::*member, const QString& value) {
        const auto held =
            std::find_if(expected.begin(), expected.end(), [&](const Held& h) { return h.*member == value; });
        return held == expected.end() ? nullptr : held->entry;
    };
    colPlaylist playlists;
    std::mt19937 random(12);
    const auto below = [&random](std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
    };
    const auto check = [&](std::size_t keys, std::size_t titles) {
        ASSERT_TRUE(std::equal(playlists.begin(), playlists.end(), expected.begin(), expected.end(),
                               [](const PlaylistEntry& entry, const Held& held) { return entry == held.entry; }));
        ASSERT_EQ(playlists.Count(), qint32(expected.size()));
        for (std::size_t i = 0; i < expected.size(); i += 1 + expected.size() / 8)
            ASSERT_EQ(playlists.PositionOf(expected[i].entry), qsizetype(i) + 1);
        if (!expected.empty()) { // a copy is not the entry, even with its title
            EXPECT_THROW(playlists.RemoveEntry(std::make_shared<const clsPlaylist>(*expected[0].entry)),
                         EntryNotFoundError);
        }
        for (std::size_t i = 0; i < 2 * titles; ++i) {
            const QString title = QStringLiteral("%1%2").arg(i % 2 ? 'T' : 't').arg(i / 2);
            ASSERT_EQ(playlists.findPlaylist(title), firstWhere(&Held::title, title)) << i;
        }
        for (std::size_t i = 0; i < keys; ++i) {
            const QString key = QStringLiteral("k%1").arg(i);
            const PlaylistEntry held = firstWhere(&Held::key, key);
            if (held)
                ASSERT_EQ(playlists.Item(key.toUpper()), held) << i;
            else
                EXPECT_THROW(playlists.Item(key), EntryNotFoundError) << i;
            EXPECT_EQ(playlists.isStoredUnder(held, key), held != nullptr) << i;
        }
    };
    // Small pools make duplicate keys and long runs of one title common; then many
    // distinct ones grow the indexes past what was reserved.
    for (const auto& [steps, keys, titles, checkEvery] :
         {std::tuple(3000u, 24u, 6u, 7u), std::tuple(1500u, 900u, 600u, 50u)}) {
        playlists.reserve(playlists.Count() + 4);
        for (unsigned step = 1; step <= steps; ++step) {
            const std::size_t op = expected.empty() ? 0 : below(8);
            const std::size_t pick = expected.empty() ? 0 : below(expected.size());
            if (op < 5) {
                const QString key = below(6) ? QStringLiteral("k%1").arg(below(keys)) : QString();
                const QString title = QStringLiteral("%1%2").arg(below(2) ? 'T' : 't').arg(below(titles));
                const QString spelled = below(2) ? key : key.toUpper(); // the folding is then not the key itself
                // Now and then at a place of its own, as undo puts a station back.
                const qsizetype at = below(3) ? qsizetype(expected.size()) : qsizetype(below(expected.size() + 1));
                if (key.isEmpty() || !firstWhere(&Held::key, key))
                    expected.insert(expected.begin() + at,
                                    {key, title, playlists.Insert(at + 1, 1, spelled, title, -1, spelled)});
                else
                    EXPECT_THROW(playlists.Add(1, key, title, -1, key.toUpper()), DuplicateKeyError);
            } else {
                if (op == 5 && !expected[pick].key.isEmpty())
                    playlists.Remove(expected[pick].key);
                else if (op == 6)
                    playlists.Remove(qsizetype(pick) + 1);
                else
                    playlists.RemoveEntry(expected[pick].entry);
                // Gone from the collection, the entry lives on with its holder.
                EXPECT_THROW(playlists.RemoveEntry(expected[pick].entry), EntryNotFoundError);
                EXPECT_EQ(expected[pick].entry->Title(), expected[pick].title);
                expected.erase(expected.begin() + std::ptrdiff_t(pick));
            }
            if (step % checkEvery == 0)
                check(keys, titles);
        }
        check(keys, titles);
    }
}
