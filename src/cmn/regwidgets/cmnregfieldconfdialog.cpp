#include "cmnregfieldconfdialog.h"

#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmndataexchange.h"
#include "cmndatewidgets.h"
#include "cmnenabledlook.h"
#include "cmnexchangeflags.h"
#include "cmngridlayoutex.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnlayoutitem.h"
#include "cmnlineedit.h"
#include "cmnradiobutton.h"
#include "cmnregfieldcomboboxes.h"
#include "cmnregfieldcontextmask.h"
#include "cmnregfieldcontextsctrl.h"
#include "cmnregfielddef.h"
#include "cmnregfieldlimitboxes.h"
#include "cmnslotblocker.h"
#include "cmnspinbox.h"
#include "cmnsystemsettings.h"
#include "cmntext.h"
#include "cmntextedit.h"
#include "cmnwidgetlayout.h"

#include <QBoxLayout>
#include <QGridLayout>

namespace {

constexpr int kMaxWidthInChars = 255;

// A horizontal row of the widgets ending in a stretch.
QBoxLayout *Row(const QList<QWidget *> &widgets)
{
    return CmnBoxLayoutFromWidgets(CmnBoxLayoutHorizontal | CmnBoxLayoutStretch | CmnBoxLayoutNoMargins, widgets);
}

CCmnLabel *NewBuddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new CCmnLabel(text);
    label->setBuddy(buddy);
    return label;
}

CCmnSpinBox *NewWidthSpinBox()
{
    return CmnNewSpinBox(1, kMaxWidthInChars);
}

// One bit of the flag word and the field type whose block the bit belongs to.
constexpr int kLimitTypes[3] = {CmnRegFieldInteger, CmnRegFieldNumber, CmnRegFieldPercentage};
constexpr qint32 kLimitFirstBits[3] = {CmnRegFieldIntMinSet, CmnRegFieldNumberMinSet, CmnRegFieldPercentMinSet};
constexpr qint32 kSpinBits[3] = {CmnRegFieldIntSpin, CmnRegFieldNumberSpin, CmnRegFieldPercentSpin};

// The definition's minimum, maximum and default of a number type as doubles, and back.
template <typename V>
bool ExchangeLimitValues(CCmnDataExchange *context, CCmnRegFieldLimitBoxes &boxes, qint32 &flags, int kind,
                         V *minimum, V *maximum, V *defaultValue, bool current, int decimals, bool spinBox)
{
    V *members[3] = {minimum, maximum, defaultValue};
    std::array<double, 3> values{};
    std::array<bool, 3> set{};
    for (int i = 0; i < 3; ++i) {
        values[i] = double(*members[i]);
        set[i] = (flags & (kLimitFirstBits[kind] << i)) != 0;
    }
    const bool ok = boxes.Exchange(context, values, set, current, decimals, spinBox);
    if (context->m_Save) {
        for (int i = 0; i < 3; ++i) {
            *members[i] = V(values[i]);
            const qint32 bit = kLimitFirstBits[kind] << i;
            flags = set[i] ? (flags | bit) : (flags & ~bit);
        }
    }
    return ok;
}

} // namespace

CCmnRegFieldConfDialog::CCmnRegFieldConfDialog(int mode, CCmnRegFieldDef *definition, CCmnRegFieldContextMask *mask,
                                               const CCmnRegFieldContexts *catalogue, const QString &recordWord,
                                               QWidget *parent)
    : CCmnGetStringDialog(parent)
    , m_Mode(mode)
    , m_Definition(definition)
    , m_Mask(mask)
    , m_Catalogue(catalogue)
    , m_RecordWord(recordWord)
{
    SetHelpPage(QStringLiteral("CCmnRegFieldConfDialog.html"));
    m_Prompt = QStringLiteral("Name:");

    auto *grid = new CCmnGridLayoutEx;
    BuildNameAndType(grid);
    BuildGroups(grid);
    grid->setRowStretch(grid->LastUsedRow() + 1, 1000);
    MainLayout()->addLayout(grid);
}

CCmnRegFieldConfDialog::~CCmnRegFieldConfDialog() = default;

void CCmnRegFieldConfDialog::Help(QWidget *widget, const QString &name)
{
    SetWidgetHelpName(this, widget, name);
}

