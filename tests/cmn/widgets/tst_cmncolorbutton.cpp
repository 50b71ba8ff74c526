#include "cmncolorbutton.h"
#include "cmncolorchoices.h"
#include "cmncolorchooser.h"
#include "cmncolorpopup.h"
#include "cmncolorpopupitemselector.h"

#include <QApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace {

constexpr int kDefaultEntry = TCmnItemButton<QColor>::kHasDefaultEntry;

// Answers every free colour choice with a fixed colour (invalid: cancelled) and
// keeps the requests, for its scope.
class CColorChooserScope
{
public:
    explicit CColorChooserScope(const QColor &answer)
        : m_Previous(CmnSetColorChooser([this, answer](const CCmnColorChooserRequest &request) {
              m_Requests << request;
              return answer;
          }))
    {
    }
    ~CColorChooserScope() { CmnSetColorChooser(m_Previous); }
    QList<CCmnColorChooserRequest> m_Requests;

private:
    TCmnColorChooser m_Previous;
};

// A copy of the basic palette, so that the custom colours a test adds stay
// with it.
TCmnItemChoices<QColor> BasicPalette()
{
    return *CmnGetBasicColors();
}

// Opens the button's popup the way a click does.
CCmnColorPopup *OpenPopup(CCmnColorButton &button)
{
    if (!button.isVisible()) {
        button.show();
        if (!QTest::qWaitForWindowExposed(&button))
            return nullptr;
    }
    button.click();
    return button.isChecked() && button.ColorPopup()->isVisible() ? button.ColorPopup() : nullptr;
}

CCmnColorPopupItemSelector *Cell(const CCmnColorPopup *popup, int row, int col)
{
    return qobject_cast<CCmnColorPopupItemSelector *>(popup->GridWidget(row, col));
}

QString LabelText(const CCmnColorPopup *popup, int row, int col)
{
    const auto *label = qobject_cast<const QLabel *>(popup->GridWidget(row, col + 1));
    return label ? label->text() : QString();
}

// The grid position of the focused widget, or (-1, -1).
QPoint FocusPosition(const CCmnColorPopup *popup)
{
    const QGridLayout *grid = popup->GridLayout();
    for (int row = 0; row < grid->rowCount(); ++row) {
        for (int col = 0; col < grid->columnCount(); col += 2) {
            const QWidget *widget = popup->GridWidget(row, col);
            if (widget && widget->hasFocus())
                return QPoint(col, row);
        }
    }
    return QPoint(-1, -1);
}

QList<CCmnColorPopupItemSelector *> MarkedCells(const CCmnColorPopup *popup)
{
    QList<CCmnColorPopupItemSelector *> marked;
    for (CCmnColorPopupItemSelector *cell : popup->findChildren<CCmnColorPopupItemSelector *>()) {
        if (cell->IsMarked() && !cell->isHidden())
            marked << cell;
    }
    return marked;
}

} // namespace

class TestCmnColorButton : public QObject
{
    Q_OBJECT
private slots:
    void newButtonOffersDefault();
    void setColorShowsItsName_data();
    void setColorShowsItsName();
    void sameColourEmitsNothing();
    void invalidColourIgnoredWithoutDefaultEntry();
    void customColoursAreSharedBetweenButtons();
    void popupLayout_data();
    void popupLayout();
    void keyboardNavigation_data();
    void keyboardNavigation();
    void returnPicksFocusedColour();
    void escapeClosesWithoutChange();
    void releaseOutsideCloses();
    void clickPicksColour();
    void moreCellAsksForColourWithAlpha_data();
    void moreCellAsksForColourWithAlpha();
    void popupStaysAboveDesktopBottom();
    void blockedButtonDoesNotOpen();
};

void TestCmnColorButton::newButtonOffersDefault()
{
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    QCOMPARE(button.text(), QStringLiteral("Default"));
    QVERIFY(!button.Value().isValid());
    QVERIFY(button.isCheckable());

    // The swatch has a grey frame and no fill.
    button.grab();
    const int side = CmnItemCellSide(button.style());
    const QImage icon = button.icon().pixmap(side, side).toImage();
    QCOMPARE(icon.size(), QSize(side, side));
    QCOMPARE(icon.pixelColor(2, 2), QColor(Qt::gray));
    QCOMPARE(icon.pixelColor(side / 2, side / 2), button.palette().color(QPalette::Button));

    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);
    CCmnColorPopupItemSelector *defaultCell = Cell(popup, 0, 0);
    QVERIFY(defaultCell);
    QCOMPARE(defaultCell->Name(), QStringLiteral("Default"));
    QCOMPARE(MarkedCells(popup), QList<CCmnColorPopupItemSelector *>{defaultCell});
    QVERIFY(defaultCell->hasFocus());
    // Its square shows the palette's default colour.
    const QImage painted = defaultCell->grab().toImage();
    QCOMPARE(painted.pixelColor(painted.width() / 2, painted.height() / 2), QColor(Qt::black));
}

