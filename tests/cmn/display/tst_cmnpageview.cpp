#include "cmncombobox.h"
#include "cmngraphicsscene.h"
#include "cmnlineedit.h"
#include "cmnprintpreviewgraphicsview.h"
#include "cmnprintpreviewzoomfactorvalidator.h"
#include "cmnzoomcombobox.h"

#include <QBoxLayout>
#include <QSignalSpy>
#include <QTest>

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedKingdom);
const QLocale kGerman(QLocale::German, QLocale::Germany);

} // namespace

class TestCmnPageView : public QObject
{
    Q_OBJECT
private slots:
    void zoomBoxOffersNineSteps();
    void zoomBoxEditsWithValidator();
    void validatorJudgesPercentages_data();
    void validatorJudgesPercentages();
    void viewReportsShowAndResizeWithNewSize();
    void typedZoomIsReadAndLimited_data();
    void typedZoomIsReadAndLimited();
    void zoomTexts();
};

void TestCmnPageView::zoomBoxOffersNineSteps()
{
    QWidget parent;
    CCmnComboBox *combo = CmnCreateZoomComboBox(&parent, kEnglish);
    QCOMPARE(combo->parentWidget(), &parent);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    QCOMPARE(items, (QStringList{"12.5%", "25%", "50%", "100%", "125%", "150%", "200%", "400%", "800%"}));
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->insertPolicy(), QComboBox::NoInsert);
    QCOMPARE(combo->minimumContentsLength(), 7);
}

void TestCmnPageView::zoomBoxEditsWithValidator()
{
    CCmnComboBox *combo = CmnCreateZoomComboBox(nullptr, kEnglish);
    std::unique_ptr<CCmnComboBox> owner(combo);
    auto *edit = qobject_cast<CCmnLineEdit *>(combo->lineEdit());
    QVERIFY(edit);
    QVERIFY(edit->KeepLastGoodText());
    QCOMPARE(edit->contextMenuPolicy(), Qt::NoContextMenu);
    auto *validator = qobject_cast<const CCmnPrintPreviewZoomFactorValidator *>(edit->validator());
    QVERIFY(validator);
    QCOMPARE(validator->bottom(), 1.0);
    QCOMPARE(validator->top(), 1000.0);
    QCOMPARE(validator->decimals(), 1);
    QCOMPARE(validator->locale(), kEnglish);

    // A fifth digit cannot make a zoom any more, so the key is refused.
    edit->clear();
    QTest::keyClicks(edit, "15000");
    QCOMPARE(edit->text(), QString("1500"));
}

void TestCmnPageView::validatorJudgesPercentages_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    const int acceptable = QValidator::Acceptable;
    const int intermediate = QValidator::Intermediate;
    const int invalid = QValidator::Invalid;
    QTest::newRow("with percent") << kEnglish << "150%" << acceptable;
    QTest::newRow("without percent") << kEnglish << "150" << acceptable;
    QTest::newRow("one decimal") << kEnglish << "12.5%" << acceptable;
    QTest::newRow("lowest") << kEnglish << "1" << acceptable;
    QTest::newRow("highest") << kEnglish << "1000%" << acceptable;
    QTest::newRow("four digits above range") << kEnglish << "5000" << intermediate;
    QTest::newRow("five digits") << kEnglish << "10000" << invalid;
    QTest::newRow("four digits and percent") << kEnglish << "5000%" << invalid;
    QTest::newRow("empty") << kEnglish << "" << intermediate;
    QTest::newRow("two decimals") << kEnglish << "12.55" << invalid;
    QTest::newRow("letters") << kEnglish << "abc" << invalid;
    QTest::newRow("German comma") << kGerman << "12,5%" << acceptable;
    QTest::newRow("German point far out") << kGerman << "12345,5" << invalid;
}

void TestCmnPageView::validatorJudgesPercentages()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(int, state);
    const CCmnPrintPreviewZoomFactorValidator validator(1.0, 1000.0, 1, nullptr, locale);
    QString input = text;
    int pos = int(text.size());
    QCOMPARE(int(validator.validate(input, pos)), state);
    QCOMPARE(input, text);
    QVERIFY(pos <= input.size());
}

void TestCmnPageView::viewReportsShowAndResizeWithNewSize()
{
    QWidget window;
    auto *view = new CCmnPrintPreviewGraphicsView;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(view);
    QCOMPARE(view->parentWidget(), &window);
    auto *scene = new CCmnGraphicsScene(view);
    view->setScene(scene);
    QSize seenSize;
    connect(view, &CCmnPrintPreviewGraphicsView::resized, this, [&] { seenSize = view->viewport()->size(); });
    QSignalSpy spy(view, &CCmnPrintPreviewGraphicsView::resized);

    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(spy.count() >= 1);
    QCOMPARE(seenSize, view->viewport()->size());

    // A show of a view already laid out reports once more.
    view->hide();
    spy.clear();
    view->show();
    QCOMPARE(spy.count(), 1);

    spy.clear();
    window.resize(500, 400);
    QTRY_VERIFY(spy.count() >= 1);
    QCOMPARE(seenSize, view->viewport()->size());
    QVERIFY(seenSize.width() > 300);
}

void TestCmnPageView::typedZoomIsReadAndLimited_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<double>("percent");
    QTest::newRow("above the range") << kEnglish << "5000" << true << 1000.0;
    QTest::newRow("below the range") << kEnglish << "0.5" << true << 1.0;
    QTest::newRow("percent signs anywhere") << kEnglish << "%250%" << true << 250.0;
    QTest::newRow("decimal") << kEnglish << "12.5%" << true << 12.5;
    QTest::newRow("German comma") << kGerman << "12,5 %" << true << 12.5;
    QTest::newRow("German with a point") << kGerman << "150.5" << true << 150.5;
    QTest::newRow("letters") << kEnglish << "abc" << false << -1.0;
    QTest::newRow("only a percent sign") << kEnglish << "%" << false << -1.0;
    QTest::newRow("infinite") << kEnglish << "inf" << false << -1.0;
}

void TestCmnPageView::typedZoomIsReadAndLimited()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(bool, read);
    QFETCH(double, percent);
    double value = -1.0;
    QCOMPARE(CmnReadZoomPercent(text, &value, locale), read);
    QCOMPARE(value, percent);
}

void TestCmnPageView::zoomTexts()
{
    QCOMPARE(CmnZoomFactorText(1.0), QString("100.0%"));
    QCOMPARE(CmnZoomFactorText(1.1), QString("110.0%"));
    QCOMPARE(CmnZoomFactorText(1.1 / 1.1), QString("100.0%"));
    QCOMPARE(CmnZoomPercentText(250), QString("250%"));
    QCOMPARE(CmnZoomPercentText(12.5), QString("12.5%"));
}

QTEST_MAIN(TestCmnPageView)
#include "tst_cmnpageview.moc"
