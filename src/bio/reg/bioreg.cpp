#include "bioreg.h"

#include "biobuiltinfields.h"
#include "bioinbreedingcalculator.h"
#include "bioregrecord.h"
#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnbytecursor.h"
#include "cmndatastream.h"
#include "cmnhtmlescape.h"
#include "cmnnumbertext.h"
#include "cmnregindexlistmodel.h"

#include <QDataStream>

#include <algorithm>
#include <numeric>

namespace {

constexpr int kNameField = -101;
constexpr quint8 kRegisterTag = 99;
constexpr quint8 kRegisterVersion = 0;
constexpr quint8 kRecordTag = 98;
constexpr quint8 kRecordVersion = 0;

const CBioRegRecord &Animal(const CCmnRegRecord &record)
{
    return static_cast<const CBioRegRecord &>(record);
}

CCmnRegFieldDef NameFieldDef()
{
    CCmnRegFieldDef def;
    def.m_Flags &= ~quint32(CmnRegFieldPrivateList);
    return def;
}

} // namespace

CBioReg::CBioReg(const CCmnRegFieldsSettings &initialFieldsSettings)
    : m_InitialFieldsSettings(initialFieldsSettings)
{
    ApplyInitialFieldsSettings();
}

CBioReg::~CBioReg() = default;

void CBioReg::ApplyInitialFieldsSettings()
{
    SetFieldsSettings(m_InitialFieldsSettings, false);
    AddIdentityField(kNameField, NameFieldDef());
    AddIdField();
}

void CBioReg::Reset()
{
    Clear();
    for (CCmnRegIndexList *list : GetIndexLists())
        list->Clear();
    m_ParentIndex.Clear();
    m_InbreedingSettings = CBioInbreedingSettings();
    m_NameDisplaySettings.Reset();
    m_Offspring.clear();
    m_OffspringValid = false;
    m_ReadRepairs.clear();
    ApplyInitialFieldsSettings();
}

CCmnReg::CRecordPtr CBioReg::CreateRecord()
{
    // One allocation for the record and its count: a register is read a record at a time.
    return QSharedPointer<CBioRegRecord>::create(this);
}

CBioRegRecord *CBioReg::GetBioRecord(int id) const
{
    return static_cast<CBioRegRecord *>(GetRecord(id));
}

void CBioReg::InvalidateOffspring()
{
    m_OffspringValid = false;
}

void CBioReg::SetParentIndexEntry(int id, const CBioRegRecord &record)
{
    m_ParentIndex.Grow(id, 0);
    m_ParentIndex.SetParents(id, record.m_Sire, record.m_Dam);
}

int CBioReg::AddRecord(const CRecordPtr &record, bool update)
{
    const int id = CCmnReg::AddRecord(record, update);
    if (update)
        m_ParentIndex.ResetIndividual(id);
    // Also without `update`: the offspring index answers which links a deletion
    // clears, so it must never miss a child added by a bulk filler.
    InvalidateOffspring();
    return id;
}

int CBioReg::AddNamedRecord(const QString &name, bool update)
{
    return AddRecord(CRecordPtr(new CBioRegRecord(name, this)), update);
}

void CBioReg::ReplaceRecord(int id, const CRecordPtr &record, bool update)
{
    CCmnReg::ReplaceRecord(id, record, update);
    if (update && HasRecNo(id))
        SetParentIndexEntry(id, Animal(*record));
    InvalidateOffspring();
}

bool CBioReg::SetParent(int recordId, int which, int parentId)
{
    const CBioRegRecord *record = GetBioRecord(recordId);
    if (!record)
        return false;
    if ((which == 1 && record->m_Sire == parentId) || (which == 2 && record->m_Dam == parentId))
        return false;
    auto copy = QSharedPointer<CBioRegRecord>::create(*record);
    if (which == 1)
        copy->m_Sire = parentId;
    else
        copy->m_Dam = parentId;
    ReplaceRecord(recordId, copy, true);
    emit RegRecordNotification(this, recordId, which == 1 ? SireSet : DamSet);
    emit RegModified(this);
    return true;
}

