#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmnframework.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnlistwidget.h"
#include "cmnpushbutton.h"
#include "cmnregfieldssettingsrecorddetailslayouttab.h"
#include "cmnregfieldssettingsselectrecordlayouttab.h"
#include "cmnsystemsettings.h"
#include "cmnwhatsthistexts.h"
#include "fieldssettingstesting.h"
#include "nameditemstesting.h"
#include "testmessageboxscope.h"
#include "rendertesting.h"
#include "usertexts.h"

#include <QTest>

namespace {

enum EKind { Details, Select };

// Shows no window: records each preview with the settings it was given.
class CPreviewReg : public CBioReg
{
public:
    CPreviewReg() : CBioReg(BioTestDefaultFieldsSettings()) {}

    void TestRecordDetailsLayout(const CCmnRegFieldsSettings &settings, QWidget *parent) override
    {
        m_Previews << QStringLiteral("details");
        m_Settings = settings;
        m_Parent = parent;
    }
    void TestSelectRecordLayout(const CCmnRegFieldsSettings &settings, QWidget *parent) override
    {
        m_Previews << QStringLiteral("select");
        m_Settings = settings;
        m_Parent = parent;
    }

    QStringList m_Previews;
    CCmnRegFieldsSettings m_Settings;
    QWidget *m_Parent = nullptr;
};

// The built-in fields and two user fields, all of them key fields: six fields
// of the record window, ten of the select window.
CCmnRegFieldsSettings Fields()
{
    CCmnRegFieldsSettings settings = BioTestDefaultFieldsSettings();
    CCmnRegUserFieldSet fields;
    fields.AddField("Colour", CCmnRegUserField(1, CCmnRegFieldDef()));
    fields.AddField("Smith & Jones <UK>", CCmnRegUserField(2, CCmnRegFieldDef()));
    settings.SetUserFields(fields);
    settings.SetFormFieldOrder({-107, -108, -103, -104, 1, 2, -102, -105, -106, -109});
    return settings;
}

// One of the two layout tabs in its dialog, prepared.
class CFixture
{
public:
    CFixture(EKind kind, const CCmnRegFieldsSettings &settings = Fields(), const QString &recordWord = "Animal")
        : m_Copy(settings)
    {
        if (kind == Details) {
            m_DetailsTab = new CCmnRegFieldsSettingsRecordDetailsLayoutTab("Forms", recordWord, recordWord + "s",
                                                                          &m_Copy, m_Reg);
            m_Tab = m_DetailsTab;
        } else {
            m_Tab = new CCmnRegFieldsSettingsSelectRecordLayoutTab("Forms", recordWord, recordWord + "s", &m_Copy,
                                                                   m_Reg);
        }
        m_Dialog.AddTab(m_Tab, kind == Details ? "Details Window Layout" : "Select Window Layout");
        m_Dialog.Prepare();
    }

    CCmnRegFieldsSettingsLayoutTab::CFieldList *List() const { return m_Tab->FieldListCtrl(); }
    QStringList Shown() const { return OrvListWidgetTexts(List()->ListWidget()); }
    bool Ok()
    {
        m_Dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
        return m_Dialog.result() == QDialog::Accepted;
    }

    CTestMessageBoxScope m_Boxes;
    QSharedPointer<CPreviewReg> m_Reg = QSharedPointer<CPreviewReg>::create();
    CCmnRegFieldsSettings m_Copy;
    CCmnTabDialog m_Dialog;
    CCmnRegFieldsSettingsLayoutTab *m_Tab = nullptr;
    CCmnRegFieldsSettingsRecordDetailsLayoutTab *m_DetailsTab = nullptr;
};

QList<CCmnRegSelectRecordLayoutItem> SelectItems(const QList<std::pair<int, bool>> &items)
{
    QList<CCmnRegSelectRecordLayoutItem> list;
    for (const auto &[id, newColumn] : items)
        list.append({id, newColumn});
    return list;
}

// The column breaks of a select layout as the positions of the items that begin a column.
QList<int> Breaks(const QList<CCmnRegSelectRecordLayoutItem> &items)
{
    QList<int> breaks;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items.at(i).m_NewColumn)
            breaks << int(i);
    }
    return breaks;
}

} // namespace

Q_DECLARE_METATYPE(EKind)

