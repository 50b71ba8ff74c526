#include "bioautomaticorcustomimportcolspanel.h"

#include "bioautomaticorcustomimportcols.h"
#include "bioimportcolsdeduction.h"
#include "bioimportcomboboxes.h"
#include "cmnappdescriptor.h"
#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmndate.h"
#include "cmndateformats.h"
#include "cmndatewidgets.h"
#include "cmnexchangeflags.h"
#include "cmnkeyeventeater.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnpushbutton.h"
#include "cmnslotblocker.h"
#include "cmntablewidget.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QHBoxLayout>

namespace {

const QString kHelpPage = QStringLiteral("CBioAutomaticOrCustomImportColsPage.html");
constexpr int kWordEditChars = 12;

QTableWidgetItem *ReadOnlyItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

CCmnLabel *BuddyLabel(const QString &text, QWidget *buddy)
{
    auto *label = new CCmnLabel(text);
    label->setBuddy(buddy);
    return label;
}

} // namespace

CBioAutomaticOrCustomImportColsPanelItemDelegate::CBioAutomaticOrCustomImportColsPanelItemDelegate(
    CBioAutomaticOrCustomImportColsPanel *panel)
    : CCmnStyledItemDelegate(panel)
    , m_Panel(panel)
{
}

QWidget *CBioAutomaticOrCustomImportColsPanelItemDelegate::createEditor(QWidget *parent,
                                                                        const QStyleOptionViewItem &,
                                                                        const QModelIndex &index) const
{
    return m_Panel->CreateEditor(parent, index);
}

void CBioAutomaticOrCustomImportColsPanelItemDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    m_Panel->SetEditorData(editor, index);
}

void CBioAutomaticOrCustomImportColsPanelItemDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                                                    const QModelIndex &index) const
{
    m_Panel->SetModelData(editor, model, index);
}

void CBioAutomaticOrCustomImportColsPanelItemDelegate::SlotEmitCommitData()
{
    if (auto *editor = qobject_cast<QWidget *>(sender()))
        emit commitData(editor);
}

void CBioAutomaticOrCustomImportColsPanelItemDelegate::SlotEmitCommitDataAndCloseEditor()
{
    // A Return the view handled itself has closed (hidden) the editor already;
    // the editing it ends then reaches here too late to commit.
    if (auto *editor = qobject_cast<QWidget *>(sender()); editor && !editor->isHidden()) {
        emit commitData(editor);
        emit closeEditor(editor);
    }
}

