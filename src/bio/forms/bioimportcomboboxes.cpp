#include "bioimportcomboboxes.h"

#include "bioimportcols.h"
#include "cmncontrolfactory.h"

CCmnComboBox *BioCreateImportFieldComboBox(const QList<qint32> *fields, QWidget *parent)
{
    return CmnNewNamedCodeComboBox(fields, BioImportFieldSuffix, BioImportFieldCaption, QString(), parent);
}

CCmnComboBox *BioCreateImportTypeComboBox(const QList<qint32> *types, QWidget *parent)
{
    return CmnNewNamedCodeComboBox(types, BioImportTypeNumber, BioImportTypeName, QString(), parent);
}