void CCmnRegFieldConfDialog::BuildNameAndType(CCmnGridLayoutEx *grid)
{
    m_PromptLabel = new CCmnLabel;
    m_LineEdit = new CCmnLineEdit;
    m_LineEdit->SetMinimumWidthInChars(25);
    Help(m_LineEdit, QStringLiteral("Name"));
    m_PromptLabel->setBuddy(m_LineEdit);
    if (m_Mode & CmnRegFieldConfNameFixed)
        SetReadOnly(true);
    else
        SetInitialFocusWidget(m_LineEdit);

    if (IsInbuilt()) {
        m_TypeCombo = new CCmnComboBox;
        m_TypeCombo->addItem(QStringLiteral("Inbuilt"));
    } else {
        m_TypeCombo = CmnRegNewFieldTypeComboBox(nullptr, QString(), nullptr);
        connect(m_TypeCombo, &QComboBox::activated, this, &CCmnRegFieldConfDialog::Slot_activated_Type);
    }
    Help(m_TypeCombo, QStringLiteral("Type"));
    m_TypeLabel = NewBuddyLabel(QStringLiteral("Type:"), m_TypeCombo);
    if (m_Mode & (CmnRegFieldConfInbuilt | CmnRegFieldConfTypeFixed)) {
        m_TypeCombo->setEnabled(false);
        CmnSetLabelEnabledLook(m_TypeLabel, false);
    }

    m_RequiredCheck = new CCmnCheckBox(QStringLiteral("Required"));
    Help(m_RequiredCheck, QStringLiteral("Required"));
    m_RequiredCheck->setEnabled(!IsInbuilt());
    connect(m_RequiredCheck, &QAbstractButton::clicked, this, &CCmnRegFieldConfDialog::Slot_clicked_Required);

    // The record word is the user's own: "&" in it is no mnemonic.
    m_KeyFieldCheck = new CCmnCheckBox(
        QStringLiteral("Show as a 'Key Field' in the 'Select %1' window").arg(CmnMnemonicSafe(m_RecordWord)));
    Help(m_KeyFieldCheck, QStringLiteral("IncludeInSelectWindow"));

    m_ContextsCtrl = new CCmnRegFieldContextsCtrl(this, m_Catalogue);
    m_ContextsCtrl->RegisterWhatsThis(this, QStringLiteral("Contexts"));

    int row = 0;
    grid->AddWidget(m_PromptLabel, row, 0);
    grid->AddLayout(CmnBoxLayoutFromWidgets(CmnBoxLayoutHorizontal | CmnBoxLayoutNoMargins,
                                            {m_LineEdit, m_RequiredCheck, m_KeyFieldCheck}),
                    row, 1, 1, 2);
    if (m_Mode & CmnRegFieldConfNameFixed) {
        m_NoteLabel = new CCmnLabel(
            QStringLiteral("NOTE: the names of system fields are automatically set, and cannot be edited here. But "
                           "most system field names are derived from the terminology settings, which you can "
                           "change - select %1, then select <b>Terminology</b>.")
                .arg(CmnPreferencesMenuText()));
        m_NoteLabel->setTextFormat(Qt::RichText);
        m_NoteLabel->setWordWrap(true);
        grid->AddWidget(m_NoteLabel, ++row, 1, 1, 2);
    }
    ++row;
    grid->AddWidget(m_TypeLabel, row, 0);
    grid->AddWidget(m_TypeCombo, row, 1);
    grid->AddLayout(m_ContextsCtrl->Layout(), ++row, 1, 1, 2);
}

void CCmnRegFieldConfDialog::AddGroup(CCmnGridLayoutEx *grid, int type, bool edit, QLayout *contents)
{
    const QString title = edit ? QStringLiteral("Edit Settings (for '%1 Details' window)")
                                     .arg(CmnMnemonicSafe(m_RecordWord))
                               : QStringLiteral("Display Settings");
    CCmnGroupBox *group = CmnNewGroupBox(CCmnLayoutItem::Layout(contents), title);
    (edit ? m_EditGroups : m_DisplayGroups).insert(type, group);
    grid->AddWidget(group, grid->LastUsedRow() + 1, 1, 1, 2);
}

