#include "bionewregparams.h"

#include "cmnregfieldssettings.h"
#include "cmnreguserfieldset.h"
#include "cmnsettingsexchange.h"
#include "cmntext.h"

namespace {

const QString kNewRegParamsNotStored = QStringLiteral("!");

} // namespace

QString BioNewRegParamsGroup()
{
    return QStringLiteral("newbioregparams");
}

CBioNewRegParams::CBioNewRegParams(const QLocale &locale)
{
    BioStdFieldCatalogue(*this, locale);
}

QList<int> CBioNewRegParams::Ids(bool chosen) const
{
    QList<int> ids;
    for (const CBioNewRegStdField &entry : m_Entries)
        if (entry.IsChosen() == chosen)
            ids << entry.m_Id;
    return ids;
}

void CBioNewRegParams::ApplyToSettings(CCmnRegFieldsSettings &settings) const
{
    CCmnRegFieldsSettings copy = settings;
    CCmnRegUserFieldSet fields;
    int nextId = 1;
    QList<CCmnRegNewFieldPlacement> placements;
    for (const CBioNewRegStdField &entry : m_Entries) {
        if (!entry.IsChosen())
            continue;
        const int id = nextId++;
        const CCmnRegNewFieldOptions &description = entry.m_Description;
        if (fields.AddField(description.m_Name,
                            CCmnRegUserField(id, description.MakeFieldDef(), description.m_Contexts))
            < 0)
            continue;
        placements.append({entry.m_LayoutGroup, entry.m_Position, id,
                           entry.m_Flags & CBioNewRegStdField::MainField
                               ? int(CCmnRegNewFieldPlacement::JoinFlow)
                               : 0});
    }
    // Whatever user fields the settings held make way for the chosen ones.
    copy.SetUserFields(fields);
    copy.PlaceNewFields(placements);
    settings = copy;
}

void CBioNewRegParams::Exchange(const CCmnSettingsExchange &group)
{
    group.ExchangeInt(QStringLiteral("terminologyonlastsave"), m_TerminologyOnLastSave, 6);
    if (group.IsSave()) {
        QString enabled = CmnJoinInts(Ids(true), QStringLiteral(","));
        QString disabled = CmnJoinInts(Ids(false), QStringLiteral(","));
        group.ExchangeString(QStringLiteral("enabledfields"), enabled, QString());
        group.ExchangeString(QStringLiteral("disabledfields"), disabled, QString());
        return;
    }
    // The unticked ids first, so that an id in both lists ends up ticked.
    for (const bool chosen : {false, true}) {
        QString stored;
        group.ExchangeString(chosen ? QStringLiteral("enabledfields") : QStringLiteral("disabledfields"), stored,
                             kNewRegParamsNotStored);
        if (stored == kNewRegParamsNotStored)
            continue;
        for (const int id : CmnSplitToInts(stored, QStringLiteral(","))) {
            for (CBioNewRegStdField &entry : m_Entries) {
                if (entry.m_Id == id) {
                    entry.SetChosen(chosen);
                    break;
                }
            }
        }
    }
}
