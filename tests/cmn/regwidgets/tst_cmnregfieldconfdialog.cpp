#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndate.h"
#include "cmngroupbox.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnradiobutton.h"
#include "cmnregfieldconfdialog.h"
#include "cmnregfieldcontextmask.h"
#include "cmnregfieldcontexts.h"
#include "cmnregfieldcontextsctrl.h"
#include "cmnregfielddef.h"
#include "cmnregfieldlimitboxes.h"
#include "cmnspinbox.h"
#include "cmnsystemsettings.h"
#include "cmntextedit.h"
#include "cmnvalidator.h"
#include "cmnwhatsthistexts.h"
#include "testmessageboxscope.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(CCmnRegFieldDef)

namespace {

using CLimits = CCmnRegFieldLimitBoxes;

constexpr int kUser = 0;
constexpr int kSpecial = CmnRegFieldConfNameFixed | CmnRegFieldConfInbuilt;
constexpr int kSystem = CmnRegFieldConfNameFixed | CmnRegFieldConfTypeFixed;

CCmnRegFieldContexts Catalogue()
{
    CCmnRegFieldContexts catalogue;
    const int pedigree = catalogue.AddGroup(0, "Pedigree");
    const int ancestors = catalogue.AddGroup(1, "Ancestors");
    catalogue.AddItem(33, pedigree, 0, 0, 1, "Title", "PedigreeTitle");
    catalogue.AddItem(60, pedigree, 0, 1, 1, "Details", "PedigreeTitle");
    for (int g = 0; g < 6; ++g)
        catalogue.AddItem(50 + g, ancestors, g % 3, g / 3, 1, QString("G%1").arg(g + 1), "AncestorsGen");
    return catalogue;
}

// The dialog on a definition and mask of the test's own, prepared as when shown.
class CFixture
{
public:
    explicit CFixture(const CCmnRegFieldDef &definition = CCmnRegFieldDef())
        : m_Def(definition)
    {
    }

    CCmnRegFieldConfDialog &Open(int mode = kUser)
    {
        m_Dialog = std::make_unique<CCmnRegFieldConfDialog>(mode, &m_Def, &m_Mask, &m_Catalogue,
                                                             "Smith & Jones <UK>");
        m_Dialog->m_Value = "Colour";
        m_Dialog->Prepare();
        return *m_Dialog;
    }

    // Presses OK; true when the dialog closed as accepted.
    bool Ok()
    {
        m_Dialog->accept();
        return m_Dialog->result() == QDialog::Accepted;
    }

    void ChooseType(int type)
    {
        m_Dialog->m_TypeCombo->setCurrentIndex(m_Dialog->m_TypeCombo->findData(type));
        m_Dialog->Slot_activated_Type(m_Dialog->m_TypeCombo->currentIndex());
    }

    QLineEdit *LimitBox(int kind, CLimits::EBox box) const { return m_Dialog->m_Limits[kind]->Box(box); }

    QStringList VisibleGroups() const
    {
        QStringList visible;
        for (int type = 0; type <= CmnRegFieldMultilineText; ++type) {
            if (m_Dialog->DisplayGroup(type) && !m_Dialog->DisplayGroup(type)->isHidden())
                visible << QString("display %1").arg(CmnRegFieldTypeName(type));
            if (m_Dialog->EditGroup(type) && !m_Dialog->EditGroup(type)->isHidden())
                visible << QString("edit %1").arg(CmnRegFieldTypeName(type));
        }
        return visible;
    }

