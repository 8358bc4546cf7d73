// What the effects with a preset system share: the parameter table, the
// factory programs, and processing behind the processing lock with
// denormals flushed. A plug-in adds its constructor (an editor, if any, is
// attached before start()), its suspend and resume, and its readings.
#pragma once

#include "host/parameter_table.h"
#include "platform/denormals.h"
#include "platform/mutex.h"
#include "presets/preset_system_effect.h"

template <class Engine, int kSlots, int kParams = kSlots>
class EffectShell : public ParameterShell<Engine, kSlots, CPresetSystemEffect> {
    using Shell = ParameterShell<Engine, kSlots, CPresetSystemEffect>;

public:
    // The editor's window closes while the whole shell still stands: a last
    // event from it may still set a parameter.
    ~EffectShell() override {
        if (this->editor) this->editor->close();
    }

    void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) override {
        processBlock(inputs, outputs, sampleFrames);
    }
    void processDoubleReplacing(double** inputs, double** outputs,
                                VstInt32 sampleFrames) override {
        processBlock(inputs, outputs, sampleFrames);
    }
    void initFactoryPrograms() override {
        for (int p = 0; p < numPrograms_; ++p)
            this->setFactoryProgram(p, programs_[p].name, programs_[p].values);
    }

protected:
    template <int kPrograms>
    EffectShell(audioMasterCallback master, const PluginIdentity& identity,
                const ParameterRow<Engine> (&rows)[kSlots],
                const FactoryProgram<kParams> (&programs)[kPrograms])
        : Shell(master, kPrograms, identity, rows), programs_(programs), numPrograms_(kPrograms) {}

    // The last step of a plug-in's constructor, after its editor is attached:
    // the host's block size, then the factory programs, the remembered
    // defaults and program 0.
    void start() {
        this->updateBlockSize();
        this->loadStartingPrograms();
    }

    template <class Step>
    void underProcessingLock(Step&& step) {
        ScopedLock lock(processingLock_);
        step();
    }

    // Values a program sends while it is being applied are already in it.
    void rememberInProgram(VstInt32 index, float value) override {
        if (!this->isApplyingProgram()) CPresetSystemEffect::setParameter(index, value);
    }

private:
    template <typename Sample>
    void processBlock(Sample** inputs, Sample** outputs, VstInt32 sampleFrames) {
        ScopedLock lock(processingLock_);
        DenormalGuard denormals;
        this->engine.template process<Sample>(inputs, outputs, sampleFrames,
                                              this->getSampleRate());
    }

    const FactoryProgram<kParams>* programs_;
    int numPrograms_;
    Mutex processingLock_;
};
