#include "runtime/command_line.h"
#include "runtime/date_time.h"
#include "runtime/integer_text.h"
#include "runtime/number_text.h"
#include "runtime/text.h"

#include <QRegularExpression>
#include <QTest>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace fuel::runtime;

Q_DECLARE_METATYPE(std::optional<std::int32_t>)
Q_DECLARE_METATYPE(std::optional<Date>)
Q_DECLARE_METATYPE(std::optional<TimeOfDay>)
Q_DECLARE_METATYPE(Date)
Q_DECLARE_METATYPE(TimeOfDay)

namespace QTest {
template <> char *toString(const std::optional<Date> &date)
{
    return qstrdup(date ? formatDate(*date).c_str() : "no date");
}
template <> char *toString(const std::optional<TimeOfDay> &time)
{
    return qstrdup(time ? formatTime(*time).c_str() : "no time");
}
template <> char *toString(const std::optional<std::int32_t> &value)
{
    return qstrdup(value ? std::to_string(*value).c_str() : "no value");
}
} // namespace QTest

class TestRuntime : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void integerText_data();
    void integerText();
    void parseDate_data();
    void parseDate();
    void parseTime_data();
    void parseTime();
    void formatDateTime_data();
    void formatDateTime();
    void daysBetween_data();
    void daysBetween();
    void minutesAndDifference_data();
    void minutesAndDifference();
    void formatFixed_data();
    void formatFixed();
    void numberToText_data();
    void numberToText();
    void utf16Length_data();
    void utf16Length();
    void commandLine_data();
    void commandLine();
};

void TestRuntime::integerText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<std::optional<std::int32_t>>("expected");
    const std::optional<std::int32_t> none;
    QTest::newRow("plain") << QByteArray("65") << std::optional<std::int32_t>(65);
    QTest::newRow("leading zeros") << QByteArray("007") << std::optional<std::int32_t>(7);
    QTest::newRow("spaces around") << QByteArray("  65 ") << std::optional<std::int32_t>(65);
    QTest::newRow("plus sign") << QByteArray("+7") << std::optional<std::int32_t>(7);
    QTest::newRow("minus sign") << QByteArray("-7") << std::optional<std::int32_t>(-7);
    QTest::newRow("int32 max") << QByteArray("2147483647")
                               << std::optional<std::int32_t>(INT32_MAX);
    QTest::newRow("int32 min") << QByteArray("-2147483648")
                               << std::optional<std::int32_t>(INT32_MIN);
    QTest::newRow("max + 1") << QByteArray("2147483648") << none;
    QTest::newRow("min - 1") << QByteArray("-2147483649") << none;
    QTest::newRow("a megabyte of digits") << QByteArray(1 << 20, '9') << none;
    QTest::newRow("empty") << QByteArray("") << none;
    QTest::newRow("only spaces") << QByteArray("   ") << none;
    QTest::newRow("lone sign") << QByteArray("-") << none;
    QTest::newRow("two signs") << QByteArray("+-5") << none;
    QTest::newRow("space inside") << QByteArray("6 5") << none;
    QTest::newRow("sign after space inside") << QByteArray("- 5") << none;
    QTest::newRow("fraction") << QByteArray("6.5") << none;
    QTest::newRow("hex") << QByteArray("0x10") << none;
    QTest::newRow("full-width digits") << QByteArray("１２") << std::optional<std::int32_t>(12);
    QTest::newRow("full-width minus") << QByteArray("－７") << std::optional<std::int32_t>(-7);
    QTest::newRow("full-width plus") << QByteArray("＋７") << std::optional<std::int32_t>(7);
    QTest::newRow("ideographic spaces around")
        << QByteArray("\u3000６５\u3000") << std::optional<std::int32_t>(65);
    QTest::newRow("ideographic space inside") << QByteArray("6\u30005") << none;
    QTest::newRow("full-width full stop") << QByteArray("６．５") << none;
    QTest::newRow("full-width int32 max + 1") << QByteArray("２１４７４８３６４８") << none;
    QTest::newRow("Arabic-Indic digits") << QByteArray("\u0666\u0665") << none;
    QTest::newRow("tab") << QByteArray("\t5") << none;
}

