#include "../reg/regtesting.h"

#include "cmnappdescriptor.h"
#include "cmncombobox.h"
#include "cmnframework.h"
#include "cmnlistwidget.h"
#include "cmnpushbutton.h"
#include "cmnregexportcolsdialog.h"
#include "cmnregexportcolspage.h"
#include "cmnregexportcolspanel.h"
#include "cmnregexportcolumns.h"
#include "cmnregfieldssettings.h"
#include "cmnwhatsthistexts.h"
#include "rendertesting.h"
#include "testdialogrunnerscope.h"
#include "testsettingsscope.h"
#include "usertexts.h"

#include <QTest>
#include <QVBoxLayout>

#include <memory>

namespace {

const QString kLongName = QStringLiteral("Hip and elbow scores as given by the breed club's panel in 2024");

// An ID and three user fields named as a breeder might name them.
void SetUpFields(CTestReg &reg)
{
    reg.AddIdField();
    CCmnRegUserFieldSet user;
    user.AddField(QStringLiteral("Smith & Jones <UK>"), CCmnRegUserField(1, CCmnRegFieldDef(CmnRegFieldText, 0)));
    user.AddField(kLongName, CCmnRegUserField(2, CCmnRegFieldDef(CmnRegFieldText, 0)));
    user.AddField(QStringLiteral("Born"), CCmnRegUserField(3, CCmnRegFieldDef(CmnRegFieldDate, 0)));
    CCmnRegFieldsSettings settings;
    settings.SetUserFields(user);
    settings.SetFormFieldOrder({1, 2, 3});
    reg.SetFieldsSettings(settings, false);
}

// The columns dialog over a register of those fields, prepared as its run
// would, on a choice of the ids (and the date format) given.
struct CDialogFixture
{
    explicit CDialogFixture(const QList<int> &ids, const QString &dateFormat = QString(),
                            const QString &helpPage = QStringLiteral("CCmnRegExportColsDialog.html"))
    {
        SetUpFields(m_Reg);
        m_Choice.m_FieldIds = ids;
        m_Choice.m_DateFormat = dateFormat;
        m_Dialog = std::make_unique<CCmnRegExportColsDialog>(m_Reg, helpPage, &m_Choice);
        m_Dialog->Prepare();
    }
    CCmnRegExportColsPanel *Panel() const { return m_Dialog->ColsPanel(); }

    CTestReg m_Reg;
    CCmnRegExportColumns m_Choice;
    std::unique_ptr<CCmnRegExportColsDialog> m_Dialog;
};

QList<Qt::CheckState> CheckStates(const CCmnListWidget *list)
{
    QList<Qt::CheckState> states;
    for (int row = 0; row < list->count(); ++row)
        states << list->item(row)->checkState();
    return states;
}

QStringList Texts(const CCmnListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

} // namespace

class TestCmnRegExportColsPanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void showsTheChoiceAndSavesItInListOrder();
    void setAllAndClearAll();
    void untouchedDefaultDateFormatStaysEmpty();
    void builtInHelpCoversEveryControl_data();
    void builtInHelpCoversEveryControl();
    void rendersUsersFieldNames();

private:
    CTestSettingsScope m_Settings;
};

void TestCmnRegExportColsPanel::initTestCase()
{
    CCmnAppDescriptor descriptor;
    descriptor.SetProductName(QStringLiteral("Orvanta"));
    CmnInitFramework(descriptor);
}

void TestCmnRegExportColsPanel::showsTheChoiceAndSavesItInListOrder()
{
    CDialogFixture fixture({3, -1}, QStringLiteral("[[dd/]mm/]yyyy"));
    CCmnRegExportColsPanel *panel = fixture.Panel();

    QCOMPARE(Texts(panel->ListWidget()), (QStringList{"ID", "Smith & Jones <UK>", kLongName, "Born"}));
    QCOMPARE(CheckStates(panel->ListWidget()),
             (QList<Qt::CheckState>{Qt::Checked, Qt::Unchecked, Qt::Unchecked, Qt::Checked}));
    QCOMPARE(panel->DateFormatComboBox()->currentData().toString(), QStringLiteral("[[dd/]mm/]yyyy"));

    panel->ListWidget()->item(1)->setCheckState(Qt::Checked);
    QCOMPARE(OrvAcceptDialog(*fixture.m_Dialog), int(QDialog::Accepted));
    QCOMPARE(fixture.m_Choice.m_FieldIds, (QList<int>{-1, 1, 3}));
    QCOMPARE(fixture.m_Choice.m_DateFormat, QStringLiteral("[[dd/]mm/]yyyy"));
}

