#include "cmndate.h"
#include "cmnexportprogress.h"
#include "cmnexporttablecontroller.h"
#include "cmnframework.h"
#include "cmnregexportcolumns.h"
#include "cmnregfieldssettings.h"
#include "cmnregvaluekind.h"
#include "cmnrememberedvalues.h"
#include "regtesting.h"

#include <QTest>

namespace {

constexpr int kIdField = -1;
constexpr int kNotes = 1;
constexpr int kBorn = 2;
constexpr int kUnused = 3;
constexpr int kVanished = 99;

// Writes down every call of the table writer, one text each.
class CRecordingController : public CCmnExportTableController
{
public:
    CRecordingController()
        : CCmnExportTableController(QStringLiteral("Test"), nullptr)
    {
    }
    bool NeedsColumnFormats() const override { return m_WantsFormats; }
    void AddColumnFormat(const CCmnExportCellFormat &format) override
    {
        m_Calls << QStringLiteral("format %1").arg(format.m_Kind);
    }
    void BeginTable(bool leading, int rows, int columns) override
    {
        m_Calls << QStringLiteral("table %1 %2 %3").arg(int(leading)).arg(rows).arg(columns);
    }
    void BeginHeaderRow() override { m_Calls << QStringLiteral("header"); }
    void AddHeaderCell(const CCmnExportCellFormat &, const QString &text) override { m_Calls << "th " + text; }
    void EndHeaderRow() override { m_Calls << QStringLiteral("/header"); }
    void BeginDataRow() override { m_Calls << QStringLiteral("row"); }
    void AddDataCell(const CCmnExportCellFormat &format, const QString &value, const QString &) override
    {
        m_Calls << QStringLiteral("td %1 %2").arg(value, format.m_Kind == 8 ? format.m_Text : QString());
    }
    void EndDataRow() override { m_Calls << QStringLiteral("/row"); }
    void EndTable() override { m_Calls << QStringLiteral("/table"); }

    bool m_WantsFormats = false;
    QStringList m_Calls;
};

// Asks to stop when the given row is reached.
class CStoppingProgress : public CCmnExportProgress
{
public:
    explicit CStoppingProgress(int stopAt) : m_StopAt(stopAt) {}
    void Begin(const QString &text, int maximum) override { m_Begun = QStringLiteral("%1 %2").arg(text).arg(maximum); }
    bool Step(int row) override { return row >= m_StopAt; }
    void End() override { m_Ended = true; }

    int m_StopAt;
    QString m_Begun;
    bool m_Ended = false;
};

CCmnRegFieldContextMask MaskWith(int context)
{
    CCmnRegFieldContextMask mask;
    if (context >= 0)
        mask.SetContext(context, true);
    return mask;
}

// An ID, two used fields (a text and a date) and one no form shows.
void SetUpFields(CTestReg &reg)
{
    reg.AddIdField();
    CCmnRegUserFieldSet user;
    user.AddField(QStringLiteral("Notes"), CCmnRegUserField(kNotes, CCmnRegFieldDef(CmnRegFieldText, 0), MaskWith(3)));
    user.AddField(QStringLiteral("Born"), CCmnRegUserField(kBorn, CCmnRegFieldDef(CmnRegFieldDate, 0), MaskWith(70)));
    user.AddField(QStringLiteral("Unused"), CCmnRegUserField(kUnused, CCmnRegFieldDef(CmnRegFieldText, 0), MaskWith(-1)));
    CCmnRegFieldsSettings settings;
    settings.SetUserFields(user);
    settings.SetFormFieldOrder({kBorn, kNotes, kUnused});
    reg.SetFieldsSettings(settings, false);
}

int AddRecord(CTestReg &reg, const QString &notes, const QString &born)
{
    const int id = reg.Add(notes);
    reg.Record(id)->SetValue(kNotes, CmnRegValueText, notes);
    if (!born.isEmpty())
        reg.Record(id)->SetValue(kBorn, CmnRegValueDate,
                                 QVariant::fromValue(CCmnDate::Parse(born, QStringLiteral("dd/mm/yyyy"),
                                                                     CmnDateCalendarGregorian)));
    return id;
}

} // namespace

class TestCmnRegExport : public QObject
{
    Q_OBJECT
private slots:
    void init() { CmnCreateRememberedValues(); }
    void cleanup() { CmnDestroyRememberedValues(); }
    void writesHeaderThenRowsWithoutUnknownFields();
    void emptyRegisterGivesTheHeaderOnly();
    void stopFinishesTheRowAndSaysCancelled();
    void loadsRememberedColumnsOrFallsBack_data();
    void loadsRememberedColumnsOrFallsBack();
    void savedChoiceComesBack();
    void contextMasksByGroup();
};

