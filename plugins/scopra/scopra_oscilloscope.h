// The goniometer of scopra's face: plots batches of up to 512 ready-made
// points (whole pixels from the centre, as the capture stores them) as
// single pixels over the graticule, with a phosphor-like fade and an
// optional hold layer that keeps every point until it is cleared.
//
// Two layers of the size bitmap's size: the main layer, which is shown, and
// the hold layer. Each draw washes the main layer with the graticule's faint
// black (so older points fade over about twenty draws) and plots the newest
// points on it in bright green; with hold on, the main layer is first rebuilt
// from the hold layer, which gathers every point in dark green. The point in
// position 0 of a batch is never plotted. The editor makes the view draw by
// giving it a new value after each batch; it never reports a value.
#pragma once

#include "gui/control.h"
#include "gui/draw_context.h"
#include "plugins/scopra/scopra_scope_capture.h"

class COsciloscope : public CControl {
public:
    // `sizeBitmap` only gives the layers' size; the overlay and the two
    // one-pixel pens (bright for new points, dark for held ones) are held.
    COsciloscope(const CRect& size, CControlListener* listener, CBitmap* sizeBitmap,
                 CBitmap* overlay, CBitmap* brightDot, CBitmap* darkDot);
    // A copy starts with layers of its own, made on its first draw.
    COsciloscope(const COsciloscope& other);
    ~COsciloscope() override;
    COsciloscope& operator=(const COsciloscope&) = delete;

    // Copies `count` points (at most 512) for the next draws.
    virtual void setPoints(const scopra::ScopePoint* points, int count);
    // Hold on from 0.5 up.
    virtual void setHold(float value);
    // Empties the hold layer at the next draw with hold on.
    virtual void requestClear();

    void draw(CDrawContext* context) override;
    // Left button: requestClear(). Any button: no move or release follows.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    int getHold() const { return holdMode; }

    CLASS_METHODS(COsciloscope, CControl)

private:
    static constexpr int kMaxPoints = scopra::kScopePoints;

    bool createLayers();
    void fillBlack(COffscreenContext* layer);

    int layerWidth;
    int layerHeight;
    SharedPointer<CBitmap> overlay;
    SharedPointer<CBitmap> brightDot;
    SharedPointer<CBitmap> darkDot;
    COffscreenContext* mainLayer = nullptr;
    COffscreenContext* holdLayer = nullptr;
    // The plotted points (all but position 0) as layer pixels.
    CPixelPosition pixels[kMaxPoints] = {};
    int pixelCount = 0;
    int holdMode = 0;
    int previousHoldMode = -1;  // the first draw in hold mode starts from black
    bool clearRequested = true;
};
