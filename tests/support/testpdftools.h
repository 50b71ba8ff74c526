#pragma once

#include <QImage>
#include <QString>

// What poppler's command-line tools (installed with the build's packages) make
// of a PDF or PostScript file written by a test. Tests skip when they are missing.

bool OrvPdfToolsInstalled();

// The output of pdfinfo for the file; empty when it fails.
QString OrvPdfInfo(const QString &path);
// One field of pdfinfo's output ("Pages", "Page size", "Creator"); empty when absent.
QString OrvPdfInfoField(const QString &path, const QString &field);

// The PDF's text as pdftotext lays it out, line by line; empty when it fails.
QString OrvPdfText(const QString &path);

// The first page of the PDF rendered by pdftoppm at the dots per inch, also
// kept as pngPath when one is given (for looking at it); null when it fails.
QImage OrvRenderPdfPage(const QString &path, int dotsPerInch, const QString &pngPath = QString());
