#pragma once

#include <QtGlobal>

class QDataStream;
#include <QStringList>

// Guards for the register's readers, which never trust a count read from a file.

// True when `count` items of at least `minItemBytes` each can still follow on the
// stream's device. A device of unknown size (the decompressor) passes: its readers
// grow their lists item by item and stop at the first failed read. Otherwise the
// stream is marked ReadCorruptData.
bool CmnRegCountFits(QDataStream &stream, quint64 count, qint64 minItemBytes);

// A string list in the stream's own form (quint32 count, then each string), the
// count checked first. On failure the list is left empty and the status set.
void CmnRegReadStringList(QDataStream &stream, QStringList &list);
