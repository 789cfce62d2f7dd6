#include "shipped/help.h"
#include "state/helptopics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace quotara;

// Each context opens its page; every link leads to a page that exists, and every page can be
// reached from the contents.
TEST(HelpTopics, contextsOpenPagesThatLinkUpFromTheContents) {
    registerShippedHelp();
    EXPECT_EQ(helpPageForContext(kHelpGameEditor), ":/help/editor.html");
    EXPECT_EQ(helpPageForContext(kHelpSharePrices), ":/help/shareprices.html");
    EXPECT_EQ(helpPageForContext(99), helpPageForContext(kHelpContents));
    EXPECT_EQ(helpUrlForContext(kHelpGameEditor).toString(), "qrc:/help/editor.html");

    const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
    QSet<QString> reached{QStringLiteral("contents.html")};
    QStringList todo{helpPageForContext(kHelpContents).mid(7)};
    while (!todo.isEmpty()) {
        const QString page = todo.takeFirst();
        QFile f(":/help/" + page);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
        for (const auto& m : href.globalMatch(QString::fromUtf8(f.readAll()))) {
            const QString target = m.captured(1);
            ASSERT_TRUE(QFile::exists(":/help/" + target))
                << page.toStdString() << " -> " << target.toStdString();
            if (target.endsWith(".html") && !reached.contains(target)) {
                reached.insert(target);
                todo << target;
            }
        }
    }
    const QStringList pages = QDir(":/help").entryList({"*.html"});
    EXPECT_EQ(QSet<QString>(pages.begin(), pages.end()), reached);
    EXPECT_TRUE(reached.contains("editor.html") && reached.contains("shareprices.html"));
}