CBioAutomaticOrCustomImportColsPanel::CBioAutomaticOrCustomImportColsPanel(qint32 flags,
                                                                           CBioAutomaticOrCustomImportCols *choice,
                                                                           const QStringList *headers,
                                                                           const QList<QStringList> *rows,
                                                                           QBoxLayout *mainLayout, QObject *parent)
    : CCmnImportExportChoicePanel(flags, &choice->m_Automatic, mainLayout, parent)
    , m_Choice(choice)
    , m_Headers(headers)
    , m_Rows(rows)
{
    SetHelpPage(kHelpPage);
    SetExplanation(QStringLiteral("<p>%1 has deduced the input columns as shown below. If you need to make changes, "
                                  "click <b>Customize</b>. Note the input columns must match the structure of your "
                                  "import file.</p>")
                       .arg(CmnGetAppDescriptor().m_ProductDisplayName.toHtmlEscaped()));

    m_Table = new CCmnTableWidget;
    m_Delegate = new CBioAutomaticOrCustomImportColsPanelItemDelegate(this);
    m_Table->setItemDelegate(m_Delegate);
    m_Table->setSelectionBehavior(QAbstractItemView::SelectColumns);
    m_Table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_Table->setRowCount(PreviewRow);
    m_Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_Table->verticalHeader()->setSectionsMovable(false);
    m_Table->horizontalHeader()->setSectionsMovable(false);
    SetWidgetHelpName(this, m_Table, QStringLiteral("TableWidget"));

    m_AddButton = new CCmnPushButton(QStringLiteral("Add Column"));
    m_DeleteButton = new CCmnPushButton(QStringLiteral("Delete Column"));
    m_LeftButton = new CCmnPushButton(QStringLiteral("Move Column Left"));
    m_RightButton = new CCmnPushButton(QStringLiteral("Move Column Right"));
    m_CaseSensitiveCheckBox = new CCmnCheckBox(QStringLiteral("Case Sensitive IDs"));
    m_NullIdEdit = new CCmnLineEdit;
    m_IdFieldCheckBox = new CCmnCheckBox(QStringLiteral("Create ID field"));
    m_MaleWordsEdit = new CCmnLineEdit;
    m_MaleWordsEdit->SetMinimumWidthInChars(kWordEditChars);
    m_FemaleWordsEdit = new CCmnLineEdit;
    m_FemaleWordsEdit->SetMinimumWidthInChars(kWordEditChars);
    m_DateFormatComboBox =
        CmnCreateDateFormatComboBox(CmnGetDateOutputFormats(), true, false, CCmnDate::Today(), nullptr);
    m_LineNumberCheckBox = new CCmnCheckBox(QStringLiteral("Create line number field"));
    SetWidgetHelpName(this, m_AddButton, QStringLiteral("AddCol"));
    SetWidgetHelpName(this, m_DeleteButton, QStringLiteral("DeleteCol"));
    SetWidgetHelpName(this, m_LeftButton, QStringLiteral("LeftCol"));
    SetWidgetHelpName(this, m_RightButton, QStringLiteral("RightCol"));
    SetWidgetHelpName(this, m_CaseSensitiveCheckBox, QStringLiteral("CaseSensitiveIDs"));
    SetWidgetHelpName(this, m_NullIdEdit, QStringLiteral("NullID"));
    SetWidgetHelpName(this, m_IdFieldCheckBox, QStringLiteral("AddIDField"));
    SetWidgetHelpName(this, m_MaleWordsEdit, QStringLiteral("MaleWords"));
    SetWidgetHelpName(this, m_FemaleWordsEdit, QStringLiteral("FemaleWords"));
    SetWidgetHelpName(this, m_DateFormatComboBox, QStringLiteral("DateFormat"));
    SetWidgetHelpName(this, m_LineNumberCheckBox, QStringLiteral("AddLineNumberField"));

    auto *grid = new QGridLayout;
    grid->addWidget(m_Table, 0, 0, 1, 2);
    grid->setRowStretch(0, 1);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QWidget *widget : {static_cast<QWidget *>(m_AddButton), static_cast<QWidget *>(m_DeleteButton),
                            static_cast<QWidget *>(m_LeftButton), static_cast<QWidget *>(m_RightButton)})
        buttons->addWidget(widget);
    buttons->addStretch(1);
    buttons->addWidget(m_CaseSensitiveCheckBox);
    buttons->addWidget(BuddyLabel(QStringLiteral("Null ID:"), m_NullIdEdit));
    buttons->addWidget(m_NullIdEdit);
    buttons->addWidget(m_IdFieldCheckBox);
    grid->addLayout(buttons, 1, 0, 1, 2);
    auto *options = new QHBoxLayout;
    options->setContentsMargins(0, 0, 0, 0);
    options->addWidget(BuddyLabel(QStringLiteral("Male sex:"), m_MaleWordsEdit));
    options->addWidget(m_MaleWordsEdit);
    options->addWidget(BuddyLabel(QStringLiteral("Female sex:"), m_FemaleWordsEdit));
    options->addWidget(m_FemaleWordsEdit);
    options->addWidget(BuddyLabel(QStringLiteral("Date format:"), m_DateFormatComboBox));
    options->addWidget(m_DateFormatComboBox);
    options->addWidget(m_LineNumberCheckBox);
    options->addStretch(1);
    grid->addLayout(options, 2, 0, 1, 2);

    CreateControls(grid);

    // The page installs it: the Return that ends a label edit goes no further
    // than the page, so the wizard does not take it for Finish.
    m_ReturnEater = new CCmnKeyEventEater(Qt::Key_Return, this);

    connect(m_Table, &QTableWidget::itemChanged, this, &CBioAutomaticOrCustomImportColsPanel::Slot_itemChanged);
    connect(m_Table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CBioAutomaticOrCustomImportColsPanel::Slot_selectionChanged);
    connect(m_AddButton, &QPushButton::clicked, this, &CBioAutomaticOrCustomImportColsPanel::Slot_clicked_AddColumn);
    connect(m_DeleteButton, &QPushButton::clicked, this,
            &CBioAutomaticOrCustomImportColsPanel::Slot_clicked_DeleteColumn);
    connect(m_LeftButton, &QPushButton::clicked, this, &CBioAutomaticOrCustomImportColsPanel::Slot_clicked_LeftColumn);
    connect(m_RightButton, &QPushButton::clicked, this,
            &CBioAutomaticOrCustomImportColsPanel::Slot_clicked_RightColumn);
}

void CBioAutomaticOrCustomImportColsPanel::EnableCustomWidgets(bool on)
{
    CCmnImportExportChoicePanel::EnableCustomWidgets(on);
    if (on)
        UpdateButtons();
}

