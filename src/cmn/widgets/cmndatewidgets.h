#pragma once

#include <QString>
#include <QStringList>

class CCmnComboBox;
class CCmnDate;
class CCmnLineEdit;
class QWidget;

// The date line edit and the combo box of date formats.

// A line edit whose placeholder shows the format without its brackets; an empty
// format stands for the date input format of the system settings.
CCmnLineEdit *CmnCreateDateLineEdit(const QString &format, QWidget *parent);

// One item per format, in order, the format as data. The text is the format without
// its brackets, with the example " E.g. '%1'" of the sample date in that format and,
// with alternatives, " or '%1'" twice more for the sample's whole month and year.
CCmnComboBox *CmnCreateDateFormatComboBox(const QStringList &formats, bool withExample, bool withAlternatives,
                                          const CCmnDate &sampleDate, QWidget *parent);
