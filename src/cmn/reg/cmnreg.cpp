#include "cmnreg.h"

#include "cmnbytecursor.h"
#include "cmnframework.h"
#include "cmnnumbertext.h"
#include "cmnregindexlist.h"
#include "cmnregrecord.h"

#include "cmnregstreamhelpers.h"
#include "cmnstreamwindow.h"

#include <QDataStream>
#include <QSet>

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace {

const QString kIdLabel = QStringLiteral("ID");
constexpr quint8 kRegTag = 9;
constexpr quint8 kRegVersion = 0;
constexpr quint8 kValuesTag = 8;
constexpr quint8 kValuesVersion = 0;
// A stored value: field id, format and kind bytes, the variant's type and null flag.
constexpr qint64 kMinValueBytes = 4 + 1 + 1 + 4 + 1;
constexpr int kRecordNumberField = -1;

QSet<int> SystemAndUserFieldIds(const CCmnRegFieldsSettings &settings)
{
    QSet<int> ids;
    for (const QList<int> &group : {settings.GetSystemFieldIds(0), settings.GetUserFieldIds(0)}) {
        for (int id : group)
            ids.insert(id);
    }
    return ids;
}

const CCmnRegFieldDef *FindDef(const QList<CCmnRegField> &fields, int fieldId)
{
    for (const CCmnRegField &field : fields) {
        if (field.m_Id == fieldId)
            return &field.m_Def;
    }
    return nullptr;
}

// Asks for every cache line of the entry, its first and its last byte's.
void PrefetchWhole(const CCmnRegIndexEntry *entry)
{
    __builtin_prefetch(entry);
    __builtin_prefetch(reinterpret_cast<const char *>(entry + 1) - 1);
}

} // namespace

CCmnReg::CCmnReg() = default;

CCmnReg::~CCmnReg() = default;

CCmnRegRecord *CCmnReg::GetRecord(int id) const
{
    return m_Records.Get(id);
}

CCmnReg::CRecordPtr CCmnReg::GetRecordPtr(int id) const
{
    return m_Records.Value(id);
}

int CCmnReg::AddRecord(const CRecordPtr &record, bool update)
{
    const int id = AddRecordQuietly(record);
    if (update) {
        InsertIntoIndexLists(id, *record);
        m_LookupLists.Update(record.data(), nullptr, CCmnRegLookupLists::RecordAdded);
    }
    return id;
}

int CCmnReg::AddRecordQuietly(const CRecordPtr &record)
{
    const int id = m_Ids.Allocate();
    m_Records.Insert(id, record);
    return id;
}

void CCmnReg::ReplaceRecord(int id, const CRecordPtr &record, bool update)
{
    const CRecordPtr stored = m_Records.Value(id);
    if (!stored)
        return;
    const bool moved = update && IndexKeyChanged(*stored, *record);
    if (moved)
        RemoveFromIndexLists(id, *stored);
    if (update)
        m_LookupLists.Update(stored.data(), record.data(), CCmnRegLookupLists::RecordReplaced);
    m_Records.Insert(id, record);
    if (moved)
        InsertIntoIndexLists(id, *record);
}

bool CCmnReg::DeleteRecord(int id, bool update)
{
    const CRecordPtr record = m_Records.Take(id);
    if (!record)
        return false;
    m_Ids.Free(id);
    if (update) {
        RemoveFromIndexLists(id, *record);
        m_LookupLists.Update(record.data(), nullptr, CCmnRegLookupLists::RecordDeleted);
    }
    QVector<int> referring = GetRecordsReferringTo(id);
    std::sort(referring.begin(), referring.end());
    referring.erase(std::unique(referring.begin(), referring.end()), referring.end());
    for (int other : std::as_const(referring)) {
        if (HasRecNo(other))
            ClearReferencesToRecord(other, id);
    }
    return true;
}

bool CCmnReg::DiscardRecord(int id)
{
    if (!m_Records.Take(id))
        return false;
    m_Ids.Free(id);
    return true;
}

