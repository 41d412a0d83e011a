#include "inventory/datatool/qrcode.h"

#include "inventory/datatool/errors.h"

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
                    QStringLiteral("A label's QR code could not be made (%1). Check that the "
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

QPainterPath QrCode::path() const
{
    QPainterPath path;
    for (int y = 0; y < size_; ++y)
        for (int x = 0; x < size_;) {
            if (!dark(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < size_ && dark(x, y))
                ++x;
            path.addRect(start, y, x - start, 1);
        }
    return path;
}

} // namespace datatool
