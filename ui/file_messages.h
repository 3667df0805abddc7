#pragma once
// What went wrong with a file, worded for a message box in the language in use. The files and
// the replay reader report typed results (an error kind, a path, the system's error number, a
// problem and the key or input it is about); only here do they become one sentence, every
// detail of it in the same language.

#include "persistence/file_result.h"
#include "persistence/replay_file.h"

#include <QString>

#include <vector>

namespace kp {

// The system's reason for the error number, as a clause ("le disque est plein", "the disk is
// full"); a general one for a number without words of its own.
QString systemReason(int error);

// One sentence saying whether reading or writing the file failed and why, or that another copy
// of the game held it too long; empty when there is nothing to say.
QString fileMessage(const FileResult& result);

// One sentence for the files one event wrote: the last failure's, or when none failed, the
// notice naming every file another copy held; empty when there is nothing to say.
QString filesMessage(const std::vector<FileResult>& written);

// A background picture file that loads neither as BMP nor as JPEG.
QString unknownPictureMessage(const std::string& path);

// One sentence saying why a replay file cannot be watched; empty when it can.
QString replayMessage(const ReplayRead& read);

} // namespace kp
