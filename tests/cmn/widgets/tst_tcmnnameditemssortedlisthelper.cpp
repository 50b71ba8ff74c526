#include "nameditemstesting.h"
#include "cmnappdescriptor.h"
#include "tcmnnameditemssortedlisthelper.h"
#include "testmessageboxscope.h"
#include "teststringentry.h"

#include <QTest>
#include <QWidget>

namespace {

using CList = TCmnNamedItemsSortedList<int>;
using CHelper = TCmnNamedItemsSortedListHelper<int>;

constexpr qint32 kYes = QMessageBox::Yes;
constexpr qint32 kNo = QMessageBox::No;
constexpr qint32 kClose = 0;   // the box closed without a click
constexpr int kDefaultValue = 7;
// Typed into a name dialog: press Cancel instead.
const QString kCancel = QStringLiteral("<cancel>");

const QStringList kTrees{"Ash", "Birch", "Cedar"};

QString Exists(const QString &name)
{
    return QStringLiteral("Tree '%1' already exists - please choose a different name.").arg(name);
}

QString Reserved(const QString &name)
{
    return QStringLiteral("'%1' is used internally within Orvanta. Please choose a different name.")
        .arg(name);
}

// Each item is valued by its row times ten.
CList MakeList(const QStringList &names, qint32 current, qint32 tagged)
{
    CList list = OrvMakeNamedList(names, current, tagged);
    list.m_DefaultValue = kDefaultValue;
    return list;
}

QStringList Names(const CList &list)
{
    return OrvNamedListNames(list);
}

void SetUp(CHelper &helper, CTestStringEntryScript &script)
{
    helper.Set(QStringLiteral("Tree"), QStringLiteral("Trees"), QStringLiteral("Name"));
    helper.m_ReservedNames = {{QStringLiteral("ROOT"), QString()},
                              {QStringLiteral("?ROOT"), QStringLiteral("The chart has a root.")}};
    helper.SetStringEntryFactory(script.Factory());
}

void Script(CTestStringEntryScript &script, const QStringList &typed)
{
    for (const QString &text : typed) {
        if (text == kCancel)
            script.Cancel();
        else
            script.Type(text);
    }
}

QStringList Refusals(const CTestStringEntryScript &script)
{
    QStringList refusals;
    for (const CTestStringEntryScript::CShown &shown : script.Shown())
        refusals << shown.m_Refusals;
    return refusals;
}

qint32 DefaultAnswer(const CCmnMessageBoxRequest &request)
{
    if (request.m_DefaultButton < 0)
        return 0;
    return request.m_Buttons.at(request.m_DefaultButton).m_StandardButton;
}

// Gets new items by its own means when it has one to offer, and edits values in its
// own dialog: the hooks of owners such as the folder lists.
class CHookedHelper : public CHelper
{
public:
    bool GetNewItem(QString &name, int &value, QWidget *parent) override
    {
        Q_UNUSED(parent);
        if (m_OwnName.isEmpty())
            return false;
        name = m_OwnName;
        value = 42;
        return true;
    }

    std::unique_ptr<CCmnStringEntry> CreateEditDialog(int &value, QWidget *parent) override
    {
        ++m_EditDialogs;
        value = 99;   // as a dialog that edits the value would on OK
        return CreatePlainStringEntry(parent);
    }

    void PrepareEditDialog(CCmnStringEntry &dialog, const QString &name, const QString &prompt,
                           bool isNew) override
    {
        m_IsNew << isNew;
        CHelper::PrepareEditDialog(dialog, name, prompt, isNew);
    }

    QString m_OwnName;
    int m_EditDialogs = 0;
    QList<bool> m_IsNew;
};

enum EFlow { Add, Rename, Edit };

} // namespace

Q_DECLARE_METATYPE(EFlow)

class TestTCmnNamedItemsSortedListHelper : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void addItem_data();
    void addItem();
    void deleteItem_data();
    void deleteItem();
    void deleteQuestionsAsComposed();
    void renameOrEdit_data();
    void renameOrEdit();
    void dialogsAsComposed_data();
    void dialogsAsComposed();
    void reservedNameNote();
    void ownerHooks();
    void noDialogMeansCancelled();
};

void TestTCmnNamedItemsSortedListHelper::initTestCase()
{
    CmnGetAppDescriptor().m_ProductName = QStringLiteral("Orvanta");
}

