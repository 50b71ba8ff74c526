#pragma once

#include "cmnregthemedforminterface.h"

#include <QHash>
#include <QPoint>
#include <QPointer>
#include <QSharedPointer>

#include <functional>
#include <memory>

class CBioReg;
class CBioRegAncestorCellCommands;
class CBioRegBoxSettingsCommands;
class CBioRegFormRecordCommands;
class CBioRegRecordBoxCommands;
class CBioRegCoverSheet;
class CBioRegCoverSheetSettings;
class CBioRegCoverSheetStickyState;
class CBioRegPedigree;
class CBioRegPedigreeSettings;
class CBioRegPedigreeStickyState;
class CBioRegThemedForm;
class CBioRegThemedFormWithAncestryPanels;
class CBioRegTrialMating;
class CBioRegTrialMatingSettings;
class CBioRegTrialMatingStickyState;
class CCmnCheckBox;
class CCmnComboBox;
class CCmnPushButton;
class CCmnRegIndexListPanel;
class CCmnSplitter;
class QItemSelection;
class QLabel;
class QModelIndex;

// The change ids of the remembered subjects, taken from the process-wide
// counter of form change ids on first use.
qint32 BioCoverSheetSubjectChangeId();
qint32 BioPedigreeSubjectChangeId();
qint32 BioAncestorHighlightChangeId();

// The breeding forms' view: the pedigree, the cover sheet and the trial mating
// of the open document. Per kind it keeps the settings and the remembered
// animals, builds the kind's form on the scenes the page asks for, and keeps
// the record lists beside the page on the remembered animals.
class CBioRegThemedFormInterface : public CCmnRegThemedFormInterface
{
    Q_OBJECT
public:
    CBioRegThemedFormInterface(const QString &name, QWidget *parentWidget);
    // Remembers the trial mating's splitter position, under the name.
    ~CBioRegThemedFormInterface() override;

    bool SupportsKind(const QString &kind) override;
    bool ActivateKind(const QString &kind, const QString &label) override;
    void SelectKindSettings(const QString &kind) override;
    void ResetStickyStates() override;
    void SetStickyState(const QSharedPointer<CCmnComponentStickyState> &state) override;
    void ResetComponentSettings() override;
    void SetComponentSettings(const QSharedPointer<CCmnComponentSettings> &settings) override;
    void HandleRegRecordNotification(CCmnReg *reg, int recordId, int code) override;
    void PopulateScene(CCmnSceneWidget *sceneWidget, CCmnGraphicsScene *scene, ECmnSceneContextFlags context,
                       QGraphicsRectItem *pageItem) override;
    void ReleaseForm() override;
    bool HandleBoxEvent(CCmnFormBoxEvent *event) override;
    // Shows, enables and checks the controls of the current kind's form only.
    void UpdateControls() override;
    void UpdateTexts() override;
    // Names the cell settings commands after the generations the form shows.
    void UpdatePropsActionTexts() override;
    QList<CCmnInterfaceToolBarEntry> GetToolBarEntries() override;
    QList<CCmnInterfaceMenu> GetMenus() override;

    // Points the record lists at the register's lists; builds nothing.
    void SetRegister(const QSharedPointer<CBioReg> &reg);
    void SetForm(const QSharedPointer<CBioRegThemedForm> &form);

    // Store the record and report the change to the form; at the end of the
    // outermost command the lists follow.
    void SetCoverSheetSubject(qint32 recordId);
    void SetPedigreeSubject(qint32 recordId);
    // Which 2 the dam, any other the sire.
    void SetTrialMatingParent(qint32 which, qint32 recordId);
    // Selects the remembered records in the lists; a remembered record that does
    // not exist takes the list's choice.
    void SyncRecordListsWithStickyStates();

    // Placeholder texts of an empty title box.
    QString GetCoverSheetTitleHint() const;
    QString GetPedigreeTitleHint() const;
    QString GetTrialMatingTitleHint() const;
    // Where the box menu being shown popped up, else (-1, -1).
    QPoint MenuPosition() const;