    CCmnRegFieldDef m_Def;
    CCmnRegFieldContextMask m_Mask;
    CCmnRegFieldContexts m_Catalogue = Catalogue();
    std::unique_ptr<CCmnRegFieldConfDialog> m_Dialog;
};

CCmnRegFieldDef Def(int type, quint32 flags = CCmnRegFieldDef::kDefaultFlags)
{
    CCmnRegFieldDef def;
    def.m_Type = type;
    def.m_Flags = flags;
    return def;
}

// Refuses one name, as the fields-settings tabs refuse a name in use.
class CTakenName : public CCmnValidator
{
public:
    explicit CTakenName(const QString &name) : m_Name(name) {}
    QString Validate(const QVariant &value, QString *note) const override
    {
        Q_UNUSED(note);
        return value.toString() == m_Name ? QStringLiteral("'%1' is taken").arg(m_Name) : QString();
    }

private:
    QString m_Name;
};

// The members in which two definitions differ, for a readable failure.
QString Differences(const CCmnRegFieldDef &a, const CCmnRegFieldDef &b)
{
    QStringList names;
    const auto check = [&names](bool same, const char *name) {
        if (!same)
            names << QString::fromLatin1(name);
    };
    check(a.m_Type == b.m_Type, "type");
    if (a.m_Flags != b.m_Flags)
        names << QString("flags %1 not %2").arg(a.m_Flags, 0, 16).arg(b.m_Flags, 0, 16);
    check(a.m_TextDefault == b.m_TextDefault && a.m_TextLetterCase == b.m_TextLetterCase
              && a.m_TextWidth == b.m_TextWidth && a.m_SharedListName == b.m_SharedListName,
          "text");
    check(a.m_TrueText == b.m_TrueText && a.m_FalseText == b.m_FalseText && a.m_NotGivenText == b.m_NotGivenText,
          "boolean");
    check(a.m_Choices == b.m_Choices && a.m_ChoiceDefault == b.m_ChoiceDefault && a.m_ChoiceStyle == b.m_ChoiceStyle,
          "choice");
    check(a.m_IntSuffix == b.m_IntSuffix && a.m_IntMin == b.m_IntMin && a.m_IntMax == b.m_IntMax
              && a.m_IntDefault == b.m_IntDefault,
          "integer");
    check(a.m_NumberSuffix == b.m_NumberSuffix && a.m_NumberDecimals == b.m_NumberDecimals
              && a.m_NumberMin == b.m_NumberMin && a.m_NumberMax == b.m_NumberMax
              && a.m_NumberDefault == b.m_NumberDefault,
          "number");
    check(a.m_PercentDecimals == b.m_PercentDecimals && a.m_PercentMin == b.m_PercentMin
              && a.m_PercentMax == b.m_PercentMax && a.m_PercentDefault == b.m_PercentDefault,
          "percentage");
    check(a.m_DateDefault == b.m_DateDefault, "date");
    check(a.m_MultilineDefault == b.m_MultilineDefault && a.m_MultilineLetterCase == b.m_MultilineLetterCase
              && a.m_MultilineWidth == b.m_MultilineWidth && a.m_MultilineLines == b.m_MultilineLines,
          "multiline");
    return names.join(", ");
}

} // namespace

class TestCmnRegFieldConfDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void specialFieldMode();
    void systemFieldMode();
    void userFieldMode();
    void typeChoiceShowsItsGroups_data();
    void typeChoiceShowsItsGroups();
    void choiceStyleAndEditableValues();
    void dropdownBoxesExcludeEachOther();
    void requiredDisablesTheNotGivenLabel();
    void refusedAtTheBox_data();
    void refusedAtTheBox();
    void refusedOkLeavesTheCallersField();
    void booleanLabels();
    void otherTypesAreNotChecked();
    void savesDefaultBits();
    void percentagesShowAsPercent();
    void choicesLoadAndSave();
    void dropdownBitsAndClampedSettings();
    void specialFieldKeepsItsTypeAndRequired();
    void plainOkChangesNothing_data();
    void plainOkChangesNothing();
    void unreadableBoxesOfOtherTypesKeepTheirValues();
    void limitBoxesTakeAnyLength();
    void emptiedDateRemovesTheDefault();
    void everyControlHasHelp_data();
    void everyControlHasHelp();
    void renderEachModeAndType();
};

void TestCmnRegFieldConfDialog::initTestCase()
{
    CmnGetAppDescriptor().m_ProductName = QStringLiteral("Orvanta");
    CmnLoadWhatsThisTexts();
    CmnCreateSystemSettings();
    CmnGetSystemSettings()->m_DateInputFormat = QStringLiteral("[[dd/]mm/]yyyy");
}

void TestCmnRegFieldConfDialog::cleanupTestCase()
{
    CmnDestroySystemSettings();
}

void TestCmnRegFieldConfDialog::specialFieldMode()
{
    CFixture fixture(Def(CmnRegFieldText, CmnRegFieldRequired | CmnRegFieldWordWrap));
    CCmnRegFieldConfDialog &dialog = fixture.Open(kSpecial);
    QVERIFY(dialog.LineEdit()->isReadOnly());
    QVERIFY(dialog.m_NoteLabel);
    QVERIFY(dialog.m_NoteLabel->text().startsWith("NOTE: the names of system fields"));
    QCOMPARE(dialog.m_TypeCombo->count(), 1);
    QCOMPARE(dialog.m_TypeCombo->currentText(), QString("Inbuilt"));
    QVERIFY(!dialog.m_TypeCombo->isEnabled());
    QVERIFY(!dialog.m_TypeLabel->styleSheet().isEmpty());
    QVERIFY(!dialog.m_RequiredCheck->isEnabled());
    QCOMPARE(fixture.VisibleGroups(), QStringList({"display Text"}));
    for (int type = 0; type <= CmnRegFieldMultilineText; ++type)
        QCOMPARE(dialog.EditGroup(type), nullptr);
    QVERIFY(dialog.m_WordWrapCheck->isChecked());
}