class TestCmnRegFieldsSettingsLayoutTab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void showsItsControls_data();
    void showsItsControls();
    void automaticLeavesOnlyTheTest_data();
    void automaticLeavesOnlyTheTest();
    void breaksAndTabNamesMoveWithTheirField();
    void blankTabNameSavesAsNone_data();
    void blankTabNameSavesAsNone();
    void columnBreakOfTheCurrentKeyField();
    void resetStartsFromTheFormOrder();
    void testSavesThenPreviews_data();
    void testSavesThenPreviews();
    void testNoticeCanBeSilenced();
    void cancelLeavesTheLayouts();
    void renders_data();
    void renders();
};

void TestCmnRegFieldsSettingsLayoutTab::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestCmnRegFieldsSettingsLayoutTab::init()
{
    BioCreateTerminology();
    CmnCreateSystemSettings();
}

void TestCmnRegFieldsSettingsLayoutTab::cleanup()
{
    CmnDestroySystemSettings();
    BioDestroyTerminology();
}

void TestCmnRegFieldsSettingsLayoutTab::showsItsControls_data()
{
    QTest::addColumn<EKind>("kind");
    QTest::addColumn<QString>("helpPage");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("newColumn");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("details")
        << Details << "CCmnRegFieldsSettingsRecordDetailsLayoutTab.html"
        << "This controls the order and layout of fields within the 'Smith & Jones <UK> Details' window. It does "
           "not control the order in which fields are output within printed forms - to change that use the Form "
           "Field Order tab (above)."
        << "New column                   " << QStringList{"Title", "Suffix", "Date of Birth", "Date of Death", "Colour",
                                                          "Smith & Jones <UK>"};
    QTest::newRow("select")
        << Select << "CCmnRegFieldsSettingsSelectRecordLayoutTab.html"
        << "This controls the order and column breaks of fields within the 'Key Fields' panel of the 'Select "
           "Smith & Jones <UK>' window. It does not control the order in which fields are output within printed "
           "forms - to change that use the Form Field Order tab (above)."
        << "New column" << QStringList{"Title", "Suffix", "Date of Birth", "Date of Death", "Colour",
                                       "Smith & Jones <UK>", "Sex", "Sire", "Dam", "Inbreeding"};
}

void TestCmnRegFieldsSettingsLayoutTab::showsItsControls()
{
    QFETCH(EKind, kind);
    QFETCH(QString, helpPage);
    QFETCH(QString, heading);
    QFETCH(QString, newColumn);
    QFETCH(QStringList, fields);

    CmnInitFramework(CmnGetAppDescriptor());
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CFixture fixture(kind, Fields(), "Smith & Jones <UK>");
    CmnSetWhatsThisTexts(previous);

    CCmnRegFieldsSettingsLayoutTab *tab = fixture.m_Tab;
    QCOMPARE(tab->HelpPage(), helpPage);
    QCOMPARE(OrvShownLabelText(tab->findChildren<CCmnLabel *>().first()), heading);
    QCOMPARE(tab->AutomaticCheckBox()->text().remove('&'), QStringLiteral("Determine layout automatically"));
    QCOMPARE(tab->NewColumnCheckBox()->text().remove('&'), newColumn);
    QCOMPARE(tab->TestButton()->text().remove('&'), QStringLiteral("Test Layout..."));
    QCOMPARE(tab->ResetButton()->text().remove('&'), QStringLiteral("Reset"));
    QVERIFY(!fixture.List()->AddButton() && !fixture.List()->DeleteButton());
    QCOMPARE(fixture.Shown(), fields);
    // The first field is current; its box names it.
    QCOMPARE(fixture.List()->ListWidget()->currentRow(), 0);
    QCOMPARE(tab->CurrentFieldGroupBox()->title(), kind == Details ? "'Title' Field" : "Title");

    QList<QWidget *> helped{tab->AutomaticCheckBox(), tab->NewColumnCheckBox(), tab->TestButton(),
                            tab->ResetButton(), fixture.List()->ListWidget(), fixture.List()->UpButton(),
                            fixture.List()->DownButton()};
    if (kind == Details)
        helped << fixture.m_DetailsTab->TabNameLineEdit();
    for (const QWidget *widget : helped)
        QVERIFY2(!widget->whatsThis().isEmpty(), qPrintable(widget->metaObject()->className()));
}

void TestCmnRegFieldsSettingsLayoutTab::automaticLeavesOnlyTheTest_data()
{
    QTest::addColumn<EKind>("kind");
    QTest::newRow("details") << Details;
    QTest::newRow("select") << Select;
}

