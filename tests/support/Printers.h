#pragma once
// Failing comparisons print these values field by field.
#include <ostream>

#include "game/Elements.h"
#include "settings/Settings.h"

namespace quilto {

inline void PrintTo(const Box& b, std::ostream* os) {
    *os << "{" << b.Left << ", " << b.Top << ", " << b.Width << ", " << b.Height << "}";
}
inline void PrintTo(const PixelRect& r, std::ostream* os) {
    *os << "{picture " << r.source << ": " << r.Left << ", " << r.Top << ", " << r.Width << ", " << r.Height << "}";
}
inline void PrintTo(const Settings& s, std::ostream* os) {
    *os << "{" << s.Columns << ", " << s.Rows << ", " << s.FitMode << ", " << s.fIrregular << ", " << s.fSlide << ", "
        << s.fSlippery << "}";
}

}  // namespace quilto
