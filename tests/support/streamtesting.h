#pragma once

#include "cmndatastream.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

// The bytes a writer puts into a stream prepared as documents and settings blobs
// are, for golden-byte and round-trip checks.
template <typename Writer>
QByteArray CmnTestStreamBytes(Writer &&write)
{
    return CmnStreamBytes(std::forward<Writer>(write));
}
