#include "cmnappdescriptor.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmnlineedit.h"
#include "cmnlistwidget.h"
#include "cmnmappedfolderdialog.h"
#include "cmnstringentrydialog.h"
#include "cmnmappedfoldersctrl.h"
#include "cmnmappedfoldersettingstab.h"
#include "cmnmappedfoldersstore.h"
#include "cmnpushbutton.h"
#include "cmntabdialog.h"
#include "cmnwhatsthistexts.h"
#include "testmessageboxscope.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

using CPairs = QList<QPair<QString, QString>>;

CPairs Pairs(const CCmnMappedFoldersStore &store)
{
    CPairs pairs;
    for (qsizetype i = 0; i < store.PairCount(); ++i)
        pairs << store.PairAt(i);
    return pairs;
}

// The preferences dialog as the shell builds it: the tab edits a copy of the
// program's mapping, and the copy goes back only when the user confirms.
class CPreferencesDialog : public CCmnTabDialog
{
public:
    explicit CPreferencesDialog(const CCmnMappedFoldersStore &store)
        : m_Copy(store)
        , m_Tab(new CCmnMappedFolderSettingsTab(&m_Copy))
    {
        AddTab(m_Tab, "Mapped Folders");
    }

    CCmnMappedFoldersStore m_Copy;
    CCmnMappedFolderSettingsTab *m_Tab;
};

// What the user does in one run of the mapping dialog: the texts typed into its
// two boxes before pressing OK; a run with no step left is cancelled.
struct CStep
{
    QString m_Source;
    QString m_Destination;
};

// One run of the mapping dialog as the user saw it when it opened.
struct CShown
{
    QString m_Title;
    QString m_Prompt;
    QString m_Source;
    QString m_Destination;
    QWidget *m_Parent = nullptr;
};

// Drives the real mapping dialog without its modal run: the dialog is prepared,
// the scripted texts typed and OK pressed, as often as the dialog stays open.
class CScriptedMappingDialog : public CCmnStringEntry
{
public:
    CScriptedMappingDialog(std::unique_ptr<CCmnStringEntry> real, QList<CStep> *script, QList<CShown> *shown)
        : m_Real(std::move(real)), m_Script(script), m_Shown(shown)
    {
    }

    void SetTitle(const QString &title) override { m_Real->SetTitle(title); }
    void SetPrompt(const QString &prompt) override { m_Real->SetPrompt(prompt); }
    void SetValue(const QString &value) override { m_Real->SetValue(value); }
    QString Value() const override { return m_Real->Value(); }
    void AddValidator(const CCmnValidator *validator) override { m_Real->AddValidator(validator); }

    bool Exec() override
    {
        const auto *entry = dynamic_cast<CCmnStringEntryDialog *>(m_Real.get());
        auto *dialog = entry ? qobject_cast<CCmnMappedFolderDialog *>(entry->Dialog()) : nullptr;
        if (!dialog)
            return false;
        dialog->Prepare();
        const QLabel *prompt = nullptr;
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->buddy() == dialog->SourceLineEdit())
                prompt = label;
        }
        m_Shown->append({dialog->windowTitle(), prompt ? prompt->text() : QString(),
                         dialog->SourceLineEdit()->text(), dialog->DestinationLineEdit()->text(),
                         dialog->parentWidget()});
        while (!m_Script->isEmpty()) {
            const CStep step = m_Script->takeFirst();
            dialog->SourceLineEdit()->setText(step.m_Source);
            dialog->DestinationLineEdit()->setText(step.m_Destination);
            dialog->ButtonBox()->button(QDialogButtonBox::Ok)->click();
            if (dialog->result() == QDialog::Accepted)
                return true;
        }
        return false;
    }

private:
    std::unique_ptr<CCmnStringEntry> m_Real;
    QList<CStep> *m_Script;
    QList<CShown> *m_Shown;
};

class CScriptedMappedFoldersCtrl : public CCmnMappedFoldersCtrl
{
public:
    using CCmnMappedFoldersCtrl::CCmnMappedFoldersCtrl;

    std::unique_ptr<CCmnStringEntry> CreateEditDialog(QString &value, QWidget *parent) override
    {
        return std::make_unique<CScriptedMappingDialog>(CCmnMappedFoldersCtrl::CreateEditDialog(value, parent),
                                                        &m_Script, &m_Shown);
    }

    QList<CStep> m_Script;
    QList<CShown> m_Shown;
};

// The list control on a host widget, loaded with two mappings.
struct CCtrlFixture
{
    CCtrlFixture(const QString &first, const QString &second)
    {
        TCmnNamedItemsSortedList<QString> list;
        list.InsertSorted("/media/a", first);
        list.InsertSorted("/media/b", second);
        m_Ctrl->SetData(list);
    }

