#include "cmnappdescriptor.h"
#include "cmnmessageboxes.h"
#include "cmnsystemsettings.h"
#include "cmnwaitcursor.h"
#include "testmessageboxscope.h"

#include <QCursor>
#include <QGuiApplication>
#include <QTest>

#include <new>

Q_DECLARE_METATYPE(CCmnMessageBoxButton)

namespace {

enum EFunction {
    Message,
    OkCancel,
    YesNoCancel,
    TwoChoices,
    WithButtons,
    YesNo,
};

constexpr qint32 kOk = QMessageBox::Ok;
constexpr qint32 kCancel = QMessageBox::Cancel;
constexpr qint32 kYes = QMessageBox::Yes;
constexpr qint32 kNo = QMessageBox::No;
constexpr qint32 kSave = QMessageBox::Save;
constexpr qint32 kDiscard = QMessageBox::Discard;
// What ShowRememberedMessage "returns": it has no result.
constexpr qint32 kNoResult = -1;
constexpr qint32 kClose = 0;   // a script that closes the box without a click

const QString kProductName = QStringLiteral("Orvanta Test");

// Calls one of the functions with a fixed title and text. `choice` is the default
// argument of the questions that have one (a flag or a choice number). The
// caller-defined buttons stand in for Yes, No and Cancel.
qint32 Call(EFunction function, const CCmnMessageBoxOptions *options, qint32 choice = 0,
            const QString &title = QStringLiteral("Question"))
{
    const QString text = QStringLiteral("Go on?");
    const CCmnMessageBoxButton keep(QStringLiteral("Keep"), kYes, QMessageBox::YesRole);
    const CCmnMessageBoxButton drop(QStringLiteral("Drop"), kNo, QMessageBox::NoRole);
    const CCmnMessageBoxButton cancel(QString(), kCancel, QMessageBox::RejectRole);
    switch (function) {
    case Message:
        ShowRememberedMessage(QMessageBox::Information, nullptr, title, text, options);
        return kNoResult;
    case OkCancel:
        return AskOkCancel(QMessageBox::Question, choice != 0, nullptr, title, text, options);
    case YesNoCancel:
        return AskYesNoCancel(QMessageBox::Question, choice, nullptr, title, text, options);
    case TwoChoices:
        return AskTwoChoicesOrCancel(QMessageBox::Question, choice, nullptr, title, text, options,
                                     QStringLiteral("Merge"), QStringLiteral("Replace"));
    case WithButtons:
        return AskWithButtons(QMessageBox::Question, nullptr, title, text, options, &keep, &drop,
                              &cancel);
    case YesNo:
        return AskYesNo(QMessageBox::Question, choice != 0, nullptr, title, text, options);
    }
    return kNoResult;
}

CCmnMessageBoxOptions OptionsWithId(qint32 messageId)
{
    CCmnMessageBoxOptions options;
    options.m_MessageId = messageId;
    return options;
}

qint32 Remembered(qint32 messageId)
{
    return CmnGetSystemSettings()->GetDontAskAgainResult(messageId);
}

void Script(CTestMessageBoxScope &boxes, qint32 click, bool ticked)
{
    if (click == kClose)
        boxes.AnswerByClosing(ticked);
    else
        boxes.Answer(click, ticked);
}

QList<qint32> StandardButtons(const CCmnMessageBoxRequest &request)
{
    QList<qint32> buttons;
    for (const CCmnMessageBoxButton &button : request.m_Buttons)
        buttons << button.m_StandardButton;
    return buttons;
}

int CursorShape()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? int(cursor->shape()) : -1;
}

} // namespace

