#include "documentfuzzharness.h"

#include "bioregcoversheetsettings.h"
#include "bioregpedigreesettings.h"
#include "bioregtrialmatingsettings.h"
#include "cmndatastream.h"
#include "cmniocompressor.h"
#include "cmnpagesetup.h"
#include "cmnthemeset.h"
#include "document.h"
#include "documentfile.h"
#include "documentsettings.h"

#include <QBuffer>
#include <QDataStream>

namespace {

// Reads the block into a fresh value; when it reads, the value's own bytes must
// read back to an equal value.
template <typename T, typename Equal>
int ReadBlock(const QByteArray &bytes, Equal &&equal)
{
    T value;
    if (!value.FromByteArray(bytes))
        return 0;
    T again;
    if (!again.FromByteArray(value.ToByteArray()) || !equal(value, again))
        return -1;
    return 1;
}

template <typename T>
int ReadSimpleBlock(const QByteArray &bytes)
{
    return ReadBlock<T>(bytes, [](const T &a, const T &b) { return a == b; });
}

} // namespace

int DocumentFuzzFile(const QByteArray &inner)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    {
        // The fastest level: the reader sees the same inflated bytes whatever the level.
        CCmnIOCompressor device(&file, 1, CDocumentFile::kBufferSize);
        device.open(QIODevice::WriteOnly);
        device.write(inner);
        if (!device.Finish())
            return -1;
        device.close();
    }
    file.close();
    file.open(QIODevice::ReadOnly);
    CDocument document(false);
    CDocumentSettings settings;
    QString warning;
    QStringList messages;
    const QString error = CDocumentFile::Read(file, document, settings, nullptr, warning, messages);
    return error.isEmpty() ? 1 : 0;
}

int DocumentFuzzSettingsBlock(const QByteArray &input)
{
    if (input.isEmpty())
        return 0;
    const QByteArray bytes = input.mid(1);
    switch (quint8(input.at(0)) % DocumentFuzzBlockCount) {
    case DocumentFuzzGeneral:
        return ReadSimpleBlock<CDocumentGeneralSettings>(bytes);
    case DocumentFuzzFields:
        // Its comparison also weighs the computed layouts, which a hostile block can
        // leave apart from what the bytes say: the bytes are what must come back.
        return ReadBlock<CCmnRegFieldsSettings>(bytes, [](const CCmnRegFieldsSettings &a,
                                                          const CCmnRegFieldsSettings &b) {
            return a.ToByteArray() == b.ToByteArray();
        });
    case DocumentFuzzPageSetup:
        return ReadSimpleBlock<CCmnPageSetup>(bytes);
    case DocumentFuzzThemes:
        return ReadSimpleBlock<CCmnThemeSet>(bytes);
    case DocumentFuzzCoverSheet:
        return ReadSimpleBlock<CBioRegCoverSheetSettings>(bytes);
    case DocumentFuzzPedigree:
        return ReadSimpleBlock<CBioRegPedigreeSettings>(bytes);
    default:
        return ReadSimpleBlock<CBioRegTrialMatingSettings>(bytes);
    }
}

int DocumentFuzzSettingsTable(const QByteArray &input)
{
    TCmnByteArrayHash table;
    if (!CmnReadStreamBytes(input, [&table](QDataStream &in) {
            table = CDocumentFile::ReadSettingsTable(in);
            return true;
        }))
        return 0;
    CDocumentSettings settings;
    if (!settings.FromHash(table))
        return 0;
    CDocumentSettings again;
    // Compared by their blocks, for the reason the fields block gives above.
    const TCmnByteArrayHash written = settings.ToHash();
    if (!again.FromHash(written) || again.ToHash() != written)
        return -1;
    return 1;
}
