#pragma once

#include "cmnformboxfillstyle.h"
#include "tcmnformboxpropctrl.h"

class CCmnComboBox;
class CCmnLabel;
class CCmnSpinBox;

// Edits how a box is filled: the brush style and its opacity. The opacity means
// nothing without a fill, so it is usable only while a style other than "None"
// is chosen.
class CCmnFormBoxPropFillstyleCtrl : public TCmnFormBoxPropCtrl<CCmnFormBoxFillStyle>
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropFillstyleCtrl(QObject *parent = nullptr);

    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, CCmnFormBoxFillStyle *value,
                                 const CCmnFormBoxFillStyle &defaultValue);

    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;
    bool DataExchange(CCmnDataExchange *context) override;
    bool IsManualWidgetEnabled(QWidget *widget) const override;

    CCmnComboBox *StyleComboBox() const { return m_Style; }
    CCmnLabel *OpacityLabel() const { return m_OpacityLabel; }
    CCmnSpinBox *OpacitySpinBox() const { return m_Opacity; }

public Q_SLOTS:
    void Slot_currentIndexChanged_Style(int index);

private:
    CCmnComboBox *m_Style = nullptr;
    CCmnLabel *m_OpacityLabel = nullptr;
    CCmnSpinBox *m_Opacity = nullptr;
};
