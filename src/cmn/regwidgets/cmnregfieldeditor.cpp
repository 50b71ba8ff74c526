#include "cmnregfieldeditor.h"

#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmncontrolfactory.h"
#include "cmndataexchange.h"
#include "cmndate.h"
#include "cmndatewidgets.h"
#include "cmndoublespinbox.h"
#include "cmnelidedlabel.h"
#include "cmnexchangeflags.h"
#include "cmngridlayoutex.h"
#include "cmnlineedit.h"
#include "cmnradiobutton.h"
#include "cmnregfielddef.h"
#include "cmnregfieldlookup.h"
#include "cmnregfieldwidgets.h"
#include "cmnreglookuplists.h"
#include "cmnspinbox.h"
#include "cmntext.h"
#include "cmntextedit.h"
#include "cmnwidgetlayout.h"

#include <QButtonGroup>
#include <QCompleter>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

const QString kNotGiven = QStringLiteral("Not Given");
// Spin boxes of a field without limits still need a range; these hold any value
// a breeder types without making the box absurdly wide.
constexpr qint32 kIntLimit = 2147483647;
constexpr double kNumberLimit = 1e12;

bool IsRequired(const CCmnRegFieldDef &def)
{
    return def.m_Flags & CmnRegFieldRequired;
}

CCmnRadioButton *NewRadio(CCmnRegFieldWidgets &row, const QString &text, QWidget *parent)
{
    auto *button = new CCmnRadioButton(CmnMnemonicSafe(text), parent);
    // One group per field: buttons sharing a parent would otherwise all exclude
    // each other, and loading one field would clear the others on the page.
    QButtonGroup *group =
        row.m_RadioButtons.isEmpty() ? new QButtonGroup(parent) : row.m_RadioButtons.first()->group();
    group->addButton(button);
    row.m_RadioButtons.append(button);
    return button;
}

CCmnRegLookupList *TextLookupList(const CCmnRegFieldDef &def, CCmnRegLookupLists *lists, CCmnRegFieldLookup *lookup)
{
    if (lookup) {
        if (CCmnRegLookupList *own = lookup->PrivateList())
            return own;
    }
    if (lists && (def.m_Flags & CmnRegFieldSharedList))
        return lists->FindSharedList(def.m_SharedListName);
    return nullptr;
}

void CreateTextEditor(const CCmnRegFieldDef &def, CCmnRegFieldWidgets &row, CCmnRegLookupLists *lists,
                      CCmnRegFieldLookup *lookup, QWidget *parent)
{
    if (CCmnRegLookupList *list = TextLookupList(def, lists, lookup)) {
        auto *combo = new CCmnComboBox(parent);
        combo->setEditable(true);
        combo->setMinimumContentsLength(qMax(def.m_TextWidth, 15));
        combo->completer()->setCaseSensitivity(Qt::CaseSensitive);
        list->m_List.FillComboBox(combo);
        row.m_ComboBox = combo;
    } else {
        auto *edit = new CCmnLineEdit(parent);
        if (def.m_TextWidth >= 1)
            edit->SetMinimumWidthInChars(def.m_TextWidth);
        row.m_LineEdit = edit;
    }
    row.m_LabelAbove = def.m_Flags & CmnRegFieldTextLabelAbove;
}

void CreateBooleanEditor(const CCmnRegFieldDef &def, CCmnRegFieldWidgets &row, QWidget *parent)
{
    if (def.m_Flags & CmnRegFieldBoolRadio) {
        auto *layout = new QHBoxLayout;
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(NewRadio(row, def.m_FalseText, parent));
        layout->addWidget(NewRadio(row, def.m_TrueText, parent));
        if (!IsRequired(def))
            layout->addWidget(NewRadio(row, def.m_NotGivenText, parent));
        layout->addStretch();
        row.m_EditorLayout = layout;
        return;
    }
    auto *check = new CCmnCheckBox(CmnMnemonicSafe(row.m_Label), parent);
    check->setTristate(!IsRequired(def));
    row.m_CheckBox = check;
    row.m_Label.clear();
    row.m_HasLabel = false;
}

