#include "../cmn/regwidgets/fieldssettingstesting.h"
#include "bioboxkindcatalogue.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmnframework.h"
#include "cmnhighlightctrl.h"
#include "cmnlistwidget.h"
#include "cmnpushbutton.h"
#include "cmnregfieldssettingsformfieldordertab.h"
#include "cmnregfieldssettingsrecorddetailslayouttab.h"
#include "cmnregfieldssettingsselectrecordlayouttab.h"
#include "cmnregfieldssettingsuserfieldsctrl.h"
#include "cmnregfieldssettingsuserfieldstab.h"
#include "cmnreguserfieldset.h"
#include "cmntabwidget.h"
#include "cmnwhatsthistexts.h"
#include "documentgeneralsettingstab.h"
#include "documentsettingsdialog.h"
#include "nameditemstesting.h"
#include "preferencestesting.h"
#include "programstartup.h"
#include "rendertesting.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "teststringentry.h"
#include "usertexts.h"

#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

const QString kTyped = QStringLiteral("Smith & Jones <UK>");
const QString kUseDefaultsQuestion = QStringLiteral(
    "<p>This will set all file settings to their defaults.</p><p>Amongst other things <b>this will delete ALL user "
    "defined fields you may have added to the data file</b>.</p><p>Are you sure you want to do this?</p>");

// Document settings that differ from the defaults in every tab's part.
CDocumentSettings ChangedSettings(int userFields = 1)
{
    CDocumentSettings settings;
    settings.m_GeneralSettings.m_EmbedPhotos = true;
    settings.m_GeneralSettings.m_NameDisplay.m_IncludeSuffix = false;
    settings.m_GeneralSettings.m_NameDisplay.m_TitleHighlight = CCmnHighlight::Preset(2);
    CCmnRegUserFieldSet fields;
    fields.AddField(kTyped, CCmnRegUserField(1, CCmnRegFieldDef(CmnRegFieldText, CCmnRegFieldDef::kDefaultFlags)));
    for (int id = 2; id <= userFields; ++id)
        fields.AddField(QStringLiteral("Field %1").arg(id, 3, 10, QLatin1Char('0')),
                        CCmnRegUserField(id, CCmnRegFieldDef(CmnRegFieldText, CCmnRegFieldDef::kDefaultFlags)));
    settings.m_FieldsSettings.SetUserFields(fields);
    // As a document holds them: every derived part up to date.
    settings.m_FieldsSettings = OrvSettled(settings.m_FieldsSettings);
    return settings;
}

QStringList FieldListTexts(CCmnTab *tab)
{
    if (auto *order = qobject_cast<CCmnRegFieldsSettingsFormFieldOrderTab *>(tab))
        return OrvListWidgetTexts(order->FieldListCtrl()->ListWidget());
    return OrvListWidgetTexts(static_cast<CCmnRegFieldsSettingsLayoutTab *>(tab)->FieldListCtrl()->ListWidget());
}

} // namespace

class TestDocumentSettingsDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tabsAndTitle_data();
    void tabsAndTitle();
    void useDefaults_data();
    void useDefaults();
    void okWithoutChangeGivesBackTheSettings();
    void generalTabEditsItsPart();
    void newUserFieldReachesOrderAndLayoutTabs();
    void userFieldNameShownUnmangled();
    void fullDocumentTakesNoMoreUserFields();
    void withoutDocumentTellsFirstAndReplacesDefaults_data();
    void withoutDocumentTellsFirstAndReplacesDefaults();
    void generalTabHelpCoversEveryControl();
    void rendersForReview();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestDocumentSettingsDialog::initTestCase()
{
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    CmnInitFramework(descriptor);
}

void TestDocumentSettingsDialog::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CreateProgramSettings();
}

void TestDocumentSettingsDialog::cleanup()
{
    DestroyProgramSettings();
    m_Settings.reset();
}

void TestDocumentSettingsDialog::tabsAndTitle_data()
{
    QTest::addColumn<bool>("document");
    QTest::newRow("document open") << true;
    QTest::newRow("no document") << false;
}

void TestDocumentSettingsDialog::tabsAndTitle()
{
    QFETCH(bool, document);

    const QSharedPointer<CBioReg> reg = document ? OrvNewBioReg() : QSharedPointer<CBioReg>();
    CDocumentSettingsDialog dialog(reg);
    dialog.Prepare();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("File Settings"));
    QCOMPARE(OrvTabLabels(dialog), (QStringList{"General", "User Fields", "System Fields", "Form Field Order",
                                             "Details Window Layout", "Select Window Layout"}));
    QCOMPARE(OrvResetButton(dialog, QStringLiteral("Use Defaults")) != nullptr, document);
    QCOMPARE(dialog.GeneralTab()->HelpPage(), QStringLiteral("CDocumentGeneralSettingsTab.html"));
    if (document) {
        QCOMPARE(dialog.FieldsRegister(), reg);
    } else {
        // The field tabs try their layouts on a register of the default fields.
        QVERIFY(dialog.FieldsRegister());
        QCOMPARE(dialog.FieldsRegister()->GetFieldContexts(), BoxKindCatalogue());
        QVERIFY(!dialog.FieldsRegister()->GetFieldsSettings().GetSystemFields().isEmpty());
    }
}

