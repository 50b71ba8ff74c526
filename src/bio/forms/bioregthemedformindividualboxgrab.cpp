#include "bioregthemedformindividualboxgrab.h"

#include "bioreg.h"
#include "bioregrecord.h"

void CBioRegThemedFormIndividualBoxGrab::GrabIndividual(const CBioReg &reg, qint32 recordId)
{
    RefreshFieldReferences(reg);
    m_Filled = recordId > 0 && reg.HasRecNo(recordId);
    if (m_ShowsRecordPicture)
        m_Picture = CCmnPicture();
    if (!m_Filled)
        return;
    if (m_ShowsRecordPicture) {
        if (const auto *record = dynamic_cast<const CBioRegRecord *>(reg.GetRecord(recordId)))
            m_Picture = record->m_Photo;
    }
    TakeSubstitutions(reg, recordId);
}

void CBioRegThemedFormIndividualPicBoxGrab::GrabIndividual(const CBioReg &reg, qint32 recordId)
{
    CBioRegThemedFormIndividualBoxGrab::GrabIndividual(reg, recordId);
    m_Picture.EnsureLoaded();
    if (!m_Picture.HasPixmap())
        m_Filled = false;
}

void CBioRegThemedFormIndividualPicBoxGrab::GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme,
                                                          const QString &layoutElt, CCmnForm &form, qint32 boxId,
                                                          const CCmnThemedFormBoxNames &names,
                                                          const CCmnThemedFormAutoParams *params)
{
    GrabLayoutWith(PictureLayout(), theme, defaultTheme, layoutElt, form, boxId, names, params);
}
