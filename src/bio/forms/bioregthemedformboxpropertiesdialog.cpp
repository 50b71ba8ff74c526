#include "bioregthemedformboxpropertiesdialog.h"

#include "bioregthemedformboxgrab.h"

CBioRegThemedFormBoxPropertiesDialog::CBioRegThemedFormBoxPropertiesDialog(
    const QString &helpPageStem, CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName,
    const QString &dataEltName, const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams,
    QWidget *parent)
    : CCmnThemedFormBoxPropertiesTabDialog(theme, defaultTheme, layoutEltName, boxNames, autoParams, parent)
    , CCmnThemedFormBoxGenericPropertiesTabsMixin(dataEltName)
{
    m_EltNames.append(dataEltName);
    CreateTabs(this, helpPageStem, false);
}

int CBioRegThemedFormBoxPropertiesDialog::ExecAndApplyWith(const CCmnThemedFormBoxLayoutAccessors &accessors)
{
    return ExecTabsAndApply(*this, accessors);
}

#define BIO_BOX_PROPERTIES_DIALOG(Class, Accessors)                                                          \
    Class::Class(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName,             \
                 const QString &dataEltName, const CCmnThemedFormBoxNames &boxNames,                        \
                 const CCmnThemedFormAutoParams &autoParams, QWidget *parent)                               \
        : CBioRegThemedFormBoxPropertiesDialog(QStringLiteral(#Class), theme, defaultTheme, layoutEltName,  \
                                               dataEltName, boxNames, autoParams, parent)                   \
    {                                                                                                         \
    }                                                                                                         \
    int Class::ExecAndApply() { return ExecAndApplyWith(CBioRegThemedFormBoxGrab::Accessors()); }

BIO_BOX_PROPERTIES_DIALOG(CBioRegCoverSheetReverseBoxPropertiesDialog, CoverTextLayout)
BIO_BOX_PROPERTIES_DIALOG(CBioRegCoverSheetFlapBoxPropertiesDialog, CoverTextLayout)
BIO_BOX_PROPERTIES_DIALOG(CBioRegCoverSheetTitleBoxPropertiesDialog, CoverTitleLayout)
BIO_BOX_PROPERTIES_DIALOG(CBioRegPedigreeTitleBoxPropertiesDialog, TitleLayout)
BIO_BOX_PROPERTIES_DIALOG(CBioRegTrialMatingTitleBoxPropertiesDialog, TitleLayout)
BIO_BOX_PROPERTIES_DIALOG(CBioRegPedigreeDetailsBoxPropertiesDialog, DetailsLayout)
BIO_BOX_PROPERTIES_DIALOG(CBioRegTrialMatingSireDetailsBoxPropertiesDialog, DetailsLayout)
BIO_BOX_PROPERTIES_DIALOG(CBioRegTrialMatingDamDetailsBoxPropertiesDialog, DetailsLayout)
BIO_BOX_PROPERTIES_DIALOG(CBioRegThemedFormIndividualPicBoxPropertiesDialog, PictureLayout)
