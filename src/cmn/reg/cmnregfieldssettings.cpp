#include "cmnregfieldssettings.h"

#include "cmndatastream.h"
#include "cmnregstreamhelpers.h"

#include <QBuffer>
#include <QDataStream>

#include <algorithm>

namespace {

constexpr quint8 kTag = 0x38;
constexpr quint8 kVersion = 1;
constexpr quint8 kUserSectionTag = 53;
constexpr quint8 kSpecialSectionTag = 54;
constexpr quint8 kSystemSectionTag = 55;
constexpr quint8 kSectionVersion = 0;
// The smallest field item: its header and id, the definition's header.
constexpr qint64 kMinFieldItemBytes = 2 + 4 + 2;
constexpr int kNameSuffixes = 26 * 27;

QList<int> IdsWithContext(const QList<CCmnRegField> &fields, int context)
{
    QList<int> ids;
    if (context >= CCmnRegFieldContextMask::kContexts)
        return ids;
    for (const CCmnRegField &field : fields) {
        if (context <= 0 || field.m_Mask.HasContext(context))
            ids.append(field.m_Id);
    }
    return ids;
}

int IndexOfId(const QList<CCmnRegField> &fields, int id)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (fields.at(i).m_Id == id)
            return int(i);
    }
    return -1;
}

// Keeps the fields that `other` still has, taking its definition where `takeDef`
// says so, and appends the ones it has that are missing here.
template <typename TTakeDef>
void SyncFieldList(QList<CCmnRegField> &fields, const QList<CCmnRegField> &other, TTakeDef takeDef)
{
    for (qsizetype i = fields.size() - 1; i >= 0; --i) {
        const int at = IndexOfId(other, fields.at(i).m_Id);
        if (at < 0)
            fields.removeAt(i);
        else if (takeDef(fields.at(i).m_Def, other.at(at).m_Def))
            fields[i].m_Def = other.at(at).m_Def;
    }
    for (const CCmnRegField &field : other) {
        if (IndexOfId(fields, field.m_Id) < 0)
            fields.append(field);
    }
}

// A qint32 count of layout items, checked against what is left.
template <typename TItem, typename TReadItem>
void ReadLayoutItems(QDataStream &stream, QList<TItem> &items, qint64 minItemBytes, TReadItem readItem)
{
    items.clear();
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    if (count < 0) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    if (!CmnRegCountFits(stream, quint64(count), minItemBytes))
        return;
    for (qint32 i = 0; i < count; ++i) {
        TItem item;
        readItem(item);
        if (stream.status() != QDataStream::Ok)
            return;
        items.append(item);
    }
}

} // namespace

void CCmnRegFieldsSettings::Clear()
{
    m_FormFieldOrder.clear();
    m_UserFields.m_Items.clear();
    m_UserFields.m_CurrentRow = -1;
    m_UserFields.m_TaggedRow = -1;
    m_SystemFields.clear();
    m_SpecialFields.clear();
    m_SelectRecordManual.clear();
    m_SelectRecordComputed.clear();
    m_RecordDetailsManual.clear();
    m_RecordDetailsComputed.clear();
    m_SelectRecordAuto = true;
    m_RecordDetailsAuto = true;
    m_Changed = ChangedAll;
}

void CCmnRegFieldsSettings::AddSystemField(const CCmnRegField &field)
{
    m_SystemFields.append(field);
    m_Changed = ChangedAll;
}

void CCmnRegFieldsSettings::AddSpecialField(const CCmnRegField &field)
{
    m_SpecialFields.append(field);
    m_Changed = ChangedAll;
}

void CCmnRegFieldsSettings::SetUserFields(const CCmnRegUserFieldSet &fields)
{
    m_UserFields = fields;
    m_Changed |= ChangedAll;
}

void CCmnRegFieldsSettings::SetUserFieldPrototype(const CCmnRegField &field)
{
    m_UserFields.m_DefaultValue = CCmnRegUserField(field);
}

void CCmnRegFieldsSettings::SetFormFieldOrder(const QList<int> &ids)
{
    m_FormFieldOrder = ids;
    m_Changed |= ChangedAll;
}

void CCmnRegFieldsSettings::SetSelectRecordLayout(bool automatic, const QList<CCmnRegSelectRecordLayoutItem> &manual)
{
    m_SelectRecordAuto = automatic;
    m_SelectRecordManual = manual;
    m_Changed |= ChangedSelectRecordManual | ChangedSelectRecordAuto;
}

void CCmnRegFieldsSettings::SetRecordDetailsLayout(bool automatic, const QList<CCmnRegRecordDetailsLayoutItem> &manual)
{
    m_RecordDetailsAuto = automatic;
    m_RecordDetailsManual = manual;
    m_Changed |= ChangedRecordDetailsManual | ChangedRecordDetailsAuto;
}

