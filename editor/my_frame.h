// The frame of every editor face. It draws and dispatches the mouse exactly
// as CFrame: the background, then the views in the order they were added,
// clipped to the update rectangle; it is created once per open and released
// by its close.
#pragma once

#include "gui/frame.h"

class MyFrame : public CFrame {
public:
    MyFrame(const CRect& size, void* parentWindow, VSTGUIEditorInterface* editor);

    CLASS_METHODS_NOCOPY(MyFrame, CFrame)
};
