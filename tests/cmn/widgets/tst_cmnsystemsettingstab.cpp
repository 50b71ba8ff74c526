#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmndateformats.h"
#include "cmndateprovider.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmnmessageboxes.h"
#include "cmnpushbutton.h"
#include "cmnsystemsettings.h"
#include "cmnsystemsettingstab.h"
#include "cmnwhatsthistexts.h"
#include "preferencestesting.h"
#include "testmessageboxscope.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class CPreferencesDialog : public TOrvPreferencesDialog<CCmnSystemSettings, CCmnSystemSettingsTab>
{
public:
    CPreferencesDialog()
        : TOrvPreferencesDialog(*CmnGetSystemSettings(), CmnAssignSystemSettings, "General")
    {
    }
};

} // namespace

class TestCmnSystemSettingsTab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void offersEveryInputFormatWithExample();
    void dateFormatExample_data();
    void dateFormatExample();
    void labelsAndHelpNames();
    void builtInHelpCoversEveryControl();
    void loadsAndSavesByItemData();
    void unknownFormatSurvivesSave();
    void resetThenCancelKeepsAnswers();
    void resetThenOkClearsAnswers();
};

void TestCmnSystemSettingsTab::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestCmnSystemSettingsTab::init()
{
    CmnCreateSystemSettings();
    CCmnSystemSettings *settings = CmnGetSystemSettings();
    settings->m_DateInputFormat = "[[dd/]mm/]yyyy";
    settings->m_MeasurementUnits = 1;
    settings->SetDontAskAgainResult(106, QMessageBox::Ok);
    settings->SetDontAskAgainResult(103, QMessageBox::Ok);
}

void TestCmnSystemSettingsTab::cleanup()
{
    CmnDestroySystemSettings();
}

void TestCmnSystemSettingsTab::offersEveryInputFormatWithExample()
{
    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2021, 3, 5), QLocale::c()));
    CCmnSystemSettings settings;
    CCmnSystemSettingsTab tab(&settings);
    tab.CreateControls();

    const CCmnComboBox *combo = tab.DateFormatComboBox();
    const QStringList &formats = CmnGetDateInputFormats();
    QCOMPARE(formats.size(), 96);
    QCOMPARE(combo->count(), 96);
    for (int i = 0; i < combo->count(); ++i) {
        QCOMPARE(combo->itemData(i).toString(), formats.at(i));
        const QString text = combo->itemText(i);
        QVERIFY2(text.contains(" E.g. '") && text.endsWith("'"), qPrintable(text));
        QVERIFY2(!text.contains('[') && !text.contains(']'), qPrintable(text));
    }
}

void TestCmnSystemSettingsTab::dateFormatExample_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("day first") << "[[dd/]mm/]yyyy" << "dd/mm/yyyy E.g. '05/03/2021'";
    QTest::newRow("month first, short") << "[m/[d/]]yy" << "m/d/yy E.g. '3/5/21'";
    QTest::newRow("month name, dashes") << "[[d-]mmm-]yyyy" << "d-mmm-yyyy E.g. '5-Mar-2021'";
    QTest::newRow("full month, blanks") << "[mmmm [dd ]]yyyy" << "mmmm dd yyyy E.g. 'March 05 2021'";
}

void TestCmnSystemSettingsTab::dateFormatExample()
{
    QFETCH(QString, format);
    QFETCH(QString, text);
    const CCmnDateProviderScope today(CCmnDateProvider(QDate(2021, 3, 5), QLocale::c()));
    CCmnSystemSettings settings;
    CCmnSystemSettingsTab tab(&settings);
    tab.CreateControls();

    const int index = tab.DateFormatComboBox()->findData(format);
    QVERIFY(index >= 0);
    QCOMPARE(tab.DateFormatComboBox()->itemText(index), text);
}

void TestCmnSystemSettingsTab::labelsAndHelpNames()
{
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({
        {"CCmnSystemSettingsTab.html:DateFormat", "date help"},
        {"CCmnSystemSettingsTab.html:MeasurementUnit", "unit help"},
        {"CCmnSystemSettingsTab.html:ResetMessagePrompts", "reset help"},
    });
    CCmnSystemSettings settings;
    CCmnSystemSettingsTab tab(&settings);
    tab.CreateControls();
    CmnSetWhatsThisTexts(previous);

    QCOMPARE(tab.HelpPage(), QString("CCmnSystemSettingsTab.html"));
    QVERIFY(tab.DateFormatComboBox()->whatsThis().contains("date help"));
    QVERIFY(tab.MeasurementUnitComboBox()->whatsThis().contains("unit help"));
    QVERIFY(tab.ResetMessagePromptsButton()->whatsThis().contains("reset help"));

    QLabel *dateLabel = OrvBuddyLabelOf(&tab, tab.DateFormatComboBox());
    QLabel *unitLabel = OrvBuddyLabelOf(&tab, tab.MeasurementUnitComboBox());
    QVERIFY(dateLabel && unitLabel);
    // Accelerators are given when the layout is finished, so compare without them.
    QCOMPARE(dateLabel->text().remove('&'), QString("Date format:"));
    QCOMPARE(unitLabel->text().remove('&'), QString("Measurement units:"));
    QCOMPARE(tab.ResetMessagePromptsButton()->text().remove('&'), QString("Reset \"Don't Ask Again\" Prompts"));

    const CCmnComboBox *units = tab.MeasurementUnitComboBox();
    QCOMPARE(units->count(), 3);
    QCOMPARE(units->itemText(0), QString("Inches"));
    QCOMPARE(units->itemData(2).toInt(), 2);
}

