#pragma once

#include "cmnregfieldssettingstab.h"

#include <QMap>

class CCmnRegFieldsSettingsUserFieldsCtrl;

// The "User Fields" tab of the document settings: the breeder's own fields, added,
// renamed, edited and deleted in a list. A user field may not take the name of a
// built-in field in any letter case; the refusal of a name that the terminology
// gives a built-in field explains how to free it.
class CCmnRegFieldsSettingsUserFieldsTab : public CCmnRegFieldsSettingsTab
{
    Q_OBJECT
public:
    CCmnRegFieldsSettingsUserFieldsTab(const QString &text, const QString &recordWord,
                                       const QString &recordWordPlural, CCmnRegFieldsSettings *settings,
                                       const QSharedPointer<CCmnReg> &reg, qint32 maxUserFields,
                                       QWidget *parent = nullptr);

    void CreateControls() override;
    // Saving replaces the user fields and marks every derived part changed.
    bool DataExchange(CCmnDataExchange *context) override;

    // The upper-case label of every built-in field with why it is taken, and under
    // "?" and the label a note on renaming the terms behind the labels that come
    // from the terminology.
    QMap<QString, QString> NamesToAvoid() const;

    CCmnRegFieldsSettingsUserFieldsCtrl *UserFieldsCtrl() const { return m_UserFieldsCtrl; }

private:
    qint32 m_MaxUserFields;
    CCmnRegFieldsSettingsUserFieldsCtrl *m_UserFieldsCtrl = nullptr;
};
