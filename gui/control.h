// Controls: the views that hold a value, what they tell their owner, and the
// images of a control's states stacked in one bitmap.
#pragma once

#include <cstdint>

#include "gui/geometry.h"
#include "gui/mouse.h"
#include "gui/view.h"

class CControl;

// What a control tells its owner: value changes, and the start and end of a
// gesture.
class CControlListener {
public:
    virtual ~CControlListener() = default;
    virtual void valueChanged(CControl* control) = 0;
    virtual int32_t controlModifierClicked(CControl* /*control*/, CButtonState /*buttons*/) {
        return 0;
    }
    virtual void controlBeginEdit(CControl* /*control*/) {}
    virtual void controlEndEdit(CControl* /*control*/) {}
};

// A control whose background holds several images stacked from top to
// bottom, each heightOfOneImage pixels high.
class IMultiBitmapControl {
public:
    virtual ~IMultiBitmapControl() = default;
    virtual void setHeightOfOneImage(const CCoord& height) { heightOfOneImage = height; }
    virtual CCoord getHeightOfOneImage() const { return heightOfOneImage; }

protected:
    CCoord heightOfOneImage = 0;
};

// Style bits shared by the controls.
enum CControlStyle : int32_t {
    kHorizontal = 1 << 0,
    kVertical = 1 << 1,
    kShadowText = 1 << 2,
    kLeft = 1 << 3,
    kRight = 1 << 4,
    kTop = 1 << 5,
    kBottom = 1 << 6,
    k3DIn = 1 << 7,
    k3DOut = 1 << 8,
    kPopupStyle = 1 << 9,
    kCheckStyle = 1 << 10,
    kNoTextStyle = 1 << 11,
    kNoDrawStyle = 1 << 12,
    kDoubleClickStyle = 1 << 13,
    kNoFrame = 1 << 14,
};

// A view with a value in min..max, a tag and a listener. Changing the value
// makes the control dirty, so the frame's next idle redraws it. Gestures
// report their start and end to the listener and, through the frame, to the
// editor (beginEdit/endEdit with the tag).
class CControl : public CView {
public:
    CControl(const CRect& size, CControlListener* listener = nullptr, int32_t tag = 0,
             CBitmap* background = nullptr);

    virtual void setValue(float value) { this->value = value; }
    virtual float getValue() const { return value; }
    virtual void setMin(float min) { vmin = min; }
    virtual float getMin() const { return vmin; }
    virtual void setMax(float max) { vmax = max; }
    virtual float getMax() const { return vmax; }
    // The value as 0..1 of the range, and back.
    float getValueNormalized() const { return normalized(value); }
    void setValueNormalized(float normalized);
    void setDefaultValue(float defaultValue) { this->defaultValue = defaultValue; }
    float getDefaultValue() const { return defaultValue; }
    void setWheelInc(float increment) { wheelInc = increment; }
    float getWheelInc() const { return wheelInc; }
    // Limits the value to min..max.
    virtual void bounceValue();

    void setTag(int32_t tag) { this->tag = tag; }
    int32_t getTag() const { return tag; }
    void setListener(CControlListener* listener) { this->listener = listener; }
    CControlListener* getListener() const { return listener; }

    // Tells the listener that the value changed.
    virtual void valueChanged();
    virtual void beginEdit();
    virtual void endEdit();
    // Ends every gesture that has begun, so that the host is never left
    // waiting for the end of one.
    CMouseEventResult onMouseCancel() override;

    // A control is also dirty while its value differs from the value it last drew.
    void setDirty(bool dirty = true) override;
    bool isDirty() const override;

    CLASS_METHODS(CControl, CView)

protected:
    // A left click with exactly the Ctrl modifier (double or not) sets the
    // default value as one whole gesture; true when it did.
    bool checkDefaultValue(const CButtonState& buttons);
    // `v` as 0..1 of the range, limited to it.
    float normalized(float v) const;

    CControlListener* listener;
    int32_t tag;
    float value = 0.f;
    float oldValue = 1.f;
    float vmin = 0.f;
    float vmax = 1.f;
    float defaultValue = 0.5f;
    float wheelInc = 0.1f;

private:
    int32_t openGestures_ = 0;
};
