#include "cmnthemedforminterface.h"

#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmnfontcombobox.h"
#include "cmnfontctrl.h"
#include "cmnformboxevent.h"
#include "cmnframework.h"
#include "cmngraphicsscene.h"
#include "cmninterfacehostwidget.h"
#include "cmnformbox.h"
#include "cmnformboxpropertiespanel.h"
#include "cmnformboxpropertiestab.h"
#include "cmngeometrykeeper.h"
#include "cmngraphicsrectitemex.h"
#include "cmnmenu.h"
#include "cmnmessageboxpresenter.h"
#include "cmnpicctrl.h"
#include "cmnpushbutton.h"
#include "cmnscenewidget.h"
#include "cmnsidepanelitem.h"
#include "cmnstackedwidget.h"
#include "cmnsystemsettings.h"
#include "cmnthemedform.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformboxgenericpropertiestabsmixin.h"
#include "cmnthemedformsettings.h"
#include "cmnthemedformstickystate.h"
#include "cmnthemeset.h"
#include "cmnthemesnamescombobox.h"
#include "cmntoolbutton.h"
#include "cmnwhatsthistexts.h"
#include "cmnwidget.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"
#include "testfilechooserscope.h"
#include "testmenuscope.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "teststringentry.h"
#include "themedformtesting.h"

#include <QAbstractItemView>
#include <QAction>
#include <QGraphicsRectItem>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QImage>
#include <QGridLayout>
#include <QLabel>
#include <QMap>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString kPedigree = QStringLiteral("PEDIGREE");
const QString kUserName = QStringLiteral("Smith & Jones <UK>");
const QString kLongName = QStringLiteral("Brackenfield Champion Bloodlines Kennel Crest and Motto");
// The element that the test form cannot take in place.
const QString kRebuildElement = QStringLiteral("TEST-REBUILD");

// A themed form that reports what reaches it, and needs building again for
// one element.
class CTestForm : public CCmnThemedForm
{
public:
    using CCmnThemedForm::CCmnThemedForm;

    bool ApplyTheme(const QString &name, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                    const CCmnThemedFormAutoParams *params, qint32 source) override
    {
        m_Applied << name;
        if (name == kRebuildElement || m_RebuildNames.contains(name))
            return true;
        return CCmnThemedForm::ApplyTheme(name, theme, defaultTheme, params, source);
    }
    void ApplyGrabs() override
    {
        ++m_Grabs;
        CCmnThemedForm::ApplyGrabs();
    }
    void RefreshBoxes(qint32 changeId) override
    {
        m_Refreshed << changeId;
        CCmnThemedForm::RefreshBoxes(changeId);
    }

    QStringList m_Applied;
    QStringList m_RebuildNames;
    int m_Grabs = 0;
    QList<qint32> m_Refreshed;
};

// The view as a form kind would drive it: two kinds with settings and state of
// their own, each built as a real themed form of root, header, content, footer
// and ornaments from the fallback theme.
class CTestInterface : public CCmnThemedFormInterface
{
public:
    CTestInterface(const QString &name, QWidget *parent, bool ownCheckBoxes = false)
        : CCmnThemedFormInterface(name, parent)
    {
        SetFallbackTheme(OrvTestSkeletonTheme({QStringLiteral("TEST-ROOT"), QStringLiteral("TEST-LEFTHEADER"),
                                               QStringLiteral("TEST-RIGHTHEADER"), QStringLiteral("TEST-LEFTFOOTER"),
                                               QStringLiteral("TEST-RIGHTFOOTER")}));
        for (const QString &kind : {kPedigree, QStringLiteral("COVERSHEET")}) {
            auto settings = QSharedPointer<CCmnThemedFormSettings>::create(true, 0.2, 0.1);
            settings->m_ShowLeftHeaderOrnament = true;
            settings->m_ShowRightHeaderOrnament = true;
            settings->m_ShowLeftFooterOrnament = true;
            m_Settings.insert(kind, settings);
            m_StickyStates.insert(kind, QSharedPointer<CCmnThemedFormStickyState>::create());
        }
        m_Names.m_Root = OrvTestBoxName(QStringLiteral("Background"), QStringLiteral("TEST-ROOT"));
        m_Names.m_HasHeader = true;
        m_Names.m_LeftHeaderOrnament = OrvTestBoxName(kUserName, QStringLiteral("TEST-LEFTHEADER"));
        m_Names.m_RightHeaderOrnament = OrvTestBoxName(kLongName, QStringLiteral("TEST-RIGHTHEADER"));
        m_Names.m_HasFooter = true;
        m_Names.m_LeftFooterOrnament = OrvTestBoxName(QStringLiteral("Signature"), QStringLiteral("TEST-LEFTFOOTER"));
        m_Names.m_RightFooterOrnament = OrvTestBoxName(QStringLiteral("Stamp"), QStringLiteral("TEST-RIGHTFOOTER"));
        m_SidePage = new QLabel(QStringLiteral("Pedigree of %1").arg(kUserName), parent);
        AddPage(m_SidePage);
        SetHasData(true);
        if (ownCheckBoxes) {
            for (const qint32 order : {200, 100}) {
                auto *box = new CCmnCheckBox(QStringLiteral("Own %1").arg(order), parent);
                m_OwnCheckBoxes.insert(order, box);
                AppendSidePanelItem({CCmnSidePanelItem::CheckBoxes, false, order, QString(), nullptr, box, nullptr});
            }
        }
    }

    bool SupportsKind(const QString &kind) override { return m_Settings.contains(kind); }
    using CCmnThemedFormInterface::HandleOrnamentEvent;

    void SelectKindSettings(const QString &kind) override
    {
        SetCurrentSettings(m_Settings.value(kind));
        SetCurrentStickyState(m_StickyStates.value(kind));
    }

    void PopulateScene(CCmnSceneWidget *sceneWidget, CCmnGraphicsScene *scene, ECmnSceneContextFlags context,
                       QGraphicsRectItem *pageItem) override
    {
        Q_UNUSED(scene)
        // Shown before any kind is: nothing to build.
        if (!CurrentSettings())
            return;
        const QRectF page = pageItem->rect();
        auto form = QSharedPointer<CTestForm>::create(page.topLeft(), page.size(), sceneWidget->GetPrinterResolution(),
                                                      CurrentSettings(),
                                                      qSharedPointerCast<CCmnThemedFormStickyState>(CurrentStickyState()),
                                                      m_SidePage);
        form->BoxNames() = m_Names;
        form->m_RebuildNames = m_RebuildNames;
        form->BuildBoxes(GetCurrentTheme(), GetFallbackTheme(), &AutoParams(), pageItem);
        form->SetDesignMode(DesignMode());
        (void)form->ApplyTheme(QString(), GetCurrentTheme(), GetFallbackTheme(), &AutoParams(), 0);
        form->ApplyGrabs();
        form->LayoutFormBoxes();
        m_Populated << std::make_pair(context, form);
        if (context == CmnSceneContextScreen)
            SetForm(form);
    }

    CTestForm *Form() const { return static_cast<CTestForm *>(CurrentForm().data()); }

    QHash<QString, QSharedPointer<CCmnThemedFormSettings>> m_Settings;
    QHash<QString, QSharedPointer<CCmnComponentStickyState>> m_StickyStates;
    CCmnThemedFormBoxNames m_Names;
    // Elements the forms cannot take in place.
    QStringList m_RebuildNames;
    QLabel *m_SidePage = nullptr;
    QMap<qint32, CCmnCheckBox *> m_OwnCheckBoxes;
    QList<std::pair<ECmnSceneContextFlags, QSharedPointer<CTestForm>>> m_Populated;
};

// A view under a parent widget, its widgets built, not yet showing anything.
class CFixture
{
public:
    explicit CFixture(const QString &name = QStringLiteral("testforminterface"), bool ownCheckBoxes = false)
        : m_Interface(name, &m_Parent, ownCheckBoxes)
    {
        m_Interface.CreateWidgets();
    }

    // Enabled and active on the pedigree kind: the screen form is built.
    void Show(const QString &label = QStringLiteral("Pedigree"))
    {
        m_Interface.SetEnabled(true);
        QVERIFY(m_Interface.ActivateKind(kPedigree, label));
        m_Interface.SetActive(true);
        QVERIFY(m_Interface.Form());
    }

    QWidget m_Parent;
    CTestInterface m_Interface;
};

