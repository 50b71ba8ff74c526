#include "bioautomaticorcustomimportcolspage.h"
#include "bioimportcols.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmnframework.h"
#include "cmnkeyeventeater.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnpushbutton.h"
#include "cmntablewidget.h"
#include "cmnwhatsthistexts.h"
#include "rendertesting.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "usertexts.h"

#include <QTest>

namespace {

// A page over a choice, header texts and sample rows of its own, as the wizard drives it.
struct CColumnsPage
{
    CColumnsPage(const QStringList &headers, const QList<QStringList> &rows)
        : m_Headers(headers), m_Rows(rows), m_Page(&m_Choice, &m_Headers, &m_Rows)
    {
    }

    CBioAutomaticOrCustomImportColsPanel *Panel() const { return m_Page.ChoicePanel(); }
    CCmnTableWidget *Table() const { return Panel()->Table(); }
    bool Exchange(bool save)
    {
        CCmnDataExchange context(save);
        return m_Page.DataExchange(&context);
    }
    void Customize()
    {
        if (!Panel()->CheckBox()->isChecked())
            Panel()->CheckBox()->click();
    }
    // Chooses a field for a column through its editor, as the user does.
    void ChooseField(int column, qint32 field)
    {
        auto *combo = qobject_cast<QComboBox *>(Table()->cellWidget(0, column));
        QVERIFY(combo);
        combo->setCurrentIndex(combo->findData(field));
        emit combo->activated(combo->currentIndex());
    }
    QString Text(int row, int column) const
    {
        const QTableWidgetItem *item = Table()->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    QStringList RowLabels() const
    {
        QStringList labels;
        for (int row = 0; row < Table()->rowCount(); ++row)
            labels.append(Table()->verticalHeaderItem(row)->text());
        return labels;
    }
    QList<qint32> Fields() const
    {
        QList<qint32> fields;
        for (int column = 0; column < Table()->columnCount(); ++column)
            fields.append(Panel()->FieldAt(column));
        return fields;
    }

    CBioAutomaticOrCustomImportCols m_Choice;
    QStringList m_Headers;
    QList<QStringList> m_Rows;
    CBioAutomaticOrCustomImportColsPage m_Page;
};

const QStringList kHeaders{"ID", "Name", "Sire", "Dam", "Smith & Jones <UK>"};

QList<QStringList> Rows(int count)
{
    QList<QStringList> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({QString::number(i), QStringLiteral("Rex %1").arg(i), "", "", "Smith & Jones <UK>"});
    return rows;
}

} // namespace

class TestBioAutomaticOrCustomImportColsPage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsTheDeductionReadOnly();
    void previewRows_data();
    void previewRows();
    void fieldChoiceAdjustsTypeAndLabel();
    void buttonsAddDeleteAndMove();
    void savesTheCustomSet();
    void givesBackARememberedSetUnchanged();
    void refusesAnInvalidSet_data();
    void refusesAnInvalidSet();
    void clearingCustomizeKeepsTheColumns();
    void labelEditTakesTheReturnKey();
    void controlsHaveHelp();
    void rendersUserNames();

private:
    CTestSettingsScope m_Settings;
};

void TestBioAutomaticOrCustomImportColsPage::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
}

void TestBioAutomaticOrCustomImportColsPage::init()
{
    BioInitTermEditableTable();
    BioCreateTerminology();
    CBioTerminologySettings dogs;
    dogs.ApplySpeciesDefaults(BioSpeciesDogs);
    BioSetTerminology(dogs);
}

void TestBioAutomaticOrCustomImportColsPage::cleanup()
{
    BioDestroyTerminology();
}

