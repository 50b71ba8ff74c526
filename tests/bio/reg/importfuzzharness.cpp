#include "importfuzzharness.h"

#include "bioimportcols.h"
#include "bioimportcolsdeduction.h"
#include "bioreg.h"
#include "bioregrecord.h"
#include "bioterminology.h"
#include "cmnautomaticorcustomcsvformat.h"
#include "cmnautomaticorcustomtextencoding.h"
#include "cmnimportexportparameters.h"
#include "cmnregfieldcontextmask.h"
#include "cmnregfieldssettings.h"
#include "cmntextfile.h"

#include <QBuffer>

#include <iterator>

namespace {

const QString kDateFormat = QStringLiteral("[[dd/]mm/]yyyy");

// A customised encoding as a user might pick it; index 0 keeps the deduced one.
const char *const kCodecs[] = {nullptr, "Windows-1252", "UTF-8", "UTF-16LE", "UTF-16BE", "UTF-32LE", "ISO-8859-5"};
const char *const kLineEndings[] = {"LOCALE", "LF", "CR", "CRLF"};

// The rows, header and columns the pages make of decoded lines; the column count.
int ParseAndDeduce(const QStringList &lines, const CCmnCsvFormat &format)
{
    const QList<QStringList> rows = format.ParseRows(lines);
    const QStringList headers = format.ParseHeader(lines);
    CBioImportCols cols;
    BioDeduceImportCols(&cols, headers, rows, kDateFormat);
    CBioImportCols read;
    if (!read.FromString(cols.ToString()) || read.m_Cols.size() != qMin<qsizetype>(cols.m_Cols.size(), 255))
        return -1;
    return int(cols.m_Cols.size());
}

} // namespace

int ImportFuzzColumnSet(const QByteArray &input)
{
    CBioImportCols cols;
    if (!cols.FromString(QString::fromUtf8(input)))
        return cols == CBioImportCols() ? 0 : -1;
    const QString first = cols.ToString();
    CBioImportCols again;
    if (!again.FromString(first))
        return -1;
    // Blanks at the ends of items go on the first reading; after that the text is stable.
    const QString second = again.ToString();
    CBioImportCols third;
    if (!third.FromString(second) || third.ToString() != second)
        return -1;
    return int(cols.m_Cols.size());
}

int ImportFuzzParameterFile(const QByteArray &input)
{
    QByteArray bytes = input;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QStringList parameters =
        CmnParameterLines(CmnReadTextDeviceLines(buffer, nullptr, nullptr, kCmnMaxParameterFileBytes));
    CCmnAutomaticOrCustomTextEncoding encoding;
    CCmnAutomaticOrCustomCsvFormat format;
    bool showWizard = true;
    CmnApplyCsvWizardParameters(parameters, &encoding, &format, &showWizard);
    CBioImportCols cols;
    (void)cols.FromString(CmnParameterValue(parameters, QStringLiteral("columns")));

    QString decoded;
    const QStringList lines = CmnDecodeTextLines(input.left(kImportFuzzSampleBytes), encoding.Effective(), &decoded);
    if (ParseAndDeduce(lines, format.Effective()) < 0)
        return -1;
    return int(parameters.size());
}

int ImportFuzzSample(const QByteArray &input)
{
    if (input.isEmpty())
        return 0;
    const quint8 selector = quint8(input.at(0));
    const QByteArray sample = input.mid(1, kImportFuzzSampleBytes);

    CCmnAutomaticOrCustomTextEncoding encoding;
    encoding.SetDeduced(CmnDeduceTextEncoding(sample));
    const char *codec = kCodecs[(selector & 0x0F) % std::size(kCodecs)];
    if (codec)
        encoding.FixCustom(CCmnTextEncoding(QString::fromLatin1(codec),
                                            QString::fromLatin1(kLineEndings[selector >> 6]), selector & 0x10));
    QString decoded;
    const QStringList lines = CmnDecodeTextLines(sample, encoding.Effective(), &decoded);

    CCmnAutomaticOrCustomCsvFormat format;
    format.SetDeduced(CCmnCsvFormat().Deduce(lines, QChar(u'#')));
    return ParseAndDeduce(lines, format.Effective());
}

int ImportFuzzDelimitedText(const QByteArray &input)
{
    if (input.isEmpty())
        return 0;
    if (!GetBioTerminology())
        BioCreateTerminology();
    const quint8 selector = quint8(input.at(0));
    QByteArray bytes = input.mid(1);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);

    const char *codec = kCodecs[(selector & 0x0F) % std::size(kCodecs)];
    const CCmnTextEncoding encoding(QString::fromLatin1(codec ? codec : "UTF-8"),
                                    QString::fromLatin1(kLineEndings[selector >> 6]), 1);
    CCmnCsvFormat format;
    format.SetCommaSeparated(true);
    format.SetEscapeFlag(false);
    format.SetHeaderFlag(selector & 0x20);
    CBioImportCols cols;
    cols.SetDefaults();
    const QString type = (selector & 0x10) ? QStringLiteral("3") : QStringLiteral("1");
    (void)cols.FromString(QStringLiteral("0;1:1,%1,;2:2,%1,;3:3,%1,;4:6,1,;5:4,1,;6:5,2,;7:7,1,;8:12,3,Litter;"
                                         "9:12,1,Owner;addidfield:1;addlinenumberfield:1;nullid:-1;male:M,;female:F")
                              .arg(type));

    CBioReg reg{CCmnRegFieldsSettings()};
    QString warning;
    QStringList messages;
    if (!reg.ImportDelimitedText(nullptr, warning, messages, CCmnRegFieldContextMask(), encoding, format, cols,
                                 &buffer, 200, QString())
             .isEmpty())
        return 0;
    const QVector<int> ids = reg.GetRecordIds();
    for (const int id : ids) {
        const CBioRegRecord *animal = reg.GetBioRecord(id);
        if ((animal->m_Sire && !reg.GetBioRecord(animal->m_Sire)) || (animal->m_Dam && !reg.GetBioRecord(animal->m_Dam)))
            return -1;
    }
    return int(ids.size());
}
