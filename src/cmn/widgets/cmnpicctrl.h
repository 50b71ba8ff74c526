#pragma once

#include "cmnctrl.h"
#include "cmnpicture.h"

#include <QPoint>
#include <QSize>
#include <QString>

class CCmnCheckBox;
class CCmnComboBox;
class CCmnDataExchange;
class CCmnLabel;
class CCmnPixmapWidget;
class CCmnPushButton;
class CCmnSlider;
class QWidget;

// The message id under which the user's "don't display again" for the photo crop
// warning is remembered; stored in the settings, so it never changes.
inline constexpr qint32 CmnPhotoCropWarningMessageId = 101;

// The control with which the user attaches a photograph to a record or a form box
// and adjusts how it is shown: a preview (clicking it chooses a picture), buttons
// to choose and remove the picture, sliders for brightness, contrast and gamma,
// two flips and a rotation. A chosen picture is embedded as the bytes of its file
// or linked by its path, as CmnEmbedPictures says at the moment of the choice.
// The owner places Layout() in its own layout and calls ExchangePicture from its
// data exchange.
class CCmnPicCtrl : public CCmnCtrl
{
    Q_OBJECT
public:
    // The owner is the widget the control's widgets are made on; the preview size is
    // in average character widths and line heights.
    CCmnPicCtrl(QObject *owner, const QSize &previewSize);

    // Help names: the given name followed by "Select", "Remove", "Brightness",
    // "Contrast", "Gamma", "FlipVert", "FlipHorz" and "Rotate".
    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &name) override;

    // Load shows a copy of the picture and notes whether it showed nothing; save
    // copies the edited picture out (when a pointer is given) and notes whether it
    // shows something. Nothing is validated: always true.
    bool ExchangePicture(const CCmnDataExchange *context, CCmnPicture *picture);
    void LoadPicture(const CCmnPicture &picture);

    // Owners may replace the texts before use, then call UpdateTexts; the button
    // texts are theirs to update.
    void SetSelectText(const QString &text) { m_SelectText = text; }
    void SetRemoveText(const QString &text) { m_RemoveText = text; }
    // "%1" stands for the Select text.
    void SetPrompt(const QString &text) { m_Prompt = text; }
    // The title of the file dialog and of the load failure message.
    void SetDialogTitle(const QString &text) { m_DialogTitle = text; }
    const QString &SelectText() const { return m_SelectText; }
    const QString &RemoveText() const { return m_RemoveText; }
    const QString &Prompt() const { return m_Prompt; }
    const QString &DialogTitle() const { return m_DialogTitle; }

    // Puts the prompt into the empty preview.
    void UpdateTexts();
    // The preview shows the picture, its error in red and the linked file's name.
    void UpdatePreview();
    // The adjustment widgets show the picture's values and are usable only while
    // the picture shows.
    void UpdateControls();

    const CCmnPicture &Picture() const { return m_Picture; }
    // The picture handed in by the last load showed nothing.
    bool EmptyAtLoad() const { return m_EmptyAtLoad; }
    // The picture handed out by the last save shows something. With EmptyAtLoad:
    // a photo was newly set.
    bool PictureAtSave() const { return m_PictureAtSave; }

    CCmnPixmapWidget *Preview() const { return m_Preview; }
    CCmnPushButton *SelectButton() const { return m_SelectButton; }
    CCmnPushButton *RemoveButton() const { return m_RemoveButton; }
    CCmnLabel *BrightnessLabel() const { return m_BrightnessLabel; }
    CCmnSlider *BrightnessSlider() const { return m_BrightnessSlider; }
    CCmnLabel *ContrastLabel() const { return m_ContrastLabel; }
    CCmnSlider *ContrastSlider() const { return m_ContrastSlider; }
    CCmnLabel *GammaLabel() const { return m_GammaLabel; }
    CCmnSlider *GammaSlider() const { return m_GammaSlider; }
    CCmnCheckBox *FlipVerticalBox() const { return m_FlipVerticalBox; }
    CCmnCheckBox *FlipHorizontalBox() const { return m_FlipHorizontalBox; }
    CCmnComboBox *RotationBox() const { return m_RotationBox; }

public Q_SLOTS:
    void Slot_clicked_Select();
    void Slot_clicked_Remove();
    void Slot_valueChanged_Brightness(int value);
    void Slot_valueChanged_Contrast(int value);
    void Slot_valueChanged_Gamma(int value);
    void Slot_stateChanged_CheckBox_FlipVert(int state);
    void Slot_stateChanged_CheckBox_FlipHorz(int state);
    void Slot_currentIndexChanged_Rotate(int index);

private:
    QWidget *OwnerWidget() const;

    CCmnPixmapWidget *m_Preview;
    CCmnPushButton *m_SelectButton;
    CCmnPushButton *m_RemoveButton;
    CCmnLabel *m_BrightnessLabel;
    CCmnSlider *m_BrightnessSlider;
    CCmnLabel *m_ContrastLabel;
    CCmnSlider *m_ContrastSlider;
    CCmnLabel *m_GammaLabel;
    CCmnSlider *m_GammaSlider;
    CCmnCheckBox *m_FlipVerticalBox;
    CCmnCheckBox *m_FlipHorizontalBox;
    CCmnComboBox *m_RotationBox;
    CCmnPicture m_Picture;
    QString m_SelectText;
    QString m_RemoveText;
    QString m_Prompt;
    QString m_DialogTitle;
    bool m_EmptyAtLoad = false;
    bool m_PictureAtSave = false;
};

// Tells the user once (message id 101, "Don't display this message again") that
// a photo whose aspect ratio differs from its box's is shown cropped. What was set
// ("a photo for the dog") and what it must match ("the box in which it is
// displayed") are plain text; the help page, when it exists, is linked for the fix.
void CmnShowPhotoCropWarning(QWidget *parent, const QPoint &position, const QString &helpPage,
                             const QString &whatWasSet, const QString &whatItMustMatch);
