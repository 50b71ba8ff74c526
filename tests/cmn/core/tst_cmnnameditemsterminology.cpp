#include "cmnnameditemsterminology.h"

#include <QTest>

namespace {

enum EText {
    AddCaption,
    DeleteCaption,
    EditCaption,
    RenameCaption,
    NameLabel,
    NewNamePrompt,
    NewNamePromptAsLabel,
    RenamePrompt,
    ConfirmQuestion,
    BaseOnCurrentQuestion,
    AlreadyExistsMessage,
    ReservedNameMessage,
};

QString Compose(const CCmnNamedItemsTerminology &words, EText text, const QString &name)
{
    switch (text) {
    case AddCaption: return words.AddCaption();
    case DeleteCaption: return words.DeleteCaption();
    case EditCaption: return words.EditCaption();
    case RenameCaption: return words.RenameCaption();
    case NameLabel: return words.GetNameLabel();
    case NewNamePrompt: return words.NewNamePrompt(false);
    case NewNamePromptAsLabel: return words.NewNamePrompt(true);
    case RenamePrompt: return words.RenamePrompt(name);
    case ConfirmQuestion: return words.ConfirmQuestion(name);
    case BaseOnCurrentQuestion: return words.BaseOnCurrentQuestion(name);
    case AlreadyExistsMessage: return words.AlreadyExistsMessage(name);
    case ReservedNameMessage:
        return words.ReservedNameMessage(name, QStringLiteral("is used internally within Orvanta"));
    }
    return QString();
}

enum EWords { FieldWords, NoItemWord, FolderMappingWords };

CCmnNamedItemsTerminology MakeWords(EWords which)
{
    CCmnNamedItemsTerminology words;
    switch (which) {
    case FieldWords:
        words.Set(QStringLiteral("Field"), QStringLiteral("Fields"), QStringLiteral("Name"));
        break;
    case NoItemWord:
        words.Set(QString(), QStringLiteral("Themes"), QStringLiteral("Theme Name"));
        break;
    case FolderMappingWords: {
        CCmnNamedItemsButtonWords buttons;
        buttons.m_Add = QStringLiteral("Insert");
        buttons.m_Delete = QStringLiteral("Discard");
        buttons.m_Edit = QStringLiteral("Update");
        buttons.m_Rename = QStringLiteral("Retitle");
        words.Set(QStringLiteral("Mapping"), QStringLiteral("Mappings"), QStringLiteral("Folder"),
                  buttons);
        break;
    }
    }
    return words;
}

} // namespace

Q_DECLARE_METATYPE(EText)
Q_DECLARE_METATYPE(EWords)

class TestCmnNamedItemsTerminology : public QObject
{
    Q_OBJECT
private slots:
    void newTerminologyIsEmpty();
    void setDerivesLowerCase();
    void texts_data();
    void texts();
};

void TestCmnNamedItemsTerminology::newTerminologyIsEmpty()
{
    const CCmnNamedItemsTerminology words;
    for (const QString &text : {words.m_ItemWord, words.m_ItemWordLower, words.m_Plural,
                                words.m_PluralLower, words.m_NameWord, words.m_NameWordLower,
                                words.m_DeleteWarning})
        QVERIFY(text.isEmpty());
    const CCmnNamedItemsButtonWords &b = words.m_ButtonWords;
    QCOMPARE(QStringList({b.m_Tag, b.m_Untag, b.m_Add, b.m_Delete, b.m_Edit, b.m_Rename, b.m_Up,
                          b.m_Down}),
             QStringList({"Tag", "Untag", "Add", "Delete", "Edit", "Rename", "Up", "Down"}));
}

void TestCmnNamedItemsTerminology::setDerivesLowerCase()
{
    CCmnNamedItemsTerminology words;
    words.m_DeleteWarning = QStringLiteral("Records lose this field.");
    words.Set(QStringLiteral("User Field"), QStringLiteral("User Fields"), QStringLiteral("Name"));
    QCOMPARE(words.m_ItemWordLower, QStringLiteral("user field"));
    QCOMPARE(words.m_PluralLower, QStringLiteral("user fields"));
    QCOMPARE(words.m_NameWordLower, QStringLiteral("name"));
    // The warning is the owner's, not part of the words Set replaces.
    QCOMPARE(words.m_DeleteWarning, QStringLiteral("Records lose this field."));
}

