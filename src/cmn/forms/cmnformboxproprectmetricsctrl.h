#pragma once

#include "cmnformboxrectextents.h"
#include "tcmnformboxpropctrl.h"

#include <array>

class CCmnMetricWidget;

// Edits four lengths around a box (its padding): left, top, right and bottom.
class CCmnFormBoxPropRectmetricsCtrl : public TCmnFormBoxPropCtrl<CCmnFormBoxRectExtents>
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropRectmetricsCtrl(QObject *parent = nullptr);

    CCmnLayoutItem CreateWidgets(const QString &label, qint32 flags, CCmnFormBoxRectExtents *value,
                                 const CCmnFormBoxRectExtents &defaultValue);

    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &prefix) override;
    bool DataExchange(CCmnDataExchange *context) override;

    // Left, top, right, bottom.
    CCmnMetricWidget *SideWidget(int side) const { return m_Sides.at(side); }

private:
    std::array<CCmnMetricWidget *, 4> m_Sides{};
};
