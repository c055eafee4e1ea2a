#pragma once

// Replacing a file with new contents so that a failure at any point leaves
// the old file exactly as it was and nothing else behind.
//
// The bytes go into a file without a name in the target's folder where the
// file system offers one (O_TMPFILE), otherwise under a short hidden name;
// it is flushed to disk, given the old file's mode (and owner and group where
// the user may), named and renamed over the target. A symbolic link is
// followed: the file it points to is replaced and the link stays. A target
// that is no regular file (a folder, a FIFO, a device), or a file the user
// may not write, is refused. Every failure throws FileError naming the target
// with the system's reason, after the temporary file is gone.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include <sys/types.h>

void replaceFileAtomically(const std::string& target, std::string_view bytes);

// Test seam: every write of the replacement goes through this function when
// it is set (same contract as ::write), so tests can fail a save after any
// number of bytes. Reset with an empty function.
using WriteFunction = std::function<ssize_t(int fd, const void* data, size_t size)>;
void setWriteFunctionForTests(WriteFunction write);
