// SPDX-License-Identifier: GPL-2.0-or-later
// The C library's iconv decodes the code pages; after a byte it cannot
// convert, conversion goes on with the next one.
#include "controls/RtfSystemDecoder.h"

#include <cerrno>
#include <iconv.h>

namespace {
constexpr char16_t kReplacement = 0xFFFD;
} // namespace

bool DecodeWithSystem(int codePage, QByteArrayView bytes, QString& text)
{
    const QByteArray name = "CP" + QByteArray::number(codePage);
    iconv_t converter = iconv_open("UTF-16LE", name.constData());
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;

    QByteArray input = bytes.toByteArray();
    char* in = input.data();
    size_t inLeft = size_t(input.size());
    QByteArray output(input.size() * 4 + 16, Qt::Uninitialized);
    while (inLeft > 0) {
        char* out = output.data();
        size_t outLeft = size_t(output.size());
        const size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        const auto produced = qsizetype(out - output.data());
        for (qsizetype i = 0; i + 1 < produced; i += 2) {
            text.append(QChar(char16_t(static_cast<unsigned char>(output[i])
                                       | static_cast<unsigned char>(output[i + 1]) << 8)));
        }
        if (result != size_t(-1))
            break;
        if (errno == E2BIG)
            continue;
        // An invalid or truncated sequence: replace its first byte.
        text.append(QChar(kReplacement));
        ++in;
        --inLeft;
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(converter);
    return true;
}
