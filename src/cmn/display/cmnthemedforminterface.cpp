#include "cmnthemedforminterface.h"

#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmnfontctrl.h"
#include "cmnfontdescriptor.h"
#include "cmngraphicsscene.h"
#include "cmnhtmlescape.h"
#include "cmnmenu.h"
#include "cmnpagesetup.h"
#include "cmnpicctrl.h"
#include "cmnpushbutton.h"
#include "cmnscenewidget.h"
#include "cmnscenewidgetparams.h"
#include "cmnslotunblocker.h"
#include "cmnsplitter.h"
#include "cmnstackedwidget.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmntext.h"
#include "cmnthemeaccessors.h"
#include "cmnthemedform.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformdefaultboxpropertiesdialog.h"
#include "cmnthemedformfooterboxpropertiesdialog.h"
#include "cmnthemedformfooterornamentboxpropertiesdialog.h"
#include "cmnthemedformheaderboxpropertiesdialog.h"
#include "cmnthemedformheaderornamentboxpropertiesdialog.h"
#include "cmnthemedformrootboxpropertiesdialog.h"
#include "cmnthemedformsettings.h"
#include "cmnthemedformstickystate.h"
#include "cmnthemeset.h"
#include "cmnthemesnamescombobox.h"
#include "cmntoolbutton.h"
#include "cmnwidget.h"
#include "cmnwidgetlayout.h"
#include "cmnwidgetsstate.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QGraphicsRectItem>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QStyle>

namespace {

const QString kToolButtons = QStringLiteral(":/cmn/toolbuttons/");
// The options of the page scene widget: separate Print and Print Preview push
// buttons, PDF and image export, interactive, no zoom box, a print scene of its own.
constexpr qint32 kSceneWidgetOptions = 0x6F7;

QString HideOrShowText(bool visible)
{
    return visible ? CCmnThemedFormInterface::tr("Hide Side Panel") : CCmnThemedFormInterface::tr("Show Side Panel");
}

QString VisibilityKey(const QString &name)
{
    return name + QStringLiteral("/rightsidepanelvisible");
}

// A form and the scene its boxes stand on, kept for a while; the form goes
// first, as its boxes refer to the scene's items.
struct CRetiredForm
{
    QSharedPointer<CCmnGraphicsScene> m_Scene;
    QSharedPointer<CCmnThemedForm> m_Form;
};

} // namespace

// The interface is no dialog, but its controls get their What's This texts the
// same way, under a help page of its own.
class CCmnThemedFormInterface::CHelp : public CCmnTabOrDialogOrPanelOrPageMixin
{
public:
    CHelp() { SetHelpPage(QStringLiteral("CCmnThemedFormInterface.html")); }
};

CCmnThemedFormInterface::CCmnThemedFormInterface(const QString &name, QWidget *parentWidget)
    : CCmnInterface(name, parentWidget)
    , m_Help(std::make_unique<CHelp>())
{
    m_ThemeLabel = new QLabel(tr("Theme: "), parentWidget);
    // Parentless until the side panel takes it.
    m_ThemesComboBox = std::make_unique<CCmnThemesNamesComboBox>();
    m_SidePanelItems.append({CCmnSidePanelItem::LabelledControls, false, 100, QString(), m_ThemeLabel,
                             m_ThemesComboBox->ComboBox(), nullptr});

    m_PageSetup = QSharedPointer<CCmnPageSetup>::create();
    m_Themes = QSharedPointer<CCmnThemeSet>::create();

    const int extent = parentWidget ? parentWidget->style()->pixelMetric(QStyle::PM_ToolBarIconSize)
                                    : QApplication::style()->pixelMetric(QStyle::PM_ToolBarIconSize);
    const QSize iconSize(extent, extent);
    m_PointButton = CmnNewToolButton(kToolButtons + QStringLiteral("cursor-arrow"), iconSize, tr("Point"), true,
                                     false, parentWidget);
    m_PanButton = CmnNewToolButton(kToolButtons + QStringLiteral("cursor-openhand"), iconSize, tr("Pan"), true,
                                   false, parentWidget);
    connect(m_PointButton, &QAbstractButton::clicked, this, &CCmnThemedFormInterface::Slot_clicked_MouseMode_Point);
    connect(m_PanButton, &QAbstractButton::clicked, this, &CCmnThemedFormInterface::Slot_clicked_MouseMode_Pan);
    m_MouseModeGroup = new QButtonGroup(this);
    m_MouseModeGroup->addButton(m_PointButton);
    m_MouseModeGroup->addButton(m_PanButton);

    m_DesignModeCheckBox = new CCmnCheckBox(tr("Design Mode"), parentWidget);
    m_DesignModeCheckBox->setToolTip(tr("Show design options"));
    connect(m_DesignModeCheckBox, &QCheckBox::stateChanged, this,
            &CCmnThemedFormInterface::Slot_stateChanged_CheckBox_DesignMode);
    m_SidePanelItems.append({CCmnSidePanelItem::CheckBoxes, false, 400, QString(), nullptr, m_DesignModeCheckBox,
                             nullptr});

    m_ThemesComboBox->Fill(*m_Themes);
    connect(m_ThemesComboBox->ComboBox(), &QComboBox::currentIndexChanged, this,
            &CCmnThemedFormInterface::Slot_currentIndexChanged_ThemesComboBox);

    m_RightSidePanelToggleAction = new QAction(this);
    connect(m_RightSidePanelToggleAction, &QAction::triggered, this,
            &CCmnThemedFormInterface::Slot_triggered_RightSidePanelToggle);
    m_RightSidePanelToggleButton = new CCmnPushButton(m_RightSidePanelToggleAction, parentWidget);
    m_RightSidePanelVisible = QSettings().value(VisibilityKey(Name()), true).toBool();
    m_RightSidePanelToggleAction->setText(HideOrShowText(m_RightSidePanelVisible));

    m_BaseFontCtrl = new CCmnFontCtrl(this, CmnFontCtrlFace | CmnFontCtrlStyle | CmnFontCtrlSize |
                                                CmnFontCtrlNoStretch | CmnFontCtrlNoMargins,
                                      tr("base form font"));
    connect(m_BaseFontCtrl, &CCmnFontCtrl::SignalFontChanged, this,
            &CCmnThemedFormInterface::Slot_SignalFontChanged_Props_Default_TextFont);
    m_SidePanelItems.append({CCmnSidePanelItem::CompositeControls, true, 100, QString(), nullptr, nullptr,
                             m_BaseFontCtrl->Layout()});

    CreateProps(PropsDefault, tr("Form Defaults..."), QStringLiteral("FormDefaults"),
                &CCmnThemedFormInterface::Slot_triggered_Props_Default);
    // Named after the form's root box once a form is shown.
    CreateProps(PropsRoot, QStringLiteral("!"), QStringLiteral("RootSettings"),
                &CCmnThemedFormInterface::Slot_triggered_Props_Root);
    CreateProps(PropsHeader, tr("Header Settings..."), QStringLiteral("HeaderSettings"),
                &CCmnThemedFormInterface::Slot_triggered_Props_Header);
    CreateProps(PropsFooter, tr("Footer Settings..."), QStringLiteral("FooterSettings"),
                &CCmnThemedFormInterface::Slot_triggered_Props_Footer);
    CreateOrnament(PropsLeftHeaderOrnament, QStringLiteral("HeaderOrnament"),
                   &CCmnThemedFormInterface::Slot_triggered_Props_LeftHeaderOrnament,
                   &CCmnThemedFormInterface::Slot_stateChanged_CheckBox_Settings_HasLeftHeaderOrnament);
    CreateOrnament(PropsRightHeaderOrnament, QStringLiteral("HeaderOrnament"),
                   &CCmnThemedFormInterface::Slot_triggered_Props_RightHeaderOrnament,
                   &CCmnThemedFormInterface::Slot_stateChanged_CheckBox_Settings_HasRightHeaderOrnament);
    CreateOrnament(PropsLeftFooterOrnament, QStringLiteral("FooterOrnament"),
                   &CCmnThemedFormInterface::Slot_triggered_Props_LeftFooterOrnament,
                   &CCmnThemedFormInterface::Slot_stateChanged_CheckBox_Settings_HasLeftFooterOrnament);
    CreateOrnament(PropsRightFooterOrnament, QStringLiteral("FooterOrnament"),
                   &CCmnThemedFormInterface::Slot_triggered_Props_RightFooterOrnament,
                   &CCmnThemedFormInterface::Slot_stateChanged_CheckBox_Settings_HasRightFooterOrnament);

    // The splitter takes it; freed here only when it was never built.
    m_PageStack = new CCmnStackedWidget;
    m_EmptyPage = new QLabel(QString(), m_PageStack);
    m_PageStack->addWidget(m_EmptyPage);
    m_PageStack->setCurrentWidget(m_EmptyPage);

    for (QWidget *widget : std::initializer_list<QWidget *>{m_PointButton, m_PanButton})
        SetWidgetHelpName(m_Help.get(), widget, QStringLiteral("MouseMode"));
    SetWidgetHelpName(m_Help.get(), m_ThemesComboBox->ComboBox(), QStringLiteral("Theme"));
    SetWidgetHelpName(m_Help.get(), m_DesignModeCheckBox, QStringLiteral("DesignMode"));
    SetWidgetHelpName(m_Help.get(), m_RightSidePanelToggleButton, QStringLiteral("SidePanel"));
    m_BaseFontCtrl->RegisterWhatsThis(m_Help.get(), QStringLiteral("BaseFont"));
}

