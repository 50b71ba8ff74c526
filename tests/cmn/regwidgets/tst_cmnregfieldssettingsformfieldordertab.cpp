#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmnframework.h"
#include "cmnlabel.h"
#include "cmnlistwidget.h"
#include "cmnpushbutton.h"
#include "cmnregfieldssettingsformfieldordertab.h"
#include "cmnwhatsthistexts.h"
#include "fieldssettingstesting.h"
#include "nameditemstesting.h"
#include "rendertesting.h"
#include "usertexts.h"

#include <QTest>

namespace {

using CDialog = TOrvFieldsSettingsDialog<CCmnRegFieldsSettingsFormFieldOrderTab>;

// The built-in fields, a user field "Title" named like the title field and one
// named "Smith & Jones <UK>", in a form order that puts the title first.
CCmnRegFieldsSettings WithTitleClash()
{
    CCmnRegFieldsSettings settings = BioTestDefaultFieldsSettings();
    CCmnRegUserFieldSet fields;
    fields.AddField("Title", CCmnRegUserField(1, CCmnRegFieldDef()));
    fields.AddField("Smith & Jones <UK>", CCmnRegUserField(2, CCmnRegFieldDef()));
    settings.SetUserFields(fields);
    settings.SetFormFieldOrder({-107, 1, 2, -103});
    return settings;
}

} // namespace

class TestCmnRegFieldsSettingsFormFieldOrderTab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsTheHeadingAndUpDownOnly();
    void fieldNamedLikeAnEarlierOneGoesToTheEnd();
    void movesFieldsUpAndDown();
    void cancelLeavesTheOrder();
    void rendersUserNames();
};

void TestCmnRegFieldsSettingsFormFieldOrderTab::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestCmnRegFieldsSettingsFormFieldOrderTab::init()
{
    BioCreateTerminology();
}

void TestCmnRegFieldsSettingsFormFieldOrderTab::cleanup()
{
    BioDestroyTerminology();
}

void TestCmnRegFieldsSettingsFormFieldOrderTab::showsTheHeadingAndUpDownOnly()
{
    CmnInitFramework(CmnGetAppDescriptor());
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CDialog dialog(BioTestDefaultFieldsSettings(), OrvNewBioReg(), "Form Field Order");
    dialog.Prepare();
    CmnSetWhatsThisTexts(previous);

    const CCmnRegFieldsSettingsFormFieldOrderTab::CFieldList *list = dialog.m_Tab->FieldListCtrl();
    QVERIFY(list->UpButton() && list->DownButton());
    QVERIFY(!list->AddButton() && !list->DeleteButton() && !list->RenameButton() && !list->EditButton());
    QVERIFY(!list->ListWidget()->whatsThis().isEmpty());
    QVERIFY(!list->UpButton()->whatsThis().isEmpty());
    QCOMPARE(dialog.m_Tab->HelpPage(), QStringLiteral("CCmnRegFieldsSettingsFormFieldOrderTab.html"));
    const QList<CCmnLabel *> labels = dialog.m_Tab->findChildren<CCmnLabel *>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(OrvShownLabelText(labels.first()),
             QStringLiteral("This list controls the order in which fields are output within printed forms. This "
                            "does not control the order or fields within the 'Animal Details' or 'Select Animal' "
                            "windows - to change those use the Details Window Layout and Select Window Layout "
                            "tabs (above)."));
}

void TestCmnRegFieldsSettingsFormFieldOrderTab::fieldNamedLikeAnEarlierOneGoesToTheEnd()
{
    CDialog dialog(WithTitleClash(), OrvNewBioReg(), "Form Field Order");
    dialog.Prepare();
    const QStringList shown = OrvListWidgetTexts(dialog.m_Tab->FieldListCtrl()->ListWidget());
    QCOMPARE(shown, QStringList({"Title", "Smith & Jones <UK>", "Date of Birth", "Inbreeding", "Suffix", "Dam",
                                 "Sire", "Date of Death", "Sex"}));
    QVERIFY(dialog.Ok());
    QCOMPARE(dialog.m_Copy.GetFieldsForContext(0),
             QList<int>({-107, 2, -103, -109, -108, -106, -105, -104, -102, 1}));
}

void TestCmnRegFieldsSettingsFormFieldOrderTab::movesFieldsUpAndDown()
{
    CDialog dialog(WithTitleClash(), OrvNewBioReg(), "Form Field Order");
    dialog.Prepare();
    CCmnRegFieldsSettingsFormFieldOrderTab::CFieldList *list = dialog.m_Tab->FieldListCtrl();
    list->ListWidget()->setCurrentRow(2);
    list->UpButton()->click();
    list->UpButton()->click();
    list->ListWidget()->setCurrentRow(8);
    QVERIFY(!list->DownButton()->isEnabled());
    list->UpButton()->click();
    QVERIFY(dialog.Ok());
    QCOMPARE(dialog.m_Copy.GetFieldsForContext(0),
             QList<int>({-103, -107, 2, -109, -108, -106, -105, -102, -104, 1}));
}

void TestCmnRegFieldsSettingsFormFieldOrderTab::cancelLeavesTheOrder()
{
    CDialog dialog(WithTitleClash(), OrvNewBioReg(), "Form Field Order");
    dialog.Prepare();
    dialog.m_Tab->FieldListCtrl()->ListWidget()->setCurrentRow(1);
    dialog.m_Tab->FieldListCtrl()->UpButton()->click();
    dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    CCmnRegFieldsSettings before = WithTitleClash();
    QCOMPARE(dialog.m_Copy.GetFieldsForContext(0), before.GetFieldsForContext(0));
}

void TestCmnRegFieldsSettingsFormFieldOrderTab::rendersUserNames()
{
    CCmnRegFieldsSettings settings = WithTitleClash();
    CCmnRegUserFieldSet fields = settings.GetUserFields();
    fields.AddField("Registered kennel affix, exactly as printed on the certificate", CCmnRegUserField(3, CCmnRegFieldDef()));
    settings.SetUserFields(fields);
    CDialog dialog(settings, OrvNewBioReg(), "Form Field Order");
    dialog.Prepare();
    QVERIFY(OrvRenderForReview(dialog, QSize(560, 420), "formfieldordertab.png"));
}

QTEST_MAIN(TestCmnRegFieldsSettingsFormFieldOrderTab)
#include "tst_cmnregfieldssettingsformfieldordertab.moc"