    // Box settings: each opens its box's settings dialog on a copy of the
    // current theme, centred on the position ((-1, -1): where the dialog would
    // go by itself), and on OK makes the copy current and applies the edited
    // elements to the form, even when nothing changed. True, unless the form the
    // box belongs to is not shown.
    bool EditCoverSheetTitleSettings(const QPoint &position);
    bool EditCoverSheetReverseSettings(const QPoint &position);
    bool EditCoverSheetFlapSettings(const QPoint &position);
    bool EditCoverSheetPicSettings(const QPoint &position);
    bool EditPedigreeTitleSettings(const QPoint &position);
    bool EditPedigreeDetailsSettings(const QPoint &position);
    bool EditPedigreePicSettings(const QPoint &position);
    bool EditTrialMatingTitleSettings(const QPoint &position);
    bool EditTrialMatingSireDetailsSettings(const QPoint &position);
    bool EditTrialMatingDamDetailsSettings(const QPoint &position);
    bool EditTrialMatingSirePicSettings(const QPoint &position);
    bool EditTrialMatingDamPicSettings(const QPoint &position);
    // The term names the parent (sire or dam) in the title; the details dialog
    // of the sire for the sire's term, of the dam otherwise.
    bool EditTrialMatingParentDetailsSettings(const QPoint &position, qint32 term, const QString &layoutElt,
                                              const QString &dataElt);
    bool EditTrialMatingParentPicSettings(const QPoint &position, qint32 term, const QString &layoutElt,
                                          const QString &dataElt);
    // The ancestry chart's box and its cells: every cell, the cells of the chart
    // size shown, or those of one generation (0: the root's parents) of it.
    bool EditAncestorsBoxSettings(const QPoint &position);
    bool EditAncestorCellDefaultSettings(const QPoint &position);
    bool EditAncestorCellGensSettings(const QPoint &position);
    bool EditAncestorCellGenOfGensSettings(const QPoint &position, qint32 generation);

    // Presses and context menus of the boxes that show an animal; each answers
    // whether it handled the event.
    bool HandleCoverSheetTitleBoxEvent(CCmnFormBoxEvent *event);
    bool HandleCoverSheetReverseBoxEvent(CCmnFormBoxEvent *event);
    bool HandleCoverSheetFlapBoxEvent(CCmnFormBoxEvent *event);
    bool HandleCoverSheetPicBoxEvent(CCmnFormBoxEvent *event);
    bool HandlePedigreeTitleBoxEvent(CCmnFormBoxEvent *event);
    bool HandlePedigreeDetailsBoxEvent(CCmnFormBoxEvent *event);
    bool HandlePedigreePicBoxEvent(CCmnFormBoxEvent *event);
    bool HandleTrialMatingTitleBoxEvent(CCmnFormBoxEvent *event);
    bool HandleTrialMatingSirePicBoxEvent(CCmnFormBoxEvent *event);
    bool HandleTrialMatingDamPicBoxEvent(CCmnFormBoxEvent *event);
    bool HandleTrialMatingSireDetailsBoxEvent(CCmnFormBoxEvent *event);
    bool HandleTrialMatingDamDetailsBoxEvent(CCmnFormBoxEvent *event);
    // Which 1 the sire, 2 the dam; the term names the parent; the roles name its
    // new-record and settings commands.
    bool HandleTrialMatingParentPicBoxEvent(CCmnFormBoxEvent *event, qint32 which, qint32 term,
                                            const QString &newRole, const QString &settingsRole);
    bool HandleTrialMatingParentDetailsBoxEvent(CCmnFormBoxEvent *event, qint32 recordId, qint32 term,
                                                const QString &settingsRole);

    // Presses and context menus of the ancestry charts: a cell (the panel's box
    // id, the child whose sire (which 1) or dam (2) it shows, 0 for the trial
    // mating's offspring, and the generation, 0 for the root's parents), a
    // generation's column and the chart's box.
    bool HandleAncestryCellEvent(CCmnFormBoxEvent *event, qint32 panelBoxId, qint32 childId, qint32 which,
                                 qint32 generation);
    bool HandleGenerationBoxEvent(CCmnFormBoxEvent *event, qint32 generation);
    bool HandleAncestryPanelBoxEvent(CCmnFormBoxEvent *event);
    // The cell commands; each answers whether the child's parent changed. No
    // animal becomes its own ancestor.
    bool SelectCellParent(qint32 panelBoxId, const QPoint &position, qint32 childId, qint32 which);
    bool NewCellParent(qint32 panelBoxId, const QPoint &position, qint32 childId, qint32 which);
    bool RemoveCellParent(qint32 panelBoxId, const QPoint &position, qint32 ancestorId, qint32 childId,
                          qint32 which);

    // A new animal from the record window (sex 0 unknown, 1 or 2 preset); its
    // id, 0 when cancelled or without a register.
    qint32 AddNewRecord(const QPoint &position, qint32 sex);
    // The record window on the animal, titled "<word> Details", on the tab
    // (empty: "General"); true when the animal was changed.
    bool EditAnimal(const QPoint &position, const QString &titleWord, qint32 recordId, const QString &tabName);