CCmnThemedFormInterface::~CCmnThemedFormInterface()
{
    if (!Name().isEmpty())
        QSettings().setValue(VisibilityKey(Name()), m_RightSidePanelVisible);
    // The form's boxes live on the screen scene: the form goes first.
    if (m_CurrentForm)
        disconnect(m_CurrentForm.data(), nullptr, this, nullptr);
    m_CurrentForm.reset();
    m_ScreenScene.reset();
    // Widgets that no host took over.
    if (m_Splitter && !m_Splitter->parent())
        delete m_Splitter;
    else if (!m_Splitter && m_PageStack && !m_PageStack->parent())
        delete m_PageStack;
}

void CCmnThemedFormInterface::CreateProps(EProps which, const QString &text, const QString &helpName,
                                          void (CCmnThemedFormInterface::*slot)())
{
    CProps &props = m_Props[which];
    props.m_Action = new QAction(text, this);
    connect(props.m_Action, &QAction::triggered, this, slot);
    props.m_Button = new CCmnPushButton(props.m_Action, ParentWidget());
    SetWidgetHelpName(m_Help.get(), props.m_Button, helpName);
    static constexpr qint32 kButtonOrders[] = {100, 200, 298, 498, 299, 301, 499, 501};
    m_SidePanelItems.append({CCmnSidePanelItem::PushButtons, true, kButtonOrders[which], QString(), nullptr,
                             props.m_Button, nullptr});
}

void CCmnThemedFormInterface::CreateOrnament(EProps which, const QString &helpName,
                                             void (CCmnThemedFormInterface::*slot)(),
                                             void (CCmnThemedFormInterface::*hasSlot)(int))
{
    CreateProps(which, QString(), helpName + QStringLiteral("Settings"), slot);
    CProps &props = m_Props[which];
    props.m_HasBox = new CCmnCheckBox(QString(), ParentWidget());
    connect(props.m_HasBox, &QCheckBox::stateChanged, this, hasSlot);
    SetWidgetHelpName(m_Help.get(), props.m_HasBox, helpName);
    static constexpr qint32 kBoxOrders[] = {99, 101, 299, 301};
    m_SidePanelItems.append({CCmnSidePanelItem::CheckBoxes, false, kBoxOrders[which - PropsLeftHeaderOrnament],
                             QString(), nullptr, props.m_HasBox, nullptr});
}

bool CCmnThemedFormInterface::SceneGate() const
{
    return IsActive() && IsEnabled() && m_HasData;
}

void CCmnThemedFormInterface::ShowEmptyPage()
{
    m_PageStack->setCurrentWidget(m_EmptyPage);
}

// ---- Widgets ----

