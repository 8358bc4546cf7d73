// Each parameter of an effect described once, as one row of a table: its
// name and label, how hosts step it, the engine value it maps to, and the
// texts host and face show. The host texts, the property query, setParameter
// and the editor's refresh all read the same row, so an index is handled in
// one place instead of one switch per operation.
#pragma once

#include <atomic>
#include <cstring>
#include <type_traits>

#include "dsp/switch_state.h"
#include "host/aeff_editor.h"
#include "host/audio_effect.h"

// The rounding number formatter of every display text of the family: writes
// `value` rounded to `decimals` places (a remainder of 0.49999 of the last
// place or more rounds away from zero) as plain decimal digits into `text`,
// at most eight characters before the cut. Values whose magnitude exceeds
// 99999999 (9999999 when negative), and NaN, leave `text` untouched.
void formatFixedDecimals(float value, int decimals, char* text);

// The labels are nine characters wide, one more than the interface's nominal
// text length, as in every plug-in of the family; hosts pass larger buffers.
constexpr int kParameterTextBytes = 16;
constexpr VstInt32 kNoContext = -1;

template <class Engine>
struct ParameterRow {
    const char* name;  // null: no value behind this index
    const char* label;
    ParameterKind kind;
    float initial;                           // a fresh effect's value
    float (*engineValue)(float v);           // the derived value; null: v itself
    void (*apply)(Engine& engine, float v);  // null: the engine ignores it
    const char* onText;                      // switch rows: the host display when on,
    const char* offText;                     //   and when off
    void (*hostText)(float v, float context, char* text);  // other rows; null: ""
    VstInt32 contextIndex;  // row whose derived value is passed as `context`
    float (*faceValue)(float v);                // what the face shows; null: v
    void (*faceText)(float shown, char* text);  // the face read-out's text; null: none
};

// A named set of values, one for every program parameter.
template <int kParams>
struct FactoryProgram {
    const char* name;
    float values[kParams];
};

// Builders, so that each row reads as one line.
template <class E>
constexpr ParameterRow<E> fader(const char* name, const char* label, float initial,
                                float (*engineValue)(float), void (*apply)(E&, float),
                                void (*hostText)(float, float, char*),
                                VstInt32 contextIndex = kNoContext) {
    return {name,    label,   ParameterKind::kContinuous, initial, engineValue, apply,
            nullptr, nullptr, hostText,                   contextIndex, nullptr, nullptr};
}

// Three positions at steps of one half.
template <class E>
constexpr ParameterRow<E> selector(const char* name, const char* label, float initial,
                                   float (*engineValue)(float), void (*apply)(E&, float),
                                   void (*hostText)(float, float, char*)) {
    return {name,    label,   ParameterKind::kHalfSteps, initial, engineValue, apply,
            nullptr, nullptr, hostText,                  kNoContext, nullptr, nullptr};
}

// On/off; the engine receives switchState(v) and so does the derived value.
template <class E>
constexpr ParameterRow<E> toggle(const char* name, const char* label, float initial,
                                 void (*apply)(E&, float), const char* onText,
                                 const char* offText) {
    return {name,   label,   ParameterKind::kSwitch, initial,    switchState, apply,
            onText, offText, nullptr,                kNoContext, nullptr,     nullptr};
}

// A value hosts may store and read back, with empty display and no effect.
template <class E>
constexpr ParameterRow<E> storedOnly(const char* name, const char* label) {
    return {name,    label,   ParameterKind::kContinuous, 0.0f,       nullptr, nullptr,
            nullptr, nullptr, nullptr,                    kNoContext, nullptr, nullptr};
}

template <class E>
constexpr ParameterRow<E> noParameter() {
    return {nullptr, nullptr, ParameterKind::kContinuous, 0.0f,       nullptr, nullptr,
            nullptr, nullptr, nullptr,                    kNoContext, nullptr, nullptr};
}

template <class E>
constexpr ParameterRow<E> withFace(ParameterRow<E> row, float (*faceValue)(float),
                                   void (*faceText)(float, char*)) {
    row.faceValue = faceValue;
    row.faceText = faceText;
    return row;
}

// The face shows a switch on from exactly one half: unlike switchState, a
// value one step below it stays off.
inline float faceSwitchValue(float v) { return v >= 0.5f ? 1.f : 0.f; }
// The host text of the plain percentage rows: "12.34" for v = 0.1234.
inline void percentDisplay(float v, float /*context*/, char* text) {
    formatFixedDecimals(100.0f * v, 2, text);
}
inline void storeControl(std::atomic<float>& control, float v) {
    control.store(v, std::memory_order_relaxed);
}

// The texts of a table. Nothing is written for an index without a value.
template <class E, int N>
bool holds(const ParameterRow<E> (&rows)[N], VstInt32 index) {
    return index >= 0 && index < N && rows[index].name != nullptr;
}

