#pragma once

#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <functional>

class CCmnComboBox;
class CCmnDoubleSpinBox;
class CCmnSpinBox;
class CCmnToolButton;
class QAction;
class QWidget;

// Factories of the controls that recur across dialogs, tabs and panels. Each
// returns a new control of the framework's widget family, owned by the parent
// given (or, without one, by whatever the caller puts it into).

// One item per code of the list (0 to last without a list): the prefix and the
// code's name as text, the code as data; a code whose name is empty is left out.
// At most 20 items are visible at once.
CCmnComboBox *CmnNewNamedCodeComboBox(const QList<qint32> *codes, qint32 last,
                                      const std::function<QString(qint32)> &name, const QString &prefix,
                                      QWidget *parent);

// One item per ECmnLetterCase mode of the list (modes 0 to 4 without a list): the
// prefix and the mode's name as text, the mode as data.
CCmnComboBox *CmnNewLetterCaseComboBox(const QList<qint32> *modes, const QString &prefix, QWidget *parent);

// One item per ECmnLengthUnit of the list (units 0 to 2 without a list): the
// prefix and the unit's name in the style of CmnLengthUnitName as text, the unit
// as data.
CCmnComboBox *CmnNewLengthUnitComboBox(const QList<qint32> *units, qint32 nameStyle, const QString &prefix,
                                       QWidget *parent);

// Every codec of the registry once, by name: the UTF-8 and UTF-16 forms, then the
// ISO family, then the rest, each group in plain string order. The data is the
// codec name, "LOCALE" for the system's codec. When the system's codec is UTF-8,
// "LOCALE" and "UTF-8" are two items, so that a byte-order mark can still be
// chosen for UTF-8 (no mark is ever written for "LOCALE").
CCmnComboBox *CmnNewTextEncodingComboBox(QWidget *parent);

// "Linefeed (LF)", "Carriage Return (CR)", "Carriage Return, Linefeed (CR+LF)"
// and "Default", with the line-ending names "LF", "CR", "CRLF" and "LOCALE" as data.
CCmnComboBox *CmnNewLineEndingComboBox(QWidget *parent);

// Qt::BrushStyle 0 (no brush) to 14 (diagonal cross) by name, the value as data.
CCmnComboBox *CmnNewBrushStyleComboBox(QWidget *parent);
// Qt::PenStyle 0 (no pen) to 5 (dash-dot-dot) by name, the value as data.
CCmnComboBox *CmnNewPenStyleComboBox(QWidget *parent);

// A parentless spin box over the range, by steps of 1.
CCmnSpinBox *CmnNewSpinBox(qint32 minimum, qint32 maximum);

// A spin box that shows a fraction as a percentage with suffix "%": the step and
// the range are given as fractions. Its value is the percentage; callers divide
// by 100 to store it.
CCmnDoubleSpinBox *CmnNewPercentSpinBox(double step, int decimals, double minimum, double maximum,
                                        QWidget *parent);

// A tool button showing CmnToolButtonIcon(iconBaseName) at the icon size; with
// auto-repeat it repeats after 200 ms, every 200 ms.
CCmnToolButton *CmnNewToolButton(const QString &iconBaseName, const QSize &iconSize, const QString &toolTip,
                                 bool checkable, bool autoRepeat, QWidget *parent);

// The icon of the two images base name + "-24.png" (24 x 24) and base name +
// "-32.png" (32 x 32), e.g. ":/cmn/toolbuttons/floppydisk". An image that does
// not exist is left out, so a missing resource gives an empty icon, not a broken one.
QIcon CmnToolButtonIcon(const QString &iconBaseName);

// Gives the action the tool-button icon named under ":/cmn/toolbuttons/", e.g.
// "go-next" for ":/cmn/toolbuttons/go-next-24.png" and its 32-pixel image.
void CmnSetToolButtonIcon(QAction *action, const QString &name);
