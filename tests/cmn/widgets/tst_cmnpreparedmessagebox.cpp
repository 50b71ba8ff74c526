#include "cmnappdescriptor.h"
#include "cmnpreparedmessagebox.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(Qt::WindowModality)

namespace {

const QString kProductName = QStringLiteral("Orvanta Test");

CCmnMessageBoxRequest SaveQuestion()
{
    CCmnMessageBoxRequest request;
    request.m_Icon = QMessageBox::Warning;
    request.m_Title = QStringLiteral("Closing");
    request.m_Text = QStringLiteral("Save the changes?");
    request.m_Options.m_InformativeText = QStringLiteral("They are lost otherwise.");
    request.m_Options.m_CheckBoxText = QStringLiteral("Don't ask next time");
    request.m_Options.m_MessageId = 5;
    request.m_Buttons = {
        CCmnMessageBoxButton(QString(), QMessageBox::Save, QMessageBox::AcceptRole),
        CCmnMessageBoxButton(QString(), QMessageBox::Discard, QMessageBox::NoRole),
        CCmnMessageBoxButton(QStringLiteral("Keep Both"), 0, QMessageBox::ActionRole),
        CCmnMessageBoxButton(QString(), QMessageBox::Cancel, QMessageBox::RejectRole),
    };
    request.m_DefaultButton = 2;
    request.m_EscapeButton = 3;
    return request;
}

} // namespace

// The real presenter, prepared but never run: no test waits on a modal box.
class TestCmnPreparedMessageBox : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void preparesTheRequestedBox();
    void noCheckBoxOrInformativeTextWhenEmpty();
    void clickAndCheckBoxMakeTheAnswer();
    void emptyTitleShowsProductName_data();
    void emptyTitleShowsProductName();
    void modalityFollowsPositionAndFlags_data();
    void modalityFollowsPositionAndFlags();
    void iconPixmapReplacesStandardIcon();
    void shownBoxIsCentredOnPosition();
    void boxDeletedWithItsParentGivesNoAnswer();
    void standardButtonTextLeavesTheBoxAlone();
};

void TestCmnPreparedMessageBox::initTestCase()
{
    CmnGetAppDescriptor().SetProductName(kProductName);
}

void TestCmnPreparedMessageBox::preparesTheRequestedBox()
{
    const CCmnMessageBoxRequest request = SaveQuestion();
    const CCmnPreparedMessageBox prepared(request);
    const CCmnMessageBoxEx *box = prepared.Box();
    QVERIFY(box);

    QCOMPARE(box->windowTitle(), QStringLiteral("Closing"));
    QCOMPARE(box->text(), request.m_Text);
    QCOMPARE(box->informativeText(), request.m_Options.m_InformativeText);
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QVERIFY(box->checkBox());
    QCOMPARE(box->checkBox()->text(), QStringLiteral("Don't ask next time"));
    QVERIFY(!box->IsDontAskAgainChecked());
    QCOMPARE(box->Options().m_MessageId, 5);
    QVERIFY(box->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QCOMPARE(box->windowType(), Qt::Dialog);

    QCOMPARE(box->buttons().size(), 4);
    QVERIFY(!prepared.Button(4));
    // A standard button in its own role is the box's own; in another role it keeps
    // its standard text.
    QCOMPARE(prepared.Button(0), box->button(QMessageBox::Save));
    QCOMPARE(box->buttonRole(prepared.Button(0)), QMessageBox::AcceptRole);
    QCOMPARE(prepared.Button(1)->text(), box->standardButtonText(QMessageBox::Discard));
    QVERIFY(!prepared.Button(1)->text().isEmpty());
    QCOMPARE(box->buttonRole(prepared.Button(1)), QMessageBox::NoRole);
    QCOMPARE(prepared.Button(2)->text(), QStringLiteral("Keep Both"));
    QCOMPARE(box->buttonRole(prepared.Button(2)), QMessageBox::ActionRole);
    QCOMPARE(prepared.Button(3), box->button(QMessageBox::Cancel));

    QCOMPARE(box->defaultButton(), prepared.Button(2));
    QCOMPARE(box->escapeButton(), prepared.Button(3));
}

void TestCmnPreparedMessageBox::noCheckBoxOrInformativeTextWhenEmpty()
{
    CCmnMessageBoxRequest request = SaveQuestion();
    request.m_Options.m_CheckBoxText.clear();
    request.m_Options.m_InformativeText.clear();
    request.m_EscapeButton = -1;
    const CCmnPreparedMessageBox prepared(request);

    QVERIFY(!prepared.Box()->checkBox());
    QVERIFY(!prepared.Box()->IsDontAskAgainChecked());
    QVERIFY(prepared.Box()->informativeText().isEmpty());
    QVERIFY(!prepared.Box()->escapeButton());
}

void TestCmnPreparedMessageBox::clickAndCheckBoxMakeTheAnswer()
{
    CCmnPreparedMessageBox prepared(SaveQuestion());
    QCOMPARE(prepared.Answer().m_Button, -1);
    QVERIFY(!prepared.Answer().m_DontAskAgain);

    prepared.Box()->checkBox()->setChecked(true);
    prepared.Button(1)->click();
    QCOMPARE(prepared.Answer().m_Button, 1);
    QVERIFY(prepared.Answer().m_DontAskAgain);
}

void TestCmnPreparedMessageBox::emptyTitleShowsProductName_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QString() << kProductName;
    QTest::newRow("own") << QStringLiteral("Import") << QStringLiteral("Import");
}

