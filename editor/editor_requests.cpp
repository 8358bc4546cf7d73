#include "editor/editor_requests.h"

#include "editor/ad_editor_base.h"

VstIntPtr answerVendorRequest(AEffEditor* editor, VstInt32 index, VstIntPtr /*value*/,
                              void* ptr) {
    if (index != kSnapshotRequest || !ptr) return 0;
    auto* faceEditor = dynamic_cast<ADEditorBase*>(editor);
    return faceEditor && faceEditor->writeSnapshot(static_cast<const char*>(ptr)) ? 1 : 0;
}