void TestTCmnNamedItemsSortedListHelper::addItem_data()
{
    QTest::addColumn<qint32>("current");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<QList<qint32>>("boxAnswers");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<qint32>("row");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<qint32>("newCurrent");
    QTest::addColumn<qint32>("newTagged");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("refusals");
    QTest::addColumn<int>("dialogs");
    const quint32 offer = CmnNamedItemsOfferBaseOnCurrent;
    const QList<qint32> none;

    QTest::newRow("sorted into place, current and tagged follow")
        << 0 << 0u << none << QStringList{"Beech"} << 1
        << QStringList{"Ash", "Beech", "Birch", "Cedar"} << 1 << 3 << kDefaultValue
        << QStringList{} << 1;
    QTest::newRow("duplicate refused, next name accepted")
        << 0 << 0u << none << QStringList{"Birch", "Alder"} << 0
        << QStringList{"Alder", "Ash", "Birch", "Cedar"} << 0 << 3 << kDefaultValue
        << QStringList{Exists("Birch")} << 1;
    QTest::newRow("other case is a new name")
        << 0 << 0u << none << QStringList{"birch"} << 3
        << QStringList{"Ash", "Birch", "Cedar", "birch"} << 3 << 2 << kDefaultValue
        << QStringList{} << 1;
    QTest::newRow("reserved name refused")
        << 0 << 0u << none << QStringList{"root", "Elm"} << 3
        << QStringList{"Ash", "Birch", "Cedar", "Elm"} << 3 << 2 << kDefaultValue
        << QStringList{Reserved("root")} << 1;
    QTest::newRow("blanks trimmed")
        << 0 << 0u << none << QStringList{"  Elm "} << 3
        << QStringList{"Ash", "Birch", "Cedar", "Elm"} << 3 << 2 << kDefaultValue
        << QStringList{} << 1;
    QTest::newRow("empty name asks again")
        << 0 << 0u << none << QStringList{"", "Elm"} << 3
        << QStringList{"Ash", "Birch", "Cedar", "Elm"} << 3 << 2 << kDefaultValue
        << QStringList{} << 2;
    QTest::newRow("cancelled") << 0 << 0u << none << QStringList{kCancel} << -1 << kTrees << 0
                               << 2 << -1 << QStringList{} << 1;
    QTest::newRow("based on the current item")
        << 1 << offer << QList<qint32>{kYes} << QStringList{"Elm"} << 3
        << QStringList{"Ash", "Birch", "Cedar", "Elm"} << 3 << 2 << 10 << QStringList{} << 1;
    QTest::newRow("not based on the current item")
        << 1 << offer << QList<qint32>{kNo} << QStringList{"Elm"} << 3
        << QStringList{"Ash", "Birch", "Cedar", "Elm"} << 3 << 2 << kDefaultValue
        << QStringList{} << 1;
    QTest::newRow("no offer without a current row")
        << -1 << offer << none << QStringList{"Elm"} << 3
        << QStringList{"Ash", "Birch", "Cedar", "Elm"} << 3 << 2 << kDefaultValue
        << QStringList{} << 1;
}

void TestTCmnNamedItemsSortedListHelper::addItem()
{
    QFETCH(qint32, current);
    QFETCH(quint32, flags);
    QFETCH(QList<qint32>, boxAnswers);
    QFETCH(QStringList, typed);
    QFETCH(qint32, row);
    QFETCH(QStringList, names);
    QFETCH(qint32, newCurrent);
    QFETCH(qint32, newTagged);
    QFETCH(int, value);
    QFETCH(QStringList, refusals);
    QFETCH(int, dialogs);

    CTestMessageBoxScope boxes;
    for (qint32 answer : boxAnswers)
        boxes.Answer(answer);
    CTestStringEntryScript script;
    Script(script, typed);
    CHelper helper;
    SetUp(helper, script);
    helper.m_Flags = flags;
    CList list = MakeList(kTrees, current, 2);

    QCOMPARE(helper.AddItem(list, nullptr), row);
    QCOMPARE(Names(list), names);
    QCOMPARE(list.m_CurrentRow, newCurrent);
    QCOMPARE(list.m_TaggedRow, newTagged);
    if (row >= 0)
        QCOMPARE(list.m_Items.at(row).second, value);
    QCOMPARE(Refusals(script), refusals);
    QCOMPARE(script.Shown().size(), dialogs);
    QCOMPARE(script.PendingAnswers(), 0);
    QCOMPARE(boxes.Requests().size(), boxAnswers.size());
    if (!boxAnswers.isEmpty()) {
        const CCmnMessageBoxRequest &asked = boxes.Requests().first();
        QCOMPARE(asked.m_Icon, QMessageBox::Question);
        QCOMPARE(asked.m_Title, QStringLiteral("Add Tree"));
        QCOMPARE(asked.m_Text,
                 QStringLiteral("<p>Do you want to base the new Tree on the current Tree ('Birch')?</p>"));
        QCOMPARE(DefaultAnswer(asked), kYes);
    }
    // A dialog asked again after an empty name starts from the empty text.
    if (dialogs > 1)
        QCOMPARE(script.Shown().at(1).m_Value, QString());
}

