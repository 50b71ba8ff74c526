#include "bioregthemedforminterface.h"

#include "biodefaulttheme.h"
#include "bioreg.h"
#include "bioregcoversheet.h"
#include "bioregformrecordcommands.h"
#include "bioregcoversheetsettings.h"
#include "bioregcoversheetstickystate.h"
#include "bioregpedigree.h"
#include "bioregpedigreesettings.h"
#include "bioregpedigreestickystate.h"
#include "bioregtrialmating.h"
#include "bioregtrialmatingsettings.h"
#include "bioregtrialmatingstickystate.h"
#include "bioregancestorcellcommands.h"
#include "bioregboxsettingscommands.h"
#include "bioregrecordboxcommands.h"
#include "bioregthemedformwithancestrypanels.h"
#include "bioregthemedformwithancestrypanelssettings.h"
#include "bioregthemedformwithancestrypanelsstickystate.h"
#include "bioancestorhighlightcombobox.h"
#include "biofoldstylecombobox.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmngraphicsscene.h"
#include "cmnhtmlescape.h"
#include "cmninterfacemenu.h"
#include "cmninterfacetoolbarentry.h"
#include "cmnsidepanelitem.h"
#include "cmnmenu.h"
#include "cmnpushbutton.h"
#include "cmnregindexlistmodel.h"
#include "cmnregindexlistpanel.h"
#include "cmnscenewidget.h"
#include "cmnslotblocker.h"
#include "cmnsplitter.h"
#include "cmnsplitterstate.h"
#include "cmnsystemsettings.h"
#include "cmntext.h"
#include "cmnwidgetsetup.h"
#include "cmnwidgetsstate.h"
#include "cmnwidget.h"
#include "cmnwidgetlayout.h"

#include <QAction>
#include <QGraphicsRectItem>
#include <QGraphicsSceneMouseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>

namespace {

const QString kCoverSheet = QStringLiteral("COVERSHEET");
const QString kPedigree = QStringLiteral("PEDIGREE");
const QString kTrialMating = QStringLiteral("TRIALMATING");

// The question of the empty title box's menu: select an existing animal or add one.
constexpr qint32 kSelectOrAddMessageId = 201;
constexpr qint32 kExportNoticeMessageId = 206;
constexpr int kGenerationActions = 6;

// The cell settings of one generation (0 = the subject's parents).
QString GenOfGensRole(int generation)
{
    return QStringLiteral("ThemedFormWithAncestryPanels_SpecificGenOfGensProperties%1").arg(generation);
}

const char *const kExportNotice =
    "<p><b>IMPORTANT! - please read!</b></p><p>Exporting a PDF or image does NOT save your data!</p><p>To save "
    "your data you must either:<br><br>- use the <b>File</b>|<b>Save</b> option<br><br>OR, more simply:<br><br>-when "
    "you close the program accept the offer to save the changes you have made.</p><p>Either of the above will save "
    "your data as a .orv file, which can be re-loaded later. This software <b>cannot</b> load pedigrees that you have "
    "previously exported as a PDF or image.</p>";

// Keeps a form built for printing, preview or export alive with its scene: its
// box items call back into the form's boxes for as long as they are drawn. A
// child of the scene goes after the scene has deleted its items.
class CSceneFormKeeper : public QObject
{
public:
    CSceneFormKeeper(QObject *scene, const QSharedPointer<CCmnThemedForm> &form)
        : QObject(scene), m_Form(form)
    {
    }

private:
    QSharedPointer<CCmnThemedForm> m_Form;
};

// A tool tip that names the user's words shows them as typed: escaped only
// when Qt would otherwise read the text as markup.
QString PlainToolTip(const QString &text)
{
    return Qt::mightBeRichText(text) ? CmnHtmlEscapedParagraph(text) : text;
}

} // namespace

qint32 BioCoverSheetSubjectChangeId()
{
    static const qint32 id = BioTakeFormChangeId();
    return id;
}

qint32 BioPedigreeSubjectChangeId()
{
    static const qint32 id = BioTakeFormChangeId();
    return id;
}

qint32 BioAncestorHighlightChangeId()
{
    static const qint32 id = BioTakeFormChangeId();
    return id;
}

class CBioRegThemedFormInterface::CCommandScope
{
public:
    explicit CCommandScope(CBioRegThemedFormInterface *owner) : m_Owner(owner), m_Blocker(owner) {}
    ~CCommandScope()
    {
        // Still raised here: the blocker member ends after this body.
        if (m_Owner->SlotBlockCount() == 1)
            m_Owner->SyncRecordListsWithStickyStates();
    }
    CCommandScope(const CCommandScope &) = delete;
    CCommandScope &operator=(const CCommandScope &) = delete;

private:
    CBioRegThemedFormInterface *m_Owner;
    CCmnSlotBlocker m_Blocker;
};

CBioRegThemedFormInterface::CBioRegThemedFormInterface(const QString &name, QWidget *parentWidget)
    : CCmnRegThemedFormInterface(name, parentWidget),
      m_CoverSheetSettings(new CBioRegCoverSheetSettings),
      m_CoverSheetStickyState(new CBioRegCoverSheetStickyState),
      m_PedigreeSettings(new CBioRegPedigreeSettings),
      m_PedigreeStickyState(new CBioRegPedigreeStickyState),
      m_TrialMatingSettings(new CBioRegTrialMatingSettings),
      m_TrialMatingStickyState(new CBioRegTrialMatingStickyState),
      m_CoverSheetAllRecords(std::make_unique<CCmnRegIndexListPanel>()),
      m_PedigreeAllRecords(std::make_unique<CCmnRegIndexListPanel>()),
      m_TrialMatingSires(std::make_unique<CCmnRegIndexListPanel>()),
      m_TrialMatingDams(std::make_unique<CCmnRegIndexListPanel>()),
      m_RecordBoxCommands(std::make_unique<CBioRegRecordBoxCommands>(*this)),
      m_AncestorCellCommands(std::make_unique<CBioRegAncestorCellCommands>(*this)),
      m_BoxSettingsCommands(std::make_unique<CBioRegBoxSettingsCommands>(*this))
{
    const CCmnSlotBlocker blocker(this);
    SetFallbackTheme(BioGetDefaultTheme());
    CreateControls();
}

CBioRegThemedFormInterface::~CBioRegThemedFormInterface()
{
    if (!SplitterKey().isEmpty() && m_TrialMatingSplitter)
        CmnSaveSplitterState(m_TrialMatingSplitter, SplitterKey());
}

QString CBioRegThemedFormInterface::SplitterKey() const
{
    return Name().isEmpty() ? QString() : Name() + QStringLiteral("/trialmatingsplitterstate");
}

QLabel *CBioRegThemedFormInterface::AddLabelledCombo(const QString &label, CCmnComboBox *combo,
                                                      const QString &toolTip)
{
    combo->setToolTip(toolTip);
    auto *labelWidget = new QLabel(label);
    AppendSidePanelItem({CCmnSidePanelItem::LabelledControls, false, 300, QString(), labelWidget, combo, nullptr});
    return labelWidget;
}

void CBioRegThemedFormInterface::AddCheckBox(ECheckBox which, const QString &text, const QString &toolTip,
                                             qint32 order, void (CBioRegThemedFormInterface::*slot)(int))
{
    // Texts may carry the user's words.
    m_CheckBoxes[which] = new CCmnCheckBox(CmnMnemonicSafe(text));
    m_CheckBoxes[which]->setToolTip(PlainToolTip(toolTip));
    connect(m_CheckBoxes[which], &QCheckBox::stateChanged, this, slot);
    AppendSidePanelItem({CCmnSidePanelItem::CheckBoxes, false, order, QString(), nullptr, m_CheckBoxes[which], nullptr});
}

QAction *CBioRegThemedFormInterface::AddAction(const QString &role, const QString &text, EActionPlace place,
                                               qint32 order)
{
    // Without a parent widget the interface keeps its actions itself.
    auto *action = new QAction(CmnMnemonicSafe(text), ParentWidget() ? static_cast<QObject *>(ParentWidget()) : this);
    action->setObjectName(role);
    m_Actions.insert(role, action);
    // Each role is named after its slot.
    connect(action, SIGNAL(triggered()), this, (QByteArray("1Slot_triggered_") + role.toLatin1() + "()").constData());
    if (place != MenuOnly) {
        auto *button = new CCmnPushButton(action, ParentWidget());
        button->setObjectName(role);
        m_Buttons.insert(role, button);
        if (place == SidePanelButton)
            AppendSidePanelItem({CCmnSidePanelItem::PushButtons, true, order, QString(), nullptr, button, nullptr});
    }
    return action;
}

QAction *CBioRegThemedFormInterface::ActionByRole(const QString &role) const
{
    return m_Actions.value(role);
}

CCmnPushButton *CBioRegThemedFormInterface::ButtonByRole(const QString &role) const
{
    return m_Buttons.value(role);
}

