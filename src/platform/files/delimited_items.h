#pragma once

#include <string>
#include <string_view>
#include <vector>

// The items of a delimited text file: an item ends at a comma or a line end
// (CR LF, LF or CR); spaces around an item are dropped, and a quoted item
// keeps everything between its quotes, commas included.
std::vector<std::string> delimitedItems(std::string_view text);
