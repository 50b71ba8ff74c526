#include "biolegacyimportparams.h"

#include "biolegacyconfigflags.h"
#include "biolegacydataimport_ent.h"
#include "biolegacydataimport_hvdoc.h"
#include "biolegacytext.h"
#include "cmnsettingsexchange.h"
#include "cmnsettingskeys.h"

#include <QHash>
#include <QSet>

namespace {

constexpr int kDiscoveryTrimEvery = 1000;

const char *const kKindKeys[BioLegacyImportKindCount] = {"textfields",     "boolfields", "intfields",
                                                         "currencyfields", "datefields", "reffields"};

// The storage group and value class that each candidate kind is found in.
EBioLegacyGroup GroupOfKind(int kind)
{
    static constexpr EBioLegacyGroup kGroups[BioLegacyImportKindCount] = {
        BioLegacyGroupTexts,    BioLegacyGroupBooleans, BioLegacyGroupIntegers,
        BioLegacyGroupCurrency, BioLegacyGroupDates,    BioLegacyGroupReferences};
    return kGroups[kind];
}

EBioLegacyValueKind ValueKindOfKind(int kind)
{
    static constexpr EBioLegacyValueKind kKinds[BioLegacyImportKindCount] = {
        EBioLegacyValueKind::Text,     EBioLegacyValueKind::Bool, EBioLegacyValueKind::Int,
        EBioLegacyValueKind::Currency, EBioLegacyValueKind::Date, EBioLegacyValueKind::Ref};
    return kKinds[kind];
}

// The legacy ids that the owner's caption keys stand for.
QHash<QString, int> CaptionKeys(bool halvane)
{
    static constexpr int kHalvane[5][5] = {{2, 3, 4, 376, 377},
                                           {383, 384, 385, 386, 387},
                                           {388, 389, 390, 391, 392},
                                           {378, 379, 380, 381, 382},
                                           {393, 394, 395, 396, 397}};
    static constexpr int kDunmarra[5][5] = {
        {2, 3, 4, 5, 6}, {12, 13, 14, 15, 16}, {17, 18, 19, 20, 21}, {7, 8, 9, 10, 11}, {22, 23, 24, 25, 26}};
    static const char *const kStems[5] = {"g_str_u", "g_flag_u", "g_currency_u", "g_date_u", "g_int_u"};
    QHash<QString, int> keys;
    for (int stem = 0; stem < 5; ++stem)
        for (int number = 0; number < 5; ++number)
            keys.insert(QLatin1String(kStems[stem]) + QString::number(number + 1),
                        halvane ? kHalvane[stem][number] : kDunmarra[stem][number]);
    return keys;
}

bool HoldsData(int kind, const CBioLegacyDataImport_FieldVal &value, bool strip)
{
    if (kind == BioLegacyImportText)
        return !LegacyTextToString(static_cast<const CBioLegacyDataImport_TextFieldVal &>(value).text, strip).isEmpty();
    if (kind == BioLegacyImportBoolean)
        return static_cast<const CBioLegacyDataImport_BOOLFieldVal &>(value).value;
    return true;
}

} // namespace

