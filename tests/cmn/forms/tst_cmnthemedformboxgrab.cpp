#include "cmnform.h"
#include "cmntheme.h"
#include "cmnthemeaccessors.h"
#include "cmnthemedformboxgenericdataelt.h"
#include "cmnthemedformboxgenericlayoutelt.h"
#include "cmnthemedformboxnames.h"
#include "cmnthemedformfooterornamentboxgrab.h"
#include "cmnthemedformheaderornamentboxgrab.h"
#include "cmnthemedformrootboxgrab.h"
#include "themedformtesting.h"

#include <QTest>

namespace {

const QString kOrnamentLayout = QStringLiteral("CMN-LEFTHEADERORNAMENT-LAYOUT");
const QString kOrnamentData = QStringLiteral("CMN-LEFTHEADERORNAMENT-DATA");
const QString kRootLayout = QStringLiteral("PEDIGREE-ROOT-LAYOUT");

CCmnThemedFormBoxGenericLayoutElt *Layout(const QString &name)
{
    return new CCmnThemedFormBoxGenericLayoutElt(name);
}

// A default theme whose elements all inherit, a document theme edited on top
// of it, and a form with a root and one ornament box (the child) to grab into.
class CGrabFixture : public COrvTestBoxForm
{
public:
    CGrabFixture()
    {
        for (const QString &name : {QStringLiteral("CMN-DEFAULT"), QStringLiteral("CMN-HEADER"),
                                    QStringLiteral("CMN-FOOTER"), kOrnamentLayout, kRootLayout})
            m_Default.AddElt(Layout(name));
        m_Default.AddElt(new CCmnThemedFormBoxGenericDataElt(kOrnamentData));
        m_Names.m_HasHeader = true;
    }

    CCmnThemedFormBoxGenericLayout &Edit(const QString &name)
    {
        return static_cast<CCmnThemedFormBoxGenericLayoutElt *>(m_Theme.GetEltForWrite(name, m_Default))->m_Payload;
    }

    CCmnTheme m_Default;
    CCmnTheme m_Theme;
    CCmnThemedFormBoxNames m_Names;
};

} // namespace

class TestCmnThemedFormBoxGrab : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ornamentFallsBackThroughHeaderAndDefault_data();
    void ornamentFallsBackThroughHeaderAndDefault();
    void ornamentTextSizeIsScaled();
    void automaticSkipsTheOwnValue();
    void builtInValues();
    void buildHtml_data();
    void buildHtml();
    void applyToBoxMovesPendingContentOnce();
};

void TestCmnThemedFormBoxGrab::ornamentFallsBackThroughHeaderAndDefault_data()
{
    QTest::addColumn<bool>("hasHeader");
    QTest::addColumn<QColor>("fill");
    QTest::newRow("with header") << true << QColor(Qt::yellow);
    QTest::newRow("without header") << false << QColor(Qt::cyan);
}

void TestCmnThemedFormBoxGrab::ornamentFallsBackThroughHeaderAndDefault()
{
    QFETCH(bool, hasHeader);
    QFETCH(QColor, fill);
    CGrabFixture fixture;
    fixture.m_Names.m_HasHeader = hasHeader;
    fixture.Edit(QStringLiteral("CMN-HEADER")).m_FillColor = {false, Qt::yellow};
    fixture.Edit(QStringLiteral("CMN-DEFAULT")).m_FillColor = {false, Qt::cyan};
    fixture.Edit(QStringLiteral("CMN-DEFAULT")).m_TextColor = {false, Qt::darkGreen};
    fixture.Edit(QStringLiteral("CMN-DEFAULT")).m_BorderStyle = {false, {CCmnMetric(0, 0.5), 0, 3}};
    CCmnThemedFormHeaderOrnamentBoxGrab grab;
    grab.GrabLayoutElt(fixture.m_Theme, fixture.m_Default, kOrnamentLayout, fixture.m_Form, 2, fixture.m_Names,
                       nullptr);
    const CCmnFormBox &box = *fixture.m_Box;
    QCOMPARE(box.GetFillColor(), fill);
    QCOMPARE(box.GetTextColor(), QColor(Qt::darkGreen));
    QCOMPARE(box.GetBorderStyle(), (CCmnFormBoxBorderStyle{CCmnMetric(0, 0.01), 2, Qt::SolidLine}));
    QCOMPARE(box.GetPadding(), CmnDefaultPadding());
    QCOMPARE(box.GetPicturePos().m_Mode, 3);
    QVERIFY(grab.m_Pending);
}

void TestCmnThemedFormBoxGrab::ornamentTextSizeIsScaled()
{
    CGrabFixture fixture;
    fixture.Edit(QStringLiteral("CMN-DEFAULT")).m_TextSize = {false, QStringLiteral(";10;")};
    CCmnThemedFormHeaderOrnamentBoxGrab ornament;
    ornament.GrabLayoutElt(fixture.m_Theme, fixture.m_Default, kOrnamentLayout, fixture.m_Form, 2,
                           fixture.m_Names, nullptr);
    CCmnThemedFormRootBoxGrab root;
    root.GrabLayoutElt(fixture.m_Theme, fixture.m_Default, kRootLayout, fixture.m_Form, 1, fixture.m_Names,
                       nullptr);
    QCOMPARE(fixture.m_Box->GetTextSize(), QStringLiteral(";14;"));
    QCOMPARE(fixture.m_Root->GetTextSize(), QStringLiteral(";10;"));
    QCOMPARE(ornament.m_TextPixelSize, 14); // measured after the font was set, at 72 dpi
    // The root never borrows a border or padding.
    QCOMPARE(fixture.m_Root->GetBorderStyle(), CCmnFormBoxBorderStyle());
    QCOMPARE(fixture.m_Root->GetPadding(), CCmnFormBoxRectExtents());

    // An ornament's own size is never scaled.
    fixture.Edit(kOrnamentLayout).m_TextSize = {false, QStringLiteral(";9;")};
    QCOMPARE(CmnThemeGetPicBoxTextSizeOrHeader(fixture.m_Theme, fixture.m_Default, kOrnamentLayout,
                                               fixture.m_Names, nullptr, false),
             QStringLiteral(";9;"));
}

