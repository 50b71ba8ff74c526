#include "cmnpapersizes.h"

#include <iterator>

namespace {

struct SPaperSize
{
    QPageSize::PageSizeId m_Id;
    const char *m_Name;
    const char *m_Dimensions; // nullptr when the size has none
};

// Indexed by the stored code (ECmnPaperSize).
constexpr SPaperSize kPaperSizes[] = {
    {QPageSize::A4, "A4", "210 x 297mm"},
    {QPageSize::B5, "B5", "176 x 250mm"},
    {QPageSize::Letter, "Letter", "8.5 x 11in"},
    {QPageSize::Legal, "Legal", "8.5 x 14in"},
    {QPageSize::Executive, "Executive", "7.5 x 10in"},
    {QPageSize::A0, "A0", "841 x 1189mm"},
    {QPageSize::A1, "A1", "594 x 841mm"},
    {QPageSize::A2, "A2", "420 x 594mm"},
    {QPageSize::A3, "A3", "297 x 420mm"},
    {QPageSize::A5, "A5", "148 x 210mm"},
    {QPageSize::A6, "A6", "105 x 148mm"},
    {QPageSize::A7, "A7", "74 x 105mm"},
    {QPageSize::A8, "A8", "52 x 74mm"},
    {QPageSize::A9, "A9", "37 x 52mm"},
    {QPageSize::B0, "B0", "1000 x 1414mm"},
    {QPageSize::B1, "B1", "707 x 1000mm"},
    {QPageSize::B10, "B10", "31 x 44mm"},
    {QPageSize::B2, "B2", "500 x 707mm"},
    {QPageSize::B3, "B3", "353 x 500mm"},
    {QPageSize::B4, "B4", "250 x 353mm"},
    {QPageSize::B6, "B6", "125 x 176mm"},
    {QPageSize::B7, "B7", "88 x 125mm"},
    {QPageSize::B8, "B8", "62 x 88mm"},
    {QPageSize::B9, "B9", "33 x 62mm"}, // the long-standing label; the sheet is 44 mm wide
    {QPageSize::C5E, "C5E", "163 x 229mm"},
    {QPageSize::Comm10E, "U.S. Common 10 Envelope", "105 x 241mm"},
    {QPageSize::DLE, "DLE", "110 x 220mm"},
    {QPageSize::Folio, "Folio", "210 x 330mm"},
    {QPageSize::Ledger, "Ledger", "431.8 x 279.4mm"},
    {QPageSize::Tabloid, "Tabloid", "279.4 x 431.8mm"},
    {QPageSize::Custom, "Custom", nullptr},
};

constexpr qint32 kPaperSizeCount = qint32(std::size(kPaperSizes));
static_assert(kPaperSizeCount == CmnPaperSizeCustom + 1);

const SPaperSize *FindPaperSize(qint32 paperSize)
{
    if (paperSize < 0 || paperSize >= kPaperSizeCount)
        return nullptr;
    return &kPaperSizes[paperSize];
}

} // namespace

QString CmnPaperSizeName(qint32 paperSize, bool withDimensions)
{
    const SPaperSize *size = FindPaperSize(paperSize);
    if (!size)
        return QStringLiteral("Unknown");
    QString name = QString::fromLatin1(size->m_Name);
    if (withDimensions && size->m_Dimensions)
        name += QStringLiteral(" (") + QString::fromLatin1(size->m_Dimensions) + QLatin1Char(')');
    return name;
}

QPageSize::PageSizeId CmnPaperSizeToPageSizeId(qint32 paperSize)
{
    const SPaperSize *size = FindPaperSize(paperSize);
    return size ? size->m_Id : QPageSize::Custom;
}

qint32 CmnPaperSizeFromPageSizeId(QPageSize::PageSizeId id)
{
    for (qint32 code = 0; code < kPaperSizeCount; ++code) {
        if (kPaperSizes[code].m_Id == id)
            return code;
    }
    return CmnPaperSizeCustom;
}
