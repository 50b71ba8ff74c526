#pragma once

#include <QString>

class QSplitter;

// Keeps a splitter's layout between runs: its saved state as one byte array under
// the caller's settings key. Both do nothing for a null splitter; restoring leaves
// the splitter as it is when the key holds nothing or a damaged state.
void CmnRestoreSplitterState(QSplitter *splitter, const QString &key);
void CmnSaveSplitterState(QSplitter *splitter, const QString &key);
