#pragma once

#include <QString>
#include <QtGlobal>

class CCmnColorButton;
class CCmnDate;
class CCmnDialogEx;
class CCmnExchangeVerdict;
struct CCmnIntegerBoxRule;
class CCmnPixmapButton;
struct CCmnRealBoxRule;
class CCmnTabDialog;
class CCmnWizardEx;
class QAbstractButton;
class QAbstractSlider;
class QCheckBox;
class QChar;
class QColor;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;
class QSpinBox;
class QTextEdit;
class QWidget;
class QWizardPage;

// One pass of the two-way exchange between a window's widgets and its data: a load
// (data to widgets) when the window is shown, a save (widgets to data, with
// validation) on OK, Next or Finish. A host's exchange calls one Exchange operation
// per widget, in the order of the window, and returns false as soon as one does:
//
//     bool CBreedDialog::DataExchange(CCmnDataExchange *context)
//     {
//         if (!context->ExchangeIntLineEdit(&m_Litters, m_LittersEdit, CmnExchangeRequired, 0, 0, 99, "Litters"))
//             return false;
//         return CCmnDialogEx::DataExchange(context);
//     }
//
// On load every operation returns true. On save an operation that finds a bad value
// focuses the widget, brings its tab or list row into view, shows one warning that
// names the box by its label ("here" without one) and returns false; a doubtful
// value (a file that does not exist yet) is put to the user as a question instead.
// The flags are ECmnExchangeFlag bits; the context lives for one pass, on the stack.
class CCmnDataExchange
{
public:
    explicit CCmnDataExchange(bool save);
    CCmnDataExchange(bool save, CCmnDialogEx *dialog);
    CCmnDataExchange(bool save, CCmnTabDialog *tabDialog, QWidget *tabPage);
    CCmnDataExchange(bool save, CCmnWizardEx *wizard, QWizardPage *wizardPage);

    // Buttons, spin boxes, sliders and pickers: never refused. The label is not used.
    [[nodiscard]] bool ExchangeCheckBox(bool *value, QAbstractButton *button, const QString &label = {}) const;
    // 0 unchecked, 1 partly checked, 2 checked.
    [[nodiscard]] bool ExchangeCheckState(qint32 *value, QCheckBox *checkBox, const QString &label = {}) const;
    // One bit of a mask; the other bits are left alone.
    [[nodiscard]] bool ExchangeFlagCheckBox(qint32 *mask, qint32 bit, QAbstractButton *button,
                                            const QString &label = {}) const;
    // True for the second button.
    [[nodiscard]] bool ExchangeRadioPair(bool *value, QAbstractButton *first, QAbstractButton *second,
                                         const QString &label = {}) const;
    // 0 for the first button, 2 for the second, 1 for the third.
    [[nodiscard]] bool ExchangeRadio3(qint32 *value, QAbstractButton *first, QAbstractButton *second,
                                      QAbstractButton *third, const QString &label = {}) const;
    [[nodiscard]] bool ExchangeSpinBox(qint32 *value, QSpinBox *spinBox, const QString &label = {}) const;
    [[nodiscard]] bool ExchangeSlider(qint32 *value, QAbstractSlider *slider, const QString &label = {}) const;
    // A negative decimals count keeps the spin box's own.
    [[nodiscard]] bool ExchangeDoubleSpinBox(double *value, QDoubleSpinBox *spinBox, const QString &label = {},
                                             qint32 decimals = -1) const;
    // A fraction shown as a percentage.
    [[nodiscard]] bool ExchangePercentSpinBox(float *value, QDoubleSpinBox *spinBox, const QString &label = {},
                                              qint32 decimals = -1) const;
    [[nodiscard]] bool ExchangePercentSpinBoxDouble(double *value, QDoubleSpinBox *spinBox,
                                                    const QString &label = {}, qint32 decimals = -1) const;

