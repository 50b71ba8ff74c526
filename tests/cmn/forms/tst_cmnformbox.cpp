#include "cmnform.h"
#include "cmnformbox.h"

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QTest>

// A form of a root with a child and a grandchild on a scene.
class CBoxFixture
{
public:
    CBoxFixture()
        : m_Form(QPointF(0, 0), QSizeF(1000, 500), QSizeF(100, 100))
    {
        m_Scene.addItem(m_Page);
        m_Root = m_Form.AddRootBox(1, m_Page, 1, 1, 0);
        m_Child = m_Form.AddChildBox(m_Root, 2, 0, 0);
        m_Grandchild = m_Form.AddChildBox(m_Child, 3, 0, 0);
    }

    QGraphicsScene m_Scene;
    QGraphicsRectItem *m_Page = new QGraphicsRectItem;
    CCmnForm m_Form;
    QSharedPointer<CCmnFormBox> m_Root;
    QSharedPointer<CCmnFormBox> m_Child;
    QSharedPointer<CCmnFormBox> m_Grandchild;
};

class TestCmnFormBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newBoxResolvesToDefaults();
    void inheritedPropertiesFollowTheChain();
    void setterStoresAPrivateCopyAndMarksDirty();
    void contentSettersMarkDirtyOnlyOnChange();
    void findSplitSettingsReachesTheOwner();
    void insetsCountTheBorderOnlyWithALine_data();
    void insetsCountTheBorderOnlyWithALine();
    void isFilledFollowsTheActiveMode_data();
    void isFilledFollowsTheActiveMode();
    void textPixelSize();
    void scaleFontSize_data();
    void scaleFontSize();
};

void TestCmnFormBox::newBoxResolvesToDefaults()
{
    CBoxFixture fixture;
    const CCmnFormBox &box = *fixture.m_Child;
    QCOMPARE(box.GetBorderColor(), QColor(Qt::black));
    QCOMPARE(box.GetFillColor(), QColor(Qt::transparent));
    QCOMPARE(box.GetFillStyle(), (CCmnFormBoxFillStyle{0, 100}));
    QCOMPARE(box.GetPicturePos().m_Scaling, 100);
    QCOMPARE(box.GetTextColor(), QColor(Qt::black));
    QCOMPARE(&box.GetSplitSettings(), &CmnDefaultFormBoxSplitSettings());
    QCOMPARE(box.Z(), 1.0);
    QCOMPARE(fixture.m_Grandchild->Z(), 2.0);
    QVERIFY(box.IsDirty());
}

void TestCmnFormBox::inheritedPropertiesFollowTheChain()
{
    CBoxFixture fixture;
    fixture.m_Root->SetTextColor(Qt::darkRed);
    fixture.m_Child->SetInherited(CmnFormBoxTextColor);
    fixture.m_Grandchild->SetInherited(CmnFormBoxTextColor);
    QCOMPARE(fixture.m_Grandchild->GetTextColor(), QColor(Qt::darkRed));

    fixture.m_Grandchild->SetTextColor(Qt::green);
    QCOMPARE(fixture.m_Grandchild->GetTextColor(), QColor(Qt::green));
    QCOMPARE(fixture.m_Child->GetTextColor(), QColor(Qt::darkRed));

    // A root has no parent to inherit from: it answers with the default.
    fixture.m_Root->SetInherited(CmnFormBoxTextColor);
    QCOMPARE(fixture.m_Child->GetTextColor(), QColor(Qt::black));
}

void TestCmnFormBox::setterStoresAPrivateCopyAndMarksDirty()
{
    CBoxFixture fixture;
    CCmnFormBox &box = *fixture.m_Child;
    box.SetDirty(false);
    CCmnFormBoxBorderStyle style{CCmnMetric(0, 0.05), 1, 1};
    box.SetBorderStyle(style);
    style.m_LineStyle = 3;
    QCOMPARE(box.GetBorderStyle().m_LineStyle, 1);
    QCOMPARE(box.PropertyMode(CmnFormBoxBorderStyle), qint32(CmnFormBoxPropertyOwn));
    QVERIFY(box.IsDirty());
    box.SetDirty(false);
    box.SetBorderStyle(box.GetBorderStyle()); // unchanged value: still dirty
    QVERIFY(box.IsDirty());
}

void TestCmnFormBox::contentSettersMarkDirtyOnlyOnChange()
{
    CBoxFixture fixture;
    CCmnFormBox &box = *fixture.m_Child;
    box.SetText(QStringLiteral("Rex"));
    box.SetDirty(false);
    box.SetText(QStringLiteral("Rex"));
    box.SetToolTip(QString());
    box.SetShowPlaceholder(true);
    box.SetPicture(CCmnPicture());
    QVERIFY(!box.IsDirty());
    box.SetToolTip(QStringLiteral("Click to set the logo"));
    QVERIFY(box.IsDirty());
}

