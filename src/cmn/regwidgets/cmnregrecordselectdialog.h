#pragma once

#include "cmndialogex.h"
#include "cmnregrecordfieldstabordialogmixin.h"

#include <QList>
#include <QModelIndex>
#include <QString>

class CCmnDialogButtonBox;
class CCmnGeometryKeeper;
class CCmnListView;
class CCmnReg;
class CCmnRegIndexListModel;
class CCmnSplitter;
class QGroupBox;
class QVBoxLayout;

// The window that picks one record: a type-ahead list of names on the left and,
// on the right, the read-only key fields of the record under the cursor. Records
// the caller cannot use are refused with its reason while the window stays open.
// A derived window makes the model and the right-hand widgets, then lays them out
// with CreateSplitterLayout; the caller reads m_ChosenId after OK (0: none).
class CCmnRegRecordSelectDialog : public CCmnDialogEx, public CCmnRegRecordFieldsTabOrDialogMixin
{
    Q_OBJECT
public:
    CCmnRegRecordSelectDialog(const CCmnGeometryKeeper &geometry, CCmnReg *reg, QWidget *parent = nullptr);
    ~CCmnRegRecordSelectDialog() override;

    // The dialog owns the model.
    void SetModel(CCmnRegIndexListModel *model);
    CCmnRegIndexListModel *Model() const { return m_Model; }
    // A group box "Key Fields" with a read-only row per field of the select-record
    // layout; it becomes the key-field widget.
    QGroupBox *CreateKeyFieldsPanel();
    void CreateSplitterLayout();
    void SetUnusableRecords(const QList<int> &recordIds, const QString &reason);
    // What a refused choice is told, for the reason given with the unusable records.
    static QString RefusalText(const QString &reason);
    void SetMoreInformation(const QString &buttonText, const QString &helpText);
    void SetCurrentRecord(int recordId);
    // The record's row; for no record or one not listed, 0 when the list has rows,
    // else -1.
    int FindRowOfRecord(int recordId) const;
    // 0 for a negative row.
    int GetRecordIdAt(int row) const;

    CCmnListView *ListView() const { return m_ListView; }
    // The list's own layout, for controls that belong under the list.
    QVBoxLayout *ListLayout() const { return m_ListLayout; }
    CCmnSplitter *Splitter() const { return m_Splitter; }
    // The settings key of the splitter; empty when the window remembers nothing.
    QString SplitterKey() const;

    int m_ChosenId = 0;
    QWidget *m_KeyFieldsWidget = nullptr;
    QWidget *m_SecondWidget = nullptr;

public Q_SLOTS:
    void Slot_currentRowChanged_ListView(const QModelIndex &current, const QModelIndex &previous);
    void Slot_doubleClicked_ListView(const QModelIndex &index);
    void Slot_clicked_ForMoreInfo();

protected:
    virtual void AddButtons(CCmnDialogButtonBox *buttonBox);
    bool DataExchange(CCmnDataExchange *context) override;
    virtual void ShowRecordDetails(int recordId);
    virtual void SelectRow(int row);

    void AddControls(QBoxLayout *layout) override;
    void AddControlsAfterButtonBox(QBoxLayout *layout) override;

    CCmnReg *m_SelectReg;

private:
    CCmnListView *m_ListView;
    QVBoxLayout *m_ListLayout;
    CCmnRegIndexListModel *m_Model = nullptr;
    CCmnSplitter *m_Splitter = nullptr;
    QList<int> m_UnusableIds;
    QString m_UnusableReason;
    QString m_MoreInfoButtonText;
    QString m_MoreInfoText;
};
