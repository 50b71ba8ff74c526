#include "cmnprinterprovider.h"

#include "cmnpapersizes.h"

#include <QPrinterInfo>

namespace {

std::shared_ptr<CCmnPrinterProvider> &Provider()
{
    static std::shared_ptr<CCmnPrinterProvider> provider = std::make_shared<CCmnPrinterProvider>();
    return provider;
}

QPrinterInfo Printer(const QString &printerName)
{
    return printerName.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName);
}

} // namespace

QStringList CCmnPrinterProvider::PrinterNames() const
{
    QStringList names;
    for (const QPrinterInfo &printer : QPrinterInfo::availablePrinters())
        names << printer.printerName();
    return names;
}

int CCmnPrinterProvider::DefaultPrinterIndex() const
{
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    for (int i = 0; i < printers.size(); ++i) {
        if (printers.at(i).isDefault())
            return i;
    }
    return -1;
}

QList<QPageSize> CCmnPrinterProvider::SupportedPageSizes(const QString &printerName) const
{
    return Printer(printerName).supportedPageSizes();
}

QPageSize CCmnPrinterProvider::DefaultPageSize(const QString &printerName) const
{
    return Printer(printerName).defaultPageSize();
}

const CCmnPrinterProvider &CmnPrinterProvider()
{
    return *Provider();
}

std::shared_ptr<CCmnPrinterProvider> CmnSetPrinterProvider(std::shared_ptr<CCmnPrinterProvider> provider)
{
    if (!provider)
        provider = std::make_shared<CCmnPrinterProvider>();
    std::swap(Provider(), provider);
    return provider;
}

QList<qint32> CmnPaperSizeChoices(const QList<QPageSize> &supported)
{
    QList<qint32> choices;
    for (const QPageSize &size : supported) {
        const qint32 code = CmnPaperSizeFromPageSizeId(size.id());
        if (code >= CmnPaperSizeCustom && !choices.isEmpty() && choices.last() >= CmnPaperSizeCustom)
            continue;
        choices << code;
    }
    return choices;
}
