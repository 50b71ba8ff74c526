#include "cmncombobox.h"
#include "cmncomponentsettings.h"
#include "cmncomponentstickystate.h"
#include "cmninterface.h"
#include "cmninterfacehostwidget.h"
#include "cmnpagesetup.h"
#include "cmnstackedwidget.h"
#include "cmnthemeset.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// An interface that logs every call the host makes and supports the kinds it
// is given. Its tool bar entries and menus are named after their kinds.
class CTestInterface : public CCmnInterface
{
public:
    CTestInterface(const QString &name, QWidget *parent, const QStringList &kinds, QStringList *log)
        : CCmnInterface(name, parent)
        , m_Kinds(kinds)
        , m_Log(log)
    {
    }

    void Relayout() override { Log("Relayout"); }
    void CreateWidgets() override
    {
        Log("CreateWidgets");
        m_Widget = new QLabel(Name(), ParentWidget());
        for (const QString &kind : m_Kinds + QStringList{"*"}) {
            CCmnInterfaceToolBarEntry entry;
            entry.m_Kinds = {kind};
            entry.m_Widget = new QPushButton(Name() + " " + kind);
            entry.m_RightAligned = kind == "*";
            m_Entries.append(entry);

            CCmnInterfaceMenu menu;
            menu.m_Kinds = {kind};
            menu.m_MenuName = "View";
            auto *action = new QAction(Name() + " " + kind, this);
            menu.m_Entries = {CCmnMenuEntry{action, nullptr, false}};
            m_Menus.append(menu);
        }
        CCmnInterfaceMenu record;
        record.m_Kinds = {m_Kinds.first()};
        record.m_MenuName = "Record";
        record.m_Entries = {CCmnMenuEntry{new QAction("Add " + m_Kinds.first(), this), nullptr, false},
                            CCmnMenuEntry{nullptr, nullptr, true},
                            CCmnMenuEntry{new QAction("Delete " + m_Kinds.first(), this), nullptr, false}};
        m_Menus.append(record);
    }
    QWidget *GetWidget() override
    {
        Log("GetWidget");
        return m_Widget;
    }
    QList<CCmnInterfaceToolBarEntry> GetToolBarEntries() override
    {
        Log("GetToolBarEntries");
        return m_Entries;
    }
    QList<CCmnInterfaceMenu> GetMenus() override
    {
        Log("GetMenus");
        return m_Menus;
    }
    void UpdateControls() override { Log("UpdateControls"); }
    void UpdateTexts() override { Log("UpdateTexts"); }
    bool SupportsKind(const QString &kind) override { return m_Kinds.contains(kind) && !m_Refused.contains(kind); }
    bool ActivateKind(const QString &kind, const QString &label) override
    {
        Log("ActivateKind " + kind + " " + label);
        return CCmnInterface::ActivateKind(kind, label);
    }
    void Deactivate() override
    {
        Log("Deactivate");
        CCmnInterface::Deactivate();
    }
    void SetPageSetup(const QSharedPointer<CCmnPageSetup> &) override { Log("SetPageSetup"); }
    void SetThemes(const QSharedPointer<CCmnThemeSet> &) override { Log("SetThemes"); }
    void ResetStickyStates() override { Log("ResetStickyStates"); }
    void SetStickyState(const QSharedPointer<CCmnComponentStickyState> &) override { Log("SetStickyState"); }
    void ResetComponentSettings() override { Log("ResetComponentSettings"); }
    void SetComponentSettings(const QSharedPointer<CCmnComponentSettings> &) override
    {
        Log("SetComponentSettings");
    }
    void SetEnabled(bool enabled) override
    {
        Log(enabled ? "SetEnabled true" : "SetEnabled false");
        CCmnInterface::SetEnabled(enabled);
    }
    void SetActive(bool active) override
    {
        Log(active ? "SetActive true" : "SetActive false");
        CCmnInterface::SetActive(active);
    }
    void HandleRegRecordNotification(CCmnReg *, int recordId, int code) override
    {
        Log(QString("Notification %1 %2").arg(recordId).arg(code));
    }