void CCmnThemedFormInterface::CreateWidgets()
{
    CCmnSceneWidgetParams params;
    params.m_Options = kSceneWidgetOptions;
    params.m_InitialOrientation = 1;
    params.m_Texts[CCmnSceneWidgetParams::PdfText] = tr("PDF");
    params.m_Texts[CCmnSceneWidgetParams::ImageText] = tr("JPEG");
    params.m_Texts[CCmnSceneWidgetParams::PrintText] = tr("Print");
    params.m_Texts[CCmnSceneWidgetParams::PreviewText] = tr("Print Preview");
    m_SceneWidget = new CCmnSceneWidget(params, *m_PageSetup, &m_SceneWidgetControls);
    connect(m_SceneWidget, &CCmnSceneWidget::SignalAllocateScene, this, &CCmnThemedFormInterface::Slot_scene_Allocate);
    connect(m_SceneWidget, &CCmnSceneWidget::SignalPopulateScene, this, &CCmnThemedFormInterface::Slot_scene_Populate);
    connect(m_SceneWidget, &CCmnSceneWidget::SignalOrientationChanged, this,
            &CCmnThemedFormInterface::Slot_scene_OrientationChanged);
    connect(m_SceneWidget, &CCmnSceneWidget::SignalPrintParamsChanged, this,
            &CCmnThemedFormInterface::Slot_scene_PrintParamsChanged);

    QList<QWidget *> toolRow{m_PointButton, m_PanButton};
    toolRow << m_SceneWidgetControls.m_FitAndZoomButtons << m_SceneWidgetControls.m_MarginsButtons
            << m_SceneWidgetControls.m_OrientationButtons;
    m_SidePanelItems.append({CCmnSidePanelItem::ToolRows, false, 100, QString(), nullptr, nullptr,
                             CmnBoxLayoutFromWidgets(CmnBoxLayoutHorizontal | CmnBoxLayoutNoMargins |
                                                         CmnBoxLayoutFiller,
                                                     toolRow)});
    for (const auto &[label, widget] : std::as_const(m_SceneWidgetControls.m_LabelledControls))
        m_SidePanelItems.append({CCmnSidePanelItem::LabelledControls, false, 200, label, nullptr, widget, nullptr});

    m_RightSidePanel = new CCmnWidget(CmnSidePanelLayout(m_SidePanelItems));

    auto *sceneRow = new QHBoxLayout;
    sceneRow->setSpacing(0);
    sceneRow->addWidget(m_SceneWidget, 1);
    sceneRow->addWidget(m_RightSidePanel, 0);
    auto *areaGrid = new QGridLayout;
    areaGrid->setContentsMargins(0, 0, 0, 0);
    areaGrid->setVerticalSpacing(0);
    areaGrid->addLayout(sceneRow, 0, 0);
    m_SceneArea = new CCmnWidget(areaGrid);

    m_Splitter = new CCmnSplitter;
    CCmnWidget *stackPane = CmnWidgetAroundWidget(m_PageStack, Qt::AlignLeft);
    stackPane->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_Splitter->addWidget(stackPane);
    m_Splitter->addWidget(CmnWidgetAroundWidget(m_SceneArea, Qt::AlignRight));

    UpdateControls();
}

QWidget *CCmnThemedFormInterface::GetWidget()
{
    return m_Splitter;
}

QList<CCmnInterfaceToolBarEntry> CCmnThemedFormInterface::GetToolBarEntries()
{
    QList<CCmnLayoutItem> actions;
    for (QWidget *button : std::as_const(m_SceneWidgetControls.m_ActionButtons))
        actions << button;
    CCmnInterfaceToolBarEntry left;
    left.m_Kinds = {QStringLiteral("*")};
    left.m_Widget = new CCmnWidget(CmnBoxLayoutFromList(CmnBoxLayoutHorizontal | CmnBoxLayoutNoMargins, actions));
    CCmnInterfaceToolBarEntry right;
    right.m_Kinds = {QStringLiteral("*")};
    right.m_Widget = new CCmnWidget(CmnBoxLayout(CmnBoxLayoutHorizontal | CmnBoxLayoutNoMargins,
                                                 m_RightSidePanelToggleButton));
    right.m_RightAligned = true;
    return {left, right};
}

QList<CCmnInterfaceMenu> CCmnThemedFormInterface::GetMenus()
{
    CCmnInterfaceMenu view;
    view.m_Kinds = {QStringLiteral("*")};
    view.m_MenuName = QStringLiteral("View");
    CCmnMenuEntry toggle;
    toggle.m_Action = m_RightSidePanelToggleAction;
    view.m_Entries << toggle;
    return {view};
}