void CBioRegThemedFormInterface::CreateControls()
{
    const QString animal = GetBioTerm(BioTermAnimal, BioTermLowerCase);
    const QString animals = GetBioTerm(BioTermAnimal, BioTermLowerCase | BioTermPlural);
    const QString photo = QStringLiteral("Photo");

    // Texts left empty here follow the terminology at every text update.
    AddAction(QStringLiteral("CoverSheet_NewRecord"), QString(), TopBarButton);
    AddAction(QStringLiteral("CoverSheet_DeleteRecord"), QString(), TopBarButton);
    AddAction(QStringLiteral("CoverSheet_CheckRecord"), QString(), MenuOnly);
    m_CoverSheetStyleCombo = BioCreateFoldStyleComboBox({}, QString(), nullptr);
    m_CoverSheetStyleLabel = AddLabelledCombo(QStringLiteral("Style: "), m_CoverSheetStyleCombo,
                                              QStringLiteral("Set the number of folds in the cover sheet"));
    connect(m_CoverSheetStyleCombo, &QComboBox::currentIndexChanged, this,
            &CBioRegThemedFormInterface::Slot_currentIndexChanged_ComboBox_CoverSheet_Style);
    AddCheckBox(CoverSheetHasPic, QString(), QString(), 200,
                &CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_CoverSheet_HasPic);
    AddAction(QStringLiteral("CoverSheet_TitleBoxProperties"), QStringLiteral("Title Settings..."), SidePanelButton,
              400);
    AddAction(QStringLiteral("CoverSheet_ReverseBoxProperties"), QStringLiteral("Reverse (Back Page) Settings..."),
              SidePanelButton, 400);
    AddAction(QStringLiteral("CoverSheet_FlapBoxProperties"), QStringLiteral("Inside Flap Settings..."),
              SidePanelButton, 400);
    AddAction(QStringLiteral("CoverSheet_PicBoxProperties"), QString(), SidePanelButton, 400);
    m_CoverSheetAllRecords->SetCountWords(animal, animals);
    m_CoverSheetPage = m_CoverSheetAllRecords->CreateWidget();
    AddPage(m_CoverSheetPage);
    ConnectList(CoverSheetList, QStringLiteral("CoverSheet_AllRecords"));

    m_GenerationsCombo = new CCmnComboBox;
    m_GenerationsCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int generations = 1; generations <= 6; ++generations)
        m_GenerationsCombo->addItem(QString::number(generations), generations);
    m_GenerationsLabel = AddLabelledCombo(QStringLiteral("Ancestor Generations: "), m_GenerationsCombo,
                                          QStringLiteral("Change the number of generations shown"));
    connect(m_GenerationsCombo, &QComboBox::currentIndexChanged, this,
            &CBioRegThemedFormInterface::Slot_currentIndexChanged_ComboBox_ThemedFormWithAncestryPanels_Gens);
    m_AncestorHighlightCombo = BioNewAncestorHighlightComboBox(nullptr);
    m_AncestorHighlightLabel = AddLabelledCombo(QStringLiteral("Ancestor Highlight: "), m_AncestorHighlightCombo,
                                                QStringLiteral("Highlight repeat or common ancestors"));
    connect(m_AncestorHighlightCombo, &QComboBox::currentIndexChanged, this,
            &CBioRegThemedFormInterface::Slot_currentIndexChanged_ComboBox_ThemedFormWithAncestryPanels_AncestorHighlight);
    AddAction(QStringLiteral("ThemedFormWithAncestryPanels_PanelProperties"),
              QStringLiteral("Ancestors Box Settings..."), SidePanelButton, 400);
    AddAction(QStringLiteral("ThemedFormWithAncestryPanels_CellDefaultProperties"),
              QStringLiteral("Ancestor Cell Settings - Defaults..."), SidePanelButton, 400);
    // Named after the generations of the form shown, once there is one.
    AddAction(QStringLiteral("ThemedFormWithAncestryPanels_SpecificGensProperties"), QStringLiteral("!"),
              SidePanelButton, 400);
    for (int generation = 0; generation < kGenerationActions; ++generation)
        AddAction(GenOfGensRole(generation), QStringLiteral("!"), SidePanelButton, 400);

    AddAction(QStringLiteral("Pedigree_NewRecord"), QString(), TopBarButton);
    AddAction(QStringLiteral("Pedigree_DeleteRecord"), QString(), TopBarButton);
    AddAction(QStringLiteral("Pedigree_CheckRecord"), QString(), MenuOnly);
    AddCheckBox(PedigreeHasTitle, QStringLiteral("Title"), QStringLiteral("Hide or show the pedigree Title Box"), 100,
                &CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_Pedigree_HasTitle);
    AddCheckBox(PedigreeHasDetails, QStringLiteral("Details"), QStringLiteral("Hide or show the pedigree Details Box"),
                100, &CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_Pedigree_HasDetails);
    AddCheckBox(PedigreeHasPic, QString(), QString(), 100,
                &CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_Pedigree_HasPic);
    AddAction(QStringLiteral("Pedigree_TitleBoxProperties"), QStringLiteral("Title Settings..."), SidePanelButton,
              300);
    AddAction(QStringLiteral("Pedigree_DetailsBoxProperties"), QStringLiteral("Details Settings..."),
              SidePanelButton, 300);
    AddAction(QStringLiteral("Pedigree_PicBoxProperties"), QString(), SidePanelButton, 300);
    m_PedigreeAllRecords->SetCountWords(animal, animals);
    m_PedigreePage = m_PedigreeAllRecords->CreateWidget();
    AddPage(m_PedigreePage);
    ConnectList(PedigreeList, QStringLiteral("Pedigree_AllRecords"));

    const QString sire = GetBioTerm(BioTermSire);
    const QString dam = GetBioTerm(BioTermDam);
    AddAction(QStringLiteral("TrialMating_NewSireRecord"), QString(), TopBarButton);
    AddAction(QStringLiteral("TrialMating_NewDamRecord"), QString(), TopBarButton);
    AddAction(QStringLiteral("TrialMating_CheckRecord"), QString(), MenuOnly);
    AddCheckBox(TrialMatingHasTitle, QStringLiteral("Title"), QStringLiteral("Hide or show the trial mating Title Box"),
                100, &CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasTitle);
    AddCheckBox(TrialMatingHasSirePic, QStringLiteral("%1 %2").arg(sire, photo),
                QStringLiteral("Hide or show the %1's %2")
                    .arg(GetBioTerm(BioTermSire, BioTermLowerCase), photo.toLower()),
                100, &CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasSirePic);
    AddCheckBox(TrialMatingHasSireDetails, QStringLiteral("%1 Details").arg(sire),
                QStringLiteral("Hide or show the %1 Details Box").arg(sire), 100,
                &CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasSireDetails);
    AddCheckBox(TrialMatingHasDamPic, QStringLiteral("%1 %2").arg(dam, photo),
                QStringLiteral("Hide or show the %1's %2").arg(GetBioTerm(BioTermDam, BioTermLowerCase), photo.toLower()),
                100, &CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasDamPic);
    AddCheckBox(TrialMatingHasDamDetails, QStringLiteral("%1 Details").arg(dam),
                QStringLiteral("Hide or show the %1 Details Box").arg(dam), 100,
                &CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasDamDetails);
    AddAction(QStringLiteral("TrialMating_TitleBoxProperties"), QStringLiteral("Title Settings..."), SidePanelButton,
              300);
    AddAction(QStringLiteral("TrialMating_SirePicBoxProperties"), QStringLiteral("%1 %2...").arg(sire, photo),
              SidePanelButton, 300);
    AddAction(QStringLiteral("TrialMating_SireDetailsBoxProperties"), QStringLiteral("%1 Details Settings...").arg(sire),
              SidePanelButton, 300);
    AddAction(QStringLiteral("TrialMating_DamPicBoxProperties"), QStringLiteral("%1 %2...").arg(dam, photo),
              SidePanelButton, 300);
    AddAction(QStringLiteral("TrialMating_DamDetailsBoxProperties"), QStringLiteral("%1 Details Settings...").arg(dam),
              SidePanelButton, 300);

    m_TrialMatingSires->m_Title = GetBioTerm(BioTermSire, BioTermPlural);
    m_TrialMatingSires->SetCountWords(GetBioTerm(BioTermSire, BioTermLowerCase),
                                      GetBioTerm(BioTermSire, BioTermLowerCase | BioTermPlural));
    m_TrialMatingDams->m_Title = GetBioTerm(BioTermDam, BioTermPlural);
    m_TrialMatingDams->SetCountWords(GetBioTerm(BioTermDam, BioTermLowerCase),
                                     GetBioTerm(BioTermDam, BioTermLowerCase | BioTermPlural));
    CCmnWidget *sires = CmnWidgetAroundWidget(m_TrialMatingSires->CreateWidget(), Qt::AlignBottom);
    sires->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    CCmnWidget *dams = CmnWidgetAroundWidget(m_TrialMatingDams->CreateWidget(), Qt::AlignTop);
    ConnectList(SiresList, QStringLiteral("TrialMating_Sires"));
    ConnectList(DamsList, QStringLiteral("TrialMating_Dams"));
    dams->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    m_TrialMatingSplitter = new CCmnSplitter;
    m_TrialMatingSplitter->setOrientation(Qt::Vertical);
    m_TrialMatingSplitter->addWidget(sires);
    m_TrialMatingSplitter->addWidget(dams);
    if (!SplitterKey().isEmpty())
        CmnRestoreSplitterState(m_TrialMatingSplitter, SplitterKey());
    AddPage(m_TrialMatingSplitter);
}

// ---- Kinds, settings and remembered state ----

bool CBioRegThemedFormInterface::SupportsKind(const QString &kind)
{
    return kind == kCoverSheet || kind == kPedigree || kind == kTrialMating;
}

bool CBioRegThemedFormInterface::ActivateKind(const QString &kind, const QString &label)
{
    if (!CCmnRegThemedFormInterface::ActivateKind(kind, label))
        return false;
    SyncRecordListsWithStickyStates();
    return true;
}

