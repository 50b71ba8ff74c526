#include "cmnappdescriptor.h"
#include "cmndataexchange.h"
#include "cmndialogbuttonbox.h"
#include "cmnoptionsdialog.h"
#include "cmntab.h"
#include "testmessageboxscope.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A tab whose save always fails, so that any validation on Reset All would show.
class CRefusingTab : public CCmnTab
{
public:
    void CreateControls() override { FinishLayout(); }

    bool DataExchange(CCmnDataExchange *context) override
    {
        if (context->m_Save) {
            ++m_Saves;
            return false;
        }
        return CCmnTab::DataExchange(context);
    }

    int m_Saves = 0;
};

class CTestOptionsDialog : public CCmnOptionsDialog
{
public:
    CTestOptionsDialog()
    {
        AddTab(m_Tab, "General");
    }

    CRefusingTab *m_Tab = new CRefusingTab;
    int m_Resets = 0;

protected:
    void ResetAll() override { ++m_Resets; }
};

QPushButton *ResetButton(const CCmnOptionsDialog &dialog)
{
    for (QAbstractButton *button : dialog.ButtonBox()->buttons()) {
        if (dialog.ButtonBox()->buttonRole(button) == QDialogButtonBox::ActionRole)
            return qobject_cast<QPushButton *>(button);
    }
    return nullptr;
}

} // namespace

class TestCmnOptionsDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void offersResetAll();
    void resetAnsweredNoChangesNothing();
    void resetAnsweredYesAcceptsWithoutExchange();
    void resetButtonCanBeLeftOut();
};

void TestCmnOptionsDialog::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
}

void TestCmnOptionsDialog::offersResetAll()
{
    CTestOptionsDialog dialog;
    dialog.Prepare();
    QCOMPARE(dialog.windowTitle(), QString("Preferences"));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowTitleHint));
    QVERIFY(dialog.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    QPushButton *reset = ResetButton(dialog);
    QVERIFY(reset);
    QCOMPARE(reset->text(), QString("Reset All"));
}

void TestCmnOptionsDialog::resetAnsweredNoChangesNothing()
{
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::No);
    CTestOptionsDialog dialog;
    dialog.Prepare();
    QSignalSpy finished(&dialog, &QDialog::finished);

    ResetButton(dialog)->click();
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &question = boxes.Requests().first();
    QCOMPARE(question.m_Icon, QMessageBox::Question);
    QCOMPARE(question.m_Title, QString("Orvanta"));
    QCOMPARE(question.m_Text, QString("<p>This will reset all preferences to their default settings.</p>"
                                      "<p>Are you sure about that?</p>"));
    QCOMPARE(question.m_Parent, &dialog);
    QCOMPARE(question.m_Buttons.at(question.m_DefaultButton).m_StandardButton, qint32(QMessageBox::No));
    QCOMPARE(dialog.m_Resets, 0);
    QVERIFY(!dialog.ResetDone());
    QCOMPARE(finished.count(), 0);
}

void TestCmnOptionsDialog::resetAnsweredYesAcceptsWithoutExchange()
{
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Yes);
    CTestOptionsDialog dialog;
    dialog.Prepare();
    QSignalSpy accepted(&dialog, &QDialog::accepted);

    ResetButton(dialog)->click();
    QCOMPARE(dialog.m_Resets, 1);
    QVERIFY(dialog.ResetDone());
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(dialog.m_Tab->m_Saves, 0);
    QCOMPARE(boxes.Requests().size(), 1);
}

void TestCmnOptionsDialog::resetButtonCanBeLeftOut()
{
    CTestOptionsDialog dialog;
    dialog.SetShowResetButton(false);
    dialog.Prepare();
    QVERIFY(!ResetButton(dialog));
}

QTEST_MAIN(TestCmnOptionsDialog)
#include "tst_cmnoptionsdialog.moc"