void TestBioAutomaticOrCustomImportColsPage::showsTheDeductionReadOnly()
{
    CColumnsPage page(kHeaders, Rows(3));
    QVERIFY(page.Exchange(false));
    QCOMPARE(page.m_Page.title(), QStringLiteral("Columns"));
    QCOMPARE(page.Fields(), (QList<qint32>{BioImportFieldId, BioImportFieldName, BioImportFieldSireId,
                                           BioImportFieldDamId, BioImportFieldUser}));
    QCOMPARE(page.Text(0, 0), QStringLiteral("Dog ID"));
    QCOMPARE(page.Text(2, 4), QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(page.Table()->horizontalHeaderItem(4)->text(), QStringLiteral("Col 5"));
    QVERIFY(!page.Table()->isEnabled());
    QVERIFY(!page.Panel()->AddButton()->isEnabled());
    QVERIFY(!page.Panel()->NullIdEdit()->isEnabled());
    const CBioImportCols custom = page.m_Choice.m_Custom;
    QVERIFY(page.Exchange(true));
    QVERIFY(page.m_Choice.m_Automatic);
    QCOMPARE(page.m_Choice.m_Custom, custom);
    // The custom set follows the deduction: ticking Customize shows the same, editable.
    page.Customize();
    QCOMPARE(page.Fields().size(), 5);
    QVERIFY(page.Table()->isEnabled());
    QVERIFY(page.Panel()->AddButton()->isEnabled());
}

void TestBioAutomaticOrCustomImportColsPage::previewRows_data()
{
    QTest::addColumn<bool>("header");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("dataRows");
    QTest::addColumn<QString>("last");
    QTest::newRow("twelve rows") << true << 12 << 11 << "...";
    QTest::newRow("ten rows") << true << 10 << 10 << "10";
    QTest::newRow("no header") << false << 2 << 2 << "2";
}

void TestBioAutomaticOrCustomImportColsPage::previewRows()
{
    QFETCH(bool, header);
    QFETCH(int, rows);
    QFETCH(int, dataRows);
    QFETCH(QString, last);
    CColumnsPage page(header ? kHeaders : QStringList(), Rows(rows));
    QVERIFY(page.Exchange(false));
    QStringList labels{"Field", "Type", "Label"};
    if (header)
        labels.append("Input Header");
    for (int i = 0; i < dataRows; ++i)
        labels.append("Input Data");
    QCOMPARE(page.RowLabels(), labels);
    const int lastRow = page.Table()->rowCount() - 1;
    QCOMPARE(page.Text(lastRow, 0), last);
    QCOMPARE(page.Table()->item(lastRow, 0)->foreground().color(), QColor(Qt::blue));
    if (header)
        QCOMPARE(page.Text(3, 1), QStringLiteral("Name"));
    else
        QCOMPARE(page.Text(3, 1), QStringLiteral("Rex 1"));
}

void TestBioAutomaticOrCustomImportColsPage::fieldChoiceAdjustsTypeAndLabel()
{
    CColumnsPage page(kHeaders, Rows(3));
    QVERIFY(page.Exchange(false));
    page.Customize();
    page.ChooseField(4, BioImportFieldDateOfBirth);
    QCOMPARE(page.Panel()->TypeAt(4), qint32(BioImportTypeDate));
    QCOMPARE(page.Text(1, 4), QStringLiteral("Date"));
    QCOMPARE(page.Table()->cellWidget(1, 4), nullptr);
    QCOMPARE(page.Text(2, 4), QStringLiteral("N/A"));
    QVERIFY(!(page.Table()->item(2, 4)->flags() & Qt::ItemIsEditable));

    page.ChooseField(4, BioImportFieldUser);
    QCOMPARE(page.Panel()->TypeAt(4), qint32(BioImportTypeDate));
    QVERIFY(page.Table()->cellWidget(1, 4));
    QCOMPARE(page.Text(2, 4), QStringLiteral("N/A"));
    QVERIFY(page.Table()->item(2, 4)->flags() & Qt::ItemIsEditable);
}

void TestBioAutomaticOrCustomImportColsPage::buttonsAddDeleteAndMove()
{
    CColumnsPage page({}, {{"1", "Rex"}});
    QVERIFY(page.Exchange(false));
    page.Customize();
    CBioAutomaticOrCustomImportColsPanel *panel = page.Panel();
    const int n = page.Table()->columnCount();
    QVERIFY(n > 1);
    QCOMPARE(panel->CurrentColumn(), 0);
    QVERIFY(!panel->LeftButton()->isEnabled());
    QVERIFY(panel->RightButton()->isEnabled());
    page.Table()->selectColumn(n - 1);
    QVERIFY(!panel->RightButton()->isEnabled());

    panel->AddButton()->click();
    QCOMPARE(page.Table()->columnCount(), n + 1);
    QCOMPARE(panel->CurrentColumn(), n);
    QCOMPARE(panel->ReadColumn(n), (CBioImportCol{BioImportFieldUser, BioImportTypeText, "New Column"}));
    QCOMPARE(page.Table()->horizontalHeaderItem(n)->text(), QStringLiteral("Col %1").arg(n + 1));
    QVERIFY(!panel->RightButton()->isEnabled());

    panel->LeftButton()->click();
    QCOMPARE(panel->CurrentColumn(), n - 1);
    QCOMPARE(panel->ReadColumn(n - 1).m_Label, QStringLiteral("New Column"));
    // The preview stays with the file's columns.
    QCOMPARE(page.Text(3, 1), QStringLiteral("Rex"));
    panel->RightButton()->click();
    QCOMPARE(panel->CurrentColumn(), n);
    QCOMPARE(panel->ReadColumn(n).m_Label, QStringLiteral("New Column"));

    panel->DeleteButton()->click();
    QCOMPARE(panel->CurrentColumn(), n - 1);
    while (page.Table()->columnCount() > 0)
        panel->DeleteButton()->click();
    QCOMPARE(panel->CurrentColumn(), -1);
    QVERIFY(!panel->DeleteButton()->isEnabled());
    QVERIFY(!panel->LeftButton()->isEnabled());
    QVERIFY(!panel->RightButton()->isEnabled());
    panel->AddButton()->click();
    QCOMPARE(page.Table()->columnCount(), 1);
    QCOMPARE(panel->CurrentColumn(), 0);
}

void TestBioAutomaticOrCustomImportColsPage::savesTheCustomSet()
{
    CColumnsPage page(kHeaders, Rows(3));
    QVERIFY(page.Exchange(false));
    page.Customize();
    page.ChooseField(1, BioImportFieldTitle);
    page.Panel()->NullIdEdit()->setText("  -1 ");
    page.Panel()->MaleWordsEdit()->setText("D,M,");
    page.Panel()->CaseSensitiveCheckBox()->click();
    page.Panel()->LineNumberCheckBox()->click();
    QVERIFY(page.Exchange(true));
    QVERIFY(!page.m_Choice.m_Automatic);
    const CBioImportCols &custom = page.m_Choice.m_Custom;
    QCOMPARE(custom.m_Cols.at(1), (CBioImportCol{BioImportFieldTitle, BioImportTypeText, "N/A"}));
    QCOMPARE(custom.m_Cols.at(4).m_Label, QStringLiteral("Smith & Jones <UK>"));
    QCOMPARE(custom.m_NullId, QStringLiteral("-1"));
    QCOMPARE(custom.m_MaleWords, QStringLiteral("D,M,"));
    QVERIFY(custom.m_CaseSensitiveIds);
    QVERIFY(custom.m_CreateLineNumberField);
    QVERIFY(!custom.m_CreateIdField);
    QCOMPARE(custom.m_DateFormat, page.m_Choice.m_Deduced.m_DateFormat);
}

void TestBioAutomaticOrCustomImportColsPage::givesBackARememberedSetUnchanged()
{
    CColumnsPage page(kHeaders, Rows(3));
    CBioImportCols remembered;
    remembered.SetDefaults();
    (void)remembered.FromString("0;1:1,1,ID;2:2,1,;3:3,1,;4:12,4,Smith & Jones <UK>;5:13,2,;cs:1;nullid: 0 ;"
                                "male:Rüde,M,;female:;dateformat:yyyy.mm.dd");
    page.m_Choice.FixCustom(remembered);
    QVERIFY(page.Exchange(false));
    QVERIFY(page.Panel()->CheckBox()->isChecked());
    QVERIFY(page.Exchange(true));
    QCOMPARE(page.m_Choice.m_Custom.m_DateFormat, remembered.m_DateFormat);
    // Only a User Field column keeps its label; the others read "N/A" from the table.
    QList<CBioImportCol> expected = remembered.m_Cols;
    for (CBioImportCol &col : expected) {
        if (col.m_Field != BioImportFieldUser)
            col.m_Label = "N/A";
    }
    QCOMPARE(page.m_Choice.m_Custom.m_Cols, expected);
    QCOMPARE(page.m_Choice.m_Custom.m_MaleWords, remembered.m_MaleWords);
    QCOMPARE(page.m_Choice.m_Custom.m_CaseSensitiveIds, true);
}

void TestBioAutomaticOrCustomImportColsPage::refusesAnInvalidSet_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<qint32>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("two IDs") << 1 << qint32(BioImportFieldId)
                             << "The 'Dog ID' column appears more than once. You can only have one 'Dog ID' column.";
    QTest::newRow("no sire ID") << 2 << qint32(BioImportFieldIgnore)
                                << "There is no 'Sire ID' ID column. This column is required.";
}

