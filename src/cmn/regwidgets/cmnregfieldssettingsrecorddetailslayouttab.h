#pragma once

#include "cmnregfieldssettingslayouttab.h"

class CCmnLineEdit;

// The "Details Window Layout" tab of the document settings: the fields of the
// record window in columns and tabs. A field may begin a new column or a new tab,
// whose name it carries.
class CCmnRegFieldsSettingsRecordDetailsLayoutTab : public CCmnRegFieldsSettingsLayoutTab
{
    Q_OBJECT
public:
    CCmnRegFieldsSettingsRecordDetailsLayoutTab(const QString &text, const QString &recordWord,
                                                const QString &recordWordPlural, CCmnRegFieldsSettings *settings,
                                                const QSharedPointer<CCmnReg> &reg, QWidget *parent = nullptr);

    CCmnLineEdit *TabNameLineEdit() const { return m_TabNameEdit; }

public Q_SLOTS:
    void Slot_textChanged_ManualCurrentItem_TabName(const QString &text);

protected:
    QString HeadingHtml() const override;
    QString NewColumnText() const override;
    QString CurrentFieldTitle(const QString &label) const override;
    void AddCurrentFieldControls(QBoxLayout *layout) override;
    bool IsLayoutAutomatic() const override;
    QList<int> LoadManualLayout() override;
    // Tab names are saved without surrounding blanks; only blanks make no tab.
    void SaveLayout(bool automatic, const QList<int> &fieldIds) override;
    void ClearManualLayout(bool automatic) override;
    void ShowTestNotice() override;
    void TestLayout() override;
    void ShowCurrentField(int fieldId) override;

private:
    CCmnLineEdit *m_TabNameEdit = nullptr;
    QHash<int, QString> m_TabNames;
};