    const QSharedPointer<CBioReg> &BioReg() const { return m_BioReg; }
    const QSharedPointer<CBioRegCoverSheetSettings> &CoverSheetSettings() const { return m_CoverSheetSettings; }
    const QSharedPointer<CBioRegPedigreeSettings> &PedigreeSettings() const { return m_PedigreeSettings; }
    const QSharedPointer<CBioRegTrialMatingSettings> &TrialMatingSettings() const { return m_TrialMatingSettings; }
    const QSharedPointer<CBioRegCoverSheetStickyState> &CoverSheetStickyState() const
    {
        return m_CoverSheetStickyState;
    }
    const QSharedPointer<CBioRegPedigreeStickyState> &PedigreeStickyState() const { return m_PedigreeStickyState; }
    const QSharedPointer<CBioRegTrialMatingStickyState> &TrialMatingStickyState() const
    {
        return m_TrialMatingStickyState;
    }
    const QSharedPointer<CBioRegThemedForm> &BioForm() const { return m_BioForm; }
    const QSharedPointer<CBioRegCoverSheet> &CoverSheet() const { return m_CoverSheet; }
    const QSharedPointer<CBioRegPedigree> &Pedigree() const { return m_Pedigree; }
    const QSharedPointer<CBioRegTrialMating> &TrialMating() const { return m_TrialMating; }
    const QSharedPointer<CBioRegThemedFormWithAncestryPanels> &FormWithAncestryPanels() const
    {
        return m_FormWithAncestryPanels;
    }

    CCmnRegIndexListPanel &CoverSheetAllRecords() const { return *m_CoverSheetAllRecords; }
    CCmnRegIndexListPanel &PedigreeAllRecords() const { return *m_PedigreeAllRecords; }
    CCmnRegIndexListPanel &TrialMatingSires() const { return *m_TrialMatingSires; }
    CCmnRegIndexListPanel &TrialMatingDams() const { return *m_TrialMatingDams; }
    CCmnSplitter *TrialMatingSplitter() const { return m_TrialMatingSplitter; }

    // The side panel's options.
    CCmnComboBox *CoverSheetStyleCombo() const { return m_CoverSheetStyleCombo; }
    CCmnComboBox *GenerationsCombo() const { return m_GenerationsCombo; }
    CCmnComboBox *AncestorHighlightCombo() const { return m_AncestorHighlightCombo; }
    enum ECheckBox {
        CoverSheetHasPic, PedigreeHasTitle, PedigreeHasDetails, PedigreeHasPic, TrialMatingHasTitle,
        TrialMatingHasSirePic, TrialMatingHasSireDetails, TrialMatingHasDamPic, TrialMatingHasDamDetails,
        CheckBoxCount
    };
    CCmnCheckBox *CheckBox(ECheckBox which) const { return m_CheckBoxes[which]; }

    // The commands by role name (the name of the slot each one triggers, without
    // "Slot_triggered_"), for the box menus that offer them; null for an
    // unknown role. Menu-only commands have no button.
    QAction *ActionByRole(const QString &role) const;
    CCmnPushButton *ButtonByRole(const QString &role) const;

