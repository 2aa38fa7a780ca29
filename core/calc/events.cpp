#include "events.h"

#include "consumption.h"
#include "messages.h"

#include "runtime/text.h"

#include <optional>

namespace fuel::calc {

namespace {

void showCaptions(WindowView &view, const Captions &captions)
{
    view.setCaption(ResultLabel::ElapsedTime, captions.elapsedTime);
    view.setCaption(ResultLabel::ElapsedDays, captions.elapsedDays);
    view.setCaption(ResultLabel::MainAmount, captions.mainAmount);
    view.setCaption(ResultLabel::AuxAmount, captions.auxAmount);
    view.setCaption(ResultLabel::Total, captions.total);
}

Inputs inputsShownIn(const WindowView &view)
{
    Inputs inputs;
    for (const Field field : allFields)
        inputs.text(field) = view.text(field);
    inputs.threeDecimals = view.isTicked(Option::ThreeDecimals);
    return inputs;
}

// Writes all five captions, or none and names the unreadable field.
std::optional<Field> calculateInto(WindowView &view, const Inputs &inputs)
{
    const Outcome outcome = calculate(inputs);
    if (const auto *bad = std::get_if<UnreadableInput>(&outcome))
        return bad->field;
    showCaptions(view, std::get<Captions>(outcome));
    return std::nullopt;
}

void reportUnreadable(WindowView &view, Field field)
{
    view.showError(unreadableMessage(field));
    view.focus(field);
}

void setRealTimeControls(WindowView &view, bool running)
{
    view.setTimerRunning(running);
    view.setFieldEnabled(Field::StartDate, !running);
    view.setFieldEnabled(Field::StartTime, !running);
    view.setCalculateEnabled(!running);
}

void leaveRealTime(WindowView &view)
{
    view.setTicked(Option::RealTime, false);
    setRealTimeControls(view, false);
}

bool isRate(Field field) { return field == Field::MainRate || field == Field::AuxRate; }

} // namespace

bool startFieldsLookValid(const std::string &date, const std::string &time)
{
    return runtime::utf16Length(time) == 8 && runtime::utf16Length(date) == 10 &&
           date.find('-') != std::string::npos && time.find(':') != std::string::npos;
}

void onLoad(WindowView &view, const runtime::Clock &clock)
{
    // One reading serves all three fields, so a start at midnight cannot mix two days.
    const runtime::LocalDateTime now = clock.now();
    const std::string today = runtime::formatDate(now.date);
    view.setText(Field::StartDate, today);
    view.setText(Field::EndDate, today);
    view.setText(Field::EndTime, runtime::formatTime(now.time));
}

void onCalculateClicked(WindowView &view)
{
    if (const auto bad = calculateInto(view, inputsShownIn(view)))
        reportUnreadable(view, *bad);
}

void onRealTimeToggled(WindowView &view)
{
    if (!view.isTicked(Option::RealTime)) {
        setRealTimeControls(view, false);
        return;
    }
    if (startFieldsLookValid(view.text(Field::StartDate), view.text(Field::StartTime))) {
        setRealTimeControls(view, true);
        return;
    }
    view.showError(startFieldsFormatMessage);
    leaveRealTime(view);
}

void onTimerTick(WindowView &view, const runtime::Clock &clock)
{
    // One reading serves both texts, so a tick at midnight cannot mix two days.
    const runtime::LocalDateTime now = clock.now();
    Inputs inputs = inputsShownIn(view);
    inputs.text(Field::EndDate) = runtime::formatDate(now.date);
    inputs.text(Field::EndTime) = runtime::formatTime(now.time);
    const auto bad = calculateInto(view, inputs);
    if (!bad)
        return;
    // A rate being retyped is empty for a moment; the next tick will read the finished number.
    if (isRate(*bad) && view.hasFocus(*bad))
        return;
    // Every later tick would meet the same text, so leave the mode and say it once.
    leaveRealTime(view);
    reportUnreadable(view, *bad);
}

std::string resultsForClipboard(const WindowView &view)
{
    std::string lines;
    for (const ResultLabel label :
         {ResultLabel::MainAmount, ResultLabel::AuxAmount, ResultLabel::Total,
          ResultLabel::ElapsedTime, ResultLabel::ElapsedDays}) {
        if (!lines.empty())
            lines += '\n';
        lines += view.caption(label);
    }
    return lines;
}

} // namespace fuel::calc
