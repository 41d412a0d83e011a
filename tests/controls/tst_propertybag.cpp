#include "platform/controls/convert.h"
#include "platform/controls/errors.h"
#include "platform/controls/propertybag.h"
#include "tests/support/error_number.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QTemporaryDir>

using controls::PropertyBag;

namespace {

QString errorText(const QByteArray& json, const QString& source)
{
    try {
        PropertyBag::fromJson(json, source);
    } catch (const base::RuntimeError& e) {
        return e.text();
    }
    return {};
}

} // namespace

class TestPropertyBag : public QObject
{
    Q_OBJECT
private slots:
    void keysMatchWithoutRegardToCase();
    void aSavedBagReadsBackWithItsTypes();
    void aHandWrittenDesignFileLoads();
    void aDamagedDesignFileNamesTheFileAndTheFault_data();
    void aDamagedDesignFileNamesTheFileAndTheFault();
    void valuesConvertAsACallerWritesThem_data();
    void valuesConvertAsACallerWritesThem();
};

void TestPropertyBag::keysMatchWithoutRegardToCase()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("color"), controls::longValue(0x00C0FFFF));
    QCOMPARE(bag.ReadProperty(QStringLiteral("Color")), controls::longValue(0x00C0FFFF));
    QCOMPARE(bag.ReadProperty(QStringLiteral("COLOR"), 5), controls::longValue(0x00C0FFFF));
    QCOMPARE(bag.ReadProperty(QStringLiteral("caption"), QStringLiteral("none")),
             QVariant(QStringLiteral("none")));

    // Writing under another spelling replaces the value; it does not add a second key.
    bag.WriteProperty(QStringLiteral("Color"), controls::longValue(255));
    QCOMPARE(bag.names(), QStringList{QStringLiteral("Color")});
    QCOMPARE(bag.ReadProperty(QStringLiteral("color")), controls::longValue(255));
}

void TestPropertyBag::aSavedBagReadsBackWithItsTypes()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("caption"), QStringLiteral("WebSite: \"Lab\" & <more>"));
    bag.WriteProperty(QStringLiteral("enable"), true);
    bag.WriteProperty(QStringLiteral("font_size"), controls::integerValue(10));
    bag.WriteProperty(QStringLiteral("Color"), controls::colorValue(0x8000000Au));
    bag.WriteProperty(QStringLiteral("ratio"), 0.25);
    bag.WriteProperty(QStringLiteral("url"), QString());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("link1.json"));
    bag.saveToFile(path);
    const PropertyBag back = PropertyBag::fromFile(path);
    QCOMPARE(back.names(), bag.names());
    QVERIFY(back == bag);
    QCOMPARE(back.ReadProperty(QStringLiteral("font_size")).typeId(), int(QMetaType::Short));
    QCOMPARE(back.ReadProperty(QStringLiteral("enable")).typeId(), int(QMetaType::Bool));
    // A system colour keeps its 32 bits.
    QCOMPARE(controls::toColor(back.ReadProperty(QStringLiteral("Color"))), 0x8000000Au);
}

void TestPropertyBag::aHandWrittenDesignFileLoads()
{
    const PropertyBag bag = PropertyBag::fromJson(R"({"properties": [
        {"name": "caption", "value": "WebSite: https://example.org/"},
        {"name": "enable", "value": true},
        {"name": "font_size", "type": "Integer", "value": "10"},
        {"name": "style", "value": 1},
        {"name": "color", "type": "Long", "value": "&H00C0FFFF&"}]})");
    QCOMPARE(bag.ReadProperty(QStringLiteral("caption")).toString(),
             QStringLiteral("WebSite: https://example.org/"));
    QCOMPARE(bag.ReadProperty(QStringLiteral("enable")), QVariant(true));
    QCOMPARE(bag.ReadProperty(QStringLiteral("font_size")), controls::integerValue(10));
    QCOMPARE(controls::toInteger(bag.ReadProperty(QStringLiteral("style"))), qint16(1));
    QCOMPARE(bag.ReadProperty(QStringLiteral("Color")), controls::longValue(0x00C0FFFF));
}

void TestPropertyBag::aDamagedDesignFileNamesTheFileAndTheFault_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("fault");
    QTest::newRow("not JSON") << QByteArray("caption = x") << QStringLiteral("character");
    QTest::newRow("no list") << QByteArray(R"({"caption": "x"})") << QStringLiteral("\"properties\"");
    QTest::newRow("no name") << QByteArray(R"({"properties": [{"value": 1}]})") << QStringLiteral("no name");
    QTest::newRow("twice")
        << QByteArray(R"({"properties": [{"name": "url", "value": "a"}, {"name": "URL", "value": "b"}]})")
        << QStringLiteral("twice");
    QTest::newRow("too big")
        << QByteArray(R"({"properties": [{"name": "style", "type": "Integer", "value": 70000}]})")
        << QStringLiteral("\"style\"");
    QTest::newRow("no value") << QByteArray(R"({"properties": [{"name": "url"}]})")
                              << QStringLiteral("\"url\"");
    QTest::newRow("unknown type") << QByteArray(
                                         R"({"properties": [{"name": "url", "type": "Date", "value": 1}]})")
                                  << QStringLiteral("\"Date\"");
}