void TestCmnRegFieldsSettingsLayoutTab::automaticLeavesOnlyTheTest()
{
    QFETCH(EKind, kind);
    CCmnRegFieldsSettings settings = Fields();
    settings.SetSelectRecordLayout(true, SelectItems({{2, false}, {1, true}}));
    settings.SetRecordDetailsLayout(true, {{2, false, QString()}, {1, true, QString()}});
    CFixture fixture(kind, settings);
    CCmnRegFieldsSettingsLayoutTab *tab = fixture.m_Tab;
    QVERIFY(tab->AutomaticCheckBox()->isChecked());
    // The manual layout stays on show, the user's order first.
    QCOMPARE(fixture.Shown().mid(0, 2), QStringList({"Smith & Jones <UK>", "Colour"}));
    QList<QWidget *> locked{fixture.List()->ListWidget(), fixture.List()->UpButton(), fixture.List()->DownButton(),
                            tab->CurrentFieldGroupBox(), tab->ResetButton()};
    for (const QWidget *widget : locked)
        QVERIFY(!widget->isEnabled());
    QVERIFY(!tab->NewColumnCheckBox()->isEnabledTo(tab));
    QVERIFY(tab->TestButton()->isEnabled());
    QVERIFY(tab->AutomaticCheckBox()->isEnabled());

    tab->AutomaticCheckBox()->click();
    for (const QWidget *widget : QList<QWidget *>{fixture.List()->ListWidget(), fixture.List()->DownButton(),
                                                  tab->CurrentFieldGroupBox(), tab->ResetButton()})
        QVERIFY(widget->isEnabled());
    // On the first row there is nothing to go up to.
    QVERIFY(!fixture.List()->UpButton()->isEnabled());
    QVERIFY(fixture.Ok());
    QVERIFY(kind == Details ? !fixture.m_Copy.IsRecordDetailsLayoutAutomatic()
                            : !fixture.m_Copy.IsSelectRecordLayoutAutomatic());
}

void TestCmnRegFieldsSettingsLayoutTab::breaksAndTabNamesMoveWithTheirField()
{
    CCmnRegFieldsSettings settings = Fields();
    settings.SetRecordDetailsLayout(false, {{-107, false, QString()},
                                            {-108, true, QString()},
                                            {-103, false, QString()},
                                            {-104, false, QString()},
                                            {1, false, QStringLiteral("Colours")},
                                            {2, false, QString()}});
    CFixture fixture(Details, settings);
    CCmnRegFieldsSettingsRecordDetailsLayoutTab *tab = fixture.m_DetailsTab;
    fixture.List()->ListWidget()->setCurrentRow(1);
    QCOMPARE(tab->CurrentFieldGroupBox()->title(), QStringLiteral("'Suffix' Field"));
    QVERIFY(tab->NewColumnCheckBox()->isChecked());
    fixture.List()->UpButton()->click();
    // Still the same field, now first.
    QCOMPARE(fixture.List()->ListWidget()->currentRow(), 0);
    QVERIFY(tab->NewColumnCheckBox()->isChecked());
    fixture.List()->ListWidget()->setCurrentRow(1);
    QCOMPARE(tab->CurrentFieldGroupBox()->title(), QStringLiteral("'Title' Field"));
    QVERIFY(!tab->NewColumnCheckBox()->isChecked());

    // The field with the tab name goes down below the last one.
    fixture.List()->ListWidget()->setCurrentRow(4);
    QCOMPARE(tab->TabNameLineEdit()->text(), QStringLiteral("Colours"));
    fixture.List()->DownButton()->click();
    fixture.List()->ListWidget()->setCurrentRow(4);
    QCOMPARE(tab->CurrentFieldGroupBox()->title(), QStringLiteral("'Smith && Jones <UK>' Field"));
    QCOMPARE(tab->TabNameLineEdit()->text(), QString());
    tab->NewColumnCheckBox()->setChecked(true);
    QVERIFY(fixture.Ok());

    const QList<CCmnRegRecordDetailsLayoutItem> expected{{-108, true, QString()},
                                                         {-107, false, QString()},
                                                         {-103, false, QString()},
                                                         {-104, false, QString()},
                                                         {2, true, QString()},
                                                         {1, false, QStringLiteral("Colours")}};
    QCOMPARE(fixture.m_Copy.GetRecordDetailsManualItems(), expected);
    QVERIFY(!fixture.m_Copy.IsRecordDetailsLayoutAutomatic());
    QVERIFY(fixture.m_Copy.GetChanged() & CCmnRegFieldsSettings::ChangedRecordDetailsManual);
}

