#pragma once

#include "bioimportcols.h"
#include "cmnimportexportchoicepanel.h"
#include "cmnstyleditemdelegate.h"

#include <QItemSelection>
#include <QList>
#include <QStringList>

class CBioAutomaticOrCustomImportCols;
class CBioAutomaticOrCustomImportColsPanel;
class CCmnCheckBox;
class CCmnComboBox;
class CCmnKeyEventEater;
class CCmnLineEdit;
class CCmnPushButton;
class CCmnTableWidget;
class QTableWidgetItem;

// The editors of the column table come from the panel, which knows the codes.
class CBioAutomaticOrCustomImportColsPanelItemDelegate : public CCmnStyledItemDelegate
{
    Q_OBJECT
public:
    explicit CBioAutomaticOrCustomImportColsPanelItemDelegate(CBioAutomaticOrCustomImportColsPanel *panel);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

public Q_SLOTS:
    void SlotEmitCommitData();
    void SlotEmitCommitDataAndCloseEditor();

private:
    CBioAutomaticOrCustomImportColsPanel *m_Panel;
};

// The "Columns" page's panel: the deduced column set, read-only, or with
// "Customize" ticked the custom set in a table with one table column per input
// column (field, value type, label, then a preview of the file in blue), with
// buttons to add, delete and move columns and the options of the whole import.
class CBioAutomaticOrCustomImportColsPanel : public CCmnImportExportChoicePanel
{
    Q_OBJECT
public:
    enum ERow { FieldRow = 0, TypeRow = 1, LabelRow = 2, PreviewRow = 3 };
    static constexpr int kPreviewRows = 10;

    // The choice and the wizard's header texts and sample rows outlive the panel.
    CBioAutomaticOrCustomImportColsPanel(qint32 flags, CBioAutomaticOrCustomImportCols *choice,
                                         const QStringList *headers, const QList<QStringList> *rows,
                                         QBoxLayout *mainLayout, QObject *parent = nullptr);

    void EnableCustomWidgets(bool on) override;
    // Clearing "Customize" stores the table into the custom set (showing why it
    // cannot be imported, if so) and shows the deduced set either way.
    void OnCustomChanged(bool custom) override;

    // The deduction made afresh from the wizard's current texts; the custom set
    // follows it while it follows.
    void DeduceColumns();
    bool ExchangeCols(CCmnDataExchange *context, bool custom);

    void UpdateButtons();
    void UpdateColumnHeaders();
    void UpdateRowHeaders();
    void SetColumn(int column, const CBioImportCol &col);
    void SetTypeAndLabel(int column, const CBioImportCol &col);
    CBioImportCol ReadColumn(int column) const;
    qint32 FieldAt(int column) const;
    qint32 TypeAt(int column) const;
    QString LabelAt(int column) const;
    // The column of the first selected cell; -1 for none.
    int CurrentColumn() const;

    QWidget *CreateEditor(QWidget *parent, const QModelIndex &index);
    void SetEditorData(QWidget *editor, const QModelIndex &index) const;
    void SetModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const;

    CCmnTableWidget *Table() const { return m_Table; }
    CCmnPushButton *AddButton() const { return m_AddButton; }
    CCmnPushButton *DeleteButton() const { return m_DeleteButton; }
    CCmnPushButton *LeftButton() const { return m_LeftButton; }
    CCmnPushButton *RightButton() const { return m_RightButton; }
    CCmnCheckBox *CaseSensitiveCheckBox() const { return m_CaseSensitiveCheckBox; }
    CCmnCheckBox *IdFieldCheckBox() const { return m_IdFieldCheckBox; }
    CCmnCheckBox *LineNumberCheckBox() const { return m_LineNumberCheckBox; }
    CCmnLineEdit *NullIdEdit() const { return m_NullIdEdit; }
    CCmnLineEdit *MaleWordsEdit() const { return m_MaleWordsEdit; }
    CCmnLineEdit *FemaleWordsEdit() const { return m_FemaleWordsEdit; }
    CCmnComboBox *DateFormatComboBox() const { return m_DateFormatComboBox; }
    // On while a label is edited; the page filters its key presses through it.
    CCmnKeyEventEater *ReturnEater() const { return m_ReturnEater; }

protected:
    bool ExchangeChoice(CCmnDataExchange *context, bool showCustom) override;
    void OnLoading() override { DeduceColumns(); }

private Q_SLOTS:
    void Slot_itemChanged(QTableWidgetItem *item);
    void Slot_selectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void Slot_clicked_AddColumn();
    void Slot_clicked_DeleteColumn();
    void Slot_clicked_LeftColumn();
    void Slot_clicked_RightColumn();

private:
    void InsertColumn(int column, const CBioImportCol &col);
    void SelectColumn(int column);
    void AfterColumnsChanged();

    CBioAutomaticOrCustomImportCols *m_Choice;
    const QStringList *m_Headers;
    const QList<QStringList> *m_Rows;
    CCmnTableWidget *m_Table;
    CBioAutomaticOrCustomImportColsPanelItemDelegate *m_Delegate;
    CCmnPushButton *m_AddButton;
    CCmnPushButton *m_DeleteButton;
    CCmnPushButton *m_LeftButton;
    CCmnPushButton *m_RightButton;
    CCmnCheckBox *m_CaseSensitiveCheckBox;
    CCmnLineEdit *m_NullIdEdit;
    CCmnCheckBox *m_IdFieldCheckBox;
    CCmnLineEdit *m_MaleWordsEdit;
    CCmnLineEdit *m_FemaleWordsEdit;
    CCmnComboBox *m_DateFormatComboBox;
    CCmnCheckBox *m_LineNumberCheckBox;
    CCmnKeyEventEater *m_ReturnEater;
};
