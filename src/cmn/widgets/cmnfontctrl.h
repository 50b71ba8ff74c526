#pragma once

#include "cmnctrl.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

class CCmnComboBox;
class CCmnDataExchange;
class CCmnFontComboBox;
class QFont;
class QLabel;

// What a font control shows and how it is laid out. The box property dialogs use
// face and style (27) or the size alone (28); the themed forms use all three (31).
enum ECmnFontCtrlFlag : qint32 {
    CmnFontCtrlFace = 0x01,
    CmnFontCtrlStyle = 0x02,       // the styles offered are those of the face shown
    CmnFontCtrlSize = 0x04,        // followed by the label " pt "
    CmnFontCtrlNoStretch = 0x08,   // no trailing stretch in the rows
    CmnFontCtrlNoMargins = 0x10,   // zero contents margins in the rows
    CmnFontCtrlTwoRows = 0x20,     // the face alone above size and style
};

// The composite control that edits a font descriptor (see CCmnFontDescriptor)
// with up to three combo boxes: face, point size and style. Parts it does not
// show are unset in the descriptor it gives back, so that they can be merged from
// another level. Hosts exchange it with ExchangeFont.
class CCmnFontCtrl : public CCmnCtrl
{
    Q_OBJECT
public:
    // Creates the widgets the flags ask for, parentless: the host owns them once it
    // puts Layout() into a widget. A non-empty word ("font", "base form font")
    // gives each widget a tool tip ("The font face").
    CCmnFontCtrl(QObject *parent, qint32 flags, const QString &word);

    // Shows the descriptor; a damaged text shows what can be read of it. A family
    // not installed here shows as written, a style the face lacks is added to the
    // list, and an unset size or style shows an empty box.
    void SetFont(const QString &text);
    // The descriptor last set, with each part the user changed read from its box
    // (the size as a whole number), so that an unchanged control gives back the
    // very text it was given, further fields included. A part the control does not
    // show is unset: an empty family or style, a size of 0 (a size already unset
    // keeps its own form). Always true.
    bool GetFont(QString *text) const;
    // SetFont on a load, GetFont on a save; never refuses.
    bool ExchangeFont(const CCmnDataExchange *context, QString *text);

    // Each combo box is registered under the same help name.
    void RegisterWhatsThis(CCmnTabOrDialogOrPanelOrPageMixin *mixin, const QString &name) override;

    qint32 Flags() const { return m_Flags; }
    // Null when the flags leave them out; the label exists with the size box.
    CCmnFontComboBox *FaceComboBox() const { return m_FaceComboBox; }
    CCmnComboBox *SizeComboBox() const { return m_SizeComboBox; }
    QLabel *PointsLabel() const { return m_PointsLabel; }
    CCmnComboBox *StyleComboBox() const { return m_StyleComboBox; }

Q_SIGNALS:
    // The user changed face, size or style; not sent while the program fills the control.
    void SignalFontChanged();

private Q_SLOTS:
    void Slot_currentFontChanged(const QFont &font);
    void Slot_currentIndexChanged_Size(int index);
    void Slot_currentIndexChanged_Style(int index);

private:
    // The face, size and style boxes' texts; empty for a box not shown.
    QStringList ShownTexts() const;

    qint32 m_Flags;
    // The parts of the descriptor last set, at least three, and what the boxes
    // showed for it.
    QString m_LoadedText;
    QStringList m_Loaded;
    QStringList m_Shown;
    CCmnFontComboBox *m_FaceComboBox = nullptr;
    CCmnComboBox *m_SizeComboBox = nullptr;
    QLabel *m_PointsLabel = nullptr;
    CCmnComboBox *m_StyleComboBox = nullptr;
};
