#pragma once

#include <QList>
#include <QString>

class CCmnGridLayoutEx;
class CCmnLabel;
class CCmnRegFieldWidgets;
class CCmnTabOrDialogOrPanelOrPageMixin;
class QWidget;

// The grid of register-field rows that record edit tabs and record select dialogs
// show, and the labels of its rows.

// A new grid holding the full-width rows from the top, each across every column,
// and below them the column rows in one or more columns of a label and an editor
// grid column each: the first column row opens the first column and every later
// one with its column-start flag opens the next. The last row of each column is
// stretched down to the end of the longest one, so all columns end together. The
// editor grid columns stretch. The host (or null) passes on to every row's
// CCmnRegFieldWidgets::AddToGrid for the help names.
CCmnGridLayoutEx *CmnNewColumnsGridLayout(CCmnTabOrDialogOrPanelOrPageMixin *host,
                                          const QList<CCmnRegFieldWidgets> &fullWidthRows,
                                          const QList<CCmnRegFieldWidgets> &columnRows);

// A new parentless label of the text and ":". Field names are typed by the user, so
// "<" or "&" must show as such: a label for a buddy is plain text with every "&"
// doubled, since its mnemonic is given later by the accelerator assignment; a bold
// label, which never has a buddy, and one without a buddy are HTML-escaped rich text.
CCmnLabel *CmnNewFieldLabel(const QString &text, bool bold, QWidget *buddy = nullptr);