void TestCmnRegFieldConfDialog::systemFieldMode()
{
    CFixture fixture(Def(CmnRegFieldDate));
    CCmnRegFieldConfDialog &dialog = fixture.Open(kSystem);
    QVERIFY(dialog.LineEdit()->isReadOnly());
    QVERIFY(dialog.m_NoteLabel);
    QCOMPARE(dialog.m_TypeCombo->count(), 8);
    QCOMPARE(dialog.m_TypeCombo->currentText(), QString("Date"));
    QVERIFY(!dialog.m_TypeCombo->isEnabled());
    QVERIFY(dialog.m_RequiredCheck->isEnabled());
    QCOMPARE(fixture.VisibleGroups(), QStringList({"edit Date"}));
}

void TestCmnRegFieldConfDialog::userFieldMode()
{
    CFixture fixture;
    CCmnRegFieldConfDialog &dialog = fixture.Open(kUser);
    QVERIFY(!dialog.LineEdit()->isReadOnly());
    QCOMPARE(dialog.m_NoteLabel, nullptr);
    QVERIFY(dialog.m_TypeCombo->isEnabled());
    QVERIFY(dialog.m_TypeLabel->styleSheet().isEmpty());
    QCOMPARE(dialog.LineEdit()->text(), QString("Colour"));
    // The record word is the user's: its "&" is no mnemonic.
    QVERIFY(dialog.m_KeyFieldCheck->text().contains("Smith &&"));
    QCOMPARE(fixture.VisibleGroups(), QStringList({"display Text", "edit Text"}));
}

void TestCmnRegFieldConfDialog::typeChoiceShowsItsGroups_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("visible");
    QTest::newRow("Choice") << int(CmnRegFieldChoice) << QStringList{"edit Choice"};
    QTest::newRow("Date") << int(CmnRegFieldDate) << QStringList{"edit Date"};
    QTest::newRow("Number") << int(CmnRegFieldNumber) << QStringList{"display Number", "edit Number"};
}

void TestCmnRegFieldConfDialog::typeChoiceShowsItsGroups()
{
    QFETCH(int, type);
    QFETCH(QStringList, visible);
    CFixture fixture;
    fixture.Open();
    fixture.ChooseType(type);
    QCOMPARE(fixture.VisibleGroups(), visible);
}

void TestCmnRegFieldConfDialog::choiceStyleAndEditableValues()
{
    CFixture fixture(Def(CmnRegFieldChoice, CmnRegFieldChoiceTyped));
    CCmnRegFieldConfDialog &dialog = fixture.Open();
    QVERIFY(dialog.m_EditableValuesCheck->isChecked());
    dialog.m_ChoiceStyleCombo->setCurrentIndex(2);
    QVERIFY(!dialog.m_EditableValuesCheck->isChecked());
    QVERIFY(!dialog.m_EditableValuesCheck->isEnabled());
    dialog.m_ChoiceStyleCombo->setCurrentIndex(0);
    QVERIFY(dialog.m_EditableValuesCheck->isEnabled());
    QVERIFY(!dialog.m_EditableValuesCheck->isChecked());
}

void TestCmnRegFieldConfDialog::dropdownBoxesExcludeEachOther()
{
    CFixture fixture;
    CCmnRegFieldConfDialog &dialog = fixture.Open();
    dialog.m_SharedListCheck->setChecked(true);
    QVERIFY(dialog.m_SharedListEdit->isEnabled());
    dialog.m_PrivateListCheck->setChecked(true);
    QVERIFY(!dialog.m_SharedListCheck->isChecked());
    QVERIFY(!dialog.m_SharedListEdit->isEnabled());
    dialog.m_SharedListCheck->setChecked(true);
    QVERIFY(!dialog.m_PrivateListCheck->isChecked());
    QVERIFY(dialog.m_SharedListEdit->isEnabled());
}

void TestCmnRegFieldConfDialog::requiredDisablesTheNotGivenLabel()
{
    CFixture fixture(Def(CmnRegFieldBoolean));
    CCmnRegFieldConfDialog &dialog = fixture.Open();
    QVERIFY(dialog.m_NotGivenEdit->isEnabled());
    dialog.m_RequiredCheck->click();
    QVERIFY(!dialog.m_NotGivenLabel->isEnabled());
    QVERIFY(!dialog.m_NotGivenEdit->isEnabled());
    QVERIFY(dialog.m_DefaultTrueRadio->isEnabled());
    QVERIFY(dialog.m_DefaultNoneRadio->isEnabled());
}

