#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

class CCmnDataExchange;
class CCmnRegFieldDef;
class CCmnRegFieldLookup;
class CCmnRegFieldWidgets;
class CCmnRegLookupLists;
class QWidget;

// The editors of register fields: the factory that makes a row's editor from a
// field's definition, and the exchange of a stored value with that editor.

// Fills the row for the field: a read-only row gets an elided value label; an
// editable one the editor its type and flags ask for (text box or drop-down,
// check box or radio buttons, choices, spin box or number box, date box, text
// area), its row span and whether its label stands above. Texts the user typed
// (labels, choices) go into button texts with their "&" doubled.
void CmnRegCreateFieldEditor(const CCmnRegFieldDef &def, CCmnRegFieldWidgets &row, bool editable,
                             const QString &label, const QString &helpName, CCmnRegLookupLists *lookupLists,
                             CCmnRegFieldLookup *lookup, QWidget *parent);

// Moves the value (kind as the definition stores it; invalid for none) into the
// row's editor or back. On save an emptied box, a "Not Given" choice or answer
// and an indeterminate check box give an invalid value, which removes the field's
// value. False when the exchange refused what the user typed.
[[nodiscard]] bool CmnRegExchangeFieldEditor(const CCmnRegFieldDef &def, CCmnDataExchange &exchange, QVariant &value,
                                             const CCmnRegFieldWidgets &row);

// What the row's editors show: equal before and after means the user changed nothing.
QVariantList CmnRegFieldEditorState(const CCmnRegFieldWidgets &row);

// The first choice equal to the text ignoring case; -1 for none.
int CmnRegChoiceIndex(const CCmnRegFieldDef &def, const QString &text);
