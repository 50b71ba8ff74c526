#include "cmnformboxenumcombos.h"
#include "cmnformboxpropbordercolorctrl.h"
#include "cmnformboxpropfillcolorctrl.h"
#include "cmnformboxpropfillstylectrl.h"
#include "cmnformboxproppicposctrl.h"
#include "cmnformboxpropsinglemetricctrl.h"
#include "cmnformboxproptextscalectrl.h"

#include "cmnautoormanualctrl.h"
#include "cmncolorbutton.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmndoublespinbox.h"
#include "cmnlabel.h"
#include "cmnmetricwidget.h"
#include "cmnspinbox.h"
#include "cmnsystemsettings.h"
#include "cmntext.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QTest>

namespace {

constexpr qint32 kPanelFlags = CmnAutoOrManualCheckBox | CmnAutoOrManualGroupBox;

// A window that owns what a control builds, the way the panel's host does.
struct CHost
{
    void Place(const CCmnLayoutItem &item)
    {
        auto *layout = new QVBoxLayout(&m_Widget);
        if (item.m_Widget)
            layout->addWidget(item.m_Widget);
        else
            layout->addLayout(item.m_Layout);
    }

    QWidget m_Widget;
};

// Marks the control shown and runs the first load, as the panel does.
void ShowCtrl(CCmnAutoOrManualCtrl &ctrl)
{
    ctrl.MarkLoaded();
    CCmnDataExchange load(false);
    QVERIFY(ctrl.DataExchange(&load));
}

bool SaveCtrl(CCmnAutoOrManualCtrl &ctrl)
{
    CCmnDataExchange save(true);
    return ctrl.DataExchange(&save);
}

} // namespace

class TestCmnFormBoxPropCtrls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fillColourTipSpellsByLocale_data();
    void fillColourTipSpellsByLocale();
    void opacityNeedsAFillStyle();
    void textScaleShowsPercentOfNormal_data();
    void textScaleShowsPercentOfNormal();
    void switchingMovesValuesThroughTheWidgets();
    void savingWhileAutomaticWritesTheShownValue();
    void metricLeftAloneComesBackUnrounded();
    void enumCombosOfferTheGivenValues();
};

void TestCmnFormBoxPropCtrls::fillColourTipSpellsByLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("centre");

    QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << "color" << "Center Photo";
    QTest::newRow("United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom) << "colour"
                                    << "Centre Photo";
    QTest::newRow("Australia") << QLocale(QLocale::English, QLocale::Australia) << "colour" << "Centre Photo";
}

void TestCmnFormBoxPropCtrls::fillColourTipSpellsByLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, word);
    QFETCH(QString, centre);
    CHost host;
    CCmnFormBoxPropFillcolorCtrl ctrl;
    QColor value;
    host.Place(ctrl.CreateWidgets("Fill", kPanelFlags, &value, Qt::transparent, locale));
    QCOMPARE(ctrl.TipLabel()->text(),
             QString("TIP: To have the %1 show up,<br/>you must also set the fill style,<br/>e.g to solid").arg(word));

    CHost picHost;
    CCmnFormBoxPropPicposCtrl picCtrl;
    CCmnFormBoxPicturePos pos;
    picHost.Place(picCtrl.CreateWidgets("Photo", kPanelFlags, &pos, pos, locale));
    QCOMPARE(picCtrl.AlignmentComboBox()->itemText(0), centre);
}

void TestCmnFormBoxPropCtrls::opacityNeedsAFillStyle()
{
    CHost host;
    CCmnFormBoxPropFillstyleCtrl ctrl;
    CCmnFormBoxFillStyle value; // style 0: no fill
    host.Place(ctrl.CreateWidgets("Fill Style", kPanelFlags, &value, CCmnFormBoxFillStyle()));
    ctrl.SetAutomatic(false);
    ShowCtrl(ctrl);
    QVERIFY(ctrl.StyleComboBox()->isEnabled());
    QVERIFY(!ctrl.OpacitySpinBox()->isEnabled());
    QVERIFY(!ctrl.OpacityLabel()->isEnabled());

    ctrl.StyleComboBox()->setCurrentIndex(ctrl.StyleComboBox()->findData(int(Qt::SolidPattern)));
    QVERIFY(ctrl.OpacitySpinBox()->isEnabled());
    QVERIFY(ctrl.OpacityLabel()->isEnabled());

    ctrl.OpacitySpinBox()->setValue(40);
    ctrl.AutomaticButton()->click();
    QVERIFY(ctrl.IsAutomatic());
    QVERIFY(!ctrl.OpacitySpinBox()->isEnabled());
    QVERIFY(!ctrl.StyleComboBox()->isEnabled());
    QCOMPARE(value.m_Style, int(Qt::SolidPattern)); // the manual value kept across the switch
    QCOMPARE(value.m_Opacity, 40);
}

void TestCmnFormBoxPropCtrls::textScaleShowsPercentOfNormal_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("shown");
    QTest::addColumn<double>("typed"); // negative: left alone
    QTest::addColumn<double>("stored");

    QTest::newRow("a quarter larger") << 0.25 << 125.0 << -1.0 << 0.25;
    QTest::newRow("typed 80 percent") << 0.25 << 125.0 << 80.0 << -0.2;
    QTest::newRow("normal") << 0.0 << 100.0 << -1.0 << 0.0;
    QTest::newRow("finer than shown, untouched") << 0.123456 << 112.3 << -1.0 << 0.123456;
}

