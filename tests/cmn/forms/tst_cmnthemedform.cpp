#include "cmnthemedform.h"

#include "cmngraphicsrectitemex.h"
#include "cmngraphicstextitem.h"

#include "cmntheme.h"
#include "cmnthemedformautoparams.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformsettings.h"
#include "cmnthemedformstickystate.h"

#include "formtesting.h"
#include "themedformtesting.h"

#include <QDir>
#include <QGraphicsRectItem>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kRootData = QStringLiteral("PEDIGREE-ROOT-DATA");

// The elements a pedigree-like form asks for, all inheriting and empty.
CCmnTheme DefaultTheme()
{
    return OrvTestSkeletonTheme({QStringLiteral("PEDIGREE-ROOT"), QStringLiteral("CMN-LEFTHEADERORNAMENT"),
                                 QStringLiteral("CMN-RIGHTHEADERORNAMENT"),
                                 QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT")});
}

// A 1000 x 700 page at 100 dots per inch with a themed form on it; the box
// names are those of a pedigree chart unless the test clears them.
class CThemedFormFixture
{
public:
    CThemedFormFixture()
        : m_Settings(QSharedPointer<CCmnThemedFormSettings>::create(true, 0.38, 0.07))
        , m_Form(QPointF(0, 0), QSizeF(1000, 700), QSizeF(100, 100), m_Settings,
                 QSharedPointer<CCmnThemedFormStickyState>::create(), nullptr)
    {
        m_Scene.setSceneRect(0, 0, 1000, 700);
        m_Scene.addItem(m_Page);
        CCmnThemedFormBoxNames &names = m_Form.BoxNames();
        names.m_Root = OrvTestBoxName(QStringLiteral("Background"), QStringLiteral("PEDIGREE-ROOT"));
        names.m_HasHeader = true;
        names.m_LeftHeaderOrnament =
            OrvTestBoxName(QStringLiteral("Logo"), QStringLiteral("CMN-LEFTHEADERORNAMENT"));
        names.m_RightHeaderOrnament =
            OrvTestBoxName(QStringLiteral("Smith & Jones <UK>"), QStringLiteral("CMN-RIGHTHEADERORNAMENT"));
        names.m_LeftFooterOrnament =
            OrvTestBoxName(QStringLiteral("Signature"), QStringLiteral("PEDIGREE-LEFTFOOTERORNAMENT"));
    }

    void ShowOrnaments(bool left, bool right, bool footer)
    {
        m_Settings->m_ShowLeftHeaderOrnament = left;
        m_Settings->m_ShowRightHeaderOrnament = right;
        m_Settings->m_ShowLeftFooterOrnament = footer;
    }

    void Build() { m_Form.BuildBoxes(m_Theme, m_Default, &m_Params, m_Page); }

    QGraphicsScene m_Scene;
    QGraphicsRectItem *m_Page = new QGraphicsRectItem;
    CCmnTheme m_Default = DefaultTheme();
    CCmnTheme m_Theme;
    CCmnThemedFormAutoParams m_Params;
    QSharedPointer<CCmnThemedFormSettings> m_Settings;
    CCmnThemedForm m_Form;
};

} // namespace

class TestCmnThemedForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void unnamedFormHasRootAndContentOnly();
    void buildsTheSkeletonWithConsecutiveIds();
    void onePartHeaderGetsDefaultSplitSettings();
    void switchedOffFooterOrnamentMakesNoFooter();
    void themeChangesWaitForApplyGrabs();
    void headerElementReachesOnlyFormsWithAHeader();
    void draggedDividersAreStoredInTheSettings();
    void rendersASkeleton();
};

void TestCmnThemedForm::unnamedFormHasRootAndContentOnly()
{
    CThemedFormFixture fixture;
    fixture.m_Form.BoxNames() = CCmnThemedFormBoxNames();
    fixture.ShowOrnaments(true, true, true);
    fixture.Build();
    QCOMPARE(fixture.m_Form.Boxes().keys(), (QList<qint32>{1, 2}));
    QCOMPARE(fixture.m_Form.ContentId(), 2);
    QCOMPARE(fixture.m_Settings->GetRootLayout(fixture.m_Form.BoxNames()), QStringLiteral("M"));
    const QSharedPointer<CCmnFormBox> root = fixture.m_Form.GetBox(1);
    QVERIFY(root->HasContextMenu());
    QCOMPARE(root->ActiveMode(), 0);
    QCOMPARE(root->GetSplitSettings().m_Gap, CCmnMetric(0, 0.15));
}

