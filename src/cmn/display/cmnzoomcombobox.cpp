#include "cmnzoomcombobox.h"

#include "cmncombobox.h"
#include "cmnlineedit.h"
#include "cmnprintpreviewzoomfactorvalidator.h"

#include <algorithm>
#include <cmath>

CCmnComboBox *CmnCreateZoomComboBox(QWidget *parent, const QLocale &locale)
{
    auto *combo = new CCmnComboBox(parent);
    combo->setEditable(true);
    combo->setMinimumContentsLength(7);
    combo->setInsertPolicy(QComboBox::NoInsert);

    auto *edit = new CCmnLineEdit(combo);
    edit->SetKeepLastGoodText(true);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    QObject::connect(edit, &QLineEdit::returnPressed, edit, &CCmnLineEdit::Slot_this_returnPressed);
    combo->setLineEdit(edit);
    edit->setValidator(new CCmnPrintPreviewZoomFactorValidator(1.0, 1000.0, 1, edit, locale));

    // The halves of 25 ... 1600, so that 12.5 comes first.
    for (const double zoom : {12.5, 25.0, 50.0, 100.0, 125.0, 150.0, 200.0, 400.0, 800.0})
        combo->addItem(CmnZoomPercentText(zoom));
    return combo;
}

bool CmnReadZoomPercent(const QString &text, double *percent, const QLocale &locale)
{
    QString number = text;
    number.remove(QLatin1Char('%'));
    number = number.trimmed();
    bool ok = false;
    double value = locale.toDouble(number, &ok);
    if (!ok)
        value = number.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    *percent = std::clamp(value, 1.0, 1000.0);
    return true;
}

QString CmnZoomFactorText(double zoom)
{
    return QString::asprintf("%.1f%%", zoom * 100.0);
}

QString CmnZoomPercentText(double percent)
{
    return QStringLiteral("%1%").arg(percent, 0, 'g');
}
