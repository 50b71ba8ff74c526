#include "biolegacydataimport_entcomparedata.h"

#include "biolegacycriterionreading.h"

bool CBioLegacyDataImport_FieldCompareData::Read(CBioLegacyDataImport_Archive &archive, int refDepth)
{
    quint16 word = 0;
    quint8 byte = 0;
    quint32 value = 0;
    if (!archive.ExpectByte(0x83) || !archive.ExpectByte(0) || !archive.ReadWord(word) || !archive.ReadByte(byte))
        return false;
    switch (m_Kind) {
    case BioLegacyCriterionBOOL:
        return archive.ExpectByte(0x86) && archive.ExpectByte(0);
    case BioLegacyCriterionCurrency:
        return archive.ExpectByte(0x93) && archive.ExpectByte(0);
    case BioLegacyCriterionDate:
        return archive.ExpectByte(0x91) && archive.ExpectByte(0);
    case BioLegacyCriterionDynRef:
        return archive.ExpectByte(0x9A) && archive.ExpectByte(0);
    case BioLegacyCriterionInt:
        return archive.ExpectByte(0xA2) && archive.ExpectByte(0);
    case BioLegacyCriterionTimeOfDay:
        return archive.ExpectByte(0x9D) && archive.ExpectByte(0);
    case BioLegacyCriterionText:
        return archive.ExpectByte(0x84) && archive.ExpectByte(0) && archive.ReadDWord(value);
    case BioLegacyCriterionRef: {
        if (refDepth >= kBioLegacyMaxCriterionNesting || !archive.ExpectByte(0x85) || !archive.ExpectByte(0))
            return false;
        std::unique_ptr<CBioLegacyDataImport_FieldCompareData> nested;
        return ReadFieldCompareData(archive, nested, false, refDepth + 1);
    }
    default:
        return false;
    }
}

bool ReadFieldCompareData(CBioLegacyDataImport_Archive &archive,
                          std::unique_ptr<CBioLegacyDataImport_FieldCompareData> &criterion, bool nullAllowed,
                          int refDepth)
{
    return ReadLegacyCriterion(archive, 0x90, criterion, nullAllowed, refDepth, quint8(BioLegacyCriterionInt));
}

bool CBioLegacyDataImport_EntCompareData::Read(CBioLegacyDataImport_Archive &archive)
{
    return ReadLegacyCriterionArray(archive, 0xFD11, 0x87, m_Criteria, [](auto &in, auto &criterion) {
        return ReadFieldCompareData(in, criterion, false);
    });
}
