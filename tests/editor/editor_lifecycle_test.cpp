// The editor's life through the binary interface and its own entry points:
// rectangles, opening and closing again and again, snapshots through the
// vendor-specific request, idle ticks from the window, several editors.
#include <cairo.h>

#include <cstdio>
#include <string>

#include "editor/editor_requests.h"
#include "editor/idle_timer.h"
#include "editor/vu_meter1.h"
#include "tests/editor/editor_test_support.h"

using namespace edtest;

namespace {

constexpr int kFaceViews = 26;

class EditorLifecycle : public SolvaneEditorTest {
protected:
    VstIntPtr dispatch(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0,
                       void* ptr = nullptr) {
        AEffect* record = effect->getAeffect();
        return record->dispatcher(record, opcode, index, value, ptr, 0.f);
    }
    std::string tempPng(const char* name) {
        return ::testing::TempDir() + "/" + name + ".png";
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

TEST_F(EditorLifecycle, TheSnapshotRequestWritesTheWholeFaceOnlyWhileOpen) {
    std::string path = tempPng("solvane_snapshot");
    std::remove(path.c_str());
    EXPECT_EQ(dispatch(effVendorSpecific, kSnapshotRequest, 0, path.data()), 0);  // closed

    dispatch(effEditOpen);
    effect->setParameter(0, 1.f);  // recorded; the snapshot brings the face up to date
    EXPECT_EQ(dispatch(effVendorSpecific, kSnapshotRequest, 0, nullptr), 0);
    EXPECT_EQ(dispatch(effVendorSpecific, fourCharCode('K', 'v', 'S', 'x'), 0, path.data()), 0);
    EXPECT_EQ(dispatch(effVendorSpecific, kSnapshotRequest, 0, path.data()), 1);
    EXPECT_EQ(textOf(viewWithRect(editor->getFrame(), CRect(258, 55, 322, 72))), "400%");

    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), kFaceWidth);
    EXPECT_EQ(cairo_image_surface_get_height(png), kFaceHeight);
    const gui::PixelView written = {
        reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(png)), kFaceWidth,
        kFaceHeight, cairo_image_surface_get_stride(png) / 4};
    const CRect whole(0, 0, kFaceWidth, kFaceHeight);
    EXPECT_EQ(pixelsOf(written, whole), pixelsOf(editor->getFrame()->getBackBuffer(), whole));
    cairo_surface_destroy(png);
    std::remove(path.c_str());

    char unwritable[] = "/nonexistent/folder/face.png";
    EXPECT_EQ(dispatch(effVendorSpecific, kSnapshotRequest, 0, unwritable), 0);
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

TEST_F(EditorLifecycle, AnIdleTimerTickFindsTheFramesEditorOrDoesNothing) {
    CountingEditor counting(effect.get());
    BareEditorInterface bare;
    auto* withEditor = new CFrame(CRect(0, 0, 10, 10), nullptr, &counting);
    auto* withoutEditor = new CFrame(CRect(0, 0, 10, 10), nullptr, nullptr);
    auto* foreignEditor = new CFrame(CRect(0, 0, 10, 10), nullptr, &bare);
    IdleTimer(withEditor).fire();
    IdleTimer(withEditor).fire();
    IdleTimer(withoutEditor).fire();
    IdleTimer(foreignEditor).fire();
    IdleTimer(nullptr).fire();
    EXPECT_EQ(counting.idles, 2);
    EXPECT_EQ(IdleTimer::kPeriodMs, 50);
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
