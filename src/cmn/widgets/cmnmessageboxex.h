#pragma once

#include "cmnmessagebox.h"
#include "cmnmessageboxoptions.h"

// The message box of the message and question functions: it takes its check box,
// modality, icon and place on the screen from the caller's options, and a box
// without a title shows the product name.
class CCmnMessageBoxEx : public CCmnMessageBox
{
    Q_OBJECT
public:
    // The options are not copied: they must outlive the box. Without options the
    // box uses a default record of its own.
    CCmnMessageBoxEx(Icon icon, const QString &title, const QString &text,
                     const CCmnMessageBoxOptions *options = nullptr,
                     StandardButtons buttons = NoButton, QWidget *parent = nullptr,
                     Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);

    const CCmnMessageBoxOptions &Options() const { return *m_Options; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    const CCmnMessageBoxOptions *m_Options;
    CCmnMessageBoxOptions m_OwnOptions;
};

// The title a message box shows: the product's display name for an empty title.
QString CmnMessageBoxTitle(const QString &title);
