#pragma once

#include "cmnregthemedform.h"

#include <QSharedPointer>

class CBioReg;
class CBioRegThemedFormSettings;
class CBioRegThemedFormStickyState;

// The base of the pedigree chart, cover sheet and trial-mating chart: a themed
// form that keeps the animal register its record-bound boxes are filled from.
class CBioRegThemedForm : public CCmnRegThemedForm
{
    Q_OBJECT
public:
    CBioRegThemedForm(const QPointF &position, const QSizeF &size, const QSizeF &dpi,
                      const QSharedPointer<CBioReg> &reg, const QSharedPointer<CBioRegThemedFormSettings> &settings,
                      const QSharedPointer<CBioRegThemedFormStickyState> &stickyState, QWidget *sidePage);

    const QSharedPointer<CBioReg> &Reg() const { return m_Reg; }

protected:
    // The tool tip of a box of this form, given as plain text.
    void SetBoxToolTip(qint32 boxId, const QString &text);

private:
    QSharedPointer<CBioReg> m_Reg;
};