void CBioRegThemedFormInterface::SelectKindSettings(const QString &kind)
{
    if (kind == kCoverSheet) {
        SetCurrentSettings(m_CoverSheetSettings);
        SetCurrentStickyState(m_CoverSheetStickyState);
    } else if (kind == kPedigree) {
        SetCurrentSettings(m_PedigreeSettings);
        SetCurrentStickyState(m_PedigreeStickyState);
    } else if (kind == kTrialMating) {
        SetCurrentSettings(m_TrialMatingSettings);
        SetCurrentStickyState(m_TrialMatingStickyState);
    }
}

void CBioRegThemedFormInterface::ResetStickyStates()
{
    m_CoverSheetStickyState.reset(new CBioRegCoverSheetStickyState);
    m_PedigreeStickyState.reset(new CBioRegPedigreeStickyState);
    m_TrialMatingStickyState.reset(new CBioRegTrialMatingStickyState);
}

void CBioRegThemedFormInterface::SetStickyState(const QSharedPointer<CCmnComponentStickyState> &state)
{
    if (auto coverSheet = state.objectCast<CBioRegCoverSheetStickyState>())
        m_CoverSheetStickyState = coverSheet;
    else if (auto pedigree = state.objectCast<CBioRegPedigreeStickyState>())
        m_PedigreeStickyState = pedigree;
    else if (auto trialMating = state.objectCast<CBioRegTrialMatingStickyState>())
        m_TrialMatingStickyState = trialMating;
}

void CBioRegThemedFormInterface::ResetComponentSettings()
{
    m_CoverSheetSettings.reset(new CBioRegCoverSheetSettings);
    m_PedigreeSettings.reset(new CBioRegPedigreeSettings);
    m_TrialMatingSettings.reset(new CBioRegTrialMatingSettings);
}

void CBioRegThemedFormInterface::SetComponentSettings(const QSharedPointer<CCmnComponentSettings> &settings)
{
    if (auto coverSheet = settings.objectCast<CBioRegCoverSheetSettings>())
        m_CoverSheetSettings = coverSheet;
    else if (auto pedigree = settings.objectCast<CBioRegPedigreeSettings>())
        m_PedigreeSettings = pedigree;
    else if (auto trialMating = settings.objectCast<CBioRegTrialMatingSettings>())
        m_TrialMatingSettings = trialMating;
}

// ---- Register ----

void CBioRegThemedFormInterface::SetRegister(const QSharedPointer<CBioReg> &reg)
{
    m_BioReg = reg;
    SetReg(reg);
    m_CoverSheetAllRecords->SetIndexList(reg ? &reg->IndexListForSex(0) : nullptr);
    m_PedigreeAllRecords->SetIndexList(reg ? &reg->IndexListForSex(0) : nullptr);
    m_TrialMatingSires->SetIndexList(reg ? &reg->IndexListForSex(1) : nullptr);
    m_TrialMatingDams->SetIndexList(reg ? &reg->IndexListForSex(2) : nullptr);
    SetHasData(!reg.isNull());
}

void CBioRegThemedFormInterface::HandleRegRecordNotification(CCmnReg *reg, int recordId, int code)
{
    if (reg && reg == m_BioReg.data()) {
        if (code == CCmnReg::RecordChanged) {
            // Inside a command the command's own end brings the lists back.
            if (!SlotsBlocked()) {
                const CCmnSlotBlocker blocker(this);
                SyncRecordListsWithStickyStates();
            }
        } else if (code == CCmnReg::RecordDeleted) {
            // One re-selection for all the remembered records the deletion took.
            const CCommandScope scope(this);
            const auto matches = [recordId](qint32 remembered) { return std::max(remembered, 0) == recordId; };
            if (matches(m_CoverSheetStickyState->m_SubjectRecNo))
                SetCoverSheetSubject(0);
            if (matches(m_PedigreeStickyState->m_SubjectRecNo))
                SetPedigreeSubject(0);
            if (matches(m_TrialMatingStickyState->m_SireRecNo))
                SetTrialMatingParent(1, 0);
            if (matches(m_TrialMatingStickyState->m_DamRecNo))
                SetTrialMatingParent(2, 0);
        }
    }
    CCmnRegThemedFormInterface::HandleRegRecordNotification(reg, recordId, code);
}

// ---- Remembered records and the lists ----

void CBioRegThemedFormInterface::SetCoverSheetSubject(qint32 recordId)
{
    const CCommandScope scope(this);
    m_CoverSheetStickyState->m_SubjectRecNo = recordId;
    StickyStateChanged(m_CoverSheetStickyState, BioCoverSheetSubjectChangeId());
}

void CBioRegThemedFormInterface::SetPedigreeSubject(qint32 recordId)
{
    const CCommandScope scope(this);
    m_PedigreeStickyState->m_SubjectRecNo = recordId;
    StickyStateChanged(m_PedigreeStickyState, BioPedigreeSubjectChangeId());
}

void CBioRegThemedFormInterface::SetTrialMatingParent(qint32 which, qint32 recordId)
{
    const CCommandScope scope(this);
    if (which == 2)
        m_TrialMatingStickyState->m_DamRecNo = recordId;
    else
        m_TrialMatingStickyState->m_SireRecNo = recordId;
    StickyStateChanged(m_TrialMatingStickyState, BioTrialMatingParentChangeId(which));
}

void CBioRegThemedFormInterface::SyncRecordListsWithStickyStates()
{
    const CCmnSlotBlocker blocker(this);
    if (!m_BioReg)
        return;
    const CCmnReg *reg = m_BioReg.data();
    if (m_CoverSheetStickyState) {
        const int chosen = m_CoverSheetAllRecords->EnsureSelection(reg, std::max(m_CoverSheetStickyState->m_SubjectRecNo, 0));
        if (chosen >= 0)
            SetCoverSheetSubject(chosen);
    }
    if (m_PedigreeStickyState) {
        const int chosen = m_PedigreeAllRecords->EnsureSelection(reg, std::max(m_PedigreeStickyState->m_SubjectRecNo, 0));
        if (chosen >= 0)
            SetPedigreeSubject(chosen);
    }
    if (m_TrialMatingStickyState) {
        const int sire = m_TrialMatingSires->EnsureSelection(reg, std::max(m_TrialMatingStickyState->m_SireRecNo, 0));
        if (sire >= 0)
            SetTrialMatingParent(1, sire);
        const int dam = m_TrialMatingDams->EnsureSelection(reg, std::max(m_TrialMatingStickyState->m_DamRecNo, 0));
        if (dam >= 0)
            SetTrialMatingParent(2, dam);
    }
}

// ---- Forms ----

void CBioRegThemedFormInterface::PopulateScene(CCmnSceneWidget *sceneWidget, CCmnGraphicsScene *scene,
                                               ECmnSceneContextFlags context, QGraphicsRectItem *pageItem)
{
    const QString kind = CurrentKind();
    if (!SupportsKind(kind) || !m_BioReg)
        return;
    const QPointF origin(0, 0);
    const QSizeF size = sceneWidget->GetPageRect().size();
    const QSizeF dpi = sceneWidget->GetPrinterResolution();
    CCmnTheme &theme = GetCurrentTheme();
    const CCmnTheme &fallback = GetFallbackTheme();
    QSharedPointer<CBioRegThemedForm> form;
    QString contentName;
    if (kind == kCoverSheet) {
        CmnValidateRememberedRecNo(*m_CoverSheetStickyState, *m_BioReg);
        auto coverSheet = QSharedPointer<CBioRegCoverSheet>::create(origin, size, dpi, m_BioReg, m_CoverSheetSettings,
                                                                    m_CoverSheetStickyState, m_CoverSheetPage.data());
        coverSheet->BuildBoxes(theme, fallback, &AutoParams(), pageItem);
        coverSheet->SetTitleToolTip(GetCoverSheetTitleHint());
        form = coverSheet;
        contentName = QStringLiteral("Cover Sheet");
    } else if (kind == kPedigree) {
        m_PedigreeStickyState->ValidateRecNo(*m_BioReg);
        auto pedigree = QSharedPointer<CBioRegPedigree>::create(origin, size, dpi, m_BioReg, m_PedigreeSettings,
                                                                m_PedigreeStickyState, m_PedigreePage.data());
        pedigree->BuildBoxes(theme, fallback, &AutoParams(), pageItem);
        pedigree->SetTitleToolTip(GetPedigreeTitleHint());
        form = pedigree;
        contentName = QStringLiteral("Pedigree");
    } else {
        m_TrialMatingStickyState->ValidateRecNos(*m_BioReg);
        auto trialMating = QSharedPointer<CBioRegTrialMating>::create(
            origin, size, dpi, m_BioReg, m_TrialMatingSettings, m_TrialMatingStickyState, m_TrialMatingSplitter.data());
        trialMating->BuildBoxes(theme, fallback, &AutoParams(), pageItem);
        trialMating->SetTitleToolTip(GetTrialMatingTitleHint());
        form = trialMating;
        contentName = QStringLiteral("Trial Mating");
    }
    sceneWidget->SetContentName(contentName);
    sceneWidget->SetExportNotice(QString::fromLatin1(kExportNotice), kExportNoticeMessageId);
    const bool screen = (context & CmnSceneContextScreen) != 0;
    form->SetDesignMode(DesignMode() && screen);
    form->ApplyTheme(QString(), theme, fallback, &AutoParams(), 0);
    form->ApplyGrabs();
    form->RefreshBoxes(0);
    if (screen)
        SetForm(form);
    else
        new CSceneFormKeeper(scene, form);
    form->LayoutFormBoxes();
}