void TestCmnRegFieldsSettingsLayoutTab::blankTabNameSavesAsNone_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("blanks") << "   " << "";
    QTest::newRow("surrounding blanks") << "  More colours " << "More colours";
    QTest::newRow("user text") << "Smith & Jones <UK>" << "Smith & Jones <UK>";
}

void TestCmnRegFieldsSettingsLayoutTab::blankTabNameSavesAsNone()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    CFixture fixture(Details);
    fixture.List()->ListWidget()->setCurrentRow(2);
    fixture.m_DetailsTab->TabNameLineEdit()->setText(typed);
    QVERIFY(fixture.Ok());
    QCOMPARE(fixture.m_Copy.GetRecordDetailsManualItems().at(2).m_TabName, saved);
    QCOMPARE(fixture.m_Copy.GetRecordDetailsManualItems().at(2).m_FieldId, -103);
}

void TestCmnRegFieldsSettingsLayoutTab::columnBreakOfTheCurrentKeyField()
{
    CCmnRegFieldsSettings settings = Fields();
    settings.SetSelectRecordLayout(false, {});
    CFixture fixture(Select, settings);
    fixture.List()->ListWidget()->setCurrentRow(5);
    QVERIFY(fixture.m_Tab->NewColumnCheckBox()->isChecked());
    fixture.m_Tab->NewColumnCheckBox()->setChecked(false);
    fixture.List()->ListWidget()->setCurrentRow(7);
    fixture.m_Tab->NewColumnCheckBox()->setChecked(true);
    fixture.List()->DownButton()->click();
    QVERIFY(fixture.Ok());
    QCOMPARE(Breaks(fixture.m_Copy.GetSelectRecordManualItems()), QList<int>{8});
    QCOMPARE(fixture.m_Copy.GetSelectRecordManualItems().at(8).m_FieldId, -105);
}

void TestCmnRegFieldsSettingsLayoutTab::resetStartsFromTheFormOrder()
{
    // Ten key fields in an order and with breaks of the user's own, not in use yet.
    CCmnRegFieldsSettings settings = Fields();
    settings.SetSelectRecordLayout(true, SelectItems({{-109, false}, {-102, true}, {2, true}, {1, false},
                                                       {-103, false}, {-104, true}, {-105, false}, {-106, false},
                                                       {-107, false}, {-108, false}}));
    CFixture fixture(Select, settings);
    QCOMPARE(fixture.Shown().first(), QStringLiteral("Inbreeding"));
    // Reset keeps the layout manual, as the user just made it.
    fixture.m_Tab->AutomaticCheckBox()->click();
    fixture.m_Tab->ResetButton()->click();
    QCOMPARE(fixture.Shown(), QStringList({"Title", "Suffix", "Date of Birth", "Date of Death", "Colour",
                                           "Smith & Jones <UK>", "Sex", "Sire", "Dam", "Inbreeding"}));
    QVERIFY(!fixture.m_Tab->AutomaticCheckBox()->isChecked());
    QVERIFY(fixture.m_Tab->ResetButton()->isEnabled());
    QVERIFY(fixture.Ok());
    QVERIFY(!fixture.m_Copy.IsSelectRecordLayoutAutomatic());
    QCOMPARE(Breaks(fixture.m_Copy.GetSelectRecordManualItems()), QList<int>{5});

    // The record window's six one-row fields fit one column.
    CCmnRegFieldsSettings details = Fields();
    details.SetRecordDetailsLayout(false, {{2, true, QStringLiteral("Mine")}});
    CFixture detailsFixture(Details, details);
    detailsFixture.m_Tab->ResetButton()->click();
    QVERIFY(detailsFixture.Ok());
    const QList<CCmnRegRecordDetailsLayoutItem> oneColumn{{-107, false, QString()}, {-108, false, QString()},
                                                          {-103, false, QString()}, {-104, false, QString()},
                                                          {1, false, QString()},    {2, false, QString()}};
    QCOMPARE(detailsFixture.m_Copy.GetRecordDetailsManualItems(), oneColumn);
}

void TestCmnRegFieldsSettingsLayoutTab::testSavesThenPreviews_data()
{
    QTest::addColumn<EKind>("kind");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<QString>("preview");
    QTest::newRow("details") << Details << false << "details";
    QTest::newRow("details, automatic") << Details << true << "details";
    QTest::newRow("select") << Select << false << "select";
    QTest::newRow("select, automatic") << Select << true << "select";
}

