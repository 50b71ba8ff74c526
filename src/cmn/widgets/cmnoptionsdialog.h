#pragma once

#include "cmntabdialog.h"

#include <QString>

// The tab dialog of the preferences and the document settings, with a "Reset All"
// button. After asking, Reset All sets every value the dialog edits back to its
// default and closes the dialog as accepted, without saving or checking the tabs;
// the creator then reads ResetDone.
class CCmnOptionsDialog : public CCmnTabDialog
{
    Q_OBJECT
public:
    // With the default dialog flags; titled "Preferences" until the derived dialog
    // sets another title.
    explicit CCmnOptionsDialog(QWidget *parent = nullptr);

    bool ResetDone() const { return m_ResetDone; }
    void SetShowResetButton(bool on) { m_ShowResetButton = on; }
    void SetResetButtonText(const QString &text) { m_ResetButtonText = text; }
    void SetResetQuestion(const QString &question) { m_ResetQuestion = question; }

public Q_SLOTS:
    void Slot_clicked_ResetButton();

protected:
    void AddControlsAfterButtonBox(QBoxLayout *layout) override;
    // Sets every value the dialog edits back to its default.
    virtual void ResetAll() = 0;

private:
    bool m_ResetDone = false;
    bool m_ShowResetButton = true;
    QString m_ResetButtonText;
    QString m_ResetQuestion;
};
