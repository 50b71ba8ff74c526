#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnlistwidget.h"
#include "cmnnameditemslistctrl.h"
#include "cmnpushbutton.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmnwhatsthistexts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QTest>

namespace {

constexpr quint32 kAllButtons = 0x3F0;

// Records which operation each slot reached, and tags the rows it is told to.
class CRecordingCtrl : public CCmnNamedItemsListCtrl
{
public:
    using CCmnNamedItemsListCtrl::CCmnNamedItemsListCtrl;

    QStringList m_Calls;
    qint32 m_TaggedRow = -1;

protected:
    void OnAdd() override { m_Calls << "Add"; }
    void OnDelete() override { m_Calls << "Delete"; }
    void OnRename() override { m_Calls << "Rename"; }
    void OnUpdate() override { m_Calls << "Update"; }
    void OnCurrentRowChanged(qint32 row) override { m_Calls << QString("Current %1").arg(row); }
    void OnItemDoubleClicked(qint32 row) override { m_Calls << QString("DoubleClicked %1").arg(row); }
    void OnMoveUp() override { m_Calls << "MoveUp"; }
    void OnMoveDown() override { m_Calls << "MoveDown"; }
    void OnToggleTag() override { m_Calls << "ToggleTag"; }
    bool IsTagged(qint32 row) const override { return row >= 0 && row == m_TaggedRow; }
};

// A window hosting one control, as a tab or dialog does.
class CHost : public QWidget, public CCmnTabOrDialogOrPanelOrPageMixin
{
public:
    CHost() { new QVBoxLayout(this); }

    void Place(CCmnCtrl &ctrl) { static_cast<QBoxLayout *>(layout())->addLayout(ctrl.Layout()); }
};

QStringList Texts(const QList<QWidget *> &widgets)
{
    QStringList texts;
    for (QWidget *widget : widgets) {
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        else
            texts << widget->metaObject()->className();
    }
    return texts;
}

void Fill(CCmnNamedItemsListCtrl &ctrl, const QStringList &names)
{
    for (const QString &name : names)
        ctrl.AppendItem(name, false);
}

} // namespace

class TestCmnNamedItemsListCtrl : public QObject
{
    Q_OBJECT
private slots:
    void buttonsFromFlags_data();
    void buttonsFromFlags();
    void layout_data();
    void layout();
    void enablingFollowsCurrentRow_data();
    void enablingFollowsCurrentRow();
    void addStopsAtMaximum();
    void slotsCallOperations();
    void blockedSlotsDoNothing();
    void rowsKeepNames();
    void registersHelpNames();
    void builtInHelpForFolderLists_data();
    void builtInHelpForFolderLists();
};

void TestCmnNamedItemsListCtrl::buttonsFromFlags_data()
{
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<QStringList>("widgets");

    QTest::newRow("add and delete") << quint32(0x30) << QStringList{"CCmnListWidget", "Add", "Discard"};
    QTest::newRow("rename only") << quint32(0x40) << QStringList{"CCmnListWidget", "Rename"};
    QTest::newRow("all, in fixed order")
        << kAllButtons << QStringList{"CCmnListWidget", "Add", "Discard", "Update", "Rename", "Up", "Down", "Tag"};
    QTest::newRow("no buttons") << quint32(0x0F) << QStringList{"CCmnListWidget"};
}

