#pragma once

#include "cmndate.h"
#include "cmnexportcellformat.h"
#include "cmnregsubstitution.h"

#include <QString>
#include <QStringList>
#include <QVariant>

class CCmnRegExportCellTexts;
class CCmnRegRecord;
class QDataStream;

// The type of a field; one byte in stored definitions.
enum ECmnRegFieldType {
    CmnRegFieldText = 0,
    CmnRegFieldBoolean = 1,
    CmnRegFieldChoice = 2,
    CmnRegFieldInteger = 3,
    CmnRegFieldNumber = 4,
    CmnRegFieldPercentage = 5,
    CmnRegFieldDate = 6,
    CmnRegFieldMultilineText = 7,
};

// How a Choice field is edited.
enum ECmnRegChoiceStyle {
    CmnRegChoicePulldown = 0,
    CmnRegChoiceRadio1 = 1,
    CmnRegChoiceRadio2 = 2,
    CmnRegChoiceRadio3 = 3,
};

// The most decimal places a Number or Percentage field shows.
constexpr int CmnRegFieldMaxDecimals = 8;

// The bits of a definition's flag word. Bits 27 to 31 mean nothing and are kept
// as read.
enum ECmnRegFieldFlags : quint32 {
    CmnRegFieldRequired = 0x1,
    CmnRegFieldHasDefault = 0x2,
    CmnRegFieldPrivateList = 0x4,
    CmnRegFieldWordWrap = 0x8,
    CmnRegFieldBoolDefaultTrue = 0x10,
    CmnRegFieldBoolDefaultFalse = 0x20,
    CmnRegFieldBoolDefaultNone = 0x40,
    CmnRegFieldBoolRadio = 0x80,
    CmnRegFieldKey = 0x100,
    CmnRegFieldChoiceTyped = 0x200,
    CmnRegFieldIntMinSet = 0x400,
    CmnRegFieldIntMaxSet = 0x800,
    CmnRegFieldIntDefaultSet = 0x1000,
    CmnRegFieldIntSpin = 0x2000,
    CmnRegFieldNumberMinSet = 0x4000,
    CmnRegFieldNumberMaxSet = 0x8000,
    CmnRegFieldNumberDefaultSet = 0x10000,
    CmnRegFieldNumberSpin = 0x20000,
    CmnRegFieldPercentMinSet = 0x40000,
    CmnRegFieldPercentMaxSet = 0x80000,
    CmnRegFieldPercentDefaultSet = 0x100000,
    CmnRegFieldPercentSpin = 0x200000,
    CmnRegFieldTextLabelAbove = 0x400000,
    CmnRegFieldChoiceLabelAbove = 0x800000,
    CmnRegFieldMultilineLabelAbove = 0x1000000,
    CmnRegFieldFormatParagraphs = 0x2000000,
    CmnRegFieldSharedList = 0x4000000,
};

// What kind of value a field holds and how it is edited, shown and defaulted.
// Every type's settings are kept whatever the type, so switching a field's type
// back restores what it had.
class CCmnRegFieldDef
{
public:
    static constexpr quint32 kDefaultFlags = 0x0200010C;

    CCmnRegFieldDef();
    CCmnRegFieldDef(int type, quint32 flags);

    // Every per-type setting back to its default; the type and the other flags stay,
    // and the percentage limits are marked set.
    void Reset();
    // The value kind under which the field's values are stored and found.
    int ValueKind() const;
    void SetSharedLookupListName(const QString &name);
    // Gives the record this field's default value when the field has one.
    void ApplyDefaultValue(CCmnRegRecord &record, int fieldId) const;

    // Rows the field takes in the record window: radio-button choices and multiline
    // texts take more than one. 1 unless asked for a layout.
    int GetLayoutRows(bool forLayout) const;
    // 1 when the field's label stands above its editor, else 0.
    int LabelAboveRows() const;

    // forms: CCmnRegSubstitution::EForm bits. Mode 2 asks for one line (the key-field
    // panel); every other mode formats alike. An invalid value gives no forms.
    CCmnRegSubstitution FormatValue(const QVariant &value, int forms, int mode) const;
    // (value text, display text) of a table export; empty for an invalid value.
    QPair<QString, QString> GetExportTexts(const QVariant &value, const CCmnExportCellFormat &format) const;
    // The same texts, made into the column's texts of the previous row; the
    // column's format must stay the same from row to row.
    void MakeExportTexts(const QVariant &value, const CCmnExportCellFormat &format,
                         CCmnRegExportCellTexts &texts) const;
    // Asks the processor early for what MakeExportTexts reads beyond the value:
    // a stored text's characters, a remembered date's slot. Any value is safe.
    void PrefetchExportTexts(const QVariant &value, const CCmnRegExportCellTexts &texts) const;
    // Whether the field's export texts read anything PrefetchExportTexts asks for.
    bool HasExportTextsToPrefetch() const { return m_Type == CmnRegFieldText || m_Type == CmnRegFieldDate; }
    CCmnExportCellFormat GetColumnType() const;

    // Block tag 39, version 2.
    void Write(QDataStream &stream) const;
    // False, with the stream untouched, for another tag or a newer version; damage
    // inside shows in the stream's status. A type, letter case or choice style the
    // program does not know reads as the first one; widths and line counts below 1
    // read as 1, decimals outside 0 to 8 as the nearer end.
    [[nodiscard]] bool Read(QDataStream &stream);

    friend bool operator==(const CCmnRegFieldDef &, const CCmnRegFieldDef &) = default;

    int m_Type = CmnRegFieldText;
    quint32 m_Flags = kDefaultFlags;
    // Text
    QString m_TextDefault;
    int m_TextLetterCase = 0;
    int m_TextWidth = 15;
    QString m_SharedListName;
    // Boolean
    QString m_TrueText;
    QString m_FalseText;
    QString m_NotGivenText;
    // Choice
    QString m_ChoiceDefault;
    QStringList m_Choices;
    int m_ChoiceStyle = CmnRegChoicePulldown;
    // Integer
    QString m_IntSuffix;
    qint32 m_IntMin = 0;
    qint32 m_IntMax = 0;
    qint32 m_IntDefault = 0;
    // Number
    QString m_NumberSuffix;
    int m_NumberDecimals = 3;
    double m_NumberMin = 0.0;
    double m_NumberMax = 0.0;
    double m_NumberDefault = 0.0;
    // Percentage, as fractions
    int m_PercentDecimals = 2;
    float m_PercentMin = 0.0f;
    float m_PercentMax = 1.0f;
    float m_PercentDefault = 0.0f;
    // Date
    CCmnDate m_DateDefault;
    // Multiline Text
    QString m_MultilineDefault;
    int m_MultilineLetterCase = 0;
    int m_MultilineWidth = 30;
    int m_MultilineLines = 3;

private:
    QString OneLineText(const QVariant &value) const;
    CCmnRegSubstitution FormatParagraphs(const QVariant &value, int forms) const;
};

QString CmnRegFieldTypeName(int type);
QString CmnRegChoiceStyleName(int style);
// The column kind of a table export for a field type.
int CmnRegFieldColumnKind(int type);