void CCmnReg::UseTemporaryRecord(const CRecordPtr &record, const std::function<void(int id)> &use)
{
    // Freeing the id would still move the next id offered: keep the allocator whole.
    const CCmnRegIdAllocator ids = m_Ids;
    const int id = AddRecordQuietly(record);
    use(id);
    DiscardRecord(id);
    m_Ids = ids;
}

void CCmnReg::RemoveAllRecords()
{
    m_Ids.Clear();
    m_Records.Clear();
}

void CCmnReg::Clear()
{
    RemoveAllRecords();
    m_FieldsSettings.Clear();
    m_IdentityFields.clear();
    m_LookupLists.Clear();
}

void CCmnReg::RebuildLookupLists()
{
    m_LookupLists.Rebuild(m_FieldsSettings, *this, true);
}

void CCmnReg::AddIdentityField(int fieldId, const CCmnRegFieldDef &def)
{
    m_IdentityFields.append({fieldId, def});
}

void CCmnReg::AddIdField()
{
    AddIdentityField(kRecordNumberField, CCmnRegFieldDef(CmnRegFieldInteger, 0));
}

QList<int> CCmnReg::GetIdentityFieldIds() const
{
    QList<int> ids;
    for (const auto &field : m_IdentityFields)
        ids.append(field.first);
    return ids;
}

QList<int> CCmnReg::GetInbuiltFieldIds() const
{
    return GetIdentityFieldIds() + m_FieldsSettings.GetSpecialFieldIds(0) + m_FieldsSettings.GetSystemFieldIds(0);
}

bool CCmnReg::IsIdentityField(int fieldId) const
{
    return std::any_of(m_IdentityFields.cbegin(), m_IdentityFields.cend(),
                       [fieldId](const auto &field) { return field.first == fieldId; });
}

bool CCmnReg::IsSpecialField(int fieldId) const
{
    return FindDef(m_FieldsSettings.GetSpecialFields(), fieldId) != nullptr;
}

bool CCmnReg::IsSystemField(int fieldId) const
{
    return FindSystemFieldDef(fieldId) != nullptr;
}

const CCmnRegFieldDef *CCmnReg::FindSystemFieldDef(int fieldId) const
{
    return FindDef(m_FieldsSettings.GetSystemFields(), fieldId);
}

const CCmnRegFieldDef *CCmnReg::FindUserFieldDef(int fieldId) const
{
    const int row = m_FieldsSettings.IndexOfUserField(fieldId);
    return row < 0 ? nullptr : &m_FieldsSettings.GetUserFields().m_Items.at(row).second.m_Def;
}

void CCmnReg::SetFieldsSettings(const CCmnRegFieldsSettings &settings, bool clearValues)
{
    ApplyFieldsSettings(settings, clearValues);
    m_LookupLists.Rebuild(m_FieldsSettings, *this, false);
}

void CCmnReg::ApplyFieldsSettings(const CCmnRegFieldsSettings &settings, bool clearValues)
{
    const QSet<int> before = clearValues ? SystemAndUserFieldIds(m_FieldsSettings) : QSet<int>();
    m_FieldsSettings = settings;
    if (!clearValues)
        return;
    const QSet<int> after = SystemAndUserFieldIds(m_FieldsSettings);
    // Fields created now must not show what an earlier field of the same id left
    // behind, and a removed field's data goes with it.
    QSet<int> cleared = after - before;
    if (!before.isEmpty())
        cleared += before - after;
    if (cleared.isEmpty())
        return;
    for (int id : m_Ids.GetUsedIds()) {
        CCmnRegRecord *record = GetRecord(id);
        QList<CCmnRegStoredValue> values = record->GetValues();
        const qsizetype removed = values.removeIf( [&cleared](const CCmnRegStoredValue &value) {
            return cleared.contains(value.m_FieldId);
        });
        if (removed > 0)
            record->SetValues(values);
    }
}

void CCmnReg::ApplyFieldDefaults(CCmnRegRecord &record) const
{
    for (const CCmnRegField &field : m_FieldsSettings.GetSystemFields())
        field.m_Def.ApplyDefaultValue(record, field.m_Id);
    for (const auto &item : m_FieldsSettings.GetUserFields().m_Items)
        item.second.m_Def.ApplyDefaultValue(record, item.second.m_Id);
}

