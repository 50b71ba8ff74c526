#include "../legacyimport/legacysamplefiles.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacydataimportparamsdialog.h"
#include "biolegacyimportparams.h"
#include "biolegacyspeciesflags.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "rendertesting.h"

#include <QGridLayout>
#include <QTest>

namespace {

CBioLegacyImportParams Discovered(const QByteArray &bytes)
{
    CBioLegacyDataImport_HvDoc document;
    CBioLegacyImportParams params;
    if (!LoadAndDiscover(document, params, bytes).isEmpty())
        qFatal("the test file does not load");
    return params;
}

// A Dunmarra file's parameters with the text candidates given as (name, group) pairs.
CBioLegacyImportParams Candidates(const QList<QPair<QString, int>> &texts)
{
    BioLegacySetSpeciesFlags("dmdog");
    CBioLegacyImportParams params;
    int order = 0;
    for (const auto &[name, group] : texts) {
        CBioLegacyImportField field(100 + order);
        field.m_Descriptor.m_Name = name;
        field.m_Group = group;
        field.m_Order = ++order;
        params.Fields(BioLegacyImportText).append(field);
    }
    return params;
}

QPoint CellOf(const CBioLegacyDataImportParamsDialog &dialog, QWidget *widget)
{
    int row = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;
    const int index = dialog.FieldGrid()->indexOf(widget);
    if (index < 0)
        return QPoint(-1, -1);
    dialog.FieldGrid()->getItemPosition(index, &row, &column, &rows, &columns);
    return QPoint(column, row);
}

CBioLegacyDataImportParamsDialog::CEntry EntryNamed(const CBioLegacyDataImportParamsDialog &dialog, const QString &text)
{
    // Once prepared, the boxes carry their accelerators.
    for (const CBioLegacyDataImportParamsDialog::CEntry &entry : dialog.Entries())
        if (entry.m_CheckBox->text().remove(QLatin1Char('&')) == text)
            return entry;
    QStringList texts;
    for (const CBioLegacyDataImportParamsDialog::CEntry &entry : dialog.Entries())
        texts.append(entry.m_CheckBox->text());
    qFatal("no entry %s in %s", qPrintable(text), qPrintable(texts.join(QLatin1Char('|'))));
}

QStringList ColumnTexts(const CBioLegacyDataImportParamsDialog &dialog, int column)
{
    QStringList texts;
    for (int row = 0; row < dialog.FieldGrid()->rowCount(); ++row) {
        QLayoutItem *item = dialog.FieldGrid()->itemAtPosition(row, column);
        auto *box = item ? qobject_cast<QCheckBox *>(item->widget()) : nullptr;
        texts.append(box ? box->text() : QString());
    }
    while (!texts.isEmpty() && texts.last().isEmpty())
        texts.removeLast();
    return texts;
}

} // namespace

class TestBioLegacyDataImportParamsDialog : public QObject
{
    Q_OBJECT
private slots:
    void dunmarraFileShowsItsFixedFieldsAndNoLongTitles();
    void halvaneFileShowsEveryFixedFieldAndLongTitles();
    void groupsGoWholeIntoAColumn_data();
    void groupsGoWholeIntoAColumn();
    void exchangesTheChoicesOfItsCopy();
    void userNamesAreNoMnemonics();
    void rendersForReview();
};

void TestBioLegacyDataImportParamsDialog::dunmarraFileShowsItsFixedFieldsAndNoLongTitles()
{
    const CBioLegacyDataImportParamsDialog dialog(Discovered(LegacySampleFile("dmdog", 2)));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Dunmarra Import Options"));
    QVERIFY(!dialog.LongTitlesCheckBox());
    QCOMPARE(ColumnTexts(dialog, 0).mid(0, 5),
             (QStringList {"Title", "Name", "Sex", "Date of Birth", QString()}));
    auto *fixed = qobject_cast<QCheckBox *>(dialog.FieldGrid()->itemAtPosition(0, 0)->widget());
    QVERIFY(fixed->isChecked());
    QVERIFY(!fixed->isEnabled());
    int offered = 0;
    for (const QList<CBioLegacyImportField> &fields : dialog.Params().m_Fields)
        offered += int(fields.size());
    QCOMPARE(dialog.Entries().size(), offered);
    // Texts first, then references.
    QCOMPARE(dialog.Entries().at(0).m_CheckBox->text(), QStringLiteral("Reg. No."));
    QCOMPARE(dialog.Entries().at(0).m_Kind, int(BioLegacyImportText));
}

void TestBioLegacyDataImportParamsDialog::halvaneFileShowsEveryFixedFieldAndLongTitles()
{
    const CBioLegacyDataImportParamsDialog dialog(Discovered(LegacySampleFile("dog", 9)));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Halvane Import Options"));
    QVERIFY(dialog.LongTitlesCheckBox());
    QCOMPARE(dialog.LongTitlesCheckBox()->text(), QStringLiteral("Use long titles"));
    QCOMPARE(dialog.StripEscapesCheckBox()->text(), QStringLiteral("Strip formatting escapes"));
    QCOMPARE(ColumnTexts(dialog, 0).mid(0, 7),
             (QStringList {"Title", "Name", "Name Suffix", "Sex", "Date of Birth", "Date of Death", QString()}));
    // Group 1 follows the spacer in the order of the catalogue.
    QCOMPARE(ColumnTexts(dialog, 0).mid(7, 3), (QStringList {"Breeder", "Owner", "Reg. No."}));
}