void CBioRegThemedFormInterface::ReleaseForm()
{
    CCmnRegThemedFormInterface::ReleaseForm();
    m_BioForm.reset();
    m_CoverSheet.reset();
    m_Pedigree.reset();
    m_TrialMating.reset();
    m_FormWithAncestryPanels.reset();
}

void CBioRegThemedFormInterface::SetForm(const QSharedPointer<CBioRegThemedForm> &form)
{
    m_BioForm = form;
    m_CoverSheet = form.objectCast<CBioRegCoverSheet>();
    m_Pedigree = form.objectCast<CBioRegPedigree>();
    m_TrialMating = form.objectCast<CBioRegTrialMating>();
    m_FormWithAncestryPanels = form.objectCast<CBioRegThemedFormWithAncestryPanels>();
    CCmnRegThemedFormInterface::SetForm(form);
}

bool CBioRegThemedFormInterface::HandleBoxEvent(CCmnFormBoxEvent *event)
{
    if (!m_BioForm || SlotsBlocked())
        return CCmnRegThemedFormInterface::HandleBoxEvent(event);
    {
        const CCommandScope scope(this);
        if (event->m_Kind == CCmnFormBoxEvent::MousePress && event->m_MouseEvent
            && event->m_MouseEvent->button() != Qt::LeftButton) {
            event->m_MouseEvent->ignore();
            return true;
        }
        if (DispatchBoxEvent(event))
            return true;
    }
    // After the scope: the themed view's own handling refuses while blocked.
    return CCmnRegThemedFormInterface::HandleBoxEvent(event);
}

bool CBioRegThemedFormInterface::DispatchBoxEvent(CCmnFormBoxEvent *event)
{
    using THandler = bool (CBioRegThemedFormInterface::*)(CCmnFormBoxEvent *);
    struct CCandidate
    {
        bool m_FormShown;
        qint32 m_BoxId;
        THandler m_Handler;
    };
    // In this order: the first that handles the event ends the search.
    const auto boxId = [](const auto &form, qint32 (std::remove_reference_t<decltype(*form)>::*id)() const) {
        return form ? ((*form).*id)() : 0;
    };
    using CS = CBioRegCoverSheet;
    using PD = CBioRegPedigree;
    using TM = CBioRegTrialMating;
    using V = CBioRegThemedFormInterface;
    const CCandidate candidates[] = {
        {bool(m_CoverSheet), boxId(m_CoverSheet, &CS::TitleId), &V::HandleCoverSheetTitleBoxEvent},
        {bool(m_CoverSheet), boxId(m_CoverSheet, &CS::ReverseId), &V::HandleCoverSheetReverseBoxEvent},
        {bool(m_CoverSheet), boxId(m_CoverSheet, &CS::FlapId), &V::HandleCoverSheetFlapBoxEvent},
        {bool(m_CoverSheet), boxId(m_CoverSheet, &CS::PictureId), &V::HandleCoverSheetPicBoxEvent},
        {bool(m_Pedigree), boxId(m_Pedigree, &PD::TitleBoxId), &V::HandlePedigreeTitleBoxEvent},
        {bool(m_Pedigree), boxId(m_Pedigree, &PD::DetailsBoxId), &V::HandlePedigreeDetailsBoxEvent},
        {bool(m_Pedigree), boxId(m_Pedigree, &PD::PictureBoxId), &V::HandlePedigreePicBoxEvent},
        {bool(m_TrialMating), boxId(m_TrialMating, &TM::TitleBoxId), &V::HandleTrialMatingTitleBoxEvent},
        {bool(m_TrialMating), boxId(m_TrialMating, &TM::SirePictureBoxId), &V::HandleTrialMatingSirePicBoxEvent},
        {bool(m_TrialMating), boxId(m_TrialMating, &TM::DamPictureBoxId), &V::HandleTrialMatingDamPicBoxEvent},
        {bool(m_TrialMating), boxId(m_TrialMating, &TM::SireDetailsBoxId), &V::HandleTrialMatingSireDetailsBoxEvent},
        {bool(m_TrialMating), boxId(m_TrialMating, &TM::DamDetailsBoxId), &V::HandleTrialMatingDamDetailsBoxEvent},
    };
    for (const CCandidate &candidate : candidates) {
        // A box the form did not build has id 0, which no event names.
        if (candidate.m_FormShown && candidate.m_BoxId > 0 && candidate.m_BoxId == event->m_BoxId
            && (this->*candidate.m_Handler)(event))
            return true;
    }
    // Held: a command may replace the form.
    const QSharedPointer<CBioRegThemedFormWithAncestryPanels> chart = m_FormWithAncestryPanels;
    if (!chart)
        return false;
    qint32 childId = 0;
    qint32 which = 0;
    qint32 generation = 0;
    qint32 panelBoxId = 0;
    if (chart->FindAncestryCell(event->m_BoxId, &childId, &which, &generation, nullptr, &panelBoxId)) {
        // The first generation's child is the chart's root: the pedigree's subject.
        if (generation == 0 && chart->PanelHasRecordRoot(panelBoxId))
            childId = std::max(m_PedigreeStickyState->m_SubjectRecNo, 0);
        if (HandleAncestryCellEvent(event, panelBoxId, childId, which, generation))
            return true;
    }
    if (chart->FindGenerationBox(event->m_BoxId, &generation, &panelBoxId)
        && HandleGenerationBoxEvent(event, generation))
        return true;
    return chart->IsPanelBox(event->m_BoxId) && HandleAncestryPanelBoxEvent(event);
}

// ---- Controls and texts ----

void CBioRegThemedFormInterface::UpdateControls()
{
    CCmnRegThemedFormInterface::UpdateControls();
    const CCmnSlotBlocker blocker(this);
    const bool design = DesignMode();
    const bool hasReg = !m_BioReg.isNull();
    QList<CCmnWidgetsState> states;
    const auto addWidgets = [&states](QList<QWidget *> widgets, bool visible, bool enabled, qint32 checked = -1) {
        states << CCmnWidgetsState::OfWidgets(std::move(widgets), visible, enabled, checked);
    };
    const auto addActions = [this, &states](std::initializer_list<const char *> roles, bool enabled) {
        QList<QAction *> actions;
        for (const char *role : roles)
            actions << ActionByRole(QString::fromLatin1(role));
        states << CCmnWidgetsState::OfActions(actions, enabled);
    };
    const auto buttons = [this](std::initializer_list<const char *> roles) {
        QList<QWidget *> widgets;
        for (const char *role : roles)
            widgets << ButtonByRole(QString::fromLatin1(role));
        return widgets;
    };
    const auto shownButton = [&](const char *role, bool shown) { addWidgets(buttons({role}), shown, shown); };
    const auto checkBox = [&](ECheckBox which, bool current, bool flag) {
        addWidgets({m_CheckBoxes[which]}, current, true, current ? qint32(flag) : -1);
    };

    const auto coverSheetSettings = m_CoverSheet ? m_CoverSheet->Settings().objectCast<CBioRegCoverSheetSettings>()
                                                 : QSharedPointer<CBioRegCoverSheetSettings>();
    const bool coverSheet = !coverSheetSettings.isNull();
    addWidgets(buttons({"CoverSheet_TitleBoxProperties", "CoverSheet_ReverseBoxProperties",
                        "CoverSheet_FlapBoxProperties", "CoverSheet_PicBoxProperties"}),
               coverSheet && design, coverSheet && design);
    addActions({"CoverSheet_NewRecord"}, coverSheet && hasReg);
    addActions({"CoverSheet_DeleteRecord", "CoverSheet_CheckRecord"},
               coverSheet && hasReg && m_CoverSheetStickyState->m_SubjectRecNo >= 1);
    addWidgets({m_CoverSheetStyleLabel, m_CoverSheetStyleCombo}, coverSheet, true);
    checkBox(CoverSheetHasPic, coverSheet, coverSheet && coverSheetSettings->m_ShowPicture);
    if (coverSheet)
        CmnSetComboCurrentIndex(m_CoverSheetStyleCombo, coverSheetSettings->m_FoldStyle);

    const auto ancestrySettings = m_FormWithAncestryPanels ? m_FormWithAncestryPanels->AncestrySettings()
                                                           : QSharedPointer<CBioRegThemedFormWithAncestryPanelsSettings>();
    const bool ancestry = !ancestrySettings.isNull();
    const qint32 generations = ancestry ? ancestrySettings->m_Generations : 0;
    addWidgets(buttons({"ThemedFormWithAncestryPanels_PanelProperties",
                        "ThemedFormWithAncestryPanels_CellDefaultProperties",
                        "ThemedFormWithAncestryPanels_SpecificGensProperties"}),
               ancestry && design, ancestry && design);
    for (int generation = 0; generation < kGenerationActions; ++generation) {
        const bool shown = ancestry && design && generation < generations;
        addWidgets({m_Buttons.value(GenOfGensRole(generation))}, shown, shown);
    }
    addWidgets({m_GenerationsLabel, m_GenerationsCombo, m_AncestorHighlightLabel, m_AncestorHighlightCombo}, ancestry,
               true);
    if (ancestry) {
        const int index = m_GenerationsCombo->findData(generations);
        m_GenerationsCombo->setCurrentIndex(index >= 0 ? index : 0);
        CmnSetComboCurrentIndex(m_AncestorHighlightCombo, m_FormWithAncestryPanels->AncestryStickyState()->m_HighlightMode);
    }

    const auto pedigreeSettings = m_Pedigree ? m_Pedigree->Settings().objectCast<CBioRegPedigreeSettings>()
                                             : QSharedPointer<CBioRegPedigreeSettings>();
    const bool pedigree = !pedigreeSettings.isNull();
    shownButton("Pedigree_TitleBoxProperties", pedigree && design && pedigreeSettings->m_ShowTitleBox);
    shownButton("Pedigree_DetailsBoxProperties", pedigree && design && pedigreeSettings->m_ShowDetailsBox);
    shownButton("Pedigree_PicBoxProperties", pedigree && design && pedigreeSettings->m_ShowPictureBox);
    addActions({"Pedigree_NewRecord"}, pedigree && hasReg);
    addActions({"Pedigree_DeleteRecord", "Pedigree_CheckRecord"},
               pedigree && hasReg && m_PedigreeStickyState->m_SubjectRecNo >= 1);
    checkBox(PedigreeHasTitle, pedigree, pedigree && pedigreeSettings->m_ShowTitleBox);
    checkBox(PedigreeHasDetails, pedigree, pedigree && pedigreeSettings->m_ShowDetailsBox);
    checkBox(PedigreeHasPic, pedigree, pedigree && pedigreeSettings->m_ShowPictureBox);

    const auto trialMatingSettings = m_TrialMating
                                         ? m_TrialMating->Settings().objectCast<CBioRegTrialMatingSettings>()
                                         : QSharedPointer<CBioRegTrialMatingSettings>();
    const bool trialMating = !trialMatingSettings.isNull();
    const auto flag = [&trialMatingSettings](bool CBioRegTrialMatingSettings::*member) {
        return trialMatingSettings && trialMatingSettings.data()->*member;
    };
    shownButton("TrialMating_TitleBoxProperties", design && flag(&CBioRegTrialMatingSettings::m_ShowTitleBox));
    shownButton("TrialMating_SirePicBoxProperties", design && flag(&CBioRegTrialMatingSettings::m_ShowSirePictureBox));
    shownButton("TrialMating_DamPicBoxProperties", design && flag(&CBioRegTrialMatingSettings::m_ShowDamPictureBox));
    shownButton("TrialMating_SireDetailsBoxProperties",
                design && flag(&CBioRegTrialMatingSettings::m_ShowSireDetailsBox));
    shownButton("TrialMating_DamDetailsBoxProperties",
                design && flag(&CBioRegTrialMatingSettings::m_ShowDamDetailsBox));
    addActions({"TrialMating_NewSireRecord", "TrialMating_NewDamRecord", "TrialMating_CheckRecord"},
               trialMating && hasReg);
    checkBox(TrialMatingHasTitle, trialMating, flag(&CBioRegTrialMatingSettings::m_ShowTitleBox));
    checkBox(TrialMatingHasSirePic, trialMating, flag(&CBioRegTrialMatingSettings::m_ShowSirePictureBox));
    checkBox(TrialMatingHasDamPic, trialMating, flag(&CBioRegTrialMatingSettings::m_ShowDamPictureBox));
    checkBox(TrialMatingHasSireDetails, trialMating, flag(&CBioRegTrialMatingSettings::m_ShowSireDetailsBox));
    checkBox(TrialMatingHasDamDetails, trialMating, flag(&CBioRegTrialMatingSettings::m_ShowDamDetailsBox));

    for (const CCmnWidgetsState &state : std::as_const(states))
        state.Apply();
}