    QWidget *Entry(const QString &kind) const
    {
        for (const CCmnInterfaceToolBarEntry &entry : m_Entries) {
            if (entry.m_Kinds.contains(kind))
                return entry.m_Widget;
        }
        return nullptr;
    }

    QStringList m_Refused;
    QWidget *m_Widget = nullptr;

    // The host's slot-blocking counter as each call saw it, by call.
    QHash<QString, int> m_CountersSeen;

private:
    void Log(const QString &call)
    {
        m_Log->append(Name() + ": " + call);
        auto *host = static_cast<CCmnInterfaceHostWidget *>(ParentWidget()->parentWidget());
        m_CountersSeen.insert(call, host->SlotBlockCount());
    }

    QStringList m_Kinds;
    QStringList *m_Log;
    QList<CCmnInterfaceToolBarEntry> m_Entries;
    QList<CCmnInterfaceMenu> m_Menus;
};

// "Pedigree" and "Cover Sheet" served by one interface, "Notes" by another,
// "Lost" by a name the factory makes nothing for.
class CTestHost : public CCmnInterfaceHostWidget
{
public:
    explicit CTestHost(bool singleKind = false)
    {
        RegisterKind("Pedigree", "BREEDING", "PEDIGREE");
        if (!singleKind) {
            RegisterKind("Cover Sheet", "BREEDING", "COVERSHEET");
            RegisterKind("Smith & Jones <UK> notes", "NOTES", "NOTES");
            RegisterKind("Lost", "NOWHERE", "LOST");
        }
        m_Extra = new QPushButton("Extra");
        CreateInterfaces({m_Extra});
        m_Menus = {{"View", &m_View}, {"Record", &m_Record}, {"Help", &m_Help}};
        for (auto it = m_Menus.constBegin(); it != m_Menus.constEnd(); ++it) {
            m_Own.insert(it.key(), {CCmnMenuEntry{new QAction("Own " + it.key(), this), nullptr, false}});
        }
        SetMenuTargets(m_Menus, m_Own);
    }

    CTestInterface *Face(int index) const { return static_cast<CTestInterface *>(Interfaces().at(index).data()); }

    QStringList MenuTexts(QMenu *menu) const
    {
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << (action->isSeparator() ? QString("--") : action->text());
        return texts;
    }

    QStringList m_Log;
    QStringList m_FactoryCalls;
    QStringList m_Activated;
    QPushButton *m_Extra;
    QMenu m_View;
    QMenu m_Record;
    QMenu m_Help;
    QHash<QString, QMenu *> m_Menus;
    QHash<QString, QList<CCmnMenuEntry>> m_Own;
    QList<int> m_CountersSeen;

protected:
    QSharedPointer<CCmnInterface> CreateInterface(const QString &name, QWidget *parent) override
    {
        m_FactoryCalls << name;
        if (name == "BREEDING")
            return QSharedPointer<CTestInterface>::create("breeding", parent, QStringList{"PEDIGREE", "COVERSHEET"}, &m_Log);
        if (name == "NOTES")
            return QSharedPointer<CTestInterface>::create("notes", parent, QStringList{"NOTES"}, &m_Log);
        return CCmnInterfaceHostWidget::CreateInterface(name, parent);
    }
    void KindActivated(const QString &interfaceName, const QString &kind) override
    {
        m_Activated << interfaceName + " " + kind;
        m_CountersSeen << SlotBlockCount();
    }
};

// Two kinds served by an interface of the base class alone.
class CPlainHost : public CCmnInterfaceHostWidget
{
public:
    CPlainHost()
    {
        RegisterKind("Pedigree", "PLAIN", "PEDIGREE");
        RegisterKind("Cover Sheet", "PLAIN", "COVERSHEET");
        CreateInterfaces({});
    }

protected:
    QSharedPointer<CCmnInterface> CreateInterface(const QString &name, QWidget *parent) override
    {
        return QSharedPointer<CCmnInterface>::create(name.toLower(), parent);
    }
};

} // namespace

