#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmndialogbuttonbox.h"
#include "cmndoublespinbox.h"
#include "cmnelidedlabel.h"
#include "cmnframework.h"
#include "cmngeometrykeeper.h"
#include "cmnlineedit.h"
#include "cmnradiobutton.h"
#include "cmnregfieldeditor.h"
#include "cmnregrecordeditablefieldstab.h"
#include "cmnregrecordedittabdialog.h"
#include "cmnregvaluekind.h"
#include "cmnspinbox.h"
#include "cmntabwidget.h"
#include "cmntextedit.h"
#include "cmnwhatsthistexts.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "../reg/regtesting.h"

#include <QBuffer>
#include <QDataStream>
#include <QGridLayout>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kBirth = -103;
enum EUserField {
    kNotes = 1, kColour, kCoat, kSound, kLitters, kWeight, kShare, kShown, kWhelped, kChampion, kEyes, kKennel,
    kGirth, kFertility,
};

// A register whose date of birth is a system field with its own wording.
class CFieldsReg : public CTestReg
{
public:
    QString GetSystemFieldLabel(int fieldId, bool) const override
    {
        return fieldId == kBirth ? QStringLiteral("Date of Birth") : QString();
    }
    QString GetSystemFieldInternalName(int fieldId) const override
    {
        return fieldId == kBirth ? QStringLiteral("DateofBirth") : QString();
    }
};

CCmnRegFieldDef Def(int type, quint32 flags)
{
    CCmnRegFieldDef def(type, flags);
    def.m_Choices = QStringList{QStringLiteral("Bay"), QStringLiteral("Black"), QStringLiteral("Grey")};
    return def;
}

// Every type of field, some with the options that change their editor; with
// `radios`, Colour and Shown also use radio buttons, beside Sound on one page.
CCmnRegFieldsSettings Settings(bool radios = false)
{
    CCmnRegFieldsSettings settings;
    settings.AddSystemField(CCmnRegField(kBirth, Def(CmnRegFieldDate, 0)));
    CCmnRegUserFieldSet fields;
    const auto add = [&fields](const QString &name, int id, const CCmnRegFieldDef &def) {
        fields.AddField(name, CCmnRegUserField(id, def));
    };
    add(QStringLiteral("Notes"), kNotes, Def(CmnRegFieldMultilineText, 0));
    CCmnRegFieldDef colour = Def(CmnRegFieldChoice, 0);
    if (radios)
        colour.m_ChoiceStyle = CmnRegChoiceRadio1;
    add(QStringLiteral("Colour"), kColour, colour);
    add(QStringLiteral("Coat"), kCoat, Def(CmnRegFieldChoice, CmnRegFieldChoiceTyped));
    add(QStringLiteral("Sound"), kSound, Def(CmnRegFieldBoolean, CmnRegFieldBoolRadio));
    add(QStringLiteral("Litters"), kLitters, Def(CmnRegFieldInteger, 0));
    add(QStringLiteral("Weight"), kWeight, Def(CmnRegFieldNumber, 0));
    add(QStringLiteral("Share"), kShare, Def(CmnRegFieldPercentage, 0));
    add(QStringLiteral("Shown"), kShown, Def(CmnRegFieldBoolean, radios ? quint32(CmnRegFieldBoolRadio) : 0u));
    add(QStringLiteral("Whelped"), kWhelped, Def(CmnRegFieldInteger, CmnRegFieldIntSpin));
    add(QStringLiteral("Smith & Jones <UK>"), kChampion, Def(CmnRegFieldText, 0));
    add(QStringLiteral("Eyes"), kEyes, Def(CmnRegFieldChoice, CmnRegFieldRequired));
    add(QStringLiteral("Kennel"), kKennel, Def(CmnRegFieldText, CmnRegFieldRequired));
    add(QStringLiteral("Girth"), kGirth, Def(CmnRegFieldNumber, CmnRegFieldNumberSpin));
    add(QStringLiteral("Fertility"), kFertility, Def(CmnRegFieldPercentage, CmnRegFieldPercentSpin));
    settings.SetUserFields(fields);
    QList<CCmnRegRecordDetailsLayoutItem> layout{
        {kBirth, false, {}}, {kChampion, false, {}}, {kColour, false, {}}, {kCoat, false, {}},
        {kSound, true, {}}, {kShown, false, {}}, {kLitters, false, {}}, {kWhelped, false, {}},
        {kWeight, false, QStringLiteral("Health & Care")}, {kShare, false, {}}, {kGirth, false, {}},
        {kFertility, false, {}}, {kNotes, true, {}},
        {kEyes, false, QStringLiteral("details")}, {kKennel, false, {}},
    };
    settings.SetRecordDetailsLayout(false, layout);
    return settings;
}

