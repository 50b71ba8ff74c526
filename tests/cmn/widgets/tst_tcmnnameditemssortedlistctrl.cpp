#include "nameditemstesting.h"
#include "cmnappdescriptor.h"
#include "cmnpushbutton.h"
#include "tcmnnameditemssortedlistctrl.h"
#include "testmessageboxscope.h"
#include "teststringentry.h"

#include <QBoxLayout>
#include <QTest>

namespace {

using CList = TCmnNamedItemsSortedList<int>;
using CCtrl = TCmnNamedItemsSortedListCtrl<int>;

constexpr qint32 kYes = QMessageBox::Yes;
constexpr qint32 kNo = QMessageBox::No;
// Typed into a name dialog: press Cancel instead.
const QString kCancel = QStringLiteral("<cancel>");

enum ECommand { Add, Delete, Rename, Edit };

// Ash, Birch and Cedar, valued 10, 20 and 30.
CList Trees(qint32 current, qint32 tagged)
{
    CList list;
    list.m_DefaultText = "Unnamed";
    for (const auto &[name, value] : QList<std::pair<QString, int>>{{"Cedar", 30}, {"Ash", 10}, {"Birch", 20}})
        list.InsertSorted(name, value);
    list.m_CurrentRow = current;
    list.m_TaggedRow = tagged;
    return list;
}

QStringList Names(const CList &list)
{
    return OrvNamedListNames(list);
}

// The control on a window, its name dialogs answered by a script.
class CFixture
{
public:
    explicit CFixture(quint32 flags, qint32 maxItemCount = -1)
        : m_Ctrl(&m_Host, "Tree", "Trees", "Name", flags, maxItemCount)
    {
        auto *layout = new QVBoxLayout(&m_Host);
        layout->addLayout(m_Ctrl.Layout());
        m_Ctrl.SetStringEntryFactory(m_Script.Factory());
    }

    void Type(const QStringList &typed)
    {
        for (const QString &text : typed) {
            if (text == kCancel)
                m_Script.Cancel();
            else
                m_Script.Type(text);
        }
    }

    QListWidget *List() const { return m_Ctrl.ListWidget(); }

    QStringList Shown() const { return OrvListWidgetTexts(List()); }

    QStringList Kept() const
    {
        QStringList kept;
        for (qint32 row = 0; row < List()->count(); ++row)
            kept << List()->item(row)->data(Qt::UserRole).toString();
        return kept;
    }

    QWidget m_Host;
    CCtrl m_Ctrl;
    CTestStringEntryScript m_Script;
};

} // namespace

Q_DECLARE_METATYPE(ECommand)

class TestTCmnNamedItemsSortedListCtrl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void setDataShowsTheList_data();
    void setDataShowsTheList();
    void flagsSplitBetweenListAndDialogs();
    void commandsUpdateTheList_data();
    void commandsUpdateTheList();
    void addStopsAtMaximum();
    void tagMarkFollowsToggle();
    void doubleClick_data();
    void doubleClick();
    void dialogsOpenOnTheOwner();
};

void TestTCmnNamedItemsSortedListCtrl::initTestCase()
{
    CmnGetAppDescriptor().m_ProductName = QStringLiteral("Orvanta");
}

void TestTCmnNamedItemsSortedListCtrl::setDataShowsTheList_data()
{
    QTest::addColumn<qint32>("current");
    QTest::addColumn<qint32>("tagged");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<qint32>("selected");
    QTest::addColumn<QString>("tagText");
    // The first row selected only for the showing is not given back as chosen.
    QTest::addColumn<qint32>("givenBack");

    QTest::newRow("no current row: first selected")
        << -1 << 2 << QStringList{"Ash", "Birch", "Cedar*"} << 0 << "Tag" << -1;
    QTest::newRow("current row kept") << 1 << -1 << QStringList{"Ash", "Birch", "Cedar"} << 1 << "Tag" << 1;
    QTest::newRow("current row tagged") << 2 << 2 << QStringList{"Ash", "Birch", "Cedar*"} << 2 << "Untag" << 2;
    QTest::newRow("current row beyond the list: first selected")
        << 5 << -1 << QStringList{"Ash", "Birch", "Cedar"} << 0 << "Tag" << -1;
}