void TestCmnRegFieldConfDialog::refusedAtTheBox_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("typed");   // minimum, maximum, default
    QTest::addColumn<bool>("spin");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("box");

    const int min = CLimits::Minimum;
    const int def = CLimits::Default;
    QTest::newRow("equal limits") << int(CmnRegFieldInteger) << QStringList{"5", "5", ""} << false
                                  << "Maximum needs to be greater than the minimum." << min;
    QTest::newRow("spin box without maximum")
        << int(CmnRegFieldInteger) << QStringList{"1", "", ""} << true
        << "You must set the minimum and maximum value when using spin box style." << min;
    QTest::newRow("number default below minimum") << int(CmnRegFieldNumber) << QStringList{"1.5", "", "1.25"} << false
                                                  << "Default cannot be less than the minimum." << def;
    QTest::newRow("number default above maximum") << int(CmnRegFieldNumber) << QStringList{"", "2", "3"} << false
                                                  << "Default cannot be greater than the maximum." << def;
    QTest::newRow("percentage limits crossed") << int(CmnRegFieldPercentage) << QStringList{"80%", "20%", ""}
                                               << false << "Maximum needs to be greater than the minimum." << min;
    // Not stored as 0: refused where it was typed.
    QTest::newRow("integer default not a number") << int(CmnRegFieldInteger) << QStringList{"", "", "ten"} << false
                                                  << "" << def;
    QTest::newRow("number minimum not a number") << int(CmnRegFieldNumber) << QStringList{"1,5x", "", ""} << false
                                                 << "" << min;
}

void TestCmnRegFieldConfDialog::refusedAtTheBox()
{
    QFETCH(int, type);
    QFETCH(QStringList, typed);
    QFETCH(bool, spin);
    QFETCH(QString, message);
    QFETCH(int, box);

    CFixture fixture(Def(type));
    CCmnRegFieldConfDialog &dialog = fixture.Open();
    const int kind = type - CmnRegFieldInteger;
    for (int i = 0; i < 3; ++i)
        fixture.LimitBox(kind, CLimits::EBox(i))->setText(typed.at(i));
    dialog.m_SpinBoxChecks[kind]->setChecked(spin);

    CTestMessageBoxScope boxes;
    QVERIFY(!fixture.Ok());
    QCOMPARE(boxes.Requests().size(), 1);
    QCOMPARE(boxes.Requests().at(0).m_Icon, QMessageBox::Warning);
    if (!message.isEmpty())
        QVERIFY2(boxes.Requests().at(0).m_Text.contains(message), qPrintable(boxes.Requests().at(0).m_Text));
    // The offending box has its text selected for the user to type over.
    QLineEdit *offending = fixture.LimitBox(kind, CLimits::EBox(box));
    QCOMPARE(offending->selectedText(), offending->text());
}

void TestCmnRegFieldConfDialog::refusedOkLeavesTheCallersField()
{
    CCmnRegFieldDef def = Def(CmnRegFieldInteger);
    def.m_IntSuffix = "cm";
    CFixture fixture(def);
    fixture.m_Mask.SetContext(33, true);
    const CCmnRegFieldContextMask mask = fixture.m_Mask;
    CCmnRegFieldConfDialog &dialog = fixture.Open();
    dialog.m_RequiredCheck->setChecked(true);
    dialog.m_IntSuffixEdit->setText("kg");
    fixture.m_Dialog->m_ContextsCtrl->Boxes().at(0).second->setChecked(false);
    fixture.LimitBox(CLimits::Integer, CLimits::Minimum)->setText("5");
    fixture.LimitBox(CLimits::Integer, CLimits::Maximum)->setText("5");
    CTestMessageBoxScope boxes;
    QVERIFY(!fixture.Ok());
    QVERIFY2(fixture.m_Def == def, qPrintable(Differences(fixture.m_Def, def)));
    QCOMPARE(fixture.m_Mask, mask);

    // A name refused by the caller's validator comes last, after every setting was read.
    fixture.LimitBox(CLimits::Integer, CLimits::Maximum)->setText("6");
    const CTakenName taken("Colour");
    dialog.m_Validators.append(&taken);
    QVERIFY(!fixture.Ok());
    QVERIFY(fixture.m_Def == def);
    QCOMPARE(fixture.m_Mask, mask);

    dialog.LineEdit()->setText("Height");
    QVERIFY(fixture.Ok());
    QCOMPARE(fixture.m_Def.m_IntSuffix, QString("kg"));
    QVERIFY(fixture.m_Def.m_Flags & CmnRegFieldRequired);
    QVERIFY(!fixture.m_Mask.HasContext(33));
    QCOMPARE(dialog.m_Value, QString("Height"));
}

