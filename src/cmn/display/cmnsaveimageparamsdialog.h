#pragma once

#include "cmndialogex.h"
#include "cmnimagesize.h"

class CCmnCheckBox;
class CCmnComboBox;
class CCmnLabel;
class CCmnLineEdit;
class CCmnSlider;

// Asks for the size, resolution and quality of an image before a page is
// exported as one. Width and height are given in pixels, points, millimetres
// or inches; a locked aspect ratio makes each follow the other, and the
// resolution turns lengths into pixels, which the dialog shows as the user
// types. The caller sets the public fields, runs Exec and reads them back.
class CCmnSaveImageParamsDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    enum EOption {
        QualityRow = 0x01,
        FixedUnits = 0x02,
        FixedAspectLock = 0x04,
        PdfTitle = 0x10,
        PostScriptTitle = 0x20,
    };

    explicit CCmnSaveImageParamsDialog(qint32 options, QWidget *parent = nullptr);

    // Completes a size proposed on one side or none, then runs the dialog.
    int Exec();
    bool DataExchange(CCmnDataExchange *context) override;

    // The size in whole pixels at the resolution, as the export makes it.
    qint32 PixelWidth() const;
    qint32 PixelHeight() const;

    qint32 m_Options;
    bool m_LockAspectRatio = true;
    // Width over height.
    double m_AspectRatio = 1.0;
    // In the unit; 0.001 or less means not set.
    double m_Width = -1.0;
    double m_Height = -1.0;
    // An ECmnImageUnit.
    qint32 m_Unit = CmnImageUnitPixels;
    // Dots per inch, 72 to 1200.
    qint32 m_Resolution = 300;
    // 0 to 100, for the image writer.
    qint32 m_Quality = 75;

    CCmnLineEdit *WidthEdit() const { return m_WidthEdit; }
    CCmnLineEdit *HeightEdit() const { return m_HeightEdit; }
    CCmnComboBox *WidthUnitBox() const { return m_WidthUnitBox; }
    CCmnComboBox *HeightUnitBox() const { return m_HeightUnitBox; }
    CCmnLineEdit *ResolutionEdit() const { return m_ResolutionEdit; }
    CCmnCheckBox *LockCheckBox() const { return m_LockCheckBox; }
    CCmnLabel *ResolutionLabel() const { return m_ResolutionLabel; }
    CCmnSlider *QualitySlider() const { return m_QualitySlider; }
    CCmnLabel *QualityLabel() const { return m_QualityLabel; }

public Q_SLOTS:
    void Slot_stateChanged_CheckBox_LockAspectRatio(int state);
    void Slot_currentIndexChanged_WidthUnits(int index);
    void Slot_currentIndexChanged_HeightUnits(int index);
    void Slot_textChanged_Width(const QString &text);
    void Slot_textChanged_Height(const QString &text);
    void Slot_textChanged_Resolution(const QString &text);
    void Slot_valueChanged_Slider(int value);

private:
    void AddUnit(const QString &name, qint32 unit);
    qint32 CurrentUnit() const;
    qint32 TypedResolution() const;
    void ApplyUnit(bool force);
    void UpdateHeightFromWidth();
    void UpdateWidthFromHeight();
    void UpdateResolutionText();
    void UpdateQualityText();

    CCmnLineEdit *m_WidthEdit;
    CCmnComboBox *m_WidthUnitBox;
    CCmnLineEdit *m_HeightEdit;
    CCmnComboBox *m_HeightUnitBox;
    CCmnLineEdit *m_ResolutionEdit;
    CCmnCheckBox *m_LockCheckBox;
    CCmnLabel *m_ResolutionLabel;
    CCmnSlider *m_QualitySlider = nullptr;
    CCmnLabel *m_QualityLabel = nullptr;
    // The unit the edits' texts are written in.
    qint32 m_PreviousUnit = CmnImageUnitPixels;
};
