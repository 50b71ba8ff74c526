#pragma once

class QWidget;

// Greying by style sheet: the widget keeps its enabled state (a label keeps its
// buddy and links, a read-only line edit stays selectable) and only its text
// takes the palette's disabled colour. Enabled clears the style sheet.
void CmnSetLabelEnabledLook(QWidget *widget, bool enabled);
void CmnSetLineEditEnabledLook(QWidget *widget, bool enabled);
