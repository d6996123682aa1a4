#pragma once

#include "platform/output_file.h"

/// How the files of failingFiles() fail, as a full disk, a failing device or a network
/// share that reports a lost write only at the end would.
struct OutputFailures {
    qint64 spaceLeft = -1; ///< bytes the disk still takes (-1: no limit); a write beyond them
                           ///< stores what fits and fails
    bool syncFails = false;
    bool closeFails = false;
};

/// The system's reasons the failing files give.
inline constexpr char kDiskFullReason[] = "No space left on device";
inline constexpr char kDeviceFailedReason[] = "Input/output error";

/// Opens real files that fail as \a failures says; the space left is shared by every file
/// the opener makes.
OutputFileOpener failingFiles(const OutputFailures &failures);
