#include "biobuiltinfields.h"

#include "bioterminology.h"
#include "bioterminologysettings.h"
#include "cmnregfieldssettings.h"

#include <array>

namespace {

using EGroup = CBioBuiltInField::EGroup;

// In id order; a group's fields in this order are the order in which labels are
// matched.
constexpr std::array<CBioBuiltInField, 9> kFields{{
    {-101, EGroup::Identity, BioTermName},
    {-102, EGroup::Special, BioTermSex},
    {-103, EGroup::System, BioTermDateOfBirth},
    {-104, EGroup::System, BioTermDateOfDeath},
    {-105, EGroup::Special, BioTermSire},
    {-106, EGroup::Special, BioTermDam},
    {-107, EGroup::System, BioTermTitle},
    {-108, EGroup::System, BioTermSuffix},
    {-109, EGroup::Special, BioTermInbreeding},
}};

// The masks joined, with extra bits of the first context word.
CCmnRegFieldContextMask Joined(std::initializer_list<const CCmnRegFieldContextMask *> masks, quint64 firstWordBits)
{
    CCmnRegFieldContextMask joined;
    joined.SetWord(0, firstWordBits);
    for (const CCmnRegFieldContextMask *mask : masks) {
        joined.SetWord(0, joined.Word(0) | mask->Word(0));
        joined.SetWord(1, joined.Word(1) | mask->Word(1));
    }
    return joined;
}

CCmnRegFieldDef DefaultDef(int type)
{
    CCmnRegFieldDef def;
    def.m_Type = type;
    return def;
}

} // namespace

const CBioBuiltInField *BioFindBuiltInField(int fieldId)
{
    for (const CBioBuiltInField &field : kFields) {
        if (field.m_Id == fieldId)
            return &field;
    }
    return nullptr;
}

const CBioBuiltInField *BioFindBuiltInField(int fieldId, CBioBuiltInField::EGroup group)
{
    const CBioBuiltInField *field = BioFindBuiltInField(fieldId);
    return field && field->m_Group == group ? field : nullptr;
}

QString BioBuiltInFieldLabel(const CBioBuiltInField &field, bool builtInWording)
{
    return GetBioTerm(field.m_Term, builtInWording ? BioTermBuiltIn : 0);
}

QString BioBuiltInFieldInternalName(const CBioBuiltInField &field)
{
    return GetBioTerm(field.m_Term, BioTermBuiltIn).remove(QLatin1Char(' '));
}

int BioFindBuiltInFieldByLabel(CBioBuiltInField::EGroup group, const QString &label, bool builtInWording)
{
    for (const CBioBuiltInField &field : kFields) {
        if (field.m_Group == group && label.compare(BioBuiltInFieldLabel(field, builtInWording), Qt::CaseInsensitive) == 0)
            return field.m_Id;
    }
    return 0;
}

void BioAppendDefaultSpecialFields(CCmnRegFieldsSettings &settings, const CCmnRegFieldContextMask &m1,
                                   const CCmnRegFieldContextMask &, const CCmnRegFieldContextMask &m3,
                                   const CCmnRegFieldContextMask &, const CCmnRegFieldContextMask &)
{
    const CCmnRegFieldDef text = DefaultDef(CmnRegFieldText);
    settings.AddSpecialField(CCmnRegField(-102, text, Joined({&m1}, 6)));
    settings.AddSpecialField(CCmnRegField(-105, text, Joined({}, 6)));
    settings.AddSpecialField(CCmnRegField(-106, text, Joined({}, 6)));
    settings.AddSpecialField(CCmnRegField(-109, text, Joined({&m1, &m3}, 6)));
}

void BioAppendDefaultSystemFields(CCmnRegFieldsSettings &settings, const CCmnRegFieldContextMask &m1,
                                  const CCmnRegFieldContextMask &m2, const CCmnRegFieldContextMask &,
                                  const CCmnRegFieldContextMask &m4, const CCmnRegFieldContextMask &)
{
    const CCmnRegFieldDef date = DefaultDef(CmnRegFieldDate);
    const CCmnRegFieldDef text = DefaultDef(CmnRegFieldText);
    settings.AddSystemField(CCmnRegField(-103, date, Joined({&m1, &m4}, 2)));
    settings.AddSystemField(CCmnRegField(-104, date, Joined({&m2, &m4}, 2)));
    settings.AddSystemField(CCmnRegField(-107, text, Joined({}, 2)));
    settings.AddSystemField(CCmnRegField(-108, text, Joined({}, 2)));
}

void BioSetDefaultUserFieldContexts(CCmnRegFieldsSettings &settings, const CCmnRegFieldContextMask &m1,
                                    const CCmnRegFieldContextMask &, const CCmnRegFieldContextMask &,
                                    const CCmnRegFieldContextMask &m4, const CCmnRegFieldContextMask &)
{
    CCmnRegUserFieldSet fields = settings.GetUserFields();
    fields.m_DefaultValue = CCmnRegUserField(-1, DefaultDef(CmnRegFieldText), Joined({&m1, &m4}, 6));
    settings.SetUserFields(fields);
}

QList<int> BioDefaultInbuiltFieldOrder()
{
    return {-107, -108, -102, -103, -104, -105, -106, -109};
}
