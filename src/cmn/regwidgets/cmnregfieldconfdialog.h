#pragma once

#include "cmngetstringdialog.h"
#include "tcmnnameditemsunsortedlistctrl.h"

#include <QHash>
#include <QString>

#include <array>
#include <memory>

class CCmnCheckBox;
class CCmnComboBox;
class CCmnGridLayoutEx;
class CCmnGroupBox;
class CCmnLabel;
class CCmnLineEdit;
class CCmnRadioButton;
class CCmnRegFieldContextMask;
class CCmnRegFieldContexts;
class CCmnRegFieldContextsCtrl;
class CCmnRegFieldDef;
class CCmnRegFieldLimitBoxes;
class CCmnSpinBox;
class CCmnTextEdit;

// What the field configuration dialog lets the user change.
enum ECmnRegFieldConfMode {
    CmnRegFieldConfNameFixed = 1,
    CmnRegFieldConfInbuilt = 2,
    CmnRegFieldConfTypeFixed = 4,
};

// The dialog in which a field is defined: its name, type, whether a value is
// required, whether it is a key field of the select window, its default usage in
// the forms, and the display and edit settings of each type. Settings of every type
// travel between the controls and the definition, but only the current type's are
// checked. OK writes into the caller's definition and mask only when every value
// (the name included) is accepted; a refused OK leaves them as they were.
class CCmnRegFieldConfDialog : public CCmnGetStringDialog
{
    Q_OBJECT
public:
    using CChoiceList = TCmnNamedItemsUnsortedListCtrl<int>;

    // mode: ECmnRegFieldConfMode bits. The definition, mask and catalogue are not
    // owned and must outlive the dialog. The record word is the singular word for
    // one record ("Animal").
    CCmnRegFieldConfDialog(int mode, CCmnRegFieldDef *definition, CCmnRegFieldContextMask *mask,
                           const CCmnRegFieldContexts *catalogue, const QString &recordWord,
                           QWidget *parent = nullptr);
    ~CCmnRegFieldConfDialog() override;

    bool DataExchange(CCmnDataExchange *context) override;

    // Shows the display and edit groups of the current type only.
    void UpdateTypeControls();
    void UpdateRequiredState();
    void UpdateEditableValuesState();

    int Mode() const { return m_Mode; }
    // The display or edit group of a type; null when the type has none.
    CCmnGroupBox *DisplayGroup(int type) const { return m_DisplayGroups.value(type); }
    CCmnGroupBox *EditGroup(int type) const { return m_EditGroups.value(type); }

