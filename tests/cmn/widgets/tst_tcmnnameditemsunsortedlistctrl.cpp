#include "nameditemstesting.h"
#include "cmnappdescriptor.h"
#include "cmnpushbutton.h"
#include "tcmnnameditemsunsortedlistctrl.h"
#include "testmessageboxscope.h"
#include "teststringentry.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QTest>

namespace {

using CList = TCmnNamedItemsSortedList<int>;
using CCtrl = TCmnNamedItemsUnsortedListCtrl<int>;

// Typed into a name dialog: press Cancel instead.
const QString kCancel = QStringLiteral("<cancel>");

enum ECommand { Up, Down, Add, Rename, Edit, Delete };

// Red, Green and Blue in the user's order (not sorted), valued 0, 10 and 20.
CList Colours(qint32 tagged)
{
    return OrvMakeNamedList({"Red", "Green", "Blue"}, -1, tagged);
}

// The control with every button on a window, its name dialogs answered by a script.
class CFixture
{
public:
    explicit CFixture(quint32 flags = 0x3F0)
        : m_Ctrl(&m_Host, QString(), QString(), "Choice", flags, -1)
    {
        auto *layout = new QVBoxLayout(&m_Host);
        layout->addLayout(m_Ctrl.Layout());
        m_Ctrl.SetStringEntryFactory(m_Script.Factory());
    }

    QListWidget *List() const { return m_Ctrl.ListWidget(); }

    QStringList Shown() const { return OrvListWidgetTexts(List()); }

    QWidget m_Host;
    CCtrl m_Ctrl;
    CTestStringEntryScript m_Script;
};

} // namespace

Q_DECLARE_METATYPE(ECommand)

class TestTCmnNamedItemsUnsortedListCtrl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void setItemsKeepsTheOrder();
    void commands_data();
    void commands();
    void addRefusesANameAnywhereInTheList();
    void doubleClickRenamesInPlace();
};

void TestTCmnNamedItemsUnsortedListCtrl::initTestCase()
{
    CmnGetAppDescriptor().m_ProductName = QStringLiteral("Orvanta");
}

void TestTCmnNamedItemsUnsortedListCtrl::setItemsKeepsTheOrder()
{
    CFixture fixture;
    fixture.m_Ctrl.SetItems(Colours(1));
    QCOMPARE(fixture.Shown(), QStringList({"Red", "Green*", "Blue"}));
    QCOMPARE(fixture.List()->currentRow(), 0);
    QVERIFY(fixture.m_Ctrl.UpButton());
    QCOMPARE(fixture.m_Ctrl.m_Flags & CmnNamedItemsOrderedListControl, quint32(CmnNamedItemsOrderedListControl));
    QCOMPARE(OrvNamedListNames(fixture.m_Ctrl.GetItems()), QStringList({"Red", "Green", "Blue"}));
}

void TestTCmnNamedItemsUnsortedListCtrl::commands_data()
{
    QTest::addColumn<ECommand>("command");
    QTest::addColumn<qint32>("current");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<qint32>("newCurrent");
    QTest::addColumn<qint32>("newTagged");

    const QStringList unchanged{"Red", "Green*", "Blue"};
    QTest::newRow("up on the first row: nothing") << Up << 0 << "" << unchanged << 0 << 1;
    QTest::newRow("down on the last row: nothing") << Down << 2 << "" << unchanged << 2 << 1;
    QTest::newRow("up moves the tagged item with its tag")
        << Up << 1 << "" << QStringList{"Green*", "Red", "Blue"} << 0 << 0;
    QTest::newRow("down past the tagged item")
        << Down << 0 << "" << QStringList{"Green*", "Red", "Blue"} << 1 << 0;
    QTest::newRow("add goes after the current row")
        << Add << 0 << "Amber" << QStringList{"Red", "Amber", "Green*", "Blue"} << 1 << 2;
    QTest::newRow("add from the last row appends")
        << Add << 2 << "Amber" << QStringList{"Red", "Green*", "Blue", "Amber"} << 3 << 1;
    QTest::newRow("add cancelled") << Add << 0 << kCancel << unchanged << 0 << 1;
    QTest::newRow("rename keeps the row") << Rename << 0 << "Yellow" << QStringList{"Yellow", "Green*", "Blue"} << 0
                                          << 1;
    QTest::newRow("rename of the tagged item keeps row and tag")
        << Rename << 1 << "Aqua" << QStringList{"Red", "Aqua*", "Blue"} << 1 << 1;
    QTest::newRow("edit keeps the row") << Edit << 2 << "Azure" << QStringList{"Red", "Green*", "Azure"} << 2 << 1;
    QTest::newRow("delete above the tag") << Delete << 0 << "" << QStringList{"Green*", "Blue"} << 0 << 0;
}

