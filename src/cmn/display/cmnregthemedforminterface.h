#pragma once

#include "cmnthemedforminterface.h"

#include <QSharedPointer>

class CCmnReg;
class CCmnRegThemedForm;

// A themed form view bound to one register: record notifications of that
// register reach the current form, which is then laid out again.
class CCmnRegThemedFormInterface : public CCmnThemedFormInterface
{
    Q_OBJECT
public:
    using CCmnThemedFormInterface::CCmnThemedFormInterface;

    void HandleRegRecordNotification(CCmnReg *reg, int recordId, int code) override;
    void ReleaseForm() override;
    void SetForm(const QSharedPointer<CCmnRegThemedForm> &form);

    const QSharedPointer<CCmnReg> &Reg() const { return m_Reg; }

protected:
    void SetReg(const QSharedPointer<CCmnReg> &reg) { m_Reg = reg; }

private:
    QSharedPointer<CCmnReg> m_Reg;
    QSharedPointer<CCmnRegThemedForm> m_RegForm;
};