void TestTCmnNamedItemsSortedListCtrl::setDataShowsTheList()
{
    QFETCH(qint32, current);
    QFETCH(qint32, tagged);
    QFETCH(QStringList, shown);
    QFETCH(qint32, selected);
    QFETCH(QString, tagText);
    QFETCH(qint32, givenBack);

    CFixture fixture(0x2F0);
    fixture.List()->addItem("left over");
    fixture.m_Ctrl.SetData(Trees(current, tagged));

    QCOMPARE(fixture.Shown(), shown);
    QCOMPARE(fixture.Kept(), QStringList({"Ash", "Birch", "Cedar"}));
    QCOMPARE(fixture.List()->currentRow(), selected);
    QCOMPARE(fixture.m_Ctrl.TagButton()->text(), tagText);
    QVERIFY(fixture.m_Ctrl.DeleteButton()->isEnabled());

    const CList data = fixture.m_Ctrl.GetData();
    QCOMPARE(Names(data), QStringList({"Ash", "Birch", "Cedar"}));
    QCOMPARE(data.m_Items.at(1).second, 20);
    QCOMPARE(data.m_CurrentRow, givenBack);
    QCOMPARE(data.m_TaggedRow, tagged);
    QCOMPARE(data.m_DefaultText, QString("Unnamed"));
}

void TestTCmnNamedItemsSortedListCtrl::flagsSplitBetweenListAndDialogs()
{
    CCmnNamedItemsButtonWords words;
    words.m_Delete = "Discard";
    QWidget host;
    CCtrl ctrl(&host, "Tree", "Trees", "Name", 0x1B4, -1, words);
    QCOMPARE(ctrl.Flags(), quint32(0xB4));
    QCOMPARE(ctrl.UpButton(), nullptr);
    QCOMPARE(ctrl.DownButton(), nullptr);
    QCOMPARE(ctrl.m_Flags, quint32(0x1B5));
    QCOMPARE(ctrl.DeleteCaption(), QString("Discard Tree"));
    QCOMPARE(ctrl.DeleteButton()->text(), QString("Discard"));

    // An empty list: nothing to act on, but room to add.
    (new QVBoxLayout(&host))->addLayout(ctrl.Layout());
    ctrl.SetData(CList());
    QCOMPARE(ctrl.GetData().m_CurrentRow, -1);
    QVERIFY(ctrl.AddButton()->isEnabled());
    QVERIFY(!ctrl.DeleteButton()->isEnabled());
    QVERIFY(!ctrl.EditButton()->isEnabled());
}

void TestTCmnNamedItemsSortedListCtrl::commandsUpdateTheList_data()
{
    QTest::addColumn<ECommand>("command");
    QTest::addColumn<qint32>("current");
    QTest::addColumn<qint32>("tagged");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QList<qint32>>("answers");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<qint32>("newCurrent");
    QTest::addColumn<qint32>("newTagged");

    const QStringList unchanged{"Ash", "Birch", "Cedar*"};

    QTest::newRow("add sorts the item in and selects it")
        << Add << 0 << 2 << QStringList{"Beech"} << QList<qint32>{} << QStringList{"Ash", "Beech", "Birch", "Cedar*"}
        << 1 << 3;
    QTest::newRow("add refuses a taken name, then takes the next")
        << Add << 0 << 2 << QStringList{"Birch", "Yew"} << QList<qint32>{}
        << QStringList{"Ash", "Birch", "Cedar*", "Yew"} << 3 << 2;
    QTest::newRow("add cancelled") << Add << 1 << 2 << QStringList{kCancel} << QList<qint32>{} << unchanged << 1 << 2;

    QTest::newRow("delete selects the item that moves up")
        << Delete << 1 << 2 << QStringList{} << QList<qint32>{kYes} << QStringList{"Ash", "Cedar*"} << 1 << 1;
    QTest::newRow("delete the first row")
        << Delete << 0 << 2 << QStringList{} << QList<qint32>{kYes} << QStringList{"Birch", "Cedar*"} << 0 << 1;
    QTest::newRow("delete the tagged last row")
        << Delete << 2 << 2 << QStringList{} << QList<qint32>{kYes} << QStringList{"Ash", "Birch"} << 1 << -1;
    QTest::newRow("delete answered No") << Delete << 1 << 2 << QStringList{} << QList<qint32>{kNo} << unchanged << 1
                                        << 2;

    QTest::newRow("rename moves the item and keeps it selected")
        << Rename << 1 << 2 << QStringList{"Yew"} << QList<qint32>{} << QStringList{"Ash", "Cedar*", "Yew"} << 2 << 1;
    QTest::newRow("rename of the tagged item keeps its mark")
        << Rename << 2 << 2 << QStringList{"Alder"} << QList<qint32>{} << QStringList{"Alder*", "Ash", "Birch"} << 0
        << 0;
    QTest::newRow("rename to the unchanged name")
        << Rename << 1 << 2 << QStringList{"Birch"} << QList<qint32>{} << unchanged << 1 << 2;
    QTest::newRow("rename to a taken name, then cancelled")
        << Rename << 1 << 2 << QStringList{"Ash", kCancel} << QList<qint32>{} << unchanged << 1 << 2;

    QTest::newRow("edit moves the item and keeps it selected")
        << Edit << 0 << 2 << QStringList{"Dogwood"} << QList<qint32>{}
        << QStringList{"Birch", "Cedar*", "Dogwood"} << 2 << 1;
    QTest::newRow("edit of the tagged item keeps its mark")
        << Edit << 2 << 2 << QStringList{"Beech"} << QList<qint32>{} << QStringList{"Ash", "Beech*", "Birch"} << 1
        << 1;
}

