#include "legacyfuzzharness.h"

#include "../reg/bioregtesting.h"
#include "biolegacyimportparams.h"
#include "biolegacyregimport.h"

#include "biolegacydataimport_bitset.h"
#include "biolegacydataimport_boolarray.h"
#include "biolegacydataimport_entmatchdata.h"
#include "biolegacydataimport_fieldidset.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacydataimport_recordiditerator.h"
#include "biolegacydataimport_regmap.h"
#include "biolegacydataimport_tokenstore.h"
#include "legacyarchivetesting.h"


namespace {

bool ReadOnce(CBioLegacyDataImport_Archive &archive, int reader)
{
    switch (reader) {
    case LegacyFuzzString: {
        QByteArray text;
        return archive.ReadString(text);
    }
    case LegacyFuzzOptionals: {
        quint32 value = 0;
        bool present = false;
        CBioLegacyDate date;
        CBioLegacyTimeOfDay time;
        return archive.ReadOptionalDWord(value, present) && archive.ReadOptionalDate(date)
            && archive.ReadTimeOfDay(time);
    }
    case LegacyFuzzStringLists: {
        QList<QByteArray> strings;
        QList<CBioLegacyStringPair> pairs;
        return archive.ReadStringVector(strings) && archive.ReadStringPairList(pairs) && archive.ReadNamedLists();
    }
    case LegacyFuzzBlocks: {
        QByteArray bytes;
        quint16 word = 0;
        return archive.ReadByteBlock(bytes) && archive.ReadDataBlock(bytes) && archive.BeginBlock()
            && archive.ReadWord(word) && archive.EndBlock() && archive.ReadTaggedDWordVector();
    }
    case LegacyFuzzItemVector: {
        CBioLegacyDataImport_SignedItemVector vector;
        if (!vector.Read(archive))
            return false;
        for (quint32 k = 0; k <= vector.Count() && k < 4096; ++k)
            (void)vector.Item(k);
        return true;
    }
    case LegacyFuzzTokenStore: {
        CBioLegacyDataImport_TokenStore store;
        if (!store.Read(archive))
            return false;
        QByteArray text;
        for (quint32 token = 0; token <= store.TokenCount(); ++token)
            (void)store.Lookup(token, text);
        return true;
    }
    case LegacyFuzzBitArrays: {
        CBioLegacyDataImport_BOOLArray bools;
        CBioLegacyDataImport_BitSet bits;
        return bools.Read(archive) && bits.Read(archive);
    }
    case LegacyFuzzFieldIdSet: {
        CBioLegacyDataImport_FieldIdSet set;
        return set.Read(archive);
    }
    case LegacyFuzzCompareData: {
        CBioLegacyDataImport_EntCompareData compare;
        return compare.Read(archive);
    }
    case LegacyFuzzMatchData: {
        CBioLegacyDataImport_EntMatchData match;
        std::unique_ptr<CBioLegacyDataImport_FieldMatchData> extra;
        return match.Read(archive) && ReadFieldMatchData(archive, extra, true);
    }
    case LegacyFuzzRegMap: {
        CBioLegacyDataImport_RegMap map;
        if (!map.Read(archive))
            return false;
        for (qint32 id = map.NextId(0), steps = 0; id != kBioLegacyNoRecord && steps < 4096; ++steps)
            id = map.NextId(id + 1);
        return true;
    }
    default:
        return false;
    }
}

} // namespace

int LegacyFuzzArchiveReaders(const QByteArray &input)
{
    if (input.isEmpty())
        return 0;
    const quint8 selector = quint8(input.at(0));
    // The high bits pick a small buffer now and then, so that reads cross refills.
    const qint64 capacity = (selector & 0x80) ? 1 + (selector >> 4 & 0x7) : CBioLegacyDataImport_Archive::kDefaultCapacity;
    CLegacyTestArchive archive(input.mid(1), capacity);
    archive->SetExtendedLists(selector & 0x40);
    int reads = 0;
    while (reads < 256 && ReadOnce(*archive, (selector & 0x0F) % LegacyFuzzReaderCount))
        ++reads;
    return reads;
}

int LegacyFuzzDocument(const QByteArray &input)
{
    QByteArray bytes = input;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CBioLegacyDataImport_HvDoc doc;
    if (!doc.Load(&buffer).isEmpty())
        return 0;
    int decoded = 0;
    for (int kind = 0; kind < doc.RegisterCount(); ++kind) {
        CBioLegacyDataImport_Reg *reg = doc.RegisterOfKind(kind);
        CBioLegacyDataImport_RecordIdIterator ids;
        ids.Init(nullptr);
        for (qint32 id = ids.First(&reg->Map()); id != kBioLegacyNoRecord; id = ids.Next()) {
            if (reg->GetEntity(id))
                ++decoded;
            if (decoded % 1000 == 0)
                reg->TrimCache();
        }
    }

    // Then the import itself, with every field the file offers chosen.
    CBioLegacyImportParams params;
    const CCmnRegFieldContextMask none;
    params.DiscoverFields(doc, none, none, none, none, none);
    for (QList<CBioLegacyImportField> &fields : params.m_Fields)
        for (CBioLegacyImportField &field : fields)
            field.SetSelected(true);
    params.m_UseLongTitles = 1;
    CBioReg animals(BioTestDefaultFieldsSettings());
    QStringList messages;
    static_cast<void>(BioRegImportLegacyData(animals, nullptr, &messages, doc, params));
    return decoded;
}
