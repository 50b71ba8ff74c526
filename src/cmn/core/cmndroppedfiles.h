#pragma once

#include <QString>
#include <QStringList>

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QEvent;
class QMimeData;

// Accepting a document file dragged onto a window. Only copy drags count; a drag
// that fails a test is left exactly as it came, neither accepted nor changed.

// True when the data is a URI list of exactly one local file whose extension is
// one of the given ones, in any letter case; that file's path goes to path.
bool CmnDroppedFileWithExtension(const QMimeData *mimeData, const QStringList &extensions,
                                 QString *path = nullptr);
// Accepts a copy drag of one document file (the descriptor's document extensions).
void CmnDragEnterAcceptDocument(QDragEnterEvent *event);
// Accepts any copy drag, without looking at what it carries.
void CmnDragMoveAcceptCopy(QDragMoveEvent *event);
// Accepts a copy drop of one document file and returns its path; empty otherwise.
QString CmnDroppedDocumentPath(QDropEvent *event);
void CmnAcceptEvent(QEvent *event);
