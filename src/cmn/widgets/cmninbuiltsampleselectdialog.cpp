#include "cmninbuiltsampleselectdialog.h"

#include "cmndataexchange.h"
#include "cmnlabel.h"
#include "cmnlistwidget.h"
#include "cmnscreen.h"
#include "cmntextedit.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

CCmnInbuiltSampleSelectDialog::CCmnInbuiltSampleSelectDialog(const QString &folderPath, QWidget *parent)
    : CCmnDialogEx(parent)
    , m_ListWidget(new CCmnListWidget)
    , m_DescriptionView(new CCmnTextEdit)
    , m_FolderPath(folderPath)
{
    m_Folder.Read(folderPath);

    auto *grid = new QGridLayout;
    grid->addWidget(new CCmnLabel(QStringLiteral("%1:").arg(m_Folder.m_Label)), 0, 0);
    for (const CCmnInbuiltSample &sample : std::as_const(m_Folder.m_Samples))
        m_ListWidget->addItem(sample.m_Name);
    // The names are short: the list is as wide as the longest, the rest goes to
    // the description.
    m_ListWidget->setMaximumWidth(std::max(m_ListWidget->sizeHintForColumn(0), 0) + 2 * m_ListWidget->frameWidth()
                                  + m_ListWidget->verticalScrollBar()->sizeHint().width());
    grid->addWidget(m_ListWidget, 1, 0);
    m_DescriptionView->setReadOnly(true);
    m_DescriptionView->setWordWrapMode(QTextOption::WordWrap);
    grid->addWidget(m_DescriptionView, 1, 1);
    grid->setColumnStretch(1, 1);
    MainLayout()->addLayout(grid);

    setWindowTitle(m_Folder.m_Title);
    if (!m_Folder.m_Samples.isEmpty()) {
        m_ListWidget->setCurrentRow(0);
        Slot_currentRowChanged_ListWidget(0);
    }
    const QSize screen = CmnAvailableScreenSize();
    resize(int(screen.width() * m_Folder.m_WidthFraction), int(screen.height() * m_Folder.m_HeightFraction));

    connect(m_ListWidget, &QListWidget::currentRowChanged, this,
            &CCmnInbuiltSampleSelectDialog::Slot_currentRowChanged_ListWidget);
    connect(m_ListWidget, &QListWidget::itemDoubleClicked, this,
            &CCmnInbuiltSampleSelectDialog::Slot_itemDoubleClicked_ListWidget);
}

bool CCmnInbuiltSampleSelectDialog::DataExchange(CCmnDataExchange *context)
{
    if (context->m_Save) {
        const int row = m_ListWidget->currentRow();
        m_ChosenPath = row >= 0 && row < m_Folder.m_Samples.size()
                           ? m_FolderPath + QLatin1Char('/') + m_Folder.m_Samples.at(row).m_DataFileName
                           : QString();
    }
    return CCmnDialogEx::DataExchange(context);
}

void CCmnInbuiltSampleSelectDialog::Slot_currentRowChanged_ListWidget(int row)
{
    if (SlotsBlocked())
        return;
    // The descriptions are the folder's own HTML.
    m_DescriptionView->setHtml(row >= 0 && row < m_Folder.m_Samples.size() ? m_Folder.m_Samples.at(row).m_Description
                                                                            : QString());
}

void CCmnInbuiltSampleSelectDialog::Slot_itemDoubleClicked_ListWidget(QListWidgetItem *)
{
    if (SlotsBlocked())
        return;
    accept();
}

QString CmnInbuiltSampleFolderPath()
{
    return QStringLiteral(":/inbuiltsample");
}

QString CmnChooseInbuiltSample(QWidget *parent)
{
    CCmnInbuiltSampleSelectDialog dialog(CmnInbuiltSampleFolderPath(), parent);
    return dialog.Exec() == QDialog::Accepted ? dialog.ChosenPath() : QString();
}
