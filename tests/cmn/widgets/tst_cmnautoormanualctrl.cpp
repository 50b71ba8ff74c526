#include "cmnautoormanualctrl.h"

#include "cmndataexchange.h"
#include "cmngroupbox.h"
#include "cmnpanel.h"
#include "cmnradiobutton.h"
#include "cmnwhatsthistexts.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

namespace {

// A control over one number, the way the box property controls are made: a spin
// box in the row beside the choice, and a note on the grid below that is enabled
// only while the number is above 0. The log records every exchange it runs.
class CNumberCtrl : public CCmnAutoOrManualCtrl
{
public:
    CCmnLayoutItem Create(const QString &name, qint32 flags, qint32 *value, qint32 automaticValue)
    {
        m_Value = value;
        m_AutomaticValue = automaticValue;
        m_SpinBox = new QSpinBox;
        m_SpinBox->setRange(-100, 100);
        m_Note = new QLabel("above zero");
        return CreateControls(name, flags, {m_SpinBox}, {CCmnGridItem::Widget(m_Note, 0, 1)});
    }

    bool DataExchange(CCmnDataExchange *context) override
    {
        m_Log.append(context->m_Save ? "save" : "load");
        qint32 shown = ShowsAutomaticValue() ? m_AutomaticValue : *m_Value;
        if (!context->ExchangeSpinBox(context->m_Save ? m_Value : &shown, m_SpinBox))
            return false;
        return CCmnAutoOrManualCtrl::DataExchange(context);
    }

    bool IsManualWidgetEnabled(QWidget *widget) const override
    {
        return widget != m_Note || m_SpinBox->value() > 0;
    }

    qint32 *m_Value = nullptr;
    qint32 m_AutomaticValue = 0;
    QSpinBox *m_SpinBox = nullptr;
    QLabel *m_Note = nullptr;
    QStringList m_Log;
};

// Puts the control's layout item into a window, as a host does.
void Place(QWidget *window, const CCmnLayoutItem &item)
{
    auto *layout = new QVBoxLayout(window);
    if (item.m_Widget)
        layout->addWidget(item.m_Widget);
    else
        layout->addLayout(item.m_Layout);
}

void Load(CCmnAutoOrManualCtrl *control)
{
    CCmnDataExchange load(false);
    QVERIFY(control->DataExchange(&load));
}

// The user's click that makes the control manual.
void ClickManual(CCmnAutoOrManualCtrl *control)
{
    if (control->CustomRadio())
        control->CustomRadio()->click();
    else
        control->AutomaticButton()->click();
}

// The cell of a widget, or of the layout that holds it, in the grid.
QList<int> CellOf(const QGridLayout *grid, QWidget *widget)
{
    for (int i = 0; i < grid->count(); ++i) {
        QLayoutItem *item = grid->itemAt(i);
        const bool holds = item->widget() == widget || (item->layout() && item->layout()->indexOf(widget) >= 0);
        if (holds) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            return {row, column, rowSpan, columnSpan};
        }
    }
    return {};
}

} // namespace

class TestCmnAutoOrManualCtrl : public QObject
{
    Q_OBJECT
private slots:
    void buildsChoiceForFlags_data();
    void buildsChoiceForFlags();
    void placesItemsBelowChoice_data();
    void placesItemsBelowChoice();
    void switchingSavesThenReloads_data();
    void switchingSavesThenReloads();
    void setAutomaticBeforeLoadedOnlyStores();
    void radioPairShowsStateOnLoad();
    void withoutChoiceIsInert();
    void registersAutomaticHelpName();
};

void TestCmnAutoOrManualCtrl::buildsChoiceForFlags_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<QString>("groupTitle");  // empty: the result is the grid
    QTest::addColumn<QString>("automaticText");
    QTest::addColumn<QString>("customText");  // empty: no radio pair
    QTest::addColumn<bool>("hasChoice");

    QTest::newRow("check box in group box") << 6 << "Border" << "Automatic" << "" << true;
    QTest::newRow("check box") << 2 << "" << "Automatic Border" << "" << true;
    QTest::newRow("radio pair") << 1 << "" << "Automatic Border" << "Custom Border:" << true;
    QTest::newRow("radio pair in group box") << 5 << "Border" << "Automatic" << "Custom:" << true;
    QTest::newRow("no choice") << 0 << "" << "Automatic Border" << "" << false;
    QTest::newRow("no choice in group box") << 4 << "Border" << "Automatic" << "" << false;
}