void CCmnThemedFormInterface::UpdateControls()
{
    const CCmnSlotBlocker blocker(this);
    CCmnThemedForm *form = m_CurrentForm.data();
    const qint32 mouseMode = form ? form->MouseMode() : 0;
    m_PointButton->setChecked(mouseMode == 0);
    m_PanButton->setChecked(mouseMode == 1);

    bool design = false;
    bool hasHeader = false;
    bool hasFooter = false;
    bool rootNamed = false;
    bool named[PropsCount] = {};
    bool switchOn[PropsCount] = {};
    if (form) {
        CCmnThemedFormBoxNames &names = form->BoxNames();
        const QString face =
            CmnThemeGetTextFace(GetCurrentTheme(), m_FallbackTheme, kCmnFormDefault, names, &m_AutoParams, false);
        const QString size =
            CmnThemeGetTextSize(GetCurrentTheme(), m_FallbackTheme, kCmnFormDefault, names, &m_AutoParams, false);
        m_BaseFontCtrl->SetFont(CmnMergeFontDescriptors(face, size));

        design = m_DesignMode;
        rootNamed = names.m_Root.Exists();
        const CCmnThemedFormSettings &settings = *form->Settings();
        hasHeader = names.m_HasHeader && !settings.GetHeaderLayout(names).isEmpty();
        hasFooter = names.m_HasFooter && !settings.GetFooterLayout(names).isEmpty();
        named[PropsLeftHeaderOrnament] = names.m_LeftHeaderOrnament.Exists();
        named[PropsRightHeaderOrnament] = names.m_RightHeaderOrnament.Exists();
        named[PropsLeftFooterOrnament] = names.m_LeftFooterOrnament.Exists();
        named[PropsRightFooterOrnament] = names.m_RightFooterOrnament.Exists();
        switchOn[PropsLeftHeaderOrnament] = settings.m_ShowLeftHeaderOrnament;
        switchOn[PropsRightHeaderOrnament] = settings.m_ShowRightHeaderOrnament;
        switchOn[PropsLeftFooterOrnament] = settings.m_ShowLeftFooterOrnament;
        switchOn[PropsRightFooterOrnament] = settings.m_ShowRightFooterOrnament;
    }

    QList<CCmnWidgetsState> states;
    auto add = [&states](QList<QWidget *> widgets, bool visible, bool enabled, qint32 checked = -1) {
        CCmnWidgetsState state;
        state.m_Widgets = std::move(widgets);
        state.m_Visible = visible;
        state.m_Enabled = enabled;
        state.m_Checked = checked;
        states << state;
    };
    const bool hasForm = form != nullptr;
    add({m_PointButton}, true, hasForm);
    add({m_PanButton}, true, hasForm);
    add(m_BaseFontCtrl->Widgets(), design, design);
    add({m_Props[PropsDefault].m_Button}, design, design);
    add({m_Props[PropsRoot].m_Button}, design && rootNamed, design && rootNamed);
    for (const EProps ornament : {PropsLeftHeaderOrnament, PropsRightHeaderOrnament, PropsLeftFooterOrnament,
                                  PropsRightFooterOrnament})
        add({m_Props[ornament].m_HasBox}, named[ornament], hasForm, switchOn[ornament] ? 1 : 0);
    auto addOrnamentButton = [&](EProps ornament) {
        const bool shown = design && named[ornament] && switchOn[ornament];
        add({m_Props[ornament].m_Button}, shown, shown);
    };
    add({m_Props[PropsHeader].m_Button}, design && hasHeader, design && hasHeader);
    addOrnamentButton(PropsLeftHeaderOrnament);
    addOrnamentButton(PropsRightHeaderOrnament);
    add({m_Props[PropsFooter].m_Button}, design && hasFooter, design && hasFooter);
    addOrnamentButton(PropsLeftFooterOrnament);
    addOrnamentButton(PropsRightFooterOrnament);
    add({m_DesignModeCheckBox}, hasForm, true);
    add({m_ThemeLabel}, true, hasForm);
    add({m_ThemesComboBox->ComboBox()}, true, hasForm);
    for (const CCmnWidgetsState &state : std::as_const(states))
        state.Apply();

    ApplyRightSidePanelVisibility();
}

void CCmnThemedFormInterface::ApplyRightSidePanelVisibility()
{
    if (m_RightSidePanel)
        m_RightSidePanel->setVisible(m_RightSidePanelVisible);
}

void CCmnThemedFormInterface::AddPage(QWidget *widget)
{
    if (widget)
        m_PageStack->addWidget(widget);
}

// ---- Kinds and document state ----

bool CCmnThemedFormInterface::ActivateKind(const QString &kind, const QString &label)
{
    ReleaseForm();
    m_CurrentSettings.reset();
    m_CurrentStickyState.reset();
    if (!CCmnInterface::ActivateKind(kind, label))
        return false;
    SelectKindSettings(kind);
    UpdateSceneWidget(SceneGate());
    UpdateControls();
    return true;
}

void CCmnThemedFormInterface::Deactivate()
{
    ReleaseForm();
    m_CurrentSettings.reset();
    m_CurrentStickyState.reset();
    ShowEmptyPage();
    CCmnInterface::Deactivate();
}

void CCmnThemedFormInterface::SetPageSetup(const QSharedPointer<CCmnPageSetup> &pageSetup)
{
    m_PageSetup = pageSetup;
}

void CCmnThemedFormInterface::SetThemes(const QSharedPointer<CCmnThemeSet> &themes)
{
    // Every form is drawn from a theme set: without one, the view keeps its own.
    if (!themes)
        return;
    m_Themes = themes;
    const CCmnSlotBlocker blocker(this);
    m_ThemesComboBox->Fill(*m_Themes);
}

void CCmnThemedFormInterface::SetEnabled(bool enabled)
{
    CCmnInterface::SetEnabled(enabled);
    UpdateSceneWidget(SceneGate());
    if (!enabled)
        ShowEmptyPage();
    UpdateControls();
}

void CCmnThemedFormInterface::SetActive(bool active)
{
    CCmnInterface::SetActive(active);
    UpdateSceneWidget(SceneGate());
    UpdateControls();
}

void CCmnThemedFormInterface::Relayout()
{
    if (m_CurrentForm)
        m_CurrentForm->LayoutFormBoxes();
}

// ---- Forms and scenes ----

void CCmnThemedFormInterface::UpdateSceneWidget(bool show)
{
    const CCmnSlotBlocker blocker(this);
    if (!m_SceneWidget)
        return;
    if (!show) {
        m_SceneWidget->ReleaseScreenScene();
        return;
    }
    m_SceneWidget->SetOrientation(m_CurrentSettings ? qint32(m_CurrentSettings->m_Orientation) : 0);
    m_SceneWidget->SetPageSetup(*m_PageSetup);
    m_SceneWidget->RebuildScreenScene();
    // The new boxes take the form's pointer.
    if (m_CurrentForm)
        m_CurrentForm->SetMouseMode(m_CurrentForm->MouseMode());
}

void CCmnThemedFormInterface::Slot_scene_Allocate(CCmnSceneWidget *sceneWidget, ECmnSceneContextFlags context)
{
    const auto scene = QSharedPointer<CCmnGraphicsScene>::create(nullptr);
    sceneWidget->SetScene(context, scene);
    if (CmnSceneContextOf(context) != CmnSceneContextScreen)
        return;
    ReleaseForm();
    m_ScreenScene = scene;
}

void CCmnThemedFormInterface::Slot_scene_Populate(CCmnGraphicsScene *scene, ECmnSceneContextFlags context)
{
    auto *page = new QGraphicsRectItem(m_SceneWidget->GetPageRect());
    page->setPen(Qt::NoPen);
    page->setBrush(Qt::NoBrush);
    scene->addItem(page);
    PopulateScene(m_SceneWidget, scene, context, page);
}

