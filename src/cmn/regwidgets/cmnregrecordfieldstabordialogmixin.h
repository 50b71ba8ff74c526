#pragma once

#include "cmnregfieldedititem.h"

#include <QHash>
#include <QList>

class CCmnDataExchange;
class CCmnReg;
class CCmnRegRecord;
class QWidget;

// What the record window's editable tabs and the select window's key-field panel
// share: a row of widgets per field, made by the editor factory, and the moving
// of values between those rows and a record.
class CCmnRegRecordFieldsTabOrDialogMixin
{
public:
    enum ECreateFlags {
        HelpNamesIfEditable = 0x1,
        HelpNames = 0x2,
    };

    // One row per field id that names a field, in order, into the column rows and
    // the item list; widgets get the parent.
    void CreateFieldEditors(int flags, CCmnReg *reg, const QList<int> &fieldIds, const QHash<int, int> &columnStarts,
                            QWidget *parent);
    // Identity and special fields only show their values. Any other field is
    // loaded from the record or saved into it; a save stops at the first editor
    // that refuses. A field whose editors show what the load put there keeps its
    // stored value exactly: the editors' rounding or trimming changes nothing the
    // user did not change.
    [[nodiscard]] bool ExchangeValues(CCmnDataExchange &exchange, int recordId, CCmnRegRecord *record);
    // Every row shows the record's value in its one-line form, for a panel that
    // only displays.
    void ShowRecordValues(int recordId);

    bool m_Editable = true;
    QList<CCmnRegFieldEditItem> m_Items;
    CCmnReg *m_Reg = nullptr;
    QList<int> m_FieldIds;
    QHash<int, int> m_ColumnStarts;
    QList<CCmnRegFieldWidgets> m_FullWidthRows;
    QList<CCmnRegFieldWidgets> m_ColumnRows;

private:
    bool IsDisplayOnly(int fieldId) const;
    void ShowValue(const CCmnRegFieldEditItem &item, int recordId, int mode) const;
};