void CBioAutomaticOrCustomImportColsPanel::OnCustomChanged(bool custom)
{
    if (!custom) {
        CCmnDataExchange save(true);
        save.m_OwnerWidget = m_Table;
        (void)ExchangeCols(&save, true);
    }
    CCmnDataExchange load(false);
    (void)ExchangeCols(&load, custom);
}

bool CBioAutomaticOrCustomImportColsPanel::ExchangeChoice(CCmnDataExchange *context, bool showCustom)
{
    return ExchangeCols(context, showCustom);
}

void CBioAutomaticOrCustomImportColsPanel::DeduceColumns()
{
    CBioImportCols deduced;
    deduced.SetDefaults();
    BioDeduceImportCols(&deduced, *m_Headers, *m_Rows, m_Choice->m_Deduced.m_DateFormat);
    m_Choice->SetDeduced(deduced);
}

bool CBioAutomaticOrCustomImportColsPanel::ExchangeCols(CCmnDataExchange *context, bool custom)
{
    if (context->m_Save && !custom)
        return true;
    CBioImportCols &cols = custom ? m_Choice->m_Custom : m_Choice->m_Deduced;
    if (context->m_Save) {
        cols.m_Cols.clear();
        for (int column = 0; column < m_Table->columnCount(); ++column)
            cols.m_Cols.append(ReadColumn(column));
        const QString message = BioValidateImportCols(cols.m_Cols);
        if (!message.isEmpty())
            return context->ShowInvalidWidget(message, QString(), QString(), QString(), m_Table);
    } else {
        {
            const CCmnSlotBlocker blocker(this);
            m_Table->setColumnCount(0);
            m_Table->setColumnCount(int(cols.m_Cols.size()));
            for (int column = 0; column < cols.m_Cols.size(); ++column)
                SetColumn(column, cols.m_Cols.at(column));
            UpdateColumnHeaders();
            UpdateRowHeaders();
        }
        if (m_Table->columnCount() > 0)
            SelectColumn(0);
        // A format no item offers stays as it was (a parameter file may name any).
        if (!cols.m_DateFormat.isEmpty() && m_DateFormatComboBox->findData(cols.m_DateFormat) < 0)
            m_DateFormatComboBox->addItem(cols.m_DateFormat, cols.m_DateFormat);
    }
    bool caseSensitive = cols.m_CaseSensitiveIds;
    bool idField = cols.m_CreateIdField;
    bool lineNumberField = cols.m_CreateLineNumberField;
    QString nullId = cols.m_NullId;
    QString maleWords = cols.m_MaleWords;
    QString femaleWords = cols.m_FemaleWords;
    QString dateFormat = cols.m_DateFormat;
    if (!context->ExchangeCheckBox(&caseSensitive, m_CaseSensitiveCheckBox)
        || !context->ExchangeCheckBox(&idField, m_IdFieldCheckBox)
        || !context->ExchangeCheckBox(&lineNumberField, m_LineNumberCheckBox)
        || !context->ExchangePathLineEdit(&nullId, m_NullIdEdit, CmnExchangeTrim, QStringLiteral("Null ID"))
        || !context->ExchangePathLineEdit(&maleWords, m_MaleWordsEdit, CmnExchangeTrim, QStringLiteral("Male sex"))
        || !context->ExchangePathLineEdit(&femaleWords, m_FemaleWordsEdit, CmnExchangeTrim,
                                          QStringLiteral("Female sex"))
        || !context->ExchangeComboText(&dateFormat, m_DateFormatComboBox, CmnExchangeByItemData,
                                       QStringLiteral("Date format")))
        return false;
    if (context->m_Save) {
        cols.m_CaseSensitiveIds = caseSensitive;
        cols.m_CreateIdField = idField;
        cols.m_CreateLineNumberField = lineNumberField;
        cols.m_NullId = nullId;
        cols.m_MaleWords = maleWords;
        cols.m_FemaleWords = femaleWords;
        cols.m_DateFormat = dateFormat;
    }
    return true;
}

void CBioAutomaticOrCustomImportColsPanel::UpdateButtons()
{
    const int n = m_Table->columnCount();
    const int c = CurrentColumn();
    m_AddButton->setEnabled(true);
    m_DeleteButton->setEnabled(n > 0 && c >= 0);
    m_LeftButton->setEnabled(n > 0 && c > 0);
    m_RightButton->setEnabled(n > 0 && c >= 0 && c < n - 1);
}

void CBioAutomaticOrCustomImportColsPanel::UpdateColumnHeaders()
{
    QStringList labels;
    for (int column = 0; column < m_Table->columnCount(); ++column)
        labels.append(QStringLiteral("Col %1").arg(column + 1));
    m_Table->setHorizontalHeaderLabels(labels);
}

