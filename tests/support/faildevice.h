#pragma once

#include <QBuffer>

// A buffer that accepts a fixed number of bytes and then refuses every write
// with the error "FAILDEVICE", to show how writers handle a failing disk. It can
// also hold data that fails to read from a given offset on, as a damaged disk does.
class CFailDevice : public QBuffer
{
    Q_OBJECT
public:
    explicit CFailDevice(qint64 failAfterBytes, QObject *parent = nullptr);

    // A device that takes nothing and reports no error: a write that makes no progress.
    void SetStallInsteadOfFail(bool stall) { m_Stall = stall; }
    // Every read that reaches the offset fails with "FAILDEVICE"; the bytes before it read.
    void SetReadFailsAt(qint64 offset) { m_ReadFailsAt = offset; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    qint64 m_Remaining;
    bool m_Stall = false;
    qint64 m_ReadFailsAt = -1;
};