void TestPropertyBag::aDamagedDesignFileNamesTheFileAndTheFault()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, fault);
    QCOMPARE(testsupport::errorNumber([&] { PropertyBag::fromJson(json, QStringLiteral("link1.json")); }),
             controls::DesignFileInvalid);
    const QString text = errorText(json, QStringLiteral("link1.json"));
    QVERIFY2(text.contains(QStringLiteral("\"link1.json\"")) && text.contains(fault), qPrintable(text));
}

void TestPropertyBag::valuesConvertAsACallerWritesThem_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("expected"); // invalid: an error is expected
    QTest::addColumn<int>("error");
    using controls::VarType;
    const auto I = [](int v) {
        return controls::integerValue(static_cast<qint16>(v));
    };

    QTest::newRow("text to Integer") << QVariant(QStringLiteral(" 10 ")) << int(VarType::Integer) << I(10)
                                     << 0;
    QTest::newRow("half to even down") << QVariant(2.5) << int(VarType::Integer) << I(2) << 0;
    QTest::newRow("half to even up") << QVariant(3.5) << int(VarType::Integer) << I(4) << 0;
    QTest::newRow("True is -1") << QVariant(true) << int(VarType::Integer) << I(-1) << 0;
    QTest::newRow("hex Integer") << QVariant(QStringLiteral("&HFFFF")) << int(VarType::Integer) << I(-1) << 0;
    QTest::newRow("Integer overflow")
        << QVariant(40000) << int(VarType::Integer) << QVariant() << int(controls::Overflow);
    QTest::newRow("empty text") << QVariant(QString()) << int(VarType::Integer) << QVariant()
                                << int(controls::TypeMismatch);
    QTest::newRow("a word") << QVariant(QStringLiteral("label")) << int(VarType::Integer) << QVariant()
                            << int(controls::TypeMismatch);
    QTest::newRow("nothing is 0") << QVariant() << int(VarType::Integer) << I(0) << 0;

    QTest::newRow("True text") << QVariant(QStringLiteral("true")) << int(VarType::Boolean) << QVariant(true)
                               << 0;
    QTest::newRow("0 text") << QVariant(QStringLiteral("0")) << int(VarType::Boolean) << QVariant(false) << 0;
    QTest::newRow("-1") << QVariant(-1) << int(VarType::Boolean) << QVariant(true) << 0;
    QTest::newRow("maybe") << QVariant(QStringLiteral("maybe")) << int(VarType::Boolean) << QVariant()
                           << int(controls::TypeMismatch);

    QTest::newRow("colour literal") << QVariant(QStringLiteral("&H00C0FFFF&")) << int(VarType::OleColor)
                                    << controls::colorValue(0x00C0FFFFu) << 0;
    QTest::newRow("system colour") << QVariant(QStringLiteral("&H8000000A&")) << int(VarType::OleColor)
                                   << controls::colorValue(0x8000000Au) << 0;
    QTest::newRow("negative colour") << QVariant(-2147483638) << int(VarType::OleColor)
                                     << controls::colorValue(0x8000000Au) << 0;
    QTest::newRow("Long overflow") << QVariant(3.0e9) << int(VarType::Long) << QVariant()
                                   << int(controls::Overflow);

    QTest::newRow("number to text") << QVariant(10) << int(VarType::String) << QVariant(QStringLiteral("10"))
                                    << 0;
    QTest::newRow("Boolean to text") << QVariant(false) << int(VarType::String)
                                     << QVariant(QStringLiteral("False")) << 0;
    QTest::newRow("list to text") << QVariant(QVariantList{1, 2}) << int(VarType::String) << QVariant()
                                  << int(controls::TypeMismatch);
}

void TestPropertyBag::valuesConvertAsACallerWritesThem()
{
    QFETCH(QVariant, value);
    QFETCH(int, type);
    QFETCH(QVariant, expected);
    QFETCH(int, error);
    QVariant got;
    QCOMPARE(testsupport::errorNumber(
                 [&] { got = controls::coerce(value, static_cast<controls::VarType>(type)); }),
             error);
    if (error == 0) {
        QCOMPARE(got.typeId(), expected.typeId());
        QCOMPARE(got, expected);
    }
}

QB_TEST_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"
