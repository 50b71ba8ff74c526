#pragma once

#include "bionamedisplaysettings.h"

#include <QByteArray>

// The general settings of a document: whether photos picked for records are
// stored inside the file, and how animal names are shown.
class CDocumentGeneralSettings
{
public:
    // Photos linked by path; red titles, suffixes included.
    void Reset();
    bool operator==(const CDocumentGeneralSettings &other) const;
    bool operator!=(const CDocumentGeneralSettings &other) const { return !(*this == other); }

    // Tag 129, version 0, the embed flag as a 32-bit word, the name display block.
    QByteArray ToByteArray() const;
    // Leaves the settings as they were unless the whole block reads. Only bit 0
    // of the stored word is the embed flag.
    [[nodiscard]] bool FromByteArray(const QByteArray &bytes);

    bool m_EmbedPhotos = false;
    CBioNameDisplaySettings m_NameDisplay;
};
