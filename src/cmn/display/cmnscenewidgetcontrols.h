#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QWidget;

// Where a page scene widget puts its controls when its owner lays them out
// (in a side panel or top bar) instead of under the view. The widget empties
// every list before it fills them; the owner keeps the record.
class CCmnSceneWidgetControls
{
public:
    QList<QWidget *> m_ActionButtons;
    // (label text, control): the printer and paper size boxes.
    QList<QPair<QString, QWidget *>> m_LabelledControls;
    QList<QWidget *> m_OrientationButtons;
    QList<QWidget *> m_MarginsButtons;
    QList<QWidget *> m_FitAndZoomButtons;

    void Clear()
    {
        m_ActionButtons.clear();
        m_LabelledControls.clear();
        m_OrientationButtons.clear();
        m_MarginsButtons.clear();
        m_FitAndZoomButtons.clear();
    }
};
