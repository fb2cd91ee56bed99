#pragma once
// What is checked about -o OUT before a command builds anything: that it
// does not name one of the command's own inputs, and that its folder is
// there. Both are cheaper to say before a long build than after it.
#include <QString>

#include "cli/CliCommon.h"

namespace vexoria::cli {

// Whether a and b name one existing file, by any name (a link, a path
// through another folder).
bool namesSameFile(const QString& a, const QString& b);

// False, after a usage error on io.err, when OUT is the input FILE or the
// --ini file: the output would replace what the command reads.
bool checkNotOverInput(const CommandInfo& info, const BuildOptions& opts, const QString& output, Io& io);

// False, after one line naming the folder on io.err, when OUT is a file in
// a folder that does not exist. Standard output and devices need none.
bool checkOutputFolder(const QString& output, Io& io);

// False, after one line on io.err, when the database OUT or its folder is
// read-only: the database writes its journal beside the file, so both must
// take writes, and the storage itself would only say "disk I/O error".
bool checkDatabaseWritable(const QString& output, Io& io);

} // namespace vexoria::cli
