#include "cmnmenuentry.h"

#include <QAction>
#include <QMenu>
#include <QTest>

// The menu's contents, one word per action: its text, "-" for a separator,
// ">" and the title for a submenu.
static QStringList Contents(const QMenu &menu)
{
    QStringList contents;
    for (const QAction *action : menu.actions()) {
        if (action->isSeparator())
            contents.append(QStringLiteral("-"));
        else if (action->menu())
            contents.append(QLatin1Char('>') + action->menu()->title());
        else
            contents.append(action->text());
    }
    return contents;
}

class TestCmnMenuEntry : public QObject
{
    Q_OBJECT
private slots:
    void fill_data();
    void fill();
    void nullMenu();
};

void TestCmnMenuEntry::fill_data()
{
    // Entries by letter: A an action, S a separator, M the submenu, X an empty
    // entry, P an action with the separator flag too, Q a submenu with it.
    QTest::addColumn<bool>("holdsSomething");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<bool>("leadingSeparator");
    QTest::addColumn<QStringList>("contents");

    QTest::newRow("in order") << false << "ASMX" << false << QStringList{"Copy", "-", ">Export"};
    QTest::newRow("action wins over separator") << false << "P" << false << QStringList{"Copy"};
    QTest::newRow("separator wins over submenu") << false << "Q" << false << QStringList{"-"};
    QTest::newRow("leading separator after existing items") << true << "A" << true
                                                            << QStringList{"Open", "-", "Copy"};
    QTest::newRow("no leading separator unless asked") << true << "A" << false << QStringList{"Open", "Copy"};
    QTest::newRow("empty menu takes no leading separator") << false << "AM" << true
                                                           << QStringList{"Copy", ">Export"};
    QTest::newRow("empty list adds nothing") << true << "" << true << QStringList{"Open"};
    QTest::newRow("list of empty entries still separates") << true << "X" << true << QStringList{"Open", "-"};
}

void TestCmnMenuEntry::fill()
{
    QFETCH(bool, holdsSomething);
    QFETCH(QString, entries);
    QFETCH(bool, leadingSeparator);

    QMenu menu;
    if (holdsSomething)
        menu.addAction(QStringLiteral("Open"));
    QAction copy(QStringLiteral("Copy"));
    QMenu submenu(QStringLiteral("Export"));

    QList<CCmnMenuEntry> list;
    for (const QChar letter : entries) {
        CCmnMenuEntry entry;
        entry.m_Action = letter == QLatin1Char('A') || letter == QLatin1Char('P') ? &copy : nullptr;
        entry.m_Submenu = letter == QLatin1Char('M') || letter == QLatin1Char('Q') ? &submenu : nullptr;
        entry.m_Separator = letter == QLatin1Char('S') || letter == QLatin1Char('P') || letter == QLatin1Char('Q');
        list.append(entry);
    }
    CmnAddMenuEntries(&menu, list, leadingSeparator);
    QTEST(Contents(menu), "contents");
}

void TestCmnMenuEntry::nullMenu()
{
    QAction copy(QStringLiteral("Copy"));
    CmnAddMenuEntries(nullptr, {CCmnMenuEntry{&copy}}, true);
    QVERIFY(copy.associatedObjects().isEmpty());
}

QTEST_MAIN(TestCmnMenuEntry)
#include "tst_cmnmenuentry.moc"
