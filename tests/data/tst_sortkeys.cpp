#include "platform/data/sortkeys.h"
#include "tests/support/test_main.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <QtTest>

#include <random>
#include <string>
#include <vector>

namespace {

// The collator's own key, made the long way: what every name's key must be, so names of
// every kind sort among each other as the collator orders them.
class CollatorKeys final
{
public:
    CollatorKeys()
    {
        UErrorCode status = U_ZERO_ERROR;
        collator_ = ucol_open("pt_BR", &status);
        ucol_setStrength(collator_, UCOL_PRIMARY);
    }
    ~CollatorKeys() { ucol_close(collator_); }
    CollatorKeys(const CollatorKeys&) = delete;
    CollatorKeys& operator=(const CollatorKeys&) = delete;

    std::string key(const std::string& utf8)
    {
        std::vector<UChar> text(utf8.size() + 1);
        int32_t length = 0;
        UErrorCode status = U_ZERO_ERROR;
        u_strFromUTF8Lenient(text.data(), static_cast<int32_t>(text.size()), &length, utf8.data(),
                             static_cast<int32_t>(utf8.size()), &status);
        std::string key(ucol_getSortKey(collator_, text.data(), length, nullptr, 0), '\0');
        ucol_getSortKey(collator_, text.data(), length, reinterpret_cast<uint8_t*>(key.data()),
                        static_cast<int32_t>(key.size()));
        key.pop_back(); // the closing NUL
        return key;
    }

private:
    UCollator* collator_ = nullptr;
};

std::string utf8(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string keyOf(records::SortKeys& keys, const std::string& text)
{
    std::string key;
    keys.append(key, text.data(), static_cast<int>(text.size()));
    return key;
}

} // namespace

class TestSortKeys final : public QObject
{
    Q_OBJECT

private slots:
    void keysAreTheCollatorsOwn();
};

void TestSortKeys::keysAreTheCollatorsOwn()
{
    CollatorKeys collator;
    records::SortKeys keys;

    // Every character of the Latin scripts and the signs names use, alone and before every
    // other: contractions ("l·"), letters of other scripts whose keys the collator
    // compresses ("µg"), letters that sort as two ("æ", "ß"), controls that sort as nothing.
    std::vector<std::string> alone;
    for (char32_t c = 0; c < 0x300; ++c)
        alone.push_back(utf8(c));
    int differing = 0;
    std::string firstDiffering;
    for (const std::string& a : alone) {
        for (const std::string& b : alone) {
            const std::string text = a + b;
            if (keyOf(keys, text) != collator.key(text) && differing++ == 0)
                firstDiffering = text;
        }
    }
    QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 pairs differ, the first \"%2\"")
                                            .arg(differing)
                                            .arg(QString::fromStdString(firstDiffering))));

    // Whole names, and texts that are not plain UTF-8 of those characters.
    const std::vector<std::string> names{
        "",
        "Ácido 3,5-dicloro-4-metiltiobenzoico (grau HPLC)",
        "5-Bromo-7-formil-4,8-bis(metiltio)octanoato de terc-butila (padrão analítico)",
        "Cloreto de sódio P.A. 99,5%",
        "Ácido acético glacial\r\nlote 2",
        "(R)-(+)-Limoneno",
        "α-Pineno",
        "Solução 10 µg/mL",
        "Col·lecció",
        "Œuvre, Æther, Straße, Łódź, Ñandu",
        "Acido ace\xCC\x81tico",                       // a combining accent
        "Benzeno \xE2\x80\x94 grau t\xC3\xA9\x63nico", // a dash beyond the Latin letters
        "Etanol \xF0\x9F\xA7\xAA",                     // beyond the basic plane
        "Ac\xC3",                                      // cut in the middle of a letter
        "Ac\xC0\xA1",                                  // an overlong form
        "\xFF\xFE",
        std::string("Sulfato\0de cobre", 16),
        std::string(300, 'a') + "\xC3\xA9" + std::string(300, 'z'),
    };
    for (const std::string& name : names)
        QCOMPARE(QByteArray::fromStdString(keyOf(keys, name)), QByteArray::fromStdString(collator.key(name)));

    // Longer runs of the characters that join or part neighbours, mixed with common ones:
    // a key built up over many characters must not drift from the collator's.
    const std::vector<char32_t> mixed{u'a', u'l',  u'L',  0xB7,  0xB5,  0x3BC, u'0',  u'9',  u' ',
                                      u'-', 0xDF,  0xE6,  0xC6,  0x152, 0x0,   u'\t', 0x301, 0x2C8,
                                      0xE9, 0x131, 0x24F, 0x250, u'z',  u'(',  u'%',  0x2014};
    std::mt19937 random(20261208);
    for (int n = 0; n < 20000; ++n) {
        std::string name;
        for (std::size_t length = random() % 12; length > 0; --length)
            name += utf8(mixed[random() % mixed.size()]);
        QCOMPARE(QByteArray::fromStdString(keyOf(keys, name)), QByteArray::fromStdString(collator.key(name)));
    }
}

QB_TEST_MAIN(TestSortKeys)
#include "tst_sortkeys.moc"
