#include "cmnappdescriptor.h"
#include "cmnautomaticorcustomtextencoding.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmnexporttextencodingpage.h"
#include "cmnframework.h"
#include "cmnimporttextencodingpage.h"
#include "cmnlabel.h"
#include "cmnwhatsthistexts.h"

#include <QTest>

namespace {

// The names a breeder's club exports: Windows-1252 without a byte-order mark.
const QByteArray kWindows1252Sample("Name;Owner\r\nM\xFCller;Brandt\r\nRex;Smith & Jones <UK>\r\n");

// An import page over a choice and sample of its own, driven as the wizard does.
struct CImportPage
{
    explicit CImportPage(const QByteArray &bytes)
        : m_SampleBytes(bytes)
        , m_Page(0, &m_Choice, &m_SampleBytes, &m_DecodedSample, &m_PreviewLines)
    {
    }

    CCmnImportTextEncodingPanel *Panel() const { return m_Page.ChoicePanel(); }
    bool Exchange(bool save)
    {
        CCmnDataExchange context(save);
        return m_Page.DataExchange(&context);
    }
    void SelectCodec(const QString &name)
    {
        CCmnComboBox *combo = Panel()->CodecComboBox();
        combo->setCurrentIndex(combo->findData(name, Qt::UserRole, Qt::MatchFixedString));
    }

    CCmnAutomaticOrCustomTextEncoding m_Choice;
    QByteArray m_SampleBytes;
    QString m_DecodedSample;
    QStringList m_PreviewLines;
    CCmnImportTextEncodingPage m_Page;
};

QString Shown(const CCmnImportExportTextEncodingBasePanel *panel)
{
    return QStringLiteral("%1,%2,%3")
        .arg(panel->CodecComboBox()->currentData().toString(), panel->LineEndingComboBox()->currentData().toString())
        .arg(panel->ByteOrderMarkCheckBox()->isChecked() ? 1 : 0);
}

} // namespace

class TestCmnImportTextEncodingPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void deducesFromTheSample_data();
    void deducesFromTheSample();
    void customCodecDecodesThePreview();
    void editsSurviveCustomizeToggle();
    void followingCustomTakesEachDeduction();
    void choicesNotOfferedComeBackUnchanged();
    void unknownCodecGivesNoPreview();
    void exportPageStartsWithDefaults();
    void controlsHaveHelp();
};

void TestCmnImportTextEncodingPage::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
}

void TestCmnImportTextEncodingPage::deducesFromTheSample_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("itemText");

    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF" "ID;Name\r\n1;Rex\r\n") << "UTF-8,CRLF,1" << "UTF-8";
    QTest::newRow("UTF-16BE mark") << QByteArray("\xFE\xFF\x00" "a\x00\n", 6) << "UTF-16BE,LF,1" << "UTF-16BE";
    QTest::newRow("UTF-16 mark") << QByteArray("\xFF\xFE" "a\x00\r\x00" "b\x00", 8) << "UTF-16,CR,1" << "UTF-16";
    QTest::newRow("no mark") << kWindows1252Sample << "LOCALE,CRLF,0" << "System (UTF-8)";
    QTest::newRow("nothing") << QByteArray() << "LOCALE,LOCALE,0" << "System (UTF-8)";
}

void TestCmnImportTextEncodingPage::deducesFromTheSample()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QFETCH(QString, itemText);
    CImportPage page(bytes);
    QVERIFY(page.Exchange(false));
    QCOMPARE(Shown(page.Panel()), shown);
    QCOMPARE(page.Panel()->CodecComboBox()->currentText(), itemText);
    QVERIFY(!page.Panel()->CheckBox()->isChecked());
    QVERIFY(!page.Panel()->CodecComboBox()->isEnabled());
    QCOMPARE(page.m_Choice.m_Deduced.ToText(), shown);
    QCOMPARE(page.m_Choice.m_Custom.ToText(), shown);
}

void TestCmnImportTextEncodingPage::customCodecDecodesThePreview()
{
    CImportPage page(kWindows1252Sample);
    QVERIFY(page.Exchange(false));
    QVERIFY(page.Exchange(true));
    QCOMPARE(page.m_PreviewLines.value(1), u"M\uFFFDller;Brandt"_qs);

    QVERIFY(page.Exchange(false));
    page.Panel()->CheckBox()->click();
    page.SelectCodec("Windows-1252");
    QVERIFY(page.Exchange(true));
    QVERIFY(!page.m_Choice.m_Automatic);
    QCOMPARE(page.m_PreviewLines, (QStringList{"Name;Owner", u"M\u00FCller;Brandt"_qs, "Rex;Smith & Jones <UK>"}));
    QVERIFY(page.m_DecodedSample.startsWith(u"Name;Owner\r\nM\u00FCller"_qs));
}

