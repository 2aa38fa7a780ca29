#include "fakes.h"

#include "calc/consumption.h"
#include "calc/events.h"
#include "calc/messages.h"

#include <QTest>

using namespace fuel::calc;
using fuel::testing::FakeView;
using fuel::testing::FixedClock;

Q_DECLARE_METATYPE(Field)

namespace {

Inputs sameDay(const char *startTime, const char *endTime, bool threeDecimals)
{
    return {"65", "15", "2007-04-26", startTime, "2007-04-26", endTime, threeDecimals};
}

QString describe(const Outcome &outcome)
{
    if (const auto *bad = std::get_if<UnreadableInput>(&outcome))
        return QStringLiteral("unreadable field %1").arg(static_cast<int>(bad->field));
    const auto &c = std::get<Captions>(outcome);
    return QString::fromStdString(c.mainAmount + " | " + c.auxAmount + " | " + c.total + " | " +
                                  c.elapsedTime + " | " + c.elapsedDays);
}

std::string tail(const std::string &caption)
{
    return caption.substr(caption.find("：") + std::string("：").size());
}

} // namespace

Q_DECLARE_METATYPE(Inputs)

class TestCalc : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void captions_data();
    void captions();
    void unreadable_data();
    void unreadable();

    void calculateWritesAllCaptions();
    void calculateWithBadInputWritesNothing();
    void enteringAndLeavingRealTime();
    void refusedStartFields_data();
    void refusedStartFields();
    void tickAcrossMidnight();
    void tickReadsRatesAndOptionAfresh();
    void failingTickLeavesOnce();
    void rateBeingRetypedSkipsTheTick();

    void loadDefaults_data();
    void loadDefaults();
    void resultsForClipboard();
    void fieldWords_data();
    void fieldWords();
};

// All five captions, in the order Label1 to Label5.
void TestCalc::captions_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<QString>("expected");
    QTest::newRow("same day, 90 minutes, six decimals")
        << sameDay("08:00:00", "09:30:00", false)
        << "主机用油量：97.500000 公斤 | 副机用油量：22.5 公斤 | 总共用油量：120 公斤 | "
           "时差：01时30分 | 日差：0天";
    QTest::newRow("same day, 90 minutes, three decimals")
        << sameDay("08:00:00", "09:30:00", true)
        << "主机用油量：97.500 公斤 | 副机用油量：22.5 公斤 | 总共用油量：120 公斤 | "
           "时差：01时30分 | 日差：0天";
    QTest::newRow("across midnight")
        << Inputs{"65", "15", "2007-04-26", "23:00:00", "2007-04-27", "01:00:00", false}
        << "主机用油量：130.000000 公斤 | 副机用油量：30 公斤 | 总共用油量：160 公斤 | "
           "时差：22时00分 | 日差：1天";
    QTest::newRow("three whole days")
        << Inputs{"65", "15", "2007-04-26", "08:00:00", "2007-04-29", "08:00:00", true}
        << "主机用油量：4680.000 公斤 | 副机用油量：1080 公斤 | 总共用油量：5760 公斤 | "
           "时差：00时00分 | 日差：3天";
    QTest::newRow("across a leap day")
        << Inputs{"60", "60", "2000-02-28", "12:00:00", "2000-03-01", "12:00:00", true}
        << "主机用油量：2880.000 公斤 | 副机用油量：2880 公斤 | 总共用油量：5760 公斤 | "
           "时差：00时00分 | 日差：2天";
    QTest::newRow("start equals end") << sameDay("08:00:00", "08:00:00", false)
                                      << "主机用油量：.000000 公斤 | 副机用油量：0 公斤 | "
                                         "总共用油量：0 公斤 | 时差：00时00分 | 日差：0天";
    QTest::newRow("end time earlier, same date")
        << sameDay("10:00:00", "09:00:00", false)
        << "主机用油量：-65.000000 公斤 | 副机用油量：-15 公斤 | 总共用油量：-80 公斤 | "
           "时差：01时00分 | 日差：0天";
    QTest::newRow("end date earlier counts the time of day only")
        << Inputs{"65", "15", "2007-04-26", "08:00:00", "2007-04-24", "09:00:00", false}
        << "主机用油量：65.000000 公斤 | 副机用油量：15 公斤 | 总共用油量：80 公斤 | "
           "时差：01时00分 | 日差：-2天";
    QTest::newRow("a minute boundary in one second")
        << Inputs{"60", "60", "2007-04-26", "08:00:59", "2007-04-26", "08:01:00", false}
        << "主机用油量：1.000000 公斤 | 副机用油量：1 公斤 | 总共用油量：2 公斤 | 时差：00时00分 | "
           "日差：0天";
    QTest::newRow("59 seconds count nothing")
        << Inputs{"60", "60", "2007-04-26", "08:00:00", "2007-04-26", "08:00:59", false}
        << "主机用油量：.000000 公斤 | 副机用油量：0 公斤 | 总共用油量：0 公斤 | 时差：00时00分 | "
           "日差：0天";
    QTest::newRow("total adds the rounded amounts")
        << Inputs{"1", "1", "2007-04-26", "08:00:00", "2007-04-26", "08:01:00", true}
        << "主机用油量：.017 公斤 | 副机用油量：0.017 公斤 | 总共用油量：0.034 公斤 | "
           "时差：00时01分 | 日差：0天";
    QTest::newRow("negative rate")
        << Inputs{"-60", "0", "2007-04-26", "08:00:00", "2007-04-26", "08:30:00", true}
        << "主机用油量：-30.000 公斤 | 副机用油量：0 公斤 | 总共用油量：-30 公斤 | 时差：00时30分 "
           "| 日差：0天";
    QTest::newRow("largest rate over the whole calendar")
        << Inputs{"2147483647", "0", "0100-01-01", "00:00:00", "9999-12-31", "23:59:59", true}
        << "主机用油量：186362066824704000.000 公斤 | 副机用油量：0 公斤 | "
           "总共用油量：1.86362066824704E+17 公斤 | 时差：23时59分 | 日差：3615899天";
}

