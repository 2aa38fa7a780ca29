#include "form/contrast.h"
#include "form/design.h"
#include "form/space_runs.h"

#include <QRect>
#include <QTest>

using namespace fuel::form;
using fuel::calc::Field;
using fuel::calc::Option;
using fuel::calc::ResultLabel;

Q_DECLARE_METATYPE(Rgb)

class TestForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pixels_data();
    void pixels();
    void childrenLieInsideTheirFrames();
    void tabOrder();
    void rolesNameTheirControls();
    void filters();
    void rateBoxesLieOverSpaces_data();
    void rateBoxesLieOverSpaces();
    void contrast_data();
    void contrast();
    void darkBackgroundsKeepTheHue_data();
    void darkBackgroundsKeepTheHue();
};

// Places in device pixels, as a front-end that scales itself lays them out.
void TestForm::pixels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("Frame(0) at 96 dpi") << "Frame(0)" << 96 << QRect(8, 8, 353, 137);
    QTest::newRow("Command1 at 96 dpi: 640 twips is 42.7 px")
        << "Command1" << 96 << QRect(312, 24, 25, 43);
    QTest::newRow("Label(2) at 96 dpi: 400 twips is 26.7 px")
        << "Label(2)" << 96 << QRect(16, 27, 60, 12);
    QTest::newRow("Text1 at 96 dpi") << "Text1" << 96 << QRect(80, 83, 33, 18);
    QTest::newRow("Label(0) at 96 dpi") << "Label(0)" << 96 << QRect(0, 272, 369, 17);
    QTest::newRow("Command1 at 144 dpi") << "Command1" << 144 << QRect(468, 36, 38, 64);
    QTest::newRow("Check2 at 144 dpi") << "Check2" << 144 << QRect(132, 176, 242, 26);
    QTest::newRow("Frame(1) at 192 dpi") << "Frame(1)" << 192 << QRect(16, 304, 706, 226);
}

void TestForm::pixels()
{
    QFETCH(QString, name);
    QFETCH(int, dpi);
    QFETCH(QRect, expected);
    const Twips place = controlNamed(name.toStdString()).place;
    QCOMPARE(QRect(toPixels(place.left, dpi), toPixels(place.top, dpi), toPixels(place.width, dpi),
                   toPixels(place.height, dpi)),
             expected);
    QCOMPARE(toPixels(window().clientWidth, 96), 369);
    QCOMPARE(toPixels(window().clientHeight, 96), 290);
}

void TestForm::childrenLieInsideTheirFrames()
{
    for (const Control &control : controls()) {
        if (control.container.empty() || control.kind == Kind::Timer)
            continue;
        const Control &frame = controlNamed(control.container);
        QCOMPARE(frame.kind, Kind::Frame);
        const QRect inside(0, 0, frame.place.width, frame.place.height);
        const QRect place(control.place.left, control.place.top, control.place.width,
                          control.place.height);
        QVERIFY2(inside.contains(place), control.name.data());
    }
}

void TestForm::tabOrder()
{
    QStringList names;
    for (const Control *control : fuel::form::tabOrder())
        names << QString::fromUtf8(control->name.data(), control->name.size());
    QCOMPARE(names, QStringList({"Check1", "TxtStartTime1", "Text1", "Text2", "TxtStartDate1",
                                 "Check2", "TxtStartDate2", "TxtStartTime2", "Command1"}));
}

void TestForm::rolesNameTheirControls()
{
    const std::pair<Field, std::string_view> fields[] = {
        {Field::MainRate, "Text1"},          {Field::AuxRate, "Text2"},
        {Field::StartDate, "TxtStartDate1"}, {Field::StartTime, "TxtStartTime1"},
        {Field::EndDate, "TxtStartDate2"},   {Field::EndTime, "TxtStartTime2"}};
    for (const auto &[field, name] : fields)
        QCOMPARE(controlFor(field).name, name);
    const std::pair<ResultLabel, std::string_view> labels[] = {
        {ResultLabel::MainAmount, "Label1"},
        {ResultLabel::AuxAmount, "Label2"},
        {ResultLabel::Total, "Label3"},
        {ResultLabel::ElapsedTime, "Label4"},
        {ResultLabel::ElapsedDays, "Label5"}};
    for (const auto &[label, name] : labels)
        QCOMPARE(controlFor(label).name, name);
    QCOMPARE(controlFor(Option::ThreeDecimals).name, "Check2");
    QVERIFY(controlFor(Option::ThreeDecimals).initiallyTicked);
    QCOMPARE(controlFor(Option::RealTime).name, "Check1");
    QVERIFY(!controlFor(Option::RealTime).initiallyTicked);
}

