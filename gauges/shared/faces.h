// The two-face rule of the dials: most dials carry a metric face lettered in Russian and a
// British face, and the module-wide units mode chooses which one the pilot sees.
#pragma once

#include "frame/host_abi.h"

enum units_face { metric_face, british_face };

// The face the units mode currently asks for.
units_face current_face();

// Shows the element when `face` is the current face and hides it otherwise, through its
// hidden image flag. Returns whether the element is shown.
bool show_on_face(ELEMENT_HEADER& element, units_face face);

// The reading of an element of one face: `reading` while its face is shown, 0 while hidden.
FLOAT64 face_reading(ELEMENT_HEADER& element, units_face face, FLOAT64 reading);

// An overlay face drawn as a one-image icon: image 0 while its face is current, -1 (nothing
// drawn, the face under it shows) otherwise.
FLOAT64 overlay_face_icon(units_face face);

// The element callback of a British overlay face: a one-image icon drawn over the metric face
// (or plate) while the units mode is British, and nothing while it is metric.
FLOAT64 FSAPI british_overlay_callback(ELEMENT_ICON* face);

// An icon that holds one image per face, the metric face's first: the index of the current
// face's image (0 metric, 1 British).
FLOAT64 face_image_index();
