// scopra's editor face: one draw of the goniometer with hold on (1022 pen
// pixels), one measuring idle tick of the whole face with a moving signal
// (layers, overlay, meters, readouts, and the upload of what changed to an X
// window when there is a display), and, when KV_SCOPRA_CPU_SECONDS is set,
// the share of one core that an open editor in a real window takes.
#ifdef KV_HAVE_GUI

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_window.h"
#include "editor/ad_editor_base.h"
#include "gui/frame.h"
#include "gui/draw_context.h"
#include "gui/platform_window.h"
#include "plugins/scopra/scopra.h"
#include "plugins/scopra/scopra_editor.h"
#include "plugins/scopra/scopra_face_layout.h"
#include "plugins/scopra/scopra_oscilloscope.h"

namespace {

using namespace scopra::face;

constexpr double kRateHz = 44100.0;
constexpr int kBlockFrames = 512;

VstIntPtr quietHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? kVstVersion : 0;
}

// A tone turning slowly around the stereo image.
class TurningTone {
public:
    void fill(float* left, float* right, int frames) {
        for (int k = 0; k < frames; ++k, ++n_) {
            const double t = n_ / kRateHz;
            const double tone = 0.7 * std::sin(2 * M_PI * 330 * t);
            left[k] = static_cast<float>(tone * std::cos(2 * M_PI * 0.7 * t));
            right[k] = static_cast<float>(tone * std::sin(2 * M_PI * 0.7 * t) * 0.6);
        }
    }

private:
    long n_ = 0;
};

// A burst of points on a turning ellipse; `phase` moves it on.
std::array<scopra::ScopePoint, scopra::kScopePoints> burstAt(int phase) {
    std::array<scopra::ScopePoint, scopra::kScopePoints> points{};
    for (int i = 0; i < scopra::kScopePoints; ++i) {
        const double a = 0.05 * (i + phase);
        points[i] = {std::trunc(70 * std::cos(a)), std::trunc(40 * std::sin(1.3 * a))};
    }
    return points;
}

void BM_ScopraScopeDrawWithHold(benchmark::State& state) {
    const gui::ResourceTable& art = scopraResources();
    auto* size = new CBitmap(art, kScopeSizeBitmap);
    auto* overlay = new CBitmap(art, kGraticuleName);
    auto* bright = new CBitmap(art, kBrightPenBitmap);
    auto* dark = new CBitmap(art, kDarkPenBitmap);
    auto* scope = new COsciloscope(kScope.rect(), nullptr, size, overlay, bright, dark);
    auto* face = COffscreenContext::create(nullptr, kFaceWidth, kFaceHeight);
    scope->setHold(1.f);
    const auto first = burstAt(0), second = burstAt(37);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        scope->setPoints((flip ? first : second).data(), scopra::kScopePoints);
        scope->draw(face);
    }
    benchmark::DoNotOptimize(face->getPixels().pixels);
    for (CBaseObject* object : {static_cast<CBaseObject*>(scope), static_cast<CBaseObject*>(face),
                                static_cast<CBaseObject*>(size), static_cast<CBaseObject*>(overlay),
                                static_cast<CBaseObject*>(bright), static_cast<CBaseObject*>(dark)})
        object->forget();
}
BENCHMARK(BM_ScopraScopeDrawWithHold)->Unit(benchmark::kMicrosecond);

// One measuring idle tick of the headless face, after 36 ms of signal (one
// full burst and then some), plus the upload of the changed area to a window.
void BM_ScopraIdleTickWithMovingSignal(benchmark::State& state) {
    static const HostParent parent(kFaceWidth, kFaceHeight);
    Scopra effect(&quietHost);
    effect.setSampleRate(static_cast<float>(kRateHz));
    auto* editor = dynamic_cast<ADEditorBase*>(effect.getEditor());
    editor->open(nullptr);
    QuietWindowListener listener;
    std::unique_ptr<gui::PlatformWindow> window;
    if (parent.handle())
        window = gui::openPlatformWindow(parent.handle(), kFaceWidth, kFaceHeight, listener);
    TurningTone tone;
    const int tickFrames = static_cast<int>(kRateHz * 0.036);
    std::vector<float> left(tickFrames), right(tickFrames);
    float* inputs[] = {left.data(), right.data()};
    float* outputs[] = {left.data(), right.data()};
    for (auto _ : state) {
        state.PauseTiming();
        tone.fill(left.data(), right.data(), tickFrames);
        effect.processReplacing(inputs, outputs, tickFrames);
        std::this_thread::sleep_for(std::chrono::milliseconds(scopra::ADEditor::kMeasurePeriodMs + 1));
        state.ResumeTiming();
        editor->idle();
        CFrame* frame = editor->getFrame();
        const CRect changed = frame->takePresentRect();
        if (window && !changed.isEmpty())
            window->present(frame->getBackBuffer(), static_cast<int>(changed.left),
                            static_cast<int>(changed.top), static_cast<int>(changed.width()),
                            static_cast<int>(changed.height()));
    }
    state.SetLabel(window ? "with upload to an X window" : "headless, no upload (no display)");
    editor->close();
}
BENCHMARK(BM_ScopraIdleTickWithMovingSignal)->Unit(benchmark::kMicrosecond)->Iterations(100);

