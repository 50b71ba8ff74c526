#include "bioregancestrypanel.h"
#include "bioregthemedformwithancestrypanels.h"

#include "ancestryformtesting.h"

#include <QTest>

namespace {

const QString kCellLayout = QStringLiteral("PEDIGREE-ANCESTORSPANEL0-CELLLAYOUT");
const QString kCellData = QStringLiteral("PEDIGREE-ANCESTORSPANEL0-CELLDATA");

// A root whose sire is also its dam's sire: the sire shows at (0,0) and (1,2).
struct CRepeatedSire
{
    explicit CRepeatedSire(CAncestryFormFixture &fixture)
    {
        grandDam = fixture.Add(QStringLiteral("Lady of the Long Meadow and the Far Hills"), 2);
        sire = fixture.Add(QStringLiteral("Smith & Jones <UK>"), 1);
        dam = fixture.Add(QStringLiteral("Daughter"), 2, sire, grandDam);
    }
    int grandDam = 0;
    int sire = 0;
    int dam = 0;
};

} // namespace

class TestBioRegAncestryPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buildsACellPerAncestor_data();
    void buildsACellPerAncestor();
    void twoGenerationsNumberTheirCells_data();
    void twoGenerationsNumberTheirCells();
    void findsCellsAndColumnsByBox();
    void placeholdersOnlyWhereTheChildIsKnown_data();
    void placeholdersOnlyWhereTheChildIsKnown();
    void repeatedAncestorFollowsTheRegister();
    void deletedAncestorLeavesNoTrace();
    void badLinksGiveABoundedChart();
    void highlightColoursRepeatedOrCommonAncestors_data();
    void highlightColoursRepeatedOrCommonAncestors();
    void highlightRunsOutOfPaletteColours();
    void switchingHighlightOffRemovesEveryFill();
    void themeChangesReachTheCellsConcerned();
    void draggedColumnsAreStoredPerSizeAndOrientation_data();
    void draggedColumnsAreStoredPerSizeAndOrientation();
};

void TestBioRegAncestryPanel::buildsACellPerAncestor_data()
{
    QTest::addColumn<int>("generations");
    QTest::addColumn<int>("cells");
    QTest::addColumn<QString>("lastName");
    QTest::newRow("1") << 1 << 2 << QStringLiteral("ancestrypanel-cell-0-1");
    QTest::newRow("2") << 2 << 6 << QStringLiteral("ancestrypanel-cell-1-3");
    QTest::newRow("3") << 3 << 14 << QStringLiteral("ancestrypanel-cell-2-7");
    QTest::newRow("4") << 4 << 30 << QStringLiteral("ancestrypanel-cell-3-15");
    QTest::newRow("5") << 5 << 62 << QStringLiteral("ancestrypanel-cell-4-31");
    QTest::newRow("6") << 6 << 126 << QStringLiteral("ancestrypanel-cell-5-63");
}

void TestBioRegAncestryPanel::buildsACellPerAncestor()
{
    QFETCH(int, generations);
    QFETCH(int, cells);
    QFETCH(QString, lastName);
    CAncestryFormFixture fixture(generations);
    fixture.Build();
    const CBioRegAncestryPanel &panel = fixture.Panel();
    QCOMPARE(CBioRegAncestryPanel::CellCount(generations), cells);
    QVERIFY(panel.Cell(cells));
    QVERIFY(!panel.Cell(cells + 1));
    QVERIFY(!panel.Cell(0));
    QCOMPARE(fixture.m_Form->GetBox(panel.Cell(cells)->m_BoxId)->Name(), lastName);

    // Ids column by column: the column of a generation, then its cells top to bottom.
    QList<qint32> expected;
    QList<qint32> built;
    qint32 next = panel.GenerationBoxId(0);
    for (qint32 g = 0; g < generations; ++g) {
        const QSharedPointer<CCmnFormBox> column = fixture.m_Form->GetBox(panel.GenerationBoxId(g));
        QCOMPARE(column->Name(), QStringLiteral("ancestrypanel-gen-%1").arg(g));
        QCOMPARE(column->Parent()->Id(), fixture.m_Form->ContentId());
        QCOMPARE(column->ActiveMode(), qint32(CmnFormBoxNeverFilled));
        expected.append(next++);
        built.append(column->Id());
        for (qint32 i = 0; i < (2 << g); ++i) {
            expected.append(next++);
            built.append(fixture.Cell(g, i).m_BoxId);
            QCOMPARE(fixture.CellBox(g, i)->Parent(), column.data());
        }
    }
    QCOMPARE(built, expected);
    QCOMPARE(panel.GenerationBoxId(generations), 0);
    const QSharedPointer<CCmnFormBox> cell = fixture.CellBox(generations - 1, 0);
    QVERIFY(cell->IsClickable());
    QCOMPARE(cell->ActiveMode(), qint32(CmnFormBoxFilledWithContent));
    // The columns share the cell gap; cells always share a column's height.
    const QSharedPointer<CCmnFormBox> content = fixture.m_Form->GetBox(fixture.m_Form->ContentId());
    // One column needs no division: the default split, with no stored proportions.
    QCOMPARE(content->GetSplitSettings().m_Horizontal, generations > 1);
    QCOMPARE(fixture.m_Form->GetBox(panel.GenerationBoxId(0))->GetSplitSettings().m_Gap,
             content->GetSplitSettings().m_Gap);
    QVERIFY(fixture.m_Form->GetBox(panel.GenerationBoxId(0))->GetSplitSettings().m_EqualSplit);
}

