#include "cmnbitmaskcombobox.h"
#include "cmncheckcombobox.h"
#include "cmncheckcombomodel.h"
#include "cmnslotblocker.h"

#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

using Rows = QList<int>;

namespace {

// Rows of the fixture.
enum : int { kHeading, kRed, kGreen, kBlue, kRedAndBlue, kAllColours, kRowCount };

CCmnCheckComboItem Plain(const QString &summary, int flags = 0)
{
    return {summary, QString(), flags, {}};
}

CCmnCheckComboItem Group(const QString &summary, const Rows &group)
{
    return {summary, QString(), CCmnCheckComboItem::FlagGroup, group};
}

// A heading, three colours (Red and Blue marked as selected) and two groups. The
// list view is given a size, as the open popup would give it, so that clicks can
// be aimed at its rows without opening the popup.
void FillColours(CCmnCheckComboBox &combo, bool withAllGroup = true)
{
    combo.SetSeparator("; ");
    combo.AddRow("Colours", Plain("Colours", CCmnCheckComboItem::FlagNotCheckable));
    combo.AddRow("Red", Plain("R", CCmnCheckComboItem::FlagSelected));
    combo.AddRow("Green", Plain("G"));
    combo.AddRow("Blue", Plain("B", CCmnCheckComboItem::FlagSelected));
    combo.AddRow("Red and blue", Group("Red+Blue", {kRed, kBlue}));
    if (withAllGroup)
        combo.AddRow("All colours", Group("All", {kRed, kGreen, kBlue}));
    combo.view()->resize(300, 300);
}

int CheckState(const CCmnCheckComboBox &combo, int row)
{
    return combo.model()->index(row, 0).data(Qt::CheckStateRole).toInt();
}

Rows TickedRows(const CCmnCheckComboBox &combo)
{
    Rows rows;
    for (int row = 0; row < combo.count(); ++row) {
        if (CheckState(combo, row) == Qt::Checked)
            rows.append(row);
    }
    return rows;
}

// Where the list draws the row's check mark, or a point on its text.
QPoint RowPoint(const CCmnCheckComboBox &combo, int row, bool onCheckMark)
{
    QAbstractItemView *view = combo.view();
    QStyleOptionViewItem option;
    option.initFrom(view->viewport());
    option.rect = view->visualRect(combo.model()->index(row, 0));
    if (!onCheckMark)
        return QPoint(option.rect.right() - 5, option.rect.center().y());
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return view->style()
        ->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view)
        .center();
}

// The user's click in the list: press and release on the viewport, as the view
// receives them while the popup is open.
void ClickRow(const CCmnCheckComboBox &combo, int row, bool onCheckMark = true)
{
    QTest::mouseClick(combo.view()->viewport(), Qt::LeftButton, {},
                      RowPoint(combo, row, onCheckMark));
}

} // namespace

// Records the calls of the hook that derived classes override.
class CTestCheckComboBox : public CCmnCheckComboBox
{
    Q_OBJECT
public:
    QList<std::pair<int, bool>> m_Toggled;

protected:
    void RowToggled(int row, bool checked) override { m_Toggled.append({row, checked}); }
};

class TestCmnCheckComboBox : public QObject
{
    Q_OBJECT
private slots:
    void summaryOfTickedRows_data();
    void summaryOfTickedRows();
    void checkedRowsFiltersByFlagsAndState_data();
    void checkedRowsFiltersByFlagsAndState();
    void groupOperationsTouchOnlyPlainRows();
    void disabledSummaryStaysUntilUpdated();
    void clickOnCheckMarkTogglesRow();
    void clickOnOtherRows();
    void clickOnGroupRowTicksExactlyItsRows();
    void blockedComboIgnoresClicks();
    void summaryIsWholeAtNaturalWidth_data();
    void summaryIsWholeAtNaturalWidth();
    void rowsAreCheckableButNeverCurrent();
    void recordsFollowTheirRows();
    void bitmaskReportsUsersChanges();
    void bitmaskValueMapsPlainRowsToBits();
};

