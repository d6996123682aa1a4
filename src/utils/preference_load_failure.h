#pragma once

#include <QString>

namespace UtilsLib {

/// Why a preference file did not load, for the operator to act on.
struct PreferenceLoadFailure {
    enum class Kind {
        NotFound,     ///< no file at the path
        Unreadable,   ///< there, but it could not be opened or read to its end
        NotWellFormed ///< read, but not a well-formed preference document
    };

    Kind kind = Kind::NotFound;
    /// The system's reason (Unreadable) or the XML reader's message (NotWellFormed).
    QString reason;
    /// Where the reader stopped (NotWellFormed), as the reader counts them.
    qint64 line = 0;
    qint64 column = 0;

    friend bool operator==(const PreferenceLoadFailure &, const PreferenceLoadFailure &) = default;
};

} // namespace UtilsLib