void CCmnRegFieldsSettings::SyncSpecialFields(const CCmnRegFieldsSettings &other)
{
    SyncFieldList(m_SpecialFields, other.m_SpecialFields,
                  [](const CCmnRegFieldDef &, const CCmnRegFieldDef &) { return true; });
    SyncFieldList(m_SystemFields, other.m_SystemFields, [](const CCmnRegFieldDef &own, const CCmnRegFieldDef &theirs) {
        return own.ValueKind() != theirs.ValueKind();
    });
    m_Changed = ChangedAll;
}

int CCmnRegFieldsSettings::IndexOfUserField(int fieldId) const
{
    const auto &items = m_UserFields.m_Items;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items.at(i).second.m_Id == fieldId)
            return int(i);
    }
    return -1;
}

int CCmnRegFieldsSettings::GetMaxUserFieldId() const
{
    int highest = 0;
    for (const auto &item : m_UserFields.m_Items)
        highest = std::max(highest, item.second.m_Id);
    return highest;
}

QString CCmnRegFieldsSettings::MakeUniqueUserFieldName(const QString &wanted) const
{
    if (wanted.isEmpty())
        return QString();
    for (int i = 0; i < kNameSuffixes; ++i) {
        QString candidate = wanted;
        if (i > 0) {
            candidate += QLatin1Char(' ');
            if (i / 26 > 0)
                candidate += QChar(u'A' + i / 26 - 1);
            candidate += QChar(u'A' + i % 26);
        }
        if (m_UserFields.FindField(candidate, Qt::CaseInsensitive) < 0)
            return candidate;
    }
    return QString();
}

QList<int> CCmnRegFieldsSettings::GetSystemFieldIds(int context) const
{
    return IdsWithContext(m_SystemFields, context);
}

QList<int> CCmnRegFieldsSettings::GetSpecialFieldIds(int context) const
{
    return IdsWithContext(m_SpecialFields, context);
}

QList<int> CCmnRegFieldsSettings::GetUserFieldIds(int context) const
{
    QList<int> ids;
    if (context >= CCmnRegFieldContextMask::kContexts)
        return ids;
    for (const auto &item : m_UserFields.m_Items) {
        if (context <= 0 || item.second.m_Mask.HasContext(context))
            ids.append(item.second.m_Id);
    }
    return ids;
}

QList<int> CCmnRegFieldsSettings::GetFieldsForContext(int context)
{
    NormaliseFormFieldOrder();
    if (context <= 0)
        return m_FormFieldOrder;
    QSet<int> wanted;
    for (const QList<int> &ids : {GetSpecialFieldIds(context), GetSystemFieldIds(context), GetUserFieldIds(context)}) {
        for (int id : ids)
            wanted.insert(id);
    }
    QList<int> fields;
    for (int id : std::as_const(m_FormFieldOrder)) {
        if (wanted.contains(id))
            fields.append(id);
    }
    return fields;
}

QList<int> CCmnRegFieldsSettings::ExistingFieldIdsInOrder() const
{
    QList<int> ids = GetSpecialFieldIds(0);
    ids += GetSystemFieldIds(0);
    ids += GetUserFieldIds(0);
    return ids;
}

void CCmnRegFieldsSettings::NormaliseFormFieldOrder()
{
    if (!(m_Changed & ChangedFormFieldOrder))
        return;
    const QList<int> existing = ExistingFieldIdsInOrder();
    m_ExistingFieldIds = QSet<int>(existing.cbegin(), existing.cend());
    QSet<int> missing = m_ExistingFieldIds;
    QList<int> order;
    order.reserve(m_FormFieldOrder.size());
    for (int id : std::as_const(m_FormFieldOrder)) {
        if (missing.remove(id))
            order.append(id);
    }
    QList<int> appended(missing.cbegin(), missing.cend());
    std::sort(appended.begin(), appended.end());
    order += appended;
    if (order != m_FormFieldOrder) {
        m_FormFieldOrder = order;
        m_Changed |= ChangedSelectRecordManual | ChangedSelectRecordAuto | ChangedRecordDetailsManual
                     | ChangedRecordDetailsAuto;
    }
    m_Changed &= ~ChangedFormFieldOrder;
}

bool CCmnRegFieldsSettings::operator==(CCmnRegFieldsSettings &other)
{
    if (!(m_UserFields == other.m_UserFields) || m_SystemFields != other.m_SystemFields
        || m_SpecialFields != other.m_SpecialFields)
        return false;
    NormaliseFormFieldOrder();
    other.NormaliseFormFieldOrder();
    if (m_FormFieldOrder != other.m_FormFieldOrder)
        return false;
    // An automatic layout follows wholly from the order and the definitions,
    // which are equal by now; a manual one is the user's own.
    if (m_SelectRecordAuto != other.m_SelectRecordAuto
        || (!m_SelectRecordAuto && m_SelectRecordManual != other.m_SelectRecordManual))
        return false;
    return m_RecordDetailsAuto == other.m_RecordDetailsAuto
           && (m_RecordDetailsAuto || m_RecordDetailsManual == other.m_RecordDetailsManual);
}

