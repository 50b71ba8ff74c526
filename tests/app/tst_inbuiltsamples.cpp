#include "bioreg.h"
#include "bioregpedigreestickystate.h"
#include "bioregthemedforminterface.h"
#include "bioregtrialmatingstickystate.h"
#include "bioregrecord.h"
#include "cmnappdescriptor.h"
#include "cmndialogbuttonbox.h"
#include "cmnframework.h"
#include "cmninbuiltsampleselectdialog.h"
#include "cmnlistwidget.h"
#include "cmnreguserfieldset.h"
#include "cmntextedit.h"
#include "document.h"
#include "documentfile.h"
#include "documentsettings.h"
#include "documentstickystates.h"
#include "documentwidget.h"
#include "programstartup.h"
#include "rendertesting.h"
#include "testmainwindow.h"
#include "testsettingsscope.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

#include <memory>

namespace {

const QStringList kShipped{"Bird Pedigree",  "Cat Pedigree",   "Cattle Pedigree", "Dog Pedigree",
                           "Goat Pedigree",  "Horse Pedigree", "Pig Pedigree",    "Rabbit Pedigree",
                           "Rat Pedigree",   "Sheep Pedigree", "User Data Fields Example"};

// Generations of ancestors that are all known above the animal.
int CompleteGenerations(const CBioReg &reg, int id, int limit)
{
    const CBioRegRecord *record = reg.GetBioRecord(id);
    if (!record || limit == 0 || record->m_Sire <= 0 || record->m_Dam <= 0)
        return 0;
    return 1 + std::min(CompleteGenerations(reg, record->m_Sire, limit - 1),
                        CompleteGenerations(reg, record->m_Dam, limit - 1));
}

// The ancestors of the animal up to `limit` generations, each time they appear.
void CollectAncestors(const CBioReg &reg, int id, int limit, QList<int> &ancestors)
{
    const CBioRegRecord *record = reg.GetBioRecord(id);
    if (!record || limit == 0)
        return;
    for (const int parent : {record->m_Sire, record->m_Dam}) {
        if (parent > 0) {
            ancestors << parent;
            CollectAncestors(reg, parent, limit - 1, ancestors);
        }
    }
}

// Reads the sample document; the error text, empty on success.
QString ReadSample(const QString &path, CDocument &document, CDocumentSettings &settings)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    QString warning;
    QStringList messages;
    const QString error = CDocumentFile::Read(file, document, settings, nullptr, warning, messages);
    return error.isEmpty() ? (warning + messages.join(QLatin1Char('\n'))) : error;
}

} // namespace

class TestInbuiltSamples : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void chooserListsShippedSamples();
    void everySampleOpens_data();
    void everySampleOpens();
    void everySampleShowsInTheThreeForms_data();
    void everySampleShowsInTheThreeForms();

private:
    std::unique_ptr<CTestSettingsScope> m_Settings;
};

void TestInbuiltSamples::initTestCase()
{
    CCmnAppDescriptor descriptor;
    FillAppDescriptor(descriptor);
    CmnInitFramework(descriptor);
}

void TestInbuiltSamples::init()
{
    m_Settings = std::make_unique<CTestSettingsScope>();
    CreateProgramSettings();
}

void TestInbuiltSamples::cleanup()
{
    DestroyProgramSettings();
    m_Settings.reset();
}

void TestInbuiltSamples::chooserListsShippedSamples()
{
    CCmnInbuiltSampleSelectDialog dialog(CmnInbuiltSampleFolderPath());
    dialog.Prepare();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Sample Pedigrees"));
    QStringList names;
    for (const CCmnInbuiltSample &sample : dialog.Samples())
        names << sample.m_Name;
    QCOMPARE(names, kShipped);
    QCOMPARE(dialog.size(), QSize(320, 320));
    QVERIFY(!dialog.DescriptionView()->toPlainText().isEmpty());

    dialog.ListWidget()->setCurrentRow(int(kShipped.indexOf("Dog Pedigree")));
    QVERIFY(OrvRenderForReview(dialog, QSize(), QStringLiteral("samplechooser.png")));
    dialog.ButtonBox()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(dialog.ChosenPath(), QStringLiteral(":/inbuiltsample/dog.orv"));
}

