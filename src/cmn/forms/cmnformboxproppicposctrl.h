#pragma once

#include "cmnformboxpicturepos.h"
#include "cmnsystemlocale.h"
#include "tcmnformboxpropctrl.h"

class CCmnComboBox;
class CCmnMetricWidget;
class CCmnSpinBox;

// Edits how a box places its photo: mode, position, scaling and the gap to the text.
class CCmnFormBoxPropPicposCtrl : public TCmnFormBoxPropCtrl<CCmnFormBoxPicturePos>
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropPicposCtrl(QObject *parent = nullptr);

    // The locale decides the spelling of "Centre Photo".
    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, CCmnFormBoxPicturePos *value,
                                 const CCmnFormBoxPicturePos &defaultValue,
                                 const QLocale &locale = CmnSystemLocale());

    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnComboBox *ModeComboBox() const { return m_Mode; }
    CCmnComboBox *AlignmentComboBox() const { return m_Alignment; }
    CCmnSpinBox *ScalingSpinBox() const { return m_Scaling; }
    CCmnMetricWidget *GapWidget() const { return m_Gap; }

private:
    CCmnComboBox *m_Mode = nullptr;
    CCmnComboBox *m_Alignment = nullptr;
    CCmnSpinBox *m_Scaling = nullptr;
    CCmnMetricWidget *m_Gap = nullptr;
};
