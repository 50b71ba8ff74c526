#include "cmndataexchange.h"

#include "cmnappdescriptor.h"
#include "cmncolorbutton.h"
#include "cmndatebox.h"
#include "cmndialogex.h"
#include "cmnexchangeflags.h"
#include "cmnexchangeverdict.h"
#include "cmnhtmlescape.h"
#include "cmnmessageboxes.h"
#include "cmnnumberboxes.h"
#include "cmnnumbertext.h"
#include "cmnpixmapbutton.h"
#include "cmntabdialog.h"
#include "cmntextboxes.h"
#include "cmnwizardex.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTextEdit>

#include <algorithm>
#include <limits>

namespace {

// Selects the whole text after a load when the flags ask for it.
void SetLineEditText(QLineEdit *lineEdit, const QString &text, qint32 flags)
{
    lineEdit->setText(text);
    if (flags & CmnExchangeSelectAll)
        lineEdit->selectAll();
}

void CheckOnly(QAbstractButton *checked, std::initializer_list<QAbstractButton *> others)
{
    checked->setChecked(true);
    for (QAbstractButton *button : others)
        button->setChecked(false);
}

// A fraction held as float, widened for the double routine. A number beyond the
// float's range (only a box without limits lets one through) is narrowed to its
// largest value: converting it as it is would be undefined.
float NarrowToFloat(double value)
{
    const double largest = std::numeric_limits<float>::max();
    return float(std::clamp(value, -largest, largest));
}

} // namespace

CCmnDataExchange::CCmnDataExchange(bool save)
    : m_Save(save)
{
}

CCmnDataExchange::CCmnDataExchange(bool save, CCmnDialogEx *dialog)
    : m_Save(save), m_Dialog(dialog)
{
}

CCmnDataExchange::CCmnDataExchange(bool save, CCmnTabDialog *tabDialog, QWidget *tabPage)
    : m_Save(save), m_TabDialog(tabDialog), m_TabPage(tabPage)
{
}

CCmnDataExchange::CCmnDataExchange(bool save, CCmnWizardEx *wizard, QWizardPage *wizardPage)
    : m_Save(save), m_Wizard(wizard), m_WizardPage(wizardPage)
{
}

bool CCmnDataExchange::ExchangeCheckBox(bool *value, QAbstractButton *button, const QString &) const
{
    if (m_Save)
        *value = button->isChecked();
    else
        button->setChecked(*value);
    return true;
}

bool CCmnDataExchange::ExchangeCheckState(qint32 *value, QCheckBox *checkBox, const QString &) const
{
    if (m_Save)
        *value = checkBox->checkState();
    else
        checkBox->setCheckState(Qt::CheckState(*value));
    return true;
}

bool CCmnDataExchange::ExchangeFlagCheckBox(qint32 *mask, qint32 bit, QAbstractButton *button,
                                            const QString &) const
{
    if (!m_Save)
        button->setChecked(*mask & bit);
    else if (button->isChecked())
        *mask |= bit;
    else
        *mask &= ~bit;
    return true;
}

bool CCmnDataExchange::ExchangeRadioPair(bool *value, QAbstractButton *first, QAbstractButton *second,
                                         const QString &) const
{
    if (m_Save)
        *value = second->isChecked();
    else if (*value)
        CheckOnly(second, {first});
    else
        CheckOnly(first, {second});
    return true;
}

bool CCmnDataExchange::ExchangeRadio3(qint32 *value, QAbstractButton *first, QAbstractButton *second,
                                      QAbstractButton *third, const QString &) const
{
    if (m_Save)
        *value = first->isChecked() ? 0 : second->isChecked() ? 2 : 1;
    else if (*value == 0)
        CheckOnly(first, {second, third});
    else if (*value == 2)
        CheckOnly(second, {first, third});
    else
        CheckOnly(third, {first, second});
    return true;
}

bool CCmnDataExchange::ExchangeSpinBox(qint32 *value, QSpinBox *spinBox, const QString &) const
{
    if (m_Save)
        *value = spinBox->value();
    else
        spinBox->setValue(*value);
    return true;
}

bool CCmnDataExchange::ExchangeSlider(qint32 *value, QAbstractSlider *slider, const QString &) const
{
    if (m_Save)
        *value = slider->value();
    else
        slider->setValue(*value);
    return true;
}

