#include "documentsettingsparamsfornewdocumentdialog.h"

#include "bioterminology.h"
#include "cmnappdescriptor.h"
#include "cmncheckbox.h"
#include "cmndataexchange.h"
#include "cmngroupbox.h"
#include "cmnhtmlescape.h"
#include "cmnlabel.h"
#include "cmnlayoutitem.h"
#include "cmnmessageboxes.h"
#include "cmnregfieldssettings.h"
#include "cmnsettingsexchange.h"
#include "cmnsystemlocale.h"
#include "documentsettings.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// The terminology has no named index for the title word.
constexpr int kNewDocTermTitle = 15;

// The labels of the document settings' tabs that the texts send the user to.
const QString kNewDocDetailsTab = QStringLiteral("Details Window Layout");
const QString kNewDocUserFieldsTab = QStringLiteral("User Fields");

QString TermHtml(int term, int flags = 0)
{
    return CmnHtmlEscape(GetBioTerm(term, flags));
}

// The document-settings command as the File menu names it.
QString SettingsCommandHtml()
{
    return CmnHtmlEscape(CmnGetAppDescriptor().DocumentSettingsTitle(true));
}

CCmnLabel *WrappedLabel(const QString &html)
{
    auto *label = new CCmnLabel(html);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    return label;
}

QString AddFieldsLaterText()
{
    return QStringLiteral("<p>If you decide to add fields later on, please choose <b>%1</b> from the <b>File</b> "
                          "menu, switch to the <b>%2</b> tab and then click the <b>Add</b> button.</p>")
        .arg(SettingsCommandHtml(), kNewDocUserFieldsTab);
}

void ShowNewDocInformation(const QString &text)
{
    ShowRememberedMessage(QMessageBox::Information, nullptr, CmnGetAppDescriptor().m_ProductDisplayName, text);
}

CCmnSettingsExchange RememberedChoice(bool save)
{
    return CCmnSettingsExchange(save).Child(BioNewRegParamsGroup());
}

// Runs a fresh dialog on the remembered choice; on OK stores the choice and
// applies it to the settings.
bool RunNewDocumentFieldsDialog(CCmnRegFieldsSettings &fieldsSettings)
{
    CDocumentSettingsParamsForNewDocumentDialog dialog;
    dialog.Params().Exchange(RememberedChoice(false));
    if (dialog.Exec() != QDialog::Accepted)
        return false;
    dialog.Params().Exchange(RememberedChoice(true));
    dialog.Params().ApplyToSettings(fieldsSettings);
    return true;
}

} // namespace

QString NewDocumentBasicFieldsText()
{
    return QStringLiteral("%1, %2, %3, %4, %5 and %6")
        .arg(GetBioTerm(kBioTermName), GetBioTerm(kNewDocTermTitle), GetBioTerm(kBioTermSex),
             GetBioTerm(kBioTermDateOfBirth), GetBioTerm(kBioTermSire), GetBioTerm(kBioTermDam));
}

QString NewDocumentRecordWithArticle()
{
    const QString word = GetBioTerm(kBioTermAnimal, BioTermLowerCase);
    // Only "a" takes "an": the article follows the spelling, not the sound.
    return QStringLiteral("%1 %2").arg(word.startsWith(QLatin1Char('a')) ? QStringLiteral("an") : QStringLiteral("a"),
                                       word);
}

