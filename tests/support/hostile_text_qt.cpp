#include "tests/support/hostile_text_qt.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace {

// Numbers as users spell them, and spellings a parser may choke on.
constexpr std::array kNumbers{
    "0", "-0", "+0", "0.2", "10", "5",
    // at the ends of double
    "1e308", "-1e308", "1e309", "1e-320", "4.9e-324", "2.2250738585072014e-308",
    "99999999999999999999999999", "0.0000000000000000000000000000001",
    // what strtod would also read
    "nan", "NaN", "-nan", "inf", "-inf", "Infinity", "0x10", "0X1P4",
    // malformed
    "1,5", "1.5.5", "--5", "  12  ", "1e", "e5", ".", "-", ".5", "5.", "1_000",
    // digits of other scripts, a no-break space inside
    "１２３", "٣", "5\xc2\xa0" "0"};

// Letters and symbols beyond ASCII: combining marks, zero widths, a byte
// order mark, right-to-left text and an override, a ligature, emoji.
constexpr std::array kUnicode{
    "Ωµ°ß€漢字", "🌀🌊", "e\xcc\x81", "\xe2\x80\x8b", "\xef\xbb\xbf", "שלום",
    "\xe2\x80\xae" "123", "ﬁ", "Ⅻ", "\xf0\x9f\x98\x80", "Ä", "ÿ"};

int Between(std::mt19937_64& engine, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(engine);
}

template <std::size_t N>
QString OneOf(std::mt19937_64& engine, const std::array<const char*, N>& choices) {
  return QString::fromUtf8(choices[static_cast<std::size_t>(Between(engine, 0, static_cast<int>(N) - 1))]);
}

QString PrintableAscii(std::mt19937_64& engine, int count) {
  QString text;
  for (int i = 0; i < count; ++i) text += QChar(Between(engine, 0x20, 0x7e));
  return text;
}

QString RandomNumber(std::mt19937_64& engine) {
  if (Between(engine, 0, 2) > 0) return OneOf(engine, kNumbers);
  const double value =
      std::uniform_real_distribution<double>(-1e6, 1e6)(engine) * std::pow(10.0, Between(engine, -300, 300));
  char text[64];
  std::snprintf(text, sizeof text, Between(engine, 0, 1) ? "%.17g" : "%g", value);
  return QString::fromLatin1(text);
}

QString RandomCodePoints(std::mt19937_64& engine, int count) {
  QString text;
  for (int i = 0; i < count; ++i) {
    switch (Between(engine, 0, 3)) {
      case 0:
        text += QChar(Between(engine, 0xa0, 0x24f));  // Latin with accents
        break;
      case 1:
        text += QChar(Between(engine, 0x4e00, 0x9fff));  // CJK
        break;
      case 2: {
        const char32_t astral = static_cast<char32_t>(Between(engine, 0x10000, 0x10ffff));
        text += QString::fromUcs4(&astral, 1);
        break;
      }
      default:
        text += QChar(static_cast<char16_t>(Between(engine, 0xd800, 0xdfff)));  // a lone surrogate
        break;
    }
  }
  return text;
}

QString ControlCharacters(std::mt19937_64& engine, int count) {
  QString text;
  for (int i = 0; i < count; ++i) {
    const int pick = Between(engine, 0, 5);
    if (pick == 0) {
      text += QChar(0x7f);
    } else if (pick == 1) {
      text += QChar(Between(engine, 0, 1) ? 0x2028 : 0x85);  // line and next-line separators
    } else if (pick == 2) {
      text += QChar(Between(engine, '0', '9'));
    } else {
      text += QChar(Between(engine, 0, 0x1f));
    }
  }
  return text;
}

QString Long(std::mt19937_64& engine) {
  const int count = Between(engine, kLongTextMinimum, 2 * kLongTextMinimum);
  switch (Between(engine, 0, 4)) {
    case 0:
      return QString(count, QChar(Between(engine, '0', '9')));
    case 1:
      return QStringLiteral("1") + QString(count, QLatin1Char('0'));
    case 2:
      return QStringLiteral("0.") + QString(count, QLatin1Char('0')) + QStringLiteral("1");
    case 3:
      return QString::fromUtf8("漢").repeated(count);
    default: {
      QString text;
      while (text.size() < count) text += RandomNumber(engine) + PrintableAscii(engine, 3);
      return text;
    }
  }
}

}  // namespace

QString HostileText(std::mt19937_64& engine, TextLength length) {
  // A quarter of what is pasted is very long.
  if (length == TextLength::Any && Between(engine, 0, 3) == 0) return Long(engine);
  switch (Between(engine, 0, 5)) {
    case 0:
    case 1:
      return RandomNumber(engine);
    case 2:
      return PrintableAscii(engine, Between(engine, 1, 12));
    case 3:
      return OneOf(engine, kUnicode);
    case 4:
      return RandomCodePoints(engine, Between(engine, 1, 6));
    default:
      return ControlCharacters(engine, Between(engine, 1, 8));
  }
}
