#include "cmnregtableexport.h"

#include "cmnappdescriptor.h"
#include "cmndialogrunner.h"
#include "cmnexportcsvwizard.h"
#include "cmnexportprogress.h"
#include "cmnexporttablecontroller_csv.h"
#include "cmnexporttablecontroller_html.h"
#include "cmnexporttablecontroller_textdocument.h"
#include "cmnexporttablecontroller_xlsxml.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmnfileprompts.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"
#include "cmnpagefiles.h"
#include "cmnprintdialog.h"
#include "cmnprinter.h"
#include "cmnprintpreviewdialogex.h"
#include "cmnprogressdialog.h"
#include "cmnreg.h"
#include "cmnregexportcolsdialog.h"
#include "cmnregexportcolspage.h"
#include "cmnregexportcolumns.h"
#include "cmntabledocumentprinter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace {

const QString kExportKey = QStringLiteral("exportdatacolumns");
const QString kPrintKey = QStringLiteral("printdatacolumns");
constexpr int kLargeDataSet = 1000;
constexpr qint32 kOfferToViewMessageId = 100;
// The table's pages are laid out at screen resolution. The layout's positions
// are fixed-point numbers that overflow past about 2,400 pages at the printer's
// high resolution, which silently left out the first records of a large
// register; at screen resolution they reach more than ten times as far, and
// the pages look the same.
constexpr QPrinter::PrinterMode kTablePrinterMode = QPrinter::ScreenResolution;

// The progress dialog over the export's window.
class CProgress : public CCmnExportProgress
{
public:
    explicit CProgress(QWidget *parent)
        : m_Dialog(parent)
    {
    }

    void Begin(const QString &text, int maximum) override
    {
        m_Dialog.Setup(text);
        m_Dialog.setLabelText(text);
        m_Dialog.SetMaximum(maximum);
    }

    bool Step(int row) override
    {
        m_Dialog.SetProgress(row);
        return m_Dialog.WasCanceled();
    }

    void End() override { m_Dialog.close(); }

private:
    CCmnProgressDialog m_Dialog;
};

void ShowError(QWidget *parent, const QString &title, const QString &error)
{
    ShowRememberedMessage(QMessageBox::Warning, parent, title, CmnHtmlEscapedParagraph(error));
}

// The controller's error, when it has one, told the user; true when there was none.
bool ReportControllerError(const CCmnExportTableController &controller)
{
    if (controller.ErrorText().isEmpty())
        return true;
    ShowError(controller.Parent(), CmnGetAppDescriptor().m_ProductDisplayName, controller.ErrorText());
    return false;
}

// Writes the table through a file controller (when it opened its file) and puts
// the file in place; true when it was written, else the error was told.
bool WriteTable(const CCmnReg &reg, const CCmnRegExportColumns &columns,
                CCmnExportTableController_TextFile &controller, bool opened)
{
    if (opened) {
        CProgress progress(controller.Parent());
        reg.WriteDataRows(controller, columns, &progress);
    }
    controller.Close();
    return ReportControllerError(controller);
}

// The table as a document; false when it could not be made, and that was told.
bool MakeDocument(const CCmnReg &reg, const CCmnRegExportColumns &columns,
                  CCmnExportTableController_TextDocument &controller)
{
    CProgress progress(controller.Parent());
    reg.WriteDataRows(controller, columns, &progress);
    return ReportControllerError(controller);
}

TCmnPagePainter DocumentPainter(const QTextDocument *document)
{
    return [document](QPagedPaintDevice &device) { return CCmnTableDocumentPrinter(*document).Print(device); };
}

bool IsCommaSeparatedName(const QString &path)
{
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(QStringLiteral("*.csv")),
                                     QRegularExpression::CaseInsensitiveOption);
    return pattern.match(QFileInfo(path).fileName()).hasMatch();
}