class TestCmnInterfaceHostWidget : public QObject
{
    Q_OBJECT
private slots:
    void createsOneInterfacePerName();
    void startsDisabledOnEmptyPage();
    void activationShowsWidgetAndMatchingEntries_data();
    void activationShowsWidgetAndMatchingEntries();
    void menusHoldInterfaceEntriesBeforeOwn_data();
    void menusHoldInterfaceEntriesBeforeOwn();
    void failedActivationChangesNothing_data();
    void failedActivationChangesNothing();
    void selectKindOfShownKindCallsNothing();
    void selectKindFallsBackToFirstKind();
    void selectorMovesActivateOnlyForUser();
    void singleKindHasNoSelector();
    void disablingResetsEverything();
    void currentControlsReachLastInterfaceUntilDeactivated();
    void broadcastsVisitInterfacesInCreationOrder();
    void refusedKindKeepsInterfacesKind();
    void hostOfPlainInterfaceShowsEmptyPage();
};

void TestCmnInterfaceHostWidget::createsOneInterfacePerName()
{
    CTestHost host;
    QCOMPARE(host.m_FactoryCalls, (QStringList{"BREEDING", "NOTES", "NOWHERE"}));
    QCOMPARE(host.Interfaces().size(), 2);
    QCOMPARE(host.m_Log, (QStringList{"breeding: CreateWidgets", "breeding: GetWidget", "breeding: GetToolBarEntries",
                                      "breeding: GetMenus", "notes: CreateWidgets", "notes: GetWidget",
                                      "notes: GetToolBarEntries", "notes: GetMenus"}));
    QList<int> indexes;
    for (const CCmnInterfaceKindRegistration &registration : host.Registrations())
        indexes << registration.m_InterfaceIndex;
    QCOMPARE(indexes, (QList<int>{0, 0, 1, -1}));
    QCOMPARE(host.InterfaceIndex("NOWHERE"), -1);
    // Both widgets and the empty page.
    QCOMPARE(host.Stack()->count(), 3);
    QCOMPARE(host.Face(0)->m_Widget->parentWidget(), host.Stack());
}

void TestCmnInterfaceHostWidget::startsDisabledOnEmptyPage()
{
    CTestHost host;
    host.show();
    QVERIFY(!host.IsInterfacesEnabled());
    QCOMPARE(host.Stack()->currentWidget(), host.EmptyPage());
    QVERIFY(host.EmptyPage()->text().isEmpty());
    QVERIFY(!host.Selector()->isEnabled());
    QCOMPARE(host.Selector()->toolTip(), QString("Select the type of form shown"));
    QCOMPARE(host.Selector()->maxVisibleItems(), 20);
    QCOMPARE(host.Selector()->count(), 4);
    QCOMPARE(host.Selector()->itemText(2), QString("Smith & Jones <UK> notes"));
    QVERIFY(host.m_Extra->isVisible());
    for (const char *kind : {"PEDIGREE", "COVERSHEET", "*"})
        QVERIFY(host.Face(0)->Entry(kind)->isHidden());
}

void TestCmnInterfaceHostWidget::activationShowsWidgetAndMatchingEntries_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("registration");
    QTest::addColumn<int>("face");
    QTest::addColumn<QStringList>("shownEntries");
    QTest::newRow("pedigree") << "PEDIGREE" << 0 << 0 << QStringList{"breeding PEDIGREE", "breeding *"};
    QTest::newRow("cover sheet") << "COVERSHEET" << 1 << 0 << QStringList{"breeding COVERSHEET", "breeding *"};
    QTest::newRow("notes") << "NOTES" << 2 << 1 << QStringList{"notes NOTES", "notes *"};
}