void CreateChoiceEditor(const CCmnRegFieldDef &def, CCmnRegFieldWidgets &row, QWidget *parent)
{
    row.m_LabelAbove = def.m_Flags & CmnRegFieldChoiceLabelAbove;
    const bool required = IsRequired(def);
    if (def.m_ChoiceStyle == CmnRegChoicePulldown) {
        auto *combo = new CCmnComboBox(parent);
        combo->addItems(def.m_Choices);
        if (def.m_Flags & CmnRegFieldChoiceTyped)
            combo->setEditable(true);
        else if (!required)
            combo->addItem(kNotGiven, QString());
        row.m_ComboBox = combo;
        return;
    }
    QStringList texts = def.m_Choices;
    if (!required)
        texts.append(kNotGiven);
    if (def.m_ChoiceStyle == CmnRegChoiceRadio1) {
        auto *layout = new QVBoxLayout;
        layout->setContentsMargins(0, 0, 0, 0);
        for (const QString &text : std::as_const(texts))
            layout->addWidget(NewRadio(row, text, parent));
        layout->addStretch();
        row.m_EditorLayout = layout;
        row.m_RowSpan = qMax(1, int(texts.size()));
        return;
    }
    const int columns = def.m_ChoiceStyle == CmnRegChoiceRadio3 ? 3 : 2;
    const int rows = qMax(1, int((def.m_Choices.size() + columns - 1) / columns));
    auto *grid = new CCmnGridLayoutEx;
    grid->setContentsMargins(0, 0, 0, 0);
    // Column by column, so that "Not Given" may open a column of its own.
    for (int i = 0; i < texts.size(); ++i)
        grid->AddWidget(NewRadio(row, texts.at(i), parent), i % rows, i / rows);
    grid->setRowStretch(rows, 1000);
    row.m_EditorLayout = grid;
    row.m_RowSpan = rows;
}

void CreateMultilineEditor(const CCmnRegFieldDef &def, CCmnRegFieldWidgets &row, QWidget *parent)
{
    auto *edit = new CCmnTextEdit(parent);
    edit->setAcceptRichText(false);
    if (def.m_MultilineWidth >= 1)
        CmnSetMinimumWidthInChars(edit, def.m_MultilineWidth);
    CmnSetMinimumHeightInLines(edit, qBound(1, def.m_MultilineLines, 20));
    row.m_TextEdit = edit;
    row.m_RowSpan = int(qMax(1, def.m_MultilineLines) * 0.8 + 0.3);
    row.m_LabelAbove = def.m_Flags & CmnRegFieldMultilineLabelAbove;
}

quint32 LimitFlags(quint32 defFlags, quint32 minimumBit, quint32 maximumBit)
{
    quint32 flags = (defFlags & CmnRegFieldRequired) ? CmnExchangeRequired : 0;
    if (defFlags & minimumBit)
        flags |= CmnExchangeCheckMinimum;
    if (defFlags & maximumBit)
        flags |= CmnExchangeCheckMaximum;
    return flags;
}

// An optional number box the user emptied removes the value; the number exchanges
// would leave the old number in place.
bool IsClearedOptionalBox(const CCmnRegFieldDef &def, const CCmnDataExchange &exchange, const QLineEdit *edit)
{
    return exchange.m_Save && !IsRequired(def) && edit->text().trimmed().isEmpty();
}

// Load of a number box: an absent value shows as an empty box, not as 0.
bool SkipsLoad(const CCmnDataExchange &exchange, const QVariant &value, QLineEdit *edit)
{
    if (exchange.m_Save || value.isValid())
        return false;
    edit->clear();
    return true;
}

bool ExchangeText(const CCmnRegFieldDef &def, CCmnDataExchange &exchange, QVariant &value,
                  const CCmnRegFieldWidgets &row)
{
    const qint32 flags = (IsRequired(def) ? CmnExchangeRequired : 0) | CmnExchangeTrim;
    QString text = value.toString();
    bool ok = true;
    if (row.m_TextEdit)
        ok = exchange.ExchangeTextEdit(&text, row.m_TextEdit, flags, row.m_Label);
    else if (row.m_ComboBox)
        ok = exchange.ExchangeComboText(&text, row.m_ComboBox, flags, row.m_Label);
    else if (row.m_LineEdit)
        ok = exchange.ExchangePathLineEdit(&text, row.m_LineEdit, flags, row.m_Label);
    if (ok && exchange.m_Save)
        value = text.isEmpty() ? QVariant() : QVariant(text);
    return ok;
}