void CCmnThemedFormInterface::SetForm(const QSharedPointer<CCmnThemedForm> &form)
{
    if (m_CurrentForm && m_CurrentForm != form)
        disconnect(m_CurrentForm.data(), nullptr, this, nullptr);
    m_CurrentForm = form;
    if (!form) {
        ShowEmptyPage();
        return;
    }
    connect(form.data(), &CCmnForm::SignalDividerMoved, this, &CCmnThemedFormInterface::Slot_FormDividerMoved,
            Qt::UniqueConnection);
    connect(form.data(), &CCmnForm::SignalBoxEvent, this, &CCmnThemedFormInterface::Slot_FormBoxEvent,
            Qt::UniqueConnection);
    form->SetOnScreen(true);
    QWidget *page = form->SidePage();
    if (page && m_PageStack->indexOf(page) >= 0)
        m_PageStack->setCurrentWidget(page);
    else
        ShowEmptyPage();
    UpdatePropsActionTexts();
}

void CCmnThemedFormInterface::ReleaseForm()
{
    // A released form may outlive this moment; it no longer speaks to the view.
    if (m_CurrentForm)
        disconnect(m_CurrentForm.data(), nullptr, this, nullptr);
    m_CurrentForm.reset();
    ShowEmptyPage();
}

// ---- Themes ----

CCmnTheme &CCmnThemedFormInterface::GetCurrentTheme()
{
    return m_Themes->GetCurrentTheme();
}

void CCmnThemedFormInterface::SetFallbackTheme(const CCmnTheme &theme)
{
    m_FallbackTheme = theme;
}

bool CCmnThemedFormInterface::ApplyThemeChanges(const CCmnTheme &editedTheme, const QStringList &names,
                                                qint32 source)
{
    m_Themes->StoreCurrentTheme(editedTheme);
    return ReapplyThemeElements(names, source);
}

bool CCmnThemedFormInterface::ApplyThemeChange(const CCmnTheme &editedTheme, const QString &name, qint32 source)
{
    return ApplyThemeChanges(editedTheme, QStringList{name}, source);
}

bool CCmnThemedFormInterface::ReapplyThemeElements(const QStringList &names, qint32 source)
{
    bool rebuilt = false;
    // Kept alive here: a rebuild replaces the current form inside the loop.
    if (const QSharedPointer<CCmnThemedForm> form = m_CurrentForm) {
        for (const QString &name : names) {
            if (form->ApplyTheme(name, GetCurrentTheme(), m_FallbackTheme, &m_AutoParams, source)) {
                UpdateSceneWidget(SceneGate());
                rebuilt = true;
                break;
            }
        }
        if (!rebuilt) {
            form->ApplyGrabs();
            form->LayoutFormBoxes();
        }
    }
    emit SettingsModified();
    UpdateControls();
    return rebuilt;
}

void CCmnThemedFormInterface::NotifySettingsModified()
{
    UpdateSceneWidget(SceneGate());
    emit SettingsModified();
    UpdateControls();
}

void CCmnThemedFormInterface::StickyStateChanged(const QSharedPointer<CCmnComponentStickyState> &stickyState,
                                                 qint32 changeId)
{
    if (!m_CurrentForm || !stickyState || m_CurrentForm->StickyState().data() != stickyState.data())
        return;
    m_CurrentForm->RefreshBoxes(changeId);
    m_CurrentForm->LayoutFormBoxes();
    UpdateControls();
}

void CCmnThemedFormInterface::Slot_currentIndexChanged_ThemesComboBox(int index)
{
    if (SlotsBlocked() || !m_CurrentForm)
        return;
    const CCmnSlotBlocker blocker(this);
    const QString before = m_Themes->m_CurrentThemeName;
    m_ThemesComboBox->HandleIndexChanged(index, *m_Themes, m_Splitter);
    if (m_Themes->m_CurrentThemeName != before)
        NotifySettingsModified();
}

void CCmnThemedFormInterface::Slot_SignalFontChanged_Props_Default_TextFont()
{
    if (SlotsBlocked() || !m_Themes)
        return;
    const CCmnSlotBlocker blocker(this);
    QString text;
    (void)m_BaseFontCtrl->GetFont(&text);
    CCmnTheme edited = GetCurrentTheme();
    auto *element = dynamic_cast<CCmnThemedFormBoxGenericLayoutElt *>(edited.GetEltForWrite(kCmnFormDefault,
                                                                                           m_FallbackTheme));
    if (!element)
        return;
    element->m_Payload.m_TextFace.m_Inherit = false;
    element->m_Payload.m_TextFace.m_Value = CmnFontDescriptorWithoutSize(text);
    element->m_Payload.m_TextSize.m_Inherit = false;
    element->m_Payload.m_TextSize.m_Value = CmnFontDescriptorSizeOnly(text);
    (void)ApplyThemeChange(edited, kCmnFormDefault, 0);
}

// ---- Events of the form and the scene widget ----

void CCmnThemedFormInterface::Slot_FormDividerMoved(int boxId, int dividerIndex)
{
    Q_UNUSED(dividerIndex)
    if (!m_CurrentForm)
        return;
    m_CurrentForm->StoreSplitSettings(boxId);
    emit SettingsModified();
}

void CCmnThemedFormInterface::Slot_FormBoxEvent(CCmnFormBoxEvent *event)
{
    // The event comes from an item of the screen scene, which a command may build
    // anew; the old scene and form must outlive the item's event handler, so
    // they go only once control is back in the event loop.
    CRetiredForm held{m_ScreenScene, m_CurrentForm};
    if (HandleBoxEvent(event))
        UpdateControls();
    if (held.m_Scene != m_ScreenScene || held.m_Form != m_CurrentForm)
        QMetaObject::invokeMethod(this, [held = std::move(held)] { Q_UNUSED(held) }, Qt::QueuedConnection);
}