CDocumentSettingsParamsForNewDocumentDialog::CDocumentSettingsParamsForNewDocumentDialog(QWidget *parent,
                                                                                         const QLocale &locale)
    : CCmnDialogEx(parent)
    , m_Params(locale)
{
    QList<QVBoxLayout *> columns;
    QVBoxLayout *column = nullptr;
    QList<CCmnCheckBox *> boxes;
    QString title;
    const auto closeGroup = [&] {
        auto *boxLayout = new QVBoxLayout;
        for (CCmnCheckBox *box : std::as_const(boxes))
            boxLayout->addWidget(box);
        boxes.clear();
        if (!column)
            column = new QVBoxLayout;
        column->addWidget(CmnNewGroupBox(CCmnLayoutItem::Layout(boxLayout), title));
    };
    const auto closeColumn = [&] {
        column->addStretch(1);
        columns.append(column);
        column = nullptr;
    };
    for (const CBioNewRegStdField &entry : std::as_const(m_Params.m_Entries)) {
        if (!entry.m_GroupCaption.isEmpty()) {
            if (!boxes.isEmpty()) {
                closeGroup();
                if (entry.m_Flags & CBioNewRegStdField::NewColumn)
                    closeColumn();
            }
            title = entry.m_GroupCaption;
        }
        auto *box = new CCmnCheckBox(entry.m_Description.m_Name);
        box->setChecked(entry.IsChosen());
        boxes.append(box);
        m_CheckBoxes.append(box);
    }
    closeGroup();
    closeColumn();

    const QString basicFields = CmnHtmlEscape(NewDocumentBasicFieldsText());
    const QString settingsCommand = SettingsCommandHtml();
    QVBoxLayout *layout = MainLayout();
    layout->addWidget(WrappedLabel(
        QStringLiteral("<p>Please choose the fields that you would like to include in your pedigree data file.</p>")
        + QStringLiteral("<p>Note that some of the most common fields are always present, such as %1.</p>")
              .arg(basicFields)
        + QStringLiteral("<p>All the fields you select here will be automatically included in the %1 Details window, "
                         "which you will be using whenever you add or update %2. Please note that you can customize "
                         "the layout of that window e.g. to control the positioning and size of fields, column "
                         "breaks and multiple tabs etc. You can do this at any point once your data file has been "
                         "created - just choose <b>%3</b> from the <b>File</b> menu and use the <b>%4</b> tab.</p>")
              .arg(TermHtml(kBioTermAnimal), CmnHtmlEscape(NewDocumentRecordWithArticle()), settingsCommand,
                   kNewDocDetailsTab)));
    layout->addWidget(new CCmnLabel(QString()));
    m_Columns = new QHBoxLayout;
    m_Columns->setContentsMargins(0, 0, 0, 0);
    for (QVBoxLayout *finished : std::as_const(columns))
        m_Columns->addLayout(finished);
    layout->addLayout(m_Columns);
    layout->addWidget(WrappedLabel(
        QStringLiteral("<p><b>Please Remember</b>: Don't worry if you forget to select a field here that you would "
                       "later like to include, or you want to add a field that isn't shown. You can always adjust "
                       "the fields in your data file at any time.")
        + QStringLiteral(" E.g. to add a new field to an existing data file just choose <b>%1</b> from the "
                         "<b>File</b> menu, switch to the <b>%2</b> tab and then click the <b>Add</b> button.</p>")
              .arg(settingsCommand, kNewDocUserFieldsTab)));
    setWindowTitle(tr("Customize New Data File"));
}

bool CDocumentSettingsParamsForNewDocumentDialog::DataExchange(CCmnDataExchange *context)
{
    for (qsizetype i = 0; i < m_CheckBoxes.size(); ++i) {
        if (!context->ExchangeFlagCheckBox(&m_Params.m_Entries[i].m_Flags, CBioNewRegStdField::Chosen,
                                           m_CheckBoxes.at(i)))
            return false;
    }
    return CCmnDialogEx::DataExchange(context);
}

bool ChooseNewDocumentFields(CDocumentSettings &settings)
{
    CCmnRegFieldsSettings &fieldsSettings = settings.m_FieldsSettings;
    if (RunNewDocumentFieldsDialog(fieldsSettings))
        return true;

    const QString examples = QStringList{CmnColourWord(), QStringLiteral("Reg. No."), QStringLiteral("Breeder"),
                                         QStringLiteral("Owner"), QStringLiteral("Notes")}
                                 .join(QStringLiteral(", "));
    const QString question =
        QStringLiteral("<p>You have indicated that you don't want to set up the fields for your pedigree data file. "
                       "If you proceed as is you will only have the basic fields available - %1.</p><p>Would you "
                       "prefer to add other fields that will almost certainly be useful to you - such as %2 and many "
                       "others?</p><p>Click <b>Yes</b> to add additional fields.</p><p>Click <b>No</b> to proceed "
                       "without adding any further fields.</p>")
            .arg(CmnHtmlEscape(NewDocumentBasicFieldsText()), examples);
    if (AskYesNo(QMessageBox::Question, false, nullptr, CmnGetAppDescriptor().m_ProductDisplayName, question)
            == QMessageBox::Yes
        && RunNewDocumentFieldsDialog(fieldsSettings)) {
        ShowNewDocInformation(
            QStringLiteral("<p>All the fields you just added have been added to the %1 Details window, which you will "
                           "be using whenever you add or update %2.</p><p>Please note that you can customize the "
                           "layout of that window e.g. to control the positioning and size of fields, column breaks "
                           "and multiple tabs etc. Just choose <b>%3</b> from the <b>File</b> menu and use the "
                           "<b>%4</b> tab.</p>")
                .arg(TermHtml(kBioTermAnimal), CmnHtmlEscape(NewDocumentRecordWithArticle()), SettingsCommandHtml(),
                     kNewDocDetailsTab));
        return true;
    }
    ShowNewDocInformation(AddFieldsLaterText());
    return false;
}
