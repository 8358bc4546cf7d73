#include "editor/ad_editor_base.h"

#include <cstring>
#include <new>

#include "gui/frame.h"
#include "host/audio_effect.h"

namespace {

constexpr int64_t kBytesPerPixel = 4;

struct FaceSize {
    int32_t width = 0;
    int32_t height = 0;
};

FaceSize faceSizeOf(AEffEditor& editor) {
    ERect* rect = nullptr;
    if (!editor.getRect(&rect) || !rect) return {};
    return {rect->right - rect->left, rect->bottom - rect->top};
}

int64_t rowBytesOf(int32_t width) { return static_cast<int64_t>(width) * kBytesPerPixel; }

VstIntPtr answerSizeQuery(SnapshotBuffer request, void* ptr, const FaceSize& face) {
    request.width = face.width;
    request.height = face.height;
    request.strideBytes = static_cast<int32_t>(rowBytesOf(face.width));
    request.capacityBytes = rowBytesOf(face.width) * face.height;
    std::memcpy(ptr, &request, sizeof request);
    return static_cast<VstIntPtr>(request.capacityBytes);
}

// The buffer takes exactly the face's rows, each with room for its pixels.
bool fitsTheFace(const SnapshotBuffer& request, const FaceSize& face) {
    return face.width > 0 && face.height > 0 && request.width == face.width &&
           request.height == face.height && request.strideBytes >= rowBytesOf(face.width) &&
           request.capacityBytes >= static_cast<int64_t>(request.strideBytes) * face.height;
}

// The frame of every editor face. It draws and dispatches the mouse exactly
// as CFrame: the background, then the views in the order they were added,
// clipped to the update rectangle; it is created once per open and released
// by its close.
class MyFrame : public CFrame {
public:
    using CFrame::CFrame;

    CLASS_METHODS_NOCOPY(MyFrame, CFrame)
};

}  // namespace

ADEditorBase::ADEditorBase(AudioEffect* effect, const gui::ResourceTable& resources)
    : AEffGUIEditor(effect),
      background_(new (std::nothrow) CBitmap(resources, kBackgroundId)),
      layoutBitmaps_(resources) {
    rect_.top = 0;
    rect_.left = 0;
    if (background_) {
        rect_.bottom = static_cast<VstInt16>(background_->getHeight());
        rect_.right = static_cast<VstInt16>(background_->getWidth());
    }
    if (effect) effect->setEditor(this);
}

ADEditorBase::~ADEditorBase() {
    tearDownFace(false);
    if (background_) background_->forget();
}

bool ADEditorBase::open(void* parentWindow) {
    close();  // a host that opens twice gets a fresh face
    if (!background_) return false;
    AEffGUIEditor::open(parentWindow);
    GuiLock lock(guiMutex());
    // Changes recorded from here on are applied by the first idle; the face
    // reads every value afresh now.
    changedParameters_.store(0, std::memory_order_relaxed);
    meterResetRequested_.store(false, std::memory_order_relaxed);

    const CRect size(rect_.left, rect_.top, rect_.left + background_->getWidth(),
                     rect_.top + background_->getHeight());
    frame = new MyFrame(size, parentWindow, this);
    frame->setBackground(background_);
    buildFace();
    openPresetBar();
    // The first picture is drawn here, on the host's thread, so that the
    // window has it at once and the drawing state starts on this thread.
    frame->idle();
    ticking_ = true;
    return true;
}

void ADEditorBase::close() {
    tearDownFace(true);
    AEffGUIEditor::close();
}

void ADEditorBase::tearDownFace(bool withHooks) {
    CFrame* closing = nullptr;
    {
        GuiLock lock(guiMutex());
        if (withHooks && frame) closePresetBar();
        ticking_ = false;
        closing = frame;
    }
    if (!closing) return;
    // The window's thread takes the GUI lock for each of its calls, so it is
    // stopped and joined without holding the lock.
    closing->attachWindow(nullptr);

    GuiLock lock(guiMutex());
    if (withHooks) clearFace();
    about_ = nullptr;
    frame->close();
    frame = nullptr;
    layoutBitmaps_.releaseAll();
    fonts_.clear();
}

