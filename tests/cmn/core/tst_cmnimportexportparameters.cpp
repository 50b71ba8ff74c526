#include "cmnautomaticorcustomcsvformat.h"
#include "cmnautomaticorcustomtextencoding.h"
#include "cmnimportexportparameters.h"

#include <QTest>

class TestCmnImportExportParameters : public QObject
{
    Q_OBJECT
private slots:
    void appliesParameters_data();
    void appliesParameters();
    void deductionReachesCustomWhileFollowing();
};

void TestCmnImportExportParameters::appliesParameters_data()
{
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QString>("encoding");  // the custom encoding; empty: the choice stays automatic
    QTest::addColumn<QString>("format");    // likewise
    QTest::addColumn<bool>("showWizard");

    QTest::newRow("none") << QStringList{} << "" << "" << true;
    QTest::newRow("wizard hidden") << QStringList{"showwizard:0"} << "" << "" << false;
    QTest::newRow("wizard shown") << QStringList{"showwizard:2"} << "" << "" << true;
    QTest::newRow("flag that is no number") << QStringList{"showwizard:yes"} << "" << "" << false;
    QTest::newRow("empty flag changes nothing") << QStringList{"showwizard:"} << "" << "" << true;
    QTest::newRow("encoding") << QStringList{"textencoding:Windows-1252,CRLF,0"} << "Windows-1252,CRLF,0" << ""
                              << true;
    QTest::newRow("encoding of four items") << QStringList{"textencoding:Windows-1252,CRLF,0,x"} << "" << ""
                                            << true;
    QTest::newRow("format") << QStringList{"csvformat:none,1,;,#,1,1"} << "" << "none,1,;,#,1,1" << true;
    QTest::newRow("damaged format") << QStringList{"csvformat:;,1"} << "" << "" << true;
    QTest::newRow("first of a repeated key")
        << QStringList{"csvformat:none,1,;,#,1,1", "csvformat:\",0,comma,#,0,1"} << "" << "none,1,;,#,1,1" << true;
    QTest::newRow("key in another case") << QStringList{"CSVFORMAT:none,1,;,#,1,1"} << "" << "" << true;
    QTest::newRow("all three")
        << QStringList{"showwizard:0", "textencoding:UTF-8,LF,1", "csvformat:none,1,tab,#,0,0"}
        << "UTF-8,LF,1" << "none,1,tab,#,0,0" << false;
}

void TestCmnImportExportParameters::appliesParameters()
{
    QFETCH(QStringList, parameters);
    QFETCH(QString, encoding);
    QFETCH(QString, format);
    QFETCH(bool, showWizard);
    CCmnAutomaticOrCustomTextEncoding encodingChoice;
    CCmnAutomaticOrCustomCsvFormat formatChoice;
    bool show = true;
    CmnApplyCsvWizardParameters(parameters, &encodingChoice, &formatChoice, &show);
    QCOMPARE(show, showWizard);
    QCOMPARE(encodingChoice.m_Automatic, encoding.isEmpty());
    QCOMPARE(encodingChoice.m_Follow, encoding.isEmpty());
    QCOMPARE(encodingChoice.m_Custom.ToText(), encoding.isEmpty() ? CCmnTextEncoding().ToText() : encoding);
    QCOMPARE(formatChoice.m_Automatic, format.isEmpty());
    QCOMPARE(formatChoice.m_Follow, format.isEmpty());
    QCOMPARE(formatChoice.m_Custom.ToText(), format.isEmpty() ? CCmnCsvFormat().ToText() : format);
}

void TestCmnImportExportParameters::deductionReachesCustomWhileFollowing()
{
    CCmnAutomaticOrCustomCsvFormat choice;
    CCmnCsvFormat comma;
    comma.SetCommaSeparated(true);
    choice.SetDeduced(comma);
    QCOMPARE(choice.m_Custom, comma);
    QCOMPARE(choice.Effective(), comma);

    CCmnCsvFormat semicolon;
    semicolon.SetSeparator(u';');
    choice.FixCustom(semicolon);
    choice.SetDeduced(CCmnCsvFormat());
    QCOMPARE(choice.m_Custom, semicolon);
    QCOMPARE(choice.Effective(), semicolon);
    choice.m_Automatic = true;
    QCOMPARE(choice.Effective(), CCmnCsvFormat());
}

QTEST_GUILESS_MAIN(TestCmnImportExportParameters)
#include "tst_cmnimportexportparameters.moc"