void TestRuntime::integerText()
{
    QFETCH(QByteArray, text);
    QFETCH(std::optional<std::int32_t>, expected);
    QCOMPARE(parseInt32(text.toStdString()), expected);
}

void TestRuntime::parseDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<Date>>("expected");
    const std::optional<Date> none;
    QTest::newRow("plain") << "2007-04-26" << std::optional(Date{2007, 4, 26});
    QTest::newRow("one-digit month and day") << "2007-4-6" << std::optional(Date{2007, 4, 6});
    QTest::newRow("spaces around") << " 2007-04-26 " << std::optional(Date{2007, 4, 26});
    QTest::newRow("leap 2000-02-29") << "2000-02-29" << std::optional(Date{2000, 2, 29});
    QTest::newRow("leap 2024-02-29") << "2024-02-29" << std::optional(Date{2024, 2, 29});
    QTest::newRow("not leap 1900-02-29") << "1900-02-29" << none;
    QTest::newRow("not leap 2007-02-29") << "2007-02-29" << none;
    QTest::newRow("30 February") << "2008-02-30" << none;
    QTest::newRow("31 April") << "2007-04-31" << none;
    QTest::newRow("first year 0100") << "0100-01-01" << std::optional(Date{100, 1, 1});
    QTest::newRow("last day 9999") << "9999-12-31" << std::optional(Date{9999, 12, 31});
    QTest::newRow("year 0099") << "0099-12-31" << none;
    QTest::newRow("year 0000") << "0000-00-00" << none;
    QTest::newRow("five-digit year") << "10000-01-01" << none;
    QTest::newRow("two-digit year") << "07-04-26" << none;
    QTest::newRow("month 13") << "2007-13-01" << none;
    QTest::newRow("month 0") << "2007-00-10" << none;
    QTest::newRow("day 0") << "2007-04-00" << none;
    QTest::newRow("three-digit day") << "2007-04-026" << none;
    QTest::newRow("slashes") << "2026/06/01" << std::optional(Date{2026, 6, 1});
    QTest::newRow("slashes, one-digit month and day")
        << "2026/6/1" << std::optional(Date{2026, 6, 1});
    QTest::newRow("slashes, 30 February") << "2026/02/30" << none;
    QTest::newRow("hyphen and slash mixed") << "2026-06/01" << none;
    QTest::newRow("month first") << "6/1/2026" << none;
    QTest::newRow("day first") << "1/6/2026" << none;
    QTest::newRow("full stops") << "2026.06.01" << none;
    QTest::newRow("ten digits") << "2007042600" << none;
    QTest::newRow("trailing hyphen") << "2007-04-26-" << none;
    QTest::newRow("with a time") << "2007-04-26 08:00" << none;
    QTest::newRow("a time") << "08:00:00" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("full-width digits") << "２００７-04-26" << std::optional(Date{2007, 4, 26});
    QTest::newRow("all full-width") << "２０２６－０６－０１" << std::optional(Date{2026, 6, 1});
    QTest::newRow("full-width slashes") << "２０２６／６／１" << std::optional(Date{2026, 6, 1});
    QTest::newRow("ideographic spaces around")
        << "\u30002026-06-01\u3000" << std::optional(Date{2026, 6, 1});
    QTest::newRow("ideographic space inside") << "2026-06-\u300001" << none;
    QTest::newRow("full-width 30 February") << "２０２６－０２－３０" << none;
    QTest::newRow("99 in month and day") << "2007-99-99" << none;
}

void TestRuntime::parseDate()
{
    QFETCH(QString, text);
    QFETCH(std::optional<Date>, expected);
    QCOMPARE(fuel::runtime::parseDate(text.toStdString()), expected);
}