void ADEditorBase::idle() {
    GuiLock lock(guiMutex());
    tick();
}

void ADEditorBase::doIdleStuff() {
    if (ticking_) tick();
}

void ADEditorBase::tick() {
    if (!frame) return;
    beginIdlePass();
    applyRecordedChanges();
    if (!aboutShown()) followMeters();
    frame->idle();
}

void ADEditorBase::applyRecordedChanges() {
    presetBarIdle();
    const uint32_t changed = changedParameters_.exchange(0, std::memory_order_acquire);
    for (VstInt32 index = 0; index < kMaxTrackedParameters; ++index)
        if (changed & (1u << index)) refreshParameter(index);
    if (meterResetRequested_.exchange(false, std::memory_order_acquire)) restMeters();
}

void ADEditorBase::valueChanged(CControl* control) {
    if (!control) return;
    presetBarValueChanged(control);
    const int32_t tag = control->getTag();
    if (!isParameterIndex(tag)) return;
    effect_->setParameterAutomated(tag, control->getValue());
    control->setDirty(true);
}

void ADEditorBase::parameterChanged(VstInt32 index, float /*value*/) {
    if (index < 0 || index >= kMaxTrackedParameters) return;
    changedParameters_.fetch_or(1u << index, std::memory_order_release);
}

void ADEditorBase::resetMeters() { meterResetRequested_.store(true, std::memory_order_release); }

VstIntPtr ADEditorBase::vendorRequest(VstInt32 index, VstIntPtr /*value*/, void* ptr) {
    if (index != kSnapshotRequest || !ptr || !hasFrame()) return 0;
    // The size field is read alone first: a caller of another layout may
    // have passed fewer bytes than a whole record.
    int32_t structBytes = 0;
    std::memcpy(&structBytes, ptr, sizeof structBytes);
    if (structBytes != static_cast<int32_t>(sizeof(SnapshotBuffer))) return 0;
    SnapshotBuffer request;
    std::memcpy(&request, ptr, sizeof request);

    const FaceSize face = faceSizeOf(*this);
    if (!request.pixels) return answerSizeQuery(request, ptr, face);
    if (!fitsTheFace(request, face)) return 0;
    return copySnapshot(request.pixels, request.width, request.height, request.strideBytes) ? 1
                                                                                            : 0;
}

bool ADEditorBase::copySnapshot(uint8_t* pixels, int32_t width, int32_t height,
                                int32_t strideBytes) {
    GuiLock lock(guiMutex());
    if (!frame || !pixels) return false;
    applyRecordedChanges();
    if (!aboutShown()) followMeters();
    frame->invalid();
    frame->idle();
    const gui::PixelView face = frame->getBackBuffer();
    if (!face.pixels || face.width != width || face.height != height) return false;
    const size_t rowBytes = static_cast<size_t>(width) * sizeof(uint32_t);
    for (int32_t y = 0; y < height; ++y)
        std::memcpy(pixels + static_cast<ptrdiff_t>(y) * strideBytes,
                    face.pixels + static_cast<ptrdiff_t>(y) * face.stridePixels, rowBytes);
    return true;
}

bool ADEditorBase::hasFrame() {
    GuiLock lock(guiMutex());
    return frame != nullptr;
}

bool ADEditorBase::isAboutShown() {
    GuiLock lock(guiMutex());
    return aboutShown();
}

void ADEditorBase::addView(CView* view) {
    if (frame && view) frame->addView(view);
}

void ADEditorBase::addAbout(const AboutPlacement& placement) {
    about_ = new CAbout(placement.clickArea.rect(), this, placement.tag,
                        getLayoutBitmap(placement.bitmapId), placement.displayArea.rect(),
                        placement.imageSource.point(), placement.textOrigin.point());
    addView(about_);
}
