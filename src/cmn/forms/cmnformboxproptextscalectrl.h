#pragma once

#include "tcmnformboxpropctrl.h"

class CCmnDoubleSpinBox;

// Edits the scaling of a box's text, shown as a percentage of the normal size:
// a scale of 0 is 100 %, 0.25 is 125 %.
class CCmnFormBoxPropTextscaleCtrl : public TCmnFormBoxPropCtrl<double>
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropTextscaleCtrl(QObject *parent = nullptr);

    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, double *value, double defaultValue);

    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;
    bool DataExchange(CCmnDataExchange *context) override;

    CCmnDoubleSpinBox *PercentSpinBox() const { return m_Percent; }

private:
    CCmnDoubleSpinBox *m_Percent = nullptr;
    // The scale last loaded and the percentage shown for it, so that an
    // untouched box gives back the scale unrounded.
    double m_LoadedScale = 0.0;
    double m_ShownPercent = 0.0;
};
