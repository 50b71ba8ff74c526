#include "cmndocumentfilewriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString DocumentFileNativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

bool DocumentFileSync(int handle)
{
    while (fsync(handle) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

// Makes the renames themselves survive a power cut; a folder that cannot be
// opened or synced (some network shares) is no reason to call the save failed.
void DocumentFolderSync(const QString &path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int handle = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    DocumentFileSync(handle);
    ::close(handle);
}

} // namespace

CCmnDocumentFileWriter::CCmnDocumentFileWriter(const CCmnMappedPath &path)
    : m_Path(path)
    , m_Temporary(path)
    , m_Backup(BackupPath(path.m_MappedPath))
    , m_Steps(SystemFileSteps())
{
    m_Temporary.m_Path = TemporaryPath(path.m_Path);
    m_Temporary.m_MappedPath = TemporaryPath(path.m_MappedPath);
    m_Temporary.m_Device.reset();
}

CCmnDocumentFileWriter::TFileSteps CCmnDocumentFileWriter::SystemFileSteps()
{
    TFileSteps steps;
    steps.m_Link = [](const QString &from, const QString &to) {
        return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    };
    steps.m_Rename = [](const QString &from, const QString &to) {
        return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
    };
    steps.m_Remove = [](const QString &path) { return QFile::remove(path); };
    return steps;
}

QString CCmnDocumentFileWriter::TemporaryPath(const QString &path)
{
    return path + QStringLiteral("_1");
}

QString CCmnDocumentFileWriter::BackupPath(const QString &path)
{
    return path + QStringLiteral("_2");
}

QString CCmnDocumentFileWriter::InterruptedSaveNote(const CCmnMappedPath &path)
{
    const QString backup = BackupPath(path.m_MappedPath);
    if (QFileInfo::exists(path.m_MappedPath) || !QFileInfo::exists(backup))
        return QString();
    QString note = QStringLiteral("A save of this file was interrupted. The previous version is kept as '%1'.")
                       .arg(DocumentFileNativePath(backup));
    const QString temporary = TemporaryPath(path.m_MappedPath);
    if (QFileInfo::exists(temporary))
        note += QStringLiteral(" The version being saved is kept as '%1'.").arg(DocumentFileNativePath(temporary));
    return note + QStringLiteral(" Rename one of them to '%1' to open it.").arg(QFileInfo(path.m_MappedPath).fileName());
}

QString CCmnDocumentFileWriter::Write(const TStreamWriter &writeStream)
{
    m_Warning.clear();
    m_TemporaryOpened = false;
    const bool existed = QFileInfo::exists(m_Path.m_MappedPath);
    QString error = WriteTemporary(writeStream);
    if (error.isEmpty())
        error = PutInPlace(existed);
    return error;
}

QString CCmnDocumentFileWriter::WriteTemporary(const TStreamWriter &writeStream)
{
    const QString temporary = m_Temporary.m_MappedPath;
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return m_Temporary.MessageText(QStringLiteral("Cannot open file for writing"), file.errorString());
    m_TemporaryOpened = true;
    QString error = writeStream(file);
    if (!error.isEmpty())
        error = m_Temporary.MessageText(error);
    // close() cannot report a failure, so the data is pushed to the disk and
    // checked while the file is still open.
    if (error.isEmpty() && (!file.flush() || !DocumentFileSync(file.handle())))
        error = QStringLiteral("Error writing %1").arg(DocumentFileNativePath(temporary));
    file.close();
    if (error.isEmpty() && file.error() != QFileDevice::NoError)
        error = QStringLiteral("Error writing file '%1', %2").arg(DocumentFileNativePath(temporary), file.errorString());
    if (!error.isEmpty())
        m_Steps.m_Remove(temporary);
    return error;
}

QString CCmnDocumentFileWriter::PutInPlace(bool existed)
{
    const QString target = m_Path.m_MappedPath;
    const QString temporary = m_Temporary.m_MappedPath;
    // With a link the document keeps its name throughout, and the rename below
    // replaces it in one step; where links are not supported the old file moves
    // aside and has to be moved back should the rename fail.
    bool movedAside = false;
    if (existed) {
        // A backup left by an earlier crash is stale: the file under the name is
        // complete, or the earlier save would not have gone on to the renames.
        if (QFileInfo::exists(m_Backup) && !m_Steps.m_Remove(m_Backup)) {
            m_Steps.m_Remove(temporary);
            return QStringLiteral("Failed to delete file '%1'").arg(DocumentFileNativePath(m_Backup));
        }
        if (!m_Steps.m_Link(target, m_Backup)) {
            if (!m_Steps.m_Rename(target, m_Backup)) {
                m_Steps.m_Remove(temporary);
                return RenameMessage(target, m_Backup);
            }
            movedAside = true;
        }
    }
    if (!m_Steps.m_Rename(temporary, target)) {
        QString error = RenameMessage(temporary, target);
        if (movedAside && !m_Steps.m_Rename(m_Backup, target)) {
            return error
                + QStringLiteral(" The new file is kept as '%1' and the previous one as '%2'.")
                      .arg(DocumentFileNativePath(temporary), DocumentFileNativePath(m_Backup));
        }
        if (existed && !movedAside)
            m_Steps.m_Remove(m_Backup);
        return error + QStringLiteral(" The new file is kept as '%1'.").arg(DocumentFileNativePath(temporary));
    }
    DocumentFolderSync(target);
    if (existed && !m_Steps.m_Remove(m_Backup))
        m_Warning = QStringLiteral("Failed to delete file '%1'").arg(DocumentFileNativePath(m_Backup));
    return QString();
}

QString CCmnDocumentFileWriter::RenameMessage(const QString &from, const QString &to) const
{
    return QStringLiteral("Failed to rename file '%1' as '%2'").arg(DocumentFileNativePath(from), DocumentFileNativePath(to));
}
