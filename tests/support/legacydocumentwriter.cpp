#include "legacydocumentwriter.h"

#include "legacyfilewriter.h"

namespace {

void WriteMap(CTestLegacyWriter &w, const QList<quint32> &words)
{
    int count = 0;
    for (const quint32 word : words)
        count += __builtin_popcount(word);
    w.Tag8(0x8E, 0).BeginBlock().U32(quint32(count)).U32(0).U32(quint32(words.size() - 1))
        .U32(words.isEmpty() ? 0xFFFFFFFFu : quint32(words.size() * 32 - 1));
    for (const quint32 word : words)
        w.U32(word);
    w.EndBlock();
}

void WriteCluster(CTestLegacyWriter &w, const CTestLegacyRegister &reg, int word)
{
    QByteArray data;
    QList<quint32> offsets;
    for (int slot = 0; slot < 32; ++slot) {
        offsets.append(quint32(data.size()));
        const int id = word * 32 + slot;
        if (reg.records.contains(id))
            data.append(QByteArray(4, '\0'));
        offsets.append(quint32(data.size()));
        data.append(reg.records.value(id));
    }
    offsets.append(quint32(data.size()));
    w.Tag16(0xFD07, 0).BeginBlock().U8(2);
    for (const quint32 offset : offsets)
        w.U32(offset);
    w.EndBlock().DataBlock(data);
}

void WriteRegister(CTestLegacyWriter &w, const CTestLegacyRegister &reg, bool halvane)
{
    const quint16 version = halvane ? 6 : 5;
    QList<quint32> words;
    for (auto it = reg.records.cbegin(); it != reg.records.cend(); ++it) {
        const int word = it.key() / 32;
        while (words.size() <= word)
            words.append(0);
        words[word] |= 1u << (it.key() % 32);
    }
    w.Tag16(0xFD05, version).U32(0);
    WriteMap(w, words);
    if (halvane) {
        w.DWordVector({}).U32(0).U8(1).U32(0).U8(0);
        WriteMap(w, {});
        w.U8(0xA7).U8(0).U32(0);
    }
    for (int word = 0; word < words.size(); ++word) {
        if (words.at(word) != 0) {
            w.U32(quint32(word));
            WriteCluster(w, reg, word);
        }
    }
    w.U16(0).StringPairList(reg.pairs);
    w.Tag16(0xFD12, 0).U8(0x8C).U8(0).U16(0).U32(0).U8(0x8F).U8(0).U8(0);
    w.U32(0);
    if (halvane)
        w.U32(0);
    w.FieldIdSet(reg.dictionaryIds);
    for (const QList<QByteArray> &tokens : reg.dictionaries)
        w.TokenStore(tokens);
    w.U8(1).U16(0).StringPairList({});
    w.U8(0xA4).U8(0).BeginBlock().EndBlock();
    if (reg.animal) {
        w.U8(0xA5).U8(0).BeginBlock().Tag16(0xFD09, 0).DWordVector({}).Tag16(0xFD09, 0).DWordVector({});
        if (halvane)
            w.BOOLArray({});
        w.EndBlock();
    }
}

} // namespace

QByteArray WriteTestLegacyFile(const QByteArray &species, bool halvane, const QList<CTestLegacyRegister> &registers,
                               quint16 documentVersion)
{
    CTestLegacyWriter w;
    w.Tag16(0xFD13, documentVersion).String(species);
    if (documentVersion >= 1)
        w.U32(0);
    if (halvane) {
        w.U16(0).U8(1).U32(1).U8(0).String("");
        if (documentVersion > 1)
            w.U8(0).U8(0);
    }
    if (documentVersion > 2)
        w.String("");
    if (documentVersion > 3)
        w.U8(0);
    if (halvane && documentVersion > 11)
        w.U32(0);
    // The register document: version 6, no named lists.
    w.Tag16(0xFD0C, 6).U8(0);
    if (halvane)
        w.U8(0).U8(0).U8(1).U32(0).U8(1).U32(0);
    for (const CTestLegacyRegister &reg : registers)
        WriteRegister(w, reg, halvane);
    if (halvane)
        w.U16(0);
    w.U32(0).StringPairList({});
    return w.Bytes();
}
