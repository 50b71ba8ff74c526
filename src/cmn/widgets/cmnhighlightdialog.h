#pragma once

#include "cmndialogex.h"
#include "cmnhighlight.h"

#include <QColor>
#include <QString>

class CCmnCheckBox;
class CCmnColorButton;
class CCmnComboBox;
class CCmnHighlightSampleWidget;
class CCmnLabel;
class CCmnPixmapButton;

// The "Highlighting" dialog, where the user sets a highlight that no preset
// offers: the text style, the text colour, the hatched background and the
// decoration, each row left out when the editor flags (ECmnHighlightEditorFlag)
// say so, and a sample that follows every change. The owner sets the highlight
// before the run and reads it back after OK; a cancelled run leaves it alone.
class CCmnHighlightDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    // An empty sample text shows "Sample".
    CCmnHighlightDialog(qint32 flags, const QString &sampleText, QWidget *parent = nullptr);

    const CCmnHighlight &Highlight() const { return m_Highlight; }
    void SetHighlight(const CCmnHighlight &highlight) { m_Highlight = highlight; }
    qint32 Flags() const { return m_Flags; }
    const QString &SampleText() const { return m_SampleText; }

    // The rows present, as the user sees them; the highlight changes only when OK
    // saves them.
    bool DataExchange(CCmnDataExchange *context) override;
    // Shows on the sample what OK would save now: the rows present as they stand,
    // the parts of the left-out rows as loaded.
    void UpdateSample();

    // Each null when its row is left out.
    CCmnLabel *TextStyleLabel() const { return m_TextStyleLabel; }
    CCmnCheckBox *BoldCheckBox() const { return m_BoldCheckBox; }
    CCmnCheckBox *ItalicCheckBox() const { return m_ItalicCheckBox; }
    CCmnCheckBox *UnderlineCheckBox() const { return m_UnderlineCheckBox; }
    CCmnLabel *TextColorLabel() const { return m_TextColorLabel; }
    CCmnColorButton *TextColorButton() const { return m_TextColorButton; }
    CCmnLabel *HatchStyleLabel() const { return m_HatchStyleLabel; }
    CCmnComboBox *HatchStyleComboBox() const { return m_HatchStyleComboBox; }
    CCmnLabel *HatchColorLabel() const { return m_HatchColorLabel; }
    CCmnColorButton *HatchColorButton() const { return m_HatchColorButton; }
    CCmnLabel *DecorationLabel() const { return m_DecorationLabel; }
    CCmnPixmapButton *DecorationButton() const { return m_DecorationButton; }
    CCmnHighlightSampleWidget *SampleWidget() const { return m_SampleWidget; }

public Q_SLOTS:
    void Slot_stateChanged_CheckBox_Bold(int state);
    void Slot_stateChanged_CheckBox_Italic(int state);
    void Slot_stateChanged_CheckBox_Underline(int state);
    void Slot_valueChanged_ColorButton_TextColor(const QColor &color);
    void Slot_currentIndexChanged_ComboBox_HatchStyle(int index);
    void Slot_valueChanged_ColorButton_HatchColor(const QColor &color);
    void Slot_valueChanged_PixmapButton_Decoration(const QString &decoration);

private:
    // The hatch colour means something only over a hatched background.
    void EnableHatchColor();

    CCmnHighlight m_Highlight;
    qint32 m_Flags;
    QString m_SampleText;
    CCmnLabel *m_TextStyleLabel = nullptr;
    CCmnCheckBox *m_BoldCheckBox = nullptr;
    CCmnCheckBox *m_ItalicCheckBox = nullptr;
    CCmnCheckBox *m_UnderlineCheckBox = nullptr;
    CCmnLabel *m_TextColorLabel = nullptr;
    CCmnColorButton *m_TextColorButton = nullptr;
    CCmnLabel *m_HatchStyleLabel = nullptr;
    CCmnComboBox *m_HatchStyleComboBox = nullptr;
    CCmnLabel *m_HatchColorLabel = nullptr;
    CCmnColorButton *m_HatchColorButton = nullptr;
    CCmnLabel *m_DecorationLabel = nullptr;
    CCmnPixmapButton *m_DecorationButton = nullptr;
    CCmnHighlightSampleWidget *m_SampleWidget = nullptr;
};