    // The current index, or with CmnExchangeByItemData the current item's data
    // (an integer): a value no item holds loads as the first item.
    [[nodiscard]] bool ExchangeComboBox(qint32 *value, QComboBox *comboBox, qint32 flags,
                                        const QString &label = {}) const;
    // The current text, or with CmnExchangeByItemData the current item's data as text.
    // A text no item holds goes into an editable combo box's line edit.
    [[nodiscard]] bool ExchangeComboText(QString *value, QComboBox *comboBox, qint32 flags,
                                         const QString &label = {}) const;
    [[nodiscard]] bool ExchangeColorButton(QColor *value, CCmnColorButton *button, const QString &label = {}) const;
    // The file name of a built-in image; empty for none.
    [[nodiscard]] bool ExchangePixmapButton(QString *value, CCmnPixmapButton *button,
                                            const QString &label = {}) const;
    [[nodiscard]] bool ExchangeTextEdit(QString *value, QTextEdit *textEdit, qint32 flags,
                                        const QString &label = {}) const;
    [[nodiscard]] bool ExchangeCharLineEdit(QChar *value, QLineEdit *lineEdit, qint32 flags,
                                            const QString &label = {}) const;
    [[nodiscard]] bool ExchangePathLineEdit(QString *value, QLineEdit *lineEdit, qint32 flags,
                                            const QString &label = {}) const;
    // An empty format stands for the date input format of the system settings. An
    // optional box left empty leaves the date as it was.
    [[nodiscard]] bool ExchangeDateLineEdit(CCmnDate *value, QLineEdit *lineEdit, qint32 flags,
                                            const QString &format, const QString &label = {}) const;
    [[nodiscard]] bool ExchangeDoubleLineEdit(double *value, QLineEdit *lineEdit, qint32 flags,
                                              double defaultValue, double minimum, double maximum,
                                              const QString &label, qint32 decimals) const;
    // A fraction shown as a percentage ("25%").
    [[nodiscard]] bool ExchangeFloatLineEdit(float *value, QLineEdit *lineEdit, qint32 flags,
                                             float defaultValue, float minimum, float maximum,
                                             const QString &label, qint32 decimals) const;
    // After a refusal the value is untouched.
    [[nodiscard]] bool ExchangeIntLineEdit(qint32 *value, QLineEdit *lineEdit, qint32 flags,
                                           qint32 defaultValue, qint32 minimum, qint32 maximum,
                                           const QString &label = {}) const;
    // As the int box, but the lowest value is -2147483647.
    [[nodiscard]] bool ExchangeLongLineEdit(qint32 *value, QLineEdit *lineEdit, qint32 flags,
                                            qint32 defaultValue, qint32 minimum, qint32 maximum,
                                            const QString &label = {}) const;

    // Warns about a bad value and returns false; for checks that involve several
    // values, after the single values have been exchanged. The line-edit form selects
    // the edit's whole text first.
    bool ShowInvalid(const QString &hereMessage, const QString &inBoxMessage, const QString &label,
                     const QString &note, QWidget *widget) const;
    bool ShowInvalidLineEdit(const QString &hereMessage, const QString &inBoxMessage, const QString &label,
                             const QString &note, QLineEdit *lineEdit) const;
    bool ShowInvalidWidget(const QString &hereMessage, const QString &inBoxMessage, const QString &label,
                           const QString &note, QWidget *widget) const;
    // Asks whether to go on despite a doubtful value; true only for Yes.
    bool Confirm(const QString &hereMessage, const QString &inBoxMessage, const QString &label,
                 const QString &note, QWidget *widget) const;
    bool ConfirmLineEdit(const QString &hereMessage, const QString &inBoxMessage, const QString &label,
                         const QString &note, QLineEdit *lineEdit) const;
    bool ConfirmWidget(const QString &hereMessage, const QString &inBoxMessage, const QString &label,
                       const QString &note, QWidget *widget) const;

    // The message as HTML paragraphs: the in-box form with the label in place of its
    // "%1" when both are given, else the here form; then the note, when there is one.
    // The messages and the label are plain text, escaped here; the note is HTML.
    static QString FormatMessage(const QString &hereMessage, const QString &inBoxMessage, const QString &label,
                                 const QString &note);

    bool m_Save;
    // Set by the caller: every Exchange operation accepts what it finds.
    bool m_SkipValidation = false;
    // Set by code that exchanges outside a dialog, tab, wizard page or panel host;
    // the first choice of parent for messages.
    QWidget *m_OwnerWidget = nullptr;
    CCmnDialogEx *m_Dialog = nullptr;
    CCmnTabDialog *m_TabDialog = nullptr;
    QWidget *m_TabPage = nullptr;
    CCmnWizardEx *m_Wizard = nullptr;
    QWizardPage *m_WizardPage = nullptr;
    // When set, the row of the list that holds the value being exchanged.
    QListWidget *m_ListWidget = nullptr;
    qint32 m_ListRow = 0;

private:
    // The flags with CmnExchangeNoValidation added when the pass skips validation.
    qint32 EffectiveFlags(qint32 flags) const;
    // Brings the widget into view (its tab, its list row) and focuses it.
    void PointAt(QWidget *widget) const;
    QWidget *MessageParent() const;
    // Shows a refusal or asks a question on the widget; true when the value stands.
    bool Conclude(const CCmnExchangeVerdict &verdict, const QString &label, QWidget *widget) const;
    bool ConcludeLineEdit(const CCmnExchangeVerdict &verdict, const QString &label, QLineEdit *lineEdit) const;
    bool ExchangeRealLineEdit(double *value, QLineEdit *lineEdit, qint32 flags, const CCmnRealBoxRule &rule,
                              const QString &label) const;
    bool ExchangeIntegerLineEdit(qint32 *value, QLineEdit *lineEdit, qint32 flags, const CCmnIntegerBoxRule &rule,
                                 const QString &label) const;
};

// ExchangeComboBox by item data on a copy: the integer changes only when the
// exchange succeeds.
[[nodiscard]] bool CmnExchangeComboByData(const CCmnDataExchange *context, qint32 *value, QComboBox *comboBox,
                                          const QString &label = {});
