#pragma once

#include "cmnoptionsdialog.h"

#include <QLabel>

#include <functional>

// The preferences dialog as the shell builds it around one tab: the tab edits a
// copy of the settings, and the copy goes back only when the user confirms.
template <typename Settings, typename Tab>
class TOrvPreferencesDialog : public CCmnOptionsDialog
{
public:
    TOrvPreferencesDialog(const Settings &current, std::function<void(const Settings &)> assign,
                          const QString &tabLabel)
        : m_Copy(current)
        , m_Tab(new Tab(&m_Copy))
    {
        AddTab(m_Tab, tabLabel);
        connect(this, &QDialog::accepted, this, [this, assign] { assign(m_Copy); });
    }

    Settings m_Copy;
    Tab *m_Tab;

protected:
    void ResetAll() override {}
};

// The label whose buddy the widget is, searched among the container's children.
inline QLabel *OrvBuddyLabelOf(const QWidget *container, const QWidget *widget)
{
    for (QLabel *label : container->findChildren<QLabel *>()) {
        if (label->buddy() == widget)
            return label;
    }
    return nullptr;
}
