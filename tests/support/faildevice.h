#pragma once

#include <QBuffer>

// A buffer that accepts a fixed number of bytes and then refuses every write
// with the error "FAILDEVICE", to show how writers handle a failing disk.
class CFailDevice : public QBuffer
{
    Q_OBJECT
public:
    explicit CFailDevice(qint64 failAfterBytes, QObject *parent = nullptr);

    // A device that takes nothing and reports no error: a write that makes no progress.
    void SetStallInsteadOfFail(bool stall) { m_Stall = stall; }

protected:
    qint64 writeData(const char *data, qint64 size) override;

private:
    qint64 m_Remaining;
    bool m_Stall = false;
};
