#include "cmnthemedformboxgrab.h"

#include "cmnboxmarkup.h"
#include "cmnform.h"
#include "cmnformboxtext.h"
#include "cmnhtmltags.h"
#include "cmntheme.h"
#include "cmnthemedformboxgenericdataelt.h"

void CCmnThemedFormBoxGrab::GrabDataElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &dataElt,
                                        const CCmnThemedFormBoxNames &, const CCmnThemedFormAutoParams *)
{
    const auto *element =
        dynamic_cast<const CCmnThemedFormBoxGenericDataElt *>(theme.GetElt(dataElt, defaultTheme));
    const CCmnThemedFormBoxGenericData data = element ? element->m_Payload : CCmnThemedFormBoxGenericData();
    m_Picture = data.m_Picture;
    m_Text = data.m_Text.m_Text;
    m_Html = data.m_Text.m_Html;
    m_Pending = true;
}

bool CCmnThemedFormBoxGrab::ApplyToBox(CCmnForm &form, qint32 boxId)
{
    if (boxId < 1 || !m_Pending)
        return false;
    const QSharedPointer<CCmnFormBox> box = form.GetBox(boxId);
    if (!box)
        return false;
    m_Pending = false;
    box->SetPicture(m_Picture);
    box->SetText(BuildHtml());
    box->SetFillOverride(m_FillOverride, m_FillOverrideStyle, m_FillOverrideColor, m_FillOverrideOpacity);
    box->SetDirty(true);
    return true;
}

void CCmnThemedFormBoxGrab::GrabLayoutElt(CCmnTheme &, const CCmnTheme &, const QString &, CCmnForm &form,
                                          qint32 boxId, const CCmnThemedFormBoxNames &,
                                          const CCmnThemedFormAutoParams *)
{
    if (const QSharedPointer<CCmnFormBox> box = form.GetBox(boxId))
        m_TextPixelSize = box->GetTextPixelSize();
    m_Pending = true;
}

void CCmnThemedFormBoxGrab::GrabLayoutWith(const CCmnThemedFormBoxLayoutAccessors &accessors, CCmnTheme &theme,
                                           const CCmnTheme &defaultTheme, const QString &layoutElt,
                                           CCmnForm &form, qint32 boxId, const CCmnThemedFormBoxNames &names,
                                           const CCmnThemedFormAutoParams *params)
{
    if (const QSharedPointer<CCmnFormBox> box = form.GetBox(boxId)) {
        const auto get = [&](auto accessor) { return accessor(theme, defaultTheme, layoutElt, names, params, false); };
        box->SetPadding(get(accessors.m_Padding));
        box->SetBorderColor(get(accessors.m_BorderColor));
        box->SetBorderStyle(get(accessors.m_BorderStyle));
        box->SetFillColor(get(accessors.m_FillColor));
        box->SetFillStyle(get(accessors.m_FillStyle));
        box->SetTextFace(get(accessors.m_TextFace));
        box->SetTextSize(get(accessors.m_TextSize));
        box->SetTextColor(get(accessors.m_TextColor));
        box->SetTextAlign(get(accessors.m_TextAlign));
        if (accessors.m_PicturePos)
            box->SetPicturePos(get(accessors.m_PicturePos));
    }
    CCmnThemedFormBoxGrab::GrabLayoutElt(theme, defaultTheme, layoutElt, form, boxId, names, params);
}

QString CCmnThemedFormBoxGrab::BuildHtml() const
{
    QString result;
    if (!m_Filled)
        return result;
    const QString html = CCmnFormBoxText{m_Text, m_Html}.ToHtml();
    const CCmnHtmlAttributes style{{QStringLiteral("style"), QStringLiteral("font-size:%1px;").arg(m_TextPixelSize)}};
    const QStringList lines = html.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QString converted = CmnBoxMarkupToHtml(line, m_TextPixelSize, m_SubstitutionLines, m_ContextLabels);
        if (!converted.isEmpty())
            result += CmnHtmlParagraphWithAttributes(style, converted);
    }
    return result;
}

bool CCmnThemedFormBoxGrab::TakeModified()
{
    const bool modified = m_Modified;
    m_Modified = false;
    m_Pending = true;
    m_SubstitutionLines.clear();
    return modified;
}