    // The controls, for the tests and the screenshots; edit controls are null for
    // an inbuilt field.
    CCmnLabel *m_NoteLabel = nullptr;
    CCmnLabel *m_TypeLabel = nullptr;
    CCmnComboBox *m_TypeCombo = nullptr;
    CCmnCheckBox *m_RequiredCheck = nullptr;
    CCmnCheckBox *m_KeyFieldCheck = nullptr;
    CCmnRegFieldContextsCtrl *m_ContextsCtrl = nullptr;
    // Text
    CCmnCheckBox *m_WordWrapCheck = nullptr;
    CCmnComboBox *m_TextCaseCombo = nullptr;
    CCmnCheckBox *m_TextLabelAboveCheck = nullptr;
    CCmnCheckBox *m_PrivateListCheck = nullptr;
    CCmnCheckBox *m_SharedListCheck = nullptr;
    CCmnLineEdit *m_SharedListEdit = nullptr;
    CCmnLineEdit *m_TextDefaultEdit = nullptr;
    CCmnSpinBox *m_TextWidthSpin = nullptr;
    // Boolean
    CCmnLineEdit *m_FalseEdit = nullptr;
    CCmnLineEdit *m_TrueEdit = nullptr;
    CCmnCheckBox *m_BoolRadioCheck = nullptr;
    CCmnLabel *m_NotGivenLabel = nullptr;
    CCmnLineEdit *m_NotGivenEdit = nullptr;
    CCmnRadioButton *m_DefaultTrueRadio = nullptr;
    CCmnRadioButton *m_DefaultFalseRadio = nullptr;
    CCmnRadioButton *m_DefaultNoneRadio = nullptr;
    // Choice
    CCmnCheckBox *m_EditableValuesCheck = nullptr;
    CCmnCheckBox *m_ChoiceLabelAboveCheck = nullptr;
    CChoiceList *m_ChoiceList = nullptr;
    CCmnComboBox *m_ChoiceStyleCombo = nullptr;
    // Integer, Number, Percentage
    CCmnLineEdit *m_IntSuffixEdit = nullptr;
    CCmnLineEdit *m_NumberSuffixEdit = nullptr;
    CCmnSpinBox *m_NumberDecimalsSpin = nullptr;
    CCmnSpinBox *m_PercentDecimalsSpin = nullptr;
    // Indexed by CCmnRegFieldLimitBoxes::EKind.
    std::array<CCmnCheckBox *, 3> m_SpinBoxChecks{};
    std::array<std::unique_ptr<CCmnRegFieldLimitBoxes>, 3> m_Limits;
    // Date
    CCmnLineEdit *m_DateEdit = nullptr;
    // Multiline Text
    CCmnCheckBox *m_FormatParagraphsCheck = nullptr;
    CCmnComboBox *m_MultilineCaseCombo = nullptr;
    CCmnCheckBox *m_MultilineLabelAboveCheck = nullptr;
    CCmnTextEdit *m_MultilineDefaultEdit = nullptr;
    CCmnSpinBox *m_MultilineWidthSpin = nullptr;
    CCmnSpinBox *m_MultilineLinesSpin = nullptr;

public Q_SLOTS:
    void Slot_activated_Type(int index);
    void Slot_clicked_Required(bool checked);
    void Slot_currentIndexChanged_EnumUserInterfaceStyle(int index);
    void Slot_stateChanged_HasPrivateLookupList(int state);
    void Slot_stateChanged_UsesSharedLookupList(int state);

private:
    bool IsInbuilt() const { return (m_Mode & CmnRegFieldConfInbuilt) != 0; }
    int CurrentType() const;

    void BuildNameAndType(CCmnGridLayoutEx *grid);
    void BuildGroups(CCmnGridLayoutEx *grid);
    QLayout *BuildTextEdit();
    QLayout *BuildBooleanEdit();
    QLayout *BuildChoiceEdit();
    QLayout *BuildLimitsEdit(int kind);
    QLayout *BuildMultilineEdit();
    void AddGroup(CCmnGridLayoutEx *grid, int type, bool edit, QLayout *contents);
    void Help(QWidget *widget, const QString &name);

    // Starts the block of a type's settings: they are checked only when it is the
    // field's type. True for the field's type.
    bool EnterBlock(CCmnDataExchange *context, int type) const;
    // Everything but the name.
    bool ExchangeFields(CCmnDataExchange *context);
    bool ExchangeText(CCmnDataExchange *context, qint32 &flags);
    bool ExchangeBoolean(CCmnDataExchange *context, qint32 &flags);
    bool ExchangeChoice(CCmnDataExchange *context, qint32 &flags);
    bool ExchangeNumbers(CCmnDataExchange *context, qint32 &flags);
    bool ExchangeDate(CCmnDataExchange *context, qint32 &flags);
    bool ExchangeMultiline(CCmnDataExchange *context, qint32 &flags);
    bool ExchangeString(CCmnDataExchange *context, QString *value, CCmnLineEdit *edit, bool required = false,
                        const QString &label = QString());
    void MakeLookupListsConsistent();

    int m_Mode;
    CCmnRegFieldDef *m_Definition;
    CCmnRegFieldContextMask *m_Mask;
    const CCmnRegFieldContexts *m_Catalogue;
    QString m_RecordWord;
    QHash<int, CCmnGroupBox *> m_DisplayGroups;
    QHash<int, CCmnGroupBox *> m_EditGroups;
    // The definition had no Boolean default bit when it was loaded.
    bool m_BoolDefaultImplied = false;
};
