#include "biolegacyrecorddecoder.h"

#include "biolegacybitreader.h"
#include "biolegacydataimport_ent.h"
#include "biolegacypackedtext.h"
#include "biolegacytokenstores.h"

const char kLegacySixBitAlphabet[65] = " abcdefghijklmnopqrstuvwyABCDEFGHIJKLMNOPRSTUVWY0123456789,.+;\n\r";

namespace {

constexpr qint64 kNullInteger = 1000000000;

quint16 Word(const uchar *bytes)
{
    return quint16(bytes[0] | (bytes[1] << 8));
}

qint32 SignedDWord(const uchar *bytes)
{
    return qint32(quint32(bytes[0]) | (quint32(bytes[1]) << 8) | (quint32(bytes[2]) << 16)
                  | (quint32(bytes[3]) << 24));
}

void MarkNull(CBioLegacyDataImport_Ent &entity, int id)
{
    if (CBioLegacyDataImport_FieldVal *value = entity.FindValue(id))
        value->SetNull(true);
}

template<typename Value>
Value *TypedValue(CBioLegacyDataImport_Ent &entity, int id, EBioLegacyValueKind kind)
{
    CBioLegacyDataImport_FieldVal *value = entity.GetValue(id);
    return value && value->Kind() == kind ? static_cast<Value *>(value) : nullptr;
}

qint64 DecodeBooleans(CBioLegacyDataImport_Ent &entity, const CBioLegacyDataImport_FieldIdSet &ids,
                      const uchar *bytes, qint64 left)
{
    CBioLegacyBitReader reader(bytes, left);
    for (const int id : ids.Ids()) {
        quint32 code = 0;
        if (!reader.ReadBits(code, 2))
            return 0;
        if (code == 0) {
            MarkNull(entity, id);
        } else if (code != 3) {
            auto *value = TypedValue<CBioLegacyDataImport_BOOLFieldVal>(entity, id, EBioLegacyValueKind::Bool);
            if (!value)
                return 0;
            value->value = code == 2;
            value->SetNull(false);
        }
    }
    return reader.BytesTouched();
}

qint64 DecodeReferences(CBioLegacyDataImport_Ent &entity, const CBioLegacyDataImport_FieldIdSet &ids,
                        const uchar *bytes, qint64 left)
{
    CBioLegacyBitReader reader(bytes, left);
    for (const int id : ids.Ids()) {
        quint32 present = 0;
        if (!reader.ReadBits(present, 1))
            return 0;
        if (!present) {
            MarkNull(entity, id);
            continue;
        }
        quint32 recordId = 0;
        auto *value = TypedValue<CBioLegacyDataImport_RefFieldVal>(entity, id, EBioLegacyValueKind::Ref);
        if (!value || !reader.ReadBits(recordId, 20))
            return 0;
        value->value = qint32(recordId);
        value->SetNull(false);
    }
    return reader.BytesTouched();
}

// Gives a value the placeholder of its kind that the second pass overwrites.
bool SetPlaceholder(CBioLegacyDataImport_FieldVal &value)
{
    switch (value.Kind()) {
    case EBioLegacyValueKind::Text:
        static_cast<CBioLegacyDataImport_TextFieldVal &>(value).text = "x";
        break;
    case EBioLegacyValueKind::Date:
        static_cast<CBioLegacyDataImport_DateFieldVal &>(value).date = CBioLegacyDate {1999, 1, 1};
        break;
    case EBioLegacyValueKind::TimeOfDay:
        static_cast<CBioLegacyDataImport_TimeOfDayFieldVal &>(value).SetMinutes(0);
        break;
    case EBioLegacyValueKind::Currency: {
        auto &currency = static_cast<CBioLegacyDataImport_CurrencyFieldVal &>(value);
        currency.amount = 0;
        currency.set = 1;
        break;
    }
    case EBioLegacyValueKind::Int:
        static_cast<CBioLegacyDataImport_IntFieldVal &>(value).value = 0;
        break;
    default:
        return false;
    }
    value.SetNull(false);
    return true;
}

qint64 DecodeValue(CBioLegacyDataImport_FieldVal &value, const CBioLegacyTokenStores &dictionary, const uchar *bytes,
                   qint64 left)
{
    switch (value.Kind()) {
    case EBioLegacyValueKind::Text:
        return LegacyDecodeText(static_cast<CBioLegacyDataImport_TextFieldVal &>(value), dictionary, bytes, left);
    case EBioLegacyValueKind::Date:
        return LegacyDecodeDate(static_cast<CBioLegacyDataImport_DateFieldVal &>(value), bytes, left);
    case EBioLegacyValueKind::TimeOfDay:
        return LegacyDecodeTimeOfDay(static_cast<CBioLegacyDataImport_TimeOfDayFieldVal &>(value), bytes, left);
    case EBioLegacyValueKind::Currency:
        return LegacyDecodeCurrency(static_cast<CBioLegacyDataImport_CurrencyFieldVal &>(value), bytes, left);
    case EBioLegacyValueKind::Int:
        return LegacyDecodeInt(static_cast<CBioLegacyDataImport_IntFieldVal &>(value), bytes, left);
    default:
        return 0;
    }
}

qint64 DecodeBitmapGroup(CBioLegacyDataImport_Ent &entity, const CBioLegacyDataImport_FieldIdSet &ids,
                         const CBioLegacyTokenStores &dictionary, const uchar *bytes, qint64 left)
{
    const qint64 bitmapBytes = (qint64(ids.Count()) + 7) / 8;
    if (bitmapBytes > left)
        return 0;
    for (int i = 0; i < ids.Count(); ++i) {
        const int id = ids.At(i);
        if (bytes[i / 8] & (0x80 >> (i % 8))) {
            CBioLegacyDataImport_FieldVal *value = entity.GetValue(id);
            if (!value || !SetPlaceholder(*value))
                return 0;
        } else {
            MarkNull(entity, id);
        }
    }
    qint64 taken = bitmapBytes;
    for (const int id : ids.Ids()) {
        CBioLegacyDataImport_FieldVal *value = entity.FindValue(id);
        if (!value || value->IsNull())
            continue;
        const qint64 used = DecodeValue(*value, dictionary, bytes + taken, left - taken);
        if (used == 0)
            return 0;
        taken += used;
    }
    return taken;
}

} // namespace