void CCmnRegFieldsSettings::Write(QDataStream &stream) const
{
    stream << kTag << kVersion << quint32(m_FormFieldOrder.size());
    for (int id : m_FormFieldOrder)
        stream << qint32(id);
    stream << kUserSectionTag << kSectionVersion;
    m_UserFields.Write(stream);
    stream << kSystemSectionTag << kSectionVersion << quint32(m_SystemFields.size());
    for (const CCmnRegField &field : m_SystemFields)
        field.Write(stream, CCmnRegField::kSystemTag);
    stream << kSpecialSectionTag << kSectionVersion << quint32(m_SpecialFields.size());
    for (const CCmnRegField &field : m_SpecialFields)
        field.Write(stream, CCmnRegField::kSpecialTag);
    stream << m_SelectRecordAuto << qint32(m_SelectRecordManual.size());
    for (const CCmnRegSelectRecordLayoutItem &item : m_SelectRecordManual)
        stream << qint32(item.m_FieldId) << item.m_NewColumn;
    stream << m_RecordDetailsAuto << qint32(m_RecordDetailsManual.size());
    for (const CCmnRegRecordDetailsLayoutItem &item : m_RecordDetailsManual)
        stream << qint32(item.m_FieldId) << item.m_NewColumn << item.m_TabName;
}

void CCmnRegFieldsSettings::ReadFieldList(QDataStream &stream, quint8 sectionTag, quint8 itemTag,
                                          QList<CCmnRegField> &list)
{
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok)
        return;
    if (tag != sectionTag || version != kSectionVersion) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    list.clear();
    quint32 count = 0;
    stream >> count;
    if (!CmnRegCountFits(stream, count, kMinFieldItemBytes))
        return;
    for (quint32 i = 0; i < count; ++i) {
        CCmnRegField field;
        if (!field.Read(stream, itemTag))
            stream.setStatus(QDataStream::ReadCorruptData);
        if (stream.status() != QDataStream::Ok)
            return;
        list.append(field);
    }
}

bool CCmnRegFieldsSettings::Read(QDataStream &stream)
{
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok || tag != kTag || version > kVersion)
        return false;

    quint32 count = 0;
    stream >> count;
    m_FormFieldOrder.clear();
    if (CmnRegCountFits(stream, count, 4)) {
        for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
            qint32 id = 0;
            stream >> id;
            if (stream.status() == QDataStream::Ok)
                m_FormFieldOrder.append(id);
        }
    }

    quint8 sectionTag = 0;
    quint8 sectionVersion = 0;
    stream >> sectionTag >> sectionVersion;
    if (stream.status() == QDataStream::Ok
        && (sectionTag != kUserSectionTag || sectionVersion != kSectionVersion || !m_UserFields.Read(stream)))
        stream.setStatus(QDataStream::ReadCorruptData);
    ReadFieldList(stream, kSystemSectionTag, CCmnRegField::kSystemTag, m_SystemFields);
    ReadFieldList(stream, kSpecialSectionTag, CCmnRegField::kSpecialTag, m_SpecialFields);

    m_SelectRecordComputed.clear();
    m_RecordDetailsComputed.clear();
    m_SelectRecordAuto = true;
    m_RecordDetailsAuto = true;
    m_SelectRecordManual.clear();
    m_RecordDetailsManual.clear();
    if (version >= 1) {
        stream >> m_SelectRecordAuto;
        ReadLayoutItems(stream, m_SelectRecordManual, 5, [&stream](CCmnRegSelectRecordLayoutItem &item) {
            qint32 id = 0;
            stream >> id >> item.m_NewColumn;
            item.m_FieldId = id;
        });
        stream >> m_RecordDetailsAuto;
        ReadLayoutItems(stream, m_RecordDetailsManual, 9, [&stream](CCmnRegRecordDetailsLayoutItem &item) {
            qint32 id = 0;
            stream >> id >> item.m_NewColumn;
            item.m_FieldId = id;
            CmnReadString(stream, item.m_TabName);
            item.m_TabName = item.m_TabName.trimmed();
        });
    }
    m_Changed |= ChangedAll;
    return true;
}

QByteArray CCmnRegFieldsSettings::ToByteArray() const
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    CmnPrepareDataStream(stream);
    Write(stream);
    return bytes;
}

bool CCmnRegFieldsSettings::FromByteArray(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QDataStream stream(&buffer);
    CmnPrepareDataStream(stream);
    CCmnRegFieldsSettings read;
    if (!read.Read(stream) || stream.status() != QDataStream::Ok)
        return false;
    *this = read;
    return true;
}
