#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

// The questions and warnings around files the user names or the program writes.
// Both speak through the message and question functions, so tests answer them.

// Whether the extension (the text after the last dot of the chosen name, without
// the dot) suits the file-dialog filter; when not, warns the user why and which
// extensions would do, and returns false. A filter that names no extension
// accepts anything.
bool CmnCheckFileExtension(const QString &extension, const QString &filter, QWidget *parent);

// Asks for the name of a file to save. The chooser is given the suffix (without
// the dot), so that it adds it to a name typed without one before it asks whether
// to replace that file. A name that still comes back without an extension gets "."
// and the suffix here, and then, when such a file exists, the question the chooser
// could not ask. Empty when the user cancels either.
QString CmnChooseSaveFileName(QWidget *parent, const QString &caption, const QString &filter,
                              const QString &suffix);

// Writes the lines, one a line, to the text file the user chose, replacing it; a
// failure is told under the title, naming the file. True on success.
bool CmnWriteChosenTextFile(QWidget *parent, const QString &title, const QString &path,
                            const QStringList &lines);

// After a file has been written, asks whether to open it with the desktop's handler.
// Nothing is asked when the path is empty or names no file. With a message id
// above 0 the user may have the answer remembered under that id.
void CmnOfferToViewCreatedFile(QWidget *parent, const QString &path, qint32 messageId,
                               const QPoint &position = QPoint(-1, -1));