void TestCmnAutoOrManualCtrl::buildsChoiceForFlags()
{
    QFETCH(qint32, flags);
    QFETCH(QString, groupTitle);
    QFETCH(QString, automaticText);
    QFETCH(QString, customText);
    QFETCH(bool, hasChoice);

    QWidget window;
    qint32 value = 3;
    CNumberCtrl control;
    const CCmnLayoutItem item = control.Create("Border", flags, &value, 0);
    Place(&window, item);

    auto *groupBox = qobject_cast<QGroupBox *>(item.m_Widget);
    QCOMPARE(groupBox ? groupBox->title() : QString(), groupTitle);
    QCOMPARE(item.m_Layout == nullptr, !groupTitle.isEmpty());
    if (groupBox)
        QVERIFY(!groupBox->isCheckable());
    QCOMPARE(control.AutomaticButton()->text(), automaticText);
    QCOMPARE(qobject_cast<QRadioButton *>(control.AutomaticButton()) != nullptr, !customText.isEmpty());
    QCOMPARE(control.CustomRadio() ? control.CustomRadio()->text() : QString(), customText);
    QCOMPARE(control.HasChoice(), hasChoice);
    QCOMPARE(control.Flags(), flags);
    QCOMPARE(control.ManualWidgets(), QList<QWidget *>({control.m_SpinBox, control.m_Note}));
    QCOMPARE(control.FirstWidget(), control.AutomaticButton());
    QVERIFY(control.IsAutomatic());
    QVERIFY(!control.IsLoaded());
}

void TestCmnAutoOrManualCtrl::placesItemsBelowChoice_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<bool>("withRowItem");
    QTest::addColumn<QList<int>>("choiceCell");  // row, column, row span, column span
    QTest::addColumn<QList<int>>("gridItemCell");
    QTest::addColumn<int>("stretchedRow");

    QTest::newRow("check box row") << 2 << true << QList<int>{0, 0, 1, 3} << QList<int>{2, 1, 1, 2} << 3;
    QTest::newRow("radio pair and row") << 1 << true << QList<int>{0, 0, 1, 3} << QList<int>{4, 1, 1, 2} << 5;
    QTest::newRow("radio pair alone") << 1 << false << QList<int>{0, 0, 1, 3} << QList<int>{3, 1, 1, 2} << 4;
}

void TestCmnAutoOrManualCtrl::placesItemsBelowChoice()
{
    QFETCH(qint32, flags);
    QFETCH(bool, withRowItem);
    QFETCH(QList<int>, choiceCell);
    QFETCH(QList<int>, gridItemCell);
    QFETCH(int, stretchedRow);

    QWidget window;
    auto *rowWidget = new QSpinBox;
    auto *gridWidget = new QLabel("wide");
    QList<CCmnLayoutItem> rowItems;
    if (withRowItem)
        rowItems.append(rowWidget);
    CCmnAutoOrManualCtrl control;
    // The grid item takes columns 1 and 2, so the choice spans three columns.
    const CCmnLayoutItem item =
        control.CreateControls("Size", flags, rowItems, {CCmnGridItem::Widget(gridWidget, 1, 1, 1, 2)});
    Place(&window, item);
    if (!withRowItem)
        delete rowWidget;

    auto *grid = qobject_cast<QGridLayout *>(item.m_Layout);
    QVERIFY(grid);
    QCOMPARE(CellOf(grid, control.AutomaticButton()), choiceCell);
    if (withRowItem) {
        QList<int> rowCell = CellOf(grid, rowWidget);
        QCOMPARE(rowCell.value(0), control.CustomRadio() ? 2 : 0);
        QCOMPARE(rowCell.value(3), 3);
    }
    QCOMPARE(CellOf(grid, gridWidget), gridItemCell);
    QCOMPARE(grid->rowStretch(stretchedRow), 1);
    QCOMPARE(grid->rowStretch(stretchedRow - 1), 0);
}

void TestCmnAutoOrManualCtrl::switchingSavesThenReloads_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::newRow("check box in group box") << 6;
    QTest::newRow("check box") << 2;
    QTest::newRow("radio pair") << 1;
}