void TestCmnRegFieldConfDialog::booleanLabels()
{
    CFixture fixture(Def(CmnRegFieldBoolean));
    CCmnRegFieldConfDialog &dialog = fixture.Open();
    dialog.m_TrueEdit->setText("Yes");
    dialog.m_FalseEdit->setText("Yes");
    {
        CTestMessageBoxScope boxes;
        QVERIFY(!fixture.Ok());
        QCOMPARE(boxes.Texts().size(), 1);
        QVERIFY(boxes.Texts().at(0).contains("The 'True' and 'False' labels need to differ"));
        QCOMPARE(dialog.m_TrueEdit->selectedText(), QString("Yes"));
    }
    dialog.m_FalseEdit->setText("");
    {
        CTestMessageBoxScope boxes;
        QVERIFY(!fixture.Ok());
        QCOMPARE(boxes.Texts().size(), 1);
        QVERIFY(boxes.Texts().at(0).contains("Display 'false' as"));
    }
    dialog.m_FalseEdit->setText("yes");
    CTestMessageBoxScope boxes;
    QVERIFY(fixture.Ok());
    QCOMPARE(fixture.m_Def.m_TrueText, QString("Yes"));
    QCOMPARE(fixture.m_Def.m_FalseText, QString("yes"));
}

void TestCmnRegFieldConfDialog::otherTypesAreNotChecked()
{
    CFixture fixture(Def(CmnRegFieldText));
    fixture.Open();
    fixture.LimitBox(CLimits::Integer, CLimits::Minimum)->setText("9");
    fixture.LimitBox(CLimits::Integer, CLimits::Maximum)->setText("1");
    fixture.m_Dialog->m_BoolRadioCheck->setChecked(true);
    CTestMessageBoxScope boxes;
    QVERIFY(fixture.Ok());
    QCOMPARE(boxes.Requests().size(), 0);
    // Stored all the same, with their bits.
    QCOMPARE(fixture.m_Def.m_IntMin, 9);
    QCOMPARE(fixture.m_Def.m_IntMax, 1);
    QVERIFY(fixture.m_Def.m_Flags & CmnRegFieldIntMinSet);
    QVERIFY(fixture.m_Def.m_Flags & CmnRegFieldIntMaxSet);
    QVERIFY(!(fixture.m_Def.m_Flags & CmnRegFieldHasDefault));
}

void TestCmnRegFieldConfDialog::savesDefaultBits()
{
    {
        CFixture fixture(Def(CmnRegFieldInteger, 0));
        fixture.Open();
        fixture.LimitBox(CLimits::Integer, CLimits::Default)->setText("12");
        QVERIFY(fixture.Ok());
        const quint32 flags = fixture.m_Def.m_Flags;
        QCOMPARE(flags & (CmnRegFieldIntMinSet | CmnRegFieldIntMaxSet | CmnRegFieldIntDefaultSet | CmnRegFieldHasDefault),
                 quint32(CmnRegFieldIntDefaultSet | CmnRegFieldHasDefault));
        QCOMPARE(fixture.m_Def.m_IntDefault, 12);
    }
    {
        // No default radio set: "Default to false" comes up and is saved.
        CFixture fixture(Def(CmnRegFieldBoolean, 0));
        CCmnRegFieldConfDialog &dialog = fixture.Open();
        QVERIFY(dialog.m_DefaultFalseRadio->isChecked());
        dialog.m_TrueEdit->setText("Yes");
        dialog.m_FalseEdit->setText("No");
        QVERIFY(fixture.Ok());
        QCOMPARE(fixture.m_Def.m_Flags & 0x72, quint32(CmnRegFieldBoolDefaultFalse | CmnRegFieldHasDefault));
    }
    {
        // A Text default is trimmed; the bit follows it.
        CFixture fixture(Def(CmnRegFieldText, CmnRegFieldHasDefault));
        CCmnRegFieldConfDialog &dialog = fixture.Open();
        dialog.m_TextDefaultEdit->setText("  Smith & Jones <UK>  ");
        QVERIFY(fixture.Ok());
        QCOMPARE(fixture.m_Def.m_TextDefault, QString("Smith & Jones <UK>"));
        QVERIFY(fixture.m_Def.m_Flags & CmnRegFieldHasDefault);
    }
}