void TestCmnFormBoxPropCtrls::textScaleShowsPercentOfNormal()
{
    QFETCH(double, scale);
    QFETCH(double, shown);
    QFETCH(double, typed);
    QFETCH(double, stored);
    CHost host;
    CCmnFormBoxPropTextscaleCtrl ctrl;
    double value = scale;
    host.Place(ctrl.CreateWidgets("Font Scaling", kPanelFlags, &value, 0.0));
    ctrl.SetAutomatic(false);
    ShowCtrl(ctrl);
    QCOMPARE(ctrl.PercentSpinBox()->value(), shown);
    QCOMPARE(ctrl.PercentSpinBox()->suffix(), QString("%"));
    if (typed >= 0)
        ctrl.PercentSpinBox()->setValue(typed);
    QVERIFY(SaveCtrl(ctrl));
    QCOMPARE(value, stored);
    QVERIFY(value == stored); // exactly, not only within rounding
}

void TestCmnFormBoxPropCtrls::switchingMovesValuesThroughTheWidgets()
{
    CHost host;
    CCmnFormBoxPropBordercolorCtrl ctrl;
    QColor value = Qt::red;
    host.Place(ctrl.CreateWidgets("Border Colour", kPanelFlags, &value, Qt::black));
    ShowCtrl(ctrl); // automatic from the start
    QCOMPARE(ctrl.ColorButton()->Value(), QColor(Qt::black));
    QVERIFY(!ctrl.ColorButton()->isEnabled());

    ctrl.AutomaticButton()->click();
    QVERIFY(!ctrl.IsAutomatic());
    QCOMPARE(ctrl.ColorButton()->Value(), QColor(Qt::red));
    QVERIFY(ctrl.ColorButton()->isEnabled());

    ctrl.ColorButton()->SetColor(Qt::blue);
    ctrl.AutomaticButton()->click();
    QCOMPARE(value, QColor(Qt::blue)); // saved before the automatic value was shown
    QCOMPARE(ctrl.ColorButton()->Value(), QColor(Qt::black));

    ctrl.AutomaticButton()->click();
    QCOMPARE(ctrl.ColorButton()->Value(), QColor(Qt::blue));
}

void TestCmnFormBoxPropCtrls::savingWhileAutomaticWritesTheShownValue()
{
    CHost host;
    CCmnFormBoxPropBordercolorCtrl ctrl;
    QColor value = Qt::red;
    host.Place(ctrl.CreateWidgets("Border Colour", kPanelFlags, &value, Qt::black));
    ShowCtrl(ctrl);
    QVERIFY(SaveCtrl(ctrl));
    QVERIFY(ctrl.IsAutomatic());
    QCOMPARE(value, QColor(Qt::black));
}

void TestCmnFormBoxPropCtrls::metricLeftAloneComesBackUnrounded()
{
    CmnCreateSystemSettings();
    CmnGetSystemSettings()->m_MeasurementUnits = CmnLengthUnitMillimeters;
    CHost host;
    CCmnFormBoxPropSinglemetricCtrl ctrl;
    CCmnMetric value(CmnLengthUnitInches, 0.1);
    host.Place(ctrl.CreateWidgets("Box Gap", kPanelFlags, &value, CCmnMetric(CmnLengthUnitInches, 0.15)));
    ctrl.SetAutomatic(false);
    ShowCtrl(ctrl);
    QCOMPARE(ctrl.MetricWidget()->text(), QString("2.5mm"));
    QVERIFY(SaveCtrl(ctrl));
    QCOMPARE(value, CCmnMetric(CmnLengthUnitInches, 0.1));
    CmnDestroySystemSettings();
}

void TestCmnFormBoxPropCtrls::enumCombosOfferTheGivenValues()
{
    const QList<qint32> squareAndMedium{0, 2};
    QScopedPointer<CCmnComboBox> corners(
        CmnNewFormBoxEnumComboBox(CmnCornerStyleNames(), &squareAndMedium, QString(), nullptr));
    QCOMPARE(corners->count(), 2);
    QCOMPARE(corners->itemText(0), QString("Square Corners"));
    QCOMPARE(corners->itemText(1), QString("Rounded Corners (Medium)"));
    QCOMPARE(corners->itemData(1).toInt(), 2);
    QCOMPARE(corners->maxVisibleItems(), 20);

    QScopedPointer<CCmnComboBox> modes(CmnNewFormBoxEnumComboBox(CmnPictureModeNames(), nullptr, "Use ", nullptr));
    QCOMPARE(modes->count(), 4);
    QCOMPARE(modes->itemText(3), QString("Use Bleed Photo"));

    QCOMPARE(CmnFormBoxEnumName(CmnVertTextAlignNames(), 3), QString("??"));
    QCOMPARE(CmnFormBoxEnumName(CmnVertTextAlignNames(), -1), QString("??"));
}

QTEST_MAIN(TestCmnFormBoxPropCtrls)
#include "tst_cmnformboxpropctrls.moc"
