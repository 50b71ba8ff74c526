#include "bioregthemedformwithancestrypanelssettings.h"
#include "bioregthemedformwithancestrypanelsstickystate.h"

#include "cmndatastream.h"
#include "cmnrememberedvalues.h"
#include "streamtesting.h"

#include <QTest>

namespace {

using CSettings = CBioRegThemedFormWithAncestryPanelsSettings;

QByteArray Bytes(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray WriteSettings(const CSettings &settings)
{
    return CmnTestStreamBytes([&](QDataStream &out) { settings.Write(out); });
}

QByteArray ThemedFormBlock(const CSettings &settings)
{
    return CmnTestStreamBytes([&](QDataStream &out) { settings.CCmnThemedFormSettings::Write(out); });
}

// The reader's answer and the stream's status afterwards.
QPair<bool, QDataStream::Status> ReadSettings(const QByteArray &bytes, CSettings &settings)
{
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    const bool ok = settings.Read(in);
    return {ok, in.status()};
}

QPair<bool, QDataStream::Status> ReadBreedingBlock(const QByteArray &bytes)
{
    CBioRegThemedFormSettings settings(true, 0.35, 0.07);
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    const bool ok = settings.Read(in);
    return {ok, in.status()};
}

} // namespace

class TestBioRegThemedFormWithAncestryPanelsSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { CmnCreateRememberedValues(); }

    void breedingBlockFollowsTheThemedFormBlock()
    {
        const CSettings settings(true, 0.35, 0.07);
        const QByteArray block37 = ThemedFormBlock(settings);
        const QByteArray bytes = CmnTestStreamBytes(
            [&](QDataStream &out) { settings.CBioRegThemedFormSettings::Write(out); });
        QCOMPARE(bytes, block37 + Bytes("6700"));
        QCOMPARE(ReadBreedingBlock(bytes), qMakePair(true, QDataStream::Ok));
        // Another version or tag is refused without marking the stream.
        QCOMPARE(ReadBreedingBlock(block37 + Bytes("6701")), qMakePair(false, QDataStream::Ok));
        QCOMPARE(ReadBreedingBlock(block37 + Bytes("6800")), qMakePair(false, QDataStream::Ok));
        QCOMPARE(ReadBreedingBlock(block37.left(block37.size() - 3)).first, false);
    }

    void defaultSettingsWriteNoPanelEntry()
    {
        const CSettings settings(true, 0.35, 0.07);
        QCOMPARE(settings.m_Generations, 4);
        const QByteArray bytes = WriteSettings(settings);
        QCOMPARE(bytes, ThemedFormBlock(settings) + Bytes("6700" "61000401"));
    }

    void draggedDividerWritesOneEntryWithTenSlots()
    {
        CSettings settings(true, 0.35, 0.07);
        CCmnFormBoxSplitSettings dragged = settings.GetPanelSplits(0);
        QCOMPARE(dragged.m_Proportions.size(), 4);
        dragged.m_Proportions = {0.1, 0.2, 0.3, 0.4};
        settings.StorePanelSplits(0, dragged);

        CBioRegAncestryPanelSplits expected;
        expected.m_Slots[4] = dragged;
        const QByteArray slotBytes = CmnTestStreamBytes([&](QDataStream &out) {
            for (const CCmnFormBoxSplitSettings &split : expected.m_Slots)
                split.Write(out);
        });
        QCOMPARE(WriteSettings(settings),
                 ThemedFormBlock(settings) + Bytes("6700" "6100" "04" "00000000006900") + slotBytes + Bytes("01"));

        CSettings read(true, 0.35, 0.07);
        QCOMPARE(ReadSettings(WriteSettings(settings), read), qMakePair(true, QDataStream::Ok));
        QVERIFY(read.IsEqual(settings));
        QCOMPARE(read.GetPanelSplits(0), dragged);
        read.m_Orientation = 1;
        QCOMPARE(read.GetPanelSplits(0), CBioRegAncestryPanelSplits::DefaultSlot(5));
    }

