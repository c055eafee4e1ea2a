#include "commands/SetCommands.h"

#include "commands/SetDisplay.h"
#include "data/Messages.h"
#include "data/Numbers.h"
#include "ops/Calculus.h"
#include "ops/SetArithmetic.h"
#include "ops/SetManagement.h"
#include "ops/Smoothing.h"

namespace commands {

namespace {

// The outcome of a command that ends with the set display.
Outcome shown(Workspace& ws, bool changed)
{
    showCurrentSet(ws);
    Outcome outcome = changed ? Outcome::done() : Outcome::refused();
    outcome.setShown = true;
    return outcome;
}

Outcome calculation(Workspace& ws, CommandId id, std::string_view formula)
{
    return run(ws, id, {formula}, [&] {
        const int before = ws.store.curCount();
        const CalculationResult result = applyCalculation(ws.store, formula);
        Outcome outcome;
        switch (result.outcome) {
        case CalculationOutcome::Ignored:
            return Outcome::refused();
        case CalculationOutcome::Applied:
            return shown(ws, true);
        case CalculationOutcome::Refused:
            return shown(ws, false);
        case CalculationOutcome::LogarithmRefused:
            outcome = shown(ws, false);
            outcome.kind = OutcomeKind::Message;
            outcome.message = std::string(Messages::LogarithmQuery);
            return outcome;
        case CalculationOutcome::SlopeChanged:
            outcome = shown(ws, result.slopeErrorPosition == 0 && before >= 2);
            outcome.statusText = std::to_string(result.slopeErrorPosition);
            return outcome;
        }
        return outcome;
    });
}

} // namespace

Outcome copySet(Workspace& ws, std::string_view setText)
{
    return run(ws, CommandId::Copy, {setText}, [&] {
        return ::copyToSet(ws.store, toInteger(setText)) ? Outcome::done() : Outcome::refused();
    });
}

Outcome insertSet(Workspace& ws, std::string_view setText)
{
    return run(ws, CommandId::Insert, {setText}, [&] { return shown(ws, ::insertSet(ws.store, toInteger(setText))); });
}

Outcome exchangeSet(Workspace& ws, std::string_view setText)
{
    return run(ws, CommandId::Exchange, {setText},
               [&] { return shown(ws, ::exchangeSets(ws.store, toInteger(setText))); });
}

Outcome addCurve(Workspace& ws, std::string_view setText)
{
    return run(ws, CommandId::AddCurve, {setText}, [&] { return shown(ws, ::addCurve(ws.store, toInteger(setText))); });
}

Outcome calculate(Workspace& ws, std::string_view formula)
{
    return calculation(ws, CommandId::Calculate, formula);
}

Outcome changeSlope(Workspace& ws, std::string_view text)
{
    return calculation(ws, CommandId::Slope, text);
}

std::string slopeCaption(DataStore& store)
{
    computeRegression(store, store.currentSet);
    const double a = store.regression.a;
    return "Change current Slope: " + formatValue(a, 1, displayDecimals(a) + 1);
}

Outcome filter(Workspace& ws, std::string_view windowText)
{
    return run(ws, CommandId::Filter, {windowText}, [&] {
        if (filterSpikes(ws.store, toInteger(windowText)) == FilterOutcome::TooFewPoints)
            return Outcome::withMessage(kNoDataToFilter);
        return shown(ws, true);
    });
}

Outcome smooth(Workspace& ws, const std::function<void()>& showPlot)
{
    return run(ws, CommandId::Smooth, {}, [&] {
        if (!smoothSet(ws.store))
            return Outcome::refused();
        showCurrentSet(ws);
        if (showPlot)
            showPlot();
        Outcome outcome = shown(ws, true);
        outcome.plotShown = static_cast<bool>(showPlot);
        return outcome;
    });
}

Outcome derivative(Workspace& ws)
{
    return run(ws, CommandId::Derivative, {},
               [&] { return deriveIntoNextSet(ws.store) ? Outcome::done() : Outcome::refused(); });
}

Outcome integral(Workspace& ws)
{
    return run(ws, CommandId::Integral, {},
               [&] { return integrateIntoNextSet(ws.store) ? Outcome::done() : Outcome::refused(); });
}

Outcome swapXY(Workspace& ws)
{
    return run(ws, CommandId::Swap, {}, [&] {
        const bool any = ws.store.curCount() > 0;
        ::swapXY(ws.store);
        return shown(ws, any);
    });
}

Outcome removePoints(Workspace& ws, std::string_view fromText, std::string_view toText)
{
    return run(ws, CommandId::Remove, {fromText, toText}, [&] {
        const int from = toInteger(fromText);
        const int to = toInteger(toText);
        return shown(ws, removeRange(ws.store, from, to));
    });
}

Outcome thinPoints(Workspace& ws, std::string_view factorText)
{
    return run(ws, CommandId::Thin, {factorText},
               [&] { return shown(ws, thinByFactor(ws.store, toInteger(factorText))); });
}

} // namespace commands
