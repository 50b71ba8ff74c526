#include "bioautomaticorcustomimportcolspage.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "biotextfileimport.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmnfilehiddensettings.h"
#include "cmnframework.h"
#include "cmnimportcsvformatpage.h"
#include "cmnimportcsvwizard.h"
#include "cmnlineedit.h"
#include "cmnprogress.h"
#include "cmnregfieldcontextmask.h"
#include "cmnregfieldssettings.h"
#include "cmntablewidget.h"
#include "testdialogrunnerscope.h"
#include "testsettingsscope.h"

#include <QAbstractButton>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A club's list of dogs from a spreadsheet saved on Windows: semicolons, cp1252.
const QByteArray kDogs("ID;Name;Sire;Dam;Owner\r\n1;Rex;;;Smith & Jones <UK>\r\n2;M\xFCller;1;;Brandt\r\n"
                       "3;Bella;1;2;\r\n");

// Cancels once the scanning has begun.
class CCancellingProgress : public CCmnProgress
{
public:
    void NextPhase(const QString &text) override { m_Phases.append(text); }
    void SetMaximum(int) override {}
    void SetProgress(int) override {}
    bool WasCanceled() const override { return true; }

    QStringList m_Phases;
};

struct CRun
{
    QString m_Result;
    QStringList m_Messages;
    bool m_CustomizeTicked = false;
};

// The wizard as the user goes through it: Next to the "Columns" page, the
// page's own change, then Finish; or Cancel on the first page.
CRun Run(CBioReg &reg, const QString &path, bool finish, const std::function<void(CCmnImportCSVWizard &, CBioAutomaticOrCustomImportColsPanel *)> &onColumns,
         CCmnProgress *progress = nullptr)
{
    CRun run;
    CTestDialogRunnerScope dialogs([&](QDialog &dialog) {
        auto &wizard = static_cast<CCmnImportCSVWizard &>(dialog);
        if (!finish)
            return int(QDialog::Rejected);
        wizard.next();
        wizard.next();
        auto *page = dynamic_cast<CBioAutomaticOrCustomImportColsPage *>(wizard.currentPage());
        if (!page)
            return int(QDialog::Rejected);
        run.m_CustomizeTicked = page->ChoicePanel()->CheckBox()->isChecked();
        if (onColumns)
            onColumns(wizard, page->ChoicePanel());
        wizard.button(QWizard::FinishButton)->click();
        return wizard.result();
    });
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot open the test file");
    CCmnRegFieldsSettings settings;
    QString warning;
    run.m_Result = BioImportTextFile(reg, settings, progress, warning, run.m_Messages, path, &file,
                                     CCmnRegFieldContextMask(), nullptr);
    return run;
}

QStringList Names(const CBioReg &reg)
{
    QStringList names;
    QVector<int> ids = reg.GetRecordIds();
    std::sort(ids.begin(), ids.end());
    for (const int id : ids)
        names.append(reg.GetBioRecord(id)->m_Name);
    return names;
}

} // namespace

class TestBioTextFileImport : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void importsAndRemembersTheCustomColumns();
    void hiddenWizardImportsWithTheRememberedColumns();
    void returningToTheFormatRebuildsTheColumns();
    void returnEndsALabelEditOnly();
    void cancelledImportRemembersNothing_data();
    void cancelledImportRemembersNothing();

private:
    QString WriteDogs();

    CTestSettingsScope m_Settings;
    QTemporaryDir m_Folder;
};

void TestBioTextFileImport::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    descriptor.m_ShortName = QStringLiteral("ORV");
    descriptor.m_ShortNameLower = QStringLiteral("orv");
    CmnInitFramework(descriptor);
}

void TestBioTextFileImport::init()
{
    CmnCreateFileHiddenSettings();
    BioInitTermEditableTable();
    BioCreateTerminology();
}

void TestBioTextFileImport::cleanup()
{
    BioDestroyTerminology();
    CmnDestroyFileHiddenSettings();
}

