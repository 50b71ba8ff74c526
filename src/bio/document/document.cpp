#include "document.h"

#include "bioboxkindcatalogue.h"
#include "biodefaultregfieldssettings.h"
#include "bioinbreedingsettings.h"
#include "biolegacydatafiles.h"
#include "biolegacyfileimport.h"
#include "bioreg.h"
#include "biotextfileimport.h"
#include "cmnappdescriptor.h"
#include "cmnfilenames.h"
#include "cmnprogressdialog.h"
#include "cmnregfieldcontextmask.h"
#include "documentsettings.h"
#include "ignoreaccentssetting.h"

#include <QDataStream>

CDocument::CDocument(bool example, QObject *parent)
    : CCmnDocument(kFirstMarker, kClosingMarker, example ? quint32(ExampleFlag) : 0u, parent)
{
    m_Register = QSharedPointer<CBioReg>::create(BioDefaultRegFieldsSettings());
    m_Register->SetIndexKeyFolding(GetIgnoreAccentsSetting());
    m_Register->SetFieldContexts(BoxKindCatalogue());
}

CDocument::~CDocument()
{
    Close();
    m_Register->Reset();
    m_Register.reset();
}

void CDocument::ClearRegister()
{
    Close();
    m_Register->Reset();
}

void CDocument::Reopen()
{
    Reset();
    if (const CBioInbreedingSettings *inbreeding = BioGetInbreedingSettings())
        m_Register->SetInbreedingSettings(*inbreeding);
    MarkOpen();
}

void CDocument::ApplySettings(QWidget *, const CDocumentSettings &settings, bool installing)
{
    BeginModify();
    m_Register->SetFieldsSettings(settings.m_FieldsSettings, !installing);
    m_Register->SetNameDisplaySettings(settings.m_GeneralSettings.m_NameDisplay);
    EndModify();
}

QString CDocument::ExchangeStream(QDataStream &stream, bool write)
{
    if (write) {
        stream << kFileVersion << *m_Register;
        return QString();
    }
    quint32 version = 0;
    stream >> version;
    if (stream.status() != QDataStream::Ok)
        return QString();
    if (version > kFileVersion) {
        const QString product = CmnGetAppDescriptor().m_ProductName;
        return QStringLiteral("Unsupported file version.\n\nPossibly you are trying to open a %1 data file that "
                              "was written with a later version; in this case you should upgrade to the current "
                              "version of %1.")
            .arg(product);
    }
    stream >> *m_Register;
    return QString();
}

QString CDocument::ImportFile(CCmnProgressDialog *progress, QString &warning, QStringList &messages,
                              const QString &path, QIODevice *file, CDocumentSettings &settings, QWidget *mainWindow)
{
    if (BioIsLegacyDataFileExtension(CmnFileExtension(path))) {
        const QString error = BioImportLegacyFile(progress, &messages, path, file, *m_Register, mainWindow);
        if (error.isEmpty())
            settings.m_FieldsSettings = m_Register->GetFieldsSettings();
        return error;
    }
    // User fields from the text start where the title boxes and the trial
    // mating's parent details show them.
    CCmnRegFieldContextMask usage;
    for (int word = 0; word < 2; ++word)
        usage.SetWord(word, BioDefaultFieldContextMask(3).Word(word) | BioDefaultFieldContextMask(0).Word(word));
    return BioImportTextFile(*m_Register, settings.m_FieldsSettings, progress, warning, messages, path, file, usage,
                             mainWindow);
}
