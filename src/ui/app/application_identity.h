#pragma once

namespace talvek {

// The names the settings (recent files) are kept under: Talvek's own, for the program and its tools.
void setApplicationIdentity();

} // namespace talvek
