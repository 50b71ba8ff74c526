#pragma once

#include "cmnmenu.h"

#include <QHash>
#include <QPoint>
#include <QString>

class CBioRegThemedFormInterface;

// One context menu of a box of a breeding form: the handler's own entries, which
// it acts on after the menu closes, entries that mirror or show the view's
// commands (which run as from the side panel), and the form's settings entries
// at the end. Names in entry texts are the caller's to make mnemonic-safe.
class CBioRegBoxMenu
{
public:
    CBioRegBoxMenu(CBioRegThemedFormInterface &view, const QPoint &position);

    // An entry of the handler's own; Exec answers its id when it is chosen.
    void AddOwn(qint32 id, const QString &text);
    // An entry with its own text that shows the state of the command of the
    // role and triggers it.
    void AddMirrored(const QString &text, const QString &role);
    // The command of the role itself, with its own text and state.
    void AddCommand(const QString &role);
    void AddSeparator();
    bool IsEmpty() const { return m_Menu.isEmpty(); }

    // Ends the menu with the header's settings (when asked and the form has a
    // header) and the form's settings entries, then runs it with the view's
    // slots unblocked, so that a chosen command runs although the box event is
    // handled inside a blocking scope. The id of the chosen own entry, else -1.
    qint32 Exec(bool headerSettings);

private:
    CBioRegThemedFormInterface &m_View;
    CCmnMenu m_Menu;
    QHash<const QAction *, qint32> m_Own;
};
