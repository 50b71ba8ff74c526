#include "cmnenabledlook.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"

#include <QApplication>
#include <QTest>

class TestCmnEnabledLook : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void greysByStyleSheet_data();
    void greysByStyleSheet();
    void nullWidgetIsIgnored();
};

static const QColor kGrey(0x12, 0x34, 0xab);

void TestCmnEnabledLook::initTestCase()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, kGrey);
    QApplication::setPalette(palette);
}

void TestCmnEnabledLook::greysByStyleSheet_data()
{
    QTest::addColumn<bool>("lineEdit");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QPalette::ColorRole>("role");   // the role the sheet's colour lands in

    QTest::newRow("label") << false << "QLabel { color: #1234ab; }" << QPalette::WindowText;
    QTest::newRow("line edit") << true << "QLineEdit { color: #1234ab; }" << QPalette::Text;
}

void TestCmnEnabledLook::greysByStyleSheet()
{
    QFETCH(bool, lineEdit);
    QFETCH(QString, expected);
    QFETCH(QPalette::ColorRole, role);

    std::unique_ptr<QWidget> widget;
    if (lineEdit) {
        auto *edit = new CCmnLineEdit;
        edit->setReadOnly(true);
        widget.reset(edit);
    } else {
        widget.reset(new CCmnLabel("Title"));
    }
    const auto look = lineEdit ? &CmnSetLineEditEnabledLook : &CmnSetLabelEnabledLook;

    look(widget.get(), false);
    QCOMPARE(widget->styleSheet(), expected);
    QVERIFY(widget->isEnabled());
    // The sheet's selector matches our subclass, so the text really is grey.
    widget->ensurePolished();
    QCOMPARE(widget->palette().color(QPalette::Active, role), kGrey);

    look(widget.get(), true);
    QCOMPARE(widget->styleSheet(), QString());
    QVERIFY(widget->isEnabled());
}

void TestCmnEnabledLook::nullWidgetIsIgnored()
{
    CmnSetLabelEnabledLook(nullptr, false);
    CmnSetLineEditEnabledLook(nullptr, true);
}

QTEST_MAIN(TestCmnEnabledLook)
#include "tst_cmnenabledlook.moc"
