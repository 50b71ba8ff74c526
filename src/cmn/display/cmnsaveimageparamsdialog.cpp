#include "cmnsaveimageparamsdialog.h"

#include "cmncheckbox.h"
#include "cmncombobox.h"
#include "cmndataexchange.h"
#include "cmnexchangeflags.h"
#include "cmnlabel.h"
#include "cmnlineedit.h"
#include "cmnslider.h"

#include <QDoubleValidator>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>

namespace {

constexpr double kMinimumSide = 1.0;
constexpr double kMaximumSide = 10000.0;
// Three decimals show an inch to a third of a pixel at 300 dots per inch.
constexpr int kSideDecimals = 3;
constexpr int kMinimumResolution = 72;
constexpr int kMaximumResolution = 1200;
constexpr int kDefaultResolution = 300;
constexpr int kEditChars = 8;

CCmnLineEdit *NewNumberEdit()
{
    auto *edit = new CCmnLineEdit;
    edit->SetMinimumWidthInChars(kEditChars);
    edit->SetMaximumWidthInChars(kEditChars);
    return edit;
}

// The number the edit holds, written with "." as every number of the dialog is.
bool EditNumber(const CCmnLineEdit *edit, double *value)
{
    bool ok = false;
    const double number = edit->text().trimmed().toDouble(&ok);
    if (ok)
        *value = number;
    return ok;
}

double EditNumber(const CCmnLineEdit *edit)
{
    double value = 0.0;
    (void)EditNumber(edit, &value);
    return value;
}

QHBoxLayout *Row(std::initializer_list<QWidget *> widgets)
{
    auto *row = new QHBoxLayout;
    for (QWidget *widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

} // namespace

CCmnSaveImageParamsDialog::CCmnSaveImageParamsDialog(qint32 options, QWidget *parent)
    : CCmnDialogEx(parent)
    , m_Options(options)
    , m_WidthEdit(NewNumberEdit())
    , m_WidthUnitBox(new CCmnComboBox(this))
    , m_HeightEdit(NewNumberEdit())
    , m_HeightUnitBox(new CCmnComboBox(this))
    , m_ResolutionEdit(NewNumberEdit())
    , m_LockCheckBox(new CCmnCheckBox(tr("Lock aspect ratio")))
    , m_ResolutionLabel(new CCmnLabel(tr("dpi")))
{
    // The edits accept what the exchange accepts, in every unit.
    auto *sides = new QDoubleValidator(kMinimumSide, kMaximumSide, kSideDecimals, this);
    sides->setNotation(QDoubleValidator::StandardNotation);
    sides->setLocale(QLocale::c());
    m_WidthEdit->setValidator(sides);
    m_HeightEdit->setValidator(sides);
    m_ResolutionEdit->setValidator(new QIntValidator(kMinimumResolution, kMaximumResolution, this));
    connect(m_WidthEdit, &QLineEdit::textChanged, this, &CCmnSaveImageParamsDialog::Slot_textChanged_Width);
    connect(m_HeightEdit, &QLineEdit::textChanged, this, &CCmnSaveImageParamsDialog::Slot_textChanged_Height);
    connect(m_ResolutionEdit, &QLineEdit::textChanged, this, &CCmnSaveImageParamsDialog::Slot_textChanged_Resolution);
    connect(m_WidthUnitBox, &QComboBox::currentIndexChanged, this,
            &CCmnSaveImageParamsDialog::Slot_currentIndexChanged_WidthUnits);
    connect(m_HeightUnitBox, &QComboBox::currentIndexChanged, this,
            &CCmnSaveImageParamsDialog::Slot_currentIndexChanged_HeightUnits);
    connect(m_LockCheckBox, &QCheckBox::stateChanged, this,
            &CCmnSaveImageParamsDialog::Slot_stateChanged_CheckBox_LockAspectRatio);

    if (m_Options & QualityRow) {
        m_QualitySlider = new CCmnSlider;
        m_QualitySlider->setOrientation(Qt::Horizontal);
        m_QualitySlider->setRange(0, 100);
        m_QualitySlider->setPageStep(25);
        m_QualitySlider->setSingleStep(5);
        connect(m_QualitySlider, &QSlider::valueChanged, this, &CCmnSaveImageParamsDialog::Slot_valueChanged_Slider);
        m_QualityLabel = new CCmnLabel;
    }

    {
        const CCmnSlotBlocker blocker(this);
        AddUnit(tr("Pixels"), CmnImageUnitPixels);
        AddUnit(tr("Points"), CmnImageUnitPoints);
        AddUnit(tr("Millimeters"), CmnImageUnitMillimeters);
        AddUnit(tr("Inches"), CmnImageUnitInches);
    }

    auto *grid = new QGridLayout;
    const auto addRow = [grid](int row, const QString &text, QWidget *buddy, QLayout *controls) {
        auto *label = new CCmnLabel(text);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0);
        grid->addLayout(controls, row, 1);
    };
    addRow(0, tr("Width:"), m_WidthEdit, Row({m_WidthEdit, m_WidthUnitBox, m_LockCheckBox}));
    addRow(1, tr("Height:"), m_HeightEdit, Row({m_HeightEdit, m_HeightUnitBox}));
    addRow(2, tr("Resolution:"), m_ResolutionEdit, Row({m_ResolutionEdit, m_ResolutionLabel}));
    if (m_Options & QualityRow) {
        auto *label = new CCmnLabel(tr("Quality:"));
        label->setBuddy(m_QualitySlider);
        grid->addWidget(label, 3, 0);
        grid->addWidget(m_QualitySlider, 3, 1);
        grid->addWidget(m_QualityLabel, 4, 1);
    }
    MainLayout()->addLayout(grid);

    m_WidthUnitBox->setEnabled(!(m_Options & FixedUnits));
    m_HeightUnitBox->setEnabled(!(m_Options & FixedUnits));
    m_LockCheckBox->setEnabled(!(m_Options & FixedAspectLock));
    if (m_Options & PdfTitle)
        setWindowTitle(tr("PDF File Parameters"));
    else if (m_Options & PostScriptTitle)
        setWindowTitle(tr("PostScript File Parameters"));
    else
        setWindowTitle(tr("Image File Parameters"));
}

void CCmnSaveImageParamsDialog::AddUnit(const QString &name, qint32 unit)
{
    m_WidthUnitBox->addItem(name, unit);
    m_HeightUnitBox->addItem(name, unit);
}

int CCmnSaveImageParamsDialog::Exec()
{
    CmnCompleteImageSize(&m_Width, &m_Height, &m_AspectRatio, &m_Unit, m_LockAspectRatio);
    m_PreviousUnit = m_Unit;
    return CCmnDialogEx::Exec();
}

bool CCmnSaveImageParamsDialog::DataExchange(CCmnDataExchange *context)
{
    {
        const CCmnSlotBlocker blocker(this);
        if (!context->ExchangeCheckBox(&m_LockAspectRatio, m_LockCheckBox)
            || !context->ExchangeDoubleLineEdit(&m_Width, m_WidthEdit, CmnExchangeRequired, kMinimumSide, kMinimumSide,
                                                kMaximumSide, tr("Width"), kSideDecimals)
            || !context->ExchangeComboBox(&m_Unit, m_WidthUnitBox, CmnExchangeByItemData, tr("Width")))
            return false;
        if (!context->m_Save)
            m_HeightUnitBox->setCurrentIndex(m_WidthUnitBox->currentIndex());
        if (!context->ExchangeDoubleLineEdit(&m_Height, m_HeightEdit, CmnExchangeRequired, kMinimumSide,
                                             kMinimumSide, kMaximumSide, tr("Height"), kSideDecimals)
            || !context->ExchangeIntLineEdit(&m_Resolution, m_ResolutionEdit, CmnExchangeRequired,
                                             kDefaultResolution, kMinimumResolution, kMaximumResolution,
                                             tr("Resolution")))
            return false;
        if (m_QualitySlider && !context->ExchangeSlider(&m_Quality, m_QualitySlider))
            return false;
        if (!context->m_Save) {
            // The values were loaded in the caller's unit.
            m_PreviousUnit = m_Unit;
            UpdateResolutionText();
            UpdateQualityText();
            ApplyUnit(true);
        }
    }
    return CCmnDialogEx::DataExchange(context);
}

qint32 CCmnSaveImageParamsDialog::PixelWidth() const
{
    return CmnImagePixels(m_Width, m_Unit, m_Resolution);
}

qint32 CCmnSaveImageParamsDialog::PixelHeight() const
{
    return CmnImagePixels(m_Height, m_Unit, m_Resolution);
}

qint32 CCmnSaveImageParamsDialog::CurrentUnit() const
{
    return m_WidthUnitBox->currentData().toInt();
}

qint32 CCmnSaveImageParamsDialog::TypedResolution() const
{
    return m_ResolutionEdit->text().trimmed().toInt();
}

void CCmnSaveImageParamsDialog::ApplyUnit(bool force)
{
    const qint32 unit = CurrentUnit();
    if (!force && unit == m_PreviousUnit)
        return;
    const double dotsPerInch = TypedResolution();
    const double width = CmnConvertImageLength(unit, EditNumber(m_WidthEdit), m_PreviousUnit, dotsPerInch);
    const double height = force || !m_LockCheckBox->isChecked()
        ? CmnConvertImageLength(unit, EditNumber(m_HeightEdit), m_PreviousUnit, dotsPerInch)
        : width / m_AspectRatio;
    const CCmnSlotBlocker blocker(this);
    m_WidthEdit->setText(CmnImageLengthText(width, unit));
    m_HeightEdit->setText(CmnImageLengthText(height, unit));
    m_PreviousUnit = unit;
    UpdateResolutionText();
}

void CCmnSaveImageParamsDialog::UpdateHeightFromWidth()
{
    double width = 0.0;
    if (!EditNumber(m_WidthEdit, &width))
        return;
    const CCmnSlotBlocker blocker(this);
    m_HeightEdit->setText(CmnImageLengthText(width / m_AspectRatio, CurrentUnit()));
}

void CCmnSaveImageParamsDialog::UpdateWidthFromHeight()
{
    double height = 0.0;
    if (!EditNumber(m_HeightEdit, &height))
        return;
    const CCmnSlotBlocker blocker(this);
    m_WidthEdit->setText(CmnImageLengthText(height * m_AspectRatio, CurrentUnit()));
}

void CCmnSaveImageParamsDialog::UpdateResolutionText()
{
    const qint32 unit = CurrentUnit();
    if (m_WidthUnitBox->currentIndex() < 0 || unit == CmnImageUnitPixels) {
        m_ResolutionLabel->setText(tr("dpi"));
        return;
    }
    const double dotsPerInch = TypedResolution();
    m_ResolutionLabel->setText(tr("dpi (%1 x %2 pixels)")
                                   .arg(CmnImagePixels(EditNumber(m_WidthEdit), unit, dotsPerInch))
                                   .arg(CmnImagePixels(EditNumber(m_HeightEdit), unit, dotsPerInch)));
}

void CCmnSaveImageParamsDialog::UpdateQualityText()
{
    if (!m_QualitySlider)
        return;
    const int quality = m_QualitySlider->value();
    if (quality == 0)
        m_QualityLabel->setText(tr("Minimum image quality (smallest file size)"));
    else if (quality == 100)
        m_QualityLabel->setText(tr("Maximum image quality (largest file size)"));
    else if (quality == 75)
        m_QualityLabel->setText(tr("Default image quality"));
    else
        m_QualityLabel->setText(tr("%1% image quality").arg(quality));
}

void CCmnSaveImageParamsDialog::Slot_stateChanged_CheckBox_LockAspectRatio(int state)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    if (state != Qt::Checked)
        return;
    UpdateHeightFromWidth();
    UpdateResolutionText();
}

