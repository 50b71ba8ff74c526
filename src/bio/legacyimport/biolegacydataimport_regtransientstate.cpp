#include "biolegacydataimport_regtransientstate.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_archive.h"
#include "biolegacydataimport_boolarray.h"

bool CBioLegacyDataImport_RegTransientState::Read(CBioLegacyDataImport_Archive &archive)
{
    return archive.ExpectByte(0xA4) && archive.ExpectByte(0) && archive.BeginBlock() && archive.EndBlock();
}

bool CBioLegacyDataImport_AnimalRegTransientState::Read(CBioLegacyDataImport_Archive &archive)
{
    if (!CBioLegacyDataImport_RegTransientState::Read(archive) || !archive.ExpectByte(0xA5) || !archive.ExpectByte(0))
        return false;
    if (!BioLegacyConfigFlagIsSet("HAS_ANIMALS_COI"))
        return true;
    if (!archive.BeginBlock() || !archive.ReadTaggedDWordVector() || !archive.ReadTaggedDWordVector())
        return false;
    CBioLegacyDataImport_BOOLArray locks;
    if (BioLegacyConfigFlagIsSet("HAS_ANIMAL_INBREEDINGLOCK") && !locks.Read(archive))
        return false;
    return archive.EndBlock();
}
