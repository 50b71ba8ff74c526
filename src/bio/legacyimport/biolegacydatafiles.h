#pragma once

#include <QString>

// The data files of the older programs, known by their extensions (any letter case).
bool BioIsHvDataFileExtension(const QString &extension);
bool BioIsDmDataFileExtension(const QString &extension);
bool BioIsLegacyDataFileExtension(const QString &extension);

// File-dialog filters for the import commands.
QString BioHvDataFilesFilter();
QString BioDmDataFilesFilter();
