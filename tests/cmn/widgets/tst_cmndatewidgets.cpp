#include "cmncombobox.h"
#include "cmndate.h"
#include "cmndateformats.h"
#include "cmndatewidgets.h"
#include "cmnlineedit.h"
#include "cmnsystemsettings.h"

#include <QTest>

class TestCmnDateWidgets : public QObject
{
    Q_OBJECT
private slots:
    void lineEditShowsFormat();
    void comboOffersFormats_data();
    void comboOffersFormats();
};

void TestCmnDateWidgets::lineEditShowsFormat()
{
    CmnCreateSystemSettings();
    CmnGetSystemSettings()->m_DateInputFormat = "[[dd/]mm/]yyyy";
    QWidget parent;
    QCOMPARE(CmnCreateDateLineEdit(QString(), &parent)->placeholderText(), QString("dd/mm/yyyy"));
    QCOMPARE(CmnCreateDateLineEdit("[mm-[dd-]]yy", &parent)->placeholderText(), QString("mm-dd-yy"));
    CmnDestroySystemSettings();
}

void TestCmnDateWidgets::comboOffersFormats_data()
{
    QTest::addColumn<bool>("withExample");
    QTest::addColumn<bool>("withAlternatives");
    QTest::addColumn<QString>("expected");
    QTest::newRow("format only") << false << true << "mm/dd/yyyy";
    QTest::newRow("with example") << true << false << "mm/dd/yyyy E.g. '07/04/2024'";
    QTest::newRow("with alternatives") << true << true << "mm/dd/yyyy E.g. '07/04/2024' or '07/2024' or '2024'";
}

void TestCmnDateWidgets::comboOffersFormats()
{
    QFETCH(bool, withExample);
    QFETCH(bool, withAlternatives);
    QFETCH(QString, expected);

    CCmnDate sample;
    QVERIFY(sample.SetGregorianYmd(4, 7, 2024));
    QWidget parent;
    const CCmnComboBox *combo =
        CmnCreateDateFormatComboBox(CmnGetDateInputFormats(), withExample, withAlternatives, sample, &parent);
    QCOMPARE(combo->count(), 96);
    QCOMPARE(combo->itemText(0), expected);
    QCOMPARE(combo->itemData(0).toString(), QString("[mm/[dd/]]yyyy"));
    QCOMPARE(combo->itemData(95).toString(), CmnGetDateInputFormats().last());
}

QTEST_MAIN(TestCmnDateWidgets)
#include "tst_cmndatewidgets.moc"