void CBioAutomaticOrCustomImportColsPanel::UpdateRowHeaders()
{
    const CCmnSlotBlocker blocker(this);
    const qsizetype shown = std::min<qsizetype>(m_Rows->size(), kPreviewRows);
    const bool more = m_Rows->size() > kPreviewRows;
    const bool header = !m_Headers->isEmpty();
    QStringList labels{QStringLiteral("Field"), QStringLiteral("Type"), QStringLiteral("Label")};
    if (header)
        labels.append(QStringLiteral("Input Header"));
    for (qsizetype row = 0; row < shown + (more ? 1 : 0); ++row)
        labels.append(QStringLiteral("Input Data"));
    m_Table->setRowCount(int(labels.size()));
    m_Table->setVerticalHeaderLabels(labels);

    const QBrush blue(Qt::blue, Qt::SolidPattern);
    const auto preview = [&](int row, int column, const QString &text) {
        QTableWidgetItem *item = ReadOnlyItem(text);
        item->setForeground(blue);
        m_Table->setItem(row, column, item);
    };
    for (int column = 0; column < m_Table->columnCount(); ++column) {
        int row = PreviewRow;
        if (header)
            preview(row++, column, m_Headers->value(column));
        for (qsizetype sample = 0; sample < shown; ++sample)
            preview(row++, column, m_Rows->at(sample).value(column));
        if (more)
            preview(row, column, QStringLiteral("..."));
    }
}

void CBioAutomaticOrCustomImportColsPanel::SetColumn(int column, const CBioImportCol &col)
{
    const CCmnSlotBlocker blocker(this);
    auto *item = new QTableWidgetItem(BioImportFieldCaption(col.m_Field));
    item->setData(Qt::UserRole, col.m_Field);
    m_Table->setItem(FieldRow, column, item);
    m_Table->openPersistentEditor(item);
    SetTypeAndLabel(column, col);
}

void CBioAutomaticOrCustomImportColsPanel::SetTypeAndLabel(int column, const CBioImportCol &col)
{
    const CCmnSlotBlocker blocker(this);
    const QList<qint32> allowed = BioImportAllowedTypes(col.m_Field);
    auto *typeItem = new QTableWidgetItem(BioImportTypeName(col.m_Type));
    typeItem->setData(Qt::UserRole, col.m_Type);
    QTableWidgetItem *labelItem = col.m_Field == BioImportFieldUser ? new QTableWidgetItem(col.m_Label)
                                                                     : ReadOnlyItem(QStringLiteral("N/A"));
    if (QTableWidgetItem *old = m_Table->item(TypeRow, column))
        m_Table->closePersistentEditor(old);
    if (allowed.size() < 2)
        typeItem->setFlags(typeItem->flags() & ~Qt::ItemIsEditable);
    m_Table->setItem(TypeRow, column, typeItem);
    if (allowed.size() >= 2)
        m_Table->openPersistentEditor(typeItem);
    m_Table->setItem(LabelRow, column, labelItem);
}

CBioImportCol CBioAutomaticOrCustomImportColsPanel::ReadColumn(int column) const
{
    return CBioImportCol{FieldAt(column), TypeAt(column), LabelAt(column)};
}

qint32 CBioAutomaticOrCustomImportColsPanel::FieldAt(int column) const
{
    const QTableWidgetItem *item = m_Table->item(FieldRow, column);
    return item ? item->data(Qt::UserRole).toInt() : BioImportFieldIgnore;
}

qint32 CBioAutomaticOrCustomImportColsPanel::TypeAt(int column) const
{
    const QTableWidgetItem *item = m_Table->item(TypeRow, column);
    return item ? item->data(Qt::UserRole).toInt() : BioImportTypeText;
}

QString CBioAutomaticOrCustomImportColsPanel::LabelAt(int column) const
{
    const QTableWidgetItem *item = m_Table->item(LabelRow, column);
    return item ? item->text() : QString();
}

int CBioAutomaticOrCustomImportColsPanel::CurrentColumn() const
{
    const QModelIndexList selected = m_Table->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().column();
}