void TestTCmnNamedItemsUnsortedListCtrl::commands()
{
    QFETCH(ECommand, command);
    QFETCH(qint32, current);
    QFETCH(QString, typed);
    QFETCH(QStringList, shown);
    QFETCH(qint32, newCurrent);
    QFETCH(qint32, newTagged);

    CFixture fixture;
    fixture.m_Ctrl.SetItems(Colours(1));
    fixture.List()->setCurrentRow(current);
    if (typed == kCancel)
        fixture.m_Script.Cancel();
    else if (!typed.isEmpty())
        fixture.m_Script.Type(typed);
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Yes);

    CCmnPushButton *const buttons[] = {fixture.m_Ctrl.UpButton(),     fixture.m_Ctrl.DownButton(),
                                       fixture.m_Ctrl.AddButton(),    fixture.m_Ctrl.RenameButton(),
                                       fixture.m_Ctrl.EditButton(),   fixture.m_Ctrl.DeleteButton()};
    // The slot runs even where the button is disabled (first and last rows).
    switch (command) {
    case Up: fixture.m_Ctrl.Slot_clicked_MoveUp(); break;
    case Down: fixture.m_Ctrl.Slot_clicked_MoveDown(); break;
    default: buttons[command]->click(); break;
    }

    QCOMPARE(fixture.m_Script.PendingAnswers(), 0);
    QCOMPARE(fixture.Shown(), shown);
    const CList data = fixture.m_Ctrl.GetItems();
    QCOMPARE(fixture.List()->currentRow(), newCurrent);
    QCOMPARE(data.m_CurrentRow, newCurrent);
    QCOMPARE(data.m_TaggedRow, newTagged);
    // Values travel with their names.
    for (const CList::CItem &item : data.m_Items) {
        const int expected = (item.first == "Green" || item.first == "Aqua")  ? 10
                           : (item.first == "Blue" || item.first == "Azure") ? 20
                                                                              : 0;
        QCOMPARE(item.second, expected);
    }
}

// The list is not sorted, so the duplicate check must look at every row.
void TestTCmnNamedItemsUnsortedListCtrl::addRefusesANameAnywhereInTheList()
{
    CFixture fixture;
    fixture.m_Ctrl.SetItems(OrvMakeNamedList({"Zed", "Ash", "Moss"}));
    fixture.m_Script.Type("Ash");
    fixture.m_Script.Type("Fern");
    fixture.m_Ctrl.AddButton()->click();
    QCOMPARE(fixture.m_Script.Shown().size(), 1);
    QCOMPARE(fixture.m_Script.Shown().at(0).m_Refusals.size(), 1);
    QCOMPARE(fixture.Shown(), QStringList({"Zed", "Fern", "Ash", "Moss"}));

    fixture.List()->setCurrentRow(3);
    fixture.m_Script.Type("Zed");
    fixture.m_Script.Cancel();
    fixture.m_Ctrl.RenameButton()->click();
    QCOMPARE(fixture.m_Script.Shown().at(1).m_Refusals.size(), 1);
    QCOMPARE(fixture.Shown(), QStringList({"Zed", "Fern", "Ash", "Moss"}));
}

void TestTCmnNamedItemsUnsortedListCtrl::doubleClickRenamesInPlace()
{
    CFixture fixture(0x370);
    fixture.m_Ctrl.SetItems(Colours(-1));
    fixture.m_Script.Type("Amber");
    fixture.m_Ctrl.Slot_itemDoubleClicked(fixture.List()->item(1));
    QCOMPARE(fixture.m_Script.Shown().at(0).m_Title, QString("Rename Choice"));
    QCOMPARE(fixture.Shown(), QStringList({"Red", "Amber", "Blue"}));
    QCOMPARE(fixture.List()->currentRow(), 1);
}

QTEST_MAIN(TestTCmnNamedItemsUnsortedListCtrl)
#include "tst_tcmnnameditemsunsortedlistctrl.moc"
