#pragma once

#include "cmnthemedformboxgenericpropertiestabsmixin.h"
#include "cmnthemedformboxpropertiestabdialog.h"

struct CCmnThemedFormBoxLayoutAccessors;

// Edits a text or picture box of a breeding form on a theme copy: the box text
// and its type on "Text", border, fill and padding (and a picture's position)
// on "Layout". There is no "Photo" tab: a picture box shows its record's photo.
// "Automatic" shows what the box's own grab would give it. The dialogs of the
// family differ only in their class name, which names their help pages, and in
// the accessors of the box they edit.
class CBioRegThemedFormBoxPropertiesDialog : public CCmnThemedFormBoxPropertiesTabDialog,
                                             public CCmnThemedFormBoxGenericPropertiesTabsMixin
{
    Q_OBJECT
public:
    CBioRegThemedFormBoxPropertiesDialog(const QString &helpPageStem, CCmnTheme &theme,
                                         const CCmnTheme &defaultTheme, const QString &layoutEltName,
                                         const QString &dataEltName, const CCmnThemedFormBoxNames &boxNames,
                                         const CCmnThemedFormAutoParams &autoParams, QWidget *parent);

protected:
    // Fills the tabs, runs the dialog and, when it is accepted (1), writes the
    // values into the two elements; returns the dialog's result.
    int ExecAndApplyWith(const CCmnThemedFormBoxLayoutAccessors &accessors);
};

#define BIO_BOX_PROPERTIES_DIALOG(Class)                                                                     \
    class Class : public CBioRegThemedFormBoxPropertiesDialog                                                \
    {                                                                                                         \
        Q_OBJECT                                                                                              \
    public:                                                                                                   \
        Class(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName,                \
              const QString &dataEltName, const CCmnThemedFormBoxNames &boxNames,                           \
              const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);                        \
        int ExecAndApply();                                                                                   \
    };

// The cover sheet's reverse and inside flap: the form defaults' values.
BIO_BOX_PROPERTIES_DIALOG(CBioRegCoverSheetReverseBoxPropertiesDialog)
BIO_BOX_PROPERTIES_DIALOG(CBioRegCoverSheetFlapBoxPropertiesDialog)
// The cover sheet's title: the form defaults' text size at 160 percent.
BIO_BOX_PROPERTIES_DIALOG(CBioRegCoverSheetTitleBoxPropertiesDialog)
// The titles of the charts with a header: the header chain, the text at 160 percent.
BIO_BOX_PROPERTIES_DIALOG(CBioRegPedigreeTitleBoxPropertiesDialog)
BIO_BOX_PROPERTIES_DIALOG(CBioRegTrialMatingTitleBoxPropertiesDialog)
// The details boxes: the header chain, the text at 80 percent.
BIO_BOX_PROPERTIES_DIALOG(CBioRegPedigreeDetailsBoxPropertiesDialog)
BIO_BOX_PROPERTIES_DIALOG(CBioRegTrialMatingSireDetailsBoxPropertiesDialog)
BIO_BOX_PROPERTIES_DIALOG(CBioRegTrialMatingDamDetailsBoxPropertiesDialog)
// Every picture box of an animal: the header chain, the text at 140 percent,
// and where the photo sits.
BIO_BOX_PROPERTIES_DIALOG(CBioRegThemedFormIndividualPicBoxPropertiesDialog)

#undef BIO_BOX_PROPERTIES_DIALOG
