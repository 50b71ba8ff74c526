#include "cmnregfielddef.h"

#include "cmndatastream.h"
#include "cmndatebox.h"
#include "cmnframework.h"
#include "cmnhtmlescape.h"
#include "cmnnumbertext.h"
#include "cmnregexportcelltexts.h"
#include "cmnregrecord.h"
#include "cmnregstreamhelpers.h"
#include "cmnregvaluekind.h"
#include "cmnstringlist.h"
#include "cmntext.h"

#include <QDataStream>
#include <QRegularExpression>

#include <algorithm>

namespace {

constexpr quint8 kFieldDefTag = 39;
constexpr quint8 kFieldDefVersion = 2;
constexpr quint32 kPercentLimitsSet = CmnRegFieldPercentMinSet | CmnRegFieldPercentMaxSet;
// A one-line Multiline text longer than this is cut for the key-field panel.
constexpr qsizetype kOneLineLimit = 50;

struct STypeInfo
{
    const char *m_Name;
    int m_ValueKind;
    int m_ColumnKind;
};

constexpr STypeInfo kTypes[] = {
    {"Text", CmnRegValueText, 0},
    {"Boolean", CmnRegValueBoolean, 1},
    {"Choice", CmnRegValueText, 0},
    {"Integer", CmnRegValueInteger, 4},
    {"Number", CmnRegValueNumber, 7},
    {"Percentage", CmnRegValueFraction, 7},
    {"Date", CmnRegValueDate, 8},
    {"Multiline Text", CmnRegValueText, 0},
};

const STypeInfo *TypeInfo(int type)
{
    if (type < 0 || type >= int(std::size(kTypes)))
        return nullptr;
    return &kTypes[type];
}

QString NonBreakingBlanks(QString html)
{
    return html.replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
}

// Integers are shown whole even when an import stored them as 64-bit values.
QString IntegerText(const QVariant &value)
{
    return QString::number(value.toLongLong());
}

QString WithSuffix(const QString &text, const QString &suffix)
{
    return text.isEmpty() || suffix.isEmpty() ? text : text + QLatin1Char(' ') + suffix;
}

// The display text of a number: its value text, and its suffix when it has one.
void AppendDisplayWithSuffix(CCmnRegExportCellTexts &texts, const QString &suffix)
{
    if (suffix.isEmpty()) {
        texts.DisplayValue();
        return;
    }
    QString &display = texts.NewDisplay();
    display += texts.Value();
    display += QLatin1Char(' ');
    display += suffix;
}

// The export's readings of a stored value. The toolkit's conversions dispatch
// through the meta-type system for every value; the types a register stores
// are read directly, anything else is left to the toolkit.
qint64 IntegerOf(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int: return *static_cast<const int *>(value.constData());
    case QMetaType::LongLong: return *static_cast<const qlonglong *>(value.constData());
    default: return value.toLongLong();
    }
}

double NumberOf(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Double: return *static_cast<const double *>(value.constData());
    case QMetaType::Float: return *static_cast<const float *>(value.constData());
    default: return value.toDouble();
    }
}

bool BoolOf(const QVariant &value)
{
    return value.metaType().id() == QMetaType::Bool ? *static_cast<const bool *>(value.constData()) : value.toBool();
}

QString DateText(const QVariant &value, const QString &format)
{
    return value.value<CCmnDate>().Format(format, CmnDateCalendarGregorian);
}

// The lines of a text cut into paragraphs: empty lines (after trimming) separate
// paragraphs, and runs of them count as one.
QList<QStringList> Paragraphs(const QString &text)
{
    QList<QStringList> paragraphs;
    QStringList current;
    for (const QString &part : text.split(QLatin1Char('\n'))) {
        const QString line = part.trimmed();
        if (!line.isEmpty()) {
            current.append(line);
        } else if (!current.isEmpty()) {
            paragraphs.append(current);
            current.clear();
        }
    }
    if (!current.isEmpty())
        paragraphs.append(current);
    return paragraphs;
}

qint16 ToInt16(int value)
{
    return qint16(qBound(-32768, value, 32767));
}

qint8 ToInt8(int value)
{
    return qint8(qBound(-128, value, 127));
}

// A stored choice the program does not know reads as the first one (Text, no letter
// case, pulldown menu), as the field dialog's combo boxes show it. Text and an
// unknown type keep their values under the same kind, so none is lost.
int KnownOrFirst(int value, int last)
{
    return value >= 0 && value <= last ? value : 0;
}