bool CCmnThemedFormInterface::HandleBoxEvent(CCmnFormBoxEvent *event)
{
    if (!m_CurrentForm || SlotsBlocked() || !event)
        return false;
    const CCmnSlotBlocker blocker(this);
    // Kept: a command chosen from a menu may build the form again.
    const QSharedPointer<CCmnThemedForm> form = m_CurrentForm;
    const std::pair<qint32, EProps> ornaments[] = {
        {form->LeftHeaderOrnamentId(), PropsLeftHeaderOrnament},
        {form->RightHeaderOrnamentId(), PropsRightHeaderOrnament},
        {form->LeftFooterOrnamentId(), PropsLeftFooterOrnament},
        {form->RightFooterOrnamentId(), PropsRightFooterOrnament},
    };
    for (const auto &[id, ornament] : ornaments) {
        if (id != 0 && event->m_BoxId == id && HandleOrnamentEvent(event, ornament))
            return true;
    }
    if (event->m_Kind != CCmnFormBoxEvent::ContextMenu)
        return false;
    if (event->m_BoxId == form->RootId()) {
        CCmnMenu menu(m_Splitter);
        if (event->m_ContextEvent)
            menu.SetPopupPoint(event->m_ContextEvent->screenPos());
        AddFormSettingsActions(&menu);
        if (!menu.isEmpty()) {
            const CCmnSlotUnblocker unblocker(this);
            (void)ExecMenu(&menu);
        }
        return true;
    }
    if (form->HeaderId() != 0 && event->m_BoxId == form->HeaderId()) {
        ShowHeaderMenu(event->m_ContextEvent);
        return true;
    }
    if (form->FooterId() != 0 && event->m_BoxId == form->FooterId()) {
        ShowFooterMenu(event->m_ContextEvent);
        return true;
    }
    return false;
}

void CCmnThemedFormInterface::Slot_scene_OrientationChanged()
{
    if (!m_CurrentForm || SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    m_CurrentForm->Settings()->m_Orientation = quint32(m_SceneWidget->GetOrientation());
    emit SettingsModified();
}

void CCmnThemedFormInterface::Slot_scene_PrintParamsChanged()
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    *m_PageSetup = m_SceneWidget->GetPageSetup();
    emit SettingsModified();
}

// ---- Menus ----

void CCmnThemedFormInterface::AddFormSettingsActions(CCmnMenu *menu)
{
    if (!menu->isEmpty())
        menu->addSeparator();
    if (m_CurrentForm && m_CurrentForm->BoxNames().m_Root.Exists())
        menu->addAction(m_Props[PropsRoot].m_Action);
    menu->addAction(m_Props[PropsDefault].m_Action);
}

void CCmnThemedFormInterface::AddHeaderSettingsAction(CCmnMenu *menu)
{
    menu->addAction(m_Props[PropsHeader].m_Action);
}

QAction *CCmnThemedFormInterface::ExecMenu(CCmnMenu *menu)
{
    return menu->ExecAndTrigger();
}

void CCmnThemedFormInterface::ShowMenuAt(QGraphicsSceneContextMenuEvent *event, QAction *first)
{
    CCmnMenu menu(m_Splitter);
    if (event)
        menu.SetPopupPoint(event->screenPos());
    menu.addAction(first);
    AddFormSettingsActions(&menu);
    const CCmnSlotUnblocker unblocker(this);
    (void)ExecMenu(&menu);
}

void CCmnThemedFormInterface::ShowHeaderMenu(QGraphicsSceneContextMenuEvent *event)
{
    ShowMenuAt(event, m_Props[PropsHeader].m_Action);
}

void CCmnThemedFormInterface::ShowFooterMenu(QGraphicsSceneContextMenuEvent *event)
{
    ShowMenuAt(event, m_Props[PropsFooter].m_Action);
}

void CCmnThemedFormInterface::UpdatePropsActionTexts()
{
    if (!m_CurrentForm)
        return;
    const QString label = CurrentKindLabel().isEmpty() ? tr("Form") : CurrentKindLabel();
    m_Props[PropsDefault].m_Action->setText(CmnMnemonicSafe(label) + tr(" Defaults"));

    const CCmnThemedFormBoxNames &names = m_CurrentForm->BoxNames();
    if (names.m_Root.Exists()) {
        const QString display = names.m_Root.m_DisplayName;
        m_Props[PropsRoot].m_Action->setText(tr("%1 Settings...").arg(CmnMnemonicSafe(display)));
        m_Props[PropsRoot].m_Button->SetAction(m_Props[PropsRoot].m_Action,
                                               tr("%1 Settings").arg(CmnMnemonicSafe(display)));
        m_Props[PropsRoot].m_Button->setToolTip(
            CmnHtmlEscapedParagraph(tr("Customize the %1").arg(display.toLower())));
    }
    const std::pair<EProps, const CCmnThemedFormBoxName *> ornaments[] = {
        {PropsLeftHeaderOrnament, &names.m_LeftHeaderOrnament},
        {PropsRightHeaderOrnament, &names.m_RightHeaderOrnament},
        {PropsLeftFooterOrnament, &names.m_LeftFooterOrnament},
        {PropsRightFooterOrnament, &names.m_RightFooterOrnament},
    };
    for (const auto &[which, name] : ornaments) {
        if (!name->Exists())
            continue;
        const QString display = name->m_DisplayName;
        m_Props[which].m_Action->setText(tr("%1 Settings...").arg(CmnMnemonicSafe(display)));
        m_Props[which].m_HasBox->setText(CmnMnemonicSafe(display));
        m_Props[which].m_HasBox->setToolTip(CmnHtmlEscapedParagraph(tr("Hide or show the %1 Box").arg(display)));
    }
}

// ---- Controls ----

void CCmnThemedFormInterface::SetMouseMode(qint32 mode, bool checked)
{
    if (SlotsBlocked() || !checked)
        return;
    if (m_CurrentForm)
        m_CurrentForm->SetMouseMode(mode);
    UpdateControls();
}

void CCmnThemedFormInterface::Slot_clicked_MouseMode_Point(bool checked)
{
    SetMouseMode(0, checked);
}

void CCmnThemedFormInterface::Slot_clicked_MouseMode_Pan(bool checked)
{
    SetMouseMode(1, checked);
}

