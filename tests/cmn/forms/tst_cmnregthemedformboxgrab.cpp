#include "cmnregthemedformboxgrab.h"
#include "cmnregfieldssettings.h"
#include "cmnregrecord.h"
#include "cmnreg.h"

#include <QTest>

namespace {

constexpr int kBirthField = -103;
constexpr int kColourField = 4;
constexpr int kCoatField = 5;

class CRecord : public CCmnRegRecord
{
public:
    using CCmnRegRecord::CCmnRegRecord;
    QString GetName() const override { return {}; }
};

// A register whose one system field the user calls "Foaled".
class CWordedReg : public CCmnReg
{
public:
    CWordedReg()
    {
        AddIdField();
        CCmnRegFieldsSettings settings;
        settings.AddSystemField(CCmnRegField(kBirthField, CCmnRegFieldDef(CmnRegFieldDate, 0)));
        CCmnRegUserFieldSet fields;
        fields.AddField(QStringLiteral("Colour"), CCmnRegUserField(kColourField, CCmnRegFieldDef()));
        fields.AddField(QStringLiteral("Coat"), CCmnRegUserField(kCoatField, CCmnRegFieldDef()));
        settings.SetUserFields(fields);
        SetFieldsSettings(settings, false);
    }
    CRecordPtr CreateRecord() override { return CRecordPtr(new CRecord(this)); }
    QString GetSystemFieldLabel(int fieldId, bool builtIn) const override
    {
        if (fieldId != kBirthField)
            return {};
        return builtIn ? QStringLiteral("Date of Birth") : QStringLiteral("Foaled");
    }
    int FindSystemField(const QString &label, bool builtIn) const override
    {
        return label.compare(GetSystemFieldLabel(kBirthField, builtIn), Qt::CaseInsensitive) == 0 ? kBirthField : 0;
    }
};

QList<int> Sorted(QList<int> ids)
{
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

class TestCmnRegThemedFormBoxGrab : public QObject
{
    Q_OBJECT
private slots:
    void resolvesNamesInBoxText_data();
    void resolvesNamesInBoxText();
    void allFieldsListTakesTheContextInOrder();
};

void TestCmnRegThemedFormBoxGrab::resolvesNamesInBoxText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("current label") << "Born [foaled]" << QList<int>{kBirthField};
    QTest::newRow("built-in label") << "[#DATE OF BIRTH]" << QList<int>{kBirthField};
    QTest::newRow("current label with hash") << "[#Foaled]" << QList<int>{};
    QTest::newRow("built-in label without hash") << "[Date of Birth]" << QList<int>{};
    QTest::newRow("user field any case") << "[colour] [#COAT]" << QList<int>{kColourField, kCoatField};
    QTest::newRow("qualified") << "[COLOUR-UNTITLED]" << QList<int>{kColourField};
    QTest::newRow("record number") << "[ID] [id]" << QList<int>{-1};
    QTest::newRow("unknown") << "[Stallion]" << QList<int>{};
}

void TestCmnRegThemedFormBoxGrab::resolvesNamesInBoxText()
{
    QFETCH(QString, text);
    CWordedReg reg;
    CCmnRegThemedFormBoxGrab grab;
    grab.m_ReferencedFieldIds = {99};
    grab.m_Text = text;
    grab.UpdateFieldReferences(reg, {});
    QTEST(Sorted(grab.m_ReferencedFieldIds), "ids");
    QCOMPARE(grab.m_ContextLabels, QStringList());
}

void TestCmnRegThemedFormBoxGrab::allFieldsListTakesTheContextInOrder()
{
    CWordedReg reg;
    CCmnRegThemedFormBoxGrab grab;
    grab.m_Text = QStringLiteral("[$b * L]");
    grab.UpdateFieldReferences(reg, {kColourField, kBirthField, -1});
    QCOMPARE(grab.m_ContextLabels, (QStringList{QStringLiteral("Colour"), QStringLiteral("Foaled"),
                                                QStringLiteral("ID")}));
    QCOMPARE(Sorted(grab.m_ReferencedFieldIds), (QList<int>{kBirthField, -1, kColourField}));
}

QTEST_MAIN(TestCmnRegThemedFormBoxGrab)
#include "tst_cmnregthemedformboxgrab.moc"
