#include "biolegacyregimport.h"

#include "biolegacydataimport_ent.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacyimportparams.h"
#include "biolegacytext.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "cmnregfieldssettings.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kConversionTrimEvery = 1000;

// Value kinds of the record store.
constexpr int kTextValue = 0;
constexpr int kBoolValue = 1;
constexpr int kIntValue = 4;
constexpr int kDateValue = 8;

// Built-in fields of the animal register.
constexpr int kDateOfBirthField = -103;
constexpr int kDateOfDeathField = -104;
constexpr int kTitleField = -107;
constexpr int kNameSuffixField = -108;

struct SNewField
{
    int m_Kind = 0;
    const CBioLegacyImportField *m_Candidate = nullptr;
    int m_FieldId = -1;
    int m_ValueKind = kTextValue;
};

struct SLink
{
    qint32 m_LegacyId = 0;
    CCmnReg::CRecordPtr m_Record;
    int m_NewId = 0;
    qint32 m_Sire = kBioLegacyNoRecord;
    qint32 m_Dam = kBioLegacyNoRecord;
};

// The reading of one legacy animal into a record.
class CRecordReader
{
public:
    CRecordReader(CBioLegacyDataImport_HvDoc &document, const CBioLegacyImportParams &params)
        : m_Params(params)
        , m_Contacts(document.RegisterOfKind(BioLegacyKindContact))
        , m_Strip(params.m_StripEscapes != 0)
    {
    }

    QString Text(const CBioLegacyDataImport_Ent &entity, int id, bool strip) const
    {
        const auto *value = entity.PresentValue(id, EBioLegacyValueKind::Text);
        return value ? LegacyTextToString(static_cast<const CBioLegacyDataImport_TextFieldVal *>(value)->text, strip)
                     : QString();
    }
    QString Text(const CBioLegacyDataImport_Ent &entity, int id) const { return Text(entity, id, m_Strip); }

    const CBioLegacyDate *Date(const CBioLegacyDataImport_Ent &entity, int id) const
    {
        const auto *value = entity.PresentValue(id, EBioLegacyValueKind::Date);
        return value ? &static_cast<const CBioLegacyDataImport_DateFieldVal *>(value)->date : nullptr;
    }

    qint32 Reference(const CBioLegacyDataImport_Ent &entity, int id) const
    {
        const auto *value = id ? entity.PresentValue(id, EBioLegacyValueKind::Ref) : nullptr;
        return value ? static_cast<const CBioLegacyDataImport_RefFieldVal *>(value)->value : kBioLegacyNoRecord;
    }

    void Read(const CBioLegacyDataImport_Ent &entity, CBioRegRecord &record,
              const std::vector<SNewField> &newFields) const
    {
        if (const auto *sex = entity.PresentValue(m_Params.m_SexId, EBioLegacyValueKind::Bool))
            record.m_Sex = static_cast<const CBioLegacyDataImport_BOOLFieldVal *>(sex)->value ? 1 : 2;
        if (const CBioLegacyDate *date = Date(entity, m_Params.m_DateOfBirthId))
            record.SetValue(kDateOfBirthField, kDateValue, QVariant::fromValue(date->ToCmnDate()));
        if (m_Params.m_DateOfDeathId) {
            if (const CBioLegacyDate *date = Date(entity, m_Params.m_DateOfDeathId))
                record.SetValue(kDateOfDeathField, kDateValue, QVariant::fromValue(date->ToCmnDate()));
        }
        record.m_Name = Text(entity, m_Params.m_NameId);
        const int titleId = m_Params.m_UseLongTitles && m_Params.m_LongTitleId ? m_Params.m_LongTitleId
                                                                              : m_Params.m_TitleId;
        if (titleId) {
            const QString title = Text(entity, titleId);
            if (!title.isEmpty())
                record.SetValue(kTitleField, kTextValue, title);
        }
        if (m_Params.m_NameSuffixId) {
            const QString suffix = Text(entity, m_Params.m_NameSuffixId);
            if (!suffix.isEmpty())
                record.SetValue(kNameSuffixField, kTextValue, suffix);
        }
        if (m_Params.m_PictureId) {
            // The older programs ran on Windows: their paths use backslashes.
            const QString path = Text(entity, m_Params.m_PictureId, false).replace(QLatin1Char('\\'), QLatin1Char('/'));
            if (!path.isEmpty())
                record.m_Photo.SetFilePath(path);
        }
        for (const SNewField &field : newFields)
            ReadChosenField(entity, record, field);
    }