// The host of a document window with the test view as its only interface.
class CTestHost : public CCmnInterfaceHostWidget
{
public:
    CTestInterface *View() const { return static_cast<CTestInterface *>(Interfaces().value(0).data()); }

protected:
    QSharedPointer<CCmnInterface> CreateInterface(const QString &, QWidget *parent) override
    {
        return QSharedPointer<CTestInterface>::create(QStringLiteral("testforminterface"), parent);
    }
};

bool Shown(const QWidget *widget)
{
    return !widget->isHidden();
}

// The side panel's layout as text: widgets by object name (a blank line as
// "_"), grids as "[label|widget; ...]", other layouts as "layout".
QStringList Describe(const QLayout *layout)
{
    auto name = [](const QWidget *widget) {
        const auto *label = qobject_cast<const QLabel *>(widget);
        if (label && label->text() == QStringLiteral(" "))
            return QStringLiteral("_");
        return widget->objectName().isEmpty() && label ? label->text() : widget->objectName();
    };
    QStringList parts;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget()) {
            parts << name(item->widget());
        } else if (const auto *grid = qobject_cast<const QGridLayout *>(item->layout())) {
            QStringList rows;
            for (int row = 0; row < grid->rowCount(); ++row) {
                QLayoutItem *label = grid->itemAtPosition(row, 0);
                QLayoutItem *control = grid->itemAtPosition(row, 1);
                rows << (label ? name(label->widget()) : QStringLiteral("-")) + QLatin1Char('|') +
                            (control && control->widget() ? name(control->widget()) : QStringLiteral("layout"));
            }
            parts << QLatin1Char('[') + rows.join(QStringLiteral("; ")) + QLatin1Char(']');
        } else if (item->layout()) {
            parts << QStringLiteral("layout");
        }
    }
    return parts;
}

// Runs one of the settings commands by its name in the tables.
bool RunSettingsCommand(CTestInterface &view, const QString &command, const QPoint &position)
{
    if (command == QStringLiteral("defaults"))
        return view.EditFormDefaults(position);
    if (command == QStringLiteral("root"))
        return view.EditRootSettings(position);
    if (command == QStringLiteral("header"))
        return view.EditHeaderSettings(position);
    if (command == QStringLiteral("footer"))
        return view.EditFooterSettings(position);
    if (command == QStringLiteral("left header ornament"))
        return view.EditHeaderOrnamentSettings(position, view.m_Names.m_LeftHeaderOrnament);
    return view.EditFooterOrnamentSettings(position, view.m_Names.m_RightFooterOrnament);
}

// The entries of the themes list as shown.
QStringList ComboTexts(const CCmnThemedFormInterface &view)
{
    const CCmnComboBox *combo = view.ThemesComboBox()->ComboBox();
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

struct CPanelItem
{
    qint32 m_Section;
    bool m_Lower;
    qint32 m_Order;
    QString m_Name;
    QString m_Label;
};

} // namespace

Q_DECLARE_METATYPE(QList<CPanelItem>)

class TestCmnThemedFormInterface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void screenFormOnlyWhenActiveEnabledWithData_data();
    void screenFormOnlyWhenActiveEnabledWithData();
    void unsupportedKindReleasesFormAndSettings();
    void otherContextsBuildSeparateForms_data();
    void otherContextsBuildSeparateForms();
    void reapplyThemeElements_data();
    void reapplyThemeElements();
    void stickyStateRefreshesOnlyItsOwnForm();
    void designModeAndMouseModeReachTheForm();

    void sidePanelLayout_data();
    void sidePanelLayout();
    void ownCheckBoxesLandBetweenOrnaments();
    void controlsWithoutForm();
    void designModeShowsTheLowerHalf_data();
    void designModeShowsTheLowerHalf();
    void ornamentControls_data();
    void ornamentControls();
    void baseFontEditsCopyOfFormDefault();
    void sidePanelToggleIsRemembered_data();
    void sidePanelToggleIsRemembered();
    void themesListShowsNamesAndCommands_data();
    void themesListShowsNamesAndCommands();
    void choosingAThemeMakesItCurrent_data();
    void choosingAThemeMakesItCurrent();
    void themeCommands_data();
    void themeCommands();

    void boxContextMenus_data();
    void boxContextMenus();
    void formDefaultsTitleFollowsKindLabel_data();
    void formDefaultsTitleFollowsKindLabel();
    void settingsCommandsNeedTheirBox_data();
    void settingsCommandsNeedTheirBox();
    void settingsDialogOkStoresCancelKeeps_data();
    void settingsDialogOkStoresCancelKeeps();
    void propsCommandOpensWhereItsMenuWas_data();
    void propsCommandOpensWhereItsMenuWas();
    void ornamentBoxEvents_data();
    void ornamentBoxEvents();
    void newPictureWarnsOfCropping_data();
    void newPictureWarnsOfCropping();
    void pressThatRebuildsKeepsSceneUntilEventLoop();
    void destroyingHostWhileFormShownIsClean_data();
    void destroyingHostWhileFormShownIsClean();
    void rendersTheWholeInterface();
    void rendersSettingsDialogsAndMenus();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestCmnThemedFormInterface::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnCreateSystemSettings();
    CmnLoadWhatsThisTexts();
}

void TestCmnThemedFormInterface::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
}

void TestCmnThemedFormInterface::cleanup()
{
    m_Settings.reset();
}

void TestCmnThemedFormInterface::screenFormOnlyWhenActiveEnabledWithData_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("hasData");
    for (int bits = 0; bits < 8; ++bits) {
        const bool active = bits & 4, enabled = bits & 2, hasData = bits & 1;
        QTest::addRow("active %d, enabled %d, data %d", active, enabled, hasData) << active << enabled << hasData;
    }
}

void TestCmnThemedFormInterface::screenFormOnlyWhenActiveEnabledWithData()
{
    QFETCH(bool, active);
    QFETCH(bool, enabled);
    QFETCH(bool, hasData);
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    view.SetHasData(hasData);
    view.SetEnabled(enabled);
    view.SetActive(active);
    QVERIFY(view.ActivateKind(kPedigree, QStringLiteral("Pedigree")));

    const bool shown = active && enabled && hasData;
    QCOMPARE(!view.CurrentForm().isNull(), shown);
    QCOMPARE(view.SceneWidget()->HasScene(CmnSceneContextScreen), shown);
    QCOMPARE(view.PageStack()->currentWidget(), shown ? static_cast<QWidget *>(view.m_SidePage) : view.EmptyPage());
    if (shown) {
        QCOMPARE(view.ScreenScene(), view.SceneWidget()->Scene(CmnSceneContextScreen));
        QVERIFY(view.Form()->OnScreen());
        // Only shared pointers hold the scene.
        QCOMPARE(view.ScreenScene()->parent(), nullptr);
    }
}

void TestCmnThemedFormInterface::unsupportedKindReleasesFormAndSettings()
{
    CFixture fixture;
    fixture.Show();
    CTestInterface &view = fixture.m_Interface;
    QVERIFY(view.CurrentSettings());
    QVERIFY(view.CurrentStickyState());

    QVERIFY(!view.ActivateKind(QStringLiteral("TRIALMATING"), QStringLiteral("Trial Mating")));
    QVERIFY(view.CurrentForm().isNull());
    QVERIFY(view.CurrentSettings().isNull());
    QVERIFY(view.CurrentStickyState().isNull());
    QCOMPARE(view.PageStack()->currentWidget(), view.EmptyPage());
}

void TestCmnThemedFormInterface::otherContextsBuildSeparateForms_data()
{
    QTest::addColumn<int>("context");
    QTest::newRow("print") << int(CmnSceneContextPrint);
    QTest::newRow("preview") << int(CmnSceneContextPrintPreview);
    QTest::newRow("export") << int(CmnSceneContextExport);
}

void TestCmnThemedFormInterface::otherContextsBuildSeparateForms()
{
    QFETCH(int, context);
    CFixture fixture;
    fixture.Show();
    CTestInterface &view = fixture.m_Interface;
    const QSharedPointer<CCmnThemedForm> screenForm = view.CurrentForm();
    const QSharedPointer<CCmnGraphicsScene> screenScene = view.ScreenScene();
    CCmnSceneWidget *sceneWidget = view.SceneWidget();

    sceneWidget->AllocateScene(context);
    const QSharedPointer<CCmnGraphicsScene> scene = sceneWidget->Scene(context);
    QVERIFY(scene);
    QVERIFY(scene != screenScene);
    emit sceneWidget->SignalPopulateScene(scene.data(), ECmnSceneContextFlags(context));

    QCOMPARE(view.CurrentForm(), screenForm);
    QCOMPARE(view.ScreenScene(), screenScene);
    QCOMPARE(int(view.m_Populated.last().first), context);
    QVERIFY(view.m_Populated.last().second != screenForm);
    QVERIFY(!view.m_Populated.last().second->OnScreen());
}

