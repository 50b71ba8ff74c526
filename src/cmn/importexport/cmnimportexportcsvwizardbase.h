#pragma once

#include "cmnautomaticorcustomcsvformat.h"
#include "cmnautomaticorcustomtextencoding.h"
#include "cmnwizardex.h"

// The base of the text import and export wizards: the file the wizard is about,
// whether it is shown at all, and the encoding and format choices with their
// per-file memory. A custom choice is remembered for the file's path exactly as
// given and comes back custom the next time; a parameter file beside the file wins
// over the memory, as it stops the choice from following.
class CCmnImportExportCSVWizardBase : public CCmnWizardEx
{
    Q_OBJECT
public:
    CCmnImportExportCSVWizardBase(const QString &filePath, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

    const QString &FilePath() const { return m_FilePath; }
    bool ShowWizard() const { return m_ShowWizard; }
    CCmnAutomaticOrCustomTextEncoding &TextEncoding() { return m_TextEncoding; }
    const CCmnAutomaticOrCustomTextEncoding &TextEncoding() const { return m_TextEncoding; }
    CCmnAutomaticOrCustomCsvFormat &CsvFormat() { return m_CsvFormat; }
    const CCmnAutomaticOrCustomCsvFormat &CsvFormat() const { return m_CsvFormat; }

    // Reads the parameter file beside the path and applies it.
    void LoadTextFile(const QString &path) { LoadParameters(path); }

    // LoadFileSettings, the run, and after an accepted run StoreFileSettings; the
    // run's result.
    int ExecWithFileSettings();
    // Each choice that still follows takes the custom value remembered for the file,
    // when one parses.
    void LoadFileSettings();
    // Each custom choice is remembered for the file; an automatic one leaves what
    // is remembered in place.
    void StoreFileSettings() const;

protected:
    // "textencoding", "csvformat", then "showwizard".
    void ApplyParameters() override;

private:
    bool m_ShowWizard = true;
    QString m_FilePath;
    CCmnAutomaticOrCustomTextEncoding m_TextEncoding;
    CCmnAutomaticOrCustomCsvFormat m_CsvFormat;
};
