#include "cmnappdescriptor.h"
#include "cmncolorbutton.h"
#include "cmncolorchoices.h"
#include "cmndataexchange.h"
#include "cmndate.h"
#include "cmndateprovider.h"
#include "cmndialogex.h"
#include "cmnexchangeflags.h"
#include "cmnpixmapbutton.h"
#include "cmnpixmapchoices.h"
#include "cmnsystemsettings.h"
#include "testmessageboxscope.h"
#include "usertexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>

#include <limits>

// The exchange as the user meets it: what is stored, the warning shown (through the
// scripted message boxes) and where the focus lands.
class TestCmnDataExchange : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void refusesWithLabelledMessage_data();
    void refusesWithLabelledMessage();
    void integerBoxes_data();
    void integerBoxes();
    void skippedValidationTakesWhatItFinds();
    void charEscapeRoundTrip();
    void pathQuestionAnswered_data();
    void pathQuestionAnswered();
    void loadsLineEdits();
    void buttonsAndSpinBoxes();
    void comboBoxes();
    void pickers();
    void messageGoesToOwnerAndShowsListRow();
    void formatsMessage_data();
    void formatsMessage();
    void messagesShowUserTextAsTyped_data();
    void messagesShowUserTextAsTyped();
};

namespace {

const QString kProduct = QStringLiteral("Orvanta");

// A window with one line edit, which a failing exchange must focus.
struct CLineEditWindow
{
    CLineEditWindow()
    {
        auto *layout = new QVBoxLayout(&m_Window);
        m_Edit = new QLineEdit;
        layout->addWidget(new QLineEdit);   // holds the focus before the exchange
        layout->addWidget(m_Edit);
    }

    QWidget m_Window;
    QLineEdit *m_Edit;
};

// Saves the named kind of box from the edit; the limits are fixed per kind.
bool SaveBox(const QString &box, const CCmnDataExchange &context, QLineEdit *edit, qint32 flags,
             const QString &label)
{
    if (box == "int") {
        qint32 value = 0;
        return context.ExchangeIntLineEdit(&value, edit, flags, 7, 5, 10, label);
    }
    if (box == "real") {
        double value = 0;
        return context.ExchangeDoubleLineEdit(&value, edit, flags, 9, 5, 10, label, 2);
    }
    if (box == "percent") {
        float value = 0;
        return context.ExchangeFloatLineEdit(&value, edit, flags, 0, 0, 1, label, -1);
    }
    if (box == "char") {
        QChar value;
        return context.ExchangeCharLineEdit(&value, edit, flags, label);
    }
    if (box == "date") {
        CCmnDate value;
        return context.ExchangeDateLineEdit(&value, edit, flags, QString(), label);
    }
    if (box == "path") {
        QString value;
        return context.ExchangePathLineEdit(&value, edit, flags, label);
    }
    QTest::qFail(qPrintable("unknown box " + box), __FILE__, __LINE__);
    return true;
}

} // namespace

void TestCmnDataExchange::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = kProduct;
    CmnCreateSystemSettings();
    CmnGetSystemSettings()->m_DateInputFormat = "[mm/[dd/]]yyyy";
}

void TestCmnDataExchange::cleanupTestCase()
{
    CmnDestroySystemSettings();
}

void TestCmnDataExchange::refusesWithLabelledMessage_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("message");

    const qint32 required = CmnExchangeRequired;
    QTest::newRow("required int, labelled") << "int" << "" << required << "Litters"
                                            << "<p>A value is required in the 'Litters' box</p>";
    QTest::newRow("required int, no label") << "int" << "" << required << ""
                                            << "<p>A value is required here</p>";
    QTest::newRow("optional int holding letters") << "int" << "six" << 0 << "Litters"
                                                  << "<p>A value is required in the 'Litters' box</p>";
    QTest::newRow("int below minimum") << "int" << "4" << 0 << "Litters"
                                       << "<p>Minimum value 5 expected in the 'Litters' box</p>";
    QTest::newRow("int above maximum, no label") << "int" << "11" << 0 << "" << "<p>Maximum value 10 expected here</p>";
    QTest::newRow("real below minimum") << "real" << "3" << 0 << "Weight"
                                        << "<p>Please enter at least 5.00 in the 'Weight' box</p>";
    QTest::newRow("real above maximum, no label") << "real" << "10.5" << 0 << ""
                                                  << "<p>Please enter at most 10.00 in this box</p>";
    QTest::newRow("optional real holding letters") << "real" << "heavy" << 0 << "Weight"
                                                   << "<p>A value is required in the 'Weight' box</p>";
    QTest::newRow("percentage above maximum") << "percent" << "120%" << 0 << "Share"
                                              << "<p>Please enter at most 100.00% in the 'Share' box</p>";
    QTest::newRow("two characters") << "char" << "ab" << 0 << "Separator"
                                    << "<p>At most a single character is required in the 'Separator' box</p>";
    QTest::newRow("required character") << "char" << "" << required << ""
                                        << "<p>A single character is required here</p>";
    QTest::newRow("month 31") << "date" << "31/12/2024" << 0 << "Born"
                              << "<p>Please enter a correctly formatted date, e.g. '07/04/2024', in the 'Born' box</p>"
                                 "<p>NOTE: To change the date input format use <b>Preferences</b> (on the <b>File</b> "
                                 "menu). The current date format is 'mm/dd/yyyy'</p>";
    QTest::newRow("required folder") << "path" << " " << qint32(0x3005) << "Folder"
                                     << "<p>A folder name is required in the 'Folder' box</p>";
}

