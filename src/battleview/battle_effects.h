#pragma once

#include "battleview/cls_battle_effect.h"

#include "host/runtime/collection.h"

#include <memory>
#include <string>

// The effect table (master-data section 31): rows by EffectName, matched
// without regard to case and width.
class BattleEffects {
  public:
    // Adds every non-empty CR LF line as a row; a name given twice raises
    // the duplicate-key error (457).
    void SetData(const std::string& strData);
    // The row of that name; the invalid-call error (5) when there is none.
    const clsBattleEffect& item(const std::string& EffectName) const;
    long count() const { return rows_.count(); }

  private:
    host::runtime::Collection<std::shared_ptr<clsBattleEffect>> rows_{
        host::runtime::KeyFold::IgnoreCaseAndWidth};
};
