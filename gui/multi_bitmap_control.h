// A control whose background holds several images stacked from top to
// bottom, each heightOfOneImage pixels high.
#pragma once

#include "gui/geometry.h"

class IMultiBitmapControl {
public:
    virtual ~IMultiBitmapControl() = default;
    virtual void setHeightOfOneImage(const CCoord& height) { heightOfOneImage = height; }
    virtual CCoord getHeightOfOneImage() const { return heightOfOneImage; }

protected:
    CCoord heightOfOneImage = 0;
};
