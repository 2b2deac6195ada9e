#pragma once

#include <cstdio>
#include <string>

#include <unistd.h>

// Collects what is written to a standard stream's file descriptor (1 or 2) while it lives, from
// printf and syslog echoes alike.
class StreamCapture {
public:
    explicit StreamCapture(int inFd) : mFd(inFd), mSaved((flush(), ::dup(inFd))) {
        ::dup2(::fileno(mFile), mFd);
    }
    ~StreamCapture() {
        flush();
        ::dup2(mSaved, mFd);
        ::close(mSaved);
        std::fclose(mFile);
    }
    StreamCapture(const StreamCapture&) = delete;
    StreamCapture& operator=(const StreamCapture&) = delete;

    std::string text() const {
        flush();
        std::string all(static_cast<std::size_t>(std::ftell(mFile)), '\0');
        std::rewind(mFile);
        all.resize(std::fread(all.data(), 1, all.size(), mFile));
        return all;
    }

private:
    static void flush() {
        std::fflush(stdout);
        std::fflush(stderr);
    }

    int mFd;
    int mSaved;
    std::FILE* mFile = std::tmpfile();
};