void CCmnRegFieldConfDialog::BuildGroups(CCmnGridLayoutEx *grid)
{
    const bool edits = !IsInbuilt();
    const QString caseHelp = QStringLiteral("CaseConversion");

    // Text
    m_WordWrapCheck = new CCmnCheckBox(QStringLiteral("Word wrap"));
    Help(m_WordWrapCheck, QStringLiteral("WordWrap"));
    m_TextCaseCombo = CmnNewLetterCaseComboBox(nullptr, QString(), nullptr);
    Help(m_TextCaseCombo, caseHelp);
    AddGroup(grid, CmnRegFieldText, false,
             CmnBoxLayout(CmnBoxLayoutVertical, CCmnLayoutItem::Layout(Row({m_WordWrapCheck})),
                          CCmnLayoutItem::Layout(Row({NewBuddyLabel(QStringLiteral("Case conversion:"), m_TextCaseCombo),
                                                      m_TextCaseCombo}))));
    if (edits)
        AddGroup(grid, CmnRegFieldText, true, BuildTextEdit());

    // Boolean
    m_FalseEdit = new CCmnLineEdit;
    Help(m_FalseEdit, QStringLiteral("DisplayFalseAs"));
    m_TrueEdit = new CCmnLineEdit;
    Help(m_TrueEdit, QStringLiteral("DisplayTrueAs"));
    auto *boolDisplay = new CCmnGridLayoutEx;
    boolDisplay->AddWidget(NewBuddyLabel(QStringLiteral("Display 'false' as:"), m_FalseEdit), 0, 0);
    boolDisplay->AddWidget(m_FalseEdit, 0, 1);
    boolDisplay->AddWidget(NewBuddyLabel(QStringLiteral("Display 'true' as:"), m_TrueEdit), 1, 0);
    boolDisplay->AddWidget(m_TrueEdit, 1, 1);
    AddGroup(grid, CmnRegFieldBoolean, false, boolDisplay);
    if (edits) {
        AddGroup(grid, CmnRegFieldBoolean, true, BuildBooleanEdit());
        AddGroup(grid, CmnRegFieldChoice, true, BuildChoiceEdit());
    }

    // Integer
    m_IntSuffixEdit = new CCmnLineEdit;
    Help(m_IntSuffixEdit, QStringLiteral("Suffix"));
    auto *intDisplay = new CCmnGridLayoutEx;
    intDisplay->AddWidget(NewBuddyLabel(QStringLiteral("Suffix:"), m_IntSuffixEdit), 0, 0);
    intDisplay->AddWidget(m_IntSuffixEdit, 0, 1);
    AddGroup(grid, CmnRegFieldInteger, false, intDisplay);
    if (edits)
        AddGroup(grid, CmnRegFieldInteger, true, BuildLimitsEdit(CCmnRegFieldLimitBoxes::Integer));

    // Number
    m_NumberDecimalsSpin = CmnNewSpinBox(0, CmnRegFieldMaxDecimals);
    Help(m_NumberDecimalsSpin, QStringLiteral("Precision"));
    m_NumberSuffixEdit = new CCmnLineEdit;
    Help(m_NumberSuffixEdit, QStringLiteral("Suffix"));
    auto *numberDisplay = new CCmnGridLayoutEx;
    numberDisplay->AddWidget(NewBuddyLabel(QStringLiteral("Show decimal places:"), m_NumberDecimalsSpin), 0, 0);
    numberDisplay->AddWidget(m_NumberDecimalsSpin, 0, 1);
    numberDisplay->AddWidget(NewBuddyLabel(QStringLiteral("Suffix:"), m_NumberSuffixEdit), 1, 0);
    numberDisplay->AddWidget(m_NumberSuffixEdit, 1, 1);
    numberDisplay->setColumnStretch(2, 1);
    AddGroup(grid, CmnRegFieldNumber, false, numberDisplay);
    if (edits)
        AddGroup(grid, CmnRegFieldNumber, true, BuildLimitsEdit(CCmnRegFieldLimitBoxes::Number));

    // Percentage
    m_PercentDecimalsSpin = CmnNewSpinBox(0, CmnRegFieldMaxDecimals);
    Help(m_PercentDecimalsSpin, QStringLiteral("Precision"));
    auto *percentDisplay = new CCmnGridLayoutEx;
    percentDisplay->AddWidget(NewBuddyLabel(QStringLiteral("Show decimal places:"), m_PercentDecimalsSpin), 0, 0);
    percentDisplay->AddWidget(m_PercentDecimalsSpin, 0, 1);
    percentDisplay->setColumnStretch(2, 1);
    AddGroup(grid, CmnRegFieldPercentage, false, percentDisplay);
    if (edits)
        AddGroup(grid, CmnRegFieldPercentage, true, BuildLimitsEdit(CCmnRegFieldLimitBoxes::Percentage));

    // Date
    if (edits) {
        m_DateEdit = CmnCreateDateLineEdit(QString(), nullptr);
        Help(m_DateEdit, QStringLiteral("Default"));
        AddGroup(grid, CmnRegFieldDate, true,
                 Row({NewBuddyLabel(QStringLiteral("Default:"), m_DateEdit), m_DateEdit}));
    }

    // Multiline Text
    m_FormatParagraphsCheck = new CCmnCheckBox(QStringLiteral("Format paragraphs"));
    Help(m_FormatParagraphsCheck, QStringLiteral("FormatParagraphs"));
    m_MultilineCaseCombo = CmnNewLetterCaseComboBox(nullptr, QString(), nullptr);
    Help(m_MultilineCaseCombo, caseHelp);
    AddGroup(grid, CmnRegFieldMultilineText, false,
             CmnBoxLayout(CmnBoxLayoutVertical, CCmnLayoutItem::Layout(Row({m_FormatParagraphsCheck})),
                          CCmnLayoutItem::Layout(Row({NewBuddyLabel(QStringLiteral("Case conversion:"),
                                                                    m_MultilineCaseCombo),
                                                      m_MultilineCaseCombo}))));
    if (edits)
        AddGroup(grid, CmnRegFieldMultilineText, true, BuildMultilineEdit());
}