void TestCmnColorButton::setColorShowsItsName_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("customCount");

    QTest::newRow("named") << QColor("#FFA500") << "Orange" << 0;
    QTest::newRow("in no list") << QColor("#123456") << "Custom 1" << 1;
    QTest::newRow("with alpha") << QColor(255, 0, 0, 128) << "Custom 1" << 1;
}

void TestCmnColorButton::setColorShowsItsName()
{
    QFETCH(QColor, colour);
    QFETCH(QString, text);
    QFETCH(int, customCount);

    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    QSignalSpy changed(&button, &CCmnColorButton::valueChanged);

    button.SetColor(colour);
    QCOMPARE(button.text(), text);
    QCOMPARE(button.Value(), colour);
    QCOMPARE(choices.CustomValues().size(), customCount);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<QColor>(), colour);

    // Back to the default entry.
    button.SetColor(QColor());
    QCOMPARE(button.text(), QStringLiteral("Default"));
    QVERIFY(!button.Value().isValid());
    QCOMPARE(changed.count(), 2);
    QCOMPARE(choices.CustomValues().size(), customCount);
}

void TestCmnColorButton::sameColourEmitsNothing()
{
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    button.SetColor(QColor(Qt::red));
    QSignalSpy changed(&button, &CCmnColorButton::valueChanged);
    button.SetColor(QColor(Qt::red));
    QCOMPARE(changed.count(), 0);
}

void TestCmnColorButton::invalidColourIgnoredWithoutDefaultEntry()
{
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, 0, QString());
    // Without a default entry the button starts at the palette's default colour.
    QCOMPARE(button.Value(), QColor(Qt::black));
    QCOMPARE(button.text(), QStringLiteral("Black"));

    QSignalSpy changed(&button, &CCmnColorButton::valueChanged);
    button.SetColor(QColor());
    QCOMPARE(changed.count(), 0);
    QCOMPARE(button.Value(), QColor(Qt::black));

    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);
    QCOMPARE(Cell(popup, 0, 0)->Name(), QStringLiteral("Aqua"));
    QCOMPARE(MarkedCells(popup).size(), 1);
    QCOMPARE(MarkedCells(popup).first()->Name(), QStringLiteral("Black"));
}

void TestCmnColorButton::customColoursAreSharedBetweenButtons()
{
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton first(&choices, kDefaultEntry, QString());
    CCmnColorButton second(&choices, kDefaultEntry, QString());
    const QColor custom("#123456");

    first.SetColor(custom);
    QCOMPARE(choices.CustomValues(), QList<QColor>{custom});

    // The second button's popup offers it after the 17 named colours and the
    // default cell: cell 18, the first of row 9 with two cells a row.
    CCmnColorPopup *popup = OpenPopup(second);
    QVERIFY(popup);
    CCmnColorPopupItemSelector *cell = Cell(popup, 9, 0);
    QVERIFY(cell);
    QCOMPARE(cell->Value(), custom);
    QCOMPARE(cell->Name(), QStringLiteral("Custom 1"));
    QCOMPARE(LabelText(popup, 9, 0), QStringLiteral("  Custom 1   "));

    QTest::mouseClick(cell, Qt::LeftButton);
    QCOMPARE(second.Value(), custom);
    QCOMPARE(second.text(), QStringLiteral("Custom 1"));
    QCOMPARE(choices.CustomValues().size(), 1);
}

void TestCmnColorButton::popupLayout_data()
{
    QTest::addColumn<bool>("pale");
    QTest::addColumn<int>("customColours");
    QTest::addColumn<int>("perRow");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QPoint>("moreCell");

    // 17 colours, "Default" and "More": 19 places.
    QTest::newRow("basic") << false << 0 << 2 << 10 << QPoint(0, 9);
    // 26 places.
    QTest::newRow("basic and 7 custom") << false << 7 << 3 << 9 << QPoint(2, 8);
    // 117 places.
    QTest::newRow("pale and basic") << true << 0 << 5 << 24 << QPoint(2, 23);
}

