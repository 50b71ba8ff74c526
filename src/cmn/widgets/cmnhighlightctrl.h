#pragma once

#include "cmnctrl.h"
#include "cmnhighlight.h"

#include <QString>

#include <functional>

class CCmnComboBox;
class CCmnDataExchange;
class CCmnHighlightDialog;
class CCmnHighlightSampleWidget;
class CCmnLabel;

// Runs the "Highlighting" dialog that "Custom..." opens, already loaded with the
// control's highlight, and returns its result (QDialog::Accepted or Rejected).
// Tests answer through it (Prepare, change the rows, OK or Cancel) instead of a
// modal run.
using TCmnHighlightDialogRunner = std::function<int(CCmnHighlightDialog &dialog)>;

// The control that chooses a highlight: a combo box of the presets and "Custom...",
// which opens the "Highlighting" dialog, and, in every layout form but 0, a sample
// of the highlight with an optional caption. The flags (ECmnHighlightEditorFlag)
// go to the sample and the dialog. Hosts exchange it with ExchangeHighlight.
class CCmnHighlightCtrl : public CCmnCtrl
{
    Q_OBJECT
public:
    // Layout forms: 0 the combo box alone; 1 caption and sample above the combo
    // box; 2 below it; 3 after it; any other before it. An empty sample text
    // shows "Sample"; an empty label text gives no caption.
    CCmnHighlightCtrl(QObject *parent, qint32 flags, const QString &sampleText, qint32 layoutForm,
                      const QString &labelText);

    // Load shows the highlight; save copies the control's out (when a pointer is
    // given). Never refuses.
    bool ExchangeHighlight(const CCmnDataExchange *context, CCmnHighlight *highlight);
    // Shows the highlight by its preset name ("Custom" for any other) and on the
    // sample; the combo box's current row stays as it is.
    void SetHighlight(const CCmnHighlight &highlight);
    const CCmnHighlight &Highlight() const { return m_Highlight; }

    // The combo box and the sample share the help name.
    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &name) override;

    // An empty runner restores the modal run.
    void SetDialogRunner(TCmnHighlightDialogRunner runner) { m_DialogRunner = std::move(runner); }

    qint32 Flags() const { return m_Flags; }
    const QString &SampleText() const { return m_SampleText; }
    qint32 LayoutForm() const { return m_LayoutForm; }
    CCmnComboBox *ComboBox() const { return m_ComboBox; }
    // Null in layout form 0.
    CCmnHighlightSampleWidget *SampleWidget() const { return m_SampleWidget; }
    // Null without a sample or a label text.
    CCmnLabel *Label() const { return m_Label; }

public Q_SLOTS:
    // A preset row sets that preset; "Custom..." asks the dialog.
    void Slot_activated_ComboBox(int row);

private:
    qint32 m_Flags;
    QString m_SampleText;
    qint32 m_LayoutForm;
    CCmnComboBox *m_ComboBox;
    CCmnHighlightSampleWidget *m_SampleWidget = nullptr;
    CCmnLabel *m_Label = nullptr;
    CCmnHighlight m_Highlight;
    TCmnHighlightDialogRunner m_DialogRunner;
};
