#include "cmnmappedfolderdialog.h"

#include "cmndataexchange.h"
#include "cmnexchangeflags.h"
#include "cmnfilechooser.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnpushbutton.h"
#include "cmnvalidator.h"

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
    : CCmnDialogEx(parent)
    , m_Destination(destination)
    , m_PromptLabel(new CCmnLabel(tr("From:")))
    , m_SourceEdit(new CCmnLineEdit)
    , m_DestinationEdit(new CCmnLineEdit)
    , m_SelectButton(new CCmnPushButton(tr("Select...")))
{
    SetHelpPage(QStringLiteral("CCmnMappedFolderDialog.html"));

    m_SourceEdit->SetMinimumWidthInChars(70);
    m_PromptLabel->setBuddy(m_SourceEdit);
    SetWidgetHelpName(this, m_SourceEdit, QStringLiteral("SrcDir"));

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
    grid->addWidget(m_SourceEdit, 0, 1);
    grid->addWidget(destinationLabel, 1, 0);
    grid->addLayout(destinationRow, 1, 1);
    MainLayout()->addLayout(grid);
    SetInitialFocusWidget(m_SourceEdit);
}

void CCmnMappedFolderDialog::SetTitle(const QString &title)
{
    setWindowTitle(title);
}

void CCmnMappedFolderDialog::SetPrompt(const QString &prompt)
{
    m_PromptLabel->setText(prompt);
}

void CCmnMappedFolderDialog::SetValue(const QString &value)
{
    m_Value = value;
}

QString CCmnMappedFolderDialog::Value() const
{
    return m_Value;
}

void CCmnMappedFolderDialog::AddValidator(const CCmnValidator *validator)
{
    m_Validators.append(validator);
}

bool CCmnMappedFolderDialog::Exec()
{
    return CCmnDialogEx::Exec() == QDialog::Accepted;
}

bool CCmnMappedFolderDialog::DataExchange(CCmnDataExchange *context)
{
    if (context->m_Save) {
        ReadBackslashesAsSlashes(m_SourceEdit);
        ReadBackslashesAsSlashes(m_DestinationEdit);
        if (m_SourceEdit->text().trimmed().isEmpty()) {
            return context->ShowInvalidLineEdit(tr("The source folder must be given"), QString(), QString(),
                                                QString(), m_SourceEdit);
        }
    }
    if (!context->ExchangePathLineEdit(&m_Destination, m_DestinationEdit,
                                       CmnExchangeRequired | CmnExchangeTrim | CmnExchangeFolder
                                           | CmnExchangeNativeSeparators))
        return false;

    if (!context->m_Save) {
        m_SourceEdit->setText(m_Value);
        if (IsFirstLoad(context))
            m_SourceEdit->selectAll();
        m_SourceEdit->setFocus();
    } else {
        m_Value = m_SourceEdit->text().trimmed();
        QString note;
        const QString message = CmnRunValidators(m_Validators, m_Value, &note);
        if (!message.isEmpty())
            return context->ShowInvalidLineEdit(message, QString(), QString(), note, m_SourceEdit);
    }
    return CCmnDialogEx::DataExchange(context);
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