bool ExchangeBoolean(const CCmnRegFieldDef &def, CCmnDataExchange &exchange, QVariant &value,
                     const CCmnRegFieldWidgets &row)
{
    const QList<CCmnRadioButton *> &radios = row.m_RadioButtons;
    if (IsRequired(def)) {
        bool state = value.toBool();
        const bool ok = radios.size() >= 2 ? exchange.ExchangeRadioPair(&state, radios[0], radios[1], row.m_Label)
                        : row.m_CheckBox ? exchange.ExchangeCheckBox(&state, row.m_CheckBox, row.m_Label)
                                         : true;
        if (ok && exchange.m_Save)
            value = state;
        return ok;
    }
    qint32 state = !value.isValid() ? 1 : value.toBool() ? 2 : 0;
    const bool ok = radios.size() >= 3
                        ? exchange.ExchangeRadio3(&state, radios[0], radios[1], radios[2], row.m_Label)
                    : row.m_CheckBox ? exchange.ExchangeCheckState(&state, row.m_CheckBox, row.m_Label)
                                     : true;
    if (ok && exchange.m_Save)
        value = state == 1 ? QVariant() : QVariant(state == 2);
    return ok;
}

void CheckOnly(const QList<CCmnRadioButton *> &radios, int index)
{
    if (radios.isEmpty())
        return;
    // An exclusive group refuses to have all its buttons unchecked.
    QButtonGroup *group = radios.first()->group();
    group->setExclusive(false);
    for (int i = 0; i < radios.size(); ++i)
        radios[i]->setChecked(i == index);
    group->setExclusive(true);
}

bool ExchangeChoice(const CCmnRegFieldDef &def, const CCmnDataExchange &exchange, QVariant &value,
                    const CCmnRegFieldWidgets &row)
{
    const int count = def.m_Choices.size();
    if (count == 0)
        return true;
    const bool required = IsRequired(def);
    CCmnComboBox *combo = row.m_ComboBox;
    if (exchange.m_Save) {
        QString text;
        if (combo) {
            const bool notGiven = !required && !combo->isEditable() && combo->currentIndex() == count;
            text = notGiven ? QString() : combo->currentText();
        } else {
            for (int i = 0; i < count && i < row.m_RadioButtons.size(); ++i) {
                if (row.m_RadioButtons[i]->isChecked())
                    text = def.m_Choices.at(i);
            }
        }
        value = text.isEmpty() ? QVariant() : QVariant(text);
        return true;
    }
    const QString text = value.toString();
    const int match = CmnRegChoiceIndex(def, text);
    if (combo) {
        // A typed value that is no choice stays as typed: the combo has no item
        // past the choices to stand for it.
        if (match < 0 && combo->isEditable()) {
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        } else {
            combo->setCurrentIndex(match >= 0 ? match : required ? -1 : count);
        }
    } else {
        CheckOnly(row.m_RadioButtons, match >= 0 ? match : required ? -1 : count);
    }
    return true;
}

// Runs one exchange of a number of type T on a copy of the value and stores the
// number back when a save succeeds.
template <typename T, typename TExchange>
bool ExchangeNumberValue(const CCmnDataExchange &exchange, QVariant &value, TExchange exchangeNumber)
{
    T number = value.value<T>();
    const bool ok = exchangeNumber(&number);
    if (ok && exchange.m_Save)
        value = number;
    return ok;
}

// A number line edit: an absent value loads as an empty box, an emptied optional
// box saves as no value, anything else goes through the exchange.
template <typename T, typename TExchange>
bool ExchangeNumberLineEdit(const CCmnRegFieldDef &def, const CCmnDataExchange &exchange, QVariant &value,
                            QLineEdit *edit, TExchange exchangeNumber)
{
    if (!edit || SkipsLoad(exchange, value, edit))
        return true;
    if (IsClearedOptionalBox(def, exchange, edit)) {
        value = QVariant();
        return true;
    }
    return ExchangeNumberValue<T>(exchange, value, exchangeNumber);
}

