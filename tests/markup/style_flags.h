// Test rows name the markup style by letters: U upper case, S STRONG, E EM,
// / " />" endings. "" is lower case, B/I, no slash.
#pragma once

#include "markup/insert_tag.h"

inline TMarkupStyle StyleFromFlags(const QString &flags)
{
    TMarkupStyle s;
    s.upperCase = flags.contains(u'U');
    s.useStrong = flags.contains(u'S');
    s.useEm = flags.contains(u'E');
    s.slashEnd = flags.contains(u'/');
    return s;
}
