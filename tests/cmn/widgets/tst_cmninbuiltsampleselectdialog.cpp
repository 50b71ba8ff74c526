#include "cmnappdescriptor.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmninbuiltsampleselectdialog.h"
#include "cmnlabel.h"
#include "cmnlistwidget.h"
#include "cmntextedit.h"
#include "rendertesting.h"
#include "usertexts.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList ListTexts(const CCmnListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// A folder of three samples laid out as the shipped one is.
struct CSampleFolder
{
    CSampleFolder()
    {
        const QString path = m_Dir.path();
        m_Written = WriteFile(path + "/config.txt",
                              "TITLE=Sample Pedigrees\nLABEL=Select a sample pedigree\nWIDTHPERCENT=40\n"
                              "HEIGHTPERCENT=40\n")
                    && WriteFile(path + "/dog.info", "NAME Dog Pedigree\nDATA dog.orv\n\n<p>Dogs of Smith &amp; "
                                                     "Jones &lt;UK&gt;.</p>\n")
                    && WriteFile(path + "/cat.info", "NAME Cat Pedigree\nDATA cat.orv\n\n<p>Cats.</p>\n")
                    && WriteFile(path + "/horse.info", "NAME Horse Pedigree\nDATA horse.orv\n\n<p>Horses.</p>\n");
    }

    QTemporaryDir m_Dir;
    bool m_Written = false;
};

} // namespace

class TestCmnInbuiltSampleSelectDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void showsFolderAsConfigured();
    void rowShowsItsDescription();
    void okReturnsChosenPath();
    void doubleClickAccepts();
    void emptyFolderChoosesNothing();
};

void TestCmnInbuiltSampleSelectDialog::initTestCase()
{
    CmnInitFramework(CCmnAppDescriptor());
}

void TestCmnInbuiltSampleSelectDialog::showsFolderAsConfigured()
{
    CSampleFolder folder;
    QVERIFY(folder.m_Written);
    CCmnInbuiltSampleSelectDialog dialog(folder.m_Dir.path());
    dialog.Prepare();

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sample Pedigrees"));
    const QList<CCmnLabel *> labels = dialog.findChildren<CCmnLabel *>();
    QCOMPARE(labels.size(), 1);
    QCOMPARE(OrvShownMnemonicText(labels.first()->text()), QStringLiteral("Select a sample pedigree:"));
    QCOMPARE(ListTexts(dialog.ListWidget()), (QStringList{"Cat Pedigree", "Dog Pedigree", "Horse Pedigree"}));
    QCOMPARE(dialog.ListWidget()->currentRow(), 0);
    QCOMPARE(dialog.DescriptionView()->toPlainText(), QStringLiteral("Cats."));
    // 40 % of the offscreen screen's 800 by 800.
    QCOMPARE(dialog.size(), QSize(320, 320));
    QVERIFY(OrvRenderForReview(dialog, QSize(), QStringLiteral("samplechooser-temp.png")));
}

void TestCmnInbuiltSampleSelectDialog::rowShowsItsDescription()
{
    CSampleFolder folder;
    QVERIFY(folder.m_Written);
    CCmnInbuiltSampleSelectDialog dialog(folder.m_Dir.path());
    dialog.Prepare();
    dialog.ListWidget()->setCurrentRow(1);
    QCOMPARE(dialog.DescriptionView()->toPlainText(), QStringLiteral("Dogs of Smith & Jones <UK>."));
}

void TestCmnInbuiltSampleSelectDialog::okReturnsChosenPath()
{
    CSampleFolder folder;
    QVERIFY(folder.m_Written);
    CCmnInbuiltSampleSelectDialog dialog(folder.m_Dir.path());
    dialog.Prepare();
    dialog.ListWidget()->setCurrentRow(1);
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.ChosenPath(), folder.m_Dir.path() + "/dog.orv");
}

void TestCmnInbuiltSampleSelectDialog::doubleClickAccepts()
{
    CSampleFolder folder;
    QVERIFY(folder.m_Written);
    CCmnInbuiltSampleSelectDialog dialog(folder.m_Dir.path());
    dialog.Prepare();
    dialog.show();
    CCmnListWidget *list = dialog.ListWidget();
    list->setCurrentRow(2);
    emit list->itemDoubleClicked(list->item(2));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.ChosenPath(), folder.m_Dir.path() + "/horse.orv");
}

void TestCmnInbuiltSampleSelectDialog::emptyFolderChoosesNothing()
{
    QTemporaryDir dir;
    QVERIFY(WriteFile(dir.path() + "/broken.info", "NAME Nothing to open\n"));
    CCmnInbuiltSampleSelectDialog dialog(dir.path());
    dialog.Prepare();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Examples"));
    QCOMPARE(dialog.ListWidget()->count(), 0);
    QCOMPARE(dialog.DescriptionView()->toPlainText(), QString());
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.ChosenPath(), QString());
}

QTEST_MAIN(TestCmnInbuiltSampleSelectDialog)
#include "tst_cmninbuiltsampleselectdialog.moc"