    CPairs Items() const
    {
        CPairs items;
        for (const auto &item : m_Ctrl->GetData().m_Items)
            items << QPair<QString, QString>(item.first, item.second);
        return items;
    }

    QWidget m_Host;
    CScriptedMappedFoldersCtrl *m_Ctrl = new CScriptedMappedFoldersCtrl(&m_Host);
};

} // namespace

class TestCmnMappedFolderSettingsTab : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void savesPairsSortedBySource();
    void cancelLeavesStoreAlone();
    void offersAddDiscardUpdate();
    void builtInHelpCoversEveryControl();
    void addStartsWithEmptySource();
    void addRefusesDuplicateSource();
    void updateKeepsDestination();
    void missingDestinationNeedsYes_data();
    void missingDestinationNeedsYes();

private:
    QTemporaryDir m_Folder;
};

void TestCmnMappedFolderSettingsTab::initTestCase()
{
    CmnGetAppDescriptor().m_ProductDisplayName = "Orvanta";
    QVERIFY(m_Folder.isValid());
}

void TestCmnMappedFolderSettingsTab::savesPairsSortedBySource()
{
    CCmnMappedFoldersStore store;
    store.AddMapping("/media/b", "/srv/b");
    store.AddMapping("/media/a", "/srv/a");
    store.AddMapping("", "/srv/nowhere");
    store.AddMapping("/media/A", "/srv/A");
    store.AddMapping("/media/a", "/srv/a-again");
    CPreferencesDialog dialog(store);
    dialog.Prepare();

    const CCmnListWidget *list = dialog.m_Tab->MappedFoldersCtrl()->ListWidget();
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(0)->text(), QString("/media/A"));

    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // Code-unit order, so "A" before "a"; the empty source and the repeated one
    // (the first stays) are gone.
    const CPairs expected{{"/media/A", "/srv/A"}, {"/media/a", "/srv/a"}, {"/media/b", "/srv/b"}};
    QCOMPARE(Pairs(dialog.m_Copy), expected);
}

void TestCmnMappedFolderSettingsTab::cancelLeavesStoreAlone()
{
    CCmnMappedFoldersStore store;
    store.AddMapping("/media/b", "/srv/b");
    store.AddMapping("/media/a", "/srv/a");
    CTestMessageBoxScope boxes;
    boxes.Answer(QMessageBox::Yes);
    CPreferencesDialog dialog(store);
    dialog.Prepare();

    dialog.m_Tab->MappedFoldersCtrl()->DeleteButton()->click();
    QCOMPARE(dialog.m_Tab->MappedFoldersCtrl()->ListWidget()->count(), 1);
    dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    const CPairs expected{{"/media/b", "/srv/b"}, {"/media/a", "/srv/a"}};
    QCOMPARE(Pairs(dialog.m_Copy), expected);
}

void TestCmnMappedFolderSettingsTab::offersAddDiscardUpdate()
{
    CCmnMappedFoldersStore store;
    CPreferencesDialog dialog(store);
    dialog.Prepare();
    const CCmnMappedFoldersCtrl *ctrl = dialog.m_Tab->MappedFoldersCtrl();

    QCOMPARE(dialog.m_Tab->HelpPage(), QString("CCmnMappedFolderSettingsTab.html"));
    QVERIFY(ctrl->AddButton() && ctrl->DeleteButton() && ctrl->EditButton());
    QVERIFY(!ctrl->RenameButton() && !ctrl->UpButton() && !ctrl->TagButton());
    QCOMPARE(ctrl->AddButton()->text().remove('&'), QString("Add"));
    QCOMPARE(ctrl->DeleteButton()->text().remove('&'), QString("Discard"));
    QCOMPARE(ctrl->EditButton()->text().remove('&'), QString("Update"));
    QCOMPARE(ctrl->AddCaption(), QString("Add Folder Mapping"));
    QCOMPARE(ctrl->DeleteCaption(), QString("Discard Folder Mapping"));
    QCOMPARE(ctrl->EditCaption(), QString("Update Folder Mapping"));
    QCOMPARE(ctrl->MaxItemCount(), -1);
    QVERIFY(ctrl->ListWidget()->isVisibleTo(dialog.m_Tab));
}

void TestCmnMappedFolderSettingsTab::builtInHelpCoversEveryControl()
{
    CmnInitFramework(CmnGetAppDescriptor());
    const TCmnWhatsThisTable previous = CmnSetWhatsThisTexts({});
    CmnLoadWhatsThisTexts();
    CCmnMappedFoldersStore store;
    CPreferencesDialog dialog(store);
    dialog.Prepare();
    QString destination;
    const CCmnMappedFolderDialog mappingDialog(destination);
    CmnSetWhatsThisTexts(previous);

    const CCmnMappedFoldersCtrl *ctrl = dialog.m_Tab->MappedFoldersCtrl();
    for (const QWidget *widget : QList<const QWidget *>{ctrl->ListWidget(), ctrl->AddButton(), ctrl->DeleteButton(),
                                                       ctrl->EditButton(), mappingDialog.SourceLineEdit(),
                                                       mappingDialog.DestinationLineEdit(),
                                                       mappingDialog.SelectButton()})
        QVERIFY2(!widget->whatsThis().isEmpty(), widget->metaObject()->className());
}