void TestCmnCheckComboBox::summaryOfTickedRows_data()
{
    QTest::addColumn<bool>("withAllGroup");
    QTest::addColumn<Rows>("ticked");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<Rows>("tickedGroups");

    QTest::newRow("none") << true << Rows{} << "" << Rows{};
    QTest::newRow("one") << true << Rows{kGreen} << "G" << Rows{};
    QTest::newRow("several") << true << Rows{kRed, kGreen} << "R; G" << Rows{};
    QTest::newRow("exactly a group") << true << Rows{kRed, kBlue} << "Red+Blue"
                                     << Rows{kRedAndBlue};
    QTest::newRow("all, with a group of all") << true << Rows{kRed, kGreen, kBlue} << "All"
                                              << Rows{kAllColours};
    QTest::newRow("all, no group of all") << false << Rows{kBlue, kGreen, kRed} << "R; G; B"
                                          << Rows{};
}

void TestCmnCheckComboBox::summaryOfTickedRows()
{
    QFETCH(bool, withAllGroup);
    QFETCH(Rows, ticked);
    QFETCH(QString, summary);
    QFETCH(Rows, tickedGroups);

    CCmnCheckComboBox combo;
    FillColours(combo, withAllGroup);
    combo.CheckRows(ticked);

    QCOMPARE(combo.currentText(), summary);
    QCOMPARE(combo.lineEdit()->text(), summary);
    QCOMPARE(combo.toolTip(), summary);
    QCOMPARE(combo.lineEdit()->cursorPosition(), 0);
    Rows groups;
    for (int row = kRedAndBlue; row < combo.count(); ++row) {
        if (combo.IsRowChecked(row))
            groups.append(row);
    }
    QCOMPARE(groups, tickedGroups);
}

void TestCmnCheckComboBox::checkedRowsFiltersByFlagsAndState_data()
{
    QTest::addColumn<bool>("onlyTicked");
    QTest::addColumn<bool>("includeAll");
    QTest::addColumn<Rows>("expected");

    // Red and Green are ticked; Red and Blue carry the selected flag.
    QTest::newRow("all plain rows") << false << true << Rows{kRed, kGreen, kBlue};
    QTest::newRow("selected rows") << false << false << Rows{kRed, kBlue};
    QTest::newRow("ticked rows") << true << true << Rows{kRed, kGreen};
    QTest::newRow("ticked selected rows") << true << false << Rows{kRed};
}

void TestCmnCheckComboBox::checkedRowsFiltersByFlagsAndState()
{
    QFETCH(bool, onlyTicked);
    QFETCH(bool, includeAll);
    QFETCH(Rows, expected);

    CCmnCheckComboBox combo;
    FillColours(combo);
    combo.CheckRows({kRed, kGreen});
    QCOMPARE(combo.CheckedRows(onlyTicked, includeAll), expected);
}

void TestCmnCheckComboBox::groupOperationsTouchOnlyPlainRows()
{
    CCmnCheckComboBox combo;
    FillColours(combo);

    // The heading and the group row in the list are not plain rows: left alone.
    combo.CheckRows({kHeading, kGreen, kRedAndBlue});
    QCOMPARE(TickedRows(combo), Rows{kGreen});
    QVERIFY(!combo.IsRowChecked(kHeading));
    QVERIFY(!combo.model()->index(kHeading, 0).data(Qt::CheckStateRole).isValid());

    combo.CheckRows({kRed});
    combo.UncheckRows({kRed, kBlue});
    QCOMPARE(TickedRows(combo), Rows{kGreen});

    combo.CheckOnlyRows({kHeading, kRed, kBlue});
    QCOMPARE(TickedRows(combo), (Rows{kRed, kBlue, kRedAndBlue}));
    QCOMPARE(combo.currentText(), QString("Red+Blue"));

    // Rows that do not exist are ignored.
    combo.CheckRows({-1, 99});
    QCOMPARE(TickedRows(combo), (Rows{kRed, kBlue, kRedAndBlue}));
    QVERIFY(!combo.IsRowChecked(99));
}