void TestCalc::captions()
{
    QFETCH(Inputs, inputs);
    QFETCH(QString, expected);
    QCOMPARE(describe(calculate(inputs)), expected);
}

// The first unreadable field in reading order: the rates, the times, then the dates.
void TestCalc::unreadable_data()
{
    QTest::addColumn<Inputs>("inputs");
    QTest::addColumn<Field>("field");
    const Inputs good{"65", "15", "2007-04-26", "08:00:00", "2007-04-26", "09:00:00", true};
    auto with = [&good](auto member, const char *text) {
        Inputs inputs = good;
        inputs.*member = text;
        return inputs;
    };
    QTest::newRow("empty main rate") << with(&Inputs::mainRate, "") << Field::MainRate;
    QTest::newRow("main rate over int32")
        << with(&Inputs::mainRate, "2147483648") << Field::MainRate;
    QTest::newRow("aux rate with a point") << with(&Inputs::auxRate, "1.5") << Field::AuxRate;
    QTest::newRow("start time of letters")
        << with(&Inputs::startTime, "ab:cd:ef") << Field::StartTime;
    QTest::newRow("end time 24:00") << with(&Inputs::endTime, "24:00:00") << Field::EndTime;
    QTest::newRow("start date 2007-99-99")
        << with(&Inputs::startDate, "2007-99-99") << Field::StartDate;
    QTest::newRow("end date with letters") << with(&Inputs::endDate, "today") << Field::EndDate;

    Inputs rateAndDate = with(&Inputs::auxRate, "");
    rateAndDate.startDate = "x";
    QTest::newRow("rate is read before dates") << rateAndDate << Field::AuxRate;
    Inputs dateAndTime = with(&Inputs::startDate, "x");
    dateAndTime.endTime = "x";
    QTest::newRow("times are read before dates") << dateAndTime << Field::EndTime;
}

void TestCalc::unreadable()
{
    QFETCH(Inputs, inputs);
    QFETCH(Field, field);
    QCOMPARE(calculate(inputs), Outcome{UnreadableInput{field}});
}

void TestCalc::calculateWritesAllCaptions()
{
    FakeView view;
    view.text(Field::StartTime) = "08:00:00";
    view.text(Field::EndTime) = "09:30:00";
    onCalculateClicked(view);
    QCOMPARE(view.caption(ResultLabel::MainAmount), "主机用油量：97.500 公斤");
    QCOMPARE(view.caption(ResultLabel::Total), "总共用油量：120 公斤");
    QCOMPARE(view.caption(ResultLabel::ElapsedDays), "日差：0天");
    QVERIFY(view.messages.empty());
}