void TestCmnInterfaceHostWidget::activationShowsWidgetAndMatchingEntries()
{
    QFETCH(QString, kind);
    QFETCH(int, registration);
    QFETCH(int, face);
    QFETCH(QStringList, shownEntries);
    CTestHost host;
    host.show();
    host.SetInterfacesEnabled(true);
    // Another kind first, so the activation must also switch away from it.
    QCOMPARE(host.ActivateKind(kind == "NOTES" ? "PEDIGREE" : "NOTES") >= 0, true);
    host.m_Activated.clear();

    QCOMPARE(host.ActivateKind(kind), registration);

    QCOMPARE(host.Stack()->currentWidget(), host.Face(face)->m_Widget);
    QCOMPARE(host.CurrentInterfaceName(), host.Registrations().at(registration).m_InterfaceName);
    QCOMPARE(host.Face(face)->CurrentKind(), kind);
    QCOMPARE(host.Face(face)->CurrentKindLabel(), host.Registrations().at(registration).m_Label);
    QVERIFY(host.Face(face)->IsActive());
    QVERIFY(!host.Face(1 - face)->IsActive());
    QCOMPARE(host.m_Activated, QStringList{host.CurrentInterfaceName() + " " + kind});
    QStringList shown;
    for (QPushButton *button : host.findChildren<QPushButton *>()) {
        if (button != host.m_Extra && button->isVisible())
            shown << button->text();
    }
    shown.sort();
    shownEntries.sort();
    QCOMPARE(shown, shownEntries);
}

void TestCmnInterfaceHostWidget::menusHoldInterfaceEntriesBeforeOwn_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("view");
    QTest::addColumn<QStringList>("record");
    QTest::newRow("pedigree") << "PEDIGREE" << QStringList{"breeding PEDIGREE", "--", "breeding *", "--", "Own View"}
                              << QStringList{"Add PEDIGREE", "--", "Delete PEDIGREE", "--", "Own Record"};
    QTest::newRow("cover sheet") << "COVERSHEET"
                                 << QStringList{"breeding COVERSHEET", "--", "breeding *", "--", "Own View"}
                                 << QStringList{"Own Record"};
}

void TestCmnInterfaceHostWidget::menusHoldInterfaceEntriesBeforeOwn()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, view);
    QFETCH(QStringList, record);
    CTestHost host;
    host.SetInterfacesEnabled(true);
    host.ActivateKind("NOTES");
    host.ActivateKind(kind);
    QCOMPARE(host.MenuTexts(&host.m_View), view);
    QCOMPARE(host.MenuTexts(&host.m_Record), record);
    QCOMPARE(host.MenuTexts(&host.m_Help), QStringList{"Own Help"});
}

void TestCmnInterfaceHostWidget::failedActivationChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("not registered") << "TRIALMATING";
    QTest::newRow("interface never created") << "LOST";
    QTest::newRow("interface refuses") << "COVERSHEET";
}

void TestCmnInterfaceHostWidget::failedActivationChangesNothing()
{
    QFETCH(QString, kind);
    CTestHost host;
    host.SetInterfacesEnabled(true);
    host.Face(0)->m_Refused = {"COVERSHEET"};
    host.ActivateKind("NOTES");
    const QStringList view = host.MenuTexts(&host.m_View);
    host.m_Activated.clear();

    QCOMPARE(host.ActivateKind(kind), -1);

    QCOMPARE(host.CurrentInterfaceName(), QString("NOTES"));
    QCOMPARE(host.Stack()->currentWidget(), host.Face(1)->m_Widget);
    QVERIFY(host.Face(1)->IsActive());
    QCOMPARE(host.MenuTexts(&host.m_View), view);
    QVERIFY(host.m_Activated.isEmpty());
}