QLayout *CCmnRegFieldConfDialog::BuildTextEdit()
{
    const QString listHelp = QStringLiteral("DropDownList");
    m_TextLabelAboveCheck = new CCmnCheckBox(QStringLiteral("Label above"));
    Help(m_TextLabelAboveCheck, QStringLiteral("LabelAbove"));
    m_PrivateListCheck = new CCmnCheckBox(QStringLiteral("Private dropdown list"));
    Help(m_PrivateListCheck, listHelp);
    m_SharedListCheck = new CCmnCheckBox(QStringLiteral("Shared dropdown list:"));
    Help(m_SharedListCheck, listHelp);
    m_SharedListEdit = new CCmnLineEdit;
    Help(m_SharedListEdit, listHelp);
    connect(m_PrivateListCheck, &QCheckBox::stateChanged, this,
            &CCmnRegFieldConfDialog::Slot_stateChanged_HasPrivateLookupList);
    connect(m_SharedListCheck, &QCheckBox::stateChanged, this,
            &CCmnRegFieldConfDialog::Slot_stateChanged_UsesSharedLookupList);
    m_TextDefaultEdit = new CCmnLineEdit;
    Help(m_TextDefaultEdit, QStringLiteral("Default"));
    m_TextWidthSpin = NewWidthSpinBox();
    Help(m_TextWidthSpin, QStringLiteral("WidthInAveChars"));
    return CmnBoxLayout(
        CmnBoxLayoutVertical,
        CCmnLayoutItem::Layout(Row({m_TextLabelAboveCheck, m_PrivateListCheck, m_SharedListCheck, m_SharedListEdit})),
        CCmnLayoutItem::Layout(Row({NewBuddyLabel(QStringLiteral("Default:"), m_TextDefaultEdit), m_TextDefaultEdit})),
        CCmnLayoutItem::Layout(Row({NewBuddyLabel(QStringLiteral("Min width:"), m_TextWidthSpin), m_TextWidthSpin})));
}

QLayout *CCmnRegFieldConfDialog::BuildBooleanEdit()
{
    m_BoolRadioCheck = new CCmnCheckBox(QStringLiteral("Use radio buttons"));
    Help(m_BoolRadioCheck, QStringLiteral("UseRadioButtons"));
    m_NotGivenEdit = new CCmnLineEdit;
    Help(m_NotGivenEdit, QStringLiteral("RadioButtonLabelWhenNotGiven"));
    m_NotGivenLabel = NewBuddyLabel(QStringLiteral("Radio button label when not given:"), m_NotGivenEdit);
    m_DefaultTrueRadio = new CCmnRadioButton(QStringLiteral("Default to true"));
    m_DefaultFalseRadio = new CCmnRadioButton(QStringLiteral("Default to false"));
    m_DefaultNoneRadio = new CCmnRadioButton(QStringLiteral("Default to not given"));
    auto *grid = new CCmnGridLayoutEx;
    grid->AddWidget(m_BoolRadioCheck, 0, 0, 1, 2);
    grid->AddWidget(m_NotGivenLabel, 1, 0);
    grid->AddWidget(m_NotGivenEdit, 1, 1);
    int row = 2;
    for (CCmnRadioButton *radio : {m_DefaultTrueRadio, m_DefaultFalseRadio, m_DefaultNoneRadio}) {
        Help(radio, QStringLiteral("Default"));
        grid->AddWidget(radio, row++, 1);
    }
    return grid;
}

QLayout *CCmnRegFieldConfDialog::BuildChoiceEdit()
{
    m_EditableValuesCheck = new CCmnCheckBox(QStringLiteral("Editable values"));
    Help(m_EditableValuesCheck, QStringLiteral("EditableValues"));
    m_ChoiceLabelAboveCheck = new CCmnCheckBox(QStringLiteral("Label above"));
    Help(m_ChoiceLabelAboveCheck, QStringLiteral("LabelAbove"));
    m_ChoiceStyleCombo = CmnRegNewChoiceStyleComboBox(nullptr, QString(), nullptr);
    Help(m_ChoiceStyleCombo, QStringLiteral("EnumUserInterfaceStyle"));
    connect(m_ChoiceStyleCombo, &QComboBox::currentIndexChanged, this,
            &CCmnRegFieldConfDialog::Slot_currentIndexChanged_EnumUserInterfaceStyle);
    QBoxLayout *selectVia = CmnBoxLayoutFromWidgets(
        CmnBoxLayoutHorizontal | CmnBoxLayoutNoMargins,
        {NewBuddyLabel(QStringLiteral("Select via:"), m_ChoiceStyleCombo), m_ChoiceStyleCombo});

    CCmnNamedItemsButtonWords words;
    words.m_Tag = QStringLiteral("Set Default");
    words.m_Untag = QStringLiteral("Clear Default");
    constexpr quint32 flags = CmnNamedItemsListAdd | CmnNamedItemsListDelete | CmnNamedItemsListRename
        | CmnNamedItemsListUpDown | CmnNamedItemsListTag | CmnNamedItemsListTwoColumns;
    m_ChoiceList = new CChoiceList(this, QString(), QString(), QStringLiteral("Choice"), flags, -1, words, selectVia);
    m_ChoiceList->RegisterWhatsThis(this, QStringLiteral("EnumCtrl"));

    return CmnBoxLayout(CmnBoxLayoutVertical,
                        CCmnLayoutItem::Layout(Row({m_EditableValuesCheck, m_ChoiceLabelAboveCheck})),
                        CCmnLayoutItem::Layout(m_ChoiceList->Layout()),
                        CCmnLayoutItem(new CCmnLabel(QStringLiteral("*=default"))));
}

