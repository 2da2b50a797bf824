#pragma once
// Start-up defaults of every setting, the program and help folders, and the per-kind
// captions.

#include <array>
#include <filesystem>
#include <string>

#include "AppState.h"

namespace corv {

// The name of the automatic setup file in the program folder.
inline constexpr const char* kAutoSetupName = "$VM3bk$.&&&";

// Writes every default into the state; the folders come from the executable's path.
void SetDefaults(AppState& state, const std::filesystem::path& executable);

// The folder of the running executable (ProgramFolder).
[[nodiscard]] std::filesystem::path ProgramFolderOf(const std::filesystem::path& executable);

// The path of the running program: the system's own record of it where there is one,
// otherwise argv0 made absolute.
[[nodiscard]] std::filesystem::path RunningExecutable(const char* argv0);

// The path of the automatic setup file: AutoSetupFolder / "$VM3bk$.&&&" (the program folder,
// or the user's settings folder when the program is installed).
[[nodiscard]] std::filesystem::path AutoSetupPath(const AppState& state);

// The recent-files list beside the automatic setup file, for the same reason: an installed
// program's folder is not the user's to write.
[[nodiscard]] std::filesystem::path RecentFilesPath(const AppState& state);

// The user's own folder for the program's settings (created when first written).
[[nodiscard]] std::filesystem::path UserSettingsFolder();

// The main dialog's caption for an analysis kind.
[[nodiscard]] std::string MainDialogCaption(int kind);

// The default captions of the three channels for an analysis kind.
[[nodiscard]] std::array<std::string, kChannelCount> DefaultCaptions(int kind);

}  // namespace corv