bool CCmnDataExchange::ExchangeDoubleSpinBox(double *value, QDoubleSpinBox *spinBox, const QString &,
                                             qint32 decimals) const
{
    if (m_Save) {
        *value = spinBox->value();
        return true;
    }
    if (decimals >= 0)
        spinBox->setDecimals(decimals);
    spinBox->setValue(*value);
    return true;
}

bool CCmnDataExchange::ExchangePercentSpinBox(float *value, QDoubleSpinBox *spinBox, const QString &label,
                                              qint32 decimals) const
{
    double fraction = *value;
    const bool result = ExchangePercentSpinBoxDouble(&fraction, spinBox, label, decimals);
    if (m_Save)
        *value = NarrowToFloat(fraction);
    return result;
}

bool CCmnDataExchange::ExchangePercentSpinBoxDouble(double *value, QDoubleSpinBox *spinBox, const QString &,
                                                    qint32 decimals) const
{
    if (m_Save) {
        *value = spinBox->value() / 100;
        return true;
    }
    if (decimals >= 0)
        spinBox->setDecimals(decimals);
    spinBox->setValue(*value * 100);
    return true;
}

bool CCmnDataExchange::ExchangeComboBox(qint32 *value, QComboBox *comboBox, qint32 flags, const QString &) const
{
    const bool byData = flags & CmnExchangeByItemData;
    if (m_Save) {
        if (!byData)
            *value = comboBox->currentIndex();
        else
            *value = comboBox->currentIndex() < 0 ? 0 : comboBox->currentData().toInt();
        return true;
    }
    if (!byData) {
        comboBox->setCurrentIndex(*value);
        return true;
    }
    const int index = std::max(comboBox->findData(*value, Qt::UserRole, Qt::MatchExactly), 0);
    if (index < comboBox->count())
        comboBox->setCurrentIndex(index);
    return true;
}

bool CCmnDataExchange::ExchangeComboText(QString *value, QComboBox *comboBox, qint32 flags,
                                         const QString &label) const
{
    if (flags & CmnExchangeByItemData) {
        if (m_Save) {
            *value = comboBox->currentData().toString();
            return true;
        }
        qint32 found = -1;
        for (qint32 i = 0; i < comboBox->count() && found < 0; ++i) {
            if (comboBox->itemData(i).toString() == *value)
                found = i;
        }
        comboBox->setCurrentIndex(found);
        return true;
    }
    if (m_Save)
        return Conclude(CmnReadTextBox(comboBox->currentText(), EffectiveFlags(flags), value), label, comboBox);

    const int index = comboBox->findText(*value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        comboBox->setCurrentIndex(index);
    } else if (comboBox->isEditable()) {
        comboBox->setEditText(*value);
        if ((flags & CmnExchangeSelectAll) && comboBox->lineEdit())
            comboBox->lineEdit()->selectAll();
    }
    return true;
}

bool CCmnDataExchange::ExchangeColorButton(QColor *value, CCmnColorButton *button, const QString &) const
{
    if (m_Save)
        *value = button->Value();
    else
        button->SetColor(*value);
    return true;
}

bool CCmnDataExchange::ExchangePixmapButton(QString *value, CCmnPixmapButton *button, const QString &) const
{
    if (m_Save)
        *value = button->Value();
    else
        button->SetFilename(*value);
    return true;
}

bool CCmnDataExchange::ExchangeTextEdit(QString *value, QTextEdit *textEdit, qint32 flags,
                                        const QString &label) const
{
    if (!m_Save) {
        textEdit->setPlainText(*value);
        return true;
    }
    return Conclude(CmnReadTextBox(textEdit->toPlainText(), EffectiveFlags(flags), value), label, textEdit);
}

bool CCmnDataExchange::ExchangeCharLineEdit(QChar *value, QLineEdit *lineEdit, qint32 flags,
                                            const QString &label) const
{
    if (!m_Save) {
        SetLineEditText(lineEdit, CmnCharBoxText(*value, flags), flags);
        return true;
    }
    return ConcludeLineEdit(CmnReadCharBox(lineEdit->text(), EffectiveFlags(flags), value), label, lineEdit);
}

bool CCmnDataExchange::ExchangePathLineEdit(QString *value, QLineEdit *lineEdit, qint32 flags,
                                            const QString &label) const
{
    if (!m_Save) {
        SetLineEditText(lineEdit, CmnPathBoxText(*value, flags), flags);
        return true;
    }
    return ConcludeLineEdit(CmnReadPathBox(lineEdit->text(), EffectiveFlags(flags), value), label, lineEdit);
}

