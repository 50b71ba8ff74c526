#include "cmnformboxsplitsettings.h"

#include "cmndatastream.h"

#include <QDataStream>
#include <QTest>

using Proportions = QList<double>;

class TestCmnFormBoxSplitSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void normalises_data();
    void normalises();
    void setProportionAppendsAutomaticEntries();
    void streamRoundTripsWithItsBytes();
    void refusesDamagedStreams_data();
    void refusesDamagedStreams();
};

void TestCmnFormBoxSplitSettings::normalises_data()
{
    QTest::addColumn<Proportions>("before");
    QTest::addColumn<int>("n");
    QTest::addColumn<Proportions>("after");
    QTest::newRow("automatic share the rest") << Proportions{0.5, -1, -1} << 3 << Proportions{0.5, 0.25, 0.25};
    // Left as they were, 1.5 and 0.01 would push the second child out of the box.
    QTest::newRow("oversized fixed beside automatic") << Proportions{1.5, -1} << 2 << Proportions{0.99, 0.01};
    QTest::newRow("small fixed stay") << Proportions{0.2, 0.2} << 2 << Proportions{0.2, 0.2};
    QTest::newRow("large fixed scaled") << Proportions{0.6, 0.6} << 2 << Proportions{0.5, 0.5};
    QTest::newRow("zeros split equally") << Proportions{0, 0} << 2 << Proportions{0.5, 0.5};
    QTest::newRow("empty list") << Proportions{} << 2 << Proportions{0.5, 0.5};
    QTest::newRow("longer list cut") << Proportions{0.3, 0.7, 0.5} << 2 << Proportions{0.3, 0.7};
    QTest::newRow("n of 0 changes nothing") << Proportions{-1} << 0 << Proportions{-1};
}

void TestCmnFormBoxSplitSettings::normalises()
{
    QFETCH(Proportions, before);
    QFETCH(int, n);
    QFETCH(Proportions, after);
    CCmnFormBoxSplitSettings settings;
    settings.m_Proportions = before;
    settings.NormaliseSplitProportions(n);
    QCOMPARE(settings.m_Proportions.size(), after.size());
    for (qsizetype i = 0; i < after.size(); ++i)
        QVERIFY2(qFuzzyCompare(settings.m_Proportions.at(i), after.at(i)),
                 qPrintable(QStringLiteral("%1: %2").arg(i).arg(settings.m_Proportions.at(i))));
}

void TestCmnFormBoxSplitSettings::setProportionAppendsAutomaticEntries()
{
    CCmnFormBoxSplitSettings settings;
    settings.SetProportion(2, 0.4);
    QCOMPARE(settings.m_Proportions, (Proportions{-1, -1, 0.4}));
}

void TestCmnFormBoxSplitSettings::streamRoundTripsWithItsBytes()
{
    CCmnFormBoxSplitSettings settings;
    settings.m_Horizontal = true;
    settings.m_Gap = CCmnMetric(2, 1.5);
    settings.m_Proportions = {0.25, 0.75};
    settings.m_Dividers = true;
    settings.m_EqualSplit = false;
    settings.m_DividerColor = Qt::red;
    settings.m_LiveDividers = true;
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        CmnPrepareDataStream(out);
        settings.Write(out);
    }
    QCOMPARE(bytes.left(5).toHex(' '), QByteArray("21 00 00 01 29"));
    QCOMPARE(bytes.size(), 3 + 1 + 10 + 8 + 4 + 16 + 2 + 11 + 1);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnFormBoxSplitSettings read;
    QVERIFY(read.Read(in));
    QCOMPARE(read, settings);
    QVERIFY(in.atEnd());
}

void TestCmnFormBoxSplitSettings::refusesDamagedStreams_data()
{
    QByteArray good;
    {
        QDataStream out(&good, QIODevice::WriteOnly);
        CmnPrepareDataStream(out);
        CCmnFormBoxSplitSettings().Write(out);
    }
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("corrupt");
    QByteArray tag = good;
    tag[0] = 32;
    QTest::newRow("another tag") << tag << true;
    QByteArray third = good;
    third[2] = 1;
    QTest::newRow("third byte not zero") << third << false;
    QByteArray metric = good;
    metric[4] = 40;
    QTest::newRow("gap without metric tag") << metric << true;
    QByteArray count = good;
    count[22] = char(0x7f); // a count far beyond the bytes that follow
    QTest::newRow("lying count") << count << true;
    QTest::newRow("cut") << good.left(good.size() - 1) << true;
}

void TestCmnFormBoxSplitSettings::refusesDamagedStreams()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, corrupt);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    CCmnFormBoxSplitSettings read;
    read.m_Horizontal = true;
    QVERIFY(!read.Read(in));
    QCOMPARE(read.m_Horizontal, false);
    QCOMPARE(in.status() != QDataStream::Ok, corrupt);
}

QTEST_MAIN(TestCmnFormBoxSplitSettings)
#include "tst_cmnformboxsplitsettings.moc"
