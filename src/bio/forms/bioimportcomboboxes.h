#pragma once

#include <QList>
#include <QtGlobal>

class CCmnComboBox;
class QWidget;

// The combo boxes of the import's column table: one item per field code (1 to 15
// without a list) or value type (1 to 4) that has a caption, the caption as text and
// the code as data; codes without a caption are left out. At most 20 items show.
CCmnComboBox *BioCreateImportFieldComboBox(const QList<qint32> *fields, QWidget *parent);
CCmnComboBox *BioCreateImportTypeComboBox(const QList<qint32> *types, QWidget *parent);
