#include "cmnregthemedforminterface.h"

#include "cmnreg.h"
#include "cmnregthemedform.h"

void CCmnRegThemedFormInterface::HandleRegRecordNotification(CCmnReg *reg, int recordId, int code)
{
    if (!reg || reg != m_Reg.data() || !m_RegForm)
        return;
    // Held for the call: the form's handling may end in a rebuild elsewhere.
    const QSharedPointer<CCmnRegThemedForm> form = m_RegForm;
    form->HandleRegRecordNotification(recordId, code);
    form->LayoutFormBoxes();
}

void CCmnRegThemedFormInterface::ReleaseForm()
{
    CCmnThemedFormInterface::ReleaseForm();
    m_RegForm.reset();
}

void CCmnRegThemedFormInterface::SetForm(const QSharedPointer<CCmnRegThemedForm> &form)
{
    m_RegForm = form;
    CCmnThemedFormInterface::SetForm(form);
}
