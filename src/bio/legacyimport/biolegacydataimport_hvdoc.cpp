#include "biolegacydataimport_hvdoc.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_entmatchdata.h"
#include "biolegacyschemas.h"
#include "biolegacyspeciesflags.h"

QString CBioLegacyDataImport_HvDoc::Load(QIODevice *device)
{
    CBioLegacyDataImport_Archive archive(device);
    if (!Read(archive))
        return QStringLiteral("invalid/unrecognized file format");
    return QString();
}

bool CBioLegacyDataImport_HvDoc::ReadHighlightRules(CBioLegacyDataImport_Archive &archive)
{
    quint32 rules = 0;
    if (!archive.ReadDWord(rules))
        return false;
    QByteArray text;
    quint32 dword = 0;
    for (quint32 i = 0; i < rules; ++i) {
        quint16 version = 0;
        if (!archive.ReadWord(version) || version > 2 || !archive.ReadString(text))
            return false;
        if (version >= 1 && (!archive.ReadDWord(dword) || !archive.ReadDWord(dword) || !archive.ReadString(text)))
            return false;
        if (version < 2)
            continue;
        quint32 items = 0;
        if (!archive.ReadDWord(items))
            return false;
        for (quint32 item = 0; item < items; ++item) {
            CBioLegacyDataImport_EntMatchData match;
            if (!archive.ExpectWord(0) || !match.Read(archive) || !archive.ExpectWord(0) || !archive.ReadDWord(dword)
                || !archive.ReadDWord(dword) || !archive.ReadDWord(dword))
                return false;
        }
    }
    return true;
}

bool CBioLegacyDataImport_HvDoc::Read(CBioLegacyDataImport_Archive &archive)
{
    quint16 version = 0;
    if (!archive.ExpectWord(0xFD13) || !archive.ReadWord(version) || version > 12)
        return false;
    archive.SetExtendedLists(version > 1);
    if (!archive.ReadString(m_SpeciesCode))
        return false;
    const EBioLegacyProduct product = BioLegacySetSpeciesFlags(m_SpeciesCode);
    if (product == EBioLegacyProduct::Unknown)
        return false;
    const bool halvane = product == EBioLegacyProduct::Halvane;
    SetDefaultNamedListCount(halvane ? 9 : 0);

    BuildLegacyContactSchema();
    if (BioLegacyConfigFlagIsSet("HAS_ANIMALS"))
        BuildLegacyAnimalSchema();
    if (halvane) {
        BuildLegacyMatingSchema();
        BuildLegacyVetRecSchema();
        BuildLegacyJabRecSchema();
        BuildLegacyTrialMatingSchema();
    }
    if (BioLegacyConfigFlagIsSet("HAS_APPTS"))
        BuildLegacyApptSchema();
    if (halvane) {
        BuildLegacyAcctSchema();
        if (BioLegacyConfigFlagIsSet("HAS_SHOWINGS"))
            BuildLegacyShowingSchema();
    }

    const int registers = !halvane ? 2 : (BioLegacyConfigFlagIsSet("HAS_SHOWINGS") ? 9 : 8);
    for (int kind = 0; kind < registers; ++kind)
        m_Regs[size_t(kind)].Init(this, &LegacySchemaOfKind(kind));

    quint32 dword = 0;
    quint8 byte = 0;
    QByteArray text;
    if (version >= 1 && !archive.ReadDWord(dword))
        return false;
    if (halvane) {
        quint8 first = 0;
        quint8 second = 0;
        if (!archive.ExpectWord(0) || !archive.ReadByte(first) || !archive.ReadDWord(m_HeaderValue)
            || !archive.ReadByte(second) || !archive.ReadString(m_HeaderText))
            return false;
        m_HeaderFirstFlag = first != 0;
        m_HeaderSecondFlag = second != 0;
        if (version > 1 && (!archive.ReadByte(byte) || !archive.ReadByte(byte)))
            return false;
    }
    if (version > 2 && !archive.ReadString(text))
        return false;
    if (version > 3) {
        QList<CBioLegacyStringPair> pairs;
        if (!archive.ReadByte(byte) || (byte != 0 && !archive.ReadStringPairList(pairs)))
            return false;
    }
    if (BioLegacyConfigFlagIsSet("HAS_HVRECTANCUSERHIGHLIGHT") && version > 11 && !ReadHighlightRules(archive))
        return false;
    return CBioLegacyDataImport_RegDoc::Read(archive);
}