    // The same settings give the same bytes: panels by ascending index. On
    // reading, a later entry of an index replaces an earlier one.
    void panelsAreWrittenInAscendingIndex()
    {
        CSettings settings(true, 0.35, 0.07);
        CCmnFormBoxSplitSettings dragged = settings.GetPanelSplits(0);
        dragged.m_Proportions = {0.1, 0.2, 0.3, 0.4};
        // Enough keys that a hash's own order is unlikely to pass for sorted.
        for (qint32 index : {7, 0, 300, 3, 12, 1})
            settings.StorePanelSplits(index, dragged);
        const auto entry = [&](const char *index, const CBioRegAncestryPanelSplits &splits) {
            return Bytes("00") + Bytes(index)
                 + CmnTestStreamBytes([&](QDataStream &out) { splits.Write(out); });
        };
        const CBioRegAncestryPanelSplits stored = settings.m_PanelSplits.value(0);
        const QByteArray head = ThemedFormBlock(settings) + Bytes("6700" "6100" "04");
        QByteArray expected = head;
        for (const char *index : {"00000000", "00000001", "00000003", "00000007", "0000000c", "0000012c"})
            expected += entry(index, stored);
        QCOMPARE(WriteSettings(settings), expected + Bytes("01"));

        CSettings read(true, 0.35, 0.07);
        const QByteArray twice =
            head + entry("00000000", stored) + entry("00000000", CBioRegAncestryPanelSplits()) + Bytes("01");
        QCOMPARE(ReadSettings(twice, read), qMakePair(true, QDataStream::Ok));
        QCOMPARE(read.m_PanelSplits.keys(), QList<qint32>{0});
        QCOMPARE(read.GetPanelSplits(0), CBioRegAncestryPanelSplits::DefaultSlot(4));
    }

    void panelSplitsFollowChartSizeAndOrientation_data()
    {
        QTest::addColumn<qint32>("generations");
        QTest::addColumn<quint32>("orientation");
        QTest::addColumn<QList<double>>("proportions");
        QTest::newRow("two, portrait") << 2 << 0u << QList<double>{0.4, 0.6};
        QTest::newRow("three, landscape") << 3 << 1u << QList<double>{0.25, 0.3, 0.45};
        QTest::newRow("six") << 6 << 0u << QList<double>{0.13, 0.15, 0.16, 0.17, 0.18, 0.21};
        QTest::newRow("one has no columns to divide") << 1 << 0u << QList<double>{};
    }
    void panelSplitsFollowChartSizeAndOrientation()
    {
        QFETCH(qint32, generations);
        QFETCH(quint32, orientation);
        QFETCH(QList<double>, proportions);
        CSettings settings(true, 0.35, 0.07);
        settings.m_Generations = generations;
        settings.m_Orientation = orientation;
        const CCmnFormBoxSplitSettings split = settings.GetPanelSplits(3);
        QCOMPARE(split.m_Proportions.size(), proportions.size());
        for (qsizetype i = 0; i < proportions.size(); ++i)
            QVERIFY(qAbs(split.m_Proportions.at(i) - proportions.at(i)) < 1e-9);
        QCOMPARE(split.m_Horizontal, generations > 1);
        QCOMPARE(split.m_Dividers, generations > 1);
        QCOMPARE(split.m_EqualSplit, generations == 1);
    }