void CBioLegacyImportParams::DiscoverFields(CBioLegacyDataImport_HvDoc &document,
                                            const CCmnRegFieldContextMask &mask0,
                                            const CCmnRegFieldContextMask &mask1,
                                            const CCmnRegFieldContextMask &mask2,
                                            const CCmnRegFieldContextMask &mask3,
                                            const CCmnRegFieldContextMask &mask4)
{
    const bool halvane = BioLegacyConfigFlagIsSet("APP_HV");
    m_PictureId = halvane ? 21 : 42;
    m_NameId = halvane ? 15 : 34;
    m_NameSuffixId = halvane ? 87 : 0;
    m_SexId = halvane ? 17 : 39;
    m_DateOfBirthId = halvane ? 30 : 47;
    m_DateOfDeathId = halvane ? 31 : 0;
    m_SireId = halvane ? 27 : 45;
    m_DamId = halvane ? 28 : 46;
    m_TitleId = halvane ? 83 : 35;
    m_LongTitleId = halvane ? 82 : 0;

    CBioLegacyDataImport_Reg *animals = document.RegisterOfKind(BioLegacyKindAnimal);
    const CBioLegacyDataImport_EntSchema *schema = animals ? animals->Schema() : nullptr;
    for (const CBioLegacyCandidate &candidate :
         BioLegacyCandidateCatalogue(halvane, {mask0, mask1, mask2, mask3, mask4})) {
        // Species fields the file's schema lacks are not offered.
        if (schema && schema->Group(GroupOfKind(candidate.m_Kind)).Contains(candidate.m_Field.m_Id))
            Fields(candidate.m_Kind).append(candidate.m_Field);
    }
    if (!animals)
        return;

    const QHash<QString, int> captionKeys = CaptionKeys(halvane);
    for (const CBioLegacyStringPair &pair : animals->StringPairs()) {
        const auto key = captionKeys.constFind(LegacyTextToString(pair.first, false));
        if (key == captionKeys.constEnd())
            continue;
        const QStringList parts = LegacyTextToString(pair.second, false).split(QLatin1Char('\n'));
        if (parts.size() < 2)
            continue;
        const QString caption = parts.at(1).trimmed();
        if (caption.isEmpty())
            continue;
        for (QList<CBioLegacyImportField> &fields : m_Fields) {
            for (CBioLegacyImportField &field : fields) {
                if (field.m_Id == key.value() && field.m_Descriptor.m_Name != caption) {
                    field.m_Descriptor.m_Name = caption;
                    field.SetSelected(true);
                }
            }
        }
    }

    std::array<QList<int>, BioLegacyImportKindCount> remaining;
    std::array<QSet<int>, BioLegacyImportKindCount> found;
    int leftToFind = 0;
    for (int kind = 0; kind < BioLegacyImportKindCount; ++kind) {
        for (const CBioLegacyImportField &field : Fields(kind))
            if (!field.IsSelected())
                remaining[size_t(kind)].append(field.m_Id);
        leftToFind += int(remaining[size_t(kind)].size());
    }
    const bool strip = m_StripEscapes != 0;
    const CBioLegacyDataImport_RegMap &map = animals->Map();
    int sinceTrim = 0;
    // Once every candidate has shown data the rest of the file cannot change the choice.
    for (qint32 id = map.NextId(0); id < kBioLegacyNoRecord && leftToFind > 0; id = map.NextId(id + 1)) {
        if (const CBioLegacyDataImport_Ent *entity = animals->GetEntity(id)) {
            for (int kind = 0; kind < BioLegacyImportKindCount; ++kind) {
                QList<int> &ids = remaining[size_t(kind)];
                for (qsizetype i = 0; i < ids.size();) {
                    const CBioLegacyDataImport_FieldVal *value = entity->PresentValue(ids.at(i), ValueKindOfKind(kind));
                    if (value && HoldsData(kind, *value, strip)) {
                        found[size_t(kind)].insert(ids.at(i));
                        ids.removeAt(i);
                        --leftToFind;
                    } else {
                        ++i;
                    }
                }
            }
        }
        if (++sinceTrim == kDiscoveryTrimEvery) {
            animals->TrimCache();
            sinceTrim = 0;
        }
    }

    for (int kind = 0; kind < BioLegacyImportKindCount; ++kind) {
        QList<CBioLegacyImportField> &fields = Fields(kind);
        for (CBioLegacyImportField &field : fields)
            if (found[size_t(kind)].contains(field.m_Id))
                field.SetSelected(true);
        for (const CBioLegacyImportField &field : std::as_const(fields)) {
            if (!field.IsSelected() || field.m_LinkedId == 0)
                continue;
            for (CBioLegacyImportField &linked : fields) {
                if (linked.m_Id == field.m_LinkedId) {
                    linked.SetSelected(false);
                    break;
                }
            }
        }
    }
}

QString BioLegacyImportSettingsGroup(const QString &filePath)
{
    return CmnSettingsKeyForName(QStringLiteral("legacyimportsettings"), filePath);
}

void CBioLegacyImportParams::ExchangeSettings(bool save, const QString &filePath)
{
    const CCmnSettingsExchange exchange(save, {}, BioLegacyImportSettingsGroup(filePath));
    bool useLongTitles = m_UseLongTitles != 0;
    bool stripEscapes = m_StripEscapes != 0;
    exchange.ExchangeBool(QStringLiteral("uselongtitle"), useLongTitles, false);
    exchange.ExchangeBool(QStringLiteral("stripescapes"), stripEscapes, true);
    m_UseLongTitles = useLongTitles ? 1 : 0;
    m_StripEscapes = stripEscapes ? 1 : 0;

    for (int kind = 0; kind < BioLegacyImportKindCount; ++kind) {
        QList<CBioLegacyImportField> &fields = Fields(kind);
        const QString key = QLatin1String(kKindKeys[kind]);
        QString text;
        if (save) {
            QStringList ids;
            for (const CBioLegacyImportField &field : std::as_const(fields))
                if (field.IsSelected())
                    ids.append(QString::number(field.m_Id));
            text = ids.join(QLatin1Char(','));
            exchange.ExchangeString(key, text, QStringLiteral("!"));
            continue;
        }
        exchange.ExchangeString(key, text, QStringLiteral("!"));
        if (text == QLatin1String("!"))
            continue;
        for (CBioLegacyImportField &field : fields)
            field.SetSelected(false);
        for (const QString &part : text.split(QLatin1Char(','))) {
            bool ok = false;
            const int id = part.toInt(&ok, 10);
            if (!ok)
                continue;
            for (CBioLegacyImportField &field : fields) {
                if (field.m_Id == id) {
                    field.SetSelected(true);
                    break;
                }
            }
        }
    }
}
