// Hostile text pasted into the window's fields: each run either shows the right captions or
// names the one field it cannot read and leaves every caption as it was, and the window computes
// correctly again once good text is back.

#include "window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>

namespace {

struct FieldControl {
    const char *name;
    const char *message; // what a run that cannot read it says
};

constexpr std::array<FieldControl, 6> fieldControls{{
    {"Text1", "主机耗油量应为整数公斤数（例如 65），请重新输入。"},
    {"Text2", "副机耗油量应为整数公斤数（例如 15），请重新输入。"},
    {"TxtStartDate1", "开始日期应为 yyyy-mm-dd 格式的日期（例如 2007-04-26），请重新输入。"},
    {"TxtStartTime1", "开始时间应为 hh:mm:ss 格式的时间（例如 08:30:00），请重新输入。"},
    {"TxtStartDate2", "结束日期应为 yyyy-mm-dd 格式的日期（例如 2007-04-26），请重新输入。"},
    {"TxtStartTime2", "结束时间应为 hh:mm:ss 格式的时间（例如 08:30:00），请重新输入。"},
}};

// 65 and 15 kg an hour from 08:00 to 09:00 on one day.
const std::array<QString, 6> goodTexts{QStringLiteral("65"),         QStringLiteral("15"),
                                       QStringLiteral("2007-04-26"), QStringLiteral("08:00:00"),
                                       QStringLiteral("2007-04-26"), QStringLiteral("09:00:00")};
const QString goodCaptions = QStringLiteral("主机用油量：65.000 公斤 | 副机用油量：15 公斤 | "
                                            "总共用油量：80 公斤 | 时差：01时00分 | 日差：0天");

QString messageNaming(const QString &controlName)
{
    for (const FieldControl &control : fieldControls) {
        if (controlName == QLatin1String(control.name))
            return QString::fromUtf8(control.message);
    }
    qFatal("no field named %s", qPrintable(controlName));
}

struct Hostile {
    const char *name;
    QString text;
};

// Texts that no field can read.
QList<Hostile> unreadableEverywhere()
{
    return {
        {"empty", QString()},
        {"spaces only", QStringLiteral("     ")},
        {"lone minus", QStringLiteral("-")},
        {"two signs", QStringLiteral("+-5")},
        {"full-width full stop", QStringLiteral("６．５")},
        {"a megabyte of digits", QString(1 << 20, QLatin1Char('9'))},
        {"tab before digits", QStringLiteral("\t65")},
        {"control characters", QStringLiteral("6\u0001\u007f5")},
        {"NUL inside", QStringLiteral("6") + QChar(0) + QStringLiteral("5")},
        {"zero-width space inside", QStringLiteral("6\u200b5")},
        {"emoji", QStringLiteral("😀")},
        {"digits and emoji", QStringLiteral("65😀")},
        {"0000-00-00", QStringLiteral("0000-00-00")},
        {"leap second 23:59:60", QStringLiteral("23:59:60")},
        {"decimal point", QStringLiteral("6.5")},
    };
}

} // namespace

class TestHostile : public QObject, private fuel::testing::WindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void pastedAndCalculated_data();
    void pastedAndCalculated();
    void pastedIntoRateInRealTime_data();
    void pastedIntoRateInRealTime();
    void realTimeFromHostileStartFields_data();
    void realTimeFromHostileStartFields();

private:
    QString captions() const;
    // As a paste does: whatever the field holds is selected and replaced.
    void paste(const QString &field, const QString &text) const;
    void restoreGoodTexts() const;
    void tick();
    void checkRecovered();
};

void TestHostile::init()
{
    openWindow({{2007, 4, 26}, {9, 0, 0}});
    restoreGoodTexts();
}

void TestHostile::cleanup() { m_window.reset(); }

