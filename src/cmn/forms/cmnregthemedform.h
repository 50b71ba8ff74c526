#pragma once

#include "cmnthemedform.h"

// A themed form that shows records of a register: told about every record
// added, changed or deleted and every parent set, before it is laid out again.
class CCmnRegThemedForm : public CCmnThemedForm
{
    Q_OBJECT
public:
    using CCmnThemedForm::CCmnThemedForm;

    // Nothing here; forms that show records refresh the boxes concerned.
    virtual void HandleRegRecordNotification(qint32 recordId, qint32 code);
};
