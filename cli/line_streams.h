// SPDX-License-Identifier: GPL-3.0-or-later
// The streams of batch: lines in, however long, and numbers out in blocks.
#pragma once

#include "framework/number_text.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace ambrel {

// Buffered output: one write call per large block, not per number. A write
// that fails is remembered with its errno and nothing more is written.
class Output {
public:
    explicit Output(std::FILE* out) : out_(out) { buffer_.reserve(kBlock + 512); }
    void put(char c) { buffer_.push_back(c); }
    void put(std::string_view s) { buffer_.append(s); }
    // `v` in the shortest form that reads back as it, or to `digits`
    // significant digits.
    void number(double v, int digits = 0)
    {
        if (!std::isfinite(v)) {
            put(formatExact(v));
            return;
        }
        char buf[32];
        const auto res = digits ? std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits)
                                : std::to_chars(buf, buf + sizeof buf, v);
        buffer_.append(buf, static_cast<std::size_t>(res.ptr - buf));
    }
    void endLine()
    {
        buffer_.push_back('\n');
        if (buffer_.size() >= kBlock)
            flush();
    }
    bool flush()
    {
        if (!buffer_.empty() && !error_ && std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size())
            error_ = errno ? errno : EIO;
        buffer_.clear();
        return !error_;
    }
    // Flushes all the way to the file; false if any write failed.
    bool finish()
    {
        if (flush() && std::fflush(out_) != 0)
            error_ = errno ? errno : EIO;
        return !error_;
    }
    bool failed() const { return error_ != 0; }
    int error() const { return error_; }

private:
    static constexpr std::size_t kBlock = 1 << 16;
    std::FILE* out_;
    std::string buffer_;
    int error_ = 0;
};

// Reads lines of any length in linear time, holding at most
// kLongestNumberText characters of one: the rest of a longer line is
// skipped unread.
class LineReader {
public:
    explicit LineReader(std::FILE* in) : in_(in), chunk_(1 << 16) {}

    // The next line without its end, valid until the next call; false at
    // the end of the input.
    bool next(std::string_view& line, bool& tooLong)
    {
        tooLong = false;
        // Most lines lie whole in the chunk read and are not copied.
        if (const void* nl = std::memchr(chunk_.data() + pos_, '\n', size_ - pos_)) {
            const char* start = chunk_.data() + pos_;
            const std::size_t n = static_cast<std::size_t>(static_cast<const char*>(nl) - start);
            pos_ += n + 1;
            tooLong = n > kLongestNumberText;
            line = trimmed({start, std::min(n, kLongestNumberText)});
            return true;
        }
        held_.clear();
        bool any = false;
        for (;;) {
            if (pos_ == size_) {
                size_ = std::fread(chunk_.data(), 1, chunk_.size(), in_);
                pos_ = 0;
                if (size_ == 0) {
                    if (!any)
                        return false;
                    break;  // the last line has no end
                }
            }
            any = true;
            const char* start = chunk_.data() + pos_;
            const void* nl = std::memchr(start, '\n', size_ - pos_);
            const std::size_t n = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - start) : size_ - pos_;
            if (!tooLong) {
                const std::size_t room = kLongestNumberText - held_.size();
                held_.append(start, std::min(n, room));
                tooLong = n > room;
            }
            pos_ += n;
            if (nl) {
                ++pos_;
                break;
            }
        }
        line = trimmed(held_);
        return true;
    }

private:
    // Without the carriage return of a DOS line end.
    static std::string_view trimmed(std::string_view line)
    {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

    std::FILE* in_;
    std::vector<char> chunk_;
    std::string held_;
    std::size_t pos_ = 0, size_ = 0;
};

}  // namespace ambrel
