#pragma once

#include "cmndialogex.h"

#include <QList>
#include <QString>

class CCmnCheckBox;
class CCmnLabel;

// One choice of a choice dialog: the text the user sees and the value it stands for.
struct CCmnEnumSelectChoice
{
    QString m_Text;
    qint32 m_Value = 0;
};

// A dialog in which the user picks one of a list of labelled choices, with an
// optional text above and below them and an optional check box under the buttons.
// The caller fills the public fields, runs the dialog and reads the selected value
// and the check-box state back; a cancelled dialog leaves both as the caller set
// them. How the choices look (radio buttons, ...) is the derived dialog's business.
// The widgets are made when the dialog is prepared, so every field must be set
// before that.
class CCmnEnumSelectDialog : public CCmnDialogEx
{
    Q_OBJECT
public:
    explicit CCmnEnumSelectDialog(QWidget *parent = nullptr);
    ~CCmnEnumSelectDialog() override;

    bool DataExchange(CCmnDataExchange *context) override;

    // Called after the preselected choice was set on load.
    virtual void OnSelectionLoaded(qint32 row, qint32 value);
    virtual void CreateChoiceWidgets() = 0;
    virtual void AddChoiceWidgets(QBoxLayout *layout) = 0;

    // Null when the text is empty or before the dialog is prepared.
    CCmnLabel *HeaderLabel() const { return m_HeaderLabel; }
    CCmnLabel *FooterLabel() const { return m_FooterLabel; }
    CCmnCheckBox *CheckBox() const { return m_CheckBox; }

    // Above the choices; may hold HTML, and links written "<a href=" open in the browser.
    QString m_Header;
    // In display order.
    QList<CCmnEnumSelectChoice> m_Choices;
    // In: the choice to preselect; out: the chosen one.
    qint32 m_SelectedValue = 0;
    // Below the choices, like the header.
    QString m_Footer;
    // A check box with this text is shown when it is not empty.
    QString m_CheckBoxText;
    // In and out: the state of that check box.
    bool m_CheckBoxState = false;

protected:
    void AddControls(QBoxLayout *layout) override;
    void AddControlsAfterButtonBox(QBoxLayout *layout) override;

private:
    void CreateWidgets();

    CCmnLabel *m_HeaderLabel = nullptr;
    CCmnLabel *m_FooterLabel = nullptr;
    CCmnCheckBox *m_CheckBox = nullptr;
};