bool CBioReg::ClearReferencesToRecord(int recordId, int removedId)
{
    CBioRegRecord *record = GetBioRecord(recordId);
    if (!record)
        return false;
    bool cleared = false;
    if (record->m_Sire == removedId) {
        record->m_Sire = 0;
        cleared = true;
    }
    if (record->m_Dam == removedId) {
        record->m_Dam = 0;
        cleared = true;
    }
    if (cleared)
        SetParentIndexEntry(recordId, *record);
    return cleared;
}

bool CBioReg::DeleteRecord(int id, bool update)
{
    const CBioRegRecord *record = GetBioRecord(id);
    if (!record)
        return false;
    const int sire = record->m_Sire;
    const int dam = record->m_Dam;
    // The base asks GetRecordsReferringTo, which makes the offspring index valid.
    if (!CCmnReg::DeleteRecord(id, update))
        return false;
    // Ids are reused: the freed id must not keep the old animal's parents.
    if (id <= m_ParentIndex.Highest())
        m_ParentIndex.ClearParents(id);
    if (m_OffspringValid) {
        m_Offspring.remove(id);
        for (int parent : {sire, dam}) {
            auto found = m_Offspring.find(parent);
            if (found != m_Offspring.end())
                found->removeAll(id);
        }
    }
    return true;
}

int CBioReg::StoreNewRecord(const CBioRegRecord &record)
{
    const int id = AddNamedRecord(record.m_Name, true);
    ReplaceRecord(id, QSharedPointer<CBioRegRecord>::create(record), true);
    emit RegRecordNotification(this, id, RecordAdded);
    emit RegModified(this);
    return id;
}

void CBioReg::StoreChangedRecord(int id, const CBioRegRecord &record)
{
    ReplaceRecord(id, QSharedPointer<CBioRegRecord>::create(record), true);
    emit RegRecordNotification(this, id, RecordChanged);
    emit RegModified(this);
}

bool CBioReg::DeleteRecordAndNotify(int id)
{
    if (!DeleteRecord(id, true))
        return false;
    emit RegRecordNotification(this, id, RecordDeleted);
    emit RegModified(this);
    return true;
}

QVector<int> CBioReg::FindNameMatches(const QString &name, int ownId)
{
    QVector<int> matches = FindMatchingRecords(AllSexes, name);
    if (ownId > 0)
        matches.removeOne(ownId);
    return matches;
}

QString CBioReg::MatchingRecordsHtml(const QVector<int> &matches) const
{
    constexpr int kListed = 4;
    QStringList lines;
    for (const int id : matches.mid(0, kListed)) {
        const CBioRegRecord *record = GetBioRecord(id);
        if (!record)
            continue;
        QString line = QStringLiteral("-") + RecordDisplayName(id);
        if (record->m_Sex == MaleSex || record->m_Sex == FemaleSex)
            line += QStringLiteral(", ") + GetBioTerm(record->m_Sex == MaleSex ? kBioTermMale : kBioTermFemale);
        if (!record->DateOfBirth().IsEmpty())
            line += QStringLiteral(", %1 %2").arg(GetBioTerm(kBioTermDateOfBirth), record->DateOfBirthText());
        lines.append(CmnHtmlEscape(line));
    }
    QString html = lines.join(QStringLiteral("<br/>"));
    if (matches.size() > kListed)
        html += QStringLiteral("<br/>+%1 more").arg(matches.size() - kListed);
    return html;
}

void CBioReg::SetLayoutPreview(const void *owner, LayoutPreview preview)
{
    m_LayoutPreview = std::move(preview);
    m_LayoutPreviewOwner = m_LayoutPreview ? owner : nullptr;
}

void CBioReg::RemoveLayoutPreview(const void *owner)
{
    if (owner && owner == m_LayoutPreviewOwner)
        SetLayoutPreview(nullptr, {});
}