void TestCmnThemedForm::buildsTheSkeletonWithConsecutiveIds()
{
    CThemedFormFixture fixture;
    fixture.ShowOrnaments(true, true, true);
    fixture.Build();
    const CCmnThemedForm &form = fixture.m_Form;
    QCOMPARE((QList<qint32>{form.RootId(), form.HeaderId(), form.ContentId(), form.FooterId(),
                            form.LeftHeaderOrnamentId(), form.RightHeaderOrnamentId(), form.LeftFooterOrnamentId(),
                            form.RightFooterOrnamentId()}),
             (QList<qint32>{1, 2, 3, 4, 5, 6, 7, 0}));
    QCOMPARE(form.Boxes().size(), 7);
    const QSharedPointer<CCmnFormBox> header = form.GetBox(2);
    QCOMPARE(header->Parent(), form.GetBox(1).data());
    QCOMPARE(header->ActiveMode(), 0);
    QCOMPARE(header->Children().at(0).m_Box, form.GetBox(5));
    QCOMPARE(header->Children().at(0).m_Order, -1);
    QCOMPARE(header->Children().at(1).m_Order, 1);
    QCOMPARE(form.GetBox(7)->Parent(), form.GetBox(4).data());
    QCOMPARE(form.GetBox(5)->ToolTip(), QStringLiteral("Click to set logo"));
    QCOMPARE(form.GetBox(6)->ToolTip(), QStringLiteral("Click to set smith &amp; jones &lt;uk&gt;"));
    QVERIFY(form.GetBox(6)->IsClickable());
    QCOMPARE(form.GetBox(6)->ActiveMode(), 1);
    QCOMPARE(form.GetBox(1)->GetSplitSettings().m_Proportions.size(), 3);
    QCOMPARE(header->GetSplitSettings().m_Proportions, (QList<double>{0.5, 0.5}));
}

void TestCmnThemedForm::onePartHeaderGetsDefaultSplitSettings()
{
    CThemedFormFixture fixture;
    fixture.ShowOrnaments(true, false, false);
    fixture.Build();
    QCOMPARE(fixture.m_Settings->GetHeaderLayout(fixture.m_Form.BoxNames()),
             QStringLiteral("CCmnThemedForm-Leftheaderornament"));
    CCmnFormBoxSplitSettings expected;
    expected.m_Gap = CCmnMetric(0, 0.15);
    QCOMPARE(fixture.m_Form.GetBox(fixture.m_Form.HeaderId())->GetSplitSettings(), expected);
    fixture.m_Form.StoreSplitSettings(fixture.m_Form.HeaderId());
    QVERIFY(fixture.m_Settings->m_HeaderGroup.m_Settings.isEmpty());
    QCOMPARE(fixture.m_Settings->GetRootLayout(fixture.m_Form.BoxNames()), QStringLiteral("H;M"));
}

void TestCmnThemedForm::switchedOffFooterOrnamentMakesNoFooter()
{
    CThemedFormFixture fixture;
    fixture.ShowOrnaments(true, true, false);
    fixture.Build();
    QCOMPARE(fixture.m_Form.FooterId(), 0);
    QCOMPARE(fixture.m_Form.LeftFooterOrnamentId(), 0);
    QCOMPARE(fixture.m_Form.Boxes().size(), 5);
}

void TestCmnThemedForm::themeChangesWaitForApplyGrabs()
{
    CThemedFormFixture fixture;
    fixture.ShowOrnaments(true, false, false);
    fixture.Build();
    auto *data = static_cast<CCmnThemedFormBoxGenericDataElt *>(
        fixture.m_Theme.GetEltForWrite(kRootData, fixture.m_Default));
    data->m_Payload.SetText(QStringLiteral("Smith & Jones <UK>"), false);
    auto *logo = static_cast<CCmnThemedFormBoxGenericLayoutElt *>(
        fixture.m_Theme.GetEltForWrite(QStringLiteral("CMN-LEFTHEADERORNAMENT-LAYOUT"), fixture.m_Default));
    logo->m_Payload.m_FillColor = {false, Qt::yellow};

    QVERIFY(!fixture.m_Form.ApplyTheme(kRootData, fixture.m_Theme, fixture.m_Default, &fixture.m_Params, 0));
    const QSharedPointer<CCmnFormBox> root = fixture.m_Form.GetBox(1);
    const QSharedPointer<CCmnFormBox> ornament = fixture.m_Form.GetBox(fixture.m_Form.LeftHeaderOrnamentId());
    QCOMPARE(root->Text(), QString());
    QCOMPARE(ornament->PropertyMode(CmnFormBoxFillColor), 0); // only the data element was named
    fixture.m_Form.ApplyGrabs();
    QVERIFY(root->Text().contains(QStringLiteral("Smith &amp; Jones &lt;UK&gt;")));

    QVERIFY(!fixture.m_Form.ApplyTheme(QString(), fixture.m_Theme, fixture.m_Default, &fixture.m_Params, 0));
    QCOMPARE(ornament->GetFillColor(), QColor(Qt::yellow));
    fixture.m_Form.SetOnScreen(true);
    fixture.m_Form.RefreshBoxes(0);
    fixture.m_Form.LayoutFormBoxes();
    QVERIFY(ornament->TextItem()->isVisible()); // the placeholder of an empty logo
}