void TestCmnDataExchange::refusesWithLabelledMessage()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(qint32, flags);
    QFETCH(QString, label);
    QFETCH(QString, message);

    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2024, 7, 4), QLocale::c()));
    const CTestMessageBoxScope boxes;
    CLineEditWindow window;
    window.m_Edit->setText(text);
    CCmnDataExchange context(true);
    context.m_OwnerWidget = &window.m_Window;

    QVERIFY(!SaveBox(box, context, window.m_Edit, flags, label));
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &request = boxes.Requests().first();
    QCOMPARE(request.m_Text, message);
    QCOMPARE(request.m_Icon, QMessageBox::Warning);
    QCOMPARE(request.m_Title, kProduct);
    QCOMPARE(request.m_Parent, &window.m_Window);
    QCOMPARE(window.m_Window.focusWidget(), window.m_Edit);
    QCOMPARE(window.m_Edit->selectedText(), window.m_Edit->text());
}

void TestCmnDataExchange::integerBoxes_data()
{
    QTest::addColumn<bool>("longBox");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<qint32>("expected");
    QTest::addColumn<bool>("refused");

    constexpr qint32 kMin = std::numeric_limits<qint32>::min();
    constexpr qint32 kMax = std::numeric_limits<qint32>::max();
    constexpr qint32 kOld = 1234;
    QTest::newRow("int keeps its lowest value") << false << "-2147483648" << 0 << kMin << false;
    QTest::newRow("long stops one above") << true << "-2147483648" << 0 << -kMax << false;
    QTest::newRow("int beyond 32 bits clamps") << false << "4294967296" << 0 << kMax << false;
    QTest::newRow("long far below clamps") << true << "-9223372036854775808" << 0 << -kMax << false;
    QTest::newRow("beyond 64 bits refused") << true << "-9223372036854775809" << 0 << kOld << true;
    QTest::newRow("empty optional takes default") << false << "" << 0 << 7 << false;
    QTest::newRow("letters refused, value untouched") << false << "x" << 0 << kOld << true;
    QTest::newRow("minimum checked on equal limits") << false << "-1" << int(CmnExchangeCheckMinimum) << kOld << true;
}

void TestCmnDataExchange::integerBoxes()
{
    QFETCH(bool, longBox);
    QFETCH(QString, text);
    QFETCH(qint32, flags);
    QFETCH(qint32, expected);
    QFETCH(bool, refused);

    const CTestMessageBoxScope boxes;
    QLineEdit edit;
    edit.setText(text);
    const CCmnDataExchange context(true);
    qint32 value = 1234;
    const bool taken = longBox ? context.ExchangeLongLineEdit(&value, &edit, flags, 7, 0, 0)
                               : context.ExchangeIntLineEdit(&value, &edit, flags, 7, 0, 0);
    QCOMPARE(taken, !refused);
    QCOMPARE(value, expected);
    QCOMPARE(boxes.Requests().size(), refused ? 1 : 0);
}

void TestCmnDataExchange::skippedValidationTakesWhatItFinds()
{
    const CTestMessageBoxScope boxes;
    QLineEdit edit("letters");
    CCmnDataExchange context(true);
    context.m_SkipValidation = true;

    qint32 number = 0;
    QVERIFY(context.ExchangeIntLineEdit(&number, &edit, CmnExchangeRequired, 7, 5, 10));
    QCOMPARE(number, 7);
    QString path;
    edit.setText("/no/such/file");
    QVERIFY(context.ExchangePathLineEdit(&path, &edit, CmnExchangeRequired | CmnExchangeFile));
    QCOMPARE(path, QString("/no/such/file"));
    QCOMPARE(boxes.Requests().size(), 0);
}

