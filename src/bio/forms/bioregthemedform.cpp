#include "bioregthemedform.h"

#include "bioreg.h"
#include "bioregthemedformsettings.h"
#include "bioregthemedformstickystate.h"
#include "cmnformbox.h"
#include "cmnhtmlescape.h"

CBioRegThemedForm::CBioRegThemedForm(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                                     const QSharedPointer<CBioReg> &reg,
                                     const QSharedPointer<CBioRegThemedFormSettings> &settings,
                                     const QSharedPointer<CBioRegThemedFormStickyState> &stickyState,
                                     QWidget *sidePage)
    : CCmnRegThemedForm(position, size, dpi, settings, stickyState, sidePage)
    , m_Reg(reg)
{
}

void CBioRegThemedForm::SetBoxToolTip(qint32 boxId, const QString &text)
{
    if (const QSharedPointer<CCmnFormBox> box = GetBox(boxId); box && boxId > 0)
        box->SetToolTip(CmnHtmlEscape(text));
}