void TestTCmnNamedItemsSortedListCtrl::commandsUpdateTheList()
{
    QFETCH(ECommand, command);
    QFETCH(qint32, current);
    QFETCH(qint32, tagged);
    QFETCH(QStringList, typed);
    QFETCH(QList<qint32>, answers);
    QFETCH(QStringList, shown);
    QFETCH(qint32, newCurrent);
    QFETCH(qint32, newTagged);

    CFixture fixture(0x2F0);
    fixture.m_Ctrl.SetData(Trees(0, tagged));
    // The user's click, not the data, says which row a command acts on.
    fixture.List()->setCurrentRow(current);
    fixture.Type(typed);
    CTestMessageBoxScope boxes;
    for (qint32 answer : answers)
        boxes.Answer(answer);

    CCmnPushButton *const buttons[] = {fixture.m_Ctrl.AddButton(), fixture.m_Ctrl.DeleteButton(),
                                       fixture.m_Ctrl.RenameButton(), fixture.m_Ctrl.EditButton()};
    buttons[command]->click();

    QCOMPARE(fixture.m_Script.PendingAnswers(), 0);
    QCOMPARE(boxes.PendingAnswers(), 0);
    QCOMPARE(fixture.Shown(), shown);
    const CList data = fixture.m_Ctrl.GetData();
    QCOMPARE(fixture.Kept(), Names(data));
    QCOMPARE(fixture.List()->currentRow(), newCurrent);
    QCOMPARE(data.m_CurrentRow, newCurrent);
    QCOMPARE(data.m_TaggedRow, newTagged);
    QCOMPARE(fixture.m_Ctrl.TagButton()->text(), QString(newCurrent == newTagged ? "Untag" : "Tag"));
    // Values travel with their names.
    for (const CList::CItem &item : data.m_Items) {
        const int expected = item.first == "Ash" ? 10 : item.first == "Birch" ? 20 : item.first == "Cedar" ? 30 : 0;
        if (expected)
            QCOMPARE(item.second, expected);
    }
}

void TestTCmnNamedItemsSortedListCtrl::addStopsAtMaximum()
{
    CFixture fixture(0x30, 3);
    fixture.m_Ctrl.SetData(Trees(-1, -1));
    QVERIFY(!fixture.m_Ctrl.AddButton()->isEnabled());
    // Even a click that reaches the slot adds nothing and asks nothing.
    fixture.Type({"Beech"});
    fixture.m_Ctrl.Slot_clicked_Add();
    QCOMPARE(fixture.m_Script.Shown().size(), 0);

    CTestMessageBoxScope boxes;
    boxes.Answer(kYes);
    fixture.m_Ctrl.DeleteButton()->click();
    QCOMPARE(fixture.Shown(), QStringList({"Birch", "Cedar"}));
    QVERIFY(fixture.m_Ctrl.AddButton()->isEnabled());

    fixture.m_Ctrl.AddButton()->click();
    QCOMPARE(fixture.Shown(), QStringList({"Beech", "Birch", "Cedar"}));
    QVERIFY(!fixture.m_Ctrl.AddButton()->isEnabled());
}