void TestBioRegAncestryPanel::twoGenerationsNumberTheirCells_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("generation");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("sex");
    QTest::addColumn<int>("pathBits");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("child");
    QTest::addColumn<int>("sire");
    QTest::addColumn<int>("dam");
    QTest::newRow("1") << 1 << 0 << 0 << 1 << 0b1 << 1 << 0 << 3 << 4;
    QTest::newRow("2") << 2 << 0 << 1 << 2 << 0b0 << 0 << 0 << 5 << 6;
    QTest::newRow("3") << 3 << 1 << 0 << 1 << 0b11 << 65539 << 1 << 0 << 0;
    QTest::newRow("4") << 4 << 1 << 1 << 2 << 0b01 << 65537 << 1 << 0 << 0;
    QTest::newRow("5") << 5 << 1 << 2 << 1 << 0b10 << 65538 << 2 << 0 << 0;
    QTest::newRow("6") << 6 << 1 << 3 << 2 << 0b00 << 65536 << 2 << 0 << 0;
}

void TestBioRegAncestryPanel::twoGenerationsNumberTheirCells()
{
    QFETCH(int, position);
    QFETCH(int, generation);
    QFETCH(int, index);
    QFETCH(int, sex);
    QFETCH(int, pathBits);
    QFETCH(int, key);
    QFETCH(int, child);
    QFETCH(int, sire);
    QFETCH(int, dam);
    CAncestryFormFixture fixture(2);
    fixture.Build();
    const CBioRegAncestryPanel &panel = fixture.Panel();
    const CBioRegAncestryPanelCell &cell = *panel.Cell(position);
    QCOMPARE(CBioRegAncestryPanel::Position(generation, index), position);
    QCOMPARE(panel.PositionOfGenerationIndex(generation, index), position);
    QCOMPARE(panel.PositionOfKey(key), position);
    QCOMPARE(CBioRegAncestryPanel::Key(generation, pathBits), key);
    QCOMPARE(cell.m_Generation, generation);
    QCOMPARE(cell.m_Index, index);
    QCOMPARE(cell.m_Sex, sex);
    QCOMPARE(cell.m_PathBits, pathBits);
    QCOMPARE(cell.m_ChildPosition, child);
    QCOMPARE(cell.m_SirePosition, sire);
    QCOMPARE(cell.m_DamPosition, dam);
    QCOMPARE(panel.PositionOfBox(cell.m_BoxId), position);
    QCOMPARE(fixture.m_Form->GetBox(cell.m_BoxId)->Name(),
             QStringLiteral("ancestrypanel-cell-%1-%2").arg(generation).arg(index));
}

