#include "cmnhighlightctrl.h"

#include "cmnboxlayout.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmnhighlighteditorflags.h"
#include "cmnhighlightdialog.h"
#include "cmnhighlightsamplewidget.h"
#include "cmnlabel.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmnwidgetsetup.h"

#include <QBoxLayout>
#include <QLineEdit>

CCmnHighlightCtrl::CCmnHighlightCtrl(QObject *parent, qint32 flags, const QString &sampleText, qint32 layoutForm,
                                     const QString &labelText)
    : CCmnCtrl(parent)
    , m_Flags(flags)
    , m_SampleText(sampleText.isEmpty() ? tr("Sample") : sampleText)
    , m_LayoutForm(layoutForm)
    , m_ComboBox(new CCmnComboBox)
{
    m_ComboBox->setMaxVisibleItems(30);
    m_ComboBox->setMinimumContentsLength(15);
    CmnComboUseReadOnlyLineEdit(m_ComboBox);
    m_ComboBox->addItems(CCmnHighlight::PresetNames());
    m_ComboBox->addItem(tr("Custom..."));
    connect(m_ComboBox, &QComboBox::activated, this, &CCmnHighlightCtrl::Slot_activated_ComboBox);

    QBoxLayout *layout = nullptr;
    if (layoutForm == 0) {
        layout = CmnBoxLayout(CmnBoxLayoutHorizontal, m_ComboBox);
    } else {
        m_SampleWidget = new CCmnHighlightSampleWidget(flags & CmnHighlightDecorationFirst, m_SampleText);
        // The sample only shows; the combo box takes the clicks.
        m_SampleWidget->setEnabled(false);
        if (!labelText.isEmpty()) {
            const QString caption = layoutForm == 3 ? QLatin1Char(' ') + labelText : labelText;
            m_Label = new CCmnLabel(caption + QLatin1Char(':'));
        }
        QBoxLayout *row = CmnBoxLayout(CmnBoxLayoutHorizontal, m_Label, m_SampleWidget);
        switch (layoutForm) {
        case 1:
            layout = CmnBoxLayout(CmnBoxLayoutVertical, CCmnLayoutItem::Layout(row), m_ComboBox);
            break;
        case 2:
            layout = CmnBoxLayout(CmnBoxLayoutVertical, m_ComboBox, CCmnLayoutItem::Layout(row));
            break;
        case 3:
            layout = CmnBoxLayout(CmnBoxLayoutHorizontal, m_ComboBox, CCmnLayoutItem::Layout(row));
            break;
        default:
            layout = CmnBoxLayout(CmnBoxLayoutHorizontal, CCmnLayoutItem::Layout(row), m_ComboBox);
            break;
        }
    }
    SetLayout(layout);
}

bool CCmnHighlightCtrl::ExchangeHighlight(const CCmnDataExchange *context, CCmnHighlight *highlight)
{
    if (!highlight)
        return true;
    if (context->m_Save)
        *highlight = m_Highlight;
    else
        SetHighlight(*highlight);
    return true;
}

void CCmnHighlightCtrl::SetHighlight(const CCmnHighlight &highlight)
{
    m_Highlight = highlight;
    m_ComboBox->lineEdit()->setText(m_Highlight.PresetName());
    if (m_SampleWidget)
        m_SampleWidget->SetHighlight(m_Highlight);
}

void CCmnHighlightCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &name)
{
    SetWidgetHelpName(mixin, m_ComboBox, name);
    SetWidgetHelpName(mixin, m_SampleWidget, name);
}

void CCmnHighlightCtrl::Slot_activated_ComboBox(int row)
{
    if (SlotsBlocked())
        return;
    const int presetCount = int(CCmnHighlight::PresetNames().size());
    if (row >= 0 && row < presetCount) {
        m_Highlight = CCmnHighlight::Preset(row);
    } else {
        CCmnHighlightDialog dialog(m_Flags, m_SampleText, m_ComboBox);
        dialog.SetHighlight(m_Highlight);
        const int result = m_DialogRunner ? m_DialogRunner(dialog) : dialog.Exec();
        if (result == QDialog::Accepted)
            m_Highlight = dialog.Highlight();
    }
    // The combo box shows the row just chosen; the name of what the control now
    // holds replaces it, so a cancelled "Custom..." shows the old name again.
    SetHighlight(m_Highlight);
}
