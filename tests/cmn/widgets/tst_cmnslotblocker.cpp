#include "cmncombobox.h"
#include "cmnslotblocker.h"
#include "cmnslotunblocker.h"
#include "cmnwidget.h"

#include <QSignalSpy>
#include <QTest>

#include <type_traits>

// A guard that could be copied, moved or made without an object would break the
// one-increment-one-decrement pairing.
static_assert(!std::is_copy_constructible_v<CCmnSlotBlocker>);
static_assert(!std::is_copy_assignable_v<CCmnSlotBlocker>);
static_assert(!std::is_move_constructible_v<CCmnSlotBlocker>);
static_assert(!std::is_default_constructible_v<CCmnSlotBlocker>);

// A panel as the framework builds them: its slot reacts to the user's choice of a
// size and must ignore the choices the program makes while it loads.
class CTestSizePanel : public CCmnWidget
{
    Q_OBJECT
public:
    CTestSizePanel()
        : m_SizeCombo(new CCmnComboBox(this))
    {
        m_SizeCombo->addItems({"Small", "Medium", "Large"});
        connect(m_SizeCombo, &QComboBox::currentIndexChanged, this,
                &CTestSizePanel::Slot_currentIndexChanged_Size);
    }

    void Load(int index)
    {
        const CCmnSlotBlocker blocker(this);
        m_SizeCombo->setCurrentIndex(index);
    }

    CCmnComboBox *m_SizeCombo;
    QList<int> m_Reactions;

public Q_SLOTS:
    void Slot_currentIndexChanged_Size(int index)
    {
        if (SlotsBlocked())
            return;
        m_Reactions << index;
    }
};

class TestCmnSlotBlocker : public QObject
{
    Q_OBJECT
private slots:
    void slotIgnoresProgrammaticChanges();
    void nestedGuardsBlockUntilOutermostEnds();
    void guardWithoutObjectDoesNothing();
    void guardsOnDifferentObjectsAreIndependent();
    void unblockerLetsSlotsRunAndRestoresCount();
};

void TestCmnSlotBlocker::slotIgnoresProgrammaticChanges()
{
    CTestSizePanel panel;
    QSignalSpy changed(panel.m_SizeCombo, &QComboBox::currentIndexChanged);

    panel.Load(2);
    QCOMPARE(panel.m_SizeCombo->currentIndex(), 2);
    QCOMPARE(changed.count(), 1);              // the signal still went out
    QCOMPARE(panel.m_Reactions, QList<int>()); // but the slot returned at once
    QCOMPARE(panel.SlotBlockCount(), 0);

    // The same change once the scope has ended reaches the slot.
    panel.m_SizeCombo->setCurrentIndex(1);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(panel.m_Reactions, QList<int>{1});
}

void TestCmnSlotBlocker::nestedGuardsBlockUntilOutermostEnds()
{
    CTestSizePanel panel;
    {
        const CCmnSlotBlocker outer(&panel);
        {
            const CCmnSlotBlocker inner(&panel);
            QCOMPARE(panel.SlotBlockCount(), 2);
            panel.m_SizeCombo->setCurrentIndex(1);
        }
        QCOMPARE(panel.SlotBlockCount(), 1);
        QVERIFY(panel.SlotsBlocked());
        panel.m_SizeCombo->setCurrentIndex(2);
        QCOMPARE(panel.m_Reactions, QList<int>());
    }
    QCOMPARE(panel.SlotBlockCount(), 0);
    QVERIFY(!panel.SlotsBlocked());
    panel.m_SizeCombo->setCurrentIndex(0);
    QCOMPARE(panel.m_Reactions, QList<int>{0});
}

void TestCmnSlotBlocker::guardWithoutObjectDoesNothing()
{
    CTestSizePanel panel;
    CCmnSlotBlockingMixin *none = nullptr;
    {
        const CCmnSlotBlocker blocker(none);
        panel.m_SizeCombo->setCurrentIndex(1);
    }
    QCOMPARE(panel.SlotBlockCount(), 0);
    QCOMPARE(panel.m_Reactions, QList<int>{1});
}

void TestCmnSlotBlocker::guardsOnDifferentObjectsAreIndependent()
{
    // Blocking the combo box itself leaves the panel's slot free to react: the
    // guard goes on the object whose slots must stay quiet.
    CTestSizePanel panel;
    {
        const CCmnSlotBlocker blocker(panel.m_SizeCombo);
        QCOMPARE(panel.m_SizeCombo->SlotBlockCount(), 1);
        panel.m_SizeCombo->setCurrentIndex(2);
    }
    QCOMPARE(panel.m_SizeCombo->SlotBlockCount(), 0);
    QCOMPARE(panel.m_Reactions, QList<int>{2});
}

void TestCmnSlotBlocker::unblockerLetsSlotsRunAndRestoresCount()
{
    CTestSizePanel panel;
    {
        const CCmnSlotBlocker outer(&panel);
        const CCmnSlotBlocker inner(&panel);
        {
            const CCmnSlotUnblocker unblocker(&panel);
            QCOMPARE(panel.SlotBlockCount(), 0);
            panel.m_SizeCombo->setCurrentIndex(2);
        }
        QCOMPARE(panel.SlotBlockCount(), 2);
        panel.m_SizeCombo->setCurrentIndex(1);
        {
            const CCmnSlotUnblocker nothing(nullptr);
            QCOMPARE(panel.SlotBlockCount(), 2);
        }
    }
    QCOMPARE(panel.SlotBlockCount(), 0);
    QCOMPARE(panel.m_Reactions, QList<int>{2});
}

QTEST_MAIN(TestCmnSlotBlocker)
#include "tst_cmnslotblocker.moc"
