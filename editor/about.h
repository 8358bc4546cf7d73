// The about screen: the face's click area and the view it shows.
#pragma once

#include "gui/control.h"
#include "gui/font.h"
#include "gui/geometry.h"
#include "gui/splash_screen.h"

// The about screen's click area: an invisible control on the face. A left
// click shows the about image (with its text lines) over the face as the
// frame's modal view; a left click on the shown image hides it again. While
// shown, the control's value is 1.
class CAbout : public CSplashScreen {
public:
    CAbout(const CRect& clickArea, CControlListener* listener, int32_t tag, CBitmap* aboutImage,
           const CRect& displayArea, const CPoint& imageSource, const CPoint& textOrigin);

    // Left button: toggles the value and, when it becomes 1, shows the image.
    // Other buttons: not handled.
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    bool isShown() const { return value != 0.f; }
    const CPoint& getTextOrigin() const { return textOrigin; }

    CLASS_METHODS_NOCOPY(CAbout, CSplashScreen)

private:
    CPoint textOrigin;
};

// The shown about screen: the about image with the product's name and
// version, two lines of the maker, and the technology line, drawn over the
// face as the frame's modal view. A left click on it hides it.
class CSplashScreenMyView : public CControl {
public:
    static constexpr const char* kVersion = "v.1.9.8";
    static constexpr const char* kCreditLine = "Kavexsound stereo image tools";
    static constexpr const char* kContactLine = "ideas and reports: Kavexsound";
    static constexpr const char* kTechnologyLine = "VST PlugIn Technology by Steinberg";
    static constexpr CCoord kLineHeight = 15;
    static constexpr CCoord kLineSpacing = 17;   // from one text line's top to the next
    static constexpr CCoord kTechnologyTop = 71;  // from the first line's top

    CSplashScreenMyView(const CRect& displayArea, CAbout* owner, const CPoint& textOrigin);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;

    // The first line: the effect's name, three blanks and the version.
    static void titleLine(const char* effectName, char* line, size_t capacity);
    // The rectangle of the first text line.
    CRect firstLineRect() const;

    CLASS_METHODS(CSplashScreenMyView, CControl)

private:
    // The effect's name, found through the frame's editor; empty without one.
    void effectName(char* name) const;

    CAbout* owner;
    CPoint textOrigin;
    SharedPointer<CFontDesc> textFont;
    SharedPointer<CFontDesc> technologyFont;
};