void TestCalc::calculateWithBadInputWritesNothing()
{
    FakeView view;
    const auto before = view.captions;
    view.text(Field::EndDate) = "2007-02-30";
    onCalculateClicked(view);
    QCOMPARE(view.captions, before);
    QCOMPARE(view.messages,
             std::vector<std::string>{
                 "结束日期应为 yyyy-mm-dd 格式的日期（例如 2007-04-26），请重新输入。"});
    QCOMPARE(view.focusedField, static_cast<int>(Field::EndDate));
}

void TestCalc::enteringAndLeavingRealTime()
{
    FakeView view;
    const auto before = view.captions;
    view.clickRealTime();
    QVERIFY(view.timerRunning);
    QVERIFY(!view.isEnabled(Field::StartDate));
    QVERIFY(!view.isEnabled(Field::StartTime));
    QVERIFY(!view.calculateEnabled);
    QVERIFY(view.isEnabled(Field::MainRate) && view.isEnabled(Field::EndDate));
    QCOMPARE(view.captions, before); // the first figures come with the first tick

    FixedClock clock;
    clock.moment = {{2007, 4, 26}, {1, 0, 0}};
    onTimerTick(view, clock);
    const auto ticked = view.captions;
    QCOMPARE(view.caption(ResultLabel::MainAmount), "主机用油量：65.000 公斤");

    view.clickRealTime();
    QVERIFY(view.isIdle());
    QCOMPARE(view.captions, ticked);
    QVERIFY(view.messages.empty());
}

void TestCalc::refusedStartFields_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("time");
    QTest::newRow("seven-character time") << "2007-04-26"
                                          << "8:00:00";
    QTest::newRow("nine-character date") << "2007-4-26"
                                         << "00:00:00";
    QTest::newRow("ten digits without hyphen") << "2007042600"
                                               << "00:00:00";
    QTest::newRow("eight characters without colon") << "2007-04-26"
                                                    << "08-00-00";
    QTest::newRow("full-width date, ten characters, no ASCII hyphen") << "２００７－０４－２６"
                                                                      << "00:00:00";
    QTest::newRow("five-character time that a calculation would read") << "2007-04-26"
                                                                       << "8:0:0";
}

void TestCalc::refusedStartFields()
{
    QFETCH(QString, date);
    QFETCH(QString, time);
    FakeView view;
    view.text(Field::StartDate) = date.toStdString();
    view.text(Field::StartTime) = time.toStdString();
    view.clickRealTime();
    QCOMPARE(view.messages, std::vector<std::string>{"日期或时间格式错误，请重新输入。"});
    QVERIFY(!view.realTime);
    QVERIFY(view.isIdle());
}

void TestCalc::tickAcrossMidnight()
{
    FakeView view;
    view.text(Field::StartTime) = "23:00:00";
    view.clickRealTime();
    FixedClock clock;
    clock.moment = {{2007, 4, 27}, {0, 30, 0}};
    onTimerTick(view, clock);
    QCOMPARE(view.caption(ResultLabel::ElapsedDays), "日差：1天");
    QCOMPARE(view.caption(ResultLabel::MainAmount), "主机用油量：97.500 公斤");
    clock.moment = {{2007, 4, 27}, {1, 0, 0}};
    onTimerTick(view, clock);
    QCOMPARE(view.caption(ResultLabel::MainAmount), "主机用油量：130.000 公斤");
}

void TestCalc::tickReadsRatesAndOptionAfresh()
{
    FakeView view;
    view.clickRealTime();
    FixedClock clock;
    clock.moment = {{2007, 4, 26}, {1, 0, 0}};
    onTimerTick(view, clock);
    QCOMPARE(tail(view.caption(ResultLabel::MainAmount)), "65.000 公斤");
    view.text(Field::MainRate) = "70";
    view.threeDecimals = false;
    onTimerTick(view, clock);
    QCOMPARE(tail(view.caption(ResultLabel::MainAmount)), "70.000000 公斤");
}

