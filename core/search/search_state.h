// What the search commands look for, kept from one search to the next.
#pragma once

#include <QString>

namespace pukana {

struct SearchState {
    QString text;
    bool matchCase = false;
};

} // namespace pukana