qint64 LegacyDecodeDate(CBioLegacyDataImport_DateFieldVal &value, const uchar *bytes, qint64 left)
{
    if (left < 2)
        return 0;
    const int year = Word(bytes);
    if (year == 0) {
        value.date.Clear();
        value.SetNull(true);
        return 2;
    }
    if (left < 4)
        return 0;
    // Day before month, unlike the dates of saved searches.
    value.date = CBioLegacyDate {year, bytes[3], bytes[2]};
    value.SetNull(false);
    return 4;
}

qint64 LegacyDecodeTimeOfDay(CBioLegacyDataImport_TimeOfDayFieldVal &value, const uchar *bytes, qint64 left)
{
    if (left < 2)
        return 0;
    const int stored = Word(bytes);
    if (stored == 0) {
        value.SetMinutes(-1);
        return 2;
    }
    const int minutes = stored - 1;
    CBioLegacyTimeOfDay time;
    if (!time.Set(minutes / 60, minutes % 60))
        return 0;
    value.SetMinutes(time.Minutes());
    return 2;
}

qint64 LegacyDecodeCurrency(CBioLegacyDataImport_CurrencyFieldVal &value, const uchar *bytes, qint64 left)
{
    if (left < 1)
        return 0;
    if (bytes[0] == 0) {
        value.SetNull(true);
        return 1;
    }
    if (left < 5)
        return 0;
    value.amount = SignedDWord(bytes + 1);
    value.set = 1;
    value.SetNull(false);
    return 5;
}

qint64 LegacyDecodeInt(CBioLegacyDataImport_IntFieldVal &value, const uchar *bytes, qint64 left)
{
    if (left < 1)
        return 0;
    const quint8 lead = bytes[0];
    qint64 magnitude = 0;
    qint64 taken = 1;
    switch (lead & 0x60) {
    case 0x00:
        magnitude = lead & 0x1F;
        break;
    case 0x20:
        value.SetNull(true);
        return 1;
    case 0x40:
        if (left < 2)
            return 0;
        magnitude = (lead & 0x1F) + 32 * qint64(bytes[1]);
        taken = 2;
        break;
    default:
        if (left < 5)
            return 0;
        magnitude = SignedDWord(bytes + 1);
        taken = 5;
        break;
    }
    // In 64 bits, so that negating the most negative stored number is defined; its
    // negation wraps back to that number, as the older programs showed it.
    const qint64 number = (lead & 0x80) ? -magnitude : magnitude;
    if (number == kNullInteger) {
        value.SetNull(true);
        return taken;
    }
    value.value = qint32(quint32(quint64(number)));
    value.SetNull(false);
    return taken;
}

