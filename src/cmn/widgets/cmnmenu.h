#pragma once

#include "cmnslotblocker.h"

#include <QList>
#include <QMenu>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <optional>
#include <utility>

class CCmnMenu;

// Answers a menu run in place of the user: gets the menu and the point it is
// shown at (none: where the menu stands), and returns the chosen entry after
// triggering it as the real menu would, or null.
using TCmnMenuRunner = std::function<QAction *(CCmnMenu &menu, const std::optional<QPoint> &point)>;

// Box menus are made and run inside the handlers of box events; every run of a
// CCmnMenu goes through the runner in force, so that tests can answer them.
// Replaces the runner and returns the one it replaces; an empty runner restores
// the real modal menus.
TCmnMenuRunner CmnSetMenuRunner(TCmnMenuRunner runner);

// A QMenu with the framework's slot-blocking counter that can mirror existing
// actions: a mirrored entry shows its own text but the source action's enabled
// and checked state, and choosing it triggers the source action. Box context
// menus use it so that the commands they offer run exactly as from the toolbar.
//
// A menu run at a pop-up point is recorded as the menu being shown until it is
// destroyed, so that the command it triggers can place its dialog at that point.
class CCmnMenu : public QMenu, public CCmnSlotBlockingMixin
{
    Q_OBJECT
public:
    explicit CCmnMenu(QWidget *parent = nullptr);
    ~CCmnMenu() override;

    // The new entry, enabled, checkable and checked as the source is now. A null
    // source gives an entry that mirrors nothing.
    QAction *AddMirroredAction(const QString &text, QAction *source);
    // Null for an entry that mirrors nothing, or whose source has gone.
    QAction *FindSourceAction(const QAction *entry) const;

    // Runs the menu, at the pop-up point when it has one (no negative coordinate),
    // else where the menu stands; choosing a mirrored entry triggers its source.
    // Returns the chosen entry, null when none was chosen.
    QAction *ExecAndTrigger();

    QPoint PopupPoint() const { return m_PopupPoint; }
    void SetPopupPoint(const QPoint &point) { m_PopupPoint = point; }

    // The menu last run at a pop-up point and not yet destroyed; null when none.
    static CCmnMenu *MenuBeingShown();
    // Its pop-up point, or (-1, -1) when no menu is being shown.
    static QPoint MenuBeingShownPopupPoint();

protected:
    // Runs the menu modally and returns the chosen entry: at the point when one is
    // given, else at the menu's own position, unless a runner answers it.
    virtual QAction *Run(const std::optional<QPoint> &point);

private:
    // The source is guarded: an action deleted while the menu lives is then
    // simply no longer triggered.
    QList<std::pair<QPointer<QAction>, QAction *>> m_Mirrored;
    QPoint m_PopupPoint{-1, -1};
};
