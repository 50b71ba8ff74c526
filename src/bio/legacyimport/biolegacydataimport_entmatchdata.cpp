#include "biolegacydataimport_entmatchdata.h"

#include "biolegacycriterionreading.h"

namespace {

// A tag byte and a version byte below the given limit.
bool ReadTagVersion(CBioLegacyDataImport_Archive &archive, quint8 tag, quint8 versionLimit, quint8 &version)
{
    return archive.ExpectByte(tag) && archive.ReadByte(version) && version < versionLimit;
}

} // namespace

bool CBioLegacyDataImport_FieldMatchData::Read(CBioLegacyDataImport_Archive &archive, int refDepth)
{
    quint8 version = 0;
    quint8 byte = 0;
    quint16 word = 0;
    quint32 value = 0;
    if (!ReadTagVersion(archive, 0x88, 2, version) || !archive.ReadWord(word) || !archive.ReadByte(byte))
        return false;
    switch (m_Kind) {
    case BioLegacyCriterionBOOL:
        return ReadTagVersion(archive, 0x8B, 1, version) && archive.ReadByte(byte);
    case BioLegacyCriterionCurrency: {
        bool present = false;
        if (!ReadTagVersion(archive, 0x94, 2, version) || !archive.ReadByte(byte))
            return false;
        return version == 1 ? archive.ReadOptionalDWord(value, present) : archive.ReadDWord(value);
    }
    case BioLegacyCriterionDate: {
        if (!ReadTagVersion(archive, 0x92, 2, version) || !archive.ReadByte(byte))
            return false;
        if (version == 1) {
            CBioLegacyDate date;
            return archive.ReadOptionalDate(date);
        }
        return archive.ReadWord(word) && archive.ReadByte(byte) && archive.ReadByte(byte);
    }
    case BioLegacyCriterionDynRef:
        return ReadTagVersion(archive, 0x9B, 1, version) && archive.ReadDWord(value);
    case BioLegacyCriterionInt:
        return ReadTagVersion(archive, 0xA3, 1, version) && archive.ReadByte(byte) && archive.ReadDWord(value);
    case BioLegacyCriterionText: {
        QByteArray text;
        return ReadTagVersion(archive, 0x89, 2, version) && archive.ReadDWord(value) && archive.ReadString(text);
    }
    case BioLegacyCriterionTimeOfDay: {
        CBioLegacyTimeOfDay time;
        return ReadTagVersion(archive, 0x9E, 1, version) && archive.ReadByte(byte) && archive.ReadTimeOfDay(time);
    }
    case BioLegacyCriterionRef: {
        if (refDepth >= kBioLegacyMaxCriterionNesting || !ReadTagVersion(archive, 0x8A, 1, version))
            return false;
        std::unique_ptr<CBioLegacyDataImport_FieldMatchData> nested;
        return ReadFieldMatchData(archive, nested, false, refDepth + 1);
    }
    default:
        return false;
    }
}

bool ReadFieldMatchData(CBioLegacyDataImport_Archive &archive,
                        std::unique_ptr<CBioLegacyDataImport_FieldMatchData> &criterion, bool nullAllowed,
                        int refDepth)
{
    return ReadLegacyCriterion(archive, 0x8F, criterion, nullAllowed, refDepth, quint8(BioLegacyCriterionInt));
}

bool CBioLegacyDataImport_EntMatchData::Read(CBioLegacyDataImport_Archive &archive)
{
    m_Flag = false;
    quint32 flag = 0;
    const bool read = ReadLegacyCriterionArray(archive, 0xFD12, 0x8C, m_Criteria, [](auto &in, auto &criterion) {
        return ReadFieldMatchData(in, criterion, false);
    });
    if (!read || !archive.ReadDWord(flag))
        return false;
    m_Flag = flag != 0;
    return true;
}
