#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>

// The values of one legacy record to encode, by field id. A field of a group that has
// no entry here is stored as absent.
struct CTestLegacyRecord
{
    quint8 kindByte = 0;
    quint8 version = 0;
    int integerFlag = -1;            // -1: no flag byte
    QMap<int, int> booleans;         // 1 false, 2 true (absent fields are written 0)
    QMap<int, QByteArray> texts;     // plain text, or the token numbers for dictionary-coded fields
    QMap<int, QList<quint32>> tokens;
    QMap<int, QList<int>> dates;     // year, month, day
    QMap<int, int> times;            // minutes since midnight
    QMap<int, qint32> currency;
    QMap<int, qint32> references;
    QMap<int, qint64> integers;
};

// Encodes a record as the older programs store it, given the field ids of the seven
// groups (booleans, texts, dates, times, currency, references, integers) in their order.
// Dictionary-coded texts take their token numbers, written as 8-bit symbols (16-bit
// when a token is above 255) joined by single blanks.
QByteArray EncodeTestLegacyRecord(const CTestLegacyRecord &record, const QList<QList<int>> &groups);