bool ExportText(const CCmnReg &reg, const QString &path, CCmnRegExportColumns &columns, QWidget *parent)
{
    CCmnExportCSVWizard wizard(path, 0, 0x14, parent);
    wizard.setWindowTitle(QStringLiteral("Export") + QStringLiteral("- Text/CSV"));
    CCmnCsvFormat format;
    const bool comma = IsCommaSeparatedName(path);
    format.SetCommaSeparated(comma);
    // Spreadsheets read a quote inside a field only when it is doubled.
    if (comma)
        format.SetEscapeFlag(false);
    wizard.CsvFormat().SetDeduced(format);
    wizard.AddOwnPage(new CCmnRegExportColsPage(reg, &columns));
    if (wizard.ShowWizard() && wizard.ExecWithFileSettings() != QDialog::Accepted)
        return false;
    columns.Save(kExportKey);

    CCmnExportTableController_CSV controller(QStringLiteral("Export"), parent);
    return WriteTable(reg, columns, controller, controller.Open(path, wizard.TextEncoding(), wizard.CsvFormat()));
}

// PDF and PostScript; a PostScript file is never offered to view.
bool ExportPages(const CCmnReg &reg, const QString &path, bool postScript, const CCmnRegExportColumns &columns,
                 QWidget *parent)
{
    CCmnExportTableController_TextDocument controller(QStringLiteral("Export"), parent);
    if (!MakeDocument(reg, columns, controller))
        return false;
    CCmnPrinter printer(kTablePrinterMode);
    CmnSetPrinterCreator(printer);
    const QTextDocument *document = controller.Document();
    const TCmnPagePainter paint = DocumentPainter(controller.Document());
    const QString title = document->metaInformation(QTextDocument::DocumentTitle);
    const QString error = postScript
        ? CmnWritePostScriptFile(path, printer.pageLayout(), printer.resolution(), title, paint)
        : CmnWritePdfFile(path, printer.pageLayout(), printer.resolution(), title, paint);
    if (!error.isEmpty()) {
        ShowError(parent, CmnGetAppDescriptor().m_ProductDisplayName, error);
        return false;
    }
    return !postScript;
}

bool ExportOpenDocument(const CCmnReg &reg, const QString &path, const CCmnRegExportColumns &columns,
                        QWidget *parent)
{
    CCmnExportTableController_TextDocument controller(QStringLiteral("Export"), parent);
    if (!MakeDocument(reg, columns, controller))
        return false;
    const QString odtPath = CmnFileNameWithoutExtension(path) + QStringLiteral(".odt");
    // The writer closes its device when done, which a save file must not be:
    // the archive is made in memory and then written whole.
    QBuffer archive;
    archive.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&archive, QFileInfo(odtPath).suffix().toLatin1());
    bool written = writer.write(controller.Document());
    QSaveFile file(odtPath);
    written = written && file.open(QIODevice::WriteOnly);
    written = written && file.write(archive.data()) == archive.data().size();
    if (written)
        written = file.commit();
    else
        file.cancelWriting();
    if (!written)
        ShowError(parent, CmnGetAppDescriptor().m_ProductDisplayName,
                  QStringLiteral("Failed to write ODF file '%1'").arg(odtPath));
    return written;
}

} // namespace

bool CCmnRegTableExport::ExportData(const CCmnReg &reg, const QString &, int flags, QWidget *parent)
{
    QString filter = QStringLiteral("Text files (*.txt);;CSV files (*.csv)");
    if (flags & ExcelXml)
        filter += QStringLiteral(";;XML files [for Excel] (*.xml)");
    if (flags & Html)
        filter += QStringLiteral(";;HTML files (*.htm *.html)");
    if (flags & PdfAndPostScript)
        filter += QStringLiteral(";;PDF files (*.pdf)");
    if (flags & OpenDocument)
        filter += QStringLiteral(";;Open Document Format files (*.odt)");
    if (flags & PdfAndPostScript)
        filter += QStringLiteral(";;PostScript files (*.ps)");

    // The chooser adds ".txt" to a bare name before it asks about replacing a file.
    const QString path =
        CmnGetSaveFileNameWithSuffix(parent, QStringLiteral("Export"), QString(), filter, QStringLiteral("txt"));
    if (path.isEmpty())
        return false;
    const QString extension = CmnFileExtension(path);
    if (!CmnCheckFileExtension(extension, filter, parent))
        return false;
    const QString road = extension.toLower();

    CCmnRegExportColumns columns;
    columns.Load(kExportKey, reg);
    bool written = false;
    if (road == QLatin1String("txt") || road == QLatin1String("csv")) {
        written = ExportText(reg, path, columns, parent);
    } else {
        CCmnRegExportColsDialog dialog(reg, QStringLiteral("CCmnRegExportColsDialog.html"), &columns, parent);
        dialog.setWindowTitle(QStringLiteral("Export"));
        if (dialog.Exec() != QDialog::Accepted)
            return false;
        columns.Save(kExportKey);
        if (road == QLatin1String("htm") || road == QLatin1String("html")) {
            CCmnAutomaticOrCustomTextEncoding encoding;
            encoding.FixCustom(CCmnTextEncoding(QStringLiteral("UTF-8"), QStringLiteral("LOCALE"), 1));
            CCmnExportTableController_HTML controller(QStringLiteral("Export"), parent);
            written = WriteTable(reg, columns, controller, controller.Open(path, encoding));
        } else if (road == QLatin1String("pdf") || road == QLatin1String("ps")) {
            written = ExportPages(reg, path, road == QLatin1String("ps"), columns, parent);
        } else if (road == QLatin1String("odt")) {
            written = ExportOpenDocument(reg, path, columns, parent);
        } else if (road == QLatin1String("xml")) {
            CCmnExportTableController_XLSXML controller(QStringLiteral("Export"), parent);
            written = WriteTable(reg, columns, controller, controller.Open(path));
        } else {
            ShowError(parent, QStringLiteral("Export"),
                      QStringLiteral("Unknown export file extension '%1'").arg(extension));
            return false;
        }
    }
    if (written)
        CmnOfferToViewCreatedFile(parent, path, kOfferToViewMessageId);
    return written;
}

