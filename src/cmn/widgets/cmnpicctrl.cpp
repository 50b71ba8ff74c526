#include "cmnpicctrl.h"

#include "cmnboxlayout.h"
#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmnfilechooser.h"
#include "cmnfilenames.h"
#include "cmnhelplocator.h"
#include "cmnhtmlescape.h"
#include "cmnlabel.h"
#include "cmnmappedpath.h"
#include "cmnmessageboxes.h"
#include "cmnpixmapwidget.h"
#include "cmnpushbutton.h"
#include "cmnshellvalues.h"
#include "cmnslider.h"
#include "cmnsystemsettings.h"
#include "cmntabordialogorpanelorpagemixin.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QImage>
#include <QImageReader>

namespace {

const QString kLastFolderName = QStringLiteral("CmnLastPicFolder");

CCmnSlider *NewSlider(int minimum, int maximum, QWidget *parent)
{
    auto *slider = new CCmnSlider(parent);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(minimum, maximum);
    return slider;
}

} // namespace

CCmnPicCtrl::CCmnPicCtrl(QObject *owner, const QSize &previewSize)
    : CCmnCtrl(owner)
    , m_SelectText(QStringLiteral("Add Photo"))
    , m_RemoveText(QStringLiteral("Remove Photo"))
    , m_Prompt(QStringLiteral("Click to select\na photo"))
    , m_DialogTitle(QStringLiteral("Select Photo"))
{
    QWidget *parent = OwnerWidget();

    m_Preview = new CCmnPixmapWidget(previewSize, parent);
    connect(m_Preview, &CCmnPixmapWidget::clicked, this, &CCmnPicCtrl::Slot_clicked_Select);

    m_SelectButton = new CCmnPushButton(m_SelectText, parent);
    connect(m_SelectButton, &QPushButton::clicked, this, &CCmnPicCtrl::Slot_clicked_Select);
    m_RemoveButton = new CCmnPushButton(m_RemoveText, parent);
    connect(m_RemoveButton, &QPushButton::clicked, this, &CCmnPicCtrl::Slot_clicked_Remove);

    m_BrightnessLabel = new CCmnLabel(QStringLiteral("Brightness:"), parent);
    m_BrightnessSlider = NewSlider(-100, 100, parent);
    connect(m_BrightnessSlider, &QSlider::valueChanged, this, &CCmnPicCtrl::Slot_valueChanged_Brightness);
    m_ContrastLabel = new CCmnLabel(QStringLiteral("Contrast:"), parent);
    m_ContrastSlider = NewSlider(0, 500, parent);
    connect(m_ContrastSlider, &QSlider::valueChanged, this, &CCmnPicCtrl::Slot_valueChanged_Contrast);
    m_GammaLabel = new CCmnLabel(QStringLiteral("Gamma:"), parent);
    m_GammaSlider = NewSlider(10, 500, parent);
    connect(m_GammaSlider, &QSlider::valueChanged, this, &CCmnPicCtrl::Slot_valueChanged_Gamma);

    m_FlipVerticalBox = new CCmnCheckBox(QStringLiteral("Flip Vertically"), parent);
    connect(m_FlipVerticalBox, &QCheckBox::stateChanged, this, &CCmnPicCtrl::Slot_stateChanged_CheckBox_FlipVert);
    m_FlipHorizontalBox = new CCmnCheckBox(QStringLiteral("Flip Horizontally"), parent);
    connect(m_FlipHorizontalBox, &QCheckBox::stateChanged, this,
            &CCmnPicCtrl::Slot_stateChanged_CheckBox_FlipHorz);
    // The index is the number of quarter turns.
    m_RotationBox = new CCmnComboBox(parent);
    m_RotationBox->addItems({QStringLiteral("No Rotation"), QStringLiteral("Rotate 90 Degrees"),
                             QStringLiteral("Rotate 180 Degrees"), QStringLiteral("Rotate 270 Degrees")});
    connect(m_RotationBox, &QComboBox::currentIndexChanged, this, &CCmnPicCtrl::Slot_currentIndexChanged_Rotate);

    auto *grid = new QGridLayout;
    grid->addLayout(CmnBoxLayout(CmnBoxLayoutHorizontal | CmnBoxLayoutStretch, m_SelectButton, m_RemoveButton), 0,
                    0, 1, 3);
    const CCmnLayoutItem stretched = CCmnLayoutItem::Modifier(1);
    grid->addLayout(CmnBoxLayout(CmnBoxLayoutHorizontal, m_BrightnessLabel, stretched, m_BrightnessSlider), 1, 0);
    grid->addLayout(CmnBoxLayout(CmnBoxLayoutHorizontal, m_ContrastLabel, stretched, m_ContrastSlider), 1, 1);
    grid->addLayout(CmnBoxLayout(CmnBoxLayoutHorizontal, m_GammaLabel, stretched, m_GammaSlider), 1, 2);
    grid->addWidget(m_FlipVerticalBox, 2, 0);
    grid->addWidget(m_FlipHorizontalBox, 2, 1);
    grid->addWidget(m_RotationBox, 2, 2);
    grid->addWidget(m_Preview, 3, 0, 1, 3);
    for (int column = 0; column < 3; ++column)
        grid->setColumnStretch(column, 1);
    grid->setRowStretch(3, 1);

    SetLayout(grid);
    UpdateTexts();
    // A new control shows the empty picture, with nothing to adjust or remove yet
    // and the sliders at the neutral values rather than at their ranges' ends.
    const CCmnSlotBlocker blocker(this);
    UpdatePreview();
    UpdateControls();
}