QWidget *CBioAutomaticOrCustomImportColsPanel::CreateEditor(QWidget *parent, const QModelIndex &index)
{
    if (index.row() == FieldRow) {
        CCmnComboBox *combo = BioCreateImportFieldComboBox(nullptr, parent);
        connect(combo, &QComboBox::activated, m_Delegate,
                &CBioAutomaticOrCustomImportColsPanelItemDelegate::SlotEmitCommitData);
        return combo;
    }
    if (index.row() == TypeRow) {
        const QList<qint32> allowed = BioImportAllowedTypes(FieldAt(index.column()));
        CCmnComboBox *combo = BioCreateImportTypeComboBox(&allowed, parent);
        connect(combo, &QComboBox::activated, m_Delegate,
                &CBioAutomaticOrCustomImportColsPanelItemDelegate::SlotEmitCommitData);
        return combo;
    }
    auto *edit = new CCmnLineEdit(parent);
    connect(edit, &QLineEdit::editingFinished, m_Delegate,
            &CBioAutomaticOrCustomImportColsPanelItemDelegate::SlotEmitCommitDataAndCloseEditor);
    m_ReturnEater->SetEnabled(true);
    connect(edit, &QObject::destroyed, m_ReturnEater, [eater = m_ReturnEater] { eater->SetEnabled(false); });
    return edit;
}

void CBioAutomaticOrCustomImportColsPanel::SetEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setCurrentIndex(combo->findData(index.data(Qt::UserRole)));
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->setText(index.data(Qt::EditRole).toString());
}

void CBioAutomaticOrCustomImportColsPanel::SetModelData(QWidget *editor, QAbstractItemModel *model,
                                                        const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->currentIndex() < 0)
            return;
        const qint32 value = combo->currentData().toInt();
        model->setData(index, value, Qt::UserRole);
        model->setData(index, index.row() == FieldRow ? BioImportFieldCaption(value) : BioImportTypeName(value),
                       Qt::EditRole);
        return;
    }
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        model->setData(index, edit->text(), Qt::EditRole);
}

void CBioAutomaticOrCustomImportColsPanel::Slot_itemChanged(QTableWidgetItem *item)
{
    if (SlotsBlocked() || item->row() != FieldRow)
        return;
    const CCmnSlotBlocker blocker(this);
    const int column = item->column();
    CBioImportCol col = ReadColumn(column);
    const QList<qint32> allowed = BioImportAllowedTypes(col.m_Field);
    if (!allowed.contains(col.m_Type) && !allowed.isEmpty())
        col.m_Type = allowed.first();
    SetTypeAndLabel(column, col);
}

void CBioAutomaticOrCustomImportColsPanel::Slot_selectionChanged(const QItemSelection &, const QItemSelection &)
{
    UpdateButtons();
}

void CBioAutomaticOrCustomImportColsPanel::InsertColumn(int column, const CBioImportCol &col)
{
    const CCmnSlotBlocker blocker(this);
    m_Table->insertColumn(column);
    SetColumn(column, col);
}

void CBioAutomaticOrCustomImportColsPanel::SelectColumn(int column)
{
    m_Table->clearSelection();
    if (column >= 0)
        m_Table->selectColumn(column);
    UpdateButtons();
}

void CBioAutomaticOrCustomImportColsPanel::AfterColumnsChanged()
{
    UpdateButtons();
    UpdateColumnHeaders();
    UpdateRowHeaders();
}

void CBioAutomaticOrCustomImportColsPanel::Slot_clicked_AddColumn()
{
    const int c = CurrentColumn();
    const int at = c >= 0 ? c + 1 : m_Table->columnCount();
    InsertColumn(at, CBioImportCol{BioImportFieldUser, BioImportTypeText, QStringLiteral("New Column")});
    AfterColumnsChanged();
    SelectColumn(at);
}

void CBioAutomaticOrCustomImportColsPanel::Slot_clicked_DeleteColumn()
{
    const int c = CurrentColumn();
    if (c < 0)
        return;
    {
        const CCmnSlotBlocker blocker(this);
        m_Table->removeColumn(c);
    }
    AfterColumnsChanged();
    SelectColumn(std::min(c, m_Table->columnCount() - 1));
}

void CBioAutomaticOrCustomImportColsPanel::Slot_clicked_LeftColumn()
{
    const int c = CurrentColumn();
    if (c <= 0)
        return;
    const CBioImportCol col = ReadColumn(c);
    {
        const CCmnSlotBlocker blocker(this);
        m_Table->removeColumn(c);
    }
    InsertColumn(c - 1, col);
    AfterColumnsChanged();
    SelectColumn(c - 1);
}

void CBioAutomaticOrCustomImportColsPanel::Slot_clicked_RightColumn()
{
    const int c = CurrentColumn();
    if (c < 0 || c >= m_Table->columnCount() - 1)
        return;
    const CBioImportCol col = ReadColumn(c);
    {
        const CCmnSlotBlocker blocker(this);
        m_Table->removeColumn(c);
    }
    InsertColumn(c + 1, col);
    AfterColumnsChanged();
    SelectColumn(c + 1);
}