void TestCmnAutoOrManualCtrl::switchingSavesThenReloads()
{
    QFETCH(qint32, flags);

    QWidget window;
    qint32 value = 7;
    CNumberCtrl control;
    Place(&window, control.Create("Size", flags, &value, 42));
    control.SetAutomatic(false);
    control.MarkLoaded();
    Load(&control);
    QCOMPARE(control.m_SpinBox->value(), 7);
    QVERIFY(control.m_SpinBox->isEnabled());
    QVERIFY(!control.AutomaticButton()->isChecked());

    // Leaving manual keeps the number the user typed, then shows the automatic one.
    control.m_SpinBox->setValue(9);
    control.m_Log.clear();
    control.AutomaticButton()->click();
    QVERIFY(control.IsAutomatic());
    QCOMPARE(control.m_Log, QStringList({"save", "load"}));
    QCOMPARE(value, 9);
    QCOMPARE(control.m_SpinBox->value(), 42);
    QVERIFY(!control.m_SpinBox->isEnabled());
    QVERIFY(!control.m_Note->isEnabled());

    // Back to manual: nothing to save, the manual number comes back.
    control.m_Log.clear();
    ClickManual(&control);
    QVERIFY(!control.IsAutomatic());
    QCOMPARE(control.m_Log, QStringList({"load"}));
    QCOMPARE(value, 9);
    QCOMPARE(control.m_SpinBox->value(), 9);
    QVERIFY(control.m_SpinBox->isEnabled());
    QVERIFY(control.m_Note->isEnabled());
}

void TestCmnAutoOrManualCtrl::setAutomaticBeforeLoadedOnlyStores()
{
    QWidget window;
    qint32 value = 5;
    CNumberCtrl control;
    Place(&window, control.Create("Size", 6, &value, 42));
    control.SetAutomatic(false);
    control.SetAutomatic(true);
    control.SetAutomatic(false);

    QVERIFY(!control.IsAutomatic());
    QVERIFY(control.m_Log.isEmpty());
    QCOMPARE(control.m_SpinBox->value(), 0);
    QVERIFY(!control.AutomaticButton()->isChecked());
    QVERIFY(control.m_SpinBox->isEnabled());

    control.MarkLoaded();
    Load(&control);
    QCOMPARE(control.m_SpinBox->value(), 5);
    QVERIFY(!control.AutomaticButton()->isChecked());
    QVERIFY(control.m_SpinBox->isEnabled());
}

void TestCmnAutoOrManualCtrl::radioPairShowsStateOnLoad()
{
    QWidget window;
    qint32 value = 1;
    CNumberCtrl control;
    Place(&window, control.Create("Size", 1, &value, 42));
    control.MarkLoaded();
    Load(&control);
    QVERIFY(control.AutomaticButton()->isChecked());
    QVERIFY(!control.CustomRadio()->isChecked());

    // A fresh pair shown as manual selects the Custom radio, not nothing.
    CNumberCtrl manual;
    QWidget other;
    Place(&other, manual.Create("Size", 1, &value, 42));
    manual.SetAutomatic(false);
    manual.MarkLoaded();
    Load(&manual);
    QVERIFY(!manual.AutomaticButton()->isChecked());
    QVERIFY(manual.CustomRadio()->isChecked());
}

void TestCmnAutoOrManualCtrl::withoutChoiceIsInert()
{
    QWidget window;
    qint32 value = -3;
    CNumberCtrl control;
    Place(&window, control.Create("Size", 0, &value, 42));
    control.MarkLoaded();
    Load(&control);
    // Without a choice the manual value shows and the widgets stay enabled, each
    // as far as its own rule allows.
    QCOMPARE(control.m_SpinBox->value(), -3);
    QVERIFY(control.m_SpinBox->isEnabled());
    QVERIFY(!control.m_Note->isEnabled());

    control.m_Log.clear();
    control.AutomaticButton()->click();
    control.SetAutomatic(false);
    QVERIFY(control.IsAutomatic());
    QVERIFY(control.m_Log.isEmpty());
    QVERIFY(control.m_SpinBox->isEnabled());

    control.m_SpinBox->setValue(4);
    control.UpdateEnabling();
    QVERIFY(control.m_Note->isEnabled());
}

void TestCmnAutoOrManualCtrl::registersAutomaticHelpName()
{
    const TCmnWhatsThisTable previous =
        CmnSetWhatsThisTexts({{"BoxDialog.html:TextSizeAutomatic", "Leave the size to the form."}});
    CCmnPanel host;
    host.SetHelpPage("BoxDialog.html");

    for (const qint32 flags : {2, 1}) {
        QWidget window;
        qint32 value = 0;
        CNumberCtrl control;
        Place(&window, control.Create("Size", flags, &value, 0));
        control.RegisterWhatsThis(&host, "TextSize");
        QVERIFY(control.AutomaticButton()->whatsThis().contains("Leave the size to the form."));
        if (control.CustomRadio())
            QVERIFY(control.CustomRadio()->whatsThis().contains("Leave the size to the form."));
        QVERIFY(control.m_SpinBox->whatsThis().isEmpty());
    }
    CmnSetWhatsThisTexts(previous);
}

QTEST_MAIN(TestCmnAutoOrManualCtrl)
#include "tst_cmnautoormanualctrl.moc"