QString CCmnReg::GetFieldLabel(int fieldId, bool builtInWording) const
{
    if (IsIdentityField(fieldId))
        return GetIdentityFieldLabel(fieldId, builtInWording);
    if (IsSpecialField(fieldId))
        return GetSpecialFieldLabel(fieldId, builtInWording);
    if (IsSystemField(fieldId))
        return GetSystemFieldLabel(fieldId, builtInWording);
    return GetUserFieldLabel(fieldId);
}

QString CCmnReg::GetFieldInternalName(int fieldId) const
{
    if (IsIdentityField(fieldId))
        return GetIdentityFieldInternalName(fieldId);
    if (IsSpecialField(fieldId))
        return GetSpecialFieldInternalName(fieldId);
    if (IsSystemField(fieldId))
        return GetSystemFieldInternalName(fieldId);
    return QStringLiteral("UserField");
}

QString CCmnReg::GetUserFieldLabel(int fieldId) const
{
    const int row = m_FieldsSettings.IndexOfUserField(fieldId);
    return row < 0 ? QString() : m_FieldsSettings.GetUserFields().m_Items.at(row).first;
}

bool CCmnReg::GetSystemFieldColumnType(int fieldId, CCmnExportCellFormat &format) const
{
    const CCmnRegFieldDef *def = FindSystemFieldDef(fieldId);
    if (def)
        format = def->GetColumnType();
    return def != nullptr;
}

bool CCmnReg::GetUserFieldColumnType(int fieldId, CCmnExportCellFormat &format) const
{
    const CCmnRegFieldDef *def = FindUserFieldDef(fieldId);
    if (def)
        format = def->GetColumnType();
    return def != nullptr;
}

bool CCmnReg::GetSystemFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format,
                                      QString &valueText, QString &displayText) const
{
    return GetFieldValueText(recordId, fieldId, FindSystemFieldDef(fieldId), format, valueText, displayText);
}

bool CCmnReg::GetUserFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format,
                                    QString &valueText, QString &displayText) const
{
    return GetFieldValueText(recordId, fieldId, FindUserFieldDef(fieldId), format, valueText, displayText);
}

bool CCmnReg::GetFieldValueText(int recordId, int fieldId, const CCmnRegFieldDef *def,
                                const CCmnExportCellFormat &format, QString &valueText, QString &displayText) const
{
    if (!def)
        return false;
    static const QVariant none;
    const CCmnRegRecord *record = GetRecord(recordId);
    const QVariant &value = record ? record->GetValue(fieldId, def->ValueKind()) : none;
    std::tie(valueText, displayText) = def->GetExportTexts(value, format);
    return true;
}

void CCmnReg::SetIndexKeyFolding(bool foldAccents)
{
    m_FoldIndexAccents = foldAccents;
    RebuildIndexLists();
}

void CCmnReg::InsertIntoIndexLists(int recordId, const CCmnRegRecord &record)
{
    CCmnRegIndexEntry entry = CmnRegMakeIndexKeys(record.GetName(), m_FoldIndexAccents);
    entry.m_Id = recordId;
    for (CCmnRegIndexList *list : GetIndexListsForRecord(record))
        list->InsertSorted(entry);
}

void CCmnReg::RemoveFromIndexLists(int recordId, const CCmnRegRecord &record)
{
    CCmnRegIndexEntry entry = CmnRegMakeIndexKeys(record.GetName(), m_FoldIndexAccents);
    entry.m_Id = recordId;
    for (CCmnRegIndexList *list : GetIndexListsForRecord(record))
        list->Remove(entry);
}

void CCmnReg::ClearIndexLists()
{
    for (CCmnRegIndexList *list : GetIndexLists())
        list->Clear();
}

