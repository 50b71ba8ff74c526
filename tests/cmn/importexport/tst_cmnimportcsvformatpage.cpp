#include "cmnappdescriptor.h"
#include "cmnautomaticorcustomcsvformat.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmnexportcsvformatpage.h"
#include "cmnframework.h"
#include "cmnimportcsvformatpage.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnradiobutton.h"
#include "cmnwhatsthistexts.h"
#include "testmessageboxscope.h"
#include "usertexts.h"

#include <QTest>

namespace {

// A club's export, separated by semicolons, one name holding a quoted semicolon.
const QStringList kSemicolonLines{"Name;Sire;Dam;Owner", "\"Rex; Jr\";Max;Bella;Smith & Jones <UK>",
                                  u"M\u00FCller;;;Brandt"_qs};

// An import page over a choice and lines of its own, as the wizard drives it.
struct CImportPage
{
    explicit CImportPage(const QStringList &lines, qint32 flags = 0x1C)
        : m_PreviewLines(lines)
        , m_Page(flags, &m_Choice, &m_PreviewLines, &m_PreviewRows, &m_HeaderNames)
    {
    }

    CCmnImportCSVFormatPanel *Panel() const { return m_Page.ChoicePanel(); }
    bool Exchange(bool save)
    {
        CCmnDataExchange context(save);
        return m_Page.DataExchange(&context);
    }
    void Customize(const QString &separator, const QString &quote, const QString &comment)
    {
        if (!Panel()->CheckBox()->isChecked())
            Panel()->CheckBox()->click();
        Panel()->SeparatorEdit()->setText(separator);
        Panel()->QuoteEdit()->setText(quote);
        Panel()->CommentEdit()->setText(comment);
    }

    CCmnAutomaticOrCustomCsvFormat m_Choice;
    QStringList m_PreviewLines;
    QList<QStringList> m_PreviewRows;
    QStringList m_HeaderNames;
    CCmnImportCSVFormatPage m_Page;
};

} // namespace

class TestCmnImportCSVFormatPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void showsTheDeducedFormat();
    void storesWhatIsTyped_data();
    void storesWhatIsTyped();
    void customSemicolonSplitsThePreview();
    void keepsTheCommentCharacterWhenDeducing();
    void editsSurviveCustomizeToggle();
    void refusedEditKeepsCustomize();
    void flagsChooseTheRows_data();
    void flagsChooseTheRows();
    void exportPageShowsThePresetFormat();
    void controlsHaveHelp();
};

void TestCmnImportCSVFormatPage::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
}

void TestCmnImportCSVFormatPage::showsTheDeducedFormat()
{
    CImportPage page({"ID\tName\tSire", "1\tRex\t2", "2\tMax\t0"});
    QVERIFY(page.Exchange(false));
    CCmnImportCSVFormatPanel *panel = page.Panel();
    QCOMPARE(panel->SeparatorEdit()->text(), QStringLiteral("\\t"));
    QCOMPARE(panel->QuoteEdit()->text(), QString());
    QCOMPARE(panel->CommentEdit()->text(), QStringLiteral("#"));
    QVERIFY(panel->EscapedRadio()->isChecked());
    QVERIFY(panel->HeaderCheckBox()->isChecked());
    QVERIFY(panel->StripSpacesCheckBox()->isChecked());
    QVERIFY(!panel->CheckBox()->isChecked());
    QVERIFY(!panel->SeparatorEdit()->isEnabled());

    QVERIFY(page.Exchange(true));
    QCOMPARE(page.m_HeaderNames, (QStringList{"ID", "Name", "Sire"}));
    QCOMPARE(page.m_PreviewRows, (QList<QStringList>{{"1", "Rex", "2"}, {"2", "Max", "0"}}));
}