void TestCmnThemedFormInterface::reapplyThemeElements_data()
{
    QTest::addColumn<bool>("withForm");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("rebuilt");
    QTest::addColumn<QStringList>("appliedToOldForm");

    const QString formDefault = QStringLiteral("CMN-DEFAULT");
    const QString header = QStringLiteral("CMN-HEADER");
    QTest::newRow("applied in place") << true << QStringList{formDefault, header} << false
                                      << QStringList{formDefault, header};
    QTest::newRow("needs a new form") << true << QStringList{formDefault, kRebuildElement, header} << true
                                      << QStringList{formDefault, kRebuildElement};
    QTest::newRow("no names") << true << QStringList() << false << QStringList();
    QTest::newRow("without a form") << false << QStringList{formDefault} << false << QStringList();
}

void TestCmnThemedFormInterface::reapplyThemeElements()
{
    QFETCH(bool, withForm);
    QFETCH(QStringList, names);
    QFETCH(bool, rebuilt);
    QFETCH(QStringList, appliedToOldForm);
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    if (withForm)
        fixture.Show();
    const QSharedPointer<CCmnThemedForm> before = view.CurrentForm();
    const QSharedPointer<CCmnGraphicsScene> sceneBefore = view.ScreenScene();
    auto *form = static_cast<CTestForm *>(before.data());
    const int grabs = form ? form->m_Grabs : 0;
    if (form)
        form->m_Applied.clear();
    QSignalSpy modified(&view, &CCmnThemedFormInterface::SettingsModified);

    QCOMPARE(view.ReapplyThemeElements(names, 0), rebuilt);

    QCOMPARE(modified.count(), 1);
    if (!withForm) {
        QVERIFY(view.CurrentForm().isNull());
        return;
    }
    QCOMPARE(form->m_Applied, appliedToOldForm);
    QCOMPARE(view.CurrentForm() != before, rebuilt);
    QCOMPARE(view.ScreenScene() != sceneBefore, rebuilt);
    // In place, the grabs move the theme into the boxes once more.
    QCOMPARE(form->m_Grabs, rebuilt ? grabs : grabs + 1);
}

void TestCmnThemedFormInterface::stickyStateRefreshesOnlyItsOwnForm()
{
    CFixture fixture;
    fixture.Show();
    CTestInterface &view = fixture.m_Interface;
    view.StickyStateChanged(view.m_StickyStates.value(QStringLiteral("COVERSHEET")), 7);
    view.StickyStateChanged(QSharedPointer<CCmnComponentStickyState>(), 8);
    QCOMPARE(view.Form()->m_Refreshed, QList<qint32>());
    view.StickyStateChanged(view.CurrentStickyState(), 9);
    QCOMPARE(view.Form()->m_Refreshed, QList<qint32>{9});
}

void TestCmnThemedFormInterface::designModeAndMouseModeReachTheForm()
{
    CFixture fixture;
    fixture.Show();
    CTestInterface &view = fixture.m_Interface;
    const QSharedPointer<CCmnThemedForm> before = view.CurrentForm();

    view.DesignModeCheckBox()->click();
    QVERIFY(view.DesignMode());
    QVERIFY(view.CurrentForm() != before);
    QVERIFY(view.CurrentForm()->DesignMode());

    view.PanButton()->click();
    QCOMPARE(view.CurrentForm()->MouseMode(), 1);
    QVERIFY(view.PanButton()->isChecked());
    QVERIFY(!view.PointButton()->isChecked());
    // A rebuilt form keeps its own mode: a new form starts in point mode.
    view.DesignModeCheckBox()->click();
    QCOMPARE(view.CurrentForm()->MouseMode(), 0);
    QVERIFY(view.PointButton()->isChecked());
}

void TestCmnThemedFormInterface::sidePanelLayout_data()
{
    QTest::addColumn<QList<CPanelItem>>("items");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("groups in fixed order")
        << QList<CPanelItem>{{1, false, 1, "box", {}},      {4, false, 1, "button", {}}, {5, true, 1, "lowerRow", {}},
                             {2, false, 1, "second", {}},   {6, false, 1, "composite", {}},
                             {5, false, 1, "row", {}},      {1, true, 1, "lowerBox", {}}}
        << QStringList{"row", "_", "composite", "_", "second", "_", "button", "_", "box", "_", "lowerRow",
                       "_", "lowerBox", "_"};
    QTest::newRow("equal orders keep adding order")
        << QList<CPanelItem>{{1, false, 10, "a", {}}, {1, false, 5, "b", {}}, {1, false, 10, "c", {}},
                             {1, false, 5, "d", {}}}
        << QStringList{"b", "d", "a", "c", "_"};
    QTest::newRow("one label makes a grid")
        << QList<CPanelItem>{{3, false, 200, "paper", "Paper Size: "}, {3, false, 100, "theme", {}}}
        << QStringList{"[-|theme; Paper Size: |paper]", "_"};
}

void TestCmnThemedFormInterface::sidePanelLayout()
{
    QFETCH(QList<CPanelItem>, items);
    QFETCH(QStringList, expected);
    QWidget holder;
    QList<CCmnSidePanelItem> panelItems;
    for (const CPanelItem &item : items) {
        auto *widget = new QWidget(&holder);
        widget->setObjectName(item.m_Name);
        panelItems.append({item.m_Section, item.m_Lower, item.m_Order, item.m_Label, nullptr, widget, nullptr});
    }
    QVBoxLayout *layout = CmnSidePanelLayout(panelItems);
    holder.setLayout(layout);
    QCOMPARE(Describe(layout), expected);
    QCOMPARE(layout->contentsMargins(), QMargins(5, 0, 5, 0));
    QCOMPARE(layout->stretch(layout->count() - 1), 1);
}

void TestCmnThemedFormInterface::ownCheckBoxesLandBetweenOrnaments()
{
    CFixture fixture(QStringLiteral("testforminterface"), true);
    CTestInterface &view = fixture.m_Interface;
    view.HasOrnamentCheckBox(CCmnThemedFormInterface::PropsLeftHeaderOrnament)->setObjectName("leftHeader");
    view.HasOrnamentCheckBox(CCmnThemedFormInterface::PropsRightHeaderOrnament)->setObjectName("rightHeader");
    view.HasOrnamentCheckBox(CCmnThemedFormInterface::PropsLeftFooterOrnament)->setObjectName("leftFooter");
    view.HasOrnamentCheckBox(CCmnThemedFormInterface::PropsRightFooterOrnament)->setObjectName("rightFooter");
    view.DesignModeCheckBox()->setObjectName("design");
    view.m_OwnCheckBoxes.value(100)->setObjectName("own100");
    view.m_OwnCheckBoxes.value(200)->setObjectName("own200");

    const QStringList panel = Describe(view.RightSidePanel()->layout());
    const QStringList expected{"leftHeader", "own100", "rightHeader", "own200", "leftFooter", "rightFooter",
                               "design"};
    const qsizetype start = panel.indexOf("leftHeader");
    QVERIFY2(start > 0, qPrintable(panel.join(", ")));
    QCOMPARE(panel.mid(start, expected.size()), expected);
    // The upper half's check boxes follow the labelled controls after a blank line.
    QCOMPARE(panel.at(start - 1), QStringLiteral("_"));
    QVERIFY(panel.at(start - 2).startsWith(QStringLiteral("[Theme: |")));
    QVERIFY(panel.at(start - 2).contains(QStringLiteral("Printer: |")));
}

