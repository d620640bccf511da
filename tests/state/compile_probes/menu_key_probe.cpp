// Compiled by the build's tests, not linked: with PROBE 0 a known menu name
// makes a key; each other PROBE is a misspelt name, which must not compile.
#include "state/menu_keys.h"

#if PROBE == 0
constexpr MenuKey kProbe = "学園データ";
#elif PROBE == 1
constexpr MenuKey kProbe = "学園デ一タ";
#elif PROBE == 2
constexpr MenuKey kProbe = "学園データ ";
#elif PROBE == 3
constexpr MenuKey kProbe = "契約 ";
#endif

static_assert(kProbe.name().size() > 0);