class TestCmnMessageBoxes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void rememberedAnswerSkipsTheBox_data();
    void rememberedAnswerSkipsTheBox();
    void tickedAnswerIsRemembered_data();
    void tickedAnswerIsRemembered();
    void checkBoxText_data();
    void checkBoxText();
    void buttonsAndDefaults_data();
    void buttonsAndDefaults();
    void requestCarriesTheCallersWords_data();
    void requestCarriesTheCallersWords();
    void twoChoicesOffersTheCallersTexts();
    void withButtonsChoosesDefaultAndEscape_data();
    void withButtonsChoosesDefaultAndEscape();
    void withButtonsAnswers_data();
    void withButtonsAnswers();
    void withButtonsHonoursRememberedAnswers_data();
    void withButtonsHonoursRememberedAnswers();
    void waitCursorIsLiftedWhileAsking_data();
    void waitCursorIsLiftedWhileAsking();
    void waitCursorComesBackAfterABoxThatThrows();
    void answerNamingNoButtonCountsAsClose();
    void unscriptedBoxTakesItsDefaultButton();
    void scriptScopesNest();
};

void TestCmnMessageBoxes::initTestCase()
{
    CmnGetAppDescriptor().SetProductName(kProductName);
}

void TestCmnMessageBoxes::init()
{
    CmnCreateSystemSettings();
}

void TestCmnMessageBoxes::cleanup()
{
    CmnDestroySystemSettings();
}

void TestCmnMessageBoxes::rememberedAnswerSkipsTheBox_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<qint32>("messageId");
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<qint32>("expected");   // closing the box when shown

    QTest::newRow("message, OK") << int(Message) << 7 << kOk << false << kNoResult;
    QTest::newRow("message, Yes ignored") << int(Message) << 7 << kYes << true << kNoResult;
    QTest::newRow("ok-cancel, OK") << int(OkCancel) << 7 << kOk << false << kOk;
    QTest::newRow("ok-cancel, Cancel ignored") << int(OkCancel) << 7 << kCancel << true << kCancel;
    QTest::newRow("yes-no-cancel, Yes") << int(YesNoCancel) << 7 << kYes << false << kYes;
    QTest::newRow("yes-no-cancel, No") << int(YesNoCancel) << 7 << kNo << false << kNo;
    QTest::newRow("yes-no-cancel, OK ignored") << int(YesNoCancel) << 7 << kOk << true << kCancel;
    QTest::newRow("yes-no-cancel, Cancel ignored")
        << int(YesNoCancel) << 7 << kCancel << true << kCancel;
    QTest::newRow("two choices, No") << int(TwoChoices) << 7 << kNo << false << kNo;
    QTest::newRow("with buttons, Yes") << int(WithButtons) << 7 << kYes << false << kYes;
    QTest::newRow("with buttons, OK not offered")
        << int(WithButtons) << 7 << kOk << true << kCancel;
    QTest::newRow("yes-no never looks up") << int(YesNo) << 7 << kYes << true << kNo;
    QTest::newRow("id 0 never looks up") << int(YesNoCancel) << 0 << kYes << true << kCancel;
    QTest::newRow("negative id never looks up") << int(OkCancel) << -3 << kOk << true << kCancel;
}

void TestCmnMessageBoxes::rememberedAnswerSkipsTheBox()
{
    QFETCH(int, function);
    QFETCH(qint32, messageId);
    QFETCH(qint32, stored);
    QFETCH(bool, shown);
    QFETCH(qint32, expected);

    CmnGetSystemSettings()->SetDontAskAgainResult(messageId, stored);
    CTestMessageBoxScope boxes;
    boxes.AnswerByClosing();
    const CCmnMessageBoxOptions options = OptionsWithId(messageId);

    QCOMPARE(Call(EFunction(function), &options), expected);
    QCOMPARE(boxes.Requests().size(), shown ? 1 : 0);
    QCOMPARE(Remembered(messageId), stored);
}

