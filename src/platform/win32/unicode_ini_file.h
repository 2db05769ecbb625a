#pragma once
#include <string>

namespace haltwise {

// Windows writes a private profile file in the encoding the file already
// has, and creates a new one in the ANSI code page, where every letter
// outside it becomes "?". Before a text outside the ANSI code page is
// written, the file is made UTF-16 (little-endian, with its byte-order
// mark): created so when missing, converted from ANSI when it holds only
// ANSI text. Files of pure ANSI text are left as they are, so older files
// keep their bytes. Returns false when the file could not be prepared; the
// write may then still succeed with the letters replaced.
bool PrepareIniFileFor(const std::wstring& text, const std::wstring& fileName);

}  // namespace haltwise
