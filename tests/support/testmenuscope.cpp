#include "testmenuscope.h"

#include <QAction>
#include <QMenu>
#include <QTest>

CTestMenuScope::CTestMenuScope()
    : m_Previous(CmnSetMenuRunner(
        [this](CCmnMenu &menu, const std::optional<QPoint> &point) { return Run(menu, point); }))
{
}

CTestMenuScope::~CTestMenuScope()
{
    CmnSetMenuRunner(m_Previous);
}

void CTestMenuScope::Choose(const QString &entryText)
{
    m_Script << entryText;
}

void CTestMenuScope::ChooseNothing()
{
    m_Script << std::nullopt;
}

QAction *CTestMenuScope::Run(CCmnMenu &menu, const std::optional<QPoint> &point)
{
    CRun run;
    run.m_Point = point;
    const QList<QAction *> actions = menu.actions();
    for (QAction *action : actions) {
        if (action->isSeparator())
            run.m_Entries << Separator();
        else if (action->menu())
            run.m_Entries << action->menu()->title();
        else
            run.m_Entries << action->text();
    }
    m_Runs << run;

    if (m_Script.isEmpty())
        return nullptr;
    const std::optional<QString> wanted = m_Script.takeFirst();
    if (!wanted)
        return nullptr;
    for (QAction *action : actions) {
        if (!action->isSeparator() && !action->menu() && action->isEnabled() && action->text() == *wanted) {
            // What QMenu does for the entry the user clicks.
            action->trigger();
            return action;
        }
    }
    QTest::qFail(qPrintable(QStringLiteral("The menu [%1] has no enabled entry \"%2\"")
                                .arg(run.m_Entries.join(QStringLiteral(", ")), *wanted)),
                 __FILE__, __LINE__);
    return nullptr;
}
