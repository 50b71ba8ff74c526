#include "cmnmenu.h"
#include "cmnpushbutton.h"
#include "testmenuscope.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Chooses an entry in place of the user instead of running a modal menu, and
// remembers how it was asked to show itself.
class CScriptedMenu : public CCmnMenu
{
public:
    using CCmnMenu::CCmnMenu;

    QAction *m_Choice = nullptr;
    qint32 m_Runs = 0;
    std::optional<QPoint> m_ShownAt;
    CCmnMenu *m_BeingShownDuringRun = nullptr;

protected:
    QAction *Run(const std::optional<QPoint> &point) override
    {
        ++m_Runs;
        m_ShownAt = point;
        m_BeingShownDuringRun = MenuBeingShown();
        return m_Choice;
    }
};

enum EChoice { MirroredEntry, PlainEntry, NoEntry };

} // namespace

Q_DECLARE_METATYPE(EChoice)

class TestCmnMenu : public QObject
{
    Q_OBJECT
private slots:
    void mirrorsSourceState_data();
    void mirrorsSourceState();
    void findsSourceOfMirroredEntriesOnly();
    void execAndTrigger_data();
    void execAndTrigger();
    void destroyedMenuIsNoLongerShown();
    void deletedSourceIsNotTriggered();
    void scopeAnswersEveryRun();
};

void TestCmnMenu::mirrorsSourceState_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("checked");

    QTest::newRow("enabled") << true << false << false;
    QTest::newRow("disabled") << false << false << false;
    QTest::newRow("checkable, clear") << true << true << false;
    QTest::newRow("checkable, checked, disabled") << false << true << true;
}

// An entry shows the state of the command it stands for, as the command's button
// does, whatever its own text.
void TestCmnMenu::mirrorsSourceState()
{
    QFETCH(bool, enabled);
    QFETCH(bool, checkable);
    QFETCH(bool, checked);

    QAction source("Delete Record...");
    source.setCheckable(checkable);
    source.setChecked(checked);
    source.setEnabled(enabled);
    CCmnPushButton button(&source);

    CCmnMenu menu;
    QAction *entry = menu.AddMirroredAction("Delete", &source);
    QCOMPARE(menu.actions(), QList<QAction *>({entry}));
    QCOMPARE(entry->text(), QString("Delete"));
    QCOMPARE(entry->isEnabled(), enabled);
    QCOMPARE(entry->isEnabled(), button.isEnabled());
    QCOMPARE(entry->isCheckable(), checkable);
    QCOMPARE(entry->isChecked(), checked);
    QCOMPARE(menu.FindSourceAction(entry), &source);
}

void TestCmnMenu::findsSourceOfMirroredEntriesOnly()
{
    QAction add("Add");
    QAction remove("Delete");
    CCmnMenu menu;
    QAction *addEntry = menu.AddMirroredAction("Add", &add);
    QAction *plain = menu.addAction("Plain");
    QAction *removeEntry = menu.AddMirroredAction("Delete", &remove);
    QAction *orphan = menu.AddMirroredAction("Nothing", nullptr);

    QCOMPARE(menu.FindSourceAction(addEntry), &add);
    QCOMPARE(menu.FindSourceAction(removeEntry), &remove);
    QCOMPARE(menu.FindSourceAction(plain), nullptr);
    QCOMPARE(menu.FindSourceAction(orphan), nullptr);
    QVERIFY(orphan->isEnabled());
    QCOMPARE(menu.FindSourceAction(nullptr), nullptr);
    QCOMPARE(menu.FindSourceAction(&add), nullptr);
}

void TestCmnMenu::execAndTrigger_data()
{
    QTest::addColumn<QPoint>("popupPoint");
    QTest::addColumn<EChoice>("choice");
    QTest::addColumn<bool>("atPoint");

    QTest::newRow("at the point, mirrored entry") << QPoint(40, 50) << MirroredEntry << true;
    QTest::newRow("at the point, plain entry") << QPoint(40, 50) << PlainEntry << true;
    QTest::newRow("at the point, nothing chosen") << QPoint(0, 0) << NoEntry << true;
    QTest::newRow("no point, mirrored entry") << QPoint(-1, -1) << MirroredEntry << false;
    QTest::newRow("half a point") << QPoint(40, -1) << MirroredEntry << false;
}

