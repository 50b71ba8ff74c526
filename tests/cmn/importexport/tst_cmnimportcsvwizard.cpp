#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmnfilehiddensettings.h"
#include "cmnframework.h"
#include "cmnimportcsvformatpage.h"
#include "cmnimportcsvwizard.h"
#include "cmnimporttextencodingpage.h"
#include "cmnlineedit.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"

#include <QAbstractButton>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray kSample("ID;Name;Owner\r\n1;Rex;Smith & Jones <UK>\r\n2;M\xFCller;Brandt\r\n");

// Runs the wizard as the user would with Next and Finish, without a modal loop,
// between the per-file memory's load and store; the run's result.
int RunThrough(CCmnImportCSVWizard &wizard, const std::function<void()> &onFormatPage = {})
{
    wizard.LoadFileSettings();
    wizard.Prepare();
    wizard.next();
    if (onFormatPage)
        onFormatPage();
    wizard.button(QWizard::FinishButton)->click();
    wizard.Conclude(wizard.result());
    if (wizard.result() == QDialog::Accepted)
        wizard.StoreFileSettings();
    return wizard.result();
}

} // namespace

class TestCmnImportCSVWizard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void deducesPageByPage();
    void remembersCustomChoicesPerFile();
    void appliesTheParameterFile_data();
    void appliesTheParameterFile();
    void parameterBeatsMemory();
    void encodingChangeReachesFormatPage();

private:
    CTestSettingsScope m_Settings;
    QTemporaryDir m_Folder;
};

void TestCmnImportCSVWizard::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    descriptor.m_ShortName = QStringLiteral("ORV");
    descriptor.m_ShortNameLower = QStringLiteral("orv");
    CmnInitFramework(descriptor);
}

void TestCmnImportCSVWizard::init()
{
    CmnCreateFileHiddenSettings();
}

void TestCmnImportCSVWizard::cleanup()
{
    CmnDestroyFileHiddenSettings();
}

void TestCmnImportCSVWizard::deducesPageByPage()
{
    CCmnImportCSVWizard wizard(m_Folder.filePath("herd.csv"), 0, 0x1C);
    wizard.SetSampleBytes(kSample);
    QCOMPARE(wizard.windowTitle(), QStringLiteral("Import CSV"));
    QCOMPARE(RunThrough(wizard, [&wizard] {
                 // Nothing deduces a semicolon: the user says so.
                 QCOMPARE(wizard.CsvFormat().m_Deduced.Separator(), QChar(u','));
                 wizard.FormatPage()->ChoicePanel()->CheckBox()->click();
                 wizard.FormatPage()->ChoicePanel()->SeparatorEdit()->setText(";");
             }),
             int(QDialog::Accepted));
    QCOMPARE(wizard.TextEncoding().Effective().ToText(), QStringLiteral("LOCALE,CRLF,0"));
    QCOMPARE(wizard.PreviewLines().size(), 3);
    QCOMPARE(wizard.HeaderNames(), (QStringList{"ID", "Name", "Owner"}));
    QCOMPARE(wizard.PreviewRows().value(0), (QStringList{"1", "Rex", "Smith & Jones <UK>"}));
    QCOMPARE(wizard.PreviewRows().value(1), (QStringList{"2", u"M\uFFFDller"_qs, "Brandt"}));
}

void TestCmnImportCSVWizard::remembersCustomChoicesPerFile()
{
    const QString path = m_Folder.filePath("herd.csv");
    {
        CCmnImportCSVWizard wizard(path, 0, 0x1C);
        wizard.SetSampleBytes(kSample);
        QCOMPARE(RunThrough(wizard, [&wizard] {
                     wizard.FormatPage()->ChoicePanel()->CheckBox()->click();
                     wizard.FormatPage()->ChoicePanel()->SeparatorEdit()->setText(";");
                 }),
                 int(QDialog::Accepted));
    }
    const CCmnFileHiddenSettings *memory = CmnGetFileHiddenSettings();
    QCOMPARE(memory->Value(path, "csvformat").toString(), QStringLiteral("none,1,;,#,1,1"));
    QVERIFY(!memory->Value(path, "textencoding").isValid());
    QVERIFY(!memory->Value(m_Folder.filePath("./herd.csv"), "csvformat").isValid());

    CCmnImportCSVWizard again(path, 0, 0x1C);
    again.SetSampleBytes(kSample);
    QCOMPARE(RunThrough(again, [&again] {
                 QVERIFY(again.FormatPage()->ChoicePanel()->CheckBox()->isChecked());
                 QCOMPARE(again.FormatPage()->ChoicePanel()->SeparatorEdit()->text(), QStringLiteral(";"));
                 // Back to automatic: what is remembered stays.
                 again.FormatPage()->ChoicePanel()->CheckBox()->click();
             }),
             int(QDialog::Accepted));
    QCOMPARE(again.PreviewRows().value(0), (QStringList{"1;Rex;Smith & Jones <UK>"}));
    QCOMPARE(memory->Value(path, "csvformat").toString(), QStringLiteral("none,1,;,#,1,1"));
}

