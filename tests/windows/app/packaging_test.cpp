// The game as the desktop and the package see it: the names and icon the program gives its
// windows, and the installed files (desktop entry, metadata, changelog, manual pages) that
// must agree with the program and with each other.

#include "sim.h"
#include "windows/app/appidentity.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

using namespace quotara;

namespace {

QString sourceFile(const QString& relative) {
    QFile f(QStringLiteral(QUOTARA_SOURCE_DIR "/") + relative);
    if (!f.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(f.fileName()));
    return QString::fromUtf8(f.readAll());
}

// The first capture of pattern in text, or an empty text.
QString firstMatch(const QString& text, const QString& pattern) {
    return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(text).captured(1);
}

} // namespace

class PackagingTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { setApplicationIdentity(); }

    void programNamesItselfAfterTheDesktopEntry() {
        QCOMPARE(QApplication::organizationName(), QStringLiteral("Quotara"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Quotara"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral(QUOTARA_VERSION));
        // Desktops match windows to the entry by this name.
        QCOMPARE(QGuiApplication::desktopFileName() + QStringLiteral(".desktop"),
                 QStringLiteral("quotara.desktop"));
    }

    void everyWindowCarriesTheIconAtEverySize() {
        QWidget window;
        const QList<QSize> sizes = window.windowIcon().availableSizes();
        for (int size : {16, 32, 48, 64, 128, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        // The dark-blue board, not an empty or broken picture.
        const QImage small = window.windowIcon().pixmap(16, 16).toImage();
        QCOMPARE(small.size(), QSize(16, 16));
        QVERIFY(qBlue(small.pixel(3, 3)) > 100 && qRed(small.pixel(3, 3)) < 60);
    }

    // At start-up the icon may come right after the first frame, to every window then open.
    void theIconCanWaitForTheFirstFrame() {
        QApplication::setWindowIcon(QIcon());
        setApplicationIdentity(IconTiming::AfterFirstFrame);
        QWidget window;
        QVERIFY(window.windowIcon().availableSizes().isEmpty());
        window.show();
        QTRY_VERIFY(window.windowIcon().availableSizes().contains(QSize(256, 256)));
    }

    void installedFilesNameTheProgramItsIconAndVersion() {
        const QString desktop = sourceFile(QStringLiteral("data/quotara.desktop"));
        QCOMPARE(firstMatch(desktop, QStringLiteral("^Exec=(.*)$")), QStringLiteral("quotara"));
        QCOMPARE(firstMatch(desktop, QStringLiteral("^Icon=(.*)$")), QStringLiteral("quotara"));

        const QString metainfo =
            sourceFile(QStringLiteral("data/org.example.quotara.metainfo.xml"));
        QCOMPARE(firstMatch(metainfo, QStringLiteral("<launchable type=\"desktop-id\">(.*)<")),
                 QStringLiteral("quotara.desktop"));

        // A new version is named the same everywhere: the newest release, the changelog's
        // first entry and both manual pages.
        const QString version = applicationVersion();
        QCOMPARE(firstMatch(metainfo, QStringLiteral("<release version=\"([^\"]*)\"")), version);
        QCOMPARE(firstMatch(sourceFile(QStringLiteral("data/debian/changelog")),
                            QStringLiteral("^quotara \\(([^)]*)\\)")),
                 version);
        for (const char* page : {"data/man/quotara.6", "data/man/quotara-sim.6"})
            QCOMPARE(firstMatch(sourceFile(QLatin1String(page)),
                                QStringLiteral("^\\.TH .* \"Quotara ([^\"]*)\"")),
                     version);
    }

    void simulatorManualDocumentsEveryOption() {
        const QString manual = sourceFile(QStringLiteral("data/man/quotara-sim.6"));
        QRegularExpression option(QStringLiteral("--[a-z][a-z-]*"));
        int count = 0;
        for (const auto& m : option.globalMatch(sim::usageText())) {
            // An entry of its own: a tagged paragraph whose tag starts with the option, each
            // hyphen written as \- in the page's source.
            QString escaped = m.captured(0);
            escaped.replace(QLatin1String("-"), QLatin1String("\\-"));
            const QRegularExpression entry(QStringLiteral("^\\.TP\n\\.B[IR]? %1(\\s|$)")
                                               .arg(QRegularExpression::escape(escaped)),
                                           QRegularExpression::MultilineOption);
            QVERIFY2(entry.match(manual).hasMatch(),
                     qPrintable(
                         QStringLiteral("quotara-sim.6 does not document %1").arg(m.captured(0))));
            ++count;
        }
        QVERIFY(count > 0);
    }
};

QTEST_MAIN(PackagingTest)
#include "packaging_test.moc"