QString TestHostile::captions() const
{
    QStringList texts;
    for (const char *label : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        texts << child<QLabel>(QLatin1String(label))->text();
    return texts.join(QStringLiteral(" | "));
}

void TestHostile::paste(const QString &field, const QString &text) const
{
    auto *edit = child<QLineEdit>(field);
    edit->selectAll();
    edit->insert(text);
    // The designed text boxes have no length limit: nothing may be cut on the way in.
    QCOMPARE(edit->text(), text);
}

void TestHostile::restoreGoodTexts() const
{
    for (std::size_t i = 0; i < fieldControls.size(); ++i)
        child<QLineEdit>(QLatin1String(fieldControls[i].name))->setText(goodTexts[i]);
}

// Timer1's timeout, without waiting 900 ms for it.
void TestHostile::tick()
{
    QVERIFY(QMetaObject::invokeMethod(child<QTimer>(QStringLiteral("Timer1")), "timeout"));
}

// Good text back in every field, and "计算" computes as if nothing had happened.
void TestHostile::checkRecovered()
{
    auto *realTime = child<QCheckBox>(QStringLiteral("Check1"));
    realTime->setChecked(false);
    restoreGoodTexts();
    const auto messagesBefore = messages().size();
    child<QPushButton>(QStringLiteral("Command1"))->click();
    QCOMPARE(captions(), goodCaptions);
    QCOMPARE(messages().size(), messagesBefore);
}

// Columns: the fields pasted into and their texts, then either the captions expected or the
// field expected to be named.
void TestHostile::pastedAndCalculated_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("expectedCaptions");
    QTest::addColumn<QString>("namedField");

    for (const FieldControl &control : fieldControls) {
        const QString field = QLatin1String(control.name);
        for (const Hostile &hostile : unreadableEverywhere()) {
            QTest::addRow("%s: %s", control.name, hostile.name)
                << QStringList{field} << QStringList{hostile.text} << QString() << field;
        }
    }
    const auto unreadable = [](const char *row, const char *field, const QString &text) {
        QTest::newRow(row) << QStringList{QLatin1String(field)} << QStringList{text} << QString()
                           << QString::fromLatin1(field);
    };
    unreadable("Text1: a date", "Text1", QStringLiteral("2007-04-26"));
    unreadable("Text2: over int32", "Text2", QStringLiteral("2147483648"));
    unreadable("TxtStartTime1: a date", "TxtStartTime1", QStringLiteral("2007-04-26"));
    unreadable("TxtStartTime2: a date", "TxtStartTime2", QStringLiteral("2007-04-26"));
    unreadable("TxtStartTime2: 24:00:00", "TxtStartTime2", QStringLiteral("24:00:00"));
    unreadable("TxtStartDate1: a time", "TxtStartDate1", QStringLiteral("08:00:00"));
    unreadable("TxtStartDate2: a time", "TxtStartDate2", QStringLiteral("09:00:00"));
    unreadable("TxtStartDate2: 30 February", "TxtStartDate2", QStringLiteral("2007-02-30"));
    unreadable("Text2: full-width date", "Text2", QStringLiteral("２００７－０４－２６"));
    unreadable("TxtStartTime1: full-width date", "TxtStartTime1",
               QStringLiteral("２００７－０４－２６"));
    unreadable("TxtStartDate1: full-width digits", "TxtStartDate1", QStringLiteral("１２"));

    const auto readable = [](const char *row, const QStringList &fields, const QStringList &texts,
                             const QString &captions) {
        QTest::newRow(row) << fields << texts << captions << QString();
    };
    readable("Text1: spaces around", {"Text1"}, {"   65   "}, goodCaptions);
    readable("Text1: plus sign", {"Text1"}, {"+65"}, goodCaptions);
    readable("Text2: leading zeros", {"Text2"}, {"0000000015"}, goodCaptions);
    readable("TxtStartDate1: spaces around", {"TxtStartDate1"}, {" 2007-04-26 "}, goodCaptions);
    readable("TxtStartTime2: hh:mm", {"TxtStartTime2"}, {"9:00"}, goodCaptions);
    readable("TxtStartDate2: full-width date", {"TxtStartDate2"}, {"２００７－０４－２６"},
             goodCaptions);
    readable("Text1: full-width digits", {"Text1"}, {"１２"},
             "主机用油量：12.000 公斤 | 副机用油量：15 公斤 | 总共用油量：27 公斤 | "
             "时差：01时00分 | 日差：0天");
    readable("Text1: minus sign", {"Text1"}, {"-65"},
             "主机用油量：-65.000 公斤 | 副机用油量：15 公斤 | 总共用油量：-50 公斤 | "
             "时差：01时00分 | 日差：0天");
    readable(
        "Text1: int32 max", {"Text1"}, {"2147483647"},
        "主机用油量：2147483647.000 公斤 | 副机用油量：15 公斤 | 总共用油量：2147483662 公斤 | "
        "时差：01时00分 | 日差：0天");
    readable(
        "9999-12-31 against 0100-01-01: only the time of day counts",
        {"TxtStartDate1", "TxtStartDate2"}, {"9999-12-31", "0100-01-01"},
        "主机用油量：65.000 公斤 | 副机用油量：15 公斤 | 总共用油量：80 公斤 | 时差：01时00分 | "
        "日差：-3615899天");
    readable("0100-01-01 to 9999-12-31: the whole calendar", {"TxtStartDate1", "TxtStartDate2"},
             {"0100-01-01", "9999-12-31"},
             "主机用油量：5640802505.000 公斤 | 副机用油量：1301723655 公斤 | "
             "总共用油量：6942526160 公斤 | 时差：01时00分 | 日差：3615899天");
}

