// The editor's life through the binary interface and its own entry points:
// rectangles, opening and closing again and again, snapshots through the
// vendor-specific request, idle ticks from the window, several editors.
#include <cstring>
#include <string>
#include <vector>

#include "editor/face_controls.h"
#include "host/aeff_editor.h"
#include "tests/editor/editor_test_support.h"

using namespace edtest;

namespace {

constexpr int kFaceViews = 26 + 13;  // the face, then the preset bar

class EditorLifecycle : public SolvaneEditorTest {
protected:
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr) {
        AEffect* record = effect->getAeffect();
        return record->dispatcher(record, opcode, index, value, ptr, 0.f);
    }
};

TEST_F(EditorLifecycle, TheRectangleIsTheBackgroundsBeforeAndAfterOpening) {
    EXPECT_NE(effect->getAeffect()->flags & effFlagsHasEditor, 0);
    for (int round = 0; round < 2; ++round) {
        ERect* rect = nullptr;
        ASSERT_EQ(dispatch(effEditGetRect, 0, 0, &rect), 1);
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->left, 0);
        EXPECT_EQ(rect->top, 0);
        EXPECT_EQ(rect->right, kFaceWidth);
        EXPECT_EQ(rect->bottom, kFaceHeight);
        EXPECT_EQ(dispatch(effEditOpen), 1);  // no parent window: headless
    }
    EXPECT_NE(editor->getFrame(), nullptr);
    EXPECT_FALSE(editor->getFrame()->hasWindow());
}

TEST_F(EditorLifecycle, OpeningAndClosingAgainAndAgainRebuildsTheFaceEachTime) {
    for (int round = 0; round < 40; ++round) {
        ASSERT_EQ(dispatch(effEditOpen), 1);
        if (round % 3 == 0) {
            ASSERT_EQ(dispatch(effEditOpen), 1);  // a second open replaces the face
        }
        ASSERT_NE(editor->getFrame(), nullptr);
        EXPECT_EQ(editor->getFrame()->getNbViews(), kFaceViews);
        effect->setParameter(0, static_cast<float>(round % 5) / 4.f);
        dispatch(effEditIdle);
        EXPECT_EQ(controlWithTag(editor->getFrame(), "CHorizontalSlider", 0)->getValue(),
                  effect->getParameter(0));
        dispatch(effEditClose);
        EXPECT_EQ(editor->getFrame(), nullptr);
        dispatch(effEditIdle);  // idle and changes while closed do nothing
        effect->setParameter(1, 0.25f);
    }
    dispatch(effEditClose);  // closing a closed editor is harmless
}

constexpr int32_t kFaceRowBytes = kFaceWidth * 4;
constexpr int64_t kFaceBytes = int64_t{kFaceRowBytes} * kFaceHeight;
constexpr uint8_t kUntouched = 0xa5;

// A caller's buffer for the snapshot request, every byte preset so that a
// refusal can be seen to have written nothing; rows `padBytes` wider than
// the face's.
struct SnapshotTarget {
    explicit SnapshotTarget(int32_t padBytes = 0)
        : bytes(static_cast<size_t>(kFaceRowBytes + padBytes) * kFaceHeight, kUntouched) {
        request.structBytes = sizeof request;
        request.width = kFaceWidth;
        request.height = kFaceHeight;
        request.strideBytes = kFaceRowBytes + padBytes;
        request.pixels = bytes.data();
        request.capacityBytes = static_cast<int64_t>(bytes.size());
    }
    bool untouched() const {
        for (uint8_t byte : bytes)
            if (byte != kUntouched) return false;
        return true;
    }
    std::vector<uint8_t> bytes;
    SnapshotBuffer request{};
};