void TestCmnColorButton::popupLayout()
{
    QFETCH(bool, pale);
    QFETCH(int, customColours);
    QFETCH(int, perRow);
    QFETCH(int, rows);
    QFETCH(QPoint, moreCell);

    TCmnItemChoices<QColor> choices = pale ? *CmnGetPaleAndBasicColors() : BasicPalette();
    for (int i = 0; i < customColours; ++i)
        choices.AddCustomValue(QColor(i, 1, 2));
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);

    QCOMPARE(popup->GridLayout()->columnCount(), 2 * perRow);
    QCOMPARE(popup->GridLayout()->rowCount(), rows);
    QCOMPARE(popup->GridWidget(moreCell.y(), moreCell.x()), popup->CustomCell());
    QCOMPARE(LabelText(popup, moreCell.y(), moreCell.x()), QStringLiteral("  More   "));
    QCOMPARE(Cell(popup, 0, 2)->Name(), choices.NamedChoices().first().m_Name);
    QCOMPARE(LabelText(popup, 0, 0), QStringLiteral("  Default   "));

    const int side = CmnItemCellSide(button.style());
    QCOMPARE(Cell(popup, 0, 0)->size(), QSize(side, side));
    QCOMPARE(popup->CustomCell()->size(), QSize(side, side));
    QCOMPARE(Cell(popup, 0, 0)->toolTip(), QStringLiteral("Default"));
}

void TestCmnColorButton::keyboardNavigation_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QPoint>("to");

    // The basic palette: rows 0 to 8 hold two cells each (columns 0 and 2),
    // row 9 only the "More" cell. Points are (column, row).
    QTest::newRow("right along a row") << QPoint(0, 0) << int(Qt::Key_Right) << QPoint(2, 0);
    QTest::newRow("right from a row's end") << QPoint(2, 3) << int(Qt::Key_Right) << QPoint(0, 4);
    QTest::newRow("right from the last cell") << QPoint(0, 9) << int(Qt::Key_Right) << QPoint(0, 9);
    QTest::newRow("left along a row") << QPoint(2, 4) << int(Qt::Key_Left) << QPoint(0, 4);
    QTest::newRow("left from a row's start") << QPoint(0, 4) << int(Qt::Key_Left) << QPoint(2, 3);
    QTest::newRow("left from the first cell") << QPoint(0, 0) << int(Qt::Key_Left) << QPoint(0, 0);
    QTest::newRow("up") << QPoint(2, 5) << int(Qt::Key_Up) << QPoint(2, 4);
    QTest::newRow("up on the top row") << QPoint(2, 0) << int(Qt::Key_Up) << QPoint(0, 0);
    QTest::newRow("down") << QPoint(2, 1) << int(Qt::Key_Down) << QPoint(2, 2);
    QTest::newRow("down into a shorter row") << QPoint(2, 8) << int(Qt::Key_Down) << QPoint(0, 9);
    QTest::newRow("down on the last row") << QPoint(0, 9) << int(Qt::Key_Down) << QPoint(0, 9);
    // The "More" cell hands arrows to the popup.
    QTest::newRow("up from the more cell") << QPoint(0, 9) << int(Qt::Key_Up) << QPoint(0, 8);
    QTest::newRow("other keys pass") << QPoint(2, 2) << int(Qt::Key_A) << QPoint(2, 2);
}

void TestCmnColorButton::keyboardNavigation()
{
    QFETCH(QPoint, from);
    QFETCH(int, key);
    QFETCH(QPoint, to);

    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);

    QWidget *start = popup->GridWidget(from.y(), from.x());
    QVERIFY(start);
    start->setFocus();
    QCOMPARE(FocusPosition(popup), from);

    QTest::keyClick(start, Qt::Key(key));
    QCOMPARE(FocusPosition(popup), to);
    QVERIFY(popup->isVisible());
}

void TestCmnColorButton::returnPicksFocusedColour()
{
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    QSignalSpy changed(&button, &CCmnColorButton::valueChanged);
    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);
    QCOMPARE(FocusPosition(popup), QPoint(0, 0));

    // Right to "Aqua", down to "Blue" (cell 3), Return.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QVERIFY(!popup->isVisible());
    QVERIFY(!button.isChecked());
    QCOMPARE(button.Value(), QColor(Qt::blue));
    QCOMPARE(button.text(), QStringLiteral("Blue"));
    QCOMPARE(changed.count(), 1);

    // The next opening marks it and starts there.
    popup = OpenPopup(button);
    QVERIFY(popup);
    QCOMPARE(FocusPosition(popup), QPoint(2, 1));
    QCOMPARE(MarkedCells(popup), QList<CCmnColorPopupItemSelector *>{Cell(popup, 1, 2)});
}