void TestCmnMessageBoxes::tickedAnswerIsRemembered_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<qint32>("messageId");
    QTest::addColumn<qint32>("click");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<qint32>("expected");
    QTest::addColumn<qint32>("stored");

    QTest::newRow("message, OK ticked") << int(Message) << 7 << kOk << true << kNoResult << kOk;
    QTest::newRow("message, OK clear") << int(Message) << 7 << kOk << false << kNoResult << 0;
    QTest::newRow("message, closed ticked") << int(Message) << 7 << kClose << true << kNoResult << 0;
    QTest::newRow("ok-cancel, OK ticked") << int(OkCancel) << 7 << kOk << true << kOk << kOk;
    QTest::newRow("ok-cancel, Cancel ticked") << int(OkCancel) << 7 << kCancel << true << kCancel << 0;
    QTest::newRow("ok-cancel, closed") << int(OkCancel) << 7 << kClose << true << kCancel << 0;
    QTest::newRow("yes-no-cancel, No ticked") << int(YesNoCancel) << 7 << kNo << true << kNo << kNo;
    QTest::newRow("yes-no-cancel, Yes clear") << int(YesNoCancel) << 7 << kYes << false << kYes << 0;
    QTest::newRow("yes-no-cancel, Cancel ticked")
        << int(YesNoCancel) << 7 << kCancel << true << kCancel << 0;
    QTest::newRow("yes-no-cancel, closed ticked")
        << int(YesNoCancel) << 7 << kClose << true << kCancel << 0;
    QTest::newRow("two choices, second ticked") << int(TwoChoices) << 7 << kNo << true << kNo << kNo;
    QTest::newRow("two choices, first ticked") << int(TwoChoices) << 7 << kYes << true << kYes << kYes;
    QTest::newRow("two choices, Cancel ticked")
        << int(TwoChoices) << 7 << kCancel << true << kCancel << 0;
    QTest::newRow("two choices, closed") << int(TwoChoices) << 7 << kClose << false << kCancel << 0;
    QTest::newRow("yes-no, Yes ticked") << int(YesNo) << 7 << kYes << true << kYes << 0;
    QTest::newRow("yes-no, closed") << int(YesNo) << 7 << kClose << true << kNo << 0;
    QTest::newRow("id 0, Yes ticked") << int(YesNoCancel) << 0 << kYes << true << kYes << 0;
}

void TestCmnMessageBoxes::tickedAnswerIsRemembered()
{
    QFETCH(int, function);
    QFETCH(qint32, messageId);
    QFETCH(qint32, click);
    QFETCH(bool, ticked);
    QFETCH(qint32, expected);
    QFETCH(qint32, stored);

    CTestMessageBoxScope boxes;
    Script(boxes, click, ticked);
    const CCmnMessageBoxOptions options = OptionsWithId(messageId);
    QCOMPARE(Call(EFunction(function), &options), expected);
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(Remembered(messageId), stored);

    // The next call with the id gives the remembered answer without a box, and
    // whatever its default choice; otherwise it asks again.
    boxes.AnswerByClosing();
    const qint32 again = Call(EFunction(function), &options, 1);
    QCOMPARE(boxes.Requests().size(), stored != 0 ? 1 : 2);
    if (stored != 0 && function != Message)
        QCOMPARE(again, stored);
}

void TestCmnMessageBoxes::checkBoxText_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<qint32>("messageId");
    QTest::addColumn<QString>("callersText");
    QTest::addColumn<QString>("shown");

    const QString display = QStringLiteral("Don't display this message again");
    const QString ask = QStringLiteral("Don't ask next time");
    const QString own = QStringLiteral("Never mind");
    QTest::newRow("message") << int(Message) << 7 << QString() << display;
    QTest::newRow("ok-cancel") << int(OkCancel) << 7 << QString() << ask;
    QTest::newRow("yes-no-cancel") << int(YesNoCancel) << 7 << QString() << ask;
    QTest::newRow("two choices") << int(TwoChoices) << 7 << QString() << ask;
    QTest::newRow("with buttons") << int(WithButtons) << 7 << QString() << ask;
    QTest::newRow("yes-no has none") << int(YesNo) << 7 << QString() << QString();
    QTest::newRow("id 0 has none") << int(YesNoCancel) << 0 << QString() << QString();
    QTest::newRow("caller's text kept") << int(Message) << 7 << own << own;
    QTest::newRow("caller's text with id 0") << int(OkCancel) << 0 << own << own;
}

void TestCmnMessageBoxes::checkBoxText()
{
    QFETCH(int, function);
    QFETCH(qint32, messageId);
    QFETCH(QString, callersText);
    QFETCH(QString, shown);

    CTestMessageBoxScope boxes;
    CCmnMessageBoxOptions options = OptionsWithId(messageId);
    options.m_CheckBoxText = callersText;
    Call(EFunction(function), &options);
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().constFirst().m_Options.m_CheckBoxText, shown);
    QCOMPARE(options.m_CheckBoxText, callersText);   // the caller's record is not touched
}