void TestBioRegAncestryPanel::findsCellsAndColumnsByBox()
{
    CAncestryFormFixture fixture(3);
    const int grandSire = fixture.Add(QStringLiteral("Grandsire"), 1);
    const int sire = fixture.Add(QStringLiteral("Sire"), 1, grandSire);
    fixture.Build();
    fixture.Panel().SetRootParents(*fixture.m_Reg, sire, 0, true);
    CBioRegThemedFormWithAncestryPanels &form = *fixture.m_Form;
    const qint32 content = form.ContentId();

    qint32 child = -7, sex = -7, generation = -7, bits = -7, panelBox = -7;
    QVERIFY(form.FindAncestryCell(fixture.Cell(2, 1).m_BoxId, &child, &sex, &generation, &bits, &panelBox));
    QCOMPARE((QList<qint32>{child, sex, generation, bits, panelBox}),
             (QList<qint32>{grandSire, 2, 2, 0b011, content}));
    QVERIFY(form.FindAncestryCell(fixture.Cell(0, 1).m_BoxId, &child, nullptr, nullptr, nullptr, nullptr));
    QCOMPARE(child, 0);

    // A column, the panel box, no box: not a cell, and the outs say so.
    for (const qint32 box : {fixture.Panel().GenerationBoxId(1), content, 0, -1, 9999}) {
        child = sex = generation = bits = -7;
        panelBox = -7;
        QVERIFY(!form.FindAncestryCell(box, &child, &sex, &generation, &bits, &panelBox));
        QCOMPARE((QList<qint32>{child, sex, generation, bits, panelBox}), (QList<qint32>{-7, -7, -7, -7, 0}));
    }
    QVERIFY(form.FindGenerationBox(fixture.Panel().GenerationBoxId(2), &generation, &panelBox));
    QCOMPARE(generation, 2);
    QCOMPARE(panelBox, content);
    QVERIFY(!form.FindGenerationBox(fixture.Cell(1, 0).m_BoxId, &generation, &panelBox));
    QCOMPARE(generation, -1);
    QCOMPARE(panelBox, 0);
    QVERIFY(form.IsPanelBox(content));
    QVERIFY(!form.IsPanelBox(form.RootId()));
    QVERIFY(form.PanelHasRecordRoot(content));
    QVERIFY(!form.PanelHasRecordRoot(form.RootId()));
    QVERIFY(!form.GetPanel(form.RootId()));
}

void TestBioRegAncestryPanel::placeholdersOnlyWhereTheChildIsKnown_data()
{
    QTest::addColumn<QString>("sires");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<QStringList>("placeholders");
    QTest::newRow("no parents, editable") << QString() << true << QStringList{"0-0", "0-1"};
    QTest::newRow("no parents, not editable") << QString() << false << QStringList();
    QTest::newRow("sire without a sire") << QStringLiteral("sire") << true << QStringList{"0-1", "1-0", "1-1"};
    QTest::newRow("negative sire id") << QStringLiteral("-5") << true << QStringList{"0-1"};
}

void TestBioRegAncestryPanel::placeholdersOnlyWhereTheChildIsKnown()
{
    QFETCH(QString, sires);
    QFETCH(bool, editable);
    QFETCH(QStringList, placeholders);
    CAncestryFormFixture fixture(3);
    const int sire = sires == QLatin1String("sire") ? fixture.Add(QStringLiteral("Sire"), 1)
                                                    : sires.toInt();
    fixture.Build();
    fixture.Panel().SetEditable(*fixture.m_Reg, editable, false);
    fixture.Panel().SetRootParents(*fixture.m_Reg, sire, 0, true);
    QCOMPARE(fixture.Placeholders(), placeholders);
    // The sire cell keeps what the link says; nothing above an unknown animal.
    QCOMPARE(fixture.Cell(0, 0).m_Record, sire);
    QCOMPARE(fixture.Cell(1, 0).m_Record, 0);
    QCOMPARE(fixture.Cell(2, 0).m_Record, 0);
    QCOMPARE(fixture.CellBox(0, 0)->Text().isEmpty(), sire <= 0);
    QCOMPARE(fixture.CellBox(0, 0)->ToolTip(), QStringLiteral("Click to set Sire"));
    QCOMPARE(fixture.CellBox(1, 1)->ToolTip(), QStringLiteral("Click to set Granddam"));
    QCOMPARE(fixture.CellBox(2, 2)->ToolTip(), QStringLiteral("Click to set GG-Sire"));
}