void TestRuntime::parseTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<TimeOfDay>>("expected");
    const std::optional<TimeOfDay> none;
    QTest::newRow("plain") << "08:30:15" << std::optional(TimeOfDay{8, 30, 15});
    QTest::newRow("midnight") << "00:00:00" << std::optional(TimeOfDay{0, 0, 0});
    QTest::newRow("last second") << "23:59:59" << std::optional(TimeOfDay{23, 59, 59});
    QTest::newRow("one-digit hour") << "8:00:00" << std::optional(TimeOfDay{8, 0, 0});
    QTest::newRow("no seconds") << "08:05" << std::optional(TimeOfDay{8, 5, 0});
    QTest::newRow("spaces around") << " 08:05:00 " << std::optional(TimeOfDay{8, 5, 0});
    QTest::newRow("hour 24") << "24:00:00" << none;
    QTest::newRow("minute 60") << "23:60:00" << none;
    QTest::newRow("leap second") << "23:59:60" << none;
    QTest::newRow("one-digit minute") << "08:0:00" << std::optional(TimeOfDay{8, 0, 0});
    QTest::newRow("one digit in every part") << "8:0:0" << std::optional(TimeOfDay{8, 0, 0});
    QTest::newRow("one-digit second") << "9:30:0" << std::optional(TimeOfDay{9, 30, 0});
    QTest::newRow("three-digit minute") << "08:000:00" << none;
    QTest::newRow("full-width") << "０８：３０：００" << std::optional(TimeOfDay{8, 30, 0});
    QTest::newRow("full-width colons, as Pinyin types them")
        << "09：30：00" << std::optional(TimeOfDay{9, 30, 0});
    QTest::newRow("ideographic spaces around")
        << "\u300008:30\u3000" << std::optional(TimeOfDay{8, 30, 0});
    QTest::newRow("full-width hour 24") << "２４：００：００" << none;
    QTest::newRow("full-width full stops") << "08．30．00" << none;
    QTest::newRow("four parts") << "08:00:00:00" << none;
    QTest::newRow("negative hour") << "-1:00:00" << none;
    QTest::newRow("hour only") << "08" << none;
    QTest::newRow("trailing colon") << "08:00:" << none;
    QTest::newRow("a date") << "2007-04-26" << none;
    QTest::newRow("empty") << "" << none;
}

void TestRuntime::parseTime()
{
    QFETCH(QString, text);
    QFETCH(std::optional<TimeOfDay>, expected);
    QCOMPARE(fuel::runtime::parseTime(text.toStdString()), expected);
}

void TestRuntime::formatDateTime_data()
{
    QTest::addColumn<Date>("date");
    QTest::addColumn<TimeOfDay>("time");
    QTest::addColumn<QString>("expected");
    QTest::newRow("morning, padded")
        << Date{2007, 3, 5} << TimeOfDay{7, 4, 9} << "2007-03-05 07:04:09";
    QTest::newRow("afternoon is 24-hour")
        << Date{2007, 12, 25} << TimeOfDay{19, 4, 9} << "2007-12-25 19:04:09";
    QTest::newRow("midnight") << Date{2024, 2, 29} << TimeOfDay{0, 0, 0} << "2024-02-29 00:00:00";
    QTest::newRow("year 0100") << Date{100, 1, 1} << TimeOfDay{23, 59, 59} << "0100-01-01 23:59:59";
}

void TestRuntime::formatDateTime()
{
    QFETCH(Date, date);
    QFETCH(TimeOfDay, time);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(formatDate(date) + " " + formatTime(time)), expected);
}

void TestRuntime::daysBetween_data()
{
    QTest::addColumn<Date>("from");
    QTest::addColumn<Date>("to");
    QTest::addColumn<qlonglong>("days");
    QTest::newRow("same day") << Date{2007, 4, 26} << Date{2007, 4, 26} << 0LL;
    QTest::newRow("next day") << Date{2007, 4, 26} << Date{2007, 4, 27} << 1LL;
    QTest::newRow("across leap day") << Date{2000, 2, 28} << Date{2000, 3, 1} << 2LL;
    QTest::newRow("across new year") << Date{2006, 12, 31} << Date{2007, 1, 1} << 1LL;
    QTest::newRow("backwards") << Date{2007, 4, 26} << Date{2007, 4, 24} << -2LL;
    QTest::newRow("whole range") << Date{100, 1, 1} << Date{9999, 12, 31} << 3615899LL;
}

