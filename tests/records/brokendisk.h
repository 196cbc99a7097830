#pragma once
#include "records/systemcalls.h"

// A disk that breaks on purpose: while one lives, the readers and writers go
// through it. It counts the calls, fails the N-th one with a chosen error or
// ends the process there (as a power cut would), and can play a disk that lacks
// some of the calls, as a school's network share does.
class BrokenDisk
{
public:
    enum class Kind {
        Local,          // every call there
        HardLinksOnly,  // no rename that refuses to replace
        NetworkShare,   // neither that rename nor hard links
    };
    explicit BrokenDisk(Kind kind = Kind::Local);
    ~BrokenDisk();
    BrokenDisk(const BrokenDisk &) = delete;
    BrokenDisk &operator=(const BrokenDisk &) = delete;

    void failCall(int n, int error);   // n from 1; error = 0 ends the process with _exit(0)
    int calls() const;                 // calls made so far (the unsupported ones are not counted)
};
