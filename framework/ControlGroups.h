// The groups of a dialog's controls, decided in this one place for the data exchange, the
// initial focus and the back ends' radio groups: a group runs from a control with WS_GROUP up
// to the next one, and the controls before the first such control make a group too.
#pragma once

#include "WinDefs.h"

#include <vector>

// The group of each control, in the order given (template order); equal numbers, one group.
// Takes any sequence of controls that have the template's style as dwStyle.
template <class TControls>
std::vector<int> ControlGroups(const TControls& controls)
{
    std::vector<int> groups;
    int nGroup = 0;
    for (const auto& control : controls) {
        if ((control.dwStyle & WS_GROUP) != 0)
            ++nGroup;
        groups.push_back(nGroup);
    }
    return groups;
}
