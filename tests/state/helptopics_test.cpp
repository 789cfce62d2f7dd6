#include "shipped/help.h"
#include "state/helptopics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace quotara;

namespace {
QString pageText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

TEST(HelpTopics, everyContextOpensAPage) {
    registerShippedHelp();
    EXPECT_EQ(helpPageForContext(kHelpContents), ":/help/contents.html");
    EXPECT_EQ(helpPageForContext(kHelpGameEditor), ":/help/editor.html");
    EXPECT_EQ(helpPageForContext(kHelpSharePrices), ":/help/shareprices.html");
    EXPECT_EQ(helpPageForContext(99), ":/help/contents.html");
    EXPECT_EQ(helpUrlForContext(kHelpGameEditor).toString(), "qrc:/help/editor.html");
    for (int context : {kHelpContents, kHelpGameEditor, kHelpSharePrices})
        EXPECT_FALSE(pageText(helpPageForContext(context)).isEmpty()) << context;
}

// Every link leads to a page that exists, and every page can be reached from the contents.
TEST(HelpTopics, pagesLinkUpFromTheContents) {
    registerShippedHelp();
    const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
    QSet<QString> reached{QStringLiteral("contents.html")};
    QStringList todo{QStringLiteral("contents.html")};
    while (!todo.isEmpty()) {
        const QString page = todo.takeFirst();
        const QString text = pageText(":/help/" + page);
        ASSERT_FALSE(text.isEmpty()) << page.toStdString();
        for (const auto& m : href.globalMatch(text)) {
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
}