    // A new animal of the sex (1 sire, 2 dam) becomes the trial mating's
    // parent; false when none was added.
    bool AddNewTrialMatingParent(qint32 which);

public Q_SLOTS:
    // The record lists: a user's selection or Find text makes the list's record
    // the form's, a double click also opens it; the model slots recount.
    void Slot_selectionChanged_CoverSheet_AllRecords(const QItemSelection &selected, const QItemSelection &deselected);
    void Slot_doubleClicked_CoverSheet_AllRecords(const QModelIndex &index);
    void Slot_textChanged_CoverSheet_AllRecords(const QString &text);
    void Slot_modelReset_CoverSheet_AllRecords();
    void Slot_rowsInserted_CoverSheet_AllRecords(const QModelIndex &parent, int first, int last);
    void Slot_rowsRemoved_CoverSheet_AllRecords(const QModelIndex &parent, int first, int last);
    void Slot_selectionChanged_Pedigree_AllRecords(const QItemSelection &selected, const QItemSelection &deselected);
    void Slot_doubleClicked_Pedigree_AllRecords(const QModelIndex &index);
    void Slot_textChanged_Pedigree_AllRecords(const QString &text);
    void Slot_modelReset_Pedigree_AllRecords();
    void Slot_rowsInserted_Pedigree_AllRecords(const QModelIndex &parent, int first, int last);
    void Slot_rowsRemoved_Pedigree_AllRecords(const QModelIndex &parent, int first, int last);
    void Slot_selectionChanged_TrialMating_Sires(const QItemSelection &selected, const QItemSelection &deselected);
    void Slot_doubleClicked_TrialMating_Sires(const QModelIndex &index);
    void Slot_textChanged_TrialMating_Sires(const QString &text);
    void Slot_modelReset_TrialMating_Sires();
    void Slot_rowsInserted_TrialMating_Sires(const QModelIndex &parent, int first, int last);
    void Slot_rowsRemoved_TrialMating_Sires(const QModelIndex &parent, int first, int last);
    void Slot_selectionChanged_TrialMating_Dams(const QItemSelection &selected, const QItemSelection &deselected);
    void Slot_doubleClicked_TrialMating_Dams(const QModelIndex &index);
    void Slot_textChanged_TrialMating_Dams(const QString &text);
    void Slot_modelReset_TrialMating_Dams();
    void Slot_rowsInserted_TrialMating_Dams(const QModelIndex &parent, int first, int last);
    void Slot_rowsRemoved_TrialMating_Dams(const QModelIndex &parent, int first, int last);
    // The options change the shown form's settings (it is built again) or its
    // highlight; each only while its form is shown.
    void Slot_currentIndexChanged_ComboBox_CoverSheet_Style(int index);
    void Slot_currentIndexChanged_ComboBox_ThemedFormWithAncestryPanels_Gens(int index);
    void Slot_currentIndexChanged_ComboBox_ThemedFormWithAncestryPanels_AncestorHighlight(int index);
    void Slot_stateChanged_CheckBox_CoverSheet_HasPic(int state);
    void Slot_stateChanged_CheckBox_Pedigree_HasTitle(int state);
    void Slot_stateChanged_CheckBox_Pedigree_HasDetails(int state);
    void Slot_stateChanged_CheckBox_Pedigree_HasPic(int state);
    void Slot_stateChanged_CheckBox_TrialMating_HasTitle(int state);
    void Slot_stateChanged_CheckBox_TrialMating_HasSirePic(int state);
    void Slot_stateChanged_CheckBox_TrialMating_HasDamPic(int state);
    void Slot_stateChanged_CheckBox_TrialMating_HasSireDetails(int state);
    void Slot_stateChanged_CheckBox_TrialMating_HasDamDetails(int state);
    // The record commands of the form shown; questions and windows at the point
    // of the box menu they were chosen from.
    void Slot_triggered_CoverSheet_NewRecord();
    void Slot_triggered_Pedigree_NewRecord();
    void Slot_triggered_CoverSheet_DeleteRecord();
    void Slot_triggered_Pedigree_DeleteRecord();
    void Slot_triggered_CoverSheet_CheckRecord();
    void Slot_triggered_Pedigree_CheckRecord();
    void Slot_triggered_TrialMating_NewSireRecord();
    void Slot_triggered_TrialMating_NewDamRecord();
    void Slot_triggered_TrialMating_CheckRecord();
    // The box settings commands, at the point of the box menu they were chosen
    // from; each only while its box's form is shown.
    void Slot_triggered_CoverSheet_TitleBoxProperties();
    void Slot_triggered_CoverSheet_ReverseBoxProperties();
    void Slot_triggered_CoverSheet_FlapBoxProperties();
    void Slot_triggered_CoverSheet_PicBoxProperties();
    void Slot_triggered_Pedigree_TitleBoxProperties();
    void Slot_triggered_Pedigree_DetailsBoxProperties();
    void Slot_triggered_Pedigree_PicBoxProperties();
    void Slot_triggered_TrialMating_TitleBoxProperties();
    void Slot_triggered_TrialMating_SirePicBoxProperties();
    void Slot_triggered_TrialMating_DamPicBoxProperties();
    void Slot_triggered_TrialMating_SireDetailsBoxProperties();
    void Slot_triggered_TrialMating_DamDetailsBoxProperties();
    void Slot_triggered_ThemedFormWithAncestryPanels_PanelProperties();
    void Slot_triggered_ThemedFormWithAncestryPanels_CellDefaultProperties();
    void Slot_triggered_ThemedFormWithAncestryPanels_SpecificGensProperties();
    void Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties0();
    void Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties1();
    void Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties2();
    void Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties3();
    void Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties4();
    void Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties5();

private:
    // The box settings run the themed view's protected dialog and crop-notice steps.
    friend class CBioRegBoxSettingsCommands;

