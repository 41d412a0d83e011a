#include "inventory/datatool/qrcode.h"

#include "inventory/datatool/errors.h"

#include <QCoreApplication>
#include <qrencode.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace datatool {

namespace {

constexpr unsigned kEciUtf8 = 26;

struct InputDeleter
{
    void operator()(QRinput* input) const { QRinput_free(input); }
};
struct CodeDeleter
{
    void operator()(QRcode* code) const { QRcode_free(code); }
};
using Input = std::unique_ptr<QRinput, InputDeleter>;
using Code = std::unique_ptr<QRcode, CodeDeleter>;

[[noreturn]] void fail()
{
    throw ToolError(LabelCodeFailed,
                    QCoreApplication::translate("Companion",
                                                "A label's QR code could not be made (%1). Check that the "
                                                "computer has memory to spare and try again.")
                        .arg(QString::fromLocal8Bit(std::strerror(errno))));
}

// The smallest code of the text at one level; null when even version 40 is too small.
Code encodeAt(const QByteArray& utf8, QRecLevel level)
{
    Input input(QRinput_new2(0, level));
    if (!input || QRinput_appendECIheader(input.get(), kEciUtf8) != 0 ||
        QRinput_append(input.get(), QR_MODE_8, static_cast<int>(utf8.size()),
                       reinterpret_cast<const unsigned char*>(utf8.constData())) != 0)
        fail();
    errno = 0;
    Code code(QRcode_encodeInput(input.get()));
    if (!code && errno != ERANGE)
        fail();
    return code;
}

} // namespace

QrCode QrCode::encode(const QByteArray& utf8, int maxVersion)
{
    QrCode result;
    for (const QRecLevel level : {QR_ECLEVEL_M, QR_ECLEVEL_L}) {
        const Code code = encodeAt(utf8, level);
        if (!code || code->version > maxVersion)
            continue;
        result.version_ = code->version;
        result.size_ = code->width;
        result.modules_.resize(static_cast<std::size_t>(code->width) * static_cast<std::size_t>(code->width));
        for (std::size_t i = 0; i < result.modules_.size(); ++i)
            result.modules_[i] = (code->data[i] & 1) != 0; // bit 0: dark
        break;
    }
    return result;
}

std::vector<QRect> QrCode::rectangles() const
{
    std::vector<bool> taken(modules_.size());
    auto free = [&](int x, int y) {
        return dark(x, y) && !taken[static_cast<std::size_t>(y * size_ + x)];
    };
    std::vector<QRect> rects;
    for (int y = 0; y < size_; ++y)
        for (int x = 0; x < size_;) {
            if (!free(x, y)) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < size_ && free(x, y))
                ++x;
            int bottom = y;
            for (;;) {
                const int next = bottom + 1;
                bool repeats = next < size_;
                for (int i = left; repeats && i < x; ++i)
                    repeats = free(i, next);
                // The run must end where it ends above, or the rectangles would overlap a longer run.
                repeats = repeats && (left == 0 || !free(left - 1, next)) && (x == size_ || !free(x, next));
                if (!repeats)
                    break;
                bottom = next;
            }
            for (int row = y; row <= bottom; ++row)
                for (int i = left; i < x; ++i)
                    taken[static_cast<std::size_t>(row * size_ + i)] = true;
            rects.emplace_back(left, y, x - left, bottom - y + 1);
        }
    return rects;
}

} // namespace datatool
