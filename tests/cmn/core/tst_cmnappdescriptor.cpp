#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "testsettingsscope.h"

#include <QCoreApplication>
#include <QTest>

class TestCmnAppDescriptor : public QObject
{
    Q_OBJECT
private slots:
    void registersDocumentTypesInOrder();
    void storesExtensionsInLowerCase();
    void trimsAndCompactsProductName();
    void documentSettingsTitle_data();
    void documentSettingsTitle();
    void documentNameUsesOverride();
    void homePageKeepsSchemeAddress();
    void dateInputFormatFollowsShortDate_data();
    void dateInputFormatFollowsShortDate();
    void initFrameworkSetsIdentityAndHomePage();
};

void TestCmnAppDescriptor::registersDocumentTypesInOrder()
{
    CCmnAppDescriptor descriptor;
    descriptor.AddDocumentType(QStringLiteral("orv"), QStringLiteral("Orvanta files"));
    QCOMPARE(descriptor.DocumentFileFilter(), QStringLiteral("Orvanta files (*.orv)"));
    QCOMPARE(descriptor.m_DocumentExtensions, QStringList{QStringLiteral("orv")});

    descriptor.AddDocumentType(QStringLiteral("bak"), QStringLiteral("Backups"));
    QCOMPARE(descriptor.DocumentFileFilter(), QStringLiteral("Orvanta files (*.orv);;Backups (*.bak)"));
    QCOMPARE(descriptor.m_DocumentExtensions, (QStringList{QStringLiteral("orv"), QStringLiteral("bak")}));

    descriptor.AddDocumentTypes({QStringLiteral("a"), QStringLiteral("B")}, QStringLiteral("Two"));
    QVERIFY(descriptor.DocumentFileFilter().endsWith(QStringLiteral(";;Two (*.a *.b)")));
}

void TestCmnAppDescriptor::storesExtensionsInLowerCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetDocumentType(QStringLiteral("ORV"), QStringLiteral("Orvanta files"));
    QCOMPARE(descriptor.m_DocumentExtension, QStringLiteral("orv"));
    QCOMPARE(descriptor.MainDocumentFileFilter(), QStringLiteral("Orvanta files (*.orv)"));

    descriptor.AddDocumentType(QStringLiteral("ORV"), QStringLiteral("Orvanta files"));
    QCOMPARE(descriptor.DocumentFileFilter(), QStringLiteral("Orvanta files (*.orv)"));
    QCOMPARE(descriptor.m_DocumentExtensions, QStringList{QStringLiteral("orv")});
}

void TestCmnAppDescriptor::trimsAndCompactsProductName()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral(" Pedigree Keeper "));
    QCOMPARE(descriptor.m_ProductDisplayName, QStringLiteral("Pedigree Keeper"));
    QCOMPARE(descriptor.m_CompactDisplayName, QStringLiteral("pedigreekeeper"));
    QCOMPARE(descriptor.ProductNameWithoutBlanks(), QStringLiteral("PedigreeKeeper"));
    QCOMPARE(descriptor.m_IconResource, QStringLiteral(":/PedigreeKeeper-96x96.png"));
}

void TestCmnAppDescriptor::documentSettingsTitle_data()
{
    QTest::addColumn<QString>("noun");
    QTest::addColumn<bool>("plainForFile");
    QTest::addColumn<QString>("title");
    QTest::newRow("file plain") << "file" << true << "Settings";
    QTest::newRow("FILE plain") << "FILE" << true << "Settings";
    QTest::newRow("file not plain") << "file" << false << "File Settings";
    QTest::newRow("two words") << "breeding RECORD" << true << "Breeding Record Settings";
}

void TestCmnAppDescriptor::documentSettingsTitle()
{
    QFETCH(QString, noun);
    QFETCH(bool, plainForFile);
    QFETCH(QString, title);
    CCmnAppDescriptor descriptor;
    descriptor.m_DocumentNoun = noun;
    QCOMPARE(descriptor.DocumentSettingsTitle(plainForFile), title);
}

void TestCmnAppDescriptor::documentNameUsesOverride()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    descriptor.m_DocumentNoun = QStringLiteral("file");
    QCOMPARE(descriptor.DocumentName(), QStringLiteral("Orvanta file"));
    descriptor.m_DocumentNameOverride = QStringLiteral("Kennel book");
    QCOMPARE(descriptor.DocumentName(), QStringLiteral("Kennel book"));
}

void TestCmnAppDescriptor::homePageKeepsSchemeAddress()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetHomePageUrl(QStringLiteral("orvanta.example/orvanta"));
    QCOMPARE(descriptor.m_HomePageWithScheme, QStringLiteral("https://orvanta.example/orvanta"));

    descriptor.SetHomePageUrl(QStringLiteral("elsewhere.example"));
    QCOMPARE(descriptor.m_HomePage, QStringLiteral("elsewhere.example"));
    QCOMPARE(descriptor.m_HomePageWithScheme, QStringLiteral("https://orvanta.example/orvanta"));
}

void TestCmnAppDescriptor::dateInputFormatFollowsShortDate_data()
{
    QTest::addColumn<QString>("shortDate");
    QTest::addColumn<QString>("inputFormat");
    QTest::newRow("day first") << "dd/MM/yyyy" << "[[dd/]mm/]yyyy";
    QTest::newRow("month first") << "M/d/yyyy" << "[mm/[dd/]]yyyy";
    QTest::newRow("year first") << "yyyy-MM-dd" << "[mm/[dd/]]yyyy";
    QTest::newRow("neither letter") << "yyyy" << "[[dd/]mm/]yyyy";
    QTest::newRow("empty") << "" << "[[dd/]mm/]yyyy";
}

void TestCmnAppDescriptor::dateInputFormatFollowsShortDate()
{
    QFETCH(QString, shortDate);
    QFETCH(QString, inputFormat);
    QCOMPARE(CmnDateInputFormatForShortDateFormat(shortDate), inputFormat);
}

void TestCmnAppDescriptor::initFrameworkSetsIdentityAndHomePage()
{
    CTestSettingsScope settings;
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    descriptor.m_FullVersion = QStringLiteral("1.0.01");
    CmnInitFramework(descriptor);

    const CCmnAppDescriptor &app = CmnGetAppDescriptor();
    QCOMPARE(app.m_ProductDisplayName, QStringLiteral("Orvanta"));
    QCOMPARE(app.m_HomePage, QStringLiteral("orvanta.example/orvanta"));
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Orvanta Software"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Orvanta"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.01"));
    QVERIFY(!CmnDefaultDateInputFormat().isEmpty());
}

QTEST_GUILESS_MAIN(TestCmnAppDescriptor)
#include "tst_cmnappdescriptor.moc"
