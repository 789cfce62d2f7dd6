// The tip list: the "TheTipList" stream read and written byte for byte, damaged streams
// refused, the name rules, and the choice of the next tip.

#include "components/tiplist.h"
#include "shipped/tips.h"
#include "support/fakes.h"
#include "tipsource.h"

#include <gtest/gtest.h>

#include <set>

using namespace quotara;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes str(std::string_view s) {
    Bytes b(s.size() + 2);
    b[0] = 6;
    b[1] = static_cast<std::uint8_t>(s.size());
    std::copy(s.begin(), s.end(), b.begin() + 2);
    return b;
}

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes shipped() {
    const auto s = shippedTipList();
    return {s.begin(), s.end()};
}

TTipList eightTips() {
    TTipList list;
    list.ReadTipList(shippedTipList());
    return list;
}

// What readTipList throws, or "" when it reads.
QString readFault(const Bytes& stream, TTipList& list) {
    try {
        list.ReadTipList(stream);
    } catch (const ETipListRead& e) {
        return e.message();
    }
    return {};
}

QString pickFault(TTipList& list, Random& r) {
    try {
        list.PickTip(r);
    } catch (const ETipOfTheDay& e) {
        return e.message();
    }
    return {};
}

} // namespace

// The main window's list as shipped: one type, the eight tips in order, and written back it
// is the same stream byte for byte.
TEST(TipList, shippedListHoldsTheEightTipsAndWritesBackUnchanged) {
    const TTipList list = eightTips();
    ASSERT_EQ(list.types.size(), 1u);
    EXPECT_EQ(list.types[0].Name(), "tip");
    EXPECT_EQ(list.types[0].Caption, "Tip of the day");
    EXPECT_EQ(list.types[0].Header, "Did you know...");
    const char* texts[] = {
        "Use the portfolio to easily view which shares are performing well, and those that "
        "aren't.",
        "Full help is available on the game. Help->Contents.",
        "It helps to check the NEWS! This affects the share prices.",
        "Changes in interest rates have a large impact on the FTSE 100. Take note of "
        "predictions.",
        "Shares can go down as well as up!",
        "If needed you can borrow money from the back.",
        "It is worth looking up shares before buying. Use 'Share Lookup' on the main screen.",
        "In the share prices screen use the right mouse button over the share name to easily "
        "buy and sell shares in that company.",
    };
    ASSERT_EQ(list.tips.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(list.tips[i].TipType(), "tip");
        EXPECT_EQ(list.tips[i].Tip, texts[i]);
        EXPECT_EQ(list.tips[i].HelpContext, 0);
        EXPECT_FALSE(list.tips[i].shown);
    }
    const Bytes stream = shipped();
    EXPECT_EQ(list.WriteTipList(), stream);
    // The stream begins with the type count as a one-byte integer and the name "tip".
    EXPECT_EQ(Bytes(stream.begin(), stream.begin() + 6), (Bytes{2, 1, 6, 3, 't', 'i'}));
}

// Every integer and string form is read; the writer picks the smallest form, a long text
// takes the 32-bit length and "£" is one byte.
TEST(TipList, readsEveryTagFormAndWritesTheSmallest) {
    Bytes lstring(5 + 300, 'x');
    std::copy_n(Bytes{12, 0x2C, 0x01, 0, 0}.begin(), 5, lstring.begin());
    const Bytes stream = cat({{3, 1, 0}, // 1 type as int16
                              str("Money"),
                              str("Tips"),
                              str("Cash \xa3"),
                              {4, 3, 0, 0, 0}, // 3 tips as int32
                              str("money"),
                              lstring,
                              {2, 0x80}, // HelpContext -128
                              str("money"),
                              str("b"),
                              {3, 0x80, 0x00}, // 128
                              str("money"),
                              str("c"),
                              {4, 0xC0, 0xBD, 0xF0, 0xFF}}); // -1000000
    TTipList list;
    ASSERT_EQ(readFault(stream, list), "");
    ASSERT_EQ(list.tips.size(), 3u);
    EXPECT_EQ(list.types[0].Name(), "Money"); // cut, never lower-cased, when read
    EXPECT_EQ(list.types[0].Header, QString::fromUtf8("Cash \xc2\xa3"));
    EXPECT_EQ(list.tips[0].Tip.size(), 300);
    EXPECT_EQ(list.tips[0].HelpContext, -128);
    EXPECT_EQ(list.tips[1].HelpContext, 128);
    EXPECT_EQ(list.tips[2].HelpContext, -1000000);

    const Bytes expected = cat({{2, 1},
                                str("Money"),
                                str("Tips"),
                                str("Cash \xa3"),
                                {2, 3},
                                str("money"),
                                lstring,
                                {2, 0x80},
                                str("money"),
                                str("b"),
                                {3, 0x80, 0x00},
                                str("money"),
                                str("c"),
                                {4, 0xC0, 0xBD, 0xF0, 0xFF}});
    EXPECT_EQ(list.WriteTipList(), expected);
}

// Names are cut to 8 characters on reading and lower-cased too when assigned.
TEST(TipList, namesAreCutToEightAndLowerCasedOnAssignment) {
    TTipList list;
    ASSERT_EQ(readFault(cat({{2, 1},
                             str("LongTypeName"),
                             str(""),
                             str(""),
                             {2, 1},
                             str("LongTypeName"),
                             str("t"),
                             {2, 0}}),
                        list),
              "");
    EXPECT_EQ(list.types[0].Name(), "LongType");
    EXPECT_EQ(list.tips[0].TipType(), "LongType");
    TTipType t;
    t.setName(QStringLiteral("ShareTips"));
    EXPECT_EQ(t.Name(), "sharetip");
    TTip tip;
    tip.setTipType(QStringLiteral("ShareTips"));
    EXPECT_EQ(tip.TipType(), "sharetip");
}

