#include "cmndatewidgets.h"

#include "cmncombobox.h"
#include "cmndate.h"
#include "cmndatebox.h"
#include "cmndatetext.h"
#include "cmnlineedit.h"

namespace {

QString ExampleText(const QString &format, const CCmnDate &sampleDate, bool withAlternatives)
{
    QString text = QStringLiteral(" E.g. '%1'").arg(sampleDate.Format(format, CmnDateCalendarGregorian));
    if (!withAlternatives)
        return text;
    CCmnDate month = sampleDate;
    month.WidenToMonth();
    CCmnDate year = sampleDate;
    year.WidenToYear();
    for (const CCmnDate &wider : {month, year})
        text += QStringLiteral(" or '%1'").arg(wider.Format(format, CmnDateCalendarGregorian));
    return text;
}

} // namespace

CCmnLineEdit *CmnCreateDateLineEdit(const QString &format, QWidget *parent)
{
    auto *lineEdit = new CCmnLineEdit(parent);
    lineEdit->setPlaceholderText(CmnStripDateFormatBrackets(CmnDateBoxFormat(format)));
    return lineEdit;
}

CCmnComboBox *CmnCreateDateFormatComboBox(const QStringList &formats, bool withExample, bool withAlternatives,
                                          const CCmnDate &sampleDate, QWidget *parent)
{
    auto *comboBox = new CCmnComboBox(parent);
    for (const QString &format : formats) {
        QString text = CmnStripDateFormatBrackets(format);
        if (withExample)
            text += ExampleText(format, sampleDate, withAlternatives);
        comboBox->addItem(text, format);
    }
    return comboBox;
}
