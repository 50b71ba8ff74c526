#pragma once

class QPagedPaintDevice;
class QTextDocument;

// Prints a text document page for page as the toolkit's own printing does:
// the same margins, page breaks and page numbers. A document that holds one
// table is laid out a slice of rows at a time instead of whole: the toolkit
// draws a table's border for every page the table spans on every page, so
// printing a whole table costs the square of its pages, and its fixed-point
// positions overflow past some thousands of pages. Each slice is printed but
// for its last page, whose rows begin the next slice, so the pages break
// where the whole table's would. The table's cells must not span rows, as a
// record table's never do: a slice may begin inside such a cell.
class CCmnTableDocumentPrinter
{
public:
    explicit CCmnTableDocumentPrinter(const QTextDocument &document);

    // Rows laid out at once; a slice grows when it fills less than two pages.
    void SetSliceRows(int rows) { m_SliceRows = rows; }

    // Paints the pages (or the device's page range of them) on the device;
    // false when painting could not start.
    bool Print(QPagedPaintDevice &device);

private:
    const QTextDocument &m_Document;
    int m_SliceRows = 400;
};
