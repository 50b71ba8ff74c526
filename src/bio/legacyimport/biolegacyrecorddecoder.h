#pragma once

#include <QByteArray>

class CBioLegacyDataImport_Ent;
class CBioLegacyDataImport_CurrencyFieldVal;
class CBioLegacyDataImport_DateFieldVal;
class CBioLegacyDataImport_IntFieldVal;
class CBioLegacyDataImport_TextFieldVal;
class CBioLegacyDataImport_TimeOfDayFieldVal;
class CBioLegacyTokenStores;

// Decodes one stored record, a run of bytes inside a cluster's data block, into the
// entity's values: the header, then the seven storage groups in their fixed order, with
// the field lists of the record's version. Values decoded before a failure stay; the
// missing booleans get their defaults either way. False when the bytes are damaged or
// any byte is left over.
bool LegacyDecodeRecord(CBioLegacyDataImport_Ent &entity, const CBioLegacyTokenStores &dictionary,
                        const QByteArray &data, qint64 start, qint64 length);

// Value decoders: the bytes taken from those left, 0 on failure.
qint64 LegacyDecodeDate(CBioLegacyDataImport_DateFieldVal &value, const uchar *bytes, qint64 left);
qint64 LegacyDecodeTimeOfDay(CBioLegacyDataImport_TimeOfDayFieldVal &value, const uchar *bytes, qint64 left);
qint64 LegacyDecodeCurrency(CBioLegacyDataImport_CurrencyFieldVal &value, const uchar *bytes, qint64 left);
qint64 LegacyDecodeInt(CBioLegacyDataImport_IntFieldVal &value, const uchar *bytes, qint64 left);
qint64 LegacyDecodeText(CBioLegacyDataImport_TextFieldVal &value, const CBioLegacyTokenStores &dictionary,
                        const uchar *bytes, qint64 left);

// The 64 characters of the older programs' 6-bit text.
extern const char kLegacySixBitAlphabet[65];
