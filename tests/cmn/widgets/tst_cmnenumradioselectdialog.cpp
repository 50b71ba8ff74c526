#include "cmncheckbox.h"
#include "cmnappdescriptor.h"
#include "cmndialogbuttonbox.h"
#include "cmnenumradioselectdialog.h"
#include "cmnframework.h"
#include "cmnlabel.h"
#include "cmnradiobutton.h"
#include "cmnslotblocker.h"
#include "cmnwhatsthistexts.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Row and value of each choice the dialog reported as preselected.
using TLoaded = QList<QPair<qint32, qint32>>;

// Values far from the rows, so that a row taken for a value shows.
QList<CCmnEnumSelectChoice> Choices(qsizetype count)
{
    QList<CCmnEnumSelectChoice> choices;
    for (qsizetype i = 0; i < count; ++i)
        choices << CCmnEnumSelectChoice{QStringLiteral("Species %1").arg(i), qint32(100 + i)};
    return choices;
}

// Records what the dialog reports after loading its preselection.
class CRecordingDialog : public CCmnEnumRadioSelectDialog
{
public:
    void OnSelectionLoaded(qint32 row, qint32 value) override { m_Loaded << QPair<qint32, qint32>(row, value); }

    TLoaded m_Loaded;
};

QPushButton *Button(const CCmnDialogEx &dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.ButtonBox()->button(which);
}

QList<bool> Checked(const CCmnEnumRadioSelectDialog &dialog)
{
    QList<bool> checked;
    for (const CCmnRadioButton *radio : dialog.RadioButtons())
        checked << radio->isChecked();
    return checked;
}

} // namespace

class TestCmnEnumRadioSelectDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fillsColumnsFirst_data();
    void fillsColumnsFirst();
    void preselectsFirstChoiceWithValue_data();
    void preselectsFirstChoiceWithValue();
    void okTakesCheckedChoiceAndCheckBox();
    void cancelKeepsCallersValues();
    void doubleClickChoosesAndAccepts();
    void blockedDoubleClickDoesNothing();
    void headerFooterAndCheckBoxInOrder();
    void linksOpenOnlyForAnchors_data();
    void linksOpenOnlyForAnchors();
    void builtInHelpForTheControls();
};

void TestCmnEnumRadioSelectDialog::initTestCase()
{
    // Makes the built-in help file readable.
    CmnInitFramework(CCmnAppDescriptor());
}

void TestCmnEnumRadioSelectDialog::fillsColumnsFirst_data()
{
    QTest::addColumn<qint32>("count");
    QTest::addColumn<qint32>("columns");
    // Row and column of each choice, in choice order.
    QTest::addColumn<QList<QPoint>>("cells");
    QTest::newRow("seven in two columns: four rows")
        << 7 << 2
        << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {2, 1}};
    QTest::newRow("no columns counts as one") << 3 << 0 << QList<QPoint>{{0, 0}, {1, 0}, {2, 0}};
    QTest::newRow("more columns than choices") << 2 << 3 << QList<QPoint>{{0, 0}, {0, 1}};
}

void TestCmnEnumRadioSelectDialog::fillsColumnsFirst()
{
    QFETCH(qint32, count);
    QFETCH(qint32, columns);
    QFETCH(QList<QPoint>, cells);

    CCmnEnumRadioSelectDialog dialog;
    dialog.m_Choices = Choices(count);
    dialog.m_Columns = columns;
    dialog.Prepare();
    auto *grid = dialog.findChild<QGridLayout *>();
    QVERIFY(grid);
    QList<QPoint> found;
    for (CCmnRadioButton *radio : dialog.RadioButtons()) {
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(radio), &row, &column, &rowSpan, &columnSpan);
        found << QPoint(row, column);
    }
    QCOMPARE(found, cells);
    QCOMPARE(dialog.RadioButtons().first()->text().remove('&'), QString("Species 0"));
    QCOMPARE(dialog.ButtonGroup()->buttons().size(), count);
    QVERIFY(dialog.ButtonGroup()->exclusive());
}

