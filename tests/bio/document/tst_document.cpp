#include "bioinbreedingsettings.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "cmnappdescriptor.h"
#include "cmndatastream.h"
#include "document.h"
#include "documentsettings.h"
#include "ignoreaccentssetting.h"

#include <QDataStream>
#include <QtTest>

class TestDocument : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void newDocumentCarriesMarkersAndExampleFlag_data();
    void newDocumentCarriesMarkersAndExampleFlag();
    void indexFoldingIsFixedWhenCreated();
    void applySettingsDropsValuesOfRemovedFieldsUnlessInstalling_data();
    void applySettingsDropsValuesOfRemovedFieldsUnlessInstalling();
    void reopenTakesInbreedingSettingsAndOpens();
    void laterFileVersionIsRefusedNamingProductTwice();
};

void TestDocument::initTestCase()
{
    CmnGetAppDescriptor().m_ProductName = QStringLiteral("Orvanta");
    CreateIgnoreAccentsSetting();
    BioCreateInbreedingSettings();
}

void TestDocument::cleanupTestCase()
{
    BioDestroyInbreedingSettings();
    DestroyIgnoreAccentsSetting();
}

void TestDocument::newDocumentCarriesMarkersAndExampleFlag_data()
{
    QTest::addColumn<bool>("example");
    QTest::newRow("document") << false;
    QTest::newRow("example") << true;
}

void TestDocument::newDocumentCarriesMarkersAndExampleFlag()
{
    QFETCH(bool, example);
    CDocument document(example);
    QCOMPARE(document.FirstMarker(), 0x70640398u);
    QCOMPARE(document.ClosingMarker(), 0x55329FDEu);
    QCOMPARE(document.Flags(), example ? 1u : 0u);
    QCOMPARE(document.IsOpen(), false);
    QCOMPARE(document.IsModified(), false);
    QVERIFY(document.GetRegister()->GetFieldContexts());
}

void TestDocument::indexFoldingIsFixedWhenCreated()
{
    SetIgnoreAccentsSetting(false);
    CDocument sensitive(false);
    SetIgnoreAccentsSetting(true);
    CDocument folding(false);
    QCOMPARE(sensitive.GetRegister()->FoldsIndexAccents(), false);
    QCOMPARE(folding.GetRegister()->FoldsIndexAccents(), true);

    const QSharedPointer<CBioReg> reg = sensitive.GetRegister();
    reg->AddNamedRecord(QStringLiteral("Chérie"), true);
    QCOMPARE(reg->FindMatchingRecords(CBioReg::AllSexes, QStringLiteral("Cherie")).size(), 0);
    QCOMPARE(reg->FindMatchingRecords(CBioReg::AllSexes, QStringLiteral("Chérie")).size(), 1);
}

void TestDocument::applySettingsDropsValuesOfRemovedFieldsUnlessInstalling_data()
{
    QTest::addColumn<bool>("installing");
    QTest::addColumn<bool>("kept");
    QTest::newRow("installing") << true << true;
    QTest::newRow("changing") << false << false;
}

void TestDocument::applySettingsDropsValuesOfRemovedFieldsUnlessInstalling()
{
    QFETCH(bool, installing);
    QFETCH(bool, kept);
    CDocument document(false);
    const QSharedPointer<CBioReg> reg = document.GetRegister();
    CDocumentSettings withField;
    CCmnRegUserFieldSet fields;
    fields.AddField(QStringLiteral("Colour"), CCmnRegUserField(7, CCmnRegFieldDef()));
    withField.m_FieldsSettings.SetUserFields(fields);
    document.ApplySettings(nullptr, withField, true);
    const int id = reg->AddNamedRecord(QStringLiteral("Smith & Jones <UK>"), true);
    reg->GetRecord(id)->SetValue(7, 0, QStringLiteral("Bay"));

    CDocumentSettings without;
    without.m_GeneralSettings.m_NameDisplay.m_IncludeSuffix = false;
    document.MarkOpen();
    document.ApplySettings(nullptr, without, installing);
    QCOMPARE(reg->GetRecord(id)->GetValue(7, 0).isValid(), kept);
    QCOMPARE(reg->GetNameDisplaySettings(), without.m_GeneralSettings.m_NameDisplay);
    QCOMPARE(document.ModifyDepth(), 0);
}

void TestDocument::reopenTakesInbreedingSettingsAndOpens()
{
    CBioInbreedingSettings inbreeding;
    inbreeding.m_Generations = 12;
    BioSetInbreedingSettings(inbreeding);
    CDocument document(false);
    document.SetModified(true);
    document.Reopen();
    QCOMPARE(document.GetRegister()->GetInbreedingSettings().m_Generations, 12);
    QCOMPARE(document.IsOpen(), true);
    QCOMPARE(document.IsModified(), true);
    BioSetInbreedingSettings(CBioInbreedingSettings());
}

void TestDocument::laterFileVersionIsRefusedNamingProductTwice()
{
    CDocument document(false);
    const QByteArray bytes = CmnStreamBytes([](QDataStream &out) { out << quint32(2); });
    QDataStream in(bytes);
    CmnPrepareDataStream(in);
    QCOMPARE(document.ExchangeStream(in, false),
             QStringLiteral("Unsupported file version.\n\nPossibly you are trying to open a Orvanta data file that "
                            "was written with a later version; in this case you should upgrade to the current "
                            "version of Orvanta."));
}

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