void TestRuntime::daysBetween()
{
    QFETCH(Date, from);
    QFETCH(Date, to);
    QFETCH(qlonglong, days);
    QCOMPARE(fuel::runtime::daysBetween(from, to), days);
}

void TestRuntime::minutesAndDifference_data()
{
    QTest::addColumn<TimeOfDay>("from");
    QTest::addColumn<TimeOfDay>("to");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("difference");
    QTest::newRow("90 minutes") << TimeOfDay{8, 0, 0} << TimeOfDay{9, 30, 0} << 90 << "01时30分";
    QTest::newRow("boundary crossed in one second")
        << TimeOfDay{8, 0, 59} << TimeOfDay{8, 1, 0} << 1 << "00时00分";
    QTest::newRow("59 seconds, no boundary")
        << TimeOfDay{8, 0, 0} << TimeOfDay{8, 0, 59} << 0 << "00时00分";
    QTest::newRow("end earlier shows magnitude")
        << TimeOfDay{10, 0, 0} << TimeOfDay{9, 0, 0} << -60 << "01时00分";
    QTest::newRow("minus 2 h 30 min")
        << TimeOfDay{12, 0, 0} << TimeOfDay{9, 30, 0} << -150 << "02时30分";
    QTest::newRow("23:00 to 01:00")
        << TimeOfDay{23, 0, 0} << TimeOfDay{1, 0, 0} << -1320 << "22时00分";
    QTest::newRow("whole day") << TimeOfDay{0, 0, 0} << TimeOfDay{23, 59, 59} << 1439 << "23时59分";
    QTest::newRow("equal") << TimeOfDay{8, 0, 0} << TimeOfDay{8, 0, 0} << 0 << "00时00分";
}

void TestRuntime::minutesAndDifference()
{
    QFETCH(TimeOfDay, from);
    QFETCH(TimeOfDay, to);
    QFETCH(int, minutes);
    QFETCH(QString, difference);
    QCOMPARE(minutesBetween(from, to), minutes);
    QCOMPARE(QString::fromStdString(formatTimeDifference(from, to)), difference);
}

void TestRuntime::formatFixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("97.5") << 97.5 << 3 << "97.500";
    QTest::newRow("65/60*90 with six") << 65.0 / 60 * 90 << 6 << "97.500000";
    QTest::newRow("no digit before the point") << 0.5 << 3 << ".500";
    QTest::newRow("negative below one") << -0.5 << 3 << "-.500";
    QTest::newRow("negative") << -1.5 << 3 << "-1.500";
    QTest::newRow("zero") << 0.0 << 6 << ".000000";
    QTest::newRow("negative zero") << -0.0 << 3 << ".000";
    QTest::newRow("rounds to zero, no sign") << -0.0004 << 3 << ".000";
    QTest::newRow("one sixtieth") << 1.0 / 60 << 3 << ".017";
    QTest::newRow("one sixtieth, six") << 1.0 / 60 << 6 << ".016667";
    QTest::newRow("decimal half up") << 0.0165 << 3 << ".017";
    QTest::newRow("decimal half away from zero") << -0.0165 << 3 << "-.017";
    QTest::newRow("binary just below a half") << 1.0005 << 3 << "1.001";
    QTest::newRow("carry into a new digit") << 999.9995 << 3 << "1000.000";
    QTest::newRow("below a half") << 2.0004999 << 3 << "2.000";
    QTest::newRow("15 significant digits, then zeros")
        << 123456789012345678.0 << 3 << "123456789012346000.000";
}

void TestRuntime::formatFixed()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(fuel::runtime::formatFixed(value, decimals)), expected);
    // The rounded number reads back as the text shows it.
    QCOMPARE(roundHalfAwayFromZero(value, decimals), expected.toDouble());
}