QWidget *CCmnPicCtrl::OwnerWidget() const
{
    return qobject_cast<QWidget *>(Owner());
}

void CCmnPicCtrl::RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &name)
{
    SetWidgetHelpName(mixin, m_SelectButton, name + QStringLiteral("Select"));
    SetWidgetHelpName(mixin, m_RemoveButton, name + QStringLiteral("Remove"));
    SetWidgetHelpName(mixin, m_BrightnessSlider, name + QStringLiteral("Brightness"));
    SetWidgetHelpName(mixin, m_ContrastSlider, name + QStringLiteral("Contrast"));
    SetWidgetHelpName(mixin, m_GammaSlider, name + QStringLiteral("Gamma"));
    SetWidgetHelpName(mixin, m_FlipVerticalBox, name + QStringLiteral("FlipVert"));
    SetWidgetHelpName(mixin, m_FlipHorizontalBox, name + QStringLiteral("FlipHorz"));
    SetWidgetHelpName(mixin, m_RotationBox, name + QStringLiteral("Rotate"));
}

bool CCmnPicCtrl::ExchangePicture(const CCmnDataExchange *context, CCmnPicture *picture)
{
    if (!context->m_Save) {
        LoadPicture(picture ? *picture : CCmnPicture());
        return true;
    }
    m_Picture.EnsureLoaded();
    m_PictureAtSave = m_Picture.HasPixmap();
    if (picture)
        *picture = m_Picture;
    return true;
}

void CCmnPicCtrl::LoadPicture(const CCmnPicture &picture)
{
    const CCmnSlotBlocker blocker(this);
    m_Picture = picture;
    m_Picture.EnsureLoaded();
    m_EmptyAtLoad = !m_Picture.HasPixmap();
    UpdatePreview();
    UpdateControls();
}

void CCmnPicCtrl::UpdateTexts()
{
    QString prompt = m_Prompt;
    if (prompt.contains(QStringLiteral("%1")))
        prompt = prompt.arg(m_SelectText);
    m_Preview->SetSecondLine(prompt);
}

void CCmnPicCtrl::UpdatePreview()
{
    m_Picture.EnsureLoaded();
    m_Preview->SetPixmap(m_Picture.Pixmap());
    m_Preview->SetFirstLine(m_Picture.ErrorText());
    const QString &path = m_Picture.FilePath();
    m_Preview->SetCaption(CmnIsPictureFilePath(path) ? QFileInfo(path).fileName() : QString());
    // Not only while it shows: a link whose file has gone, or embedded bytes that
    // no longer decode, must still be removable.
    m_RemoveButton->setEnabled(!m_Picture.IsEmpty());
}

void CCmnPicCtrl::UpdateControls()
{
    m_Picture.EnsureLoaded();
    m_BrightnessSlider->setValue(m_Picture.Brightness());
    m_ContrastSlider->setValue(m_Picture.Contrast());
    m_GammaSlider->setValue(m_Picture.Gamma());
    m_FlipVerticalBox->setChecked(m_Picture.FlipVertical());
    m_FlipHorizontalBox->setChecked(m_Picture.FlipHorizontal());
    m_RotationBox->setCurrentIndex(m_Picture.Rotation());

    const bool shows = m_Picture.HasPixmap();
    const QList<QWidget *> adjusters{m_BrightnessLabel, m_BrightnessSlider, m_ContrastLabel,
                                     m_ContrastSlider,  m_GammaLabel,       m_GammaSlider,
                                     m_FlipVerticalBox, m_FlipHorizontalBox, m_RotationBox};
    for (QWidget *widget : adjusters)
        widget->setEnabled(shows);
}

