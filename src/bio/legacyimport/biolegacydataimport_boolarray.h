#pragma once

#include <QByteArray>
#include <QtGlobal>

class CBioLegacyDataImport_Archive;

// A packed array of booleans, least significant bit first, with its count of true values.
class CBioLegacyDataImport_BOOLArray
{
public:
    bool Read(CBioLegacyDataImport_Archive &archive);
    // Keeps existing values, clears new ones and recounts the true values.
    void Resize(quint32 count);

    quint32 Count() const { return m_Count; }
    bool Value(quint32 i) const;
    quint32 TrueCount() const { return m_TrueCount; }
    // The count of true values as the file states it; never checked.
    quint32 StoredTrueCount() const { return m_StoredTrueCount; }

private:
    void Recount();

    QByteArray m_Bits;
    quint32 m_Count = 0;
    quint32 m_TrueCount = 0;
    quint32 m_StoredTrueCount = 0;
};