void TestHostile::pastedAndCalculated()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);
    QFETCH(QString, expectedCaptions);
    QFETCH(QString, namedField);

    const QString before = captions();
    for (qsizetype i = 0; i < fields.size(); ++i)
        paste(fields[i], texts[i]);
    child<QPushButton>(QStringLiteral("Command1"))->click();

    if (namedField.isEmpty()) {
        QCOMPARE(messages(), QStringList());
        QCOMPARE(captions(), expectedCaptions);
    } else {
        QCOMPARE(messages(), QStringList{messageNaming(namedField)});
        QCOMPARE(captions(), before);
    }
    checkRecovered();
}

// Real-time mode is running from good start fields when a rate is replaced while the officer is
// elsewhere (a rate being typed in, with the focus in it, is waited for instead).
void TestHostile::pastedIntoRateInRealTime_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expectedCaptions"); // empty: the field is named and the mode ends

    for (const char *field : {"Text1", "Text2"}) {
        for (const Hostile &hostile : unreadableEverywhere())
            QTest::addRow("%s: %s", field, hostile.name)
                << QString::fromLatin1(field) << hostile.text << QString();
    }
    QTest::newRow("Text1: spaces around a new rate")
        << QStringLiteral("Text1") << QStringLiteral("  70 ")
        << QStringLiteral(
               "主机用油量：105.000 公斤 | 副机用油量：22.5 公斤 | 总共用油量：127.5 公斤 | "
               "时差：01时30分 | 日差：0天");
}

void TestHostile::pastedIntoRateInRealTime()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, expectedCaptions);

    auto *realTime = child<QCheckBox>(QStringLiteral("Check1"));
    auto *timer = child<QTimer>(QStringLiteral("Timer1"));
    realTime->setChecked(true);
    QVERIFY(timer->isActive());
    tick();
    QCOMPARE(captions(), goodCaptions);

    paste(field, text);
    m_clock.moment = {{2007, 4, 26}, {9, 30, 0}};
    tick();

    if (expectedCaptions.isEmpty()) {
        QCOMPARE(messages(), QStringList{messageNaming(field)});
        QCOMPARE(captions(), goodCaptions);
        QVERIFY(!realTime->isChecked());
        QVERIFY(!timer->isActive());
    } else {
        QCOMPARE(messages(), QStringList());
        QCOMPARE(captions(), expectedCaptions);
        QVERIFY(timer->isActive());
    }
    checkRecovered();
}

// Start fields that pass the length-and-separator check but hold no real date or time: the first
// tick names the field once and leaves real-time mode. Others are refused when the box is ticked.
void TestHostile::realTimeFromHostileStartFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString refused = QStringLiteral("日期或时间格式错误，请重新输入。");
    QTest::newRow("date 0000-00-00")
        << QStringLiteral("TxtStartDate1") << QStringLiteral("0000-00-00")
        << messageNaming(QStringLiteral("TxtStartDate1"));
    QTest::newRow("date 2007-02-30")
        << QStringLiteral("TxtStartDate1") << QStringLiteral("2007-02-30")
        << messageNaming(QStringLiteral("TxtStartDate1"));
    QTest::newRow("time 23:59:60") << QStringLiteral("TxtStartTime1") << QStringLiteral("23:59:60")
                                   << messageNaming(QStringLiteral("TxtStartTime1"));
    QTest::newRow("a date as the time")
        << QStringLiteral("TxtStartTime1") << QStringLiteral("2007-04-26") << refused;
    QTest::newRow("full-width date")
        << QStringLiteral("TxtStartDate1") << QStringLiteral("２００７－０４－２６") << refused;
    // Each emoji is two UTF-16 units, so the text has the eight that the check counts.
    QTest::newRow("emoji time of eight units")
        << QStringLiteral("TxtStartTime1") << QStringLiteral("😀:😀:😀")
        << messageNaming(QStringLiteral("TxtStartTime1"));
    QTest::newRow("a megabyte of digits")
        << QStringLiteral("TxtStartDate1") << QString(1 << 20, QLatin1Char('9')) << refused;
}

void TestHostile::realTimeFromHostileStartFields()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    auto *realTime = child<QCheckBox>(QStringLiteral("Check1"));
    auto *timer = child<QTimer>(QStringLiteral("Timer1"));
    const QString before = captions();
    paste(field, text);
    realTime->setChecked(true);
    if (timer->isActive())
        tick();

    QCOMPARE(messages(), QStringList{message});
    QCOMPARE(captions(), before);
    QVERIFY(!realTime->isChecked());
    QVERIFY(!timer->isActive());
    QVERIFY(child<QLineEdit>(field)->isEnabled());
    checkRecovered();
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