void CBioReg::TestRecordDetailsLayout(const CCmnRegFieldsSettings &settings, QWidget *parent)
{
    TestLayout(settings, parent, true);
}

void CBioReg::TestSelectRecordLayout(const CCmnRegFieldsSettings &settings, QWidget *parent)
{
    TestLayout(settings, parent, false);
}

void CBioReg::TestLayout(const CCmnRegFieldsSettings &settings, QWidget *parent, bool details)
{
    const CCmnRegFieldsSettings savedSettings = GetFieldsSettings();
    const CCmnRegLookupLists savedLookupLists = GetLookupLists();
    SetFieldsSettings(settings, false);
    if (m_LayoutPreview)
        m_LayoutPreview(details, parent);
    SetFieldsSettings(savedSettings, false);
    GetLookupLists() = savedLookupLists;
}

QVector<int> CBioReg::GetRecordsReferringTo(int deletedId) const
{
    if (!m_OffspringValid)
        BuildOffspringHash();
    return m_Offspring.value(deletedId);
}

void CBioReg::RebuildParentIndex()
{
    m_ParentIndex.Clear();
    InvalidateOffspring();
    // In id order rather than the name order of the index: the records are then
    // read in the order they are stored, which in a large register is far faster.
    const QVector<int> ids = GetRecordIds();
    // Room for every id at once: grown id by id, the table is copied whole every
    // few thousand records, which at a million records costs more than the rest.
    if (!ids.isEmpty())
        m_ParentIndex.Grow(ids.back(), 0);
    for (const int id : ids) {
        if (const CBioRegRecord *record = GetBioRecord(id))
            m_ParentIndex.SetParents(id, record->m_Sire, record->m_Dam);
    }
}

void CBioReg::BuildOffspringHash() const
{
    m_Offspring.clear();
    for (int id : GetRecordIds()) {
        const CBioRegRecord *record = GetBioRecord(id);
        if (record->m_Sire >= 1)
            m_Offspring[record->m_Sire].append(id);
        if (record->m_Dam >= 1)
            m_Offspring[record->m_Dam].append(id);
    }
    m_OffspringValid = true;
}

QVector<int> CBioReg::GetOffspring(int parentId) const
{
    if (!m_OffspringValid)
        BuildOffspringHash();
    return m_Offspring.value(parentId);
}

QString CBioReg::RecordDisplayName(int id) const
{
    return GetBioRecord(id)->DisplayName(m_NameDisplaySettings);
}

QString CBioReg::RecordDisplayNameHtml(int id) const
{
    return GetBioRecord(id)->DisplayNameHtml(m_NameDisplaySettings);
}

QString CBioReg::RecordNameWithSuffix(int id) const
{
    return GetBioRecord(id)->NameWithSuffix(m_NameDisplaySettings);
}

CCmnRegIndexList &CBioReg::IndexListForSex(int filter)
{
    switch (filter) {
    case MaleSex:
        return m_MaleRecords;
    case FemaleSex:
        return m_FemaleRecords;
    case UnknownSex:
        return m_UnknownSexRecords;
    default:
        return m_AllRecords;
    }
}

int CBioReg::FirstRecordOfSex(int sex)
{
    const CCmnRegIndexList &list = IndexListForSex(sex == MaleSex || sex == FemaleSex ? sex : AllSexes);
    return list.Entries().isEmpty() ? 0 : list.Entries().first().m_Id;
}

QVector<int> CBioReg::FindMatchingRecords(int filter, const QString &name)
{
    return CmnRegIndexListFindByName(IndexListForSex(filter), name);
}

bool CBioReg::IndexKeyChanged(const CCmnRegRecord &oldRecord, const CCmnRegRecord &newRecord) const
{
    const CBioRegRecord &before = Animal(oldRecord);
    const CBioRegRecord &after = Animal(newRecord);
    return before.m_Sex != after.m_Sex || before.m_Name != after.m_Name;
}

QList<CCmnRegIndexList *> CBioReg::GetIndexLists()
{
    return {&m_AllRecords, &m_MaleRecords, &m_FemaleRecords, &m_UnknownSexRecords};
}