void TestCmnMessageBoxes::buttonsAndDefaults_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<qint32>("choice");
    QTest::addColumn<QList<qint32>>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<int>("escapeButton");

    const QList<qint32> okCancel{kOk, kCancel};
    const QList<qint32> yesNoCancel{kYes, kNo, kCancel};
    const QList<qint32> yesNo{kYes, kNo};
    QTest::newRow("message") << int(Message) << 0 << QList<qint32>{kOk} << 0 << -1;
    QTest::newRow("ok-cancel, OK default") << int(OkCancel) << 0 << okCancel << 0 << 1;
    QTest::newRow("ok-cancel, Cancel default") << int(OkCancel) << 1 << okCancel << 1 << 1;
    QTest::newRow("yes-no-cancel, 0") << int(YesNoCancel) << 0 << yesNoCancel << 0 << 2;
    QTest::newRow("yes-no-cancel, 1") << int(YesNoCancel) << 1 << yesNoCancel << 1 << 2;
    QTest::newRow("yes-no-cancel, 2") << int(YesNoCancel) << 2 << yesNoCancel << 2 << 2;
    QTest::newRow("yes-no-cancel, -1") << int(YesNoCancel) << -1 << yesNoCancel << 2 << 2;
    QTest::newRow("two choices, 0") << int(TwoChoices) << 0 << yesNoCancel << 0 << 2;
    QTest::newRow("two choices, 1") << int(TwoChoices) << 1 << yesNoCancel << 1 << 2;
    QTest::newRow("two choices, 9") << int(TwoChoices) << 9 << yesNoCancel << 2 << 2;
    QTest::newRow("yes-no, Yes default") << int(YesNo) << 0 << yesNo << 0 << 1;
    QTest::newRow("yes-no, No default") << int(YesNo) << 1 << yesNo << 1 << 1;
}

void TestCmnMessageBoxes::buttonsAndDefaults()
{
    QFETCH(int, function);
    QFETCH(qint32, choice);
    QFETCH(QList<qint32>, buttons);
    QFETCH(int, defaultButton);
    QFETCH(int, escapeButton);

    CTestMessageBoxScope boxes;
    Call(EFunction(function), nullptr, choice);
    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &request = boxes.Requests().constFirst();
    QCOMPARE(StandardButtons(request), buttons);
    QCOMPARE(request.m_DefaultButton, qsizetype(defaultButton));
    QCOMPARE(request.m_EscapeButton, qsizetype(escapeButton));
}

void TestCmnMessageBoxes::requestCarriesTheCallersWords_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shownTitle");

    QTest::newRow("empty title") << QString() << kProductName;
    QTest::newRow("own title") << QStringLiteral("Import") << QStringLiteral("Import");
}

void TestCmnMessageBoxes::requestCarriesTheCallersWords()
{
    QFETCH(QString, title);
    QFETCH(QString, shownTitle);

    QWidget parent;
    CCmnMessageBoxOptions options = OptionsWithId(12);
    options.m_InformativeText = QStringLiteral("The file is read-only.");
    options.m_Position = QPoint(100, 200);
    options.m_Flags = CCmnMessageBoxOptions::ApplicationModal;
    CTestMessageBoxScope boxes;
    ShowRememberedMessage(QMessageBox::Warning, &parent, title, QStringLiteral("Cannot save."),
                          &options);

    QCOMPARE(boxes.Requests().size(), 1);
    const CCmnMessageBoxRequest &request = boxes.Requests().constFirst();
    QCOMPARE(request.m_Icon, QMessageBox::Warning);
    QCOMPARE(request.m_Parent, &parent);
    QCOMPARE(request.m_Title, shownTitle);
    QCOMPARE(request.m_Text, QStringLiteral("Cannot save."));
    QCOMPARE(request.m_Options.m_InformativeText, options.m_InformativeText);
    QCOMPARE(request.m_Options.m_MessageId, 12);
    QCOMPARE(request.m_Options.m_Position, QPoint(100, 200));
    QCOMPARE(request.m_Options.m_Flags, qint32(CCmnMessageBoxOptions::ApplicationModal));
}

