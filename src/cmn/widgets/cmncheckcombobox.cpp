#include "cmncheckcombobox.h"

#include "cmncheckcombomodel.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {

constexpr int kGroupFlag = CCmnCheckComboItem::FlagGroup;
// The most characters of summary the minimum width makes room for.
constexpr int kMinimumSummaryChars = 40;

} // namespace

CCmnCheckComboBox::CCmnCheckComboBox(QWidget *parent)
    : CCmnComboBox(parent), m_Model(new CCmnCheckComboModel(this))
{
    setModel(m_Model);
    setEditable(true);
    // The edit field shows the summary: Return there must not add it as a row.
    setInsertPolicy(QComboBox::NoInsert);
    connect(view(), &QAbstractItemView::clicked, this, &CCmnCheckComboBox::Slot_clicked_View);
}

int CCmnCheckComboBox::AddRow(const QString &text, const CCmnCheckComboItem &item)
{
    const int row = count();
    const QString summary = currentText();
    addItem(text);
    m_Model->SetItem(row, item);
    // The first row added becomes the current one and puts its text in the edit
    // field. No row is current in a check combo: the field shows the summary.
    if (currentIndex() != -1) {
        setCurrentIndex(-1);
        setEditText(summary);
    }
    return row;
}

int CCmnCheckComboBox::ItemFlags(int row) const
{
    return m_Model->Item(row).m_Flags;
}

QString CCmnCheckComboBox::ItemText(int row) const
{
    return m_Model->Item(row).m_SummaryText;
}

QList<int> CCmnCheckComboBox::ItemGroup(int row) const
{
    return m_Model->Item(row).m_Group;
}

bool CCmnCheckComboBox::IsPlainCheckableRow(int row) const
{
    return m_Model->HasItem(row)
        && !(ItemFlags(row) & (CCmnCheckComboItem::FlagNotCheckable | kGroupFlag));
}

bool CCmnCheckComboBox::IsRowChecked(int row) const
{
    if (!IsPlainCheckableRow(row) && !(ItemFlags(row) & kGroupFlag))
        return false;
    return m_Model->index(row, 0).data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

QList<int> CCmnCheckComboBox::CheckedRows(bool onlyTicked, bool includeAll) const
{
    QList<int> rows;
    const int rowCount = m_Model->rowCount();
    for (int row = 0; row < rowCount; ++row) {
        if (!IsPlainCheckableRow(row))
            continue;
        if (!includeAll && !(ItemFlags(row) & CCmnCheckComboItem::FlagSelected))
            continue;
        if (onlyTicked && !IsRowChecked(row))
            continue;
        rows.append(row);
    }
    return rows;
}

void CCmnCheckComboBox::SetRowsChecked(const QList<int> &group, bool checked)
{
    for (const int row : group) {
        if (IsPlainCheckableRow(row))
            m_Model->setData(m_Model->index(row, 0), checked ? Qt::Checked : Qt::Unchecked,
                             Qt::CheckStateRole);
    }
}

void CCmnCheckComboBox::CheckRows(const QList<int> &group)
{
    SetRowsChecked(group, true);
    UpdateSummary();
}

void CCmnCheckComboBox::UncheckRows(const QList<int> &group)
{
    SetRowsChecked(group, false);
    UpdateSummary();
}

void CCmnCheckComboBox::CheckOnlyRows(const QList<int> &group)
{
    SetRowsChecked(CheckedRows(false, true), false);
    CheckRows(group);
}

void CCmnCheckComboBox::UpdateSummary()
{
    if (!m_SummaryEnabled)
        return;

    const QList<int> ticked = CheckedRows(true, true);
    QString groupText;
    QStringList names;
    const int rowCount = m_Model->rowCount();
    for (int row = 0; row < rowCount; ++row) {
        if (ItemFlags(row) & kGroupFlag) {
            const bool matches = ItemGroup(row) == ticked;
            m_Model->setData(m_Model->index(row, 0), matches ? Qt::Checked : Qt::Unchecked,
                             Qt::CheckStateRole);
            if (matches)
                groupText = ItemText(row);
        } else if (ticked.contains(row)) {
            names.append(ItemText(row));
        }
    }

    // A matching group row without a text of its own leaves the list of names.
    const QString summary = !groupText.isEmpty() ? groupText : names.join(m_Separator);
    setEditText(summary);
    if (QLineEdit *edit = lineEdit())
        edit->setCursorPosition(0);
    setToolTip(summary);
    updateGeometry();
}

QSize CCmnCheckComboBox::SizeForTextWidth(int textWidth) const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    // The line edit's own text margins and cursor room, as QLineEdit sizes itself.
    const int editChrome = 2 * 2 + 2;
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option,
                                     QSize(textWidth + editChrome, fontMetrics().height()), this);
}

QSize CCmnCheckComboBox::sizeHint() const
{
    const QSize base = CCmnComboBox::sizeHint();
    const int summaryWidth = fontMetrics().horizontalAdvance(currentText());
    return base.expandedTo(QSize(SizeForTextWidth(summaryWidth).width(), 0));
}

QSize CCmnCheckComboBox::minimumSizeHint() const
{
    const QSize base = CCmnComboBox::minimumSizeHint();
    const QFontMetrics metrics = fontMetrics();
    const int summaryWidth = qMin(metrics.horizontalAdvance(currentText()),
                                  metrics.averageCharWidth() * kMinimumSummaryChars);
    return base.expandedTo(QSize(SizeForTextWidth(summaryWidth).width(), 0));
}

void CCmnCheckComboBox::Slot_clicked_View(const QModelIndex &index)
{
    if (SlotsBlocked())
        return;
    const int row = index.row();
    if (ItemFlags(row) & kGroupFlag) {
        if (IsRowChecked(row))
            CheckOnlyRows(ItemGroup(row));
        else
            UncheckRows(ItemGroup(row));
    } else if (IsPlainCheckableRow(row)) {
        RowToggled(row, IsRowChecked(row));
        UpdateSummary();
    }
}

void CCmnCheckComboBox::RowToggled(int /*row*/, bool /*checked*/)
{
}