void TestCmnEnumRadioSelectDialog::preselectsFirstChoiceWithValue_data()
{
    QTest::addColumn<QList<qint32>>("values");
    QTest::addColumn<qint32>("selected");
    QTest::addColumn<QList<bool>>("checked");
    QTest::addColumn<TLoaded>("loaded");
    QTest::newRow("value of the third choice")
        << QList<qint32>{5, 9, 2} << 2 << QList<bool>{false, false, true}
        << TLoaded{{2, 2}};
    QTest::newRow("value held twice: the first")
        << QList<qint32>{5, 9, 9} << 9 << QList<bool>{false, true, false}
        << TLoaded{{1, 9}};
    QTest::newRow("value of no choice: nothing checked")
        << QList<qint32>{5, 9, 2} << 4 << QList<bool>{false, false, false} << TLoaded{};
}

void TestCmnEnumRadioSelectDialog::preselectsFirstChoiceWithValue()
{
    QFETCH(QList<qint32>, values);
    QFETCH(qint32, selected);
    QFETCH(QList<bool>, checked);
    QFETCH(TLoaded, loaded);

    CRecordingDialog dialog;
    for (const qint32 value : values)
        dialog.m_Choices << CCmnEnumSelectChoice{QStringLiteral("Choice %1").arg(value), value};
    dialog.m_SelectedValue = selected;
    dialog.Prepare();
    QCOMPARE(Checked(dialog), checked);
    QCOMPARE(dialog.m_Loaded, loaded);

    // OK with nothing checked keeps the value the caller gave.
    Button(dialog, QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_SelectedValue, selected);
}

void TestCmnEnumRadioSelectDialog::okTakesCheckedChoiceAndCheckBox()
{
    CCmnEnumRadioSelectDialog dialog;
    dialog.m_Choices = Choices(4);
    dialog.m_SelectedValue = 101;
    dialog.m_CheckBoxText = QStringLiteral("Don't show this window in future");
    dialog.Prepare();
    QVERIFY(!dialog.CheckBox()->isChecked());

    dialog.RadioButtons().at(3)->setChecked(true);
    dialog.CheckBox()->setChecked(true);
    Button(dialog, QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_SelectedValue, 103);
    QCOMPARE(dialog.m_CheckBoxState, true);
}

void TestCmnEnumRadioSelectDialog::cancelKeepsCallersValues()
{
    CCmnEnumRadioSelectDialog dialog;
    dialog.m_Choices = Choices(3);
    dialog.m_SelectedValue = 100;
    dialog.m_CheckBoxText = QStringLiteral("Remember");
    dialog.m_CheckBoxState = true;
    dialog.Prepare();
    QVERIFY(dialog.CheckBox()->isChecked());

    dialog.RadioButtons().at(2)->setChecked(true);
    dialog.CheckBox()->setChecked(false);
    Button(dialog, QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.m_SelectedValue, 100);
    QCOMPARE(dialog.m_CheckBoxState, true);
}

void TestCmnEnumRadioSelectDialog::doubleClickChoosesAndAccepts()
{
    CCmnEnumRadioSelectDialog dialog;
    dialog.m_Choices = Choices(7);
    dialog.m_Columns = 2;
    dialog.m_SelectedValue = 100;
    dialog.Prepare();
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    CCmnRadioButton *radio = dialog.RadioButtons().at(5);
    QTest::mouseDClick(radio, Qt::LeftButton, {}, QPoint(5, radio->height() / 2));
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_SelectedValue, 105);
}

void TestCmnEnumRadioSelectDialog::blockedDoubleClickDoesNothing()
{
    CCmnEnumRadioSelectDialog dialog;
    dialog.m_Choices = Choices(2);
    dialog.m_SelectedValue = 100;
    dialog.Prepare();
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    const CCmnSlotBlocker blocker(&dialog);
    Q_EMIT dialog.RadioButtons().at(1)->SignalDoubleClicked(nullptr);
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(Checked(dialog), QList<bool>({true, false}));
}

