#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmndialogex.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnregfieldcontextmask.h"
#include "cmnregfieldcontexts.h"
#include "cmnregfieldcontextsctrl.h"
#include "cmnwhatsthistexts.h"

#include <QGridLayout>
#include <QTest>

namespace {

// Two groups; the Later group (key 1) is listed first but shown second.
CCmnRegFieldContexts Catalogue()
{
    CCmnRegFieldContexts catalogue;
    const int later = catalogue.AddGroup(1, "Later");
    const int first = catalogue.AddGroup(0, "Smith & Jones <UK>");
    catalogue.AddItem(33, first, 0, 0, 1, "Title", "PedigreeTitle");
    catalogue.AddItem(60, first, 0, 1, 1, "Details", "PedigreeTitle");
    catalogue.AddItem(70, later, 1, 0, 1, "G2 (Grandparents)", "AncestorsGen");
    catalogue.AddItem(71, later, 0, 1, 1, "Twin A", "AncestorsGen");
    catalogue.AddItem(71, later, 0, 2, 1, "Twin & B", "AncestorsGen");
    return catalogue;
}

// The control on a window.
struct CHost
{
    explicit CHost(const CCmnRegFieldContexts &contexts = Catalogue())
        : m_Catalogue(contexts)
    {
        m_Window.setLayout(m_Ctrl.Layout());
    }

    CCmnRegFieldContexts m_Catalogue;
    QWidget m_Window;
    CCmnRegFieldContextsCtrl m_Ctrl{&m_Window, &m_Catalogue};
};

CCmnCheckBox *BoxOf(const CCmnRegFieldContextsCtrl &ctrl, const QString &text)
{
    for (const auto &[item, box] : ctrl.Boxes()) {
        if (box->text() == text)
            return box;
    }
    return nullptr;
}

} // namespace

class TestCmnRegFieldContextsCtrl : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { CmnLoadWhatsThisTexts(); }
    void gridFollowsTheCatalogue();
    void exchangeTouchesOnlyShownBits();
    void laterBoxDecidesASharedBit();
    void emptyCatalogueLeavesTheMask();
    void helpNamesCarryThePrefix();
};

void TestCmnRegFieldContextsCtrl::gridFollowsTheCatalogue()
{
    CHost fixture;
    QWidget &host = fixture.m_Window;
    CCmnRegFieldContextsCtrl &ctrl = fixture.m_Ctrl;

    auto *group = host.findChild<CCmnGroupBox *>();
    QVERIFY(group);
    QCOMPARE(group->title(), QString("Default Field Usage"));
    auto *grid = qobject_cast<QGridLayout *>(group->layout());
    QVERIFY(grid);
    const auto position = [grid](QWidget *widget) {
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(widget), &row, &column, &rowSpan, &columnSpan);
        return QList<int>{row, column};
    };
    // The user's group name stays plain text.
    QList<CCmnLabel *> labels = group->findChildren<CCmnLabel *>();
    QCOMPARE(labels.size(), 2);
    QCOMPARE(labels.at(0)->text(), QString("Smith & Jones <UK>:"));
    QCOMPARE(labels.at(0)->textFormat(), Qt::PlainText);
    QCOMPARE(position(labels.at(0)), QList<int>({0, 0}));
    QCOMPARE(position(labels.at(1)), QList<int>({1, 0}));
    QCOMPARE(position(BoxOf(ctrl, "Details")), QList<int>({0, 2}));
    QCOMPARE(position(BoxOf(ctrl, "G2 (Grandparents)")), QList<int>({2, 1}));
    // Labels carry the user's terminology words: an "&" in them is no mnemonic.
    QCOMPARE(position(BoxOf(ctrl, "Twin && B")), QList<int>({1, 3}));
    // Boxes in group order, items in catalogue order within a group.
    QCOMPARE(ctrl.Boxes().at(0).first, 0);
    QCOMPARE(ctrl.Boxes().at(2).first, 2);
}

void TestCmnRegFieldContextsCtrl::exchangeTouchesOnlyShownBits()
{
    CHost fixture;
    CCmnRegFieldContextsCtrl &ctrl = fixture.m_Ctrl;

    CCmnRegFieldContextMask mask;
    mask.SetContext(33, true);
    mask.SetContext(70, true);
    mask.SetContext(5, true);    // no box shows it
    mask.SetContext(127, true);  // nor this one
    CCmnDataExchange load(false);
    QVERIFY(ctrl.DataExchange(&load, &mask));
    QVERIFY(BoxOf(ctrl, "Title")->isChecked());
    QVERIFY(BoxOf(ctrl, "G2 (Grandparents)")->isChecked());
    QVERIFY(!BoxOf(ctrl, "Details")->isChecked());

    BoxOf(ctrl, "G2 (Grandparents)")->setChecked(false);
    const CCmnRegFieldContextMask before = mask;
    CCmnDataExchange save(true);
    QVERIFY(ctrl.DataExchange(&save, &mask));
    QCOMPARE(mask.Word(0), before.Word(0));
    QCOMPARE(mask.Word(1), before.Word(1) & ~(quint64(1) << 6));
}

void TestCmnRegFieldContextsCtrl::laterBoxDecidesASharedBit()
{
    CHost fixture;
    CCmnRegFieldContextsCtrl &ctrl = fixture.m_Ctrl;
    CCmnRegFieldContextMask mask;
    mask.SetContext(71, true);
    CCmnDataExchange load(false);
    QVERIFY(ctrl.DataExchange(&load, &mask));
    QVERIFY(BoxOf(ctrl, "Twin A")->isChecked());
    QVERIFY(BoxOf(ctrl, "Twin && B")->isChecked());

    BoxOf(ctrl, "Twin A")->setChecked(false);
    CCmnDataExchange save(true);
    QVERIFY(ctrl.DataExchange(&save, &mask));
    QVERIFY(mask.HasContext(71));
}

void TestCmnRegFieldContextsCtrl::emptyCatalogueLeavesTheMask()
{
    CHost fixture{CCmnRegFieldContexts()};
    CCmnRegFieldContextsCtrl &ctrl = fixture.m_Ctrl;
    QVERIFY(fixture.m_Window.findChild<CCmnGroupBox *>());
    CCmnRegFieldContextMask mask;
    mask.SetWord(0, 0x1234);
    mask.SetWord(1, 0x8000000000000001ull);
    const CCmnRegFieldContextMask before = mask;
    CCmnDataExchange save(true);
    QVERIFY(ctrl.DataExchange(&save, &mask));
    QCOMPARE(mask, before);
}

void TestCmnRegFieldContextsCtrl::helpNamesCarryThePrefix()
{
    const CCmnRegFieldContexts catalogue = Catalogue();
    CCmnDialogEx dialog;
    dialog.SetHelpPage("CCmnRegFieldConfDialog.html");
    CCmnRegFieldContextsCtrl ctrl(&dialog, &catalogue);
    dialog.MainLayout()->addLayout(ctrl.Layout());
    ctrl.RegisterWhatsThis(&dialog, "Contexts");
    // Title and Details share one name, and so one text.
    const QString title = BoxOf(ctrl, "Title")->whatsThis();
    QVERIFY(!title.isEmpty());
    QCOMPARE(BoxOf(ctrl, "Details")->whatsThis(), title);
    QVERIFY(!BoxOf(ctrl, "Twin A")->whatsThis().isEmpty());
}

QTEST_MAIN(TestCmnRegFieldContextsCtrl)
#include "tst_cmnregfieldcontextsctrl.moc"
