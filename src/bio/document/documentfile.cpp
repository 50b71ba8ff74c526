#include "documentfile.h"

#include "bioreg.h"
#include "cmndatastream.h"
#include "cmniocompressor.h"
#include "document.h"
#include "documentsettings.h"

#include <QDataStream>

#include <algorithm>

namespace {

QString WriteError(const QString &reason)
{
    if (reason.isEmpty())
        return QStringLiteral("Write error");
    return QStringLiteral("Write error\n\n") + reason;
}

} // namespace

TCmnByteArrayHash CDocumentFile::ReadSettingsTable(QDataStream &in)
{
    TCmnByteArrayHash table;
    quint32 count = 0;
    in >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QString key;
        QByteArray block;
        CmnReadString(in, key);
        CmnReadByteArray(in, block);
        if (in.status() == QDataStream::Ok)
            table.insert(key, block);
    }
    if (in.status() != QDataStream::Ok)
        table.clear();
    return table;
}

void CDocumentFile::WriteSettingsTable(QDataStream &out, const TCmnByteArrayHash &table)
{
    QStringList keys = table.keys();
    std::sort(keys.begin(), keys.end());
    out << quint32(keys.size());
    for (const QString &key : keys)
        out << key << table.value(key);
}

QString CDocumentFile::CorruptedMessage()
{
    return QStringLiteral("File is corrupted");
}

QString CDocumentFile::Write(QIODevice &file, CDocument &document, const CDocumentSettings &settings)
{
    CCmnIOCompressor device(&file, kCompressionLevel, kBufferSize);
    if (!device.open(QIODevice::WriteOnly))
        return WriteError(device.errorString());
    QDataStream out(&device);
    CmnPrepareDataStream(out);
    out << document.FirstMarker();
    const QString error = document.ExchangeStream(out, true);
    if (!error.isEmpty())
        return error;
    WriteSettingsTable(out, settings.ToHash());
    out << document.ClosingMarker();
    if (out.status() != QDataStream::Ok)
        return WriteError(device.errorString());
    if (!device.Finish())
        return WriteError(device.errorString());
    device.close();
    return QString();
}

QString CDocumentFile::Read(QIODevice &file, CDocument &document, CDocumentSettings &settings,
                            CCmnProgress *progress, QString &warning, QStringList &messages)
{
    CCmnIOCompressor device(&file, kCompressionLevel, kBufferSize);
    if (!device.open(QIODevice::ReadOnly))
        return CmnInvalidFileFormatMessage();
    QDataStream in(&device);
    CmnPrepareDataStream(in);

    quint32 marker = 0;
    in >> marker;
    if (in.status() != QDataStream::Ok || marker != document.FirstMarker())
        return CmnInvalidFileFormatMessage();

    const QString error = document.ExchangeStream(in, false);
    if (!error.isEmpty())
        return error;

    const TCmnByteArrayHash table = ReadSettingsTable(in);
    CDocumentSettings read;
    QStringList notTaken;
    if (!read.FromHash(table, &notTaken)) {
        // The blocks read before the damaged one are kept; saying which fell back
        // lets the user check them before saving over the file.
        messages.append(QStringLiteral("These settings of the file could not be read and have their defaults: %1.")
                            .arg(notTaken.join(QStringLiteral(", "))));
    }
    // Checked on whatever fields settings were taken, a damaged later block included.
    const QString limit = DocumentUserFieldLimitMessage(read);
    if (!limit.isEmpty())
        return limit;
    read.RefreshBuiltInFields();

    // Nothing after the closing marker is read.
    in >> marker;
    if (in.status() != QDataStream::Ok || marker != document.ClosingMarker())
        return CorruptedMessage();

    // Links the register dropped while reading (a parent the file does not hold)
    // are told, so that the user can mend them.
    messages.append(document.GetRegister()->GetReadRepairs());
    const QString finished = document.FinishLoad(progress, warning, messages);
    if (finished.isEmpty())
        settings = read;
    return finished;
}