void TestCmnMappedFolderSettingsTab::addStartsWithEmptySource()
{
    CCtrlFixture fixture("/srv/a", "/srv/b");
    fixture.m_Ctrl->m_Script = {{"/media/c", m_Folder.path()}};

    fixture.m_Ctrl->AddButton()->click();
    QCOMPARE(fixture.m_Ctrl->m_Shown.size(), 1);
    const CShown &shown = fixture.m_Ctrl->m_Shown.first();
    QCOMPARE(shown.m_Title, QString("Add Folder Mapping"));
    QCOMPARE(QString(shown.m_Prompt).remove('&'), QString("From:"));
    QCOMPARE(shown.m_Source, QString());
    QCOMPARE(shown.m_Destination, QString());
    QCOMPARE(shown.m_Parent, &fixture.m_Host);
    const CPairs expected{{"/media/a", "/srv/a"}, {"/media/b", "/srv/b"}, {"/media/c", m_Folder.path()}};
    QCOMPARE(fixture.Items(), expected);
}

void TestCmnMappedFolderSettingsTab::addRefusesDuplicateSource()
{
    CTestMessageBoxScope boxes;
    CCtrlFixture fixture("/srv/a", "/srv/b");
    fixture.m_Ctrl->m_Script = {{"/media/b", m_Folder.path()}, {"/media/B", m_Folder.path()}};

    fixture.m_Ctrl->AddButton()->click();
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Text,
             QString("<p>Folder Mapping '/media/b' already exists - please choose a different name.</p>"));
    // Paths are case-sensitive here: "/media/B" is another folder.
    const CPairs expected{{"/media/B", m_Folder.path()}, {"/media/a", "/srv/a"}, {"/media/b", "/srv/b"}};
    QCOMPARE(fixture.Items(), expected);
}

void TestCmnMappedFolderSettingsTab::updateKeepsDestination()
{
    CTestMessageBoxScope boxes;
    CCtrlFixture fixture(m_Folder.path(), "/srv/b");
    fixture.m_Ctrl->ListWidget()->setCurrentRow(0);
    fixture.m_Ctrl->m_Script = {{"/media/z", QDir::toNativeSeparators(m_Folder.path())}};

    fixture.m_Ctrl->EditButton()->click();
    QCOMPARE(fixture.m_Ctrl->m_Shown.size(), 1);
    QCOMPARE(fixture.m_Ctrl->m_Shown.first().m_Title, QString("Update Folder Mapping"));
    QCOMPARE(fixture.m_Ctrl->m_Shown.first().m_Source, QString("/media/a"));
    QCOMPARE(fixture.m_Ctrl->m_Shown.first().m_Destination, QDir::toNativeSeparators(m_Folder.path()));
    QCOMPARE(boxes.Requests().size(), 0);
    const CPairs expected{{"/media/b", "/srv/b"}, {"/media/z", m_Folder.path()}};
    QCOMPARE(fixture.Items(), expected);
}

void TestCmnMappedFolderSettingsTab::missingDestinationNeedsYes_data()
{
    QTest::addColumn<qint32>("answer");
    QTest::addColumn<bool>("kept");
    QTest::newRow("yes keeps it") << qint32(QMessageBox::Yes) << true;
    QTest::newRow("no, then cancel") << qint32(QMessageBox::No) << false;
}

void TestCmnMappedFolderSettingsTab::missingDestinationNeedsYes()
{
    QFETCH(qint32, answer);
    QFETCH(bool, kept);
    const QString missing = m_Folder.filePath("unplugged");
    CTestMessageBoxScope boxes;
    boxes.Answer(answer);
    CCtrlFixture fixture(m_Folder.path(), "/srv/b");
    fixture.m_Ctrl->ListWidget()->setCurrentRow(0);
    fixture.m_Ctrl->m_Script = {{"/media/a", missing}};

    fixture.m_Ctrl->EditButton()->click();
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().first().m_Icon, QMessageBox::Question);
    const CPairs expected{{"/media/a", kept ? missing : m_Folder.path()}, {"/media/b", "/srv/b"}};
    QCOMPARE(fixture.Items(), expected);
}

QTEST_MAIN(TestCmnMappedFolderSettingsTab)
#include "tst_cmnmappedfoldersettingstab.moc"