QLayout *CCmnRegFieldConfDialog::BuildLimitsEdit(int kind)
{
    auto *spin = new CCmnCheckBox(QStringLiteral("Use spin box"));
    Help(spin, QStringLiteral("UseSpinBox"));
    m_SpinBoxChecks[kind] = spin;
    // No length limit: a stored limit of any length must survive a plain OK.
    auto *minimum = new CCmnLineEdit;
    auto *maximum = new CCmnLineEdit;
    auto *defaultBox = new CCmnLineEdit;
    Help(minimum, QStringLiteral("Minimum"));
    Help(maximum, QStringLiteral("Maximum"));
    Help(defaultBox, QStringLiteral("Default"));
    m_Limits[kind] = std::make_unique<CCmnRegFieldLimitBoxes>(CCmnRegFieldLimitBoxes::EKind(kind), minimum, maximum,
                                                              defaultBox);
    auto *grid = new CCmnGridLayoutEx;
    grid->AddWidget(spin, 0, 0, 1, 4);
    grid->AddWidget(NewBuddyLabel(QStringLiteral("Minimum:"), minimum), 1, 0);
    grid->AddWidget(minimum, 1, 1);
    grid->AddWidget(NewBuddyLabel(QStringLiteral("Maximum:"), maximum), 1, 2);
    grid->AddWidget(maximum, 1, 3);
    grid->AddWidget(NewBuddyLabel(QStringLiteral("Default:"), defaultBox), 2, 0);
    grid->AddWidget(defaultBox, 2, 1);
    return grid;
}

QLayout *CCmnRegFieldConfDialog::BuildMultilineEdit()
{
    m_MultilineLabelAboveCheck = new CCmnCheckBox(QStringLiteral("Label above"));
    Help(m_MultilineLabelAboveCheck, QStringLiteral("LabelAbove"));
    m_MultilineDefaultEdit = new CCmnTextEdit;
    m_MultilineDefaultEdit->setAcceptRichText(false);
    CmnSetFixedHeightInLines(m_MultilineDefaultEdit, 3);
    Help(m_MultilineDefaultEdit, QStringLiteral("Default"));
    m_MultilineWidthSpin = NewWidthSpinBox();
    Help(m_MultilineWidthSpin, QStringLiteral("WidthInAveChars"));
    m_MultilineLinesSpin = CmnNewSpinBox(1, 99);
    Help(m_MultilineLinesSpin, QStringLiteral("Lines"));
    auto *grid = new CCmnGridLayoutEx;
    grid->AddLayout(Row({m_MultilineLabelAboveCheck}), 0, 0, 1, 2);
    grid->AddWidget(NewBuddyLabel(QStringLiteral("Default:"), m_MultilineDefaultEdit), 1, 0, 1, 1, Qt::AlignTop);
    grid->AddWidget(m_MultilineDefaultEdit, 1, 1);
    grid->AddWidget(NewBuddyLabel(QStringLiteral("Min width:"), m_MultilineWidthSpin), 2, 0);
    grid->AddLayout(Row({m_MultilineWidthSpin, new CCmnLabel(QStringLiteral(" average characters"))}), 2, 1);
    grid->AddWidget(NewBuddyLabel(QStringLiteral("Height:"), m_MultilineLinesSpin), 3, 0);
    grid->AddLayout(Row({m_MultilineLinesSpin, new CCmnLabel(QStringLiteral(" lines"))}), 3, 1);
    return grid;
}

int CCmnRegFieldConfDialog::CurrentType() const
{
    if (m_Mode & (CmnRegFieldConfInbuilt | CmnRegFieldConfTypeFixed))
        return m_Definition ? m_Definition->m_Type : CmnRegFieldText;
    return CmnRegFieldTypeFromCombo(m_TypeCombo);
}

void CCmnRegFieldConfDialog::UpdateTypeControls()
{
    const int type = CurrentType();
    for (QHash<int, CCmnGroupBox *> *groups : {&m_DisplayGroups, &m_EditGroups}) {
        for (CCmnGroupBox *group : std::as_const(*groups))
            group->hide();
        if (CCmnGroupBox *group = groups->value(type))
            group->show();
    }
    UpdateRequiredState();
    UpdateEditableValuesState();
}

void CCmnRegFieldConfDialog::UpdateRequiredState()
{
    if (IsInbuilt())
        return;
    const bool enabled = !m_RequiredCheck->isChecked();
    m_NotGivenLabel->setEnabled(enabled);
    m_NotGivenEdit->setEnabled(enabled);
}

void CCmnRegFieldConfDialog::UpdateEditableValuesState()
{
    if (IsInbuilt())
        return;
    m_EditableValuesCheck->setEnabled(CmnRegChoiceStyleFromCombo(m_ChoiceStyleCombo) == CmnRegChoicePulldown);
}

