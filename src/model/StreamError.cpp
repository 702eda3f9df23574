// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/StreamError.h"

#include <cerrno>

StreamError StreamError::Truncated(const char* what)
{
    return StreamError(ENODATA, what);
}

StreamError StreamError::BadData(const char* what)
{
    return StreamError(EINVAL, what);
}

StreamError StreamError::TooLarge(const char* what)
{
    return StreamError(EFBIG, what);
}

StreamError StreamError::FromErrno(const char* what)
{
    return StreamError(errno ? errno : EIO, what);
}