// Counts of 0 or less read no items; showing a tip of an empty type list fails.
TEST(TipList, countsOfZeroOrLessReadNothing) {
    TTipList list = eightTips();
    ASSERT_EQ(readFault(cat({{2, 0}, {2, 0xFB}}), list), ""); // 0 types, -5 tips
    EXPECT_TRUE(list.isEmpty());
    ASSERT_EQ(readFault(cat({{2, 0}, {2, 1}, str("tip"), str("t"), {2, 0}}), list), "");
    EXPECT_TRUE(list.types.empty());
    try {
        list.typeOf(list.tips[0]);
        FAIL() << "a tip without its type was shown";
    } catch (const ETipOfTheDay& e) {
        EXPECT_EQ(e.message(), "ShowNextTip: Unknown tip type in tip list");
    }
}

// A damaged stream is refused with a clear message and leaves the list as it was: cut short
// anywhere, an unknown tag, a length or count beyond the data, a value of the wrong kind,
// bytes after the end.
TEST(TipList, damagedStreamsAreRefusedAndChangeNothing) {
    const Bytes good = shipped();
    for (std::size_t n = 0; n < good.size(); ++n) {
        TTipList list = eightTips();
        const QString fault = readFault(Bytes(good.begin(), good.begin() + n), list);
        ASSERT_TRUE(fault.startsWith("The tip list is damaged: it ends "))
            << n << ": " << fault.toStdString();
        ASSERT_EQ(list.tips.size(), 8u);
    }
    const struct {
        Bytes stream;
        const char* fault;
    } cases[] = {
        {{7, 1}, "unknown value tag 7 (byte 0)"},
        {cat({{2, 1}, {12, 0xFF, 0xFF, 0xFF, 0xFF}, {'x'}}), "it ends 4294967294 byte(s) short"},
        {cat({{4, 0xFF, 0xFF, 0xFF, 0x7F}, str("tip"), str("a"), str("b")}), "it ends 1 byte"},
        {cat({str("tip")}), "a text stands where a number is expected (byte 0)"},
        {cat({{2, 1}, {2, 5}}), "a number stands where a text is expected (byte 2)"},
        {cat({{2, 0}, {2, 0}, {0}}), "1 byte(s) follow its end (byte 4)"},
    };
    for (const auto& c : cases) {
        TTipList list = eightTips();
        const QString fault = readFault(c.stream, list);
        EXPECT_TRUE(fault.contains(c.fault)) << fault.toStdString();
        EXPECT_EQ(list.WriteTipList(), good);
    }
}

// Seven Next presses after the first tip show eight different tips; the next pick reports
// that all have been shown. With no tips at all the pick fails at once.
TEST(TipList, picksEveryTipOnceThenReportsAllShown) {
    TTipList list = eightTips();
    Random r = test::seeded(20260101);
    std::set<std::size_t> seen;
    for (int i = 0; i < 8; ++i)
        seen.insert(list.PickTip(r));
    EXPECT_EQ(seen.size(), 8u);
    EXPECT_EQ(pickFault(list, r), "All tips have been shown already");
    TTipList none;
    EXPECT_EQ(pickFault(none, r), "No tips have been loaded into the Tips property");
}

// The pick draws Random(N) until it finds a tip not shown, 101 draws at most, then scans for
// the first not shown.
TEST(TipList, pickDrawsAtMost101TimesThenTakesTheFirstNotShown) {
    TTipList list;
    list.tips.resize(100000);
    for (auto& t : list.tips)
        t.shown = true;
    list.tips[99998].shown = list.tips[99999].shown = false;
    Random r = test::seeded(7);
    Random replica = test::seeded(7);
    for (int i = 0; i < 101; ++i)
        replica(100000);
    EXPECT_EQ(list.PickTip(r), 99998u);
    EXPECT_EQ(r.seed(), replica.seed());
    EXPECT_TRUE(list.tips[99998].shown);

    // The first draw of an unshown tip is taken at once.
    TTipList eight = eightTips();
    Random one = test::seeded(99);
    Random expect = test::seeded(99);
    EXPECT_EQ(eight.PickTip(one), expect(8));
    EXPECT_EQ(one.seed(), expect.seed());
}

// The source of the shipped list: its faults are reported with their line.
TEST(TipSource, reportsFaultsWithTheirLine) {
    TTipList list;
    EXPECT_EQ(tipsbuild::parseTipSource("[type]\nName=tip\nCaption=C\nHeader=H\n\n[tip]\n"
                                        "TipType=tip\nHelpContext=12\nTip=A = B\n",
                                        list),
              QStringList());
    ASSERT_EQ(list.tips.size(), 1u);
    EXPECT_EQ(list.tips[0].Tip, "A = B");
    EXPECT_EQ(list.tips[0].HelpContext, 12);
    const QStringList faults = tipsbuild::parseTipSource(
        "[type]\nName=Tips\nCaption=C\n[tip]\nTipType=other\nHelpContext=x\nTip=\xc4\x81 ok\n"
        "Tip=twice\nTip=thrice\nColour=red\n[page]\nstray\n",
        list);
    EXPECT_EQ(faults, QStringList({"line 1: [type] has no Header",
                                   "line 1: a type Name is lower case, 8 characters at most",
                                   "line 7: a character has no Windows-1252 byte",
                                   "line 9: Tip given twice", "line 10: [tip] has no key Colour",
                                   "line 4: HelpContext is not a whole number",
                                   "line 4: the tip's TipType names no [type] above it",
                                   "line 11: unknown block [page]",
                                   "line 12: expected [type], [tip] or Key=Value"}));
}