// Widths and heights are at least one character or line; the program never stores less.
int AtLeastOne(int value)
{
    return std::max(value, 1);
}

int ValidDecimals(int value)
{
    return std::clamp(value, 0, CmnRegFieldMaxDecimals);
}

} // namespace

CCmnRegFieldDef::CCmnRegFieldDef()
{
    Reset();
}

CCmnRegFieldDef::CCmnRegFieldDef(int type, quint32 flags)
    : m_Type(type)
    , m_Flags(flags)
{
    Reset();
}

void CCmnRegFieldDef::Reset()
{
    m_Flags |= kPercentLimitsSet;
    m_TextDefault.clear();
    m_TextLetterCase = 0;
    m_TextWidth = 15;
    m_SharedListName.clear();
    m_TrueText = QStringLiteral("Yes");
    m_FalseText = QStringLiteral("No");
    m_NotGivenText = QStringLiteral("Not Given");
    m_ChoiceDefault.clear();
    m_Choices.clear();
    m_ChoiceStyle = CmnRegChoicePulldown;
    m_IntSuffix.clear();
    m_IntMin = m_IntMax = m_IntDefault = 0;
    m_NumberSuffix.clear();
    m_NumberDecimals = 3;
    m_NumberMin = m_NumberMax = m_NumberDefault = 0.0;
    m_PercentDecimals = 2;
    m_PercentMin = 0.0f;
    m_PercentMax = 1.0f;
    m_PercentDefault = 0.0f;
    m_DateDefault = CCmnDate();
    m_MultilineDefault.clear();
    m_MultilineLetterCase = 0;
    m_MultilineWidth = 30;
    m_MultilineLines = 3;
}

int CCmnRegFieldDef::ValueKind() const
{
    const STypeInfo *info = TypeInfo(m_Type);
    return info ? info->m_ValueKind : CmnRegValueText;
}

void CCmnRegFieldDef::SetSharedLookupListName(const QString &name)
{
    m_SharedListName = name.trimmed();
}

void CCmnRegFieldDef::ApplyDefaultValue(CCmnRegRecord &record, int fieldId) const
{
    if (!(m_Flags & CmnRegFieldHasDefault))
        return;
    QVariant value;
    switch (m_Type) {
    case CmnRegFieldText: value = m_TextDefault; break;
    case CmnRegFieldBoolean: value = bool(m_Flags & CmnRegFieldBoolDefaultTrue); break;
    case CmnRegFieldChoice: value = m_ChoiceDefault; break;
    case CmnRegFieldInteger: value = m_IntDefault; break;
    case CmnRegFieldNumber: value = m_NumberDefault; break;
    case CmnRegFieldPercentage: value = m_PercentDefault; break;
    case CmnRegFieldDate: value = QVariant::fromValue(m_DateDefault); break;
    case CmnRegFieldMultilineText: value = m_MultilineDefault; break;
    default: return;
    }
    record.SetValue(fieldId, ValueKind(), value);
}

int CCmnRegFieldDef::GetLayoutRows(bool forLayout) const
{
    if (!forLayout)
        return 1;
    if (m_Type == CmnRegFieldChoice && m_ChoiceStyle != CmnRegChoicePulldown) {
        const int choices = int(m_Choices.size());
        if (m_ChoiceStyle == CmnRegChoiceRadio1)
            return choices + ((m_Flags & CmnRegFieldRequired) ? 0 : 1);
        const int perRow = m_ChoiceStyle == CmnRegChoiceRadio3 ? 3 : 2;
        return (choices + perRow - 1) / perRow;
    }
    if (m_Type == CmnRegFieldMultilineText)
        return int(std::max(m_MultilineLines, 1) * 0.8 + 0.3);
    return 1;
}

int CCmnRegFieldDef::LabelAboveRows() const
{
    switch (m_Type) {
    case CmnRegFieldText: return (m_Flags & CmnRegFieldTextLabelAbove) ? 1 : 0;
    case CmnRegFieldChoice: return (m_Flags & CmnRegFieldChoiceLabelAbove) ? 1 : 0;
    case CmnRegFieldMultilineText: return (m_Flags & CmnRegFieldMultilineLabelAbove) ? 1 : 0;
    default: return 0;
    }
}