void TestCmnInterfaceHostWidget::selectKindOfShownKindCallsNothing()
{
    CTestHost host;
    host.SetInterfacesEnabled(true);
    host.SelectKind("COVERSHEET", false, false);
    QCOMPARE(host.Selector()->currentIndex(), 1);
    host.m_Log.clear();

    host.SelectKind("COVERSHEET", false, false);
    QVERIFY(host.m_Log.isEmpty());

    host.SelectKind("COVERSHEET", false, true);
    QCOMPARE(host.m_Log, (QStringList{"breeding: ActivateKind COVERSHEET Cover Sheet", "breeding: GetWidget"}));
}

void TestCmnInterfaceHostWidget::selectKindFallsBackToFirstKind()
{
    CTestHost host;
    host.SetInterfacesEnabled(true);
    host.SelectKind("NOTES", false, false);

    host.SelectKind("LOST", false, false);
    QCOMPARE(host.CurrentInterfaceName(), QString("NOTES"));
    QCOMPARE(host.Selector()->currentIndex(), 2);

    host.SelectKind("LOST", true, false);
    QCOMPARE(host.Face(0)->CurrentKind(), QString("PEDIGREE"));
    QCOMPARE(host.Selector()->currentIndex(), 0);
}

void TestCmnInterfaceHostWidget::selectorMovesActivateOnlyForUser()
{
    CTestHost host;
    host.SetInterfacesEnabled(true);

    host.SelectKind("NOTES", false, false);
    QCOMPARE(host.m_Activated, QStringList{"NOTES NOTES"});
    QCOMPARE(host.SlotBlockCount(), 0);

    // The user picks "Cover Sheet".
    host.Selector()->setCurrentIndex(1);
    QCOMPARE(host.m_Activated, (QStringList{"NOTES NOTES", "BREEDING COVERSHEET"}));
    // The activation ran with the host's slots blocked.
    QCOMPARE(host.m_CountersSeen, (QList<int>{1, 1}));
    QCOMPARE(host.Face(0)->CurrentKind(), QString("COVERSHEET"));
}

void TestCmnInterfaceHostWidget::singleKindHasNoSelector()
{
    CTestHost host(true);
    QVERIFY(!host.Selector());
    QVERIFY(!host.findChild<QComboBox *>());
    host.show();
    QVERIFY(host.m_Extra->isVisible());
    host.SetInterfacesEnabled(true);
    host.SelectKind("PEDIGREE", true, true);
    QCOMPARE(host.Stack()->currentWidget(), host.Face(0)->m_Widget);
}

void TestCmnInterfaceHostWidget::disablingResetsEverything()
{
    CTestHost host;
    host.show();
    QVERIFY(host.SetInterfacesEnabled(true));
    QVERIFY(!host.SetInterfacesEnabled(true));
    QVERIFY(host.Selector()->isEnabled());
    host.SelectKind("PEDIGREE", false, false);
    QVERIFY(host.Face(0)->Entry("PEDIGREE")->isVisible());

    QVERIFY(host.SetInterfacesEnabled(false));

    QCOMPARE(host.Stack()->currentWidget(), host.EmptyPage());
    QVERIFY(!host.Selector()->isEnabled());
    QVERIFY(!host.Stack()->isEnabled());
    QCOMPARE(host.MenuTexts(&host.m_View), QStringList{"Own View"});
    QCOMPARE(host.MenuTexts(&host.m_Record), QStringList{"Own Record"});
    for (int i = 0; i < 2; ++i) {
        QVERIFY(!host.Face(i)->IsActive());
        QVERIFY(!host.Face(i)->IsEnabled());
    }
    QVERIFY(host.Face(0)->Entry("PEDIGREE")->isHidden());
    QVERIFY(host.Face(0)->Entry("*")->isHidden());
}

void TestCmnInterfaceHostWidget::currentControlsReachLastInterfaceUntilDeactivated()
{
    CTestHost host;
    host.SetInterfacesEnabled(true);
    host.SelectKind("NOTES", false, false);
    host.SetInterfacesEnabled(false);
    host.m_Log.clear();

    host.UpdateCurrentControls();
    QCOMPARE(host.m_Log, QStringList{"notes: UpdateControls"});

    host.DeactivateAll();
    QVERIFY(host.CurrentInterfaceName().isEmpty());
    QCOMPARE(host.Face(1)->CurrentKindLabel(), QString("Smith & Jones <UK> notes"));
    host.m_Log.clear();
    host.UpdateCurrentControls();
    QVERIFY(host.m_Log.isEmpty());
}

