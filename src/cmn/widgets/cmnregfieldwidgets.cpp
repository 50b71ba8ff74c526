#include "cmnregfieldwidgets.h"

#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndoublespinbox.h"
#include "cmnelidedlabel.h"
#include "cmngridlayoutex.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnregfieldgrid.h"
#include "cmnspinbox.h"
#include "cmntabordialogorpanelorpagemixin.h"
#include "cmntextedit.h"

#include <QBoxLayout>
#include <QLabel>

namespace {

// QGridLayout reads a span of -1 as "to the right edge"; 0 or less would otherwise
// give an item that ends before it starts.
int GridColumnSpan(int columnSpan)
{
    return columnSpan < 1 ? -1 : columnSpan;
}

} // namespace

CCmnRegFieldWidgets::CCmnRegFieldWidgets(const QString &label, const QString &helpName)
    : m_Label(label)
    , m_HasLabel(!label.isEmpty())
    , m_HelpName(helpName)
{
}

void CCmnRegFieldWidgets::Reset()
{
    *this = CCmnRegFieldWidgets(m_Label, m_HelpName);
}

std::pair<QWidget *, QLayout *> CCmnRegFieldWidgets::EditorItem() const
{
    if (m_EditorLayout)
        return {nullptr, m_EditorLayout};
    QWidget *const preference[] = {m_LineEdit, m_ComboBox,  m_CheckBox,    m_SpinBox,      m_DoubleSpinBox,
                                   m_ValueLabel, m_TextEdit, m_OtherEditor, m_ReadOnlyLabel};
    for (QWidget *widget : preference) {
        if (widget)
            return {widget, nullptr};
    }
    return {nullptr, nullptr};
}

QWidget *CCmnRegFieldWidgets::FirstEditorWidget() const
{
    const QList<QWidget *> widgets = EditorWidgets();
    return widgets.isEmpty() ? nullptr : widgets.first();
}

QList<QWidget *> CCmnRegFieldWidgets::EditorWidgets() const
{
    const auto [widget, layout] = EditorItem();
    if (widget)
        return {widget};
    return CmnLayoutWidgets(layout);
}

qint32 CCmnRegFieldWidgets::GridHeight() const
{
    const qint32 span = qBound(1, m_RowSpan, kMaxRowSpan);
    return m_HasLabel && m_LabelAbove ? span + 1 : span;
}

void CCmnRegFieldWidgets::AddToGrid(CCmnGridLayoutEx *grid, CCmnTabOrDialogOrPanelOrPageMixin *host, int row,
                                    int column, int rowSpan, int columnSpan, bool topAlign) const
{
    if (!grid)
        return;
    const auto [editorWidget, editorLayout] = EditorItem();
    const CCmnLayoutItem editorItem =
        editorWidget ? CCmnLayoutItem(editorWidget) : CCmnLayoutItem::Layout(editorLayout);

    CCmnLabel *label = nullptr;
    if (m_HasLabel)
        label = CmnNewFieldLabel(m_Label, m_BoldLabel, FirstEditorWidget());

    // A text edit keeps all the height the row gets; other editors sit at the top.
    const bool stretchBelow = topAlign && !m_TextEdit;
    const qint32 verticalFlags = CmnBoxLayoutVertical | CmnBoxLayoutNoMargins;
    if (m_LabelAbove) {
        QBoxLayout *box = CmnBoxLayout(stretchBelow ? verticalFlags | CmnBoxLayoutStretch : verticalFlags,
                                       label, editorItem);
        grid->AddLayout(box, row, column, rowSpan, GridColumnSpan(columnSpan));
    } else {
        if (label)
            grid->AddWidget(label, row, column, 1, 1, Qt::AlignTop);
        const int editorSpan = GridColumnSpan(columnSpan - 1);
        // Always the editor item: a row whose editors have a layout of their own
        // brings that whole layout, not one widget out of it.
        if (stretchBelow)
            grid->AddLayout(CmnBoxLayout(verticalFlags | CmnBoxLayoutStretch, editorItem), row, column + 1,
                            rowSpan, editorSpan);
        else if (editorWidget)
            grid->AddWidget(editorWidget, row, column + 1, rowSpan, editorSpan);
        else
            grid->AddLayout(editorLayout, row, column + 1, rowSpan, editorSpan);
    }

    if (host && !host->HelpPage().isEmpty() && !m_HelpName.isEmpty()) {
        const QList<QWidget *> editors = EditorWidgets();
        for (QWidget *editor : editors)
            SetWidgetHelpName(host, editor, m_HelpName);
    }
}

void CCmnRegFieldWidgets::ShowSubstitution(const std::optional<QString> &text,
                                           const std::optional<QString> &html) const
{
    if (m_ReadOnlyLabel)
        m_ReadOnlyLabel->SetText(text.value_or(QString()));
    if (m_ValueLabel)
        m_ValueLabel->setText(html ? *html : text.value_or(QString()));
}