void TestDocumentSettingsDialog::useDefaults_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes);
    QTest::newRow("No") << int(QMessageBox::No);
}

void TestDocumentSettingsDialog::useDefaults()
{
    QFETCH(int, answer);

    CTestMessageBoxScope boxes;
    boxes.Answer(answer);
    CDocumentSettingsDialog dialog(OrvNewBioReg());
    dialog.m_EditedSettings = ChangedSettings();
    dialog.m_DefaultSettings.m_GeneralSettings.m_NameDisplay.m_TitleHighlight = CCmnHighlight::Preset(5);
    const CDocumentSettings defaults = dialog.m_DefaultSettings;
    dialog.Prepare();
    dialog.show();
    // Whatever the tabs show is not saved.
    dialog.GeneralTab()->EmbedPicsCheckBox()->setChecked(false);
    OrvResetButton(dialog, QStringLiteral("Use Defaults"))->click();

    OrvCompareResetQuestion(boxes, kUseDefaultsQuestion);
    if (QTest::currentTestFailed())
        return;
    if (answer == QMessageBox::No) {
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.m_EditedSettings, ChangedSettings());
        return;
    }
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.ResetDone());
    QCOMPARE(dialog.m_EditedSettings, defaults);
}

void TestDocumentSettingsDialog::okWithoutChangeGivesBackTheSettings()
{
    const CDocumentSettings original = ChangedSettings(3);
    CDocumentSettingsDialog dialog(OrvNewBioReg());
    dialog.m_EditedSettings = original;
    dialog.Prepare();
    // Every tab shown once, as a user looking through them would.
    for (int i = 0; i < dialog.TabWidget()->count(); ++i)
        dialog.TabWidget()->setCurrentIndex(i);
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_EditedSettings, original);
    QCOMPARE(dialog.m_EditedSettings.ToHash(), original.ToHash());
}

void TestDocumentSettingsDialog::generalTabEditsItsPart()
{
    CDocumentSettingsDialog dialog(OrvNewBioReg());
    dialog.Prepare();
    CDocumentGeneralSettingsTab *tab = dialog.GeneralTab();
    QVERIFY(tab->IncludeSuffixCheckBox()->isChecked());
    QVERIFY(!tab->EmbedPicsCheckBox()->isChecked());
    QCOMPARE(tab->HighlightCtrl()->SampleText(), QStringLiteral("CH. Bonzo"));
    QCOMPARE(tab->HighlightCtrl()->Flags(), 6);
    QCOMPARE(tab->HighlightCtrl()->LayoutForm(), 3);

    tab->IncludeSuffixCheckBox()->setChecked(false);
    tab->EmbedPicsCheckBox()->setChecked(true);
    tab->HighlightCtrl()->ComboBox()->setCurrentIndex(1);
    tab->HighlightCtrl()->Slot_activated_ComboBox(1);
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();

    const CDocumentGeneralSettings &general = dialog.m_EditedSettings.m_GeneralSettings;
    QVERIFY(!general.m_NameDisplay.m_IncludeSuffix);
    QVERIFY(general.m_EmbedPhotos);
    QCOMPARE(general.m_NameDisplay.m_TitleHighlight, CCmnHighlight::Preset(1));
}

void TestDocumentSettingsDialog::newUserFieldReachesOrderAndLayoutTabs()
{
    CTestMessageBoxScope boxes;
    COrvFieldDialogUser user;
    CTestDialogRunnerScope runner(user.Runner());
    CDocumentSettingsDialog dialog({});
    dialog.Prepare();
    dialog.UserFieldsTab()->UserFieldsCtrl()->SetStringEntryFactory(CTestStringEntryScript().Factory());
    dialog.TabWidget()->setCurrentWidget(dialog.UserFieldsTab());
    user.Ok(kTyped, [](CCmnRegFieldConfDialog &) {});
    dialog.UserFieldsTab()->UserFieldsCtrl()->AddButton()->click();
    QCOMPARE(OrvListWidgetTexts(dialog.UserFieldsTab()->UserFieldsCtrl()->ListWidget()), QStringList{kTyped});

    for (CCmnTab *tab : QList<CCmnTab *>{dialog.FormFieldOrderTab(), dialog.RecordDetailsLayoutTab(),
                                         dialog.SelectRecordLayoutTab()}) {
        dialog.TabWidget()->setCurrentWidget(tab);
        QVERIFY2(FieldListTexts(tab).contains(kTyped), qPrintable(FieldListTexts(tab).join(", ")));
    }
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_EditedSettings.m_FieldsSettings.GetUserFields().FindField(kTyped, Qt::CaseSensitive), 0);
}