void TestCmnRegExport::writesHeaderThenRowsWithoutUnknownFields()
{
    CTestReg reg;
    SetUpFields(reg);
    AddRecord(reg, QStringLiteral("Smith & Jones <UK>"), QStringLiteral("15/03/2020"));
    AddRecord(reg, QStringLiteral("Bo"), QString());
    CCmnRegExportColumns columns;
    columns.m_FieldIds = {kIdField, kVanished, kNotes, kBorn};
    columns.m_DateFormat = QStringLiteral("dd mmm yyyy");
    CRecordingController controller;
    controller.m_WantsFormats = true;

    reg.WriteDataRows(controller, columns);

    const QStringList expected{
        "format 4", "format 0", "format 8", "table 0 2 3", "header", "th ID", "th Notes", "th Born", "/header",
        "row", "td 1 ", "td Smith & Jones <UK> ", "td 15 Mar 2020 dd mmm yyyy", "/row",
        "row", "td 2 ", "td Bo ", "td  dd mmm yyyy", "/row", "/table"};
    QCOMPARE(controller.m_Calls, expected);
    QCOMPARE(controller.ErrorText(), QString());
}

void TestCmnRegExport::emptyRegisterGivesTheHeaderOnly()
{
    CTestReg reg;
    SetUpFields(reg);
    CCmnRegExportColumns columns;
    columns.m_FieldIds = {kBorn};
    CRecordingController controller;
    CStoppingProgress progress(100);

    reg.WriteDataRows(controller, columns, &progress);

    QCOMPARE(controller.m_Calls, (QStringList{"table 0 0 1", "header", "th Born", "/header", "/table"}));
    QCOMPARE(progress.m_Begun, QStringLiteral("Preparing Data 0"));
    QVERIFY(progress.m_Ended);
}

void TestCmnRegExport::stopFinishesTheRowAndSaysCancelled()
{
    CTestReg reg;
    SetUpFields(reg);
    for (int i = 0; i < 5; ++i)
        AddRecord(reg, QStringLiteral("R%1").arg(i), QString());
    CCmnRegExportColumns columns;
    columns.m_FieldIds = {kNotes};
    CRecordingController controller;
    CStoppingProgress progress(1);

    reg.WriteDataRows(controller, columns, &progress);

    QCOMPARE(controller.ErrorText(), QStringLiteral("Cancelled"));
    QCOMPARE(controller.m_Calls.count(QStringLiteral("row")), 2);
    QCOMPARE(controller.m_Calls.count(QStringLiteral("/row")), 2);
    QCOMPARE(controller.m_Calls.last(), QStringLiteral("/table"));
}

void TestCmnRegExport::loadsRememberedColumnsOrFallsBack_data()
{
    QTest::addColumn<QVariant>("remembered");
    QTest::addColumn<QList<int>>("expected");
    // The default: every offered column some form shows, in the offered order.
    const QList<int> fallback{kIdField, kBorn, kNotes};
    QTest::newRow("nothing remembered") << QVariant() << fallback;
    QTest::newRow("remembered order kept") << QVariant(QStringLiteral("3,-1")) << QList<int>{kUnused, kIdField};
    QTest::newRow("vanished ids dropped") << QVariant(QStringLiteral("99,1,abc,1")) << QList<int>{kNotes};
    QTest::newRow("every id vanished") << QVariant(QStringLiteral("99,98")) << fallback;
    QTest::newRow("empty list") << QVariant(QString()) << fallback;
}

void TestCmnRegExport::loadsRememberedColumnsOrFallsBack()
{
    QFETCH(QVariant, remembered);
    QFETCH(QList<int>, expected);
    CTestReg reg;
    SetUpFields(reg);
    if (remembered.isValid())
        CmnGetRememberedValues()->SetValue(QStringLiteral("exportdatacolumns_fields"), remembered);

    CCmnRegExportColumns columns;
    columns.Load(QStringLiteral("exportdatacolumns"), reg);

    QCOMPARE(columns.m_FieldIds, expected);
}

void TestCmnRegExport::savedChoiceComesBack()
{
    CTestReg reg;
    SetUpFields(reg);
    CCmnRegExportColumns saved;
    saved.m_FieldIds = {kNotes, kIdField};
    saved.m_DateFormat = QStringLiteral("[[dd/]mm/]yyyy");
    saved.Save(QStringLiteral("printdatacolumns"));

    CCmnRegExportColumns loaded;
    loaded.Load(QStringLiteral("printdatacolumns"), reg);

    QCOMPARE(loaded, saved);
    QCOMPARE(CmnGetRememberedValues()->Value(QStringLiteral("printdatacolumns_fields")).toString(),
             QStringLiteral("1,-1"));
    CCmnRegExportColumns other;
    other.Load(QStringLiteral("exportdatacolumns"), reg);
    QCOMPARE(other.m_DateFormat, QString());
}

void TestCmnRegExport::contextMasksByGroup()
{
    CTestReg reg;
    SetUpFields(reg);
    using CMask = QPair<quint64, quint64>;
    QCOMPARE(reg.GetFieldContextMask(kIdField), CMask(6, 0));
    QCOMPARE(reg.GetFieldContextMask(kNotes), CMask(8, 0));
    QCOMPARE(reg.GetFieldContextMask(kBorn), CMask(0, quint64(1) << 6));
    QCOMPARE(reg.GetFieldContextMask(kVanished), CMask(0, 0));
    QCOMPARE(reg.GetColumnTypes({kVanished}).constFirst().m_Kind, 10);
}

QTEST_GUILESS_MAIN(TestCmnRegExport)
#include "tst_cmnregexport.moc"