void CCmnRegFieldConfDialog::Slot_activated_Type(int index)
{
    Q_UNUSED(index);
    if (SlotsBlocked())
        return;
    UpdateTypeControls();
}

void CCmnRegFieldConfDialog::Slot_clicked_Required(bool checked)
{
    Q_UNUSED(checked);
    if (SlotsBlocked())
        return;
    UpdateRequiredState();
}

void CCmnRegFieldConfDialog::Slot_currentIndexChanged_EnumUserInterfaceStyle(int index)
{
    Q_UNUSED(index);
    if (SlotsBlocked() || IsInbuilt())
        return;
    if (CmnRegChoiceStyleFromCombo(m_ChoiceStyleCombo) != CmnRegChoicePulldown)
        m_EditableValuesCheck->setChecked(false);
    UpdateEditableValuesState();
}

void CCmnRegFieldConfDialog::Slot_stateChanged_HasPrivateLookupList(int state)
{
    Q_UNUSED(state);
    if (SlotsBlocked() || IsInbuilt() || !m_PrivateListCheck->isChecked())
        return;
    m_SharedListCheck->setChecked(false);
    m_SharedListEdit->setEnabled(false);
}

void CCmnRegFieldConfDialog::Slot_stateChanged_UsesSharedLookupList(int state)
{
    Q_UNUSED(state);
    if (SlotsBlocked() || IsInbuilt())
        return;
    if (m_SharedListCheck->isChecked())
        m_PrivateListCheck->setChecked(false);
    m_SharedListEdit->setEnabled(m_SharedListCheck->isChecked());
}

void CCmnRegFieldConfDialog::MakeLookupListsConsistent()
{
    const bool privateList = (m_Definition->m_Flags & CmnRegFieldPrivateList) != 0;
    m_PrivateListCheck->setChecked(privateList);
    m_SharedListCheck->setChecked(!privateList && (m_Definition->m_Flags & CmnRegFieldSharedList));
    m_SharedListEdit->setEnabled(m_SharedListCheck->isChecked());
}

bool CCmnRegFieldConfDialog::ExchangeString(CCmnDataExchange *context, QString *value, CCmnLineEdit *edit,
                                            bool required, const QString &label)
{
    return context->ExchangePathLineEdit(value, edit, CmnExchangeTrim | (required ? CmnExchangeRequired : 0), label);
}

bool CCmnRegFieldConfDialog::DataExchange(CCmnDataExchange *context)
{
    if (!m_Definition)
        return CCmnGetStringDialog::DataExchange(context);
    if (!context->m_Save)
        return ExchangeFields(context) && CCmnGetStringDialog::DataExchange(context);
    // Saved into copies, so that a refused OK followed by Cancel leaves the caller's
    // definition and mask exactly as they were.
    CCmnRegFieldDef *const callerDefinition = m_Definition;
    CCmnRegFieldContextMask *const callerMask = m_Mask;
    CCmnRegFieldDef definition = *callerDefinition;
    CCmnRegFieldContextMask mask = callerMask ? *callerMask : CCmnRegFieldContextMask();
    m_Definition = &definition;
    m_Mask = callerMask ? &mask : nullptr;
    const bool saved = ExchangeFields(context) && CCmnGetStringDialog::DataExchange(context);
    m_Definition = callerDefinition;
    m_Mask = callerMask;
    if (!saved)
        return false;
    *callerDefinition = definition;
    if (callerMask)
        *callerMask = mask;
    return true;
}

bool CCmnRegFieldConfDialog::ExchangeFields(CCmnDataExchange *context)
{
    const CCmnSlotBlocker blocker(this);
    const bool skipValidation = context->m_SkipValidation;
    qint32 flags = qint32(m_Definition->m_Flags);
    const auto steps = [&]() {
        if (!IsInbuilt() && !context->ExchangeFlagCheckBox(&flags, CmnRegFieldRequired, m_RequiredCheck))
            return false;
        if (!context->ExchangeFlagCheckBox(&flags, CmnRegFieldKey, m_KeyFieldCheck))
            return false;
        if (m_Mask && !m_ContextsCtrl->DataExchange(context, m_Mask))
            return false;
        if (!IsInbuilt() && (!context->m_Save || !(m_Mode & CmnRegFieldConfTypeFixed))
            && !CmnExchangeComboByData(context, &m_Definition->m_Type, m_TypeCombo))
            return false;
        if (context->m_Save)
            flags &= ~qint32(CmnRegFieldHasDefault);
        return ExchangeText(context, flags) && ExchangeBoolean(context, flags) && ExchangeChoice(context, flags)
            && ExchangeNumbers(context, flags) && ExchangeDate(context, flags) && ExchangeMultiline(context, flags);
    };
    const bool exchanged = steps();
    // The name that follows is always checked.
    context->m_SkipValidation = skipValidation;
    if (context->m_Save)
        m_Definition->m_Flags = quint32(flags);
    if (exchanged && !context->m_Save) {
        UpdateTypeControls();
        if (!IsInbuilt())
            MakeLookupListsConsistent();
    }
    return exchanged;
}