void TestCmnDataExchange::charEscapeRoundTrip()
{
    QLineEdit edit;
    edit.setText("\\n");
    QChar value;
    QVERIFY(CCmnDataExchange(true).ExchangeCharLineEdit(&value, &edit, CmnExchangeLineFeedEscape));
    QCOMPARE(value, QChar(u'\n'));

    edit.clear();
    QVERIFY(CCmnDataExchange(false).ExchangeCharLineEdit(&value, &edit, CmnExchangeLineFeedEscape | CmnExchangeSelectAll));
    QCOMPARE(edit.text(), QString("\\n"));
    QCOMPARE(edit.selectedText(), QString("\\n"));
}

void TestCmnDataExchange::pathQuestionAnswered_data()
{
    QTest::addColumn<qint32>("answer");
    QTest::addColumn<bool>("taken");
    QTest::newRow("yes accepts the file") << qint32(QMessageBox::Yes) << true;
    QTest::newRow("no keeps the dialog open") << qint32(QMessageBox::No) << false;
}

void TestCmnDataExchange::pathQuestionAnswered()
{
    QFETCH(qint32, answer);
    QFETCH(bool, taken);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString file = folder.filePath("herd.csv");
    QFile created(file);
    QVERIFY(created.open(QIODevice::WriteOnly));
    created.close();

    CTestMessageBoxScope boxes;
    boxes.Answer(answer);
    CCmnDialogEx dialog;
    dialog.setWindowTitle("Export Folder");
    auto *edit = new QLineEdit(&dialog);
    edit->setText(file);
    const CCmnDataExchange context(true, &dialog);
    QString value;

    QCOMPARE(context.ExchangePathLineEdit(&value, edit, 0x3005, "Folder"), taken);
    QCOMPARE(value, file);
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &request = boxes.Requests().first();
    QCOMPARE(request.m_Text, QString("<p><p>%1 is a file, but a folder name is expected</p></p>"
                                     "<p>Do you wish to continue anyway?</p>").arg(file));
    QCOMPARE(request.m_Icon, QMessageBox::Question);
    QCOMPARE(request.m_Title, QString("Export Folder"));
    QCOMPARE(request.m_Parent, &dialog);
    QCOMPARE(request.m_Buttons.at(request.m_DefaultButton).m_StandardButton, qint32(QMessageBox::No));
    QCOMPARE(dialog.focusWidget(), edit);
}

void TestCmnDataExchange::loadsLineEdits()
{
    const CCmnDataExchange load(false);
    QLineEdit edit;

    double real = 2.5;
    QVERIFY(load.ExchangeDoubleLineEdit(&real, &edit, 0, 0, 0, 0, QString(), 2));
    QCOMPARE(edit.text(), QString("2.50"));
    float share = 0.25f;
    QVERIFY(load.ExchangeFloatLineEdit(&share, &edit, 0, 0, 0, 0, QString(), 1));
    QCOMPARE(edit.text(), QString("25.0%"));
    qint32 number = -42;
    QVERIFY(load.ExchangeIntLineEdit(&number, &edit, CmnExchangeSelectAll, 0, 0, 0));
    QCOMPARE(edit.text(), QString("-42"));
    QCOMPARE(edit.selectedText(), QString("-42"));
    CCmnDate born;
    QVERIFY(born.SetGregorianYmd(4, 7, 2024));
    QVERIFY(load.ExchangeDateLineEdit(&born, &edit, 0, "[[dd/]mm/]yyyy"));
    QCOMPARE(edit.text(), QString("04/07/2024"));
    born = CCmnDate();
    QVERIFY(load.ExchangeDateLineEdit(&born, &edit, 0, QString()));
    QCOMPARE(edit.text(), QString());

    // A float percentage is read back through the same routine, narrowed to float.
    edit.setText("12.5 %");
    QVERIFY(CCmnDataExchange(true).ExchangeFloatLineEdit(&share, &edit, 0, 0, 0, 1, QString(), 1));
    QCOMPARE(share, 0.125f);
}

