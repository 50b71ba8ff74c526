#include "cmnwidgetsetup.h"

#include "cmncomboboxreadonlylineedit.h"
#include "cmnfontdescriptor.h"
#include "cmntext.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace {

// The font's family as the font database knows it: a family that is not
// installed would have no sizes and no styles, so it stands for the family the
// font matcher puts in its place.
QString InstalledFamily(const QFont &font)
{
    if (QFontDatabase::hasFamily(font.family()))
        return font.family();
    return QFontInfo(font).family();
}

int FindExactText(const QComboBox *comboBox, const QString &text)
{
    return comboBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// An empty list keeps its index of -1: asked for an item it lacks, the combo
// box would report a change from -1 to -1.
void SelectIfOffered(QComboBox *comboBox, int index)
{
    if (index < comboBox->count())
        comboBox->setCurrentIndex(index);
}

} // namespace

void CmnSetupLengthSpinBox(QDoubleSpinBox *spinBox, qint32 unit, double minimum, double maximum,
                           double singleStep, int decimals)
{
    if (minimum < 0) {
        minimum = 0;
        switch (unit) {
        case CmnLengthUnitCentimeters:
            maximum = 100;
            singleStep = 0.25;
            decimals = 2;
            break;
        case CmnLengthUnitMillimeters:
            maximum = 1000;
            singleStep = 2.5;
            decimals = 1;
            break;
        default:
            maximum = 50;
            singleStep = 0.1;
            decimals = 3;
            break;
        }
    }
    spinBox->setMinimum(minimum);
    spinBox->setMaximum(maximum);
    spinBox->setSingleStep(singleStep);
    spinBox->setDecimals(decimals);
    spinBox->setSuffix(CmnLengthUnitName(unit, 1));
}

void CmnSetComboCurrentIndex(QComboBox *comboBox, int index)
{
    if (comboBox && index >= 0 && index < comboBox->count())
        comboBox->setCurrentIndex(index);
}

int CmnComboCurrentIntData(const QComboBox *comboBox)
{
    if (comboBox->currentIndex() < 0)
        return 0;
    return comboBox->currentData(Qt::UserRole).toInt();
}

void CmnComboAddSeparator(QComboBox *comboBox)
{
    comboBox->addItem(QStringLiteral("--"));
    CmnComboDisableItem(comboBox, comboBox->count() - 1);
}

void CmnComboDisableItem(QComboBox *comboBox, int index)
{
    auto *model = qobject_cast<QStandardItemModel *>(comboBox->model());
    if (!model)
        return;
    QStandardItem *item = model->item(index, 0);
    if (!item)
        return;
    item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
    item->setData(comboBox->palette().color(QPalette::Disabled, QPalette::Text), Qt::ForegroundRole);
}

void CmnComboRemoveAllItems(QComboBox *comboBox)
{
    while (comboBox->count() > 0)
        comboBox->removeItem(comboBox->count() - 1);
}

void CmnComboFillSizes(QComboBox *comboBox, const QList<int> &sizes, bool editable, int wantedSize)
{
    const QString previousText = comboBox->currentText();
    {
        const QSignalBlocker blocker(comboBox);
        comboBox->clear();
        for (const int size : sizes)
            comboBox->addItem(QString::number(size));
        comboBox->setEditable(editable);
    }
    int index = wantedSize > 0 ? FindExactText(comboBox, QString::number(wantedSize)) : -1;
    if (index < 0)
        index = FindExactText(comboBox, previousText);
    if (index < 0)
        index = comboBox->count() / 3;
    SelectIfOffered(comboBox, index);
}

void CmnComboFillFontSizes(QComboBox *comboBox, const QFont &font, int wantedSize)
{
    const QString family = InstalledFamily(font);
    const QString style = CmnFontFaceStyleName(font);
    if (QFontDatabase::isSmoothlyScalable(family, style))
        CmnComboFillSizes(comboBox, QFontDatabase::standardSizes(), true, wantedSize);
    else
        CmnComboFillSizes(comboBox, QFontDatabase::smoothSizes(family, style), false, wantedSize);
}

void CmnComboFillFontStyles(QComboBox *comboBox, const QFont &font, const QString &wantedStyle)
{
    const QString previousText = comboBox->currentText();
    comboBox->clear();
    comboBox->addItems(QFontDatabase::styles(InstalledFamily(font)));
    int index = wantedStyle.isEmpty() ? -1 : FindExactText(comboBox, wantedStyle);
    if (index < 0)
        index = FindExactText(comboBox, previousText);
    if (index < 0)
        index = 0;
    SelectIfOffered(comboBox, index);
}

void CmnComboUseReadOnlyLineEdit(QComboBox *comboBox)
{
    comboBox->setEditable(true);
    auto *lineEdit = new CCmnComboBoxReadOnlyLineEdit(comboBox);
    comboBox->setLineEdit(lineEdit);
    lineEdit->setReadOnly(true);
}
