#include "cmnautomaticorcustompanel.h"

#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnradiobutton.h"
#include "cmnwhatsthistexts.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

const QString kHelpPage = QStringLiteral("CsvFormatPanel.html");

// A delimited-text format panel in small: a separator box and, in a nested row,
// a header check box. It records every call of the hook.
class CFormatPanel : public CCmnAutomaticOrCustomPanel
{
public:
    CFormatPanel(qint32 flags, bool *automatic, QBoxLayout *mainLayout, const QString &explanation = {})
        : CCmnAutomaticOrCustomPanel(flags, automatic, mainLayout)
    {
        SetHelpPage(kHelpPage);
        auto *grid = new QGridLayout;
        m_Separator = new QLineEdit(",");
        m_Header = new QCheckBox("First line holds the column names");
        grid->addWidget(new QLabel("Separator:"), 0, 0);
        grid->addWidget(m_Separator, 0, 1);
        grid->addLayout(CmnBoxLayout(CmnBoxLayoutHorizontal, m_Header), 1, 0, 1, 2);
        SetExplanation(explanation);
        CreateControls(grid);
    }

    void OnCustomChanged(bool custom) override { m_Changes.append(custom); }

    QList<QWidget *> CustomWidgets() const { return CmnLayoutWidgets(CustomLayout()); }

    QLineEdit *m_Separator;
    QCheckBox *m_Header;
    QList<bool> m_Changes;
};

void Exchange(CCmnPanel *panel, bool save)
{
    CCmnDataExchange context(save);
    QVERIFY(panel->DataExchange(&context));
}

// The user's switch to the given state, through whichever choice the panel has.
void Choose(CCmnAutomaticOrCustomPanel *panel, bool custom)
{
    if (panel->CustomRadio())
        (custom ? panel->CustomRadio() : panel->AutomaticRadio())->click();
    else if (panel->CheckBox())
        panel->CheckBox()->click();
    else
        panel->GroupBox()->setChecked(custom);
}

QList<bool> EnabledStates(const QList<QWidget *> &widgets)
{
    QList<bool> states;
    for (const QWidget *widget : widgets)
        states.append(widget->isEnabled());
    return states;
}

} // namespace

class TestCmnAutomaticOrCustomPanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void explanationWraps_data();
    void explanationWraps();
    void buildsChoiceForFlags_data();
    void buildsChoiceForFlags();
    void loadingFollowsOwnerFlag_data();
    void loadingFollowsOwnerFlag();
    void toggleCallsHookAndSaveSetsFlag_data();
    void toggleCallsHookAndSaveSetsFlag();
    void setsWidgetsEnabled();

private:
    TCmnWhatsThisTable m_PreviousTexts;
};

void TestCmnAutomaticOrCustomPanel::initTestCase()
{
    m_PreviousTexts = CmnSetWhatsThisTexts({{kHelpPage + ":Custom", "Set the format yourself."}});
}

void TestCmnAutomaticOrCustomPanel::cleanupTestCase()
{
    CmnSetWhatsThisTexts(m_PreviousTexts);
}

void TestCmnAutomaticOrCustomPanel::explanationWraps_data()
{
    QTest::addColumn<QString>("explanation");
    QTest::addColumn<QString>("shown");  // empty: no label

    QTest::newRow("plain text") << "Orvanta reads the format." << "<p>Orvanta reads the format.</p>";
    QTest::newRow("paragraph") << "<p>One.</p><p>Two.</p>" << "<p>One.</p><p>Two.</p>";
    QTest::newRow("upper-case paragraph") << "<P>Shouted.</P>" << "<P>Shouted.</P>";
    QTest::newRow("other tag first") << "<b>Bold</b>" << "<p><b>Bold</b></p>";
    QTest::newRow("none") << "" << "";
}

void TestCmnAutomaticOrCustomPanel::explanationWraps()
{
    QFETCH(QString, explanation);
    QFETCH(QString, shown);

    QWidget window;
    auto *mainLayout = new QVBoxLayout(&window);
    bool automatic = true;
    CFormatPanel panel(2, &automatic, mainLayout, explanation);

    CCmnLabel *label = panel.ExplanationLabel();
    QCOMPARE(label ? label->text() : QString(), shown);
    if (label) {
        QVERIFY(label->wordWrap());
        QCOMPARE(mainLayout->indexOf(label), 0);
        QCOMPARE(mainLayout->indexOf(panel.CheckBox()), 1);
    }
}

void TestCmnAutomaticOrCustomPanel::buildsChoiceForFlags_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<QString>("checkBoxText");   // empty: none
    QTest::addColumn<QString>("groupTitle");     // the group box is checkable when titled
    QTest::addColumn<QStringList>("radioTexts");

    QTest::newRow("check box, as every panel") << 2 << "Customize" << "" << QStringList();
    QTest::newRow("no flag") << 0 << "Customize" << "" << QStringList();
    QTest::newRow("group box") << 1 << "" << "Customize" << QStringList();
    QTest::newRow("group box wins over radios") << 5 << "" << "Custom" << QStringList();
    QTest::newRow("radio pair") << 4 << "" << "" << QStringList{"Automatic", "Custom"};
}

