#pragma once

#include <QLatin1StringView>

/// First character of a commented-out row.
inline constexpr QLatin1StringView kCommentPrefix{"#"};
/// Between the fields of a row; a value that contains it cannot be exported.
inline constexpr QLatin1StringView kFieldSeparator{"^~%"};
/// Marks a value the cloud service cannot take; such rows are commented out.
inline constexpr QLatin1StringView kNoMappingMarker{"NO_MAPPING: "};