void TestCmnRegFieldsSettingsLayoutTab::testSavesThenPreviews()
{
    QFETCH(EKind, kind);
    QFETCH(bool, automatic);
    QFETCH(QString, preview);
    CCmnRegFieldsSettings settings = Fields();
    settings.SetSelectRecordLayout(automatic, {});
    settings.SetRecordDetailsLayout(automatic, {});
    CFixture fixture(kind, settings, "Smith & Jones <UK>");
    if (!automatic) {
        fixture.List()->ListWidget()->setCurrentRow(1);
        fixture.List()->UpButton()->click();
    }
    fixture.m_Tab->TestButton()->click();

    QCOMPARE(fixture.m_Reg->m_Previews, QStringList{preview});
    QCOMPARE(fixture.m_Reg->m_Parent, fixture.m_Tab);
    // The preview shows what the tab holds, saved into the dialog's copy.
    CCmnRegFieldsSettings &shown = fixture.m_Reg->m_Settings;
    const int first = kind == Details ? shown.GetRecordDetailsLayout().first().m_FieldId
                                      : shown.GetSelectRecordLayout().first().m_FieldId;
    QCOMPARE(first, automatic ? -107 : -108);
    QCOMPARE(shown.ToByteArray(), fixture.m_Copy.ToByteArray());

    if (kind == Select) {
        QVERIFY(fixture.m_Boxes.Requests().isEmpty());
        return;
    }
    QCOMPARE(fixture.m_Boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &notice = fixture.m_Boxes.Requests().first();
    QCOMPARE(notice.m_Icon, QMessageBox::Information);
    QCOMPARE(notice.m_Title, QStringLiteral("Test Smith & Jones <UK> Details Layout"));
    QCOMPARE(OrvShownRichText(notice.m_Text),
             QStringLiteral("This will display the Smith & Jones <UK> Details window, purely so you can preview the "
                            "layout.\nDon't try to enter any real data at this point; it will just be discarded if "
                            "you do."));
    QCOMPARE(notice.m_Options.m_MessageId, 104);
    QCOMPARE(notice.m_Parent, fixture.m_Tab);
}

void TestCmnRegFieldsSettingsLayoutTab::testNoticeCanBeSilenced()
{
    CFixture fixture(Details);
    fixture.m_Boxes.Answer(QMessageBox::Ok, true);
    fixture.m_Tab->TestButton()->click();
    fixture.m_Tab->TestButton()->click();
    QCOMPARE(fixture.m_Boxes.Requests().size(), 1);
    QCOMPARE(fixture.m_Reg->m_Previews, QStringList({"details", "details"}));
}

void TestCmnRegFieldsSettingsLayoutTab::cancelLeavesTheLayouts()
{
    CFixture fixture(Details);
    fixture.List()->ListWidget()->setCurrentRow(1);
    fixture.List()->UpButton()->click();
    fixture.m_DetailsTab->TabNameLineEdit()->setText("More");
    fixture.m_Dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    CCmnRegFieldsSettings before = Fields();
    before.NormaliseRecordDetailsLayout();
    QVERIFY(fixture.m_Copy.IsRecordDetailsLayoutAutomatic());
    QCOMPARE(fixture.m_Copy.GetRecordDetailsManualItems(), before.GetRecordDetailsManualItems());
}

void TestCmnRegFieldsSettingsLayoutTab::renders_data()
{
    QTest::addColumn<EKind>("kind");
    QTest::addColumn<QString>("file");
    QTest::newRow("details") << Details << "recorddetailslayouttab.png";
    QTest::newRow("select") << Select << "selectrecordlayouttab.png";
}

void TestCmnRegFieldsSettingsLayoutTab::renders()
{
    QFETCH(EKind, kind);
    QFETCH(QString, file);
    CCmnRegFieldsSettings settings = Fields();
    CCmnRegUserFieldSet fields = settings.GetUserFields();
    fields.AddField("Registered kennel affix, exactly as printed on the certificate",
                    CCmnRegUserField(3, CCmnRegFieldDef()));
    settings.SetUserFields(fields);
    settings.SetRecordDetailsLayout(false, {});
    settings.SetSelectRecordLayout(false, {});
    CFixture fixture(kind, settings, "Smith & Jones <UK>");
    fixture.List()->ListWidget()->setCurrentRow(5);
    if (kind == Details)
        fixture.m_DetailsTab->TabNameLineEdit()->setText("Smith & Jones <UK>");
    QVERIFY(OrvRenderForReview(fixture.m_Dialog, QSize(620, 460), file));
}

QTEST_MAIN(TestCmnRegFieldsSettingsLayoutTab)
#include "tst_cmnregfieldssettingslayouttab.moc"