void CCmnThemedFormInterface::Slot_stateChanged_CheckBox_DesignMode(int state)
{
    if (SlotsBlocked() || (state != 0) == m_DesignMode)
        return;
    m_DesignMode = state != 0;
    // A screen form is built again in the new mode.
    UpdateSceneWidget(m_SceneWidget && m_SceneWidget->HasScene(CmnSceneContextScreen));
    UpdateControls();
}

void CCmnThemedFormInterface::Slot_triggered_RightSidePanelToggle()
{
    m_RightSidePanelVisible = !m_RightSidePanelVisible;
    ApplyRightSidePanelVisibility();
    m_RightSidePanelToggleAction->setText(HideOrShowText(m_RightSidePanelVisible));
}

namespace {

// The ornament switch of the settings that a has-box stands for.
bool *OrnamentSwitch(CCmnThemedFormSettings &settings, int which)
{
    switch (which) {
    case CCmnThemedFormInterface::PropsLeftHeaderOrnament:
        return &settings.m_ShowLeftHeaderOrnament;
    case CCmnThemedFormInterface::PropsRightHeaderOrnament:
        return &settings.m_ShowRightHeaderOrnament;
    case CCmnThemedFormInterface::PropsLeftFooterOrnament:
        return &settings.m_ShowLeftFooterOrnament;
    default:
        return &settings.m_ShowRightFooterOrnament;
    }
}

const CCmnThemedFormBoxName &OrnamentName(const CCmnThemedFormBoxNames &names, int which)
{
    switch (which) {
    case CCmnThemedFormInterface::PropsLeftHeaderOrnament:
        return names.m_LeftHeaderOrnament;
    case CCmnThemedFormInterface::PropsRightHeaderOrnament:
        return names.m_RightHeaderOrnament;
    case CCmnThemedFormInterface::PropsLeftFooterOrnament:
        return names.m_LeftFooterOrnament;
    default:
        return names.m_RightFooterOrnament;
    }
}

} // namespace

void CCmnThemedFormInterface::SwitchOrnament(EProps which, int state)
{
    if (SlotsBlocked() || !m_CurrentForm || !OrnamentName(m_CurrentForm->BoxNames(), which).Exists())
        return;
    bool *on = OrnamentSwitch(*m_CurrentForm->Settings(), which);
    if (*on == (state != 0))
        return;
    *on = state != 0;
    NotifySettingsModified();
}

void CCmnThemedFormInterface::Slot_stateChanged_CheckBox_Settings_HasLeftHeaderOrnament(int state)
{
    SwitchOrnament(PropsLeftHeaderOrnament, state);
}

void CCmnThemedFormInterface::Slot_stateChanged_CheckBox_Settings_HasRightHeaderOrnament(int state)
{
    SwitchOrnament(PropsRightHeaderOrnament, state);
}

void CCmnThemedFormInterface::Slot_stateChanged_CheckBox_Settings_HasLeftFooterOrnament(int state)
{
    SwitchOrnament(PropsLeftFooterOrnament, state);
}

void CCmnThemedFormInterface::Slot_stateChanged_CheckBox_Settings_HasRightFooterOrnament(int state)
{
    SwitchOrnament(PropsRightFooterOrnament, state);
}

// ---- Settings commands ----

bool CCmnThemedFormInterface::ExecThemeDialog(CCmnDialog &dialog,
                                              const CCmnThemedFormBoxPropertiesDialogOrTabMixin &elements,
                                              const CCmnTheme &edited, const QString &title, const QPoint &position,
                                              const std::function<int()> &run, qint32 source)
{
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.SetGeometryKeeper(CCmnGeometryKeeper().SetAnchor(CCmnGeometryKeeper::AnchorCentre, position));
    if (run() != QDialog::Accepted)
        return false;
    (void)ApplyThemeChanges(edited, elements.EltNames(), source);
    return true;
}

void CCmnThemedFormInterface::WarnPictureCropping(const QPoint &position, const QString &whatWasSet,
                                                  const QString &whatItMustMatch)
{
    CmnShowPhotoCropWarning(m_Splitter, position, m_HelpPageName, whatWasSet, whatItMustMatch);
}

bool CCmnThemedFormInterface::EditFormDefaults(const QPoint &position)
{
    if (!m_CurrentForm || !m_Themes)
        return false;
    // Held: an accepted dialog may build the form again.
    const QSharedPointer<CCmnThemedForm> form = m_CurrentForm;
    CCmnTheme edited = GetCurrentTheme();
    CCmnThemedFormDefaultBoxPropertiesDialog dialog(edited, m_FallbackTheme, form->BoxNames(), m_AutoParams,
                                                    m_Splitter);
    const QString title = CmnWithoutMnemonics(CmnStripEllipsis(m_Props[PropsDefault].m_Action->text()));
    (void)ExecThemeDialog(dialog, dialog, edited, title, position, [&dialog] { return dialog.ExecAndApply(); });
    return true;
}

bool CCmnThemedFormInterface::EditRootSettings(const QPoint &position)
{
    if (!m_Themes || !m_CurrentForm || !m_CurrentForm->BoxNames().m_Root.Exists())
        return false;
    const QSharedPointer<CCmnThemedForm> form = m_CurrentForm;
    const CCmnThemedFormBoxName root = form->BoxNames().m_Root;
    CCmnTheme edited = GetCurrentTheme();
    CCmnThemedFormRootBoxPropertiesDialog dialog(edited, m_FallbackTheme, root.m_LayoutElt, root.m_DataElt,
                                                 form->BoxNames(), m_AutoParams, m_Splitter);
    if (ExecThemeDialog(dialog, dialog, edited, tr("%1 Settings").arg(root.m_DisplayName), position,
                        [&dialog] { return dialog.ExecAndApply(); })
        && dialog.HasPicture())
        WarnPictureCropping(position, tr("a background %1").arg(tr("photo")), tr("the paper"));
    return true;
}