void TestCmnMessageBoxes::twoChoicesOffersTheCallersTexts()
{
    CTestMessageBoxScope boxes;
    boxes.AnswerWithText(QStringLiteral("Replace"));
    QCOMPARE(Call(TwoChoices, nullptr), kNo);

    const CCmnMessageBoxRequest &request = boxes.Requests().constFirst();
    QCOMPARE(request.m_Buttons.size(), 3);
    QCOMPARE(request.m_Buttons.at(0).m_Text, QStringLiteral("Merge"));
    QCOMPARE(request.m_Buttons.at(0).m_Role, QMessageBox::YesRole);
    QCOMPARE(request.m_Buttons.at(1).m_Text, QStringLiteral("Replace"));
    QCOMPARE(request.m_Buttons.at(1).m_Role, QMessageBox::NoRole);
    QCOMPARE(request.m_Buttons.at(2).m_Text, QStringLiteral("Cancel"));
    QCOMPARE(request.m_Buttons.at(2).m_Role, QMessageBox::RejectRole);
}

void TestCmnMessageBoxes::withButtonsChoosesDefaultAndEscape_data()
{
    QTest::addColumn<QList<CCmnMessageBoxButton>>("buttons");   // null entries have no text
    QTest::addColumn<qsizetype>("offered");
    QTest::addColumn<qsizetype>("defaultButton");
    QTest::addColumn<qsizetype>("escapeButton");

    const CCmnMessageBoxButton none;
    const CCmnMessageBoxButton save(QStringLiteral("Save"), kSave, QMessageBox::AcceptRole);
    const CCmnMessageBoxButton discard(QStringLiteral("Discard"), kDiscard,
                                       QMessageBox::DestructiveRole, true);
    const CCmnMessageBoxButton no(QStringLiteral("Don't save"), kNo, QMessageBox::NoRole);
    const CCmnMessageBoxButton cancel(QString(), kCancel, QMessageBox::RejectRole, true);

    QTest::newRow("first flagged is default")
        << QList<CCmnMessageBoxButton>{save, discard, cancel} << qsizetype(3) << qsizetype(1)
        << qsizetype(2);
    QTest::newRow("none flagged: the first")
        << QList<CCmnMessageBoxButton>{save, no} << qsizetype(2) << qsizetype(0)
        << qsizetype(-1);
    QTest::newRow("null pointers skipped")
        << QList<CCmnMessageBoxButton>{none, no, none, cancel, save} << qsizetype(3)
        << qsizetype(1) << qsizetype(1);
}

void TestCmnMessageBoxes::withButtonsChoosesDefaultAndEscape()
{
    QFETCH(QList<CCmnMessageBoxButton>, buttons);
    QFETCH(qsizetype, offered);
    QFETCH(qsizetype, defaultButton);
    QFETCH(qsizetype, escapeButton);

    const CCmnMessageBoxButton *pointers[5] = {};
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const CCmnMessageBoxButton &button = buttons.at(i);
        if (!button.m_Text.isEmpty() || button.m_StandardButton != 0)
            pointers[i] = &button;
    }
    CTestMessageBoxScope boxes;
    AskWithButtons(QMessageBox::Question, nullptr, QString(), QStringLiteral("Save changes?"),
                   nullptr, pointers[0], pointers[1], pointers[2], pointers[3], pointers[4]);

    const CCmnMessageBoxRequest &request = boxes.Requests().constFirst();
    QCOMPARE(request.m_Buttons.size(), offered);
    QCOMPARE(request.m_DefaultButton, defaultButton);
    QCOMPARE(request.m_EscapeButton, escapeButton);
}