bool sameRecord(const SnapshotBuffer& a, const SnapshotBuffer& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(EditorLifecycle, TheSnapshotRequestCopiesTheWholeFaceOnlyWhileOpen) {
    SnapshotTarget target(8);
    EXPECT_EQ(dispatch(effVendorSpecific, kSnapshotRequest, 0, &target.request), 0);  // closed
    EXPECT_TRUE(target.untouched());

    dispatch(effEditOpen);
    effect->setParameter(0, 1.f);  // recorded; the snapshot brings the face up to date
    SnapshotBuffer query{};
    query.structBytes = sizeof query;
    EXPECT_EQ(dispatch(effVendorSpecific, kSnapshotRequest, 0, &query), kFaceBytes);
    EXPECT_EQ(query.width, kFaceWidth);
    EXPECT_EQ(query.height, kFaceHeight);
    EXPECT_EQ(query.strideBytes, kFaceRowBytes);
    EXPECT_EQ(query.capacityBytes, kFaceBytes);

    ASSERT_EQ(dispatch(effVendorSpecific, kSnapshotRequest, 0, &target.request), 1);
    EXPECT_EQ(textOf(viewWithRect(editor->getFrame(), CRect(258, 55, 322, 72))), "400%");
    const gui::PixelView copied = {reinterpret_cast<const uint32_t*>(target.bytes.data()),
                                   kFaceWidth, kFaceHeight, target.request.strideBytes / 4};
    const CRect whole(0, 0, kFaceWidth, kFaceHeight);
    EXPECT_EQ(pixelsOf(copied, whole), pixelsOf(editor->getFrame()->getBackBuffer(), whole));
    for (int y = 0; y < kFaceHeight; ++y)  // the padding of every row is the caller's
        for (int32_t x = kFaceRowBytes; x < target.request.strideBytes; ++x)
            ASSERT_EQ(target.bytes[y * target.request.strideBytes + x], kUntouched) << y;
}

struct SnapshotRefusal {
    const char* name;
    void (*spoil)(SnapshotBuffer& request, VstInt32& index);
};

const SnapshotRefusal kSnapshotRefusals[] = {
    {"another index",
     [](SnapshotBuffer&, VstInt32& index) { index = fourCharCode('K', 'v', 'S', 'h'); }},
    {"record too small", [](SnapshotBuffer& r, VstInt32&) { r.structBytes -= 8; }},
    {"record too large", [](SnapshotBuffer& r, VstInt32&) { r.structBytes += 8; }},
    {"no record size", [](SnapshotBuffer& r, VstInt32&) { r.structBytes = 0; }},
    {"narrower", [](SnapshotBuffer& r, VstInt32&) { r.width -= 1; }},
    {"wider", [](SnapshotBuffer& r, VstInt32&) { r.width += 1; }},
    {"taller", [](SnapshotBuffer& r, VstInt32&) { r.height += 1; }},
    {"negative height", [](SnapshotBuffer& r, VstInt32&) { r.height = -kFaceHeight; }},
    {"rows overlap", [](SnapshotBuffer& r, VstInt32&) { r.strideBytes = kFaceRowBytes - 4; }},
    {"negative stride", [](SnapshotBuffer& r, VstInt32&) { r.strideBytes = -kFaceRowBytes; }},
    {"capacity one byte short", [](SnapshotBuffer& r, VstInt32&) { r.capacityBytes -= 1; }},
    {"negative capacity", [](SnapshotBuffer& r, VstInt32&) { r.capacityBytes = -kFaceBytes; }},
    {"query with a wrong record size", [](SnapshotBuffer& r, VstInt32&) {
         r.pixels = nullptr;
         r.structBytes += 4;
     }},
};

TEST_F(EditorLifecycle, TheSnapshotRequestRefusesAnyBufferThatDoesNotFitAndWritesNothing) {
    dispatch(effEditOpen);
    EXPECT_EQ(dispatch(effVendorSpecific, kSnapshotRequest, 0, nullptr), 0);
    for (const SnapshotRefusal& refusal : kSnapshotRefusals) {
        SCOPED_TRACE(refusal.name);
        SnapshotTarget target;
        VstInt32 index = kSnapshotRequest;
        refusal.spoil(target.request, index);
        const SnapshotBuffer asked = target.request;
        EXPECT_EQ(dispatch(effVendorSpecific, index, 0, &target.request), 0);
        EXPECT_TRUE(target.untouched());
        EXPECT_TRUE(sameRecord(target.request, asked));
    }
}

TEST_F(EditorLifecycle, WindowIdleTicksMoveTheMetersOnlyWhileTheTimerRuns) {
    CFrame* frame = openHeadless();
    auto* meter = dynamic_cast<CVuMeter1*>(viewWithRect(frame, CRect(60, 121, 242, 136)));
    ASSERT_NE(meter, nullptr);
    process(0.5f, 0.f);  // left only
    // What the window's thread does every idle period.
    frame->getWindowListener().onIdle();
    EXPECT_EQ(meter->getValue(), 0.f);
    EXPECT_EQ(meter->getShownValue(), 0.f);  // drawn by the same tick
}

class CountingEditor : public AEffGUIEditor {
public:
    using AEffGUIEditor::AEffGUIEditor;
    void idle() override { ++idles; }
    int idles = 0;
};

class BareEditorInterface : public VSTGUIEditorInterface {};

TEST_F(EditorLifecycle, AWindowIdleTickFindsTheFramesEditorOrDoesNothing) {
    CountingEditor counting(effect.get());
    BareEditorInterface bare;
    auto* withEditor = new CFrame(CRect(0, 0, 10, 10), nullptr, &counting);
    auto* withoutEditor = new CFrame(CRect(0, 0, 10, 10), nullptr, nullptr);
    auto* foreignEditor = new CFrame(CRect(0, 0, 10, 10), nullptr, &bare);
    withEditor->getWindowListener().onIdle();
    withEditor->getWindowListener().onIdle();
    withoutEditor->getWindowListener().onIdle();
    foreignEditor->getWindowListener().onIdle();
    EXPECT_EQ(counting.idles, 2);
    EXPECT_EQ(gui::kIdlePeriodMs, 50);
    for (CFrame* frame : {withEditor, withoutEditor, foreignEditor}) frame->close();
}

TEST_F(EditorLifecycle, SeveralEditorsOpenAtOnceKeepToTheirOwnEffects) {
    Solvane second(&TestHost::callback);
    auto* secondEditor = dynamic_cast<ADEditorBase*>(second.getEditor());
    ASSERT_NE(secondEditor, nullptr);
    CFrame* first = openHeadless();
    secondEditor->open(nullptr);
    effect->setParameter(4, 0.9f);
    second.setParameter(4, 0.1f);
    editor->idle();
    secondEditor->idle();
    EXPECT_EQ(controlWithTag(first, "CHorizontalSlider", 4)->getValue(), 0.9f);
    EXPECT_EQ(controlWithTag(secondEditor->getFrame(), "CHorizontalSlider", 4)->getValue(), 0.1f);
    secondEditor->close();
    EXPECT_NE(editor->getFrame(), nullptr);
}

TEST_F(EditorLifecycle, AParentThatCannotBeUsedLeavesTheFaceHeadless) {
    // Not a window of any display (or no display at all).
    auto* unusable = reinterpret_cast<void*>(static_cast<uintptr_t>(0x7ffffff0));
    EXPECT_TRUE(editor->open(unusable));
    ASSERT_NE(editor->getFrame(), nullptr);
    EXPECT_FALSE(editor->getFrame()->hasWindow());
    EXPECT_EQ(editor->getFrame()->getNbViews(), kFaceViews);
}

}  // namespace
