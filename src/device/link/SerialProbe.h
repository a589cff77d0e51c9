#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "device/link/ByteStream.h"
#include "device/link/LinkTiming.h"
#include "device/session/Pacer.h"

namespace vitalis {

// The handshakes a serial port is probed with. Both pause before and after the reply so a
// slow monitor has time to answer and to finish what it was saying.

// Upload side at 4800 Bd: 0xAA, answered by 0x6C.
bool SerialUploadHandshake(ByteStream& port, Pacer& pacer, const LinkTiming& timing);

// Download side at 115200 Bd: the seven-byte open frame, one byte per write, answered by six
// bytes read one at a time. The reply form on success. Reading stops at the first byte that
// does not come, since the reply can no longer be whole.
std::optional<uint8_t> SerialDownloadHandshake(ByteStream& port, Pacer& pacer,
                                               const LinkTiming& timing);

// Reads single bytes until one does not come, at most `limit` of them. Returns the count.
size_t DrainSerial(ByteStream& port, size_t limit);

}  // namespace vitalis