void CCmnPicCtrl::Slot_clicked_Select()
{
    if (SlotsBlocked())
        return;

    CCmnSystemSettings *settings = CmnGetSystemSettings();
    QString folder = settings ? settings->StringValue(kLastFolderName) : QString();
    if (folder.isEmpty())
        folder = CmnDefaultPictureFolder();
    QWidget *parent = OwnerWidget();
    const QString chosen = CmnGetOpenFileName(parent, m_DialogTitle, folder, CmnImageOpenFilter());
    if (chosen.isEmpty())
        return;

    CCmnMappedPath mapped(chosen);
    const QFileInfo info(mapped.m_MappedPath);
    if (!info.exists() || !info.isFile())
        return;
    // Remembered before reading, so that a failed file still leads back to its folder.
    if (settings)
        settings->m_Strings.insert(kLastFolderName, info.absolutePath());

    QFile file(mapped.m_MappedPath);
    QByteArray bytes;
    bool decoded = false;
    QString reason;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        decoded = !CmnReadPictureImage(reader, &reason).isNull();
    } else {
        reason = file.errorString();
    }
    if (!decoded) {
        ShowRememberedMessage(QMessageBox::Warning, parent, m_DialogTitle,
                              CmnHtmlEscapedParagraph(mapped.MessageText(QStringLiteral("Failed to load"), reason)));
        return;
    }

    const CCmnSlotBlocker blocker(this);
    if (CmnEmbedPictures)
        m_Picture.SetImageBytes(bytes);
    else
        m_Picture.SetFilePath(chosen); // as chosen: the document keeps the unmapped path
    UpdatePreview();
    UpdateControls();
}

void CCmnPicCtrl::Slot_clicked_Remove()
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    m_Picture.Clear();
    UpdatePreview();
    UpdateControls();
}

void CCmnPicCtrl::Slot_valueChanged_Brightness(int value)
{
    if (SlotsBlocked())
        return;
    m_Picture.SetBrightness(value);
    UpdatePreview();
}

void CCmnPicCtrl::Slot_valueChanged_Contrast(int value)
{
    if (SlotsBlocked())
        return;
    m_Picture.SetContrast(value);
    UpdatePreview();
}

void CCmnPicCtrl::Slot_valueChanged_Gamma(int value)
{
    if (SlotsBlocked())
        return;
    m_Picture.SetGamma(value);
    UpdatePreview();
}

void CCmnPicCtrl::Slot_stateChanged_CheckBox_FlipVert(int)
{
    if (SlotsBlocked())
        return;
    m_Picture.SetFlipVertical(m_FlipVerticalBox->isChecked());
    UpdatePreview();
}

void CCmnPicCtrl::Slot_stateChanged_CheckBox_FlipHorz(int)
{
    if (SlotsBlocked())
        return;
    m_Picture.SetFlipHorizontal(m_FlipHorizontalBox->isChecked());
    UpdatePreview();
}

void CCmnPicCtrl::Slot_currentIndexChanged_Rotate(int)
{
    if (SlotsBlocked())
        return;
    m_Picture.SetRotation(m_RotationBox->currentIndex());
    UpdatePreview();
}

void CmnShowPhotoCropWarning(QWidget *parent, const QPoint &position, const QString &helpPage,
                             const QString &whatWasSet, const QString &whatItMustMatch)
{
    const QString photo = QStringLiteral("photo");
    // The callers' texts carry user words (the animal's name for the breed, a box
    // name), which must not be read as markup.
    QString text = QStringLiteral("<p>You have set %1.</p>").arg(CmnHtmlEscape(whatWasSet));
    text += QStringLiteral("<p>You may find that when the %1 is displayed parts of it are cropped - i.e. the "
                           "left+right sides or top+bottom have been 'chopped off'.</p>")
                .arg(photo);
    text += QStringLiteral("<p>This happens when the aspect ratio of the %1 does not match that of %2.</p>")
                .arg(photo, CmnHtmlEscape(whatItMustMatch));
    const QString url = CmnHelpPageUrl(helpPage);
    if (!url.isEmpty())
        text += QStringLiteral("<p>For details of how to fix this please <a href='%1'>click here</a>.</p>").arg(url);
    else
        text += QStringLiteral("<p>Please refer to the program help for further information (use <b>Help "
                               "Topics</b> from the <b>Help</b> menu.</p>");

    CCmnMessageBoxOptions options;
    options.m_MessageId = CmnPhotoCropWarningMessageId;
    options.m_Position = position;
    ShowRememberedMessage(QMessageBox::Information, parent, QString(), text, &options);
}