    void TrimContacts() const
    {
        if (m_Contacts)
            m_Contacts->TrimCache();
    }

private:
    void ReadChosenField(const CBioLegacyDataImport_Ent &entity, CBioRegRecord &record, const SNewField &field) const
    {
        const int id = field.m_Candidate->m_Id;
        QVariant value;
        switch (field.m_Kind) {
        case BioLegacyImportText: {
            const QString text = Text(entity, id);
            if (!text.isEmpty())
                value = text;
            break;
        }
        case BioLegacyImportBoolean:
            if (const auto *flag = entity.PresentValue(id, EBioLegacyValueKind::Bool))
                value = static_cast<const CBioLegacyDataImport_BOOLFieldVal *>(flag)->value;
            break;
        case BioLegacyImportInteger:
            if (const auto *number = entity.PresentValue(id, EBioLegacyValueKind::Int))
                value = static_cast<const CBioLegacyDataImport_IntFieldVal *>(number)->value;
            break;
        case BioLegacyImportCurrency:
            if (const auto *currency = entity.PresentValue(id, EBioLegacyValueKind::Currency)) {
                const quint32 amount = quint32(static_cast<const CBioLegacyDataImport_CurrencyFieldVal *>(currency)->amount);
                value = QStringLiteral("%1.%2").arg(amount & 0xFFFFFFu).arg((amount >> 24) & 0x7Fu, 2, 10, QLatin1Char('0'));
            }
            break;
        case BioLegacyImportDate:
            if (const CBioLegacyDate *date = Date(entity, id)) {
                const CCmnDate day = date->ToCmnDate();
                if (!day.IsEmpty())
                    value = QVariant::fromValue(day);
            }
            break;
        case BioLegacyImportReference: {
            const QString names = ContactNames(entity, id);
            if (!names.isEmpty())
                value = names;
            break;
        }
        }
        if (value.isValid())
            record.SetValue(field.m_FieldId, field.m_ValueKind, value);
    }

    // The names of the contacts a reference candidate names, joined with ", ". The
    // usual vet's references have no name rule and give nothing.
    QString ContactNames(const CBioLegacyDataImport_Ent &entity, int candidateId) const
    {
        QList<int> references;
        QList<int> nameFields = {94, 95, 96};
        switch (candidateId) {
        case 25:
            references = {25, 458, 459};
            break;
        case 24:
            references = {24, 460, 461};
            break;
        case 51:
        case 53:
        case 460:
        case 461:
            references = {candidateId};
            break;
        case 43:
        case 44:
            references = {candidateId};
            nameFields = {63, 64, 65};
            break;
        default:
            return QString();
        }
        QStringList names;
        for (int referenceField : std::as_const(references)) {
            const qint32 contactId = Reference(entity, referenceField);
            // The register hands out no entity for an id it does not hold.
            const CBioLegacyDataImport_Ent *contact =
                m_Contacts && contactId != kBioLegacyNoRecord ? m_Contacts->GetEntity(contactId) : nullptr;
            if (!contact)
                continue;
            QStringList parts;
            for (int nameField : std::as_const(nameFields)) {
                const QString part = Text(*contact, nameField);
                if (!part.isEmpty())
                    parts.append(part);
            }
            const QString name = parts.join(QLatin1Char(' '));
            if (!name.isEmpty())
                names.append(name);
        }
        return names.join(QStringLiteral(", "));
    }

    const CBioLegacyImportParams &m_Params;
    CBioLegacyDataImport_Reg *m_Contacts;
    bool m_Strip;
};

