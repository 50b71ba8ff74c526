#include "cmnmenu.h"

#include <QAction>

namespace {

// The menu being shown: the one process-wide record a triggered command reads.
CCmnMenu *g_MenuBeingShown = nullptr;

TCmnMenuRunner &CurrentMenuRunner()
{
    static TCmnMenuRunner runner;
    return runner;
}

} // namespace

TCmnMenuRunner CmnSetMenuRunner(TCmnMenuRunner runner)
{
    return std::exchange(CurrentMenuRunner(), std::move(runner));
}

CCmnMenu::CCmnMenu(QWidget *parent)
    : QMenu(parent)
{
}

CCmnMenu::~CCmnMenu()
{
    if (g_MenuBeingShown == this)
        g_MenuBeingShown = nullptr;
}

QAction *CCmnMenu::AddMirroredAction(const QString &text, QAction *source)
{
    QAction *entry = addAction(text);
    if (source) {
        if (source->isCheckable()) {
            entry->setCheckable(true);
            entry->setChecked(source->isChecked());
        }
        entry->setEnabled(source->isEnabled());
    }
    m_Mirrored.append({QPointer<QAction>(source), entry});
    return entry;
}

QAction *CCmnMenu::FindSourceAction(const QAction *entry) const
{
    if (!entry)
        return nullptr;
    for (const auto &[source, mirrored] : m_Mirrored) {
        if (mirrored == entry)
            return source;
    }
    return nullptr;
}

QAction *CCmnMenu::ExecAndTrigger()
{
    std::optional<QPoint> point;
    if (m_PopupPoint.x() >= 0 && m_PopupPoint.y() >= 0) {
        g_MenuBeingShown = this;
        point = m_PopupPoint;
    }
    QAction *chosen = Run(point);
    // Still recorded as the menu being shown while the source's slots run.
    if (QAction *source = FindSourceAction(chosen))
        source->trigger();
    return chosen;
}

CCmnMenu *CCmnMenu::MenuBeingShown()
{
    return g_MenuBeingShown;
}

QPoint CCmnMenu::MenuBeingShownPopupPoint()
{
    return g_MenuBeingShown ? g_MenuBeingShown->PopupPoint() : QPoint(-1, -1);
}

QAction *CCmnMenu::Run(const std::optional<QPoint> &point)
{
    // A copy: a runner may put another in place while it runs.
    if (const TCmnMenuRunner runner = CurrentMenuRunner())
        return runner(*this, point);
    return point ? exec(*point) : exec();
}
