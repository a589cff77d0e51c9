#pragma once

#include <chrono>
#include <cstddef>

#include "device/link/ByteStream.h"

namespace vitalis {

// The fixed waits of the handshakes. The monitors need them; tests shorten them.
struct LinkTiming {
    using ms = std::chrono::milliseconds;
    // Serial: after the probe and again after its reply.
    ms serialProbePause{5};
    // Serial ports: 50 ms between bytes, 100 ms plus 50 ms per byte in total.
    StreamTimeouts serialTimeouts{};
    // A line that keeps talking while it is drained is cut off after this many bytes, so a
    // babbling port cannot hold the scan (a whole recording is far smaller).
    size_t drainLimit = 64 * 1024;
    // Bluetooth: one poll of a socket receive.
    ms bluetoothPoll{100};
    ms bluetoothUploadOpenPause{3000};
    int bluetoothUploadOpenPolls = 1000;
    ms bluetoothDownloadOpenPause{100};
    int bluetoothDownloadOpenPolls = 100;
    int bluetoothDownloadOpenAttempts = 2;
    int bluetoothHeronUpPolls = 10;   // per read of the upload side
    int bluetoothHeronDownPolls = 5;  // per read of the download side
    int bluetoothHidUpPolls = 5;      // per byte of the upload side
    int bluetoothHidDownPolls = 10;   // per byte of the download side
    // Identification.
    ms hidIdentifyPause{10};
    int bluetoothIdentifyPolls = 10;
    ms bluetoothHeronProbePause{4000};
    int bluetoothHeronProbePolls = 50;
};

}  // namespace vitalis
