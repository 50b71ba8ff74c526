#pragma once

#include <QList>
#include <QPageSize>
#include <QStringList>

#include <memory>

// What the page views need to know of the installed printers. The page views
// ask the process's provider, which reads the system's printers; tests put a
// provider of their own in its place, since a test machine has no printers.
class CCmnPrinterProvider
{
public:
    virtual ~CCmnPrinterProvider() = default;

    // The installed printers' names, in the system's order.
    virtual QStringList PrinterNames() const;
    // The index in PrinterNames of the first printer marked as the system's
    // default; -1 when none is.
    virtual int DefaultPrinterIndex() const;
    // The sizes the named printer offers, in its own order; an empty name
    // means the system's default printer.
    virtual QList<QPageSize> SupportedPageSizes(const QString &printerName) const;
    // The paper the named printer uses unless told otherwise.
    virtual QPageSize DefaultPageSize(const QString &printerName) const;
};

// The provider in use; the system's printers unless replaced.
const CCmnPrinterProvider &CmnPrinterProvider();
// Replaces the provider and returns the one it replaces; null restores the
// system's printers.
std::shared_ptr<CCmnPrinterProvider> CmnSetPrinterProvider(std::shared_ptr<CCmnPrinterProvider> provider);

// The stored paper codes to offer for the sizes a printer supports, in its
// order. Sizes without a code of their own count as Custom, and a run of
// them is offered once.
QList<qint32> CmnPaperSizeChoices(const QList<QPageSize> &supported);