CCmnRegSubstitution CCmnRegFieldDef::FormatValue(const QVariant &value, int forms, int mode) const
{
    CCmnRegSubstitution result;
    if (!value.isValid())
        return result;
    const bool wantHtml = forms & CCmnRegSubstitution::FormHtml;
    const bool wantLines = forms & CCmnRegSubstitution::FormLines;
    if (m_Type == CmnRegFieldMultilineText && mode != 2)
        return FormatParagraphs(value, forms);

    const QString text = m_Type == CmnRegFieldText ? CmnApplyLetterCase(value.toString(), m_TextLetterCase)
                                                   : OneLineText(value);
    // Only when asked: exports and lists ask for the text of every cell.
    QString html;
    if (wantHtml || wantLines) {
        html = CmnHtmlEscape(text);
        if (m_Type == CmnRegFieldText && !(m_Flags & CmnRegFieldWordWrap))
            html = NonBreakingBlanks(html);
    }
    if (forms & CCmnRegSubstitution::FormText) {
        result.m_Text = text;
        result.m_Forms |= CCmnRegSubstitution::FormText;
    }
    if (wantHtml) {
        result.m_Html = html;
        result.m_Forms |= CCmnRegSubstitution::FormHtml;
    }
    if (wantLines) {
        result.m_Lines = QStringList{html};
        result.m_Forms |= CCmnRegSubstitution::FormLines;
    }
    return result;
}

QString CCmnRegFieldDef::OneLineText(const QVariant &value) const
{
    QString text;
    QString suffix;
    switch (m_Type) {
    case CmnRegFieldBoolean:
        text = value.toBool() ? m_TrueText : m_FalseText;
        break;
    case CmnRegFieldInteger:
        text = IntegerText(value);
        suffix = m_IntSuffix;
        break;
    case CmnRegFieldNumber:
        text = CmnDoubleToString(value.toDouble(), m_NumberDecimals);
        suffix = m_NumberSuffix;
        break;
    case CmnRegFieldPercentage:
        text = CmnPercentToString(value.toDouble(), m_PercentDecimals);
        break;
    case CmnRegFieldDate:
        text = DateText(value, CmnDateBoxFormat(QString()));
        break;
    case CmnRegFieldMultilineText:
        text = CmnApplyLetterCase(value.toString(), m_MultilineLetterCase)
                   .split(QLatin1Char('\n'))
                   .join(QLatin1Char(' '));
        if (text.size() > kOneLineLimit)
            text = text.left(kOneLineLimit - 3) + QStringLiteral("...");
        break;
    default:
        text = value.toString();
        break;
    }
    return WithSuffix(text, suffix);
}

CCmnRegSubstitution CCmnRegFieldDef::FormatParagraphs(const QVariant &value, int forms) const
{
    CCmnRegSubstitution result;
    const QString text = CmnApplyLetterCase(value.toString(), m_MultilineLetterCase);
    if (forms & CCmnRegSubstitution::FormText) {
        result.m_Text = text;
        result.m_Forms |= CCmnRegSubstitution::FormText;
    }
    if (!(forms & (CCmnRegSubstitution::FormHtml | CCmnRegSubstitution::FormLines)))
        return result;

    const bool reflow = m_Flags & CmnRegFieldFormatParagraphs;
    static const QRegularExpression whiteSpace(QStringLiteral("\\s+"));
    QStringList lines;
    for (QStringList paragraph : Paragraphs(value.toString())) {
        if (reflow)
            paragraph = QStringList{paragraph.join(QLatin1Char(' ')).split(whiteSpace, Qt::SkipEmptyParts).join(QLatin1Char(' '))};
        if (m_MultilineLetterCase != 0)
            paragraph = CmnApplyLetterCaseToList(paragraph, m_MultilineLetterCase);
        for (const QString &line : paragraph)
            lines.append(reflow ? CmnHtmlEscape(line) : NonBreakingBlanks(CmnHtmlEscape(line)));
    }
    if (forms & CCmnRegSubstitution::FormLines) {
        result.m_Lines = lines;
        result.m_Forms |= CCmnRegSubstitution::FormLines;
    }
    if (forms & CCmnRegSubstitution::FormHtml) {
        // Rich text would run the lines together; keep them apart as the lines form does.
        result.m_Html = CmnJoinNonEmpty(lines, QStringLiteral("<br/>"));
        result.m_Forms |= CCmnRegSubstitution::FormHtml;
    }
    return result;
}