void TestCmnImportCSVFormatPage::storesWhatIsTyped_data()
{
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("quote");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("format");   // the custom format's text form after the save
    QTest::addColumn<QString>("message");  // the refusal, empty when the save succeeds

    QTest::newRow("tab written as \\t") << "\\t" << "" << "#" << "none,0,tab,#,1,1" << "";
    QTest::newRow("semicolon and double quote") << ";" << "\"" << "" << "\",0,;,none,1,1" << "";
    QTest::newRow("blank before the comment") << "," << "'" << " %" << "',0,comma,%,1,1" << "";
    QTest::newRow("blank separator kept") << " " << "" << "" << "none,0, ,none,1,1" << "";
    QTest::newRow("quote box holds one character") << "," << "''" << "" << "',0,comma,none,1,1" << "";
    QTest::newRow("two separators") << ";," << "" << ""
                                     << "" << "A single character is required in the 'Separator' box";
    QTest::newRow("no separator") << "" << "" << "" << "" << "A single character is required in the 'Separator' box";
    QTest::newRow("newline is no separator escape")
        << "\\n" << "" << "" << "" << "A single character is required in the 'Separator' box";
    QTest::newRow("two comment characters")
        << "," << "" << "##" << "" << "At most a single character is required in the 'Comment' box";
}

void TestCmnImportCSVFormatPage::storesWhatIsTyped()
{
    QFETCH(QString, separator);
    QFETCH(QString, quote);
    QFETCH(QString, comment);
    QFETCH(QString, format);
    QFETCH(QString, message);
    CTestMessageBoxScope boxes;
    CImportPage page({"a,b,c"});
    QVERIFY(page.Exchange(false));
    page.Customize(separator, quote, comment);
    page.Panel()->DoubledRadio()->click();
    const CCmnCsvFormat before = page.m_Choice.m_Custom;

    QCOMPARE(page.Exchange(true), message.isEmpty());
    if (message.isEmpty()) {
        QCOMPARE(page.m_Choice.m_Custom.ToText(), format);
        QVERIFY(boxes.Requests().isEmpty());
    } else {
        QCOMPARE(boxes.Requests().size(), 1);
        QCOMPARE(OrvShownRichText(boxes.Requests().first().m_Text), message);
        QCOMPARE(page.m_Choice.m_Custom, before);
        QVERIFY(page.m_Choice.m_Automatic);
    }
}

void TestCmnImportCSVFormatPage::customSemicolonSplitsThePreview()
{
    CImportPage page(kSemicolonLines);
    QVERIFY(page.Exchange(false));
    QCOMPARE(page.Panel()->SeparatorEdit()->text(), QStringLiteral(","));
    page.Customize(";", "\"", "#");
    QVERIFY(page.Exchange(true));
    QCOMPARE(page.m_HeaderNames, (QStringList{"Name", "Sire", "Dam", "Owner"}));
    QCOMPARE(page.m_PreviewRows, (QList<QStringList>{{"Rex; Jr", "Max", "Bella", "Smith & Jones <UK>"},
                                                     {u"M\u00FCller"_qs, "", "", "Brandt"}}));
}

void TestCmnImportCSVFormatPage::keepsTheCommentCharacterWhenDeducing()
{
    CImportPage page({"% a note, with commas, in it", "ID,Name,Sire", "1,Rex,0"});
    page.m_Choice.m_Deduced.SetCommentChar(u'%');
    QVERIFY(page.Exchange(false));
    QCOMPARE(page.m_Choice.m_Deduced.CommentChar(), QChar(u'%'));
    QCOMPARE(page.Panel()->CommentEdit()->text(), QStringLiteral("%"));
    QVERIFY(page.Exchange(true));
    QCOMPARE(page.m_HeaderNames, (QStringList{"ID", "Name", "Sire"}));
}

void TestCmnImportCSVFormatPage::editsSurviveCustomizeToggle()
{
    CImportPage page(kSemicolonLines);
    QVERIFY(page.Exchange(false));
    page.Customize(";", "'", "");
    page.Panel()->HeaderCheckBox()->click();

    page.Panel()->CheckBox()->click();
    QCOMPARE(page.Panel()->SeparatorEdit()->text(), QStringLiteral(","));
    QVERIFY(page.Panel()->HeaderCheckBox()->isChecked());

    page.Panel()->CheckBox()->click();
    QCOMPARE(page.Panel()->SeparatorEdit()->text(), QStringLiteral(";"));
    QCOMPARE(page.Panel()->QuoteEdit()->text(), QStringLiteral("'"));
    QVERIFY(!page.Panel()->HeaderCheckBox()->isChecked());
}

