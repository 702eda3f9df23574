// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <stdexcept>

// A failure raised while reading or writing a stream or decoding stored
// data. It carries the operating-system error number that the error report
// shows, so the number survives any call made between the failure and the
// report.
class StreamError : public std::runtime_error {
public:
    StreamError(int osError, const char* what) : std::runtime_error(what), m_osError(osError) {}
    int OsError() const { return m_osError; }

    // The data ends before the value being read (ENODATA).
    static StreamError Truncated(const char* what = "data ends inside a record");
    // The bytes are not what the format allows (EINVAL).
    static StreamError BadData(const char* what);
    // A size beyond what the data or the memory limits allow (EFBIG).
    static StreamError TooLarge(const char* what);
    // The current errno of a failed system call.
    static StreamError FromErrno(const char* what);

private:
    int m_osError;
};
