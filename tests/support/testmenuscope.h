#pragma once

#include "cmnmenu.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <optional>

// Answers every run of a CCmnMenu in place of the user for the scope's lifetime
// and records what each one offered; the previous runner comes back at the end.
// Scripted choices are used in order; a run with none left chooses nothing, as if
// the user pressed Escape. A choice that names no enabled entry of the menu fails
// the running test. A chosen entry is triggered as the real menu would do.
class CTestMenuScope
{
public:
    // How a separator appears among the recorded entries.
    static QString Separator() { return QStringLiteral("--"); }

    // One menu run: its entries' texts in order (separators as Separator(),
    // submenus by title) and the point it was shown at.
    struct CRun
    {
        QStringList m_Entries;
        std::optional<QPoint> m_Point;
    };

    CTestMenuScope();
    ~CTestMenuScope();
    CTestMenuScope(const CTestMenuScope &) = delete;
    CTestMenuScope &operator=(const CTestMenuScope &) = delete;

    // Chooses the first entry showing the text (as given to the entry, "&" and all).
    void Choose(const QString &entryText);
    // Closes the menu without choosing.
    void ChooseNothing();

    const QList<CRun> &Runs() const { return m_Runs; }
    // The entries of the last run; empty when no menu ran.
    QStringList LastEntries() const { return m_Runs.isEmpty() ? QStringList() : m_Runs.last().m_Entries; }
    qsizetype PendingChoices() const { return m_Script.size(); }

private:
    QAction *Run(CCmnMenu &menu, const std::optional<QPoint> &point);

    TCmnMenuRunner m_Previous;
    // An empty optional chooses nothing.
    QList<std::optional<QString>> m_Script;
    QList<CRun> m_Runs;
};