template <typename TDialog>
bool CCmnThemedFormInterface::EditHeaderOrFooter(const QPoint &position, bool CCmnThemedFormBoxNames::*flag)
{
    if (!m_Themes || !m_CurrentForm || !(m_CurrentForm->BoxNames().*flag))
        return false;
    const QSharedPointer<CCmnThemedForm> form = m_CurrentForm;
    CCmnTheme edited = GetCurrentTheme();
    TDialog dialog(edited, m_FallbackTheme, form->BoxNames(), m_AutoParams, m_Splitter);
    (void)ExecThemeDialog(dialog, dialog, edited, QString(), position,
                          [&dialog] { return dialog.ExecHeaderOrFooter(); });
    return true;
}

bool CCmnThemedFormInterface::EditHeaderSettings(const QPoint &position)
{
    return EditHeaderOrFooter<CCmnThemedFormHeaderBoxPropertiesDialog>(position, &CCmnThemedFormBoxNames::m_HasHeader);
}

bool CCmnThemedFormInterface::EditFooterSettings(const QPoint &position)
{
    return EditHeaderOrFooter<CCmnThemedFormFooterBoxPropertiesDialog>(position, &CCmnThemedFormBoxNames::m_HasFooter);
}

template <typename TDialog>
bool CCmnThemedFormInterface::EditOrnament(const QPoint &position, const CCmnThemedFormBoxName &names)
{
    if (!m_Themes || !m_CurrentForm || !names.Exists())
        return false;
    const QSharedPointer<CCmnThemedForm> form = m_CurrentForm;
    // A copy: the names may belong to the form, which an accepted dialog may replace.
    const CCmnThemedFormBoxName box = names;
    CCmnTheme edited = GetCurrentTheme();
    TDialog dialog(edited, m_FallbackTheme, box.m_LayoutElt, box.m_DataElt, form->BoxNames(), m_AutoParams,
                   m_Splitter);
    if (ExecThemeDialog(dialog, dialog, edited, tr("%1 Settings").arg(box.m_DisplayName), position,
                        [&dialog] { return dialog.ExecAndApply(); })
        && dialog.HasPicture())
        WarnPictureCropping(position, tr("a %1 %2").arg(box.m_DisplayName.toLower(), tr("photo")),
                            tr("the box in which it is displayed"));
    return true;
}

bool CCmnThemedFormInterface::EditHeaderOrnamentSettings(const QPoint &position, const CCmnThemedFormBoxName &names)
{
    return EditOrnament<CCmnThemedFormHeaderOrnamentBoxPropertiesDialog>(position, names);
}

bool CCmnThemedFormInterface::EditFooterOrnamentSettings(const QPoint &position, const CCmnThemedFormBoxName &names)
{
    return EditOrnament<CCmnThemedFormFooterOrnamentBoxPropertiesDialog>(position, names);
}

bool CCmnThemedFormInterface::EditOrnamentSettings(EProps which, const QPoint &position)
{
    if (!m_CurrentForm)
        return false;
    const CCmnThemedFormBoxName names = OrnamentName(m_CurrentForm->BoxNames(), which);
    if (which == PropsLeftHeaderOrnament || which == PropsRightHeaderOrnament)
        return EditHeaderOrnamentSettings(position, names);
    return EditFooterOrnamentSettings(position, names);
}

bool CCmnThemedFormInterface::HandleOrnamentEvent(CCmnFormBoxEvent *event, EProps ornament)
{
    const QPoint position = event->ScreenPosition();

    if (event->m_Kind == CCmnFormBoxEvent::MousePress)
        return m_CurrentForm && EditOrnamentSettings(ornament, position);
    if (event->m_Kind != CCmnFormBoxEvent::ContextMenu)
        return false;

    CCmnMenu menu(m_Splitter);
    menu.SetPopupPoint(position);
    if (m_CurrentForm) {
        const CCmnThemedFormBoxNames &names = m_CurrentForm->BoxNames();
        menu.AddMirroredAction(
            tr("%1 Settings...").arg(CmnMnemonicSafe(OrnamentName(names, ornament).m_DisplayName)),
            m_Props[ornament].m_Action);
        const bool header = ornament == PropsLeftHeaderOrnament || ornament == PropsRightHeaderOrnament;
        if (header && names.m_HasHeader)
            menu.addAction(m_Props[PropsHeader].m_Action);
        else if (!header && names.m_HasFooter)
            menu.addAction(m_Props[PropsFooter].m_Action);
    }
    AddFormSettingsActions(&menu);
    const CCmnSlotUnblocker unblocker(this);
    (void)ExecMenu(&menu);
    return true;
}

void CCmnThemedFormInterface::RunPropsCommand(const std::function<bool(const QPoint &)> &command)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    // Chosen from a box menu, the dialog opens where that menu was opened.
    (void)command(CCmnMenu::MenuBeingShownPopupPoint());
}

void CCmnThemedFormInterface::Slot_triggered_Props_Default()
{
    RunPropsCommand([this](const QPoint &position) { return EditFormDefaults(position); });
}

void CCmnThemedFormInterface::Slot_triggered_Props_Root()
{
    RunPropsCommand([this](const QPoint &position) { return EditRootSettings(position); });
}

void CCmnThemedFormInterface::Slot_triggered_Props_Header()
{
    RunPropsCommand([this](const QPoint &position) { return EditHeaderSettings(position); });
}

void CCmnThemedFormInterface::Slot_triggered_Props_Footer()
{
    RunPropsCommand([this](const QPoint &position) { return EditFooterSettings(position); });
}

void CCmnThemedFormInterface::Slot_triggered_Props_LeftHeaderOrnament()
{
    RunPropsCommand([this](const QPoint &position) { return EditOrnamentSettings(PropsLeftHeaderOrnament, position); });
}

void CCmnThemedFormInterface::Slot_triggered_Props_RightHeaderOrnament()
{
    RunPropsCommand(
        [this](const QPoint &position) { return EditOrnamentSettings(PropsRightHeaderOrnament, position); });
}

void CCmnThemedFormInterface::Slot_triggered_Props_LeftFooterOrnament()
{
    RunPropsCommand([this](const QPoint &position) { return EditOrnamentSettings(PropsLeftFooterOrnament, position); });
}

void CCmnThemedFormInterface::Slot_triggered_Props_RightFooterOrnament()
{
    RunPropsCommand(
        [this](const QPoint &position) { return EditOrnamentSettings(PropsRightFooterOrnament, position); });
}