void TestCmnThemedFormBoxGrab::automaticSkipsTheOwnValue()
{
    CGrabFixture fixture;
    fixture.Edit(kRootLayout).m_TextColor = {false, Qt::red};
    const auto textColor = [&](bool automatic) {
        return CmnThemeGetTextColorOrFormDefault(fixture.m_Theme, fixture.m_Default, kRootLayout, fixture.m_Names,
                                                 nullptr, automatic);
    };
    QCOMPARE(textColor(false), QColor(Qt::red));
    QCOMPARE(textColor(true), QColor(Qt::black));
    fixture.Edit(QStringLiteral("CMN-DEFAULT")).m_TextColor = {false, Qt::blue};
    QCOMPARE(textColor(true), QColor(Qt::blue));
}

void TestCmnThemedFormBoxGrab::builtInValues()
{
    CGrabFixture fixture;
    const QString name = kRootLayout;
    CCmnTheme &theme = fixture.m_Theme;
    const CCmnTheme &def = fixture.m_Default;
    const CCmnThemedFormBoxNames &names = fixture.m_Names;
    QCOMPARE(CmnThemeGetPadding(theme, def, name, names, nullptr, false), CmnDefaultPadding());
    QCOMPARE(CmnThemeGetPaddingOrNone(theme, def, name, names, nullptr, false), CCmnFormBoxRectExtents());
    QCOMPARE(CmnThemeGetSingleExtent(theme, def, name, names, nullptr, false), CCmnMetric(0, 0.15));
    QCOMPARE(CmnThemeGetTextSizeOrScaledFormDefault(theme, def, name, names, nullptr, false),
             QStringLiteral(";18;"));
    QCOMPARE(CmnThemeGetTextSizeOrFooter(theme, def, name, names, nullptr, false), QStringLiteral(";15;"));
    QCOMPARE(CmnThemeGetFillColorOrFooter(theme, def, name, names, nullptr, false), QColor(Qt::transparent));
}

void TestCmnThemedFormBoxGrab::buildHtml_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("html");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("expected");
    const QString p = QStringLiteral("<p style='font-size:25px;'>%1</p> ");
    QTest::newRow("two lines around an empty one")
        << QStringLiteral("Rex\n\nof Smith & Jones <UK>") << false << true
        << p.arg(QStringLiteral("Rex")) + p.arg(QStringLiteral("of Smith &amp; Jones &lt;UK&gt;"));
    QTest::newRow("HTML passes") << QStringLiteral("<b>Rex</b>") << true << true
                                 << p.arg(QStringLiteral("<b>Rex</b>"));
    QTest::newRow("nothing filled") << QString() << false << true << QString();
    QTest::newRow("not filled") << QStringLiteral("Rex") << false << false << QString();
}

void TestCmnThemedFormBoxGrab::buildHtml()
{
    QFETCH(QString, text);
    QFETCH(bool, html);
    QFETCH(bool, filled);
    QFETCH(QString, expected);
    CCmnThemedFormBoxGrab grab;
    grab.m_Text = text;
    grab.m_Html = html;
    grab.m_Filled = filled;
    grab.m_TextPixelSize = 25;
    QCOMPARE(grab.BuildHtml(), expected);
}

void TestCmnThemedFormBoxGrab::applyToBoxMovesPendingContentOnce()
{
    CGrabFixture fixture;
    auto *data = static_cast<CCmnThemedFormBoxGenericDataElt *>(
        fixture.m_Theme.GetEltForWrite(kOrnamentData, fixture.m_Default));
    data->m_Payload.SetText(QStringLiteral("Logo"), false);
    CCmnThemedFormHeaderOrnamentBoxGrab grab;
    grab.m_TextPixelSize = 12;
    grab.GrabDataElt(fixture.m_Theme, fixture.m_Default, kOrnamentData, fixture.m_Names, nullptr);
    QCOMPARE(fixture.m_Box->Text(), QString());
    QVERIFY(!grab.ApplyToBox(fixture.m_Form, 0));
    QVERIFY(grab.m_Pending);
    fixture.m_Box->SetDirty(false);
    QVERIFY(grab.ApplyToBox(fixture.m_Form, 2));
    QCOMPARE(fixture.m_Box->Text(), QStringLiteral("<p style='font-size:12px;'>Logo</p> "));
    QVERIFY(fixture.m_Box->IsDirty());
    QVERIFY(!grab.ApplyToBox(fixture.m_Form, 2));
}

QTEST_MAIN(TestCmnThemedFormBoxGrab)
#include "tst_cmnthemedformboxgrab.moc"
