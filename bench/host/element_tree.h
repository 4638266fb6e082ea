// The former name of bench/host/element_records.h, still included by the art generator in
// resources/art; remove once it includes the new name.
#pragma once

#include "bench/host/element_records.h"
