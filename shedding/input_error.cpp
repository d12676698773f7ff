#include "shedding/input_error.h"

#include <limits>

#include "shedding/number_text.h"

namespace shedding {

InputError InvalidInput(int field, std::string label) {
  return {field, std::move(label), "must be finite and greater than " + FormatGeneral(InputThreshold, 0, 6)};
}

InputError OutOfRange(int field, std::string label, std::string_view figure) {
  return {field, std::move(label),
          "must keep " + std::string(figure) + " within " +
              FormatGeneral(std::numeric_limits<double>::max(), 0, 4)};
}

}  // namespace shedding
