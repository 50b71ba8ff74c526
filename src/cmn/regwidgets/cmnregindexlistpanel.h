#pragma once

#include "cmnlabel.h"
#include "cmnlineedit.h"

#include <QListView>
#include <QPointer>
#include <QString>

class CCmnReg;
class CCmnRegIndexList;
class CCmnRegIndexListModel;
class CCmnWidget;

// The record list of a form's side panel: one index list of the register in a
// list view, a find box above it and a count line below. The panel connects
// nothing: its owner wires the view, the find box and the model to its own slots
// and asks the panel for the current record.
class CCmnRegIndexListPanel
{
public:
    CCmnRegIndexListPanel();
    // Deletes the widgets that were never given to a panel widget.
    ~CCmnRegIndexListPanel();
    CCmnRegIndexListPanel(const CCmnRegIndexListPanel &) = delete;
    CCmnRegIndexListPanel &operator=(const CCmnRegIndexListPanel &) = delete;

    // The title (when set), "Find: " with the find box, the list and the count line.
    // Built once, after the title and the count words are set.
    CCmnWidget *CreateWidget();

    void SetIndexList(CCmnRegIndexList *list);
    void SetCountWords(const QString &singular, const QString &plural);
    // The owner calls it after every change of the model.
    void UpdateCountLabel();

    // The selected row's record; 0 when none or more than one index is selected.
    int GetCurrentRecordId() const;
    int GetCurrentRecordIdFor(const QString &text, int number) const;
    void SelectRow(int row, bool ensureVisible);
    void SelectRecord(const CCmnReg *reg, int recordId, bool ensureVisible);
    // Shows the wanted record when it exists (-1: the wanted one is shown), else
    // keeps the selection (its id), else selects the first row (its id, 0 for an
    // empty list). -1 also without view or register.
    int EnsureSelection(const CCmnReg *reg, int wantedId);
    // Selects the first row the trimmed text leads to; the selected record after.
    // A blank text changes nothing and gives 0.
    int Find(const QString &text);

    CCmnRegIndexListModel *Model() const { return m_Model; }
    QListView *View() const { return m_View; }
    CCmnLineEdit *FindBox() const { return m_FindBox; }
    CCmnLabel *CountLabel() const { return m_CountLabel; }
    CCmnLabel *TitleLabel() const { return m_TitleLabel; }

    QString m_Title;

private:
    CCmnRegIndexListModel *m_Model;
    QPointer<QListView> m_View;
    QPointer<CCmnLineEdit> m_FindBox;
    QPointer<CCmnLabel> m_CountLabel;
    QString m_Singular;
    QString m_Plural;
    QPointer<CCmnLabel> m_TitleLabel;
};
