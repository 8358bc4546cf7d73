#include "editor/editor_requests.h"

#include <cstring>

#include "editor/ad_editor_base.h"

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

}  // namespace

VstIntPtr answerVendorRequest(AEffEditor* editor, VstInt32 index, VstIntPtr /*value*/,
                              void* ptr) {
    if (index != kSnapshotRequest || !ptr) return 0;
    auto* faceEditor = dynamic_cast<ADEditorBase*>(editor);
    if (!faceEditor || !faceEditor->hasFrame()) return 0;
    // The size field is read alone first: a caller of another layout may
    // have passed fewer bytes than a whole record.
    int32_t structBytes = 0;
    std::memcpy(&structBytes, ptr, sizeof structBytes);
    if (structBytes != static_cast<int32_t>(sizeof(SnapshotBuffer))) return 0;
    SnapshotBuffer request;
    std::memcpy(&request, ptr, sizeof request);

    const FaceSize face = faceSizeOf(*faceEditor);
    if (!request.pixels) return answerSizeQuery(request, ptr, face);
    if (!fitsTheFace(request, face)) return 0;
    return faceEditor->copySnapshot(request.pixels, request.width, request.height,
                                    request.strideBytes)
               ? 1
               : 0;
}
