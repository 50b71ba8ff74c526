#include "bioboxkindcatalogue.h"
#include "biobuiltinfields.h"
#include "biodefaultregfieldssettings.h"
#include "bioreg.h"
#include "bioterminology.h"
#include "cmnregfieldcontexts.h"
#include "cmnregfieldssettings.h"

#include <QTest>

namespace {

CCmnRegFieldContextMask Only(int context)
{
    CCmnRegFieldContextMask mask;
    mask.SetContext(context, true);
    return mask;
}

// A user field as the field window creates it: the prototype with an id of its own.
void AddPrototypeUserField(CCmnRegFieldsSettings &settings, const QString &name, int id)
{
    CCmnRegUserFieldSet fields = settings.GetUserFields();
    CCmnRegUserField field = fields.m_DefaultValue;
    field.m_Id = id;
    fields.AddField(name, field);
    settings.SetUserFields(fields);
}

const CCmnRegField &DefaultSpecialField(int id)
{
    for (const CCmnRegField &field : BioDefaultRegFieldsSettings().GetSpecialFields()) {
        if (field.m_Id == id)
            return field;
    }
    qFatal("no default special field %d", id);
}

} // namespace

class TestBioDefaultRegFieldsSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { BioCreateTerminology(); }
    void cleanupTestCase() { BioDestroyTerminology(); }
    void newRegisterTakesTheDefaults();
    void fieldsOfEachBox_data();
    void fieldsOfEachBox();
    void updateRestoresBuiltInDefaults();
};

// What a new document does with its register.
void TestBioDefaultRegFieldsSettings::newRegisterTakesTheDefaults()
{
    const CCmnRegFieldsSettings &defaults = BioDefaultRegFieldsSettings();
    QCOMPARE(&BioDefaultRegFieldsSettings(), &defaults);
    QCOMPARE(defaults.GetFormFieldOrder(), BioDefaultInbuiltFieldOrder());

    CBioReg reg(defaults);
    reg.SetFieldContexts(BoxKindCatalogue());
    QCOMPARE(reg.GetFieldContexts()->m_Groups.size(), 4);
    QCOMPARE(reg.GetFieldsSettings().GetSpecialFields(), defaults.GetSpecialFields());
    QCOMPARE(reg.GetFieldsSettings().GetSystemFields(), defaults.GetSystemFields());
    QCOMPARE(reg.GetFieldsSettings().GetUserFields().m_DefaultValue, defaults.GetUserFields().m_DefaultValue);
}

void TestBioDefaultRegFieldsSettings::fieldsOfEachBox_data()
{
    QTest::addColumn<int>("context");
    QTest::addColumn<QList<int>>("ids");
    // 1 is a user field made from the default prototype.
    QTest::newRow("record window") << 1 << QList<int>{-107, -108, -102, -103, -104, -105, -106, -109, 1};
    QTest::newRow("record list") << 2 << QList<int>{-102, -105, -106, -109, 1};
    QTest::newRow("pedigree title") << 33 << QList<int>{-102, -103, -109, 1};
    QTest::newRow("cover-sheet title") << 35 << QList<int>{-102, -103, -109, 1};
    QTest::newRow("pedigree details") << 60 << QList<int>{-104};
    QTest::newRow("cover-sheet reverse") << 36 << QList<int>{-104};
    QTest::newRow("trial-mating title") << 39 << QList<int>{-109};
    QTest::newRow("sire details") << 61 << QList<int>{-103, -104, 1};
    QTest::newRow("dam details") << 62 << QList<int>{-103, -104, 1};
    QTest::newRow("parents' cells") << 50 << QList<int>{};
    QTest::newRow("great-grandparents' cells") << 52 << QList<int>{};
    QTest::newRow("pedigree photo") << 34 << QList<int>{};
}

void TestBioDefaultRegFieldsSettings::fieldsOfEachBox()
{
    QFETCH(int, context);
    QFETCH(QList<int>, ids);
    CCmnRegFieldsSettings settings = BioDefaultRegFieldsSettings();
    AddPrototypeUserField(settings, "Smith & Jones <UK>", 1);
    QCOMPARE(settings.GetFieldsForContext(context), ids);
}

// Settings stored by an older program, edited by the user.
void TestBioDefaultRegFieldsSettings::updateRestoresBuiltInDefaults()
{
    const CCmnRegFieldsSettings &defaults = BioDefaultRegFieldsSettings();
    const CCmnRegFieldDef text(CmnRegFieldText, 0);
    CCmnRegFieldsSettings settings;
    settings.AddSpecialField(CCmnRegField(-106, CCmnRegFieldDef(CmnRegFieldChoice, 0), Only(53)));
    settings.AddSpecialField(CCmnRegField(-102, text, Only(53)));
    settings.AddSpecialField(CCmnRegField(-199, text, Only(33)));
    for (const CCmnRegField &field : defaults.GetSystemFields())
        settings.AddSystemField(field.m_Id == -104 ? CCmnRegField(-104, field.m_Def, Only(53)) : field);
    AddPrototypeUserField(settings, "Smith & Jones <UK>", 1);
    CCmnRegUserFieldSet fields = settings.GetUserFields();
    fields.m_Items.first().second.m_Mask = Only(54);
    fields.m_DefaultValue = CCmnRegUserField(-1, text, Only(55));
    settings.SetUserFields(fields);
    settings.SetFormFieldOrder({1, -104, -102});
    const CCmnRegFieldsSettings before = settings;

    BioUpdateInbuiltFieldDefaults(settings);
    // The stored order first, then the missing ones; the one no longer built in goes.
    const QList<CCmnRegField> special{DefaultSpecialField(-106), DefaultSpecialField(-102), DefaultSpecialField(-105),
                                      DefaultSpecialField(-109)};
    QCOMPARE(settings.GetSpecialFields(), special);
    QCOMPARE(settings.GetUserFields().m_DefaultValue, defaults.GetUserFields().m_DefaultValue);
    QCOMPARE(settings.GetUserFields().m_Items, before.GetUserFields().m_Items);
    QCOMPARE(settings.GetSystemFields(), before.GetSystemFields());
    QCOMPARE(settings.GetFormFieldOrder(), before.GetFormFieldOrder());
}

QTEST_GUILESS_MAIN(TestBioDefaultRegFieldsSettings)
#include "tst_biodefaultregfieldssettings.moc"
