#include "input/key_filter.h"

#include <QTest>

using fuel::input::FilteredField;
using fuel::input::filterKey;

Q_DECLARE_METATYPE(FilteredField)

class TestInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyCode_data();
    void everyCode();
};

void TestInput::everyCode_data()
{
    QTest::addColumn<FilteredField>("field");
    QTest::addColumn<QByteArray>("accepted");
    QTest::newRow("rate") << FilteredField::Rate << QByteArray("0123456789\b");
    QTest::newRow("start date") << FilteredField::StartDate << QByteArray("0123456789\b-");
    QTest::newRow("start time") << FilteredField::StartTime << QByteArray("0123456789\b:");
}

// Every ASCII code and a few beyond: the field's characters pass unchanged, all others become 0.
void TestInput::everyCode()
{
    QFETCH(FilteredField, field);
    QFETCH(QByteArray, accepted);
    for (int code = 0; code < 128; ++code) {
        const auto expected = accepted.contains(static_cast<char>(code)) ? code : 0;
        QCOMPARE(filterKey(static_cast<std::int16_t>(code), field), expected);
    }
    const std::int16_t beyondAscii[] = {
        static_cast<std::int16_t>(0xFF10), // full-width digit zero
        static_cast<std::int16_t>(0xFF0D), // full-width hyphen-minus
        static_cast<std::int16_t>(0xFF1A), // full-width colon
        static_cast<std::int16_t>(0x3002), // ideographic full stop
        static_cast<std::int16_t>(0x4E00), // 一
        static_cast<std::int16_t>(0xD83D), // half of a surrogate pair
        static_cast<std::int16_t>(0x0660), // Arabic-Indic digit zero
        -1,
        INT16_MIN,
    };
    for (const std::int16_t code : beyondAscii)
        QCOMPARE(filterKey(code, field), std::int16_t{0});
}

QTEST_GUILESS_MAIN(TestInput)
#include "tst_input.moc"