void CBioRegThemedFormInterface::UpdateTexts()
{
    CCmnRegThemedFormInterface::UpdateTexts();
    const QString photo = QStringLiteral("Photo");
    const QString animal = GetBioTerm(BioTermAnimal);
    const QString animalLower = GetBioTerm(BioTermAnimal, BioTermLowerCase);
    const QString sire = GetBioTerm(BioTermSire);
    const QString sireLower = GetBioTerm(BioTermSire, BioTermLowerCase);
    const QString dam = GetBioTerm(BioTermDam);
    const QString damLower = GetBioTerm(BioTermDam, BioTermLowerCase);
    const QString newToolTip = QStringLiteral("Add a new %1 (one that you have not previously added to your data file)");
    const QString deleteToolTip = QStringLiteral("Permanently delete the displayed %1 from your data file");

    for (const QString &kind : {QStringLiteral("CoverSheet"), QStringLiteral("Pedigree")}) {
        SetActionTexts(kind + QStringLiteral("_NewRecord"), QStringLiteral("New %1...").arg(animal),
                       newToolTip.arg(animalLower));
        SetActionTexts(kind + QStringLiteral("_DeleteRecord"), QStringLiteral("Delete %1...").arg(animal),
                       deleteToolTip.arg(animalLower));
        SetActionTexts(kind + QStringLiteral("_CheckRecord"), QStringLiteral("Check For Errors..."),
                       QStringLiteral("Check this %1 for data inconsistencies").arg(animalLower));
        SetActionTexts(kind + QStringLiteral("_PicBoxProperties"), QStringLiteral("%1 Settings...").arg(photo),
                       QString());
    }
    SetCheckBoxTexts(CoverSheetHasPic, QStringLiteral("%1's %2").arg(animal, photo),
                     QStringLiteral("Display the %1's %2 within the cover sheet").arg(animalLower, photo.toLower()));
    SetCheckBoxTexts(PedigreeHasPic, photo,
                     QStringLiteral("Display the %1's %2 within the pedigree").arg(animalLower, photo.toLower()));

    SetActionTexts(QStringLiteral("TrialMating_NewSireRecord"), QStringLiteral("New %1...").arg(sire),
                   newToolTip.arg(sireLower));
    SetActionTexts(QStringLiteral("TrialMating_NewDamRecord"), QStringLiteral("New %1...").arg(dam),
                   newToolTip.arg(damLower));
    SetActionTexts(QStringLiteral("TrialMating_CheckRecord"), QStringLiteral("Check For Errors..."),
                   QStringLiteral("Check the %1 and %2 for data inconsistencies").arg(sireLower, damLower));
    SetCheckBoxTexts(TrialMatingHasSirePic, QStringLiteral("%1's %2").arg(sire, photo),
                     QStringLiteral("Hide or show the %1's %2").arg(sireLower, photo.toLower()));
    SetActionTexts(QStringLiteral("TrialMating_SirePicBoxProperties"),
                   QStringLiteral("%1 %2 Settings...").arg(sire, photo), QString());
    SetCheckBoxTexts(TrialMatingHasDamPic, QStringLiteral("%1's %2").arg(dam, photo),
                     QStringLiteral("Hide or show the %1's %2").arg(damLower, photo.toLower()));
    SetActionTexts(QStringLiteral("TrialMating_DamPicBoxProperties"), QStringLiteral("%1 %2 Settings...").arg(dam, photo),
                   QString());
}

void CBioRegThemedFormInterface::UpdatePropsActionTexts()
{
    CCmnRegThemedFormInterface::UpdatePropsActionTexts();
    if (!m_FormWithAncestryPanels)
        return;
    const qint32 generations = std::clamp(m_FormWithAncestryPanels->AncestrySettings()->m_Generations, 1,
                                          kGenerationActions);
    m_Actions.value(QStringLiteral("ThemedFormWithAncestryPanels_SpecificGensProperties"))
        ->setText(QStringLiteral("Ancestor Cell Settings - %1G Specific...").arg(generations));
    for (int generation = 0; generation < generations; ++generation)
        m_Actions.value(GenOfGensRole(generation))
            ->setText(QStringLiteral("Ancestor Cell Settings - G%1/%2 Specific...").arg(generation + 1).arg(generations));
}

QList<CCmnInterfaceToolBarEntry> CBioRegThemedFormInterface::GetToolBarEntries()
{
    QList<CCmnInterfaceToolBarEntry> entries = CCmnRegThemedFormInterface::GetToolBarEntries();
    const auto add = [this, &entries](const QString &kind, const QString &first, const QString &second, bool stretch) {
        auto *layout = new QHBoxLayout;
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(m_Buttons.value(first));
        layout->addWidget(m_Buttons.value(second));
        if (stretch)
            layout->addStretch();
        CCmnInterfaceToolBarEntry entry;
        entry.m_Kinds = {kind};
        entry.m_Widget = new CCmnWidget(layout);
        entries << entry;
    };
    add(kCoverSheet, QStringLiteral("CoverSheet_NewRecord"), QStringLiteral("CoverSheet_DeleteRecord"), false);
    add(kPedigree, QStringLiteral("Pedigree_NewRecord"), QStringLiteral("Pedigree_DeleteRecord"), false);
    add(kTrialMating, QStringLiteral("TrialMating_NewSireRecord"), QStringLiteral("TrialMating_NewDamRecord"), true);
    return entries;
}