void TestCalc::failingTickLeavesOnce()
{
    FakeView view;
    view.text(Field::StartDate) = "2007-99-99"; // passes the length-and-separator check
    view.clickRealTime();
    QVERIFY(view.timerRunning);
    const auto before = view.captions;
    FixedClock clock;
    clock.moment = {{2007, 4, 26}, {1, 0, 0}};
    onTimerTick(view, clock);
    QVERIFY(!view.realTime);
    QVERIFY(view.isIdle());
    QCOMPARE(view.messages,
             std::vector<std::string>{
                 "开始日期应为 yyyy-mm-dd 格式的日期（例如 2007-04-26），请重新输入。"});
    QCOMPARE(view.focusedField, static_cast<int>(Field::StartDate));
    QCOMPARE(view.captions, before);
}

void TestCalc::rateBeingRetypedSkipsTheTick()
{
    FakeView view;
    view.clickRealTime();
    view.text(Field::AuxRate) = "";
    view.focusedField = static_cast<int>(Field::AuxRate);
    FixedClock clock;
    clock.moment = {{2007, 4, 26}, {1, 0, 0}};
    onTimerTick(view, clock);
    QVERIFY(view.realTime);
    QVERIFY(view.messages.empty());

    view.focusedField = -1; // left the field empty
    onTimerTick(view, clock);
    QVERIFY(!view.realTime);
    QCOMPARE(view.messages,
             std::vector<std::string>{"副机耗油量应为整数公斤数（例如 15），请重新输入。"});
}

void TestCalc::loadDefaults_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("endTime");
    QTest::newRow("morning, padded") << 7 << "07:04:09";
    QTest::newRow("afternoon, 24-hour") << 19 << "19:04:09";
    QTest::newRow("midnight") << 0 << "00:04:09";
}

void TestCalc::loadDefaults()
{
    QFETCH(int, hour);
    QFETCH(QString, endTime);
    FakeView view;
    FixedClock clock;
    clock.moment = {{2007, 3, 5}, {hour, 4, 9}};
    onLoad(view, clock);
    QCOMPARE(view.texts, (std::array<std::string, 6>{"65", "15", "2007-03-05", "00:00:00",
                                                     "2007-03-05", endTime.toStdString()}));
}

void TestCalc::resultsForClipboard()
{
    FakeView view;
    view.text(Field::EndTime) = "09:30:00";
    onCalculateClicked(view);
    QCOMPARE(fuel::calc::resultsForClipboard(view),
             "主机用油量：617.500 公斤\n副机用油量：142.5 公斤\n总共用油量：760 公斤\n"
             "时差：09时30分\n日差：0天");
}

// What a message and a screen reader say of each field.
void TestCalc::fieldWords_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("message");
    QTest::newRow("main rate") << Field::MainRate << "主机耗油量"
                               << "每小时公斤数，整数"
                               << "主机耗油量应为整数公斤数（例如 65），请重新输入。";
    QTest::newRow("aux rate") << Field::AuxRate << "副机耗油量"
                              << "每小时公斤数，整数"
                              << "副机耗油量应为整数公斤数（例如 15），请重新输入。";
    QTest::newRow("start date")
        << Field::StartDate << "开始日期"
        << "yyyy-mm-dd"
        << "开始日期应为 yyyy-mm-dd 格式的日期（例如 2007-04-26），请重新输入。";
    QTest::newRow("start time")
        << Field::StartTime << "开始时间"
        << "hh:mm:ss"
        << "开始时间应为 hh:mm:ss 格式的时间（例如 08:30:00），请重新输入。";
    QTest::newRow("end date")
        << Field::EndDate << "结束日期"
        << "yyyy-mm-dd"
        << "结束日期应为 yyyy-mm-dd 格式的日期（例如 2007-04-26），请重新输入。";
    QTest::newRow("end time") << Field::EndTime << "结束时间"
                              << "hh:mm:ss"
                              << "结束时间应为 hh:mm:ss 格式的时间（例如 08:30:00），请重新输入。";
}

void TestCalc::fieldWords()
{
    QFETCH(Field, field);
    QFETCH(QString, name);
    QFETCH(QString, form);
    QFETCH(QString, message);
    QCOMPARE(QString::fromStdString(fieldName(field)), name);
    QCOMPARE(QString::fromStdString(fieldForm(field)), form);
    QCOMPARE(QString::fromStdString(unreadableMessage(field)), message);
}

QTEST_GUILESS_MAIN(TestCalc)
#include "tst_calc.moc"