QString TestBioTextFileImport::WriteDogs()
{
    const QString path = m_Folder.filePath("dogs.csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(kDogs) != kDogs.size())
        qFatal("cannot write dogs.csv");
    // The user chose the encoding and the separator for this file before.
    CmnGetFileHiddenSettings()->SetValue(path, "textencoding", "Windows-1252,CRLF,1");
    CmnGetFileHiddenSettings()->SetValue(path, "csvformat", "\",0,;,#,1,1");
    return path;
}

void TestBioTextFileImport::importsAndRemembersTheCustomColumns()
{
    const QString path = WriteDogs();
    CBioReg reg{CCmnRegFieldsSettings()};
    const CRun first = Run(reg, path, true, [](CCmnImportCSVWizard &, CBioAutomaticOrCustomImportColsPanel *panel) {
        panel->CheckBox()->click();
        panel->Table()->item(2, 4)->setText("Breeder");
    });
    QCOMPARE(first.m_Result, QString());
    QVERIFY(!first.m_CustomizeTicked);
    QCOMPARE(Names(reg), (QStringList{"Rex", u"M\u00FCller"_qs, "Bella"}));
    QCOMPARE(reg.GetBioRecord(reg.GetRecordIds().at(2))->m_Sire, reg.GetRecordIds().at(0));
    const QString remembered = CmnGetFileHiddenSettings()->Value(path, "columns").toString();
    QVERIFY2(remembered.contains("Breeder"), qPrintable(remembered));

    CBioReg again{CCmnRegFieldsSettings()};
    const CRun second = Run(again, path, true, {});
    QCOMPARE(second.m_Result, QString());
    QVERIFY(second.m_CustomizeTicked);
    QCOMPARE(again.GetFieldsSettings().GetUserFields().m_Items.value(0).first, QStringLiteral("Breeder"));
}

void TestBioTextFileImport::hiddenWizardImportsWithTheRememberedColumns()
{
    const QString path = m_Folder.filePath("hidden.csv");
    QFile text(path);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(kDogs);
    text.close();
    CmnGetFileHiddenSettings()->SetValue(path, "textencoding", "Windows-1252,CRLF,1");
    CmnGetFileHiddenSettings()->SetValue(path, "csvformat", "\",0,;,#,1,1");
    CBioReg first{CCmnRegFieldsSettings()};
    QCOMPARE(Run(first, path, true, [](CCmnImportCSVWizard &, CBioAutomaticOrCustomImportColsPanel *panel) {
                 panel->CheckBox()->click();
                 panel->Table()->item(2, 4)->setText("Breeder");
             }).m_Result,
             QString());

    // The parameter file beside the data asks for no wizard: no page is shown,
    // and the columns are the ones the user set up last time.
    QFile parameters(m_Folder.filePath("hidden-orv.txt"));
    QVERIFY(parameters.open(QIODevice::WriteOnly));
    parameters.write("showwizard:0\n");
    parameters.close();
    int shown = 0;
    const CTestDialogRunnerScope dialogs([&shown](QDialog &) {
        ++shown;
        return int(QDialog::Rejected);
    });
    QVERIFY(text.open(QIODevice::ReadOnly));
    CBioReg again{CCmnRegFieldsSettings()};
    CCmnRegFieldsSettings settings;
    QString warning;
    QStringList messages;
    QCOMPARE(BioImportTextFile(again, settings, nullptr, warning, messages, path, &text, CCmnRegFieldContextMask(),
                               nullptr),
             QString());
    QCOMPARE(shown, 0);
    QCOMPARE(Names(again), (QStringList{"Rex", u"M\u00FCller"_qs, "Bella"}));
    QCOMPARE(settings.GetUserFields().m_Items.value(0).first, QStringLiteral("Breeder"));
}

void TestBioTextFileImport::returningToTheFormatRebuildsTheColumns()
{
    const QString path = m_Folder.filePath("semicolons.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(kDogs);
    file.close();
    CBioReg reg{CCmnRegFieldsSettings()};
    qsizetype before = -1;
    qsizetype after = -1;
    const CRun run = Run(reg, path, true, [&](CCmnImportCSVWizard &wizard, CBioAutomaticOrCustomImportColsPanel *panel) {
        // Nothing deduces a semicolon: each line is one column until the user says so.
        before = panel->Table()->columnCount();
        wizard.back();
        wizard.FormatPage()->ChoicePanel()->CheckBox()->click();
        wizard.FormatPage()->ChoicePanel()->SeparatorEdit()->setText(";");
        wizard.next();
        after = panel->Table()->columnCount();
    });
    QCOMPARE(run.m_Result, QString());
    QVERIFY(before != 5);
    QCOMPARE(after, 5);
    QCOMPARE(Names(reg).size(), 3);
}

void TestBioTextFileImport::returnEndsALabelEditOnly()
{
    const QString path = m_Folder.filePath("labels.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("ID,Name,Sire,Dam,Owner\n1,Rex,,,Smith & Jones <UK>\n");
    file.close();
    CBioReg reg{CCmnRegFieldsSettings()};
    bool stayed = false;
    const CRun run = Run(reg, path, true, [&](CCmnImportCSVWizard &wizard, CBioAutomaticOrCustomImportColsPanel *panel) {
        wizard.show();
        panel->CheckBox()->click();
        QTableWidgetItem *label = panel->Table()->item(2, 4);
        panel->Table()->editItem(label);
        auto *edit = panel->Table()->findChild<CCmnLineEdit *>();
        QVERIFY(edit);
        edit->setText("Breeder");
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_COMPARE(label->text(), QStringLiteral("Breeder"));
        stayed = wizard.isVisible() && wizard.result() == 0;
    });
    QVERIFY(stayed);
    QCOMPARE(run.m_Result, QString());
    QCOMPARE(reg.GetFieldsSettings().GetUserFields().m_Items.value(0).first, QStringLiteral("Breeder"));
}

void TestBioTextFileImport::cancelledImportRemembersNothing_data()
{
    QTest::addColumn<bool>("finishWizard");
    QTest::addColumn<QString>("result");
    QTest::newRow("wizard cancelled") << false << "!";
    QTest::newRow("scanning cancelled") << true << "Cancelled";
}

void TestBioTextFileImport::cancelledImportRemembersNothing()
{
    QFETCH(bool, finishWizard);
    QFETCH(QString, result);
    const QString path = m_Folder.filePath("herd.csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray herd("ID,Name,Sire,Dam\n");
    for (int id = 1; id <= 1200; ++id)
        herd += QByteArray::number(id) + ",Rex,,\n";
    file.write(herd);
    file.close();
    CBioReg reg{CCmnRegFieldsSettings()};
    CCancellingProgress progress;
    const CRun run = Run(reg, path, finishWizard, [](CCmnImportCSVWizard &, CBioAutomaticOrCustomImportColsPanel *panel) {
        panel->CheckBox()->click();
    }, &progress);
    QCOMPARE(run.m_Result, result);
    for (const char *key : {"columns", "textencoding", "csvformat"})
        QVERIFY2(!CmnGetFileHiddenSettings()->Value(path, key).isValid(), key);
    QCOMPARE(progress.m_Phases, finishWizard ? QStringList{"Scanning file..."} : QStringList());
}

QTEST_MAIN(TestBioTextFileImport)
#include "tst_biotextfileimport.moc"
