#pragma once

#include "grids/table_view/ctr_graphical_view_ver2.h"
#include "state/cls_data.h"

#include "host/ui/picture_box.h"

// The status panel that the school and the town show at the top left of
// their screens: date, money, kingdom points, rank and construction.
namespace status_view {

// Places the panel at 5, 5 on the screen's picture with its five cells.
void placeStatusView(ctrGraphicalViewVer2& view, host::ui::PictureBox& screen);
// The cells show the facade's status.
void showStatus(ctrGraphicalViewVer2& view, const clsData& data);

} // namespace status_view