void TestCmnThemedFormInterface::controlsWithoutForm()
{
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    for (QWidget *widget : std::initializer_list<QWidget *>{view.PointButton(), view.PanButton(), view.ThemeLabel(),
                                                            view.ThemesComboBox()->ComboBox()}) {
        QVERIFY2(Shown(widget), widget->metaObject()->className());
        QVERIFY2(!widget->isEnabled(), widget->metaObject()->className());
    }
    QVERIFY(!Shown(view.DesignModeCheckBox()));
    for (QWidget *widget : view.BaseFontCtrl()->Widgets())
        QVERIFY(!Shown(widget));
    for (int which = 0; which < CCmnThemedFormInterface::PropsCount; ++which) {
        const auto props = CCmnThemedFormInterface::EProps(which);
        QVERIFY2(!Shown(view.PropsButton(props)), qPrintable(QString::number(which)));
        if (CCmnCheckBox *box = view.HasOrnamentCheckBox(props))
            QVERIFY(!Shown(box));
        // The commands stay reachable from box menus.
        QVERIFY(view.PropsAction(props)->isEnabled());
    }
}

void TestCmnThemedFormInterface::designModeShowsTheLowerHalf_data()
{
    QTest::addColumn<bool>("design");
    QTest::newRow("design mode off") << false;
    QTest::newRow("design mode on") << true;
}

void TestCmnThemedFormInterface::designModeShowsTheLowerHalf()
{
    QFETCH(bool, design);
    CFixture fixture;
    fixture.Show();
    CTestInterface &view = fixture.m_Interface;
    view.DesignModeCheckBox()->setChecked(design);

    for (QWidget *widget : view.BaseFontCtrl()->Widgets())
        QCOMPARE(Shown(widget), design);
    for (const auto props : {CCmnThemedFormInterface::PropsDefault, CCmnThemedFormInterface::PropsRoot,
                             CCmnThemedFormInterface::PropsHeader, CCmnThemedFormInterface::PropsFooter,
                             CCmnThemedFormInterface::PropsLeftHeaderOrnament}) {
        QCOMPARE(Shown(view.PropsButton(props)), design);
        QCOMPARE(view.PropsButton(props)->isEnabled(), design);
    }
    for (QWidget *widget : std::initializer_list<QWidget *>{
             view.PointButton(), view.PanButton(), view.ThemeLabel(), view.ThemesComboBox()->ComboBox(),
             view.DesignModeCheckBox(), view.HasOrnamentCheckBox(CCmnThemedFormInterface::PropsLeftHeaderOrnament)}) {
        QVERIFY2(Shown(widget), widget->metaObject()->className());
        QVERIFY2(widget->isEnabled(), widget->metaObject()->className());
    }
}

void TestCmnThemedFormInterface::ornamentControls_data()
{
    QTest::addColumn<bool>("named");
    QTest::addColumn<bool>("switchedOn");
    QTest::addColumn<bool>("design");
    QTest::addColumn<bool>("boxShown");
    QTest::addColumn<bool>("buttonShown");

    QTest::newRow("on, design") << true << true << true << true << true;
    QTest::newRow("off, design") << true << false << true << true << false;
    QTest::newRow("on, no design") << true << true << false << true << false;
    QTest::newRow("unnamed, design") << false << true << true << false << false;
}

void TestCmnThemedFormInterface::ornamentControls()
{
    QFETCH(bool, named);
    QFETCH(bool, switchedOn);
    QFETCH(bool, design);
    QFETCH(bool, boxShown);
    QFETCH(bool, buttonShown);
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    if (!named)
        view.m_Names.m_RightHeaderOrnament = CCmnThemedFormBoxName();
    view.m_Settings.value(kPedigree)->m_ShowRightHeaderOrnament = switchedOn;
    fixture.Show();
    view.DesignModeCheckBox()->setChecked(design);

    const auto which = CCmnThemedFormInterface::PropsRightHeaderOrnament;
    QCOMPARE(Shown(view.HasOrnamentCheckBox(which)), boxShown);
    QCOMPARE(view.HasOrnamentCheckBox(which)->isChecked(), switchedOn);
    QCOMPARE(Shown(view.PropsButton(which)), buttonShown);
    if (!named)
        return;
    // Switching the ornament builds the form again with or without its box.
    const CCmnThemeSet themes = *view.Themes();
    QSignalSpy modified(&view, &CCmnThemedFormInterface::SettingsModified);
    view.HasOrnamentCheckBox(which)->click();
    QCOMPARE(view.CurrentSettings()->m_ShowRightHeaderOrnament, !switchedOn);
    QCOMPARE(view.Form()->RightHeaderOrnamentId() != 0, !switchedOn);
    QCOMPARE(Shown(view.PropsButton(which)), design && !switchedOn);
    QCOMPARE(modified.count(), 1);
    // Switched back, it is as it was: the theme was never touched.
    view.HasOrnamentCheckBox(which)->click();
    QCOMPARE(view.CurrentSettings()->m_ShowRightHeaderOrnament, switchedOn);
    QCOMPARE(view.Form()->RightHeaderOrnamentId() != 0, switchedOn);
    QCOMPARE(Shown(view.PropsButton(which)), buttonShown);
    QCOMPARE(modified.count(), 2);
    QCOMPARE(*view.Themes(), themes);
}

void TestCmnThemedFormInterface::baseFontEditsCopyOfFormDefault()
{
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    auto themes = QSharedPointer<CCmnThemeSet>::create();
    themes->m_NamedThemes.insert(QStringLiteral("Show"), CCmnTheme());
    themes->SelectTheme(QStringLiteral("Show"));
    view.SetThemes(themes);
    fixture.Show();
    const QSharedPointer<CCmnThemedForm> form = view.CurrentForm();
    view.Form()->m_Applied.clear();
    QSignalSpy modified(&view, &CCmnThemedFormInterface::SettingsModified);

    // The user picks a face this machine lacks: it is stored as shown.
    view.BaseFontCtrl()->SetFont(kUserName + QStringLiteral(";14;Italic"));
    emit view.BaseFontCtrl()->SignalFontChanged();

    QCOMPARE(modified.count(), 1);
    QCOMPARE(view.CurrentForm(), form);
    QCOMPARE(view.Form()->m_Applied, QStringList{"CMN-DEFAULT"});
    const auto *element = dynamic_cast<const CCmnThemedFormBoxGenericLayoutElt *>(
        themes->m_NamedThemes[QStringLiteral("Show")].GetElt(QStringLiteral("CMN-DEFAULT"), CCmnTheme()));
    QVERIFY(element);
    QVERIFY(!element->m_Payload.m_TextFace.m_Inherit);
    QCOMPARE(element->m_Payload.m_TextFace.m_Value, kUserName + QStringLiteral(";;Italic"));
    QVERIFY(!element->m_Payload.m_TextSize.m_Inherit);
    QCOMPARE(element->m_Payload.m_TextSize.m_Value, QStringLiteral(";14;"));
    // Only the current theme's copy of the one element changed.
    QCOMPARE(themes->m_NamedThemes[QStringLiteral("Show")].Elements().keys(), QStringList{"CMN-DEFAULT"});
    QVERIFY(themes->m_BaseTheme.Elements().isEmpty());
    QVERIFY(view.GetFallbackTheme().IsEqual(OrvTestSkeletonTheme(
        {"TEST-ROOT", "TEST-LEFTHEADER", "TEST-RIGHTHEADER", "TEST-LEFTFOOTER", "TEST-RIGHTFOOTER"})));
}

void TestCmnThemedFormInterface::sidePanelToggleIsRemembered_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("named") << QStringLiteral("testforminterface");
    QTest::newRow("no name") << QString();
}

void TestCmnThemedFormInterface::sidePanelToggleIsRemembered()
{
    QFETCH(QString, name);
    const QString key = name + QStringLiteral("/rightsidepanelvisible");
    {
        // Disabled, without a form: the toggle still works.
        CFixture fixture(name);
        CTestInterface &view = fixture.m_Interface;
        QCOMPARE(view.RightSidePanelToggleAction()->text(), QStringLiteral("Hide Side Panel"));
        view.RightSidePanelToggleButton()->click();
        QVERIFY(!Shown(view.RightSidePanel()));
        QCOMPARE(view.RightSidePanelToggleAction()->text(), QStringLiteral("Show Side Panel"));
        view.RightSidePanelToggleAction()->trigger();
        QVERIFY(Shown(view.RightSidePanel()));
        QCOMPARE(view.RightSidePanelToggleAction()->text(), QStringLiteral("Hide Side Panel"));
        view.RightSidePanelToggleAction()->trigger();
        view.UpdateControls();
        QVERIFY(!Shown(view.RightSidePanel()));
    }
    QCOMPARE(QSettings().contains(key), !name.isEmpty());

    CFixture again(name);
    QCOMPARE(again.m_Interface.RightSidePanelVisible(), name.isEmpty());
    QCOMPARE(Shown(again.m_Interface.RightSidePanel()), name.isEmpty());
    QCOMPARE(again.m_Interface.RightSidePanelToggleAction()->text(),
             name.isEmpty() ? QStringLiteral("Hide Side Panel") : QStringLiteral("Show Side Panel"));
}