void TestDocumentSettingsDialog::userFieldNameShownUnmangled()
{
    CDocumentSettingsDialog dialog(OrvNewBioReg());
    dialog.m_EditedSettings = ChangedSettings();
    dialog.Prepare();
    dialog.TabWidget()->setCurrentWidget(dialog.UserFieldsTab());
    QCOMPARE(OrvListWidgetTexts(dialog.UserFieldsTab()->UserFieldsCtrl()->ListWidget()), QStringList{kTyped});
    dialog.TabWidget()->setCurrentWidget(dialog.FormFieldOrderTab());
    QVERIFY(FieldListTexts(dialog.FormFieldOrderTab()).contains(kTyped));
}

void TestDocumentSettingsDialog::fullDocumentTakesNoMoreUserFields()
{
    CTestMessageBoxScope boxes;
    COrvFieldDialogUser user;
    CTestDialogRunnerScope runner(user.Runner());
    CDocumentSettingsDialog dialog(OrvNewBioReg());
    dialog.m_EditedSettings = ChangedSettings(200);
    dialog.Prepare();
    dialog.TabWidget()->setCurrentWidget(dialog.UserFieldsTab());
    CCmnRegFieldsSettingsUserFieldsCtrl *ctrl = dialog.UserFieldsTab()->UserFieldsCtrl();
    QCOMPARE(ctrl->ListWidget()->count(), 200);
    QVERIFY(!ctrl->AddButton()->isEnabled());
    user.Ok(QStringLiteral("One Too Many"));
    ctrl->Slot_clicked_Add();
    QCOMPARE(user.m_Shown.size(), 0);
    QCOMPARE(ctrl->ListWidget()->count(), 200);
}

void TestDocumentSettingsDialog::withoutDocumentTellsFirstAndReplacesDefaults_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestDocumentSettingsDialog::withoutDocumentTellsFirstAndReplacesDefaults()
{
    QFETCH(bool, accept);

    CTestMessageBoxScope boxes;
    QStringList seen;
    CTestDialogRunnerScope runner([&](QDialog &shown) {
        auto &dialog = dynamic_cast<CDocumentSettingsDialog &>(shown);
        seen << QStringLiteral("dialog after %1 message(s), %2 Use Defaults")
                    .arg(boxes.Requests().size())
                    .arg(OrvResetButton(dialog, QStringLiteral("Use Defaults")) ? "with" : "without");
        dialog.GeneralTab()->EmbedPicsCheckBox()->setChecked(true);
        dialog.ButtonBox()->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        return dialog.result();
    });
    CDocumentSettings defaults;
    QCOMPARE(EditDefaultDocumentSettings(defaults, nullptr), accept);

    QCOMPARE(seen, QStringList{"dialog after 1 message(s), without Use Defaults"});
    QCOMPARE(boxes.Texts(), QStringList{"There is no file open. Changing the file settings will alter the "
                                        "<b>default</b> settings when you create a new file."});
    QCOMPARE(boxes.Requests().first().m_Icon, QMessageBox::Information);
    QCOMPARE(defaults.m_GeneralSettings.m_EmbedPhotos, accept);
}

void TestDocumentSettingsDialog::generalTabHelpCoversEveryControl()
{
    CmnLoadWhatsThisTexts();
    CDocumentSettingsDialog dialog(OrvNewBioReg());
    dialog.Prepare();
    CDocumentGeneralSettingsTab *tab = dialog.GeneralTab();
    for (QWidget *widget : QList<QWidget *>{tab->HighlightCtrl()->ComboBox(), tab->IncludeSuffixCheckBox(),
                                            tab->EmbedPicsCheckBox()})
        QVERIFY2(!widget->whatsThis().isEmpty(), widget->metaObject()->className());
    QVERIFY(tab->EmbedPicsCheckBox()->whatsThis().contains(QStringLiteral("copied into this data file")));
}

void TestDocumentSettingsDialog::rendersForReview()
{
    CDocumentSettingsDialog dialog(OrvNewBioReg());
    dialog.m_EditedSettings = ChangedSettings(2);
    dialog.Prepare();
    QVERIFY(OrvRenderForReview(dialog, QSize(), QStringLiteral("documentsettings-general.png")));
    dialog.TabWidget()->setCurrentWidget(dialog.UserFieldsTab());
    QVERIFY(OrvRenderForReview(dialog, QSize(), QStringLiteral("documentsettings-userfields.png")));
    dialog.TabWidget()->setCurrentWidget(dialog.RecordDetailsLayoutTab());
    QVERIFY(OrvRenderForReview(dialog, QSize(), QStringLiteral("documentsettings-details.png")));
}

QTEST_MAIN(TestDocumentSettingsDialog)
#include "tst_documentsettingsdialog.moc"
