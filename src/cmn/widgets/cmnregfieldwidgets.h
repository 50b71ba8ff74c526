#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>

class CCmnCheckBox;
class CCmnComboBox;
class CCmnDoubleSpinBox;
class CCmnElidedLabel;
class CCmnGridLayoutEx;
class CCmnLineEdit;
class CCmnRadioButton;
class CCmnSpinBox;
class CCmnTabOrDialogOrPanelOrPageMixin;
class CCmnTextEdit;
class QLabel;
class QLayout;
class QWidget;

// The binding of one register field to its label and editor widgets: one row of
// the fields grid of a record edit tab or of a record select dialog. The
// register's editor factory fills it in and the grid lays it out. Rows are plain
// values, copied into lists: the pointers own nothing, the widgets belong to the
// Qt parent that the grid gives them.
class CCmnRegFieldWidgets
{
public:
    // Spans above this are cut down when rows are laid out: a span comes from a
    // field definition, hence from the document, and the grid allocates per row.
    static constexpr qint32 kMaxRowSpan = 1000;

    CCmnRegFieldWidgets() = default;
    // Has-label follows the text; no editors, row span 1, every flag clear.
    explicit CCmnRegFieldWidgets(const QString &label, const QString &helpName = {});

    // Drops every editor pointer and the radio buttons, sets has-label from the
    // label text, the row span to 1 and every flag to false. The label text and
    // the help name stay.
    void Reset();

    // What holds the row's editors: (none, editor layout) when there is one;
    // otherwise (the first editor widget in the order line edit, combo box, check
    // box, spin box, decimal spin box, value label, text edit, other editor,
    // read-only label; none); (none, none) for a row without editors.
    [[nodiscard]] std::pair<QWidget *, QLayout *> EditorItem() const;
    // The widget of EditorItem, else the first widget inside the editor layout;
    // null when there is none. A label beside the row takes it as buddy.
    [[nodiscard]] QWidget *FirstEditorWidget() const;
    // The widget of EditorItem, or every widget inside the editor layout.
    [[nodiscard]] QList<QWidget *> EditorWidgets() const;

    // Grid rows the row occupies: its row span (held to 1 .. kMaxRowSpan), plus one
    // for a label standing above the editors.
    [[nodiscard]] qint32 GridHeight() const;

    // Places the row's label and editors in the grid at (row, column): the label
    // above the editors (one layout across the spans) or beside them (the label in
    // the column, the editors in the columns after it). A column span below 1
    // reaches the grid's right edge. With topAlign the editors are pushed to the
    // top by a trailing stretch, except a multi-line text edit, which grows with
    // the row. With a host that has a help page and a help name, every editor widget
    // gets the What's This text registered under the name.
    void AddToGrid(CCmnGridLayoutEx *grid, CCmnTabOrDialogOrPanelOrPageMixin *host, int row, int column,
                   int rowSpan, int columnSpan, bool topAlign) const;

    // Shows a value that cannot be edited: the plain text goes into the read-only
    // label; the value label shows the HTML text, else the plain text. A form that
    // is absent shows as empty.
    void ShowSubstitution(const std::optional<QString> &text, const std::optional<QString> &html) const;

    bool m_ReadOnly = false;     // the row displays a value and holds no editor
    bool m_BoldLabel = false;    // a bold label heads the row and takes no buddy
    QString m_Label;
    bool m_HasLabel = false;
    QString m_HelpName;          // What's This key of the editors; empty for none
    CCmnLineEdit *m_LineEdit = nullptr;
    CCmnComboBox *m_ComboBox = nullptr;
    CCmnCheckBox *m_CheckBox = nullptr;
    CCmnSpinBox *m_SpinBox = nullptr;
    CCmnDoubleSpinBox *m_DoubleSpinBox = nullptr;
    QLabel *m_ValueLabel = nullptr;      // a formatted value shown as it stands
    QWidget *m_OtherEditor = nullptr;    // any other kind of editor
    QLayout *m_EditorLayout = nullptr;   // editors in a layout of their own (radio buttons)
    QList<CCmnRadioButton *> m_RadioButtons;  // in creation order
    CCmnTextEdit *m_TextEdit = nullptr;
    CCmnElidedLabel *m_ReadOnlyLabel = nullptr;
    bool m_ColumnStart = false;  // the row opens a new column of the grid
    qint32 m_RowSpan = 1;        // grid rows of the editors, at least 1
    bool m_LabelAbove = false;   // the label stands on a row of its own above the editors
};
