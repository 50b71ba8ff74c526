#pragma once

#include "cmnprintmargins.h"

#include <QByteArray>
#include <QString>

class QDataStream;

// A document's page set-up: the printer, the paper and the margins. The
// document keeps one, shared with every form interface, and stores it as the
// bytes of ToByteArray.
class CCmnPageSetup
{
public:
    // Equal also in the paper size while the default paper is used.
    bool operator==(const CCmnPageSetup &other) const;
    bool operator!=(const CCmnPageSetup &other) const { return !(*this == other); }

    QByteArray ToByteArray() const;
    // False, with this object unchanged, when the bytes are not a page set-up block.
    [[nodiscard]] bool FromByteArray(const QByteArray &bytes);

    // Tag 11, version 0, then the margins block.
    void Write(QDataStream &out) const;
    // Starts from the defaults. False without marking the stream on another tag
    // or version; false when the margins are refused or the stream fails. What
    // was read up to a failure stays: read into a scratch object.
    [[nodiscard]] bool Read(QDataStream &in);

    // Empty: the system's default printer.
    QString m_PrinterName;
    bool m_UseDefaultPaper = true;
    // The stored paper code (ECmnPaperSize); consulted only without the
    // default paper. A new page set-up holds A4.
    quint32 m_PaperSize = 0;
    CCmnPrintMargins m_Margins;
};
