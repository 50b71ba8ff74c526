#pragma once

#include "cmnformboxevent.h"
#include "cmninterface.h"
#include "cmnscenecontext.h"
#include "cmnscenewidgetcontrols.h"
#include "cmnsidepanelitem.h"
#include "cmnsplitter.h"
#include "cmnstackedwidget.h"
#include "cmntheme.h"
#include "cmnthemedformautoparams.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QSharedPointer>
#include <QStringList>

#include <functional>
#include <memory>

class CCmnCheckBox;
class CCmnDialog;
class CCmnFontCtrl;
class CCmnGraphicsScene;
class CCmnMenu;
class CCmnPushButton;
class CCmnSceneWidget;
class CCmnThemedForm;
class CCmnThemedFormBoxPropertiesDialogOrTabMixin;
struct CCmnThemedFormBoxName;
struct CCmnThemedFormBoxNames;
class CCmnThemedFormSettings;
class CCmnThemesNamesComboBox;
class CCmnToolButton;
class CCmnWidget;
class QAction;
class QButtonGroup;
class QGraphicsRectItem;
class QGraphicsSceneContextMenuEvent;
class QLabel;

// The form view of one themed form at a time: the page scene widget showing the
// form of the current kind, a page stack on the left for the kinds' own panels,
// and a right side panel with the mouse mode, themes, printer and paper, design
// mode, the base font and the form's settings commands.
//
// It holds the document's theme set, page set-up and the current kind's
// settings and remembered state, answers the scene widget's requests for
// scenes, applies theme edits to the form (in place where it can, by building
// the form again where it cannot), and reports every change it makes to the
// document's settings with SettingsModified. A subclass decides what settings a
// kind has and how its form is built.
class CCmnThemedFormInterface : public CCmnInterface
{
    Q_OBJECT
public:
    CCmnThemedFormInterface(const QString &name, QWidget *parentWidget);
    // Remembers whether the side panel was shown, under the name.
    ~CCmnThemedFormInterface() override;

    void Relayout() override;
    void CreateWidgets() override;
    QWidget *GetWidget() override;
    QList<CCmnInterfaceToolBarEntry> GetToolBarEntries() override;
    QList<CCmnInterfaceMenu> GetMenus() override;
    void UpdateControls() override;
    // Releases the previous kind's form and settings first, also when the kind
    // is refused.
    bool ActivateKind(const QString &kind, const QString &label) override;
    void Deactivate() override;
    // Kept, so that the scene widget's changes reach the document's own object.
    void SetPageSetup(const QSharedPointer<CCmnPageSetup> &pageSetup) override;
    void SetThemes(const QSharedPointer<CCmnThemeSet> &themes) override;
    void SetEnabled(bool enabled) override;
    void SetActive(bool active) override;

    // Makes the kind's settings and remembered state current.
    virtual void SelectKindSettings(const QString &kind) = 0;
    // Builds a form of the current kind on the scene with the page item as the
    // parent of its boxes; for the screen it ends with SetForm.
    virtual void PopulateScene(CCmnSceneWidget *sceneWidget, CCmnGraphicsScene *scene,
                               ECmnSceneContextFlags context, QGraphicsRectItem *pageItem) = 0;
    // Drops the current form and shows the empty page.
    virtual void ReleaseForm();
    // Names the settings commands after the current form's boxes.
    virtual void UpdatePropsActionTexts();
    // Handles a press or context menu on a box of the form; true when handled.
    virtual bool HandleBoxEvent(CCmnFormBoxEvent *event);

    // The theme the forms are drawn with: the set's current saved theme, else
    // its base theme.
    CCmnTheme &GetCurrentTheme();
    CCmnTheme &GetFallbackTheme() { return m_FallbackTheme; }
    // Every element lookup falls back to a copy of this theme.
    void SetFallbackTheme(const CCmnTheme &theme);

