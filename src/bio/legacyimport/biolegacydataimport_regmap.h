#pragma once

#include <QList>
#include <QtGlobal>

class CBioLegacyDataImport_Archive;

// 1048576 is the record id that means "no record".
constexpr qint32 kBioLegacyNoRecord = 1048576;

// The bitmap of the record ids in use in one legacy register: bit b of word w is
// record 32w + b.
class CBioLegacyDataImport_RegMap
{
public:
    static constexpr qint32 kMaxLastWord = 32767;
    static constexpr qint32 kMaxId = 1048575;

    virtual ~CBioLegacyDataImport_RegMap() = default;
    virtual bool Read(CBioLegacyDataImport_Archive &archive);

    void Clear();
    // For building maps in memory: the words, with the last word and highest id to match.
    void SetWords(const QList<quint32> &words, qint32 highestId = -1);

    // The smallest id in use that is at least from, or 1048576.
    qint32 NextId(qint32 from) const;
    bool Contains(qint32 id) const;
    quint32 CountIds();

    quint32 IdsInUse() const { return m_IdsInUse; }
    qint32 LastWord() const { return m_LastWord; }
    qint32 HighestId() const { return m_HighestId; }
    const QList<quint32> &Words() const { return m_Words; }

private:
    quint32 m_IdsInUse = 0;
    quint32 m_Number = 0;
    qint32 m_LastWord = -1;
    qint32 m_HighestId = -1;
    QList<quint32> m_Words;
};