void TestCmnRegFieldConfDialog::percentagesShowAsPercent()
{
    CCmnRegFieldDef def = Def(CmnRegFieldPercentage, CmnRegFieldPercentDefaultSet);
    def.m_PercentDefault = 0.5f;
    def.m_PercentDecimals = 1;
    CFixture fixture(def);
    fixture.Open();
    QLineEdit *box = fixture.LimitBox(CLimits::Percentage, CLimits::Default);
    QCOMPARE(box->text(), QString("50.0%"));
    box->setText("75%");
    QVERIFY(fixture.Ok());
    QCOMPARE(fixture.m_Def.m_PercentDefault, 0.75f);
    QVERIFY(fixture.m_Def.m_Flags & CmnRegFieldHasDefault);
}

void TestCmnRegFieldConfDialog::choicesLoadAndSave()
{
    CCmnRegFieldDef def = Def(CmnRegFieldChoice, 0);
    def.m_Choices = QStringList{"Red", "Green", "Red", ""};
    def.m_ChoiceDefault = "Green";
    CFixture fixture(def);
    CCmnRegFieldConfDialog &dialog = fixture.Open();
    QListWidget *list = dialog.m_ChoiceList->ListWidget();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QString("Red"));
    QCOMPARE(list->item(1)->text(), QString("Green*"));
    QVERIFY(fixture.Ok());
    QCOMPARE(fixture.m_Def.m_Choices, QStringList({"Red", "Green"}));
    QCOMPARE(fixture.m_Def.m_ChoiceDefault, QString("Green"));
    QVERIFY(fixture.m_Def.m_Flags & CmnRegFieldHasDefault);

    // A default that is not among the choices tags nothing and is dropped.
    def.m_ChoiceDefault = "Blue";
    CFixture other(def);
    other.Open();
    QCOMPARE(other.m_Dialog->m_ChoiceList->GetItems().m_TaggedRow, -1);
    QVERIFY(other.Ok());
    QCOMPARE(other.m_Def.m_ChoiceDefault, QString());
    QVERIFY(!(other.m_Def.m_Flags & CmnRegFieldHasDefault));
}

void TestCmnRegFieldConfDialog::dropdownBitsAndClampedSettings()
{
    CCmnRegFieldDef def = Def(CmnRegFieldText, CmnRegFieldPrivateList | CmnRegFieldSharedList);
    def.m_TextWidth = 300;
    def.m_TextLetterCase = 9;
    CFixture fixture(def);
    CCmnRegFieldConfDialog &dialog = fixture.Open();
    QVERIFY(dialog.m_PrivateListCheck->isChecked());
    QVERIFY(!dialog.m_SharedListCheck->isChecked());
    QVERIFY(!dialog.m_SharedListEdit->isEnabled());
    QCOMPARE(dialog.m_TextWidthSpin->value(), 255);
    QCOMPARE(dialog.m_TextCaseCombo->currentText(), QString("None"));
    QVERIFY(fixture.Ok());
    QCOMPARE(fixture.m_Def.m_Flags & (CmnRegFieldPrivateList | CmnRegFieldSharedList),
             quint32(CmnRegFieldPrivateList));
    QCOMPARE(fixture.m_Def.m_TextWidth, 255);
    QCOMPARE(fixture.m_Def.m_TextLetterCase, 0);
}

void TestCmnRegFieldConfDialog::specialFieldKeepsItsTypeAndRequired()
{
    CFixture fixture(Def(CmnRegFieldText, CmnRegFieldRequired | CmnRegFieldWordWrap | CmnRegFieldIntMinSet));
    fixture.m_Def.m_IntMin = -5;
    fixture.Open(kSpecial);
    fixture.m_Dialog->m_WordWrapCheck->setChecked(false);
    QVERIFY(fixture.Ok());
    QCOMPARE(fixture.m_Def.m_Flags, quint32(CmnRegFieldRequired | CmnRegFieldIntMinSet));
    QCOMPARE(fixture.m_Def.m_Type, int(CmnRegFieldText));
    QCOMPARE(fixture.m_Def.m_IntMin, -5);
}