void TestCmnImportCSVFormatPage::refusedEditKeepsCustomize()
{
    CTestMessageBoxScope boxes;
    CImportPage page(kSemicolonLines);
    QVERIFY(page.Exchange(false));
    page.Customize("", "", "");
    page.Panel()->CheckBox()->click();
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY(page.Panel()->CheckBox()->isChecked());
    QVERIFY(page.Panel()->SeparatorEdit()->isEnabled());
    QCOMPARE(page.Panel()->SeparatorEdit()->text(), QString());

    page.Panel()->SeparatorEdit()->setText(";");
    page.Panel()->CheckBox()->click();
    QVERIFY(!page.Panel()->CheckBox()->isChecked());
    QCOMPARE(page.m_Choice.m_Custom.Separator(), QChar(u';'));
    QVERIFY(page.Exchange(true));
    QVERIFY(page.m_Choice.m_Automatic);
}

void TestCmnImportCSVFormatPage::flagsChooseTheRows_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<bool>("comment");
    QTest::addColumn<bool>("stripSpaces");
    QTest::newRow("import of a file") << qint32(0x1C) << true << true;
    QTest::newRow("bare") << qint32(0) << false << false;
    QTest::newRow("comment only") << qint32(0x08) << true << false;
}

void TestCmnImportCSVFormatPage::flagsChooseTheRows()
{
    QFETCH(qint32, flags);
    QFETCH(bool, comment);
    QFETCH(bool, stripSpaces);
    CImportPage page({"a\tb\tc", "1\t2\t3"}, flags);
    QCOMPARE(page.Panel()->CommentEdit() != nullptr, comment);
    QCOMPARE(page.Panel()->StripSpacesCheckBox() != nullptr, stripSpaces);
    QCOMPARE(page.Panel()->HeaderCheckBox()->text(), QStringLiteral("Has header line (column labels)"));
    QVERIFY(page.Exchange(false));
    QVERIFY(page.Exchange(true));
    QCOMPARE(page.m_PreviewRows, (QList<QStringList>{{"1", "2", "3"}}));
}

void TestCmnImportCSVFormatPage::exportPageShowsThePresetFormat()
{
    CCmnAutomaticOrCustomCsvFormat choice;
    choice.m_Deduced.SetCommaSeparated(true);
    CCmnExportCSVFormatPage page(0x14, &choice);
    CCmnDataExchange load(false);
    QVERIFY(page.DataExchange(&load));
    CCmnExportCSVFormatPanel *panel = page.ChoicePanel();
    QCOMPARE(panel->SeparatorEdit()->text(), QStringLiteral(","));
    QCOMPARE(panel->QuoteEdit()->text(), QStringLiteral("\""));
    QVERIFY(panel->EscapedRadio()->isChecked());
    QCOMPARE(panel->CommentEdit(), nullptr);
    QCOMPARE(panel->HeaderCheckBox()->text(), QStringLiteral("Write header line (column labels)"));
    QVERIFY(panel->StripSpacesCheckBox());
    QCOMPARE(page.title(), QStringLiteral("Column Formatting"));
}

void TestCmnImportCSVFormatPage::controlsHaveHelp()
{
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CImportPage page(kSemicolonLines);
    CCmnAutomaticOrCustomCsvFormat choice;
    const CCmnExportCSVFormatPage exportPage(0x14, &choice);
    CmnSetWhatsThisTexts(previous);

    for (const CCmnImportExportCSVFormatBasePanel *panel :
         {static_cast<CCmnImportExportCSVFormatBasePanel *>(page.Panel()),
          static_cast<CCmnImportExportCSVFormatBasePanel *>(exportPage.ChoicePanel())}) {
        for (const QWidget *widget :
             QList<const QWidget *>{panel->CheckBox(), panel->SeparatorEdit(), panel->QuoteEdit(),
                                    panel->DoubledRadio(), panel->EscapedRadio(), panel->CommentEdit(),
                                    panel->HeaderCheckBox(), panel->StripSpacesCheckBox()}) {
            if (widget)
                QVERIFY2(!widget->whatsThis().isEmpty(), qPrintable(panel->HelpPage()));
        }
    }
    QVERIFY(page.Panel()->ExplanationLabel()->text().startsWith("<p>Orvanta has deduced the column formatting"));
}

QTEST_MAIN(TestCmnImportCSVFormatPage)
#include "tst_cmnimportcsvformatpage.moc"