QList<CCmnInterfaceMenu> CBioRegThemedFormInterface::GetMenus()
{
    const auto menu = [this](const QString &kind, std::initializer_list<QString> roles) {
        CCmnInterfaceMenu record;
        record.m_Kinds = {kind};
        record.m_MenuName = QStringLiteral("Record");
        for (const QString &role : roles) {
            CCmnMenuEntry entry;
            entry.m_Action = m_Actions.value(role);
            record.m_Entries << entry;
        }
        return record;
    };
    QList<CCmnInterfaceMenu> menus{
        menu(kCoverSheet, {QStringLiteral("CoverSheet_NewRecord"), QStringLiteral("CoverSheet_DeleteRecord"),
                           QStringLiteral("CoverSheet_CheckRecord")}),
        menu(kPedigree, {QStringLiteral("Pedigree_NewRecord"), QStringLiteral("Pedigree_DeleteRecord"),
                         QStringLiteral("Pedigree_CheckRecord")}),
        menu(kTrialMating, {QStringLiteral("TrialMating_NewSireRecord"), QStringLiteral("TrialMating_NewDamRecord"),
                            QStringLiteral("TrialMating_CheckRecord")}),
    };
    return menus + CCmnRegThemedFormInterface::GetMenus();
}

void CBioRegThemedFormInterface::SetActionTexts(const QString &role, const QString &text, const QString &toolTip)
{
    // The words come from the user's terminology: shown as typed, never as a
    // mnemonic or markup.
    QAction *action = m_Actions.value(role);
    action->setText(CmnMnemonicSafe(text));
    if (toolTip.isEmpty())
        return;
    action->setToolTip(PlainToolTip(toolTip));
    if (CCmnPushButton *button = m_Buttons.value(role))
        button->setToolTip(PlainToolTip(toolTip));
}

void CBioRegThemedFormInterface::SetCheckBoxTexts(ECheckBox which, const QString &text, const QString &toolTip)
{
    m_CheckBoxes[which]->setText(CmnMnemonicSafe(text));
    m_CheckBoxes[which]->setToolTip(PlainToolTip(toolTip));
}

// ---- Record lists ----

CCmnRegIndexListPanel &CBioRegThemedFormInterface::ListPanel(EList list) const
{
    switch (list) {
    case CoverSheetList:
        return *m_CoverSheetAllRecords;
    case PedigreeList:
        return *m_PedigreeAllRecords;
    case SiresList:
        return *m_TrialMatingSires;
    case DamsList:
        break;
    }
    return *m_TrialMatingDams;
}

// The list's six signals reach the slots named after them and the role.
void CBioRegThemedFormInterface::ConnectList(EList list, const QString &role)
{
    CCmnRegIndexListPanel &panel = ListPanel(list);
    const auto slot = [&role](const char *signal, const char *arguments) {
        return QByteArray("1Slot_") + signal + '_' + role.toLatin1() + arguments;
    };
    connect(panel.View()->selectionModel(), SIGNAL(selectionChanged(QItemSelection, QItemSelection)), this,
            slot("selectionChanged", "(QItemSelection,QItemSelection)").constData());
    connect(panel.View(), SIGNAL(doubleClicked(QModelIndex)), this, slot("doubleClicked", "(QModelIndex)").constData());
    connect(panel.FindBox(), SIGNAL(textChanged(QString)), this, slot("textChanged", "(QString)").constData());
    connect(panel.Model(), SIGNAL(modelReset()), this, slot("modelReset", "()").constData());
    connect(panel.Model(), SIGNAL(rowsInserted(QModelIndex, int, int)), this,
            slot("rowsInserted", "(QModelIndex,int,int)").constData());
    connect(panel.Model(), SIGNAL(rowsRemoved(QModelIndex, int, int)), this,
            slot("rowsRemoved", "(QModelIndex,int,int)").constData());
}

void CBioRegThemedFormInterface::TakeListRecord(EList list, qint32 recordId)
{
    switch (list) {
    case CoverSheetList:
        SetCoverSheetSubject(recordId);
        break;
    case PedigreeList:
        SetPedigreeSubject(recordId);
        break;
    case SiresList:
        SetTrialMatingParent(1, recordId);
        break;
    case DamsList:
        SetTrialMatingParent(2, recordId);
        break;
    }
}

void CBioRegThemedFormInterface::RunCommand(bool guard, const std::function<void()> &work)
{
    if (SlotsBlocked() || !guard)
        return;
    const CCommandScope scope(this);
    work();
}

// The controller's own re-selections arrive while blocked: only the user's get here.
void CBioRegThemedFormInterface::ListSelectionChanged(EList list)
{
    RunCommand(!m_BioReg.isNull(), [this, list] {
        const int recordId = ListPanel(list).GetCurrentRecordIdFor(QString(), 0);
        if (recordId >= 1)
            TakeListRecord(list, recordId);
    });
}

void CBioRegThemedFormInterface::ListFindTextChanged(EList list, const QString &text)
{
    RunCommand(!m_BioReg.isNull(), [this, list, &text] {
        const int recordId = ListPanel(list).Find(text);
        if (recordId >= 1)
            TakeListRecord(list, recordId);
    });
}

void CBioRegThemedFormInterface::ListDoubleClicked(EList list)
{
    RunCommand(!m_BioReg.isNull(), [this, list] {
        // The selected row, not the clicked index: a click on empty space opens nothing.
        const int recordId = ListPanel(list).GetCurrentRecordId();
        if (recordId < 1)
            return;
        TakeListRecord(list, recordId);
        const int term = list == SiresList ? kBioTermSire : list == DamsList ? kBioTermDam : kBioTermAnimal;
        (void)RecordCommands().Edit(QPoint(-1, -1), GetBioTerm(term), recordId);
    });
}

void CBioRegThemedFormInterface::Slot_selectionChanged_CoverSheet_AllRecords(const QItemSelection &, const QItemSelection &)
{
    ListSelectionChanged(CoverSheetList);
}

void CBioRegThemedFormInterface::Slot_doubleClicked_CoverSheet_AllRecords(const QModelIndex &)
{
    ListDoubleClicked(CoverSheetList);
}

void CBioRegThemedFormInterface::Slot_textChanged_CoverSheet_AllRecords(const QString &text)
{
    ListFindTextChanged(CoverSheetList, text);
}

