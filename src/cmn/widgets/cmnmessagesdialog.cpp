#include "cmnmessagesdialog.h"

#include "cmndialogbuttonbox.h"
#include "cmnfileprompts.h"
#include "cmngeometrykeeper.h"
#include "cmnlabel.h"
#include "cmnlistwidget.h"
#include "cmnnumbertext.h"
#include "cmnpushbutton.h"
#include "cmnshellvalues.h"

#include <QBoxLayout>
#include <QClipboard>
#include <QGuiApplication>

CCmnMessagesDialog::CCmnMessagesDialog(QWidget *parent)
    : CCmnDialogEx(parent, CmnDefaultDialogFlags)
    , m_HeaderLabel(new CCmnLabel(this))
    , m_ListWidget(new CCmnListWidget(this))
{
    // Parented at once: a dialog with no messages is never laid out, and its
    // unused layout would not free them.
    auto *layout = new QVBoxLayout;
    layout->addWidget(m_HeaderLabel);
    layout->addWidget(m_ListWidget);
    MainLayout()->addLayout(layout);
    SetGeometryKeeper(CCmnGeometryKeeper().SetScreenFractions(0.6, 0.4).SetFallbackAnchorAtScreenCentre());
}

int CCmnMessagesDialog::Exec()
{
    if (m_Messages.isEmpty())
        return QDialog::Accepted;
    return CCmnDialogEx::Exec();
}

void CCmnMessagesDialog::AddControls(QBoxLayout *)
{
    m_HeaderLabel->setText(m_Header);
    const qint32 count = qint32(m_Messages.size());
    qint32 shown = qMin(m_Limit, count);
    // A "+1 more" row would take the room of the message it stands for.
    if (count - shown == 1)
        shown = count;
    for (qint32 i = 0; i < shown; ++i)
        m_ListWidget->addItem(m_Messages.at(i));
    if (shown < count)
        m_ListWidget->addItem(tr("+%1 more").arg(CmnIntWithThousands(count - shown)));
}

void CCmnMessagesDialog::AddControlsAfterButtonBox(QBoxLayout *)
{
    m_SaveButton = new CCmnPushButton(tr("Save"));
    m_CopyButton = new CCmnPushButton(tr("Copy"));
    ButtonBox()->addButton(m_SaveButton, QDialogButtonBox::ActionRole);
    ButtonBox()->addButton(m_CopyButton, QDialogButtonBox::ActionRole);
    connect(m_SaveButton, &QPushButton::clicked, this, &CCmnMessagesDialog::Slot_clicked_Save);
    connect(m_CopyButton, &QPushButton::clicked, this, &CCmnMessagesDialog::Slot_clicked_Copy);
}

void CCmnMessagesDialog::Slot_clicked_Copy()
{
    if (SlotsBlocked())
        return;
    QGuiApplication::clipboard()->setText(m_Messages.join(QLatin1Char('\n')));
}

void CCmnMessagesDialog::Slot_clicked_Save()
{
    if (SlotsBlocked())
        return;
    // A name without a suffix gets ".txt", asked about before it replaces a file.
    const QString fileName = CmnGetSaveFileNameWithSuffix(this, windowTitle(), QString(), tr("Text files (*.txt)"),
                                                          QStringLiteral("txt"));
    if (!fileName.isEmpty())
        CmnWriteChosenTextFile(this, windowTitle(), fileName, m_Messages);
}
