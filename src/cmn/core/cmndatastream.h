#pragma once

class QDataStream;

// Every stream the program stores (documents, settings blobs, values inside them)
// is read and written in one pinned form, so that files stay the same whatever
// toolkit release builds the program: version 12, big-endian, double precision.
void CmnPrepareDataStream(QDataStream &stream);
