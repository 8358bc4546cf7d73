// The analyser's level meters: a bar meter with a peak segment above the bar
// and a two-pixel hold line, all on a square-root amplitude scale (a level
// of D dB stands at 10^(D/40) of the meter's height), and the mapping from
// the measurement to the values the meters show.
#pragma once

#include "gui/vu_meter.h"
#include "plugins/scopra/scopra_display_values.h"
#include "plugins/scopra/scopra_measurement_state.h"

class CVu2Meter : public CVuMeter {
public:
    // A vertical meter of `ledCount` steps; `peakBitmap` draws the peak
    // segment and the hold line.
    CVu2Meter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, CBitmap* peakBitmap,
              int32_t ledCount);

    // Both in display scale 0..1; the meter redraws when either changes.
    // Drawing raises the peak to the bar and the hold to the peak, so these
    // setters are how the markers come down.
    virtual void setPeakValue(float value);
    virtual void setHoldValue(float value);
    // Empties bar, peak and hold at once.
    virtual void resetMeter();

    float getPeakValue() const { return peak; }
    float getHoldValue() const { return hold; }

    void draw(CDrawContext* context) override;

    CLASS_METHODS(CVu2Meter, CVuMeter)

private:
    void fillBand(CDrawContext* context, CCoord fromRow, CCoord toRow);

    SharedPointer<CBitmap> peakBitmap;
    float peak = 0.f;
    float hold = 0.f;
    CCoord height;
    CCoord ledPitch;
};

namespace scopra {

// The bar values and peak values of the two meters for `readings`: meter 1
// shows L (or S in side/mid mode), meter 2 R (or M).
DisplayValues meterDisplayValues(const MeasurementState& readings, bool sideMid);
// Where the hold line of meter `meter` stands: the square root of its held peak.
float holdDisplayValue(const MeasurementState& readings, int meter);

}  // namespace scopra
