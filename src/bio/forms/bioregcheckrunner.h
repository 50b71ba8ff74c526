#pragma once

#include "bioregcheckoptions.h"

#include <QStringList>

class CBioReg;
class QWidget;

// Registers above this many records show a progress dialog while every record is
// checked.
inline constexpr int kBioCheckProgressThreshold = 2000;

// Runs the record check. Checking every record of a large register shows a
// progress dialog whose Cancel stops the check; false when it was cancelled, with
// the messages found until then.
bool BioRunRecordChecks(const CBioReg &reg, QStringList &messages, const CBioRegCheckOptions &options,
                        int recordId, int sireId, int damId, QWidget *parent,
                        int threshold = kBioCheckProgressThreshold);
