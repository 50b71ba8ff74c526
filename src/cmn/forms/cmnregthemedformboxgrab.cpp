#include "cmnregthemedformboxgrab.h"

#include "cmnboxmarkup.h"
#include "cmnformboxtext.h"
#include "cmnreg.h"

#include <QSet>

void CCmnRegThemedFormBoxGrab::GrabDataElt(CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &dataElt,
                                           const CCmnThemedFormBoxNames &names,
                                           const CCmnThemedFormAutoParams *params)
{
    CCmnThemedFormBoxGrab::GrabDataElt(theme, defaultTheme, dataElt, names, params);
    m_Modified = true;
    m_Pending = true;
}

void CCmnRegThemedFormBoxGrab::UpdateFieldReferences(const CCmnReg &reg, const QList<int> &contextFieldIds)
{
    CCmnFieldReferences references = CmnParseFieldReferences(CCmnFormBoxText{m_Text, m_Html}.ToHtml());
    m_ContextLabels.clear();
    if (references.allFields) {
        for (int fieldId : contextFieldIds) {
            const QString label = reg.GetFieldLabel(fieldId, false);
            m_ContextLabels.append(label);
            references.names.insert(label.toUpper());
        }
    }
    QSet<int> ids;
    for (const QString &name : std::as_const(references.names)) {
        const int fieldId = CmnRegResolveFieldReference(reg, name.toUpper());
        if (fieldId != 0)
            ids.insert(fieldId);
    }
    m_ReferencedFieldIds = QList<int>(ids.cbegin(), ids.cend());
}

int CmnRegResolveFieldReference(const CCmnReg &reg, const QString &name)
{
    const bool builtIn = name.startsWith(QLatin1Char('#'));
    const QString label = builtIn ? name.mid(1) : name;
    if (label.isEmpty())
        return 0;
    if (const int id = reg.FindIdentityField(label, builtIn))
        return id;
    if (const int id = reg.FindSpecialField(label, builtIn))
        return id;
    if (const int id = reg.FindSystemField(label, builtIn))
        return id;
    const CCmnRegUserFieldSet &userFields = reg.GetFieldsSettings().GetUserFields();
    const int row = userFields.FindField(label, Qt::CaseInsensitive);
    return row < 0 ? 0 : userFields.m_Items.at(row).second.m_Id;
}
