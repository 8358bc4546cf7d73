// Requests of our own tools to an editor, through the dispatcher's
// effVendorSpecific with a four-character index of ours. Every other
// effVendorSpecific call answers 0.
#pragma once

#include "host/vst2.h"

class AEffEditor;

// Pointer: a file path (a terminated string). The open editor draws its whole
// face and writes it there as a PNG image; the answer is 1 when it did.
constexpr VstInt32 kSnapshotRequest = fourCharCode('K', 'v', 'S', 'h');

// The effect's answer to effVendorSpecific(index, value, ptr) for `editor`.
VstIntPtr answerVendorRequest(AEffEditor* editor, VstInt32 index, VstIntPtr value, void* ptr);
