#pragma once

#include "cmnpanel.h"

#include <QList>

class CCmnComboBox;
class CCmnListWidget;
class CCmnReg;
class CCmnRegExportColumns;
class QBoxLayout;

// The choice of the columns of a record table export or printout: a list of the
// register's columns to tick, "Set All" and "Clear All", and the format of the
// dates. Edits the caller's choice through the exchange.
class CCmnRegExportColsPanel : public CCmnPanel
{
    Q_OBJECT
public:
    CCmnRegExportColsPanel(const CCmnReg &reg, const QString &helpPage, CCmnRegExportColumns *choice,
                           QBoxLayout *parentLayout, QObject *parent = nullptr);

    bool DataExchange(CCmnDataExchange *context) override;

    CCmnListWidget *ListWidget() const { return m_List; }
    CCmnComboBox *DateFormatComboBox() const { return m_DateFormat; }
    const QList<int> &ColumnIds() const { return m_ColumnIds; }

public Q_SLOTS:
    void Slot_clicked_SetAll();
    void Slot_clicked_ClearAll();

private:
    void CheckAll(bool checked);

    const CCmnReg &m_Reg;
    CCmnRegExportColumns *m_Choice;
    QList<int> m_ColumnIds;
    CCmnListWidget *m_List;
    CCmnComboBox *m_DateFormat;
};