void TestRuntime::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fraction") << 22.5 << "22.5";
    QTest::newRow("whole") << 15.0 << "15";
    QTest::newRow("below one") << 0.5 << "0.5";
    QTest::newRow("negative") << -22.5 << "-22.5";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("binary noise hidden") << 0.1 + 0.2 << "0.3";
    QTest::newRow("sum of rounded") << 0.017 + 0.017 << "0.034";
    QTest::newRow("one third") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("tiny stays plain") << 0.000001 << "0.000001";
    QTest::newRow("15 digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("1e15 in exponent form") << 1e15 << "1E+15";
    QTest::newRow("large") << -1.5e17 << "-1.5E+17";
}

void TestRuntime::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(fuel::runtime::numberToText(value)), expected);
}

void TestRuntime::utf16Length_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("ascii") << "2007-04-26";
    QTest::newRow("chinese") << "二〇〇七年";
    QTest::newRow("full-width") << "２００７-04-26";
    QTest::newRow("emoji") << "⛽🚢";
}

void TestRuntime::utf16Length()
{
    QFETCH(QString, text);
    QCOMPARE(fuel::runtime::utf16Length(text.toStdString()), static_cast<std::size_t>(text.size()));
}

// The output and the error are patterns, matched in whole: the help names both options.
void TestRuntime::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("opensWindow");
    QTest::addColumn<int>("exitStatus");
    QTest::addColumn<QString>("standardOutput");
    QTest::addColumn<QString>("standardError");
    const QString none;
    const QString version = QStringLiteral("fuelcalc 1\\.2\\.3\n");
    const QString usage = QStringLiteral("Usage: fuelcalc \\[--help \\| --version\\]\n"
                                         "(.+\n)+\n  --help +\\S.*\n  --version +\\S.*\n");
    const auto unknown = [](const char *option) {
        return QStringLiteral("fuelcalc: unknown option '%1' \\(see fuelcalc --help\\)\n")
            .arg(QRegularExpression::escape(QLatin1String(option)));
    };
    QTest::newRow("none") << QStringList{} << true << 0 << none << none;
    QTest::newRow("a word is not read") << QStringList{"log.txt"} << true << 0 << none << none;
    QTest::newRow("help") << QStringList{"--help"} << false << 0 << usage << none;
    QTest::newRow("version") << QStringList{"--version"} << false << 0 << version << none;
    QTest::newRow("version after a word")
        << QStringList{"x", "--version"} << false << 0 << version << none;
    QTest::newRow("the first option decides")
        << QStringList{"--version", "--bogus"} << false << 0 << version << none;
    QTest::newRow("unknown before help")
        << QStringList{"--bogus", "--help"} << false << 2 << none << unknown("--bogus");
    QTest::newRow("unknown") << QStringList{"--bogus"} << false << 2 << none << unknown("--bogus");
    QTest::newRow("short help") << QStringList{"-h"} << false << 2 << none << unknown("-h");
    QTest::newRow("help with a value")
        << QStringList{"--help=all"} << false << 2 << none << unknown("--help=all");
    QTest::newRow("Qt's -platform")
        << QStringList{"-platform", "xcb"} << false << 2 << none << unknown("-platform");
    QTest::newRow("lone hyphen") << QStringList{"-"} << false << 2 << none << unknown("-");
    QTest::newRow("double hyphen") << QStringList{"--"} << false << 2 << none << unknown("--");
}

void TestRuntime::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, opensWindow);
    QFETCH(int, exitStatus);
    QFETCH(QString, standardOutput);
    QFETCH(QString, standardError);
    std::vector<std::string> texts;
    for (const QString &argument : arguments)
        texts.push_back(argument.toStdString());
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const CommandLineReply reply = replyToCommandLine(views, "1.2.3");
    QCOMPARE(reply.opensWindow, opensWindow);
    QCOMPARE(reply.exitStatus, exitStatus);
    const auto matchesWhole = [](const std::string &text, const QString &pattern) {
        return QRegularExpression(QRegularExpression::anchoredPattern(pattern))
            .match(QString::fromStdString(text))
            .hasMatch();
    };
    QVERIFY2(matchesWhole(reply.standardOutput, standardOutput), reply.standardOutput.c_str());
    QVERIFY2(matchesWhole(reply.standardError, standardError), reply.standardError.c_str());
}

QTEST_GUILESS_MAIN(TestRuntime)
#include "tst_runtime.moc"
