#include "cmnappdescriptor.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmngetstringdialog.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnstringentrydialog.h"
#include "cmnvalidator.h"
#include "cmnwhatsthistexts.h"
#include "tcmnnameditemssortedlisthelper.h"
#include "testmessageboxscope.h"
#include "testurlopenerscope.h"
#include "usertexts.h"

#include <QBoxLayout>
#include <QFile>
#include <QGridLayout>
#include <QPushButton>
#include <QTest>

namespace {

const QString kProductName = QStringLiteral("Orvanta Test");

// Objects to the texts it is given (to every text when given none) and records
// each value it was asked about.
class CTestValidator : public CCmnValidator
{
public:
    CTestValidator(const QString &message, const QString &note = QString(), const QStringList &refused = {})
        : m_Message(message), m_Note(note), m_Refused(refused)
    {
    }

    QString Validate(const QVariant &value, QString *note) const override
    {
        m_Values << value.toString();
        if (m_Message.isEmpty() || (!m_Refused.isEmpty() && !m_Refused.contains(value.toString())))
            return QString();
        if (note)
            *note = m_Note;
        return m_Message;
    }

    mutable QStringList m_Values;

private:
    QString m_Message;
    QString m_Note;
    QStringList m_Refused;
};

// Creates its own prompt label and line edit, side by side in a grid, as the
// dialogs built on the string dialog do.
class COwnEditorsDialog : public CCmnGetStringDialog
{
public:
    COwnEditorsDialog()
    {
        auto *grid = new QGridLayout;
        m_PromptLabel = new CCmnLabel;
        m_LineEdit = new CCmnLineEdit;
        grid->addWidget(m_PromptLabel, 0, 0);
        grid->addWidget(m_LineEdit, 0, 1);
        MainLayout()->addLayout(grid);
    }
};

void ClickOk(CCmnDialogEx &dialog)
{
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
}

// Plays the user of a name dialog: types each text and presses OK until the
// dialog accepts one, and presses Cancel when the texts run out. Records what
// each dialog showed as "title | prompt | starting text".
struct CDialogUser
{
    QStringList m_Typed;
    QStringList m_Shown;

    TCmnGetStringDialogRunner Runner()
    {
        return [this](CCmnGetStringDialog &dialog) {
            dialog.Prepare();
            m_Shown << QStringLiteral("%1 | %2 | %3")
                           .arg(dialog.windowTitle(), OrvShownLabelText(dialog.PromptLabel()),
                                dialog.LineEdit()->text());
            while (!m_Typed.isEmpty()) {
                dialog.LineEdit()->setText(m_Typed.takeFirst());
                ClickOk(dialog);
                if (dialog.result() == QDialog::Accepted)
                    return int(QDialog::Accepted);
            }
            dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
            return dialog.result();
        };
    }
};

} // namespace

class TestCmnGetStringDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void loadsTheValueSelectedAndFocused();
    void acceptsTheTrimmedText_data();
    void acceptsTheTrimmedText();
    void firstRefusalKeepsTheDialogOpen();
    void readOnlyAcceptsUnchecked();
    void derivedDialogKeepsItsOwnEditors();
    void builtInHelpForTheLineEdit();
    void helpButtonOpensTheWrittenPage();
    void entryPassesEverythingToTheDialog();
    void entryOfDestroyedDialogIsCancelled();
    void namedItemsUseTheStringDialog();
    void namedItemsShowNamesAsTyped_data();
    void namedItemsShowNamesAsTyped();
};

void TestCmnGetStringDialog::initTestCase()
{
    // Makes the built-in help file readable.
    CmnInitFramework(CCmnAppDescriptor());
    CmnGetAppDescriptor().SetProductName(kProductName);
}

void TestCmnGetStringDialog::loadsTheValueSelectedAndFocused()
{
    CCmnGetStringDialog dialog;
    dialog.m_Value = QStringLiteral("Bella");
    dialog.m_Prompt = QStringLiteral("Please choose a name for the new field:");
    dialog.Prepare();

    QCOMPARE(dialog.PromptLabel()->text(), dialog.m_Prompt);
    QCOMPARE(dialog.LineEdit()->text(), QString("Bella"));
    QCOMPARE(dialog.LineEdit()->selectedText(), QString("Bella"));
    QCOMPARE(dialog.focusWidget(), dialog.LineEdit());
    QVERIFY(!dialog.LineEdit()->isReadOnly());
    QCOMPARE(dialog.MainLayout()->indexOf(dialog.PromptLabel()), 0);
    QCOMPARE(dialog.MainLayout()->indexOf(dialog.LineEdit()), 1);
    QCOMPARE(dialog.MainLayout()->indexOf(dialog.ButtonBox()), 2);
}