void TestCmnRegFieldConfDialog::plainOkChangesNothing_data()
{
    QTest::addColumn<CCmnRegFieldDef>("def");
    QTest::addColumn<int>("mode");

    const quint32 allLimits = CmnRegFieldIntMinSet | CmnRegFieldIntMaxSet | CmnRegFieldIntDefaultSet
        | CmnRegFieldNumberMinSet | CmnRegFieldNumberMaxSet | CmnRegFieldNumberDefaultSet | CmnRegFieldPercentMinSet
        | CmnRegFieldPercentMaxSet | CmnRegFieldPercentDefaultSet;

    CCmnRegFieldDef integer = Def(CmnRegFieldInteger, allLimits | CmnRegFieldHasDefault | CmnRegFieldIntSpin);
    integer.m_IntMin = -100000;
    integer.m_IntMax = 2147483647;
    integer.m_IntDefault = -99999;
    integer.m_IntSuffix = "kg";
    integer.m_NumberMin = 1.26;
    integer.m_NumberMax = 1.27;
    integer.m_NumberDecimals = 1;
    QTest::newRow("integer with a long minimum") << integer << kUser;

    CCmnRegFieldDef number = integer;
    number.m_Type = CmnRegFieldNumber;
    number.m_NumberDefault = 1.2649;
    number.m_Flags = allLimits | CmnRegFieldHasDefault;
    QTest::newRow("number limits one place apart") << number << kUser;

    CCmnRegFieldDef percent = Def(CmnRegFieldPercentage, allLimits | CmnRegFieldHasDefault);
    percent.m_PercentDecimals = 0;
    percent.m_PercentMin = 0.123456f;
    percent.m_PercentMax = 0.125f;
    percent.m_PercentDefault = 0.1239f;
    QTest::newRow("percentages finer than shown") << percent << kUser;

    CCmnRegFieldDef choice = Def(CmnRegFieldChoice, CmnRegFieldHasDefault | CmnRegFieldChoiceLabelAbove);
    choice.m_Choices = QStringList{"Smith & Jones <UK>", "Bay", "bay"};
    choice.m_ChoiceDefault = "bay";
    choice.m_ChoiceStyle = CmnRegChoiceRadio2;
    QTest::newRow("choice") << choice << kUser;

    CCmnRegFieldDef multiline = Def(CmnRegFieldMultilineText, CmnRegFieldHasDefault | CmnRegFieldFormatParagraphs
                                                                  | CmnRegFieldMultilineLabelAbove);
    multiline.m_MultilineDefault = "First line\nSecond line";
    multiline.m_MultilineLetterCase = 4;
    multiline.m_MultilineWidth = 80;
    multiline.m_MultilineLines = 7;
    QTest::newRow("multiline") << multiline << kUser;

    CCmnRegFieldDef date = Def(CmnRegFieldDate, CmnRegFieldKey);
    QTest::newRow("system date") << date << kSystem;

    // An inbuilt field never has the default bit.
    CCmnRegFieldDef special = Def(CmnRegFieldText, CmnRegFieldRequired | allLimits);
    special.m_TextDefault = "kept";
    special.m_IntMin = 7;
    QTest::newRow("special field") << special << kSpecial;
}

void TestCmnRegFieldConfDialog::plainOkChangesNothing()
{
    QFETCH(CCmnRegFieldDef, def);
    QFETCH(int, mode);
    CFixture fixture(def);
    fixture.m_Mask.SetContext(33, true);
    fixture.m_Mask.SetContext(90, true);
    const CCmnRegFieldContextMask mask = fixture.m_Mask;
    fixture.Open(mode);
    CTestMessageBoxScope boxes;
    QVERIFY2(fixture.Ok(), qPrintable(boxes.Texts().join('\n')));
    QVERIFY2(fixture.m_Def == def, qPrintable(Differences(fixture.m_Def, def)));
    QCOMPARE(fixture.m_Mask, mask);
}

// Not the field's type: a box that does not read as a number keeps what was stored.
void TestCmnRegFieldConfDialog::unreadableBoxesOfOtherTypesKeepTheirValues()
{
    CCmnRegFieldDef def = Def(CmnRegFieldText, CmnRegFieldIntMinSet);
    def.m_IntMin = 7;
    def.m_NumberMax = 2.5;
    CFixture fixture(def);
    fixture.Open();
    fixture.LimitBox(CLimits::Integer, CLimits::Minimum)->setText("seven");
    fixture.LimitBox(CLimits::Number, CLimits::Maximum)->setText("lots");
    fixture.LimitBox(CLimits::Percentage, CLimits::Default)->setText("12.5%");
    QVERIFY(fixture.Ok());
    QCOMPARE(fixture.m_Def.m_IntMin, 7);
    QVERIFY(fixture.m_Def.m_Flags & CmnRegFieldIntMinSet);
    QCOMPARE(fixture.m_Def.m_NumberMax, 2.5);
    QVERIFY(!(fixture.m_Def.m_Flags & CmnRegFieldNumberMaxSet));
    QCOMPARE(fixture.m_Def.m_PercentDefault, 0.125f);
    QVERIFY(fixture.m_Def.m_Flags & CmnRegFieldPercentDefaultSet);
}

