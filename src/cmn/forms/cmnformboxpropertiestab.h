#pragma once

#include "cmngridcell.h"
#include "cmntab.h"

#include <QSharedPointer>

class CCmnFormBoxPropertiesPanel;

// One tab of a tab dialog holding a box properties panel. Its help page must be
// set before controls are added to the panel.
class CCmnFormBoxPropertiesTab : public CCmnTab
{
    Q_OBJECT
public:
    explicit CCmnFormBoxPropertiesTab(QWidget *parent = nullptr);
    ~CCmnFormBoxPropertiesTab() override;

    // Marks the controls shown and lays the panel out in the tab.
    void CreateControls() override;
    bool DataExchange(CCmnDataExchange *context) override;

    void AddPictureCtrl(const QString &title, const CCmnGridCell &cell);
    void AddTextCtrl(const QString &title, int minimumLines, bool withHtml, const CCmnGridCell &cell);

    const QSharedPointer<CCmnFormBoxPropertiesPanel> &Panel() const { return m_Panel; }

private:
    QSharedPointer<CCmnFormBoxPropertiesPanel> m_Panel;
};