void TestCmnGetStringDialog::acceptsTheTrimmedText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("value");
    QTest::newRow("blanks around") << "  Coat colour  " << "Coat colour";
    QTest::newRow("tab and line end") << "\tBreeder\n" << "Breeder";
    QTest::newRow("empty line is not required") << "   " << "";
}

void TestCmnGetStringDialog::acceptsTheTrimmedText()
{
    QFETCH(QString, typed);
    QFETCH(QString, value);

    const CTestValidator passes{QString()};
    CCmnGetStringDialog dialog;
    dialog.m_Value = QStringLiteral("Old");
    dialog.m_Validators << &passes;
    dialog.Prepare();
    dialog.LineEdit()->setText(typed);
    ClickOk(dialog);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_Value, value);
    QCOMPARE(passes.m_Values, QStringList{value});
}

void TestCmnGetStringDialog::firstRefusalKeepsTheDialogOpen()
{
    CTestMessageBoxScope boxes;
    const CTestValidator passes{QString()};
    const CTestValidator taken(QStringLiteral("Field 'Sire' already exists - please choose a different name."),
                               QStringLiteral("Try \"Father\" instead."), {QStringLiteral("Sire")});
    const CTestValidator reserved(QStringLiteral("'SIRE' names the father of each animal."));
    CCmnGetStringDialog dialog;
    dialog.m_Value = QStringLiteral("Add Field");
    dialog.m_Validators << &passes << &taken << &reserved;
    dialog.Prepare();

    dialog.LineEdit()->setText(QStringLiteral(" Sire "));
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &request = boxes.Requests().first();
    QCOMPARE(request.m_Icon, QMessageBox::Warning);
    QCOMPARE(request.m_Title, kProductName);
    QCOMPARE(request.m_Text, QString("<p>Field 'Sire' already exists - please choose a different name.</p>"
                                     "<p>Try \"Father\" instead.</p>"));
    QCOMPARE(passes.m_Values, QStringList{"Sire"});
    QCOMPARE(reserved.m_Values, QStringList());
    QCOMPARE(dialog.focusWidget(), dialog.LineEdit());
    QCOMPARE(dialog.LineEdit()->selectedText(), QString(" Sire "));
    // Refused text never reaches the caller.
    QCOMPARE(dialog.m_Value, QString("Add Field"));

    // The last validator objects to everything: the text passes the others first.
    dialog.LineEdit()->setText(QStringLiteral("Dam"));
    ClickOk(dialog);
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(boxes.Requests().last().m_Text, QString("<p>'SIRE' names the father of each animal.</p>"));
    QCOMPARE(reserved.m_Values, QStringList{"Dam"});

    dialog.ButtonBox()->button(QDialogButtonBox::Cancel)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.m_Value, QString("Add Field"));
}

void TestCmnGetStringDialog::readOnlyAcceptsUnchecked()
{
    CTestMessageBoxScope boxes;
    const CTestValidator refusesAll(QStringLiteral("No."));
    CCmnGetStringDialog dialog;
    dialog.m_Value = QStringLiteral("Name");
    dialog.m_Validators << &refusesAll;
    dialog.SetReadOnly(true);
    dialog.Prepare();

    QVERIFY(dialog.LineEdit()->isReadOnly());
    QVERIFY(!dialog.LineEdit()->styleSheet().isEmpty());
    QVERIFY(!dialog.PromptLabel()->styleSheet().isEmpty());
    QCOMPARE(dialog.InitialFocusWidget(), nullptr);
    ClickOk(dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_Value, QString("Name"));
    QCOMPARE(refusesAll.m_Values, QStringList());
    QCOMPARE(boxes.Requests().size(), 0);

    dialog.SetReadOnly(false);
    QVERIFY(!dialog.LineEdit()->isReadOnly());
    QVERIFY(dialog.LineEdit()->styleSheet().isEmpty());
    QVERIFY(dialog.PromptLabel()->styleSheet().isEmpty());
}