void TestBioAutomaticOrCustomImportColsPage::refusesAnInvalidSet()
{
    QFETCH(int, column);
    QFETCH(qint32, field);
    QFETCH(QString, message);
    CTestMessageBoxScope boxes;
    CColumnsPage page(kHeaders, Rows(3));
    QVERIFY(page.Exchange(false));
    page.Customize();
    page.Panel()->NullIdEdit()->setText("-1");
    page.ChooseField(column, field);
    QVERIFY(!page.Exchange(true));
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(OrvShownRichText(boxes.Requests().first().m_Text), message);
    // The columns are kept, the options not.
    QCOMPARE(page.m_Choice.m_Custom.m_Cols.at(column).m_Field, field);
    QCOMPARE(page.m_Choice.m_Custom.m_NullId, QString());
    QVERIFY(page.m_Choice.m_Automatic);
}

void TestBioAutomaticOrCustomImportColsPage::clearingCustomizeKeepsTheColumns()
{
    CTestMessageBoxScope boxes;
    CColumnsPage page(kHeaders, Rows(3));
    QVERIFY(page.Exchange(false));
    page.Customize();
    page.ChooseField(4, BioImportFieldIgnore);
    page.Panel()->CheckBox()->click();
    QCOMPARE(boxes.Requests().size(), 0);
    QCOMPARE(page.Panel()->FieldAt(4), qint32(BioImportFieldUser));
    QCOMPARE(page.m_Choice.m_Custom.m_Cols.at(4).m_Field, qint32(BioImportFieldIgnore));
    page.Customize();
    QCOMPARE(page.Panel()->FieldAt(4), qint32(BioImportFieldIgnore));

    // An invalid table says why, and the deduced set shows all the same.
    page.ChooseField(0, BioImportFieldIgnore);
    page.Panel()->CheckBox()->click();
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY(!page.Panel()->CheckBox()->isChecked());
    QCOMPARE(page.Panel()->FieldAt(0), qint32(BioImportFieldId));
    QCOMPARE(page.m_Choice.m_Custom.m_Cols.at(0).m_Field, qint32(BioImportFieldIgnore));
}