void TestCmnNamedItemsListCtrl::buttonsFromFlags()
{
    QFETCH(quint32, flags);
    QFETCH(QStringList, widgets);

    CCmnNamedItemsButtonWords words;
    words.m_Delete = "Discard";
    words.m_Edit = "Update";
    CHost host;
    CRecordingCtrl ctrl(&host, flags, -1, words);
    host.Place(ctrl);

    QCOMPARE(Texts(ctrl.Widgets()), widgets);
    QCOMPARE(ctrl.FirstWidget(), ctrl.ListWidget());
    QCOMPARE(ctrl.ListWidget()->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(ctrl.AddButton() != nullptr, bool(flags & 0x10));
    QCOMPARE(ctrl.UpButton() != nullptr, bool(flags & 0x100));
    QCOMPARE(ctrl.TagButton() != nullptr, bool(flags & 0x200));
}

void TestCmnNamedItemsListCtrl::layout_data()
{
    QTest::addColumn<bool>("twoColumns");
    QTest::addColumn<bool>("extra");

    QTest::newRow("one column") << false << false;
    QTest::newRow("one column, extra below") << false << true;
    QTest::newRow("two columns") << true << false;
    QTest::newRow("two columns, extra below both") << true << true;
}

// Geometry shows the arrangement whatever the nesting: the list on the left at full
// height, the buttons to its right top-down, the extra layout below them.
void TestCmnNamedItemsListCtrl::layout()
{
    QFETCH(bool, twoColumns);
    QFETCH(bool, extra);

    auto *note = new QLabel("Note");
    QLayout *extraLayout = extra ? new QHBoxLayout : nullptr;
    if (extraLayout)
        extraLayout->addWidget(note);
    else
        delete note;
    CHost host;
    CRecordingCtrl ctrl(&host, kAllButtons | (twoColumns ? 0x400 : 0), -1, CCmnNamedItemsButtonWords(), extraLayout);
    host.Place(ctrl);
    host.resize(600, 500);
    host.show();
    host.layout()->activate();

    const QRect list = ctrl.ListWidget()->geometry();
    const QRect add = ctrl.AddButton()->geometry();
    const QRect rename = ctrl.RenameButton()->geometry();
    const QRect up = ctrl.UpButton()->geometry();
    const QRect tag = ctrl.TagButton()->geometry();
    QVERIFY(list.right() < add.left());
    QVERIFY2(list.height() > 400, "the list takes the control's full height");
    QCOMPARE(rename.left(), add.left());
    QVERIFY(rename.top() > add.top());
    if (twoColumns) {
        QVERIFY(up.left() > add.right());
        QCOMPARE(up.top(), add.top());
        QCOMPARE(tag.left(), up.left());
    } else {
        QCOMPARE(up.left(), add.left());
        QVERIFY(up.top() > rename.top());
        QVERIFY(tag.top() > up.top());
    }
    // Every column ends in a stretch: the buttons stay at the top.
    QVERIFY(tag.bottom() < list.center().y());
    if (extra) {
        const QRect shown = note->geometry();
        QVERIFY(shown.top() > tag.bottom());
        QVERIFY(shown.top() > rename.bottom());
        QCOMPARE(shown.left(), add.left());
        QVERIFY(shown.bottom() < list.center().y());
        QVERIFY(ctrl.Widgets().contains(note));
    }
}

void TestCmnNamedItemsListCtrl::enablingFollowsCurrentRow_data()
{
    QTest::addColumn<qint32>("row");
    QTest::addColumn<qint32>("taggedRow");
    QTest::addColumn<QList<bool>>("enabled");   // Delete, Edit, Rename, Up, Down
    QTest::addColumn<QString>("tagText");

    QTest::newRow("no current row") << -1 << 1 << QList<bool>{false, false, false, false, false} << "Tag";
    QTest::newRow("first row") << 0 << 1 << QList<bool>{true, true, true, false, true} << "Tag";
    QTest::newRow("middle row, tagged") << 1 << 1 << QList<bool>{true, true, true, true, true} << "Untag";
    QTest::newRow("last row") << 2 << 1 << QList<bool>{true, true, true, true, false} << "Tag";
}

void TestCmnNamedItemsListCtrl::enablingFollowsCurrentRow()
{
    QFETCH(qint32, row);
    QFETCH(qint32, taggedRow);
    QFETCH(QList<bool>, enabled);
    QFETCH(QString, tagText);

    CHost host;
    CRecordingCtrl ctrl(&host, kAllButtons, -1, CCmnNamedItemsButtonWords());
    host.Place(ctrl);
    ctrl.m_TaggedRow = taggedRow;
    Fill(ctrl, {"Ash", "Birch", "Cedar"});
    ctrl.ListWidget()->setCurrentRow(row);
    ctrl.UpdateButtons();

    const QList<bool> shown{ctrl.DeleteButton()->isEnabled(), ctrl.EditButton()->isEnabled(),
                            ctrl.RenameButton()->isEnabled(), ctrl.UpButton()->isEnabled(),
                            ctrl.DownButton()->isEnabled()};
    QCOMPARE(shown, enabled);
    QVERIFY(ctrl.AddButton()->isEnabled());
    QVERIFY(ctrl.TagButton()->isEnabled());
    QCOMPARE(ctrl.TagButton()->text(), tagText);
}

void TestCmnNamedItemsListCtrl::addStopsAtMaximum()
{
    CHost host;
    CRecordingCtrl ctrl(&host, 0x30, 3, CCmnNamedItemsButtonWords());
    host.Place(ctrl);
    QVERIFY(ctrl.AddButton()->isEnabled());
    Fill(ctrl, {"Ash", "Birch", "Cedar"});
    ctrl.UpdateButtons();
    QVERIFY(!ctrl.AddButton()->isEnabled());
    QCOMPARE(ctrl.TakeItemName(1), QString("Birch"));
    ctrl.UpdateButtons();
    QVERIFY(ctrl.AddButton()->isEnabled());
}

void TestCmnNamedItemsListCtrl::slotsCallOperations()
{
    CHost host;
    CRecordingCtrl ctrl(&host, kAllButtons, -1, CCmnNamedItemsButtonWords());
    host.Place(ctrl);
    Fill(ctrl, {"Ash", "Birch", "Cedar"});
    ctrl.ListWidget()->setCurrentRow(1);
    ctrl.UpdateButtons();
    for (CCmnPushButton *button : {ctrl.AddButton(), ctrl.DeleteButton(), ctrl.EditButton(), ctrl.RenameButton(),
                                   ctrl.UpButton(), ctrl.DownButton(), ctrl.TagButton()})
        button->click();
    emit ctrl.ListWidget()->itemDoubleClicked(ctrl.ListWidget()->item(2));
    QListWidgetItem stranger("Yew");
    emit ctrl.ListWidget()->itemDoubleClicked(&stranger);

    QCOMPARE(ctrl.m_Calls, QStringList({"Current 1", "Add", "Delete", "Update", "Rename", "MoveUp",
                                        "MoveDown", "ToggleTag", "DoubleClicked 2"}));
}

void TestCmnNamedItemsListCtrl::blockedSlotsDoNothing()
{
    CHost host;
    CRecordingCtrl ctrl(&host, kAllButtons, -1, CCmnNamedItemsButtonWords());
    host.Place(ctrl);
    const CCmnSlotBlocker blocker(&ctrl);
    Fill(ctrl, {"Ash", "Birch"});
    ctrl.ListWidget()->setCurrentRow(1);
    ctrl.AddButton()->click();
    emit ctrl.ListWidget()->itemDoubleClicked(ctrl.ListWidget()->item(0));
    QCOMPARE(ctrl.m_Calls, QStringList());
}

void TestCmnNamedItemsListCtrl::rowsKeepNames()
{
    CHost host;
    CRecordingCtrl ctrl(&host, 0x30, -1, CCmnNamedItemsButtonWords());
    host.Place(ctrl);
    QCOMPARE(CCmnNamedItemsListCtrl::ItemText("Bay", true), QString("Bay*"));
    QCOMPARE(CCmnNamedItemsListCtrl::ItemText("Bay", false), QString("Bay"));

    ctrl.AppendItem("Ash", false);
    ctrl.AppendItem("Cedar", true);
    ctrl.InsertItem(1, "Birch", false);
    ctrl.UpdateItem(0, "Alder", true);
    ctrl.UpdateItem(7, "Nowhere", true);
    QStringList shown;
    QStringList kept;
    for (qint32 row = 0; row < ctrl.ListWidget()->count(); ++row) {
        shown << ctrl.ListWidget()->item(row)->text();
        kept << ctrl.ListWidget()->item(row)->data(Qt::UserRole).toString();
    }
    QCOMPARE(shown, QStringList({"Alder*", "Birch", "Cedar*"}));
    QCOMPARE(kept, QStringList({"Alder", "Birch", "Cedar"}));

    QCOMPARE(ctrl.TakeItemName(2), QString("Cedar"));
    QCOMPARE(ctrl.TakeItemName(2), QString());
    QCOMPARE(ctrl.TakeItemName(-1), QString());
    QCOMPARE(ctrl.ListWidget()->count(), 2);
}

void TestCmnNamedItemsListCtrl::registersHelpNames()
{
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({
        {"CHerdTab.html:HerdsListWidget", "The herds."},
        {"CHerdTab.html:HerdsAdd", "Adds a herd."},
        {"CHerdTab.html:HerdsDelete", "Deletes a herd."},
        {"CHerdTab.html:HerdsEdit", "Edits a herd."},
        {"CHerdTab.html:HerdsRename", "Renames a herd."},
        {"CHerdTab.html:HerdsMoveUpDown", "Moves a herd."},
        {"CHerdTab.html:HerdsToggleTag", "Tags a herd."},
    });
    CHost host;
    host.SetHelpPage("CHerdTab.html");
    CRecordingCtrl ctrl(&host, kAllButtons, -1, CCmnNamedItemsButtonWords());
    host.Place(ctrl);
    ctrl.RegisterWhatsThis(&host, "Herds");
    CmnSetWhatsThisTexts(previous);

    const QList<std::pair<QWidget *, QString>> expected{
        {ctrl.ListWidget(), "The herds."},   {ctrl.AddButton(), "Adds a herd."},
        {ctrl.DeleteButton(), "Deletes a herd."}, {ctrl.EditButton(), "Edits a herd."},
        {ctrl.RenameButton(), "Renames a herd."}, {ctrl.UpButton(), "Moves a herd."},
        {ctrl.DownButton(), "Moves a herd."}, {ctrl.TagButton(), "Tags a herd."},
    };
    for (const auto &[widget, text] : expected)
        QVERIFY2(widget->whatsThis().contains(text), qPrintable(widget->metaObject()->className() + text));
    QVERIFY(host.HasWhatsThis());
}

void TestCmnNamedItemsListCtrl::builtInHelpForFolderLists_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<quint32>("flags");

    QTest::newRow("mapped folders") << "CCmnMappedFolderSettingsTab.html" << "MappedFolders" << quint32(0xB0);
    QTest::newRow("accessible folders")
        << "CCmnSecurityScopedBookmarkedFolderSettingsTab.html" << "BookmarkedFolders" << quint32(0x30);
}

// The folder tabs register their lists under these names; every widget the list
// shows there has its help.
void TestCmnNamedItemsListCtrl::builtInHelpForFolderLists()
{
    QFETCH(QString, page);
    QFETCH(QString, prefix);
    QFETCH(quint32, flags);

    CmnInitFramework(CCmnAppDescriptor());
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CHost host;
    host.SetHelpPage(page);
    CRecordingCtrl ctrl(&host, flags, -1, CCmnNamedItemsButtonWords());
    host.Place(ctrl);
    ctrl.RegisterWhatsThis(&host, prefix);
    CmnSetWhatsThisTexts(previous);

    for (QWidget *widget : ctrl.Widgets())
        QVERIFY2(widget->whatsThis().contains("<p>"), qPrintable(Texts({widget}).join("")));
}

QTEST_MAIN(TestCmnNamedItemsListCtrl)
#include "tst_cmnnameditemslistctrl.moc"