void TestCmnCheckComboBox::disabledSummaryStaysUntilUpdated()
{
    CCmnCheckComboBox combo;
    FillColours(combo);
    combo.CheckRows({kGreen});

    combo.SetSummaryEnabled(false);
    combo.CheckRows({kRed, kBlue});
    QCOMPARE(combo.currentText(), QString("G"));
    QVERIFY(!combo.IsRowChecked(kRedAndBlue));

    combo.SetSummaryEnabled(true);
    combo.UpdateSummary();
    QCOMPARE(combo.currentText(), QString("All"));
    QVERIFY(combo.IsRowChecked(kAllColours));
}

void TestCmnCheckComboBox::clickOnCheckMarkTogglesRow()
{
    CTestCheckComboBox combo;
    FillColours(combo);
    combo.CheckRows({kRed});

    ClickRow(combo, kBlue);
    QCOMPARE(TickedRows(combo), (Rows{kRed, kBlue, kRedAndBlue}));
    QCOMPARE(combo.currentText(), QString("Red+Blue"));
    QCOMPARE(combo.toolTip(), QString("Red+Blue"));

    ClickRow(combo, kRed);
    QCOMPARE(TickedRows(combo), Rows{kBlue});
    QCOMPARE(combo.currentText(), QString("B"));

    const QList<std::pair<int, bool>> toggled{{kBlue, true}, {kRed, false}};
    QCOMPARE(combo.m_Toggled, toggled);
    // The clicks tick rows; none of them becomes the combo's current item.
    QCOMPARE(combo.currentIndex(), -1);
}

void TestCmnCheckComboBox::clickOnOtherRows()
{
    CTestCheckComboBox combo;
    FillColours(combo);
    combo.CheckRows({kGreen});

    // A heading never counts and the summary stays.
    ClickRow(combo, kHeading);
    ClickRow(combo, kHeading, false);
    QCOMPARE(TickedRows(combo), Rows{kGreen});
    QCOMPARE(combo.m_Toggled, (QList<std::pair<int, bool>>{}));
    QCOMPARE(combo.currentText(), QString("G"));

    // Beside the check mark the list toggles nothing; the row is still reported
    // with its unchanged state.
    ClickRow(combo, kGreen, false);
    QCOMPARE(TickedRows(combo), Rows{kGreen});
    QCOMPARE(combo.m_Toggled, (QList<std::pair<int, bool>>{{kGreen, true}}));
    QCOMPARE(combo.currentText(), QString("G"));
}

void TestCmnCheckComboBox::clickOnGroupRowTicksExactlyItsRows()
{
    CTestCheckComboBox combo;
    FillColours(combo);
    combo.CheckRows({kGreen});

    ClickRow(combo, kRedAndBlue);
    QCOMPARE(TickedRows(combo), (Rows{kRed, kBlue, kRedAndBlue}));
    QCOMPARE(combo.currentText(), QString("Red+Blue"));

    // A second group takes over: its rows exactly, the first group unticked.
    ClickRow(combo, kAllColours);
    QCOMPARE(TickedRows(combo), (Rows{kRed, kGreen, kBlue, kAllColours}));
    QCOMPARE(combo.currentText(), QString("All"));

    ClickRow(combo, kAllColours);
    QCOMPARE(TickedRows(combo), Rows{});
    QCOMPARE(combo.currentText(), QString());
    // Group clicks are not plain row toggles.
    QCOMPARE(combo.m_Toggled, (QList<std::pair<int, bool>>{}));

    // Unticking a group's rows leaves the other rows ticked.
    combo.CheckRows({kRed, kGreen, kBlue});
    combo.UncheckRows(combo.ItemGroup(kRedAndBlue));
    QCOMPARE(TickedRows(combo), Rows{kGreen});
}

