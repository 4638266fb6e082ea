// The panel windows open when the aircraft is loaded: each window with an ident opens or stays
// closed as its `visible` key says. Gauges and the user then open, close and toggle them.
#pragma once

#include "bench/aircraft/panel_windows.h"
#include "bench/panel_config/panel_file.h"

namespace bench::panel_config {

panel_windows start_windows(const panel_file& panel);

}  // namespace bench::panel_config