void TestCmnDataExchange::buttonsAndSpinBoxes()
{
    QCheckBox check;
    QCheckBox flag;
    QWidget group;   // siblings, so that checking one unchecks the others
    QRadioButton first(&group);
    QRadioButton second(&group);
    QRadioButton third(&group);
    QSpinBox spin;
    spin.setRange(0, 100);
    QSlider slider;
    slider.setRange(0, 100);
    QDoubleSpinBox percent;
    percent.setRange(0, 100);

    bool checked = true;
    qint32 mask = 0x5;
    qint32 choice = 2;
    qint32 count = 17;
    qint32 position = 33;
    double fraction = 0.25;
    const CCmnDataExchange load(false);
    QVERIFY(load.ExchangeCheckBox(&checked, &check));
    QVERIFY(load.ExchangeFlagCheckBox(&mask, 0x4, &flag));
    QVERIFY(load.ExchangeRadio3(&choice, &first, &second, &third));
    QVERIFY(load.ExchangeSpinBox(&count, &spin));
    QVERIFY(load.ExchangeSlider(&position, &slider));
    QVERIFY(load.ExchangePercentSpinBoxDouble(&fraction, &percent, QString(), 1));
    QVERIFY(check.isChecked());
    QVERIFY(flag.isChecked());
    QVERIFY(second.isChecked());   // 2 is the second button
    QCOMPARE(spin.value(), 17);
    QCOMPARE(slider.value(), 33);
    QCOMPARE(percent.value(), 25.0);
    QCOMPARE(percent.decimals(), 1);

    flag.setChecked(false);
    third.setChecked(true);
    percent.setValue(50);
    const CCmnDataExchange save(true);
    QVERIFY(save.ExchangeFlagCheckBox(&mask, 0x4, &flag));
    QVERIFY(save.ExchangeRadio3(&choice, &first, &second, &third));
    QVERIFY(save.ExchangePercentSpinBoxDouble(&fraction, &percent));
    QCOMPARE(mask, 0x1);           // the other bit untouched
    QCOMPARE(choice, 1);           // the third button is 1
    QCOMPARE(fraction, 0.5);

    bool secondChosen = true;
    QVERIFY(load.ExchangeRadioPair(&secondChosen, &first, &second));
    QVERIFY(second.isChecked());
    QVERIFY(!first.isChecked());
}

void TestCmnDataExchange::comboBoxes()
{
    const CTestMessageBoxScope boxes;
    QComboBox combo;
    combo.addItem("Dogs", 10);
    combo.addItem("Cats", 20);
    const CCmnDataExchange load(false);
    const CCmnDataExchange save(true);

    qint32 species = 20;
    QVERIFY(CmnExchangeComboByData(&load, &species, &combo));
    QCOMPARE(combo.currentIndex(), 1);
    species = 99;   // no item holds it: the first item
    QVERIFY(CmnExchangeComboByData(&load, &species, &combo));
    QCOMPARE(combo.currentIndex(), 0);
    QVERIFY(CmnExchangeComboByData(&save, &species, &combo));
    QCOMPARE(species, 10);

    QString key = "20";
    QVERIFY(load.ExchangeComboText(&key, &combo, CmnExchangeByItemData));
    QCOMPARE(combo.currentIndex(), 1);
    key = "30";
    QVERIFY(load.ExchangeComboText(&key, &combo, CmnExchangeByItemData));
    QCOMPARE(combo.currentIndex(), -1);
    QVERIFY(save.ExchangeComboText(&key, &combo, CmnExchangeByItemData));
    QCOMPARE(key, QString());

    QComboBox editable;
    editable.setEditable(true);
    editable.addItem("Dogs");
    QString breed = "dogs";   // case counts: no item matches
    QVERIFY(load.ExchangeComboText(&breed, &editable, CmnExchangeSelectAll));
    QCOMPARE(editable.currentText(), QString("dogs"));
    editable.setEditText("  ");
    QVERIFY(!save.ExchangeComboText(&breed, &editable, CmnExchangeRequired | CmnExchangeTrim, "Breed"));
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Text, QString("<p>The 'Breed' box must be filled in</p>"));

    QTextEdit notes;
    QString text;
    QVERIFY(!save.ExchangeTextEdit(&text, &notes, CmnExchangeRequired, QString()));
    QCOMPARE(boxes.Requests().last().m_Text, QString("<p>This box may not be empty</p>"));
}

