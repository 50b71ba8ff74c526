#include "cmndroppedfiles.h"

#include "cmnappdescriptor.h"
#include "cmnfilenames.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

bool OffersCopy(const QDropEvent *event)
{
    return event->possibleActions().testFlag(Qt::CopyAction);
}

bool IsDocumentDrop(const QDropEvent *event, QString *path)
{
    return OffersCopy(event)
        && CmnDroppedFileWithExtension(event->mimeData(), CmnGetAppDescriptor().m_DocumentExtensions, path);
}

void AcceptCopy(QDropEvent *event)
{
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

} // namespace

bool CmnDroppedFileWithExtension(const QMimeData *mimeData, const QStringList &extensions, QString *path)
{
    if (!mimeData || !mimeData->hasFormat(QStringLiteral("text/uri-list")) || !mimeData->hasUrls())
        return false;
    const QList<QUrl> urls = mimeData->urls();
    if (urls.size() != 1)
        return false;
    const QUrl &url = urls.first();
    if (url.scheme().toLower() != QLatin1String("file"))
        return false;
    const QString localPath = url.toLocalFile();
    if (!extensions.contains(CmnFileExtension(localPath), Qt::CaseInsensitive))
        return false;
    if (path)
        *path = localPath;
    return true;
}

void CmnDragEnterAcceptDocument(QDragEnterEvent *event)
{
    if (IsDocumentDrop(event, nullptr))
        AcceptCopy(event);
}

void CmnDragMoveAcceptCopy(QDragMoveEvent *event)
{
    if (OffersCopy(event))
        AcceptCopy(event);
}

QString CmnDroppedDocumentPath(QDropEvent *event)
{
    QString path;
    if (!IsDocumentDrop(event, &path))
        return QString();
    AcceptCopy(event);
    return path;
}

void CmnAcceptEvent(QEvent *event)
{
    event->accept();
}