void TestBioRegAncestryPanel::repeatedAncestorFollowsTheRegister()
{
    CAncestryFormFixture fixture(4);
    const CRepeatedSire animals(fixture);
    fixture.Build();
    fixture.Panel().SetRootParents(*fixture.m_Reg, animals.sire, animals.dam, true);
    const qint32 asSire = CBioRegAncestryPanel::Position(0, 0);
    const qint32 asGrandSire = CBioRegAncestryPanel::Position(1, 2);
    QCOMPARE(fixture.PositionsOf(animals.sire), (QList<qint32>{asSire, asGrandSire}));
    QVERIFY(fixture.CellBox(1, 2)->Text().contains(QStringLiteral("Smith &amp; Jones &lt;UK&gt;")));

    // A change of the record (code 2) shows in both cells.
    CBioRegRecord renamed(*fixture.m_Reg->GetBioRecord(animals.sire));
    renamed.m_Name = QStringLiteral("Renamed <Sire>");
    fixture.m_Reg->StoreChangedRecord(animals.sire, renamed);
    QVERIFY(fixture.CellBox(0, 0)->Text().contains(QStringLiteral("Renamed &lt;Sire&gt;")));
    QVERIFY(fixture.CellBox(1, 2)->Text().contains(QStringLiteral("Renamed &lt;Sire&gt;")));

    // Setting its dam fills the dam side above both cells, with her own parents.
    const int granny = fixture.Add(QStringLiteral("Granny"), 2);
    const int newDam = fixture.Add(QStringLiteral("New Dam"), 2, 0, granny);
    QVERIFY(fixture.m_Reg->SetParent(animals.sire, 2, newDam));
    QCOMPARE(fixture.Cell(1, 1).m_Record, newDam);
    QCOMPARE(fixture.Cell(2, 3).m_Record, granny);
    QCOMPARE(fixture.Cell(2, 5).m_Record, newDam);
    QCOMPARE(fixture.Cell(3, 11).m_Record, granny);
    QVERIFY(fixture.CellBox(2, 5)->Text().contains(QStringLiteral("New Dam")));
    QVERIFY(fixture.CellBox(3, 11)->Text().contains(QStringLiteral("Granny")));
    // The new dam's unknown sire is now a place to set.
    QVERIFY(fixture.CellBox(2, 2)->ShowPlaceholder());
}

void TestBioRegAncestryPanel::deletedAncestorLeavesNoTrace()
{
    CAncestryFormFixture fixture(4);
    const CRepeatedSire animals(fixture);
    fixture.m_StickyState->m_HighlightMode = 1;
    fixture.Build();
    fixture.Panel().SetRootParents(*fixture.m_Reg, animals.sire, animals.dam, true);
    QCOMPARE(fixture.Panel().HighlightColours().size(), 1);

    // Deleting clears the children's links without a parent notification.
    QVERIFY(fixture.m_Reg->DeleteRecordAndNotify(animals.sire));
    QCOMPARE(fixture.PositionsOf(animals.sire), QList<qint32>());
    QCOMPARE(fixture.Cell(0, 1).m_Record, animals.dam);
    QVERIFY(fixture.CellBox(1, 2)->Text().isEmpty());
    QVERIFY(fixture.Panel().HighlightColours().isEmpty());

    // The id comes back for an unrelated animal, which is nobody's ancestor.
    const int stranger = fixture.Add(QStringLiteral("Unrelated Newcomer"), 1);
    QCOMPARE(stranger, animals.sire);
    fixture.m_Form->ApplyTheme(QString(), fixture.m_Theme, fixture.m_Default, &fixture.m_Params, 0);
    fixture.m_Form->ApplyGrabs();
    fixture.m_Form->RefreshBoxes(0);
    QCOMPARE(fixture.PositionsOf(stranger), QList<qint32>());
    for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(4); ++p)
        QVERIFY(!fixture.m_Form->GetBox(fixture.Panel().Cell(p)->m_BoxId)->Text().contains("Newcomer"));
}

void TestBioRegAncestryPanel::badLinksGiveABoundedChart()
{
    CAncestryFormFixture fixture(6);
    const int loop = fixture.Add(QStringLiteral("Own Sire"), 1);
    ReplaceWith(*fixture.m_Reg, loop, [loop](CBioRegRecord &record) { record.m_Sire = loop; });
    const int a = fixture.Add(QStringLiteral("A"), 2);
    const int b = fixture.Add(QStringLiteral("B"), 1, 0, a);
    ReplaceWith(*fixture.m_Reg, a, [b](CBioRegRecord &record) {
        record.m_Sire = b;
        record.m_Dam = -3;
    });
    fixture.m_StickyState->m_HighlightMode = 1;
    fixture.Build();
    fixture.Panel().SetRootParents(*fixture.m_Reg, loop, b, true);
    // The loops fill every place up to the last generation, and no further.
    QCOMPARE(fixture.PositionsOf(loop).size(), 6);
    QCOMPARE(fixture.Cell(5, 0).m_Record, loop);
    QCOMPARE(fixture.Cell(1, 3).m_Record, a);
    QCOMPARE(fixture.Cell(2, 6).m_Record, b);
    QCOMPARE(fixture.Cell(2, 7).m_Record, -3);
    QCOMPARE(fixture.Cell(3, 15).m_Record, 0);
    QVERIFY(!fixture.CellBox(3, 15)->ShowPlaceholder());
    QVERIFY(!fixture.CellBox(2, 7)->ShowPlaceholder());
}