void CCmnSaveImageParamsDialog::Slot_currentIndexChanged_WidthUnits(int index)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    m_HeightUnitBox->setCurrentIndex(index);
    ApplyUnit(false);
}

void CCmnSaveImageParamsDialog::Slot_currentIndexChanged_HeightUnits(int index)
{
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    m_WidthUnitBox->setCurrentIndex(index);
    ApplyUnit(false);
}

void CCmnSaveImageParamsDialog::Slot_textChanged_Width(const QString &text)
{
    Q_UNUSED(text)
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    if (m_LockCheckBox->isChecked())
        UpdateHeightFromWidth();
    // The pixels shown follow every change, with the lock off too.
    UpdateResolutionText();
}

void CCmnSaveImageParamsDialog::Slot_textChanged_Height(const QString &text)
{
    Q_UNUSED(text)
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    if (m_LockCheckBox->isChecked())
        UpdateWidthFromHeight();
    // The pixels shown follow every change, with the lock off too.
    UpdateResolutionText();
}

void CCmnSaveImageParamsDialog::Slot_textChanged_Resolution(const QString &text)
{
    Q_UNUSED(text)
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    UpdateResolutionText();
}

void CCmnSaveImageParamsDialog::Slot_valueChanged_Slider(int value)
{
    Q_UNUSED(value)
    if (SlotsBlocked())
        return;
    const CCmnSlotBlocker blocker(this);
    UpdateQualityText();
}
