#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

// Collects what is written to a standard stream's file descriptor (1 or 2) while it lives, from
// printf and syslog echoes alike.
class StreamCapture {
public:
    explicit StreamCapture(int inFd) : mFd(inFd) {
        flushAll();
        mSaved = ::dup(mFd);
        mFile = std::tmpfile();
        ::dup2(::fileno(mFile), mFd);
    }
    ~StreamCapture() {
        flushAll();
        ::dup2(mSaved, mFd);
        ::close(mSaved);
        std::fclose(mFile);
    }
    StreamCapture(const StreamCapture&) = delete;
    StreamCapture& operator=(const StreamCapture&) = delete;

    std::string text() const {
        flushAll();
        std::string all;
        std::rewind(mFile);
        char chunk[512];
        std::size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, mFile)) > 0) {
            all.append(chunk, n);
        }
        std::fseek(mFile, 0, SEEK_END);
        return all;
    }

    std::vector<std::string> lines() const {
        std::vector<std::string> lines;
        const std::string all = text();
        std::size_t start = 0;
        for (std::size_t end; (end = all.find('\n', start)) != std::string::npos; start = end + 1) {
            lines.push_back(all.substr(start, end - start));
        }
        return lines;
    }

private:
    static void flushAll() {
        std::fflush(stdout);
        std::fflush(stderr);
    }

    int mFd;
    int mSaved = -1;
    std::FILE* mFile = nullptr;
};