QList<CCmnRegIndexList *> CBioReg::GetIndexListsForRecord(const CCmnRegRecord &record)
{
    return IndexListsInMask(GetIndexListMaskForRecord(record));
}

quint32 CBioReg::GetIndexListMaskForRecord(const CCmnRegRecord &record)
{
    // Bits of the lists' places in GetIndexLists: all, male, female, unknown sex.
    switch (Animal(record).m_Sex) {
    case 0:
        return 0b1001;
    case 1:
        return 0b0011;
    case 2:
        return 0b0101;
    default:
        return 0b0001;
    }
}

CCmnRegIndexList *CBioReg::GetIndexListForModel(const CCmnRegIndexListModel *model)
{
    return &IndexListForSex(model ? model->property("sexFilter").toInt() : AllSexes);
}

void CBioReg::WriteRecord(int recordId, QDataStream &stream) const
{
    CCmnReg::WriteRecord(recordId, stream);
    const CBioRegRecord *record = GetBioRecord(recordId);
    stream << kRecordTag << kRecordVersion << qint32(record->m_Sire) << qint32(record->m_Dam)
           << qint8(record->m_Sex) << quint8(1) << record->m_Photo << record->m_Name;
}

// The animal's part of a record is read here and, for most records of a file, by
// ReadRecordFromMemory: a change to its layout changes both.
bool CBioReg::ReadRecord(int recordId, QDataStream &stream)
{
    if (!CCmnReg::ReadRecord(recordId, stream))
        return false;
    CBioRegRecord *record = GetBioRecord(recordId);
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (!record || stream.status() != QDataStream::Ok || tag != kRecordTag || version != kRecordVersion)
        return false;
    qint32 sire = 0;
    qint32 dam = 0;
    qint8 sex = 0;
    quint8 hasPicture = 0;
    stream >> sire >> dam >> sex >> hasPicture;
    record->m_Sire = sire;
    record->m_Dam = dam;
    record->m_Sex = sex;
    record->m_Photo = CCmnPicture();
    if (stream.status() == QDataStream::Ok && hasPicture != 0) {
        CCmnPicture photo;
        stream >> photo;
        record->m_Photo = photo;
    }
    CmnReadString(stream, record->m_Name);
    return stream.status() == QDataStream::Ok;
}

// The same layout as ReadRecord and WriteRecord, decoded from memory.
bool CBioReg::ReadRecordFromMemory(CCmnRegRecord &record, CCmnByteCursor &cursor)
{
    if (!ReadValuesFromMemory(record, cursor))
        return false;
    const quint8 tag = cursor.U8();
    const quint8 version = cursor.U8();
    const qint32 sire = cursor.I32();
    const qint32 dam = cursor.I32();
    const qint8 sex = cursor.I8();
    const quint8 hasPicture = cursor.U8();
    if (!cursor.Ok() || tag != kRecordTag || version != kRecordVersion)
        return false;
    CBioRegRecord &animal = static_cast<CBioRegRecord &>(record);
    animal.m_Photo = CCmnPicture();
    if (hasPicture != 0 && !animal.m_Photo.Read(cursor))
        return false;
    QString name = cursor.String();
    if (!cursor.Ok())
        return false;
    animal.m_Sire = sire;
    animal.m_Dam = dam;
    animal.m_Sex = sex;
    animal.m_Name = std::move(name);
    return true;
}

bool CBioReg::Read(QDataStream &stream)
{
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok || tag != kRegisterTag || version != kRegisterVersion)
        return false;
    m_ParentIndex.Clear();
    m_Offspring.clear();
    InvalidateOffspring();
    m_ReadRepairs.clear();
    m_ReadRepairIds.clear();
    const bool read = CCmnReg::Read(stream);
    if (!read) {
        m_ParentIndex.Clear();
        m_ReadRepairs.clear();
    } else if (!std::is_sorted(m_ReadRepairIds.cbegin(), m_ReadRepairIds.cend())) {
        // Records filed out of id order: the repairs are told in id order all the same.
        std::vector<qsizetype> order(size_t(m_ReadRepairs.size()));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [this](qsizetype a, qsizetype b) { return m_ReadRepairIds[a] < m_ReadRepairIds[b]; });
        QStringList sorted;
        for (qsizetype at : order)
            sorted.append(m_ReadRepairs.at(at));
        m_ReadRepairs = sorted;
    }
    m_ReadRepairIds.clear();
    return read && stream.status() == QDataStream::Ok;
}

