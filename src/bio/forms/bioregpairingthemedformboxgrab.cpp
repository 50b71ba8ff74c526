#include "bioregpairingthemedformboxgrab.h"

#include "bioreg.h"
#include "bioregrecord.h"

void CBioRegPairingThemedFormBoxGrab::GrabPairing(CBioReg &reg, qint32 sireId, qint32 damId)
{
    RefreshFieldReferences(reg);
    // A parent that names no record is no parent: the offspring's text must not
    // follow a link to nothing.
    if (!reg.HasRecNo(sireId))
        sireId = 0;
    if (!reg.HasRecNo(damId))
        damId = 0;
    m_Filled = sireId > 0 || damId > 0;
    m_Picture = CCmnPicture();
    if (!m_Filled)
        return;
    auto offspring = QSharedPointer<CBioRegRecord>::create(&reg);
    offspring->m_Sire = sireId;
    offspring->m_Dam = damId;
    reg.UseTemporaryRecord(offspring, [&](int id) { TakeSubstitutions(reg, id); });
}

void CBioRegTrialMatingTitleBoxGrab::GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                   const QString &layoutElt, CCmnForm &form, qint32 boxId,
                                                   const CCmnThemedFormBoxNames &names,
                                                   const CCmnThemedFormAutoParams *params)
{
    GrabLayoutWith(TitleLayout(), theme, defaultTheme, layoutElt, form, boxId, names, params);
}