    // Stores the edited copy as the current theme and applies the named elements
    // to the form; true when the form had to be built again.
    bool ApplyThemeChanges(const CCmnTheme &editedTheme, const QStringList &names, qint32 source);
    bool ApplyThemeChange(const CCmnTheme &editedTheme, const QString &name, qint32 source);
    // Applies the named elements of the current theme to the form; true when the
    // form could not take one in place and was built again. Always ends with
    // SettingsModified.
    bool ReapplyThemeElements(const QStringList &names, qint32 source);
    // After a change of the current settings that changes which boxes exist.
    void NotifySettingsModified();
    // After the subclass changed a remembered value of the form's own state.
    void StickyStateChanged(const QSharedPointer<CCmnComponentStickyState> &stickyState, qint32 changeId);
    void SetForm(const QSharedPointer<CCmnThemedForm> &form);
    // A page of the page stack; a null widget is ignored.
    void AddPage(QWidget *widget);
    // Shows the scene widget's screen scene built anew, or drops it.
    void UpdateSceneWidget(bool show);

    // Box menus: the form's settings entries that every box menu ends with.
    void AddFormSettingsActions(CCmnMenu *menu);
    void AddHeaderSettingsAction(CCmnMenu *menu);
    // Runs the menu; the chosen entry, or null.
    QAction *ExecMenu(CCmnMenu *menu);
    void ShowHeaderMenu(QGraphicsSceneContextMenuEvent *event);
    void ShowFooterMenu(QGraphicsSceneContextMenuEvent *event);

    // The settings commands of the form's skeleton: each opens its box's property
    // dialog on a copy of the current theme, centred on the position (none when a
    // coordinate is negative), and on OK makes the copy current and applies the
    // edited elements. True when the dialog was shown, accepted or not; false when
    // there is no form or theme set, or the form lacks the box.
    bool EditFormDefaults(const QPoint &position);
    bool EditRootSettings(const QPoint &position);
    bool EditHeaderSettings(const QPoint &position);
    bool EditFooterSettings(const QPoint &position);
    bool EditHeaderOrnamentSettings(const QPoint &position, const CCmnThemedFormBoxName &names);
    bool EditFooterOrnamentSettings(const QPoint &position, const CCmnThemedFormBoxName &names);

    const QSharedPointer<CCmnThemedForm> &CurrentForm() const { return m_CurrentForm; }
    const QSharedPointer<CCmnThemedFormSettings> &CurrentSettings() const { return m_CurrentSettings; }
    const QSharedPointer<CCmnComponentStickyState> &CurrentStickyState() const { return m_CurrentStickyState; }
    bool DesignMode() const { return m_DesignMode; }
    bool HasData() const { return m_HasData; }
    void SetHasData(bool hasData) { m_HasData = hasData; }
    const QSharedPointer<CCmnThemeSet> &Themes() const { return m_Themes; }
    const QSharedPointer<CCmnPageSetup> &PageSetup() const { return m_PageSetup; }
    CCmnThemedFormAutoParams &AutoParams() { return m_AutoParams; }
    CCmnSceneWidget *SceneWidget() const { return m_SceneWidget; }
    const QSharedPointer<CCmnGraphicsScene> &ScreenScene() const { return m_ScreenScene; }
    QString HelpPageName() const { return m_HelpPageName; }
    void SetHelpPageName(const QString &page) { m_HelpPageName = page; }
    bool RightSidePanelVisible() const { return m_RightSidePanelVisible; }

    // The controls, for the subclass and for tests.
    CCmnStackedWidget *PageStack() const { return m_PageStack; }
    QLabel *EmptyPage() const { return m_EmptyPage; }
    CCmnWidget *RightSidePanel() const { return m_RightSidePanel; }
    CCmnWidget *SceneArea() const { return m_SceneArea; }
    QAction *RightSidePanelToggleAction() const { return m_RightSidePanelToggleAction; }
    CCmnPushButton *RightSidePanelToggleButton() const { return m_RightSidePanelToggleButton; }
    CCmnToolButton *PointButton() const { return m_PointButton; }
    CCmnToolButton *PanButton() const { return m_PanButton; }
    CCmnCheckBox *DesignModeCheckBox() const { return m_DesignModeCheckBox; }
    QLabel *ThemeLabel() const { return m_ThemeLabel; }
    CCmnThemesNamesComboBox *ThemesComboBox() const { return m_ThemesComboBox.get(); }
    CCmnFontCtrl *BaseFontCtrl() const { return m_BaseFontCtrl; }

