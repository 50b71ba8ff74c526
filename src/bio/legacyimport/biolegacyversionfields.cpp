#include "biolegacyversionfields.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_ent.h"
#include "biolegacyschematables.h"

#include <map>
#include <tuple>

namespace {

struct VersionFieldCache
{
    quint64 flagChanges = ~quint64(0);
    std::map<std::tuple<int, int, int>, CBioLegacyDataImport_FieldIdSet> lists;
};

} // namespace

const CBioLegacyDataImport_FieldIdSet &LegacyRecordVersionFields(int kind, EBioLegacyGroup group, int version)
{
    static const CBioLegacyDataImport_FieldIdSet empty;
    static VersionFieldCache cache;
    if (kind < 0 || kind >= BioLegacyKindCount || group < 0 || group >= BioLegacyGroupCount)
        return empty;
    if ((kind == BioLegacyKindContact || kind == BioLegacyKindAnimal) && !BioLegacyConfigFlagIsSet("APP_HV"))
        return empty;
    if (cache.flagChanges != BioLegacyConfigFlagsChangeCount()) {
        cache.lists.clear();
        cache.flagChanges = BioLegacyConfigFlagsChangeCount();
    }
    const auto key = std::make_tuple(kind, int(group), version);
    const auto found = cache.lists.find(key);
    if (found != cache.lists.end())
        return found->second;

    CBioLegacyDataImport_FieldIdSet &list = cache.lists[key];
    const CBioLegacySchemaTable *table = LegacySchemaTable(kind, false);
    if (table) {
        for (const CBioLegacyFieldRow &row :
             LegacyParseFieldRows(table->groups[group], *table, group == BioLegacyGroupBooleans)) {
            if (row.HeldBy(version) && BioLegacyConfigConditionHolds(row.condition))
                list.Add(row.id);
        }
    }
    list.BuildIndex();
    return list;
}
