#include "biolegacydataimport_regdoc.h"

#include "biolegacyconfigflags.h"

bool ReadLegacyNamedListItems(CBioLegacyDataImport_Archive &archive, quint32 count)
{
    for (quint32 i = 0; i < count; ++i) {
        if (!archive.ReadNamedLists())
            return false;
    }
    return true;
}

bool CBioLegacyDataImport_RegDoc::Read(CBioLegacyDataImport_Archive &archive)
{
    quint16 version = 0;
    if (!archive.ExpectWord(0xFD0C) || !archive.ReadWord(version) || version > 6)
        return false;
    // Before version 6 the marker is not stored and is taken as 1.
    quint8 marker = 1;
    if (version == 6 && !archive.ReadByte(marker))
        return false;
    if (marker != 0) {
        quint32 count = quint32(m_DefaultNamedListCount);
        quint16 stored = 0;
        if (version != 0) {
            if (!archive.ReadWord(stored))
                return false;
            count = stored;
        }
        if (!ReadLegacyNamedListItems(archive, count))
            return false;
    }
    if (BioLegacyConfigFlagIsSet("APP_HV") && version >= 5) {
        quint8 byte = 0;
        QByteArray block;
        if (!archive.ExpectByte(0) || !archive.ReadByte(byte) || !archive.ReadByteBlock(block)
            || !archive.ReadByteBlock(block))
            return false;
    }
    for (CBioLegacyDataImport_Reg *reg : m_Registers) {
        if (!reg->Read(archive))
            return false;
    }
    if (BioLegacyConfigFlagIsSet("HAS_AUTOCOMPLETION")) {
        QList<QByteArray> strings;
        if (!archive.ReadStringVector(strings))
            return false;
    }
    quint32 dword = 0;
    QList<CBioLegacyStringPair> pairs;
    return (version < 3 || archive.ReadDWord(dword)) && (version < 4 || archive.ReadStringPairList(pairs));
}