void TestCmnGetStringDialog::derivedDialogKeepsItsOwnEditors()
{
    COwnEditorsDialog dialog;
    CCmnLineEdit *own = dialog.LineEdit();
    dialog.m_Prompt = QStringLiteral("From:");
    dialog.m_Value = QStringLiteral("/home/breeder/old");
    dialog.Prepare();

    QCOMPARE(dialog.LineEdit(), own);
    QCOMPARE(dialog.findChildren<CCmnLineEdit *>().size(), 1);
    QCOMPARE(dialog.findChildren<CCmnLabel *>().size(), 1);
    QCOMPARE(dialog.PromptLabel()->text(), QString("From:"));
    QCOMPARE(own->text(), QString("/home/breeder/old"));
    QCOMPARE(dialog.InitialFocusWidget(), nullptr);
}

void TestCmnGetStringDialog::builtInHelpForTheLineEdit()
{
    const TCmnWhatsThisTable previous = CmnWhatsThisTexts();
    CmnLoadWhatsThisTexts();
    CCmnGetStringDialog dialog;
    dialog.Prepare();
    COwnEditorsDialog own;
    own.Prepare();
    CmnSetWhatsThisTexts(previous);

    QCOMPARE(dialog.HelpPage(), QString("CCmnGetStringDialog.html"));
    QVERIFY(!dialog.LineEdit()->whatsThis().isEmpty());
    // A derived dialog's own line edit carries the help it registers itself.
    QVERIFY(own.LineEdit()->whatsThis().isEmpty());
}

void TestCmnGetStringDialog::helpButtonOpensTheWrittenPage()
{
    const TCmnWhatsThisTable previous = CmnWhatsThisTexts();
    CmnLoadWhatsThisTexts();
    const QString text = CmnWhatsThisTexts().value(QStringLiteral("CCmnGetStringDialog.html:Value"));
    QVERIFY(!text.isEmpty());
    CTestUrlOpenerScope opener;
    CCmnGetStringDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Rename Smith & Jones <UK>"));
    dialog.Prepare();
    dialog.ButtonBox()->button(QDialogButtonBox::Help)->click();
    CmnSetWhatsThisTexts(previous);

    QCOMPARE(opener.m_Urls.size(), 1);
    QFile page(opener.m_Urls.first().toLocalFile());
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY(html.contains(QStringLiteral("<title>Rename Smith &amp; Jones &lt;UK&gt;</title>")));
    QVERIFY(html.contains(text));
}

void TestCmnGetStringDialog::entryPassesEverythingToTheDialog()
{
    CTestMessageBoxScope boxes;
    const CTestValidator first(QStringLiteral("first"), QString(), {QStringLiteral("Ash")});
    const CTestValidator second(QStringLiteral("second"), QString(), {QStringLiteral("Birch")});
    CDialogUser user;
    user.m_Typed = QStringList{QStringLiteral("Ash"), QStringLiteral("Birch"), QStringLiteral("  Cedar ")};
    QWidget parent;
    CCmnStringEntryDialog entry(&parent, user.Runner());
    entry.SetTitle(QStringLiteral("Add Tree"));
    entry.SetPrompt(QStringLiteral("Please choose a name for the new tree:"));
    entry.SetValue(QStringLiteral("Add Tree"));
    entry.AddValidator(&first);
    entry.AddValidator(&second);
    QCOMPARE(entry.Dialog()->parentWidget(), &parent);

    QVERIFY(entry.Exec());
    QCOMPARE(entry.Value(), QString("Cedar"));
    QCOMPARE(user.m_Shown, QStringList{"Add Tree | Please choose a name for the new tree: | Add Tree"});
    QCOMPARE(boxes.Requests().size(), 2);
    QCOMPARE(boxes.Requests().at(0).m_Text, QString("<p>first</p>"));
    QCOMPARE(boxes.Requests().at(1).m_Text, QString("<p>second</p>"));
}

void TestCmnGetStringDialog::entryOfDestroyedDialogIsCancelled()
{
    auto *parent = new QWidget;
    CCmnStringEntryDialog entry(parent, [parent](CCmnGetStringDialog &dialog) {
        dialog.Prepare();
        dialog.LineEdit()->setText(QStringLiteral("Rex"));
        ClickOk(dialog);
        // The window goes away, and the dialog with it, before the run returns.
        delete parent;
        return int(QDialog::Accepted);
    });
    QVERIFY(!entry.Exec());
    QCOMPARE(entry.Dialog(), nullptr);
    QCOMPARE(entry.Value(), QString());
}