QPair<QString, QString> CCmnRegFieldDef::GetExportTexts(const QVariant &value,
                                                         const CCmnExportCellFormat &format) const
{
    CCmnRegExportCellTexts texts;
    MakeExportTexts(value, format, texts);
    return {texts.Value(), texts.Display()};
}

void CCmnRegFieldDef::MakeExportTexts(const QVariant &value, const CCmnExportCellFormat &format,
                                      CCmnRegExportCellTexts &texts) const
{
    static const QString kTrue = QStringLiteral("1");
    static const QString kFalse = QStringLiteral("0");
    if (!value.isValid()) {
        texts.SetEmpty();
        return;
    }
    // The display text is what FormatValue gives as text. Exports ask this of
    // every cell, so numbers are written straight into the buffers, the display
    // text reuses the value text where it can, and stored texts are not copied.
    switch (m_Type) {
    case CmnRegFieldDate: {
        const CCmnDate date = value.value<CCmnDate>();
        if (date.IsEmpty()) {
            texts.SetEmpty();
            break;
        }
        if (!texts.RemembersDates()) {
            texts.NewValue() = DateText(value, format.m_Text);
            texts.DisplayValue();
            break;
        }
        const quint64 key = CCmnRegExportCellTexts::DateKey(date);
        if (!texts.SetRememberedDate(key))
            texts.SetDate(key, texts.DateFormatter(format.m_Text).Format(date, CmnDateCalendarGregorian));
        break;
    }
    case CmnRegFieldBoolean: {
        const bool yes = BoolOf(value);
        texts.SetShared(yes ? kTrue : kFalse, yes ? m_TrueText : m_FalseText);
        break;
    }
    case CmnRegFieldInteger:
        CmnSetInt64Text(texts.ValueBuffer(), IntegerOf(value));
        AppendDisplayWithSuffix(texts, m_IntSuffix);
        break;
    case CmnRegFieldNumber:
        CmnSetDoubleText(texts.ValueBuffer(), NumberOf(value), m_NumberDecimals);
        AppendDisplayWithSuffix(texts, m_NumberSuffix);
        break;
    case CmnRegFieldPercentage: {
        const double fraction = NumberOf(value);
        CmnSetDoubleText(texts.ValueBuffer(), fraction, m_NumberDecimals);
        CmnSetPercentText(texts.DisplayBuffer(), fraction, m_PercentDecimals);
        break;
    }
    case CmnRegFieldText:
        if (m_TextLetterCase == CmnLetterCaseNone && value.metaType().id() == QMetaType::QString) {
            const QString &text = *static_cast<const QString *>(value.constData());
            texts.SetShared(text, text);
        } else {
            texts.NewValue() = CmnApplyLetterCase(value.toString(), m_TextLetterCase);
            texts.DisplayValue();
        }
        break;
    default:
        texts.NewValue() = FormatValue(value, CCmnRegSubstitution::FormText, 0).m_Text;
        texts.DisplayValue();
        break;
    }
}

void CCmnRegFieldDef::PrefetchExportTexts(const QVariant &value, const CCmnRegExportCellTexts &texts) const
{
#if defined(__GNUC__)
    switch (m_Type) {
    case CmnRegFieldDate:
        if (texts.RemembersDates() && value.metaType() == QMetaType::fromType<CCmnDate>())
            texts.PrefetchDate(CCmnRegExportCellTexts::DateKey(*static_cast<const CCmnDate *>(value.constData())));
        break;
    case CmnRegFieldText:
        if (value.metaType().id() == QMetaType::QString)
            __builtin_prefetch(static_cast<const QString *>(value.constData())->constData());
        break;
    default:
        break;
    }
#else
    Q_UNUSED(value);
    Q_UNUSED(texts);
#endif
}

CCmnExportCellFormat CCmnRegFieldDef::GetColumnType() const
{
    return CCmnExportCellFormat{CmnRegFieldColumnKind(m_Type), 0, -1, CmnDefaultDateInputFormat()};
}