void TestCmnCheckComboBox::blockedComboIgnoresClicks()
{
    CTestCheckComboBox combo;
    FillColours(combo);
    combo.CheckRows({kRed});
    {
        const CCmnSlotBlocker blocker(&combo);
        ClickRow(combo, kBlue);
        ClickRow(combo, kAllColours);
        // The list still toggles its marks, but the combo's slot returned at once:
        // no group rule, no hook, no summary.
        QCOMPARE(TickedRows(combo), (Rows{kRed, kBlue, kAllColours}));
        QCOMPARE(combo.m_Toggled, (QList<std::pair<int, bool>>{}));
        QCOMPARE(combo.currentText(), QString("R"));

        // The program's own changes still work under the guard.
        combo.CheckOnlyRows({kGreen});
        QCOMPARE(TickedRows(combo), Rows{kGreen});
        QCOMPARE(combo.currentText(), QString("G"));
    }
    ClickRow(combo, kBlue);
    QCOMPARE(combo.m_Toggled, (QList<std::pair<int, bool>>{{kBlue, true}}));
    QCOMPARE(combo.currentText(), QString("G; B"));
}

void TestCmnCheckComboBox::rowsAreCheckableButNeverCurrent()
{
    CCmnCheckComboBox combo;
    FillColours(combo);
    QVERIFY(combo.isEditable());
    QCOMPARE(combo.currentIndex(), -1);
    QCOMPARE(combo.currentText(), QString());

    // Selectable rows would be taken by the open popup as the current item,
    // closing it and putting the row's text in the edit field.
    for (int row = 0; row < combo.count(); ++row) {
        const Qt::ItemFlags flags = combo.model()->index(row, 0).flags();
        QVERIFY2(!flags.testFlag(Qt::ItemIsSelectable), qPrintable(combo.itemText(row)));
        QCOMPARE(flags.testFlag(Qt::ItemIsUserCheckable), row != kHeading);
    }

    // Return in the edit field adds no row.
    combo.CheckRows({kGreen});
    QTest::keyClicks(combo.lineEdit(), "x");
    QTest::keyClick(combo.lineEdit(), Qt::Key_Return);
    QCOMPARE(combo.count(), int(kRowCount));
}

void TestCmnCheckComboBox::recordsFollowTheirRows()
{
    CCmnCheckComboBox combo;
    FillColours(combo);
    CCmnCheckComboModel *model = combo.CheckModel();

    // A row added without a record uses the default one and never counts, even
    // when it has a check mark.
    model->SetDefaultItem(Plain("?", CCmnCheckComboItem::FlagSelected));
    combo.insertItem(0, "Loose");
    combo.setItemData(0, Qt::Checked, Qt::CheckStateRole);
    QVERIFY(!model->HasItem(0));
    QCOMPARE(combo.ItemText(0), QString("?"));
    QCOMPARE(combo.ItemFlags(0), int(CCmnCheckComboItem::FlagSelected));
    QVERIFY(!combo.IsRowChecked(0));

    // Every record and group moved down by one.
    QCOMPARE(combo.ItemText(kRed + 1), QString("R"));
    QCOMPARE(combo.ItemGroup(kRedAndBlue + 1), (Rows{kRed + 1, kBlue + 1}));
    combo.CheckRows({kRed + 1, kBlue + 1});
    QCOMPARE(combo.currentText(), QString("Red+Blue"));

    // Green removed: its record is gone and no group names it any more.
    combo.removeItem(kGreen + 1);
    QCOMPARE(combo.ItemText(kBlue), QString("B"));
    QCOMPARE(combo.ItemGroup(kAllColours), (Rows{kRed + 1, kBlue}));
    QCOMPARE(combo.ItemGroup(kRedAndBlue), (Rows{kRed + 1, kBlue}));
    QCOMPARE(combo.CheckedRows(false, true), (Rows{kRed + 1, kBlue}));

    combo.clear();
    QVERIFY(!model->HasItem(0));
    QCOMPARE(combo.CheckedRows(false, true), Rows{});
}