void CCmnReg::RebuildIndexLists()
{
    const QList<CCmnRegIndexList *> lists = GetIndexLists();
    Q_ASSERT(lists.size() <= 32);
    const quint32 known = lists.size() >= 32 ? ~0u : (1u << lists.size()) - 1;
    // Every record is keyed and ordered once, then handed to its lists in order:
    // a list holding a subset of the records is then already sorted, instead of
    // being keyed and sorted again for each list.
    std::vector<CCmnRegIndexEntry> entries;
    std::vector<quint32> masks; // bit n: the record belongs in lists[n]
    // A record's further lists take copies made while its texts are at hand: made
    // in the new order, each copy would wait for its texts' reference counts.
    std::vector<CCmnRegIndexEntry> copies;
    std::vector<quint32> firstCopy;
    entries.reserve(size_t(m_Records.Count()));
    masks.reserve(size_t(m_Records.Count()));
    firstCopy.reserve(size_t(m_Records.Count()));
    copies.reserve(size_t(m_Records.Count()));
    std::array<qsizetype, 32> counts{};
    const CCmnBitSet &used = m_Ids.GetUsed();
    for (int index = used.NextSetBit(0); index >= 0; index = used.NextSetBit(index + 1)) {
        const CCmnRegRecord *record = GetRecord(index + 1);
        if (!record)
            continue;
        entries.push_back(CmnRegMakeIndexKeys(record->GetName(), m_FoldIndexAccents));
        entries.back().m_Id = index + 1;
        const quint32 mask = GetIndexListMaskForRecord(*record) & known;
        masks.push_back(mask);
        firstCopy.push_back(quint32(copies.size()));
        for (quint32 rest = mask; rest != 0; rest &= rest - 1) {
            ++counts[size_t(std::countr_zero(rest))];
            if (rest != mask)
                copies.push_back(entries.back());
        }
    }
    const std::vector<quint32> order = CmnRegIndexEntryOrder(entries);
    for (qsizetype at = 0; at < lists.size(); ++at)
        lists.at(at)->BeginRebuild(m_FoldIndexAccents, counts[size_t(at)]);
    for (size_t n = 0; n < order.size(); ++n) {
        // The entries are read in a new order: ask for them a few rows ahead.
        // An entry spans two cache lines as often as not: both are asked for.
        constexpr size_t kAhead = 8;
        if (n + kAhead < order.size()) {
            const quint32 ahead = order[n + kAhead];
            PrefetchWhole(&entries[ahead]);
            __builtin_prefetch(&masks[ahead]);
            __builtin_prefetch(&firstCopy[ahead]);
        }
        if (n + kAhead / 2 < order.size())
            PrefetchWhole(copies.data() + firstCopy[order[n + kAhead / 2]]);
        const quint32 at = order[n];
        CCmnRegIndexEntry *copy = copies.data() + firstCopy[at];
        for (quint32 rest = masks[at]; rest != 0; rest &= rest - 1) {
            CCmnRegIndexList *list = lists.at(std::countr_zero(rest));
            list->Append(rest == masks[at] ? std::move(entries[at]) : std::move(*copy++));
        }
    }
    for (CCmnRegIndexList *list : lists)
        list->EndRebuild();
}

QList<CCmnRegIndexList *> CCmnReg::IndexListsInMask(quint32 mask)
{
    const QList<CCmnRegIndexList *> lists = GetIndexLists();
    QList<CCmnRegIndexList *> inMask;
    for (quint32 rest = mask; rest != 0; rest &= rest - 1) {
        const int at = std::countr_zero(rest);
        if (at < lists.size())
            inMask.append(lists.at(at));
    }
    return inMask;
}

bool CCmnReg::IndexKeyChanged(const CCmnRegRecord &, const CCmnRegRecord &) const
{
    return false;
}

QList<CCmnRegIndexList *> CCmnReg::GetIndexLists()
{
    return {};
}

QList<CCmnRegIndexList *> CCmnReg::GetIndexListsForRecord(const CCmnRegRecord &)
{
    return {};
}

quint32 CCmnReg::GetIndexListMaskForRecord(const CCmnRegRecord &record)
{
    const QList<CCmnRegIndexList *> lists = GetIndexLists();
    quint32 mask = 0;
    for (CCmnRegIndexList *list : GetIndexListsForRecord(record)) {
        const qsizetype at = lists.indexOf(list);
        if (at >= 0 && at < 32)
            mask |= 1u << at;
    }
    return mask;
}

