#pragma once

#include <QSharedPointer>
#include <QString>

class QIODevice;

// A file being opened or saved: the path as the user or the document gave it and
// where it really is after the folder mapping. Callers open the device on the
// mapped path and name the file in messages through MessageText.
class CCmnMappedPath
{
public:
    // Passes the path through the process-wide folder mapping when it exists.
    explicit CCmnMappedPath(const QString &path);

    // "message (path [mapped to mapped path]), detail"; the path part only when
    // the mapped path is not empty, the bracket only when it differs.
    QString MessageText(const QString &message, const QString &detail = QString()) const;

    QString m_Path;
    QString m_MappedPath;
    QSharedPointer<QIODevice> m_Device; // empty until the caller opens the file
};
