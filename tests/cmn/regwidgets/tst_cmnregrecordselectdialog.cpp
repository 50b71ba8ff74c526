#include "cmnappdescriptor.h"
#include "cmnelidedlabel.h"
#include "cmnframework.h"
#include "cmngeometrykeeper.h"
#include "cmnlistview.h"
#include "cmnregindexlistmodel.h"
#include "cmnregrecordselectdialog.h"
#include "cmnsplitter.h"
#include "cmnwhatsthistexts.h"
#include "testmessageboxscope.h"
#include "testsettingsscope.h"
#include "../reg/regtesting.h"

#include <QLabel>
#include <QSettings>
#include <QTest>

namespace {

// Records in a select window over a list that leaves one of them out.
struct CSelectFixture
{
    explicit CSelectFixture(const QString &key = QStringLiteral("selecttest"), bool panel = true)
    {
        for (const char *name : {"Bella", "Smith & Jones <UK>", "Zeus"})
            ids.append(reg.Add(name));
        grouped = reg.Add("Grouped");
        reg.Record(grouped)->m_Group = 1;
        reg.RebuildIndexLists();
        CCmnGeometryKeeper geometry;
        if (!key.isEmpty())
            geometry.SetKeyRememberSize(key);
        dialog = std::make_unique<CCmnRegRecordSelectDialog>(geometry, &reg);
        // The first group's list: the grouped record is not in it.
        auto *model = new CCmnRegIndexListModel;
        model->SetIndexList(reg.GetIndexLists().at(1));
        dialog->SetModel(model);
        if (panel)
            dialog->m_SecondWidget = new QLabel("photo");
        dialog->CreateSplitterLayout();
    }
    int CurrentId() const
    {
        const QModelIndex current = dialog->ListView()->currentIndex();
        return current.isValid() ? dialog->GetRecordIdAt(current.row()) : 0;
    }

    CTestReg reg;
    QList<int> ids;
    int grouped = 0;
    std::unique_ptr<CCmnRegRecordSelectDialog> dialog;
};

} // namespace

class TestCmnRegRecordSelectDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void emptyListChoosesNothing();
    void preselectionMissingFromTheListGivesTheFirstRow();
    void unusableRecordIsRefusedAndTheWindowStays();
    void doubleClickChoosesAndCloses();
    void splitterIsKeptOnlyUnderAKey();
    void looksRightWithUserNames();
};

void TestCmnRegRecordSelectDialog::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
    CmnLoadWhatsThisTexts();
}

void TestCmnRegRecordSelectDialog::emptyListChoosesNothing()
{
    CTestReg reg;
    CCmnRegRecordSelectDialog dialog(CCmnGeometryKeeper(), &reg);
    auto *model = new CCmnRegIndexListModel;
    model->SetIndexList(reg.GetIndexLists().at(0));
    dialog.SetModel(model);
    dialog.CreateSplitterLayout();
    QCOMPARE(dialog.FindRowOfRecord(1), -1);
    dialog.m_ChosenId = 5;
    dialog.Prepare();
    QVERIFY(!dialog.ListView()->currentIndex().isValid());
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_ChosenId, 0);
}

void TestCmnRegRecordSelectDialog::preselectionMissingFromTheListGivesTheFirstRow()
{
    CSelectFixture fixture;
    fixture.dialog->m_ChosenId = fixture.grouped;
    fixture.dialog->Prepare();
    QCOMPARE(fixture.CurrentId(), fixture.ids.at(0));

    CSelectFixture listed;
    listed.dialog->m_ChosenId = listed.ids.at(2);
    listed.dialog->Prepare();
    QCOMPARE(listed.CurrentId(), listed.ids.at(2));
    listed.dialog->accept();
    QCOMPARE(listed.dialog->m_ChosenId, listed.ids.at(2));
}

