#pragma once

#include <QByteArray>
#include <QList>

class CBioLegacyDataImport_TokenStore;

// One dictionary-coded text as stored: a literal run of bytes, or token numbers of the
// field's dictionary with the blanks between them.
class CBioLegacyPackedText
{
public:
    // The bytes taken from the bytes left, 0 when the value is damaged or runs short.
    qint64 Parse(const uchar *bytes, qint64 left);
    bool Expand(QByteArray &text, const CBioLegacyDataImport_TokenStore &store) const;

private:
    bool m_Literal = false;
    QByteArray m_LiteralText;
    QList<quint32> m_Symbols;
    QList<int> m_Blanks;   // after each symbol but the last
};
