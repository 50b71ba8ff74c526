#pragma once

#include <QList>
#include <QString>

class QLabel;
class QLayout;
class QVBoxLayout;
class QWidget;

// One entry of a form view's right side panel. The view and its subclass list
// their controls before the panel is built; the section, the half and the order
// say where each goes, so a subclass can place its own controls between the
// view's.
class CCmnSidePanelItem
{
public:
    enum ESection {
        CheckBoxes = 1,
        Section2 = 2,
        LabelledControls = 3,
        PushButtons = 4,
        ToolRows = 5,
        CompositeControls = 6,
    };

    qint32 m_Section = CheckBoxes;
    bool m_LowerHalf = false;
    // Within its section and half; equal orders keep the order of adding.
    qint32 m_Order = 0;
    // Made into a label when there is no label widget and it is not empty.
    QString m_LabelText;
    QLabel *m_LabelWidget = nullptr;
    QWidget *m_Widget = nullptr;
    // Placed when there is no widget.
    QLayout *m_Layout = nullptr;
};

// The panel's layout: the groups of (section, half) in the fixed order upper
// 5, 6, 3, 2, 4, 1, then lower in the same order, each sorted by order, with a
// blank line between groups and a stretch at the bottom. A group in which any
// item has a label is a two-column grid of labels and controls; any other group
// is stacked as it is.
QVBoxLayout *CmnSidePanelLayout(const QList<CCmnSidePanelItem> &items);