void TestCmnThemedFormInterface::themesListShowsNamesAndCommands_data()
{
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");

    QTest::newRow("new document") << QStringList() << QStringLiteral("Default")
                                  << QStringList{"Default", "--", "Add Theme..."} << 0;
    QTest::newRow("saved theme current")
        << QStringList{"alpha", "Zeta"} << QStringLiteral("alpha")
        << QStringList{"Default", "Zeta", "alpha", "--", "Add Theme...", "Delete Theme 'alpha'...",
                       "Rename Theme 'alpha'..."}
        << 2;
    QTest::newRow("lost current name") << QStringList{"Zeta"} << QStringLiteral("Gone")
                                       << QStringList{"Default", "Zeta", "--", "Add Theme..."} << 0;
}

void TestCmnThemedFormInterface::themesListShowsNamesAndCommands()
{
    QFETCH(QStringList, named);
    QFETCH(QString, current);
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    auto themes = QSharedPointer<CCmnThemeSet>::create();
    for (const QString &name : std::as_const(named))
        themes->m_NamedThemes.insert(name, CCmnTheme());
    themes->m_CurrentThemeName = current;
    QSignalSpy modified(&view, &CCmnThemedFormInterface::SettingsModified);

    view.SetThemes(themes);

    QCOMPARE(ComboTexts(view), entries);
    QCOMPARE(view.ThemesComboBox()->ComboBox()->currentIndex(), selected);
    QCOMPARE(view.Themes(), themes);
    QCOMPARE(modified.count(), 0);
}

void TestCmnThemedFormInterface::choosingAThemeMakesItCurrent_data()
{
    QTest::addColumn<QStringList>("named");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("nowCurrent");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<int>("selected");

    QTest::newRow("the base theme again") << QStringList() << "" << 0 << "" << QStringList{"Default", "--", "Add Theme..."}
                                          << 0;
    QTest::newRow("a saved theme")
        << QStringList{"Zeta", "alpha"} << "" << 2 << "alpha"
        << QStringList{"Default", "Zeta", "alpha", "--", "Add Theme...", "Delete Theme 'alpha'...", "Rename Theme 'alpha'..."}
        << 2;
    QTest::newRow("back to the base theme") << QStringList{"Zeta"} << "Zeta" << 0 << ""
                                            << QStringList{"Default", "Zeta", "--", "Add Theme..."} << 0;
    // An older file may hold a saved theme named like the base theme: either
    // entry chooses the saved one.
    QTest::newRow("saved theme named Default")
        << QStringList{"Default"} << "" << 0 << "Default"
        << QStringList{"Default", "Default", "--", "Add Theme...", "Delete Theme 'Default'...",
                       "Rename Theme 'Default'..."}
        << 1;
}

void TestCmnThemedFormInterface::choosingAThemeMakesItCurrent()
{
    QFETCH(QStringList, named);
    QFETCH(QString, current);
    QFETCH(int, chosen);
    QFETCH(QString, nowCurrent);
    QFETCH(QStringList, entries);
    QFETCH(int, selected);
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    auto themes = QSharedPointer<CCmnThemeSet>::create();
    themes->m_CurrentThemeName = current;
    for (const QString &name : std::as_const(named))
        themes->m_NamedThemes.insert(name, CCmnTheme());
    view.SetThemes(themes);
    fixture.Show();
    const QSharedPointer<CCmnThemedForm> form = view.CurrentForm();
    QSignalSpy modified(&view, &CCmnThemedFormInterface::SettingsModified);

    view.Slot_currentIndexChanged_ThemesComboBox(chosen);

    QCOMPARE(themes->m_CurrentThemeName, nowCurrent);
    const bool changed = nowCurrent != current;
    QCOMPARE(modified.count(), changed ? 1 : 0);
    // The form is drawn again with the theme now current.
    QCOMPARE(view.CurrentForm() != form, changed);
    QCOMPARE(ComboTexts(view), entries);
    QCOMPARE(view.ThemesComboBox()->ComboBox()->currentIndex(), selected);
}

void TestCmnThemedFormInterface::themeCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("namedAfter");
    QTest::addColumn<QString>("currentAfter");
    QTest::addColumn<QStringList>("refusals");

    const QString show = kUserName;
    QTest::newRow("add") << "Add Theme..." << QStringList{"Ring"} << false << QStringList{"Ring", show, "Zeta"}
                         << "Ring" << QStringList();
    QTest::newRow("add, cancelled") << "Add Theme..." << QStringList() << false << QStringList{show, "Zeta"} << show
                                    << QStringList();
    QTest::newRow("add, names taken") << "Add Theme..." << QStringList{"Default", "Zeta", "Ring"} << false
                                      << QStringList{"Ring", show, "Zeta"} << "Ring"
                                      << QStringList{"Theme 'Default' already exists - please choose a different name.",
                                                     "Theme 'Zeta' already exists - please choose a different name."};
    QTest::newRow("delete") << "Delete Theme 'Smith & Jones <UK>'..." << QStringList() << true << QStringList{"Zeta"}
                            << "" << QStringList();
    QTest::newRow("delete, No") << "Delete Theme 'Smith & Jones <UK>'..." << QStringList() << false
                                << QStringList{show, "Zeta"} << show << QStringList();
    QTest::newRow("rename") << "Rename Theme 'Smith & Jones <UK>'..." << QStringList{"Ring"} << false
                            << QStringList{"Ring", "Zeta"} << "Ring" << QStringList();
    QTest::newRow("rename to itself") << "Rename Theme 'Smith & Jones <UK>'..." << QStringList{show} << false
                                      << QStringList{show, "Zeta"} << show << QStringList();
    QTest::newRow("rename, cancelled") << "Rename Theme 'Smith & Jones <UK>'..." << QStringList() << false
                                       << QStringList{show, "Zeta"} << show << QStringList();
    QTest::newRow("rename to the base name") << "Rename Theme 'Smith & Jones <UK>'..." << QStringList{"Default"}
                                             << false << QStringList{show, "Zeta"} << show
                                             << QStringList{"Theme 'Default' already exists - please choose a "
                                                            "different name."};
}

void TestCmnThemedFormInterface::themeCommands()
{
    QFETCH(QString, command);
    QFETCH(QStringList, answers);
    QFETCH(bool, yes);
    QFETCH(QStringList, namedAfter);
    QFETCH(QString, currentAfter);
    QFETCH(QStringList, refusals);
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    auto themes = QSharedPointer<CCmnThemeSet>::create();
    // Each theme tells itself apart by an element of its own.
    themes->m_BaseTheme.AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("BASE")));
    themes->m_NamedThemes.insert(kUserName, CCmnTheme());
    themes->m_NamedThemes[kUserName].AddElt(new CCmnThemedFormBoxGenericLayoutElt(QStringLiteral("SHOW")));
    themes->m_NamedThemes.insert(QStringLiteral("Zeta"), CCmnTheme());
    themes->SelectTheme(kUserName);
    view.SetThemes(themes);
    fixture.Show();
    const CCmnThemeSet before = *themes;
    const QSharedPointer<CCmnThemedForm> form = view.CurrentForm();
    const int showEntry = view.ThemesComboBox()->ComboBox()->currentIndex();
    QSignalSpy modified(&view, &CCmnThemedFormInterface::SettingsModified);
    CTestStringEntryScript names;
    for (const QString &answer : std::as_const(answers))
        names.Type(answer);
    view.ThemesComboBox()->SetStringEntryFactory(names.Factory());
    CTestMessageBoxScope messages;
    messages.Answer(yes ? QMessageBox::Yes : QMessageBox::No);

    const int entry = int(ComboTexts(view).indexOf(command));
    QVERIFY(entry >= 0);
    view.ThemesComboBox()->ComboBox()->setCurrentIndex(entry);

    QStringList named = themes->m_NamedThemes.keys();
    named.sort();
    QCOMPARE(named, namedAfter);
    QCOMPARE(themes->m_CurrentThemeName, currentAfter);
    QStringList refused;
    for (const CTestStringEntryScript::CShown &shown : names.Shown())
        refused << shown.m_Refusals;
    QCOMPARE(refused, refusals);
    const bool changed = currentAfter != kUserName;
    QCOMPARE(modified.count(), changed ? 1 : 0);
    QCOMPARE(view.CurrentForm() != form, changed);
    CCmnComboBox *combo = view.ThemesComboBox()->ComboBox();
    // The command entry never stays chosen: the current theme's entry shows.
    QCOMPARE(combo->currentText(), currentAfter.isEmpty() ? QStringLiteral("Default") : currentAfter);
    if (!changed) {
        QCOMPARE(*themes, before);
        QCOMPARE(combo->currentIndex(), showEntry);
        return;
    }
    if (command.startsWith(QStringLiteral("Add"))) {
        // A copy of the base theme, though another theme was current.
        QVERIFY(themes->m_NamedThemes.value(currentAfter).IsEqual(themes->m_BaseTheme));
        QCOMPARE(names.Shown().first().m_Title, QStringLiteral("Add Theme"));
        QCOMPARE(names.Shown().first().m_Prompt, QStringLiteral("Please choose a name for the new theme:"));
    } else if (command.startsWith(QStringLiteral("Delete"))) {
        QCOMPARE(messages.Requests().size(), 1);
        QCOMPARE(messages.Requests().first().m_Title, QStringLiteral("Delete Theme"));
        QCOMPARE(messages.Requests().first().m_Text,
                 QStringLiteral("<p>Are you sure you want to delete the theme 'Smith &amp; Jones &lt;UK&gt;'?</p>"));
        QVERIFY(!ComboTexts(view).contains(command));
    } else {
        QVERIFY(themes->m_NamedThemes.value(currentAfter).IsEqual(before.m_NamedThemes.value(kUserName)));
    }
}