void TestTCmnNamedItemsSortedListHelper::deleteItem_data()
{
    QTest::addColumn<qint32>("current");
    QTest::addColumn<qint32>("tagged");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QList<qint32>>("answers");
    QTest::addColumn<qint32>("row");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<qint32>("newCurrent");
    QTest::addColumn<qint32>("newTagged");
    QTest::addColumn<int>("asked");
    const QString warning = QStringLiteral("Charts lose this tree.");

    QTest::newRow("yes removes the tagged current item")
        << 1 << 1 << "" << QList<qint32>{kYes} << 1 << QStringList{"Ash", "Cedar"} << 1 << -1
        << 1;
    QTest::newRow("yes removes the last item")
        << 2 << 1 << "" << QList<qint32>{kYes} << 2 << QStringList{"Ash", "Birch"} << 1 << 1
        << 1;
    QTest::newRow("no keeps it") << 1 << 1 << "" << QList<qint32>{kNo} << -1 << kTrees << 1 << 1
                                 << 1;
    QTest::newRow("closed box keeps it")
        << 1 << 1 << "" << QList<qint32>{kClose} << -1 << kTrees << 1 << 1 << 1;
    QTest::newRow("warning: yes twice removes")
        << 0 << 2 << warning << QList<qint32>{kYes, kYes} << 0 << QStringList{"Birch", "Cedar"}
        << 0 << 1 << 2;
    QTest::newRow("warning: no the second time keeps it")
        << 0 << 2 << warning << QList<qint32>{kYes, kNo} << -1 << kTrees << 0 << 2 << 2;
    QTest::newRow("warning: no the first time asks once")
        << 0 << 2 << warning << QList<qint32>{kNo} << -1 << kTrees << 0 << 2 << 1;
    QTest::newRow("no current row asks nothing")
        << -1 << 2 << "" << QList<qint32>{} << -1 << kTrees << -1 << 2 << 0;
    QTest::newRow("current row past the end asks nothing")
        << 3 << 2 << "" << QList<qint32>{} << -1 << kTrees << 3 << 2 << 0;
}

void TestTCmnNamedItemsSortedListHelper::deleteItem()
{
    QFETCH(qint32, current);
    QFETCH(qint32, tagged);
    QFETCH(QString, warning);
    QFETCH(QList<qint32>, answers);
    QFETCH(qint32, row);
    QFETCH(QStringList, names);
    QFETCH(qint32, newCurrent);
    QFETCH(qint32, newTagged);
    QFETCH(int, asked);

    CTestMessageBoxScope boxes;
    for (qint32 answer : answers) {
        if (answer == kClose)
            boxes.AnswerByClosing();
        else
            boxes.Answer(answer);
    }
    CTestStringEntryScript script;
    CHelper helper;
    SetUp(helper, script);
    helper.m_DeleteWarning = warning;
    CList list = MakeList(kTrees, current, tagged);

    QCOMPARE(helper.DeleteItem(list, nullptr), row);
    QCOMPARE(Names(list), names);
    QCOMPARE(list.m_CurrentRow, newCurrent);
    QCOMPARE(list.m_TaggedRow, newTagged);
    QCOMPARE(boxes.Requests().size(), asked);
    QCOMPARE(boxes.PendingAnswers(), 0);
    QVERIFY(script.Shown().isEmpty());
}

