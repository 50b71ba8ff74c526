#pragma once

#include "cmnpicture.h"
#include "cmnthemeaccessors.h"

#include <QColor>
#include <QMap>
#include <QString>
#include <QStringList>

class CCmnForm;
class CCmnTheme;
class CCmnThemedFormAutoParams;
struct CCmnThemedFormBoxNames;

// Binds one box of a themed form to its theme elements in two steps: it first
// takes what the theme says and holds it as pending; later it pushes that into
// the box and renders the box text to HTML. The form passes the box id into
// every call. Subclasses choose which accessors style the box.
class CCmnThemedFormBoxGrab
{
public:
    virtual ~CCmnThemedFormBoxGrab() = default;

    // Takes the data element's picture and text.
    virtual void GrabDataElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &dataElt,
                             const CCmnThemedFormBoxNames &names, const CCmnThemedFormAutoParams *params);
    // Moves what is pending into the box; false (nothing changed) for a box
    // that does not exist or when nothing is pending.
    virtual bool ApplyToBox(CCmnForm &form, qint32 boxId);
    // Here only measures the box's text size; subclasses style the box first.
    virtual void GrabLayoutElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutElt,
                               CCmnForm &form, qint32 boxId, const CCmnThemedFormBoxNames &names,
                               const CCmnThemedFormAutoParams *params);
    // One paragraph of the text pixel size per non-empty line; empty while not filled.
    virtual QString BuildHtml() const;

    // The modified flag, cleared; makes the grab pending and empties the
    // substitution lines, for grabs that bind to records.
    bool TakeModified();

    bool m_Pending = false;
    CCmnPicture m_Picture;
    qint32 m_TextPixelSize = 0;
    bool m_FillOverride = false;
    qint32 m_FillOverrideStyle = 0;
    QColor m_FillOverrideColor;
    double m_FillOverrideOpacity = 1.0;
    QString m_Text;
    bool m_Html = false;
    QStringList m_ContextLabels;
    QMap<QString, QStringList> m_SubstitutionLines;
    bool m_Modified = false;
    bool m_Filled = true;

protected:
    // Sets the box's ten themed properties from the accessors, then does what
    // the base GrabLayoutElt does.
    void GrabLayoutWith(const CCmnThemedFormBoxLayoutAccessors &accessors, CCmnTheme &theme, const CCmnTheme &defaultTheme,
                        const QString &layoutElt, CCmnForm &form, qint32 boxId,
                        const CCmnThemedFormBoxNames &names, const CCmnThemedFormAutoParams *params);
};
