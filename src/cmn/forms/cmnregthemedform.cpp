#include "cmnregthemedform.h"

void CCmnRegThemedForm::HandleRegRecordNotification(qint32, qint32)
{
}