bool CCmnDataExchange::ExchangeDateLineEdit(CCmnDate *value, QLineEdit *lineEdit, qint32 flags,
                                            const QString &format, const QString &label) const
{
    if (!m_Save) {
        SetLineEditText(lineEdit, CmnDateBoxText(*value, format), flags);
        return true;
    }
    return ConcludeLineEdit(CmnReadDateBox(lineEdit->text(), EffectiveFlags(flags), format, value), label,
                            lineEdit);
}

bool CCmnDataExchange::ExchangeDoubleLineEdit(double *value, QLineEdit *lineEdit, qint32 flags,
                                              double defaultValue, double minimum, double maximum,
                                              const QString &label, qint32 decimals) const
{
    return ExchangeRealLineEdit(value, lineEdit, flags, {defaultValue, minimum, maximum, decimals, false}, label);
}

bool CCmnDataExchange::ExchangeFloatLineEdit(float *value, QLineEdit *lineEdit, qint32 flags,
                                             float defaultValue, float minimum, float maximum,
                                             const QString &label, qint32 decimals) const
{
    double fraction = *value;
    const bool result =
        ExchangeRealLineEdit(&fraction, lineEdit, flags, {defaultValue, minimum, maximum, decimals, true}, label);
    if (m_Save)
        *value = NarrowToFloat(fraction);
    return result;
}

bool CCmnDataExchange::ExchangeIntLineEdit(qint32 *value, QLineEdit *lineEdit, qint32 flags,
                                           qint32 defaultValue, qint32 minimum, qint32 maximum,
                                           const QString &label) const
{
    return ExchangeIntegerLineEdit(value, lineEdit, flags, CmnIntBoxRule(defaultValue, minimum, maximum), label);
}

bool CCmnDataExchange::ExchangeLongLineEdit(qint32 *value, QLineEdit *lineEdit, qint32 flags,
                                            qint32 defaultValue, qint32 minimum, qint32 maximum,
                                            const QString &label) const
{
    return ExchangeIntegerLineEdit(value, lineEdit, flags, CmnLongBoxRule(defaultValue, minimum, maximum), label);
}

bool CCmnDataExchange::ExchangeRealLineEdit(double *value, QLineEdit *lineEdit, qint32 flags,
                                            const CCmnRealBoxRule &rule, const QString &label) const
{
    if (!m_Save) {
        SetLineEditText(lineEdit, CmnRealBoxText(*value, rule.m_Decimals, rule.m_Percent), flags);
        return true;
    }
    return ConcludeLineEdit(CmnReadRealBox(lineEdit->text(), EffectiveFlags(flags), rule, value), label, lineEdit);
}

bool CCmnDataExchange::ExchangeIntegerLineEdit(qint32 *value, QLineEdit *lineEdit, qint32 flags,
                                               const CCmnIntegerBoxRule &rule, const QString &label) const
{
    if (!m_Save) {
        SetLineEditText(lineEdit, CmnInt64ToString(*value), flags);
        return true;
    }
    qint64 number = *value;
    if (!ConcludeLineEdit(CmnReadIntegerBox(lineEdit->text(), EffectiveFlags(flags), rule, &number), label,
                          lineEdit))
        return false;
    // The default or a number clamped into the rule's 32-bit type range.
    *value = qint32(number);
    return true;
}

bool CCmnDataExchange::ShowInvalid(const QString &hereMessage, const QString &inBoxMessage, const QString &label,
                                   const QString &note, QWidget *widget) const
{
    PointAt(widget);
    ShowRememberedMessage(QMessageBox::Warning, MessageParent(), CmnGetAppDescriptor().m_ProductDisplayName,
                          FormatMessage(hereMessage, inBoxMessage, label, note));
    return false;
}

bool CCmnDataExchange::ShowInvalidLineEdit(const QString &hereMessage, const QString &inBoxMessage,
                                           const QString &label, const QString &note, QLineEdit *lineEdit) const
{
    if (lineEdit)
        lineEdit->selectAll();
    return ShowInvalid(hereMessage, inBoxMessage, label, note, lineEdit);
}

bool CCmnDataExchange::ShowInvalidWidget(const QString &hereMessage, const QString &inBoxMessage,
                                         const QString &label, const QString &note, QWidget *widget) const
{
    return ShowInvalid(hereMessage, inBoxMessage, label, note, widget);
}

