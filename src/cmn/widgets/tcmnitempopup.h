#pragma once

#include "cmnframe.h"
#include "cmnitempopupcustomselector.h"
#include "cmnlabel.h"
#include "tcmnitemchoices.h"
#include "tcmnitempopupitemselector.h"

#include <QGridLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QList>
#include <QMap>
#include <QMouseEvent>
#include <QShowEvent>
#include <QStyle>

#include <cmath>

// The side of a picker's square cells and icons, from the style's small icons.
inline int CmnItemCellSide(const QStyle *style)
{
    return style->pixelMetric(QStyle::PM_SmallIconSize) + 4;
}

// The drop-down of an item picker: a grid of square cells, each with its name
// beside it, for the palette's named and custom values, plus a "Default" cell, an
// "Other" cell for a current value that is in no list, and a "More" cell for a
// free choice. It is refilled at every opening, so values added to the shared
// palette in the meantime appear. The arrow keys move through the grid; Space or
// Return selects, Escape closes.
template <typename T>
class TCmnItemPopup : public CCmnFrame
{
public:
    TCmnItemPopup(const TCmnItemChoices<T> *choices, const QString &defaultText, QWidget *parent)
        : CCmnFrame(parent, Qt::Popup), m_Choices(choices), m_DefaultText(defaultText), m_Value()
    {
        setFrameShape(QFrame::StyledPanel);
        setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
    }

    // The value the popup was filled for, then the value chosen.
    const T &Value() const { return m_Value; }
    const QString &DefaultText() const { return m_DefaultText; }

    // The cell or label at a grid position, or null.
    QWidget *GridWidget(int row, int col) const
    {
        const auto rowIt = m_GridMap.constFind(row);
        return rowIt == m_GridMap.cend() ? nullptr : rowIt->value(col, nullptr);
    }
    QGridLayout *GridLayout() const { return m_Grid; }
    CCmnItemPopupCustomSelector *CustomCell() const { return m_CustomCell; }

    // Fills the popup for the button's current value.
    void Populate(const T &value, const QStyle *style)
    {
        const bool hasDefault = !m_DefaultText.isEmpty();
        m_Value = value;
        if (!IsValidItem(m_Value) && !hasDefault)
            m_Value = m_Choices->DefaultValue();

        const int named = int(m_Choices->NamedChoices().size());
        const int custom = int(m_Choices->CustomValues().size());
        const bool needsOther = IsValidItem(m_Value) && m_Choices->IndexOfNamed(m_Value) < 0
                                && m_Choices->IndexOfCustom(m_Value) < 0;
        const int cells = named + custom + (needsOther ? 1 : 0) + (hasDefault ? 1 : 0);
        const int positions = cells + (m_Choices->NoCustom() ? 0 : 1);

        // Each item takes two grid columns, cell and label, hence the half.
        int perRow = m_Choices->ItemsPerRow();
        if (perRow <= 0)
            perRow = int(std::ceil(std::sqrt(float(positions))) * 0.5f);
        perRow = qMax(perRow, 1);

        const int side = CmnItemCellSide(style);

        while (m_Cells.size() < cells) {
            TCmnItemPopupItemSelector<T> *cell = CreateItemSelector(m_Choices);
            cell->setFixedSize(side, side);
            m_Cells.append(cell);
            m_Labels.append(new CCmnLabel(this));
        }

        bool marked = false;
        for (int r = 0; r < int(m_Cells.size()); ++r) {
            TCmnItemPopupItemSelector<T> *cell = m_Cells.at(r);
            CCmnLabel *label = m_Labels.at(r);
            // Cells left over from a fuller filling stay out of the grid; hidden,
            // they can be neither seen nor focused.
            cell->setVisible(r < cells);
            label->setVisible(r < cells);
            if (r >= cells)
                continue;

            const int t = hasDefault ? r - 1 : r;
            if (hasDefault && r == 0)
                cell->SetItem(T(), m_DefaultText);
            else if (t < named)
                cell->SetItem(m_Choices->NamedChoices().at(t).m_Value,
                              m_Choices->NamedChoices().at(t).m_Name);
            else if (t < named + custom)
                cell->SetItem(m_Choices->CustomValues().at(t - named), CmnCustomItemName(t - named));
            else
                cell->SetItem(m_Value, QStringLiteral("Other"));

            cell->setFixedSize(side, side);
            cell->setToolTip(cell->Name());
            label->setText(QStringLiteral("  ") + cell->Name() + QStringLiteral("   "));
            const bool isValue = !marked && cell->Value() == m_Value;
            cell->SetMarked(isValue);
            marked = marked || isValue;
            cell->update();
        }

        if (!m_Choices->NoCustom() && !m_CustomCell) {
            m_CustomCell = CreateCustomSelector();
            m_CustomCell->setFixedSize(side, side);
            m_CustomCell->setFrameRect(QRect(2, 2, side - 4, side - 4));
            m_CustomLabel = new CCmnLabel(QStringLiteral("  More   "), this);
        }

        delete m_Grid;
        m_Grid = new QGridLayout(this);
        m_Grid->setContentsMargins(1, 1, 1, 1);
        m_Grid->setSpacing(0);
        m_GridMap.clear();

        int row = 0;
        int col = 0;
        for (int r = 0; r < cells; ++r) {
            Place(m_Cells.at(r), row, col);
            Place(m_Labels.at(r), row, col + 1);
            col += 2;
            if (col / 2 >= perRow) {
                ++row;
                col = 0;
            }
        }
        if (m_CustomCell) {
            Place(m_CustomCell, row, col);
            Place(m_CustomLabel, row, col + 1);
        }

        updateGeometry();
        adjustSize();
    }

protected:
    virtual bool IsValidItem(const T &value) const = 0;
    virtual TCmnItemPopupItemSelector<T> *CreateItemSelector(const TCmnItemChoices<T> *choices) = 0;
    virtual CCmnItemPopupCustomSelector *CreateCustomSelector() = 0;
    // Emits the instantiation's selected(value) with the popup's value.
    virtual void EmitSelected() = 0;
    virtual void EmitHid() = 0;

