#pragma once

#include <QByteArray>
#include <QRect>

#include <vector>

namespace datatool {

// A QR code made with libqrencode: its square of modules, dark or light, without the
// quiet zone around it.
class QrCode final
{
public:
    // The code of the UTF-8 text in byte mode, marked as UTF-8 (ECI 26): a reader that is
    // not told guesses the character set, and zbar takes the bytes of "Ácido" for
    // Shift-JIS. Error correction M (15 %), or L (7 %) when M would need a version above
    // maxVersion. A null code when the text does not fit in maxVersion even at L. Throws
    // LabelCodeFailed when libqrencode fails otherwise (out of memory).
    static QrCode encode(const QByteArray& utf8, int maxVersion);

    bool isNull() const { return size_ == 0; }
    int version() const { return version_; }
    int size() const { return size_; } // modules on a side
    bool dark(int x, int y) const { return modules_[static_cast<std::size_t>(y * size_ + x)]; }

    // The dark modules as few rectangles, in units of modules: each run of a row, taken as far
    // down as the rows below repeat it. A PDF gets a few hundred sharp rectangles rather
    // than a picture that viewers may smooth when they scale it up.
    std::vector<QRect> rectangles() const;

    // The modules on a side of the smallest code of a version (1 to 40).
    static int sizeOfVersion(int version) { return 17 + 4 * version; }
    // Light modules on each side that readers need around the code.
    static constexpr int kQuietZone = 4;

private:
    int version_ = 0;
    int size_ = 0;
    std::vector<bool> modules_;
};

} // namespace datatool