void TestCmnThemedFormInterface::boxContextMenus_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("handled");
    QTest::addColumn<QStringList>("entries");

    const QStringList settings{"--", "Background Settings...", "Pedigree Defaults"};
    QTest::newRow("root") << "root" << true << settings.mid(1);
    QTest::newRow("header") << "header" << true << QStringList{"Header Settings..."} + settings;
    QTest::newRow("footer") << "footer" << true << QStringList{"Footer Settings..."} + settings;
    QTest::newRow("content") << "content" << false << QStringList();
}

void TestCmnThemedFormInterface::boxContextMenus()
{
    QFETCH(QString, box);
    QFETCH(bool, handled);
    QFETCH(QStringList, entries);
    CFixture fixture;
    fixture.Show();
    CTestInterface &view = fixture.m_Interface;
    CTestForm *form = view.Form();
    const QHash<QString, qint32> ids{{"root", form->RootId()},
                                     {"header", form->HeaderId()},
                                     {"footer", form->FooterId()},
                                     {"content", form->ContentId()}};
    QGraphicsSceneContextMenuEvent context(QEvent::GraphicsSceneContextMenu);
    context.setScreenPos(QPoint(40, 50));
    CCmnFormBoxEvent event;
    event.m_Kind = CCmnFormBoxEvent::ContextMenu;
    event.m_BoxId = ids.value(box);
    event.m_ContextEvent = &context;
    CTestMenuScope menus;
    menus.Choose(QStringLiteral("Pedigree Defaults"));
    CTestDialogRunnerScope dialogs;
    QSignalSpy chosen(view.PropsAction(CCmnThemedFormInterface::PropsDefault), &QAction::triggered);

    QCOMPARE(view.HandleBoxEvent(&event), handled);

    QCOMPARE(menus.LastEntries(), entries);
    QCOMPARE(chosen.count(), handled ? 1 : 0);
    if (handled)
        QCOMPARE(menus.Runs().last().m_Point, std::optional<QPoint>(QPoint(40, 50)));
    // While a box event is handled, a second one is not.
    const CCmnSlotBlocker blocker(&view);
    QVERIFY(!view.HandleBoxEvent(&event));
}

void TestCmnThemedFormInterface::formDefaultsTitleFollowsKindLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("actionText");
    QTest::addColumn<QString>("title");
    QTest::newRow("pedigree") << "Pedigree" << "Pedigree Defaults" << "Pedigree Defaults";
    QTest::newRow("no label") << "" << "Form Defaults" << "Form Defaults";
    QTest::newRow("user's label") << kUserName << "Smith && Jones <UK> Defaults" << "Smith & Jones <UK> Defaults";
}

void TestCmnThemedFormInterface::formDefaultsTitleFollowsKindLabel()
{
    QFETCH(QString, label);
    QFETCH(QString, actionText);
    QFETCH(QString, title);
    CFixture fixture;
    fixture.Show(label);
    CTestInterface &view = fixture.m_Interface;
    CTestDialogRunnerScope dialogs;

    view.PropsAction(CCmnThemedFormInterface::PropsDefault)->trigger();

    QCOMPARE(view.PropsAction(CCmnThemedFormInterface::PropsDefault)->text(), actionText);
    QCOMPARE(dialogs.Titles(), QStringList{title});
}

void TestCmnThemedFormInterface::settingsCommandsNeedTheirBox_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("title");

    QTest::newRow("form defaults") << "defaults" << "" << "Pedigree Defaults";
    QTest::newRow("form defaults, no form") << "defaults" << "form" << "";
    QTest::newRow("root") << "root" << "" << "Background Settings";
    QTest::newRow("root, unnamed") << "root" << "box" << "";
    QTest::newRow("header") << "header" << "" << "Header Settings";
    QTest::newRow("header, no header flag") << "header" << "box" << "";
    QTest::newRow("footer") << "footer" << "" << "Footer Settings";
    QTest::newRow("footer, no footer flag") << "footer" << "box" << "";
    QTest::newRow("header ornament") << "left header ornament" << "" << "Smith & Jones <UK> Settings";
    QTest::newRow("header ornament, unnamed") << "left header ornament" << "box" << "";
    QTest::newRow("footer ornament") << "right footer ornament" << "" << "Stamp Settings";
    QTest::newRow("footer ornament, no form") << "right footer ornament" << "form" << "";
}

void TestCmnThemedFormInterface::settingsCommandsNeedTheirBox()
{
    QFETCH(QString, command);
    QFETCH(QString, missing);
    QFETCH(QString, title);
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    if (missing == QStringLiteral("box")) {
        view.m_Names.m_Root = CCmnThemedFormBoxName();
        view.m_Names.m_HasHeader = false;
        view.m_Names.m_HasFooter = false;
        view.m_Names.m_LeftHeaderOrnament = CCmnThemedFormBoxName();
    }
    if (missing != QStringLiteral("form"))
        fixture.Show();
    const CCmnThemeSet before = *view.Themes();
    QSignalSpy modified(&view, &CCmnThemedFormInterface::SettingsModified);
    CTestMessageBoxScope messages;
    CTestDialogRunnerScope dialogs;

    QCOMPARE(RunSettingsCommand(view, command, QPoint(-1, -1)), !title.isEmpty());

    QCOMPARE(dialogs.Titles(), title.isEmpty() ? QStringList() : QStringList{title});
    // Cancelled or not shown: nothing changes and nobody is told.
    QCOMPARE(*view.Themes(), before);
    QCOMPARE(modified.count(), 0);
    QVERIFY(messages.Requests().isEmpty());
}

void TestCmnThemedFormInterface::settingsDialogOkStoresCancelKeeps_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QStringList>("elements");

    QTest::newRow("header, OK") << "header" << true << QStringList{"CMN-HEADER"};
    QTest::newRow("header, Cancel") << "header" << false << QStringList();
    QTest::newRow("form defaults, OK") << "defaults" << true << QStringList{"CMN-DEFAULT"};
    QTest::newRow("ornament, OK") << "left header ornament" << true
                                  << QStringList{"TEST-LEFTHEADER-LAYOUT", "TEST-LEFTHEADER-DATA"};
    QTest::newRow("ornament, Cancel") << "left header ornament" << false << QStringList();
}