void TestCmnMessageBoxes::withButtonsAnswers_data()
{
    QTest::addColumn<qint32>("click");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<qint32>("expected");
    QTest::addColumn<qint32>("stored");

    // The buttons: Save (its standard text), Discard, "Don't save" (No, and so the
    // reject button, as there is no Cancel) and Help (no standard button).
    QTest::newRow("Save ticked") << kSave << true << kSave << kSave;
    QTest::newRow("Save clear") << kSave << false << kSave << 0;
    QTest::newRow("Discard ticked") << kDiscard << true << kDiscard << kDiscard;
    QTest::newRow("reject button ticked") << kNo << true << kCancel << 0;
    QTest::newRow("no standard button ticked") << qint32(QMessageBox::Help) << true << 0 << 0;
    QTest::newRow("closed ticked") << kClose << true << kCancel << 0;
}

void TestCmnMessageBoxes::withButtonsAnswers()
{
    QFETCH(qint32, click);
    QFETCH(bool, ticked);
    QFETCH(qint32, expected);
    QFETCH(qint32, stored);

    const CCmnMessageBoxButton save(QString(), kSave, QMessageBox::AcceptRole);
    const CCmnMessageBoxButton discard(QStringLiteral("Discard"), kDiscard,
                                       QMessageBox::DestructiveRole);
    const CCmnMessageBoxButton no(QStringLiteral("Don't save"), kNo, QMessageBox::NoRole);
    const CCmnMessageBoxButton help(QStringLiteral("Help"), 0, QMessageBox::HelpRole);
    const CCmnMessageBoxOptions options = OptionsWithId(21);
    const auto ask = [&] {
        return AskWithButtons(QMessageBox::Question, nullptr, QString(),
                              QStringLiteral("Save changes?"), &options, &save, &discard, &no,
                              &help);
    };

    CTestMessageBoxScope boxes;
    if (click == qint32(QMessageBox::Help))
        boxes.AnswerWithText(QStringLiteral("Help"), ticked);
    else
        Script(boxes, click, ticked);
    QCOMPARE(ask(), expected);
    QCOMPARE(Remembered(21), stored);

    // A remembered answer comes back without a box, whatever standard button it is.
    boxes.AnswerByClosing();
    const qint32 again = ask();
    QCOMPARE(boxes.Requests().size(), stored != 0 ? 1 : 2);
    QCOMPARE(again, stored != 0 ? stored : kCancel);
}

void TestCmnMessageBoxes::withButtonsHonoursRememberedAnswers_data()
{
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<QList<qint32>>("offered");   // each button's standard button
    QTest::addColumn<bool>("shown");

    QTest::newRow("Save, offered") << kSave << QList<qint32>{kSave, kDiscard, kCancel} << false;
    QTest::newRow("Discard, offered") << kDiscard << QList<qint32>{kSave, kDiscard, kCancel} << false;
    QTest::newRow("Yes, offered") << kYes << QList<qint32>{kYes, kNo, kCancel} << false;
    QTest::newRow("No, offered") << kNo << QList<qint32>{kYes, kNo, kCancel} << false;
    QTest::newRow("Yes, not offered") << kYes << QList<qint32>{kSave, kCancel} << true;
    QTest::newRow("No, only as reject button") << kNo << QList<qint32>{kYes, kNo} << true;
    QTest::newRow("Cancel, the reject button") << kCancel << QList<qint32>{kOk, kCancel} << true;
}

void TestCmnMessageBoxes::withButtonsHonoursRememberedAnswers()
{
    QFETCH(qint32, stored);
    QFETCH(QList<qint32>, offered);
    QFETCH(bool, shown);

    QList<CCmnMessageBoxButton> buttons;
    for (const qint32 standardButton : offered)
        buttons << CCmnMessageBoxButton(QString(), standardButton, QMessageBox::ActionRole);
    buttons.resize(5);
    const auto pointer = [&buttons](int i) {
        return buttons.at(i).m_StandardButton != 0 ? &buttons.at(i) : nullptr;
    };
    CmnGetSystemSettings()->SetDontAskAgainResult(4, stored);
    const CCmnMessageBoxOptions options = OptionsWithId(4);

    CTestMessageBoxScope boxes;
    boxes.AnswerByClosing();
    const qint32 result = AskWithButtons(QMessageBox::Question, nullptr, QString(),
                                         QStringLiteral("Overwrite?"), &options, pointer(0),
                                         pointer(1), pointer(2), pointer(3), pointer(4));
    QCOMPARE(boxes.Requests().size(), shown ? 1 : 0);
    QCOMPARE(result, shown ? kCancel : stored);
}