void TestTCmnNamedItemsSortedListHelper::deleteQuestionsAsComposed()
{
    CTestMessageBoxScope boxes;
    boxes.Answer(kYes);
    boxes.Answer(kYes);
    CTestStringEntryScript script;
    CHelper helper;
    SetUp(helper, script);
    helper.m_ButtonWords.m_Delete = QStringLiteral("Fell");
    helper.m_DeleteWarning = QStringLiteral("Charts lose this tree.");
    CList list = MakeList(kTrees, 1, -1);
    QWidget parent;

    QCOMPARE(helper.DeleteItem(list, &parent), 1);
    QCOMPARE(boxes.Requests().size(), 2);
    const QString question = QStringLiteral("<p>Are you sure you want to fell the tree 'Birch'?</p>");
    const CCmnMessageBoxRequest &first = boxes.Requests().at(0);
    QCOMPARE(first.m_Icon, QMessageBox::Question);
    QCOMPARE(first.m_Parent, &parent);
    QCOMPARE(first.m_Title, QStringLiteral("Fell Tree"));
    QCOMPARE(first.m_Text, question);
    QCOMPARE(DefaultAnswer(first), kNo);
    const CCmnMessageBoxRequest &second = boxes.Requests().at(1);
    QCOMPARE(second.m_Icon, QMessageBox::Warning);
    QCOMPARE(second.m_Title, QStringLiteral("Fell Tree"));
    QCOMPARE(second.m_Text,
             QStringLiteral("<p>WARNING!</p><p>Charts lose this tree.</p>%1").arg(question));
    QCOMPARE(DefaultAnswer(second), kNo);
}

void TestTCmnNamedItemsSortedListHelper::renameOrEdit_data()
{
    QTest::addColumn<EFlow>("flow");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<qint32>("current");
    QTest::addColumn<qint32>("tagged");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QList<qint32>>("rows");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<qint32>("newCurrent");
    QTest::addColumn<qint32>("newTagged");
    QTest::addColumn<QStringList>("refusals");
    QTest::addColumn<int>("dialogs");
    const QList<qint32> unchanged{-1, -1};

    for (EFlow flow : {Rename, Edit}) {
        const QByteArray prefix = flow == Rename ? "rename: " : "edit: ";
        QTest::newRow(prefix + "tagged current item moves to the end")
            << flow << kTrees << 1 << 1 << QStringList{"Yew"} << QList<qint32>{1, 2}
            << QStringList{"Ash", "Cedar", "Yew"} << 2 << 2 << QStringList{} << 1;
        QTest::newRow(prefix + "other case is another name")
            << flow << QStringList{"Bay", "Oak"} << 0 << -1 << QStringList{"bay"}
            << QList<qint32>{0, 1} << QStringList{"Oak", "bay"} << 1 << -1 << QStringList{} << 1;
        QTest::newRow(prefix + "duplicate refused, next name accepted")
            << flow << kTrees << 1 << 0 << QStringList{"Cedar", "Elm"} << QList<qint32>{1, 2}
            << QStringList{"Ash", "Cedar", "Elm"} << 2 << 0 << QStringList{Exists("Cedar")} << 1;
        QTest::newRow(prefix + "reserved name refused in any case")
            << flow << kTrees << 1 << 0 << QStringList{"rOOt", "ROOT", "Elm"}
            << QList<qint32>{1, 2} << QStringList{"Ash", "Cedar", "Elm"} << 2 << 0
            << QStringList{Reserved("rOOt"), Reserved("ROOT")} << 1;
        QTest::newRow(prefix + "cancelled")
            << flow << kTrees << 1 << 0 << QStringList{kCancel} << unchanged << kTrees << 1 << 0
            << QStringList{} << 1;
        // A name reserved since it was given may be kept, not changed into another case.
        QTest::newRow(prefix + "reserved old name in another case refused")
            << flow << QStringList{"Ash", "Root"} << 1 << -1 << QStringList{"ROOT", kCancel} << unchanged
            << QStringList{"Ash", "Root"} << 1 << -1 << QStringList{Reserved("ROOT")} << 1;
        QTest::newRow(prefix + "no current row shows nothing")
            << flow << kTrees << -1 << 0 << QStringList{} << unchanged << kTrees << -1 << 0
            << QStringList{} << 0;
        QTest::newRow(prefix + "empty name asks again")
            << flow << kTrees << 0 << -1 << QStringList{"", "Elm"} << QList<qint32>{0, 2}
            << QStringList{"Birch", "Cedar", "Elm"} << 2 << -1 << QStringList{} << 2;
    }
    // Renaming to the same name is no rename; an edit may keep the name and change
    // the value.
    QTest::newRow("rename: unchanged name ends the flow")
        << Rename << kTrees << 1 << 0 << QStringList{"Birch"} << unchanged << kTrees << 1 << 0
        << QStringList{} << 1;
    QTest::newRow("edit: unchanged name accepted")
        << Edit << kTrees << 1 << 0 << QStringList{" Birch"} << QList<qint32>{1, 1} << kTrees << 1
        << 0 << QStringList{} << 1;
    QTest::newRow("rename: reserved old name kept")
        << Rename << QStringList{"Ash", "Root"} << 1 << -1 << QStringList{"Root"} << unchanged
        << QStringList{"Ash", "Root"} << 1 << -1 << QStringList{} << 1;
    QTest::newRow("edit: reserved old name kept")
        << Edit << QStringList{"Ash", "Root"} << 1 << -1 << QStringList{"Root"} << QList<qint32>{1, 1}
        << QStringList{"Ash", "Root"} << 1 << -1 << QStringList{} << 1;
}

