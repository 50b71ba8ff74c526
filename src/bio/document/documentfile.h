#pragma once

#include "cmnsettingsexchange.h"

#include <QString>
#include <QStringList>

class CCmnProgress;
class CDocument;
class CDocumentSettings;
class QDataStream;
class QIODevice;

// The document file: one zlib stream holding the first marker, the document's
// own stream (file version and register), the settings table and the closing
// marker. Read and written in one pass; nothing seeks.
class CDocumentFile
{
public:
    static constexpr int kCompressionLevel = 6;
    static constexpr quint32 kBufferSize = 65500;

    // Writes the document and the settings to the open file. Empty on success,
    // else "Write error" with the reason: the end of the compressed stream is
    // checked, since closing the device could not report its failure.
    [[nodiscard]] static QString Write(QIODevice &file, CDocument &document, const CDocumentSettings &settings);

    // Reads the open file into the document, and its settings into `settings`
    // when the whole file reads. Settings blocks that do not read keep their
    // defaults and are named in a line of `messages`, as are parent links to
    // animals the file does not hold, which are dropped; the load goes on.
    [[nodiscard]] static QString Read(QIODevice &file, CDocument &document, CDocumentSettings &settings,
                                      CCmnProgress *progress, QString &warning, QStringList &messages);

    static QString CorruptedMessage();

    // The settings table: the count, then each key and block, in key order so
    // that the same settings always give the same bytes.
    static void WriteSettingsTable(QDataStream &out, const TCmnByteArrayHash &table);
    // Keys and blocks are read without trusting their lengths; a table cut short
    // leaves nothing of itself and the stream's status says why.
    static TCmnByteArrayHash ReadSettingsTable(QDataStream &in);
};