bool CCmnRegFieldConfDialog::EnterBlock(CCmnDataExchange *context, int type) const
{
    const bool current = m_Definition->m_Type == type;
    context->m_SkipValidation = !current;
    return current;
}

bool CCmnRegFieldConfDialog::ExchangeText(CCmnDataExchange *context, qint32 &flags)
{
    CCmnRegFieldDef &def = *m_Definition;
    const bool current = EnterBlock(context, CmnRegFieldText);
    if (!IsInbuilt()) {
        if (!context->ExchangeFlagCheckBox(&flags, CmnRegFieldTextLabelAbove, m_TextLabelAboveCheck)
            || !context->ExchangeFlagCheckBox(&flags, CmnRegFieldPrivateList, m_PrivateListCheck)
            || !context->ExchangeFlagCheckBox(&flags, CmnRegFieldSharedList, m_SharedListCheck)
            || !ExchangeString(context, &def.m_SharedListName, m_SharedListEdit)
            || !ExchangeString(context, &def.m_TextDefault, m_TextDefaultEdit))
            return false;
        if (context->m_Save && current && !def.m_TextDefault.isEmpty())
            flags |= CmnRegFieldHasDefault;
    }
    if (!CmnExchangeComboByData(context, &def.m_TextLetterCase, m_TextCaseCombo)
        || !context->ExchangeFlagCheckBox(&flags, CmnRegFieldWordWrap, m_WordWrapCheck))
        return false;
    return IsInbuilt() || context->ExchangeSpinBox(&def.m_TextWidth, m_TextWidthSpin);
}

bool CCmnRegFieldConfDialog::ExchangeBoolean(CCmnDataExchange *context, qint32 &flags)
{
    CCmnRegFieldDef &def = *m_Definition;
    const bool current = EnterBlock(context, CmnRegFieldBoolean);
    if (!ExchangeString(context, &def.m_TrueText, m_TrueEdit, true, QStringLiteral("Display 'true' as"))
        || !ExchangeString(context, &def.m_FalseText, m_FalseEdit, true, QStringLiteral("Display 'false' as")))
        return false;
    if (IsInbuilt())
        return true;
    if (!ExchangeString(context, &def.m_NotGivenText, m_NotGivenEdit))
        return false;
    if (context->m_Save && current && def.m_TrueText == def.m_FalseText)
        return context->ShowInvalidLineEdit(QStringLiteral("The 'True' and 'False' labels need to differ"), QString(),
                                            QString(), QString(), m_TrueEdit);
    constexpr qint32 defaultBits = CmnRegFieldBoolDefaultTrue | CmnRegFieldBoolDefaultFalse | CmnRegFieldBoolDefaultNone;
    // "Default to false" stands in for no default bit. A field of another type keeps
    // having none while the user leaves the buttons alone.
    const bool keepNoDefault = context->m_Save && !current && m_BoolDefaultImplied && m_DefaultFalseRadio->isChecked();
    if (!context->ExchangeFlagCheckBox(&flags, CmnRegFieldBoolDefaultTrue, m_DefaultTrueRadio)
        || !context->ExchangeFlagCheckBox(&flags, CmnRegFieldBoolDefaultFalse, m_DefaultFalseRadio)
        || !context->ExchangeFlagCheckBox(&flags, CmnRegFieldBoolDefaultNone, m_DefaultNoneRadio))
        return false;
    if (keepNoDefault)
        flags &= ~defaultBits;
    if (!context->m_Save) {
        m_BoolDefaultImplied = !(flags & defaultBits);
        if (m_BoolDefaultImplied)
            m_DefaultFalseRadio->setChecked(true);
        UpdateRequiredState();
    }
    if (!context->ExchangeFlagCheckBox(&flags, CmnRegFieldBoolRadio, m_BoolRadioCheck))
        return false;
    if (context->m_Save && current && (flags & (CmnRegFieldBoolDefaultTrue | CmnRegFieldBoolDefaultFalse)))
        flags |= CmnRegFieldHasDefault;
    return true;
}

bool CCmnRegFieldConfDialog::ExchangeChoice(CCmnDataExchange *context, qint32 &flags)
{
    if (IsInbuilt())
        return true;
    CCmnRegFieldDef &def = *m_Definition;
    const bool current = EnterBlock(context, CmnRegFieldChoice);
    if (!context->ExchangeFlagCheckBox(&flags, CmnRegFieldChoiceLabelAbove, m_ChoiceLabelAboveCheck))
        return false;
    if (context->m_Save) {
        const CChoiceList::CList list = m_ChoiceList->GetItems();
        def.m_Choices.clear();
        for (const CChoiceList::CList::CItem &item : list.m_Items)
            def.m_Choices.append(item.first);
        def.m_ChoiceDefault = list.NameAt(list.m_TaggedRow);
    } else {
        CChoiceList::CList list;
        for (int position = 0; position < def.m_Choices.size(); ++position) {
            const QString &name = def.m_Choices.at(position);
            if (!list.IsNameTaken(name))
                list.m_Items.append({name, position});
        }
        list.m_TaggedRow = list.FindName(def.m_ChoiceDefault);
        m_ChoiceList->SetItems(list);
    }
    if (!CmnExchangeComboByData(context, &def.m_ChoiceStyle, m_ChoiceStyleCombo)
        || !context->ExchangeFlagCheckBox(&flags, CmnRegFieldChoiceTyped, m_EditableValuesCheck))
        return false;
    if (context->m_Save && current && !def.m_ChoiceDefault.isEmpty())
        flags |= CmnRegFieldHasDefault;
    return true;
}

