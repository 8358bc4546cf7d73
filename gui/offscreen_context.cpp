#include "gui/offscreen_context.h"

COffscreenContext* COffscreenContext::create(CFrame* /*frame*/, CCoord width, CCoord height) {
    auto* bitmap = new CBitmap(width, height);
    if (!bitmap->isLoaded()) {
        bitmap->forget();
        return nullptr;
    }
    return new COffscreenContext(bitmap);
}

COffscreenContext::COffscreenContext(CBitmap* bitmap)
    : CDrawContext(bitmap->getSurface()), bitmap_(bitmap) {}

COffscreenContext::~COffscreenContext() { bitmap_->forget(); }

void COffscreenContext::copyFrom(CDrawContext* dest, CRect destRect, CPoint srcOffset) {
    if (dest) dest->drawBitmap(bitmap_, destRect, srcOffset, 1.f);
}