CCmnRegIndexList *CCmnReg::GetIndexListForModel(const CCmnRegIndexListModel *)
{
    return nullptr;
}

void CCmnReg::Write(QDataStream &stream) const
{
    stream << kRegTag << kRegVersion;
    m_Ids.Write(stream);
    // Ascending ids, so that the same register always gives the same bytes.
    for (int id : m_Ids.GetUsedIds()) {
        stream << qint32(id);
        WriteRecord(id, stream);
    }
    stream << qint32(0);
}

bool CCmnReg::Read(QDataStream &stream)
{
    RemoveAllRecords();
    ClearIndexLists();
    m_LookupLists.Clear();
    m_FieldsSettings.Clear();
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok || tag != kRegTag || version != kRegVersion)
        return false;
    if (!m_Ids.Read(stream))
        stream.setStatus(QDataStream::ReadCorruptData);

    bool recordRefused = false;
    // Most records are decoded from a window on the bytes ahead; the stream's
    // reader takes the rest one record at a time (a record running past the
    // window, a photo, an unusual value, damage) and decides every error, so a
    // file reads the same either way. After a window that decoded nothing, the
    // stream reads a run of records before the next look, so that a register of
    // such records does not pay a look for each.
    constexpr int kStreamRun = 64;
    CCmnStreamWindow window(stream);
    int streamed = kStreamRun;
    while (stream.status() == QDataStream::Ok) {
        if (streamed >= kStreamRun) {
            int decoded = 0;
            if (ReadRecordsInWindow(window, decoded))
                break;
            streamed = decoded > 0 ? kStreamRun - 1 : 0;
        }
        ++streamed;
        qint32 id = 0;
        stream >> id;
        if (stream.status() != QDataStream::Ok || id == 0)
            break;
        // Every id must be one the allocator marks used, and only once: a record
        // outside the allocator would be overwritten by the next new record.
        if (!m_Ids.IsUsed(id) || m_Records.Contains(id)) {
            stream.setStatus(QDataStream::ReadCorruptData);
            break;
        }
        m_Records.Insert(id, CreateRecord());
        if (!ReadRecord(id, stream)) {
            recordRefused = true;
            break;
        }
        RecordRead(id, *GetRecord(id));
    }
    if (stream.status() == QDataStream::Ok && !recordRefused && m_Records.Count() != m_Ids.Count())
        stream.setStatus(QDataStream::ReadCorruptData);
    if (recordRefused || stream.status() != QDataStream::Ok) {
        RemoveAllRecords();
        return false;
    }
    RebuildIndexLists();
    RebuildLookupLists();
    return true;
}

bool CCmnReg::ReadRecordsInWindow(CCmnStreamWindow &window, int &decoded)
{
    CCmnByteCursor cursor = window.Look();
    const char *start = cursor.Data();
    qsizetype used = 0;
    bool ended = false;
    for (;;) {
        const qint32 id = cursor.I32();
        if (!cursor.Ok())
            break;
        if (id == 0) {
            ended = true;
            used = cursor.Data() - start;
            break;
        }
        // An id the block may not hold is left to the stream's reader to refuse.
        if (!m_Ids.IsUsed(id) || m_Records.Contains(id))
            break;
        CRecordPtr record = CreateRecord();
        if (!ReadRecordFromMemory(*record, cursor))
            break;
        RecordRead(id, *record);
        m_Records.Insert(id, std::move(record));
        used = cursor.Data() - start;
        ++decoded;
    }
    window.Take(used);
    return ended;
}

void CCmnReg::WriteRecord(int recordId, QDataStream &stream) const
{
    const CCmnRegRecord *record = GetRecord(recordId);
    const QList<CCmnRegStoredValue> values = record ? record->GetValues() : QList<CCmnRegStoredValue>();
    stream << kValuesTag << kValuesVersion << qint32(values.size());
    for (const CCmnRegStoredValue &value : values)
        stream << qint32(value.m_FieldId) << value.m_Value;
}

