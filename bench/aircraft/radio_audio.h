// What the pilot hears from the radios besides the panel's own sounds: whether the simulator
// lets the tuned stations' idents be heard, as the radio sets' audio events leave it.
#pragma once

namespace bench {

struct radio_audio {
    bool nav1_ident = false;
    bool nav2_ident = false;
    bool adf_ident = false;
};

}  // namespace bench