QByteArray ValueBytes(const CCmnRegRecord &record)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_6);
    for (const CCmnRegStoredValue &stored : record.GetValues())
        out << stored.m_FieldId << stored.m_Value;
    return bytes;
}

// The record window over one record of the register, prepared as Exec would.
struct CDialogFixture
{
    explicit CDialogFixture(bool radios = false)
    {
        reg.AddIdField();
        reg.SetFieldsSettings(Settings(radios), false);
        recordId = reg.Add(QStringLiteral("Bella"));
        reg.Record(recordId)->SetValue(kKennel, CmnRegValueText, QStringLiteral("Smith & Jones <UK>"));
        reg.Record(recordId)->SetValue(kEyes, CmnRegValueText, QStringLiteral("Bay"));
        record = reg.Record(recordId)->Clone();
    }
    void Open()
    {
        dialog.reset(new CCmnRegRecordEditTabDialog(CCmnGeometryKeeper(), &reg));
        dialog->m_RecordId = recordId;
        dialog->SetMoreInformation({}, moreInformation);
        dialog->CreatePages(QStringLiteral("General"), {QStringLiteral("Details")}, record.data());
        dialog->Prepare();
    }
    const CCmnRegFieldWidgets &Row(int fieldId) const
    {
        for (int i = 0; i < dialog->TabWidget()->count(); ++i) {
            const auto *tab = qobject_cast<CCmnRegRecordEditableFieldsTab *>(dialog->TabWidget()->widget(i));
            for (const CCmnRegFieldEditItem &item : tab->m_Items) {
                if (item.m_FieldId == fieldId)
                    return item.m_Widgets;
            }
        }
        static const CCmnRegFieldWidgets none;
        return none;
    }
    bool Save() { return dialog->ExchangeAllTabs(true); }
    QVariant Value(int fieldId, int kind) const { return record->GetValue(fieldId, kind); }

    CTestSettingsScope settings;
    CFieldsReg reg;
    int recordId = 0;
    QSharedPointer<CTestRecord> record;
    std::unique_ptr<CCmnRegRecordEditTabDialog> dialog;
    QString moreInformation;
};

} // namespace

class TestCmnRegRecordEditTabDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pagesFollowTheLayoutWithFolding();
    void identityFieldShowsReadOnly();
    void radioChoicesFillColumnByColumn_data();
    void radioChoicesFillColumnByColumn();
    void multilineRowSpanFollowsItsLines();
    void textFieldPrefersItsPrivateList();
    void userTypedLabelsKeepTheirAmpersand();
    void exchangeRoundTrips_data();
    void exchangeRoundTrips();
    void dateBoxRoundTrips();
    void thirdBooleanRadioRemovesTheValue();
    void emptiedBoxRemovesTheValue_data();
    void emptiedBoxRemovesTheValue();
    void openThenOkChangesNothing();
    void radioFieldsOnOnePageStayApart();
    void refusedRequiredFieldKeepsTheDialogOpen();
    void editableChoiceKeepsAnUnlistedValue();
    void unlistedChoiceShowsNotGivenOrNothing();
    void editorsCarryWhatsThisTexts();
    void moreInformationShowsItsHelpText();
    void rendersUserNames();
};

void TestCmnRegRecordEditTabDialog::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnLoadWhatsThisTexts();
}