bool ExchangeInteger(const CCmnRegFieldDef &def, CCmnDataExchange &exchange, QVariant &value,
                     const CCmnRegFieldWidgets &row)
{
    if (row.m_SpinBox) {
        return ExchangeNumberValue<qint32>(exchange, value, [&](qint32 *number) {
            return exchange.ExchangeSpinBox(number, row.m_SpinBox, row.m_Label);
        });
    }
    const qint32 flags = qint32(LimitFlags(def.m_Flags, CmnRegFieldIntMinSet, CmnRegFieldIntMaxSet));
    return ExchangeNumberLineEdit<qint32>(def, exchange, value, row.m_LineEdit, [&](qint32 *number) {
        return exchange.ExchangeLongLineEdit(number, row.m_LineEdit, flags, def.m_IntDefault, def.m_IntMin,
                                             def.m_IntMax, row.m_Label);
    });
}

bool ExchangeNumber(const CCmnRegFieldDef &def, CCmnDataExchange &exchange, QVariant &value,
                    const CCmnRegFieldWidgets &row)
{
    if (row.m_DoubleSpinBox) {
        return ExchangeNumberValue<double>(exchange, value, [&](double *number) {
            return exchange.ExchangeDoubleSpinBox(number, row.m_DoubleSpinBox, row.m_Label, def.m_NumberDecimals);
        });
    }
    const qint32 flags = qint32(LimitFlags(def.m_Flags, CmnRegFieldNumberMinSet, CmnRegFieldNumberMaxSet));
    return ExchangeNumberLineEdit<double>(def, exchange, value, row.m_LineEdit, [&](double *number) {
        return exchange.ExchangeDoubleLineEdit(number, row.m_LineEdit, flags, def.m_NumberDefault, def.m_NumberMin,
                                               def.m_NumberMax, row.m_Label, def.m_NumberDecimals);
    });
}

bool ExchangePercentage(const CCmnRegFieldDef &def, CCmnDataExchange &exchange, QVariant &value,
                        const CCmnRegFieldWidgets &row)
{
    if (row.m_DoubleSpinBox) {
        return ExchangeNumberValue<float>(exchange, value, [&](float *fraction) {
            return exchange.ExchangePercentSpinBox(fraction, row.m_DoubleSpinBox, row.m_Label, def.m_PercentDecimals);
        });
    }
    const qint32 flags = qint32(LimitFlags(def.m_Flags, CmnRegFieldPercentMinSet, CmnRegFieldPercentMaxSet));
    return ExchangeNumberLineEdit<float>(def, exchange, value, row.m_LineEdit, [&](float *fraction) {
        return exchange.ExchangeFloatLineEdit(fraction, row.m_LineEdit, flags, def.m_PercentDefault, def.m_PercentMin,
                                              def.m_PercentMax, row.m_Label, def.m_PercentDecimals);
    });
}

bool ExchangeDate(const CCmnRegFieldDef &def, CCmnDataExchange &exchange, QVariant &value,
                  const CCmnRegFieldWidgets &row)
{
    if (!row.m_LineEdit)
        return true;
    // The date exchange leaves an optional date unchanged when its box is emptied;
    // here emptying the box is how a wrong date is deleted.
    if (IsClearedOptionalBox(def, exchange, row.m_LineEdit)) {
        value = QVariant();
        return true;
    }
    CCmnDate date = value.value<CCmnDate>();
    const qint32 flags = IsRequired(def) ? CmnExchangeRequired : 0;
    const bool ok = exchange.ExchangeDateLineEdit(&date, row.m_LineEdit, flags, QString(), row.m_Label);
    if (ok && exchange.m_Save)
        value = date.IsEmpty() ? QVariant() : QVariant::fromValue(date);
    return ok;
}

} // namespace

