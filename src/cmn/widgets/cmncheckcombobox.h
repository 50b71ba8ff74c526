#pragma once

#include "cmncheckcomboitem.h"
#include "cmncombobox.h"

#include <QList>

class CCmnCheckComboModel;
class QModelIndex;

// A combo box whose list rows carry check marks. The user ticks several rows; the
// edit field and the tool tip show the summary texts of the ticked rows, or the
// text of a group row whose rows are exactly the ticked ones. Clicking a group row
// ticks exactly its rows, and unticking it unticks them.
//
// Kinds of rows: a plain checkable row has a record of its own without the
// not-checkable and group flags; a group row has the group flag; anything else (a
// heading, or a row added without a record) never counts.
class CCmnCheckComboBox : public CCmnComboBox
{
    Q_OBJECT
public:
    explicit CCmnCheckComboBox(QWidget *parent = nullptr);

    [[nodiscard]] CCmnCheckComboModel *CheckModel() const { return m_Model; }
    // Appends a row showing text, with its record; returns the row's index.
    int AddRow(const QString &text, const CCmnCheckComboItem &item);

    // The field of the row's record, or of the default record.
    [[nodiscard]] int ItemFlags(int row) const;
    [[nodiscard]] QString ItemText(int row) const;
    [[nodiscard]] QList<int> ItemGroup(int row) const;

    // Whether a plain checkable row or a group row is ticked; false for the rest.
    [[nodiscard]] bool IsRowChecked(int row) const;
    // The plain checkable rows in row order: only those with the selected flag
    // unless includeAll is set, and only ticked ones when onlyTicked is set.
    [[nodiscard]] QList<int> CheckedRows(bool onlyTicked, bool includeAll) const;

    // Tick or untick the plain checkable rows of the group, leaving its other rows
    // alone, then update the summary.
    void CheckRows(const QList<int> &group);
    void UncheckRows(const QList<int> &group);
    // Unticks every plain checkable row, then ticks the group's.
    void CheckOnlyRows(const QList<int> &group);

    // Marks the group rows that match the ticked rows and shows the summary in the
    // edit field and the tool tip. Does nothing while the summary is disabled.
    void UpdateSummary();

    [[nodiscard]] bool SummaryEnabled() const { return m_SummaryEnabled; }
    // While disabled, a run of changes does not rebuild the summary each time; the
    // caller updates it once at the end.
    void SetSummaryEnabled(bool enabled) { m_SummaryEnabled = enabled; }
    [[nodiscard]] QString Separator() const { return m_Separator; }

    // Wide enough for the whole summary; the minimum stops at a width that a long
    // summary cannot push past, and the tool tip shows what is cut off there.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    void SetSeparator(const QString &separator) { m_Separator = separator; }

public Q_SLOTS:
    // The list view's clicked(): the view has already toggled the row's check
    // mark when the click was on it.
    void Slot_clicked_View(const QModelIndex &index);

protected:
    // Called after the user clicked a plain checkable row, before the summary is
    // updated. Does nothing here.
    virtual void RowToggled(int row, bool checked);

private:
    [[nodiscard]] bool IsPlainCheckableRow(int row) const;
    // The box's size for a text of the given width in its edit field.
    [[nodiscard]] QSize SizeForTextWidth(int textWidth) const;
    void SetRowsChecked(const QList<int> &group, bool checked);

    CCmnCheckComboModel *m_Model;
    bool m_SummaryEnabled = true;
    QString m_Separator = QStringLiteral(", ");
};