void TestCmnEnumRadioSelectDialog::headerFooterAndCheckBoxInOrder()
{
    CCmnEnumRadioSelectDialog plain;
    plain.m_Choices = Choices(2);
    plain.Prepare();
    QVERIFY(!plain.HeaderLabel());
    QVERIFY(!plain.FooterLabel());
    QVERIFY(!plain.CheckBox());

    CCmnEnumRadioSelectDialog dialog;
    dialog.m_Header = QStringLiteral("<p>How would you like to start?</p>");
    dialog.m_Choices = Choices(2);
    dialog.m_Footer = QStringLiteral("<p>NOTE</p>");
    dialog.m_CheckBoxText = QStringLiteral("Remember");
    dialog.Prepare();
    QCOMPARE(dialog.HeaderLabel()->text(), dialog.m_Header);
    QCOMPARE(dialog.FooterLabel()->text(), dialog.m_Footer);

    // Header, choices and footer in one box above the buttons; the check box after them.
    QBoxLayout *main = dialog.MainLayout();
    QCOMPARE(main->count(), 3);
    auto *box = qobject_cast<QBoxLayout *>(main->itemAt(0)->layout());
    QVERIFY(box);
    QCOMPARE(box->itemAt(0)->widget(), dialog.HeaderLabel());
    QVERIFY(qobject_cast<QGridLayout *>(box->itemAt(1)->layout()));
    QCOMPARE(box->itemAt(2)->widget(), dialog.FooterLabel());
    QCOMPARE(main->itemAt(1)->widget(), dialog.ButtonBox());
    QCOMPARE(main->itemAt(2)->widget(), dialog.CheckBox());
}

void TestCmnEnumRadioSelectDialog::linksOpenOnlyForAnchors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("opens");
    QTest::newRow("anchor") << "<p>See <a href='https://orvanta.example'>the site</a>.</p>" << true;
    QTest::newRow("no anchor") << "<p>See https://orvanta.example</p>" << false;
    QTest::newRow("anchor in capitals") << "<p><A HREF='https://orvanta.example'>site</A></p>" << false;
}

void TestCmnEnumRadioSelectDialog::linksOpenOnlyForAnchors()
{
    QFETCH(QString, text);
    QFETCH(bool, opens);

    CCmnEnumRadioSelectDialog dialog;
    dialog.m_Header = text;
    dialog.m_Footer = text;
    dialog.m_Choices = Choices(1);
    dialog.Prepare();
    QCOMPARE(dialog.HeaderLabel()->openExternalLinks(), opens);
    QCOMPARE(dialog.FooterLabel()->openExternalLinks(), opens);
}

void TestCmnEnumRadioSelectDialog::builtInHelpForTheControls()
{
    const TCmnWhatsThisTable previous = CmnWhatsThisTexts();
    CmnLoadWhatsThisTexts();
    CCmnEnumRadioSelectDialog dialog;
    dialog.m_Choices = Choices(2);
    dialog.m_CheckBoxText = QStringLiteral("Remember");
    dialog.Prepare();
    CmnSetWhatsThisTexts(previous);

    QCOMPARE(dialog.HelpPage(), QString("CCmnEnumRadioSelectDialog.html"));
    QVERIFY(!dialog.RadioButtons().at(0)->whatsThis().isEmpty());
    QCOMPARE(dialog.RadioButtons().at(1)->whatsThis(), dialog.RadioButtons().at(0)->whatsThis());
    QVERIFY(!dialog.CheckBox()->whatsThis().isEmpty());
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
}

QTEST_MAIN(TestCmnEnumRadioSelectDialog)
#include "tst_cmnenumradioselectdialog.moc"
