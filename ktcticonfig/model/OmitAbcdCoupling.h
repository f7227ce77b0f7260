// The coupling of a board's "Omit A/B/C/D" flags to its DTMF energy ratios: an element whose flag is
// switched on gets the ratio 15, one switched off the ratio 32.
#pragma once

#include <string>
#include <string_view>

namespace ktcticonfig {

/// How many elements the coupling compares for a model code; 0 for the codes it does not apply to.
int omitAbcdElements(int modelCode);

/// The DualAndAllFreqEnScale text after the OmitABCD text changed from `before` to `after`: the two
/// texts are compared character by character (at most 200), elements counted at the commas of
/// `before`; every element in which a "0" became "1" takes "15" in `scale`, every one in which a "1"
/// became "0" takes "32". The scale is returned unchanged for codes without the coupling.
std::string coupleOmitAbcd(int modelCode, std::string_view before, std::string_view after, std::string_view scale);

} // namespace ktcticonfig