// Most records of a file are read by ReadValuesFromMemory instead: a change to
// the values' layout changes both.
bool CCmnReg::ReadRecord(int recordId, QDataStream &stream)
{
    CCmnRegRecord *record = GetRecord(recordId);
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (!record || stream.status() != QDataStream::Ok || tag != kValuesTag || version != kValuesVersion)
        return false;
    qint32 count = 0;
    stream >> count;
    if (stream.status() == QDataStream::Ok && count < 0)
        stream.setStatus(QDataStream::ReadCorruptData);
    if (!CmnRegCountFits(stream, quint64(std::max(count, 0)), kMinValueBytes))
        return false;
    QList<CCmnRegStoredValue> values;
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        CCmnRegStoredValue value;
        qint32 fieldId = 0;
        stream >> fieldId >> value.m_Value;
        value.m_FieldId = fieldId;
        values.append(value);
    }
    record->SetValues(values);
    return stream.status() == QDataStream::Ok;
}

bool CCmnReg::ReadRecordFromMemory(CCmnRegRecord &, CCmnByteCursor &)
{
    return false;
}

void CCmnReg::RecordRead(int, CCmnRegRecord &)
{
}

// The same layout as ReadRecord and WriteRecord, decoded from memory.
bool CCmnReg::ReadValuesFromMemory(CCmnRegRecord &record, CCmnByteCursor &cursor) const
{
    const quint8 tag = cursor.U8();
    const quint8 version = cursor.U8();
    const qint32 count = cursor.I32();
    if (!cursor.Ok() || tag != kValuesTag || version != kValuesVersion || count < 0
        || count > cursor.Left() / kMinValueBytes)
        return false;
    QList<CCmnRegStoredValue> values(count);
    for (CCmnRegStoredValue &value : values) {
        value.m_FieldId = cursor.I32();
        if (!CmnDecodeRegFieldValue(cursor, value.m_Value))
            return false;
    }
    record.SetValues(std::move(values));
    return true;
}

bool CCmnReg::ClearReferencesToRecord(int, int)
{
    return false;
}

QVector<int> CCmnReg::GetRecordsReferringTo(int) const
{
    return {};
}

void CCmnReg::TestRecordDetailsLayout(const CCmnRegFieldsSettings &, QWidget *)
{
}

void CCmnReg::TestSelectRecordLayout(const CCmnRegFieldsSettings &, QWidget *)
{
}

bool CCmnReg::IsInbuiltField(int) const
{
    return false;
}

QString CCmnReg::GetIdentityFieldLabel(int fieldId, bool) const
{
    return fieldId == kRecordNumberField ? kIdLabel : QString();
}

QString CCmnReg::GetIdentityFieldInternalName(int fieldId) const
{
    return fieldId == kRecordNumberField ? kIdLabel : QString();
}

int CCmnReg::FindIdentityField(const QString &label, bool builtInWording) const
{
    return !builtInWording && label.compare(kIdLabel, Qt::CaseInsensitive) == 0 ? kRecordNumberField : 0;
}

bool CCmnReg::GetIdentityFieldColumnType(int fieldId, CCmnExportCellFormat &format) const
{
    if (fieldId != kRecordNumberField)
        return false;
    format = CCmnExportCellFormat{4, 0, -1, CmnDefaultDateInputFormat()};
    return true;
}

bool CCmnReg::GetIdentityFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &, QString &valueText,
                                        QString &displayText) const
{
    if (fieldId != kRecordNumberField)
        return false;
    valueText = displayText = QString::number(recordId);
    return true;
}

QString CCmnReg::GetSpecialFieldLabel(int, bool) const
{
    return QString();
}

QString CCmnReg::GetSpecialFieldInternalName(int) const
{
    return QString();
}

int CCmnReg::FindSpecialField(const QString &, bool) const
{
    return 0;
}

bool CCmnReg::GetSpecialFieldColumnType(int, CCmnExportCellFormat &) const
{
    return false;
}

