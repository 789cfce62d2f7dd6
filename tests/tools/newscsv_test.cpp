#include "newscsv.h"

#include <gtest/gtest.h>

#include <memory>

using namespace quotara;
using namespace quotara::newsbuild;

TEST(NewsCsv, readsQuotedTextsAndAllThirteenEffects) {
    auto items = std::make_unique<NewsTable>();
    const QByteArray csv =
        "# comment\n"
        "number,text,ftse,...\n"
        "\n"
        "7,\"Rates cut, \"\"at last\"\" \xc2\xa3 rises\",1,2,0,0,0,0,0,0,0,0,0,0,-2,4\r\n"
        "200,Plain text,-2,0,0,0,0,0,0,0,0,0,0,0,0,105\n";
    EXPECT_EQ(parseNewsCsv(csv, *items), QStringList());
    const Tnewsitem& seven = (*items)[7];
    EXPECT_EQ(seven.text.view(), "Rates cut, \"at last\" \xa3 rises");
    EXPECT_EQ(seven.affect[0], 1);
    EXPECT_EQ(seven.affect[1], 2);
    EXPECT_EQ(seven.affect[12], -2);
    EXPECT_EQ(seven.waterbyte, 0xFE); // the Water effect is held in byte 254
    EXPECT_EQ(seven.probcode, 4);
    EXPECT_EQ((*items)[200].probcode, 105);
    EXPECT_TRUE((*items)[1].text.empty());
}

TEST(NewsCsv, reportsEveryFaultWithItsLine) {
    const QByteArray effects = ",0,0,0,0,0,0,0,0,0,0,0,0,0,1\n";
    const struct {
        QByteArray line;
        const char* fault;
    } cases[] = {
        {"0,Text" + effects, "item number '0' is not in 1..200"},
        {"5,Text,3,0,0,0,0,0,0,0,0,0,0,0,0,1\n", "FTSE effect '3' is not in -2..+2"},
        {"5,Text,0,0,0,0,0,0,0,0,0,0,0,0,x,1\n", "sector 12 effect 'x'"},
        {"5,Text,0,0\n", "4 fields, expected 16"},
        {"5,\"Text\"x" + effects, "badly quoted text"},
        {"5," + QByteArray(201, 'a') + effects, "201 characters"},
        {"5,Text \xe2\x86\x92 arrow" + effects, "U+2192"},
        {"5,Text \xc2\x81 control" + effects, "U+0081"},
    };
    for (const auto& c : cases) {
        auto items = std::make_unique<NewsTable>();
        const QStringList errors = parseNewsCsv("# header\n" + c.line, *items);
        ASSERT_EQ(errors.size(), 1) << c.line.constData();
        EXPECT_TRUE(errors[0].startsWith("line 2: ")) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(QLatin1String(c.fault))) << errors[0].toStdString();
    }
    auto items = std::make_unique<NewsTable>();
    EXPECT_EQ(parseNewsCsv("5,A" + effects + "5,B" + effects, *items),
              QStringList{"line 2: item 5 is listed twice"});
}
