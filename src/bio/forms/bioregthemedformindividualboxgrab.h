#pragma once

#include "bioregthemedformboxgrab.h"

// A box grab bound to one animal record.
class CBioRegThemedFormIndividualBoxGrab : public CBioRegThemedFormBoxGrab
{
public:
    explicit CBioRegThemedFormIndividualBoxGrab(qint32 usageContext = 0, bool showsRecordPicture = false)
        : CBioRegThemedFormBoxGrab(usageContext)
        , m_ShowsRecordPicture(showsRecordPicture)
    {
    }

    // Record 0 or less, or one the register does not hold, leaves the box
    // without text (and without picture when it shows the record's).
    virtual void GrabIndividual(const CBioReg &reg, qint32 recordId);

    bool m_ShowsRecordPicture = false;
};

// The picture box of a breeding form: the record's photo and the caption, or
// nothing at all when the record has no photo that loads.
class CBioRegThemedFormIndividualPicBoxGrab : public CBioRegThemedFormIndividualBoxGrab
{
public:
    explicit CBioRegThemedFormIndividualPicBoxGrab(qint32 usageContext = 0)
        : CBioRegThemedFormIndividualBoxGrab(usageContext, true)
    {
    }

    void GrabIndividual(const CBioReg &reg, qint32 recordId) override;
    void GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutElt, CCmnForm &form,
                       qint32 boxId, const CCmnThemedFormBoxNames &names,
                       const CCmnThemedFormAutoParams *params) override;
};

// An individual's box styled by one set of the theme look-ups above.
template <const CCmnThemedFormBoxLayoutAccessors &(*Layout)()>
class TBioRegStyledIndividualBoxGrab : public CBioRegThemedFormIndividualBoxGrab
{
public:
    using CBioRegThemedFormIndividualBoxGrab::CBioRegThemedFormIndividualBoxGrab;
    void GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutElt, CCmnForm &form,
                       qint32 boxId, const CCmnThemedFormBoxNames &names,
                       const CCmnThemedFormAutoParams *params) override
    {
        GrabLayoutWith(Layout(), theme, defaultTheme, layoutElt, form, boxId, names, params);
    }
};

// The title box of the pedigree chart.
class CBioRegPedigreeTitleBoxGrab : public TBioRegStyledIndividualBoxGrab<&CBioRegThemedFormBoxGrab::TitleLayout>
{
public:
    using TBioRegStyledIndividualBoxGrab::TBioRegStyledIndividualBoxGrab;
};

// The details box of the pedigree chart.
class CBioRegPedigreeDetailsBoxGrab : public TBioRegStyledIndividualBoxGrab<&CBioRegThemedFormBoxGrab::DetailsLayout>
{
public:
    using TBioRegStyledIndividualBoxGrab::TBioRegStyledIndividualBoxGrab;
};

// A parent's details box of the trial-mating chart, styled like the pedigree's.
class CBioRegTrialMatingParentDetailsBoxGrab : public CBioRegPedigreeDetailsBoxGrab
{
public:
    using CBioRegPedigreeDetailsBoxGrab::CBioRegPedigreeDetailsBoxGrab;
};

// The title box of the cover sheet.
class CBioRegCoverSheetTitleBoxGrab : public TBioRegStyledIndividualBoxGrab<&CBioRegThemedFormBoxGrab::CoverTitleLayout>
{
public:
    using TBioRegStyledIndividualBoxGrab::TBioRegStyledIndividualBoxGrab;
};

// The reverse (back page) box of the cover sheet.
class CBioRegCoverSheetReverseBoxGrab : public TBioRegStyledIndividualBoxGrab<&CBioRegThemedFormBoxGrab::CoverTextLayout>
{
public:
    using TBioRegStyledIndividualBoxGrab::TBioRegStyledIndividualBoxGrab;
};

// The inside flap of a cover sheet folded twice, styled as the reverse.
class CBioRegCoverSheetFlapBoxGrab : public CBioRegCoverSheetReverseBoxGrab
{
public:
    using CBioRegCoverSheetReverseBoxGrab::CBioRegCoverSheetReverseBoxGrab;
};