template <class E, int N>
void writeName(const ParameterRow<E> (&rows)[N], VstInt32 index, char* text) {
    if (holds(rows, index)) copyVstString(text, rows[index].name, kParameterTextBytes);
}

template <class E, int N>
void writeLabel(const ParameterRow<E> (&rows)[N], VstInt32 index, char* text) {
    if (holds(rows, index)) copyVstString(text, rows[index].label, kParameterTextBytes);
}

template <class E, int N>
void writeDisplay(const ParameterRow<E> (&rows)[N], VstInt32 index, float v, float context,
                  char* text) {
    if (!holds(rows, index)) return;
    const ParameterRow<E>& row = rows[index];
    char display[32] = "";  // a value out of the formatter's range shows as an empty text
    if (row.onText)
        std::strcpy(display, isOn(switchState(v)) ? row.onText : row.offText);
    else if (row.hostText)
        row.hostText(v, context, display);
    copyVstString(text, display, kParameterTextBytes);
}

// Constructs an engine at the host's sample rate when it takes one.
template <class Engine>
Engine makeEngine(double sampleRateHz) {
    if constexpr (std::is_constructible_v<Engine, double>)
        return Engine(sampleRateHz);
    else
        return Engine();
}

// The parameter side of an effect, read from its table: values as last set
// (one atomic word each), the engine written through the rows, the texts and
// properties hosts ask for. Base is AudioEffectX or CPresetSystemEffect.
template <class Engine, int kSlots, class Base>
class ParameterShell : public Base {
public:
    using Rows = ParameterRow<Engine>[kSlots];

    // Closes the editor's window first, so that its idle never reads an
    // engine that is being destroyed.
    ~ParameterShell() override {
        if (this->editor) this->editor->close();
    }

    void setParameter(VstInt32 index, float value) override {
        applyValue(index, value);
        if (this->editor) this->editor->parameterChanged(index, value);
    }
    float getParameter(VstInt32 index) override { return stored(index); }
    void getParameterName(VstInt32 index, char* text) override { writeName(rows_, index, text); }
    void getParameterLabel(VstInt32 index, char* text) override {
        writeLabel(rows_, index, text);
    }
    void getParameterDisplay(VstInt32 index, char* text) override {
        if (!holds(rows_, index)) return;
        const VstInt32 context = rows_[index].contextIndex;
        writeDisplay(rows_, index, stored(index),
                     context == kNoContext ? 0.0f : getDerivedValue(context), text);
    }

    // The engine value derived from parameter `index`; 0 without a value.
    float getDerivedValue(VstInt32 index) const {
        if (!holds(rows_, index)) return 0.0f;
        const float v = stored(index);
        return rows_[index].engineValue ? rows_[index].engineValue(v) : v;
    }
    // What the face shows for parameter `index`; 0 without a value.
    float getFaceValue(VstInt32 index) const {
        if (!holds(rows_, index)) return 0.0f;
        const float v = stored(index);
        return rows_[index].faceValue ? rows_[index].faceValue(v) : v;
    }
    bool holdsValue(VstInt32 index) const { return holds(rows_, index); }
    const ParameterRow<Engine>& parameterRow(VstInt32 index) const { return rows_[index]; }

protected:
    ParameterShell(audioMasterCallback master, VstInt32 numPrograms,
                   const PluginIdentity& identity, const Rows& rows)
        : Base(master, numPrograms, identity.numParams),
          engine(makeEngine<Engine>(this->getSampleRate())),
          rows_(rows) {
        this->setNumInputs(2);
        this->setNumOutputs(2);
        this->setIdentity(identity);
        this->canProcessReplacing(true);
        this->canDoubleReplacing(true);
        for (int k = 0; k < kSlots; ++k)
            values_[k].store(rows[k].initial, std::memory_order_relaxed);
    }

    ParameterKind parameterKind(VstInt32 index) const override { return rows_[index].kind; }

    // The program, the stored value and the engine; the editor is not told.
    void applyValue(VstInt32 index, float value) {
        rememberInProgram(index, value);
        if (!holds(rows_, index)) return;
        values_[index].store(value, std::memory_order_relaxed);
        if (rows_[index].apply) rows_[index].apply(engine, value);
    }
    // The stored value alone, for values the engine resets itself.
    void storeValue(VstInt32 index, float value) {
        values_[index].store(value, std::memory_order_relaxed);
    }
    virtual void rememberInProgram(VstInt32 index, float value) = 0;

    Engine engine;

private:
    float stored(VstInt32 index) const {
        return holds(rows_, index) ? values_[index].load(std::memory_order_relaxed) : 0.0f;
    }

    const Rows& rows_;
    std::atomic<float> values_[kSlots];
};
