#include "bioregthemedform.h"

#include "bioreg.h"
#include "bioregthemedformsettings.h"
#include "bioregthemedformstickystate.h"

CBioRegThemedForm::CBioRegThemedForm(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                                     const QSharedPointer<CBioReg> &reg,
                                     const QSharedPointer<CBioRegThemedFormSettings> &settings,
                                     const QSharedPointer<CBioRegThemedFormStickyState> &stickyState,
                                     QWidget *sidePage)
    : CCmnRegThemedForm(position, size, dpi, settings, stickyState, sidePage)
    , m_Reg(reg)
{
}