void TestCmnRegRecordEditTabDialog::pagesFollowTheLayoutWithFolding()
{
    CDialogFixture fixture;
    fixture.Open();
    CCmnTabWidget *tabs = fixture.dialog->TabWidget();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(0), QStringLiteral("General"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Health && Care"));
    const auto *general = qobject_cast<CCmnRegRecordEditableFieldsTab *>(tabs->widget(0));
    QList<int> ids;
    for (const CCmnRegFieldEditItem &item : general->m_Items)
        ids.append(item.m_FieldId);
    // The folded "details" page joins the first page.
    QCOMPARE(ids, (QList<int>{kBirth, kChampion, kColour, kCoat, kSound, kShown, kLitters, kWhelped, kEyes, kKennel}));
    QCOMPARE(general->m_ColumnRows.at(4).m_ColumnStart, true);
    QCOMPARE(general->m_ColumnRows.at(3).m_ColumnStart, false);
}

void TestCmnRegRecordEditTabDialog::identityFieldShowsReadOnly()
{
    CDialogFixture fixture;
    QWidget parent;
    CCmnRegRecordFieldsTabOrDialogMixin mixin;
    mixin.CreateFieldEditors(CCmnRegRecordFieldsTabOrDialogMixin::HelpNames, &fixture.reg, {-1, kChampion}, {},
                             &parent);
    const CCmnRegFieldWidgets &row = mixin.m_Items.first().m_Widgets;
    QVERIFY(row.m_ReadOnly);
    QVERIFY(row.m_ReadOnlyLabel);
    QCOMPARE(row.m_HelpName, QStringLiteral("ID"));
    QVERIFY(mixin.m_Items.last().m_Widgets.m_LineEdit);
    CCmnDataExchange load(false);
    QVERIFY(mixin.ExchangeValues(load, fixture.recordId, fixture.record.data()));
    QCOMPARE(row.m_ReadOnlyLabel->Text(), QString::number(fixture.recordId));
    // A save leaves the record's identity alone.
    const QByteArray before = ValueBytes(*fixture.record);
    CCmnDataExchange save(true);
    QVERIFY(mixin.ExchangeValues(save, fixture.recordId, fixture.record.data()));
    QCOMPARE(ValueBytes(*fixture.record), before);
}

void TestCmnRegRecordEditTabDialog::radioChoicesFillColumnByColumn_data()
{
    QTest::addColumn<int>("choices");
    QTest::addColumn<int>("style");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<int>("rowSpan");
    QTest::addColumn<QPoint>("lastButtonCell");   // (column, row)
    QTest::newRow("7 in 3 columns") << 7 << 3 << quint32(CmnRegFieldRequired) << 3 << QPoint(2, 0);
    QTest::newRow("7 in 3 columns, Not Given") << 7 << 3 << quint32(0) << 3 << QPoint(2, 1);
    QTest::newRow("6 in 3 columns, Not Given alone") << 6 << 3 << quint32(0) << 2 << QPoint(3, 0);
    QTest::newRow("5 in 2 columns") << 5 << 2 << quint32(CmnRegFieldRequired) << 3 << QPoint(1, 1);
    QTest::newRow("style 9 as 2 columns") << 4 << 9 << quint32(CmnRegFieldRequired) << 2 << QPoint(1, 1);
    QTest::newRow("one column") << 3 << 1 << quint32(0) << 4 << QPoint(-1, -1);
}

void TestCmnRegRecordEditTabDialog::radioChoicesFillColumnByColumn()
{
    QFETCH(int, choices);
    QFETCH(int, style);
    QFETCH(quint32, flags);
    CCmnRegFieldDef def(CmnRegFieldChoice, flags);
    for (int i = 0; i < choices; ++i)
        def.m_Choices.append(QStringLiteral("Choice %1").arg(i));
    def.m_ChoiceStyle = style;
    QWidget parent;
    CCmnRegFieldWidgets row;
    CmnRegCreateFieldEditor(def, row, true, QStringLiteral("Colour"), {}, nullptr, nullptr, &parent);
    QTEST(row.m_RowSpan, "rowSpan");
    const bool required = flags & CmnRegFieldRequired;
    QCOMPARE(row.m_RadioButtons.size(), choices + (required ? 0 : 1));
    if (!required)
        QCOMPARE(row.m_RadioButtons.last()->text(), QStringLiteral("Not Given"));
    int gridRow = -1;
    int gridColumn = -1;
    if (auto *grid = qobject_cast<QGridLayout *>(row.m_EditorLayout)) {
        int rowSpan = 0;
        int columnSpan = 0;
        grid->getItemPosition(grid->indexOf(row.m_RadioButtons.last()), &gridRow, &gridColumn, &rowSpan, &columnSpan);
        QCOMPARE(grid->rowStretch(row.m_RowSpan), 1000);
    }
    QTEST(QPoint(gridColumn, gridRow), "lastButtonCell");
    delete row.m_EditorLayout;
}

void TestCmnRegRecordEditTabDialog::multilineRowSpanFollowsItsLines()
{
    CCmnRegFieldDef def(CmnRegFieldMultilineText, CmnRegFieldMultilineLabelAbove);
    def.m_MultilineLines = 30;
    QWidget parent;
    CCmnRegFieldWidgets row;
    CmnRegCreateFieldEditor(def, row, true, QStringLiteral("Notes"), {}, nullptr, nullptr, &parent);
    QCOMPARE(row.m_RowSpan, 24);
    QVERIFY(row.m_LabelAbove);
    // Room for 20 lines and the frame, not for 30.
    const int lineSpacing = QFontMetrics(row.m_TextEdit->font()).lineSpacing();
    QVERIFY(row.m_TextEdit->minimumHeight() >= 20 * lineSpacing);
    QVERIFY(row.m_TextEdit->minimumHeight() <= 21 * lineSpacing);

    CCmnRegFieldWidgets readOnly;
    CmnRegCreateFieldEditor(def, readOnly, false, QStringLiteral("Notes"), {}, nullptr, nullptr, &parent);
    QVERIFY(readOnly.m_ReadOnlyLabel);
    QCOMPARE(readOnly.m_RowSpan, 1);
}

void TestCmnRegRecordEditTabDialog::textFieldPrefersItsPrivateList()
{
    CFieldsReg reg;
    CCmnRegFieldsSettings settings;
    CCmnRegFieldDef def(CmnRegFieldText, CmnRegFieldPrivateList | CmnRegFieldSharedList);
    def.m_SharedListName = QStringLiteral("Kennels");
    CCmnRegFieldDef shared(CmnRegFieldText, CmnRegFieldSharedList);
    shared.m_SharedListName = QStringLiteral("Kennels");
    CCmnRegUserFieldSet fields;
    fields.AddField(QStringLiteral("Kennel"), CCmnRegUserField(1, def));
    fields.AddField(QStringLiteral("Breeder"), CCmnRegUserField(2, shared));
    settings.SetUserFields(fields);
    reg.SetFieldsSettings(settings, false);
    const int id = reg.Add(QStringLiteral("Bella"));
    reg.Record(id)->SetValue(1, CmnRegValueText, QStringLiteral("Own"));
    reg.Record(id)->SetValue(2, CmnRegValueText, QStringLiteral("Shared"));
    reg.RebuildLookupLists();

    QWidget parent;
    CCmnRegRecordFieldsTabOrDialogMixin mixin;
    mixin.CreateFieldEditors(0, &reg, {1, 2}, {}, &parent);
    QCOMPARE(mixin.m_Items.size(), 2);
    CCmnComboBox *own = mixin.m_Items[0].m_Widgets.m_ComboBox;
    CCmnComboBox *fed = mixin.m_Items[1].m_Widgets.m_ComboBox;
    QVERIFY2(own, "own");
    QVERIFY2(fed, "fed");
    QCOMPARE(own->itemText(0), QStringLiteral("Own"));
    QCOMPARE(own->count(), 1);
    QCOMPARE(fed->findText(QStringLiteral("Shared")) >= 0, true);
    QCOMPARE(own->minimumContentsLength(), 15);
}

void TestCmnRegRecordEditTabDialog::userTypedLabelsKeepTheirAmpersand()
{
    CCmnRegFieldDef def(CmnRegFieldBoolean, 0);
    def.m_FalseText = QStringLiteral("Smith & Jones");
    QWidget parent;
    CCmnRegFieldWidgets check;
    CmnRegCreateFieldEditor(def, check, true, QStringLiteral("Tom & Jerry <UK>"), {}, nullptr, nullptr, &parent);
    QCOMPARE(check.m_CheckBox->text(), QStringLiteral("Tom && Jerry <UK>"));
    QVERIFY(!check.m_HasLabel);
    QVERIFY(check.m_CheckBox->isTristate());

    def.m_Flags |= CmnRegFieldBoolRadio;
    CCmnRegFieldWidgets radios;
    CmnRegCreateFieldEditor(def, radios, true, QStringLiteral("Shown"), {}, nullptr, nullptr, &parent);
    QCOMPARE(radios.m_RadioButtons.size(), 3);
    QCOMPARE(radios.m_RadioButtons[0]->text(), QStringLiteral("Smith && Jones"));
    QCOMPARE(radios.m_RadioButtons[1]->text(), QStringLiteral("Yes"));
    QCOMPARE(radios.m_RadioButtons[2]->text(), QStringLiteral("Not Given"));
    delete radios.m_EditorLayout;
}

void TestCmnRegRecordEditTabDialog::exchangeRoundTrips_data()
{
    QTest::addColumn<int>("fieldId");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");
    QTest::newRow("text") << int(kChampion) << int(CmnRegValueText) << "  Smith & Jones <UK> "
                          << QVariant(QStringLiteral("Smith & Jones <UK>"));
    QTest::newRow("multiline") << int(kNotes) << int(CmnRegValueText) << "Line 1\nLine 2"
                               << QVariant(QStringLiteral("Line 1\nLine 2"));
    QTest::newRow("integer") << int(kLitters) << int(CmnRegValueInteger) << "12" << QVariant(12);
    QTest::newRow("number") << int(kWeight) << int(CmnRegValueNumber) << "31.25" << QVariant(31.25);
    QTest::newRow("percentage") << int(kShare) << int(CmnRegValueFraction) << "25%" << QVariant(0.25f);
    QTest::newRow("typed choice") << int(kCoat) << int(CmnRegValueText) << "Roan" << QVariant(QStringLiteral("Roan"));
    QTest::newRow("listed choice") << int(kCoat) << int(CmnRegValueText) << "Grey" << QVariant(QStringLiteral("Grey"));
    // Spin boxes of fields without limits take any number, not only 0.
    QTest::newRow("integer spin box") << int(kWhelped) << int(CmnRegValueInteger) << "-12" << QVariant(-12);
    QTest::newRow("number spin box") << int(kGirth) << int(CmnRegValueNumber) << "-31.25" << QVariant(-31.25);
    QTest::newRow("percentage spin box") << int(kFertility) << int(CmnRegValueFraction) << "25" << QVariant(0.25f);
}

void TestCmnRegRecordEditTabDialog::exchangeRoundTrips()
{
    QFETCH(int, fieldId);
    QFETCH(int, kind);
    QFETCH(QString, typed);
    CDialogFixture fixture;
    fixture.Open();
    const CCmnRegFieldWidgets &row = fixture.Row(fieldId);
    if (row.m_LineEdit)
        row.m_LineEdit->setText(typed);
    else if (row.m_SpinBox)
        row.m_SpinBox->setValue(typed.toInt());
    else if (row.m_DoubleSpinBox)
        row.m_DoubleSpinBox->setValue(typed.toDouble());
    else if (row.m_TextEdit)
        row.m_TextEdit->setPlainText(typed);
    else
        row.m_ComboBox->setEditText(typed);
    QVERIFY(fixture.Save());
    QTEST(fixture.Value(fieldId, kind), "stored");

    // What was saved loads and saves again unchanged.
    CDialogFixture again;
    again.record = fixture.record;
    again.Open();
    const QByteArray before = ValueBytes(*again.record);
    QVERIFY(again.Save());
    QCOMPARE(ValueBytes(*again.record), before);
}

void TestCmnRegRecordEditTabDialog::dateBoxRoundTrips()
{
    CDialogFixture fixture;
    fixture.Open();
    fixture.Row(kBirth).m_LineEdit->setText(QStringLiteral("15/06/1750"));
    QVERIFY(fixture.Save());
    CCmnDate expected;
    QVERIFY(expected.SetGregorianYmd(15, 6, 1750));
    const CCmnDate saved = fixture.Value(kBirth, CmnRegValueDate).value<CCmnDate>();
    QCOMPARE(saved.FirstDay(), expected.FirstDay());
    QCOMPARE(saved.LastDay(), expected.LastDay());
    fixture.Open();
    QCOMPARE(fixture.Row(kBirth).m_LineEdit->text(), QStringLiteral("15/06/1750"));

    // A date that does not read is refused and leaves the stored one.
    fixture.Row(kBirth).m_LineEdit->setText(QStringLiteral("31/02/1750"));
    CTestMessageBoxScope boxes;
    QVERIFY(!fixture.Save());
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(fixture.Value(kBirth, CmnRegValueDate).value<CCmnDate>().FirstDay(), expected.FirstDay());
}

void TestCmnRegRecordEditTabDialog::thirdBooleanRadioRemovesTheValue()
{
    CDialogFixture fixture;
    fixture.record->SetValue(kSound, CmnRegValueBoolean, true);
    fixture.Open();
    const CCmnRegFieldWidgets &row = fixture.Row(kSound);
    QCOMPARE(row.m_RadioButtons.size(), 3);
    QVERIFY(row.m_RadioButtons[1]->isChecked());
    row.m_RadioButtons[0]->setChecked(true);
    QVERIFY(fixture.Save());
    QCOMPARE(fixture.Value(kSound, CmnRegValueBoolean), QVariant(false));
    row.m_RadioButtons[2]->setChecked(true);
    QVERIFY(fixture.Save());
    QVERIFY(!fixture.Value(kSound, CmnRegValueBoolean).isValid());

    // The check box's middle state says the same.
    fixture.record->SetValue(kShown, CmnRegValueBoolean, false);
    fixture.Open();
    const CCmnRegFieldWidgets &check = fixture.Row(kShown);
    QCOMPARE(check.m_CheckBox->checkState(), Qt::Unchecked);
    check.m_CheckBox->setCheckState(Qt::PartiallyChecked);
    QVERIFY(fixture.Save());
    QVERIFY(!fixture.Value(kShown, CmnRegValueBoolean).isValid());
}

void TestCmnRegRecordEditTabDialog::emptiedBoxRemovesTheValue_data()
{
    QTest::addColumn<int>("fieldId");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QVariant>("value");
    CCmnDate born;
    born.SetGregorianYmd(15, 6, 1750);
    QTest::newRow("date") << int(kBirth) << int(CmnRegValueDate) << QVariant::fromValue(born);
    QTest::newRow("integer") << int(kLitters) << int(CmnRegValueInteger) << QVariant(3);
    QTest::newRow("number") << int(kWeight) << int(CmnRegValueNumber) << QVariant(31.5);
    QTest::newRow("percentage") << int(kShare) << int(CmnRegValueFraction) << QVariant(0.5f);
    QTest::newRow("text") << int(kChampion) << int(CmnRegValueText) << QVariant(QStringLiteral("Ch."));
    QTest::newRow("multiline") << int(kNotes) << int(CmnRegValueText) << QVariant(QStringLiteral("a\nb"));
}

void TestCmnRegRecordEditTabDialog::emptiedBoxRemovesTheValue()
{
    QFETCH(int, fieldId);
    QFETCH(int, kind);
    QFETCH(QVariant, value);
    CDialogFixture fixture;
    fixture.record->SetValue(fieldId, kind, value);
    fixture.Open();
    const CCmnRegFieldWidgets &row = fixture.Row(fieldId);
    if (row.m_TextEdit) {
        QVERIFY(!row.m_TextEdit->toPlainText().isEmpty());
        row.m_TextEdit->setPlainText(QStringLiteral("  "));
    } else {
        QVERIFY(!row.m_LineEdit->text().isEmpty());
        row.m_LineEdit->setText(QStringLiteral(" "));
    }
    QVERIFY(fixture.Save());
    QVERIFY(!fixture.Value(fieldId, kind).isValid());
}

void TestCmnRegRecordEditTabDialog::openThenOkChangesNothing()
{
    CDialogFixture fixture;
    CCmnRegRecord &record = *fixture.record;
    CCmnDate born;
    born.SetGregorianYmd(1, 1, 2000);
    born.WidenToYear();
    record.SetValue(kBirth, CmnRegValueDate, QVariant::fromValue(born));
    record.SetValue(kChampion, CmnRegValueText, QStringLiteral("  Smith & Jones <UK>  "));
    record.SetValue(kColour, CmnRegValueText, QStringLiteral("Chestnut"));   // no such choice
    record.SetValue(kCoat, CmnRegValueText, QStringLiteral("grey"));         // another case
    record.SetValue(kLitters, CmnRegValueInteger64, qint64(5000000000));
    record.SetValue(kWeight, CmnRegValueNumber, 31.123456789);
    record.SetValue(kShare, CmnRegValueFraction, 0.123456f);
    record.SetValue(kShown, CmnRegValueText, QStringLiteral("stored before the type changed"));
    record.SetValue(kWhelped, CmnRegValueInteger, -5);
    record.SetValue(kNotes, CmnRegValueText, QStringLiteral("Line 1\r\nLine 2 "));
    const QByteArray before = ValueBytes(record);
    fixture.Open();
    QVERIFY(fixture.Save());
    QCOMPARE(ValueBytes(record), before);

    // A save that failed further on and was retried changes nothing either.
    fixture.Open();
    fixture.Row(kWeight).m_LineEdit->setText(QStringLiteral("7"));
    fixture.Row(kKennel).m_LineEdit->clear();
    CTestMessageBoxScope boxes;
    QVERIFY(!fixture.Save());
    fixture.Row(kWeight).m_LineEdit->setText(QStringLiteral("31.123"));   // as loaded
    fixture.Row(kKennel).m_LineEdit->setText(QStringLiteral("Smith & Jones <UK>"));
    QVERIFY(fixture.Save());
    QCOMPARE(ValueBytes(record), before);
}

void TestCmnRegRecordEditTabDialog::radioFieldsOnOnePageStayApart()
{
    CDialogFixture fixture(true);
    CCmnRegRecord &record = *fixture.record;
    record.SetValue(kColour, CmnRegValueText, QStringLiteral("Black"));
    record.SetValue(kSound, CmnRegValueBoolean, true);
    record.SetValue(kShown, CmnRegValueBoolean, false);
    const QByteArray before = ValueBytes(record);
    fixture.Open();
    QVERIFY(fixture.Row(kColour).m_RadioButtons.at(1)->isChecked());
    QVERIFY(fixture.Row(kSound).m_RadioButtons.at(1)->isChecked());
    QVERIFY(fixture.Row(kShown).m_RadioButtons.at(0)->isChecked());
    QVERIFY(fixture.Save());
    QCOMPARE(ValueBytes(record), before);

    // A click in one field leaves the others as they were.
    fixture.Row(kShown).m_RadioButtons.at(1)->click();
    QVERIFY(fixture.Save());
    QCOMPARE(fixture.Value(kShown, CmnRegValueBoolean), QVariant(true));
    QCOMPARE(fixture.Value(kSound, CmnRegValueBoolean), QVariant(true));
    QCOMPARE(fixture.Value(kColour, CmnRegValueText), QVariant(QStringLiteral("Black")));
}

void TestCmnRegRecordEditTabDialog::refusedRequiredFieldKeepsTheDialogOpen()
{
    CDialogFixture fixture;
    fixture.Open();
    fixture.Row(kWeight).m_LineEdit->setText(QStringLiteral("2"));
    fixture.dialog->TabWidget()->setCurrentIndex(1);
    fixture.Row(kKennel).m_LineEdit->setText(QStringLiteral("   "));
    CTestMessageBoxScope boxes;
    fixture.dialog->accept();
    QCOMPARE(fixture.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY(boxes.Requests().first().m_Text.contains(QStringLiteral("Kennel")));
    QCOMPARE(fixture.dialog->TabWidget()->currentIndex(), 0);
    QCOMPARE(fixture.Value(kKennel, CmnRegValueText), QVariant(QStringLiteral("Smith & Jones <UK>")));
    // Fields after the refused one are not saved.
    QCOMPARE(fixture.Value(kWeight, CmnRegValueNumber), QVariant());
}

void TestCmnRegRecordEditTabDialog::editableChoiceKeepsAnUnlistedValue()
{
    CCmnRegFieldDef def = Def(CmnRegFieldChoice, CmnRegFieldChoiceTyped);
    QWidget parent;
    CCmnRegFieldWidgets row;
    CmnRegCreateFieldEditor(def, row, true, QStringLiteral("Coat"), {}, nullptr, nullptr, &parent);
    QCOMPARE(row.m_ComboBox->count(), 3);   // no "Not Given" to stand for a typed value
    CCmnDataExchange load(false);
    QVariant value(QStringLiteral("Blue Roan"));
    QVERIFY(CmnRegExchangeFieldEditor(def, load, value, row));
    QCOMPARE(row.m_ComboBox->currentText(), QStringLiteral("Blue Roan"));
    CCmnDataExchange save(true);
    QVariant saved;
    QVERIFY(CmnRegExchangeFieldEditor(def, save, saved, row));
    QCOMPARE(saved, QVariant(QStringLiteral("Blue Roan")));
}

void TestCmnRegRecordEditTabDialog::unlistedChoiceShowsNotGivenOrNothing()
{
    QWidget parent;
    for (quint32 flags : {quint32(0), quint32(CmnRegFieldRequired)}) {
        CCmnRegFieldDef def = Def(CmnRegFieldChoice, flags);
        CCmnRegFieldWidgets row;
        CmnRegCreateFieldEditor(def, row, true, QStringLiteral("Colour"), {}, nullptr, nullptr, &parent);
        CCmnDataExchange load(false);
        QVariant value(QStringLiteral("Chestnut"));
        QVERIFY(CmnRegExchangeFieldEditor(def, load, value, row));
        QCOMPARE(row.m_ComboBox->currentText(), flags ? QString() : QStringLiteral("Not Given"));
        value = QStringLiteral("black");
        QVERIFY(CmnRegExchangeFieldEditor(def, load, value, row));
        QCOMPARE(row.m_ComboBox->currentIndex(), 1);
    }
}

void TestCmnRegRecordEditTabDialog::editorsCarryWhatsThisTexts()
{
    CDialogFixture fixture;
    fixture.Open();
    for (int fieldId : {int(kBirth), int(kChampion), int(kColour), int(kSound), int(kNotes)}) {
        const CCmnRegFieldWidgets &row = fixture.Row(fieldId);
        QVERIFY(!row.m_HelpName.isEmpty());
        for (QWidget *editor : row.EditorWidgets())
            QVERIFY2(!editor->whatsThis().isEmpty(), qPrintable(row.m_HelpName));
    }
    QCOMPARE(fixture.Row(kBirth).m_HelpName, QStringLiteral("DateofBirth"));
    QCOMPARE(fixture.Row(kChampion).m_HelpName, QStringLiteral("UserField"));
}

void TestCmnRegRecordEditTabDialog::moreInformationShowsItsHelpText()
{
    CDialogFixture plain;
    plain.Open();
    QCOMPARE(plain.dialog->ButtonBox()->buttons().size(), 3);   // OK, Cancel, Help

    CDialogFixture fixture;
    fixture.moreInformation = QStringLiteral("<p>Fields are added under Settings.</p>");
    fixture.Open();
    QPushButton *button = nullptr;
    for (QAbstractButton *candidate : fixture.dialog->ButtonBox()->buttons()) {
        if (candidate->text() == QStringLiteral("More Information"))
            button = qobject_cast<QPushButton *>(candidate);
    }
    QVERIFY(button);
    QCOMPARE(fixture.dialog->ButtonBox()->buttonRole(button), QDialogButtonBox::ResetRole);
    CTestMessageBoxScope boxes;
    button->click();
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &shown = boxes.Requests().first();
    QCOMPARE(shown.m_Icon, QMessageBox::Information);
    QCOMPARE(shown.m_Text, fixture.moreInformation);
    QCOMPARE(shown.m_Options.m_Flags & CCmnMessageBoxOptions::ApplicationModal,
             qint32(CCmnMessageBoxOptions::ApplicationModal));
    QCOMPARE(shown.m_Options.m_MessageId, 0);
}

void TestCmnRegRecordEditTabDialog::rendersUserNames()
{
    CDialogFixture fixture;
    fixture.record->SetValue(kChampion, CmnRegValueText,
                             QStringLiteral("Champion Aldebaran Starlight of the Northern Meadows and Glen"));
    fixture.record->SetValue(kColour, CmnRegValueText, QStringLiteral("Grey"));
    fixture.record->SetValue(kNotes, CmnRegValueText, QStringLiteral("Bred by Smith & Jones <UK>\nSecond line"));
    fixture.moreInformation = QStringLiteral("<p>How to add fields</p>");
    fixture.Open();
    fixture.dialog->setWindowTitle(QStringLiteral("Smith & Jones <UK>"));
    fixture.dialog->resize(fixture.dialog->sizeHint());
    const QString folder = qEnvironmentVariable("ORV_RENDER_DIR");
    if (!folder.isEmpty()) {
        QVERIFY(fixture.dialog->grab().save(folder + QStringLiteral("/recorddialog-general.png")));
        fixture.dialog->TabWidget()->setCurrentIndex(1);
        QVERIFY(fixture.dialog->grab().save(folder + QStringLiteral("/recorddialog-health.png")));
    }
    QCOMPARE(fixture.Row(kColour).m_ComboBox->currentText(), QStringLiteral("Grey"));
}

QTEST_MAIN(TestCmnRegRecordEditTabDialog)
#include "tst_cmnregrecordedittabdialog.moc"