void TestCmnDataExchange::pickers()
{
    TCmnItemChoices<QColor> colors = *CmnGetBasicColors();
    CCmnColorButton colorButton(&colors, 0, QString());
    QColor color = colors.NamedChoices().last().m_Value;
    QVERIFY(CCmnDataExchange(false).ExchangeColorButton(&color, &colorButton));
    QCOMPARE(colorButton.Value(), color);
    colorButton.SetColor(Qt::darkRed);
    QVERIFY(CCmnDataExchange(true).ExchangeColorButton(&color, &colorButton));
    QCOMPARE(color, QColor(Qt::darkRed));

    CCmnPixmapButton pixmapButton(CmnGetPixmapChoices(), 0, QString());
    QString image = CmnGetPixmapChoices()->NamedChoices().last().m_Value;
    QVERIFY(CCmnDataExchange(false).ExchangePixmapButton(&image, &pixmapButton));
    QCOMPARE(pixmapButton.Value(), image);
    pixmapButton.SetFilename(CmnGetPixmapChoices()->NamedChoices().first().m_Value);
    QVERIFY(CCmnDataExchange(true).ExchangePixmapButton(&image, &pixmapButton));
    QCOMPARE(image, CmnGetPixmapChoices()->NamedChoices().first().m_Value);
}

void TestCmnDataExchange::messageGoesToOwnerAndShowsListRow()
{
    const CTestMessageBoxScope boxes;
    CCmnDialogEx dialog;
    QWidget owner;
    QListWidget list;
    list.addItems({"Sire", "Dam", "Breeder"});
    QLineEdit edit;

    CCmnDataExchange context(true, &dialog);
    context.m_ListWidget = &list;
    context.m_ListRow = 2;
    QVERIFY(!context.ShowInvalidLineEdit("Bad here", "Bad in '%1'", "Name", QString(), &edit));
    QCOMPARE(list.currentRow(), 2);
    QCOMPARE(boxes.Requests().last().m_Parent, &dialog);

    context.m_OwnerWidget = &owner;
    QVERIFY(!context.ShowInvalidWidget("Bad here", QString(), "Name", QString(), nullptr));
    QCOMPARE(boxes.Requests().last().m_Parent, &owner);
    QCOMPARE(boxes.Requests().last().m_Text, QString("<p>Bad here</p>"));
}

void TestCmnDataExchange::formatsMessage_data()
{
    QTest::addColumn<QString>("inBox");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("expected");
    QTest::newRow("label fills the in-box form") << "Fill in '%1'" << "Name" << "" << "<p>Fill in 'Name'</p>";
    QTest::newRow("no label: here form") << "Fill in '%1'" << "" << "" << "<p>Fill here</p>";
    QTest::newRow("no in-box form: here form") << "" << "Name" << "" << "<p>Fill here</p>";
    QTest::newRow("note wrapped") << "" << "" << "See the preferences" << "<p>Fill here</p><p>See the preferences</p>";
    QTest::newRow("paragraph note kept") << "" << "" << "<p>A</p><p>B</p>" << "<p>Fill here</p><p>A</p><p>B</p>";
}

void TestCmnDataExchange::formatsMessage()
{
    QFETCH(QString, inBox);
    QFETCH(QString, label);
    QFETCH(QString, note);
    QFETCH(QString, expected);
    QCOMPARE(CCmnDataExchange::FormatMessage("Fill here", inBox, label, note), expected);
}

void TestCmnDataExchange::messagesShowUserTextAsTyped_data()
{
    OrvAddUserTextColumn();
}

// A path the user typed and a box label the user named both reach the warning as typed.
void TestCmnDataExchange::messagesShowUserTextAsTyped()
{
    QFETCH(QString, typed);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(typed);

    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    CCmnDialogEx dialog;
    auto *edit = new QLineEdit(&dialog);
    edit->setText(path);
    const CCmnDataExchange context(true, &dialog);
    QString value;
    QVERIFY(!context.ExchangePathLineEdit(&value, edit, 0x3005, typed));
    edit->clear();
    QVERIFY(!context.ExchangePathLineEdit(&value, edit, 0x3005, typed));

    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(OrvShownRichText(boxes.Requests().at(0).m_Text),
             QStringLiteral("Folder %1 not found (or cannot be accessed)\nDo you wish to continue anyway?").arg(path));
    QCOMPARE(OrvShownRichText(boxes.Requests().at(1).m_Text),
             QStringLiteral("A folder name is required in the '%1' box").arg(typed));
}

QTEST_MAIN(TestCmnDataExchange)
#include "tst_cmndataexchange.moc"