void TestBioRegAncestryPanel::highlightColoursRepeatedOrCommonAncestors_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("common");
    QTest::addColumn<QString>("colour");
    QTest::newRow("off, repeated on both sides") << 0 << true << QString();
    QTest::newRow("repeated, on both sides") << 1 << true << QStringLiteral("#FF7575");
    QTest::newRow("common, on both sides") << 2 << true << QStringLiteral("#FF7575");
    QTest::newRow("repeated, sire's side only") << 1 << false << QStringLiteral("#FF7575");
    QTest::newRow("common, sire's side only") << 2 << false << QString();
}

void TestBioRegAncestryPanel::highlightColoursRepeatedOrCommonAncestors()
{
    QFETCH(int, mode);
    QFETCH(bool, common);
    QFETCH(QString, colour);
    CAncestryFormFixture fixture(4);
    // X is the root's sire and its dam's sire, or the sire and the grandsire
    // (through the sire's dam) of the root's sire.
    const int x = fixture.Add(QStringLiteral("Repeated"), 1);
    const int other = fixture.Add(QStringLiteral("Other"), 2, x);
    const int sire = common ? x : fixture.Add(QStringLiteral("Sire"), 1, x, other);
    const int dam = common ? other : fixture.Add(QStringLiteral("Dam"), 2);
    fixture.m_StickyState->m_HighlightMode = mode;
    fixture.Build();
    fixture.Panel().SetRootParents(*fixture.m_Reg, sire, dam, true);
    const QList<qint32> positions = fixture.PositionsOf(x);
    QCOMPARE(positions.size(), 2);
    for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(4); ++p) {
        const CBioRegAncestryPanelCell &cell = *fixture.Panel().Cell(p);
        const bool coloured = positions.contains(p) && !colour.isEmpty();
        QCOMPARE(cell.m_Grab.m_FillOverride, coloured);
        if (coloured) {
            QCOMPARE(cell.m_Grab.m_FillOverrideColor, QColor(colour));
            QCOMPARE(cell.m_Grab.m_FillOverrideStyle, 1);
            QCOMPARE(cell.m_Grab.m_FillOverrideOpacity, 0.7);
        }
    }
}

void TestBioRegAncestryPanel::highlightRunsOutOfPaletteColours()
{
    // Full siblings as the root's parents: every one of the 62 ancestors above
    // them is on both sides.
    CAncestryFormFixture fixture(6);
    // Built from the founders down to the siblings' parents.
    QVector<int> above;
    for (int i = 0; i < 32; ++i)
        above.append(fixture.Add(QStringLiteral("Founder %1").arg(i), i % 2 ? 2 : 1));
    while (above.size() > 2) {
        QVector<int> below;
        for (int i = 0; i < above.size() / 2; ++i)
            below.append(fixture.Add(QStringLiteral("Ancestor %1").arg(fixture.m_Reg->GetRecordCount()),
                                     i % 2 ? 2 : 1, above.at(2 * i), above.at(2 * i + 1)));
        above = below;
    }
    const int brother = fixture.Add(QStringLiteral("Brother"), 1, above.at(0), above.at(1));
    const int sister = fixture.Add(QStringLiteral("Sister"), 2, above.at(0), above.at(1));
    fixture.m_StickyState->m_HighlightMode = 2;
    fixture.Build();
    fixture.Panel().SetRootParents(*fixture.m_Reg, brother, sister, true);
    const QHash<qint32, QString> &colours = fixture.Panel().HighlightColours();
    QCOMPARE(colours.size(), 62);
    QCOMPARE(colours.values().count(QStringLiteral("#ffffff")), 30);
    QCOMPARE(QSet<QString>(colours.cbegin(), colours.cend()).size(), 33);
}

