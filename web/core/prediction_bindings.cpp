// The class's prediction for JavaScript: guess first, show the exact values, and the guess
// typed as the page's field holds it (per cent for a share, steps for the mean); and what a
// screen reader is to say of the journeys that ended.

#include <emscripten/bind.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "series/series_summary.h"
#include "web_walk.h"

namespace quirlweg::web {
namespace {

// The field's unit: per cent for a share, steps for the mean.
double FieldUnit(SeriesRow row) {
  return IsShare(row) ? 100 : 1;
}

// A number as a person types it, with a decimal comma or point; nothing else around it.
std::optional<double> NumberIn(std::string text) {
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  char* end = nullptr;
  const double value = std::strtod(text.c_str() + first, &end);
  if (end == text.c_str() + first ||
      text.find_first_not_of(' ', end - text.c_str()) != std::string::npos) {
    return std::nullopt;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// An empty field takes the guess back; a number outside what the row can be is refused.
bool SetGuessText(WebWalk& w, int rowIndex, const std::string& text) {
  if (rowIndex < 0 || rowIndex >= kSeriesRowCount) return false;
  const auto row = static_cast<SeriesRow>(rowIndex);
  if (text.find_first_not_of(' ') == std::string::npos) {
    w.SetGuess(std::nullopt);
    return true;
  }
  const auto typed = NumberIn(text);
  if (!typed) return false;
  const double value = *typed / FieldUnit(row);
  if (value < 0 || value > (IsShare(row) ? 1 : kLongestGuessedMean)) return false;
  w.SetGuess(ClassGuess{row, value});
  return true;
}

// The guess as the field shows it, one decimal at most, in the page's decimal separator.
std::string GuessText(const WebWalk& w, const std::string& separator) {
  const auto& guess = w.Guess();
  if (!guess) return {};
  const double shown = std::round(guess->value * FieldUnit(guess->row) * 10) / 10;
  std::string text = std::to_string(shown);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  const auto point = text.find('.');
  if (point != std::string::npos && !separator.empty()) text.replace(point, 1, separator);
  return text;
}

// {first, last, home, boundary, side, length} of what to say at `milliseconds`, or null;
// `side`: the row's key where the last journey left the lattice, null at home.
emscripten::val NextAnnouncement(WebWalk& w, double milliseconds) {
  const auto said =
      w.NextAnnouncement(std::chrono::milliseconds(static_cast<std::int64_t>(milliseconds)));
  if (!said) return emscripten::val::null();
  emscripten::val out = emscripten::val::object();
  out.set("first", static_cast<double>(said->first));
  out.set("last", static_cast<double>(said->last));
  out.set("home", static_cast<double>(said->home));
  out.set("boundary", static_cast<double>(said->boundary));
  out.set("length", static_cast<double>(said->journey.length));
  const auto side = std::find_if(kSideRows.begin(), kSideRows.end(),
                                 [&](SeriesRow row) { return EndsIn(said->journey.end, row); });
  out.set("side", side == kSideRows.end() ? emscripten::val::null()
                                          : emscripten::val(std::string(RowKey(*side))));
  return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(quirlweg_prediction) {
  emscripten::function("nextAnnouncement", &NextAnnouncement);
  emscripten::function(
      "setPredictFirst", +[](WebWalk& w, bool first) { w.SetPredictFirst(first); });
  emscripten::function(
      "predictFirst", +[](const WebWalk& w) { return w.PredictFirst(); });
  emscripten::function(
      "revealExact", +[](WebWalk& w) { w.Reveal(); });
  emscripten::function(
      "exactHidden", +[](const WebWalk& w) { return w.ExactHidden(); });
  emscripten::function("setGuessText", &SetGuessText);
  emscripten::function(
      "setGuess", +[](WebWalk& w, int row, double value) {
        if (row < 0 || row >= kSeriesRowCount) {
          w.SetGuess(std::nullopt);
        } else {
          w.SetGuess(ClassGuess{static_cast<SeriesRow>(row), value});
        }
      });
  emscripten::function(
      "isShare", +[](int row) {
        return row >= 0 && row < kSeriesRowCount && IsShare(static_cast<SeriesRow>(row));
      });
  emscripten::function("guessText", &GuessText);
  emscripten::function(
      "guessRow",
      +[](const WebWalk& w) { return w.Guess() ? static_cast<int>(w.Guess()->row) : -1; });
}

}  // namespace quirlweg::web