void TestTCmnNamedItemsSortedListHelper::renameOrEdit()
{
    QFETCH(EFlow, flow);
    QFETCH(QStringList, before);
    QFETCH(qint32, current);
    QFETCH(qint32, tagged);
    QFETCH(QStringList, typed);
    QFETCH(QList<qint32>, rows);
    QFETCH(QStringList, after);
    QFETCH(qint32, newCurrent);
    QFETCH(qint32, newTagged);
    QFETCH(QStringList, refusals);
    QFETCH(int, dialogs);

    CTestMessageBoxScope boxes;
    CTestStringEntryScript script;
    Script(script, typed);
    CHelper helper;
    SetUp(helper, script);
    CList list = MakeList(before, current, tagged);
    const int value = current >= 0 ? current * 10 : -1;

    const CHelper::CRows result =
        flow == Rename ? helper.RenameItem(list, nullptr) : helper.EditItem(list, nullptr);
    QCOMPARE(QList<qint32>({result.first, result.second}), rows);
    QCOMPARE(Names(list), after);
    QCOMPARE(list.m_CurrentRow, newCurrent);
    QCOMPARE(list.m_TaggedRow, newTagged);
    if (result.second >= 0)
        QCOMPARE(list.m_Items.at(result.second).second, value);
    QCOMPARE(Refusals(script), refusals);
    QCOMPARE(script.Shown().size(), dialogs);
    QCOMPARE(script.PendingAnswers(), 0);
    QVERIFY(boxes.Requests().isEmpty());
    // After an empty name, a rename starts again from the old name, an edit from
    // the empty text.
    if (dialogs > 1)
        QCOMPARE(script.Shown().at(1).m_Value, flow == Rename ? before.at(current) : QString());
}

void TestTCmnNamedItemsSortedListHelper::dialogsAsComposed_data()
{
    QTest::addColumn<EFlow>("flow");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("value");
    QTest::newRow("add") << Add << 0u << "Add Tree" << "Please choose a name for the new tree:"
                         << "Add Tree";
    QTest::newRow("add with the name label")
        << Add << quint32(CmnNamedItemsNameLabelPrompt) << "Add Tree" << "Tree name:"
        << "Add Tree";
    QTest::newRow("rename") << Rename << 0u << "Rename Tree"
                            << "Please enter the new name for the tree 'Birch':" << "Birch";
    QTest::newRow("edit") << Edit << 0u << "Edit Tree" << "Tree name:" << "Birch";
}

