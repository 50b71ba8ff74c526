#include "cmnregfieldssettings.h"

#include "cmndatastream.h"
#include "cmnregstreamhelpers.h"

#include <QDataStream>

#include <algorithm>

namespace {

constexpr quint8 kFieldsSettingsTag = 0x38;
constexpr quint8 kFieldsSettingsVersion = 1;
constexpr quint8 kUserSectionTag = 53;
constexpr quint8 kSpecialSectionTag = 54;
constexpr quint8 kSystemSectionTag = 55;
constexpr quint8 kSectionVersion = 0;
// The smallest field item: its header and id, the definition's header.
constexpr qint64 kMinFieldItemBytes = 2 + 4 + 2;
constexpr int kNameSuffixes = 26 * 27;
// Placing new fields: rows a record-details column holds, columns a tab holds,
// key fields a select-record column holds, and the smallest column kept apart.
constexpr int kPlacedColumnRows = 12;
constexpr int kPlacedColumnsPerTab = 2;
constexpr int kPlacedKeyFieldsPerColumn = 12;
constexpr int kSmallestPlacedColumn = 5;

// "More", then "More 2", "More 3" ...: the first not yet taken.
QString NextMoreTabName(QSet<QString> &taken)
{
    QString name = QStringLiteral("More");
    for (int n = 2; taken.contains(name); ++n)
        name = QStringLiteral("More %1").arg(n);
    taken.insert(name);
    return name;
}

// Keeps the items whose field is wanted (each once, in their order) and returns
// the wanted fields that have none, in the wanted order.
template <typename TItem>
QList<int> KeepWanted(QList<TItem> &items, const QList<int> &wanted)
{
    QSet<int> missing(wanted.cbegin(), wanted.cend());
    items.removeIf([&missing](const TItem &item) { return !missing.remove(item.m_FieldId); });
    QList<int> appended;
    for (int id : wanted) {
        if (missing.contains(id))
            appended.append(id);
    }
    return appended;
}

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

bool CCmnRegFieldsSettings::UpdateBuiltInField(bool special, const CCmnRegField &field)
{
    QList<CCmnRegField> &list = special ? m_SpecialFields : m_SystemFields;
    for (CCmnRegField &own : list) {
        if (own.m_Id != field.m_Id)
            continue;
        own.m_Def = field.m_Def;
        own.m_Mask = field.m_Mask;
        m_Changed |= ChangedSelectRecordAuto | ChangedRecordDetailsAuto;
        return true;
    }
    return false;
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

const CCmnRegFieldDef *CCmnRegFieldsSettings::FindFieldDef(int fieldId) const
{
    const int system = IndexOfId(m_SystemFields, fieldId);
    if (system >= 0)
        return &m_SystemFields.at(system).m_Def;
    const int row = IndexOfUserField(fieldId);
    if (row >= 0)
        return &m_UserFields.m_Items.at(row).second.m_Def;
    const int at = IndexOfId(m_SpecialFields, fieldId);
    return at >= 0 ? &m_SpecialFields.at(at).m_Def : nullptr;
}

bool CCmnRegFieldsSettings::IsSystemOrUserField(int fieldId) const
{
    return IndexOfId(m_SystemFields, fieldId) >= 0 || IndexOfUserField(fieldId) >= 0;
}

bool CCmnRegFieldsSettings::IsKeyField(int fieldId) const
{
    const CCmnRegFieldDef *def = FindFieldDef(fieldId);
    return def && (def->m_Flags & CmnRegFieldKey);
}

int CCmnRegFieldsSettings::LayoutRows(int fieldId) const
{
    const CCmnRegFieldDef *def = FindFieldDef(fieldId);
    return def ? def->GetLayoutRows(true) : 1;
}

QList<int> CCmnRegFieldsSettings::RecordDetailsFieldsInOrder()
{
    NormaliseFormFieldOrder();
    QList<int> ids;
    for (int id : std::as_const(m_FormFieldOrder)) {
        if (IsSystemOrUserField(id))
            ids.append(id);
    }
    return ids;
}

QList<int> CCmnRegFieldsSettings::KeyFieldsInOrder()
{
    NormaliseFormFieldOrder();
    QList<int> ids;
    for (int id : std::as_const(m_FormFieldOrder)) {
        if (IsKeyField(id))
            ids.append(id);
    }
    return ids;
}

QPair<int, int> CCmnRegFieldsSettings::GetAutoRecordDetailsMetrics()
{
    int total = 0;
    for (int id : RecordDetailsFieldsInOrder())
        total += LayoutRows(id);
    if (total > 10)
        return {(std::min(total, 30) + 1) / 2, 3};
    return {100, 1};
}

int CCmnRegFieldsSettings::GetAutoSelectRecordColumnLength()
{
    const qsizetype keyFields = KeyFieldsInOrder().size();
    return keyFields >= 10 ? int(keyFields + 1) / 2 : 100;
}

void CCmnRegFieldsSettings::ComputeAutoRecordDetailsLayout()
{
    NormaliseFormFieldOrder();
    if (!(m_Changed & ChangedRecordDetailsAuto))
        return;
    const auto [rowsPerColumn, columnsPerTab] = GetAutoRecordDetailsMetrics();
    m_RecordDetailsComputed.clear();
    int used = 0;
    int column = 0;
    int tabs = 0;
    for (int id : RecordDetailsFieldsInOrder()) {
        CCmnRegRecordDetailsLayoutItem item{id, false, QString()};
        const int rows = LayoutRows(id);
        if (used + rows > rowsPerColumn) {
            used = 0;
            if (++column == columnsPerTab) {
                column = 0;
                ++tabs;
                item.m_TabName = tabs == 1 ? QStringLiteral("More") : QStringLiteral("More %1").arg(tabs);
            } else {
                item.m_NewColumn = true;
            }
        }
        used += rows;
        m_RecordDetailsComputed.append(item);
    }
    m_Changed &= ~ChangedRecordDetailsAuto;
}

void CCmnRegFieldsSettings::ComputeAutoSelectRecordLayout()
{
    NormaliseFormFieldOrder();
    if (!(m_Changed & ChangedSelectRecordAuto))
        return;
    const int perColumn = GetAutoSelectRecordColumnLength();
    m_SelectRecordComputed.clear();
    int inColumn = 0;
    for (int id : KeyFieldsInOrder()) {
        CCmnRegSelectRecordLayoutItem item{id, false};
        if (inColumn >= perColumn) {
            item.m_NewColumn = true;
            inColumn = 0;
        }
        ++inColumn;
        m_SelectRecordComputed.append(item);
    }
    m_Changed &= ~ChangedSelectRecordAuto;
}

void CCmnRegFieldsSettings::NormaliseRecordDetailsLayout()
{
    NormaliseFormFieldOrder();
    if (!(m_Changed & ChangedRecordDetailsManual))
        return;
    const QList<int> appended = KeepWanted(m_RecordDetailsManual, RecordDetailsFieldsInOrder());
    auto [rowsPerColumn, columnsPerTab] = GetAutoRecordDetailsMetrics();
    // The user's own columns and tabs may be larger than the automatic ones; the
    // appended fields fill them as far as they go.
    int used = 0;
    int column = 0;
    QSet<QString> taken;
    for (const CCmnRegRecordDetailsLayoutItem &item : std::as_const(m_RecordDetailsManual)) {
        if (!item.m_TabName.isEmpty()) {
            used = 0;
            column = 0;
            taken.insert(item.m_TabName);
        } else if (item.m_NewColumn) {
            used = 0;
            ++column;
        }
        used += LayoutRows(item.m_FieldId);
        rowsPerColumn = std::max(rowsPerColumn, used);
        columnsPerTab = std::max(columnsPerTab, column);
    }
    for (int id : appended) {
        CCmnRegRecordDetailsLayoutItem item{id, false, QString()};
        const int rows = LayoutRows(id);
        if (used + rows > rowsPerColumn) {
            used = 0;
            if (++column >= columnsPerTab) {
                column = 0;
                item.m_TabName = NextMoreTabName(taken);
            } else {
                item.m_NewColumn = true;
            }
        }
        used += rows;
        m_RecordDetailsManual.append(item);
    }
    m_Changed &= ~ChangedRecordDetailsManual;
}

void CCmnRegFieldsSettings::NormaliseSelectRecordLayout()
{
    NormaliseFormFieldOrder();
    if (!(m_Changed & ChangedSelectRecordManual))
        return;
    const QList<int> appended = KeepWanted(m_SelectRecordManual, KeyFieldsInOrder());
    int perColumn = GetAutoSelectRecordColumnLength();
    int inColumn = 0;
    for (const CCmnRegSelectRecordLayoutItem &item : std::as_const(m_SelectRecordManual)) {
        if (item.m_NewColumn)
            inColumn = 0;
        perColumn = std::max(perColumn, ++inColumn);
    }
    for (int id : appended) {
        CCmnRegSelectRecordLayoutItem item{id, false};
        if (inColumn >= perColumn) {
            item.m_NewColumn = true;
            inColumn = 0;
        }
        ++inColumn;
        m_SelectRecordManual.append(item);
    }
    m_Changed &= ~ChangedSelectRecordManual;
}

const QList<CCmnRegSelectRecordLayoutItem> &CCmnRegFieldsSettings::GetSelectRecordLayout()
{
    if (m_SelectRecordAuto) {
        ComputeAutoSelectRecordLayout();
        return m_SelectRecordComputed;
    }
    NormaliseSelectRecordLayout();
    return m_SelectRecordManual;
}

const QList<CCmnRegRecordDetailsLayoutItem> &CCmnRegFieldsSettings::GetRecordDetailsLayout()
{
    if (m_RecordDetailsAuto) {
        ComputeAutoRecordDetailsLayout();
        return m_RecordDetailsComputed;
    }
    NormaliseRecordDetailsLayout();
    return m_RecordDetailsManual;
}

void CCmnRegFieldsSettings::PlaceNewFields(QList<CCmnRegNewFieldPlacement> placements)
{
    if (placements.isEmpty())
        return;
    std::stable_sort(placements.begin(), placements.end(),
                     [](const CCmnRegNewFieldPlacement &a, const CCmnRegNewFieldPlacement &b) {
                         return std::tie(a.m_Group, a.m_Order, a.m_FieldId)
                                < std::tie(b.m_Group, b.m_Order, b.m_FieldId);
                     });
    MoveNewFieldsToEnd(placements);
    PlaceNewFieldsInSelectRecordLayout(placements);
    PlaceNewFieldsInRecordDetailsLayout(placements);
}

void CCmnRegFieldsSettings::MoveNewFieldsToEnd(const QList<CCmnRegNewFieldPlacement> &sorted)
{
    NormaliseFormFieldOrder();
    QList<int> order = m_FormFieldOrder;
    for (const CCmnRegNewFieldPlacement &placement : sorted)
        order.removeOne(placement.m_FieldId);
    for (const CCmnRegNewFieldPlacement &placement : sorted)
        order.append(placement.m_FieldId);
    m_FormFieldOrder = order;
    m_Changed = ChangedAll;
}

void CCmnRegFieldsSettings::PlaceNewFieldsInSelectRecordLayout(const QList<CCmnRegNewFieldPlacement> &sorted)
{
    QSet<int> placed;
    for (const CCmnRegNewFieldPlacement &placement : sorted)
        placed.insert(placement.m_FieldId);
    QList<CCmnRegSelectRecordLayoutItem> items = GetSelectRecordLayout();
    items.removeIf([&placed](const CCmnRegSelectRecordLayoutItem &item) { return placed.contains(item.m_FieldId); });
    for (CCmnRegSelectRecordLayoutItem &item : items)
        item.m_NewColumn = false;
    int inColumn = int(items.size());
    for (const CCmnRegNewFieldPlacement &placement : sorted) {
        const int row = IndexOfUserField(placement.m_FieldId);
        if (row < 0 || !(m_UserFields.m_Items.at(row).second.m_Def.m_Flags & CmnRegFieldKey))
            continue;
        CCmnRegSelectRecordLayoutItem item{placement.m_FieldId, false};
        if (inColumn + 1 > kPlacedKeyFieldsPerColumn) {
            item.m_NewColumn = true;
            inColumn = 0;
        }
        items.append(item);
        ++inColumn;
    }
    m_SelectRecordManual = items;
    m_SelectRecordAuto = false;
    m_Changed |= ChangedSelectRecordManual;
}

void CCmnRegFieldsSettings::PlaceNewFieldsInRecordDetailsLayout(const QList<CCmnRegNewFieldPlacement> &sorted)
{
    struct SItem
    {
        CCmnRegRecordDetailsLayoutItem m_Item;
        int m_Rows = 1;
        int m_Group = 0;
        bool m_Tall = false;
    };
    QHash<int, const CCmnRegNewFieldPlacement *> placed;
    int lowestGroup = 0;
    int highestGroup = 0;
    for (const CCmnRegNewFieldPlacement &placement : sorted) {
        placed.insert(placement.m_FieldId, &placement);
        lowestGroup = placed.size() == 1 ? placement.m_Group : std::min(lowestGroup, placement.m_Group);
        highestGroup = placed.size() == 1 ? placement.m_Group : std::max(highestGroup, placement.m_Group);
    }
    QList<CCmnRegRecordDetailsLayoutItem> existing = GetRecordDetailsLayout();
    existing.removeIf([&placed](const CCmnRegRecordDetailsLayoutItem &item) { return placed.contains(item.m_FieldId); });
    for (CCmnRegRecordDetailsLayoutItem &item : existing)
        item = CCmnRegRecordDetailsLayoutItem{item.m_FieldId, false, QString()};
    for (const CCmnRegNewFieldPlacement &placement : sorted)
        existing.append(CCmnRegRecordDetailsLayoutItem{placement.m_FieldId, false, QString()});

    // Ordinary fields first, then the new groups, then everything tall.
    QList<SItem> ordinary;
    QList<SItem> grouped;
    QList<SItem> tall;
    for (const CCmnRegRecordDetailsLayoutItem &item : std::as_const(existing)) {
        const CCmnRegFieldDef *def = FindFieldDef(item.m_FieldId);
        const int rows = def ? def->GetLayoutRows(true) + def->LabelAboveRows() : 1;
        const CCmnRegNewFieldPlacement *placement = placed.value(item.m_FieldId);
        const bool joinsFlow = placement && (placement->m_Flags & CCmnRegNewFieldPlacement::JoinFlow);
        if (joinsFlow || (!placement && rows <= 2))
            ordinary.append(SItem{item, rows, lowestGroup - 1, false});
        else if (rows <= 2)
            grouped.append(SItem{item, rows, placement->m_Group, false});
        else
            tall.append(SItem{item, rows, highestGroup + 1, true});
    }
    QList<SItem> items = ordinary + grouped + tall;

    // Columns, as the indexes of the items that begin them.
    QList<int> columnStarts{0};
    int used = 0;
    for (qsizetype runStart = 0; runStart < items.size();) {
        qsizetype runEnd = runStart;
        int runRows = 0;
        while (runEnd < items.size() && items.at(runEnd).m_Group == items.at(runStart).m_Group)
            runRows += items.at(runEnd++).m_Rows;
        qsizetype first = runStart;
        if (used > 0 && (items.at(runStart).m_Tall || used + runRows > kPlacedColumnRows)) {
            columnStarts.append(int(first));
            used = 0;
        }
        while (used + runRows > kPlacedColumnRows) {
            int taken = items.at(first).m_Rows;
            qsizetype next = first + 1;
            while (next < runEnd && taken + items.at(next).m_Rows <= kPlacedColumnRows)
                taken += items.at(next++).m_Rows;
            if (next >= runEnd)
                break;
            columnStarts.append(int(next));
            runRows -= taken;
            first = next;
            used = 0;
        }
        used += runRows;
        runStart = runEnd;
    }

    // Columns too small to stand alone join the one before them.
    QList<QPair<int, int>> columns;   // (first item, rows)
    for (qsizetype c = 0; c < columnStarts.size(); ++c) {
        const int start = columnStarts.at(c);
        const int end = c + 1 < columnStarts.size() ? columnStarts.at(c + 1) : int(items.size());
        int rows = 0;
        for (int i = start; i < end; ++i)
            rows += items.at(i).m_Rows;
        if (!columns.isEmpty() && rows < kSmallestPlacedColumn)
            columns.last().second += rows;
        else
            columns.append({start, rows});
    }

    QSet<QString> given;
    int columnsInTab = 1;
    for (qsizetype c = 1; c < columns.size(); ++c) {
        SItem &first = items[columns.at(c).first];
        if (columnsInTab == kPlacedColumnsPerTab || first.m_Tall) {
            const int end = c + 1 < columns.size() ? columns.at(c + 1).first : int(items.size());
            const int userRow = IndexOfUserField(first.m_Item.m_FieldId);
            QString name = end - columns.at(c).first == 1 && userRow >= 0 ? m_UserFields.m_Items.at(userRow).first
                                                                          : QStringLiteral("More");
            if (given.contains(name)) {
                for (int n = 2; given.contains(name); ++n)
                    name = QStringLiteral("More %1").arg(n);
            }
            given.insert(name);
            first.m_Item.m_TabName = name;
            columnsInTab = 1;
        } else {
            first.m_Item.m_NewColumn = true;
            ++columnsInTab;
        }
    }
    m_RecordDetailsManual.clear();
    for (const SItem &item : std::as_const(items))
        m_RecordDetailsManual.append(item.m_Item);
    m_RecordDetailsAuto = false;
    m_Changed |= ChangedRecordDetailsManual;
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
    return m_SelectRecordAuto == other.m_SelectRecordAuto
           && GetSelectRecordLayout() == other.GetSelectRecordLayout()
           && m_RecordDetailsAuto == other.m_RecordDetailsAuto
           && GetRecordDetailsLayout() == other.GetRecordDetailsLayout();
}

void CCmnRegFieldsSettings::Write(QDataStream &stream) const
{
    stream << kFieldsSettingsTag << kFieldsSettingsVersion << quint32(m_FormFieldOrder.size());
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
    if (stream.status() != QDataStream::Ok || tag != kFieldsSettingsTag || version > kFieldsSettingsVersion)
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
    return CmnStreamBytes([this](QDataStream &stream) { Write(stream); });
}

bool CCmnRegFieldsSettings::FromByteArray(const QByteArray &bytes)
{
    CCmnRegFieldsSettings read;
    if (!CmnReadStreamBytes(bytes, [&read](QDataStream &stream) { return read.Read(stream); }))
        return false;
    *this = read;
    return true;
}
