#pragma once
// How reading one of the binary files ended.

namespace kakeibo {

enum class ReadOutcome {
    Ok,             // read completely
    VersionTooNew,  // written by a later version; nothing was read
    Broken,         // a read fault; what was read before it is kept
};

}  // namespace kakeibo
