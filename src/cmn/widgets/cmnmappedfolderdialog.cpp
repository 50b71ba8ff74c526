#include "cmnmappedfolderdialog.h"

#include "cmndataexchange.h"
#include "cmnexchangeflags.h"
#include "cmnfilechooser.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnpushbutton.h"

#include <QBoxLayout>
#include <QDir>
#include <QGridLayout>

namespace {

// Folders are compared as the file system spells them, where a backslash is an
// ordinary character; a user who types one means a separator.
void ReadBackslashesAsSlashes(QLineEdit *lineEdit)
{
    QString text = lineEdit->text();
    if (text.contains(QLatin1Char('\\')))
        lineEdit->setText(text.replace(QLatin1Char('\\'), QLatin1Char('/')));
}

} // namespace

CCmnMappedFolderDialog::CCmnMappedFolderDialog(QString &destination, QWidget *parent)
    : CCmnGetStringDialog(parent)
    , m_Destination(destination)
    , m_DestinationEdit(new CCmnLineEdit)
    , m_SelectButton(new CCmnPushButton(tr("Select...")))
{
    SetHelpPage(QStringLiteral("CCmnMappedFolderDialog.html"));
    m_Prompt = tr("From:");

    // The string dialog's prompt and value editor, made here so that they sit in the
    // grid beside the destination rather than one under the other.
    m_PromptLabel = new CCmnLabel(m_Prompt);
    m_LineEdit = new CCmnLineEdit;
    m_LineEdit->SetMinimumWidthInChars(70);
    m_PromptLabel->setBuddy(m_LineEdit);
    SetWidgetHelpName(this, m_LineEdit, QStringLiteral("SrcDir"));
    SetInitialFocusWidget(m_LineEdit);

    m_DestinationEdit->SetMinimumWidthInChars(70);
    auto *destinationLabel = new CCmnLabel(tr("To:"));
    destinationLabel->setBuddy(m_DestinationEdit);
    SetWidgetHelpName(this, m_DestinationEdit, QStringLiteral("DestDir"));
    SetWidgetHelpName(this, m_SelectButton, QStringLiteral("DestDir"));
    connect(m_SelectButton, &QPushButton::clicked, this, &CCmnMappedFolderDialog::Slot_clicked_DestDir);

    auto *destinationRow = new QHBoxLayout;
    destinationRow->addWidget(m_DestinationEdit);
    destinationRow->addWidget(m_SelectButton);

    auto *grid = new QGridLayout;
    grid->addWidget(m_PromptLabel, 0, 0);
    grid->addWidget(m_LineEdit, 0, 1);
    grid->addWidget(destinationLabel, 1, 0);
    grid->addLayout(destinationRow, 1, 1);
    MainLayout()->addLayout(grid);
}

bool CCmnMappedFolderDialog::DataExchange(CCmnDataExchange *context)
{
    if (context->m_Save) {
        ReadBackslashesAsSlashes(m_LineEdit);
        ReadBackslashesAsSlashes(m_DestinationEdit);
        // The string dialog lets an empty value pass; a mapping needs its source.
        if (m_LineEdit->text().trimmed().isEmpty()) {
            return context->ShowInvalidLineEdit(tr("The source folder must be given"), QString(), QString(),
                                                QString(), m_LineEdit);
        }
    }
    if (!context->ExchangePathLineEdit(&m_Destination, m_DestinationEdit,
                                       CmnExchangeRequired | CmnExchangeTrim | CmnExchangeFolder
                                           | CmnExchangeNativeSeparators))
        return false;
    return CCmnGetStringDialog::DataExchange(context);
}

void CCmnMappedFolderDialog::Slot_clicked_DestDir()
{
    if (SlotsBlocked())
        return;
    const QString start = QDir::fromNativeSeparators(m_DestinationEdit->text().trimmed());
    const QString folder = CmnGetExistingDirectory(this, windowTitle(), start);
    if (!folder.isEmpty())
        m_DestinationEdit->setText(QDir::toNativeSeparators(folder));
}