void TestCmnRegFieldConfDialog::limitBoxesTakeAnyLength()
{
    CFixture fixture(Def(CmnRegFieldInteger, 0));
    fixture.Open();
    QLineEdit *minimum = fixture.LimitBox(CLimits::Integer, CLimits::Minimum);
    QTest::keyClicks(minimum, "-1234567");
    QCOMPARE(minimum->text(), QString("-1234567"));
    QVERIFY(fixture.Ok());
    QCOMPARE(fixture.m_Def.m_IntMin, -1234567);
}

void TestCmnRegFieldConfDialog::emptiedDateRemovesTheDefault()
{
    CCmnRegFieldDef def = Def(CmnRegFieldDate, CmnRegFieldHasDefault);
    QVERIFY(def.m_DateDefault.SetGregorianYmd(4, 5, 2001));
    CFixture fixture(def);
    CCmnRegFieldConfDialog &dialog = fixture.Open();
    QVERIFY(!dialog.m_DateEdit->text().isEmpty());
    dialog.m_DateEdit->clear();
    QVERIFY(fixture.Ok());
    QVERIFY(fixture.m_Def.m_DateDefault.IsEmpty());
    QVERIFY(!(fixture.m_Def.m_Flags & CmnRegFieldHasDefault));
}

void TestCmnRegFieldConfDialog::everyControlHasHelp_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("user field") << kUser;
    QTest::newRow("special field") << kSpecial;
}

void TestCmnRegFieldConfDialog::everyControlHasHelp()
{
    QFETCH(int, mode);
    CFixture fixture;
    CCmnRegFieldConfDialog &dialog = fixture.Open(mode);
    QDialogButtonBox *buttonBox = dialog.findChild<QDialogButtonBox *>();
    int controls = 0;
    for (QWidget *widget : dialog.findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
            || qobject_cast<QComboBox *>(widget) || qobject_cast<QAbstractSpinBox *>(widget)
            || qobject_cast<QTextEdit *>(widget) || qobject_cast<QListWidget *>(widget);
        if (!control || buttonBox->isAncestorOf(widget) || qobject_cast<QComboBox *>(widget->parentWidget())
            || qobject_cast<QAbstractSpinBox *>(widget->parentWidget()))
            continue;
        ++controls;
        QVERIFY2(!widget->whatsThis().isEmpty(), qPrintable(widget->metaObject()->className() + QString(" ")
                                                             + widget->objectName()
                                                             + (qobject_cast<QAbstractButton *>(widget)
                                                                    ? qobject_cast<QAbstractButton *>(widget)->text()
                                                                    : QString())));
    }
    QVERIFY(controls > 10);
}

// Set ORV_SCREENSHOT_DIR to keep a picture of each mode and type.
void TestCmnRegFieldConfDialog::renderEachModeAndType()
{
    const QString folder = qEnvironmentVariable("ORV_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("ORV_SCREENSHOT_DIR not set");
    const QList<std::pair<int, QString>> modes{{kUser, "user"}, {kSpecial, "special"}, {kSystem, "system"}};
    for (const auto &[mode, modeName] : modes) {
        for (int type = 0; type <= CmnRegFieldMultilineText; ++type) {
            if (mode == kSpecial && type != CmnRegFieldText)
                continue;
            CCmnRegFieldDef def = Def(type, CmnRegFieldKey | CmnRegFieldIntMinSet | CmnRegFieldNumberMaxSet);
            def.m_Choices = QStringList{"Smith & Jones <UK>", "Liver and white with a very long description", "Bay"};
            def.m_ChoiceDefault = "Bay";
            def.m_TrueText = "Registered";
            def.m_FalseText = "Not registered";
            def.m_IntMin = -100000;
            def.m_NumberMax = 12.5;
            CFixture fixture(def);
            fixture.m_Mask.SetContext(33, true);
            fixture.m_Mask.SetContext(51, true);
            CCmnRegFieldConfDialog &dialog = fixture.Open(mode);
            dialog.resize(dialog.sizeHint());
            dialog.show();
            QVERIFY(dialog.grab().save(QDir(folder).filePath(
                QString("fieldconf-%1-%2.png").arg(modeName, CmnRegFieldTypeName(type).replace(' ', '-')))));
            dialog.hide();
        }
    }
}

QTEST_MAIN(TestCmnRegFieldConfDialog)
#include "tst_cmnregfieldconfdialog.moc"
