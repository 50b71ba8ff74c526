#pragma once

#include "cmnformboxborderstyle.h"
#include "tcmnformboxpropctrl.h"

class CCmnComboBox;
class CCmnMetricWidget;

// Edits the outline of a box: line style, corner rounding and thickness.
class CCmnFormBoxPropBorderstyleCtrl : public TCmnFormBoxPropCtrl<CCmnFormBoxBorderStyle>
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropBorderstyleCtrl(QObject *parent = nullptr);

    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, CCmnFormBoxBorderStyle *value,
                                 const CCmnFormBoxBorderStyle &defaultValue);

    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnComboBox *LineStyleComboBox() const { return m_LineStyle; }
    CCmnComboBox *CornerComboBox() const { return m_Corner; }
    CCmnMetricWidget *ThicknessWidget() const { return m_Thickness; }

private:
    CCmnComboBox *m_LineStyle = nullptr;
    CCmnComboBox *m_Corner = nullptr;
    CCmnMetricWidget *m_Thickness = nullptr;
};