void TestBioAutomaticOrCustomImportColsPage::labelEditTakesTheReturnKey()
{
    CColumnsPage page(kHeaders, Rows(3));
    QVERIFY(page.Exchange(false));
    page.Customize();
    page.m_Page.show();
    QTableWidgetItem *label = page.Table()->item(2, 4);
    page.Table()->editItem(label);
    auto *edit = page.Table()->findChild<CCmnLineEdit *>();
    QVERIFY(edit);
    QVERIFY(page.Panel()->ReturnEater()->IsEnabled());
    edit->setText("Breeder & Co");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(label->text(), QStringLiteral("Breeder & Co"));
    QTRY_VERIFY(!page.Panel()->ReturnEater()->IsEnabled());
    QCOMPARE(page.Panel()->ReadColumn(4).m_Label, QStringLiteral("Breeder & Co"));
}

void TestBioAutomaticOrCustomImportColsPage::controlsHaveHelp()
{
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CColumnsPage page(kHeaders, Rows(3));
    CmnSetWhatsThisTexts(previous);
    CBioAutomaticOrCustomImportColsPanel *panel = page.Panel();
    for (const QWidget *widget : QList<const QWidget *>{
             panel->CheckBox(), panel->Table(), panel->AddButton(), panel->DeleteButton(), panel->LeftButton(),
             panel->RightButton(), panel->CaseSensitiveCheckBox(), panel->NullIdEdit(), panel->IdFieldCheckBox(),
             panel->MaleWordsEdit(), panel->FemaleWordsEdit(), panel->DateFormatComboBox(),
             panel->LineNumberCheckBox()})
        QVERIFY2(!widget->whatsThis().isEmpty(), qPrintable(widget->objectName()));
    QVERIFY(page.m_Page.HasHelp());
    QCOMPARE(panel->ExplanationLabel()->text(),
             QStringLiteral("<p>Orvanta has deduced the input columns as shown below. If you need to make changes, "
                            "click <b>Customize</b>. Note the input columns must match the structure of your import "
                            "file.</p>"));
}

void TestBioAutomaticOrCustomImportColsPage::rendersUserNames()
{
    QList<QStringList> rows = Rows(12);
    rows[0][1] = "A very long kennel name that goes on and on, Smith & Jones <UK> Champion";
    CColumnsPage page(kHeaders, rows);
    QVERIFY(page.Exchange(false));
    page.Customize();
    QVERIFY(OrvRenderForReview(page.m_Page, QSize(900, 560), "bioimportcolspage.png"));
    QCOMPARE(page.Text(2, 4), QStringLiteral("Smith & Jones <UK>"));
}

QTEST_MAIN(TestBioAutomaticOrCustomImportColsPage)
#include "tst_bioautomaticorcustomimportcolspage.moc"
