#pragma once

#include "cmnmappedpath.h"

#include <QString>

#include <functional>

class QIODevice;

// Writes a document file so that its name always holds a complete document, the
// previous one or the new one, whatever fails and whenever the process dies. The
// new document goes to the temporary file beside it (name + "_1"), is flushed and
// synced to disk and checked; only then does the old file step aside under the
// backup name (name + "_2") and the temporary file take the name.
class CCmnDocumentFileWriter
{
public:
    // The file-system steps after the temporary file is written, each true on
    // success. Tests replace them to make one step fail; the defaults are the
    // system's own.
    struct TFileSteps
    {
        // A second name for the file, as a hard link; fails where links are not
        // supported, and the writer then moves the file instead.
        std::function<bool(const QString &from, const QString &to)> m_Link;
        // Replaces the target when it exists, in one step.
        std::function<bool(const QString &from, const QString &to)> m_Rename;
        std::function<bool(const QString &path)> m_Remove;
    };

    // Writes the document's stream into the open temporary file: "" or a message.
    using TStreamWriter = std::function<QString(QIODevice &device)>;

    // The path as the document names it, mapped through the folder mapping.
    explicit CCmnDocumentFileWriter(const CCmnMappedPath &path);

    void SetFileSteps(const TFileSteps &steps) { m_Steps = steps; }
    static TFileSteps SystemFileSteps();

    // Writes the file: "" when the document is under its name. A failure keeps
    // the previous file under the name and leaves no temporary file, except when
    // the last rename fails: the new document then stays in the temporary file
    // and the message names both files.
    [[nodiscard]] QString Write(const TStreamWriter &writeStream);

    // After a successful write: what went wrong in tidying up (a backup that could
    // not be removed); the document itself is saved.
    QString Warning() const { return m_Warning; }
    // Whether the temporary file was opened (and so may have been left behind).
    bool TemporaryOpened() const { return m_TemporaryOpened; }

    // The temporary and backup names of a path.
    static QString TemporaryPath(const QString &path);
    static QString BackupPath(const QString &path);

    // Where links are not supported, a save cut off between its two renames leaves
    // no file under the name: the previous document is under the backup name and
    // the new one, complete, under the temporary name. For the message that the
    // file cannot be opened: which of them are there, or "" when the name holds a
    // file or no backup is left.
    static QString InterruptedSaveNote(const CCmnMappedPath &path);

private:
    QString WriteTemporary(const TStreamWriter &writeStream);
    QString PutInPlace(bool existed);
    QString RenameMessage(const QString &from, const QString &to) const;

    CCmnMappedPath m_Path;
    CCmnMappedPath m_Temporary;
    QString m_Backup;
    TFileSteps m_Steps;
    QString m_Warning;
    bool m_TemporaryOpened = false;
};
