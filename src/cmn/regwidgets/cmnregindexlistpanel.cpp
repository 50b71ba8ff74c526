#include "cmnregindexlistpanel.h"

#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnnumbertext.h"
#include "cmnreg.h"
#include "cmnregindexlistmodel.h"
#include "cmnwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QVBoxLayout>

CCmnRegIndexListPanel::CCmnRegIndexListPanel()
    : m_Model(new CCmnRegIndexListModel)
    , m_View(new QListView)
    , m_FindBox(new CCmnLineEdit)
    , m_CountLabel(new CCmnLabel)
{
    m_View->setModel(m_Model);
    m_View->setSelectionMode(QAbstractItemView::SingleSelection);
    m_View->setAlternatingRowColors(true);
    // Words come from the terminology, which the user may type.
    m_CountLabel->setTextFormat(Qt::PlainText);
}

CCmnRegIndexListPanel::~CCmnRegIndexListPanel()
{
    for (QWidget *widget : {static_cast<QWidget *>(m_View), static_cast<QWidget *>(m_FindBox),
                            static_cast<QWidget *>(m_CountLabel)}) {
        if (widget && !widget->parent())
            delete widget;
    }
    // The view held the model; it is gone now, whoever owned it.
    delete m_Model;
}

CCmnWidget *CCmnRegIndexListPanel::CreateWidget()
{
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    if (!m_Title.isEmpty()) {
        m_TitleLabel = new CCmnLabel;
        m_TitleLabel->setTextFormat(Qt::PlainText);
        m_TitleLabel->setText(m_Title);
        m_TitleLabel->setStyleSheet(QStringLiteral("QLabel { font-size: 20pt; }"));
        layout->addWidget(m_TitleLabel);
    }
    auto *findRow = new QHBoxLayout;
    findRow->addWidget(new QLabel(QStringLiteral("Find: ")));
    findRow->addWidget(m_FindBox, 1);
    layout->addLayout(findRow);
    layout->addWidget(m_View, 1);
    layout->addWidget(m_CountLabel);
    return new CCmnWidget(layout);
}

void CCmnRegIndexListPanel::SetIndexList(CCmnRegIndexList *list)
{
    m_Model->SetIndexList(list);
}

void CCmnRegIndexListPanel::SetCountWords(const QString &singular, const QString &plural)
{
    m_Singular = singular;
    m_Plural = plural;
    UpdateCountLabel();
}

void CCmnRegIndexListPanel::UpdateCountLabel()
{
    if (m_CountLabel)
        m_CountLabel->setText(CmnCountText(m_Model->rowCount(), m_Singular, m_Plural));
}

int CCmnRegIndexListPanel::GetCurrentRecordId() const
{
    if (!m_View || !m_View->selectionModel())
        return 0;
    const QModelIndexList selected = m_View->selectionModel()->selectedIndexes();
    return selected.size() == 1 ? m_Model->RecordIdAtRow(selected.first().row()) : 0;
}

int CCmnRegIndexListPanel::GetCurrentRecordIdFor(const QString &, int) const
{
    return GetCurrentRecordId();
}

void CCmnRegIndexListPanel::SelectRow(int row, bool ensureVisible)
{
    if (row < 0 || !m_View || !m_View->selectionModel())
        return;
    const QModelIndex first = m_Model->index(row, 0);
    const QModelIndex last = m_Model->index(row, m_Model->columnCount() - 1);
    m_View->selectionModel()->select(QItemSelection(first, last), QItemSelectionModel::Select);
    m_View->setCurrentIndex(first);
    if (ensureVisible)
        m_View->scrollTo(first, QAbstractItemView::EnsureVisible);
}

void CCmnRegIndexListPanel::SelectRecord(const CCmnReg *reg, int recordId, bool ensureVisible)
{
    if (reg)
        SelectRow(m_Model->RowOfRecord(reg, recordId), ensureVisible);
}

int CCmnRegIndexListPanel::EnsureSelection(const CCmnReg *reg, int wantedId)
{
    if (!m_View || !reg)
        return -1;
    const int current = GetCurrentRecordId();
    if (wantedId > 0 && reg->HasRecNo(wantedId)) {
        if (wantedId != current)
            SelectRecord(reg, wantedId, true);
        return -1;
    }
    if (current > 0)
        return current;
    const int first = m_Model->RecordIdAtRow(0);
    if (first > 0)
        SelectRow(0, true);
    return first;
}

int CCmnRegIndexListPanel::Find(const QString &text)
{
    if (!m_View)
        return 0;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    SelectRow(m_Model->RowForText(trimmed), true);
    return GetCurrentRecordId();
}
