#include "windows/app/helpviewer.h"

#include "shipped/help.h"
#include "state/helptopics.h"
#include "windows/components/look.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace quotara {

namespace {
QToolButton* makeButton(QWidget* parent, const QString& name, const QString& text,
                        QStyle::StandardPixmap icon) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
}
} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    registerShippedHelp();
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Quotara Help"));
    resize(600, 500);

    auto* contents =
        makeButton(this, QStringLiteral("contents"), tr("Contents"), QStyle::SP_DirHomeIcon);
    back_ = makeButton(this, QStringLiteral("back"), tr("Back"), QStyle::SP_ArrowBack);
    forward_ = makeButton(this, QStringLiteral("forward"), tr("Forward"), QStyle::SP_ArrowForward);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("browser"));
    browser_->setOpenExternalLinks(true);
    browser_->setAccessibleName(QStringLiteral("Help text"));
    browser_->verticalScrollBar()->setAccessibleName(QStringLiteral("Scroll the help text"));
    browser_->horizontalScrollBar()->setAccessibleName(QStringLiteral("Scroll the help text"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(contents);
    bar->addWidget(back_);
    bar->addWidget(forward_);
    bar->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(browser_);

    back_->setEnabled(false);
    forward_->setEnabled(false);
    connect(contents, &QToolButton::clicked, this, [this] { showTopic(kHelpContents); });
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        // A page whose title already names the help keeps it as it is.
        const QString help = QStringLiteral("Quotara Help");
        setWindowTitle(title.isEmpty()          ? help
                       : title.startsWith(help) ? title
                                                : help + QStringLiteral(" - ") + title);
    });
}

void HelpViewer::showTopic(int context) {
    browser_->setSource(helpUrlForContext(context));
    bringToFront(this);
}

} // namespace quotara
