#pragma once

#include <QtGlobal>

#include <cstring>
#include <string_view>
#include <vector>

class QIODevice;

// Gathers bytes in a buffer of its own and writes them to a device in large
// pieces. Writers of big files put their pieces straight into the buffer: a
// byte array checks its sharing and capacity and ends itself with a zero for
// every piece appended, which costs as much as the copying when the pieces are
// the tags and texts of a million cells.
class CCmnByteWriter
{
public:
    explicit CCmnByteWriter(QIODevice *device = nullptr);

    void SetDevice(QIODevice *device) { m_Device = device; }
    // Room for at least `size` bytes at the returned position, writing out what is
    // held first when the buffer would overflow. Commit says how much was used.
    char *Reserve(qsizetype size);
    void Commit(char *end) { m_Size = end - m_Buffer.data(); }
    void Append(std::string_view bytes)
    {
        char *out = Reserve(qsizetype(bytes.size()));
        std::memcpy(out, bytes.data(), bytes.size());
        Commit(out + bytes.size());
    }
    // Writes out what is held; false once any write has failed.
    bool Flush();
    bool Failed() const { return m_Failed; }

    CCmnByteWriter(const CCmnByteWriter &) = delete;
    CCmnByteWriter &operator=(const CCmnByteWriter &) = delete;

private:
    QIODevice *m_Device;
    std::vector<char> m_Buffer;
    qsizetype m_Size = 0;
    bool m_Failed = false;
};
