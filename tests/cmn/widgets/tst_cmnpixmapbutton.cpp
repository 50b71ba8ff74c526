#include "cmnpixmapbutton.h"
#include "cmnpixmapchoices.h"
#include "cmnpixmappopup.h"
#include "cmnpixmappopupitemselector.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// Outside any namespace, as the resource system requires.
static void InitPixmapResources()
{
    Q_INIT_RESOURCE(cmnpixmaps);
}

namespace {

constexpr int kDefaultEntry = TCmnItemButton<QString>::kHasDefaultEntry;
const QString kPrefix = QStringLiteral(":/cmn/pixmaps/");

CCmnPixmapPopup *OpenPopup(CCmnPixmapButton &button)
{
    if (!button.isVisible()) {
        button.show();
        if (!QTest::qWaitForWindowExposed(&button))
            return nullptr;
    }
    button.click();
    return button.isChecked() && button.PixmapPopup()->isVisible() ? button.PixmapPopup() : nullptr;
}

// The item cells in grid order, five to a row.
QList<CCmnPixmapPopupItemSelector *> Cells(const CCmnPixmapPopup *popup)
{
    QList<CCmnPixmapPopupItemSelector *> cells;
    const QGridLayout *grid = popup->GridLayout();
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int col = 0; col < grid->columnCount(); col += 2) {
            if (auto *cell = qobject_cast<CCmnPixmapPopupItemSelector *>(popup->GridWidget(row, col)))
                cells << cell;
        }
    }
    return cells;
}

QImage ButtonIcon(CCmnPixmapButton &button)
{
    button.grab();
    const int side = CmnItemCellSide(button.style());
    return button.icon().pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The icon a button shows for an image: the image centred, unscaled, on a
// framed square of the button colour.
QImage ExpectedIcon(const CCmnPixmapButton &button, const QString &path)
{
    const int side = CmnItemCellSide(button.style());
    QImage expected(side, side, QImage::Format_ARGB32);
    expected.fill(button.palette().color(QPalette::Button));
    QPainter painter(&expected);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, side - 1, side - 1);
    const QImage image(path);
    painter.drawImage((side - image.width()) / 2, (side - image.height()) / 2, image);
    painter.end();
    return expected;
}

// Equal but for the rounding of blending, which differs between pixmaps and
// images; an image out of place by one pixel differs far more.
bool Alike(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return false;
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QColor a = actual.pixelColor(x, y);
            const QColor e = expected.pixelColor(x, y);
            if (qAbs(a.red() - e.red()) > 2 || qAbs(a.green() - e.green()) > 2
                || qAbs(a.blue() - e.blue()) > 2 || qAbs(a.alpha() - e.alpha()) > 2)
                return false;
        }
    }
    return true;
}

} // namespace

class TestCmnPixmapButton : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void builtInImagesLoadAtTheirSize();
    void labels_data();
    void labels();
    void newButtonOffersNone();
    void choosingAnImageShowsIt();
    void pathInNoListGetsOtherCell();
};

void TestCmnPixmapButton::initTestCase()
{
    InitPixmapResources();
}

void TestCmnPixmapButton::builtInImagesLoadAtTheirSize()
{
    const TCmnItemChoices<QString> *choices = CmnGetPixmapChoices();
    QCOMPARE(CmnGetPixmapChoices(), choices);
    QCOMPARE(choices->NamedChoices().size(), 87);
    QVERIFY(choices->NoCustom());
    QCOMPARE(choices->ItemsPerRow(), -1);
    QCOMPARE(choices->DefaultValue(), kPrefix + QStringLiteral("blue-bullet-9x9.png"));

    static const QRegularExpression sizeInName(QStringLiteral("-(\\d+)x(\\d+)\\.png$"));
    for (const TCmnNamedChoice<QString> &choice : choices->NamedChoices()) {
        QVERIFY2(choice.m_Value.startsWith(kPrefix), qPrintable(choice.m_Value));
        const QRegularExpressionMatch match = sizeInName.match(choice.m_Value);
        QVERIFY2(match.hasMatch(), qPrintable(choice.m_Value));
        const QImage image(choice.m_Value);
        QVERIFY2(!image.isNull(), qPrintable(choice.m_Value));
        QCOMPARE(image.size(), QSize(match.captured(1).toInt(), match.captured(2).toInt()));
        QVERIFY2(image.hasAlphaChannel(), qPrintable(choice.m_Value));
    }
    QVERIFY(!QImage(QStringLiteral(":/Orvanta-96x96.png")).isNull());
    QCOMPARE(QImage(QStringLiteral(":/Orvanta-96x96.png")).size(), QSize(96, 96));
}

void TestCmnPixmapButton::labels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("label");

    QTest::newRow("first") << 0 << "blue-block-16x16.png" << "Blue Square";
    QTest::newRow("grey square") << 2 << "grey-block-16x16.png" << "Grey Square";
    QTest::newRow("grey bullet") << 8 << "grey-bullet-9x9.png" << "Grey Bullet";
    QTest::newRow("gray label") << 14 << "grey-label-14x14.png" << "Gray Label";
    QTest::newRow("minus") << 35 << "red-minus-16x6.png" << "Red Minus";
    QTest::newRow("gray paw") << 44 << "grey-paw-15x14.png" << "Gray Paw";
    QTest::newRow("first arrow") << 54 << "blue-uparrow-11x6.png" << "Blue Arrow Up";
    QTest::newRow("gray arrow up") << 62 << "grey-uparrow-11x6.png" << "Gray Arrow Up";
    QTest::newRow("gray arrow left") << 64 << "grey-leftarrow-6x11.png" << "Gray Arrow Left";
    QTest::newRow("last arrow") << 77 << "red-rightarrow-6x11.png" << "Red Arrow Right";
    QTest::newRow("tick") << 78 << "green-tick-12x12.png" << "Tick";
    QTest::newRow("information") << 80 << "information-10x9.png" << "Info";
    QTest::newRow("stop") << 84 << "stopsign-16x16.png" << "Stop!";
    QTest::newRow("last") << 86 << "thumbsup-14x15.png" << "Thumbs Up";
}