void TestCmnFormBox::findSplitSettingsReachesTheOwner()
{
    CBoxFixture fixture;
    QVERIFY(!fixture.m_Child->HasSplitSettings());
    CCmnFormBoxSplitSettings split;
    split.m_Horizontal = true;
    fixture.m_Root->SetSplitSettings(split);
    fixture.m_Child->SetInherited(CmnFormBoxSplitSettings);
    CCmnFormBoxSplitSettings *found = fixture.m_Child->FindSplitSettings();
    QVERIFY(found);
    found->m_Gap = CCmnMetric(0, 0.5);
    QCOMPARE(fixture.m_Root->GetSplitSettings().m_Gap, CCmnMetric(0, 0.5));
    QVERIFY(!fixture.m_Grandchild->HasSplitSettings());
}

void TestCmnFormBox::insetsCountTheBorderOnlyWithALine_data()
{
    QTest::addColumn<qint32>("lineStyle");
    QTest::addColumn<QSizeF>("insets");
    QTest::newRow("no line") << qint32(Qt::NoPen) << QSizeF(20 + 10, 0);
    QTest::newRow("solid line") << qint32(Qt::SolidLine) << QSizeF(20 + 10 + 10, 10);
}

void TestCmnFormBox::insetsCountTheBorderOnlyWithALine()
{
    QFETCH(qint32, lineStyle);
    QFETCH(QSizeF, insets);
    CBoxFixture fixture;
    CCmnFormBox &box = *fixture.m_Child;
    box.SetBorderStyle({CCmnMetric(0, 0.05), 0, lineStyle});
    CCmnFormBoxRectExtents padding;
    padding.m_Left = CCmnMetric(1, 2.54 * 0.2); // 20 units at 100 dpi
    padding.m_Right = CCmnMetric(0, 0.1);
    box.SetPadding(padding);
    QCOMPARE(box.GetInsetSize(QSizeF(100, 100)), insets);
    QCOMPARE(box.GetLeftInset(200), insets.width() * 2 - 0.1 * 200 - (lineStyle ? 10 : 0));
}

void TestCmnFormBox::isFilledFollowsTheActiveMode_data()
{
    QTest::addColumn<qint32>("options");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("filled");
    QTest::newRow("always") << 0 << QString() << QString() << true;
    QTest::newRow("never, even with text") << 4 << QStringLiteral("Rex") << QString() << false;
    QTest::newRow("with content, empty") << 6 << QString() << QString() << false;
    QTest::newRow("with content, text") << 2 << QStringLiteral("Rex") << QString() << true;
    QTest::newRow("with content, placeholder") << 2 << QString() << QStringLiteral("Click") << true;
}

void TestCmnFormBox::isFilledFollowsTheActiveMode()
{
    QFETCH(qint32, options);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    QFETCH(bool, filled);
    CBoxFixture fixture;
    const QSharedPointer<CCmnFormBox> box = fixture.m_Form.AddChildBox(fixture.m_Root, 9, 0, options);
    box->SetText(text);
    box->SetToolTip(toolTip);
    QCOMPARE(box->IsFilled(), filled);
}

void TestCmnFormBox::textPixelSize()
{
    CCmnForm form(QPointF(0, 0), QSizeF(100, 100), QSizeF(300, 300));
    QGraphicsScene scene;
    auto *page = new QGraphicsRectItem;
    scene.addItem(page);
    const QSharedPointer<CCmnFormBox> root = form.AddRootBox(1, page, 1, 1, 0);
    root->SetTextFace(QStringLiteral("DejaVu Serif;12;"));
    root->SetTextScale(0.25);
    QCOMPARE(root->GetTextPixelSize(), 62); // 12 / 72 x 1.25 x 300 = 62.5
    root->SetTextFace(QStringLiteral("DejaVu Serif;;"));
    root->SetTextSize(QStringLiteral(";16;"));
    root->SetTextScale(0);
    QCOMPARE(root->GetTextPixelSize(), 66);
}

void TestCmnFormBox::scaleFontSize_data()
{
    QTest::addColumn<QString>("descriptor");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("scaled");
    QTest::newRow("17.6 rounds to 18") << QStringLiteral(";11;") << 160 << QStringLiteral(";18;");
    QTest::newRow("other parts kept") << QStringLiteral("Georgia;10;Bold;x") << 140
                                      << QStringLiteral("Georgia;14;Bold;x");
    QTest::newRow("unset size stays") << QStringLiteral("Georgia;;") << 140 << QStringLiteral("Georgia;;");
}

void TestCmnFormBox::scaleFontSize()
{
    QFETCH(QString, descriptor);
    QFETCH(int, percent);
    QFETCH(QString, scaled);
    QCOMPARE(CmnScaleFontSize(descriptor, percent), scaled);
}

QTEST_MAIN(TestCmnFormBox)
#include "tst_cmnformbox.moc"