int CmnRegChoiceIndex(const CCmnRegFieldDef &def, const QString &text)
{
    for (int i = 0; i < def.m_Choices.size(); ++i) {
        if (def.m_Choices.at(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void CmnRegCreateFieldEditor(const CCmnRegFieldDef &def, CCmnRegFieldWidgets &row, bool editable,
                             const QString &label, const QString &helpName, CCmnRegLookupLists *lookupLists,
                             CCmnRegFieldLookup *lookup, QWidget *parent)
{
    row.m_Label = label;
    row.m_HelpName = helpName;
    row.Reset();
    if (!editable) {
        row.m_ReadOnlyLabel = new CCmnElidedLabel(parent);
        row.m_ReadOnly = true;
        return;
    }
    switch (def.m_Type) {
    case CmnRegFieldText:
        CreateTextEditor(def, row, lookupLists, lookup, parent);
        break;
    case CmnRegFieldBoolean:
        CreateBooleanEditor(def, row, parent);
        break;
    case CmnRegFieldChoice:
        CreateChoiceEditor(def, row, parent);
        break;
    case CmnRegFieldInteger:
        if (def.m_Flags & CmnRegFieldIntSpin) {
            row.m_SpinBox = CmnNewSpinBox((def.m_Flags & CmnRegFieldIntMinSet) ? def.m_IntMin : -kIntLimit,
                                          (def.m_Flags & CmnRegFieldIntMaxSet) ? def.m_IntMax : kIntLimit);
            row.m_SpinBox->setParent(parent);
        } else {
            row.m_LineEdit = new CCmnLineEdit(parent);
        }
        break;
    case CmnRegFieldNumber:
        if (def.m_Flags & CmnRegFieldNumberSpin) {
            auto *spin = new CCmnDoubleSpinBox(parent);
            spin->setDecimals(def.m_NumberDecimals);
            spin->setRange((def.m_Flags & CmnRegFieldNumberMinSet) ? def.m_NumberMin : -kNumberLimit,
                           (def.m_Flags & CmnRegFieldNumberMaxSet) ? def.m_NumberMax : kNumberLimit);
            row.m_DoubleSpinBox = spin;
        } else {
            row.m_LineEdit = new CCmnLineEdit(parent);
        }
        break;
    case CmnRegFieldPercentage:
        if (def.m_Flags & CmnRegFieldPercentSpin) {
            row.m_DoubleSpinBox = CmnNewPercentSpinBox(
                0.01, def.m_PercentDecimals,
                (def.m_Flags & CmnRegFieldPercentMinSet) ? def.m_PercentMin : -kNumberLimit,
                (def.m_Flags & CmnRegFieldPercentMaxSet) ? def.m_PercentMax : kNumberLimit, parent);
        } else {
            row.m_LineEdit = new CCmnLineEdit(parent);
        }
        break;
    case CmnRegFieldDate:
        row.m_LineEdit = CmnCreateDateLineEdit(QString(), parent);
        break;
    case CmnRegFieldMultilineText:
        CreateMultilineEditor(def, row, parent);
        break;
    default:
        row.m_LineEdit = new CCmnLineEdit(parent);
        break;
    }
}

bool CmnRegExchangeFieldEditor(const CCmnRegFieldDef &def, CCmnDataExchange &exchange, QVariant &value,
                               const CCmnRegFieldWidgets &row)
{
    switch (def.m_Type) {
    case CmnRegFieldBoolean: return ExchangeBoolean(def, exchange, value, row);
    case CmnRegFieldChoice: return ExchangeChoice(def, exchange, value, row);
    case CmnRegFieldInteger: return ExchangeInteger(def, exchange, value, row);
    case CmnRegFieldNumber: return ExchangeNumber(def, exchange, value, row);
    case CmnRegFieldPercentage: return ExchangePercentage(def, exchange, value, row);
    case CmnRegFieldDate: return ExchangeDate(def, exchange, value, row);
    default: return ExchangeText(def, exchange, value, row);
    }
}

QVariantList CmnRegFieldEditorState(const CCmnRegFieldWidgets &row)
{
    QVariantList state;
    if (row.m_LineEdit)
        state << row.m_LineEdit->text();
    if (row.m_ComboBox)
        state << row.m_ComboBox->currentIndex() << row.m_ComboBox->currentText();
    if (row.m_CheckBox)
        state << int(row.m_CheckBox->checkState());
    if (row.m_SpinBox)
        state << row.m_SpinBox->value();
    if (row.m_DoubleSpinBox)
        state << row.m_DoubleSpinBox->value();
    if (row.m_TextEdit)
        state << row.m_TextEdit->toPlainText();
    for (const CCmnRadioButton *button : row.m_RadioButtons)
        state << button->isChecked();
    return state;
}