void TestCmnNamedItemsTerminology::texts_data()
{
    QTest::addColumn<EWords>("which");
    QTest::addColumn<EText>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("item: add caption") << FieldWords << AddCaption << "Coat" << "Add Field";
    QTest::newRow("item: delete caption")
        << FieldWords << DeleteCaption << "Coat" << "Delete Field";
    QTest::newRow("item: edit caption") << FieldWords << EditCaption << "Coat" << "Edit Field";
    QTest::newRow("item: rename caption")
        << FieldWords << RenameCaption << "Coat" << "Rename Field";
    QTest::newRow("item: name label") << FieldWords << NameLabel << "Coat" << "Field name:";
    QTest::newRow("item: new-name prompt")
        << FieldWords << NewNamePrompt << "Coat" << "Please choose a name for the new field:";
    QTest::newRow("item: new-name prompt as label")
        << FieldWords << NewNamePromptAsLabel << "Coat" << "Field name:";
    QTest::newRow("item: rename prompt")
        << FieldWords << RenamePrompt << "Coat"
        << "Please enter the new name for the field 'Coat':";
    QTest::newRow("item: confirm")
        << FieldWords << ConfirmQuestion << "Coat"
        << "Are you sure you want to delete the field 'Coat'?";
    QTest::newRow("item: base on current")
        << FieldWords << BaseOnCurrentQuestion << "Coat"
        << "Do you want to base the new Field on the current Field ('Coat')?";
    QTest::newRow("item: already exists")
        << FieldWords << AlreadyExistsMessage << "Coat"
        << "Field 'Coat' already exists - please choose a different name.";
    QTest::newRow("item: reserved")
        << FieldWords << ReservedNameMessage << "Coat"
        << "'Coat' is used internally within Orvanta. Please choose a different name.";

    QTest::newRow("no item: add caption") << NoItemWord << AddCaption << "Coat" << "Add Themes";
    QTest::newRow("no item: delete caption")
        << NoItemWord << DeleteCaption << "Coat" << "Delete Theme Name";
    QTest::newRow("no item: edit caption")
        << NoItemWord << EditCaption << "Coat" << "Edit Theme Name";
    QTest::newRow("no item: rename caption")
        << NoItemWord << RenameCaption << "Coat" << "Rename Theme Name";
    QTest::newRow("no item: name label") << NoItemWord << NameLabel << "Coat" << "theme name:";
    QTest::newRow("no item: new-name prompt")
        << NoItemWord << NewNamePrompt << "Coat" << "Please enter a new theme name:";
    QTest::newRow("no item: new-name prompt as label")
        << NoItemWord << NewNamePromptAsLabel << "Coat" << "theme name:";
    QTest::newRow("no item: rename prompt")
        << NoItemWord << RenamePrompt << "Coat" << "Rename 'Coat':";
    QTest::newRow("no item: confirm")
        << NoItemWord << ConfirmQuestion << "Coat" << "Are you sure you want to delete 'Coat'?";
    QTest::newRow("no item: base on current")
        << NoItemWord << BaseOnCurrentQuestion << "Coat"
        << "Do you want to base the new  on the current  ('Coat')?";
    QTest::newRow("no item: already exists")
        << NoItemWord << AlreadyExistsMessage << "Coat"
        << "'Coat' already exists - please choose a different theme name.";
    QTest::newRow("no item: reserved")
        << NoItemWord << ReservedNameMessage << "Coat"
        << "'Coat' is used internally within Orvanta. Please choose a different theme name.";

    QTest::newRow("own buttons: add caption") << FolderMappingWords << AddCaption << "Coat"
                                              << "Insert Mapping";
    QTest::newRow("own buttons: delete caption")
        << FolderMappingWords << DeleteCaption << "Coat" << "Discard Mapping";
    QTest::newRow("own buttons: edit caption")
        << FolderMappingWords << EditCaption << "Coat" << "Update Mapping";
    QTest::newRow("own buttons: rename caption")
        << FolderMappingWords << RenameCaption << "Coat" << "Retitle Mapping";
    QTest::newRow("own buttons: confirm")
        << FolderMappingWords << ConfirmQuestion << "Coat"
        << "Are you sure you want to discard the mapping 'Coat'?";
    QTest::newRow("own buttons: rename prompt")
        << FolderMappingWords << RenamePrompt << "Coat"
        << "Please enter the new folder for the mapping 'Coat':";
    // A typed name is put in as it stands, whatever it holds.
    QTest::newRow("name with markers: already exists")
        << FieldWords << AlreadyExistsMessage << "%2%1"
        << "Field '%2%1' already exists - please choose a different name.";
    QTest::newRow("name with markers: base on current")
        << FieldWords << BaseOnCurrentQuestion << "%1"
        << "Do you want to base the new Field on the current Field ('%1')?";
    QTest::newRow("name with markers: reserved")
        << NoItemWord << ReservedNameMessage << "%3"
        << "'%3' is used internally within Orvanta. Please choose a different theme name.";
}

void TestCmnNamedItemsTerminology::texts()
{
    QFETCH(EWords, which);
    QFETCH(EText, text);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    const CCmnNamedItemsTerminology words = MakeWords(which);
    QCOMPARE(Compose(words, text, name), expected);
}

QTEST_GUILESS_MAIN(TestCmnNamedItemsTerminology)
#include "tst_cmnnameditemsterminology.moc"
