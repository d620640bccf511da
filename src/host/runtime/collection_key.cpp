#include "host/runtime/collection_key.h"

#include "host/text/case.h"

namespace host::runtime {

std::string foldKey(KeyFold fold, std::string_view key) {
    switch (fold) {
    case KeyFold::Exact:
        return std::string(key);
    case KeyFold::IgnoreCase:
        return host::text::LCase(key);
    case KeyFold::IgnoreCaseAndWidth:
        return host::text::foldCaseWidth(key);
    }
    return std::string(key);
}

} // namespace host::runtime
