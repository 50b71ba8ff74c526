#pragma once

#include <QPoint>
#include <QString>

class QWidget;

// The questions and warnings around files the user names or the program writes.
// Both speak through the message and question functions, so tests answer them.

// Whether the extension (the text after the last dot of the chosen name, without
// the dot) suits the file-dialog filter; when not, warns the user why and which
// extensions would do, and returns false. A filter that names no extension
// accepts anything.
bool CmnCheckFileExtension(const QString &extension, const QString &filter, QWidget *parent);

// After a file has been written, asks whether to open it with the desktop's handler.
// Nothing is asked when the path is empty or names no file. With a message id
// above 0 the user may have the answer remembered under that id.
void CmnOfferToViewCreatedFile(QWidget *parent, const QString &path, qint32 messageId,
                               const QPoint &position = QPoint(-1, -1));