void TestCmnSystemSettingsTab::builtInHelpCoversEveryControl()
{
    CmnInitFramework(CmnGetAppDescriptor());
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CCmnSystemSettings settings;
    CCmnSystemSettingsTab tab(&settings);
    tab.CreateControls();
    CmnSetWhatsThisTexts(previous);

    QVERIFY(tab.HasWhatsThis());
    for (const QWidget *widget : QList<const QWidget *>{tab.DateFormatComboBox(), tab.MeasurementUnitComboBox(),
                                                       tab.ResetMessagePromptsButton()})
        QVERIFY2(!widget->whatsThis().isEmpty(), qPrintable(widget->metaObject()->className()));
}

void TestCmnSystemSettingsTab::loadsAndSavesByItemData()
{
    CPreferencesDialog dialog;
    dialog.Prepare();
    CCmnSystemSettingsTab *tab = dialog.m_Tab;
    QCOMPARE(tab->DateFormatComboBox()->currentData().toString(), QString("[[dd/]mm/]yyyy"));
    QCOMPARE(tab->MeasurementUnitComboBox()->currentData().toInt(), 1);

    tab->DateFormatComboBox()->setCurrentIndex(tab->DateFormatComboBox()->findData("[mm-[dd-]]yy"));
    tab->MeasurementUnitComboBox()->setCurrentIndex(tab->MeasurementUnitComboBox()->findData(2));
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(CmnGetSystemSettings()->m_DateInputFormat, QString("[mm-[dd-]]yy"));
    QCOMPARE(CmnGetSystemSettings()->m_MeasurementUnits, 2);
}

void TestCmnSystemSettingsTab::unknownFormatSurvivesSave()
{
    CmnGetSystemSettings()->m_DateInputFormat = "yyyy.mm.dd";
    CPreferencesDialog dialog;
    dialog.Prepare();
    QCOMPARE(dialog.m_Tab->DateFormatComboBox()->currentIndex(), -1);

    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(CmnGetSystemSettings()->m_DateInputFormat, QString("yyyy.mm.dd"));
}

void TestCmnSystemSettingsTab::resetThenCancelKeepsAnswers()
{
    CTestMessageBoxScope boxes;
    CPreferencesDialog dialog;
    dialog.Prepare();

    dialog.m_Tab->ResetMessagePromptsButton()->click();
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &message = boxes.Requests().first();
    QCOMPARE(message.m_Icon, QMessageBox::Information);
    QCOMPARE(message.m_Title, QString("Orvanta"));
    QCOMPARE(message.m_Text, QString("The \"Don't Ask Again\" preferences will now be reset to their defaults."));
    QCOMPARE(message.m_Options.m_MessageId, 0);
    QVERIFY(dialog.m_Copy.m_DontAskAgainResults.isEmpty());

    dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(CmnGetSystemSettings()->GetDontAskAgainResult(106), qint32(QMessageBox::Ok));
    QCOMPARE(CmnGetSystemSettings()->GetDontAskAgainResult(103), qint32(QMessageBox::Ok));
}

void TestCmnSystemSettingsTab::resetThenOkClearsAnswers()
{
    CTestMessageBoxScope boxes;
    {
        CPreferencesDialog dialog;
        dialog.Prepare();
        dialog.m_Tab->ResetMessagePromptsButton()->click();
        dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QVERIFY(CmnGetSystemSettings()->m_DontAskAgainResults.isEmpty());

    // A message whose answer was remembered shows again.
    CCmnMessageBoxOptions options;
    options.m_MessageId = 106;
    ShowRememberedMessage(QMessageBox::Information, nullptr, QString(), "Welcome", &options);
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(boxes.Requests().last().m_Text, QString("Welcome"));
}

QTEST_MAIN(TestCmnSystemSettingsTab)
#include "tst_cmnsystemsettingstab.moc"