void CBioReg::RecordRead(int recordId, CCmnRegRecord &record)
{
    // The links and the parent index are settled as each record is read, while
    // the record is in cache: a walk afterwards would fetch every record again.
    CBioRegRecord &animal = static_cast<CBioRegRecord &>(record);
    ClearDanglingParents(recordId, animal);
    // When the table is full it makes room for about twice the id, so that ids
    // met in order grow it a few times only; the room beyond the id is capped by
    // the allocator's count, so one far id in a damaged file gets no spare room.
    const int extra = recordId < m_ParentIndex.Entries().capacity() ? 0 : std::min(recordId, GetRecordCount());
    m_ParentIndex.Grow(recordId, extra);
    m_ParentIndex.SetParents(recordId, animal.m_Sire, animal.m_Dam);
}

QString CBioReg::DroppedParentLinkMessage(const QString &name, int recordId, int parentId, int which)
{
    return tr("%1 (record %2) named record %3 as its %4, but the file holds no such record: the link was removed.")
        .arg(name.isEmpty() ? QStringLiteral("?") : name)
        .arg(recordId)
        .arg(parentId)
        .arg(GetBioTerm(which == 1 ? BioTermSire : BioTermDam, BioTermLowerCase));
}

void CBioReg::ClearDanglingParents(int id, CBioRegRecord &record)
{
    // A link to an animal the file does not hold would let a later walk or a
    // reused id make a stranger the parent: it is dropped and the user told.
    // A negative id already means "none" and simply becomes 0.
    for (int which : {1, 2}) {
        int &parent = which == 1 ? record.m_Sire : record.m_Dam;
        if (parent >= 1 && !HasRecNo(parent)) {
            m_ReadRepairs.append(DroppedParentLinkMessage(record.m_Name, id, parent, which));
            m_ReadRepairIds.push_back(id);
        }
        if (parent < 1 || !HasRecNo(parent))
            parent = 0;
    }
}

QDataStream &operator<<(QDataStream &stream, const CBioReg &reg)
{
    stream << kRegisterTag << kRegisterVersion;
    reg.Write(stream);
    return stream;
}

QDataStream &operator>>(QDataStream &stream, CBioReg &reg)
{
    if (!reg.Read(stream) && stream.status() == QDataStream::Ok)
        stream.setStatus(QDataStream::ReadCorruptData);
    return stream;
}

CBioInbreedingCalculator &CBioReg::InbreedingCalculator() const
{
    if (!m_InbreedingCalculator)
        m_InbreedingCalculator = std::make_unique<CBioInbreedingCalculator>(m_ParentIndex);
    return *m_InbreedingCalculator;
}

bool CBioReg::OffspringInbreeding(int sireId, int damId, double &coefficient) const
{
    return InbreedingCalculator().OffspringInbreeding(sireId, damId, m_InbreedingSettings.m_Generations,
                                                      coefficient);
}

bool CBioReg::IsInbuiltField(int fieldId) const
{
    return fieldId >= -109 && fieldId <= -101;
}

QString CBioReg::GetIdentityFieldLabel(int fieldId, bool builtInWording) const
{
    if (const CBioBuiltInField *field = BioFindBuiltInField(fieldId, CBioBuiltInField::Identity))
        return BioBuiltInFieldLabel(*field, builtInWording);
    return CCmnReg::GetIdentityFieldLabel(fieldId, builtInWording);
}