void TestCmnMessageBoxes::waitCursorIsLiftedWhileAsking_data()
{
    QTest::addColumn<bool>("waiting");
    QTest::newRow("during a long operation") << true;
    QTest::newRow("without a wait cursor") << false;
}

void TestCmnMessageBoxes::waitCursorIsLiftedWhileAsking()
{
    QFETCH(bool, waiting);

    int shapeWhileAsking = -2;
    const TCmnMessageBoxPresenter previous =
        CmnSetMessageBoxPresenter([&shapeWhileAsking](const CCmnMessageBoxRequest &) {
            shapeWhileAsking = CursorShape();
            return CCmnMessageBoxAnswer{0, false};
        });
    if (waiting)
        CmnAddWaitCursor(1);
    const int shapeBefore = CursorShape();
    const qint32 result = Call(YesNoCancel, nullptr);
    const int shapeAfter = CursorShape();
    if (waiting)
        CmnAddWaitCursor(-1);
    CmnSetMessageBoxPresenter(previous);

    QCOMPARE(result, kYes);
    QCOMPARE(shapeBefore, waiting ? int(Qt::WaitCursor) : -1);
    QCOMPARE(shapeWhileAsking, -1);
    QCOMPARE(shapeAfter, shapeBefore);
    QCOMPARE(CursorShape(), -1);
}

void TestCmnMessageBoxes::waitCursorComesBackAfterABoxThatThrows()
{
    // The toolkit may throw out of a box (out of memory); the long operation around
    // it must still get its wait cursor back, and give it up at its end.
    const TCmnMessageBoxPresenter previous = CmnSetMessageBoxPresenter(
        [](const CCmnMessageBoxRequest &) -> CCmnMessageBoxAnswer { throw std::bad_alloc(); });
    bool thrown = false;
    {
        const CCmnWaitCursorScope busy;
        try {
            Call(Message, nullptr);
        } catch (const std::bad_alloc &) {
            thrown = true;
        }
        QCOMPARE(CursorShape(), int(Qt::WaitCursor));
    }
    CmnSetMessageBoxPresenter(previous);

    QVERIFY(thrown);
    QCOMPARE(CursorShape(), -1);
}

void TestCmnMessageBoxes::answerNamingNoButtonCountsAsClose()
{
    const TCmnMessageBoxPresenter previous = CmnSetMessageBoxPresenter(
        [](const CCmnMessageBoxRequest &) { return CCmnMessageBoxAnswer{3, true}; });
    const CCmnMessageBoxOptions options = OptionsWithId(9);
    const qint32 result = Call(OkCancel, &options);
    CmnSetMessageBoxPresenter(previous);

    QCOMPARE(result, kCancel);
    QCOMPARE(Remembered(9), 0);
}

void TestCmnMessageBoxes::unscriptedBoxTakesItsDefaultButton()
{
    CTestMessageBoxScope boxes;
    const CCmnMessageBoxOptions options = OptionsWithId(8);
    QCOMPARE(Call(YesNoCancel, &options, 1), kNo);
    QCOMPARE(Call(OkCancel, &options, 1), kCancel);
    QCOMPARE(Remembered(8), 0);   // the check box stays clear
    QCOMPARE(boxes.Requests().size(), 2);
}

void TestCmnMessageBoxes::scriptScopesNest()
{
    CTestMessageBoxScope outer;
    outer.Answer(kNo);
    {
        CTestMessageBoxScope inner;
        inner.Answer(kYes);
        QCOMPARE(Call(YesNo, nullptr), kYes);
        QCOMPARE(inner.Requests().size(), 1);
    }
    QCOMPARE(outer.Requests().size(), 0);
    QCOMPARE(Call(YesNo, nullptr), kNo);
    QCOMPARE(outer.Requests().size(), 1);
    QCOMPARE(outer.PendingAnswers(), 0);
}

QTEST_MAIN(TestCmnMessageBoxes)
#include "tst_cmnmessageboxes.moc"