void TestForm::filters()
{
    using fuel::input::FilteredField;
    QCOMPARE(filterFor(Field::MainRate), FilteredField::Rate);
    QCOMPARE(filterFor(Field::AuxRate), FilteredField::Rate);
    QCOMPARE(filterFor(Field::StartDate), FilteredField::StartDate);
    QCOMPARE(filterFor(Field::StartTime), FilteredField::StartTime);
    QVERIFY(!filterFor(Field::EndDate));
    QVERIFY(!filterFor(Field::EndTime));
}

// Each rate box keeps its designed share of its run of spaces, however wide the font draws it.
void TestForm::rateBoxesLieOverSpaces_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("runLeft");
    QTest::addColumn<int>("runRight");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("width");
    QTest::newRow("Text1, designed font at 96 dpi") << "Text1"
                                                    << "主机耗油：" << 76 << 118 << 80 << 33;
    QTest::newRow("Text2, designed font at 96 dpi")
        << "Text2"
        << "主机耗油：       公斤  副机：" << 190 << 232 << 192 << 33;
    QTest::newRow("Text1, spaces drawn wider") << "Text1"
                                               << "主机耗油：" << 100 << 184 << 108 << 66;
    QTest::newRow("Text2, spaces drawn narrower")
        << "Text2"
        << "主机耗油：       公斤  副机：" << 300 << 321 << 301 << 17;
}

void TestForm::rateBoxesLieOverSpaces()
{
    QFETCH(QString, box);
    QFETCH(QString, before);
    QFETCH(int, runLeft);
    QFETCH(int, runRight);
    QFETCH(int, left);
    QFETCH(int, width);
    const Control &control = controlNamed(box.toStdString());
    const auto run = runUnder(control);
    QVERIFY(run);
    QCOMPARE(run->label->name, std::string_view("Label(1)"));
    QCOMPARE(QString::fromUtf8(run->captionBefore), before);
    QCOMPARE(run->spaces, std::string_view("       "));
    QCOMPARE(placeOverRun(control, *run, runLeft, runRight), (PixelSpan{left, width}));
    QVERIFY(!runUnder(controlNamed("TxtStartDate1")));
}

void TestForm::contrast_data()
{
    QTest::addColumn<Rgb>("text");
    QTest::addColumn<Rgb>("background");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << Rgb{0, 0, 0} << Rgb{255, 255, 255} << 21.0;
    QTest::newRow("the same colour") << Rgb{9, 99, 199} << Rgb{9, 99, 199} << 1.0;
    QTest::newRow("blue on white") << Rgb{0, 0, 255} << Rgb{255, 255, 255} << 8.59;
    QTest::newRow("order does not matter") << Rgb{255, 255, 255} << Rgb{0, 0, 255} << 8.59;
    QTest::newRow("orange on light grey") << Rgb{255, 128, 0} << Rgb{239, 239, 239} << 2.19;
}

void TestForm::contrast()
{
    QFETCH(Rgb, text);
    QFETCH(Rgb, background);
    QFETCH(double, ratio);
    QCOMPARE(std::round(contrastRatio(text, background) * 100) / 100, ratio);
}

void TestForm::darkBackgroundsKeepTheHue_data()
{
    QTest::addColumn<Rgb>("designed");
    QTest::addColumn<Rgb>("background");
    const Rgb darkGrey{53, 53, 53};
    const Rgb adwaitaDark{36, 36, 36};
    QTest::newRow("blue on dark grey") << Rgb{0, 0, 255} << darkGrey;
    QTest::newRow("green on dark grey") << Rgb{0, 128, 0} << darkGrey;
    QTest::newRow("dark red on Adwaita dark") << Rgb{192, 0, 0} << adwaitaDark;
    QTest::newRow("orange on black") << Rgb{255, 128, 0} << Rgb{0, 0, 0};
    QTest::newRow("blue on light grey stays as designed") << Rgb{0, 0, 255} << Rgb{239, 239, 239};
    QTest::newRow("orange on light grey stays as designed")
        << Rgb{255, 128, 0} << Rgb{239, 239, 239};
}

void TestForm::darkBackgroundsKeepTheHue()
{
    QFETCH(Rgb, designed);
    QFETCH(Rgb, background);
    const Rgb drawn = textColourOn(designed, background);
    if (plainTextOn(background) == Rgb{0, 0, 0}) {
        QCOMPARE(drawn, designed);
        return;
    }
    QVERIFY(contrastRatio(drawn, background) >= readableContrast);
    // Lightened towards white, so each channel keeps its place in the order of the three.
    QCOMPARE(drawn.red >= drawn.green, designed.red >= designed.green);
    QCOMPARE(drawn.green >= drawn.blue, designed.green >= designed.blue);
    QVERIFY(drawn != (Rgb{255, 255, 255}));
}

QTEST_GUILESS_MAIN(TestForm)
#include "tst_form.moc"