void TestBioLegacyDataImportParamsDialog::groupsGoWholeIntoAColumn_data()
{
    QTest::addColumn<int>("firstGroup");
    QTest::addColumn<QPoint>("firstCell");
    QTest::addColumn<QPoint>("secondCell");
    // Four fixed boxes and a spacer leave 16 rows of column 0 (rows 5 to 20).
    QTest::newRow("16 fit column 0") << 16 << QPoint(0, 5) << QPoint(1, 0);
    QTest::newRow("17 start column 1") << 17 << QPoint(1, 0) << QPoint(2, 0);
    QTest::newRow("3 leave room for the next") << 3 << QPoint(0, 5) << QPoint(0, 9);
    // A group longer than a column still goes whole into one.
    QTest::newRow("25 in one column") << 25 << QPoint(1, 0) << QPoint(2, 0);
}

void TestBioLegacyDataImportParamsDialog::groupsGoWholeIntoAColumn()
{
    QFETCH(int, firstGroup);
    QFETCH(QPoint, firstCell);
    QFETCH(QPoint, secondCell);
    QList<QPair<QString, int>> texts;
    for (int i = 0; i < firstGroup; ++i)
        texts.append({QStringLiteral("First %1").arg(i), 1});
    for (int i = 0; i < 5; ++i)
        texts.append({QStringLiteral("Second %1").arg(i), 2});
    const CBioLegacyDataImportParamsDialog dialog(Candidates(texts));
    const QList<CBioLegacyDataImportParamsDialog::CEntry> &entries = dialog.Entries();
    QCOMPARE(CellOf(dialog, entries.at(0).m_CheckBox), firstCell);
    QCOMPARE(CellOf(dialog, entries.at(firstGroup - 1).m_CheckBox),
             firstCell + QPoint(0, firstGroup - 1));
    QCOMPARE(CellOf(dialog, entries.at(firstGroup).m_CheckBox), secondCell);
}

void TestBioLegacyDataImportParamsDialog::exchangesTheChoicesOfItsCopy()
{
    CBioLegacyImportParams params = Discovered(LegacySampleFile("dog", 9));
    params.m_UseLongTitles = 1;
    params.m_StripEscapes = 0;
    CBioLegacyDataImportParamsDialog dialog(params);
    dialog.Prepare();
    QVERIFY(dialog.LongTitlesCheckBox()->isChecked());
    QVERIFY(!dialog.StripEscapesCheckBox()->isChecked());
    const CBioLegacyDataImportParamsDialog::CEntry breeder = EntryNamed(dialog, QStringLiteral("Breeder"));
    QCOMPARE(breeder.m_Kind, int(BioLegacyImportReference));
    QCOMPARE(breeder.m_Index, 0);
    QVERIFY(breeder.m_CheckBox->isChecked());
    const CBioLegacyDataImportParamsDialog::CEntry notes = EntryNamed(dialog, QStringLiteral("Notes"));
    QVERIFY(!notes.m_CheckBox->isChecked());

    breeder.m_CheckBox->setChecked(false);
    notes.m_CheckBox->setChecked(true);
    dialog.LongTitlesCheckBox()->setChecked(false);
    dialog.StripEscapesCheckBox()->setChecked(true);
    CCmnDataExchange save(true, &dialog);
    QVERIFY(dialog.DataExchange(&save));

    const CBioLegacyImportParams &chosen = dialog.Params();
    QCOMPARE(chosen.m_UseLongTitles, quint8(0));
    QCOMPARE(chosen.m_StripEscapes, quint8(1));
    // The main-field bit stays as it was.
    QCOMPARE(chosen.Fields(BioLegacyImportReference).at(0).m_Flags, quint32(CBioLegacyImportField::MainField));
    QVERIFY(chosen.Fields(BioLegacyImportText).at(notes.m_Index).IsSelected());
    // The caller's parameters are untouched until it takes the copy back.
    QVERIFY(params.Fields(BioLegacyImportReference).at(0).IsSelected());
}

void TestBioLegacyDataImportParamsDialog::userNamesAreNoMnemonics()
{
    const CBioLegacyDataImportParamsDialog dialog(Candidates({{"Smith & Jones <UK>", 1}}));
    QCOMPARE(dialog.Entries().at(0).m_CheckBox->text(), QStringLiteral("Smith && Jones <UK>"));
}

void TestBioLegacyDataImportParamsDialog::rendersForReview()
{
    CBioLegacyImportParams params = Discovered(LegacySampleFile("dog", 9));
    params.Fields(BioLegacyImportText)[5].m_Descriptor.m_Name =
        QStringLiteral("Smith & Jones <UK> kennel notes about the coat, the hips and the temperament");
    CBioLegacyDataImportParamsDialog dialog(params);
    dialog.Prepare();
    QVERIFY(OrvRenderForReview(dialog, QSize(), QStringLiteral("legacyimportoptions.png")));
}

QTEST_MAIN(TestBioLegacyDataImportParamsDialog)
#include "tst_biolegacydataimportparamsdialog.moc"