bool CCmnRegFieldConfDialog::ExchangeNumbers(CCmnDataExchange *context, qint32 &flags)
{
    CCmnRegFieldDef &def = *m_Definition;
    for (int kind = 0; kind < 3; ++kind) {
        const bool current = EnterBlock(context, kLimitTypes[kind]);
        int decimals = 0;
        bool ok = true;
        switch (kind) {
        case CCmnRegFieldLimitBoxes::Integer:
            ok = ExchangeString(context, &def.m_IntSuffix, m_IntSuffixEdit);
            break;
        case CCmnRegFieldLimitBoxes::Number:
            ok = ExchangeString(context, &def.m_NumberSuffix, m_NumberSuffixEdit)
                && context->ExchangeSpinBox(&def.m_NumberDecimals, m_NumberDecimalsSpin);
            decimals = def.m_NumberDecimals;
            break;
        default:
            ok = context->ExchangeSpinBox(&def.m_PercentDecimals, m_PercentDecimalsSpin);
            decimals = def.m_PercentDecimals;
            break;
        }
        if (!ok)
            return false;
        if (IsInbuilt())
            continue;
        if (!context->ExchangeFlagCheckBox(&flags, kSpinBits[kind], m_SpinBoxChecks[kind]))
            return false;
        const bool spin = m_SpinBoxChecks[kind]->isChecked();
        CCmnRegFieldLimitBoxes &boxes = *m_Limits[kind];
        switch (kind) {
        case CCmnRegFieldLimitBoxes::Integer:
            ok = ExchangeLimitValues(context, boxes, flags, kind, &def.m_IntMin, &def.m_IntMax, &def.m_IntDefault,
                                     current, decimals, spin);
            break;
        case CCmnRegFieldLimitBoxes::Number:
            ok = ExchangeLimitValues(context, boxes, flags, kind, &def.m_NumberMin, &def.m_NumberMax,
                                     &def.m_NumberDefault, current, decimals, spin);
            break;
        default:
            ok = ExchangeLimitValues(context, boxes, flags, kind, &def.m_PercentMin, &def.m_PercentMax,
                                     &def.m_PercentDefault, current, decimals, spin);
            break;
        }
        if (!ok)
            return false;
        if (context->m_Save && current && (flags & (kLimitFirstBits[kind] << 2)))
            flags |= CmnRegFieldHasDefault;
    }
    return true;
}

bool CCmnRegFieldConfDialog::ExchangeDate(CCmnDataExchange *context, qint32 &flags)
{
    if (IsInbuilt())
        return true;
    CCmnRegFieldDef &def = *m_Definition;
    const bool current = EnterBlock(context, CmnRegFieldDate);
    // An emptied box removes the default date.
    if (context->m_Save && m_DateEdit->text().trimmed().isEmpty())
        def.m_DateDefault = CCmnDate();
    else if (!context->ExchangeDateLineEdit(&def.m_DateDefault, m_DateEdit, CmnExchangeTrim, QString()))
        return false;
    if (context->m_Save && current && !def.m_DateDefault.IsEmpty())
        flags |= CmnRegFieldHasDefault;
    return true;
}

bool CCmnRegFieldConfDialog::ExchangeMultiline(CCmnDataExchange *context, qint32 &flags)
{
    CCmnRegFieldDef &def = *m_Definition;
    const bool current = EnterBlock(context, CmnRegFieldMultilineText);
    if (!IsInbuilt()) {
        if (!context->ExchangeFlagCheckBox(&flags, CmnRegFieldMultilineLabelAbove, m_MultilineLabelAboveCheck)
            || !context->ExchangeTextEdit(&def.m_MultilineDefault, m_MultilineDefaultEdit, CmnExchangeTrim))
            return false;
        if (context->m_Save && current && !def.m_MultilineDefault.isEmpty())
            flags |= CmnRegFieldHasDefault;
    }
    if (!CmnExchangeComboByData(context, &def.m_MultilineLetterCase, m_MultilineCaseCombo)
        || !context->ExchangeFlagCheckBox(&flags, CmnRegFieldFormatParagraphs, m_FormatParagraphsCheck))
        return false;
    if (IsInbuilt())
        return true;
    return context->ExchangeSpinBox(&def.m_MultilineWidth, m_MultilineWidthSpin)
        && context->ExchangeSpinBox(&def.m_MultilineLines, m_MultilineLinesSpin);
}
