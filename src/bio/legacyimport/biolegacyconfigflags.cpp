#include "biolegacyconfigflags.h"

#include <QHash>

namespace {

struct ConfigFlagTable
{
    QHash<QByteArray, int> values;
    quint64 changes = 0;
};

ConfigFlagTable &Table()
{
    static ConfigFlagTable table;
    return table;
}

} // namespace

bool BioLegacyConfigFlagIsSet(const char *name)
{
    return Table().values.value(QByteArray(name), 0) != 0;
}

void BioLegacyConfigFlagSet(const char *name, int value)
{
    Table().values.insert(QByteArray(name), value);
    ++Table().changes;
}

void BioLegacyConfigFlagsClear()
{
    Table().values.clear();
    ++Table().changes;
}

quint64 BioLegacyConfigFlagsChangeCount()
{
    return Table().changes;
}

bool BioLegacyConfigConditionHolds(const QByteArray &condition)
{
    if (condition.isEmpty())
        return true;
    for (const QByteArray &term : condition.split('&')) {
        if (term.startsWith('!')) {
            if (BioLegacyConfigFlagIsSet(term.mid(1).constData()))
                return false;
            continue;
        }
        bool any = false;
        for (const QByteArray &name : term.split('|'))
            any = any || BioLegacyConfigFlagIsSet(name.constData());
        if (!any)
            return false;
    }
    return true;
}