void TestBioRegAncestryPanel::switchingHighlightOffRemovesEveryFill()
{
    CAncestryFormFixture fixture(4);
    const CRepeatedSire animals(fixture);
    fixture.m_StickyState->m_HighlightMode = 1;
    fixture.Build();
    fixture.Panel().SetRootParents(*fixture.m_Reg, animals.sire, animals.dam, true);
    QVERIFY(fixture.Cell(1, 2).m_Grab.m_FillOverride);
    fixture.m_StickyState->m_HighlightMode = 0;
    fixture.m_Form->RefreshBoxes(0);
    QVERIFY(fixture.Panel().HighlightColours().isEmpty());
    for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(4); ++p)
        QVERIFY(!fixture.Panel().Cell(p)->m_Grab.m_FillOverride);
}

void TestBioRegAncestryPanel::themeChangesReachTheCellsConcerned()
{
    CAncestryFormFixture fixture(4);
    fixture.Build();
    CBioRegThemedFormWithAncestryPanels &form = *fixture.m_Form;
    const auto pending = [&fixture] {
        QList<qint32> generations;
        for (qint32 p = 1; p <= CBioRegAncestryPanel::CellCount(4); ++p) {
            const CBioRegAncestryPanelCell &cell = *fixture.Panel().Cell(p);
            if (cell.m_Grab.m_Pending && !generations.contains(cell.m_Generation))
                generations.append(cell.m_Generation);
        }
        return generations;
    };
    const auto apply = [&](const QString &name, qint32 source) {
        form.ApplyGrabs();
        return form.ApplyTheme(name, fixture.m_Theme, fixture.m_Default, &fixture.m_Params, source);
    };
    QVERIFY(apply(QStringLiteral("CMN-DEFAULT"), 0));
    QVERIFY(form.Panels().first().m_PanelBoxGrab.m_Pending);
    QVERIFY(!apply(kCellData, -1));
    QCOMPARE(pending(), (QList<qint32>{0, 1, 2, 3}));
    QVERIFY(!apply(kCellLayout, 2));
    QCOMPARE(pending(), QList<qint32>{2});
    QVERIFY(apply(kCellLayout, -1));
    QVERIFY(!apply(kCellLayout, -2));
    QCOMPARE(pending(), (QList<qint32>{0, 1, 2, 3}));
    QVERIFY(!apply(QStringLiteral("PEDIGREE-TITLE-LAYOUT"), 0));
    QCOMPARE(pending(), QList<qint32>());
}

void TestBioRegAncestryPanel::draggedColumnsAreStoredPerSizeAndOrientation_data()
{
    QTest::addColumn<int>("generations");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("slot");
    QTest::newRow("4, landscape") << 4 << 1 << 5;
    QTest::newRow("4, portrait") << 4 << 0 << 4;
    QTest::newRow("6, landscape") << 6 << 1 << 9;
    QTest::newRow("1 stores nothing") << 1 << 1 << -1;
}

void TestBioRegAncestryPanel::draggedColumnsAreStoredPerSizeAndOrientation()
{
    QFETCH(int, generations);
    QFETCH(int, orientation);
    QFETCH(int, slot);
    CAncestryFormFixture fixture(generations);
    fixture.m_Settings->m_Orientation = quint32(orientation);
    fixture.Build();
    const qint32 content = fixture.m_Form->ContentId();
    CCmnFormBoxSplitSettings *split = fixture.m_Form->GetBox(content)->FindSplitSettings();
    QVERIFY(split);
    split->m_Proportions = QList<double>(generations, 1.0 / generations);
    fixture.m_Form->StoreSplitSettings(content);
    if (slot < 0) {
        QVERIFY(fixture.m_Settings->m_PanelSplits.isEmpty());
        return;
    }
    const CBioRegAncestryPanelSplits stored = fixture.m_Settings->m_PanelSplits.value(0);
    QCOMPARE(stored.m_Slots[size_t(slot)].m_Proportions, split->m_Proportions);
    // The other slots keep their defaults.
    QCOMPARE(stored.m_Slots[size_t(slot ^ 1)], CBioRegAncestryPanelSplits::DefaultSlot(slot ^ 1));
}

QTEST_MAIN(TestBioRegAncestryPanel)
#include "tst_bioregancestrypanel.moc"