bool CCmnDataExchange::Confirm(const QString &hereMessage, const QString &inBoxMessage, const QString &label,
                               const QString &note, QWidget *widget) const
{
    PointAt(widget);
    QWidget *parent = MessageParent();
    const QString text = QStringLiteral("<p>%1</p><p>Do you wish to continue anyway?</p>")
                             .arg(FormatMessage(hereMessage, inBoxMessage, label, note));
    return AskYesNo(QMessageBox::Question, true, parent, parent ? parent->windowTitle() : QString(), text)
        == QMessageBox::Yes;
}

bool CCmnDataExchange::ConfirmLineEdit(const QString &hereMessage, const QString &inBoxMessage,
                                       const QString &label, const QString &note, QLineEdit *lineEdit) const
{
    if (lineEdit)
        lineEdit->selectAll();
    return Confirm(hereMessage, inBoxMessage, label, note, lineEdit);
}

bool CCmnDataExchange::ConfirmWidget(const QString &hereMessage, const QString &inBoxMessage,
                                     const QString &label, const QString &note, QWidget *widget) const
{
    return Confirm(hereMessage, inBoxMessage, label, note, widget);
}

QString CCmnDataExchange::FormatMessage(const QString &hereMessage, const QString &inBoxMessage,
                                        const QString &label, const QString &note)
{
    // Messages and labels are plain text that may quote what the user typed (a name,
    // a path); only the note is HTML.
    QString text = QStringLiteral("<p>");
    if (label.isEmpty() || inBoxMessage.isEmpty())
        text += CmnHtmlEscapeChars(hereMessage, false);
    else
        text += CmnHtmlEscapeChars(inBoxMessage, false).replace(QLatin1String("%1"), CmnHtmlEscapeChars(label, false));
    text += QStringLiteral("</p>");
    if (note.startsWith(QLatin1String("<p>")))
        text += note;
    else if (!note.isEmpty())
        text += QStringLiteral("<p>") + note + QStringLiteral("</p>");
    return text;
}

qint32 CCmnDataExchange::EffectiveFlags(qint32 flags) const
{
    return m_SkipValidation ? (flags | CmnExchangeNoValidation) : flags;
}

void CCmnDataExchange::PointAt(QWidget *widget) const
{
    // The tab and the row come first: a tab shown for the first time gives its own
    // initial focus, which would otherwise take the focus from the bad value.
    if (m_TabDialog)
        m_TabDialog->ShowTab(m_TabPage);
    if (m_ListWidget)
        m_ListWidget->setCurrentRow(m_ListRow);
    if (widget)
        widget->setFocus(Qt::OtherFocusReason);
}

QWidget *CCmnDataExchange::MessageParent() const
{
    if (m_OwnerWidget)
        return m_OwnerWidget;
    if (m_Dialog)
        return m_Dialog;
    if (m_Wizard)
        return m_Wizard;
    return m_TabDialog;
}

bool CCmnDataExchange::Conclude(const CCmnExchangeVerdict &verdict, const QString &label, QWidget *widget) const
{
    switch (verdict.Kind()) {
    case CCmnExchangeVerdict::Accepted:
        break;
    case CCmnExchangeVerdict::Refused:
        return ShowInvalidWidget(verdict.HereMessage(), verdict.InBoxMessage(), label, verdict.Note(), widget);
    case CCmnExchangeVerdict::Question:
        return ConfirmWidget(verdict.HereMessage(), QString(), QString(), QString(), widget);
    }
    return true;
}

bool CCmnDataExchange::ConcludeLineEdit(const CCmnExchangeVerdict &verdict, const QString &label,
                                        QLineEdit *lineEdit) const
{
    switch (verdict.Kind()) {
    case CCmnExchangeVerdict::Accepted:
        break;
    case CCmnExchangeVerdict::Refused:
        return ShowInvalidLineEdit(verdict.HereMessage(), verdict.InBoxMessage(), label, verdict.Note(), lineEdit);
    case CCmnExchangeVerdict::Question:
        return ConfirmLineEdit(verdict.HereMessage(), QString(), QString(), QString(), lineEdit);
    }
    return true;
}

bool CmnExchangeComboByData(const CCmnDataExchange *context, qint32 *value, QComboBox *comboBox,
                            const QString &label)
{
    qint32 copy = *value;
    if (!context->ExchangeComboBox(&copy, comboBox, CmnExchangeByItemData, label))
        return false;
    *value = copy;
    return true;
}