void TestTCmnNamedItemsSortedListHelper::dialogsAsComposed()
{
    QFETCH(EFlow, flow);
    QFETCH(quint32, flags);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    QFETCH(QString, value);

    CTestMessageBoxScope boxes;
    CTestStringEntryScript script;
    script.Cancel();
    CHelper helper;
    SetUp(helper, script);
    helper.m_Flags = flags;
    CList list = MakeList(kTrees, 1, -1);
    QWidget parent;

    if (flow == Add)
        QCOMPARE(helper.AddItem(list, &parent), -1);
    else if (flow == Rename)
        QCOMPARE(helper.RenameItem(list, &parent), CHelper::CRows(-1, -1));
    else
        QCOMPARE(helper.EditItem(list, &parent), CHelper::CRows(-1, -1));
    QCOMPARE(script.Shown().size(), 1);
    const CTestStringEntryScript::CShown &shown = script.Shown().first();
    QCOMPARE(shown.m_Parent, &parent);
    QCOMPARE(shown.m_Title, title);
    QCOMPARE(shown.m_Prompt, prompt);
    QCOMPARE(shown.m_Value, value);
    // The duplicate and the reserved-name checks.
    QCOMPARE(shown.m_Validators, 2);
}

void TestTCmnNamedItemsSortedListHelper::reservedNameNote()
{
    CTestMessageBoxScope boxes;
    CTestStringEntryScript script;
    script.Type(QStringLiteral("Root"));
    script.Cancel();
    CHelper helper;
    SetUp(helper, script);
    CList list = MakeList(kTrees, 0, -1);

    QCOMPARE(helper.RenameItem(list, nullptr), CHelper::CRows(-1, -1));
    QCOMPARE(script.Shown().first().m_Refusals, QStringList{Reserved("Root")});
    QCOMPARE(script.Shown().first().m_Notes, QStringList{"The chart has a root."});
}

void TestTCmnNamedItemsSortedListHelper::ownerHooks()
{
    CTestMessageBoxScope boxes;
    CTestStringEntryScript script;
    CHookedHelper helper;
    SetUp(helper, script);
    CList list = MakeList(kTrees, 0, -1);

    // A new item of the owner's own making is taken without a name dialog.
    helper.m_OwnName = QStringLiteral("Elm");
    QCOMPARE(helper.AddItem(list, nullptr), 3);
    QCOMPARE(list.m_Items.at(3), CList::CItem(QStringLiteral("Elm"), 42));
    QVERIFY(script.Shown().isEmpty());
    // ... but never as a second item of the same name.
    QCOMPARE(helper.AddItem(list, nullptr), -1);
    QCOMPARE(list.m_Items.size(), 4);

    // Adding otherwise and editing go through the owner's dialog, renaming never.
    helper.m_OwnName.clear();
    script.Type(QStringLiteral("Alder"));
    QCOMPARE(helper.AddItem(list, nullptr), 0);
    QCOMPARE(list.m_Items.at(0), CList::CItem(QStringLiteral("Alder"), 99));
    list.m_CurrentRow = 1;   // Ash, 0
    script.Type(QStringLiteral("Ash"));
    QCOMPARE(helper.EditItem(list, nullptr), CHelper::CRows(1, 1));
    QCOMPARE(list.m_Items.at(1), CList::CItem(QStringLiteral("Ash"), 99));
    QCOMPARE(helper.m_IsNew, QList<bool>({true, false}));
    QCOMPARE(helper.m_EditDialogs, 2);
    script.Type(QStringLiteral("Yew"));
    QCOMPARE(helper.RenameItem(list, nullptr), CHelper::CRows(1, 4));
    QCOMPARE(helper.m_EditDialogs, 2);
}

void TestTCmnNamedItemsSortedListHelper::noDialogMeansCancelled()
{
    CTestMessageBoxScope boxes;
    CHelper helper;
    helper.Set(QStringLiteral("Tree"), QStringLiteral("Trees"), QStringLiteral("Name"));
    // The string dialog is the default; only a removed factory leaves no dialog.
    helper.SetStringEntryFactory({});
    CList list = MakeList(kTrees, 1, 1);

    QCOMPARE(helper.AddItem(list, nullptr), -1);
    QCOMPARE(helper.RenameItem(list, nullptr), CHelper::CRows(-1, -1));
    QCOMPARE(helper.EditItem(list, nullptr), CHelper::CRows(-1, -1));
    QCOMPARE(Names(list), kTrees);
    QCOMPARE(list.m_CurrentRow, 1);
}

QTEST_MAIN(TestTCmnNamedItemsSortedListHelper)
#include "tst_tcmnnameditemssortedlisthelper.moc"
