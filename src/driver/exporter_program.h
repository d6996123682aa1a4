#pragma once

/// The whole run: banner, old export file deleted, preference stage, database stage,
/// rules warning, done message, the final key press. Returns the exit status.
int runExporter();