void TestCmnPixmapButton::labels()
{
    QFETCH(int, index);
    QFETCH(QString, file);
    QFETCH(QString, label);

    const TCmnNamedChoice<QString> &choice = CmnGetPixmapChoices()->NamedChoices().at(index);
    QCOMPARE(choice.m_Value, kPrefix + file);
    QCOMPARE(choice.m_Name, label);
}

void TestCmnPixmapButton::newButtonOffersNone()
{
    CCmnPixmapButton button(CmnGetPixmapChoices(), kDefaultEntry, QString());
    QCOMPARE(button.text(), QStringLiteral("None"));
    QVERIFY(button.Value().isEmpty());
    QVERIFY(Alike(ButtonIcon(button), ExpectedIcon(button, QString())));

    CCmnPixmapPopup *popup = OpenPopup(button);
    QVERIFY(popup);
    const QList<CCmnPixmapPopupItemSelector *> cells = Cells(popup);
    QCOMPARE(cells.size(), 88);
    QCOMPARE(popup->GridLayout()->columnCount(), 10);
    QCOMPARE(popup->GridLayout()->rowCount(), 18);
    QVERIFY(!popup->CustomCell());
    QCOMPARE(cells.first()->Name(), QStringLiteral("None"));
    QVERIFY(cells.first()->IsMarked());
    QVERIFY(cells.first()->hasFocus());
    QCOMPARE(cells.at(1)->Name(), QStringLiteral("Blue Square"));
    QCOMPARE(cells.last()->Name(), QStringLiteral("Thumbs Up"));
    for (int i = 1; i < cells.size(); ++i)
        QVERIFY(!cells.at(i)->IsMarked());
}

void TestCmnPixmapButton::choosingAnImageShowsIt()
{
    CCmnPixmapButton button(CmnGetPixmapChoices(), kDefaultEntry, QString());
    QSignalSpy changed(&button, &CCmnPixmapButton::valueChanged);
    CCmnPixmapPopup *popup = OpenPopup(button);
    QVERIFY(popup);

    const QString redStar = kPrefix + QStringLiteral("red-star-14x14.png");
    CCmnPixmapPopupItemSelector *cell = nullptr;
    for (CCmnPixmapPopupItemSelector *candidate : Cells(popup)) {
        if (candidate->Name() == QLatin1String("Red Star"))
            cell = candidate;
    }
    QVERIFY(cell);
    QCOMPARE(cell->Value(), redStar);
    QTest::mouseClick(cell, Qt::LeftButton);

    QCOMPARE(button.Value(), redStar);
    QCOMPARE(button.text(), QStringLiteral("Red Star"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), redStar);
    QVERIFY(!popup->isVisible());
    QVERIFY(Alike(ButtonIcon(button), ExpectedIcon(button, redStar)));

    // The palette forbids custom values: it stays as it was.
    QVERIFY(CmnGetPixmapChoices()->CustomValues().isEmpty());
}

void TestCmnPixmapButton::pathInNoListGetsOtherCell()
{
    CCmnPixmapButton button(CmnGetPixmapChoices(), kDefaultEntry, QString());
    const QString elsewhere = QStringLiteral(":/elsewhere/horse.png");
    button.SetFilename(elsewhere);
    QCOMPARE(button.Value(), elsewhere);
    QCOMPARE(button.text(), QString());
    QVERIFY(CmnGetPixmapChoices()->CustomValues().isEmpty());
    // An image that does not load leaves the framed square empty.
    QVERIFY(Alike(ButtonIcon(button), ExpectedIcon(button, QString())));

    CCmnPixmapPopup *popup = OpenPopup(button);
    QVERIFY(popup);
    QList<CCmnPixmapPopupItemSelector *> cells = Cells(popup);
    QCOMPARE(cells.size(), 89);
    QCOMPARE(cells.last()->Name(), QStringLiteral("Other"));
    QCOMPARE(cells.last()->Value(), elsewhere);
    QVERIFY(cells.last()->IsMarked());
    QVERIFY(cells.last()->hasFocus());
    QVERIFY(!cells.first()->IsMarked());

    // Back on a built-in image the "Other" cell is gone from sight and grid.
    QTest::keyClick(cells.last(), Qt::Key_Escape);
    button.SetFilename(kPrefix + QStringLiteral("green-tick-12x12.png"));
    QCOMPARE(button.text(), QStringLiteral("Tick"));
    popup = OpenPopup(button);
    QVERIFY(popup);
    cells = Cells(popup);
    QCOMPARE(cells.size(), 88);
    QCOMPARE(popup->findChildren<CCmnPixmapPopupItemSelector *>().size(), 89);
    for (CCmnPixmapPopupItemSelector *cell : popup->findChildren<CCmnPixmapPopupItemSelector *>()) {
        if (!cells.contains(cell))
            QVERIFY(!cell->isVisible());
    }
}

QTEST_MAIN(TestCmnPixmapButton)
#include "tst_cmnpixmapbutton.moc"
