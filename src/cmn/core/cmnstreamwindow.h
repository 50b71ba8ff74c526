#pragma once

#include "cmnbytecursor.h"

#include <QByteArray>

class QDataStream;

// The next bytes of a data stream's device, looked at without taking them, so
// that a reader can decode many small items from memory instead of calling the
// device for each; it then takes exactly the bytes it decoded, and whatever it
// could not decode is still there for the stream's own reader. Only a stream in
// the stored form (see CmnPrepareDataStream) is looked at: any other gets an
// empty window, and everything goes through the stream.
class CCmnStreamWindow
{
public:
    explicit CCmnStreamWindow(QDataStream &stream, qsizetype size = 64 * 1024);

    // Looks at up to the window's size of the bytes ahead; empty once the stream
    // has failed or ended.
    CCmnByteCursor Look();
    // Takes the first bytes of the last look from the device. A device that
    // cannot give back what it showed marks the stream as read past its end.
    void Take(qsizetype size);

private:
    QDataStream &m_Stream;
    QByteArray m_Bytes;
    qsizetype m_Size;
    bool m_Usable;
};