void TestCmnImportCSVWizard::appliesTheParameterFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("showWizard");
    QTest::addColumn<QString>("encoding");  // the effective encoding
    QTest::addColumn<QString>("format");    // the effective format

    const QString defaultEncoding = QStringLiteral("LOCALE,LOCALE,1");
    const QString defaultFormat = QStringLiteral("none,1,tab,#,1,1");
    QTest::newRow("only showwizard 0") << QByteArray("showwizard:0\n") << false << defaultEncoding << defaultFormat;
    QTest::newRow("continued encoding")
        << QByteArray("# textencoding:UTF-8,LF,1\r\nshowwizard:0\r\ntextencoding:Windows-1252,CRLF\r\n+,0\r\n"
                      "csvformat:none,1,;,#,1,1\r\n")
        << false << "Windows-1252,CRLF,0" << "none,1,;,#,1,1";
    QTest::newRow("continuation makes four items")
        << QByteArray("textencoding:UTF-8,LF,1\n+,x\n") << true << defaultEncoding << defaultFormat;
    QTest::newRow("commented out") << QByteArray("#textencoding:UTF-8,LF,1\n#showwizard:0\n") << true
                                   << defaultEncoding << defaultFormat;
    QTest::newRow("binary") << QByteArrayLiteral("\x00\xFF\xFEshowwizard:0\x00\ncsvformat:\x01\n") << true
                            << defaultEncoding << defaultFormat;
}

void TestCmnImportCSVWizard::appliesTheParameterFile()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, showWizard);
    QFETCH(QString, encoding);
    QFETCH(QString, format);
    QFile parameters(m_Folder.filePath("dogs-orv.txt"));
    QVERIFY(parameters.open(QIODevice::WriteOnly));
    QCOMPARE(parameters.write(file), qint64(file.size()));
    parameters.close();

    CCmnImportCSVWizard wizard(m_Folder.filePath("dogs.csv"), 0, 0x1C);
    wizard.LoadTextFile(m_Folder.filePath("dogs.csv"));
    QCOMPARE(wizard.ShowWizard(), showWizard);
    QCOMPARE(wizard.TextEncoding().Effective().ToText(), encoding);
    QCOMPARE(wizard.CsvFormat().Effective().ToText(), format);
}

void TestCmnImportCSVWizard::parameterBeatsMemory()
{
    const QString path = m_Folder.filePath("dogs.csv");
    CmnGetFileHiddenSettings()->SetValue(path, "csvformat", "\",0,comma,#,1,1");
    CmnGetFileHiddenSettings()->SetValue(path, "textencoding", "UTF-8,LF,1");
    QFile parameters(m_Folder.filePath("dogs-orv.txt"));
    QVERIFY(parameters.open(QIODevice::WriteOnly));
    parameters.write("csvformat:none,1,;,#,1,1\n");
    parameters.close();

    CCmnImportCSVWizard wizard(path, 0, 0x1C);
    wizard.LoadTextFile(path);
    wizard.LoadFileSettings();
    QCOMPARE(wizard.CsvFormat().Effective().ToText(), QStringLiteral("none,1,;,#,1,1"));
    QCOMPARE(wizard.TextEncoding().Effective().ToText(), QStringLiteral("UTF-8,LF,1"));
    QVERIFY(!wizard.TextEncoding().m_Follow);
}

void TestCmnImportCSVWizard::encodingChangeReachesFormatPage()
{
    CCmnImportCSVWizard wizard(m_Folder.filePath("herd.txt"), 0, 0x1C);
    wizard.SetSampleBytes("ID\tName\tSire\n1\tRex\t0\n");
    wizard.Prepare();
    wizard.next();
    QCOMPARE(wizard.CsvFormat().m_Deduced.Separator(), QChar(u'\t'));

    wizard.back();
    CCmnImportTextEncodingPanel *encoding = wizard.EncodingPage()->ChoicePanel();
    encoding->CheckBox()->click();
    encoding->CodecComboBox()->setCurrentIndex(encoding->CodecComboBox()->findData("UTF-16LE"));
    wizard.next();
    QCOMPARE(wizard.currentPage(), wizard.FormatPage());
    QVERIFY(!wizard.PreviewLines().join(QString()).contains(u'\t'));
    QCOMPARE(wizard.CsvFormat().m_Deduced.Separator(), QChar(u','));
}

QTEST_MAIN(TestCmnImportCSVWizard)
#include "tst_cmnimportcsvwizard.moc"
