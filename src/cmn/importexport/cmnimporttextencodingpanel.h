#pragma once

#include "cmnimportexporttextencodingbasepanel.h"

#include <QByteArray>
#include <QStringList>

// The import's encoding panel: it deduces the encoding from the first bytes of the
// input file each time it is loaded, and on leaving decodes those bytes into the
// lines the format page works on.
class CCmnImportTextEncodingPanel : public CCmnImportExportTextEncodingBasePanel
{
    Q_OBJECT
public:
    // The sample, the decoded text and the lines are the wizard's and outlive the panel.
    CCmnImportTextEncodingPanel(qint32 pageFlags, CCmnAutomaticOrCustomTextEncoding *choice,
                                const QByteArray *sampleBytes, QString *decodedSample, QStringList *previewLines,
                                QBoxLayout *mainLayout, QObject *parent = nullptr);


    // The encoding the sample's byte-order mark and line ends show becomes the
    // deduced one, and the custom one too while it follows.
    void DeduceEncoding();
    // The sample decoded with the encoding in force, and cut into lines; nothing
    // when its codec is unknown.
    void DecodePreview();

protected:
    // Deduces before a load and decodes after a save.
    void OnLoading() override { DeduceEncoding(); }
    void OnSaved() override { DecodePreview(); }

private:
    const QByteArray *m_SampleBytes;
    QString *m_DecodedSample;
    QStringList *m_PreviewLines;
};
