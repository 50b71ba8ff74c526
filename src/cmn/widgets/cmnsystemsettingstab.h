#pragma once

#include "cmntab.h"

class CCmnComboBox;
class CCmnPushButton;
class CCmnSystemSettings;
class QGridLayout;

// The preferences tab of the framework's own settings: the date-input format, the
// measurement units, and a button that forgets every remembered "don't ask again"
// answer. It edits the preferences dialog's copy of the system settings, which the
// dialog assigns back when the user confirms.
class CCmnSystemSettingsTab : public CCmnTab
{
    Q_OBJECT
public:
    // The settings are not owned and must outlive the tab.
    explicit CCmnSystemSettingsTab(CCmnSystemSettings *settings, QWidget *parent = nullptr);

    void CreateControls() override;
    // A label and its box per row of the two-column grid, from the given row on;
    // the row is left after the last one added.
    void AddControls(QGridLayout *grid, int &row);
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnComboBox *DateFormatComboBox() const { return m_DateFormatComboBox; }
    CCmnComboBox *MeasurementUnitComboBox() const { return m_MeasurementUnitComboBox; }
    CCmnPushButton *ResetMessagePromptsButton() const { return m_ResetMessagePromptsButton; }

public Q_SLOTS:
    // Forgets the answers in the edited copy at once; they reach the program only
    // when the preferences dialog is confirmed.
    void Slot_clicked_ResetMessagePrompts();

private:
    CCmnSystemSettings *m_Settings;
    CCmnComboBox *m_DateFormatComboBox = nullptr;
    CCmnComboBox *m_MeasurementUnitComboBox = nullptr;
    CCmnPushButton *m_ResetMessagePromptsButton = nullptr;
};
