#include "acceleratortesting.h"
#include "cmngridlayoutex.h"
#include "cmnhtmlescape.h"
#include "cmnlineedit.h"
#include "cmnregfieldwidgets.h"
#include "cmnwidgetaccelerators.h"
#include "usertexts.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Fails unless every text carries a mark and no two marks share a character.
void VerifyDistinctMarks(const QStringList &texts)
{
    QSet<QChar> seen;
    for (const QString &text : texts) {
        const QChar c = OrvMarkedCharacter(text);
        QVERIFY2(!c.isNull(), qPrintable(QStringLiteral("no mark: ") + text));
        QVERIFY2(!seen.contains(c), qPrintable(QStringLiteral("mark used twice: ") + text));
        seen.insert(c);
    }
}

QStringList ActionTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions) {
        if (!action->isSeparator())
            texts.append(action->text());
    }
    return texts;
}

} // namespace

class TestCmnWidgetAccelerators : public QObject
{
    Q_OBJECT
private slots:
    void dialogControlsGetDistinctAccelerators();
    void menusAreGroupedByActionList();
    void menuLoopEnds();
    void userTextLabelsShowAsTyped_data();
    void userTextLabelsShowAsTyped();
};

void TestCmnWidgetAccelerators::dialogControlsGetDistinctAccelerators()
{
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *nameLabel = new QLabel(QStringLiteral("Name"), &dialog);
    auto *nameEdit = new QLineEdit(&dialog);
    nameLabel->setBuddy(nameEdit);
    auto *notesLabel = new QLabel(QStringLiteral("Notes"), &dialog);
    auto *notesEdit = new QLineEdit(&dialog);
    notesLabel->setBuddy(notesEdit);
    auto *plainLabel = new QLabel(QStringLiteral("No buddy"), &dialog);
    auto *options = new QGroupBox(QStringLiteral("Options"), &dialog);
    options->setCheckable(true);
    auto *frame = new QGroupBox(QStringLiteral("Frame"), &dialog);
    auto *frameLayout = new QVBoxLayout(frame);
    auto *showNames = new QCheckBox(QStringLiteral("Show names"), frame);
    auto *sorted = new QRadioButton(QStringLiteral("Sorted"), frame);
    frameLayout->addWidget(showNames);
    frameLayout->addWidget(sorted);
    auto *tool = new QToolButton(&dialog);
    tool->setText(QStringLiteral("Tool"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    for (QWidget *widget : {static_cast<QWidget *>(nameLabel), static_cast<QWidget *>(nameEdit),
                            static_cast<QWidget *>(notesLabel), static_cast<QWidget *>(notesEdit),
                            static_cast<QWidget *>(plainLabel), static_cast<QWidget *>(options),
                            static_cast<QWidget *>(frame), static_cast<QWidget *>(tool),
                            static_cast<QWidget *>(buttons)})
        layout->addWidget(widget);

    AssignDialogAccelerators(&dialog);

    QStringList marked{nameLabel->text(), notesLabel->text(), options->title(), showNames->text(),
                       sorted->text()};
    for (const QAbstractButton *button : buttons->buttons())
        marked.append(button->text());
    VerifyDistinctMarks(marked);
    QCOMPARE(plainLabel->text(), QStringLiteral("No buddy"));
    QCOMPARE(frame->title(), QStringLiteral("Frame"));
    QCOMPARE(tool->text(), QStringLiteral("Tool"));
}

void TestCmnWidgetAccelerators::menusAreGroupedByActionList()
{
    QMenuBar bar;
    QMenu *file = bar.addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Save"));
    file->addAction(QStringLiteral("Save As"));
    file->addSeparator();
    QMenu *recent = file->addMenu(QStringLiteral("Recent"));
    recent->addAction(QStringLiteral("Show"));
    recent->addAction(QStringLiteral("Sort"));
    file->addAction(QStringLiteral("E&xit"));
    QMenu *view = bar.addMenu(QStringLiteral("Fit"));
    view->addAction(QStringLiteral("Zoom"));

    AssignMenuAccelerators(&bar);

    QCOMPARE(ActionTexts(bar.actions()), (QStringList{"&File", "F&it"}));
    QCOMPARE(ActionTexts(file->actions()), (QStringList{"&Save", "Save &As", "&Recent", "E&xit"}));
    VerifyDistinctMarks(ActionTexts(recent->actions()));
    QCOMPARE(ActionTexts(view->actions()), QStringList{"&Zoom"});
}

// Menus that hold each other's actions, or their own, are handled once per chain.
void TestCmnWidgetAccelerators::menuLoopEnds()
{
    QMenu first(QStringLiteral("First"));
    QMenu second(QStringLiteral("Second"));
    first.addAction(QStringLiteral("Open"));
    first.addMenu(&second);
    second.addMenu(&first);
    first.addMenu(&first);

    AssignMenuAccelerators(&first);

    VerifyDistinctMarks(ActionTexts(first.actions()));
    VerifyDistinctMarks(ActionTexts(second.actions()));
}

void TestCmnWidgetAccelerators::userTextLabelsShowAsTyped_data()
{
    OrvAddUserTextColumn();
}

// A register-form label and a rich-text label, both with a buddy: after the
// assignment each shows the text as typed, and the key the label grabs is the one
// it underlines, never one read out of an entity.
void TestCmnWidgetAccelerators::userTextLabelsShowAsTyped()
{
    QFETCH(QString, typed);

    QDialog dialog;
    CCmnRegFieldWidgets row(typed);
    row.m_LineEdit = new CCmnLineEdit;
    row.AddToGrid(new CCmnGridLayoutEx(&dialog), nullptr, 0, 0, 1, 2, false);
    auto *richLabel = new QLabel(CmnHtmlEscape(typed), &dialog);
    richLabel->setTextFormat(Qt::RichText);
    richLabel->setBuddy(new QLineEdit(&dialog));
    const QList<QLabel *> labels = dialog.findChildren<QLabel *>();
    QCOMPARE(labels.size(), 2);
    QLabel *formLabel = labels.first() == richLabel ? labels.last() : labels.first();
    AssignDialogAccelerators(&dialog);

    QCOMPARE(OrvShownLabelText(formLabel), typed + QLatin1Char(':'));
    QCOMPARE(OrvShownLabelText(richLabel), typed);
    for (const QLabel *label : {static_cast<const QLabel *>(formLabel), static_cast<const QLabel *>(richLabel)}) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        const QChar marked = OrvMarkedCharacter(label->text());
        const QKeySequence expected = marked.isNull() ? QKeySequence()
                                                      : QKeySequence(QStringLiteral("Alt+") + marked);
        QCOMPARE(QKeySequence::mnemonic(label->text()), expected);
    }
    // Both texts are assigned in one group, so the two marks differ where both exist.
    const QChar first = OrvMarkedCharacter(formLabel->text());
    if (!first.isNull())
        QVERIFY(first != OrvMarkedCharacter(richLabel->text()));

    // Painted, however long or full of marks.
    dialog.resize(400, 120);
    const QPixmap shot = dialog.grab();
    QVERIFY(!shot.isNull());
    if (qEnvironmentVariableIsSet("ORV_RENDER_DIR"))
        shot.save(qEnvironmentVariable("ORV_RENDER_DIR") + "/labels-" + QTest::currentDataTag() + ".png");
}

QTEST_MAIN(TestCmnWidgetAccelerators)
#include "tst_cmnwidgetaccelerators.moc"