bool CCmnReg::GetSpecialFieldValueText(int, int, const CCmnExportCellFormat &, QString &, QString &) const
{
    return false;
}

QString CCmnReg::GetSystemFieldLabel(int, bool) const
{
    return QString();
}

QString CCmnReg::GetSystemFieldInternalName(int) const
{
    return QString();
}

int CCmnReg::FindSystemField(const QString &, bool) const
{
    return 0;
}

const CCmnRegFieldDef *CCmnReg::FindIdentityFieldDef(int fieldId) const
{
    for (const auto &field : m_IdentityFields) {
        if (field.first == fieldId)
            return &field.second;
    }
    return nullptr;
}

CCmnRegSubstitutionTable CCmnReg::GetSubstitutions(int recordId, const QList<int> &fieldIds, int forms,
                                                   int mode) const
{
    CCmnRegSubstitutionTable table;
    for (int fieldId : fieldIds) {
        if (AddIdentityFieldSubstitutions(recordId, fieldId, forms, mode, table))
            continue;
        if (AddSpecialFieldSubstitutions(recordId, fieldId, forms, mode, table))
            continue;
        if (AddSystemFieldSubstitutions(recordId, fieldId, forms, mode, table))
            continue;
        AddUserFieldSubstitutions(recordId, fieldId, forms, mode, table);
    }
    return table;
}

CCmnRegSubstitution CCmnReg::GetFieldSubstitution(int recordId, int fieldId, int forms, int mode) const
{
    const CCmnRegSubstitutionTable table = GetSubstitutions(recordId, {fieldId}, forms, mode);
    if (table.isEmpty())
        return {};
    // Variants of one field sit under qualified names; the field's own value is
    // under its label, or under its built-in name when the label is empty.
    const CCmnRegSubstitutionNames names = CmnRegMakeSubstitutionNames(
        GetFieldLabel(fieldId, false).toUpper(), GetFieldLabel(fieldId, true).toUpper());
    for (const QString &name : names) {
        if (!name.isEmpty() && table.contains(name))
            return table.value(name);
    }
    return table.cbegin().value();
}

bool CCmnReg::AddIdentityFieldSubstitutions(int recordId, int fieldId, int forms, int,
                                            CCmnRegSubstitutionTable &table) const
{
    if (fieldId != kRecordNumberField)
        return false;
    return CmnRegAddSubstitution(CmnRegMakeSubstitutionNames(kIdLabel, kIdLabel), table,
                                 CCmnRegSubstitution(forms, CmnIntToString(recordId)));
}

bool CCmnReg::AddSpecialFieldSubstitutions(int, int, int, int, CCmnRegSubstitutionTable &) const
{
    return false;
}

CCmnRegSubstitution CCmnReg::FormatStoredValue(int recordId, int fieldId, const CCmnRegFieldDef &def, int forms,
                                               int mode) const
{
    const CCmnRegRecord *record = GetRecord(recordId);
    const QVariant value = record ? record->GetValue(fieldId, def.ValueKind()) : QVariant();
    return def.FormatValue(value, forms, mode);
}

bool CCmnReg::AddSystemFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                          CCmnRegSubstitutionTable &table) const
{
    const CCmnRegFieldDef *def = FindSystemFieldDef(fieldId);
    if (!def)
        return false;
    const CCmnRegSubstitutionNames names = CmnRegMakeSubstitutionNames(
        GetSystemFieldLabel(fieldId, false).toUpper(), GetSystemFieldLabel(fieldId, true).toUpper());
    return CmnRegAddSubstitution(names, table, FormatStoredValue(recordId, fieldId, *def, forms, mode));
}

bool CCmnReg::AddUserFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                        CCmnRegSubstitutionTable &table) const
{
    const CCmnRegFieldDef *def = FindUserFieldDef(fieldId);
    if (!def)
        return false;
    const CCmnRegSubstitutionNames names = CmnRegMakeSubstitutionNames(GetUserFieldLabel(fieldId).toUpper(), {});
    return CmnRegAddSubstitution(names, table, FormatStoredValue(recordId, fieldId, *def, forms, mode));
}