void CCmnRegTableExport::PrintData(const CCmnReg &reg, const QString &documentTitle, QWidget *parent, bool preview)
{
    const QString product = CmnGetAppDescriptor().m_ProductDisplayName;
    if (reg.GetRecordCount() > kLargeDataSet) {
        const QString question = preview
            ? QStringLiteral("<p>Your data set is large, and to produce a print preview may take a (very) long "
                             "time.</p><p>Do you wish to continue</p>")
            : QStringLiteral("<p>Your data set is large, and to produce a printout may take a (very) long time and "
                             "consume a lot of paper.</p><p>Do you wish to continue</p>");
        if (AskYesNo(QMessageBox::Question, true, parent, product, question) != QMessageBox::Yes)
            return;
    }
    const QString title = preview ? QStringLiteral("Print Preview Data") : QStringLiteral("Print Data");
    CCmnRegExportColumns columns;
    columns.Load(kPrintKey, reg);
    {
        CCmnRegExportColsDialog dialog(reg, QStringLiteral("CCmnRegPrintColsDialog.html"), &columns, parent);
        dialog.setWindowTitle(title + QStringLiteral(" - Select Columns"));
        if (dialog.Exec() != QDialog::Accepted)
            return;
    }
    columns.Save(kPrintKey);

    const QString docTitle = documentTitle.isEmpty() ? QStringLiteral("Data") : documentTitle;
    CCmnExportTableController_TextDocument controller(title, parent);
    if (!MakeDocument(reg, columns, controller))
        return;

    CCmnPrinter printer(kTablePrinterMode);
    CmnSetPrinterCreator(printer);
    if (preview) {
        CCmnPrintPreviewDialogEx dialog(15, &printer, parent);
        dialog.setWindowTitle(title);
        dialog.SetDocumentTitle(docTitle);
        dialog.SetTextDocument(controller.Document());
        CmnExecDialog(dialog);
        return;
    }
    CCmnPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(title);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
                      | QAbstractPrintDialog::PrintCollateCopies);
    if (CmnExecDialog(dialog) != QDialog::Accepted)
        return;
    printer.setDocName(docTitle);
    const QString file = printer.outputFileName();
    if (file.isEmpty() && printer.outputFormat() == QPrinter::NativeFormat) {
        CCmnTableDocumentPrinter(*controller.Document()).Print(printer);
        return;
    }
    if (file.isEmpty()) {
        ShowError(parent, product, QStringLiteral("No printer is installed."));
        return;
    }
    // A copy printed to a file is written whole before it replaces an older one.
    const TCmnPagePainter paint = DocumentPainter(controller.Document());
    const QString error = QFileInfo(file).suffix().compare(QLatin1String("ps"), Qt::CaseInsensitive) == 0
        ? CmnWritePostScriptFile(file, printer.pageLayout(), printer.resolution(), docTitle, paint)
        : CmnWritePdfFile(file, printer.pageLayout(), printer.resolution(), docTitle, paint);
    if (!error.isEmpty())
        ShowError(parent, product, error);
}