void TestCmnThemedForm::headerElementReachesOnlyFormsWithAHeader()
{
    for (const bool hasHeader : {false, true}) {
        CThemedFormFixture fixture;
        fixture.m_Form.BoxNames().m_HasHeader = hasHeader;
        fixture.ShowOrnaments(true, false, false);
        fixture.Build();
        fixture.m_Form.ApplyTheme(QStringLiteral("CMN-HEADER"), fixture.m_Theme, fixture.m_Default,
                                  &fixture.m_Params, 0);
        const QSharedPointer<CCmnFormBox> ornament = fixture.m_Form.GetBox(fixture.m_Form.LeftHeaderOrnamentId());
        QCOMPARE(ornament->PropertyMode(CmnFormBoxFillColor), hasHeader ? 2 : 0);
        QCOMPARE(fixture.m_Form.GetBox(1)->PropertyMode(CmnFormBoxFillColor), 0);
    }
}

void TestCmnThemedForm::draggedDividersAreStoredInTheSettings()
{
    CThemedFormFixture fixture;
    fixture.ShowOrnaments(true, true, true);
    fixture.Build();
    CCmnThemedForm &form = fixture.m_Form;
    connect(&form, &CCmnForm::SignalDividerMoved, &form, [&form](int boxId, int) { form.StoreSplitSettings(boxId); });
    form.SetDesignMode(true);
    form.LayoutFormBoxes();
    // Stacked header, content and footer of 0.38, 0.55 and 0.07 of 670 (700
    // less two gaps of 15): the first divider sits in the middle of the gap.
    const CCmnGraphicsRectItemEx *divider = form.Dividers().at(0).m_Item;
    QCOMPARE(form.Dividers().at(0).m_BoxId, 1);
    QCOMPARE(divider->pos(), QPointF(0, 0.38 * 670 + 7.5));

    QSignalSpy moved(&form, &CCmnForm::SignalDividerMoved);
    OrvDragInScene(fixture.m_Scene, divider->pos() + QPointF(500, 0), QPointF(500, 300));
    QCOMPARE(moved.count(), 1);
    const QList<double> stored =
        fixture.m_Settings->m_RootGroup.m_Settings.value(QStringLiteral("P-H;M;F")).m_Proportions;
    QVERIFY2(qFuzzyCompare(stored.at(0), (300 - 7.5) / 670), qPrintable(QString::number(stored.at(0))));
    QVERIFY(qFuzzyCompare(stored.at(0) + stored.at(1), 0.38 + 0.55));
    QVERIFY(qFuzzyCompare(stored.at(2), 0.07));
    // The landscape arrangement keeps its own.
    QVERIFY(qFuzzyCompare(fixture.m_Settings->m_RootGroup.m_Settings.value(QStringLiteral("L-H;M;F"))
                              .m_Proportions.at(0), 0.38));
}

void TestCmnThemedForm::rendersASkeleton()
{
    CThemedFormFixture fixture;
    fixture.ShowOrnaments(true, true, true);
    auto *header = static_cast<CCmnThemedFormBoxGenericLayoutElt *>(
        fixture.m_Theme.GetEltForWrite(QStringLiteral("CMN-HEADER"), fixture.m_Default));
    header->m_Payload.m_FillColor = {false, QColor(0xE8, 0xF0, 0xE0)};
    header->m_Payload.m_FillStyle = {false, {Qt::SolidPattern, 100}};
    auto *data = static_cast<CCmnThemedFormBoxGenericDataElt *>(fixture.m_Theme.GetEltForWrite(
        QStringLiteral("CMN-LEFTHEADERORNAMENT-DATA"), fixture.m_Default));
    data->m_Payload.SetText(QStringLiteral("Smith & Jones <UK>\nBrackenfield Kennels"), false);
    fixture.Build();
    fixture.m_Form.ApplyTheme(QString(), fixture.m_Theme, fixture.m_Default, &fixture.m_Params, 0);
    fixture.m_Form.ApplyGrabs();
    fixture.m_Form.SetOnScreen(true);
    fixture.m_Form.SetDesignMode(true);
    fixture.m_Form.LayoutFormBoxes();
    QImage image(1000, 700, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        fixture.m_Scene.render(&painter);
    }
    const QSharedPointer<CCmnFormBox> logo = fixture.m_Form.GetBox(fixture.m_Form.LeftHeaderOrnamentId());
    const QPoint inside = (logo->Position() + QPointF(30, 30)).toPoint();
    QCOMPARE(image.pixelColor(inside), QColor(0xE8, 0xF0, 0xE0));
    const QString path = QDir::temp().filePath(QStringLiteral("orvanta-themed-skeleton.png"));
    QVERIFY(image.save(path));
    qInfo("Rendered to %s", qPrintable(path));
}

QTEST_MAIN(TestCmnThemedForm)
#include "tst_cmnthemedform.moc"