    void SetValue(const T &value) { m_Value = value; }

    // A cell reported a click: it becomes the only marked cell and its value is
    // chosen.
    void ItemSelected(TCmnItemPopupItemSelector<T> *selectedCell)
    {
        if (!selectedCell)
            return;
        for (TCmnItemPopupItemSelector<T> *cell : std::as_const(m_Cells)) {
            if (cell != selectedCell && cell->IsMarked()) {
                cell->SetMarked(false);
                cell->update();
            }
        }
        m_Value = selectedCell->Value();
        EmitSelected();
        hide();
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        int row = 0;
        int col = 0;
        QWidget *focused = FindFocus(row, col);
        const int rows = m_Grid ? m_Grid->rowCount() : 0;
        const int cols = m_Grid ? m_Grid->columnCount() : 0;

        switch (event->key()) {
        case Qt::Key_Left:
            if (col >= 2) {
                col -= 2;
            } else if (row > 0) {
                --row;
                col = cols - 2;
            }
            break;
        case Qt::Key_Up:
            if (row > 0)
                --row;
            else
                col = 0;
            break;
        case Qt::Key_Right:
            if (col < cols - 2 && GridWidget(row, col + 2)) {
                col += 2;
            } else if (row < rows - 1) {
                ++row;
                col = 0;
            }
            break;
        case Qt::Key_Down:
            if (row < rows - 1) {
                if (GridWidget(row + 1, col)) {
                    ++row;
                } else if (cols - 2 > 0) {
                    // The last row is shorter: take its last cell.
                    int c = 0;
                    while (GridWidget(row + 1, c + 2) && c + 2 <= cols - 2)
                        c += 2;
                    ++row;
                    col = c;
                }
            }
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (TCmnItemPopupItemSelector<T> *cell = ItemCell(focused)) {
                m_Value = cell->Value();
                EmitSelected();
                hide();
            }
            event->accept();
            return;
        case Qt::Key_Escape:
            event->accept();
            hide();
            return;
        default:
            event->ignore();
            return;
        }

        event->accept();
        if (QWidget *target = GridWidget(row, col))
            target->setFocus(Qt::TabFocusReason);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (!rect().contains(event->position().toPoint()))
            hide();
        else
            CCmnFrame::mouseReleaseEvent(event);
    }

    void showEvent(QShowEvent *event) override
    {
        CCmnFrame::showEvent(event);
        QWidget *target = nullptr;
        for (auto rowIt = m_GridMap.cbegin(); rowIt != m_GridMap.cend() && !target; ++rowIt) {
            for (auto colIt = rowIt->cbegin(); colIt != rowIt->cend(); ++colIt) {
                TCmnItemPopupItemSelector<T> *cell = ItemCell(colIt.value());
                if (colIt.key() % 2 == 0 && cell && cell->IsMarked()) {
                    target = cell;
                    break;
                }
            }
        }
        if (!target)
            target = GridWidget(0, 0);
        if (target)
            target->setFocus(Qt::PopupFocusReason);
        else
            setFocus(Qt::PopupFocusReason);
    }

    void hideEvent(QHideEvent *event) override
    {
        // No hidden cell may keep the focus.
        setFocus(Qt::PopupFocusReason);
        EmitHid();
        CCmnFrame::hideEvent(event);
    }

private:
    void Place(QWidget *widget, int row, int col)
    {
        m_Grid->addWidget(widget, row, col);
        m_GridMap[row][col] = widget;
    }

    // The grid position of the widget that has the focus (scanning rows from the
    // top and cells from the left), or (0, 0) and null when none has.
    QWidget *FindFocus(int &row, int &col) const
    {
        for (auto rowIt = m_GridMap.cbegin(); rowIt != m_GridMap.cend(); ++rowIt) {
            for (auto colIt = rowIt->cbegin(); colIt != rowIt->cend(); ++colIt) {
                if (colIt.key() % 2 == 0 && colIt.value()->hasFocus()) {
                    row = rowIt.key();
                    col = colIt.key();
                    return colIt.value();
                }
            }
        }
        row = 0;
        col = 0;
        return nullptr;
    }

    TCmnItemPopupItemSelector<T> *ItemCell(QWidget *widget) const
    {
        for (TCmnItemPopupItemSelector<T> *cell : m_Cells) {
            if (cell == widget)
                return cell;
        }
        return nullptr;
    }

    const TCmnItemChoices<T> *m_Choices;
    QString m_DefaultText;
    CCmnItemPopupCustomSelector *m_CustomCell = nullptr;
    CCmnLabel *m_CustomLabel = nullptr;
    QMap<int, QMap<int, QWidget *>> m_GridMap;
    QList<TCmnItemPopupItemSelector<T> *> m_Cells;
    QList<CCmnLabel *> m_Labels;
    QGridLayout *m_Grid = nullptr;
    T m_Value;
};
