#pragma once

#include "cmnregfieldssettingslayouttab.h"

// The "Select Window Layout" tab of the document settings: the key fields of the
// select window's panel in columns; a field may begin a new column.
class CCmnRegFieldsSettingsSelectRecordLayoutTab : public CCmnRegFieldsSettingsLayoutTab
{
    Q_OBJECT
public:
    CCmnRegFieldsSettingsSelectRecordLayoutTab(const QString &text, const QString &recordWord,
                                               const QString &recordWordPlural, CCmnRegFieldsSettings *settings,
                                               const QSharedPointer<CCmnReg> &reg, QWidget *parent = nullptr);

protected:
    QString HeadingHtml() const override;
    QString NewColumnText() const override;
    QString CurrentFieldTitle(const QString &label) const override;
    bool IsLayoutAutomatic() const override;
    QList<int> LoadManualLayout() override;
    void SaveLayout(bool automatic, const QList<int> &fieldIds) override;
    void ClearManualLayout(bool automatic) override;
    void TestLayout() override;
};