// Processor time of a process (or of one of its threads) in seconds, from /proc.
double cpuSeconds(const std::string& statPath) {
    std::ifstream in(statPath);
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t close = stat.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    double user = 0, system = 0;
    for (int k = 3; fields >> field; ++k) {
        if (k == 14) user = std::stod(field);
        if (k == 15) {
            system = std::stod(field);
            break;
        }
    }
    return (user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The editor open in a real window for KV_SCOPRA_CPU_SECONDS seconds with
// audio running about in real time on a thread of its own and the host
// idling every 40 ms (as Ardour does): counters give the share of one core taken by this
// process without the audio thread, and by the X server when its process id
// is in KV_XSERVER_PID.
void BM_ScopraOpenEditorCpuShare(benchmark::State& state) {
    const double seconds = std::atof(std::getenv("KV_SCOPRA_CPU_SECONDS"));
    const char* serverPid = std::getenv("KV_XSERVER_PID");
    static const HostParent parent(kFaceWidth, kFaceHeight);
    if (!parent.handle()) {
        state.SkipWithError("skipped: no X display");
        return;
    }
    for (auto _ : state) {
        Scopra effect(&quietHost);
        effect.setSampleRate(static_cast<float>(kRateHz));
        std::atomic<bool> stop{false};
        std::atomic<pid_t> audioThread{0};
        std::thread audio([&] {
            audioThread = static_cast<pid_t>(gettid());
            TurningTone tone;
            std::vector<float> left(kBlockFrames), right(kBlockFrames);
            float* inputs[] = {left.data(), right.data()};
            float* outputs[] = {left.data(), right.data()};
            auto next = std::chrono::steady_clock::now();
            while (!stop) {
                tone.fill(left.data(), right.data(), kBlockFrames);
                effect.processReplacing(inputs, outputs, kBlockFrames);
                next += std::chrono::microseconds(static_cast<long>(1e6 * kBlockFrames / kRateHz));
                std::this_thread::sleep_until(next);
            }
        });
        effect.getEditor()->open(parent.handle());
        const std::string server = serverPid ? std::string("/proc/") + serverPid + "/stat" : "";
        const double process0 = cpuSeconds("/proc/self/stat");
        const double server0 = serverPid ? cpuSeconds(server) : 0;
        const std::string audioStat = "/proc/self/task/" + std::to_string(audioThread) + "/stat";
        const double audio0 = cpuSeconds(audioStat);
        const auto start = std::chrono::steady_clock::now();
        const auto end = start + std::chrono::duration<double>(seconds);
        while (std::chrono::steady_clock::now() < end) {
            effect.getEditor()->idle();
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
        }
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double audioShare = (cpuSeconds(audioStat) - audio0) / wall;
        state.counters["editor_percent"] =
            100 * ((cpuSeconds("/proc/self/stat") - process0) / wall - audioShare);
        state.counters["audio_percent"] = 100 * audioShare;
        if (serverPid) state.counters["xserver_percent"] = 100 * (cpuSeconds(server) - server0) / wall;
        stop = true;
        audio.join();
        effect.getEditor()->close();
    }
}

[[maybe_unused]] const bool kCpuShareRegistered = [] {
    if (std::getenv("KV_SCOPRA_CPU_SECONDS"))
        benchmark::RegisterBenchmark("BM_ScopraOpenEditorCpuShare", BM_ScopraOpenEditorCpuShare)
            ->Iterations(1)
            ->Unit(benchmark::kSecond);
    return true;
}();

}  // namespace

#endif  // KV_HAVE_GUI