QString CBioReg::GetIdentityFieldInternalName(int fieldId) const
{
    if (const CBioBuiltInField *field = BioFindBuiltInField(fieldId, CBioBuiltInField::Identity))
        return BioBuiltInFieldInternalName(*field);
    return CCmnReg::GetIdentityFieldInternalName(fieldId);
}

int CBioReg::FindIdentityField(const QString &label, bool builtInWording) const
{
    if (const int id = BioFindBuiltInFieldByLabel(CBioBuiltInField::Identity, label, builtInWording))
        return id;
    return CCmnReg::FindIdentityField(label, builtInWording);
}

bool CBioReg::GetIdentityFieldColumnType(int fieldId, CCmnExportCellFormat &format) const
{
    if (!BioFindBuiltInField(fieldId, CBioBuiltInField::Identity))
        return CCmnReg::GetIdentityFieldColumnType(fieldId, format);
    format = CCmnExportCellFormat{0, 0, -1, QString()};
    return true;
}

bool CBioReg::GetIdentityFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format,
                                        QString &valueText, QString &displayText) const
{
    if (!BioFindBuiltInField(fieldId, CBioBuiltInField::Identity))
        return CCmnReg::GetIdentityFieldValueText(recordId, fieldId, format, valueText, displayText);
    const CBioRegRecord *record = GetBioRecord(recordId);
    valueText = displayText = record ? record->GetName() : QString();
    return true;
}

QString CBioReg::GetSpecialFieldLabel(int fieldId, bool builtInWording) const
{
    if (const CBioBuiltInField *field = BioFindBuiltInField(fieldId, CBioBuiltInField::Special))
        return BioBuiltInFieldLabel(*field, builtInWording);
    return CCmnReg::GetSpecialFieldLabel(fieldId, builtInWording);
}

QString CBioReg::GetSpecialFieldInternalName(int fieldId) const
{
    if (const CBioBuiltInField *field = BioFindBuiltInField(fieldId, CBioBuiltInField::Special))
        return BioBuiltInFieldInternalName(*field);
    return CCmnReg::GetSpecialFieldInternalName(fieldId);
}

int CBioReg::FindSpecialField(const QString &label, bool builtInWording) const
{
    return BioFindBuiltInFieldByLabel(CBioBuiltInField::Special, label, builtInWording);
}

bool CBioReg::GetSpecialFieldColumnType(int fieldId, CCmnExportCellFormat &format) const
{
    if (!BioFindBuiltInField(fieldId, CBioBuiltInField::Special))
        return CCmnReg::GetSpecialFieldColumnType(fieldId, format);
    format = fieldId == -109 ? CCmnExportCellFormat{6, 1, -1, QString()} : CCmnExportCellFormat{0, 0, -1, QString()};
    return true;
}

bool CBioReg::GetSpecialFieldValueText(int recordId, int fieldId, const CCmnExportCellFormat &format,
                                       QString &valueText, QString &displayText) const
{
    if (!BioFindBuiltInField(fieldId, CBioBuiltInField::Special))
        return CCmnReg::GetSpecialFieldValueText(recordId, fieldId, format, valueText, displayText);
    valueText.clear();
    displayText.clear();
    const CBioRegRecord *record = GetBioRecord(recordId);
    if (!record)
        return true;
    switch (fieldId) {
    case -102:
        std::tie(valueText, displayText) = record->SexTexts();
        break;
    case -105:
    case -106: {
        const int parentId = fieldId == -105 ? record->m_Sire : record->m_Dam;
        if (const CBioRegRecord *parent = parentId >= 1 ? GetBioRecord(parentId) : nullptr)
            valueText = displayText = parent->GetName();
        break;
    }
    default: {
        double coefficient = 0.0;
        valueText = displayText = OffspringInbreeding(record->m_Sire, record->m_Dam, coefficient)
                                      ? CmnDoubleToString(coefficient, m_InbreedingSettings.m_Decimals + 2)
                                      : QStringLiteral("ERROR");
        break;
    }
    }
    return true;
}

