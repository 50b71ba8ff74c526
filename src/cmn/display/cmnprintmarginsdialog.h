#pragma once

#include "cmndialogex.h"
#include "cmnprintmargins.h"

#include <array>

class CCmnCheckBox;
class CCmnLabel;
class CCmnMetricWidget;

// The "Margins" dialog: the printer's own margins, the full page, or four
// lengths, shown and saved in the user's measurement unit. The caller runs it
// and, after OK, takes Margins() back.
class CCmnPrintMarginsDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    // The rows in the order they are shown.
    enum EMarginRow { LeftRow, RightRow, TopRow, BottomRow };

    CCmnPrintMarginsDialog(const CCmnPrintMargins &margins, QWidget *parent = nullptr);

    const CCmnPrintMargins &Margins() const { return m_Margins; }

    bool DataExchange(CCmnDataExchange *context) override;

    CCmnCheckBox *UseDefaultCheckBox() const { return m_UseDefaultCheckBox; }
    CCmnCheckBox *UseFullPageCheckBox() const { return m_UseFullPageCheckBox; }
    CCmnLabel *MarginLabel(EMarginRow row) const { return m_Labels.at(row); }
    CCmnMetricWidget *MarginWidget(EMarginRow row) const { return m_Widgets.at(row); }

public Q_SLOTS:
    void Slot_stateChanged_CheckBox_UseDefault(int state);
    void Slot_stateChanged_CheckBox_UseFullPage(int state);

private:
    void EnableControls();

    CCmnPrintMargins m_Margins;
    CCmnCheckBox *m_UseDefaultCheckBox;
    CCmnCheckBox *m_UseFullPageCheckBox;
    std::array<CCmnLabel *, 4> m_Labels{};
    std::array<CCmnMetricWidget *, 4> m_Widgets{};
};