qint64 LegacyDecodeText(CBioLegacyDataImport_TextFieldVal &value, const CBioLegacyTokenStores &dictionary,
                        const uchar *bytes, qint64 left)
{
    if (const CBioLegacyDataImport_TokenStore *store = dictionary.StoreOf(value.FieldId())) {
        CBioLegacyPackedText packed;
        const qint64 taken = packed.Parse(bytes, left);
        if (taken == 0 || !packed.Expand(value.text, *store))
            return 0;
        value.SetNull(value.text.isEmpty());
        return taken;
    }
    if (left < 1)
        return 0;
    const quint8 lead = bytes[0];
    if (lead == 0) {
        value.text.clear();
        value.SetNull(true);
        return 1;
    }
    if (lead == 255) {
        if (left < 5)
            return 0;
        const qint64 length = quint32(SignedDWord(bytes + 1));
        if (length > left - 5)
            return 0;
        value.text = QByteArray(reinterpret_cast<const char *>(bytes + 5), length);
        value.SetNull(false);
        return 5 + length;
    }
    if (lead >= 128) {
        const qint64 length = lead - 128;
        if (length > left - 1)
            return 0;
        value.text = QByteArray(reinterpret_cast<const char *>(bytes + 1), length);
        value.SetNull(false);
        return 1 + length;
    }
    const int characters = lead - 1;
    CBioLegacyBitReader reader(bytes + 1, left - 1);
    QByteArray text;
    text.reserve(characters);
    for (int i = 0; i < characters; ++i) {
        quint32 symbol = 0;
        if (!reader.ReadBits(symbol, 6))
            return 0;
        text.append(kLegacySixBitAlphabet[symbol]);
    }
    value.text = text;
    value.SetNull(false);
    return 1 + reader.BytesTouched();
}

bool LegacyDecodeRecord(CBioLegacyDataImport_Ent &entity, const CBioLegacyTokenStores &dictionary,
                        const QByteArray &data, qint64 start, qint64 length)
{
    if (start < 0 || length <= 0 || start > data.size() || length > data.size() - start)
        return false;
    const CBioLegacyDataImport_EntSchema &schema = *entity.Schema();
    const uchar *bytes = reinterpret_cast<const uchar *>(data.constData()) + start;
    qint64 left = length;
    if (bytes[0] != schema.RecordKindByte() || left < 2)
        return false;
    const quint8 version = bytes[1];
    if (version > schema.NewestVersion())
        return false;
    qint64 pos = 2;
    quint8 integerFlag = 0;
    if (version > schema.ThresholdVersion()) {
        if (pos >= left || bytes[pos] > 1)
            return false;
        integerFlag = bytes[pos++];
    }

    bool ok = true;
    for (int group = 0; group < BioLegacyGroupCount && ok; ++group) {
        const EBioLegacyGroup which = EBioLegacyGroup(group);
        const CBioLegacyDataImport_FieldIdSet &ids = version < schema.NewestVersion()
            ? entity.RecordVersionFields(which, version)
            : schema.Group(which);
        if (ids.IsEmpty())
            continue;
        if (which == BioLegacyGroupIntegers && integerFlag != 1) {
            ok = false;
            break;
        }
        qint64 taken = 0;
        if (which == BioLegacyGroupBooleans)
            taken = DecodeBooleans(entity, ids, bytes + pos, left - pos);
        else if (which == BioLegacyGroupReferences)
            taken = DecodeReferences(entity, ids, bytes + pos, left - pos);
        else
            taken = DecodeBitmapGroup(entity, ids, dictionary, bytes + pos, left - pos);
        ok = taken > 0;
        pos += taken;
    }
    entity.ApplyDefaults();
    return ok && pos == left;
}
