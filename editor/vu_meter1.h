// The level meter of the faces: the widget layer's bar meter under the
// class name the faces (and their tests) know it by.
#pragma once

#include "gui/vu_meter.h"

class CVuMeter1 : public CVuMeter {
public:
    using CVuMeter::CVuMeter;

    CLASS_METHODS(CVuMeter1, CVuMeter)
};
