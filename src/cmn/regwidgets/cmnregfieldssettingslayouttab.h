#pragma once

#include "cmnregfieldssettingstab.h"
#include "tcmnnameditemsunsortedlistctrl.h"

#include <QHash>

class CCmnCheckBox;
class CCmnGroupBox;
class CCmnPushButton;
class QBoxLayout;

// What the two layout tabs of the document settings share: the fields of a window
// in order, moved with Up and Down, with a column break kept per field (so that it
// travels with the field), the choice to let the program lay the window out, a
// preview of the window and a fresh start from the printed forms' order. While the
// layout is automatic the manual layout is shown but cannot be changed.
class CCmnRegFieldsSettingsLayoutTab : public CCmnRegFieldsSettingsTab
{
    Q_OBJECT
public:
    using CFieldList = TCmnNamedItemsUnsortedListCtrl<int>;

    void CreateControls() override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnCheckBox *AutomaticCheckBox() const { return m_AutomaticCheck; }
    CFieldList *FieldListCtrl() const { return m_FieldList; }
    CCmnCheckBox *NewColumnCheckBox() const { return m_NewColumnCheck; }
    CCmnGroupBox *CurrentFieldGroupBox() const { return m_CurrentFieldGroup; }
    CCmnPushButton *TestButton() const { return m_TestButton; }
    CCmnPushButton *ResetButton() const { return m_ResetButton; }

public Q_SLOTS:
    void Slot_clicked_Automatic();
    void Slot_currentRowChanged_ListWidget(int row);
    void Slot_stateChanged_ManualCurrentItem_NewColumn(int state);
    void Slot_clicked_Test();
    void Slot_clicked_Reset();

protected:
    using CCmnRegFieldsSettingsTab::CCmnRegFieldsSettingsTab;

    // The tab's own words.
    virtual QString HeadingHtml() const = 0;
    virtual QString NewColumnText() const = 0;
    virtual QString CurrentFieldTitle(const QString &label) const = 0;
    // Controls of the current field below "New column".
    virtual void AddCurrentFieldControls(QBoxLayout *layout) { Q_UNUSED(layout); }
    // The layout of the edited settings.
    virtual bool IsLayoutAutomatic() const = 0;
    // The manual layout brought up to date, its breaks (and names) into the
    // hashes; the field ids in order.
    virtual QList<int> LoadManualLayout() = 0;
    virtual void SaveLayout(bool automatic, const QList<int> &fieldIds) = 0;
    virtual void ClearManualLayout(bool automatic) = 0;
    // Said before the preview is shown.
    virtual void ShowTestNotice() {}
    // Shows the window with the edited settings, once the tab has saved into them.
    virtual void TestLayout() = 0;
    // Loads the controls of the current field that the tab added.
    virtual void ShowCurrentField(int fieldId) { Q_UNUSED(fieldId); }

    // The field of the list's current row; 0 (no field's id) for none.
    int CurrentFieldId() const;

    QHash<int, bool> m_NewColumns;

private:
    void UpdateEnabling();
    void UpdateCurrentField();
    // The tab's exchange outside its dialog's.
    bool Exchange(bool save);

    CCmnCheckBox *m_AutomaticCheck = nullptr;
    CFieldList *m_FieldList = nullptr;
    CCmnCheckBox *m_NewColumnCheck = nullptr;
    CCmnGroupBox *m_CurrentFieldGroup = nullptr;
    CCmnPushButton *m_TestButton = nullptr;
    CCmnPushButton *m_ResetButton = nullptr;
};