QString CBioReg::GetSystemFieldLabel(int fieldId, bool builtInWording) const
{
    const CBioBuiltInField *field = BioFindBuiltInField(fieldId, CBioBuiltInField::System);
    return field ? BioBuiltInFieldLabel(*field, builtInWording) : QString();
}

QString CBioReg::GetSystemFieldInternalName(int fieldId) const
{
    if (const CBioBuiltInField *field = BioFindBuiltInField(fieldId, CBioBuiltInField::System))
        return BioBuiltInFieldInternalName(*field);
    return CCmnReg::GetSystemFieldInternalName(fieldId);
}

int CBioReg::FindSystemField(const QString &label, bool builtInWording) const
{
    return BioFindBuiltInFieldByLabel(CBioBuiltInField::System, label, builtInWording);
}

bool CBioReg::AddIdentityFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                            CCmnRegSubstitutionTable &table) const
{
    if (!BioFindBuiltInField(fieldId, CBioBuiltInField::Identity))
        return CCmnReg::AddIdentityFieldSubstitutions(recordId, fieldId, forms, mode, table);
    AddRecordSubstitutions(recordId, BioTermName, forms, mode, table);
    return true;
}

bool CBioReg::AddSpecialFieldSubstitutions(int recordId, int fieldId, int forms, int mode,
                                           CCmnRegSubstitutionTable &table) const
{
    const CBioBuiltInField *field = BioFindBuiltInField(fieldId, CBioBuiltInField::Special);
    if (!field)
        return CCmnReg::AddSpecialFieldSubstitutions(recordId, fieldId, forms, mode, table);
    const CBioRegRecord *record = GetBioRecord(recordId);
    const int sireId = record ? record->m_Sire : 0;
    const int damId = record ? record->m_Dam : 0;
    const CCmnRegSubstitutionNames names = CmnRegMakeSubstitutionNames(
        GetBioTerm(field->m_Term, BioTermUpperCase), GetBioTerm(field->m_Term, BioTermBuiltIn | BioTermUpperCase));
    switch (fieldId) {
    case -105:
        AddRecordSubstitutions(sireId, BioTermSire, forms, mode, table);
        break;
    case -106:
        AddRecordSubstitutions(damId, BioTermDam, forms, mode, table);
        break;
    case -102: {
        CCmnRegSubstitution sex;
        sex.Set(forms, record ? record->SexText(0) : QString());
        CmnRegAddSubstitution(names, table, sex);
        break;
    }
    default: {
        double coefficient = 0.0;
        const QString text = OffspringInbreeding(sireId, damId, coefficient)
                                 ? CmnPercentToString(coefficient, m_InbreedingSettings.m_Decimals)
                                 : QStringLiteral("ERROR");
        CmnRegAddSubstitution(names, table, CCmnRegSubstitution(forms, text));
        break;
    }
    }
    return true;
}

void CBioReg::AddRecordSubstitutions(int recordId, int term, int, int, CCmnRegSubstitutionTable &table) const
{
    // A link to a record that is gone reads as no link, never as a crash.
    const bool known = recordId >= 1 && GetBioRecord(recordId);
    const QString text =
        known ? RecordDisplayName(recordId) : QStringLiteral("(%1 not set)").arg(GetBioTerm(term, 0));
    CCmnRegSubstitution named;
    named.m_Text = text;
    named.SetHtml(known ? RecordDisplayNameHtml(recordId) : CmnHtmlEscape(text));
    named.m_Forms = CCmnRegSubstitution::FormAll;
    const QString label = GetBioTerm(term, BioTermUpperCase);
    const QString builtIn = GetBioTerm(term, BioTermBuiltIn | BioTermUpperCase);
    CmnRegAddSubstitution(CmnRegMakeSubstitutionNames(label, builtIn), table, named);

    CCmnRegSubstitution untitled;
    untitled.SetText(known ? RecordNameWithSuffix(recordId) : QString());
    CmnRegAddSubstitution(CmnRegMakeSubstitutionNames(label, builtIn, QStringLiteral("UNTITLED")), table, untitled);
}