void TestCmnMenu::execAndTrigger()
{
    QFETCH(QPoint, popupPoint);
    QFETCH(EChoice, choice);
    QFETCH(bool, atPoint);

    QAction source("Properties...");
    QList<std::pair<CCmnMenu *, QPoint>> seenBySource;
    connect(&source, &QAction::triggered, this, [&seenBySource] {
        seenBySource.append({CCmnMenu::MenuBeingShown(), CCmnMenu::MenuBeingShownPopupPoint()});
    });

    CScriptedMenu menu;
    QCOMPARE(menu.PopupPoint(), QPoint(-1, -1));
    menu.SetPopupPoint(popupPoint);
    QAction *mirrored = menu.AddMirroredAction("Properties", &source);
    QAction *plain = menu.addAction("Plain");
    QAction *const choices[] = {mirrored, plain, nullptr};
    menu.m_Choice = choices[choice];

    QCOMPARE(menu.ExecAndTrigger(), menu.m_Choice);
    QCOMPARE(menu.m_Runs, 1);
    QCOMPARE(menu.m_ShownAt.has_value(), atPoint);
    if (atPoint)
        QCOMPARE(*menu.m_ShownAt, popupPoint);
    CCmnMenu *const shown = atPoint ? &menu : nullptr;
    QCOMPARE(menu.m_BeingShownDuringRun, shown);
    QCOMPARE(CCmnMenu::MenuBeingShown(), shown);

    if (choice == MirroredEntry) {
        const QPoint point = atPoint ? popupPoint : QPoint(-1, -1);
        QCOMPARE(seenBySource, (QList<std::pair<CCmnMenu *, QPoint>>{{shown, point}}));
    } else {
        QCOMPARE(seenBySource.size(), 0);
    }
}

void TestCmnMenu::destroyedMenuIsNoLongerShown()
{
    auto first = std::make_unique<CScriptedMenu>();
    first->SetPopupPoint(QPoint(10, 20));
    first->ExecAndTrigger();
    QCOMPARE(CCmnMenu::MenuBeingShown(), first.get());

    // A menu shown where it stands leaves the record alone.
    CScriptedMenu second;
    second.ExecAndTrigger();
    QCOMPARE(CCmnMenu::MenuBeingShown(), first.get());
    QCOMPARE(CCmnMenu::MenuBeingShownPopupPoint(), QPoint(10, 20));

    first.reset();
    QCOMPARE(CCmnMenu::MenuBeingShown(), nullptr);
    QCOMPARE(CCmnMenu::MenuBeingShownPopupPoint(), QPoint(-1, -1));
}

void TestCmnMenu::deletedSourceIsNotTriggered()
{
    auto source = std::make_unique<QAction>("Add");
    CScriptedMenu menu;
    QAction *entry = menu.AddMirroredAction("Add", source.get());
    source.reset();
    menu.m_Choice = entry;
    QCOMPARE(menu.FindSourceAction(entry), nullptr);
    QCOMPARE(menu.ExecAndTrigger(), entry);
}

// Menus made inside handlers are answered through the scope: it sees what
// each run offered, and a chosen entry acts as a click would.
void TestCmnMenu::scopeAnswersEveryRun()
{
    QAction source("Settings...");
    QSignalSpy sourceTriggered(&source, &QAction::triggered);
    CCmnMenu menu;
    menu.SetPopupPoint(QPoint(40, 50));
    menu.AddMirroredAction("Smith && Jones <UK> Settings...", &source);
    menu.addSeparator();
    QAction *plain = menu.addAction("Plain");
    QSignalSpy plainTriggered(plain, &QAction::triggered);
    {
        CTestMenuScope scope;
        scope.Choose("Smith && Jones <UK> Settings...");
        scope.Choose("Plain");
        QCOMPARE(menu.ExecAndTrigger(), menu.actions().first());
        QCOMPARE(sourceTriggered.count(), 1);
        QCOMPARE(menu.ExecAndTrigger(), plain);
        QCOMPARE(plainTriggered.count(), 1);
        QCOMPARE(menu.ExecAndTrigger(), nullptr);
        QCOMPARE(scope.Runs().size(), 3);
        QCOMPARE(scope.LastEntries(),
                 (QStringList{"Smith && Jones <UK> Settings...", CTestMenuScope::Separator(), "Plain"}));
        QCOMPARE(scope.Runs().first().m_Point, std::optional<QPoint>(QPoint(40, 50)));
    }
    // The scope put back the real menus.
    QVERIFY(!CmnSetMenuRunner({}));
}

QTEST_MAIN(TestCmnMenu)
#include "tst_cmnmenu.moc"