void TestCmnThemedFormInterface::settingsDialogOkStoresCancelKeeps()
{
    QFETCH(QString, command);
    QFETCH(bool, accept);
    QFETCH(QStringList, elements);
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    auto themes = QSharedPointer<CCmnThemeSet>::create();
    themes->m_NamedThemes.insert(QStringLiteral("Show"), CCmnTheme());
    themes->SelectTheme(QStringLiteral("Show"));
    view.SetThemes(themes);
    fixture.Show();
    view.Form()->m_Applied.clear();
    const CCmnThemeSet before = *themes;
    QSignalSpy modified(&view, &CCmnThemedFormInterface::SettingsModified);
    CTestDialogRunnerScope dialogs([accept](QDialog &dialog) {
        return accept ? OrvAcceptDialog(dialog) : int(QDialog::Rejected);
    });

    QVERIFY(RunSettingsCommand(view, command, QPoint(-1, -1)));

    QCOMPARE(view.Form()->m_Applied, elements);
    QCOMPARE(modified.count(), accept ? 1 : 0);
    if (!accept) {
        QCOMPARE(*themes, before);
        return;
    }
    // The dialog edited a copy of the current theme, which now holds its elements.
    QStringList stored = themes->m_NamedThemes.value(QStringLiteral("Show")).Elements().keys();
    stored.sort();
    QStringList expected = elements;
    expected.sort();
    QCOMPARE(stored, expected);
    QVERIFY(themes->m_BaseTheme.Elements().isEmpty());
}

void TestCmnThemedFormInterface::propsCommandOpensWhereItsMenuWas_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("from the root's menu") << true << QPoint(300, 200);
    QTest::newRow("from the side panel") << false << QPoint(-1, -1);
}

void TestCmnThemedFormInterface::propsCommandOpensWhereItsMenuWas()
{
    QFETCH(bool, fromMenu);
    QFETCH(QPoint, position);
    CFixture fixture;
    fixture.Show();
    CTestInterface &view = fixture.m_Interface;
    QList<QPoint> points;
    bool placed = false;
    CTestDialogRunnerScope dialogs([&](QDialog &dialog) {
        points << CCmnMenu::MenuBeingShownPopupPoint();
        // Where a keeper centred on the point puts the dialog is where it stands.
        const QRect geometry = dialog.geometry();
        CCmnGeometryKeeper().SetAnchor(CCmnGeometryKeeper::AnchorCentre, position).Restore(&dialog);
        placed = dialog.geometry() == geometry;
        return int(QDialog::Rejected);
    });
    CTestMenuScope menus;

    if (fromMenu) {
        QGraphicsSceneContextMenuEvent context(QEvent::GraphicsSceneContextMenu);
        context.setScreenPos(position);
        CCmnFormBoxEvent event;
        event.m_Kind = CCmnFormBoxEvent::ContextMenu;
        event.m_BoxId = view.Form()->RootId();
        event.m_ContextEvent = &context;
        menus.Choose(QStringLiteral("Background Settings..."));
        QVERIFY(view.HandleBoxEvent(&event));
    } else {
        view.PropsAction(CCmnThemedFormInterface::PropsRoot)->trigger();
    }

    QCOMPARE(dialogs.Titles(), QStringList{"Background Settings"});
    QCOMPARE(points, QList<QPoint>{position});
    QVERIFY(placed);
}

void TestCmnThemedFormInterface::ornamentBoxEvents_data()
{
    QTest::addColumn<QString>("ornament");
    QTest::addColumn<bool>("press");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("title");

    const QStringList settings{"--", "Background Settings...", "Pedigree Defaults"};
    QTest::newRow("press on a header ornament") << "left header" << true << true << QStringList()
                                                << "Smith & Jones <UK> Settings";
    QTest::newRow("menu of a header ornament")
        << "left header" << false << true << QStringList{"Smith && Jones <UK> Settings...", "Header Settings..."} + settings
        << "Smith & Jones <UK> Settings";
    QTest::newRow("menu of a footer ornament")
        << "left footer" << false << true << QStringList{"Signature Settings...", "Footer Settings..."} + settings
        << "Signature Settings";
    QTest::newRow("menu of a footer ornament, no footer flag")
        << "left footer" << false << false << QStringList{"Signature Settings..."} + settings << "Signature Settings";
}

void TestCmnThemedFormInterface::ornamentBoxEvents()
{
    QFETCH(QString, ornament);
    QFETCH(bool, press);
    QFETCH(bool, flag);
    QFETCH(QStringList, entries);
    QFETCH(QString, title);
    CFixture fixture;
    fixture.Show();
    CTestInterface &view = fixture.m_Interface;
    CTestForm *form = view.Form();
    const bool header = ornament == QStringLiteral("left header");
    if (header)
        form->BoxNames().m_HasHeader = flag;
    else
        form->BoxNames().m_HasFooter = flag;
    const QPoint position(120, 80);
    QGraphicsSceneMouseEvent mouse(QEvent::GraphicsSceneMousePress);
    mouse.setScreenPos(position);
    QGraphicsSceneContextMenuEvent context(QEvent::GraphicsSceneContextMenu);
    context.setScreenPos(position);
    CCmnFormBoxEvent event;
    event.m_Kind = press ? CCmnFormBoxEvent::MousePress : CCmnFormBoxEvent::ContextMenu;
    event.m_BoxId = header ? form->LeftHeaderOrnamentId() : form->LeftFooterOrnamentId();
    QVERIFY(event.m_BoxId != 0);
    if (press)
        event.m_MouseEvent = &mouse;
    else
        event.m_ContextEvent = &context;
    QList<QPoint> points;
    CTestDialogRunnerScope dialogs([&points](QDialog &) {
        points << CCmnMenu::MenuBeingShownPopupPoint();
        return int(QDialog::Rejected);
    });
    CTestMenuScope menus;
    if (!press)
        menus.Choose(entries.first());

    QVERIFY(view.HandleBoxEvent(&event));

    QCOMPARE(menus.LastEntries(), entries);
    QCOMPARE(dialogs.Titles(), QStringList{title});
    // The mirrored entry runs the ornament's own command at the menu's point.
    QCOMPARE(points, QList<QPoint>{press ? QPoint(-1, -1) : position});
    if (!press)
        QCOMPARE(menus.Runs().last().m_Point, std::optional<QPoint>(position));

    // A press without a form, and any other kind of event, are not the ornament's.
    event.m_Kind = 7;
    QVERIFY(!view.HandleOrnamentEvent(&event, CCmnThemedFormInterface::PropsLeftHeaderOrnament));
}

void TestCmnThemedFormInterface::newPictureWarnsOfCropping_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("whatWasSet");
    QTest::addColumn<QString>("whatItMustMatch");
    QTest::newRow("root") << "root" << "a background photo" << "the paper";
    QTest::newRow("ornament") << "left header ornament" << "a smith &amp; jones &lt;uk&gt; photo"
                              << "the box in which it is displayed";
}

void TestCmnThemedFormInterface::newPictureWarnsOfCropping()
{
    QFETCH(QString, command);
    QFETCH(QString, whatWasSet);
    QFETCH(QString, whatItMustMatch);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString photo = folder.filePath(QStringLiteral("photo.png"));
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(photo));
    CFixture fixture;
    fixture.Show();
    CTestInterface &view = fixture.m_Interface;
    view.SetHelpPageName(QStringLiteral("design_croppingpics.html"));
    CTestFileChooserScope chooser(photo);
    CTestDialogRunnerScope dialogs([](QDialog &dialog) {
        auto *tabs = dynamic_cast<CCmnThemedFormBoxGenericPropertiesTabsMixin *>(&dialog);
        if (!tabs)
            return int(QDialog::Rejected);
        tabs->PhotoTab()->Panel()->PicCtrl()->SelectButton()->click();
        return OrvAcceptDialog(dialog);
    });
    CTestMessageBoxScope messages;
    const QPoint position(210, 160);

    QVERIFY(RunSettingsCommand(view, command, position));

    QCOMPARE(messages.Requests().size(), 1);
    const CCmnMessageBoxRequest &notice = messages.Requests().first();
    QCOMPARE(notice.m_Options.m_MessageId, CmnPhotoCropWarningMessageId);
    QCOMPARE(notice.m_Options.m_Position, position);
    QVERIFY2(notice.m_Text.contains(QStringLiteral("<p>You have set %1.</p>").arg(whatWasSet)), qPrintable(notice.m_Text));
    QVERIFY2(notice.m_Text.contains(whatItMustMatch), qPrintable(notice.m_Text));

    // A second OK with the picture already there says nothing.
    QVERIFY(RunSettingsCommand(view, command, position));
    QCOMPARE(messages.Requests().size(), 1);
}