void TestCmnImportTextEncodingPage::editsSurviveCustomizeToggle()
{
    CImportPage page(kWindows1252Sample);
    QVERIFY(page.Exchange(false));
    CCmnImportTextEncodingPanel *panel = page.Panel();
    panel->CheckBox()->click();
    page.SelectCodec("Windows-1252");
    panel->LineEndingComboBox()->setCurrentIndex(panel->LineEndingComboBox()->findData("CR"));
    panel->ByteOrderMarkCheckBox()->click();

    panel->CheckBox()->click();
    QCOMPARE(Shown(panel), QStringLiteral("LOCALE,CRLF,0"));
    QVERIFY(!panel->CodecComboBox()->isEnabled());

    panel->CheckBox()->click();
    QCOMPARE(Shown(panel).toLower(), QStringLiteral("windows-1252,cr,1"));
    QVERIFY(page.Exchange(true));
    QCOMPARE(page.m_Choice.m_Custom.m_LineEndingName, QStringLiteral("CR"));
}

void TestCmnImportTextEncodingPage::followingCustomTakesEachDeduction()
{
    CImportPage page(kWindows1252Sample);
    QVERIFY(page.Exchange(false));
    page.Panel()->CheckBox()->click();
    page.SelectCodec("Windows-1252");
    QVERIFY(page.Exchange(true));

    // Going back to the page deduces again; while the custom value follows, it
    // takes the new deduction and the user's earlier pick is gone.
    QVERIFY(page.Exchange(false));
    QCOMPARE(Shown(page.Panel()), QStringLiteral("LOCALE,CRLF,0"));
    QVERIFY(page.Panel()->CheckBox()->isChecked());

    page.m_Choice.FixCustom(CCmnTextEncoding("Windows-1252", "CRLF", 0));
    QVERIFY(page.Exchange(false));
    QCOMPARE(Shown(page.Panel()).toLower(), QStringLiteral("windows-1252,crlf,0"));
}

void TestCmnImportTextEncodingPage::choicesNotOfferedComeBackUnchanged()
{
    CImportPage page(kWindows1252Sample);
    const CCmnTextEncoding given("cp1252", "SYSTEM", 1);
    page.m_Choice.FixCustom(given);
    QVERIFY(page.Exchange(false));
    QCOMPARE(page.Panel()->CodecComboBox()->currentText(), QStringLiteral("cp1252"));
    QVERIFY(page.Exchange(true));
    QCOMPARE(page.m_Choice.m_Custom, given);
    QCOMPARE(page.m_PreviewLines.value(1), u"M\u00FCller;Brandt"_qs);
}

void TestCmnImportTextEncodingPage::unknownCodecGivesNoPreview()
{
    CImportPage page(kWindows1252Sample);
    page.m_Choice.FixCustom(CCmnTextEncoding("x-no-such-codec", "LF", 0));
    page.m_PreviewLines = {"stale"};
    QVERIFY(page.Exchange(false));
    QVERIFY(page.Exchange(true));
    QVERIFY(page.m_PreviewLines.isEmpty());
    QVERIFY(page.m_DecodedSample.isEmpty());
}

void TestCmnImportTextEncodingPage::exportPageStartsWithDefaults()
{
    CCmnAutomaticOrCustomTextEncoding choice;
    CCmnExportTextEncodingPage page(0, &choice);
    CCmnDataExchange load(false);
    QVERIFY(page.DataExchange(&load));
    QCOMPARE(Shown(page.ChoicePanel()), QStringLiteral("LOCALE,LOCALE,1"));
    QVERIFY(!page.ChoicePanel()->CheckBox()->isChecked());
    QCOMPARE(page.ChoicePanel()->HelpPage(), QStringLiteral("CCmnExportTextEncodingPage.html"));
    QCOMPARE(page.title(), QStringLiteral("Character Encoding"));
}

void TestCmnImportTextEncodingPage::controlsHaveHelp()
{
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CImportPage page(kWindows1252Sample);
    CCmnAutomaticOrCustomTextEncoding choice;
    const CCmnExportTextEncodingPage exportPage(0, &choice);
    CmnSetWhatsThisTexts(previous);

    for (const CCmnImportExportTextEncodingBasePanel *panel :
         {static_cast<CCmnImportExportTextEncodingBasePanel *>(page.Panel()),
          static_cast<CCmnImportExportTextEncodingBasePanel *>(exportPage.ChoicePanel())}) {
        for (const QWidget *widget : QList<const QWidget *>{panel->CheckBox(), panel->CodecComboBox(),
                                                           panel->LineEndingComboBox(),
                                                           panel->ByteOrderMarkCheckBox()})
            QVERIFY2(!widget->whatsThis().isEmpty(), qPrintable(panel->HelpPage() + widget->objectName()));
    }
    QCOMPARE(page.m_Page.title(), QStringLiteral("Character Encoding"));
    QVERIFY(page.Panel()->ExplanationLabel()->text().startsWith("<p>Orvanta has deduced the encoding"));
}

QTEST_MAIN(TestCmnImportTextEncodingPage)
#include "tst_cmnimporttextencodingpage.moc"