// Adds a user field per chosen candidate to the settings; the candidates that got one.
std::vector<SNewField> AddNewFields(CCmnRegFieldsSettings &settings, const CBioLegacyImportParams &params)
{
    CCmnRegUserFieldSet userFields = settings.GetUserFields();
    int nextId = settings.GetMaxUserFieldId() + 1;
    int counter = 1;
    std::vector<SNewField> newFields;
    QList<CCmnRegNewFieldPlacement> placements;
    for (int kind = 0; kind < BioLegacyImportKindCount; ++kind) {
        for (const CBioLegacyImportField &candidate : params.Fields(kind)) {
            if (!candidate.IsSelected())
                continue;
            QString name = candidate.m_Descriptor.m_Name;
            if (name.isEmpty())
                name = QStringLiteral("User%1").arg(counter++);
            name = settings.MakeUniqueUserFieldName(name);
            if (name.isEmpty())
                continue;
            CCmnRegNewFieldOptions descriptor = candidate.m_Descriptor;
            if (kind == BioLegacyImportBoolean)
                descriptor.m_Flags |= CCmnRegNewFieldOptions::Boolean;
            else if (kind == BioLegacyImportInteger)
                descriptor.m_Flags |= CCmnRegNewFieldOptions::Integer;
            else if (kind == BioLegacyImportDate)
                descriptor.m_Flags |= CCmnRegNewFieldOptions::Date;
            const CCmnRegFieldDef def = descriptor.MakeFieldDef();
            const int id = nextId++;
            userFields.AddField(name, CCmnRegUserField(id, def, descriptor.m_Contexts));
            // Later names are made unique against this one too.
            settings.SetUserFields(userFields);
            newFields.push_back({kind, &candidate, id, def.ValueKind()});
            // Main fields join the register's own fields; the others keep to their groups.
            placements.append({candidate.m_Group, candidate.m_Order, id,
                               candidate.m_Flags & CBioLegacyImportField::MainField
                                   ? int(CCmnRegNewFieldPlacement::JoinFlow)
                                   : 0});
        }
    }
    settings.PlaceNewFields(placements);
    return newFields;
}

} // namespace

QString BioRegImportLegacyData(CBioReg &reg, CBioLegacyImportProgress *progress, QStringList *messages,
                               CBioLegacyDataImport_HvDoc &document, const CBioLegacyImportParams &params)
{
    CBioLegacyDataImport_Reg *animals = document.RegisterOfKind(BioLegacyKindAnimal);
    CCmnRegFieldsSettings settings = reg.GetFieldsSettings();
    const std::vector<SNewField> newFields = AddNewFields(settings, params);

    if (progress)
        progress->NextPhase(QObject::tr("Scanning file..."), animals ? int(animals->Map().IdsInUse()) : 0);

    // The records are made before the register is touched, so that a cancel leaves
    // the window's document as it was.
    const CRecordReader reader(document, params);
    std::vector<SLink> links;
    if (animals) {
        const CBioLegacyDataImport_RegMap &map = animals->Map();
        int sinceTrim = 0;
        for (qint32 id = map.NextId(0); id < kBioLegacyNoRecord; id = map.NextId(id + 1)) {
            if (const CBioLegacyDataImport_Ent *entity = animals->GetEntity(id)) {
                SLink link;
                link.m_LegacyId = id;
                link.m_Record = reg.CreateRecord();
                reader.Read(*entity, static_cast<CBioRegRecord &>(*link.m_Record), newFields);
                link.m_Sire = reader.Reference(*entity, params.m_SireId);
                link.m_Dam = reader.Reference(*entity, params.m_DamId);
                links.push_back(std::move(link));
            }
            if (++sinceTrim == kConversionTrimEvery) {
                animals->TrimCache();
                reader.TrimContacts();
                sinceTrim = 0;
                if (progress && progress->WasCanceled())
                    return QStringLiteral("!");
            }
        }
    }

    reg.RemoveAllRecords();
    reg.ClearIndexLists();
    reg.ClearLookupLists();
    reg.SetFieldsSettings(settings, false);
    for (SLink &link : links)
        link.m_NewId = reg.AddRecord(link.m_Record, false);

    const auto findLink = [&links](qint32 legacyId) -> const SLink * {
        const auto found = std::lower_bound(links.begin(), links.end(), legacyId,
                                            [](const SLink &link, qint32 id) { return link.m_LegacyId < id; });
        return found != links.end() && found->m_LegacyId == legacyId ? &*found : nullptr;
    };
    for (const SLink &link : links) {
        auto &record = static_cast<CBioRegRecord &>(*link.m_Record);
        for (int which : {1, 2}) {
            const qint32 parent = which == 1 ? link.m_Sire : link.m_Dam;
            if (parent == kBioLegacyNoRecord)
                continue;
            if (const SLink *found = findLink(parent)) {
                (which == 1 ? record.m_Sire : record.m_Dam) = found->m_NewId;
            } else if (messages) {
                messages->append(CBioReg::DroppedParentLinkMessage(record.m_Name, link.m_NewId, parent, which));
            }
        }
    }

    if (progress)
        progress->SetProgress(1);
    reg.RebuildIndexLists();
    reg.RebuildLookupLists();
    reg.RebuildParentIndex();
    return QString();
}
