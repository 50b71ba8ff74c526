#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The entries of a zip archive (an Open Document file) as the archive's central
// directory lists them, and the bytes of one, stored or deflated. Enough to look
// into files the program writes; not a reader for files from elsewhere.
QStringList OrvZipEntryNames(const QByteArray &archive);
// Empty when the entry is missing or cannot be unpacked.
QByteArray OrvZipEntry(const QByteArray &archive, const QString &name);
