#include "cmnformboxenumcombos.h"

#include "cmncombobox.h"

QString CmnFormBoxEnumName(const QStringList &names, qint32 value)
{
    if (value < 0 || value >= names.size())
        return QStringLiteral("??");
    return names.at(value);
}

CCmnComboBox *CmnNewFormBoxEnumComboBox(const QStringList &names, const QList<qint32> *values,
                                        const QString &prefix, QWidget *parent)
{
    QList<qint32> all;
    if (!values) {
        for (qint32 value = 0; value < names.size(); ++value)
            all.append(value);
        values = &all;
    }
    auto *comboBox = new CCmnComboBox(parent);
    for (const qint32 value : *values) {
        const QString name = CmnFormBoxEnumName(names, value);
        if (!name.isEmpty())
            comboBox->addItem(prefix + name, value);
    }
    comboBox->setMaxVisibleItems(20);
    return comboBox;
}

QStringList CmnCornerStyleNames()
{
    return {QStringLiteral("Square Corners"), QStringLiteral("Rounded Corners (Small)"),
            QStringLiteral("Rounded Corners (Medium)"), QStringLiteral("Rounded Corners (Large)")};
}

QStringList CmnPicturePosNames(const QLocale &locale)
{
    return {QStringLiteral("%1 Photo").arg(CmnCentreWord(locale)), QStringLiteral("Photo To Left"),
            QStringLiteral("Photo To Right"), QStringLiteral("Photo At Top"), QStringLiteral("Photo At Bottom")};
}

QStringList CmnPictureModeNames()
{
    return {QStringLiteral("No Photo"), QStringLiteral("Normal Photo"), QStringLiteral("Stretch Photo"),
            QStringLiteral("Bleed Photo")};
}

QStringList CmnHorzTextAlignNames()
{
    return {QStringLiteral("Centered"), QStringLiteral("Left")};
}

QStringList CmnVertTextAlignNames()
{
    return {QStringLiteral("Middle"), QStringLiteral("Top"), QStringLiteral("Bottom")};
}