void TestCmnCheckComboBox::bitmaskReportsUsersChanges()
{
    CCmnBitmaskComboBox combo;
    FillColours(combo);
    combo.SetValue(0b010); // Green
    QSignalSpy changed(&combo, &CCmnBitmaskComboBox::SignalValueChanged);

    ClickRow(combo, kBlue);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0), (QVariantList{quint64(0b110), quint64(0b010)}));

    // A group click is one change, from the state before the click.
    ClickRow(combo, kRedAndBlue);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1), (QVariantList{quint64(0b101), quint64(0b110)}));

    // Clicks that change nothing report nothing.
    ClickRow(combo, kBlue, false);
    ClickRow(combo, kHeading);
    QCOMPARE(changed.count(), 2);

    // Neither the program's changes nor clicks while the combo is blocked.
    combo.SetValue(0b111);
    combo.CheckOnlyRows({kRed});
    {
        const CCmnSlotBlocker blocker(&combo);
        ClickRow(combo, kGreen);
    }
    QCOMPARE(changed.count(), 2);
    QCOMPARE(combo.Value(), quint64(0b011));

    // The next click starts from the value as it now stands.
    ClickRow(combo, kRed);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(2), (QVariantList{quint64(0b010), quint64(0b011)}));
}

void TestCmnCheckComboBox::bitmaskValueMapsPlainRowsToBits()
{
    CCmnBitmaskComboBox combo;
    FillColours(combo);

    // Bits without a row are dropped; the summary follows.
    combo.SetValue(0xFF00'0000'0000'0005ull);
    QCOMPARE(TickedRows(combo), (Rows{kRed, kBlue, kRedAndBlue}));
    QCOMPARE(combo.Value(), quint64(0b101));
    QCOMPARE(combo.currentText(), QString("Red+Blue"));

    combo.SetValue(0);
    QCOMPARE(combo.Value(), quint64(0));
    QCOMPARE(combo.currentText(), QString());

    // Only the first 64 plain rows carry a bit.
    CCmnBitmaskComboBox wide;
    for (int row = 0; row < 70; ++row)
        wide.AddRow(QString::number(row), Plain(QString::number(row)));
    wide.CheckRows({0, 63, 64, 69});
    QCOMPARE(wide.Value(), quint64(0x8000'0000'0000'0001ull));
    wide.SetValue(~quint64(0));
    QCOMPARE(wide.CheckedRows(true, true).size(), 64);
}

void TestCmnCheckComboBox::summaryIsWholeAtNaturalWidth_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("short rows, long summary") << QStringList{"Bold", "Italic", "Underline", "Strike out"};
    QTest::newRow("names as typed") << QStringList{"Smith & Jones <UK>", "Bella {UK}", "Tom<Jerry"};
    QTest::newRow("very long") << QStringList{QString(300, QLatin1Char('w')), QString(300, QLatin1Char('v'))};
}

// Laid out at its size hint, the edit field holds the whole summary, which the tool
// tip holds too.
void TestCmnCheckComboBox::summaryIsWholeAtNaturalWidth()
{
    QFETCH(QStringList, rows);
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *combo = new CCmnCheckComboBox;
    layout->addWidget(combo);
    layout->addStretch();
    for (const QString &row : rows)
        combo->AddRow(row, Plain(row));
    Rows all;
    for (int row = 0; row < rows.size(); ++row)
        all << row;
    combo->CheckRows(all);
    const QString summary = rows.join(", ");
    QCOMPARE(combo->currentText(), summary);
    QCOMPARE(combo->toolTip(), summary);

    window.resize(window.sizeHint());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QLineEdit *edit = combo->lineEdit();
    QVERIFY(edit->width() >= edit->fontMetrics().horizontalAdvance(summary));
    if (qEnvironmentVariableIsSet("ORV_RENDER_DIR"))
        window.grab().save(qEnvironmentVariable("ORV_RENDER_DIR") + "/checkcombo-" + QTest::currentDataTag() + ".png");
}

QTEST_MAIN(TestCmnCheckComboBox)
#include "tst_cmncheckcombobox.moc"