void TestInbuiltSamples::everySampleOpens_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("info");
    CCmnInbuiltSampleFolder folder;
    folder.Read(CmnInbuiltSampleFolderPath());
    for (const CCmnInbuiltSample &sample : std::as_const(folder.m_Samples)) {
        QString info = sample.m_DataFileName;
        info.replace(QStringLiteral(".orv"), QStringLiteral(".info"));
        QTest::newRow(qPrintable(sample.m_Name)) << CmnInbuiltSampleFolderPath() + "/" + sample.m_DataFileName
                                                 << CmnInbuiltSampleFolderPath() + "/" + info;
    }
}

void TestInbuiltSamples::everySampleOpens()
{
    QFETCH(QString, path);
    QFETCH(QString, info);

    QFile infoFile(info);
    QVERIFY(infoFile.open(QIODevice::ReadOnly));
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(infoFile.readAll());
    QVERIFY(!utf8.hasError());

    CDocument document(true);
    CDocumentSettings settings;
    const QString error = ReadSample(path, document, settings);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    const CBioReg &reg = *document.GetRegister();
    // The forms open on records 1 and 2: a male with four generations of ancestors
    // and a female to mate him with.
    QVERIFY(reg.GetBioRecord(1));
    QVERIFY(reg.GetBioRecord(2));
    QCOMPARE(reg.GetBioRecord(1)->m_Sex, 1);
    QCOMPARE(reg.GetBioRecord(2)->m_Sex, 2);
    QCOMPARE(CompleteGenerations(reg, 1, 4), 4);
    // Neither is inbred, and they have one ancestor in common for the trial mating to show.
    QList<int> sireSide;
    QList<int> damSide;
    CollectAncestors(reg, 1, 4, sireSide);
    CollectAncestors(reg, 2, 4, damSide);
    QCOMPARE(QSet<int>(sireSide.cbegin(), sireSide.cend()).size(), sireSide.size());
    QCOMPARE(QSet<int>(damSide.cbegin(), damSide.cend()).size(), damSide.size());
    QCOMPARE(QSet<int>(sireSide.cbegin(), sireSide.cend()).intersect(QSet<int>(damSide.cbegin(), damSide.cend())).size(),
             1);

    const qsizetype userFields = settings.m_FieldsSettings.GetUserFields().m_Items.size();
    QVERIFY(userFields <= DocumentMaxUserFields());
    if (path.endsWith(QLatin1String("userfields.orv")))
        QVERIFY2(userFields >= 50, qPrintable(QString::number(userFields)));
    else
        QVERIFY(userFields > 0);
}

void TestInbuiltSamples::everySampleShowsInTheThreeForms_data()
{
    everySampleOpens_data();
}

// Opened as the window opens a sample: on records 1 and 2, in each form in turn.
void TestInbuiltSamples::everySampleShowsInTheThreeForms()
{
    QFETCH(QString, path);

    auto document = QSharedPointer<CDocument>::create(true);
    CDocumentSettings settings;
    const QString error = ReadSample(path, *document, settings);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QString stem = QFileInfo(path).baseName();
    for (const QString kind : {"PEDIGREE", "COVERSHEET", "TRIALMATING"}) {
        CTestMainWindow window;
        auto *widget = new CDocumentWidget(&window, {});
        window.setCentralWidget(widget);
        CDocumentStickyStates states;
        states.SetSampleDefaults();
        states.m_SelectedKind = kind;
        widget->InstallDocument(nullptr, document, settings, states);
        const CBioRegThemedFormInterface &forms = *widget->FormController();
        QCOMPARE(forms.PedigreeStickyState()->m_SubjectRecNo, 1);
        QCOMPARE(forms.TrialMatingStickyState()->SireRecNo(), 1);
        QCOMPARE(forms.TrialMatingStickyState()->DamRecNo(), 2);
        // Only the dog sample is kept for a look; every form must draw.
        const QString file = stem == QLatin1String("dog") ? QStringLiteral("sample-dog-%1.png").arg(kind.toLower())
                                                           : QString();
        window.resize(1400, 900);
        window.show();
        const QImage image = window.grab().toImage();
        QVERIFY(!image.isNull());
        if (!file.isEmpty())
            QVERIFY(OrvKeepForReview(image, file));
    }
}

QTEST_MAIN(TestInbuiltSamples)
#include "tst_inbuiltsamples.moc"
