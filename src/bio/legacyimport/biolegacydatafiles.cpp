#include "biolegacydatafiles.h"

#include "cmnfilenames.h"

#include <QStringList>

namespace {

const QStringList &HvExtensions()
{
    static const QStringList extensions = {"bdb", "cdb", "vdb", "ddb", "adf", "hdb", "rdb", "rdf"};
    return extensions;
}

const QStringList &DmExtensions()
{
    static const QStringList extensions = {"cpd", "dpd", "gpd"};
    return extensions;
}

} // namespace

bool BioIsHvDataFileExtension(const QString &extension)
{
    return HvExtensions().contains(extension.toLower());
}

bool BioIsDmDataFileExtension(const QString &extension)
{
    return DmExtensions().contains(extension.toLower());
}

bool BioIsLegacyDataFileExtension(const QString &extension)
{
    return BioIsHvDataFileExtension(extension) || BioIsDmDataFileExtension(extension);
}

QString BioHvDataFilesFilter()
{
    return CmnFileDialogFilter(HvExtensions(), QStringLiteral("Halvane Data Files"));
}

QString BioDmDataFilesFilter()
{
    return CmnFileDialogFilter(DmExtensions(), QStringLiteral("Dunmarra Data Files"));
}