void TestCmnRegRecordSelectDialog::unusableRecordIsRefusedAndTheWindowStays()
{
    CTestMessageBoxScope boxes;
    CSelectFixture fixture;
    const int child = fixture.ids.at(1);
    fixture.dialog->SetUnusableRecords({child}, "it would cause <an ancestor> to be descended from itself");
    fixture.dialog->m_ChosenId = child;
    fixture.dialog->Prepare();
    fixture.dialog->accept();
    QCOMPARE(fixture.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY2(boxes.Requests().first().m_Text.contains(
                 "Sorry, this record cannot be used because it would cause &lt;an ancestor&gt; to be descended "
                 "from itself."),
             qPrintable(boxes.Requests().first().m_Text));

    // A usable record then closes the window.
    fixture.dialog->SetCurrentRecord(fixture.ids.at(0));
    fixture.dialog->accept();
    QCOMPARE(fixture.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(fixture.dialog->m_ChosenId, fixture.ids.at(0));
}

void TestCmnRegRecordSelectDialog::doubleClickChoosesAndCloses()
{
    CTestMessageBoxScope boxes;
    CSelectFixture fixture;
    fixture.dialog->SetUnusableRecords({fixture.ids.at(0)}, "reason");
    fixture.dialog->Prepare();
    const QModelIndex unusable = fixture.dialog->Model()->index(0, 0);
    fixture.dialog->ListView()->setCurrentIndex(unusable);
    fixture.dialog->Slot_doubleClicked_ListView(unusable);
    QCOMPARE(fixture.dialog->result(), int(QDialog::Rejected));
    QCOMPARE(boxes.Requests().size(), 1);

    const QModelIndex usable = fixture.dialog->Model()->index(2, 0);
    fixture.dialog->ListView()->setCurrentIndex(usable);
    fixture.dialog->Slot_doubleClicked_ListView(usable);
    QCOMPARE(fixture.dialog->result(), int(QDialog::Accepted));
    QCOMPARE(fixture.dialog->m_ChosenId, fixture.dialog->GetRecordIdAt(2));
}

void TestCmnRegRecordSelectDialog::splitterIsKeptOnlyUnderAKey()
{
    CTestSettingsScope settings;
    {
        CSelectFixture fixture;
        QVERIFY(fixture.dialog->Splitter());
        fixture.dialog->Prepare();
        fixture.dialog->Splitter()->setSizes({100, 300});
    }
    QVERIFY(QSettings().contains("selecttest/splitterstate"));
    {
        CSelectFixture fixture{QString()};
        QVERIFY(fixture.dialog->Splitter());
        QCOMPARE(fixture.dialog->SplitterKey(), QString());
    }
    QCOMPARE(QSettings().allKeys().filter("splitterstate").size(), 1);
    // Without right-hand widgets there is no splitter at all.
    CSelectFixture plain(QStringLiteral("plain"), false);
    QCOMPARE(plain.dialog->Splitter(), nullptr);
}

void TestCmnRegRecordSelectDialog::looksRightWithUserNames()
{
    CSelectFixture fixture;
    fixture.dialog->m_ChosenId = fixture.ids.at(1);
    fixture.dialog->SetMoreInformation("How To Customize This Window", "<p>help</p>");
    fixture.dialog->Prepare();
    fixture.dialog->resize(520, 320);
    QCOMPARE(fixture.dialog->Model()->data(fixture.dialog->ListView()->currentIndex(), Qt::DisplayRole).toString(),
             QStringLiteral("Smith & Jones <UK>"));
    const QString path = qEnvironmentVariable("ORV_SCREENSHOT_DIR");
    if (!path.isEmpty())
        fixture.dialog->grab().save(path + "/cmnregrecordselectdialog.png");

    CTestMessageBoxScope boxes;
    fixture.dialog->Slot_clicked_ForMoreInfo();
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Text, QString("<p>help</p>"));
    QCOMPARE(boxes.Requests().first().m_Options.m_Flags, qint32(CCmnMessageBoxOptions::ApplicationModal));
}

QTEST_MAIN(TestCmnRegRecordSelectDialog)
#include "tst_cmnregrecordselectdialog.moc"
