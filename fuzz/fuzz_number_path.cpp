// The number path: text -> TextToNumber -> SolveShedding (every analysis and
// unit system) and StrouhalFromReynolds -> text, with every precision the
// formatting shortcuts take.
//
// An input is a line such as "0.2,5,0.1": up to three comma-separated numbers
// for the relation's slots; a fourth and a fifth field, when present, give a
// precision and a width for extra formatting checks. The first 24 bytes also
// serve as three raw doubles, so NaN, infinities and subnormals reach the
// solver and the correlation directly.
//
// The oracle is the C library in the "C" locale (strtod, snprintf), while the
// process itself runs in a locale with a decimal comma when one is installed:
// the code under test must not notice.

#include <locale.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/harness_support.h"
#include "shedding/correlation.h"
#include "shedding/number_text.h"
#include "shedding/shed_labels.h"
#include "shedding/shedding_relation.h"
#include "shedding/text_builder.h"

namespace {

using fuzz::Check;
using shedding::ShedAnalysis;
using shedding::ShedInputs;
using shedding::UnitSystem;

// Runs the C library in the "C" locale for as long as it lives.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(previous_); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  static locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
  }
  locale_t previous_;
};

bool IsCSpace(char c) { return std::string_view(" \t\n\v\f\r").find(c) != std::string_view::npos; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// atof in the "C" locale, which reads only the decimal form: strtod on the
// same text, cut where strtod would go on into a hex form ("0x1p3" reads as
// its "0"), "inf" or "nan" (nothing to convert).
double AtofReference(std::string_view text) {
  std::string decimal(text.substr(0, text.find('\0')));
  std::size_t pos = 0;
  while (pos < decimal.size() && IsCSpace(decimal[pos])) ++pos;
  if (pos < decimal.size() && (decimal[pos] == '+' || decimal[pos] == '-')) ++pos;
  if (pos < decimal.size()) {
    const bool hex = decimal[pos] == '0' && pos + 1 < decimal.size() &&
                     (decimal[pos + 1] == 'x' || decimal[pos + 1] == 'X');
    if (hex) {
      decimal.resize(pos + 1);
    } else if (!IsDigit(decimal[pos]) && decimal[pos] != '.') {
      decimal.resize(pos);
    }
  }
  const CLocaleScope c;
  return std::strtod(decimal.c_str(), nullptr);
}

// snprintf with "%*.*<conversion>" in the "C" locale.
std::string PrintfReference(char conversion, double value, int width, int precision) {
  const char format[] = {'%', '*', '.', '*', conversion, '\0'};
  const CLocaleScope c;
  const int length = std::snprintf(nullptr, 0, format, width, precision, value);
  std::string text(static_cast<std::size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, format, width, precision, value);
  return text;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

double NumberOf(std::string_view text) {
  const double number = shedding::TextToNumber(text);
  Check(SameBits(number, AtofReference(text)), "TextToNumber is atof in the C locale");
  const std::optional<double> found = shedding::NumberInText(text);
  Check(found ? SameBits(*found, number) : SameBits(number, 0.0),
        "NumberInText reads as TextToNumber, and finds nothing only where that gives +0");
  return number;
}

// The quantity a label names, as the analysis that solves for it.
ShedAnalysis QuantityOf(const std::string& label) {
  if (label.starts_with("Strouhal")) return ShedAnalysis::StrouhalNumber;
  if (label.starts_with("Frequency")) return ShedAnalysis::Frequency;
  if (label.starts_with("Diameter")) return ShedAnalysis::Diameter;
  Check(label.starts_with("Freestream"), "a label names St, f, D or V");
  return ShedAnalysis::Velocity;
}

// St = f*D/V solved for the unknown, in long double, with the given
// quantities taken from the slots their labels name.
long double RelationSolvedFor(ShedAnalysis unknown, UnitSystem units, const ShedInputs& inputs) {
  std::array<long double, shedding::kShedAnalysisCount> quantity{};
  const auto labels = shedding::SlotLabels(unknown, units);
  for (std::size_t slot = 0; slot < labels.size(); ++slot) {
    const ShedAnalysis given = QuantityOf(labels[slot]);
    Check(given != unknown, "the solved quantity is not among the slots");
    quantity[static_cast<std::size_t>(given)] = inputs[slot];
  }
  const long double st = quantity[0], f = quantity[1], d = quantity[2], v = quantity[3];
  switch (unknown) {
    case ShedAnalysis::StrouhalNumber: return f * d / v;
    case ShedAnalysis::Frequency: return st * v / d;
    case ShedAnalysis::Diameter: return st * v / f;
    case ShedAnalysis::Velocity: return f * d / st;
  }
  return 0;
}

// Equal, or one rounding step apart (the order of the operations may differ).
bool WithinOneStep(double value, double expected) {
  if (std::isnan(expected)) return std::isnan(value);
  const double inf = std::numeric_limits<double>::infinity();
  return value == expected || value == std::nextafter(expected, inf) ||
         value == std::nextafter(expected, -inf);
}

void CheckSolve(const ShedInputs& inputs) {
  int firstFailing = 0;
  for (std::size_t slot = 0; slot < inputs.size() && firstFailing == 0; ++slot) {
    if (!(inputs[slot] > shedding::InputThreshold) || !std::isfinite(inputs[slot])) {
      firstFailing = static_cast<int>(slot) + 1;
    }
  }
  for (const ShedAnalysis analysis : shedding::kShedAnalyses) {
    for (const UnitSystem units : shedding::kUnitSystems) {
      const auto solved = shedding::SolveShedding(analysis, units, inputs);
      if (firstFailing != 0) {
        const auto* error = std::get_if<shedding::InputError>(&solved);
        Check(error && error->field == firstFailing,
              "an input not above the threshold, or infinite, fails in the first such slot");
        continue;
      }
      const auto* result = std::get_if<shedding::ShedResult>(&solved);
      Check(result != nullptr, "valid inputs are solved");
      if (!result) continue;
      const shedding::ShedResult& outcome = *result;
      const long double expected = RelationSolvedFor(analysis, units, inputs);
      Check(WithinOneStep(outcome.value, static_cast<double>(expected)),
            "the solved value is the relation's");
      const int digits = analysis == ShedAnalysis::StrouhalNumber ? 3 : 4;
      Check(outcome.text == PrintfReference('g', outcome.value, 12, digits),
            "the result text is %12.3g (St) or %12.4g in the C locale");
      Check(QuantityOf(outcome.label) == analysis, "the result label names the solved quantity");
    }
  }
}

// Within the bracket of table points around reynolds, up to rounding.
bool WithinTableBracket(double reynolds, double strouhal) {
  const auto& table = shedding::CorrelationTable;
  for (std::size_t i = 0; i + 1 < table.size(); ++i) {
    if (reynolds >= table[i].reynolds && reynolds <= table[i + 1].reynolds) {
      const double low = std::min(table[i].strouhal, table[i + 1].strouhal);
      const double high = std::max(table[i].strouhal, table[i + 1].strouhal);
      constexpr double kRounding = 1e-12;
      return strouhal >= low - kRounding && strouhal <= high + kRounding;
    }
  }
  return true;  // outside the table: the fixed ends are checked on their own
}

void CheckCorrelation(double reynolds) {
  const double strouhal = shedding::StrouhalFromReynolds(reynolds);
  Check(std::isfinite(strouhal) && strouhal >= 0 && strouhal <= 0.23,
        "the Strouhal estimate is finite and within [0, 0.23]");
  if (!(reynolds > shedding::CorrelationTable.front().reynolds)) {
    Check(strouhal == 0, "0 up to the first table point and for NaN");
  }
  if (reynolds >= shedding::CorrelationTable.back().reynolds) {
    Check(strouhal == shedding::CorrelationTable.back().strouhal, "0.23 from the last table point on");
  }
  Check(WithinTableBracket(reynolds, strouhal), "interpolation stays between its table points");
  Check(shedding::StrouhalText(strouhal) == PrintfReference('f', strouhal, 5, 3),
        "the estimate's text is %5.3f in the C locale");
}

void CheckFormats(double value, int width, int precision) {
  Check(shedding::FormatGeneral(value, width, precision) == PrintfReference('g', value, width, precision),
        "FormatGeneral is printf's %*.*g in the C locale");
  Check(shedding::FormatFixed(value, width, precision) == PrintfReference('f', value, width, precision),
        "FormatFixed is printf's %*.*f in the C locale");
}

// The exact-integer and binary64 shortcuts decide each rounding on their
// own, so every precision they take (up to 17 digits) is checked, on the
// value and on its neighbours, where a rounding boundary is most likely to
// be misjudged; and a TextBuilder writes the same text after what is there.
void CheckEveryShortPrecision(double value) {
  constexpr int kMostShortcutDigits = 17;
  const double infinity = std::numeric_limits<double>::infinity();
  for (const double nearby : {value, std::nextafter(value, infinity), std::nextafter(value, -infinity)}) {
    for (int precision = 0; precision <= kMostShortcutDigits; ++precision) {
      CheckFormats(nearby, 0, precision);
    }
  }
  std::string built = "x,";
  {
    shedding::TextBuilder text(built);
    text.AppendGeneral(value, 12, 4);
    text.AppendFixed(value, 5, 3);
  }
  Check(built == "x," + PrintfReference('g', value, 12, 4) + PrintfReference('f', value, 5, 3),
        "a TextBuilder writes what printf writes");
}

// A field as a small integer for the formatting checks, or fallback.
int FieldAsInt(const std::vector<std::string_view>& fields, std::size_t index, int low, int high,
               int fallback) {
  if (index >= fields.size()) return fallback;
  const double number = NumberOf(fields[index]);
  if (!(number >= low && number <= high)) return fallback;
  return static_cast<int>(number);
}

ShedInputs RawDoubles(const std::uint8_t* data) {
  ShedInputs inputs{};
  std::memcpy(inputs.data(), data, sizeof inputs);
  return inputs;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // A decimal comma in the process locale, where installed.
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) std::setlocale(LC_ALL, "de_DE.utf8");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text = fuzz::AsText(data, size);
  const std::vector<std::string_view> fields = fuzz::Pieces(text, ',');

  ShedInputs inputs{};
  for (std::size_t slot = 0; slot < inputs.size(); ++slot) {
    inputs[slot] = NumberOf(slot < fields.size() ? fields[slot] : std::string_view());
  }
  const double whole = NumberOf(text);
  CheckSolve(inputs);
  for (const double reynolds : {inputs[0], whole}) CheckCorrelation(reynolds);

  const int precision = FieldAsInt(fields, 3, -1, 400, 6);
  const int width = FieldAsInt(fields, 4, 0, 80, 0);
  for (const double value : {inputs[0], inputs[1], inputs[2], whole}) {
    CheckFormats(value, width, precision);
    CheckEveryShortPrecision(value);
  }

  if (size >= sizeof(ShedInputs)) {
    const ShedInputs raw = RawDoubles(data);
    CheckSolve(raw);
    for (const double value : raw) {
      CheckCorrelation(value);
      CheckFormats(value, width, precision);
      CheckEveryShortPrecision(value);
    }
  }
  return 0;
}
