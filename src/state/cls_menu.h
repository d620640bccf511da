#pragma once

#include "state/menu_keys.h"

#include <string>

// The open menu and sub-menu of the school screen, and the texts that depend
// on them: the grid's column set, the menu's tip and the tip of a caption.
// Both captions start empty and keep their last values for the whole run.
class clsMenu {
  public:
    void SetMenu(MenuKey pMenu) { Menu = pMenu; }
    MenuKey GetMenu() const { return Menu; }
    void SetSubMenu(MenuKey pSubMenu) { SubMenu = pSubMenu; }
    MenuKey GetSubMenu() const { return SubMenu; }

    // The name of the column set the open menu shows.
    std::string GetGGHeaderName() const;
    // The tip of the open menu; empty for most menus.
    std::string GetSchoolMenuTips() const;
    // The tip of a caption, its lines joined by CR LF; empty for a caption
    // not in the table (compared exactly).
    static std::string GetMSGTips(const std::string& pMenu);

  private:
    MenuKey Menu;
    MenuKey SubMenu;
};
