// The mono-to-stereo effect: parameters, programs and the engine behind the
// processing lock.
#pragma once

#include <atomic>

#include "platform/mutex.h"
#include "plugins/duplimo/duplimo_engine.h"
#include "plugins/duplimo/duplimo_parameters.h"
#include "presets/preset_system_effect.h"

class Duplimo : public CPresetSystemEffect {
public:
    explicit Duplimo(audioMasterCallback audioMaster);
    // Closes the editor's window first, so that its idle never reads an
    // engine that is being destroyed.
    ~Duplimo() override;

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

    // The engine value of parameter `index`, for the editor.
    float getDerivedValue(VstInt32 index) const;
    float monoSideReading() const { return engine.monoSideReading(); }
    int32_t delaySamples() const {
        return engine.controls.delaySamples.load(std::memory_order_relaxed);
    }

protected:
    ParameterKind parameterKind(VstInt32 index) const override;

private:
    template <typename Sample>
    void processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames);
    void updateEngine(VstInt32 index, float value);
    std::atomic<float>* storedValue(VstInt32 index);

    std::atomic<float> values[duplimo::kNumParams];
    std::atomic<float> extraValue{0.0f};
    duplimo::DuplimoEngine engine;
    Mutex processingLock;
};