void TestCmnPreparedMessageBox::emptyTitleShowsProductName()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);

    const CCmnMessageBoxEx box(QMessageBox::Information, title, QStringLiteral("Done."));
    QCOMPARE(box.windowTitle(), shown);
    QVERIFY(!box.checkBox());   // no options, no check box
    QCOMPARE(box.Options().m_Position, QPoint(-1, -1));
}

void TestCmnPreparedMessageBox::modalityFollowsPositionAndFlags_data()
{
    // Over a parent; a box without one is application-modal in any case.
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<qint32>("flags");
    QTest::addColumn<Qt::WindowModality>("modality");

    QTest::newRow("no position") << QPoint(-1, -1) << 0 << Qt::WindowModal;
    QTest::newRow("position") << QPoint(100, 200) << 0 << Qt::ApplicationModal;
    QTest::newRow("position at 0") << QPoint(0, 0) << 0 << Qt::ApplicationModal;
    QTest::newRow("half a position") << QPoint(-1, 5) << 0 << Qt::WindowModal;
    QTest::newRow("modal flag") << QPoint(-1, -1) << 1 << Qt::ApplicationModal;
    QTest::newRow("other flags") << QPoint(-1, -1) << 6 << Qt::WindowModal;
}

void TestCmnPreparedMessageBox::modalityFollowsPositionAndFlags()
{
    QFETCH(QPoint, position);
    QFETCH(qint32, flags);
    QFETCH(Qt::WindowModality, modality);

    QWidget parent;
    CCmnMessageBoxRequest request = SaveQuestion();
    request.m_Parent = &parent;
    request.m_Options.m_Position = position;
    request.m_Options.m_Flags = flags;
    const CCmnPreparedMessageBox prepared(request);
    QCOMPARE(prepared.Box()->windowModality(), modality);
}

void TestCmnPreparedMessageBox::iconPixmapReplacesStandardIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    CCmnMessageBoxRequest request = SaveQuestion();
    request.m_Options.m_IconPixmap = pixmap;
    const CCmnPreparedMessageBox prepared(request);
    QCOMPARE(prepared.Box()->iconPixmap().toImage(), pixmap.toImage());

    const CCmnPreparedMessageBox standard(SaveQuestion());
    QVERIFY(standard.Box()->iconPixmap().toImage() != pixmap.toImage());
}

void TestCmnPreparedMessageBox::shownBoxIsCentredOnPosition()
{
    CCmnMessageBoxRequest request = SaveQuestion();
    const QPoint position(330, 260);
    request.m_Options.m_Position = position;
    const CCmnPreparedMessageBox prepared(request);
    prepared.Box()->show();   // shown, not run: nothing waits for an answer
    QVERIFY(QTest::qWaitForWindowExposed(prepared.Box()));

    const QRect frame = prepared.Box()->frameGeometry();
    QVERIFY2(qAbs(frame.center().x() - position.x()) <= 1 && qAbs(frame.center().y() - position.y()) <= 1,
             qPrintable(QStringLiteral("frame %1,%2 %3x%4")
                            .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())));
}

void TestCmnPreparedMessageBox::boxDeletedWithItsParentGivesNoAnswer()
{
    auto *parent = new QWidget;
    CCmnMessageBoxRequest request = SaveQuestion();
    request.m_Parent = parent;
    CCmnPreparedMessageBox prepared(request);
    prepared.Button(0)->click();
    QCOMPARE(prepared.Answer().m_Button, 0);

    delete parent;
    QVERIFY(!prepared.Box());
    QCOMPARE(prepared.Answer().m_Button, -1);
    QCOMPARE(prepared.Run().m_Button, -1);
}

void TestCmnPreparedMessageBox::standardButtonTextLeavesTheBoxAlone()
{
    CCmnMessageBox box(QMessageBox::Question, QStringLiteral("Title"), QStringLiteral("Text"),
                       QMessageBox::Ok);
    QCOMPARE(box.standardButtonText(QMessageBox::Ok), box.button(QMessageBox::Ok)->text());
    QVERIFY(!box.standardButtonText(QMessageBox::Retry).isEmpty());
    QVERIFY(box.standardButtonText(QMessageBox::NoButton).isEmpty());
    QCOMPARE(box.buttons().size(), 1);
}

QTEST_MAIN(TestCmnPreparedMessageBox)
#include "tst_cmnpreparedmessagebox.moc"