    void damagedEntriesAreCorrupt_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QDataStream::Status>("status");
        QTest::newRow("marker 2") << Bytes("6100" "04" "02") << QDataStream::ReadCorruptData;
        QTest::newRow("splits tag") << Bytes("6100" "04" "00" "00000000" "6800") << QDataStream::ReadCorruptData;
        QTest::newRow("splits version") << Bytes("6100" "04" "00" "00000000" "6901") << QDataStream::ReadCorruptData;
        QTest::newRow("no slots") << Bytes("6100" "04" "00" "00000000" "6900") << QDataStream::ReadPastEnd;
    }
    void damagedEntriesAreCorrupt()
    {
        QFETCH(QByteArray, tail);
        QFETCH(QDataStream::Status, status);
        CSettings settings(true, 0.35, 0.07);
        const QByteArray head = ThemedFormBlock(settings) + Bytes("6700");
        QCOMPARE(ReadSettings(head + tail, settings), qMakePair(false, status));
    }

    void wrongTagOrVersionLeavesTheStreamAlone()
    {
        CSettings settings(true, 0.35, 0.07);
        const QByteArray head = ThemedFormBlock(settings) + Bytes("6700");
        QCOMPARE(ReadSettings(head + Bytes("600004" "01"), settings), qMakePair(false, QDataStream::Ok));
        QCOMPARE(ReadSettings(head + Bytes("610104" "01"), settings), qMakePair(false, QDataStream::Ok));
    }

    // A damaged count of generations must not make the panel build 2^41 cells.
    void generationsAreBroughtIntoRange_data()
    {
        QTest::addColumn<quint8>("stored");
        QTest::addColumn<qint32>("read");
        QTest::newRow("0") << quint8(0) << 1;
        QTest::newRow("1") << quint8(1) << 1;
        QTest::newRow("6") << quint8(6) << 6;
        QTest::newRow("7") << quint8(7) << 6;
        QTest::newRow("40") << quint8(40) << 6;
        QTest::newRow("255") << quint8(255) << 6;
    }
    void generationsAreBroughtIntoRange()
    {
        QFETCH(quint8, stored);
        QFETCH(qint32, read);
        CSettings settings(true, 0.35, 0.07);
        QByteArray bytes = ThemedFormBlock(settings) + Bytes("6700" "6100");
        bytes.append(char(stored));
        bytes.append('\x01');
        QCOMPARE(ReadSettings(bytes, settings), qMakePair(true, QDataStream::Ok));
        QCOMPARE(settings.m_Generations, read);
    }

    void everyCutFails()
    {
        CSettings settings(true, 0.35, 0.07);
        settings.StorePanelSplits(2, settings.GetPanelSplits(2));
        const QByteArray bytes = WriteSettings(settings);
        for (qsizetype length = 0; length < bytes.size(); ++length) {
            CSettings read(true, 0.35, 0.07);
            QVERIFY2(!ReadSettings(bytes.left(length), read).first, qPrintable(QString::number(length)));
        }
    }

    void copyAndEquality()
    {
        CSettings settings(true, 0.35, 0.07);
        settings.m_Generations = 5;
        settings.StorePanelSplits(0, CCmnFormBoxSplitSettings());
        CSettings copy(true, 0.35, 0.07);
        QVERIFY(!copy.IsEqual(settings));
        copy.CopyFrom(settings);
        QVERIFY(copy.IsEqual(settings));
        copy.m_PanelSplits[0].m_Slots[0].m_Dividers = false;
        QVERIFY(!copy.IsEqual(settings));
    }

    void highlightModeIsRememberedUnderTheDoubledPrefix_data()
    {
        QTest::addColumn<qint32>("stored");
        QTest::addColumn<qint32>("loaded");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("common") << 2 << 2;
        QTest::newRow("7") << 7 << 2;
        QTest::newRow("-3") << -3 << 0;
    }
    void highlightModeIsRememberedUnderTheDoubledPrefix()
    {
        QFETCH(qint32, stored);
        QFETCH(qint32, loaded);
        const QString prefix = QStringLiteral("C:/Smith & Jones <UK>.orv_aniped_b");
        CmnGetRememberedValues()->SetValue(prefix + prefix + QStringLiteral("_anchighlight"), stored);
        CBioRegThemedFormWithAncestryPanelsStickyState state;
        state.ExchangeRememberedValues(true, prefix);
        QCOMPARE(state.m_HighlightMode, loaded);

        state.m_HighlightMode = 1;
        state.ExchangeRememberedValues(false, prefix);
        QCOMPARE(CmnGetRememberedValues()->Value(prefix + prefix + QStringLiteral("_anchighlight")).toInt(), 1);
        QVERIFY(!CmnGetRememberedValues()->Value(prefix + QStringLiteral("_anchighlight")).isValid());
        state.Reset();
        QCOMPARE(state.m_HighlightMode, 0);
    }
};

QTEST_GUILESS_MAIN(TestBioRegThemedFormWithAncestryPanelsSettings)
#include "tst_bioregthemedformwithancestrypanelssettings.moc"
