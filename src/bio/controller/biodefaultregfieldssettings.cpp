#include "biodefaultregfieldssettings.h"

#include "bioboxkindcatalogue.h"
#include "biobuiltinfields.h"
#include "cmnregfieldssettings.h"

namespace {

using TAppendDefaults = void (*)(CCmnRegFieldsSettings &, const CCmnRegFieldContextMask &,
                                 const CCmnRegFieldContextMask &, const CCmnRegFieldContextMask &,
                                 const CCmnRegFieldContextMask &, const CCmnRegFieldContextMask &);

// Runs one of the built-in field builders with the five standard masks.
void AppendWithStandardMasks(CCmnRegFieldsSettings &settings, TAppendDefaults append)
{
    append(settings, BioDefaultFieldContextMask(0), BioDefaultFieldContextMask(1), BioDefaultFieldContextMask(2),
           BioDefaultFieldContextMask(3), BioDefaultFieldContextMask(4));
}

} // namespace

const CCmnRegFieldsSettings &BioDefaultRegFieldsSettings()
{
    static const CCmnRegFieldsSettings defaults = [] {
        CCmnRegFieldsSettings settings;
        AppendWithStandardMasks(settings, BioAppendDefaultSpecialFields);
        AppendWithStandardMasks(settings, BioAppendDefaultSystemFields);
        AppendWithStandardMasks(settings, BioSetDefaultUserFieldContexts);
        settings.SetFormFieldOrder(BioDefaultInbuiltFieldOrder());
        return settings;
    }();
    return defaults;
}

void BioUpdateInbuiltFieldDefaults(CCmnRegFieldsSettings &settings)
{
    CCmnRegFieldsSettings defaults;
    AppendWithStandardMasks(defaults, BioAppendDefaultSpecialFields);
    // The sync also matches the system fields against the other value: give it the
    // settings' own, or it would drop every one of them.
    for (const CCmnRegField &field : settings.GetSystemFields())
        defaults.AddSystemField(field);
    settings.SyncSpecialFields(defaults);
    // The sync keeps a kept field's own mask; the default usage is wanted here.
    for (const CCmnRegField &field : defaults.GetSpecialFields())
        settings.UpdateBuiltInField(true, field);

    AppendWithStandardMasks(defaults, BioSetDefaultUserFieldContexts);
    settings.SetUserFieldPrototype(defaults.GetUserFields().m_DefaultValue);
}