void CCmnRegFieldDef::Write(QDataStream &stream) const
{
    stream << kFieldDefTag << kFieldDefVersion << quint8(m_Type) << quint32(m_Flags);
    stream << m_TextDefault << quint8(m_TextLetterCase) << ToInt16(m_TextWidth) << m_SharedListName;
    stream << m_TrueText << m_FalseText << m_NotGivenText;
    stream << m_Choices << m_ChoiceDefault << quint8(m_ChoiceStyle);
    stream << m_IntMin << m_IntMax << m_IntDefault << m_IntSuffix;
    stream << m_NumberMin << m_NumberMax << m_NumberDefault << m_NumberSuffix << ToInt8(m_NumberDecimals);
    stream << m_PercentMin << m_PercentMax << m_PercentDefault << ToInt8(m_PercentDecimals);
    m_DateDefault.Write(stream);
    stream << m_MultilineDefault << quint8(m_MultilineLetterCase) << ToInt16(m_MultilineWidth)
           << ToInt16(m_MultilineLines);
}

bool CCmnRegFieldDef::Read(QDataStream &stream)
{
    quint8 tag = 0;
    quint8 version = 0;
    stream >> tag >> version;
    if (stream.status() != QDataStream::Ok || tag != kFieldDefTag || version > kFieldDefVersion)
        return false;

    quint8 type = 0;
    quint8 letterCase = 0;
    quint8 style = 0;
    qint16 width = 15;
    qint8 decimals = 0;
    stream >> type >> m_Flags;
    m_Type = KnownOrFirst(type, CmnRegFieldMultilineText);
    CmnReadString(stream, m_TextDefault);
    stream >> letterCase;
    m_TextLetterCase = KnownOrFirst(letterCase, CmnLetterCaseSentence);
    m_TextWidth = 15;
    if (version >= 1) {
        stream >> width;
        m_TextWidth = AtLeastOne(width);
    }
    m_SharedListName.clear();
    if (version >= 2)
        CmnReadString(stream, m_SharedListName);
    CmnReadString(stream, m_TrueText);
    CmnReadString(stream, m_FalseText);
    CmnReadString(stream, m_NotGivenText);
    CmnRegReadStringList(stream, m_Choices);
    CmnReadString(stream, m_ChoiceDefault);
    m_ChoiceStyle = CmnRegChoicePulldown;
    if (version >= 1) {
        stream >> style;
        m_ChoiceStyle = KnownOrFirst(style, CmnRegChoiceRadio3);
    }
    stream >> m_IntMin >> m_IntMax >> m_IntDefault;
    CmnReadString(stream, m_IntSuffix);
    stream >> m_NumberMin >> m_NumberMax >> m_NumberDefault;
    CmnReadString(stream, m_NumberSuffix);
    stream >> decimals;
    m_NumberDecimals = ValidDecimals(decimals);
    stream >> m_PercentMin >> m_PercentMax >> m_PercentDefault >> decimals;
    m_PercentDecimals = ValidDecimals(decimals);
    if (stream.status() == QDataStream::Ok && !m_DateDefault.Read(stream))
        stream.setStatus(QDataStream::ReadCorruptData);
    m_MultilineDefault.clear();
    m_MultilineLetterCase = 0;
    m_MultilineWidth = 30;
    m_MultilineLines = 3;
    if (version >= 1) {
        qint16 lines = 3;
        CmnReadString(stream, m_MultilineDefault);
        stream >> letterCase >> width >> lines;
        m_MultilineLetterCase = KnownOrFirst(letterCase, CmnLetterCaseSentence);
        m_MultilineWidth = AtLeastOne(width);
        m_MultilineLines = AtLeastOne(lines);
    }
    return true;
}

QString CmnRegFieldTypeName(int type)
{
    const STypeInfo *info = TypeInfo(type);
    return info ? QString::fromLatin1(info->m_Name) : QStringLiteral("??");
}

QString CmnRegChoiceStyleName(int style)
{
    switch (style) {
    case CmnRegChoicePulldown: return QStringLiteral("Pulldown Menu");
    case CmnRegChoiceRadio1: return QStringLiteral("Radio Buttons (1 Column)");
    case CmnRegChoiceRadio2: return QStringLiteral("Radio Buttons (2 Columns)");
    case CmnRegChoiceRadio3: return QStringLiteral("Radio Buttons (3 Columns)");
    default: return QStringLiteral("??");
    }
}

int CmnRegFieldColumnKind(int type)
{
    const STypeInfo *info = TypeInfo(type);
    return info ? info->m_ColumnKind : 0;
}