void TestTCmnNamedItemsSortedListCtrl::tagMarkFollowsToggle()
{
    CFixture fixture(0x230);
    fixture.m_Ctrl.SetData(Trees(0, -1));
    CCmnPushButton *tag = fixture.m_Ctrl.TagButton();
    QCOMPARE(tag->text(), QString("Tag"));

    tag->click();
    QCOMPARE(fixture.Shown(), QStringList({"Ash*", "Birch", "Cedar"}));
    QCOMPARE(tag->text(), QString("Untag"));

    fixture.List()->setCurrentRow(2);
    QCOMPARE(tag->text(), QString("Tag"));
    tag->click();
    QCOMPARE(fixture.Shown(), QStringList({"Ash", "Birch", "Cedar*"}));
    QCOMPARE(fixture.Kept(), QStringList({"Ash", "Birch", "Cedar"}));
    QCOMPARE(fixture.m_Ctrl.GetData().m_TaggedRow, 2);
    QCOMPARE(tag->text(), QString("Untag"));

    // Without a current row the tag stays where it is.
    fixture.List()->setCurrentRow(-1);
    QVERIFY(tag->isEnabled());
    tag->click();
    QCOMPARE(fixture.Shown(), QStringList({"Ash", "Birch", "Cedar*"}));

    fixture.List()->setCurrentRow(2);
    tag->click();
    QCOMPARE(fixture.Shown(), QStringList({"Ash", "Birch", "Cedar"}));
    QCOMPARE(fixture.m_Ctrl.GetData().m_TaggedRow, -1);
    QCOMPARE(tag->text(), QString("Tag"));
}

void TestTCmnNamedItemsSortedListCtrl::doubleClick_data()
{
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<QString>("title");   // of the dialog; empty for none

    QTest::newRow("add and delete only: nothing") << quint32(0x30) << QString();
    QTest::newRow("rename") << quint32(0x70) << "Rename Tree";
    QTest::newRow("edit wins over rename") << quint32(0xF0) << "Edit Tree";
}

// The double-clicked row is the one changed, even when another was current.
void TestTCmnNamedItemsSortedListCtrl::doubleClick()
{
    QFETCH(quint32, flags);
    QFETCH(QString, title);

    CFixture fixture(flags);
    fixture.m_Ctrl.SetData(Trees(0, -1));
    fixture.Type({"Alder"});
    emit fixture.List()->itemDoubleClicked(fixture.List()->item(2));

    if (title.isEmpty()) {
        QCOMPARE(fixture.m_Script.Shown().size(), 0);
        QCOMPARE(fixture.Shown(), QStringList({"Ash", "Birch", "Cedar"}));
        return;
    }
    QCOMPARE(fixture.m_Script.Shown().size(), 1);
    QCOMPARE(fixture.m_Script.Shown().first().m_Title, title);
    QCOMPARE(fixture.m_Script.Shown().first().m_Value, QString("Cedar"));
    QCOMPARE(fixture.Shown(), QStringList({"Alder", "Ash", "Birch"}));
    QCOMPARE(fixture.List()->currentRow(), 0);
    QCOMPARE(fixture.m_Ctrl.GetData().m_Items.first().second, 30);
}

void TestTCmnNamedItemsSortedListCtrl::dialogsOpenOnTheOwner()
{
    CFixture fixture(0xF0);
    fixture.m_Ctrl.SetData(Trees(1, -1));
    fixture.Type({"Beech", "Yew", "Birch"});
    CTestMessageBoxScope boxes;
    boxes.Answer(kNo);
    fixture.m_Ctrl.AddButton()->click();
    fixture.m_Ctrl.RenameButton()->click();
    fixture.m_Ctrl.EditButton()->click();
    fixture.m_Ctrl.DeleteButton()->click();

    QCOMPARE(fixture.m_Script.Shown().size(), 3);
    for (const CTestStringEntryScript::CShown &shown : fixture.m_Script.Shown())
        QCOMPARE(shown.m_Parent, &fixture.m_Host);
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Parent, &fixture.m_Host);
    QCOMPARE(boxes.Requests().first().m_Title, QString("Delete Tree"));
    QCOMPARE(fixture.Shown(), QStringList({"Ash", "Birch", "Cedar", "Yew"}));
}

QTEST_MAIN(TestTCmnNamedItemsSortedListCtrl)
#include "tst_tcmnnameditemssortedlistctrl.moc"