void TestCmnColorButton::escapeClosesWithoutChange()
{
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    QSignalSpy changed(&button, &CCmnColorButton::valueChanged);
    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);
    QSignalSpy hid(popup, &CCmnColorPopup::hid);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!popup->isVisible());
    QCOMPARE(hid.count(), 1);
    QVERIFY(!button.isChecked());
    QCOMPARE(changed.count(), 0);
    QVERIFY(!button.Value().isValid());
}

void TestCmnColorButton::releaseOutsideCloses()
{
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);

    QTest::mouseRelease(popup, Qt::LeftButton, {}, QPoint(popup->width() / 2, popup->height() / 2));
    QVERIFY(popup->isVisible());
    QTest::mouseRelease(popup, Qt::LeftButton, {}, QPoint(popup->width() + 5, 2));
    QVERIFY(!popup->isVisible());
    QVERIFY(!button.isChecked());
    QVERIFY(!button.Value().isValid());
}

void TestCmnColorButton::clickPicksColour()
{
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);
    QSignalSpy selected(popup, &CCmnColorPopup::selected);

    // "Teal" is cell 15: row 7, second place.
    CCmnColorPopupItemSelector *teal = Cell(popup, 7, 2);
    QCOMPARE(teal->Name(), QStringLiteral("Teal"));
    QTest::mouseClick(teal, Qt::LeftButton);

    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(0).value<QColor>(), QColor("#008080"));
    QCOMPARE(button.text(), QStringLiteral("Teal"));
    QVERIFY(!popup->isVisible());
    QVERIFY(!button.isChecked());
    QCOMPARE(MarkedCells(popup), QList<CCmnColorPopupItemSelector *>{teal});
}

void TestCmnColorButton::moreCellAsksForColourWithAlpha_data()
{
    QTest::addColumn<QColor>("answer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("customCount");

    QTest::newRow("colour with alpha") << QColor(10, 20, 30, 128) << "Custom 1" << 1;
    QTest::newRow("a named colour") << QColor(255, 0, 0) << "Red" << 0;
    QTest::newRow("cancelled") << QColor() << "Default" << 0;
}

void TestCmnColorButton::moreCellAsksForColourWithAlpha()
{
    QFETCH(QColor, answer);
    QFETCH(QString, text);
    QFETCH(int, customCount);

    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    QSignalSpy changed(&button, &CCmnColorButton::valueChanged);
    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);

    CColorChooserScope chooser(answer);
    // Down from the last row of colours reaches "More"; Space chooses it.
    Cell(popup, 8, 2)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QVERIFY(popup->CustomCell()->hasFocus());
    QTest::keyClick(popup->CustomCell(), Qt::Key_Space);

    QCOMPARE(chooser.m_Requests.size(), 1);
    const CCmnColorChooserRequest request = chooser.m_Requests.first();
    QVERIFY(request.m_Options.testFlag(QColorDialog::ShowAlphaChannel));
    QCOMPARE(request.m_Parent, &button);
    QVERIFY(!request.m_Initial.isValid());

    QCOMPARE(button.text(), text);
    QCOMPARE(choices.CustomValues().size(), customCount);
    if (answer.isValid()) {
        QCOMPARE(button.Value(), answer);
        QCOMPARE(button.Value().alpha(), answer.alpha());
        QCOMPARE(changed.count(), 1);
        QVERIFY(!popup->isVisible());
    } else {
        QCOMPARE(changed.count(), 0);
        QVERIFY(popup->isVisible());
    }
}

void TestCmnColorButton::popupStaysAboveDesktopBottom()
{
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    button.resize(120, button.sizeHint().height());
    button.move(desktop.left() + 10, desktop.bottom() - 60);
    CCmnColorPopup *popup = OpenPopup(button);
    QVERIFY(popup);

    const QPoint below = button.mapToGlobal(button.rect().bottomLeft());
    QVERIFY(below.y() + popup->height() > desktop.bottom());
    // The offscreen platform frames every window, popups too, which shifts
    // them by the frame's width.
    const QPoint frame = button.geometry().topLeft() - button.frameGeometry().topLeft();
    QCOMPARE(popup->pos(), QPoint(below.x(), desktop.bottom() - popup->sizeHint().height()) + frame);
}

void TestCmnColorButton::blockedButtonDoesNotOpen()
{
    TCmnItemChoices<QColor> choices = BasicPalette();
    CCmnColorButton button(&choices, kDefaultEntry, QString());
    {
        const CCmnSlotBlocker blocker(&button);
        button.setChecked(true);
    }
    QVERIFY(!button.ColorPopup()->isVisible());
}

QTEST_MAIN(TestCmnColorButton)
#include "tst_cmncolorbutton.moc"