    // The settings commands of the form's skeleton, each with its action and
    // push button; the ornaments also with their has-box.
    enum EProps {
        PropsDefault, PropsRoot, PropsHeader, PropsFooter,
        PropsLeftHeaderOrnament, PropsRightHeaderOrnament, PropsLeftFooterOrnament, PropsRightFooterOrnament,
        PropsCount
    };
    QAction *PropsAction(EProps which) const { return m_Props[which].m_Action; }
    CCmnPushButton *PropsButton(EProps which) const { return m_Props[which].m_Button; }
    // Null for the four commands that are not ornaments.
    CCmnCheckBox *HasOrnamentCheckBox(EProps which) const { return m_Props[which].m_HasBox; }

Q_SIGNALS:
    // After every change made to the document's settings and every
    // re-application of the theme.
    void SettingsModified();

public Q_SLOTS:
    void Slot_currentIndexChanged_ThemesComboBox(int index);
    void Slot_FormDividerMoved(int boxId, int dividerIndex);
    void Slot_FormBoxEvent(CCmnFormBoxEvent *event);
    void Slot_scene_Allocate(CCmnSceneWidget *sceneWidget, ECmnSceneContextFlags context);
    void Slot_scene_Populate(CCmnGraphicsScene *scene, ECmnSceneContextFlags context);
    void Slot_scene_OrientationChanged();
    void Slot_scene_PrintParamsChanged();
    void Slot_stateChanged_CheckBox_DesignMode(int state);
    void Slot_clicked_MouseMode_Point(bool checked);
    void Slot_clicked_MouseMode_Pan(bool checked);
    void Slot_SignalFontChanged_Props_Default_TextFont();
    void Slot_triggered_Props_Default();
    void Slot_triggered_Props_Root();
    void Slot_triggered_Props_Header();
    void Slot_triggered_Props_Footer();
    void Slot_stateChanged_CheckBox_Settings_HasLeftHeaderOrnament(int state);
    void Slot_triggered_Props_LeftHeaderOrnament();
    void Slot_stateChanged_CheckBox_Settings_HasLeftFooterOrnament(int state);
    void Slot_triggered_Props_LeftFooterOrnament();
    void Slot_stateChanged_CheckBox_Settings_HasRightHeaderOrnament(int state);
    void Slot_triggered_Props_RightHeaderOrnament();
    void Slot_stateChanged_CheckBox_Settings_HasRightFooterOrnament(int state);
    void Slot_triggered_Props_RightFooterOrnament();
    void Slot_triggered_RightSidePanelToggle();

protected:
    void SetCurrentSettings(const QSharedPointer<CCmnThemedFormSettings> &settings) { m_CurrentSettings = settings; }
    void SetCurrentStickyState(const QSharedPointer<CCmnComponentStickyState> &state) { m_CurrentStickyState = state; }
    // Read by CreateWidgets, which builds the right side panel from them: items
    // appended later are not shown.
    void AppendSidePanelItem(const CCmnSidePanelItem &item) { m_SidePanelItems.append(item); }
    // Whether the screen form is to be shown: active, enabled and with data.
    bool SceneGate() const;
    // Handles a press or menu on an ornament's box; true when handled.
    virtual bool HandleOrnamentEvent(CCmnFormBoxEvent *event, EProps ornament);
    // Titles (an empty title keeps the dialog's own), places and runs a settings
    // dialog; on OK stores the copy it edited as the current theme and applies
    // its elements with the source, which tells the form how much they concern.
    // True when it was accepted.
    bool ExecThemeDialog(CCmnDialog &dialog, const CCmnThemedFormBoxPropertiesDialogOrTabMixin &elements,
                         const CCmnTheme &edited, const QString &title, const QPoint &position,
                         const std::function<int()> &run, qint32 source = 0);
    // After an accepted dialog that gave a box a picture.
    void WarnPictureCropping(const QPoint &position, const QString &whatWasSet, const QString &whatItMustMatch);

private:
    struct CProps
    {
        QAction *m_Action = nullptr;
        CCmnPushButton *m_Button = nullptr;
        CCmnCheckBox *m_HasBox = nullptr;
    };
    class CHelp;