void TestCmnRegExportColsPanel::setAllAndClearAll()
{
    CDialogFixture fixture({2});
    CCmnRegExportColsPanel *panel = fixture.Panel();
    const QList<CCmnPushButton *> buttons = fixture.m_Dialog->findChildren<CCmnPushButton *>();
    const auto button = [&buttons](const QString &text) {
        for (CCmnPushButton *candidate : buttons) {
            if (OrvShownMnemonicText(candidate->text()) == text)
                return candidate;
        }
        return static_cast<CCmnPushButton *>(nullptr);
    };
    QVERIFY(button("Set All") && button("Clear All"));

    button("Set All")->click();
    QCOMPARE(CheckStates(panel->ListWidget()), QList<Qt::CheckState>(4, Qt::Checked));
    button("Clear All")->click();
    QCOMPARE(CheckStates(panel->ListWidget()), QList<Qt::CheckState>(4, Qt::Unchecked));
}

void TestCmnRegExportColsPanel::untouchedDefaultDateFormatStaysEmpty()
{
    CDialogFixture fixture({1});
    QCOMPARE(fixture.Panel()->DateFormatComboBox()->currentData().toString(), CmnDefaultDateInputFormat());

    QCOMPARE(OrvAcceptDialog(*fixture.m_Dialog), int(QDialog::Accepted));
    QCOMPARE(fixture.m_Choice.m_DateFormat, QString());
}

void TestCmnRegExportColsPanel::builtInHelpCoversEveryControl_data()
{
    QTest::addColumn<QString>("helpPage");
    QTest::newRow("export") << "CCmnRegExportColsDialog.html";
    QTest::newRow("print") << "CCmnRegPrintColsDialog.html";
    QTest::newRow("wizard page") << "CCmnRegExportColsPage.html";
}

void TestCmnRegExportColsPanel::builtInHelpCoversEveryControl()
{
    QFETCH(QString, helpPage);
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CTestReg reg;
    SetUpFields(reg);
    CCmnRegExportColumns choice;
    QWidget host;
    auto *layout = new QVBoxLayout(&host);
    CCmnRegExportColsPanel panel(reg, helpPage, &choice, layout);
    CmnSetWhatsThisTexts(previous);

    QList<QWidget *> controls{panel.ListWidget(), panel.DateFormatComboBox()};
    controls << host.findChildren<CCmnPushButton *>().value(0) << host.findChildren<CCmnPushButton *>().value(1);
    for (QWidget *widget : std::as_const(controls)) {
        QVERIFY(widget);
        QVERIFY2(!widget->whatsThis().isEmpty(), widget->metaObject()->className());
    }
}

void TestCmnRegExportColsPanel::rendersUsersFieldNames()
{
    CDialogFixture fixture({1, 2}, QString(), QStringLiteral("CCmnRegPrintColsDialog.html"));
    fixture.m_Dialog->setWindowTitle(QStringLiteral("Print Data - Select Columns"));
    QVERIFY(OrvRenderForReview(*fixture.m_Dialog, QSize(), QStringLiteral("export-columns-dialog.png")));
    CCmnRegExportColsPage page(fixture.m_Reg, &fixture.m_Choice);
    QCOMPARE(page.title(), QStringLiteral("Columns"));
    QCOMPARE(page.HelpPage(), QStringLiteral("CCmnRegExportColsPage.html"));
}

QTEST_MAIN(TestCmnRegExportColsPanel)
#include "tst_cmnregexportcolspanel.moc"
