#pragma once

#include "cmnregnewfieldoptions.h"
#include "cmnsystemlocale.h"

#include <QList>
#include <QString>

class CCmnRegFieldsSettings;
class CCmnSettingsExchange;

// One optional standard field a new document may start with.
struct CBioNewRegStdField
{
    enum EFlags {
        Chosen = 0x1,
        // On the first entry of a group box: the box starts a new column.
        NewColumn = 0x2,
        // Joins the register's own fields when laid out, instead of keeping to its group.
        MainField = 0x10,
    };

    bool IsChosen() const { return m_Flags & Chosen; }
    void SetChosen(bool on) { m_Flags = on ? (m_Flags | Chosen) : (m_Flags & ~int(Chosen)); }

    int m_LayoutGroup = 0;
    int m_Position = 0;
    // Stable across releases: the remembered choice stores it.
    int m_Id = 0;
    qint32 m_Flags = 0;
    // The title of the group box this entry opens; empty for the others.
    QString m_GroupCaption;
    CCmnRegNewFieldOptions m_Description;
};

// The fields a breeder may tick for a new document, with the choice remembered
// from the last time. Accepting the choice replaces the user fields: the new
// document starts with the ticked fields only.
class CBioNewRegParams
{
public:
    // The whole catalogue at its defaults; the locale spells the colour fields.
    explicit CBioNewRegParams(const QLocale &locale = CmnSystemLocale());

    // The ticked entries become the user fields (ids from 1, in catalogue order),
    // placed in the field order and both record layouts; built-in fields stay.
    void ApplyToSettings(CCmnRegFieldsSettings &settings) const;

    // Loads or saves the remembered choice in the exchange's group. Loading applies
    // the unticked ids, then the ticked ones; a key never saved, a part that is no
    // number and an id of no entry change nothing.
    void Exchange(const CCmnSettingsExchange &group);

    // Ids of the entries ticked or not, in catalogue order.
    QList<int> Ids(bool chosen) const;

    qint32 m_TerminologyOnLastSave = 6;
    QList<CBioNewRegStdField> m_Entries;
};

// The settings group that remembers the choice.
QString BioNewRegParamsGroup();

// Fills the params with the 62 catalogue entries, in the order the dialog shows
// them, and the terminology value 6.
void BioStdFieldCatalogue(CBioNewRegParams &params, const QLocale &locale = CmnSystemLocale());