    void CreateProps(EProps which, const QString &text, const QString &helpName, void (CCmnThemedFormInterface::*slot)());
    void CreateOrnament(EProps which, const QString &helpName, void (CCmnThemedFormInterface::*slot)(),
                        void (CCmnThemedFormInterface::*hasSlot)(int));
    void ShowEmptyPage();
    void ShowMenuAt(QGraphicsSceneContextMenuEvent *event, QAction *first);
    // A Props action's command, at the point of the box menu it was chosen from.
    void RunPropsCommand(const std::function<bool(const QPoint &)> &command);
    bool EditOrnamentSettings(EProps which, const QPoint &position);
    template <typename TDialog>
    bool EditHeaderOrFooter(const QPoint &position, bool CCmnThemedFormBoxNames::*flag);
    template <typename TDialog>
    bool EditOrnament(const QPoint &position, const CCmnThemedFormBoxName &names);
    void SetMouseMode(qint32 mode, bool checked);
    void SwitchOrnament(EProps which, int state);
    void ApplyRightSidePanelVisibility();

    QSharedPointer<CCmnThemedFormSettings> m_CurrentSettings;
    QSharedPointer<CCmnComponentStickyState> m_CurrentStickyState;
    QSharedPointer<CCmnPageSetup> m_PageSetup;
    // Guarded: the host's widgets may go before the interface does.
    QPointer<CCmnSplitter> m_Splitter;
    QPointer<CCmnStackedWidget> m_PageStack;
    QLabel *m_EmptyPage = nullptr;
    QAction *m_RightSidePanelToggleAction = nullptr;
    CCmnPushButton *m_RightSidePanelToggleButton = nullptr;
    CCmnWidget *m_RightSidePanel = nullptr;
    bool m_RightSidePanelVisible = true;
    CCmnWidget *m_SceneArea = nullptr;
    bool m_HasData = false;
    CCmnSceneWidget *m_SceneWidget = nullptr;
    // The screen's scene, held for as long as the form on it is current. Only
    // shared pointers own scenes: a Qt parent would delete one a second time.
    QSharedPointer<CCmnGraphicsScene> m_ScreenScene;
    CCmnSceneWidgetControls m_SceneWidgetControls;
    CCmnThemedFormAutoParams m_AutoParams;
    QSharedPointer<CCmnThemedForm> m_CurrentForm;
    QString m_HelpPageName;
    QList<CCmnSidePanelItem> m_SidePanelItems;
    QButtonGroup *m_MouseModeGroup = nullptr;
    CCmnToolButton *m_PointButton = nullptr;
    CCmnToolButton *m_PanButton = nullptr;
    CCmnCheckBox *m_DesignModeCheckBox = nullptr;
    bool m_DesignMode = false;
    QSharedPointer<CCmnThemeSet> m_Themes;
    CCmnTheme m_FallbackTheme;
    QLabel *m_ThemeLabel = nullptr;
    std::unique_ptr<CCmnThemesNamesComboBox> m_ThemesComboBox;
    CCmnFontCtrl *m_BaseFontCtrl = nullptr;
    CProps m_Props[PropsCount];
    std::unique_ptr<CHelp> m_Help;
};
