#pragma once

#include "cmnautomaticorcustompanel.h"

// A "Customize" panel of the text import and export wizards over one of their
// choices (encoding or format): unticked it shows the deduced value, ticked it edits
// the custom one. Clearing the box keeps the user's edits in the custom value, so
// that ticking it again brings them back; an edit that is refused then keeps the box
// ticked instead of losing it. A derived panel moves its value with ExchangeChoice.
class CCmnImportExportChoicePanel : public CCmnAutomaticOrCustomPanel
{
    Q_OBJECT
public:
    // The page flags say what the derived panel shows; the automatic flag is the
    // choice's, which outlives the panel.
    CCmnImportExportChoicePanel(qint32 pageFlags, bool *automatic, QBoxLayout *mainLayout,
                                QObject *parent = nullptr);

    qint32 PageFlags() const { return m_PageFlags; }

    // OnLoading before a load; the value the box shows (custom while ticked on
    // save, while not automatic on load), then the box; OnSaved after a save.
    bool DataExchange(CCmnDataExchange *context) override;
    void OnCustomChanged(bool custom) override;

protected:
    // Loads the custom or the deduced value into the controls; saves the controls
    // into the custom value, and only when asked to show it. False when a control
    // holds a value that is refused.
    virtual bool ExchangeChoice(CCmnDataExchange *context, bool showCustom) = 0;
    // Where an import panel deduces its value afresh, and passes on what the user
    // accepted; nothing here.
    virtual void OnLoading() {}
    virtual void OnSaved() {}

private:
    qint32 m_PageFlags;
    bool *m_Automatic;
};
