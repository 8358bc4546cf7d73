// The stereo image controller effect: parameters, programs and the engine
// behind the processing lock.
#pragma once

#include "platform/mutex.h"
#include "plugins/solvane/solvane_engine.h"
#include "plugins/solvane/solvane_parameters.h"
#include "presets/preset_system_effect.h"

class Solvane : public CPresetSystemEffect {
public:
    explicit Solvane(audioMasterCallback audioMaster);
    // Closes the editor's window first, so that its idle never reads an
    // engine that is being destroyed.
    ~Solvane() override;

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
    float midSideReading() const { return engine.midSideReading(); }
    float leftRightReading() const { return engine.leftRightReading(); }

protected:
    ParameterKind parameterKind(VstInt32 index) const override;

private:
    template <typename Sample>
    void processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames);
    void resetEngine(float reading);

    std::atomic<float> values[solvane::kNumParams];
    solvane::SolvaneEngine engine;
    Mutex processingLock;
};