void TestCmnAutomaticOrCustomPanel::buildsChoiceForFlags()
{
    QFETCH(qint32, flags);
    QFETCH(QString, checkBoxText);
    QFETCH(QString, groupTitle);
    QFETCH(QStringList, radioTexts);

    QWidget window;
    auto *mainLayout = new QVBoxLayout(&window);
    bool automatic = true;
    CFormatPanel panel(flags, &automatic, mainLayout);

    QCOMPARE(panel.CheckBox() ? panel.CheckBox()->text() : QString(), checkBoxText);
    QCOMPARE(panel.GroupBox()->title(), groupTitle);
    QCOMPARE(panel.GroupBox()->isCheckable(), !groupTitle.isEmpty());
    QStringList radios;
    if (panel.AutomaticRadio())
        radios << panel.AutomaticRadio()->text() << panel.CustomRadio()->text();
    QCOMPARE(radios, radioTexts);

    // The custom widgets sit in the group box, which takes the spare height.
    QCOMPARE(panel.GroupBox()->layout(), panel.CustomLayout());
    QCOMPARE(panel.m_Separator->parentWidget(), panel.GroupBox());
    const int boxIndex = mainLayout->indexOf(panel.GroupBox());
    QCOMPARE(boxIndex, mainLayout->count() - 1);
    QCOMPARE(mainLayout->stretch(boxIndex), 1);

    // Every form of the choice carries the help registered under "Custom".
    QList<QWidget *> choice{panel.CheckBox(), panel.AutomaticRadio(), panel.CustomRadio()};
    if (panel.GroupBox()->isCheckable())
        choice.append(panel.GroupBox());
    for (QWidget *widget : choice) {
        if (widget)
            QVERIFY2(widget->whatsThis().contains("Set the format yourself."), qPrintable(widget->objectName()));
    }
}

void TestCmnAutomaticOrCustomPanel::loadingFollowsOwnerFlag_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<bool>("automatic");

    for (const qint32 flags : {2, 1, 4}) {
        QTest::addRow("flags %d automatic", flags) << flags << true;
        QTest::addRow("flags %d custom", flags) << flags << false;
    }
}

void TestCmnAutomaticOrCustomPanel::loadingFollowsOwnerFlag()
{
    QFETCH(qint32, flags);
    QFETCH(bool, automatic);

    QWidget window;
    auto *mainLayout = new QVBoxLayout(&window);
    bool owner = automatic;
    CFormatPanel panel(flags, &owner, mainLayout);
    // A second load must set the widgets again, whatever they show.
    Exchange(&panel, false);
    owner = !automatic;
    Exchange(&panel, false);
    owner = automatic;
    Exchange(&panel, false);

    QCOMPARE(panel.IsCustom(), !automatic);
    QCOMPARE(panel.CustomState(), !automatic);
    if (panel.AutomaticRadio())
        QCOMPARE(panel.AutomaticRadio()->isChecked(), automatic);
    QCOMPARE(EnabledStates(panel.CustomWidgets()), QList<bool>(3, !automatic));
    QVERIFY(panel.m_Changes.isEmpty());
    QCOMPARE(owner, automatic);
}

void TestCmnAutomaticOrCustomPanel::toggleCallsHookAndSaveSetsFlag_data()
{
    QTest::addColumn<qint32>("flags");
    QTest::newRow("check box") << 2;
    QTest::newRow("group box") << 1;
    QTest::newRow("radio pair") << 4;
}

void TestCmnAutomaticOrCustomPanel::toggleCallsHookAndSaveSetsFlag()
{
    QFETCH(qint32, flags);

    QWidget window;
    auto *mainLayout = new QVBoxLayout(&window);
    bool owner = true;
    CFormatPanel panel(flags, &owner, mainLayout);
    Exchange(&panel, false);

    Choose(&panel, true);
    QCOMPARE(panel.m_Changes, QList<bool>({true}));
    QCOMPARE(EnabledStates(panel.CustomWidgets()), QList<bool>(3, true));
    QVERIFY(owner);
    Exchange(&panel, true);
    QVERIFY(!owner);

    Choose(&panel, false);
    QCOMPARE(panel.m_Changes, QList<bool>({true, false}));
    QCOMPARE(EnabledStates(panel.CustomWidgets()), QList<bool>(3, false));
    QVERIFY(!owner);
    Exchange(&panel, true);
    QVERIFY(owner);
}

void TestCmnAutomaticOrCustomPanel::setsWidgetsEnabled()
{
    QLineEdit first;
    QLineEdit second;
    CmnSetWidgetsEnabled({&first, nullptr, &second}, false);
    QCOMPARE(EnabledStates({&first, &second}), QList<bool>({false, false}));
    CmnSetWidgetsEnabled({&first, &second}, true);
    QCOMPARE(EnabledStates({&first, &second}), QList<bool>({true, true}));
}

QTEST_MAIN(TestCmnAutomaticOrCustomPanel)
#include "tst_cmnautomaticorcustompanel.moc"