void TestCmnGetStringDialog::namedItemsUseTheStringDialog()
{
    using CHelper = TCmnNamedItemsSortedListHelper<int>;
    CHelper helper;
    helper.Set(QStringLiteral("Tree"), QStringLiteral("Trees"), QStringLiteral("Name"));
    QWidget parent;
    const std::unique_ptr<CCmnStringEntry> plain = helper.CreatePlainStringEntry(&parent);
    auto *real = dynamic_cast<CCmnStringEntryDialog *>(plain.get());
    QVERIFY(real);
    QCOMPARE(real->Dialog()->parentWidget(), &parent);

    // Add, Rename and Edit each run the string dialog with the list's words and checks.
    CTestMessageBoxScope boxes;
    CDialogUser user;
    helper.SetStringEntryFactory(CmnStringEntryDialogFactory(user.Runner()));
    TCmnNamedItemsSortedList<int> list;
    list.InsertSorted(QStringLiteral("Ash"), 1);
    list.InsertSorted(QStringLiteral("Birch"), 2);

    user.m_Typed = QStringList{QStringLiteral("Ash"), QStringLiteral(" Cedar ")};
    QCOMPARE(helper.AddItem(list, &parent), 2);
    list.m_CurrentRow = 0;
    user.m_Typed = QStringList{QStringLiteral("Alder")};
    QCOMPARE(helper.RenameItem(list, &parent), CHelper::CRows(0, 0));
    list.m_CurrentRow = 1;
    user.m_Typed = QStringList{QStringLiteral("Beech")};
    QCOMPARE(helper.EditItem(list, &parent), CHelper::CRows(1, 1));

    QCOMPARE(list.NameAt(0), QString("Alder"));
    QCOMPARE(list.NameAt(1), QString("Beech"));
    QCOMPARE(list.NameAt(2), QString("Cedar"));
    QCOMPARE(user.m_Shown.size(), 3);
    QCOMPARE(user.m_Shown.at(0), QString("Add Tree | Please choose a name for the new tree: | Add Tree"));
    QVERIFY2(user.m_Shown.at(1).startsWith("Rename Tree | "), qPrintable(user.m_Shown.at(1)));
    QVERIFY2(user.m_Shown.at(1).endsWith(" | Ash"), qPrintable(user.m_Shown.at(1)));
    QVERIFY2(user.m_Shown.at(2).endsWith(" | Birch"), qPrintable(user.m_Shown.at(2)));
    QCOMPARE(boxes.Requests().size(), 1);
    QVERIFY2(boxes.Requests().first().m_Text.contains("already exists"), qPrintable(boxes.Requests().first().m_Text));
}

void TestCmnGetStringDialog::namedItemsShowNamesAsTyped_data()
{
    OrvAddUserTextColumn();
}

// The name is quoted in the rename prompt, the refusal of a duplicate and the delete
// question, each exactly as typed.
void TestCmnGetStringDialog::namedItemsShowNamesAsTyped()
{
    QFETCH(QString, typed);
    TCmnNamedItemsSortedListHelper<int> helper;
    helper.Set(QStringLiteral("Tree"), QStringLiteral("Trees"), QStringLiteral("Name"));
    CTestMessageBoxScope boxes;
    CDialogUser user;
    helper.SetStringEntryFactory(CmnStringEntryDialogFactory(user.Runner()));
    TCmnNamedItemsSortedList<int> list;
    list.InsertSorted(QStringLiteral("Ash"), 1);
    list.InsertSorted(typed, 2);
    list.m_CurrentRow = list.IndexOf(QStringLiteral("Ash"));
    QWidget parent;

    user.m_Typed = QStringList{typed};
    QCOMPARE(helper.RenameItem(list, &parent), TCmnNamedItemsSortedListHelper<int>::CRows(-1, -1));
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(OrvShownRichText(boxes.Requests().first().m_Text),
             QStringLiteral("Tree '%1' already exists - please choose a different name.").arg(typed));

    list.m_CurrentRow = list.IndexOf(typed);
    boxes.Answer(QMessageBox::No);
    QCOMPARE(helper.DeleteItem(list, &parent), -1);
    QCOMPARE(OrvShownRichText(boxes.Requests().last().m_Text),
             QStringLiteral("Are you sure you want to delete the tree '%1'?").arg(typed));

    user.m_Typed = QStringList{QStringLiteral("Birch")};
    const qint32 renamed = helper.RenameItem(list, &parent).second;
    QCOMPARE(renamed, list.IndexOf(QStringLiteral("Birch")));
    QVERIFY(user.m_Shown.last().contains(QStringLiteral(" '%1':").arg(typed)));
}

QTEST_MAIN(TestCmnGetStringDialog)
#include "tst_cmngetstringdialog.moc"