void TestCmnInterfaceHostWidget::broadcastsVisitInterfacesInCreationOrder()
{
    CTestHost host;
    host.m_Log.clear();

    host.DeactivateAll();
    host.UpdateTexts();
    host.SetPageSetup(QSharedPointer<CCmnPageSetup>::create());
    host.SetThemes(QSharedPointer<CCmnThemeSet>::create());
    host.ResetComponentSettings();
    host.SetComponentSettings(QSharedPointer<CCmnComponentSettings>::create());
    host.ResetStickyStates();
    host.SetStickyState(QSharedPointer<CCmnComponentStickyState>::create());
    host.HandleRegRecordNotification(nullptr, 7, 101);
    host.RelayoutAll();

    QStringList expected;
    for (const char *call : {"Deactivate", "UpdateTexts", "SetPageSetup", "SetThemes", "ResetComponentSettings",
                             "SetComponentSettings", "ResetStickyStates", "SetStickyState", "Notification 7 101",
                             "Relayout"}) {
        expected << QString("breeding: ") + call << QString("notes: ") + call;
    }
    QCOMPARE(host.m_Log, expected);
    QCOMPARE(host.SlotBlockCount(), 0);
    // Every broadcast runs with the host's slots blocked; relayouts leave them be.
    for (int i = 0; i < 2; ++i) {
        QHash<QString, int> counters = host.Face(i)->m_CountersSeen;
        QCOMPARE(counters.take("Relayout"), 0);
        QStringList unblocked;
        for (auto it = counters.constBegin(); it != counters.constEnd(); ++it) {
            const bool creation = it.key().startsWith("Create") || it.key().startsWith("Get");
            if (!creation && it.value() != 1)
                unblocked << it.key();
        }
        QCOMPARE(unblocked, QStringList());
    }
}

void TestCmnInterfaceHostWidget::refusedKindKeepsInterfacesKind()
{
    CTestHost host;
    host.SetInterfacesEnabled(true);
    host.SelectKind("PEDIGREE", false, false);
    host.Face(0)->m_Refused = {"COVERSHEET"};

    QCOMPARE(host.ActivateKind("COVERSHEET"), -1);
    QCOMPARE(host.Face(0)->CurrentKind(), QString("PEDIGREE"));
    QCOMPARE(host.Face(0)->CurrentKindLabel(), QString("Pedigree"));

    // A plain interface offers no kind, no widget, no entries and no menus.
    CCmnInterface plain("plain", nullptr);
    QVERIFY(!plain.ActivateKind("PEDIGREE", "Pedigree"));
    QVERIFY(plain.CurrentKind().isEmpty());
    QVERIFY(plain.CurrentKindLabel().isEmpty());
    plain.CreateWidgets();
    QCOMPARE(plain.GetWidget(), nullptr);
    QVERIFY(plain.GetToolBarEntries().isEmpty());
    QVERIFY(plain.GetMenus().isEmpty());
}

void TestCmnInterfaceHostWidget::hostOfPlainInterfaceShowsEmptyPage()
{
    CPlainHost host;
    QCOMPARE(host.Interfaces().size(), 1);
    QCOMPARE(host.Stack()->count(), 1);
    host.SetInterfacesEnabled(true);
    host.SelectKind("PEDIGREE", true, true);
    QCOMPARE(host.Stack()->currentWidget(), host.EmptyPage());
    QVERIFY(host.CurrentInterfaceName().isEmpty());
}

QTEST_MAIN(TestCmnInterfaceHostWidget)
#include "tst_cmninterfacehostwidget.moc"
