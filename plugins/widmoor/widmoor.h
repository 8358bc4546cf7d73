// The stereo image enhancer effect (AComb): parameters, programs and the
// comb engine behind the processing lock.
#pragma once

#include <atomic>

#include "platform/mutex.h"
#include "plugins/widmoor/widmoor_engine.h"
#include "plugins/widmoor/widmoor_parameters.h"
#include "presets/preset_system_effect.h"

class AComb : public CPresetSystemEffect {
public:
    explicit AComb(audioMasterCallback audioMaster);
    // Closes the editor's window first, so that its idle never reads an
    // engine that is being destroyed.
    ~AComb() override;

    // effVendorSpecific carries the requests of our own tools to the editor.
    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                         float opt) override;

    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override;
    void processDoubleReplacing(double** inputs, double** outputs, VstInt32 sampleFrames) override;
    void suspend() override;
    void resume() override;

    void setParameter(VstInt32 index, float value) override;
    float getParameter(VstInt32 index) override;
    void getParameterName(VstInt32 index, char* text) override;
    void getParameterLabel(VstInt32 index, char* text) override;
    void getParameterDisplay(VstInt32 index, char* text) override;
    void initFactoryPrograms() override;

    // The engine value derived from parameter `index`, for the editor.
    float getDerivedValue(VstInt32 index) const;
    float widthMeter() const { return engine.meter(); }
    int delaySamples() const { return engine.delaySamples(); }

protected:
    ParameterKind parameterKind(VstInt32 index) const override;

private:
    template <typename Sample>
    void processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames);
    void updateEngine(VstInt32 index, float value);

    std::atomic<float> values[widmoor::kNumParams];
    widmoor::WidmoorEngine engine;
    Mutex processingLock;
};
