#pragma once

#include "cmnthemedformboxpropertiesdialog.h"

// "Ancestor Cell Settings - nG Specific": the look of every ancestor cell of
// charts of n generations, from size level n of the chart's cell layout
// element. The launcher sets n, the generations the chart shows.
class CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog : public CCmnThemedFormBoxPropertiesDialog
{
    Q_OBJECT
public:
    CBioRegThemedFormWithAncestryPanelsCellSpecificGensBoxPropertiesDialog(
        CCmnTheme &theme, const CCmnTheme &defaultTheme, const QString &layoutEltName, const QString &dataEltName,
        const CCmnThemedFormBoxNames &boxNames, const CCmnThemedFormAutoParams &autoParams, QWidget *parent = nullptr);

    // Sets n and the title.
    void SetGens(qint32 n);
    qint32 Gens() const { return m_Gens; }

    // Runs the dialog and, when it is accepted (1), writes the values into size
    // level n, created with every property inherited when absent; returns the
    // dialog's result. Rejected without a run while n names no chart size.
    int ExecAndApply();

private:
    qint32 m_Gens = -1;
};