void CBioRegThemedFormInterface::Slot_modelReset_CoverSheet_AllRecords()
{
    ListPanel(CoverSheetList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_rowsInserted_CoverSheet_AllRecords(const QModelIndex &, int, int)
{
    ListPanel(CoverSheetList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_rowsRemoved_CoverSheet_AllRecords(const QModelIndex &, int, int)
{
    ListPanel(CoverSheetList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_selectionChanged_Pedigree_AllRecords(const QItemSelection &, const QItemSelection &)
{
    ListSelectionChanged(PedigreeList);
}

void CBioRegThemedFormInterface::Slot_doubleClicked_Pedigree_AllRecords(const QModelIndex &)
{
    ListDoubleClicked(PedigreeList);
}

void CBioRegThemedFormInterface::Slot_textChanged_Pedigree_AllRecords(const QString &text)
{
    ListFindTextChanged(PedigreeList, text);
}

void CBioRegThemedFormInterface::Slot_modelReset_Pedigree_AllRecords()
{
    ListPanel(PedigreeList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_rowsInserted_Pedigree_AllRecords(const QModelIndex &, int, int)
{
    ListPanel(PedigreeList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_rowsRemoved_Pedigree_AllRecords(const QModelIndex &, int, int)
{
    ListPanel(PedigreeList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_selectionChanged_TrialMating_Sires(const QItemSelection &, const QItemSelection &)
{
    ListSelectionChanged(SiresList);
}

void CBioRegThemedFormInterface::Slot_doubleClicked_TrialMating_Sires(const QModelIndex &)
{
    ListDoubleClicked(SiresList);
}

void CBioRegThemedFormInterface::Slot_textChanged_TrialMating_Sires(const QString &text)
{
    ListFindTextChanged(SiresList, text);
}

void CBioRegThemedFormInterface::Slot_modelReset_TrialMating_Sires()
{
    ListPanel(SiresList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_rowsInserted_TrialMating_Sires(const QModelIndex &, int, int)
{
    ListPanel(SiresList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_rowsRemoved_TrialMating_Sires(const QModelIndex &, int, int)
{
    ListPanel(SiresList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_selectionChanged_TrialMating_Dams(const QItemSelection &, const QItemSelection &)
{
    ListSelectionChanged(DamsList);
}

void CBioRegThemedFormInterface::Slot_doubleClicked_TrialMating_Dams(const QModelIndex &)
{
    ListDoubleClicked(DamsList);
}

void CBioRegThemedFormInterface::Slot_textChanged_TrialMating_Dams(const QString &text)
{
    ListFindTextChanged(DamsList, text);
}

void CBioRegThemedFormInterface::Slot_modelReset_TrialMating_Dams()
{
    ListPanel(DamsList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_rowsInserted_TrialMating_Dams(const QModelIndex &, int, int)
{
    ListPanel(DamsList).UpdateCountLabel();
}

void CBioRegThemedFormInterface::Slot_rowsRemoved_TrialMating_Dams(const QModelIndex &, int, int)
{
    ListPanel(DamsList).UpdateCountLabel();
}

// ---- Options ----

void CBioRegThemedFormInterface::Slot_currentIndexChanged_ComboBox_CoverSheet_Style(int)
{
    RunCommand(!m_CoverSheet.isNull(), [this] {
        const auto settings = m_CoverSheet->Settings().objectCast<CBioRegCoverSheetSettings>();
        const qint32 foldStyle = BioGetAncestorHighlightMode(m_CoverSheetStyleCombo);
        if (!settings || settings->m_FoldStyle == foldStyle)
            return;
        settings->m_FoldStyle = foldStyle;
        NotifySettingsModified();
    });
}

void CBioRegThemedFormInterface::Slot_currentIndexChanged_ComboBox_ThemedFormWithAncestryPanels_Gens(int index)
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this, index] {
        const auto settings = m_FormWithAncestryPanels->AncestrySettings();
        const qint32 generations = std::clamp(m_GenerationsCombo->itemData(index).toInt(), 1, kGenerationActions);
        if (settings->m_Generations == generations)
            return;
        settings->m_Generations = generations;
        NotifySettingsModified();
    });
}

void CBioRegThemedFormInterface::Slot_currentIndexChanged_ComboBox_ThemedFormWithAncestryPanels_AncestorHighlight(int)
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] {
        const auto state = m_FormWithAncestryPanels->AncestryStickyState();
        const qint32 mode = BioGetAncestorHighlightMode(m_AncestorHighlightCombo);
        if (state->m_HighlightMode == mode)
            return;
        state->m_HighlightMode = mode;
        StickyStateChanged(state, BioAncestorHighlightChangeId());
    });
}

template <typename TSettings>
void CBioRegThemedFormInterface::SwitchBox(const QSharedPointer<CBioRegThemedForm> &form, bool TSettings::*flag,
                                           int state)
{
    RunCommand(!form.isNull(), [this, &form, flag, state] {
        const auto settings = form->Settings().template objectCast<TSettings>();
        if (!settings || settings.data()->*flag == (state != 0))
            return;
        settings.data()->*flag = state != 0;
        NotifySettingsModified();
    });
}

void CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_CoverSheet_HasPic(int state)
{
    SwitchBox(m_CoverSheet, &CBioRegCoverSheetSettings::m_ShowPicture, state);
}

void CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_Pedigree_HasTitle(int state)
{
    SwitchBox(m_Pedigree, &CBioRegPedigreeSettings::m_ShowTitleBox, state);
}

void CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_Pedigree_HasDetails(int state)
{
    SwitchBox(m_Pedigree, &CBioRegPedigreeSettings::m_ShowDetailsBox, state);
}

void CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_Pedigree_HasPic(int state)
{
    SwitchBox(m_Pedigree, &CBioRegPedigreeSettings::m_ShowPictureBox, state);
}

void CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasTitle(int state)
{
    SwitchBox(m_TrialMating, &CBioRegTrialMatingSettings::m_ShowTitleBox, state);
}

void CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasSirePic(int state)
{
    SwitchBox(m_TrialMating, &CBioRegTrialMatingSettings::m_ShowSirePictureBox, state);
}

void CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasDamPic(int state)
{
    SwitchBox(m_TrialMating, &CBioRegTrialMatingSettings::m_ShowDamPictureBox, state);
}

void CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasSireDetails(int state)
{
    SwitchBox(m_TrialMating, &CBioRegTrialMatingSettings::m_ShowSireDetailsBox, state);
}

void CBioRegThemedFormInterface::Slot_stateChanged_CheckBox_TrialMating_HasDamDetails(int state)
{
    SwitchBox(m_TrialMating, &CBioRegTrialMatingSettings::m_ShowDamDetailsBox, state);
}

// ---- Record commands ----

CBioRegFormRecordCommands CBioRegThemedFormInterface::RecordCommands()
{
    return CBioRegFormRecordCommands(m_BioReg.data(), GetWidget());
}

bool CBioRegThemedFormInterface::AddNewTrialMatingParent(qint32 which)
{
    const int recordId = RecordCommands().AddNew(MenuPosition(), which);
    if (recordId < 1)
        return false;
    SetTrialMatingParent(which, recordId);
    return true;
}

void CBioRegThemedFormInterface::Slot_triggered_CoverSheet_NewRecord()
{
    RunCommand(!m_CoverSheet.isNull(), [this] {
        const int recordId = RecordCommands().AddNew(MenuPosition(), 0);
        if (recordId >= 1)
            SetCoverSheetSubject(recordId);
    });
}

void CBioRegThemedFormInterface::Slot_triggered_Pedigree_NewRecord()
{
    RunCommand(!m_Pedigree.isNull(), [this] {
        const int recordId = RecordCommands().AddNew(MenuPosition(), 0);
        if (recordId >= 1)
            SetPedigreeSubject(recordId);
    });
}

void CBioRegThemedFormInterface::Slot_triggered_CoverSheet_DeleteRecord()
{
    RunCommand(!m_CoverSheet.isNull(), [this] {
        (void)RecordCommands().Delete(MenuPosition(), m_CoverSheetStickyState->m_SubjectRecNo);
    });
}

void CBioRegThemedFormInterface::Slot_triggered_Pedigree_DeleteRecord()
{
    RunCommand(!m_Pedigree.isNull(), [this] {
        (void)RecordCommands().Delete(MenuPosition(), m_PedigreeStickyState->m_SubjectRecNo);
    });
}

void CBioRegThemedFormInterface::Slot_triggered_CoverSheet_CheckRecord()
{
    RunCommand(!m_CoverSheet.isNull(), [this] {
        RecordCommands().Check(QStringLiteral("pedigree"), m_CoverSheetStickyState->m_SubjectRecNo, 0, 0);
    });
}

void CBioRegThemedFormInterface::Slot_triggered_Pedigree_CheckRecord()
{
    RunCommand(!m_Pedigree.isNull(), [this] {
        RecordCommands().Check(QStringLiteral("pedigree"), m_PedigreeStickyState->m_SubjectRecNo, 0, 0);
    });
}

void CBioRegThemedFormInterface::Slot_triggered_TrialMating_NewSireRecord()
{
    RunCommand(!m_TrialMating.isNull(), [this] { (void)AddNewTrialMatingParent(1); });
}

void CBioRegThemedFormInterface::Slot_triggered_TrialMating_NewDamRecord()
{
    RunCommand(!m_TrialMating.isNull(), [this] { (void)AddNewTrialMatingParent(2); });
}

void CBioRegThemedFormInterface::Slot_triggered_TrialMating_CheckRecord()
{
    RunCommand(!m_TrialMating.isNull(), [this] {
        RecordCommands().Check(QStringLiteral("trial mating"), 0, m_TrialMatingStickyState->m_SireRecNo,
                               m_TrialMatingStickyState->m_DamRecNo);
    });
}

// ---- Box settings commands ----

void CBioRegThemedFormInterface::Slot_triggered_CoverSheet_TitleBoxProperties()
{
    RunCommand(!m_CoverSheet.isNull(), [this] { (void)EditCoverSheetTitleSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_CoverSheet_ReverseBoxProperties()
{
    RunCommand(!m_CoverSheet.isNull(), [this] { (void)EditCoverSheetReverseSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_CoverSheet_FlapBoxProperties()
{
    RunCommand(!m_CoverSheet.isNull(), [this] { (void)EditCoverSheetFlapSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_CoverSheet_PicBoxProperties()
{
    RunCommand(!m_CoverSheet.isNull(), [this] { (void)EditCoverSheetPicSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_Pedigree_TitleBoxProperties()
{
    RunCommand(!m_Pedigree.isNull(), [this] { (void)EditPedigreeTitleSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_Pedigree_DetailsBoxProperties()
{
    RunCommand(!m_Pedigree.isNull(), [this] { (void)EditPedigreeDetailsSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_Pedigree_PicBoxProperties()
{
    RunCommand(!m_Pedigree.isNull(), [this] { (void)EditPedigreePicSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_TrialMating_TitleBoxProperties()
{
    RunCommand(!m_TrialMating.isNull(), [this] { (void)EditTrialMatingTitleSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_TrialMating_SirePicBoxProperties()
{
    RunCommand(!m_TrialMating.isNull(), [this] { (void)EditTrialMatingSirePicSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_TrialMating_DamPicBoxProperties()
{
    RunCommand(!m_TrialMating.isNull(), [this] { (void)EditTrialMatingDamPicSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_TrialMating_SireDetailsBoxProperties()
{
    RunCommand(!m_TrialMating.isNull(), [this] { (void)EditTrialMatingSireDetailsSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_TrialMating_DamDetailsBoxProperties()
{
    RunCommand(!m_TrialMating.isNull(), [this] { (void)EditTrialMatingDamDetailsSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_ThemedFormWithAncestryPanels_PanelProperties()
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] { (void)EditAncestorsBoxSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_ThemedFormWithAncestryPanels_CellDefaultProperties()
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] { (void)EditAncestorCellDefaultSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_ThemedFormWithAncestryPanels_SpecificGensProperties()
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] { (void)EditAncestorCellGensSettings(MenuPosition()); });
}

void CBioRegThemedFormInterface::Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties0()
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] { (void)EditAncestorCellGenOfGensSettings(MenuPosition(), 0); });
}

void CBioRegThemedFormInterface::Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties1()
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] { (void)EditAncestorCellGenOfGensSettings(MenuPosition(), 1); });
}

void CBioRegThemedFormInterface::Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties2()
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] { (void)EditAncestorCellGenOfGensSettings(MenuPosition(), 2); });
}

void CBioRegThemedFormInterface::Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties3()
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] { (void)EditAncestorCellGenOfGensSettings(MenuPosition(), 3); });
}

void CBioRegThemedFormInterface::Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties4()
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] { (void)EditAncestorCellGenOfGensSettings(MenuPosition(), 4); });
}

void CBioRegThemedFormInterface::Slot_triggered_ThemedFormWithAncestryPanels_SpecificGenOfGensProperties5()
{
    RunCommand(!m_FormWithAncestryPanels.isNull(), [this] { (void)EditAncestorCellGenOfGensSettings(MenuPosition(), 5); });
}

// ---- Texts ----

QString CBioRegThemedFormInterface::TitleHint(const QString &lastCase) const
{
    const qint32 answer = CmnGetSystemSettings()->GetDontAskAgainResult(kSelectOrAddMessageId);
    const QString animal = GetBioTerm(BioTermAnimal, BioTermLowerCase);
    if (answer == QMessageBox::Yes)
        return QStringLiteral("Click to select a %1").arg(animal);
    if (answer == QMessageBox::No)
        return QStringLiteral("Click to add a new %1").arg(animal);
    return lastCase;
}

QString CBioRegThemedFormInterface::GetCoverSheetTitleHint() const
{
    return TitleHint(QStringLiteral("Click to start a new cover sheet"));
}

QString CBioRegThemedFormInterface::GetPedigreeTitleHint() const
{
    return TitleHint(QStringLiteral("Click to start a new pedigree"));
}

QString CBioRegThemedFormInterface::GetTrialMatingTitleHint() const
{
    return QStringLiteral("Click to start a new trial mating");
}

QPoint CBioRegThemedFormInterface::MenuPosition() const
{
    return CCmnMenu::MenuBeingShownPopupPoint();
}

// ---- Box settings ----

bool CBioRegThemedFormInterface::EditCoverSheetTitleSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->CoverSheetTitle(position);
}

bool CBioRegThemedFormInterface::EditCoverSheetReverseSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->CoverSheetReverse(position);
}

bool CBioRegThemedFormInterface::EditCoverSheetFlapSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->CoverSheetFlap(position);
}

bool CBioRegThemedFormInterface::EditCoverSheetPicSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->CoverSheetPic(position);
}

bool CBioRegThemedFormInterface::EditPedigreeTitleSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->PedigreeTitle(position);
}

bool CBioRegThemedFormInterface::EditPedigreeDetailsSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->PedigreeDetails(position);
}

bool CBioRegThemedFormInterface::EditPedigreePicSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->PedigreePic(position);
}

bool CBioRegThemedFormInterface::EditTrialMatingTitleSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->TrialMatingTitle(position);
}

bool CBioRegThemedFormInterface::EditTrialMatingSireDetailsSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->TrialMatingSireDetails(position);
}

bool CBioRegThemedFormInterface::EditTrialMatingDamDetailsSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->TrialMatingDamDetails(position);
}

bool CBioRegThemedFormInterface::EditTrialMatingSirePicSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->TrialMatingSirePic(position);
}

bool CBioRegThemedFormInterface::EditTrialMatingDamPicSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->TrialMatingDamPic(position);
}

bool CBioRegThemedFormInterface::EditAncestorsBoxSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->AncestorsBox(position);
}

bool CBioRegThemedFormInterface::EditAncestorCellDefaultSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->AncestorCellDefault(position);
}

bool CBioRegThemedFormInterface::EditAncestorCellGensSettings(const QPoint &position)
{
    return m_BoxSettingsCommands->AncestorCellGens(position);
}

bool CBioRegThemedFormInterface::EditTrialMatingParentDetailsSettings(const QPoint &position, qint32 term,
                                                                      const QString &layoutElt,
                                                                      const QString &dataElt)
{
    return m_BoxSettingsCommands->TrialMatingParentDetails(position, term, layoutElt, dataElt);
}

bool CBioRegThemedFormInterface::EditTrialMatingParentPicSettings(const QPoint &position, qint32 term,
                                                                  const QString &layoutElt, const QString &dataElt)
{
    return m_BoxSettingsCommands->TrialMatingParentPic(position, term, layoutElt, dataElt);
}

bool CBioRegThemedFormInterface::EditAncestorCellGenOfGensSettings(const QPoint &position, qint32 generation)
{
    return m_BoxSettingsCommands->AncestorCellGenOfGens(position, generation);
}

// ---- Boxes that show an animal ----

bool CBioRegThemedFormInterface::HandleCoverSheetTitleBoxEvent(CCmnFormBoxEvent *event)
{
    return m_RecordBoxCommands->CoverSheetTitle(event);
}

bool CBioRegThemedFormInterface::HandleCoverSheetReverseBoxEvent(CCmnFormBoxEvent *event)
{
    return m_RecordBoxCommands->CoverSheetReverse(event);
}

bool CBioRegThemedFormInterface::HandleCoverSheetFlapBoxEvent(CCmnFormBoxEvent *event)
{
    return m_RecordBoxCommands->CoverSheetFlap(event);
}

bool CBioRegThemedFormInterface::HandleCoverSheetPicBoxEvent(CCmnFormBoxEvent *event)
{
    return m_RecordBoxCommands->CoverSheetPic(event);
}

bool CBioRegThemedFormInterface::HandlePedigreeTitleBoxEvent(CCmnFormBoxEvent *event)
{
    return m_RecordBoxCommands->PedigreeTitle(event);
}

bool CBioRegThemedFormInterface::HandlePedigreeDetailsBoxEvent(CCmnFormBoxEvent *event)
{
    return m_RecordBoxCommands->PedigreeDetails(event);
}

bool CBioRegThemedFormInterface::HandlePedigreePicBoxEvent(CCmnFormBoxEvent *event)
{
    return m_RecordBoxCommands->PedigreePic(event);
}

bool CBioRegThemedFormInterface::HandleTrialMatingTitleBoxEvent(CCmnFormBoxEvent *event)
{
    return m_RecordBoxCommands->TrialMatingTitle(event);
}

bool CBioRegThemedFormInterface::HandleTrialMatingSirePicBoxEvent(CCmnFormBoxEvent *event)
{
    return HandleTrialMatingParentPicBoxEvent(event, 1, kBioTermSire, QStringLiteral("TrialMating_NewSireRecord"),
                                              QStringLiteral("TrialMating_SirePicBoxProperties"));
}

bool CBioRegThemedFormInterface::HandleTrialMatingDamPicBoxEvent(CCmnFormBoxEvent *event)
{
    return HandleTrialMatingParentPicBoxEvent(event, 2, kBioTermDam, QStringLiteral("TrialMating_NewDamRecord"),
                                              QStringLiteral("TrialMating_DamPicBoxProperties"));
}

bool CBioRegThemedFormInterface::HandleTrialMatingSireDetailsBoxEvent(CCmnFormBoxEvent *event)
{
    return HandleTrialMatingParentDetailsBoxEvent(event, std::max(m_TrialMatingStickyState->m_SireRecNo, 0),
                                                  kBioTermSire, QStringLiteral("TrialMating_SireDetailsBoxProperties"));
}

bool CBioRegThemedFormInterface::HandleTrialMatingDamDetailsBoxEvent(CCmnFormBoxEvent *event)
{
    return HandleTrialMatingParentDetailsBoxEvent(event, std::max(m_TrialMatingStickyState->m_DamRecNo, 0),
                                                  kBioTermDam, QStringLiteral("TrialMating_DamDetailsBoxProperties"));
}

bool CBioRegThemedFormInterface::HandleTrialMatingParentPicBoxEvent(CCmnFormBoxEvent *event, qint32 which,
                                                                    qint32 term, const QString &newRole,
                                                                    const QString &settingsRole)
{
    return m_RecordBoxCommands->TrialMatingParentPic(event, which, term, newRole, settingsRole);
}

bool CBioRegThemedFormInterface::HandleTrialMatingParentDetailsBoxEvent(CCmnFormBoxEvent *event, qint32 recordId,
                                                                        qint32 term, const QString &settingsRole)
{
    return m_RecordBoxCommands->TrialMatingParentDetails(event, recordId, term, settingsRole);
}

qint32 CBioRegThemedFormInterface::AddNewRecord(const QPoint &position, qint32 sex)
{
    return RecordCommands().AddNew(position, sex);
}

bool CBioRegThemedFormInterface::EditAnimal(const QPoint &position, const QString &titleWord, qint32 recordId,
                                            const QString &tabName)
{
    return RecordCommands().Edit(position, titleWord, recordId, tabName);
}

// ---- The ancestry charts ----

bool CBioRegThemedFormInterface::HandleAncestryCellEvent(CCmnFormBoxEvent *event, qint32 panelBoxId, qint32 childId,
                                                         qint32 which, qint32 generation)
{
    return m_AncestorCellCommands->CellEvent(event, panelBoxId, childId, which, generation);
}

bool CBioRegThemedFormInterface::HandleGenerationBoxEvent(CCmnFormBoxEvent *event, qint32 generation)
{
    return m_AncestorCellCommands->GenerationBoxEvent(event, generation);
}

bool CBioRegThemedFormInterface::HandleAncestryPanelBoxEvent(CCmnFormBoxEvent *event)
{
    return m_AncestorCellCommands->PanelBoxEvent(event);
}

bool CBioRegThemedFormInterface::SelectCellParent(qint32 panelBoxId, const QPoint &position, qint32 childId,
                                                  qint32 which)
{
    return m_AncestorCellCommands->SelectCellParent(panelBoxId, position, childId, which);
}

bool CBioRegThemedFormInterface::NewCellParent(qint32 panelBoxId, const QPoint &position, qint32 childId,
                                               qint32 which)
{
    return m_AncestorCellCommands->NewCellParent(panelBoxId, position, childId, which);
}

bool CBioRegThemedFormInterface::RemoveCellParent(qint32 panelBoxId, const QPoint &position, qint32 ancestorId,
                                                  qint32 childId, qint32 which)
{
    return m_AncestorCellCommands->RemoveCellParent(panelBoxId, position, ancestorId, childId, which);
}
