#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnhelplocator.h"
#include "cmnhelppages.h"
#include "cmnwhatsthistexts.h"
#include "testpdftools.h"
#include "testurlopenerscope.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

const QString kSettingsPage = QStringLiteral("CCmnSystemSettingsTab.html");

QString ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

// Help pages and the user guide written from the help texts into the cache folder.
class TestCmnHelpPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pageHoldsTheTextsInTheWindowsOrder();
    void pageWithoutTextsSaysSo();
    void refusesNamesOutsideTheFolder_data();
    void refusesNamesOutsideTheFolder();
    void titleFromPageName_data();
    void titleFromPageName();
    void locatorOpensWrittenPages();
    void userGuideHasPages();
};

void TestCmnHelpPages::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnGetAppDescriptor().m_ProductDisplayName = QStringLiteral("Orvanta");
    CmnLoadWhatsThisTexts();
}

void TestCmnHelpPages::pageHoldsTheTextsInTheWindowsOrder()
{
    const CTestUrlOpenerScope scope;
    QString path;
    QCOMPARE(CmnWriteHelpPage(kSettingsPage, QStringLiteral("Smith & Jones <UK> Preferences"), &path), QString());
    QVERIFY(path.startsWith(scope.CacheFolder()));
    const QString html = ReadAll(path);
    QVERIFY(html.contains(QStringLiteral("<title>Smith &amp; Jones &lt;UK&gt; Preferences</title>")));
    const qsizetype date = html.indexOf(QStringLiteral("<h2>Date Format</h2>"));
    const qsizetype unit = html.indexOf(QStringLiteral("<h2>Measurement Unit</h2>"));
    const qsizetype reset = html.indexOf(QStringLiteral("<h2>Reset Message Prompts</h2>"));
    QVERIFY(date > 0 && date < unit && unit < reset);
    QVERIFY(html.contains(CmnWhatsThisTexts().value(kSettingsPage + QStringLiteral(":DateFormat"))));
}

void TestCmnHelpPages::pageWithoutTextsSaysSo()
{
    const CTestUrlOpenerScope scope;
    QString path;
    QCOMPARE(CmnWriteHelpPage(QStringLiteral("design_croppingpics.html"), QString(), &path), QString());
    const QString html = ReadAll(path);
    QVERIFY(html.contains(QStringLiteral("<title>design croppingpics</title>")));
    QCOMPARE(html.count(QStringLiteral("<p>")), 1);
    QVERIFY(html.contains(QStringLiteral("<p>There is no help for this window yet.</p>")));
}

void TestCmnHelpPages::refusesNamesOutsideTheFolder_data()
{
    QTest::addColumn<QString>("page");
    QTest::newRow("empty") << "";
    QTest::newRow("parent folder") << "../escape.html";
    QTest::newRow("sub folder") << "a/b.html";
    QTest::newRow("dot dot") << "..";
}

void TestCmnHelpPages::refusesNamesOutsideTheFolder()
{
    QFETCH(QString, page);
    const CTestUrlOpenerScope scope;
    QString path;
    QVERIFY(!CmnWriteHelpPage(page, QString(), &path).isEmpty());
}

void TestCmnHelpPages::titleFromPageName_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");
    QTest::newRow("framework window") << kSettingsPage << "System Settings Tab";
    QTest::newRow("window of the program") << "CBioRegRecordPicTab.html" << "Reg Record Pic Tab";
    QTest::newRow("variant") << "CCmnEnumRadioSelectDialog_Welcome.html" << "Enum Radio Select Dialog Welcome";
    QTest::newRow("no library") << "CDocumentGeneralSettingsTab.html" << "Document General Settings Tab";
    QTest::newRow("topic page") << "importing_csv.html" << "importing csv";
}

void TestCmnHelpPages::titleFromPageName()
{
    QFETCH(QString, page);
    QTEST(CmnHelpPageTitle(page), "title");
}

void TestCmnHelpPages::locatorOpensWrittenPages()
{
    CTestUrlOpenerScope scope;
    QVERIFY(CmnHelpPageExists(kSettingsPage + QStringLiteral("#unit")));
    QVERIFY(!CmnHelpPageExists(QStringLiteral("no-such-page.html")));
    QVERIFY(!CmnHelpPageExists(QString()));
    QCOMPARE(CmnHelpPageUrl(QString()), QString());

    const QUrl url(CmnHelpPageUrl(kSettingsPage + QStringLiteral("#unit")));
    QCOMPARE(url.fragment(), QStringLiteral("unit"));
    QVERIFY(QFileInfo::exists(url.toLocalFile()));
    QCOMPARE(QFileInfo(url.toLocalFile()).absolutePath(), QFileInfo(CmnHelpFolder()).absolutePath());

    QCOMPARE(CmnShowHelpPage(nullptr, QString()), QString());
    QCOMPARE(scope.m_Urls.size(), 0);
    QCOMPARE(CmnShowHelpPage(nullptr, QStringLiteral("CBioRegRecordPicTab.html")), QString());
    QCOMPARE(scope.m_Urls.size(), 1);
    QVERIFY(QFileInfo::exists(scope.m_Urls.at(0).toLocalFile()));
}

void TestCmnHelpPages::userGuideHasPages()
{
    CTestUrlOpenerScope scope;
    QCOMPARE(CmnShowUserGuide(), QString());
    QCOMPARE(scope.m_Urls.size(), 1);
    const QString path = scope.m_Urls.at(0).toLocalFile();
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("userguide.pdf"));
    QVERIFY(QFileInfo::exists(path));
    QVERIFY(CmnUserGuideExists());

    if (!OrvPdfToolsInstalled())
        QSKIP("pdfinfo is not installed");
    const QString pages = OrvPdfInfoField(path, QStringLiteral("Pages"));
    QVERIFY2(!pages.isEmpty(), qPrintable(OrvPdfInfo(path)));
    QVERIFY(pages.toInt() >= CmnHelpPageNames().size());
}

QTEST_MAIN(TestCmnHelpPages)
#include "tst_cmnhelppages.moc"
