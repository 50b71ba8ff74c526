#pragma once

#include "cmnthemedformboxgenericpropertiestabsmixin.h"
#include "cmnthemedformboxpropertiestabdialog.h"

// "Ancestor Cell Settings - Gg/n Specific": the cells of one generation g of
// charts of n generations: their text on "Text" (from entry (n, g) of the cell
// data element) and their look on "Layout" (generation level (n, g) of the
// cell layout element). Font, size and gap belong to the chart size, so they
// are not offered. The launcher sets n and g.
class CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog
    : public CCmnThemedFormBoxPropertiesTabDialog,
      public CCmnThemedFormBoxGenericPropertiesTabsMixin
{
    Q_OBJECT
public:
    CBioRegThemedFormWithAncestryPanelsCellSpecificGenOfGensBoxPropertiesDialog(
        CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName, const QString &dataEltName,
        const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);

    // Sets n, g and the title, which counts generations from 1.
    void SetGenOfGens(qint32 n, qint32 g);
    qint32 Gens() const { return m_Gens; }
    qint32 Gen() const { return m_Gen; }

    // Runs the dialog and, when it is accepted (1), writes the values into
    // generation level (n, g) and data entry (n, g), each created when absent;
    // returns the dialog's result. Rejected without a run while (n, g) names no
    // cell of a chart.
    int ExecAndApply();

private:
    qint32 m_Gens = -1;
    qint32 m_Gen = -1;
};
