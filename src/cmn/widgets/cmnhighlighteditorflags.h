#pragma once

#include <QtGlobal>

// The options shared by the highlight control, the "Highlighting" dialog and the
// highlight sample. Callers combine them; the document's title highlighting, for
// instance, leaves out the hatching and the decoration (6).
enum ECmnHighlightEditorFlag : qint32 {
    CmnHighlightDecorationFirst = 0x01,  // the sample shows the decoration before the text
    CmnHighlightNoDecoration = 0x02,     // the dialog has no decoration row
    CmnHighlightNoHatch = 0x04,          // the dialog has no hatch style and hatch colour rows
    CmnHighlightNoTextColor = 0x08,      // the dialog has no text colour row
    CmnHighlightNoTextStyle = 0x10,      // the dialog has no bold, italic and underline row
    CmnHighlightNoSample = 0x20,         // the dialog has no sample
};