void TestCmnThemedFormInterface::pressThatRebuildsKeepsSceneUntilEventLoop()
{
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    view.m_RebuildNames << QStringLiteral("TEST-LEFTHEADER-LAYOUT");
    fixture.Show();
    view.m_Populated.clear();
    QPointer<CCmnGraphicsScene> oldScene = view.ScreenScene().data();
    const QSharedPointer<CCmnFormBox> box = view.Form()->GetBox(view.Form()->LeftHeaderOrnamentId());
    QVERIFY(box);
    QGraphicsItem *item = box->TopItem();
    QPointer<CCmnForm> oldForm = view.Form();
    CTestDialogRunnerScope dialogs(OrvAcceptDialog);
    QGraphicsSceneMouseEvent mouse(QEvent::GraphicsSceneMousePress);

    // As the box's item does when it is pressed.
    view.Form()->Slot_box_mousePressEvent(item, &mouse);

    QCOMPARE(dialogs.Titles(), QStringList{"Smith & Jones <UK> Settings"});
    QVERIFY(view.ScreenScene().data() != oldScene.data());
    QVERIFY(view.CurrentForm().data() != oldForm.data());
    // The pressed item still stands on its scene when its handler goes on.
    QVERIFY(oldScene);
    QVERIFY(oldForm);
    QCOMPARE(item->scene(), oldScene.data());
    QTRY_VERIFY(oldScene.isNull());
    QVERIFY(oldForm.isNull());
}

void TestCmnThemedFormInterface::destroyingHostWhileFormShownIsClean_data()
{
    QTest::addColumn<bool>("ownerKeepsView");
    QTest::newRow("host owns the view alone") << false;
    // As the document widget does: the view then outlives the host's widgets.
    QTest::newRow("owner keeps a second pointer") << true;
}

void TestCmnThemedFormInterface::destroyingHostWhileFormShownIsClean()
{
    QFETCH(bool, ownerKeepsView);
    auto host = std::make_unique<CTestHost>();
    host->RegisterKind(QStringLiteral("Pedigree"), QStringLiteral("TESTINTERFACE"), kPedigree);
    host->CreateInterfaces({});
    QVERIFY(host->SetInterfacesEnabled(true));
    host->SelectKind(kPedigree, true, true);
    QVERIFY(host->View()->CurrentForm());
    QSharedPointer<CCmnInterface> owner;
    if (ownerKeepsView)
        owner = host->Interfaces().value(0);
    QPointer<CCmnGraphicsScene> scene = host->View()->ScreenScene().data();
    QVERIFY(scene);

    host.reset();
    // The view's form still stands on its scene.
    QCOMPARE(scene.isNull(), !ownerKeepsView);
    owner.reset();
    QVERIFY(scene.isNull());
}

void TestCmnThemedFormInterface::rendersSettingsDialogsAndMenus()
{
    CFixture fixture;
    CTestInterface &view = fixture.m_Interface;
    auto themes = QSharedPointer<CCmnThemeSet>::create();
    themes->m_NamedThemes.insert(kUserName, CCmnTheme());
    themes->m_NamedThemes.insert(kLongName, CCmnTheme());
    themes->SelectTheme(kUserName);
    view.SetThemes(themes);
    fixture.Show(kUserName);
    QStringList drawn;
    CTestDialogRunnerScope dialogs([&drawn](QDialog &dialog) {
        const QString file = QStringLiteral("themedform-dialog-%1.png").arg(drawn.size());
        if (OrvRenderForReview(dialog, QSize(), file))
            drawn << dialog.windowTitle();
        return int(QDialog::Rejected);
    });
    for (const QString &command :
         QStringList{"defaults", "root", "header", "left header ornament", "right footer ornament"})
        QVERIFY(RunSettingsCommand(view, command, QPoint(-1, -1)));
    QCOMPARE(drawn, (QStringList{"Smith & Jones <UK> Defaults", "Background Settings", "Header Settings",
                                 "Smith & Jones <UK> Settings", "Stamp Settings"}));

    int menus = 0;
    const TCmnMenuRunner previous = CmnSetMenuRunner([&menus](CCmnMenu &menu, const std::optional<QPoint> &) {
        menu.adjustSize();
        if (OrvKeepForReview(menu.grab().toImage(), QStringLiteral("themedform-menu-%1.png").arg(menus)))
            ++menus;
        return static_cast<QAction *>(nullptr);
    });
    QGraphicsSceneContextMenuEvent context(QEvent::GraphicsSceneContextMenu);
    CCmnFormBoxEvent event;
    event.m_Kind = CCmnFormBoxEvent::ContextMenu;
    event.m_ContextEvent = &context;
    for (const qint32 id : {view.Form()->LeftHeaderOrnamentId(), view.Form()->FooterId()}) {
        event.m_BoxId = id;
        QVERIFY(view.HandleBoxEvent(&event));
    }
    CmnSetMenuRunner(previous);
    QCOMPARE(menus, 2);

    CCmnComboBox *combo = view.ThemesComboBox()->ComboBox();
    combo->showPopup();
    QVERIFY(OrvKeepForReview(combo->view()->window()->grab().toImage(), QStringLiteral("themedform-themes.png")));
    combo->hidePopup();
}

void TestCmnThemedFormInterface::rendersTheWholeInterface()
{
    CTestHost host;
    host.RegisterKind(kUserName, QStringLiteral("TESTINTERFACE"), kPedigree);
    host.CreateInterfaces({});
    CTestInterface *view = host.View();
    // What the left header ornament shows comes from the theme.
    auto *data = static_cast<CCmnThemedFormBoxGenericDataElt *>(
        view->GetCurrentTheme().GetEltForWrite(QStringLiteral("TEST-LEFTHEADER-DATA"), view->GetFallbackTheme()));
    data->m_Payload.SetText(kUserName + QStringLiteral("\n") + kLongName, false);
    QVERIFY(host.SetInterfacesEnabled(true));
    host.SelectKind(kPedigree, true, true);
    view->DesignModeCheckBox()->setChecked(true);
    host.resize(1400, 900);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    // User names show as typed: no mnemonic taken, no markup read.
    const auto leftHeader = CCmnThemedFormInterface::PropsLeftHeaderOrnament;
    QCOMPARE(view->HasOrnamentCheckBox(leftHeader)->text(), QStringLiteral("Smith && Jones <UK>"));
    QCOMPARE(view->HasOrnamentCheckBox(leftHeader)->toolTip(),
             QStringLiteral("<p>Hide or show the Smith &amp; Jones &lt;UK&gt; Box</p>"));
    QCOMPARE(view->PropsAction(leftHeader)->text(), QStringLiteral("Smith && Jones <UK> Settings..."));
    QCOMPARE(view->PropsAction(CCmnThemedFormInterface::PropsDefault)->text(),
             QStringLiteral("Smith && Jones <UK> Defaults"));
    QCOMPARE(view->PropsButton(CCmnThemedFormInterface::PropsRoot)->text(), QStringLiteral("Background Settings"));
    QCOMPARE(view->PropsButton(CCmnThemedFormInterface::PropsRoot)->toolTip(),
             QStringLiteral("<p>Customize the background</p>"));
    QCOMPARE(view->PropsAction(CCmnThemedFormInterface::PropsRoot)->text(), QStringLiteral("Background Settings..."));

    for (QWidget *control : std::initializer_list<QWidget *>{
             view->PointButton(), view->PanButton(), view->ThemesComboBox()->ComboBox(), view->DesignModeCheckBox(),
             view->RightSidePanelToggleButton(), view->BaseFontCtrl()->FaceComboBox(),
             view->PropsButton(CCmnThemedFormInterface::PropsDefault),
             view->PropsButton(CCmnThemedFormInterface::PropsRoot),
             view->PropsButton(CCmnThemedFormInterface::PropsHeader),
             view->PropsButton(CCmnThemedFormInterface::PropsFooter), view->PropsButton(leftHeader),
             view->PropsButton(CCmnThemedFormInterface::PropsLeftFooterOrnament),
             view->HasOrnamentCheckBox(leftHeader),
             view->HasOrnamentCheckBox(CCmnThemedFormInterface::PropsRightFooterOrnament)})
        QVERIFY2(!control->whatsThis().isEmpty(), control->metaObject()->className());
    QVERIFY(!view->PointButton()->icon().isNull());
    QVERIFY(!view->PanButton()->icon().isNull());

    QVERIFY(OrvKeepForReview(host.grab().toImage(), "themedforminterface.png"));
}

QTEST_MAIN(TestCmnThemedFormInterface)
#include "tst_cmnthemedforminterface.moc"
