#pragma once

#include "cmnregfieldssettingssystemfieldsctrlelt.h"
#include "tcmnnameditemssortedlistctrl.h"

class CCmnRegFieldContexts;

// The list of built-in fields under their current labels, with Edit only: the
// field configuration dialog changes a field's settings on a working copy but
// never its name, and never the type of a special field or a system field.
class CCmnRegFieldsSettingsSystemFieldsCtrl : public TCmnNamedItemsSortedListCtrl<CCmnRegFieldsSettingsSystemFieldsCtrlElt>
{
    Q_OBJECT
public:
    // The catalogue is not owned and must outlive the control.
    CCmnRegFieldsSettingsSystemFieldsCtrl(QObject *parent, const CCmnRegFieldContexts *catalogue,
                                          const QString &recordWord);

    std::unique_ptr<CCmnStringEntry> CreateEditDialog(CCmnRegFieldsSettingsSystemFieldsCtrlElt &value,
                                                      QWidget *parent) override;

private:
    const CCmnRegFieldContexts *m_Catalogue;
    QString m_RecordWord;
};
