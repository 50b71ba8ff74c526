#include "cmnimportexportcsvwizardbase.h"

#include "cmnfilehiddensettings.h"
#include "cmnimportexportparameters.h"

namespace {

const QString kTextEncodingKey = QStringLiteral("textencoding");
const QString kCsvFormatKey = QStringLiteral("csvformat");

template <class TChoice>
void LoadRemembered(TChoice *choice, const QString &filePath, const QString &key)
{
    const CCmnFileHiddenSettings *settings = CmnGetFileHiddenSettings();
    if (settings && choice->m_Follow)
        choice->FixCustomFromText(settings->Value(filePath, key).toString());
}

template <class TChoice>
void StoreCustom(const TChoice &choice, const QString &filePath, const QString &key)
{
    CCmnFileHiddenSettings *settings = CmnGetFileHiddenSettings();
    if (settings && !choice.m_Automatic)
        settings->SetValue(filePath, key, choice.m_Custom.ToText());
}

} // namespace

CCmnImportExportCSVWizardBase::CCmnImportExportCSVWizardBase(const QString &filePath, QWidget *parent,
                                                             Qt::WindowFlags flags)
    : CCmnWizardEx(parent, flags)
    , m_FilePath(filePath)
{
}

int CCmnImportExportCSVWizardBase::ExecWithFileSettings()
{
    LoadFileSettings();
    const int result = Exec();
    if (result != QDialog::Accepted)
        return result;
    StoreFileSettings();
    return result;
}

void CCmnImportExportCSVWizardBase::LoadFileSettings()
{
    LoadRemembered(&m_TextEncoding, m_FilePath, kTextEncodingKey);
    LoadRemembered(&m_CsvFormat, m_FilePath, kCsvFormatKey);
}

void CCmnImportExportCSVWizardBase::StoreFileSettings() const
{
    StoreCustom(m_TextEncoding, m_FilePath, kTextEncodingKey);
    StoreCustom(m_CsvFormat, m_FilePath, kCsvFormatKey);
}

void CCmnImportExportCSVWizardBase::ApplyParameters()
{
    CmnApplyCsvWizardParameters(Parameters(), &m_TextEncoding, &m_CsvFormat, &m_ShowWizard);
}