    // A command's blocking scope: when it is the outermost one, its end brings
    // the lists back onto the remembered records.
    class CCommandScope;

    // The boxes of the current form that show an animal, then its ancestry chart.
    bool DispatchBoxEvent(CCmnFormBoxEvent *event);

    QString SplitterKey() const;
    QString TitleHint(const QString &lastCase) const;
    void CreateControls();
    QLabel *AddLabelledCombo(const QString &label, CCmnComboBox *combo, const QString &toolTip);
    void AddCheckBox(ECheckBox which, const QString &text, const QString &toolTip, qint32 order,
                     void (CBioRegThemedFormInterface::*slot)(int));
    void SetActionTexts(const QString &role, const QString &text, const QString &toolTip);

    enum EList { CoverSheetList, PedigreeList, SiresList, DamsList };
    CCmnRegIndexListPanel &ListPanel(EList list) const;
    void ConnectList(EList list, const QString &role);
    // Makes the record the one the list's form remembers.
    void TakeListRecord(EList list, qint32 recordId);
    // A slot's command: nothing while blocked or without its guard, else the work
    // inside a command scope.
    void RunCommand(bool guard, const std::function<void()> &work);
    void ListSelectionChanged(EList list);
    void ListFindTextChanged(EList list, const QString &text);
    void ListDoubleClicked(EList list);
    // Shows or hides a box of the form: the form is built again when it changed.
    template <typename TSettings>
    void SwitchBox(const QSharedPointer<CBioRegThemedForm> &form, bool TSettings::*flag, int state);
    CBioRegFormRecordCommands RecordCommands();
    void SetCheckBoxTexts(ECheckBox which, const QString &text, const QString &toolTip);
    enum EActionPlace { SidePanelButton, TopBarButton, MenuOnly };
    // The action of the role with its button; a side-panel button goes into the
    // lower half of the box-settings section at the order.
    QAction *AddAction(const QString &role, const QString &text, EActionPlace place, qint32 order = 0);

    QSharedPointer<CBioReg> m_BioReg;
    QSharedPointer<CBioRegThemedForm> m_BioForm;
    QSharedPointer<CBioRegCoverSheet> m_CoverSheet;
    QSharedPointer<CBioRegPedigree> m_Pedigree;
    QSharedPointer<CBioRegTrialMating> m_TrialMating;
    QSharedPointer<CBioRegThemedFormWithAncestryPanels> m_FormWithAncestryPanels;

    QSharedPointer<CBioRegCoverSheetSettings> m_CoverSheetSettings;
    QSharedPointer<CBioRegCoverSheetStickyState> m_CoverSheetStickyState;
    QSharedPointer<CBioRegPedigreeSettings> m_PedigreeSettings;
    QSharedPointer<CBioRegPedigreeStickyState> m_PedigreeStickyState;
    QSharedPointer<CBioRegTrialMatingSettings> m_TrialMatingSettings;
    QSharedPointer<CBioRegTrialMatingStickyState> m_TrialMatingStickyState;

    std::unique_ptr<CCmnRegIndexListPanel> m_CoverSheetAllRecords;
    std::unique_ptr<CCmnRegIndexListPanel> m_PedigreeAllRecords;
    std::unique_ptr<CCmnRegIndexListPanel> m_TrialMatingSires;
    std::unique_ptr<CCmnRegIndexListPanel> m_TrialMatingDams;
    // Guarded: the page stack that holds them may go before the interface does.
    QPointer<QWidget> m_CoverSheetPage;
    QPointer<QWidget> m_PedigreePage;
    QPointer<CCmnSplitter> m_TrialMatingSplitter;
    // Laid out into the side panel, which owns them from then on.
    CCmnComboBox *m_CoverSheetStyleCombo = nullptr;
    CCmnComboBox *m_GenerationsCombo = nullptr;
    CCmnComboBox *m_AncestorHighlightCombo = nullptr;
    QLabel *m_CoverSheetStyleLabel = nullptr;
    QLabel *m_GenerationsLabel = nullptr;
    QLabel *m_AncestorHighlightLabel = nullptr;
    CCmnCheckBox *m_CheckBoxes[CheckBoxCount] = {};
    std::unique_ptr<CBioRegRecordBoxCommands> m_RecordBoxCommands;
    std::unique_ptr<CBioRegAncestorCellCommands> m_AncestorCellCommands;
    std::unique_ptr<CBioRegBoxSettingsCommands> m_BoxSettingsCommands;
    QHash<QString, QAction *> m_Actions;
    QHash<QString, CCmnPushButton *> m_Buttons;
};
