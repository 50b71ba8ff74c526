#include "cmnmemory.h"

#include <QTest>

class TestCmnMemory : public QObject
{
    Q_OBJECT
private slots:
    void zeroesExactlyTheBlock_data();
    void zeroesExactlyTheBlock();
};

void TestCmnMemory::zeroesExactlyTheBlock_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("middle") << 2 << 3 << QByteArray("ab\0\0\0fgh", 8);
    QTest::newRow("whole") << 0 << 8 << QByteArray(8, '\0');
    QTest::newRow("length 0") << 2 << 0 << QByteArray("abcdefgh");
    QTest::newRow("negative length") << 2 << -1 << QByteArray("abcdefgh");
}

void TestCmnMemory::zeroesExactlyTheBlock()
{
    QFETCH(int, offset);
    QFETCH(int, length);
    QFETCH(QByteArray, expected);

    QByteArray bytes("abcdefgh");
    CmnZeroMemory(bytes.data() + offset, length);
    QCOMPARE(bytes, expected);
    CmnZeroMemory(nullptr, 4);
}

QTEST_GUILESS_MAIN(TestCmnMemory)
#include "tst_cmnmemory.moc"
